#include "support/reale.h"

#include "platform/piattaforma_qt.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace reale {

platform::Scena prepara()
{
    auto scena = platform::installaScena();
    platform::sostituisciMessaggi(platform::messaggiQt());
    scena.messaggi = nullptr;   // no longer installed
    ModRinsal::Azzera();
    finestre::registraTutte();
    return scena;
}

Sorvegliante::Sorvegliante(int attesaMs)
    : attesaMs_(attesaMs)
{
    connect(&timer_, &QTimer::timeout, this, &Sorvegliante::controlla);
    timer_.start(20);
}

int Sorvegliante::apertiAlMassimo() const
{
    int m = 0;
    for (const Box& b : visti) m = std::max(m, b.aperti);
    return m;
}

void Sorvegliante::controlla()
{
    auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!m) {
        return;
    }
    if (m != corrente_) {
        corrente_ = m;
        daQuando_.start();
        int aperti = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(w) && w->isVisible()) ++aperti;
        }
        visti.push_back({m->windowTitle(), m->text(), m->icon(), 0, aperti});
        return;
    }
    if (daQuando_.elapsed() < attesaMs_) {
        return;
    }
    if (int(visti.size()) >= limite && premuto) {
        QTest::mouseRelease(premuto, Qt::LeftButton);
    }
    visti.back().larghezza = m->width();
    QAbstractButton* b = m->defaultButton();
    if (!pulsanti.empty()) {
        b = m->findChild<QAbstractButton*>(pulsanti.front());
        pulsanti.pop_front();
    }
    if (!b) b = m->escapeButton();
    corrente_ = nullptr;
    if (b) {
        QTest::mouseClick(b, Qt::LeftButton);
    } else {
        m->reject();
    }
}

QPoint punto(QScrollBar* b, Punto p)
{
    QStyleOptionSlider opt;
    opt.initFrom(b);
    opt.subControls = QStyle::SC_All;
    opt.orientation = b->orientation();
    opt.minimum = b->minimum();
    opt.maximum = b->maximum();
    opt.sliderPosition = b->sliderPosition();
    opt.sliderValue = b->value();
    opt.singleStep = b->singleStep();
    opt.pageStep = b->pageStep();
    opt.upsideDown = b->invertedAppearance();
    if (b->orientation() == Qt::Horizontal) {
        opt.state |= QStyle::State_Horizontal;
    }
    const auto rett = [&](QStyle::SubControl sc) {
        return b->style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, b);
    };
    switch (p) {
    case Punto::Cursore: return rett(QStyle::SC_ScrollBarSlider).center();
    case Punto::FrecciaMeno: return rett(QStyle::SC_ScrollBarSubLine).center();
    case Punto::FrecciaPiu: return rett(QStyle::SC_ScrollBarAddLine).center();
    case Punto::SolcoMeno: {
        const QRect r = rett(QStyle::SC_ScrollBarSubPage);
        return r.isEmpty() ? QPoint(-1, -1) : r.center();
    }
    case Punto::SolcoPiu: {
        const QRect r = rett(QStyle::SC_ScrollBarAddPage);
        return r.isEmpty() ? QPoint(-1, -1) : r.center();
    }
    }
    return {};
}

void premi(Sorvegliante& s, QScrollBar* b, Punto p, int tenutaMs)
{
    const QPoint q = punto(b, p);
    s.premuto = b;
    QTest::mousePress(b, Qt::LeftButton, {}, q);
    if (tenutaMs > 0) {
        QTest::qWait(tenutaMs);
    }
    if (b) {
        QTest::mouseRelease(b, Qt::LeftButton, {}, q);
    }
    QTest::qWait(30);
    s.premuto = nullptr;
}

std::vector<QScrollBar*> barre(QWidget* finestra)
{
    std::vector<QScrollBar*> v;
    for (QScrollBar* b : finestra->findChildren<QScrollBar*>()) {
        if (b->isVisibleTo(finestra) && b->isEnabled()) v.push_back(b);
    }
    return v;
}

} // namespace reale
