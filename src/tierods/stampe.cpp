#include "tierods/stampe.h"

#include "shell/disegno.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"
#include "tierods/testi.h"

namespace modtiranti {

namespace T = testi_tiranti;
using platform::Voce;

namespace {

// The elevation of a tie rod: its two walls, the anchor plates on their
// outer faces (the anchorage distance runs between them), the rod and its
// nuts or wedges, with the dimensions as the listing gives them. True to
// scale only where the proportions stay readable.
void prospetto(platform::Stampante& p, const disegno::Riquadro& r, const DatiTiranti& d, const RisultatiTiranti& ris,
               int i)
{
    using disegno::altezza;
    using disegno::kEtichetta;
    const auto u = std::size_t(i);
    const auto spes = numeri::daTesto(d.spes[u]);
    const auto rag = numeri::daTesto(d.rag[u]);
    const auto dist = numeri::daTesto(d.dist[u]);
    const auto diam = ris.diam[u];
    if (!spes || !rag || !dist || !diam || *spes <= 0 || *rag <= 0 || *dist <= 0 || *diam <= 0) {
        return;
    }
    disegno::Disegno g(p);
    const double hE = altezza(kEtichetta);
    const double yDist = r.y + altezza(disegno::kTitolo) + 2 * 60 + hE;
    const double cima = yDist + 150;
    const double fondo = r.fondo() - (150 + 60 + hE);
    const double asse = (cima + fondo) / 2;
    const double xSx = r.x + 1350;   // outer faces, where the plates bear
    const double xDx = r.destra() - 450;
    const double scala = (xDx - xSx) / *dist;
    const bool inScala = *spes * scala >= 250 && *diam * scala >= 25 && 2 * *rag * scala <= (fondo - cima) * 0.9 &&
                         2 * *spes < *dist;
    const double muro = inScala ? *spes * scala : (xDx - xSx) * 0.2;
    const double piastra = inScala ? 2 * *rag * scala : (fondo - cima) * 0.6;
    const double tondo = inScala ? *diam * scala : 50;

    g.testo(r.x, r.y + altezza(disegno::kTitolo) / 2,
            T::kProspetto + numeri::stampa(i) + (inScala ? QString() : testi::kNonInScala), disegno::kTitolo);
    // Walls, hatched above and below the rod's hole.
    for (double x0 : {xSx, xDx - muro}) {
        g.rettangolo({x0, cima, muro, fondo - cima});
        g.campitura({x0, cima, muro, asse - tondo / 2 - 30 - cima}, 110);
        g.campitura({x0, asse + tondo / 2 + 30, muro, fondo - asse - tondo / 2 - 30}, 110);
    }
    // Plates, the rod, and a nut or a wedge beyond each plate.
    const double sp = 50;
    g.rettangolo({xSx - sp, asse - piastra / 2, sp, piastra}, 2);
    g.rettangolo({xDx, asse - piastra / 2, sp, piastra}, 2);
    const bool dado = ris.gir[u].has_value();
    const bool bietta = ris.biet[u].has_value();
    const double fermo = 110;
    const double fuori = sp + fermo + 120;
    g.linea(xSx - fuori, asse - tondo / 2, xDx + fuori, asse - tondo / 2, 2);
    g.linea(xSx - fuori, asse + tondo / 2, xDx + fuori, asse + tondo / 2, 2);
    for (int lato : {-1, 1}) {
        const double x0 = lato < 0 ? xSx - sp - fermo : xDx + sp;
        if (dado) {
            g.rettangolo({x0, asse - tondo / 2 - 70, fermo, tondo + 140}, 2);
        } else if (bietta) {
            g.polilinea({{x0 + 10, asse - 230}, {x0 + fermo - 10, asse - 230}, {x0 + fermo / 2 + 20, asse + 230},
                         {x0 + fermo / 2 - 20, asse + 230}, {x0 + 10, asse - 230}},
                        2);
        }
    }
    if (!inScala) {
        // Break marks: the rod's length is not drawn to scale.
        const double xm = (xSx + xDx) / 2;
        for (double dx : {-40.0, 40.0}) {
            g.linea(xm + dx - 50, asse + tondo / 2 + 80, xm + dx + 50, asse - tondo / 2 - 80, 1);
        }
    }

    // Dimensions: the anchorage distance above, the wall thickness below,
    // the plate's radius at the left, the rod and its anchorage in between.
    g.linea(xSx, cima - 30, xSx, yDist - 60);
    g.linea(xDx, cima - 30, xDx, yDist - 60);
    g.quota(xSx, yDist, xDx, yDist, T::kQuotaDist + d.dist[u] + testi::kCm, -1);
    const double ySpes = fondo + 150;
    g.linea(xSx + muro, fondo + 30, xSx + muro, ySpes + 60);
    g.linea(xSx, fondo + 30, xSx, ySpes + 60);
    g.quota(xSx, ySpes, xSx + muro, ySpes, T::kQuotaSpes + d.spes[u] + testi::kCm, 1);
    const double xCap = r.x + 1000;
    g.linea(xSx - sp - 30, asse - piastra / 2, xCap - 60, asse - piastra / 2);
    g.linea(xSx - fuori - 30, asse, xCap - 60, asse);
    g.quota(xCap, asse, xCap, asse - piastra / 2, T::kQuotaCap + d.rag[u] + testi::kCm, -1);
    const double xm = (xSx + xDx) / 2;
    g.testo(xm, asse - tondo / 2 - 150 - hE / 2, T::kQuotaDiam + numeri::testo(*diam) + testi::kCm, kEtichetta,
            disegno::Allineo::Centro);
    const QString fermi = dado ? T::kDado + numeri::testo(*ris.gir[u])
                               : (bietta ? T::kBietta + numeri::testo(*ris.biet[u]) : QString());
    g.testo(xm, asse + tondo / 2 + 150 + hE / 2, fermi, kEtichetta, disegno::Allineo::Centro);
}

} // namespace

std::optional<disegno::Grafico> datiGrafico(const DatiTiranti& d, const RisultatiTiranti& ris, int i)
{
    const TabellaTemperature& tab = ris.tabella[std::size_t(i)];
    if (!tab.presente) {
        return std::nullopt;
    }
    disegno::Grafico g;
    g.titolo = T::kGrafico + numeri::stampa(i) + T::kGraficoTitolo;
    g.nomeX = testi::kAsseTemperatura;
    g.unitaSinistra = testi::kKgCmq;
    g.unitaDestra = T::kHz;
    disegno::Serie sigma{T::kSerieSigma, {}, false, false};
    disegno::Serie freq{T::kSerieFrequenza, {}, true, true};
    for (int j = 1; j <= kTemperature; ++j) {
        g.x.push_back(j - 41);
        sigma.valori.emplace_back(tab.sigatt[std::size_t(j)]);
        freq.valori.emplace_back(tab.freq[std::size_t(j)]);
    }
    g.serie = {sigma, freq};
    g.riferimento = -40;
    g.nomeRiferimento = T::kRiferimento + d.sigmaf[std::size_t(i)] + T::kRiferimentoA;
    g.nomeZonaZero = T::kSigmaZero;
    return g;
}

namespace {

void disegni(platform::Stampante& p, const DatiTiranti& d, const RisultatiTiranti& ris, int i)
{
    const bool elevazione = ris.diam[std::size_t(i)].has_value();
    const bool tabella = ris.tabella[std::size_t(i)].presente;
    if (!elevazione && !tabella) {
        return;
    }
    // Side by side in the page's free foot.
    const disegno::Riquadro r = disegno::spazio(p, 2100, 4200);
    const double meta = r.larghezza * 0.45;
    prospetto(p, {r.x, r.y, meta, r.altezza}, d, ris, i);
    if (const auto g = datiGrafico(d, ris, i)) {
        disegno::grafico(p, {r.x + meta + 350, r.y, r.larghezza - meta - 350, r.altezza}, *g);
    }
}

void paginaTirante(platform::Stampante& p, const DatiTiranti& d, const RisultatiTiranti& ris, int i,
                   const QString& progetto, bool relazione)
{
    p.impostaY(stampa::kYInizio);
    p.impostaFont(testi::kFontStampa);
    p.impostaDimensione(stampa::kTitolo);
    if (!relazione) {
        stampa::intestazione(p, T::kCalcolo);
        p.rigaVuota();
        p.impostaDimensione(stampa::kIntestazione);
        p.stampaRiga({{10, T::kProgetto + progetto}});
        p.rigaVuota();
    }
    p.stampaRiga({{10, T::kRisultati + numeri::stampa(i)}});

    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
    p.stampaRiga({{10, T::kLegenda}});
    p.rigaVuota();
    // Legend and tables at the table size, so that a tie rod fits one page.
    p.impostaDimensione(stampa::kTabella);
    stampa::elenco(p, 14, T::kLegendaVoci);
    p.rigaVuota();

    p.stampaRiga({{10, T::kDatiIntestazione}});
    p.stampaRiga({{10, T::kDatiUnita}});
    p.rigaVuota();
    static constexpr int kColonneDati[kCampi] = {15, 23, 31, 37, 45, 56, 65, 69, 79};
    std::vector<Voce> riga;
    for (int c = 0; c < kCampi; ++c) {
        stampa::aggiungi(riga, stampa::dato(d.colonna(c)[i], kColonneDati[c]));
    }
    p.stampaRiga(riga);
    p.rigaVuota();
    p.rigaVuota();

    p.stampaRiga({{10, T::kRisultatiIntestazione}});
    p.stampaRiga({{10, T::kRisultatiUnita}});
    p.rigaVuota();
    static constexpr int kColonneRisultati[7] = {16, 26, 36, 43, 55, 63, 73};
    riga.clear();
    for (int c = 0; c < 7; ++c) {
        stampa::aggiungi(riga, ris.colonna(c)[i], kColonneRisultati[c]);
    }
    p.stampaRiga(riga);
    p.rigaVuota();
    p.rigaVuota();

    p.stampaRiga({{10, T::kTemperatureIntestazione}});
    p.stampaRiga({{10, T::kTemperatureUnita}});
    p.rigaVuota();
    const TabellaTemperature& tab = ris.tabella[i];
    for (int t = -40; t <= 60; t += 5) {
        const int j = t + 41;
        riga = {{12, numeri::stampa(t)}};
        if (tab.presente) {
            stampa::aggiungi(riga, stampa::numero(tab.ttir[j], 24));
            stampa::aggiungi(riga, stampa::numero(tab.sigatt[j], 34));
            stampa::aggiungi(riga, stampa::numero(tab.dilat[j], 41));
            stampa::aggiungi(riga, stampa::numero(tab.traen[j], 55));
            stampa::aggiungi(riga, stampa::numero(tab.freq[j], 63));
        }
        p.stampaRiga(riga);
    }
    disegni(p, d, ris, i);
}

} // namespace

namespace {
constexpr double kInterlineaModulo = 5;
} // namespace

void stampaModulo(platform::Stampante& p)
{
    stampa::intestazione(p, T::kCalcolo);
    p.rigaVuota();
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{10, T::kModuloTitolo}});
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloProgetto}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kTabella);
    p.stampaRiga({{10, T::kModuloLegenda}});
    stampa::elenco(p, 14, T::kModuloVoci);
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloValori}});
    stampa::elenco(p, 14, T::kModuloMalte);
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloIntestazione}});
    p.stampaRiga({{10, T::kModuloUnita}});
    p.rigaVuota();
    // Thirty rows with a full 8-point line between them run onto a second
    // page; a narrower gap keeps the form on one A4 sheet and still leaves
    // about 5 mm to write in.
    for (int k = 0; k < 30; ++k) {
        p.impostaDimensione(stampa::kTabella);
        p.stampaRiga({{10, T::kModuloRiga}});
        p.impostaDimensione(kInterlineaModulo);
        p.rigaVuota();
    }
    stampa::chiudiLavoro(p);
}

void stampaDatiRisultati(platform::Stampante& p, const DatiTiranti& dati, const RisultatiTiranti& ris,
                         int numeroTiranti, const QString& progetto, bool relazione)
{
    const int ultima = std::min(numeroTiranti, kRighe);
    for (int i = 1; i <= ultima; ++i) {
        if (i > 1) {
            p.nuovaPagina();
        }
        paginaTirante(p, dati, ris, i, progetto, relazione);
    }
    stampa::chiudiLavoro(p);
}

} // namespace modtiranti
