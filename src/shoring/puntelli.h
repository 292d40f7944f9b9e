#pragma once
// The shoring data window: one consolidation at a time out of 100, the wall
// choices of the two zones, the calculation type, its fields and the series
// of props. The job itself is program-wide (modpuntelli::lavoro()).

#include "shell/finestracalcolo.h"
#include "shoring/calcolo.h"
#include "shoring/collegamento.h"
#include "shoring/dati.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <vector>

class puntelli : public FinestraCalcolo, public CalcoloPuntelli {
    Q_OBJECT
public:
    explicit puntelli(QWidget* parent = nullptr);

    enum Campo { carpu, ang, altpu, altar, spessfr, spessnor, sigm, frec, altdef, rag, carsem, carpil, NumeroCampi };

    // Controls, for the results window and the tests.
    QLineEdit* campo(Campo c) const { return campi_[c]; }
    QLabel* caption(Campo c) const { return captions_[c]; }
    QLabel* unita(Campo c) const { return unita_[c]; }
    QRadioButton* opzione(int gruppo, int indice) const;   // Option1..Option8, 1-based
    QWidget* cornice(int gruppo) const { return cornici_[std::size_t(gruppo)]; }
    QScrollBar* HScroll1() const { return hscroll_; }
    QScrollBar* VScroll1() const { return vscroll_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label6() const { return label6_; }
    QPushButton* cmdavanti() const { return frontes(); }

    int ConsolidamentoCorrente = 0;   // 0 until the window has loaded
    int PuntelloCorrente = 1;
    int MuraturaCorrente = 0;

    bool controlla_click() override;
    void cancella_click() override;
    void acquisizionedati_Click(stampa::Uscita dove = stampa::Uscita::Carta) override;
    void cmdavanti_Click() override;
    // The listing of data and results is the results window's: it shows the
    // consolidation whose figures it prints. "&Risultati" brings it up to date.
    void preparaStampa() override { cmdavanti_Click(); }
    bool stampaPossibile() override;
    void stampaDati(platform::Stampante& p, ModoStampa modo) override;

    // Runs the calculation on the job with what the window shows.
    modpuntelli::EsitoCalcolo CalcolaPuntelli();

protected:
    bool haDatiDaArchiviare() const override;
    EsitoControllo verificaDati() override;
    void scriviDati(archivio::ScrittoreRecord& w) override;
    void leggiDati(archivio::LettoreRecord& r) override;
    void dopoApertura() override;
    void pulsante2_Click() override { cmdavanti_Click(); }
    std::vector<QWidget*> catenaFuoco() const override;

private:
    void costruisci();
    void costruisciOpzioni();   // Option1..Option8 in their frames
    void costruisciCampi();
    // The results window, once "&Risultati" has made it.
    static FinestraCalcolo* finestraRisultati();
    void campo_Change(Campo c);
    void Option_Click(int gruppo, int i);
    void Option1_Click(int i);
    void Option7_Click(int i);
    void HScroll1_Change();
    void mostraConsolidamento(int c);
    void VScroll1_Change();
    void GuidaPuntelli();
    void DisabilitaCampi();
    void AzzeraOpzioni();
    void AbilitaTipo(int tipo);
    void abilitaCampo(Campo c, bool si);
    // Selects a button as a click on it would, handler included.
    void seleziona(int gruppo, int i);
    void deseleziona(int gruppo);
    // Shows a stored text in a field, its change handling included.
    void carica(Campo c, const QString& testo);
    void impostaScorrimento(QScrollBar* s, int valore, void (puntelli::*gestore)());
    QString* valore(Campo c);

    std::array<QLineEdit*, NumeroCampi> campi_{};
    std::array<QLabel*, NumeroCampi> captions_{};
    std::array<QLabel*, NumeroCampi> unita_{};
    std::array<std::vector<QRadioButton*>, 9> opzioni_{};
    std::array<QButtonGroup*, 9> gruppi_{};
    std::array<QWidget*, 9> cornici_{};
    QScrollBar* hscroll_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* lab8_ = nullptr;
    QLabel* labe8_ = nullptr;
    bool digitando_ = false;          // the change being handled is typing in the focused field
    bool assurdiInSospeso_ = false;   // absurd data met while typing: said when the field is left
    bool attesaRilascio_ = false;     // the field was left by a mouse press: said after the click
    void campoLasciato();
    bool eventFilter(QObject* o, QEvent* e) override;
    void dopoIlClic();
    // Guidance and calculation, once a change is stored.
    void calcoloRinviato() override;
};
