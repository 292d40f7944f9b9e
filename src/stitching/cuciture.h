#pragma once
// The stitching window: five lines of twelve data fields over 100 rows, the
// choice between hot anti-burst ties and cold stitches, and the results of
// the chosen type (per pier, side and operating temperature for hot ties;
// five rows at a time for cold stitches).

#include "platform/piattaforma.h"
#include "shell/finestragrafico.h"
#include "shell/finestrarighe.h"
#include "stitching/calcolo.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

class cuciture : public FinestraRighe {
    Q_OBJECT
public:
    explicit cuciture(QWidget* parent = nullptr);

    void Option1_Click(int k);
    void ContaCuciture();
    void GuidaCuciture();
    void CalcolaCuciture();

    // The hot results of the row and temperature the bars pick; the cold
    // results of the five rows from the one its bar picks.
    void mostraCaldo();
    void mostraFreddo();

    // Refreshes, each also the change handler of its bar.
    void VScroll1_Change();
    void VScroll2_Change() { mostraCaldo(); }
    void HScroll1_Change();
    void VScroll3_Change() { mostraFreddo(); }
    void VScroll4_Change(int linea);
    void VScroll9_Change(int lato);

    // The chart of the pier on line 1, or why there is none.
    ContenutoGrafico contenutoGrafico() const;

    void cancella_click() override;
    void acquisizionedati_Click(stampa::Uscita dove = stampa::Uscita::Carta) override;
    void stampaDati(platform::Stampante& p, ModoStampa modo) override;
    std::optional<ChiusuraRelazione> chiusuraRelazione() const override;

    int TipoCucitura = 0;   // 0 until a type is chosen
    int NumeroCuciture = 0;
    int RigaRisultati = 1;
    int IndiceTemperatura = 0;   // 0: not yet set

    const modcuciture::DatiCuciture& dati() const { return dati_; }
    const modcuciture::RisultatiCuciture& risultati() const { return ris_; }

    // Controls, for tests and the batch printer.
    QLabel* etichettaN() const { return conteggio_; }
    QRadioButton* Option1(int k) const { return opzioni_[std::size_t(k)]; }
    QGroupBox* frameDati() const { return frameDati_; }
    QGroupBox* frameCaldo() const { return lati_.frame; }
    QGroupBox* frameFreddo() const { return frameFreddo_; }
    // Caption (0) and unit (1) labels of field c.
    QLabel* didascalia(int c, int riga) const { return riga == 0 ? didascaliaColonna(c) : unitaColonna(c); }
    QScrollBar* barraRiga(int c, int linea) const;
    // Hot result c (CampoCaldo order, then 8 ntir, 9 tottir) of side s.
    QLabel* caldo(int c, int lato) const { return lati_.celle[std::size_t(c)][std::size_t(lato)]; }
    // Cold result line: 0 rum, 1 sigmf, 2 compv, 3 assorb, 4 bar, 5 orizz.
    QLabel* freddo(int c, int linea) const { return freddo_[std::size_t(c)][std::size_t(linea)]; }
    QLabel* numcons() const { return lati_.numcons; }
    QLabel* eserc() const { return lati_.eserc; }
    QScrollBar* VScroll2() const { return lati_.vscroll2; }
    QScrollBar* HScroll1() const { return lati_.hscroll1; }
    QScrollBar* VScroll3() const { return vscroll3_; }
    QScrollBar* VScroll4(int linea) const { return vscroll4_[std::size_t(linea)]; }
    QScrollBar* VScroll9(int lato) const { return lati_.barre[std::size_t(lato)]; }

protected:
    void calcoloRinviato() override;
    ColonnaRighe& valori(int c) override { return dati_.colonna(c); }
    void campo_Change(int c, int linea) override;
    int righeUsate() const override { return NumeroCuciture; }
    void guida() override { GuidaCuciture(); }
    void aggiornaRighe() override { VScroll1_Change(); }
    bool conservaNulli() const override { return true; }
    std::optional<Mancante> primoMancante() const override;
    QString testoNessunDato() const override;
    QString testoMancante(const Mancante& m) const override;
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override;
    void dopoApertura() override;

private:
    void barraRiga_Change(int c, int linea);
    // Greys the fields and bars that type `tipo` does not use (all for 0).
    void abilitaCampi(int tipo);
    // Empties every row's results, which the pass then recomputes in full.
    void svuotaRisultati();
    void costruisciDati();
    void costruisciCaldo();
    void costruisciFreddo();

    modcuciture::DatiCuciture dati_;
    modcuciture::RisultatiCuciture ris_;
    modcuciture::MemoriaCaldo memoria_;   // written results are the pass's alone, or it is forgotten
    int tipoLetto_ = 0;   // type of the file just read, 0 after a failed read

    std::array<std::array<QScrollBar*, 6>, 4> barreRiga_{};   // diam, pas, temp, rond
    std::array<QRadioButton*, 3> opzioni_{};
    CaldoLati lati_;
    std::array<std::array<QLabel*, 6>, 6> freddo_{};
    std::array<QScrollBar*, 6> vscroll4_{};
    QGroupBox* frameDati_ = nullptr;
    QGroupBox* frameFreddo_ = nullptr;
    QLabel* conteggio_ = nullptr;
    QScrollBar* vscroll3_ = nullptr;
};
