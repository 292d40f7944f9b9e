#include "columnhooping/stampe.h"

#include "columnhooping/testi.h"
#include "shell/disegno.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi.h"

#include <algorithm>
#include <cmath>

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

} // namespace

std::optional<disegno::Grafico> datiGrafico(const DatiCerchiature& d, const RisultatiCerchiature& ris, int r)
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
    if (std::none_of(traz.valori.begin(), traz.valori.end(), [](const auto& v) { return v.has_value(); })) {
        return std::nullopt;
    }
    g.serie = {traz, tiro};
    if (const auto posa = numeri::daTesto(d.valore(Temp, r))) {
        g.riferimento = *posa;
        g.nomeRiferimento = testi::posa(d.valore(Temp, r), *posa >= -40 && *posa <= 60);
    }
    g.nomeZonaZero = T::kTrazioneZero;
    return g;
}

namespace {

// A table whose columns make room for their values: a value wider than its
// column allows moves that column and every one after it to the right, with
// its captions, instead of wrapping the whole line; a table then wider than
// the page is printed smaller, so that every value stays whole on its line.
class TabellaLarga {
public:
    // `righe[i][c]`: the item of column c on line i, at its usual place
    // (an empty text for no value).
    explicit TabellaLarga(std::vector<std::vector<Voce>> righe)
        : righe_(std::move(righe))
    {
        std::size_t colonne = 0;
        for (const auto& r : righe_) {
            colonne = std::max(colonne, r.size());
        }
        spinta_.assign(colonne, 0);
        int fine = 0;   // last character of the columns so far, as moved
        for (std::size_t c = 0; c < colonne; ++c) {
            int spinta = c > 0 ? spinta_[c - 1] : 0;
            for (const auto& r : righe_) {
                if (c < r.size() && !r[c].testo.trimmed().isEmpty()) {
                    // One blank at least before the value's first character.
                    qsizetype segno = 0;
                    while (r[c].testo[segno] == QLatin1Char(' ')) {
                        ++segno;
                    }
                    spinta = std::max(spinta, fine + 2 - (r[c].colonna + int(segno)));
                }
            }
            spinta_[c] = spinta;
            for (const auto& r : righe_) {
                if (c < r.size() && !r[c].testo.isEmpty()) {
                    fine = std::max(fine, r[c].colonna + spinta + int(r[c].testo.size()) - 1);
                }
            }
        }
        fine_ = fine;
    }

    // A heading printed at `colonna`, its captions taken one per column.
    void testa(platform::Stampante& p, int colonna, const QString& testo) const
    {
        p.stampaRiga({{colonna, spostata(testo)}});
    }
    void righe(platform::Stampante& p) const
    {
        for (const auto& r : righe_) {
            std::vector<Voce> riga;
            for (std::size_t c = 0; c < r.size(); ++c) {
                if (!r[c].testo.isEmpty()) {
                    riga.push_back({r[c].colonna + spinta_[c], r[c].testo});
                }
            }
            p.stampaRiga(riga);
        }
    }
    // The size at which the widest of the table's lines and `altre` (the
    // last columns of other lines printed with it) fits the page.
    double dimensione(double punti, int altre = 0) const
    {
        const int fine = std::max(fine_, altre);
        const int posto = int(disegno::pagina().larghezza / disegno::larghezza(QStringLiteral(" "), punti));
        if (fine <= posto) {
            return punti;
        }
        return std::floor(punti * posto / fine * 10) / 10;
    }
    int fine() const { return fine_; }

private:
    QString spostata(const QString& testo) const
    {
        if (std::all_of(spinta_.begin(), spinta_.end(), [](int v) { return v == 0; })) {
            return testo;
        }
        QString fuori;
        std::size_t c = 0;
        for (qsizetype i = 0; i < testo.size();) {
            if (testo[i] == QLatin1Char(' ')) {
                ++i;
                continue;
            }
            qsizetype j = i;
            while (j < testo.size() && testo[j] != QLatin1Char(' ')) {
                ++j;
            }
            const int spinta = spinta_.empty() ? 0 : spinta_[std::min(c, spinta_.size() - 1)];
            const qsizetype dove = std::max<qsizetype>(i + spinta, fuori.isEmpty() ? 0 : fuori.size() + 1);
            fuori += QString(dove - fuori.size(), QLatin1Char(' ')) + testo.mid(i, j - i);
            ++c;
            i = j;
        }
        return fuori;
    }

    std::vector<std::vector<Voce>> righe_;
    std::vector<int> spinta_;
    int fine_ = 0;
};

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

    std::vector<Voce> riga{stampa::numero(r, 15)};
    static constexpr Campo kCampiDati[7] = {Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
    static constexpr int kColonneDati[7] = {23, 33, 45, 55, 65, 74, 85};
    for (int k = 0; k < 7; ++k) {
        riga.push_back(stampa::dato(d.valore(kCampiDati[k], r), kColonneDati[k]));
    }
    const TabellaLarga dati({riga});

    static constexpr int kColonneTabella[kColonneCaldo] = {19, 28, 37, 46, 55, 63, 75, 85, 92, 99, 107, 114};
    std::vector<std::vector<Voce>> righe;
    for (int t = -40; t <= 60; t += 5) {
        const int j = t + 41;
        riga = {{11, numeri::stampa(t)}};
        for (int c = 0; c < kColonneCaldo; ++c) {
            const auto v = ris.valoreCaldo(c, r, j);
            riga.push_back(v ? stampa::numero(*v, kColonneTabella[c]) : Voce{kColonneTabella[c], QString()});
        }
        righe.push_back(std::move(riga));
    }
    const TabellaLarga tabella(std::move(righe));

    p.impostaDimensione(dati.dimensione(stampa::kTabella));
    dati.testa(p, 9, T::kDatiCaldoIntestazione);
    dati.testa(p, 9, T::kDatiCaldoUnita);
    dati.righe(p);
    p.impostaDimensione(stampa::kTabella);
    p.rigaVuota();

    p.impostaDimensione(tabella.dimensione(stampa::kTabella));
    tabella.testa(p, 9, T::kTabellaCaldoIntestazione);
    tabella.testa(p, 9, T::kTabellaCaldoUnita);
    tabella.righe(p);
    p.impostaDimensione(stampa::kTabella);
    // Below the table, or at the top of a page of its own.
    if (const auto g = datiGrafico(d, ris, r)) {
        disegno::grafico(p, disegno::spazio(p, 2600, 4600), *g);
    }
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
