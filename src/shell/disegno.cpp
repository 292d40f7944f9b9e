#include "shell/disegno.h"

#include "platform/stampante_testo.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"

#include <algorithm>
#include <cmath>

namespace disegno {

namespace {
constexpr double kMargineSinistro = 864;   // the listings' column 10 at 8 points
constexpr double kMargineDestro = 11000;   // just past their widest table
constexpr double kStacco = 240;            // between the last print line and a drawing
constexpr double kTacca = 60;
constexpr double kSpazio = 60;             // between a tick or a line and its label

// Label boxes already placed in a chart, so that the next one moves aside.
struct Occupati {
    std::vector<Riquadro> boxes;
    bool libero(const Riquadro& r) const
    {
        return std::none_of(boxes.begin(), boxes.end(), [&r](const Riquadro& o) {
            return r.x < o.destra() && o.x < r.destra() && r.y < o.fondo() && o.y < r.fondo();
        });
    }
};

Riquadro scatola(double x, double yCentro, const QString& t, double punti, Allineo a)
{
    const double w = larghezza(t, punti);
    const double x0 = a == Allineo::Sinistra ? x : (a == Allineo::Centro ? x - w / 2 : x - w);
    return {x0, yCentro - altezza(punti) / 2, w, altezza(punti)};
}
} // namespace

Riquadro pagina() { return {0, 0, platform::kLarghezzaPaginaTwips, platform::kAltezzaPaginaTwips}; }

double larghezza(const QString& testo, double punti) { return testo.size() * punti * 20 * 0.6; }

double altezza(double punti) { return punti * 20; }

Riquadro spazio(platform::Stampante& p, double minima, double massima)
{
    double cima = p.y() + kStacco;
    if (pagina().fondo() - cima < minima) {
        stampa::nuovaPagina(p);
        cima = stampa::kYInizio;
    }
    const double alto = std::min(massima, pagina().fondo() - cima);
    return {kMargineSinistro, cima, kMargineDestro - kMargineSinistro, alto};
}

Scala Scala::leggibile(double a, double b, int intervalli)
{
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return {};
    }
    if (a > b) {
        std::swap(a, b);
    }
    if (b - a < 1e-9 * std::max(1.0, std::fabs(a))) {
        b = a + std::max(1.0, std::fabs(a) * 0.1);
    }
    intervalli = std::max(1, intervalli);
    double potenza = std::pow(10.0, std::floor(std::log10((b - a) / intervalli)));
    for (int giro = 0; giro < 8; ++giro, potenza *= 10) {
        for (double m : {1.0, 2.0, 2.5, 5.0}) {
            const double passo = potenza * m;
            const double da = std::floor(a / passo + 1e-9) * passo;
            const double a2 = std::ceil(b / passo - 1e-9) * passo;
            if ((a2 - da) / passo <= intervalli + 1e-9) {
                return {da, a2, passo};
            }
        }
    }
    return {a, b, b - a};
}

std::vector<double> Scala::tacche() const
{
    std::vector<double> t;
    if (!(passo > 0)) {
        return t;
    }
    const int n = int(std::lround((max - min) / passo));
    for (int k = 0; k <= n && k <= 100; ++k) {
        const double v = min + k * passo;
        t.push_back(std::fabs(v) < passo * 1e-9 ? 0.0 : v);
    }
    return t;
}

double Scala::su(double v, double da, double a) const
{
    if (max == min) {
        return da;
    }
    return da + (v - min) / (max - min) * (a - da);
}

Disegno::Disegno(platform::Stampante& p)
    : p_(p)
    , punti_(p.dimensione())
    , x_(p.x())
    , y_(p.y())
{
    p_.impostaFont(testi::kFontStampa);
}

Disegno::~Disegno()
{
    p_.impostaDimensione(punti_);
    p_.impostaX(x_);
    p_.impostaY(y_);
}

void Disegno::linea(double x1, double y1, double x2, double y2, int spessore)
{
    p_.linea(x1, y1, x2, y2, spessore);
}

void Disegno::polilinea(const std::vector<QPointF>& punti, int spessore, double tratto)
{
    if (tratto <= 0) {
        for (std::size_t i = 1; i < punti.size(); ++i) {
            linea(punti[i - 1].x(), punti[i - 1].y(), punti[i].x(), punti[i].y(), spessore);
        }
        return;
    }
    // The dash pattern runs on along the whole polyline.
    double fase = 0;
    bool pieno = true;
    for (std::size_t i = 1; i < punti.size(); ++i) {
        const QPointF a = punti[i - 1];
        const QPointF d = punti[i] - a;
        const double l = std::hypot(d.x(), d.y());
        double s = 0;
        while (s < l) {
            const double e = std::min(l, s + tratto - fase);
            if (pieno) {
                const QPointF p1 = a + d * (s / l);
                const QPointF p2 = a + d * (e / l);
                linea(p1.x(), p1.y(), p2.x(), p2.y(), spessore);
            }
            fase += e - s;
            if (fase >= tratto - 1e-9) {
                fase = 0;
                pieno = !pieno;
            }
            s = e;
        }
    }
}

void Disegno::rettangolo(const Riquadro& r, int spessore)
{
    linea(r.x, r.y, r.destra(), r.y, spessore);
    linea(r.destra(), r.y, r.destra(), r.fondo(), spessore);
    linea(r.destra(), r.fondo(), r.x, r.fondo(), spessore);
    linea(r.x, r.fondo(), r.x, r.y, spessore);
}

void Disegno::campitura(const Riquadro& r, double passo)
{
    if (!(passo > 0) || r.larghezza <= 0 || r.altezza <= 0) {
        return;
    }
    // Lines x + y = k, rising to the right, clipped to the box.
    for (double k = r.x + r.y + passo / 2; k < r.destra() + r.fondo(); k += passo) {
        const double xa = std::max(r.x, k - r.fondo());
        const double xb = std::min(r.destra(), k - r.y);
        if (xb - xa > 1) {
            linea(xa, k - xa, xb, k - xb, 1);
        }
    }
}

void Disegno::testo(double x, double yCentro, const QString& t, double punti, Allineo a)
{
    if (t.isEmpty()) {
        return;
    }
    p_.impostaDimensione(punti);
    const Riquadro b = scatola(x, yCentro, t, punti, a);
    p_.scrivi(b.x, b.y, t);
}

void Disegno::quota(double x1, double y1, double x2, double y2, const QString& valore, int lato)
{
    const double t = 45;   // half the tick
    linea(x1, y1, x2, y2, 1);
    linea(x1 - t, y1 + t, x1 + t, y1 - t, 2);
    linea(x2 - t, y2 + t, x2 + t, y2 - t, 2);
    const double h = altezza(kEtichetta);
    if (std::fabs(y2 - y1) < std::fabs(x2 - x1)) {
        const double y = (y1 + y2) / 2 + (lato < 0 ? -(kSpazio + h / 2) : kSpazio + h / 2);
        testo((x1 + x2) / 2, y, valore, kEtichetta, Allineo::Centro);
    } else {
        const double x = (x1 + x2) / 2 + (lato < 0 ? -kSpazio - t : kSpazio + t);
        testo(x, (y1 + y2) / 2, valore, kEtichetta, lato < 0 ? Allineo::Destra : Allineo::Sinistra);
    }
}

namespace {
struct Intervallo {
    double min = 0;
    double max = 0;
    bool vuoto = true;
    void aggiungi(double v)
    {
        if (vuoto) {
            min = max = v;
            vuoto = false;
        } else {
            min = std::min(min, v);
            max = std::max(max, v);
        }
    }
};

// The scale of one axis: it always shows 0, and keeps a band free at the
// top for the labels.
Scala scalaAsse(const Intervallo& v, double alto)
{
    const double a = std::min(0.0, v.min);
    double b = std::max(0.0, v.max);
    if (b - a <= 0) {
        b = a + 1;
    }
    b += (b - a) * 0.12;
    return Scala::leggibile(a, b, std::clamp(int(alto / 260), 2, 6));
}

QString etichettaTacca(double v) { return numeri::testo(v); }

double etichettaPiuLarga(const Scala& s)
{
    double w = 0;
    for (double v : s.tacche()) {
        w = std::max(w, larghezza(etichettaTacca(v), kEtichetta));
    }
    return w;
}

// Whether every left-axis series is at 0 or below at abscissa k (and one is).
bool aZero(const Grafico& g, std::size_t k)
{
    bool qualcuna = false;
    for (const Serie& s : g.serie) {
        if (s.destra) {
            continue;
        }
        if (k >= s.valori.size() || !s.valori[k] || *s.valori[k] > 0) {
            return false;
        }
        qualcuna = true;
    }
    return qualcuna;
}

// One chart being drawn: its plot area, its scales and the label boxes
// placed so far.
struct Tracciato {
    Disegno& d;
    const Grafico& g;
    Occupati occupati{};
    double sinistro = 0;
    double destro = 0;
    double cima = 0;
    double fondo = 0;
    bool asseDestro = false;
    Scala ascissa{};
    Scala sy{};
    Scala sd{};

    void scrivi(double x, double yc, const QString& t, double punti, Allineo a)
    {
        d.testo(x, yc, t, punti, a);
        occupati.boxes.push_back(scatola(x, yc, t, punti, a));
    }
    double X(double v) const { return ascissa.su(v, sinistro, destro); }
    double Y(double v) const { return sy.su(v, fondo, cima); }
    double YD(double v) const { return sd.su(v, fondo, cima); }

    void legenda(double yLegenda, double margine);
    void zonaZero();
    void assi(const Riquadro& r);
    void riferimento();
    void linee();
};

// The units at the ends of the legend row, and between them a sample of each
// line with its name; a row of its own below when they do not fit.
void Tracciato::legenda(double yLegenda, double margine)
{
    const double hEtichetta = altezza(kEtichetta);
    scrivi(sinistro, yLegenda, g.unitaSinistra, kEtichetta, Allineo::Centro);
    if (asseDestro) {
        scrivi(destro, yLegenda, g.unitaDestra, kEtichetta, Allineo::Centro);
    }
    double wLegenda = 0;
    const double campione = 300;
    for (const Serie& s : g.serie) {
        wLegenda += campione + kSpazio + larghezza(s.nome, kEtichetta) + 2 * campione / 2;
    }
    const double liberoDa = sinistro + larghezza(g.unitaSinistra, kEtichetta) / 2 + kSpazio * 2;
    const double liberoA = asseDestro ? destro - larghezza(g.unitaDestra, kEtichetta) / 2 - kSpazio * 2 : margine;
    double xLeg = std::max(liberoDa, (liberoDa + liberoA - wLegenda) / 2);
    double yLeg = yLegenda;
    if (xLeg + wLegenda > liberoA) {
        yLeg = cima + hEtichetta / 2;
        cima += hEtichetta + kSpazio;
        xLeg = sinistro;
    }
    for (const Serie& s : g.serie) {
        d.polilinea({{xLeg, yLeg}, {xLeg + campione, yLeg}}, s.tratteggiata ? 2 : 3, s.tratteggiata ? 70 : 0);
        xLeg += campione + kSpazio;
        scrivi(xLeg, yLeg, s.nome, kEtichetta, Allineo::Sinistra);
        xLeg += larghezza(s.nome, kEtichetta) + campione;
    }
}

// The zero region, hatched under everything else.
void Tracciato::zonaZero()
{
    const double hEtichetta = altezza(kEtichetta);
    std::size_t i = 0;
    while (i < g.x.size()) {
        if (!aZero(g, i)) {
            ++i;
            continue;
        }
        std::size_t k = i;
        while (k + 1 < g.x.size() && aZero(g, k + 1)) {
            ++k;
        }
        const double xa = X(g.x[i]), xb = X(g.x[k]);
        if (xb - xa > 1) {
            // The label stays in the free band at the top, above the hatching.
            const double banda = g.nomeZonaZero.isEmpty() ? 0 : 2 * kSpazio + hEtichetta;
            d.campitura({xa, cima + banda, xb - xa, fondo - cima - banda}, 150);
            if (!g.nomeZonaZero.isEmpty()) {
                const double w = larghezza(g.nomeZonaZero, kEtichetta);
                const double xc = std::clamp((xa + xb) / 2, sinistro + w / 2 + kSpazio, destro - w / 2 - kSpazio);
                scrivi(xc, cima + kSpazio + hEtichetta / 2, g.nomeZonaZero, kEtichetta, Allineo::Centro);
            }
        }
        i = k + 1;
    }
}

// Frame, axes, their ticks and the abscissa's name at the foot of `r`.
void Tracciato::assi(const Riquadro& r)
{
    const double hEtichetta = altezza(kEtichetta);
    d.linea(sinistro, cima, sinistro, fondo, 2);
    d.linea(sinistro, fondo, destro, fondo, 2);
    d.linea(destro, cima, destro, fondo, asseDestro ? 2 : 1);
    d.linea(sinistro, cima, destro, cima, 1);
    if (sy.min < 0) {
        d.linea(sinistro, Y(0), destro, Y(0), 1);
    }
    for (double v : ascissa.tacche()) {
        d.linea(X(v), fondo, X(v), fondo + kTacca, 1);
        scrivi(X(v), fondo + kTacca + kSpazio / 2 + hEtichetta / 2, etichettaTacca(v), kEtichetta, Allineo::Centro);
    }
    scrivi((sinistro + destro) / 2, r.fondo() - hEtichetta / 2, g.nomeX, kEtichetta, Allineo::Centro);
    for (double v : sy.tacche()) {
        d.linea(sinistro - kTacca, Y(v), sinistro, Y(v), 1);
        scrivi(sinistro - kTacca - kSpazio, Y(v), etichettaTacca(v), kEtichetta, Allineo::Destra);
    }
    if (asseDestro) {
        for (double v : sd.tacche()) {
            d.linea(destro, YD(v), destro + kTacca, YD(v), 1);
            scrivi(destro + kTacca + kSpazio, YD(v), etichettaTacca(v), kEtichetta, Allineo::Sinistra);
        }
    }
}

// The marked abscissa: a dashed upright inside the range, else a note at the
// side it lies beyond.
void Tracciato::riferimento()
{
    if (!g.riferimento || !std::isfinite(*g.riferimento) || g.nomeRiferimento.isEmpty()) {
        return;
    }
    const double hEtichetta = altezza(kEtichetta);
    const double t = *g.riferimento;
    const double w = larghezza(g.nomeRiferimento, kEtichetta);
    double xl = 0;
    Allineo a = Allineo::Sinistra;
    if (t >= ascissa.min && t <= ascissa.max) {
        d.polilinea({{X(t), fondo}, {X(t), cima}}, 1, 50);
        xl = X(t) + kSpazio;
        if (xl + w > destro - kSpazio) {
            xl = X(t) - kSpazio;
            a = Allineo::Destra;
        }
    } else if (t < ascissa.min) {
        xl = sinistro + kSpazio;
    } else {
        xl = destro - kSpazio;
        a = Allineo::Destra;
    }
    double yc = cima + kSpazio + hEtichetta / 2;
    while (!occupati.libero(scatola(xl, yc, g.nomeRiferimento, kEtichetta, a)) && yc < fondo - hEtichetta) {
        yc += hEtichetta;
    }
    scrivi(xl, yc, g.nomeRiferimento, kEtichetta, a);
}

// The series, broken where a value is missing.
void Tracciato::linee()
{
    for (const Serie& s : g.serie) {
        std::vector<QPointF> tratto;
        auto chiudi = [&] {
            d.polilinea(tratto, s.tratteggiata ? 2 : 3, s.tratteggiata ? 70 : 0);
            tratto.clear();
        };
        for (std::size_t k = 0; k < g.x.size(); ++k) {
            if (k < s.valori.size() && s.valori[k] && std::isfinite(*s.valori[k])) {
                tratto.emplace_back(X(g.x[k]), s.destra ? YD(*s.valori[k]) : Y(*s.valori[k]));
            } else {
                chiudi();
            }
        }
        chiudi();
    }
}
} // namespace

bool grafico(platform::Stampante& p, const Riquadro& r, const Grafico& g)
{
    Intervallo sinistra, destra, ascisse;
    for (double x : g.x) {
        if (std::isfinite(x)) {
            ascisse.aggiungi(x);
        }
    }
    bool valori = false;
    for (const Serie& s : g.serie) {
        for (std::size_t i = 0; i < s.valori.size() && i < g.x.size(); ++i) {
            if (s.valori[i] && std::isfinite(*s.valori[i])) {
                (s.destra ? destra : sinistra).aggiungi(*s.valori[i]);
                valori = true;
            }
        }
    }
    if (!valori || ascisse.vuoto) {
        return false;
    }

    Disegno d(p);
    Tracciato c{d, g};
    const double hTitolo = altezza(kTitolo);
    const double hEtichetta = altezza(kEtichetta);

    // Title, then the legend row below it.
    c.scrivi(r.x, r.y + hTitolo / 2, g.titolo, kTitolo, Allineo::Sinistra);
    const double yLegenda = r.y + hTitolo + kSpazio + hEtichetta / 2;
    c.cima = yLegenda + hEtichetta / 2 + 2 * kSpazio;
    c.fondo = r.fondo() - (kTacca + kSpazio + hEtichetta) - (kSpazio + hEtichetta);
    const double alto = c.fondo - c.cima;

    // Provisional scales for the margins; a legend row of its own may still
    // take some height, so one cell more is allowed for their labels.
    const Scala sy = scalaAsse(sinistra, alto);
    c.asseDestro = !destra.vuoto;
    const Scala sd = scalaAsse(destra, alto);
    const double cella = larghezza(QStringLiteral("0"), kEtichetta);
    c.sinistro =
        r.x + std::max(etichettaPiuLarga(sy) + cella, larghezza(g.unitaSinistra, kEtichetta) / 2) + kTacca + kSpazio;
    c.destro =
        r.destra() - (c.asseDestro ? std::max(etichettaPiuLarga(sd) + cella, larghezza(g.unitaDestra, kEtichetta) / 2) +
                                         kTacca + kSpazio
                                   : 2 * cella);
    // Ticks of the abscissa as many as their labels allow.
    c.ascissa = Scala::leggibile(ascisse.min, ascisse.max, std::clamp(int((c.destro - c.sinistro) / 380), 2, 10));

    c.legenda(yLegenda, r.destra());
    c.sy = scalaAsse(sinistra, c.fondo - c.cima);
    c.sd = scalaAsse(destra, c.fondo - c.cima);
    c.zonaZero();
    c.assi(r);
    c.riferimento();
    c.linee();
    return true;
}

} // namespace disegno
