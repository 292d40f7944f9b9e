#pragma once
// Tip of the day: the tips file is read once, on load; Successivo wraps
// round, Precedente stops at the first tip.

#include "scaling/clsresize.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

class frmTip : public QWidget {
    Q_OBJECT
public:
    // The tips file of the program's folder.
    explicit frmTip(QWidget* parent = nullptr);
    // A given tips file.
    explicit frmTip(const QString& file, QWidget* parent = nullptr);

    void cmdSuccessivo_Click();
    void cmdPrecedente_Click();
    void cmdChiudi_Click();

    int CorrenteTip() const { return corrente_; }
    const QStringList& suggerimenti() const { return suggerimenti_; }
    QLabel* lblTipText() const { return lblTipText_; }
    QPushButton* cmdPrecedente() const { return cmdPrecedente_; }
    QPushButton* cmdSuccessivo() const { return cmdSuccessivo_; }
    QPushButton* cmdChiudi() const { return cmdChiudi_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;   // Escape: Chiudi

private:
    void Form_Load(const QString& file);
    void MostraTip();

    QStringList suggerimenti_;
    int corrente_ = 0;
    QLabel* lblTipText_;
    QPushButton* cmdPrecedente_;
    QPushButton* cmdSuccessivo_;
    QPushButton* cmdChiudi_;
    clsResize scala_;
};

// The tips of a file's bytes (Windows-1252): one per line, blank lines left
// out.
QStringList leggiSuggerimenti(const QByteArray& dati);
