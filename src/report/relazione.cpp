#include "report/relazione.h"

#include "report/testi_relazione.h"
#include "shell/stampa.h"
#include "shell/testi.h"

namespace relazione {

namespace T = testi_relazione;

namespace {
constexpr int kColonna = 10;
constexpr double kMargine = 1000;   // twips, both positions at the top of a report page
constexpr double kPiedeX = 9800;
constexpr double kPiedeY = 15000;

void vuote(platform::Stampante& p, int n)
{
    for (int i = 0; i < n; ++i) {
        p.rigaVuota();
    }
}

void rientrata(platform::Stampante& p, const QString& testo) { p.stampaRiga({{0, T::kRientro + testo}}); }

void inizioPagina(platform::Stampante& p)
{
    p.impostaX(kMargine);
    p.impostaY(kMargine);
}

void titolo(platform::Stampante& p, const QString& testo)
{
    p.impostaDimensione(stampa::kTitolo);
    p.stampaRiga({{kColonna, testo}});
    p.rigaVuota();
    p.impostaDimensione(stampa::kIntestazione);
}

void prosa(platform::Stampante& p, const QStringList& righe)
{
    for (const QString& r : righe) {
        p.stampaRiga({{kColonna, r}});
    }
}
} // namespace

std::optional<Capitoli> capitoli(int tipoCalcolo, const QString& tipoPuntelli, int tipoFinestra)
{
    switch (tipoCalcolo) {
    case 2:
        return Capitoli{T::kTirantiCriteri, T::kTirantiEsecuzione, {}, T::kTirantiNote};
    case 3:
        if (tipoFinestra == 2) {
            return Capitoli{T::kElicaCriteri, T::kElicaEsecuzione, {}, T::kElicaNote};
        }
        return Capitoli{T::kCerchiCriteri, T::kCerchiEsecuzione, {}, T::kCerchiNote};
    case 4:
        return std::nullopt;
    case 5:
        if (tipoFinestra == 2) {
            return Capitoli{T::kCucitureCriteri, T::kCucitureEsecuzione, {}, T::kCucitureNote};
        }
        return Capitoli{T::kTirantiniCriteri, T::kTirantiniEsecuzione, {}, T::kTirantiniNote};
    default: {
        QStringList criteri = T::kPuntelliCriteri;
        criteri << T::kTrattino + tipoPuntelli + T::kPunto;
        criteri << T::kPuntelliRisultati;
        return Capitoli{criteri, T::kPuntelliEsecuzione, T::kPuntelliEsecuzioneSegue, T::kPuntelliNote};
    }
    }
}

void stampaFrontespizio(platform::Stampante& p, const DatiFrontespizio& d)
{
    const auto campo = [&d](int i) { return d.campi.value(i); };
    inizioPagina(p);
    p.impostaFont(T::kFontFrontespizio);
    p.impostaDimensione(24);
    p.stampaRiga({{kColonna, T::kTitolo}});
    p.impostaDimensione(20);
    p.stampaRiga({{kColonna, T::kSottotitolo}});
    p.impostaDimensione(14);
    vuote(p, 3);
    rientrata(p, T::kProgetto + campo(0));
    vuote(p, 2);
    rientrata(p, T::kLocalita + campo(1));
    vuote(p, 8);
    rientrata(p, T::kCommittente + campo(2));
    vuote(p, 1);
    rientrata(p, campo(3) + T::kDuepunti + campo(4));
    vuote(p, 14);
    p.linea(1000, 14000, 10000, 14000, 5);
    p.rigaVuota();
    p.impostaDimensione(16);
    rientrata(p, d.studio);
    rientrata(p, d.indirizzo);
    p.linea(1000, 15300, 10000, 15300, 5);
    p.nuovaPagina();
}

void NumeroPagina(platform::Stampante& p)
{
    p.impostaX(kPiedeX);
    p.impostaY(kPiedeY);
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{0, T::kPagina + QString::number(p.pagina())}});
}

void stampaCapitoli(platform::Stampante& p, const Capitoli& c, const QString& allegati)
{
    inizioPagina(p);
    p.impostaFont(::testi::kFontStampa);
    titolo(p, T::kCriteri);
    prosa(p, c.criteri);
    vuote(p, 4);
    titolo(p, T::kEsecuzione);
    prosa(p, c.esecuzione);
    NumeroPagina(p);
    p.nuovaPagina();
    inizioPagina(p);
    if (!c.esecuzioneSegue.isEmpty()) {
        prosa(p, c.esecuzioneSegue);
        vuote(p, 4);
    }
    titolo(p, T::kNote);
    prosa(p, c.note);
    p.rigaVuota();
    p.stampaRiga({{kColonna, T::kAllegati}});
    p.stampaRiga({{kColonna, allegati}});
    NumeroPagina(p);
    p.nuovaPagina();
}

} // namespace relazione
