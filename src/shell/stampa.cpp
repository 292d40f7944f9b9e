#include "shell/stampa.h"

#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/testi.h"

#include <algorithm>

namespace stampa {

std::unique_ptr<platform::Stampante> apriLavoro() { return platform::dialogoStampa().scegli(); }

void suLavoro(Uscita dove, const QString& titolo, const std::function<void(platform::Stampante&)>& scrivi)
{
    if (dove == Uscita::Anteprima) {
        platform::anteprimaStampa().mostra(titolo, scrivi);
        return;
    }
    if (auto p = apriLavoro()) {
        scrivi(*p);
    }
}

void inizioPagina(platform::Stampante& p)
{
    p.impostaY(kYInizio);
    p.impostaFont(testi::kFontStampa);
    p.impostaDimensione(kTitolo);
}

void titolo(platform::Stampante& p, const QString& testo)
{
    inizioPagina(p);
    p.stampaRiga({{7, testo}});
}

void intestazione(platform::Stampante& p, const QString& calcolo)
{
    titolo(p, ModRinsal::NomeProgramma.toUpper() + testi::kCalcoloDi + calcolo);
}

void nuovaPagina(platform::Stampante& p)
{
    p.nuovaPagina();
    p.impostaY(kYInizio);
}

void chiudiLavoro(platform::Stampante& p)
{
    p.fineDocumento();
}

void tabellaModulo(platform::Stampante& p, int tab, const QString& intestazione, const QString& unita,
                   const QString& riga, int righe)
{
    p.stampaRiga({{tab, intestazione}});
    p.stampaRiga({{tab, unita}});
    p.rigaVuota();
    for (int k = 0; k < righe; ++k) {
        p.stampaRiga({{tab, riga}});
        p.rigaVuota();
    }
}

QStringList aCapo(const platform::Stampante& p, const QString& testo, double larghezza)
{
    QStringList righe;
    QString resto = testo;
    while (p.larghezzaTesto(resto) > larghezza) {
        // The longest start that fits, by halving: a pasted text may be long.
        qsizetype sta = 0;
        qsizetype non = resto.size();
        while (non - sta > 1) {
            const qsizetype m = (sta + non) / 2;
            (p.larghezzaTesto(resto.left(m)) <= larghezza ? sta : non) = m;
        }
        const qsizetype n = std::max<qsizetype>(sta, 1);
        const qsizetype blank = n < resto.size() ? resto.lastIndexOf(QLatin1Char(' '), n) : -1;
        const qsizetype taglio = blank > 0 ? blank : n;
        QString riga = resto.left(taglio);
        while (riga.endsWith(QLatin1Char(' '))) {
            riga.chop(1);
        }
        righe << riga;
        qsizetype dopo = taglio;
        while (dopo < resto.size() && resto[dopo] == QLatin1Char(' ')) {
            ++dopo;
        }
        resto = resto.mid(dopo);
        if (resto.isEmpty()) {
            return righe;
        }
    }
    righe << resto;
    return righe;
}

namespace {
int gInterruzioni = 0;
} // namespace

void interrompi(platform::Stampante& p)
{
    ++gInterruzioni;
    p.fineDocumento();
}

int interruzioni() { return gInterruzioni; }

namespace {
platform::Voce allineata(const QString& testoCifre, const QString& stampato, int c)
{
    ModRinsal::TestoCifre = testoCifre;
    ModRinsal::ContaCifre();
    // A column left of the margin would wrap the item: keep it at column 1.
    return {std::max(1, c - ModRinsal::NumeroCifre), stampato};
}
} // namespace

platform::Voce numero(double valore, int c)
{
    const QString t = numeri::testo(valore);
    if (t.isEmpty()) {
        return {c, QString()};
    }
    // Counted without the sign position, printed with it.
    const QString senzaSegno = t.startsWith(QLatin1Char('-')) ? t.mid(1) : t;
    return allineata(senzaSegno, numeri::stampa(valore), c);
}

platform::Voce numero(const std::optional<double>& valore, int c)
{
    return valore ? numero(*valore, c) : platform::Voce{c, QString()};
}

void aggiungi(std::vector<platform::Voce>& riga, const platform::Voce& v)
{
    if (!v.testo.isEmpty()) {
        riga.push_back(v);
    }
}

void aggiungi(std::vector<platform::Voce>& riga, const std::optional<double>& valore, int c)
{
    if (valore) {
        aggiungi(riga, numero(*valore, c));
    }
}

platform::Voce dato(const QString& testo, int c)
{
    if (testo.isEmpty()) {
        return {c, QString()};
    }
    return allineata(testo, testo, c);
}

} // namespace stampa
