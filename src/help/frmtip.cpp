#include "help/frmtip.h"

#include "help/testi.h"
#include "platform/lettura.h"
#include "shell/archivio.h"
#include "shell/datiprogramma.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace {
constexpr int kLarghezza = 6600;
constexpr int kAltezza = 4320;
// Far more than any list of tips; past it the file is not one.
constexpr qint64 kMassimoSuggerimenti = 4 * 1024 * 1024;
} // namespace

QStringList leggiSuggerimenti(const QByteArray& dati)
{
    QStringList suggerimenti;
    const QString testo = archivio::decodificaCp1252(dati);
    for (QString riga : testo.split(QLatin1Char('\n'))) {
        if (riga.endsWith(QLatin1Char('\r'))) {
            riga.chop(1);
        }
        // A blank line (also the one after the last line end) is no tip.
        if (!riga.trimmed().isEmpty()) {
            suggerimenti << riga;
        }
    }
    return suggerimenti;
}

frmTip::frmTip(QWidget* parent)
    : frmTip(percorsoDati(testi::guida::kFileSuggerimenti), parent)
{
}

frmTip::frmTip(const QString& file, QWidget* parent)
    : QWidget(parent)
{
    namespace g = testi::guida;
    setWindowTitle(g::kTipCaption);

    auto* immagine = new QLabel(this);
    immagine->setGeometry(twips(240, 240, 600, 600));
    immagine->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(tw(480), tw(480)));
    immagine->setAlignment(Qt::AlignCenter);

    auto* nonTutti = new QLabel(g::kNonTutti, this);
    nonTutti->setGeometry(twips(1080, 240, kLarghezza - 1320, 420));
    QFont f = nonTutti->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    nonTutti->setFont(f);

    lblTipText_ = new QLabel(this);
    lblTipText_->setGeometry(twips(1080, 780, kLarghezza - 1320, 2640));
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText_->setTextFormat(Qt::PlainText);
    lblTipText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblTipText_->setMargin(tw(90));
    lblTipText_->setAutoFillBackground(true);
    QPalette pal = lblTipText_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    lblTipText_->setPalette(pal);

    cmdPrecedente_ = new QPushButton(g::kPrecedente, this);
    cmdSuccessivo_ = new QPushButton(g::kSuccessivo, this);
    cmdChiudi_ = new QPushButton(g::kTipChiudi, this);
    const int largPuls = 1500;
    const int spazio = (kLarghezza - 3 * largPuls) / 4;
    QPushButton* pulsanti[3] = {cmdPrecedente_, cmdSuccessivo_, cmdChiudi_};
    for (int i = 0; i < 3; ++i) {
        pulsanti[i]->setGeometry(twips(spazio + i * (largPuls + spazio), 3660, largPuls, 420));
    }
    cmdSuccessivo_->setDefault(true);
    connect(cmdPrecedente_, &QPushButton::clicked, this, &frmTip::cmdPrecedente_Click);
    connect(cmdSuccessivo_, &QPushButton::clicked, this, &frmTip::cmdSuccessivo_Click);
    connect(cmdChiudi_, &QPushButton::clicked, this, &frmTip::cmdChiudi_Click);

    resize(tw(kLarghezza), tw(kAltezza));
    applicaScalaIniziale(scala_, this, kLarghezza, kAltezza);
    Form_Load(file);
}

void frmTip::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    scala_.ResizeControls();
}

void frmTip::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdChiudi_Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void frmTip::Form_Load(const QString& file)
{
    namespace g = testi::guida;
    // An unreadable file counts as a missing one (so does anything that is
    // not a plain file, or one far larger than any tips file): the user is
    // told how to make it rather than left with an empty window.
    const platform::FileLetto letto = platform::leggiFileRegolare(file, kMassimoSuggerimenti);
    if (letto.esito != platform::EsitoLettura::Letto) {
        const QString nome = QDir::toNativeSeparators(file);
        lblTipText_->setText(g::kImpossibile + nome + QStringLiteral("\n\n") + g::kCreare + nome + g::kBloccoNote +
                             g::kStessaDirectory);
        return;
    }
    suggerimenti_ = leggiSuggerimenti(letto.dati);
    cmdSuccessivo_Click();
}

void frmTip::MostraTip()
{
    if (corrente_ >= 1 && corrente_ <= suggerimenti_.size()) {
        lblTipText_->setText(suggerimenti_[corrente_ - 1]);
    }
}

void frmTip::cmdSuccessivo_Click()
{
    // With no tips the number stays at 0: there is nothing to show.
    if (suggerimenti_.isEmpty()) {
        return;
    }
    corrente_ = corrente_ >= suggerimenti_.size() ? 1 : corrente_ + 1;
    MostraTip();
}

void frmTip::cmdPrecedente_Click()
{
    if (corrente_ <= 1) {
        return;
    }
    --corrente_;
    MostraTip();
}

void frmTip::cmdChiudi_Click() { hide(); }
