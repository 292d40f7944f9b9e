#include "stitching/calcolo.h"

#include "shell/numeri.h"
#include "stitching/testi.h"

#include <algorithm>
#include <cmath>

namespace modcuciture {

namespace T = testi_cuciture;
using numeri::intero;

namespace {

constexpr double kEm = 200000;      // masonry modulus, kg/cm²
constexpr double kEs = 2000000;     // steel modulus, kg/cm²
constexpr double kAlfa = 0.000012;  // steel expansion per °C
constexpr double kPi = 3.14;
constexpr double kSigmaPredefinita = 1000;

std::size_t indice(int riga, int k, int lato, int campo)
{
    return ((std::size_t(riga) * 102 + std::size_t(k)) * 3 + std::size_t(lato)) * kCampiCaldo + std::size_t(campo);
}

bool vuoto(const QString& t) { return t.isEmpty(); }

bool leggeZero(const QString& t) { return numeri::numeroIniziale(t) == 0; }

// Every value a row's arithmetic produces must be finite before it is kept.
bool finiti(std::initializer_list<double> valori)
{
    return std::all_of(valori.begin(), valori.end(), [](double v) { return numeri::finito(v); });
}

bool calcolaFreddo(const DatiCuciture& d, int r, RisultatiCuciture& ris)
{
    if (!ris.sigmf[std::size_t(r)]) {
        ris.sigmf[std::size_t(r)] = kSigmaPredefinita;
    }
    const double sigmas = *ris.sigmf[std::size_t(r)];
    if (leggeZero(d.valore(Car, r)) || leggeZero(d.valore(Cort, r)) || leggeZero(d.valore(Lung, r))) {
        return false;
    }
    const auto a = numeri::daTesto(d.valore(Cort, r));
    const auto b = numeri::daTesto(d.valore(Lung, r));
    const auto h = numeri::daTesto(d.valore(Alt, r));
    const auto diam = numeri::daTesto(d.valore(Diam, r));
    const auto P = numeri::daTesto(d.valore(Car, r));
    // Height and bar diameter are used before any test of their own: an
    // empty or foreign text stops the row like missing data.
    if (!a || !b || !h || !diam || !P || *a == 0 || *b == 0) {
        return false;
    }
    const double dd = *diam / 10;
    const double sigmav = *P / (*a * *b);
    const double F = *b * *h * sigmav / 4;
    const double n = F / (sigmas * (dd / 2) * (dd / 2) * kPi);
    if (!finiti({sigmav, F, n}) || n == 0) {
        return false;
    }
    if (leggeZero(d.valore(Pas, r))) {
        return false;
    }
    const auto p = numeri::daTesto(d.valore(Pas, r));
    if (!p || *p == 0) {
        return false;
    }
    const double i = (*b * *h / n) / *p;
    if (!finiti({i})) {
        return false;
    }
    ris.compv[std::size_t(r)] = numeri::arrotonda(100 * sigmav) / 100;
    ris.assorb[std::size_t(r)] = intero(F);
    ris.bar[std::size_t(r)] = numeri::arrotonda(n);
    ris.orizz[std::size_t(r)] = numeri::arrotonda(i);
    return true;
}

struct RigaCalda {
    double sigmaa, S[3], F[3], h, d, p, Tp, rott, D;
};

std::optional<RigaCalda> leggiCalda(const DatiCuciture& d, int r)
{
    if (vuoto(d.valore(Tens, r)) || vuoto(d.valore(Diam, r))) {
        return std::nullopt;
    }
    for (Campo c : {Cort, Lung, Fesc, Fesl, Alt, Pas, Temp, Rott, Rond}) {
        if (vuoto(d.valore(c, r))) {
            return std::nullopt;
        }
    }
    RigaCalda rc{};
    const std::pair<Campo, double*> campi[] = {{Tens, &rc.sigmaa}, {Cort, &rc.S[1]}, {Lung, &rc.S[2]},
                                               {Fesc, &rc.F[1]},   {Fesl, &rc.F[2]}, {Alt, &rc.h},
                                               {Diam, &rc.d},      {Pas, &rc.p},     {Temp, &rc.Tp},
                                               {Rott, &rc.rott},   {Rond, &rc.D}};
    for (const auto& [c, v] : campi) {
        const auto x = numeri::daTesto(d.valore(c, r));
        if (!x) {
            return std::nullopt;
        }
        *v = *x;
    }
    rc.d /= 10;
    return rc;
}

double tiePerFila(QString& mostrato)
{
    const double n = numeri::numeroIniziale(mostrato);
    if (n == 0 || !numeri::finito(n)) {
        mostrato = QStringLiteral("1");
        return 1;
    }
    return n;
}

// One side at one temperature; false when the values defeat the arithmetic
// (zero pitch, bar or washer sizes that cancel, a side no wider than half its
// cracks), which stops the row as missing data would.
bool calcolaLato(const RigaCalda& rc, int r, int k, int s, double t, double g, double Ep, double theta, double N,
                 RisultatiCuciture& ris, bool& rottura)
{
    const double Ss = rc.S[s];
    const double A = Ss - rc.F[s] / 2;
    const double L0 = intero(1000 * A / g) / 1000;
    const double As = (rc.d / 2) * (rc.d / 2) * kPi * N;
    const double i = Ss / N;
    const double Lf = intero(1000 * A / theta) / 1000;
    if (L0 == 0 || Lf == 0 || As == 0 || rc.p == 0 || i == 0 || Ep == 0 || rc.D * rc.D == rc.d * rc.d) {
        return false;
    }
    const double X = (Ep * Lf / L0 - Ep) * (1 / L0 + As * kEs / (rc.p * i * Lf * Ep));
    const double sigmac = -intero(100 * X) / 100;
    const double sigmas = intero(sigmac * rc.p * i / As);
    const double Lr = intero(1000 * Lf * (1 + sigmas / kEs)) / 1000;
    const double sigmaw = intero(100 * (4 * sigmac * Ss * rc.p) / (N * kPi * (rc.D * rc.D - rc.d * rc.d))) / 100;
    const double R = intero(100 * rc.rott);
    const double Tm = (Ss - Lf) / (Lf * kAlfa) + t;
    const double delta = intero(1000 * (Ss - Lr)) / 1000;
    const double totale = numeri::arrotonda((rc.h / rc.p) * N);
    const double mont = intero(Tm);
    if (!finiti({L0, Lf, X, sigmac, sigmas, Lr, sigmaw, R, Tm, delta, totale, mont})) {
        return false;
    }
    if (100 * sigmaw > R || 100 * sigmac > R) {
        rottura = true;
    }
    ris.caldo(r, k, s, Orig) = L0;
    ris.caldo(r, k, s, Fred) = Lf;
    ris.caldo(r, k, s, Tirpil) = sigmac;
    ris.caldo(r, k, s, Sigm) = sigmas;
    ris.caldo(r, k, s, Raffr) = Lr;
    ris.caldo(r, k, s, Compr) = sigmaw;
    ris.caldo(r, k, s, Mont) = mont;
    ris.caldo(r, k, s, All) = delta;
    ris.ntir[std::size_t(r)][std::size_t(s)] = N;
    ris.tottir[std::size_t(r)][std::size_t(s)] = totale;
    return true;
}

bool calcolaCaldo(const DatiCuciture& d, int r, RisultatiCuciture& ris, ConteggiMostrati& m, EsitoCalcolo& esito)
{
    const auto rc = leggiCalda(d, r);
    if (!rc) {
        return false;
    }
    const double g = 1 + rc->sigmaa / (4 * kEm);
    const double Ep = kEm + rc->sigmaa / 4;
    if (g == 0) {
        return false;
    }
    for (int k = 1; k <= kTemperature; ++k) {
        const double t = k - 41;
        const double theta = 1 + kAlfa * (rc->Tp - t);
        if (theta == 0) {
            return false;
        }
        for (int s = 1; s <= 2; ++s) {
            const double N = tiePerFila(m.ntir[std::size_t(s)]);
            if (!calcolaLato(*rc, r, k, s, t, g, Ep, theta, N, ris, esito.rottura)) {
                return false;
            }
        }
        // The refresh after each temperature puts the shown pier's stored
        // counts back on screen, and the next side reads them from there.
        esito.aggiornato = true;
        const int mostrata = m.rigaMostrata;
        if (mostrata >= 1 && mostrata <= kRighe) {
            for (int s = 1; s <= 2; ++s) {
                const Valore& v = ris.ntir[std::size_t(mostrata)][std::size_t(s)];
                m.ntir[std::size_t(s)] = v ? numeri::testo(*v) : QString();
            }
        }
    }
    return true;
}

} // namespace

RisultatiCuciture::RisultatiCuciture()
    : caldo_(std::size_t(101) * 102 * 3 * kCampiCaldo)
{
}

Valore& RisultatiCuciture::caldo(int riga, int k, int lato, int campo) { return caldo_[indice(riga, k, lato, campo)]; }

const Valore& RisultatiCuciture::caldo(int riga, int k, int lato, int campo) const
{
    return caldo_[indice(riga, k, lato, campo)];
}

void RisultatiCuciture::svuotaRiga(int riga)
{
    if (riga < 0 || riga > kRighe) {
        return;
    }
    const auto r = std::size_t(riga);
    for (ColonnaRisultati* c : {&sigmf, &compv, &assorb, &bar, &orizz}) {
        (*c)[r].reset();
    }
    ntir[r] = {};
    tottir[r] = {};
    std::fill(caldo_.begin() + std::ptrdiff_t(indice(riga, 0, 0, 0)),
              caldo_.begin() + std::ptrdiff_t(indice(riga + 1, 0, 0, 0)), Valore{});
}

EsitoCalcolo CalcolaCuciture(const DatiCuciture& dati, int numeroCuciture, int tipo, RisultatiCuciture& ris,
                             ConteggiMostrati& mostrati)
{
    EsitoCalcolo esito;
    const int ultima = std::clamp(numeroCuciture, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        const bool ok = tipo == kCaldo ? calcolaCaldo(dati, r, ris, mostrati, esito) : calcolaFreddo(dati, r, ris);
        if (!ok) {
            esito.riga = r;
            return esito;
        }
    }
    esito.completo = true;
    return esito;
}

int ContaCuciture(const DatiCuciture& dati)
{
    int n = 0;
    for (int r = 1; r <= kRighe; ++r) {
        if (numeri::numeroIniziale(dati.valore(Cort, r)) > 0) {
            ++n;
        }
    }
    return n;
}

std::vector<Campo> campiRichiesti(int tipo)
{
    if (tipo == kCaldo) {
        return {Cort, Lung, Alt, Diam, Pas, Fesc, Fesl, Tens, Temp, Rott, Rond};
    }
    return {Cort, Lung, Alt, Diam, Pas, Car};
}

std::optional<Mancante> primoMancante(const DatiCuciture& dati, int numeroCuciture, int tipo)
{
    const auto campi = campiRichiesti(tipo);
    const int ultima = std::clamp(numeroCuciture, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        for (Campo c : campi) {
            if (dati.valore(c, r).isEmpty()) {
                return Mancante{r, c};
            }
        }
    }
    return std::nullopt;
}

QString testoGuida(const DatiCuciture& dati, int numeroCuciture, int tipo)
{
    if (numeroCuciture == 0) {
        return T::kGuidaInizio;
    }
    if (const auto m = primoMancante(dati, numeroCuciture, tipo)) {
        return T::kGuidaCampi[std::size_t(m->campo)] + T::kGuidaCucitura + numeri::stampa(m->riga);
    }
    return T::kGuidaFine;
}

QString testoMancante(const Mancante& m)
{
    return T::kControlloCucitura + numeri::stampa(m.riga) + QStringLiteral(": ") + QLatin1Char('\r') +
           T::kControlloDigitare + T::kControlloCampi[std::size_t(m.campo)];
}

} // namespace modcuciture
