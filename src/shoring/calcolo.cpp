#include "shoring/calcolo.h"

#include "shell/numeri.h"
#include "shoring/coefficienti.h"

#include <algorithm>
#include <cmath>

namespace modpuntelli {

namespace {

constexpr double r = 6.28 / 360;   // degrees to radians, as the method has it
constexpr double kSnellezza = 15;
constexpr double kCoesione = 0.5;
constexpr double kAngoloAngolata = 64;
constexpr double kQuotaAngolata = 0.149;

// A sine or cosine this small is a division by zero in disguise.
bool nullo(double x) { return std::fabs(x) < 1e-12; }

std::optional<double> numero(const QString& t)
{
    if (t.isEmpty()) {
        return std::nullopt;
    }
    return numeri::daTesto(t);
}

// Ends the pass on consolidation `c`: impossible or absurd arithmetic leaves
// it without results, the coefficients apart.
EsitoCalcolo fine(Consolidamento& cons, int c, Esito e)
{
    if (e == Esito::Impossibile || e == Esito::Assurdo) {
        const auto c1 = cons.ris.coefficienteC1;
        const auto c2 = cons.ris.coefficienteC2;
        svuotaRisultati(cons);
        cons.ris.coefficienteC1 = c1;
        cons.ris.coefficienteC2 = c2;
    }
    return {e, c};
}

bool tuttiFiniti(std::initializer_list<double> v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// A series of props (type 2): the thrust and the resultants of each, and
// into L0 the largest side they need. Completo when every prop was computed.
Esito spintePuntelli(Consolidamento& C, double Q, double sigmaA, double alfa, double& L0)
{
    for (int p = 1; p <= C.numeroPuntelli; ++p) {
        const auto f = numero(C.puntelli[p].frec);
        const auto h = numero(C.puntelli[p].altdef);
        if (!f || !h) {
            return Esito::Incompleto;
        }
        if (*h == 0 || sigmaA == 0) {
            return Esito::Impossibile;
        }
        RisultatiPuntello& rp = C.risPuntelli[p];
        const double spinta = numeri::intero(8 * Q * *f / *h);
        const double risPuntello = numeri::intero(spinta / std::cos(alfa * r));
        const double risParete = numeri::intero(spinta * std::tan(alfa * r));
        const double rapporto = risPuntello / sigmaA;
        if (rapporto < 0 || !tuttiFiniti({spinta, risPuntello, risParete, rapporto})) {
            return Esito::Assurdo;
        }
        rp.spinta = spinta;
        rp.risultantePuntello = risPuntello;
        rp.risultanteParete = risParete;
        rp.latoPuntello = numeri::arrotonda(std::sqrt(rapporto));
        L0 = std::max(L0, *rp.latoPuntello);
    }
    return Esito::Completo;
}

// A single prop (type 1): the friction and cohesion forces and the normal
// force that the kind of cracks takes from them.
Esito forzeAttritoCoesione(const Consolidamento& C, double Q, double H, double alfa, double& Fa, double& Fc, double& N)
{
    Fa = Q * std::sin(alfa * r);
    const auto sn = numero(C.spessnor);
    if (!sn) {
        return Esito::Incompleto;
    }
    if (nullo(std::sin(alfa * r))) {
        return Esito::Impossibile;
    }
    const double coesione = kCoesione * *sn * H;
    Fc = (Q - coesione) / std::sin(alfa * r);
    switch (C.lesioni) {
    case 2: N = (Fa + Fc) / 2; break;
    case 3: N = std::min(Fa, Fc); break;
    default: N = std::max(Fa, Fc); break;
    }
    return Esito::Completo;
}

struct Lato {
    double L = 0;       // side of the section
    double Lp = 0;      // length of the prop
    double D = 0;       // distance of its foot from the wall
    double sigma = 0;   // working stress (not for type 2)
};

// The side search: from L0 up by 1 cm to the first side slender enough and,
// but for type 2, within the allowable stress. Completo when one was found.
Esito cercaLato(Consolidamento& C, int t, double Q, double N, double H, double alfa, double sigmaA, double L0,
                Lato& lato)
{
    const double s90 = std::sin((90 - alfa) * r);
    const double sAlfa = std::sin(alfa * r);
    const double cAlfa = std::cos(alfa * r);
    if (nullo(s90) || nullo(sAlfa)) {
        return Esito::Impossibile;
    }
    if (!(L0 <= kLatoMassimo)) {
        return Esito::Assurdo;
    }
    double L = L0, Lp = 0, D = 0, sigma = 0;
    for (;; L += 1) {
        if (L > kLatoMassimo) {
            return Esito::Assurdo;
        }
        Lp = (H - L * s90) / sAlfa;
        D = cAlfa * (Lp - L / s90);
        if (L < Lp / kSnellezza) {
            continue;
        }
        C.ris.caricoComplessivo = numeri::intero(Q);
        if (t != 2) {
            // A zero side carries nothing: its stress exceeds any allowable one.
            if (L <= 0) {
                continue;
            }
            sigma = numeri::arrotonda(100 * N / (L * L)) / 100;
            C.ris.sigmaLavoro = sigma;
            if (sigma > sigmaA) {
                continue;
            }
        }
        break;
    }
    lato = {L, Lp, D, sigma};
    return Esito::Completo;
}

// Steps 3 to 10 for one consolidation; Completo when it was computed.
Esito calcolaConsolidamento(Consolidamento& C, bool mostrato, const Schermo& schermo)
{
    const int t = tipoCalcolato(C.tipo);

    // Coefficients, whatever the data.
    const double c1 = CoefficienteC1(C.zona[kSotto]);
    const double c2 = CoefficienteC2(C.zona[kSopra]);
    C.ris.coefficienteC1 = c1;
    C.ris.coefficienteC2 = c2;

    const auto P = numero(t == 3 ? C.carsem : C.carpu);
    if (!P) {
        return Esito::Incompleto;
    }
    const double Q = *P * c1 * c2;

    // Each type reads only the texts it uses: a type-3 file record has no angle.
    const auto sa = numero(C.sigm);
    const auto H = numero(t == 3 ? C.altar : C.altpu);
    if (!sa || !H) {
        return Esito::Incompleto;
    }
    const double sigmaA = *sa;
    double alfa = kAngoloAngolata;
    if (t != 3) {
        const auto a = numero(C.ang);
        if (!a) {
            return Esito::Incompleto;
        }
        alfa = *a;
    }

    double N = 0, S = 0, Fa = 0, Fc = 0, L0 = 0;
    if (t == 3) {
        const auto Pp = numero(C.carpil);
        if (!Pp) {
            return Esito::Incompleto;
        }
        S = kQuotaAngolata * Q;
        alfa = kAngoloAngolata;
        N = S + *Pp * std::sin(kAngoloAngolata * r);
    } else if (t == 2) {
        if (nullo(std::cos(alfa * r))) {
            return Esito::Impossibile;
        }
        const Esito e = spintePuntelli(C, Q, sigmaA, alfa, L0);
        if (e != Esito::Completo) {
            return e;
        }
    } else {
        const Esito e = forzeAttritoCoesione(C, Q, *H, alfa, Fa, Fc, N);
        if (e != Esito::Completo) {
            return e;
        }
    }

    if (t != 2) {
        if (sigmaA == 0) {
            return Esito::Impossibile;
        }
        // Tested before the root is taken.
        const double rapporto = N / sigmaA;
        if (rapporto < 0 || !std::isfinite(rapporto)) {
            return Esito::Assurdo;
        }
        L0 = numeri::arrotonda(std::sqrt(rapporto));
    }

    Lato lato;
    const Esito e = cercaLato(C, t, Q, N, *H, alfa, sigmaA, L0, lato);
    if (e != Esito::Completo) {
        return e;
    }
    const double L = lato.L, Lp = lato.Lp, D = lato.D, sigma = lato.sigma;
    if (t == 2 && L <= 0) {
        return Esito::Impossibile;
    }
    if (!tuttiFiniti({Q, N, S, Fa, Fc, Lp, D, sigma})) {
        return Esito::Assurdo;
    }

    C.ris.lunghezzaPuntello = numeri::intero(Lp);
    C.ris.distanzaFondazione = numeri::intero(D);
    C.ris.latoSezione = L;
    if (t == 3) {
        C.ris.azioneScorrimento = numeri::intero(S);
        C.ang = QStringLiteral("64");
    }
    if (t == 1) {
        C.ris.forzaAttrito = numeri::intero(Fa);
        C.ris.forzaCoesione = numeri::intero(Fc);
    }
    if (t != 2) {
        C.ris.sforzoNormale = numeri::intero(N);
    }
    if (mostrato && t == 1) {
        C.ang = schermo.ang;
    }
    if (t == 2) {
        for (int p = 1; p <= C.numeroPuntelli; ++p) {
            RisultatiPuntello& rp = C.risPuntelli[p];
            rp.sigmaPuntello = numeri::intero(*rp.risultantePuntello / (L * L));
        }
    }
    return Esito::Completo;
}

// Whether a pass starts: the consolidation shown has its key fields.
bool calcolabile(const Lavoro& l, const Schermo& schermo)
{
    const int tipo0 = l.at(schermo.consolidamento).tipo;
    if (((schermo.ang.isEmpty() || schermo.carpu.isEmpty()) && tipo0 != 3) || schermo.sigm.isEmpty()) {
        return false;
    }
    if ((tipo0 == 1 || tipo0 == 2) && schermo.altpu.isEmpty()) {
        return false;
    }
    return !(tipo0 == 3 && schermo.altar.isEmpty());
}

} // namespace

EsitoCalcolo CalcolaPuntelli(Lavoro& l, const Schermo& schermo)
{
    const int c0 = schermo.consolidamento;
    // The consolidation shown must have its key fields filled in.
    if (!calcolabile(l, schermo)) {
        return {Esito::Precondizione, 0};
    }

    const int n = std::clamp(l.numeroConsolidamenti, 0, kMaxConsolidamenti);
    for (int c = 1; c <= n; ++c) {
        Consolidamento& C = l.cons[c];
        const Esito e = calcolaConsolidamento(C, c == c0, schermo);
        if (e != Esito::Completo) {
            return fine(C, c, e);
        }
    }

    // Only a complete pass recounts: a prop typed now is computed from the next pass.
    for (int c = 1; c <= kMaxConsolidamenti; ++c) {
        contaPuntelli(l.cons[c]);
    }
    return {Esito::Completo, n};
}

} // namespace modpuntelli
