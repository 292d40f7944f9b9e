#include "platform/anteprima_qt.h"

#include "platform/piattaforma_qt.h"
#include "platform/stampante_qt.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
const QString kTitolo = QStringLiteral("Anteprima di stampa - %1");
const QString kIndicatore = QStringLiteral("Pagina %1 di %2 - %3%");

struct Comando {
    const char* nome;
    const char* testo;
    const char* suggerimento;
};
const Comando kComandi[] = {
    {"precedente", "< &Precedente", "pagina precedente"},
    {"successiva", "Succe&ssiva >", "pagina successiva"},
    {"riduci", "&Riduci", "riduci la pagina"},
    {"ingrandisci", "&Ingrandisci", "ingrandisci la pagina"},
    {"pagina", "Pagina &intera", "la pagina intera nella finestra"},
    {"larghezza", "&Larghezza", "la pagina larga quanto la finestra"},
    {"una", "&Una pagina", "una pagina alla volta"},
    {"due", "&Due pagine", "due pagine affiancate"},
    {"stampa", "S&tampa...", "stampa le pagine mostrate"},
    {"chiudi", "&Chiudi", "chiudi l'anteprima"},
};
} // namespace

DialogoAnteprima::DialogoAnteprima(const QString& titolo, std::function<void(Stampante&)> stampa, QWidget* parent)
    : QDialog(parent)
    , stampa_(std::move(stampa))
{
    setWindowTitle(kTitolo.arg(titolo));
    // The page the print dialog offers first, as for a printout sent at once.
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setDocName(QStringLiteral("Rinsal"));

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(4, 4, 4, 4);
    auto* barra = new QHBoxLayout;
    barra->setSpacing(2);
    colonna->addLayout(barra);
    for (const Comando& c : kComandi) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(c.nome));
        b->setText(QString::fromUtf8(c.testo));
        b->setToolTip(QString::fromUtf8(c.suggerimento));
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        barra->addWidget(b);
        if (QLatin1String(c.nome) == QLatin1String("successiva")) {
            indicatore_ = new QLabel(this);
            indicatore_->setObjectName(QStringLiteral("indicatore"));
            indicatore_->setMinimumWidth(indicatore_->fontMetrics().horizontalAdvance(
                kIndicatore.arg(999).arg(999).arg(999)));
            barra->addWidget(indicatore_);
            barra->addSpacing(8);
        } else if (QLatin1String(c.nome) == QLatin1String("due")) {
            barra->addStretch(1);
        }
    }
    vista_ = new QPrintPreviewWidget(&printer_, this);
    colonna->addWidget(vista_, 1);
    vista_->setViewMode(QPrintPreviewWidget::SinglePageView);
    vista_->setZoomMode(QPrintPreviewWidget::FitInView);

    connect(vista_, &QPrintPreviewWidget::paintRequested, this, &DialogoAnteprima::disegna);
    connect(vista_, &QPrintPreviewWidget::previewChanged, this, &DialogoAnteprima::aggiornaIndicatore);
    connect(pulsante(QStringLiteral("precedente")), &QToolButton::clicked, this, [this] { vaiAPagina(-1); });
    connect(pulsante(QStringLiteral("successiva")), &QToolButton::clicked, this, [this] { vaiAPagina(1); });
    connect(pulsante(QStringLiteral("riduci")), &QToolButton::clicked, this, [this] { vista_->zoomOut(); });
    connect(pulsante(QStringLiteral("ingrandisci")), &QToolButton::clicked, this, [this] { vista_->zoomIn(); });
    connect(pulsante(QStringLiteral("pagina")), &QToolButton::clicked, this, [this] { vista_->fitInView(); });
    connect(pulsante(QStringLiteral("larghezza")), &QToolButton::clicked, this, [this] { vista_->fitToWidth(); });
    connect(pulsante(QStringLiteral("una")), &QToolButton::clicked, this, [this] { vista_->setSinglePageViewMode(); });
    connect(pulsante(QStringLiteral("due")), &QToolButton::clicked, this, [this] { vista_->setFacingPagesViewMode(); });
    connect(pulsante(QStringLiteral("stampa")), &QToolButton::clicked, this, &DialogoAnteprima::stampa);
    connect(pulsante(QStringLiteral("chiudi")), &QToolButton::clicked, this, &QDialog::reject);
    for (const char* nome : {"pagina", "larghezza", "una", "due"}) {
        pulsante(QLatin1String(nome))->setCheckable(true);
    }
    // The zoom and view commands do not report through previewChanged.
    for (const char* nome : {"riduci", "ingrandisci", "pagina", "larghezza", "una", "due"}) {
        connect(pulsante(QLatin1String(nome)), &QToolButton::clicked, this, &DialogoAnteprima::aggiornaIndicatore);
    }
    pulsante(QStringLiteral("chiudi"))->setFocus();

    // An A4 page whole on the screen, upright.
    const QRect schermo = parent ? parent->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const int altezza = std::min(900, schermo.height() * 9 / 10);
    resize(std::max(sizeHint().width(), altezza * 3 / 4), altezza);
    aggiornaIndicatore();
}

QToolButton* DialogoAnteprima::pulsante(const QString& nome) const
{
    return findChild<QToolButton*>(nome, Qt::FindDirectChildrenOnly);
}

void DialogoAnteprima::disegna(QPrinter* stampante)
{
    // Each run a new job on the same printer: the preview's pages, then the
    // paper's.
    StampanteQt p(stampante);
    stampa_(p);
    p.fineDocumento();
}

void DialogoAnteprima::stampa()
{
    QPrintDialog dialogo(&printer_, this);
    rilasciaInput();
    if (dialogo.exec() != QDialog::Accepted) {
        return;
    }
    vista_->print();
    accept();
}

void DialogoAnteprima::vaiAPagina(int delta)
{
    const int pagina = std::clamp(vista_->currentPage() + delta, 1, std::max(1, vista_->pageCount()));
    vista_->setCurrentPage(pagina);
    aggiornaIndicatore();
}

void DialogoAnteprima::aggiornaIndicatore()
{
    const int pagine = vista_->pageCount();
    const int corrente = std::max(1, vista_->currentPage());
    indicatore_->setText(kIndicatore.arg(std::min(corrente, std::max(pagine, 1)))
                             .arg(pagine)
                             .arg(int(std::lround(vista_->zoomFactor() * 100))));
    pulsante(QStringLiteral("precedente"))->setEnabled(corrente > 1);
    pulsante(QStringLiteral("successiva"))->setEnabled(corrente < pagine);
    pulsante(QStringLiteral("pagina"))->setChecked(vista_->zoomMode() == QPrintPreviewWidget::FitInView);
    pulsante(QStringLiteral("larghezza"))->setChecked(vista_->zoomMode() == QPrintPreviewWidget::FitToWidth);
    pulsante(QStringLiteral("una"))->setChecked(vista_->viewMode() == QPrintPreviewWidget::SinglePageView);
    pulsante(QStringLiteral("due"))->setChecked(vista_->viewMode() == QPrintPreviewWidget::FacingPagesView);
}

namespace {
class AnteprimaQt : public AnteprimaStampa {
public:
    void mostra(const QString& titolo, const std::function<void(Stampante&)>& stampa) override
    {
        DialogoAnteprima dialogo(titolo, stampa, QApplication::activeWindow());
        rilasciaInput();
        dialogo.exec();
    }
};
} // namespace

std::unique_ptr<AnteprimaStampa> anteprimaQt() { return std::make_unique<AnteprimaQt>(); }

} // namespace platform
