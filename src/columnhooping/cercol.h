#pragma once
// The column-hooping window: the type choice, five lines of eleven data
// fields over 100 rows, the cold results of those rows in a frame that
// covers the hot table, and the hot table of the row on line 1.

#include "columnhooping/calcolo.h"
#include "platform/piattaforma.h"
#include "shell/finestragrafico.h"
#include "shell/finestrarighe.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

class cercol : public FinestraRighe {
    Q_OBJECT
public:
    explicit cercol(QWidget* parent = nullptr);

    void Option1_Click(int k);
    void VScroll3_Change(int linea);
    void ContaCerchiature();
    void GuidaCerchiature();
    void CalcolaCerchiature();
    void VScroll1_Change();
    // The calculation pass over every row, then the hot table.
    void aggiornaRisultati();
    void VScroll2_Change() { aggiornaRisultati(); }

    // The chart of the ring on line 1, or why there is none.
    ContenutoGrafico contenutoGrafico() const;

    void cancella_click() override;
    void acquisizionedati_Click(stampa::Uscita dove = stampa::Uscita::Carta) override;
    void stampaDati(platform::Stampante& p, ModoStampa modo) override;
    std::optional<ChiusuraRelazione> chiusuraRelazione() const override;

    int TipoCerchiatura = 0;   // 0 until a type is chosen
    int NumeroCerchiature = 0;

    const modcercol::DatiCerchiature& dati() const { return dati_; }
    const modcercol::RisultatiCerchiature& risultati() const { return ris_; }

    // Controls, for tests and the batch printer.
    QRadioButton* Option1(int k) const { return opzioni_[std::size_t(k)]; }
    QLabel* rum(int linea) const { return rum_[std::size_t(linea)]; }
    // Cold results, columns pasel..tenat.
    QLabel* freddo(int c, int linea) const { return freddo_[std::size_t(c)][std::size_t(linea)]; }
    // Hot table column 0 = teser, 1..12 = raor..spa.
    QLabel* caldo(int c, int linea) const { return caldo_[std::size_t(c)][std::size_t(linea)]; }
    QLabel* etichettaCampo(int c) const { return didascaliaColonna(c); }
    QLabel* unitaCampo(int c) const { return unitaColonna(c); }
    QLabel* numcon() const { return numcon_; }
    QLabel* note() const { return note_; }
    QLabel* Label1() const { return label1_; }
    QGroupBox* affreddo() const { return affreddo_; }
    QScrollBar* VScroll2() const { return vscroll2_; }
    QScrollBar* VScroll3(int linea) const { return vscroll3_[std::size_t(linea)]; }

protected:
    void calcoloRinviato() override;
    ColonnaRighe& valori(int c) override { return dati_.colonna(c); }
    void campo_Change(int c, int linea) override;
    int righeUsate() const override { return NumeroCerchiature; }
    void guida() override { GuidaCerchiature(); }
    // A row is copied only from a row with a radius.
    bool copiabile(int p) const override { return !dati_.valore(modcercol::Rag, p).isEmpty(); }
    void aggiornaRighe() override { VScroll1_Change(); }
    std::optional<Mancante> primoMancante() const override;
    QString testoNessunDato() const override;
    QString testoMancante(const Mancante& m) const override;
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override;
    void dopoApertura() override;

private:
    void costruisciAree();
    void BloccaCampi();
    void AbilitaCaldo();
    void AbilitaFreddo();
    void abilita(int daCampo, int aCampo, bool si);
    void mostraTabella();

    modcercol::DatiCerchiature dati_;
    modcercol::RisultatiCerchiature ris_;
    int tipoLetto_ = 0;

    std::array<QRadioButton*, 3> opzioni_{};
    std::array<QLabel*, 6> rum_{};
    std::array<std::array<QLabel*, 6>, 5> freddo_{};
    std::array<std::array<QLabel*, 6>, 13> caldo_{};
    std::array<QScrollBar*, 6> vscroll3_{};
    QLabel* numcon_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* label1_ = nullptr;
    QGroupBox* affreddo_ = nullptr;
    QScrollBar* vscroll2_ = nullptr;
};
