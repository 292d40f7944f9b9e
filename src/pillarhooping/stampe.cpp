#include "pillarhooping/stampe.h"

#include "pillarhooping/testi.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"

#include <algorithm>

namespace modcerpil {

namespace T = testi_cerpil;
using platform::Voce;

void stampaDatiRisultati(platform::Stampante& p, const DatiPilastri& d, const RisultatiPilastri& ris, int numero,
                         const QString& progetto)
{
    stampa::titolo(p, T::kTitoloStampa);
    p.rigaVuota();
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{10, T::kProgetto + progetto}});
    p.rigaVuota();
    p.stampaRiga({{10, T::kRisultatiFreddo}});
    p.stampaRiga({{10, T::kLegenda}});
    p.impostaDimensione(stampa::kTabella);
    stampa::elenco(p, 6, T::kLegendaFreddo);
    p.rigaVuota();
    p.stampaRiga({{9, T::kFreddoIntestazione}});
    p.stampaRiga({{9, T::kFreddoUnita}});
    // Data commas under the captions' units, result commas one to the right
    // (the sign position), as in every listing.
    static constexpr Campo kCampiDati[6] = {Cort, Lung, Alt, Diam, Sez, Car};
    static constexpr int kColonneDati[6] = {22, 29, 37, 43, 50, 59};
    static constexpr int kColonneRisultati[5] = {65, 73, 81, 88, 96};
    static constexpr Risultato kRisultati[5] = {Pasel, Lunel, Sezid, Tenp, Tenat};
    const int ultima = std::clamp(numero, 0, kRighe);
    for (int r = 1; r <= ultima; ++r) {
        std::vector<Voce> riga{stampa::numero(r, 14)};
        for (int k = 0; k < 6; ++k) {
            const QString& t = d.valore(kCampiDati[k], r);
            if (!t.isEmpty()) {
                riga.push_back(stampa::dato(t, kColonneDati[k]));
            }
        }
        for (int k = 0; k < 5; ++k) {
            if (const auto v = ris.valore(kRisultati[k], r)) {
                const Voce voce = stampa::numero(*v, kColonneRisultati[k]);
                if (!voce.testo.isEmpty()) {
                    riga.push_back(voce);
                }
            }
        }
        p.stampaRiga(riga);
    }
    stampa::chiudiLavoro(p);
}

} // namespace modcerpil
