#include "tierods/stampe.h"

#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"
#include "tierods/testi.h"

namespace modtiranti {

namespace T = testi_tiranti;
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
    for (const QString& v : T::kLegendaVoci) {
        p.stampaRiga({{14, v}});
    }
    p.rigaVuota();

    p.stampaRiga({{10, T::kDatiIntestazione}});
    p.stampaRiga({{10, T::kDatiUnita}});
    p.rigaVuota();
    static constexpr int kColonneDati[kCampi] = {15, 23, 31, 37, 45, 56, 65, 69, 79};
    std::vector<Voce> riga;
    for (int c = 0; c < kCampi; ++c) {
        aggiungi(riga, stampa::dato(d.colonna(c)[i], kColonneDati[c]));
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
        numero(riga, ris.colonna(c)[i], kColonneRisultati[c]);
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
            aggiungi(riga, stampa::numero(tab.ttir[j], 24));
            aggiungi(riga, stampa::numero(tab.sigatt[j], 34));
            aggiungi(riga, stampa::numero(tab.dilat[j], 41));
            aggiungi(riga, stampa::numero(tab.traen[j], 55));
            aggiungi(riga, stampa::numero(tab.freq[j], 63));
        }
        p.stampaRiga(riga);
    }
}

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
    for (const QString& v : T::kModuloVoci) {
        p.stampaRiga({{14, v}});
    }
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloValori}});
    for (const QString& v : T::kModuloMalte) {
        p.stampaRiga({{14, v}});
    }
    p.rigaVuota();
    p.stampaRiga({{10, T::kModuloIntestazione}});
    p.stampaRiga({{10, T::kModuloUnita}});
    p.rigaVuota();
    for (int k = 0; k < 30; ++k) {
        p.stampaRiga({{10, T::kModuloRiga}});
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
