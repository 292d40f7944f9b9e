#include "help/sommario.h"

#include "help/paginaguida.h"
#include "help/testi.h"
#include "shell/finestracalcolo.h"
#include "shell/modrinsal.h"
#include "shell/splash.h"
#include "shell/stampa.h"

#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <algorithm>

namespace {
constexpr int kLarghezza = 3975;
constexpr int kAltezza = 6825;
constexpr int kPrimaRiga = 600;
constexpr int kPassoRiga = 420;

const IdFinestra kFinestre[sommario::kRighe] = {
    IdFinestra::Manuale,       IdFinestra::GuidaFunzionamento, IdFinestra::GuidaArchivio,
    IdFinestra::GuidaStampa,   IdFinestra::GuidaPuntelli,      IdFinestra::GuidaRisultatiPuntelli,
    IdFinestra::GuidaTiranti,  IdFinestra::GuidaCercol,        IdFinestra::GuidaCerpil,
    IdFinestra::GuidaCuciture, IdFinestra::GuidaFrontespizio,  IdFinestra::Tip,
};

void grassetto(QLabel* l, bool si)
{
    QFont f = l->font();
    if (f.bold() != si) {
        f.setBold(si);
        l->setFont(f);
    }
}
} // namespace

IdFinestra sommario::finestraRiga(int riga)
{
    if (riga < 1 || riga > kRighe) {
        return IdFinestra::Conteggio;
    }
    return kFinestre[riga - 1];
}

sommario::sommario(QWidget* parent)
    : QWidget(parent)
{
    namespace g = testi::guida;
    ModRinsal::ImpostaCostanti();
    setWindowTitle(g::kSommarioCaption);
    setMouseTracking(true);

    intestazione_ = new QLabel(g::kSommarioIntestazione, this);
    intestazione_->setGeometry(twips(120, 120, kLarghezza - 240, 360));
    intestazione_->setAlignment(Qt::AlignCenter);
    QFont fi = intestazione_->font();
    fi.setBold(true);
    fi.setPointSize(fi.pointSize() + 2);
    intestazione_->setFont(fi);

    for (int r = 1; r <= kRighe; ++r) {
        const int y = kPrimaRiga + (r - 1) * kPassoRiga;
        auto* p = new QPushButton(g::kPuls, this);
        p->setGeometry(twips(45, y, 420, 360));
        connect(p, &QPushButton::clicked, this, [this, r] { puls_Click(r); });
        puls_[std::size_t(r - 1)] = p;
        auto* l = new QLabel(g::kTitoli[r - 1], this);
        l->setGeometry(twips(510, y, kLarghezza - 555, 360));
        l->setFrameStyle(QFrame::Panel | QFrame::Raised);
        // One point smaller, so the longest title still fits in bold.
        QFont fl = l->font();
        fl.setPointSizeF(std::max(8.0, fl.pointSizeF() - 1));
        l->setFont(fl);
        l->setMouseTracking(true);
        l->installEventFilter(this);
        lbl_[std::size_t(r - 1)] = l;
    }

    const int largPuls = 1150;
    const int spazio = (kLarghezza - 3 * largPuls) / 4;
    const int y = kPrimaRiga + kRighe * kPassoRiga + 240;
    cmdStampa_ = new QPushButton(g::kSommarioStampa, this);
    cmdStampa_->setToolTip(g::kSommarioStampaTooltip);
    cmdChiudi_ = new QPushButton(g::kSommarioChiudi, this);
    cmdChiudi_->setToolTip(g::kSommarioChiudiTooltip);
    esco_ = new QPushButton(g::kEsco, this);
    esco_->setToolTip(g::kEscoTooltip);
    QPushButton* pulsanti[3] = {cmdStampa_, cmdChiudi_, esco_};
    for (int i = 0; i < 3; ++i) {
        pulsanti[i]->setGeometry(twips(spazio + i * (largPuls + spazio), y, largPuls, 420));
    }
    connect(cmdStampa_, &QPushButton::clicked, this, &sommario::cmdStampa_Click);
    connect(cmdChiudi_, &QPushButton::clicked, this, &sommario::cmdChiudi_Click);
    connect(esco_, &QPushButton::clicked, this, &sommario::esco_Click);

    resize(tw(kLarghezza), tw(kAltezza));
    applicaScalaIniziale(scala_, this, kLarghezza, kAltezza);
}

void sommario::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    scala_.ResizeControls();
}

void sommario::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    Form_MouseMove();
}

int sommario::rigaDi(QObject* o) const
{
    for (int r = 1; r <= kRighe; ++r) {
        if (o == lbl_[std::size_t(r - 1)]) {
            return r;
        }
    }
    return 0;
}

bool sommario::eventFilter(QObject* o, QEvent* e)
{
    const int r = rigaDi(o);
    if (r > 0) {
        switch (e->type()) {
        case QEvent::Enter: lbl_MouseMove(r); break;
        // Kept from the window, whose own move clears the highlight.
        case QEvent::MouseMove: lbl_MouseMove(r); return true;
        case QEvent::MouseButtonPress: lbl_MouseDown(r); return true;
        case QEvent::MouseButtonRelease: lbl_MouseUp(r); return true;
        default: break;
        }
    }
    return QWidget::eventFilter(o, e);
}

void sommario::puls_Click(int riga)
{
    const IdFinestra id = finestraRiga(riga);
    if (id != IdFinestra::Conteggio) {
        mostraGuida(id);
    }
}

void sommario::lbl_MouseMove(int riga)
{
    for (int r = 1; r <= kRighe; ++r) {
        grassetto(lbl(r), r == riga);
    }
}

void sommario::Form_MouseMove()
{
    for (QLabel* l : lbl_) {
        grassetto(l, false);
    }
}

void sommario::lbl_MouseDown(int riga)
{
    lbl(riga)->setFrameStyle(QFrame::NoFrame);
    lbl_MouseMove(riga);
    puls_Click(riga);
}

void sommario::lbl_MouseUp(int riga)
{
    lbl(riga)->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void sommario::cmdStampa_Click()
{
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaTitoloGuida(*p, ModRinsal::NomeProgramma.toUpper() + QStringLiteral(" - ") + ModRinsal::Sottotitolo);
    p->stampaRiga({stampa::a(10, testi::guida::kSommarioIntestazione)});
    p->rigaVuota();
    for (const QString& titolo : testi::guida::kTitoli) {
        p->rigaVuota();
        p->stampaRiga({stampa::a(10, titolo)});
    }
    stampa::chiudiLavoro(*p);
}

void sommario::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdChiudi_Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void sommario::cmdChiudi_Click() { hide(); }

void sommario::esco_Click() { ModRinsal::UscitaProgramma(); }
