#pragma once
// The tie-rod window: five lines of nine data fields over 100 rows, the
// seven results of each row, the temperature table of the rod on line 1 and
// the table of admissible masonry tensions.

#include "platform/piattaforma.h"
#include "shell/finestragrafico.h"
#include "shell/finestrarighe.h"
#include "tierods/calcolo.h"

#include <QScrollBar>
#include <array>

class tiranti : public FinestraRighe {
    Q_OBJECT
public:
    explicit tiranti(QWidget* parent = nullptr);

    // The tension of table line k into the row being edited.
    void malt_Click(int k);
    void ContaTiranti();
    void GuidaTiranti();
    void CalcolaTiranti();
    void VScroll1_Change();
    // The calculation pass over every row, then the temperature table.
    void aggiornaRisultati();
    void VScroll2_Change() { aggiornaRisultati(); }

    // The chart of the rod on line 1, or why there is none.
    ContenutoGrafico contenutoGrafico() const;

    void cancella_click() override;
    void acquisizionedati_Click(stampa::Uscita dove = stampa::Uscita::Carta) override;
    void stampaDati(platform::Stampante& p, ModoStampa modo) override;

    int NumeroTiranti = 0;

    const modtiranti::DatiTiranti& dati() const { return dati_; }
    const modtiranti::RisultatiTiranti& risultati() const { return ris_; }

    // Controls, for tests and the batch printer.
    QLabel* ris(int linea) const { return ris_lab_[std::size_t(linea)]; }
    QLabel* risultato(int c, int linea) const { return risultati_[std::size_t(c)][std::size_t(linea)]; }
    // Column c = 0..5: tamb, ttir, sigatt, dilat, traen, freq.
    QLabel* temperatura(int c, int linea) const { return temperature_[std::size_t(c)][std::size_t(linea)]; }
    QLabel* tirtem() const { return tirtem_; }
    QLabel* Label1() const { return label1_; }
    QPushButton* malt(int k) const { return malt_[std::size_t(k)]; }
    QLabel* etichettaMalta(int k) const { return etichetteMalta_[std::size_t(k)]; }
    QScrollBar* VScroll2() const { return vscroll2_; }

protected:
    void calcoloRinviato() override;
    bool haDatiDaArchiviare() const override { return NumeroTiranti > 0; }
    ColonnaRighe& valori(int c) override { return dati_.colonna(c); }
    void campo_Change(int c, int linea) override;
    int righeUsate() const override { return NumeroTiranti; }
    // A row is copied only from a row with a pitch.
    bool copiabile(int p) const override { return !dati_.spes[std::size_t(p)].isEmpty(); }
    void aggiornaRighe() override { VScroll1_Change(); }
    std::optional<Mancante> primoMancante() const override;
    QString testoNessunDato() const override;
    QString testoMancante(const Mancante& m) const override;
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override;
    void dopoApertura() override;
    bool clicAltro(QObject* o) override;
    void guida() override { GuidaTiranti(); }

private:
    void costruisciAree();
    void mostraTabella();

    modtiranti::DatiTiranti dati_;
    modtiranti::RisultatiTiranti ris_;

    std::array<QLabel*, 6> ris_lab_{};
    std::array<std::array<QLabel*, 6>, 7> risultati_{};
    std::array<std::array<QLabel*, 6>, 6> temperature_{};
    std::array<QPushButton*, 6> malt_{};
    std::array<QLabel*, 6> etichetteMalta_{};
    QLabel* tirtem_ = nullptr;
    QLabel* label1_ = nullptr;
    QScrollBar* vscroll2_ = nullptr;
};
