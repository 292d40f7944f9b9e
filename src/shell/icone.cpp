#include "shell/icone.h"
#include "platform/caratteri.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {
QFont grassetto(int pixel)
{
    QFont f(platform::famigliaSchermo(QStringLiteral("DejaVu Sans")));
    f.setPixelSize(pixel);
    f.setBold(true);
    return f;
}

void cerchioConTesto(QPainter& p, QColor fondo, const QString& t)
{
    p.setBrush(fondo);
    p.setPen(fondo.darker(130));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    p.setFont(grassetto(14));
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, t);
}

void dischetto(QPainter& p)
{
    p.setBrush(QColor(40, 80, 160));
    p.setPen(QColor(20, 40, 90));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 13, 12, 8));
}

// A folder.
void cartella(QPainter& p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath bordo;
    bordo.moveTo(2, 6);
    bordo.lineTo(9, 6);
    bordo.lineTo(11, 8);
    bordo.lineTo(22, 8);
    bordo.lineTo(22, 20);
    bordo.lineTo(2, 20);
    bordo.closeSubpath();
    p.drawPath(bordo);
}

// A sheet crossed out.
void foglioBarrato(QPainter& p)
{
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2, 14, 20));
    p.setPen(QPen(QColor(210, 30, 30), 3));
    p.drawLine(QPointF(7, 7), QPointF(17, 17));
    p.drawLine(QPointF(17, 7), QPointF(7, 17));
}

// A printer with a sheet in and one out.
void stampante(QPainter& p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2, 10, 8));
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 15, 12, 7));
}

// A printed sheet under a magnifying glass.
void lente(QPainter& p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 2, 13, 18));
    p.setPen(QColor(150, 150, 150));
    for (int y = 6; y <= 16; y += 3) {
        p.drawLine(QPointF(5, y), QPointF(14, y));
    }
    p.setPen(QPen(QColor(120, 70, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(22, 22));
    p.setPen(QPen(QColor(30, 50, 120), 2));
    p.setBrush(QColor(200, 225, 255, 200));
    p.drawEllipse(QPointF(13.5, 13.5), 5, 5);
}

// A window with its number.
void finestra(QPainter& p, int numero)
{
    p.setPen(QColor(30, 50, 120));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, 3, 20, 18));
    p.setBrush(QColor(50, 90, 180));
    p.drawRect(QRectF(2, 3, 20, 5));
    p.setFont(grassetto(12));
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(2, 8, 20, 13), Qt::AlignCenter, QString::number(numero));
}

// Three discs of colour.
void colori(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QRectF(3, 3, 10, 10));
    p.setBrush(QColor(40, 170, 60));
    p.drawEllipse(QRectF(11, 3, 10, 10));
    p.setBrush(QColor(40, 80, 220));
    p.drawEllipse(QRectF(7, 11, 10, 10));
}

// A light bulb.
void lampadina(QPainter& p)
{
    p.setPen(QColor(160, 130, 0));
    p.setBrush(QColor(255, 225, 60));
    p.drawEllipse(QRectF(5, 2, 14, 14));
    p.setBrush(QColor(130, 130, 130));
    p.drawRect(QRectF(9, 16, 6, 5));
}

// "ABC" over a tick.
void controllo(QPainter& p)
{
    p.setFont(grassetto(10));
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(0, 4, 24, 12), Qt::AlignCenter, QStringLiteral("ABC"));
    p.setPen(QPen(QColor(30, 140, 40), 2));
    p.drawLine(QPointF(6, 19), QPointF(10, 22));
    p.drawLine(QPointF(10, 22), QPointF(18, 15));
}

// An eraser.
void gomma(QPainter& p)
{
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(250, 180, 190));
    p.drawRoundedRect(QRectF(3, 8, 18, 9), 2, 2);
    p.setBrush(QColor(80, 120, 200));
    p.drawRoundedRect(QRectF(3, 8, 7, 9), 2, 2);
}

// An arrow out of a red square.
void uscita(QPainter& p)
{
    p.setPen(QColor(120, 20, 20));
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 3, 3);
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLine(QPointF(7, 12), QPointF(17, 12));
    p.drawLine(QPointF(13, 8), QPointF(17, 12));
    p.drawLine(QPointF(13, 16), QPointF(17, 12));
}
// Two curves over a pair of axes.
void grafico(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 2, 19, 19));
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawLine(QPointF(4, 3), QPointF(4, 21));
    p.drawLine(QPointF(3, 20), QPointF(22, 20));
    p.setBrush(Qt::NoBrush);
    QPainterPath sale;
    sale.moveTo(5, 17);
    sale.cubicTo(10, 16, 14, 10, 21, 5);
    p.setPen(QPen(QColor(200, 40, 40), 2));
    p.drawPath(sale);
    QPainterPath scende;
    scende.moveTo(5, 7);
    scende.cubicTo(10, 9, 15, 14, 21, 15);
    p.setPen(QPen(QColor(40, 80, 200), 2, Qt::DashLine));
    p.drawPath(scende);
}
} // namespace

QIcon icona(Glifo g, int numero)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (g) {
    case Glifo::Apri:
        cartella(p);
        break;
    case Glifo::Salva:
        dischetto(p);
        break;
    case Glifo::SalvaNome:
        dischetto(p);
        p.setPen(QPen(QColor(200, 40, 40), 2.5));
        p.drawLine(QPointF(13, 21), QPointF(22, 12));
        break;
    case Glifo::EliminaFile:
        foglioBarrato(p);
        break;
    case Glifo::Stampa:
        stampante(p);
        break;
    case Glifo::Anteprima:
        lente(p);
        break;
    case Glifo::Finestra:
        finestra(p, numero);
        break;
    case Glifo::Colore:
        colori(p);
        break;
    case Glifo::Guida:
        cerchioConTesto(p, QColor(40, 100, 200), QStringLiteral("?"));
        break;
    case Glifo::Suggerimenti:
        lampadina(p);
        break;
    case Glifo::Supporto:
        cerchioConTesto(p, QColor(30, 150, 90), QStringLiteral("S"));
        break;
    case Glifo::Informazioni:
        cerchioConTesto(p, QColor(60, 60, 160), QStringLiteral("i"));
        break;
    case Glifo::Controllo:
        controllo(p);
        break;
    case Glifo::CancellaDati:
        gomma(p);
        break;
    case Glifo::Uscita:
        uscita(p);
        break;
    case Glifo::Grafico:
        grafico(p);
        break;
    }
    p.end();
    return QIcon(pm);
}

namespace {
// A shape of the program's icon, in a 256 × 256 square.
struct Forma {
    QPainterPath percorso;
    QColor riempimento;  // invalid: not filled
    QColor tratto;       // invalid: no outline
    qreal spessore = 0;
};

QPainterPath rettangolo(qreal x, qreal y, qreal l, qreal a)
{
    QPainterPath p;
    p.addRect(x, y, l, a);
    return p;
}

std::vector<Forma> formeProgramma()
{
    const QColor malta(236, 226, 206);
    const QColor mattone(178, 96, 64);
    const QColor acciaio(38, 44, 52);
    std::vector<Forma> f;
    QPainterPath fondo;
    fondo.addRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    f.push_back({fondo, QColor(196, 220, 240), QColor(60, 80, 100), 6});
    // The wall: mortar, then six courses of bricks laid in bond.
    f.push_back({rettangolo(28, 72, 200, 156), malta, {}, 0});
    QPainterPath mattoni;
    for (int corso = 0; corso < 6; ++corso) {
        const qreal y = 74 + corso * 26;
        for (qreal x = (corso % 2) ? -20 : 0; x < 200; x += 40) {
            const qreal da = std::max<qreal>(x, 0) + 2;
            const qreal a = std::min<qreal>(x + 40, 200) - 2;
            mattoni.addRect(28 + da, y, a - da, 22);
        }
    }
    f.push_back({mattoni, mattone, {}, 0});
    // The arch opening with its ring of voussoirs.
    QPainterPath arco;
    arco.moveTo(84, 228);
    arco.lineTo(84, 168);
    arco.arcTo(QRectF(84, 124, 88, 88), 180, -180);
    arco.lineTo(172, 228);
    arco.closeSubpath();
    f.push_back({arco, QColor(58, 52, 48), malta, 8});
    // The tie rod across the wall, with an anchor plate at each end.
    f.push_back({rettangolo(16, 100, 224, 10), acciaio, {}, 0});
    f.push_back({rettangolo(12, 82, 14, 46), acciaio, {}, 0});
    f.push_back({rettangolo(230, 82, 14, 46), acciaio, {}, 0});
    return f;
}

QString numero(qreal v)
{
    return QString::number(v, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}
} // namespace

QImage immagineProgramma(int lato)
{
    QImage im(lato, lato, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 256.0, lato / 256.0);
    for (const Forma& f : formeProgramma()) {
        QPen penna(Qt::NoPen);
        if (f.tratto.isValid()) {
            penna = QPen(f.tratto, f.spessore, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
            penna.setMiterLimit(4);
        }
        p.setPen(penna);
        p.setBrush(f.riempimento.isValid() ? QBrush(f.riempimento) : QBrush(Qt::NoBrush));
        p.drawPath(f.percorso);
    }
    p.end();
    return im;
}

QByteArray svgProgramma()
{
    QString s = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                               "viewBox=\"0 0 256 256\">\n");
    for (const Forma& f : formeProgramma()) {
        QString d;
        const QPainterPath& pp = f.percorso;
        for (int i = 0; i < pp.elementCount(); ++i) {
            const QPainterPath::Element e = pp.elementAt(i);
            if (e.type == QPainterPath::CurveToElement && i + 2 < pp.elementCount()) {
                const QPainterPath::Element c2 = pp.elementAt(i + 1);
                const QPainterPath::Element fine = pp.elementAt(i + 2);
                d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                         .arg(numero(e.x), numero(e.y), numero(c2.x), numero(c2.y), numero(fine.x), numero(fine.y));
                i += 2;
            } else {
                d += (e.type == QPainterPath::MoveToElement ? QStringLiteral("M") : QStringLiteral("L")) + numero(e.x) +
                     QLatin1Char(' ') + numero(e.y);
            }
        }
        s += QStringLiteral("  <path fill-rule=\"evenodd\" d=\"%1\" fill=\"%2\"").arg(
            d, f.riempimento.isValid() ? f.riempimento.name() : QStringLiteral("none"));
        if (f.tratto.isValid()) {
            s += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(f.tratto.name(), numero(f.spessore));
        }
        s += QStringLiteral("/>\n");
    }
    s += QStringLiteral("</svg>\n");
    return s.toUtf8();
}

QIcon iconaProgramma()
{
    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64, 128, 256}) {
        icona.addPixmap(QPixmap::fromImage(immagineProgramma(lato)));
    }
    return icona;
}
