#include "columnhooping/stampe.h"

#include "columnhooping/testi.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"

namespace modcercol {

namespace T = testi_cercol;
using platform::Voce;

namespace {

// An empty value prints nothing; leaving its item out also keeps it from
// pushing the rest of the line onto a new one.
void aggiungi(std::vector<Voce>& riga, const Voce& v)
{
    if (!v.testo.isEmpty()) {
        riga.push_back(v);
    }
}

void numero(std::vector<Voce>& riga, const std::optional<double>& v, int c)
{
    if (v) {
        aggiungi(riga, stampa::numero(*v, c));
    }
}

// Title, then the project line.
void testata(platform::Stampante& p, const QString& progetto)
{
    p.impostaY(stampa::kYInizio);
    p.impostaFont(testi::kFontStampa);
    p.impostaDimensione(stampa::kTitolo);
    p.stampaRiga({{7, T::kTitoloStampa}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{10, T::kProgetto + progetto}});
    p.rigaVuota();
}

void paginaCalda(platform::Stampante& p, const DatiCerchiature& d, const RisultatiCerchiature& ris, int r,
                 const QString& progetto)
{
    testata(p, progetto);
    p.stampaRiga({{10, T::kRisultatiCaldo + QString::number(r)}});
    p.rigaVuota();
    p.stampaRiga({{10, T::kLegenda}});
    // Legend and tables at the table size, so that a row fits one page.
    p.impostaDimensione(stampa::kTabella);
    for (const QString& v : T::kLegendaCaldo) {
        p.stampaRiga({{6, v}});
    }
    p.rigaVuota();

    p.stampaRiga({{9, T::kDatiCaldoIntestazione}});
    p.stampaRiga({{9, T::kDatiCaldoUnita}});
    std::vector<Voce> riga{stampa::numero(r, 15)};
    static constexpr Campo kCampiDati[7] = {Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
    static constexpr int kColonneDati[7] = {23, 33, 45, 55, 65, 74, 85};
    for (int k = 0; k < 7; ++k) {
        aggiungi(riga, stampa::dato(d.valore(kCampiDati[k], r), kColonneDati[k]));
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
            numero(riga, ris.valoreCaldo(c, r, j), kColonneTabella[c]);
        }
        p.stampaRiga(riga);
    }
}

void paginaFredda(platform::Stampante& p, const DatiCerchiature& d, const RisultatiCerchiature& ris, int n,
                  const QString& progetto)
{
    testata(p, progetto);
    p.stampaRiga({{10, T::kRisultatiFreddo}});
    p.stampaRiga({{10, T::kLegenda}});
    p.impostaDimensione(stampa::kTabella);
    for (const QString& v : T::kLegendaFreddo) {
        p.stampaRiga({{6, v}});
    }
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
            aggiungi(riga, stampa::dato(d.valore(kCampiDati[k], r), kColonneDati[k]));
        }
        for (int k = 0; k < 5; ++k) {
            numero(riga, ris.valoreFreddo(kRisultati[k], r), kColonneRisultati[k]);
        }
        p.stampaRiga(riga);
    }
}

} // namespace

void stampaModulo(platform::Stampante& p)
{
    p.impostaY(stampa::kYInizio);
    p.impostaFont(testi::kFontStampa);
    p.impostaDimensione(stampa::kTitolo);
    p.stampaRiga({{7, T::kTitoloStampa}});
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
    for (const QString& v : T::kModuloVoci) {
        p.stampaRiga({{6, v}});
    }
    p.rigaVuota();
    p.stampaRiga({{9, T::kModuloIntestazione}});
    p.stampaRiga({{9, T::kModuloUnita}});
    p.rigaVuota();
    for (int k = 0; k < 25; ++k) {
        p.stampaRiga({{9, T::kModuloRiga}});
        p.rigaVuota();
    }
    stampa::chiudiLavoro(p);
}

void stampaDatiRisultati(platform::Stampante& p, const DatiCerchiature& dati, const RisultatiCerchiature& ris,
                         int tipo, int numero, const QString& progetto)
{
    const int n = std::clamp(numero, 0, kRighe);
    if (tipo == kFreddo) {
        paginaFredda(p, dati, ris, n, progetto);
    } else {
        for (int r = 1;; ++r) {
            paginaCalda(p, dati, ris, r, progetto);
            if (r >= n) {
                break;
            }
            p.nuovaPagina();
        }
    }
    stampa::chiudiLavoro(p);
}

} // namespace modcercol
