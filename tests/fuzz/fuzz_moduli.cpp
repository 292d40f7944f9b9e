// Hostile bytes through the file layouts of every calculation, then through
// their calculations: reading ends with data or a format error, and no result
// may come out as nan or inf.
//
// The result tables of the hot calculations hold megabytes; built afresh for
// every input they cost more than the calculations (page faults under the
// sanitizer). They are built once, and only the rows a run can reach are
// checked and emptied again, so every input still starts from empty tables.
#include "columnhooping/archivio.h"
#include "columnhooping/calcolo.h"
#include "pillarhooping/archivio.h"
#include "pillarhooping/calcolo.h"
#include "shoring/archivio.h"
#include "shoring/calcolo.h"
#include "stitching/archivio.h"
#include "stitching/calcolo.h"
#include "tierods/archivio.h"
#include "tierods/calcolo.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {
void finito(const std::optional<double>& v)
{
    if (v && !std::isfinite(*v)) {
        __builtin_trap();
    }
}

void tiranti(const QByteArray& bytes)
{
    using namespace modtiranti;
    DatiTiranti d;
    archivio::LettoreRecord r(bytes);
    try {
        leggiTiranti(r, d);
    } catch (const archivio::ErroreFormato&) {
    }
    static RisultatiTiranti ris;
    const int n = ContaTiranti(d);
    CalcolaTiranti(d, n, ris);
    const int ultima = std::clamp(n, 0, kRighe);
    for (int c = 0; c < 7; ++c) {
        for (int i = 0; i <= ultima; ++i) {
            finito(ris.colonna(c)[std::size_t(i)]);
        }
    }
    for (int i = 0; i <= ultima; ++i) {
        const auto& t = ris.tabella[std::size_t(i)];
        for (int j = 1; j <= kTemperature; ++j) {
            for (double v : {t.ttir[std::size_t(j)], t.sigatt[std::size_t(j)], t.dilat[std::size_t(j)],
                             t.traen[std::size_t(j)], t.freq[std::size_t(j)]}) {
                if (!std::isfinite(v)) {
                    __builtin_trap();
                }
            }
        }
        ris.svuotaRiga(i);
    }
}

void puntelli(const QByteArray& bytes)
{
    using namespace modpuntelli;
    static auto l = std::make_unique<Lavoro>();
    archivio::LettoreRecord r(bytes);
    try {
        LeggiPuntelli(r, *l);
    } catch (const archivio::ErroreFormato&) {
    }
    for (int c = 1; c <= std::min(l->numeroConsolidamenti, 3); ++c) {
        const Consolidamento& k = l->at(c);
        Schermo s;
        s.consolidamento = c;
        s.carpu = k.carpu;
        s.ang = k.ang;
        s.altpu = k.altpu;
        s.altar = k.altar;
        s.sigm = k.sigm;
        CalcolaPuntelli(*l, s);
    }
    const int n = std::clamp(l->numeroConsolidamenti, 0, kMaxConsolidamenti);
    for (int c = 0; c <= n; ++c) {
        const Consolidamento& k = l->cons[std::size_t(c)];
        const Risultati& x = k.ris;
        for (const auto& v : {x.coefficienteC1, x.coefficienteC2, x.caricoComplessivo, x.azioneScorrimento,
                              x.forzaAttrito, x.forzaCoesione, x.sforzoNormale, x.sigmaLavoro,
                              x.lunghezzaPuntello, x.distanzaFondazione, x.latoSezione}) {
            finito(v);
        }
        for (const RisultatiPuntello& p : k.risPuntelli) {
            for (const auto& v : {p.spinta, p.risultantePuntello, p.risultanteParete, p.sigmaPuntello}) {
                finito(v);
            }
        }
    }
    for (int c = 0; c <= n; ++c) {
        l->cons[std::size_t(c)] = Consolidamento{};
    }
    l->numeroConsolidamenti = 0;
}
void cerchiature(const QByteArray& bytes)
{
    using namespace modcercol;
    DatiCerchiature d;
    int tipo = 0;
    archivio::LettoreRecord r(bytes);
    try {
        leggiCerchiature(r, d, tipo);
    } catch (const archivio::ErroreFormato&) {
    }
    static RisultatiCerchiature ris;
    const int n = ContaCerchiature(d);
    for (int t : {1, 2}) {
        CalcolaCerchiature(d, t, n, ris);
    }
    const int ultima = std::clamp(n, 0, kRighe);
    for (int i = 0; i <= ultima; ++i) {
        for (const auto& col : ris.freddo) {
            finito(col[std::size_t(i)]);
        }
        for (const auto& col : ris.caldo[std::size_t(i)]) {
            for (const auto& v : col) {
                finito(v);
            }
        }
        ris.svuotaRiga(i);
    }
}
void cuciture(const QByteArray& bytes)
{
    using namespace modcuciture;
    DatiCuciture d;
    archivio::LettoreRecord r(bytes);
    try {
        leggiCuciture(r, d);
    } catch (const archivio::ErroreFormato&) {
    }
    static RisultatiCuciture ris;
    const int n = ContaCuciture(d);
    const int ultima = std::clamp(n, 0, kRighe);
    // The window's hot passes remember each row's inputs and pass over the
    // rows that did not change: a first pass, a repeated one and one after
    // an edit of row 1 must each leave what a pass without memory leaves.
    static RisultatiCuciture conMemoria;
    static MemoriaCaldo memoria;
    memoria.dimentica();
    auto confronta = [&](const EsitoCalcolo& a, const EsitoCalcolo& b, const ConteggiMostrati& ma,
                         const ConteggiMostrati& mb) {
        auto uguali = [](const Valore& x, const Valore& y) {
            return x.has_value() == y.has_value() && (!x || std::memcmp(&*x, &*y, sizeof(double)) == 0);
        };
        if (a.completo != b.completo || a.riga != b.riga || a.rottura != b.rottura || a.aggiornato != b.aggiornato ||
            ma.ntir != mb.ntir) {
            std::abort();
        }
        for (int riga = 1; riga <= ultima; ++riga) {
            for (int z = 1; z <= 2; ++z) {
                if (!uguali(ris.ntir[std::size_t(riga)][std::size_t(z)], conMemoria.ntir[std::size_t(riga)][std::size_t(z)]) ||
                    !uguali(ris.tottir[std::size_t(riga)][std::size_t(z)], conMemoria.tottir[std::size_t(riga)][std::size_t(z)])) {
                    std::abort();
                }
            }
            for (int k = 1; k <= kTemperature; ++k) {
                for (int lato = 1; lato <= 2; ++lato) {
                    for (int c = 0; c < kCampiCaldo; ++c) {
                        if (!uguali(ris.caldo(riga, k, lato, c), conMemoria.caldo(riga, k, lato, c))) {
                            std::abort();
                        }
                    }
                }
            }
        }
    };
    ConteggiMostrati senza;
    ConteggiMostrati con;
    // Six hot passes instead of one: on the smaller files only, so that the
    // target keeps its pace.
    const int volte = ultima <= 30 ? 3 : 0;
    if (volte == 0) {
        CalcolaCuciture(d, n, kCaldo, ris, senza);
    }
    for (int volta = 0; volta < volte; ++volta) {
        if (volta == 2 && ultima >= 1) {
            QString& v = d.colonna(0)[1];
            v = v.isEmpty() ? QStringLiteral("30") : v + QLatin1Char('1');
        }
        const EsitoCalcolo a = CalcolaCuciture(d, n, kCaldo, ris, senza);
        const EsitoCalcolo b = CalcolaCuciture(d, n, kCaldo, conMemoria, con, &memoria);
        confronta(a, b, senza, con);
    }
    {
        ConteggiMostrati mostrati;
        CalcolaCuciture(d, n, kFreddo, ris, mostrati);
    }
    for (const auto* col : {&ris.sigmf, &ris.compv, &ris.assorb, &ris.bar, &ris.orizz}) {
        for (int i = 0; i <= ultima; ++i) {
            finito((*col)[std::size_t(i)]);
        }
    }
    for (int riga = 1; riga <= ultima; ++riga) {
        for (int k = 1; k <= kTemperature; ++k) {
            for (int lato = 1; lato <= 2; ++lato) {
                for (int c = 0; c < kCampiCaldo; ++c) {
                    finito(ris.caldo(riga, k, lato, c));
                }
            }
        }
    }
    for (int i = 0; i <= ultima; ++i) {
        ris.svuotaRiga(i);
        conMemoria.svuotaRiga(i);
    }
}
void pilastri(const QByteArray& bytes)
{
    using namespace modcerpil;
    DatiPilastri d;
    archivio::LettoreRecord r(bytes);
    try {
        leggiPilastri(r, d);
    } catch (const archivio::ErroreFormato&) {
    }
    RisultatiPilastri ris;
    CalcolaPilastri(d, ContaPilastri(d), ris);
    for (const auto& col : ris.colonne) {
        for (const auto& v : col) {
            finito(v);
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tiranti(bytes);
    puntelli(bytes);
    cerchiature(bytes);
    cuciture(bytes);
    pilastri(bytes);
    return 0;
}
