#include "platform/stampante_testo.h"

namespace platform {

std::vector<QString> componiRiga(const std::vector<Voce>& voci)
{
    std::vector<QString> righe;
    QString corrente;
    for (const Voce& v : voci) {
        if (v.colonna > 0) {
            const int inizio = v.colonna - 1;
            if (inizio < corrente.size()) {
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

void StampanteTesto::emetti(const QString& riga)
{
    const double passo = punti_ * 20.0 * kPassoRiga;
    if (y_ + passo > kAltezzaPaginaTwips && y_ > 0) {
        nuovaPagina();
    }
    righe_.push_back({riga, punti_, pagina_});
    y_ += passo;
    x_ = 0;
}

void StampanteTesto::stampaRiga(const std::vector<Voce>& voci)
{
    for (const QString& r : componiRiga(voci)) {
        emetti(r);
    }
}

void StampanteTesto::linea(double, double, double x2, double y2, int)
{
    // Drawing a line leaves the current position at its end, as on paper.
    ++linee_;
    x_ = x2;
    y_ = y2;
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
    QString out;
    int pagina = 1;
    for (const RigaStampata& r : righe_) {
        while (pagina < r.pagina) {
            out += QLatin1Char('\f');
            ++pagina;
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
