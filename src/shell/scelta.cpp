#include "shell/scelta.h"

#include "platform/piattaforma.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/splash.h"
#include "shell/testi.h"

#include <QEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QFrame>
#include <QVBoxLayout>

namespace {
const IdFinestra kFinestreOpzioni[5] = {IdFinestra::Puntelli, IdFinestra::Tiranti, IdFinestra::Cercol,
                                        IdFinestra::Cerpil, IdFinestra::Cuciture};
} // namespace

scelta::scelta(QWidget* parent)
    : QMainWindow(parent)
{
    ModRinsal::ImpostaCostanti();
    setWindowTitle(testi::kSceltaCaption);
    auto* centro = new QWidget(this);
    centro->setMouseTracking(true);
    centro->installEventFilter(this);
    setCentralWidget(centro);
    statusBar()->setSizeGripEnabled(true);
    QFont fs = statusBar()->font();
    fs.setPointSize(8);
    statusBar()->setFont(fs);

    auto* titolo = new QLabel(testi::kSceltaTipo, centro);
    titolo->setGeometry(twips(360, 240, 2600, 300));
    QFont ft = titolo->font();
    ft.setBold(true);
    titolo->setFont(ft);
    auto* effettua = new QLabel(testi::kSceltaEffettua, centro);
    effettua->setGeometry(twips(3120, 240, 5800, 300));
    effettua->setFont(ft);

    auto* riquadro = new QFrame(centro);
    riquadro->setFrameShape(QFrame::StyledPanel);
    riquadro->setGeometry(twips(240, 600, 9000, 3900));
    riquadro->setMouseTracking(true);
    riquadro->installEventFilter(this);
    for (int i = 0; i < 5; ++i) {
        auto* o = new QRadioButton(testi::kSceltaOpzioni[i], riquadro);
        o->setGeometry(twips(120, 180 + i * 720, 2700, 420));
        o->setMouseTracking(true);
        o->installEventFilter(this);
        connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i + 1); });
        Option1_[std::size_t(i)] = o;
        auto* d = new QLabel(testi::kSceltaDescrizioni[i], riquadro);
        d->setGeometry(twips(2880, 120 + i * 720, 6000, 560));
        d->setWordWrap(true);
        d->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        d->setMouseTracking(true);
        d->installEventFilter(this);
        descrizioni_[std::size_t(i)] = d;
    }

    auto* clicca = new QLabel(testi::kSceltaClicca, centro);
    clicca->setGeometry(twips(360, 4620, 5000, 300));
    clicca->setStyleSheet(QStringLiteral("color: #00007f;"));

    aiuto_ = new QPushButton(testi::kAiutoCaption, centro);
    aiuto_->setToolTip(testi::kSceltaAiutoTooltip);
    aiuto_->setGeometry(twips(360, 5160, 2000, 420));
    connect(aiuto_, &QPushButton::clicked, this, &scelta::aiuto_Click);
    guida_ = new QPushButton(testi::kGuidaCaption, centro);
    guida_->setToolTip(testi::kGuidaTooltip);
    guida_->setGeometry(twips(3720, 5160, 2000, 420));
    connect(guida_, &QPushButton::clicked, this, &scelta::guida_Click);
    cmdesci_ = new QPushButton(testi::kEsciCaption, centro);
    cmdesci_->setToolTip(testi::kEsciTooltip);
    cmdesci_->setGeometry(twips(7080, 5160, 2000, 420));
    connect(cmdesci_, &QPushButton::clicked, this, &scelta::cmdesci_Click);

    // The layout is recorded at the design size.
    resize(tw(9600), tw(6825));
    scala_.setSourceForm(this);
    scala_.SizeFormToScreen(75);
    resize(tw(9600), tw(6825));
    Form_MouseMove();
}

void scelta::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    scala_.ResizeControls();
}

bool scelta::eventFilter(QObject* o, QEvent* e)
{
    // A move over an option that the option does not handle also reaches the
    // frame and the window behind it, so the text is chosen by what lies
    // under the pointer, not by which widget reports the move.
    QPointF pos;
    if (e->type() == QEvent::MouseMove) {
        pos = static_cast<QMouseEvent*>(e)->position();
    } else if (e->type() == QEvent::Enter) {
        pos = static_cast<QEnterEvent*>(e)->position();
    } else {
        return QMainWindow::eventFilter(o, e);
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (w == nullptr || (w != centralWidget() && !centralWidget()->isAncestorOf(w))) {
        return QMainWindow::eventFilter(o, e);
    }
    const QPoint p = w->mapTo(centralWidget(), pos.toPoint());
    const int i = opzioneIn(centralWidget()->childAt(p));
    if (i > 0) {
        Option1_MouseMove(i);
    } else {
        Form_MouseMove();
    }
    return QMainWindow::eventFilter(o, e);
}

int scelta::opzioneIn(const QWidget* w) const
{
    for (; w != nullptr && w != centralWidget(); w = w->parentWidget()) {
        for (int i = 0; i < 5; ++i) {
            if (w == Option1_[std::size_t(i)] || w == descrizioni_[std::size_t(i)]) {
                return i + 1;
            }
        }
    }
    return 0;
}

void scelta::Option1_Click(int indice)
{
    if (indice < 1 || indice > 5) {
        indice = 1;
    }
    if (indice == 4) {
        platform::messaggi().mostra(testi::kCollaudoPilastri, ModRinsal::TitoloControllo,
                                    platform::Icona::Informazione, platform::Pulsanti::Ok, platform::Risposta::Ok);
        return;
    }
    if (!finestre::mostra(kFinestreOpzioni[indice - 1])) {
        avvisaFinestraNonPronta();
    }
    // Cleared so the same option can be clicked again later.
    QRadioButton* o = Option1_[std::size_t(indice - 1)];
    o->setAutoExclusive(false);
    o->setChecked(false);
    o->setAutoExclusive(true);
}

void scelta::Option1_MouseMove(int indice)
{
    statusBar()->showMessage(testi::kSceltaStato[indice - 1]);
}

void scelta::Form_MouseMove()
{
    statusBar()->showMessage(testi::kSceltaStatoSfondo);
}

void scelta::cmdesci_Click() { ModRinsal::UscitaProgramma(); }

void scelta::guida_Click() { mostraSommario(); }

void scelta::aiuto_Click()
{
    platform::messaggi().mostra(testi::kSceltaAiuto, ModRinsal::TitoloAiuto, platform::Icona::Informazione,
                                platform::Pulsanti::Ok, platform::Risposta::Ok);
}

informa::informa(QWidget* parent)
    : QWidget(parent, Qt::Dialog)
{
    ModRinsal::ImpostaCostanti();
    setWindowTitle(testi::kInformaCaption + ModRinsal::NomeProgramma);
    auto* v = new QVBoxLayout(this);
    auto* nome = new QLabel(ModRinsal::NomeProgramma, this);
    QFont f = nome->font();
    f.setPointSize(20);
    f.setBold(true);
    nome->setFont(f);
    v->addWidget(nome);
    v->addWidget(new QLabel(ModRinsal::Sottotitolo, this));
    v->addWidget(new QLabel(testi::kInformaSistemi, this));
    edizione_ = new QLabel(ModRinsal::RigaEdizione(), this);
    v->addWidget(edizione_);
    auto* nota = new QLabel(testi::kInformaNota, this);
    nota->setWordWrap(true);
    v->addWidget(nota);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    v->addWidget(ok_, 0, Qt::AlignRight);
    // OK hides the box; it stays loaded for the next request.
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);
    setFixedWidth(tw(6600));
}
