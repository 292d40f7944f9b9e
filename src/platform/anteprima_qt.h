#pragma once
// The print preview on Qt: the printout drawn by the Qt printer onto the
// pages of a QPrintPreviewWidget, with page count, zoom, one or two pages
// and a print button that sends what is shown to the printer.

#include "platform/piattaforma.h"

#include <QDialog>
#include <QPrinter>

#include <functional>

class QLabel;
class QPrintPreviewWidget;
class QToolButton;

namespace platform {

class DialogoAnteprima : public QDialog {
    Q_OBJECT
public:
    DialogoAnteprima(const QString& titolo, std::function<void(Stampante&)> stampa, QWidget* parent = nullptr);

    QPrintPreviewWidget* vista() const { return vista_; }
    QPrinter& stampante() { return printer_; }
    // "Pagina 2 di 5 - 80%".
    QLabel* indicatore() const { return indicatore_; }
    // The toolbar's buttons by object name: "precedente", "successiva",
    // "riduci", "ingrandisci", "pagina", "larghezza", "una", "due",
    // "stampa", "chiudi".
    QToolButton* pulsante(const QString& nome) const;
    // Runs the printout once more, from the start, on the preview's printer.
    void disegna(QPrinter* stampante);
    // The print dialog on the preview's printer; on OK the pages go to it
    // and the preview closes.
    void stampa();

private:
    void aggiornaIndicatore();
    void vaiAPagina(int delta);

    std::function<void(Stampante&)> stampa_;
    QPrinter printer_{QPrinter::HighResolution};
    QPrintPreviewWidget* vista_ = nullptr;
    QLabel* indicatore_ = nullptr;
};

} // namespace platform
