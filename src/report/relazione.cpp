#include "report/relazione.h"

#include "report/testi_relazione.h"
#include "shell/stampa.h"
#include "shell/testi.h"

#include <algorithm>
#include <cmath>

namespace relazione {

namespace T = testi_relazione;

namespace {
constexpr int kColonna = 10;
constexpr double kMargine = 1000;   // twips, both positions at the top of a report page
constexpr double kPiedeX = 9800;
constexpr double kPiedeY = 15000;
// The listing pages fill their foot with tables and charts, which start at
// 800 twips: their number goes above them, in the same place across.
constexpr double kCimaY = 400;
constexpr int kVuoteSopraLinea = 14;
constexpr double kLineaStudio = 15300;
// Blank cells left of the chapter text at column 10, and as many kept right.
constexpr int kCelleMargine = kColonna - 1;

void vuote(platform::Stampante& p, int n)
{
    for (int i = 0; i < n; ++i) {
        p.rigaVuota();
    }
}

// A title-page line after ten blanks: the label, then its value wrapped so
// that it keeps a right margin as wide as the ten blanks, each further line
// under the value's start. Returns the lines added by the wrapping.
int rientrataACapo(platform::Stampante& p, const QString& etichetta, const QString& valore)
{
    const QString testa = T::kRientro + etichetta;
    const double inizio = p.larghezzaTesto(testa);
    const double fine = p.larghezzaPagina() - p.larghezzaTesto(T::kRientro);
    const double spazio = std::max(fine - inizio, p.larghezzaTesto(QStringLiteral("M")));
    const QStringList righe = stampa::aCapo(p, valore, spazio);
    p.stampaRiga({{0, testa + righe[0]}});
    for (qsizetype k = 1; k < righe.size(); ++k) {
        p.impostaX(inizio);
        p.stampaRiga({{0, righe[k]}});
    }
    return int(righe.size()) - 1;
}

void inizioPagina(platform::Stampante& p)
{
    p.impostaX(kMargine);
    p.impostaY(kMargine);
}

void titolo(platform::Stampante& p, const QString& testo, double prosa)
{
    p.impostaDimensione(stampa::kTitolo);
    p.stampaRiga({{kColonna, testo}});
    p.rigaVuota();
    p.impostaDimensione(prosa);
}

// The size of the chapter text: 12 points where its longest line, at
// column 10, leaves as many blank cells on the right of the printable area
// as on the left; on a narrower page the largest half point that does.
double dimensioneProsa(platform::Stampante& p, const Capitoli& c)
{
    qsizetype piuLunga = T::kAllegati.size();
    for (const QStringList* l : {&c.criteri, &c.esecuzione, &c.esecuzioneSegue, &c.note}) {
        for (const QString& r : *l) {
            piuLunga = std::max(piuLunga, r.size());
        }
    }
    const double prima = p.dimensione();
    p.impostaDimensione(stampa::kIntestazione);
    const double serve = p.larghezzaTesto(QString(piuLunga + 2 * kCelleMargine, QLatin1Char('x')));
    p.impostaDimensione(prima);
    if (serve <= p.larghezzaPagina() || serve <= 0) {
        return stampa::kIntestazione;
    }
    const double punti = stampa::kIntestazione * p.larghezzaPagina() / serve;
    return std::max(1.0, std::floor(punti * 2) / 2);
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
    // Lines added by wrapping come out of the blank lines above the rule,
    // so that the rule and the office stay where they belong.
    int aggiunte = rientrataACapo(p, T::kProgetto, campo(0));
    vuote(p, 2);
    aggiunte += rientrataACapo(p, T::kLocalita, campo(1));
    vuote(p, 8);
    aggiunte += rientrataACapo(p, T::kCommittente, campo(2));
    vuote(p, 1);
    aggiunte += rientrataACapo(p, QString(), campo(3) + T::kDuepunti + campo(4));
    vuote(p, std::max(1, kVuoteSopraLinea - aggiunte));
    p.linea(1000, 14000, 10000, 14000, 5);
    p.rigaVuota();
    p.impostaDimensione(16);
    rientrataACapo(p, QString(), d.studio);
    rientrataACapo(p, QString(), d.indirizzo);
    const double sotto = std::max(kLineaStudio, p.y());
    p.linea(1000, sotto, 10000, sotto, 5);
    p.nuovaPagina();
}

void NumeroPagina(platform::Stampante& p)
{
    p.impostaX(kPiedeX);
    p.impostaY(kPiedeY);
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{0, T::kPagina + QString::number(p.pagina())}});
}

void NumeroPaginaInCima(platform::Stampante& p)
{
    const double punti = p.dimensione();
    const double x = p.x();
    const double y = p.y();
    p.impostaX(kPiedeX);
    p.impostaY(kCimaY);
    p.impostaDimensione(stampa::kIntestazione);
    p.stampaRiga({{0, T::kPagina + QString::number(p.pagina())}});
    p.impostaDimensione(punti);
    p.impostaX(x);
    p.impostaY(y);
}

void stampaCapitoli(platform::Stampante& p, const Capitoli& c, const QString& allegati)
{
    inizioPagina(p);
    p.impostaFont(::testi::kFontStampa);
    const double dimensione = dimensioneProsa(p, c);
    titolo(p, T::kCriteri, dimensione);
    prosa(p, c.criteri);
    vuote(p, 4);
    titolo(p, T::kEsecuzione, dimensione);
    prosa(p, c.esecuzione);
    NumeroPagina(p);
    p.nuovaPagina();
    inizioPagina(p);
    if (!c.esecuzioneSegue.isEmpty()) {
        p.impostaDimensione(dimensione);   // the page number left its own size
        prosa(p, c.esecuzioneSegue);
        vuote(p, 4);
    }
    titolo(p, T::kNote, dimensione);
    prosa(p, c.note);
    p.rigaVuota();
    p.stampaRiga({{kColonna, T::kAllegati}});
    const QString margine(kCelleMargine, QLatin1Char(' '));
    const double spazio = p.larghezzaPagina() - p.larghezzaTesto(margine + margine);
    for (const QString& r : stampa::aCapo(p, allegati, spazio)) {
        p.stampaRiga({{kColonna, r}});
    }
    NumeroPagina(p);
    p.nuovaPagina();
}

} // namespace relazione
