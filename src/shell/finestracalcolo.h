#pragma once
// The frame every calculation window, the shoring results window and the
// title-page window share: menus, a 26-position toolbar, four push buttons,
// the yellow guidance box, window switching, window help, the data-check
// frame, clearing, background colour and the archive commands.
//
// A window derives from FinestraCalcolo, places its controls on
// superficie() in twips (tw()), and fills in the virtual hooks.

#include "scaling/clsresize.h"
#include "shell/archivio.h"
#include "shell/finestre.h"
#include "shell/stampa.h"

#include <QAction>
#include <QColor>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <optional>
#include <vector>

namespace platform {
class Stampante;
}
class FinestraGrafico;
struct ContenutoGrafico;

struct ConfigFinestra {
    int numero = 0;                 // 2..8, the window's number for the user
    QString caption;                // window caption
    QString nomeDomanda;            // name in the current-window question
    int tipoCalcolo = 0;            // TipoCalcolo set by "Finestra Frontespizio"; 0: leave it
    QString prefisso;               // "Tiranti-dati-"; empty: archive passed on
    IdFinestra guida = IdFinestra::Conteggio;   // the window's help page

    enum class Stampa { ModelloEDati, SoloModello, SoloDati, Frontespizio };
    Stampa stampa = Stampa::ModelloEDati;
    bool controlla = false;         // "Controlla &dati immessi" instead of "Controllo ..."
    bool suggerimenti = true;       // the "&Suggerimenti..." entry
    bool esciE = false;             // "&Esci" instead of "Es&ci"
    bool cerchiatura = false;       // "Finestra Cerchiatura ..." spelling
    QString tooltipStampa = QStringLiteral("stampa dati finestra");

    enum class Pulsante2 { Frontespizio, FrontespizioF, Risultati, DatiEFrontespizio, Stampa };
    Pulsante2 pulsante2 = Pulsante2::Frontespizio;
    bool tooltipSommario = false;   // "... il Sommario della guida" / "... gli aiuti in linea"

    QString titoloColore = QStringLiteral("Rinsal: colore di sfondo");
    std::vector<IdFinestra> grigioAnche{IdFinestra::Frontespizio};
    bool soloDialogoColore = false;

    QStringList aiuto;              // lines of the window help
    bool archivioVuotoControllato = false;   // "non esistono dati da archiviare" check
    bool frontespizioNelFile = true;         // the save needs `progetto`
};

// Outcome of a window's data walk, shown by the common data-check frame.
struct EsitoControllo {
    enum class Tipo { NessunDato, Incompleto, Completo };
    Tipo tipo = Tipo::Completo;
    QString messaggio;   // for NessunDato and Incompleto
};

// How a listing of data and results is printed: alone, on a job of its own
// with the program and project headings, or closing the complete report on
// the report's job, already begun, which prints those itself.
enum class ModoStampa { Sola, InRelazione };

// The kind of calculation a window shows, which picks the chapters of the
// complete report that its printout closes.
struct ChiusuraRelazione {
    QString tipoPuntelli;   // the shoring kind, from the results
    int tipoFinestra = 0;   // the column-hooping or stitching type
};

class FinestraCalcolo : public QMainWindow, public LavoroAperto {
    Q_OBJECT
public:
    explicit FinestraCalcolo(ConfigFinestra config, QWidget* parent = nullptr);
    ~FinestraCalcolo() override;

    const ConfigFinestra& config() const { return config_; }
    QWidget* superficie() const { return superficie_; }

    // Archive commands (public: the title page and the results window call them).
    virtual void apri_click();
    // Open without the dialog: the file named on the command line.
    void apriFile(const QString& file);
    virtual void salva_click();
    virtual void salvanome_click();
    virtual void eliminare_click();

    // Data check with the common frame: true when the data are complete.
    // With ControlloArchivio at 1 (a check on behalf of a save) complete
    // data are not announced and the flag goes back to 0. Clearing; colour.
    virtual bool controlla_click();
    virtual void cancella_click() {}
    virtual void colorare_Click();

    // A click on the number of screen line `linea`: the row windows copy
    // the previous row's values into that row.
    virtual void num_Click(int linea) { (void)linea; }

    // Printouts: blank form and data-and-results, to the printer or to the
    // preview, which goes through the same steps.
    virtual void acquisizionedati_Click(stampa::Uscita dove = stampa::Uscita::Carta) { (void)dove; }
    // The print command of the menu and the toolbar: the listing alone.
    virtual void stampa_click(stampa::Uscita dove = stampa::Uscita::Carta) { stampaSola(dove); }
    // The listing of data and results alone: the step that puts the results
    // on screen, the window's refusal when there is nothing to print, else
    // the print dialog (or the preview) and stampaDati() on its job.
    void stampaSola(stampa::Uscita dove = stampa::Uscita::Carta);
    // The window's listing of data and results on a job already open; it
    // ends the job (in the report, the report's job). Nothing by default.
    virtual void stampaDati(platform::Stampante& p, ModoStampa modo) { (void)p, (void)modo; }
    // What a user does to have the results to print on screen, run before a
    // listing or a report is printed on the window's behalf (the shoring
    // data window runs "&Risultati"); the other windows show their results
    // as the data are typed.
    virtual void preparaStampa() {}
    // Before the print dialog of a listing alone: false when there is
    // nothing to print, after the window's own message if it has one.
    virtual bool stampaPossibile() { return true; }
    // What the window shows that has no listing yet, named as a kind of
    // calculation in the plural; empty when its listing covers it.
    virtual QString senzaListato() const { return {}; }
    // For the complete report closed by stampaDati(): the kind shown, or
    // nothing while there is nothing to print.
    virtual std::optional<ChiusuraRelazione> chiusuraRelazione() const { return ChiusuraRelazione{}; }

    void fin_Click(int k);
    void aiuto_Click();
    void guidaFinestra();

    // Opens the chart window, or brings it forward, leaving the keyboard
    // where it is. Nothing in a window that offers no chart.
    void grafico_Click();
    // The chart window (nullptr until first opened) and its toolbar button.
    FinestraGrafico* finestraGrafico() const;
    QToolButton* pulsanteGrafico() const { return pulsanteGrafico_; }

    int ControlloArchivio = 0;   // 1 while a check runs on behalf of a save

    // The files last opened or saved in this window, most recent first (at
    // most kFileRecenti), and opening one of them from the File menu.
    static constexpr int kFileRecenti = 4;
    QStringList fileRecenti() const;
    void apriRecente(const QString& file);

    // The file this window last opened or saved.
    const QString& fileCorrente() const { return fileCorrente_; }
    // Saves that reached the disk so far.
    int salvataggi() const { return salvataggi_; }

    // Unsaved work: the data differ from what was last opened or saved.
    void inizioLavoro() override;
    bool nonSalvato() override;
    QString nomeLavoro() const override { return config_.nomeDomanda; }
    // The name of the window's recovery copy; empty: no work of its own.
    virtual QString nomeRecupero() const { return config_.prefisso; }
    // The window's records as Save writes them.
    QByteArray datiArchivio();
    // Reads a recovery copy back: the data return, still unsaved, with the
    // file they came from (may be empty) as the target of Save. False, with
    // the reason, when the copy cannot be read.
    bool ripristina(const QByteArray& dati, const QString& file, QString& errore);
    // Writes the recovery copy now if the work changed since the last one.
    void scriviRecupero();

    // Controls of the frame, for tests and for the windows' own layout.
    QLabel* passo() const { return passo_; }
    QPushButton* esco() const { return esco_; }
    QPushButton* frontes() const { return frontes_; }     // or cmdavanti
    QPushButton* indietro() const { return indietro_; }   // results window only
    QPushButton* guidainlinea() const { return guidainlinea_; }
    QPushButton* aiuto() const { return aiuto_; }
    QToolButton* pulsanteBarra(int posizione) const;
    // The preview's button, right after the print button; it previews what
    // that one prints. Outside the 26 positions.
    QToolButton* pulsanteAnteprima() const { return anteprima_; }
    QAction* voceMenu(const QString& testo) const;
    QToolButton* voceNumero() const { return voceNumero_; }
    QColor sfondo() const;
    void impostaSfondo(const QColor& c);

    // Design size of a frame window (twips).
    static constexpr int kLarghezza = 9600;
    static constexpr int kAltezza = 6825;

protected:
    // What the unsaved-work check compares: the file's records, the
    // title page's left blank (the title page keeps its own account).
    virtual QByteArray impronta();
    // The data now equal the file just opened or written.
    void segnaSalvato();
    // A value may have changed: the modified mark follows once the event
    // under way has ended, the recovery copy within its interval.
    void segnalaCambio();
    void closeEvent(QCloseEvent* e) override;
    // Unsaved work about to be replaced: asks to save it first, naming it
    // with `seguito` ("... prima di aprire ..."). True: go on.
    bool chiediSeNonSalvato(const QString& seguito);
    // After clearing for an Open: the view back at the first row.
    virtual void tornaAllInizio() {}

    // A button after the toolbar's 26 positions, which keep their numbers.
    QToolButton* aggiungiPulsanteBarra(const QIcon& icona, const QString& suggerimento,
                                       const std::function<void()>& azione);
    // The chart window: "&Grafico" in the "&Visualizza" menu and a button
    // after the toolbar's positions; `fonte` says what it shows.
    void offriGrafico(std::function<ContenutoGrafico()> fonte);
    // Values or the row on line 1 may have changed: an open chart follows.
    void aggiornaGrafico();

    // Hooks of the archive commands.
    virtual bool haDatiDaArchiviare() const { return true; }
    virtual EsitoControllo verificaDati() { return {}; }
    virtual void scriviDati(archivio::ScrittoreRecord&) {}
    virtual void leggiDati(archivio::LettoreRecord&) {}
    // After an Open (also a failed one): refresh and guidance.
    virtual void dopoApertura() {}
    // Reads a file into the cleared window: the reason it failed, or empty;
    // `nota` names the values left out.
    QString leggiFile(const QString& file, QString& nota);
    // The second push button ("F&rontespizio", "&Risultati", "&Stampa").
    virtual void pulsante2_Click();
    virtual void indietro_Click() {}

    // Finishes the load: scaling to the screen, then the design size, then
    // the Tab order of catenaFuoco().
    void completaCaricamento();
    // The fields in the order Tab visits them: by default screen line by
    // screen line, left to right.
    virtual std::vector<QWidget*> catenaFuoco() const;
    void resizeEvent(QResizeEvent* e) override;

    // The title-page record, read and written through the title-page window.
    static void scriviFrontespizio(archivio::ScrittoreRecord& w);
    static void leggiFrontespizio(archivio::LettoreRecord& r);
    static bool progettoVuoto();

    void ArchiviaDati();
    clsResize scala_;

    // While the lines of a row window are refreshed (or a shoring
    // consolidation or prop is shown), every field whose text changes raises
    // its handler; with a RinvioCalcolo alive the handlers
    // store their values and owe the recalculation, which runs once
    // (calcoloRinviato) when the outermost one ends. The values stored are
    // the same, so is the last pass.
    class RinvioCalcolo {
    public:
        explicit RinvioCalcolo(FinestraCalcolo* f);
        ~RinvioCalcolo();
        RinvioCalcolo(const RinvioCalcolo&) = delete;
        RinvioCalcolo& operator=(const RinvioCalcolo&) = delete;

    private:
        FinestraCalcolo* f_;
    };
    // True while a refresh is under way: the caller skips its pass, now owed.
    bool rinviaCalcolo();
    // Whether a refresh is under way, owing nothing.
    bool inRinvio() const { return rinvii_ > 0; }
    // The owed pass: guidance, recalculation and refresh of the results.
    virtual void calcoloRinviato() {}
    // After a value is stored: that pass now, or owed to the end of the
    // refresh under way.
    void ricalcola()
    {
        if (!rinviaCalcolo()) {
            calcoloRinviato();
        }
    }

private:
    void costruisciMenu();
    // The print entries of the File menu and, beside them, the preview's.
    void vociStampa(QMenu* file);
    void costruisciBarra();
    void costruisciPulsanti();
    void azioneBarra(int posizione, stampa::Uscita dove = stampa::Uscita::Carta);
    QString filtroApri() const;
    QString filtroElimina() const;
    QString filtroSalva() const;
    void aggiornaModifica();
    // Puts a file at the head of the recent files, or takes it out.
    void ricordaFile(const QString& file);
    void dimenticaFile(const QString& file);
    QString chiaveRecenti() const;
    void mostraRecenti();
    QMenu* menuFile_ = nullptr;
    QAction* primaDiEsci_ = nullptr;   // the recent files go before it
    std::vector<QAction*> vociRecenti_;
    void aggiornaTitolo();
    void togliRecupero();
    // The window and, when its file carries the title page, the title page.
    std::vector<FinestraCalcolo*> lavoriLegati();

    ConfigFinestra config_;
    QWidget* superficie_ = nullptr;
    QWidget* barra_ = nullptr;
    std::vector<QToolButton*> pulsantiBarra_;
    QToolButton* anteprima_ = nullptr;
    QLabel* passo_ = nullptr;
    QPushButton* esco_ = nullptr;
    QPushButton* frontes_ = nullptr;
    QPushButton* indietro_ = nullptr;
    QPushButton* guidainlinea_ = nullptr;
    QPushButton* aiuto_ = nullptr;
    QToolButton* voceNumero_ = nullptr;
    QString fileCorrente_;
    QString nomeDialogo_;
    QColor ultimoColore_;
    int rinvii_ = 0;
    bool calcoloDovuto_ = false;
    QByteArray salvato_;      // impronta() when last opened or saved
    QByteArray vuoto_;        // impronta() of the window as it was made
    bool controlloDovuto_ = false;
    QTimer* timerRecupero_ = nullptr;
    QByteArray ultimaCopia_;  // what the recovery copy holds
    int salvataggi_ = 0;
    std::function<ContenutoGrafico()> fonteGrafico_;
    QPointer<FinestraGrafico> grafico_;
    QToolButton* pulsanteGrafico_ = nullptr;
};

// At start: offers to reopen the recovery copies a crash left behind.
void offriRecupero();

// The calculation window of a TipoCalcolo code (2 tie rods, 3 column
// hooping, 4 pillar hooping, 5 stitching, anything else shoring), created
// hidden if needed; nullptr when this version has no such window.
FinestraCalcolo* finestraDelCalcolo(int tipoCalcolo);
// The window whose printout closes the complete report of a TipoCalcolo:
// the shoring results, else the calculation window; nullptr when it does not
// exist yet. Only the tie-rod window is created if needed, as its listing
// asks no calculation first.
FinestraCalcolo* finestraChiusura(int tipoCalcolo);

// Help page of a window, or a message while help pages are missing.
void mostraGuida(IdFinestra pagina);
