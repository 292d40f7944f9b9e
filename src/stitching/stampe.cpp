#include "stitching/stampe.h"

#include "shell/disegno.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"
#include "stitching/testi.h"

#include <algorithm>

namespace modcuciture {

namespace T = testi_cuciture;
using platform::Voce;

namespace {

// The row number ends at column 13 whatever its width.
Voce numeroRiga(int r)
{
    const QString t = numeri::stampa(r);
    return {int(14 - t.size()), t};
}

void testata(platform::Stampante& p, const QString& progetto, bool relazione)
{
    stampa::inizioPagina(p);
    if (!relazione) {
        p.stampaRiga({{7, T::kTitoloDati}});
    }
    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
    if (!relazione) {
        p.stampaRiga({{10, T::kProgetto + progetto}});
        p.rigaVuota();
    }
}

// The legend entries go at the table size, so that a pier's page (and the
// form) fits one A4 sheet.
void legenda(platform::Stampante& p, const auto& voci)
{
    p.stampaRiga({{10, T::kLegenda}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kTabella);
    stampa::elenco(p, 6, voci);
    p.rigaVuota();
}

} // namespace

std::optional<disegno::Grafico> datiGrafico(const DatiCuciture& d, const RisultatiCuciture& ris, int r)
{
    disegno::Grafico g;
    g.titolo = T::kGrafico + numeri::stampa(r) + T::kGraficoTitolo;
    g.nomeX = testi::kAsseTemperatura;
    g.unitaSinistra = testi::kKgCmq;
    g.serie = {{T::kSerieCorto, {}, false, false}, {T::kSerieLungo, {}, true, false}};
    bool valori = false;
    for (int k = 1; k <= kTemperature; ++k) {
        g.x.push_back(k - 41);
        for (int s = 1; s <= 2; ++s) {
            const Valore& v = ris.caldo(r, k, s, Sigm);
            g.serie[std::size_t(s - 1)].valori.push_back(v);
            valori = valori || v.has_value();
        }
    }
    if (!valori) {
        return std::nullopt;
    }
    if (const auto posa = numeri::daTesto(d.valore(Temp, r))) {
        g.riferimento = *posa;
        g.nomeRiferimento = testi::posa(d.valore(Temp, r), *posa >= -40 && *posa <= 60);
    }
    g.nomeZonaZero = T::kSigmaZero;
    return g;
}

namespace {

void paginaCalda(platform::Stampante& p, const DatiCuciture& d, const RisultatiCuciture& ris, int r,
                 bool relazione)
{
    // Inside the report each pier opens with its heading at the title size,
    // as every calculation's listing does there.
    if (relazione) {
        p.impostaDimensione(stampa::kTitolo);
    }
    p.stampaRiga({{10, T::kRisultatiCaldo + numeri::stampa(r) + T::kTipologiaCaldo}});
    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
    legenda(p, T::kLegendaCaldo);
    p.impostaDimensione(stampa::kTabella);
    p.stampaRiga({{9, T::kCaldoIntestazione}});
    p.stampaRiga({{9, T::kCaldoUnita}});

    static constexpr std::pair<Campo, int> kDati[] = {{Cort, 23}, {Lung, 32}, {Alt, 41},  {Diam, 50},
                                                      {Pas, 59},  {Fesc, 68}, {Fesl, 77}, {Tens, 85},
                                                      {Temp, 95}, {Rott, 103}, {Rond, 113}};
    std::vector<Voce> riga{numeroRiga(r)};
    for (const auto& [c, col] : kDati) {
        stampa::aggiungi(riga, stampa::dato(d.valore(c, r), col));
    }
    p.stampaRiga(riga);
    p.rigaVuota();

    p.stampaRiga({{9, T::kCaldoRisIntestazione}});
    p.stampaRiga({{9, T::kCaldoRisUnita}});
    static constexpr std::pair<CampoCaldo, int> kRisultati[] = {{Orig, 25}, {Raffr, 35}, {Fred, 45}, {All, 53},
                                                                {Mont, 65}, {Sigm, 74},  {Tirpil, 80}, {Compr, 89}};
    for (int t = -40; t <= 60; t += 5) {
        const int k = t + 41;
        for (int s = 1; s <= 2; ++s) {
            riga = {{11, numeri::stampa(t)}, {18, numeri::stampa(s)}};
            for (const auto& [c, col] : kRisultati) {
                stampa::aggiungi(riga, ris.caldo(r, k, s, c), col);
            }
            stampa::aggiungi(riga, ris.ntir[std::size_t(r)][std::size_t(s)], 100);
            stampa::aggiungi(riga, ris.tottir[std::size_t(r)][std::size_t(s)], 108);
            p.stampaRiga(riga);
        }
    }
    // Below the table when it leaves room, else at the top of the next page,
    // before the next pier's page.
    if (const auto g = datiGrafico(d, ris, r)) {
        disegno::grafico(p, disegno::spazio(p, 2600, 4800), *g);
    }
}

void tabellaFredda(platform::Stampante& p, const DatiCuciture& d, const RisultatiCuciture& ris, int n,
                   bool relazione)
{
    if (relazione) {
        p.impostaDimensione(stampa::kTitolo);
        p.stampaRiga({{10, T::kFreddoTitolo}});
        p.impostaDimensione(stampa::kIntestazione);
        p.rigaVuota();
    }
    legenda(p, T::kLegendaFreddo);
    p.impostaDimensione(stampa::kTabella);
    p.stampaRiga({{9, T::kFreddoIntestazione}});
    p.stampaRiga({{9, T::kFreddoUnita}});
    p.rigaVuota();
    static constexpr std::pair<Campo, int> kDati[] = {{Cort, 24}, {Lung, 33}, {Alt, 41}, {Diam, 50},
                                                      {Pas, 59},  {Car, 70}};
    for (int r = 1; r <= n; ++r) {
        const auto i = std::size_t(r);
        std::vector<Voce> riga{numeroRiga(r)};
        for (const auto& [c, col] : kDati) {
            stampa::aggiungi(riga, stampa::dato(d.valore(c, r), col));
        }
        stampa::aggiungi(riga, ris.sigmf[i], 78);
        stampa::aggiungi(riga, ris.compv[i], 84);
        stampa::aggiungi(riga, ris.assorb[i], 96);
        stampa::aggiungi(riga, ris.bar[i], 103);
        stampa::aggiungi(riga, ris.orizz[i], 112);
        p.stampaRiga(riga);
    }
}

} // namespace

void stampaModulo(platform::Stampante& p)
{
    stampa::titolo(p, T::kTitoloModulo);
    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
    for (const QString& t : {T::kModuloTitolo, T::kModuloProgetto, T::kModuloTipi}) {
        p.stampaRiga({{10, t}});
        p.rigaVuota();
    }
    p.stampaRiga({{6, T::kModuloLegenda}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kTabella);
    stampa::elenco(p, 6, T::kModuloVoci);
    p.rigaVuota();
    stampa::tabellaModulo(p, 9, T::kModuloIntestazione, T::kModuloUnita, T::kModuloRiga, 25);
    stampa::chiudiLavoro(p);
}

void stampaDatiRisultati(platform::Stampante& p, const DatiCuciture& dati, const RisultatiCuciture& ris,
                         int numeroCuciture, int tipo, const QString& progetto, bool relazione)
{
    const int n = std::clamp(numeroCuciture, 0, kRighe);
    if (tipo == kCaldo) {
        int r = 1;
        for (;;) {
            // Pier 1 has its page even when no row is counted yet.
            testata(p, progetto, relazione);
            paginaCalda(p, dati, ris, r, relazione);
            if (r >= n) {
                break;
            }
            ++r;
            p.nuovaPagina();
        }
    } else {
        testata(p, progetto, relazione);
        if (tipo == kFreddo) {
            tabellaFredda(p, dati, ris, n, relazione);
        }
    }
    stampa::chiudiLavoro(p);
}

} // namespace modcuciture
