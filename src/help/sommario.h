#pragma once
// The contents of the guide: one row per topic, a "--->" button and a title
// that highlights under the mouse and opens its window when pressed.

#include "scaling/clsresize.h"
#include "shell/finestre.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

class sommario : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRighe = 12;
    // The window opened by a row (1..12).
    static IdFinestra finestraRiga(int riga);

    explicit sommario(QWidget* parent = nullptr);

    void puls_Click(int riga);
    void lbl_MouseMove(int riga);
    void lbl_MouseDown(int riga);
    void lbl_MouseUp(int riga);
    void Form_MouseMove();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void esco_Click();

    QPushButton* puls(int riga) const { return puls_[std::size_t(riga - 1)]; }
    QLabel* lbl(int riga) const { return lbl_[std::size_t(riga - 1)]; }
    QLabel* intestazione() const { return intestazione_; }
    QPushButton* cmdStampa() const { return cmdStampa_; }
    QPushButton* cmdChiudi() const { return cmdChiudi_; }
    QPushButton* esco() const { return esco_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;   // Escape: Chiudi
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int rigaDi(QObject* o) const;

    std::array<QPushButton*, kRighe> puls_{};
    std::array<QLabel*, kRighe> lbl_{};
    QLabel* intestazione_;
    QPushButton* cmdStampa_;
    QPushButton* cmdChiudi_;
    QPushButton* esco_;
    clsResize scala_;
};
