#include "shoring/dati.h"

#include <memory>

namespace modpuntelli {

namespace {
int* campoScelta(Zona& z, int gruppo)
{
    switch (gruppo) {
    case 2: return &z.tipologia;
    case 3: return &z.qualita;
    case 4: return &z.natura;
    case 5: return &z.estensione;
    case 6: return &z.gravita;
    default: return nullptr;
    }
}
} // namespace

int& Consolidamento::scelta(int muratura, int gruppo)
{
    static int scarto = 0;
    Zona& z = zona[(muratura == kSotto || muratura == kSopra) ? muratura : 0];
    int* p = campoScelta(z, gruppo);
    if (p == nullptr) {
        scarto = 0;
        return scarto;
    }
    return *p;
}

int Consolidamento::scelta(int muratura, int gruppo) const
{
    return const_cast<Consolidamento*>(this)->scelta(muratura, gruppo);
}

Lavoro& lavoro()
{
    static const std::unique_ptr<Lavoro> l = std::make_unique<Lavoro>();
    return *l;
}

void contaConsolidamenti(Lavoro& l)
{
    for (int c = 1; c <= kMaxConsolidamenti; ++c) {
        if (l.cons[c].zona[kSotto].tipologia == 0) {
            l.numeroConsolidamenti = c - 1;
            return;
        }
    }
}

void contaPuntelli(Consolidamento& c)
{
    for (int p = 1; p <= kMaxPuntelli; ++p) {
        if (c.puntelli[p].frec.isEmpty() && c.puntelli[p].altdef.isEmpty()) {
            c.numeroPuntelli = p - 1;
            return;
        }
    }
}

void svuotaRisultati(Consolidamento& c)
{
    c.ris = Risultati{};
    c.risPuntelli.fill(RisultatiPuntello{});
}

void svuota(Lavoro& l)
{
    // Every consolidation, not only the counted ones: data left beyond the
    // count would resurface in the next job.
    for (auto& c : l.cons) {
        c = Consolidamento{};
    }
    l.numeroConsolidamenti = 0;
}

} // namespace modpuntelli
