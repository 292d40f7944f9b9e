#pragma once
// A small calculation window on the common frame, for the frame's tests:
// one column of five row fields over 100 rows, saved as a count record,
// one record per row and the title-page record.

#include "shell/campi.h"
#include "shell/finestracalcolo.h"

#include <QLineEdit>
#include <array>

class FinestraProva : public FinestraCalcolo {
    Q_OBJECT
public:
    explicit FinestraProva(QWidget* parent = nullptr);

    std::array<QLineEdit*, 5> valore{};
    ColonnaRighe valori;
    int RigaInizio = 1;
    int RigaCorrente = 0;
    int cancellazioni = 0;
    int ricalcoli = 0;

    void cancella_click() override;
    void aggiorna();

protected:
    bool haDatiDaArchiviare() const override;
    EsitoControllo verificaDati() override;
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override;
    void dopoApertura() override { aggiorna(); }
};

ConfigFinestra configProva();
