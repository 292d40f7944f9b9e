#include "shell/icone.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
void cerchioConTesto(QPainter& p, QColor fondo, const QString& t)
{
    p.setBrush(fondo);
    p.setPen(fondo.darker(130));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
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
} // namespace

QIcon icona(Glifo g, int numero)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (g) {
    case Glifo::Apri: {
        p.setPen(QColor(150, 110, 20));
        p.setBrush(QColor(240, 200, 80));
        QPainterPath cartella;
        cartella.moveTo(2, 6);
        cartella.lineTo(9, 6);
        cartella.lineTo(11, 8);
        cartella.lineTo(22, 8);
        cartella.lineTo(22, 20);
        cartella.lineTo(2, 20);
        cartella.closeSubpath();
        p.drawPath(cartella);
        break;
    }
    case Glifo::Salva:
        dischetto(p);
        break;
    case Glifo::SalvaNome:
        dischetto(p);
        p.setPen(QPen(QColor(200, 40, 40), 2.5));
        p.drawLine(QPointF(13, 21), QPointF(22, 12));
        break;
    case Glifo::EliminaFile:
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 2, 14, 20));
        p.setPen(QPen(QColor(210, 30, 30), 3));
        p.drawLine(QPointF(7, 7), QPointF(17, 17));
        p.drawLine(QPointF(17, 7), QPointF(7, 17));
        break;
    case Glifo::Stampa:
        p.setPen(QColor(60, 60, 60));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 15, 12, 7));
        break;
    case Glifo::Finestra: {
        p.setPen(QColor(30, 50, 120));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2, 3, 20, 18));
        p.setBrush(QColor(50, 90, 180));
        p.drawRect(QRectF(2, 3, 20, 5));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(2, 8, 20, 13), Qt::AlignCenter, QString::number(numero));
        break;
    }
    case Glifo::Colore:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 40, 40));
        p.drawEllipse(QRectF(3, 3, 10, 10));
        p.setBrush(QColor(40, 170, 60));
        p.drawEllipse(QRectF(11, 3, 10, 10));
        p.setBrush(QColor(40, 80, 220));
        p.drawEllipse(QRectF(7, 11, 10, 10));
        break;
    case Glifo::Guida:
        cerchioConTesto(p, QColor(40, 100, 200), QStringLiteral("?"));
        break;
    case Glifo::Suggerimenti:
        p.setPen(QColor(160, 130, 0));
        p.setBrush(QColor(255, 225, 60));
        p.drawEllipse(QRectF(5, 2, 14, 14));
        p.setBrush(QColor(130, 130, 130));
        p.drawRect(QRectF(9, 16, 6, 5));
        break;
    case Glifo::Supporto:
        cerchioConTesto(p, QColor(30, 150, 90), QStringLiteral("S"));
        break;
    case Glifo::Informazioni:
        cerchioConTesto(p, QColor(60, 60, 160), QStringLiteral("i"));
        break;
    case Glifo::Controllo: {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(0, 4, 24, 12), Qt::AlignCenter, QStringLiteral("ABC"));
        p.setPen(QPen(QColor(30, 140, 40), 2));
        p.drawLine(QPointF(6, 19), QPointF(10, 22));
        p.drawLine(QPointF(10, 22), QPointF(18, 15));
        break;
    }
    case Glifo::CancellaDati:
        p.setPen(QColor(90, 90, 90));
        p.setBrush(QColor(250, 180, 190));
        p.drawRoundedRect(QRectF(3, 8, 18, 9), 2, 2);
        p.setBrush(QColor(80, 120, 200));
        p.drawRoundedRect(QRectF(3, 8, 7, 9), 2, 2);
        break;
    case Glifo::Uscita:
        p.setPen(QColor(120, 20, 20));
        p.setBrush(QColor(200, 40, 40));
        p.drawRoundedRect(QRectF(2, 2, 20, 20), 3, 3);
        p.setPen(QPen(Qt::white, 2.5));
        p.drawLine(QPointF(7, 12), QPointF(17, 12));
        p.drawLine(QPointF(13, 8), QPointF(17, 12));
        p.drawLine(QPointF(13, 16), QPointF(17, 12));
        break;
    }
    p.end();
    return QIcon(pm);
}
