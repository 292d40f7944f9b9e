#include "shell/splash.h"

#include "platform/piattaforma.h"
#include "scaling/clsresize.h"
#include "shell/datiprogramma.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/testi.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>

namespace {
// A masonry wall with an arch held by a tie rod: drawn, so no picture file
// can go missing.
QPixmap disegnaImmagine(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(0, 0, 0, size.height());
    cielo.setColorAt(0, QColor(170, 200, 230));
    cielo.setColorAt(1, QColor(235, 240, 245));
    p.fillRect(pm.rect(), cielo);
    const int w = size.width();
    const int h = size.height();
    const int base = h - 10;
    const int alto = h / 5;
    // Bricks
    const int bw = w / 12;
    const int bh = h / 14;
    for (int y = alto, r = 0; y < base; y += bh, ++r) {
        for (int x = (r % 2) ? -bw / 2 : 0; x < w; x += bw) {
            p.fillRect(QRect(x + 1, y + 1, bw - 2, bh - 2), QColor(178, 96, 64));
        }
    }
    // Arch opening
    QPainterPath arco;
    const int ax = w / 3;
    const int aw = w / 3;
    const int ay = alto + 3 * bh;
    arco.moveTo(ax, base);
    arco.lineTo(ax, ay + aw / 2);
    arco.arcTo(QRectF(ax, ay, aw, aw), 180, -180);
    arco.lineTo(ax + aw, base);
    arco.closeSubpath();
    p.fillPath(arco, QColor(60, 55, 50));
    p.setPen(QPen(QColor(220, 210, 190), 3));
    p.drawPath(arco);
    // Tie rod with its two anchor plates
    p.setPen(QPen(QColor(40, 40, 40), 4));
    const int yt = ay + aw / 2;
    p.drawLine(w / 10, yt, w - w / 10, yt);
    p.fillRect(QRect(w / 10 - 6, yt - 18, 12, 36), QColor(30, 30, 30));
    p.fillRect(QRect(w - w / 10 - 6, yt - 18, 12, 36), QColor(30, 30, 30));
    // Shoring prop on the left
    p.setPen(QPen(QColor(120, 80, 30), 8));
    p.drawLine(0, base, w / 6, alto + bh);
    p.end();
    return pm;
}

QLabel* etichetta(QWidget* padre, const QRect& twips, int punti, bool grassetto, Qt::Alignment al)
{
    auto* l = new QLabel(padre);
    l->setGeometry(tw(twips.x()), tw(twips.y()), tw(twips.width()), tw(twips.height()));
    QFont f = l->font();
    f.setPointSize(punti);
    f.setBold(grassetto);
    l->setFont(f);
    l->setAlignment(al);
    l->setWordWrap(true);
    // Clicks on labels and picture act as clicks on the window.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}
} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 240));
    pal.setColor(QPalette::WindowText, QColor(40, 30, 20));
    setPalette(pal);
    const int larg = 7200;
    const int alt = 5400;
    resize(tw(larg), tw(alt));

    immagine_ = etichetta(this, QRect(240, 240, 3000, 4920), 9, false, Qt::AlignCenter);
    immagine_->setPixmap(disegnaImmagine(immagine_->size()));
    immagine_->setFrameShape(QFrame::Box);
    lblCongedo_ = etichetta(this, QRect(3480, 600, 3480, 400), 10, false, Qt::AlignLeft | Qt::AlignVCenter);
    lblNome_ = etichetta(this, QRect(3480, 1050, 3480, 1100), 36, true, Qt::AlignCenter);
    lblSottotitolo_ = etichetta(this, QRect(3360, 2200, 3720, 500), 12, false, Qt::AlignCenter);
    lblSottotitolo_->setWordWrap(false);
    lblVersione_ = etichetta(this, QRect(3480, 2900, 3480, 400), 9, true, Qt::AlignCenter);
    lblIstruzione_ = etichetta(this, QRect(3480, 4300, 3480, 700), 9, false, Qt::AlignCenter);
    lblIstruzione_->setText(testi::kSplashIstruzione);

    Form_Load();
    if (auto* schermo = screen()) {
        move(schermo->availableGeometry().center() - rect().center());
    }
}

void frmSplash::Form_Load()
{
    platform::midi().impostaFile(percorsoDati(testi::kFileMusica));
    platform::midi().comando(QStringLiteral("open"));
    platform::midi().comando(QStringLiteral("play"));
    ModRinsal::ImpostaCostanti();
    lblNome_->setText(ModRinsal::NomeProgramma);
    lblSottotitolo_->setText(ModRinsal::Sottotitolo);
    lblVersione_->setText(testi::kSplashEdizione + ModRinsal::Versione);
}

void frmSplash::mostraCongedo()
{
    lblCongedo_->setText(testi::kSplashCongedo);
    show();
    raise();
    activateWindow();
    setFocus();
}

void frmSplash::Form_Click()
{
    platform::midi().comando(QStringLiteral("pause"));
    ModRinsal::MostraMenu();
}

void frmSplash::Form_KeyPress()
{
    platform::midi().comando(QStringLiteral("close"));
    close();
}

void frmSplash::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        Form_Click();
    }
}

void frmSplash::keyPressEvent(QKeyEvent* e)
{
    // Modifier keys alone are not a key press the user means.
    switch (e->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return;
    default:
        Form_KeyPress();
    }
}

namespace ModRinsal {

void MostraMenu()
{
    finestre::mostra(IdFinestra::Scelta);
}

void UscitaProgramma()
{
    QString domanda = testi::kUscitaDomanda + NomeProgramma + QStringLiteral("?");
    const QStringList nonSalvate = finestre::nonSalvate();
    if (!nonSalvate.isEmpty()) {
        domanda += (nonSalvate.size() == 1 ? testi::kUscitaNonSalvata : testi::kUscitaNonSalvate)
                       .arg(nonSalvate.join(QStringLiteral(", ")));
    }
    const auto r = platform::messaggi().mostra(domanda,
                                               testi::kUscitaTitolo, platform::Icona::Domanda,
                                               platform::Pulsanti::SiNo, platform::Risposta::No);
    if (r != platform::Risposta::Si) {
        return;
    }
    for (int i = int(IdFinestra::Scelta); i < int(IdFinestra::Conteggio); ++i) {
        finestre::chiudi(IdFinestra(i));
    }
    platform::midi().comando(QStringLiteral("play"));
    if (auto* s = finestre::ottieni<frmSplash>(IdFinestra::Splash)) {
        s->mostraCongedo();
    }
}

} // namespace ModRinsal
