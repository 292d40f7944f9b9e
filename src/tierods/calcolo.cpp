#include "tierods/calcolo.h"

#include "shell/acciaio.h"
#include "shell/numeri.h"
#include "tierods/testi.h"

#include <algorithm>
#include <cmath>

namespace modtiranti {

namespace {

constexpr double E = acciaio::kModulo;
constexpr double alfa = acciaio::kDilatazione;
constexpr double pi = 3.14;
constexpr double deltaAlfa = -0.000006;
constexpr double kCorda = 176.644;

// Above this magnitude a whole-number cut is no longer exact, and no real
// tie rod comes near it: such a row is treated as not computable.
constexpr double kLimite = 1e9;

// Collects every failure of the arithmetic of one row, so the row is either
// computed whole or not written at all.
class Conti {
public:
    bool ok = true;

    double valore(double x)
    {
        if (!std::isfinite(x)) {
            ok = false;
            return 0;
        }
        return x;
    }
    double taglia(double x)
    {
        if (!std::isfinite(x) || std::fabs(x) >= kLimite) {
            ok = false;
            return 0;
        }
        return numeri::intero(x);
    }
    double radice(double x)
    {
        if (!std::isfinite(x) || x < 0) {
            ok = false;
            return 0;
        }
        return std::sqrt(x);
    }
    double dividi(double a, double b)
    {
        if (b == 0 || !std::isfinite(a) || !std::isfinite(b)) {
            ok = false;
            return 0;
        }
        return valore(a / b);
    }
};

struct RigaCalcolata {
    double coes = 0, attr = 0, sforz = 0, diam = 0, lungh = 0;
    std::optional<double> gir, biet;
    bool tocca = true;   // a negative pitch leaves gir and biet as they were
    TabellaTemperature tab;
};

} // namespace

ColonnaRighe& DatiTiranti::colonna(int campo)
{
    return const_cast<ColonnaRighe&>(static_cast<const DatiTiranti*>(this)->colonna(campo));
}

const ColonnaRighe& DatiTiranti::colonna(int campo) const
{
    switch (campo) {
    case Spes: return spes;
    case Rag: return rag;
    case Car: return car;
    case Coeff: return coeff;
    case Traz: return traz;
    case Dist: return dist;
    case Sigmaf: return sigmaf;
    case Deform: return deform;
    default: return pass;
    }
}

void DatiTiranti::svuota()
{
    for (int c = 0; c < kCampi; ++c) {
        colonna(c).fill(QString());
    }
}

RisultatiTiranti::RisultatiTiranti() : tabella(kRighe + 1) {}

ColonnaRisultati& RisultatiTiranti::colonna(int c)
{
    return const_cast<ColonnaRisultati&>(static_cast<const RisultatiTiranti*>(this)->colonna(c));
}

const ColonnaRisultati& RisultatiTiranti::colonna(int c) const
{
    switch (c) {
    case 0: return coes;
    case 1: return attr;
    case 2: return sforz;
    case 3: return diam;
    case 4: return lungh;
    case 5: return gir;
    default: return biet;
    }
}

void RisultatiTiranti::svuotaRiga(int riga)
{
    for (int c = 0; c < 7; ++c) {
        colonna(c)[riga].reset();
    }
    tabella[riga] = TabellaTemperature();
}

bool valeZero(const QString& testo)
{
    const auto v = numeri::daTesto(testo);
    if (!v) {
        return false;
    }
    return numeri::numeroIniziale(numeri::testo(*v * 100)) == 0;
}

int ContaTiranti(const DatiTiranti& dati)
{
    int n = 0;
    for (int r = 1; r <= kRighe; ++r) {
        if (dati.spes[r].isEmpty()) {
            continue;
        }
        // A thickness that is not a number still marks a started rod.
        const auto v = numeri::daTesto(dati.spes[r]);
        if (!v || numeri::numeroIniziale(numeri::testo(*v * 100)) > 0) {
            ++n;
        }
    }
    return n;
}

QString testoGuida(const DatiTiranti& dati, int numeroTiranti, int riga)
{
    using namespace testi_tiranti;
    if (numeroTiranti == 0) {
        return kGuidaInizio;
    }
    if (riga < 1 || riga > kRighe) {
        return kGuidaFine;
    }
    for (int c = 0; c < kCampi; ++c) {
        if (dati.colonna(c)[riga].isEmpty()) {
            return kGuidaTirante + numeri::stampa(riga) + kGuidaDigitare + kGuidaCampi[c];
        }
    }
    return kGuidaFine;
}

std::optional<Mancante> primoMancante(const DatiTiranti& dati, int numeroTiranti)
{
    for (int r = 1; r <= numeroTiranti && r <= kRighe; ++r) {
        for (int c = 0; c < kCampi; ++c) {
            if (dati.colonna(c)[r].isEmpty()) {
                return Mancante{r, Campo(c)};
            }
        }
    }
    return std::nullopt;
}

namespace {

// Steps 3 to 11 of one row; nothing when the arithmetic fails.
std::optional<RigaCalcolata> calcolaRiga(const std::array<double, 8>& v, double passo)
{
    const double spes = v[Spes], rag = v[Rag], car = v[Car], coeff = v[Coeff];
    const double traz = v[Traz], dist = v[Dist], sigmaf = v[Sigmaf], deform = v[Deform];
    Conti k;
    RigaCalcolata out;

    const double Fc = k.valore(((pi * (rag + spes / 2)) * spes) * traz);
    const double Fa = k.valore(((coeff * car) * spes) * (spes + 2 * rag));
    double S = Fc / 2;
    if (Fa < Fc) {
        S = Fa / 2;
    }
    const double A = k.dividi(S, sigmaf);
    const double d = k.taglia(k.radice(A / pi) * 20) / 10;
    const double eps = sigmaf / E;
    const double L0 = k.dividi(dist, eps + 1);

    TabellaTemperature& tab = out.tab;
    int j = 0;
    for (int t = -40; t <= 60; ++t) {
        ++j;
        tab.ttir[j] = k.taglia(eps / alfa + t);
        tab.dilat[j] = deltaAlfa * (j - 1);
        const double deltaSigma = tab.dilat[j] * E;
        double sig = k.taglia(sigmaf + deltaSigma);
        if (sig < 0) {
            sig = 0;
        }
        tab.sigatt[j] = sig;
        tab.freq[j] = k.taglia(k.dividi(k.radice(sig) * kCorda, dist) * 10) / 10;
        tab.traen[j] = k.taglia(A * sig);
    }
    for (j = 1; j <= kTemperature; ++j) {
        tab.dilat[j] = tab.dilat[j] * 100;
    }
    tab.presente = true;

    const double dl = k.valore(deform * k.dividi(dist * S, A * E));
    double n = 0;
    if (passo != 0) {
        n = k.dividi(dl, passo / 10);
    }
    out.coes = k.taglia(Fc);
    out.attr = k.taglia(Fa);
    out.sforz = k.taglia(S);
    out.diam = d;
    out.lungh = k.taglia(L0 * 10);
    if (passo > 0) {
        out.gir = k.taglia(n * 10) / 10;
    } else if (passo == 0) {
        out.biet = k.taglia(dl * 100) / 10;
    } else {
        out.tocca = false;
    }
    if (!k.ok) {
        return std::nullopt;
    }
    return out;
}

} // namespace

EsitoCalcolo CalcolaTiranti(const DatiTiranti& dati, int numeroTiranti, RisultatiTiranti& ris)
{
    const int ultima = std::min(numeroTiranti, kRighe);
    for (int i = 1; i <= ultima; ++i) {
        for (int c = Spes; c <= Deform; ++c) {
            if (dati.colonna(c)[i].isEmpty()) {
                return {FineCalcolo::Incompleto, i, QString()};
            }
        }
        std::array<double, 8> v{};
        bool tuttiNumeri = true;
        for (int c = Spes; c <= Deform; ++c) {
            if (valeZero(dati.colonna(c)[i])) {
                return {FineCalcolo::Incompleto, i, QString()};
            }
            const auto x = numeri::daTesto(dati.colonna(c)[i]);
            tuttiNumeri = tuttiNumeri && x.has_value();
            v[c] = x.value_or(0);
        }
        // A pitch never typed or emptied is a wedge.
        std::optional<double> passo = 0.0;
        if (!dati.pass[i].isEmpty()) {
            passo = numeri::daTesto(dati.pass[i]);
        }
        std::optional<RigaCalcolata> riga;
        if (tuttiNumeri && passo) {
            riga = calcolaRiga(v, *passo);
        }
        if (!riga) {
            return {FineCalcolo::Impossibile, i,
                    testi_tiranti::kGuidaTirante + numeri::stampa(i) + testi_tiranti::kGuidaImpossibile};
        }
        ris.coes[i] = riga->coes;
        ris.attr[i] = riga->attr;
        ris.sforz[i] = riga->sforz;
        ris.diam[i] = riga->diam;
        ris.lungh[i] = riga->lungh;
        if (riga->tocca) {
            ris.gir[i] = riga->gir;
            ris.biet[i] = riga->biet;
        }
        ris.tabella[i] = riga->tab;
    }
    return {FineCalcolo::Completo, 0, QString()};
}

} // namespace modtiranti
