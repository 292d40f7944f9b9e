#include "pillarhooping/calcolo.h"

#include "pillarhooping/testi.h"
#include "shell/numeri.h"

#include <algorithm>
#include <cmath>

namespace modcerpil {

namespace {

constexpr double kPi = 3.14;
constexpr double kPassoMassimo = 10;
constexpr double kDivisorePasso = 5;
constexpr double kAf = 15.36;
constexpr double kPesoAf = 15;
constexpr double kPesoElica = 45;

// Past this magnitude a whole-number cut is no longer exact and the display
// would need an exponent: such a value is left unshown.
constexpr double kLimite = 1e14;

std::optional<double> misura(double x)
{
    if (!std::isfinite(x) || std::fabs(x) >= kLimite) {
        return std::nullopt;
    }
    return x;
}

std::optional<double> taglio(double x)
{
    const auto v = misura(x);
    return v ? std::optional<double>(numeri::intero(*v)) : std::nullopt;
}

// ⌊100·x⌋/100, unshown when x is out of reach.
std::optional<double> centesimi(double x)
{
    const auto v = taglio(100 * x);
    return v ? std::optional<double>(*v / 100) : std::nullopt;
}

bool leggeZero(const QString& t) { return numeri::numeroIniziale(t) == 0; }

// Cold helix guidance order; the hot type asks its own four fields instead of the load.
const std::array<Campo, 6> kOrdineFreddo = {Cort, Lung, Alt, Diam, Sez, Car};
const std::array<Campo, 9> kOrdineCaldo = {Cort, Lung, Alt, Diam, Sez, Fesc, Fesl, Tens, Temp};

} // namespace

std::optional<double> RisultatiPilastri::valore(int c, int riga) const
{
    if (c < 0 || c >= 5 || riga < 0 || riga > kRighe) {
        return std::nullopt;
    }
    return colonne[std::size_t(c)][std::size_t(riga)];
}

bool CalcolaPilastri(const DatiPilastri& dati, int numero, RisultatiPilastri& ris, int* calcolate)
{
    const int ultima = std::clamp(numero, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        if (calcolate) {
            *calcolate = r - 1;
        }
        std::array<double, 5> v{};
        const Campo campi[5] = {Cort, Lung, Alt, Diam, Car};
        for (int k = 0; k < 5; ++k) {
            const QString& t = dati.valore(campi[k], r);
            if (leggeZero(t)) {
                return false;
            }
            // The values themselves as typed, with the decimal comma.
            const auto x = numeri::daTesto(t);
            if (!x) {
                return false;
            }
            v[std::size_t(k)] = *x;
        }
        const double a = v[0], b = v[1], h = v[2], diam = v[3], P = v[4];
        const double A = a * b;
        const double m = a > b ? b : a;
        double p = numeri::intero(std::clamp(m / kDivisorePasso, -kLimite, kLimite));
        if (p > kPassoMassimo) {
            p = kPassoMassimo;
        }
        const double Ab = (diam / 20) * (diam / 20) * kPi;
        auto& c = ris.colonne;
        c[Pasel][std::size_t(r)] = p;
        c[Tenp][std::size_t(r)] = A != 0 ? centesimi(P / A) : std::nullopt;
        if (p == 0) {
            // No helix with a zero pitch: its length and section have no value.
            c[Lunel][std::size_t(r)].reset();
            c[Sezid][std::size_t(r)].reset();
            c[Tenat][std::size_t(r)].reset();
            continue;
        }
        const double Ast = 2 * (a + b) * Ab / p;
        c[Lunel][std::size_t(r)] = taglio((h / p) * (a + b) * 2 + h);
        const auto Aid = taglio(A + kPesoAf * kAf + kPesoElica * Ast);
        c[Sezid][std::size_t(r)] = Aid;
        c[Tenat][std::size_t(r)] = Aid && *Aid != 0 ? centesimi(P / *Aid) : std::nullopt;
    }
    if (calcolate) {
        *calcolate = ultima;
    }
    return true;
}

int ContaPilastri(const DatiPilastri& dati)
{
    int n = 0;
    for (int r = 1; r <= kRighe; ++r) {
        if (numeri::numeroIniziale(dati.valore(Cort, r)) > 0) {
            ++n;
        }
    }
    return n;
}

std::optional<Mancante> primoMancante(const DatiPilastri& dati, int tipo, int numero)
{
    const int ultima = std::clamp(numero, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        const auto cerca = [&](const auto& ordine) -> std::optional<Mancante> {
            for (Campo c : ordine) {
                if (dati.valore(c, r).isEmpty()) {
                    return Mancante{r, c};
                }
            }
            return std::nullopt;
        };
        const auto m = tipo == kCaldo ? cerca(kOrdineCaldo) : cerca(kOrdineFreddo);
        if (m) {
            return m;
        }
    }
    return std::nullopt;
}

QString testoGuida(const DatiPilastri& dati, int tipo, int numero)
{
    namespace T = testi_cerpil;
    if (numero == 0) {
        return T::kGuidaInizio;
    }
    if (const auto m = primoMancante(dati, tipo, numero)) {
        return T::kGuidaCampi[std::size_t(m->campo)] + T::kGuidaCerchiatura + QLatin1Char(' ') +
               QString::number(m->riga);
    }
    return T::kGuidaFine;
}

} // namespace modcerpil
