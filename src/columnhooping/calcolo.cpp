#include "columnhooping/calcolo.h"

#include "columnhooping/testi.h"
#include "shell/acciaio.h"
#include "shell/numeri.h"

#include <algorithm>
#include <cmath>

namespace modcercol {

namespace {

constexpr double E = acciaio::kModulo;
constexpr double Ec = 200000;
constexpr double alfa = acciaio::kDilatazione;
constexpr double m = 4;
constexpr double ts = 0.1;
constexpr double piCaldo = 3.141592654;

// Past this magnitude a whole-number cut is no longer exact and no real
// column comes near it: such a row is not computable.
constexpr double kLimite = 1e9;

// Collects every failure of one row's arithmetic.
class Conti {
public:
    bool ok = true;

    double valore(double x)
    {
        if (!std::isfinite(x) || std::fabs(x) >= kLimite) {
            ok = false;
            return 0;
        }
        return x;
    }
    double taglia(double x) { return numeri::intero(valore(x)); }
    double tronca(double x, int decimali) { return numeri::tronca(valore(x), decimali); }
    double dividi(double a, double b)
    {
        if (b == 0 || !std::isfinite(a) || !std::isfinite(b)) {
            ok = false;
            return 0;
        }
        return valore(a / b);
    }
};

bool vuoto(const QString& t) { return t.isEmpty(); }

enum class Lettura { Ok, Vuoto, NonNumero };

// Reads the listed fields of a row; the first empty one wins over a text
// that is not a number, so a half-typed row stays a silent stop.
template <std::size_t N>
Lettura leggi(const DatiCerchiature& d, int riga, const std::array<Campo, N>& campi, std::array<double, N>& v)
{
    for (Campo c : campi) {
        if (vuoto(d.valore(c, riga))) {
            return Lettura::Vuoto;
        }
    }
    for (std::size_t k = 0; k < N; ++k) {
        const auto x = numeri::daTesto(d.valore(campi[k], riga));
        if (!x) {
            return Lettura::NonNumero;
        }
        v[k] = *x;
    }
    return Lettura::Ok;
}

EsitoCalcolo impossibile(int riga)
{
    EsitoCalcolo e;
    e.fine = FineCalcolo::Impossibile;
    e.riga = riga;
    e.guida = testi_cercol::kGuidaCerchiatura + numeri::stampa(riga) + testi_cercol::kGuidaImpossibile;
    return e;
}

// One cold row; false when its values defeat the arithmetic.
bool rigaFredda(const std::array<double, 4>& v, int i, RisultatiCerchiature& ris)
{
    const double R = v[0], fi = v[1], P = v[2], H = v[3];
    Conti k;
    const double A = k.valore(R * R * 3.14);
    double p = k.taglia(R * 2 / 5);
    if (p > 10) {
        p = 10;
    }
    const double Af = k.valore((fi / 20) * (fi / 20) * 3.14);
    const double Ae = k.dividi(6.28 * R * Af, p);
    const double Lh = k.taglia(k.dividi(H, p) * R * 6.28 + H);
    const double Ai = k.taglia(A + 15 * 4 * 1.92 + 45 * Ae);
    const double s0 = k.taglia(k.dividi(P, A) * 10) / 10;
    const double s1 = k.taglia(k.dividi(P, Ai) * 10) / 10;
    if (!k.ok) {
        return false;
    }
    ris.freddo[Pasel][std::size_t(i)] = p;
    ris.freddo[Lunel][std::size_t(i)] = Lh;
    ris.freddo[Tenp][std::size_t(i)] = s0;
    ris.freddo[Tenat][std::size_t(i)] = s1;
    ris.freddo[Sezid][std::size_t(i)] = Ai;
    return true;
}

enum class FineRiga { Ok, Discriminante, Impossibile };

// One hot row, temperature by temperature; the temperatures before a failure
// keep what they were given. `w` carries the bar spacing across temperatures
// and rows when no bar fits.
FineRiga rigaCalda(const std::array<double, 8>& v, int i, double& w, RisultatiCerchiature& ris)
{
    const double R = v[0], F = v[1], dr = v[2], sa = v[3], T0 = v[4], s = v[5], h = v[6], b = v[7];
    TabellaCaldo& tab = ris.caldo[std::size_t(i)];
    // What does not depend on the temperature is worked out once; its
    // failures count where they did in the per-temperature order: those of
    // `prima` before the discriminant test, those of `dopo` after it.
    Conti prima;
    const double c1 = prima.valore(1 + sa / (m * Ec));
    const double c2 = prima.valore(1 - sa / (m * Ec));
    const double Bc = prima.dividi(R * c2, c1);
    const double C = prima.dividi(R * E * ts, Ec * c1);
    Conti dopo;
    const double Rt = dopo.valore(R + F / (2 * piCaldo) + dr);
    const double spessore = dopo.dividi(s, h);
    const double n = dopo.taglia(dopo.dividi(2 * R * piCaldo, b));
    double wNuovo = w;
    if (n > 0) {
        wNuovo = dopo.valore(2 * R * piCaldo / n - h);
    }
    const double Ch = dopo.tronca(Rt * 2 * piCaldo, 3);
    const double ratot = dopo.tronca(Rt, 3);
    const double raor = dopo.tronca(dopo.dividi(R, c1), 3);
    const double spa = dopo.tronca(wNuovo, 1);
    int j = 0;
    for (int t = -40; t <= 60; ++t) {
        ++j;
        Conti k;
        k.ok = prima.ok;
        const double kT = 1 + alfa * (T0 - t);
        const double B = Bc + k.dividi(E * kT * ts, Ec * c1);
        const double delta = k.valore(B * B - 4 * C);
        if (!k.ok) {
            return FineRiga::Impossibile;
        }
        if (delta <= 0) {
            return FineRiga::Discriminante;
        }
        const double x = (B + std::sqrt(delta)) / 2;
        const double Rf = k.dividi(R, kT);
        const double sc = k.dividi((x - Rf) * E * kT * ts, R * x);
        const double sr = k.valore(x * sc / ts);
        const double Tm = k.dividi(Rt - Rf, Rf * alfa) + t;
        const double dL = k.valore(2 * piCaldo * (R - x));
        std::array<double, kColonneCaldo> r{};
        r[Raor] = raor;
        r[Racer] = k.tronca(x, 3);
        r[Rafr] = k.tronca(Rf, 3);
        r[Ratot] = ratot;
        r[Circ] = Ch;
        r[All] = k.tronca(dL, 4);
        r[Tamon] = k.taglia(Tm);
        r[Traz] = k.taglia(sr);
        r[Compr] = k.tronca(sc, 1);
        r[Spes] = spessore;
        r[Nlon] = n;
        r[Spa] = spa;
        if (!k.ok || !dopo.ok) {
            return FineRiga::Impossibile;
        }
        w = wNuovo;
        for (int c = 0; c < kColonneCaldo; ++c) {
            tab[std::size_t(c)][std::size_t(j)] = r[std::size_t(c)];
        }
    }
    return FineRiga::Ok;
}

} // namespace

void DatiCerchiature::svuota()
{
    for (auto& c : colonne) {
        c.fill(QString());
    }
}

RisultatiCerchiature::RisultatiCerchiature()
    : caldo(kRighe + 1)
{
}

std::optional<double> RisultatiCerchiature::valoreFreddo(int c, int riga) const
{
    if (c < 0 || c >= 5 || riga < 0 || riga > kRighe) {
        return std::nullopt;
    }
    return freddo[std::size_t(c)][std::size_t(riga)];
}

std::optional<double> RisultatiCerchiature::valoreCaldo(int c, int riga, int j) const
{
    if (c < 0 || c >= kColonneCaldo || riga < 0 || riga > kRighe || j < 0 || j > kTemperature) {
        return std::nullopt;
    }
    return caldo[std::size_t(riga)][std::size_t(c)][std::size_t(j)];
}

void RisultatiCerchiature::svuotaRiga(int riga)
{
    if (riga < 0 || riga > kRighe) {
        return;
    }
    for (auto& c : freddo) {
        c[std::size_t(riga)].reset();
    }
    for (auto& c : caldo[std::size_t(riga)]) {
        c.fill(std::nullopt);
    }
}

EsitoCalcolo CalcolaCerchiature(const DatiCerchiature& dati, int tipo, int numero, RisultatiCerchiature& ris)
{
    EsitoCalcolo esito;
    const int ultima = std::clamp(numero, 0, kRighe);
    double w = 0;
    for (int i = 1; i <= ultima; ++i) {
        if (tipo == kCaldo) {
            std::array<double, 8> v{};
            const auto l = leggi(dati, i, std::array{Rag, Fes, Incr, Tens, Temp, Inter, Hcer, Longh}, v);
            if (l == Lettura::Vuoto) {
                return {FineCalcolo::Incompleto, i, esito.nota, QString()};
            }
            if (l == Lettura::NonNumero) {
                return impossibile(i);
            }
            switch (rigaCalda(v, i, w, ris)) {
            case FineRiga::Ok: break;
            case FineRiga::Discriminante: return {FineCalcolo::Incompleto, i, esito.nota, QString()};
            case FineRiga::Impossibile: return impossibile(i);
            }
        } else {
            std::array<double, 4> v{};
            const auto l = leggi(dati, i, std::array{Rag, Elic, Car, Alt}, v);
            if (l == Lettura::Vuoto) {
                return {FineCalcolo::Incompleto, i, esito.nota, QString()};
            }
            if (l == Lettura::NonNumero || !rigaFredda(v, i, ris)) {
                auto e = impossibile(i);
                e.nota = esito.nota;
                return e;
            }
            esito.nota = v[1] > 12 ? testi_cercol::kNotaFi12 : testi_cercol::kNotaBenEseguito;
        }
    }
    esito.riga = ultima;
    return esito;
}

int ContaCerchiature(const DatiCerchiature& dati)
{
    int n = 0;
    for (int r = 1; r <= kRighe; ++r) {
        const auto v = numeri::daTesto(dati.valore(Rag, r));
        if (v && *v > 0) {
            ++n;
        }
    }
    return n;
}

QString testoGuida(const DatiCerchiature& dati, int tipo, int numero, int riga)
{
    namespace T = testi_cercol;
    if (numero == 0) {
        return T::kGuidaInizio;
    }
    const int r = std::clamp(riga, 1, kRighe);
    const QString prefisso = T::kGuidaCerchiatura + numeri::stampa(r) + T::kGuidaDigitare;
    if (vuoto(dati.valore(Rag, r))) {
        return prefisso + T::kGuidaCampi[0];
    }
    if (tipo == kFreddo) {
        for (Campo c : {Elic, Car, Alt}) {
            if (vuoto(dati.valore(c, r))) {
                return prefisso + T::kGuidaCampi[std::size_t(c)];
            }
        }
    }
    return T::kGuidaFine;
}

std::optional<Mancante> primoMancante(const DatiCerchiature& dati, int tipo, int numero)
{
    const int ultima = std::clamp(numero, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        if (vuoto(dati.valore(Rag, r))) {
            return Mancante{r, Rag};
        }
        // A hot row lacking any of its values is as incomplete as a cold one:
        // the pass stops there, so a file or a listing of it would be empty.
        std::vector<Campo> campi;
        if (tipo == kFreddo) {
            campi = {Elic, Car, Alt};
        } else if (tipo == kCaldo) {
            campi = {Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
        }
        for (Campo c : campi) {
            if (vuoto(dati.valore(c, r))) {
                return Mancante{r, c};
            }
        }
    }
    return std::nullopt;
}

} // namespace modcercol
