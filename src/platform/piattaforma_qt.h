#pragma once
// Qt implementations of the platform services (serviziQt() is declared in
// piattaforma.h). The helpers that prepare the dialogs are public so that
// tests can check them without showing a dialog.

#include "platform/piattaforma.h"

#include <QStringList>

#include <memory>

class QFileDialog;
class QMessageBox;

namespace platform {

// "desc | pat|desc | pat" as Qt name filters, "File X (X*)". "*.*" also
// matches names without an extension, so it becomes "*"; several patterns
// separated by ";" are kept, separated by blanks.
QStringList filtriQt(const QString& filtro);

// Lines of a message are separated by carriage returns.
QString testoMessaggio(const QString& testo);

// A message box ready to exec(), with Italian buttons, the default button
// and Esc bound to "No" (or "OK").
std::unique_ptr<QMessageBox> creaMessaggio(const QString& testo, const QString& titolo,
                                           Icona icona, Pulsanti pulsanti, Risposta predefinito);
// Which answer the button the user pressed stands for (nullptr: Esc/close).
Risposta rispostaDi(const QMessageBox& box, Pulsanti pulsanti);

// Prepares an open or save dialog: title, start folder, filters, selected
// filter and initial file name.
void preparaDialogoFile(QFileDialog& dialogo, const RichiestaFile& richiesta);

// Before the QApplication of the window program: what Qt takes from the
// session's locale rather than from its translations (the file dialog's
// dates and sizes) comes out Italian in a session of any language. Windows
// keeps the user's own settings.
void parlaItaliano();
// Loads Qt's own Italian texts (file, print and colour dialogs, standard
// buttons) before the first window, makes Italian the default locale and
// keeps the C library's numbers with a decimal point; a missing translation
// is no reason to stop, so this only says whether it was found.
bool caricaTraduzioni();
// Before the QApplication of a program without windows (the batch printer):
// the offscreen platform unless another is asked for, a private runtime
// folder where the system wants one, standard output and error passed on byte for byte.
void preparaSenzaFinestre();
// A window program on Windows has no terminal of its own: its answers to
// --help and --version go to the terminal that started it, if any.
void usaTerminaleDelPadre();

// The Qt message box service alone.
std::unique_ptr<Messaggi> messaggiQt();
// The Qt print preview alone (platform/anteprima_qt.cpp).
std::unique_ptr<AnteprimaStampa> anteprimaQt();

// Ends what a mouse press still holds (a scroll bar's auto-repeat, a mouse
// grab) before a modal window takes the input away from it.
void rilasciaInput();

// QSettings keys of the office name and address.
inline constexpr const char* kChiaveNomeStudio = "Studio/Nome";
inline constexpr const char* kChiaveIndirizzoStudio = "Studio/Indirizzo";
// The recent files of a window: "FileRecenti/<window>", a list of paths.
inline constexpr const char* kGruppoFileRecenti = "FileRecenti/";

class ImpostazioniQt : public Impostazioni {
public:
    QString nomeStudio() const override;
    QString indirizzoStudio() const override;
    void salvaStudio(const QString& nome, const QString& indirizzo) override;
    QStringList fileRecenti(const QString& finestra) const override;
    void salvaFileRecenti(const QString& finestra, const QStringList& file) override;
};

} // namespace platform
