#pragma once
// The main menu: the user picks a calculation.

#include "scaling/clsresize.h"

#include <QMainWindow>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <array>

class scelta : public QMainWindow {
    Q_OBJECT
public:
    explicit scelta(QWidget* parent = nullptr);

    void Option1_Click(int indice);
    void Option1_MouseMove(int indice);
    void Form_MouseMove();
    void cmdesci_Click();
    void guida_Click();
    void aiuto_Click();

    QRadioButton* Option1(int indice) const { return Option1_[std::size_t(indice - 1)]; }
    QLabel* descrizione(int indice) const { return descrizioni_[std::size_t(indice - 1)]; }
    QPushButton* cmdesci() const { return cmdesci_; }
    QPushButton* guida() const { return guida_; }
    QPushButton* aiuto() const { return aiuto_; }
    QStatusBar* StatusBar1() const { return statusBar(); }

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // 1..5 when `w` is an option or its description (or inside one), else 0.
    int opzioneIn(const QWidget* w) const;
    std::array<QRadioButton*, 5> Option1_{};
    std::array<QLabel*, 5> descrizioni_{};
    QPushButton* cmdesci_;
    QPushButton* guida_;
    QPushButton* aiuto_;
    clsResize scala_;
};

class informa : public QWidget {
    Q_OBJECT
public:
    explicit informa(QWidget* parent = nullptr);
    QLabel* lblEdizione() const { return edizione_; }
    QPushButton* ok() const { return ok_; }

private:
    QLabel* edizione_;
    QPushButton* ok_;
};
