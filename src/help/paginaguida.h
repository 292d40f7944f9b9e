#pragma once
// One help page: heading, the whole text and Chiudi / Stampa / Sommario.
// The eleven pages differ only in their window, heading and text.

#include "platform/piattaforma.h"
#include "scaling/clsresize.h"
#include "shell/finestre.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

struct ContenutoGuida {
    QString intestazione;
    QString testo;
    bool manuale = false;
};

// The heading and text of a help page; an empty heading for any other window.
ContenutoGuida contenutoGuida(IdFinestra id);

// The text cut every `passo` characters, also inside a word.
QStringList pezziDiTesto(const QString& testo, int passo = 70);

// Title line shared by the help printouts (column 7, 18 points).
void stampaTitoloGuida(platform::Stampante& p, const QString& titolo);

class PaginaGuida : public QWidget {
    Q_OBJECT
public:
    explicit PaginaGuida(IdFinestra id, QWidget* parent = nullptr);

    void cmdchiudi_Click();
    void cmdstampa_Click();
    void cmdsommario_Click();

    IdFinestra finestra() const { return id_; }
    QLabel* Label1() const { return Label1_; }
    QLabel* Label2() const { return Label2_; }
    QPushButton* cmdchiudi() const { return cmdchiudi_; }
    QPushButton* cmdstampa() const { return cmdstampa_; }
    QPushButton* cmdsommario() const { return cmdsommario_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;   // Escape: Chiudi

private:
    IdFinestra id_;
    QLabel* Label1_;
    QLabel* Label2_;
    QPushButton* cmdchiudi_;
    QPushButton* cmdstampa_;
    QPushButton* cmdsommario_;
    clsResize scala_;
};
