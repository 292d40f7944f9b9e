#include "stitching/calcolo.h"

#include "shell/acciaio.h"
#include "shell/numeri.h"
#include "stitching/testi.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>

namespace modcuciture {

namespace T = testi_cuciture;
using numeri::intero;

namespace {

constexpr double kEm = 200000;      // masonry modulus, kg/cm²
constexpr double kEs = acciaio::kModulo;
constexpr double kAlfa = acciaio::kDilatazione;
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
    return std::all_of(valori.begin(), valori.end(), [](double v) { return std::isfinite(v); });
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

// What one side of a row keeps whatever the temperature, for a count of ties
// per horizontal row N.
struct Lato {
    double N = 0;
    double A = 0, L0 = 0, As = 0, i = 0, R = 0, totale = 0;
    bool ok = false;
    bool pronto = false;
};

Lato preparaLato(const RigaCalda& rc, int s, double g, double Ep, double N)
{
    Lato l;
    l.N = N;
    l.pronto = true;
    const double Ss = rc.S[s];
    l.A = Ss - rc.F[s] / 2;
    l.L0 = intero(1000 * l.A / g) / 1000;
    l.As = (rc.d / 2) * (rc.d / 2) * kPi * N;
    l.i = Ss / N;
    l.R = intero(100 * rc.rott);
    l.totale = numeri::arrotonda((rc.h / rc.p) * N);
    l.ok = !(l.L0 == 0 || l.As == 0 || rc.p == 0 || l.i == 0 || Ep == 0 || rc.D * rc.D == rc.d * rc.d) &&
           finiti({l.L0, l.R, l.totale});
    return l;
}

// One side at one temperature; false when the values defeat the arithmetic
// (zero pitch, bar or washer sizes that cancel, a side no wider than half its
// cracks), which stops the row as missing data would.
bool calcolaLato(const RigaCalda& rc, const Lato& l, int r, int k, int s, double t, double theta, double Ep,
                 RisultatiCuciture& ris, bool& rottura)
{
    const double Ss = rc.S[s];
    const double N = l.N;
    const double L0 = l.L0;
    const double As = l.As;
    const double i = l.i;
    const double R = l.R;
    const double Lf = intero(1000 * l.A / theta) / 1000;
    if (!l.ok || Lf == 0) {
        return false;
    }
    const double X = (Ep * Lf / L0 - Ep) * (1 / L0 + As * kEs / (rc.p * i * Lf * Ep));
    const double sigmac = -intero(100 * X) / 100;
    const double sigmas = intero(sigmac * rc.p * i / As);
    const double Lr = intero(1000 * Lf * (1 + sigmas / kEs)) / 1000;
    const double sigmaw = intero(100 * (4 * sigmac * Ss * rc.p) / (N * kPi * (rc.D * rc.D - rc.d * rc.d))) / 100;
    const double Tm = (Ss - Lf) / (Lf * kAlfa) + t;
    const double delta = intero(1000 * (Ss - Lr)) / 1000;
    const double mont = intero(Tm);
    if (!finiti({Lf, X, sigmac, sigmas, Lr, sigmaw, Tm, delta, mont})) {
        return false;
    }
    if (100 * sigmaw > R || 100 * sigmac > R) {
        rottura = true;
    }
    // The eight fields of one side at one temperature lie side by side.
    Valore* v = &ris.caldo(r, k, s, 0);
    v[Orig] = L0;
    v[Fred] = Lf;
    v[Tirpil] = sigmac;
    v[Sigm] = sigmas;
    v[Raffr] = Lr;
    v[Compr] = sigmaw;
    v[Mont] = mont;
    v[All] = delta;
    ris.ntir[std::size_t(r)][std::size_t(s)] = N;
    ris.tottir[std::size_t(r)][std::size_t(s)] = l.totale;
    return true;
}

bool stessoValore(const Valore& a, const Valore& b)
{
    if (!a || !b) {
        return !a && !b;
    }
    return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
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
    // The shown counts are read back and rewritten after every temperature;
    // a text is parsed again only when it changed, and a count is formatted
    // again only when it differs from the one last written.
    std::array<Lato, 3> lati{};
    std::array<bool, 3> letto{};
    std::array<bool, 3> scritto{};
    std::array<Valore, 3> ultimo{};
    std::array<double, 3> Nletto{};
    for (int k = 1; k <= kTemperature; ++k) {
        const double t = k - 41;
        const double theta = 1 + kAlfa * (rc->Tp - t);
        if (theta == 0) {
            return false;
        }
        for (int s = 1; s <= 2; ++s) {
            const auto z = std::size_t(s);
            if (!letto[z]) {
                const QString prima = m.ntir[z];
                Nletto[z] = tiePerFila(m.ntir[z]);
                letto[z] = true;
                if (m.ntir[z] != prima) {
                    scritto[z] = false;   // the text no longer shows the count last written
                }
            }
            const double N = Nletto[z];
            if (!lati[z].pronto || std::bit_cast<std::uint64_t>(lati[z].N) != std::bit_cast<std::uint64_t>(N)) {
                lati[z] = preparaLato(*rc, s, g, Ep, N);
            }
            if (!calcolaLato(*rc, lati[z], r, k, s, t, theta, Ep, ris, esito.rottura)) {
                return false;
            }
        }
        // The refresh after each temperature puts the shown pier's stored
        // counts back on screen, and the next side reads them from there.
        esito.aggiornato = true;
        const int mostrata = m.rigaMostrata;
        if (mostrata >= 1 && mostrata <= kRighe) {
            for (int s = 1; s <= 2; ++s) {
                const auto z = std::size_t(s);
                const Valore& v = ris.ntir[std::size_t(mostrata)][z];
                if (!scritto[z] || !stessoValore(v, ultimo[z])) {
                    m.ntir[z] = v ? numeri::testo(*v) : QString();
                    ultimo[z] = v;
                    scritto[z] = true;
                    letto[z] = false;
                }
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

void RisultatiCuciture::svuotaCalcolati(int riga)
{
    if (riga < 0 || riga > kRighe) {
        return;
    }
    const auto sigma = sigmf[std::size_t(riga)];
    const auto n = ntir[std::size_t(riga)];
    svuotaRiga(riga);
    sigmf[std::size_t(riga)] = sigma;
    ntir[std::size_t(riga)] = n;
}

void MemoriaCaldo::dimentica()
{
    for (Riga& r : righe) {
        r.valida = false;
    }
}

namespace {

// Whether the remembered row was computed from the inputs the pass has now.
bool stessiIngressi(const MemoriaCaldo::Riga& m, const DatiCuciture& d, int r, const ConteggiMostrati& mostrati,
                    const RisultatiCuciture& ris)
{
    if (!m.valida || m.mostrata != mostrati.rigaMostrata || m.ntirPrima != mostrati.ntir) {
        return false;
    }
    if (mostrati.rigaMostrata >= 1 && mostrati.rigaMostrata <= kRighe) {
        const auto& v = ris.ntir[std::size_t(mostrati.rigaMostrata)];
        if (!stessoValore(v[1], m.ntirMostrata[1]) || !stessoValore(v[2], m.ntirMostrata[2])) {
            return false;
        }
    }
    for (int c = 0; c < kCampi; ++c) {
        if (m.dati[std::size_t(c)] != d.valore(c, r)) {
            return false;
        }
    }
    return true;
}

bool calcolaCaldoMemoria(const DatiCuciture& d, int r, RisultatiCuciture& ris, ConteggiMostrati& mostrati,
                         EsitoCalcolo& esito, MemoriaCaldo::Riga& m)
{
    if (!stessiIngressi(m, d, r, mostrati, ris)) {
        m.valida = false;
        m.ntirPrima = mostrati.ntir;
        m.mostrata = mostrati.rigaMostrata;
        if (m.mostrata >= 1 && m.mostrata <= kRighe) {
            m.ntirMostrata = ris.ntir[std::size_t(m.mostrata)];
        }
        for (int c = 0; c < kCampi; ++c) {
            m.dati[std::size_t(c)] = d.valore(c, r);
        }
        EsitoCalcolo riga;
        m.ok = calcolaCaldo(d, r, ris, mostrati, riga);
        m.rottura = riga.rottura;
        m.aggiornato = riga.aggiornato;
        m.ntirDopo = mostrati.ntir;
        m.valida = true;
    } else {
        mostrati.ntir = m.ntirDopo;
    }
    esito.rottura = esito.rottura || m.rottura;
    esito.aggiornato = esito.aggiornato || m.aggiornato;
    return m.ok;
}

} // namespace

EsitoCalcolo CalcolaCuciture(const DatiCuciture& dati, int numeroCuciture, int tipo, RisultatiCuciture& ris,
                             ConteggiMostrati& mostrati, MemoriaCaldo* memoria)
{
    if (memoria && tipo != kCaldo) {
        memoria->dimentica();
        memoria = nullptr;
    }
    EsitoCalcolo esito;
    const int ultima = std::clamp(numeroCuciture, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        bool ok = false;
        if (tipo != kCaldo) {
            ok = calcolaFreddo(dati, r, ris);
        } else if (memoria) {
            ok = calcolaCaldoMemoria(dati, r, ris, mostrati, esito, memoria->righe[std::size_t(r)]);
        } else {
            ok = calcolaCaldo(dati, r, ris, mostrati, esito);
        }
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
