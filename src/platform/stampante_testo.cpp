#include "platform/stampante_testo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

namespace platform {

std::vector<QString> componiRiga(const std::vector<Voce>& voci)
{
    std::vector<QString> righe;
    QString corrente;
    for (const Voce& v : voci) {
        if (v.colonna > 0) {
            const int inizio = v.colonna - 1;
            // Text at a column must neither cover nor touch the text before
            // it: "1,2,3" then "20" would read as one value.
            const bool tocca = inizio == corrente.size() && !corrente.isEmpty() &&
                               corrente.back() != QLatin1Char(' ') && !v.testo.startsWith(QLatin1Char(' ')) &&
                               !v.testo.isEmpty();
            if (inizio < corrente.size() || tocca) {
                righe.push_back(corrente);
                corrente.clear();
            }
            corrente += QString(inizio - corrente.size(), QLatin1Char(' '));
        }
        corrente += v.testo;
    }
    righe.push_back(corrente);
    return righe;
}

StampanteTesto::StampanteTesto() = default;

double StampanteTesto::larghezzaTesto(const QString& testo) const
{
    const double celle = double(testo.size()) * punti_ * 12.0;
    if (font_.isEmpty() || font_.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0 || !qGuiApp) {
        return celle;
    }
    // A device of the printer's resolution, for the same rounding of sizes.
    constexpr int kDpi = 1200;
    static const QImage dispositivo = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(qRound(kDpi / 0.0254));
        i.setDotsPerMeterY(qRound(kDpi / 0.0254));
        return i;
    }();
    QFont f(font_);
    f.setPointSizeF(punti_);
    return QFontMetricsF(f, &dispositivo).horizontalAdvance(testo) * 1440.0 / kDpi;
}

void StampanteTesto::emetti(const QString& riga)
{
    const double passo = punti_ * 20.0 * kPassoRiga;
    if (y_ + passo > kAltezzaPaginaTwips && y_ > 0) {
        nuovaPagina();
    }
    righe_.push_back({riga, punti_, pagina_, y_});
    y_ += passo;
    x_ = 0;
}

void StampanteTesto::stampaRiga(const std::vector<Voce>& voci)
{
    for (const QString& r : componiRiga(voci)) {
        emetti(r);
    }
}

void StampanteTesto::linea(double x1, double y1, double x2, double y2, int spessore)
{
    // Drawing a line leaves the current position at its end, as on paper.
    ++linee_;
    tratti_.push_back({Tratto::Linea, x1, y1, x2, y2, spessore, QString(), 0, pagina_});
    x_ = x2;
    y_ = y2;
}

void StampanteTesto::scrivi(double x, double y, const QString& testo)
{
    tratti_.push_back({Tratto::Etichetta, x, y, x, y, 0, testo, punti_, pagina_});
}

QStringList StampanteTesto::annotazioni() const
{
    QStringList out;
    const auto n = [](double v) { return QString::number(qRound64(v)); };
    for (const Tratto& t : tratti_) {
        if (t.tipo == Tratto::Linea) {
            out << QStringLiteral("linea %1 %2 %3 %4 %5 %6")
                       .arg(t.pagina)
                       .arg(n(t.x1), n(t.y1), n(t.x2), n(t.y2))
                       .arg(t.spessore);
        } else {
            out << QStringLiteral("testo %1 %2 %3 %4 «%5»").arg(t.pagina).arg(n(t.x1), n(t.y1)).arg(t.punti).arg(t.testo);
        }
    }
    return out;
}

void StampanteTesto::nuovaPagina()
{
    ++pagina_;
    y_ = 0;
    x_ = 0;
}

bool StampanteTesto::fineDocumento()
{
    terminato_ = true;
    return true;
}

QString StampanteTesto::testo() const
{
    // Pages that hold a drawing and no print line.
    std::vector<bool> soloDisegno(std::size_t(pagina_) + 1, false);
    for (const Tratto& t : tratti_) {
        soloDisegno[std::size_t(t.pagina)] = true;
    }
    for (const RigaStampata& r : righe_) {
        soloDisegno[std::size_t(r.pagina)] = false;
    }
    QString out;
    int pagina = 1;
    for (const RigaStampata& r : righe_) {
        while (pagina < r.pagina) {
            ++pagina;
            if (!soloDisegno[std::size_t(pagina)]) {
                out += QLatin1Char('\f');
            }
        }
        QString t = r.testo;
        while (t.endsWith(QLatin1Char(' '))) {
            t.chop(1);
        }
        out += t + QLatin1Char('\n');
    }
    return out;
}

} // namespace platform
