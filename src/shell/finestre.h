#pragma once
// Every window of the program exists at most once: it is created the first
// time it is asked for and lives until it is closed. Windows are listed in
// the order the exit sequence closes them.

#include <QStringList>
#include <QWidget>
#include <functional>

enum class IdFinestra {
    Splash,
    Scelta,
    Puntelli,
    Risultati,
    Tiranti,
    Cercol,
    Cerpil,
    Cuciture,
    Frontespizio,
    Sommario,
    Manuale,
    GuidaPuntelli,
    GuidaRisultatiPuntelli,
    GuidaTiranti,
    GuidaCercol,
    GuidaCerpil,
    GuidaCuciture,
    GuidaFrontespizio,
    GuidaStampa,
    GuidaArchivio,
    GuidaFunzionamento,
    Tip,
    Supporto,
    Informa,
    Conteggio
};

// A window that holds the user's work: it knows whether that work differs
// from what was last opened or saved.
class LavoroAperto {
public:
    virtual ~LavoroAperto() = default;
    // The window as it was just made is the saved state.
    virtual void inizioLavoro() = 0;
    virtual bool nonSalvato() = 0;
    // The window's name in questions ("Tiranti", "Frontespizio").
    virtual QString nomeLavoro() const = 0;
};

namespace finestre {

using Fabbrica = std::function<QWidget*()>;

// Later modules register how their window is made.
void registra(IdFinestra id, Fabbrica fabbrica);

// The window if it exists, else nullptr.
QWidget* esistente(IdFinestra id);
// The window, created (hidden) if needed; nullptr when no module makes it.
QWidget* ottieni(IdFinestra id);
template <typename T>
T* ottieni(IdFinestra id) { return static_cast<T*>(ottieni(id)); }
template <typename T>
T* esistente(IdFinestra id) { return static_cast<T*>(esistente(id)); }

// Creates if needed, shows non-modally and brings to the front; false when
// no module makes that window yet.
bool mostra(IdFinestra id);
// Closes and destroys the window with its data, without asking.
void chiudi(IdFinestra id);
// True while chiudi() closes a window: its close asks nothing.
bool chiusuraDecisa();
// The names of the windows holding unsaved work, in closing order.
QStringList nonSalvate();

// Registers the windows of every module (composed beside main(), which knows
// them all).
void registraTutte();

} // namespace finestre

// The message for a window this version does not have; the help contents
// (or a message while help pages are missing); the program information.
void avvisaFinestraNonPronta();
void mostraSommario();
void mostraInforma();
