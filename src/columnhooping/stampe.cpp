#include "columnhooping/stampe.h"

#include "columnhooping/testi.h"
#include "shell/disegno.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"

namespace modcercol {

namespace T = testi_cercol;
using platform::Voce;

namespace {

// Title, then the project line; inside the report neither, and the heading
// that follows keeps the title size.
void testata(platform::Stampante& p, const QString& progetto, bool relazione)
{
    stampa::inizioPagina(p);
    if (relazione) {
        return;
    }
    p.stampaRiga({{7, T::kTitoloStampa}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{10, T::kProgetto + progetto}});
    p.rigaVuota();
}

// The ring's stress and its total pull over the operating temperature. The
// pull is the stress over the ring's section: height times thickness (mm).
void grafico(platform::Stampante& p, const DatiCerchiature& d, const RisultatiCerchiature& ris, int r)
{
    const auto hcer = numeri::daTesto(d.valore(Hcer, r));
    disegno::Grafico g;
    g.titolo = T::kGrafico + numeri::stampa(r) + T::kGraficoTitolo;
    g.nomeX = testi::kAsseTemperatura;
    g.unitaSinistra = testi::kKgCmq;
    g.unitaDestra = testi::kKg;
    disegno::Serie traz{T::kSerieTrazione, {}, false, false};
    disegno::Serie tiro{T::kSerieTiro, {}, true, true};
    for (int j = 1; j <= kTemperature; ++j) {
        g.x.push_back(j - 41);
        const auto s = ris.valoreCaldo(Traz, r, j);
        const auto spessore = ris.valoreCaldo(Spes, r, j);
        traz.valori.push_back(s);
        tiro.valori.push_back(s && spessore && hcer ? std::optional<double>(*s * *hcer * *spessore / 10)
                                                    : std::nullopt);
    }
    g.serie = {traz, tiro};
    if (const auto posa = numeri::daTesto(d.valore(Temp, r))) {
        g.riferimento = *posa;
        g.nomeRiferimento = testi::posa(d.valore(Temp, r), *posa >= -40 && *posa <= 60);
    }
    g.nomeZonaZero = T::kTrazioneZero;
    if (std::none_of(traz.valori.begin(), traz.valori.end(), [](const auto& v) { return v.has_value(); })) {
        return;
    }
    // Below the table, or at the top of a page of its own.
    disegno::grafico(p, disegno::spazio(p, 2600, 4600), g);
}

void paginaCalda(platform::Stampante& p, const DatiCerchiature& d, const RisultatiCerchiature& ris, int r,
                 const QString& progetto, bool relazione)
{
    testata(p, progetto, relazione);
    p.stampaRiga({{10, T::kRisultatiCaldo + numeri::stampa(r)}});
    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
    p.stampaRiga({{10, T::kLegenda}});
    // Legend and tables at the table size, so that a row fits one page.
    p.impostaDimensione(stampa::kTabella);
    stampa::elenco(p, 6, T::kLegendaCaldo);
    p.rigaVuota();

    p.stampaRiga({{9, T::kDatiCaldoIntestazione}});
    p.stampaRiga({{9, T::kDatiCaldoUnita}});
    std::vector<Voce> riga{stampa::numero(r, 15)};
    static constexpr Campo kCampiDati[7] = {Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
    static constexpr int kColonneDati[7] = {23, 33, 45, 55, 65, 74, 85};
    for (int k = 0; k < 7; ++k) {
        stampa::aggiungi(riga, stampa::dato(d.valore(kCampiDati[k], r), kColonneDati[k]));
    }
    p.stampaRiga(riga);
    p.rigaVuota();

    p.stampaRiga({{9, T::kTabellaCaldoIntestazione}});
    p.stampaRiga({{9, T::kTabellaCaldoUnita}});
    static constexpr int kColonneTabella[kColonneCaldo] = {19, 28, 37, 46, 55, 63, 75, 85, 92, 99, 107, 114};
    for (int t = -40; t <= 60; t += 5) {
        const int j = t + 41;
        riga = {{11, numeri::stampa(t)}};
        for (int c = 0; c < kColonneCaldo; ++c) {
            stampa::aggiungi(riga, ris.valoreCaldo(c, r, j), kColonneTabella[c]);
        }
        p.stampaRiga(riga);
    }
    grafico(p, d, ris, r);
}

void paginaFredda(platform::Stampante& p, const DatiCerchiature& d, const RisultatiCerchiature& ris, int n,
                  const QString& progetto, bool relazione)
{
    testata(p, progetto, relazione);
    p.stampaRiga({{10, T::kRisultatiFreddo}});
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{10, T::kLegenda}});
    p.impostaDimensione(stampa::kTabella);
    stampa::elenco(p, 6, T::kLegendaFreddo);
    p.rigaVuota();
    p.stampaRiga({{9, T::kFreddoIntestazione}});
    p.stampaRiga({{9, T::kFreddoUnita}});
    static constexpr Campo kCampiDati[4] = {Rag, Elic, Car, Alt};
    static constexpr int kColonneDati[4] = {23, 32, 43, 51};
    static constexpr int kColonneRisultati[5] = {58, 69, 78, 85, 94};
    static constexpr Freddo kRisultati[5] = {Pasel, Lunel, Sezid, Tenp, Tenat};
    for (int r = 1; r <= n; ++r) {
        std::vector<Voce> riga{stampa::numero(r, 14)};
        for (int k = 0; k < 4; ++k) {
            stampa::aggiungi(riga, stampa::dato(d.valore(kCampiDati[k], r), kColonneDati[k]));
        }
        for (int k = 0; k < 5; ++k) {
            stampa::aggiungi(riga, ris.valoreFreddo(kRisultati[k], r), kColonneRisultati[k]);
        }
        p.stampaRiga(riga);
    }
}

} // namespace

void stampaModulo(platform::Stampante& p)
{
    stampa::titolo(p, T::kTitoloStampa);
    p.rigaVuota();
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{10, T::kModuloTitolo}});
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloProgetto}});
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloTipi}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kTabella);
    p.stampaRiga({{6, T::kModuloLegenda}});
    p.rigaVuota();
    stampa::elenco(p, 6, T::kModuloVoci);
    p.rigaVuota();
    stampa::tabellaModulo(p, 9, T::kModuloIntestazione, T::kModuloUnita, T::kModuloRiga, 25);
    stampa::chiudiLavoro(p);
}

void stampaDatiRisultati(platform::Stampante& p, const DatiCerchiature& dati, const RisultatiCerchiature& ris,
                         int tipo, int numero, const QString& progetto, bool relazione)
{
    const int n = std::clamp(numero, 0, kRighe);
    if (tipo == kFreddo) {
        paginaFredda(p, dati, ris, n, progetto, relazione);
    } else {
        for (int r = 1;; ++r) {
            paginaCalda(p, dati, ris, r, progetto, relazione);
            if (r >= n) {
                break;
            }
            p.nuovaPagina();
        }
    }
    stampa::chiudiLavoro(p);
}

} // namespace modcercol
