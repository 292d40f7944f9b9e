#include "support/supporto.h"

#include <algorithm>
#include <map>

#include "shell/finestragrafico.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"

#include <QColor>
#include <QImage>

#include <QDir>

namespace supporto {

platform::Scena prepara()
{
    auto scena = platform::installaScena();
    ModRinsal::Azzera();
    finestre::registraTutte();
    return scena;
}

void chiudiTutte()
{
    for (int i = 0; i < int(IdFinestra::Conteggio); ++i) {
        finestre::chiudi(IdFinestra(i));
    }
}

QString fileDati(const QString& nome)
{
    const QString dir = qEnvironmentVariable("RINSAL_DATA_DIR");
    return QDir(dir).filePath(nome);
}

} // namespace supporto

namespace supporto {

namespace {
struct Box {
    double x1, y1, x2, y2;
};

Box scatola(const platform::Tratto& t)
{
    const double w = t.testo.size() * t.punti * 20 * 0.6;
    return {t.x1, t.y1, t.x1 + w, t.y1 + t.punti * 20};
}

// Liang-Barsky: does the segment pass through the box's inside?
bool attraversa(const platform::Tratto& l, Box b)
{
    const double m = 8;   // touching is no crossing
    b = {b.x1 + m, b.y1 + m, b.x2 - m, b.y2 - m};
    double t0 = 0, t1 = 1;
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    const double pp[4] = {-dx, dx, -dy, dy};
    const double qq[4] = {l.x1 - b.x1, b.x2 - l.x1, l.y1 - b.y1, b.y2 - l.y1};
    for (int i = 0; i < 4; ++i) {
        if (pp[i] == 0) {
            if (qq[i] < 0) return false;
            continue;
        }
        const double r = qq[i] / pp[i];
        if (pp[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

QString descrivi(const platform::Tratto& t)
{
    return t.tipo == platform::Tratto::Etichetta
               ? QStringLiteral("«%1» a %2,%3 p.%4").arg(t.testo).arg(t.x1).arg(t.y1).arg(t.pagina)
               : QStringLiteral("linea %1,%2-%3,%4 p.%5").arg(t.x1).arg(t.y1).arg(t.x2).arg(t.y2).arg(t.pagina);
}
} // namespace

std::vector<platform::Tratto> etichette(const platform::StampanteTesto& p, int pagina)
{
    std::vector<platform::Tratto> r;
    for (const auto& t : p.tratti()) {
        if (t.pagina == pagina && t.tipo == platform::Tratto::Etichetta) r.push_back(t);
    }
    return r;
}

QString difettiDisegni(const platform::StampanteTesto& p, int daPagina)
{
    std::map<int, double> piede;   // foot of the last print line of each page
    for (const auto& r : p.righe()) {
        piede[r.pagina] = r.y + r.punti * 20 * platform::kPassoRiga;
    }
    std::vector<platform::Tratto> tt;
    for (const auto& t : p.tratti()) {
        if (t.pagina >= daPagina) tt.push_back(t);
    }
    for (const auto& t : tt) {
        const Box b = t.tipo == platform::Tratto::Etichetta
                          ? scatola(t)
                          : Box{std::min(t.x1, t.x2), std::min(t.y1, t.y2), std::max(t.x1, t.x2), std::max(t.y1, t.y2)};
        if (b.x1 < 0 || b.y1 < 0 || b.x2 > platform::kLarghezzaPaginaTwips || b.y2 > platform::kAltezzaPaginaTwips) {
            return QStringLiteral("fuori dalla pagina: ") + descrivi(t);
        }
        if (piede.count(t.pagina) && b.y1 < piede[t.pagina]) {
            return QStringLiteral("sopra l'ultima riga stampata: ") + descrivi(t);
        }
    }
    for (std::size_t i = 0; i < tt.size(); ++i) {
        if (tt[i].tipo != platform::Tratto::Etichetta) continue;
        const Box a = scatola(tt[i]);
        for (std::size_t k = 0; k < tt.size(); ++k) {
            if (k == i || tt[k].pagina != tt[i].pagina) continue;
            if (tt[k].tipo == platform::Tratto::Linea) {
                if (attraversa(tt[k], a)) {
                    return descrivi(tt[k]) + QStringLiteral(" attraversa ") + descrivi(tt[i]);
                }
            } else if (k > i) {
                const Box b = scatola(tt[k]);
                if (a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2) {
                    return descrivi(tt[i]) + QStringLiteral(" copre ") + descrivi(tt[k]);
                }
            }
        }
    }
    return QString();
}

namespace {
QStringList inRighe(const platform::StampanteTesto& p)
{
    QStringList righe;
    for (const platform::Tratto& t : p.tratti()) {
        righe << (t.tipo == platform::Tratto::Linea
                      ? QStringLiteral("linea %1 %2 %3 %4 %5").arg(t.x1).arg(t.y1).arg(t.x2).arg(t.y2).arg(t.spessore)
                      : QStringLiteral("testo %1 %2 %3 %4").arg(t.x1).arg(t.y1).arg(t.punti).arg(t.testo));
    }
    return righe;
}
} // namespace

QStringList disegnoMostrato(FinestraGrafico& g)
{
    platform::StampanteTesto p;
    g.disegna(p, g.riquadro());
    return inRighe(p);
}

QStringList disegnoDi(const FinestraGrafico& g, const std::optional<disegno::Grafico>& dati)
{
    platform::StampanteTesto p;
    if (dati) {
        disegno::grafico(p, g.riquadro(), *dati);
    }
    return inRighe(p);
}

QString lineeNonVisibili(FinestraGrafico& g)
{
    platform::StampanteTesto p;
    g.disegna(p, g.riquadro());
    const QImage foto = g.grab().toImage();
    const double s = g.pixelPerTwip();
    for (const platform::Tratto& t : p.tratti()) {
        if (t.tipo != platform::Tratto::Linea || t.spessore < 3) {
            continue;
        }
        const QPoint q(int((t.x1 + t.x2) / 2 * s), int((t.y1 + t.y2) / 2 * s));
        bool scuro = false;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const QPoint v = q + QPoint(dx, dy);
                scuro = scuro || (foto.rect().contains(v) && QColor(foto.pixel(v)).lightness() < 128);
            }
        }
        if (!scuro) {
            return QStringLiteral("linea da %1,%2 a %3,%4 non visibile a %5,%6")
                .arg(t.x1).arg(t.y1).arg(t.x2).arg(t.y2).arg(q.x()).arg(q.y());
        }
    }
    return {};
}

} // namespace supporto
