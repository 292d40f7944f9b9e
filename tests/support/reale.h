#pragma once
// Real input for the window tests: the Qt message box with its own modal
// loop, a watcher that answers each box as a user would, and presses on the
// arrows and trough of a scroll bar.

#include "platform/piattaforma_scritta.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <deque>
#include <vector>

namespace reale {

// The scripted services, but real QMessageBox::exec() for messages.
platform::Scena prepara();

struct Box {
    QString titolo;
    QString testo;
    QMessageBox::Icon icona;
    int larghezza;    // of the box when it was answered
    int aperti;       // boxes open at once when it appeared
};

// Answers every modal message box with its default button, as a user does,
// but only after `attesaMs`: longer than a scroll bar's auto-repeat delay, so
// a repeat that would raise the box again gets its chance, as on a desktop.
class Sorvegliante : public QObject {
public:
    explicit Sorvegliante(int attesaMs = 700);
    std::vector<Box> visti;
    // Where the test's mouse button is down: after `limite` boxes a runaway
    // repeat is released there, so that a failing test still ends.
    QPointer<QWidget> premuto;
    int limite = 5;
    // Buttons to press instead of the default one, by object name ("si",
    // "no", "annulla"), one per box.
    std::deque<QString> pulsanti;
    void azzera() { visti.clear(); }
    int apertiAlMassimo() const;

private:
    void controlla();
    QTimer timer_;
    int attesaMs_;
    QPointer<QMessageBox> corrente_;
    QElapsedTimer daQuando_;
};

enum class Punto { FrecciaMeno, FrecciaPiu, SolcoMeno, SolcoPiu, Cursore };
// Where a user presses on the bar (widget coordinates).
QPoint punto(QScrollBar* b, Punto p);

// Presses the left button there, holds it for `tenutaMs` and releases it.
void premi(Sorvegliante& s, QScrollBar* b, Punto p, int tenutaMs = 0);

// The visible scroll bars of a window.
std::vector<QScrollBar*> barre(QWidget* finestra);

} // namespace reale
