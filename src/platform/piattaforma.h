#pragma once
// The platform seam: the only door through which windows reach dialogs,
// message boxes, the printer, the MIDI player, the settings and the clock.
// The program installs the Qt implementations; tests install scripted ones.

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The colour dialog is a window service: the layers below the windows
// name QColor without linking Qt Gui.
class QColor;

namespace platform {

// ---- message box ------------------------------------------------------------
enum class Icona { Nessuna, Critica, Esclamativa, Informazione, Domanda };
// SiNoAnnulla: save, discard or stay (unsaved work); Esc and the title-bar
// close answer Annulla.
enum class Pulsanti { Ok, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

class Messaggi {
public:
    virtual ~Messaggi() = default;
    // Modal; returns the button pressed. `predefinito` is the default button.
    virtual Risposta mostra(const QString& testo, const QString& titolo, Icona icona,
                            Pulsanti pulsanti, Risposta predefinito) = 0;
};

// ---- open / save dialogs ----------------------------------------------------
struct RichiestaFile {
    bool salva = false;       // save dialog; otherwise an open dialog
    QString titolo;
    QString nomeFile;         // initial file name
    QString filtro;           // "description | pattern|description | pattern"
    int filtroScelto = 1;     // 1-based index of the selected filter
};

class DialogoFile {
public:
    virtual ~DialogoFile() = default;
    // The chosen path, or nothing on Cancel.
    virtual std::optional<QString> scegli(const RichiestaFile& richiesta) = 0;
};

// Splits "desc | pat|desc | pat" into (description, pattern) pairs, trimmed.
struct VoceFiltro {
    QString descrizione;
    QString schema;
};
std::vector<VoceFiltro> scomponiFiltro(const QString& filtro);

// ---- printer ---------------------------------------------------------------
// One item of a print line: `colonna` is a 1-based character column of the
// current font (0: right after what the line already holds).
struct Voce {
    int colonna = 0;
    QString testo;
};

class Stampante {
public:
    virtual ~Stampante() = default;
    virtual void impostaFont(const QString& nome) = 0;
    virtual void impostaDimensione(double punti) = 0;
    virtual double dimensione() const = 0;
    // Current position in twips from the printable area's top-left corner.
    virtual void impostaX(double twips) = 0;
    virtual void impostaY(double twips) = 0;
    virtual double x() const = 0;
    virtual double y() const = 0;
    // Prints the items at their columns and ends the line. An item whose
    // column lies left of where the line already reaches goes to the next
    // line, at its column.
    virtual void stampaRiga(const std::vector<Voce>& voci) = 0;
    void rigaVuota() { stampaRiga({}); }
    // A straight line between two points in twips, `spessore` in pixels of
    // the drawing width (1 = thinnest).
    virtual void linea(double x1, double y1, double x2, double y2, int spessore) = 0;
    // A label of a drawing: the text in the current font and size with the
    // top-left corner of its first cell at (x, y) twips. It is no print line:
    // the current position stays where it was.
    virtual void scrivi(double x, double y, const QString& testo) = 0;
    // Width in twips of a text in the current font and size, and of the
    // printable area: what a printout needs to keep its lines on the paper.
    virtual double larghezzaTesto(const QString& testo) const = 0;
    virtual double larghezzaPagina() const = 0;
    virtual void nuovaPagina() = 0;
    virtual int pagina() const = 0;
    // Ends the document and sends it; false when the printer reported an error.
    virtual bool fineDocumento() = 0;
    virtual bool inErrore() const = 0;
};

// What every backend keeps alike: the current position and the font size.
class StampanteAPosizione : public Stampante {
public:
    // A size of 0 or less leaves the current one.
    void impostaDimensione(double punti) override
    {
        if (punti > 0) {
            punti_ = punti;
        }
    }
    double dimensione() const override { return punti_; }
    void impostaX(double twips) override { x_ = twips; }
    void impostaY(double twips) override { y_ = twips; }
    double x() const override { return x_; }
    double y() const override { return y_; }

protected:
    double punti_ = 10;
    double x_ = 0;
    double y_ = 0;
};

class DialogoStampa {
public:
    virtual ~DialogoStampa() = default;
    // A printer ready for a new job, or nullptr on Cancel or no printer.
    virtual std::unique_ptr<Stampante> scegli() = 0;
};

// ---- print preview -----------------------------------------------------------
// Shows the pages a printout gives on the printer. The preview may run it
// more than once (each redraw, then its own print button): every run starts
// on a fresh job and writes the whole printout, ending it as on paper.
class AnteprimaStampa {
public:
    virtual ~AnteprimaStampa() = default;
    // Modal; returns when the user closes the preview.
    virtual void mostra(const QString& titolo, const std::function<void(Stampante&)>& stampa) = 0;
};
AnteprimaStampa& anteprimaStampa();
// Replaces the preview alone (a test of real input shows the Qt one).
void sostituisciAnteprima(std::unique_ptr<AnteprimaStampa> anteprima);

// ---- colour dialog -----------------------------------------------------------
class DialogoColore {
public:
    virtual ~DialogoColore() = default;
    virtual std::optional<QColor> scegli(const QColor& iniziale) = 0;
};

// ---- MIDI player -----------------------------------------------------------
class LettoreMidi {
public:
    virtual ~LettoreMidi() = default;
    virtual void impostaFile(const QString& percorso) = 0;
    // "open", "play", "pause", "close"; errors are swallowed.
    virtual void comando(const QString& comando) = 0;
};

// ---- office settings and clock ---------------------------------------------
class Impostazioni {
public:
    virtual ~Impostazioni() = default;
    virtual QString nomeStudio() const = 0;
    virtual QString indirizzoStudio() const = 0;
    virtual void salvaStudio(const QString& nome, const QString& indirizzo) = 0;
    // The files last opened or saved in a window (`finestra` names it), most
    // recent first.
    virtual QStringList fileRecenti(const QString& finestra) const = 0;
    virtual void salvaFileRecenti(const QString& finestra, const QStringList& file) = 0;
};

class Orologio {
public:
    virtual ~Orologio() = default;
    virtual QDate oggi() const = 0;
};

// ---- the installed services ------------------------------------------------
struct Servizi {
    std::unique_ptr<Messaggi> messaggi;
    std::unique_ptr<DialogoFile> dialogoFile;
    std::unique_ptr<DialogoStampa> dialogoStampa;
    std::unique_ptr<DialogoColore> dialogoColore;
    std::unique_ptr<LettoreMidi> midi;
    std::unique_ptr<Impostazioni> impostazioni;
    std::unique_ptr<Orologio> orologio;
    std::unique_ptr<AnteprimaStampa> anteprima;
};

// Replaces the installed services (all of them).
void installa(Servizi servizi);
// Replaces the message box alone (tests of real input keep the rest scripted).
void sostituisciMessaggi(std::unique_ptr<Messaggi> messaggi);
// The Qt implementations, for the program.
Servizi serviziQt();

Messaggi& messaggi();
DialogoFile& dialogoFile();
DialogoStampa& dialogoStampa();
DialogoColore& dialogoColore();
LettoreMidi& midi();
Impostazioni& impostazioni();
Orologio& orologio();

} // namespace platform
