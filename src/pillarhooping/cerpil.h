#pragma once
// The pillar-hooping window: the type choice, five lines of ten data fields
// over 100 rows, the cold-helix results of those rows, and the hot results
// frame in the same place, which nothing fills.

#include "pillarhooping/calcolo.h"
#include "shell/finestrarighe.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <optional>

class cerpil : public FinestraRighe {
    Q_OBJECT
public:
    explicit cerpil(QWidget* parent = nullptr);

    void Option1_Click(int k);
    void VScroll8_Change(int linea);
    void ContaPilastri();
    void GuidaPilastri();
    void CalcolaPilastri();
    void VScroll1_Change();
    void HScroll1_Change();

    int TipoPilastri = 0;   // 0 until a type is chosen
    int NumeroPilastri = 0;
    int IndiceTemperatura = 1;

    const modcerpil::DatiPilastri& dati() const { return dati_; }
    const modcerpil::RisultatiPilastri& risultati() const { return ris_; }

    // Controls, for tests.
    QLabel* didascalia(int c) const { return didascaliaColonna(c); }
    QRadioButton* Option1(int k) const { return opzioni_[std::size_t(k)]; }
    QLabel* rum(int linea) const { return rum_[std::size_t(linea)]; }
    QLabel* freddo(int c, int linea) const { return freddo_[std::size_t(c)][std::size_t(linea)]; }
    // Hot result c (orig .. tottir) of side s (1 short, 2 long).
    QLabel* caldo(int c, int lato) const { return lati_.celle[std::size_t(c)][std::size_t(lato)]; }
    QLabel* conteggio() const { return conteggio_; }
    QLabel* note() const { return note_; }
    QLabel* numcons() const { return lati_.numcons; }
    QLabel* eserc() const { return lati_.eserc; }
    QGroupBox* frameDati() const { return frameDati_; }
    QGroupBox* frameFreddo() const { return frameFreddo_; }
    QGroupBox* frameCaldo() const { return lati_.frame; }
    QScrollBar* VScroll2() const { return lati_.vscroll2; }
    QScrollBar* HScroll1() const { return lati_.hscroll1; }
    QScrollBar* VScroll8(int linea) const { return vscroll8_[std::size_t(linea)]; }
    QScrollBar* VScroll6(int linea) const { return vscroll6_[std::size_t(linea)]; }
    QScrollBar* VScroll9(int lato) const { return lati_.barre[std::size_t(lato)]; }

    // The menu's print entries do nothing in this window: its listing, of
    // the cold helix only, is printed by the batch printer.
    void stampa_click(stampa::Uscita = stampa::Uscita::Carta) override {}
    bool stampaPossibile() override { return senzaListato().isEmpty(); }
    QString senzaListato() const override;
    // Alone only: the complete report has no chapters for pillar hooping.
    void stampaDati(platform::Stampante& p, ModoStampa modo) override;

protected:
    void calcoloRinviato() override;
    ColonnaRighe& valori(int c) override { return dati_.colonna(c); }
    void campo_Change(int c, int linea) override;
    int righeUsate() const override { return NumeroPilastri; }
    void guida() override { GuidaPilastri(); }
    void aggiornaRighe() override { VScroll1_Change(); }
    std::optional<Mancante> primoMancante() const override;
    QString testoNessunDato() const override;
    QString testoMancante(const Mancante& m) const override;
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override;
    void dopoApertura() override;

private:
    void costruisciDati();
    void costruisciFreddo();
    void costruisciCaldo();

    modcerpil::DatiPilastri dati_;
    modcerpil::RisultatiPilastri ris_;
    std::optional<int> tipoLetto_;

    std::array<QRadioButton*, 3> opzioni_{};
    CaldoLati lati_;
    std::array<QLabel*, 6> rum_{};
    std::array<std::array<QLabel*, 6>, 5> freddo_{};
    std::array<QScrollBar*, 6> vscroll8_{};
    std::array<QScrollBar*, 6> vscroll6_{};
    QLabel* conteggio_ = nullptr;
    QLabel* note_ = nullptr;
    QGroupBox* frameDati_ = nullptr;
    QGroupBox* frameFreddo_ = nullptr;
};
