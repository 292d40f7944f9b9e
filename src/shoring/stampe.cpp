#include "shoring/stampe.h"

#include "shell/stampa.h"
#include "shoring/calcolo.h"
#include "shoring/testi.h"

namespace modpuntelli {

using platform::Voce;
using stampa::a;

namespace {

void righe(platform::Stampante& p, int colonna, std::initializer_list<const char*> testi)
{
    for (const char* t : testi) {
        p.stampaRiga({a(colonna, QString::fromUtf8(t))});
    }
}

void blocco(platform::Stampante& p, const char* titolo, std::initializer_list<const char*> voci)
{
    p.stampaRiga({a(14, QString::fromUtf8(titolo))});
    p.stampaRiga({a(14, QStringLiteral(" 1    2"))});
    for (const char* v : voci) {
        p.stampaRiga({a(14, QStringLiteral("[ ]  [ ]  ") + QString::fromUtf8(v))});
    }
    p.rigaVuota();
}

Voce attrito() { return a(12, QStringLiteral("0,75")); }

} // namespace

void ModuloAcquisizione(platform::Stampante& p)
{
    stampa::intestazione(p, testi::kCalcolo);
    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
    p.stampaRiga({a(10, QStringLiteral("MODULO PER L'ACQUISIZIONE DEI DATI"))});
    p.rigaVuota();
    p.stampaRiga({a(10, QStringLiteral("Progetto: ___________________________________"))});
    p.rigaVuota();
    p.stampaRiga({a(10, QStringLiteral("MURATURE:"))});
    p.rigaVuota();
    righe(p, 14, {"1 = sotto l'orizzonte della testa dei puntelli", "2 = sopra l'orizzonte della testa dei puntelli"});
    p.rigaVuota();

    blocco(p, "Tipologia delle murature",
           {"vuoti/pieni in pianta < 1/8", "vuoti/pieni in pianta > 1/8 e < 1/4", "vuoti/pieni in pianta > 1/4 e < 1",
            "pilastrate consolidabili", "pilastri e colonne da sostituire"});
    blocco(p, "Qualità delle murature", {"buona", "mediocre", "cattiva"});
    blocco(p, "Natura dei dissesti",
           {"cedimenti di fondazione", "schiacciamento e pressoflessione", "flessione con spinta"});
    blocco(p, "Estensione dei dissesti",
           {"generali (interessano tutto il muro)", "locali (irguardano solo una parte)"});
    blocco(p, "Gravità dei dissesti", {"gravi", "lievi"});

    p.stampaRiga({a(14, QStringLiteral("Consolidamento n._______  Tipo di calcolo:"))});
    p.rigaVuota();
    righe(p, 14, {"[ ] puntello per dissesti combinati", "[ ] sistema di puntelli per muri presso-inflessi",
                  "[ ] puntello + nucleo murario per angolate"});
    p.rigaVuota();

    p.impostaDimensione(stampa::kTabella);
    p.stampaRiga({a(10, QStringLiteral("Legenda (tra parentesi il riferimento al tipo di calcolo):"))});
    righe(p, 14,
          {"car.  = (1-2)   carico per puntello", "ang.  = (1-2)   angolo del puntello con l'orizzontale",
           "hp    = (1-2)   altezza del puntello", "ha    = (3)     altezza imposta dell'arco",
           "fr.   = (1-2-3) spessore muro frontale", "norm. = (1-2-3) spessore muro normale",
           "sigma = (1-2-3) sigma ammissibile nel materiale del puntello", "rag.  = (3)     raggio dell'arco",
           "sem.  = (3)     carico sul semiarco", "pil.  = (3)     carico diretto sul pilastro",
           "punt. = (2)     numero del puntello", "frec. = (2)     freccia d'incurvamento",
           "zona  = (2)     altezza della zona deformata",
           "les.  = (1)     lesioni tra muro frontale e muro normale 1=molto estese  2=estese  3=poco estese"});
    p.rigaVuota();

    righe(p, 10,
          {"  car.      ang.       hp       ha        fr.      norm.     sigma      rag.      sem.      pil.      les.",
           "   kg      gradi       cm       cm        cm        cm       kg/cmq      cm        kg        kg"});
    p.rigaVuota();
    righe(p, 10, {"________  ________  ________  ________  ________  ________  ________  ________  ________  ________  "
                  "________"});
    p.rigaVuota();

    righe(p, 10,
          {" punt.    frec.    zona   |  punt.    frec.    zona   |  punt.    frec.    zona   |  punt.    frec.    zona",
           "   n       cm       cm    |    n       cm       cm    |    n       cm       cm    |    n       cm       cm"});
    p.rigaVuota();
    for (int i = 0; i < 3; ++i) {
        righe(p, 10, {"_______  _______  _______ | _______  _______  _______ | _______  _______  _______ | _______  "
                      "_______  _______"});
        p.rigaVuota();
    }
    stampa::chiudiLavoro(p);
}

namespace {

void tabellaTipo3(platform::Stampante& p, const Consolidamento& k)
{
    righe(p, 14,
          {"attr. = coefficiente d'attrito tra muro e muro", "ha    = altezza imposta dell'arco",
           "fr.   = spessore muro frontale", "norm. = spessore muro normale",
           "sigma = sigma ammissibile nel materiale del puntello", "rag.  = raggio dell'arco",
           "sem.  = carico sul semiarco", "pil.  = carico diretto sul pilastro"});
    p.stampaRiga({a(14, QStringLiteral("compl.= ") + QString::fromUtf8(testi::kRis[3].caption))});
    p.stampaRiga({a(14, QStringLiteral("scorr.= ") + QString::fromUtf8(testi::kRis[4].caption))});
    righe(p, 14,
          {"c1    = coefficiente c1 di riduzione del carico", "c2    = coefficiente c2 di riduzione del carico",
           "sf.   = sforzo normale adottato", "lav.  = sigma di lavoro nel puntello",
           "lungh.= lunghezza del puntello (fondazione-testa)", "dist. = distanza muro-fondazione puntello",
           "lato  = lato della sezione quadrata del puntello", "ang.  = angolo con l'orizzontale del puntello"});
    p.rigaVuota();
    righe(p, 10,
          {"  attr.     ha        fr.      norm.     sigma      rag.      sem.      pil.",
           "            cm        cm        cm       kg/cmq      cm        kg        kg"});
    p.rigaVuota();
    p.stampaRiga({attrito(), stampa::dato(k.altar, 24), stampa::dato(k.spessfr, 34), stampa::dato(k.spessnor, 44),
                  stampa::dato(k.sigm, 55), stampa::dato(k.rag, 65), stampa::dato(k.carsem, 76),
                  stampa::dato(k.carpil, 86)});
    p.rigaVuota();
    p.rigaVuota();
    righe(p, 10,
          {" compl.     scorr.       c1         c2         sf.        lav.     lungh.      dist.      lato       ang.",
           "  kg          kg                               kg        kg/cmq      cm         cm         cm       gradi"});
    p.rigaVuota();
    const Risultati& r = k.ris;
    p.stampaRiga({stampa::numero(r.caricoComplessivo, 16), stampa::numero(r.azioneScorrimento, 27), stampa::numero(r.coefficienteC1, 35),
                  stampa::numero(r.coefficienteC2, 46), stampa::numero(r.sforzoNormale, 59), stampa::numero(r.sigmaLavoro, 69),
                  stampa::numero(r.lunghezzaPuntello, 80), stampa::numero(r.distanzaFondazione, 91), stampa::numero(r.latoSezione, 102),
                  stampa::dato(k.ang, 112)});
}

void tabellaTipo2(platform::Stampante& p, const Consolidamento& k, bool relazione)
{
    righe(p, 14,
          {"attr. = coefficiente d'attrito tra muro e muro", "car.  = carico per puntello",
           "ang.  = angolo del puntello con l'orizzontale", "hp    = altezza del puntello",
           "fr.   = spessore muro frontale", "norm. = spessore muro normale",
           "sigma = sigma ammissibile nel materiale del puntello", "punt. = numero del puntello",
           "frec. = freccia d'incurvamento", "zona  = altezza della zona deformata",
           "compl.= carico complessivo sulla testa del puntello", "c1    = coefficiente c1 di riduzione del carico",
           "c2    = coefficiente c2 di riduzione del carico", "lungh.= lunghezza del puntello (fondazione-testa)",
           "dist. = distanza muro-fondazione puntello", "lato  = lato della sezione quadrata del puntello",
           "spin. = spinta", "r.pun.= risultante assiale nel puntello",
           "r.par.= risultante assiale nell'asta di parete", "lav.  = sigma di lavoro nel puntello"});
    p.rigaVuota();
    righe(p, 10,
          {" attr.    car.    ang.    hp      fr.    norm.   sigma   compl.    c1      c2    lungh.  dist.   lato",
           "           kg    gradi    cm      cm      cm    kg/cmq     kg                      cm     cm      cm"});
    p.rigaVuota();
    const Risultati& r = k.ris;
    p.stampaRiga({attrito(), stampa::dato(k.carpu, 24), stampa::dato(k.ang, 30), stampa::dato(k.altpu, 38),
                  stampa::dato(k.spessfr, 46), stampa::dato(k.spessnor, 54), stampa::dato(k.sigm, 62),
                  stampa::numero(r.caricoComplessivo, 72), stampa::numero(r.coefficienteC1, 77), stampa::numero(r.coefficienteC2, 85),
                  stampa::numero(r.lunghezzaPuntello, 94), stampa::numero(r.distanzaFondazione, 102), stampa::numero(r.latoSezione, 109)});
    p.rigaVuota();
    p.rigaVuota();
    righe(p, 10,
          {"puntello     frec.      zona      spin.      r.pun.     r.par.      lav.",
           "   n          cm         cm        kg          kg         kg       kg/cmq"});
    p.rigaVuota();
    for (int i = 1; i <= std::min(k.numeroPuntelli, kMaxPuntelli); ++i) {
        const RisultatiPuntello& rp = k.risPuntelli[i];
        p.stampaRiga({stampa::numero(i, 13), stampa::dato(k.puntelli[i].frec, 26),
                      stampa::dato(k.puntelli[i].altdef, 37), stampa::numero(rp.spinta, 48), stampa::numero(rp.risultantePuntello, 60),
                      stampa::numero(rp.risultanteParete, 71), stampa::numero(rp.sigmaPuntello, 80)});
        if (i == 34) {
            if (relazione) {
                p.nuovaPagina();
                p.impostaX(stampa::kYRelazione);
                p.impostaY(stampa::kYRelazione);
            } else {
                stampa::nuovaPagina(p);
            }
        }
    }
}

void tabellaTipo1(platform::Stampante& p, const Consolidamento& k)
{
    righe(p, 14,
          {"attr. = coefficiente d'attrito tra muro e muro", "car.  = carico per puntello",
           "ang.  = angolo del puntello con l'orizzontale", "hp    = altezza del puntello",
           "fr.   = spessore muro frontale", "norm. = spessore muro normale",
           "sigma = sigma ammissibile nel materiale del puntello",
           "les.  = lesioni tra muro frontale e muro normale   1=molto estese  2=estese  3=poco estese",
           "compl.= carico complessivo sulla testa del puntello", "c1    = coefficiente c1 di riduzione del carico",
           "c2    = coefficiente c2 di riduzione del carico", "f.a.  = forza lungo il puntello (con l'attrito)",
           "f.c.  = forza lungo il puntello (con la coesione)", "sf.   = sforzo normale adottato",
           "lav.  = sigma di lavoro nel puntello", "lungh.= lunghezza del puntello (fondazione-testa)",
           "dist. = distanza muro-fondazione puntello", "lato  = lato della sezione quadrata del puntello"});
    p.rigaVuota();
    righe(p, 10,
          {"  attr.       car.        ang.         hp         fr.        norm.       sigma        les.",
           "               kg        gradi         cm         cm          cm         kg/cmq"});
    p.rigaVuota();
    p.stampaRiga({attrito(), stampa::dato(k.carpu, 28), stampa::dato(k.ang, 38), stampa::dato(k.altpu, 51),
                  stampa::dato(k.spessfr, 62), stampa::dato(k.spessnor, 74), stampa::dato(k.sigm, 87),
                  stampa::numero(k.lesioni, 97)});
    p.rigaVuota();
    p.rigaVuota();
    righe(p, 10,
          {" compl.      c1       c2        f.a.      f.c.       sf.      lav.     lungh.     dist.     lato",
           "  kg                             kg        kg        kg      kg/cmq      cm        cm        cm"});
    p.rigaVuota();
    const Risultati& r = k.ris;
    p.stampaRiga({stampa::numero(r.caricoComplessivo, 16), stampa::numero(r.coefficienteC1, 23), stampa::numero(r.coefficienteC2, 32),
                  stampa::numero(r.forzaAttrito, 45), stampa::numero(r.forzaCoesione, 55), stampa::numero(r.sforzoNormale, 65),
                  stampa::numero(r.sigmaLavoro, 72), stampa::numero(r.lunghezzaPuntello, 84), stampa::numero(r.distanzaFondazione, 94),
                  stampa::numero(r.latoSezione, 104)});
}

const char* kEtichetteZona[5] = {"Tipologia delle murature = ", "Qualità delle murature   = ",
                                 "Natura dei dissesti      = ", "Estensione dei dissesti  = ",
                                 "Gravità dei dissesti     = "};

} // namespace

bool StampaDatiRisultati(platform::Stampante& p, const Lavoro& l, const QString& progetto, bool relazione)
{
    if (relazione) {
        p.impostaFont(QStringLiteral("Courier"));
        p.impostaDimensione(stampa::kTitolo);
    } else {
        stampa::intestazione(p, testi::kCalcolo);
        p.impostaDimensione(stampa::kIntestazione);
    }
    p.rigaVuota();
    p.stampaRiga({a(10, QStringLiteral("DATI E RISULTATI"))});
    p.rigaVuota();
    if (!relazione) {
        p.stampaRiga({a(10, QStringLiteral("Progetto: ") + progetto)});
    }

    const int n = std::min(l.numeroConsolidamenti, kMaxConsolidamenti);
    for (int c = 1; c <= n; ++c) {
        const Consolidamento& k = l.at(c);
        const int t = tipoCalcolato(k.tipo);
        p.rigaVuota();
        p.impostaDimensione(stampa::kIntestazione);
        p.stampaRiga({a(14, QStringLiteral("Consolidamento n.") + stampa::numero(c, 0).testo + QStringLiteral(" : ") +
                                testi::nomeTipo(t))});
        for (int m = kSotto; m <= kSopra; ++m) {
            p.rigaVuota();
            p.stampaRiga({a(10, m == kSotto ? QStringLiteral("Murature sotto l'orizzonte della testa dei puntelli")
                                            : QStringLiteral("Murature sopra l'orizzonte della testa dei puntelli"))});
            p.rigaVuota();
            for (int g = 2; g <= 6; ++g) {
                const QString scelta = testi::voce(g, k.scelta(m, g));
                if (scelta.isEmpty()) {
                    // No caption to print: the printout ends here, as on a printer error.
                    stampa::interrompi(p);
                    return false;
                }
                p.stampaRiga({a(14, QString::fromUtf8(kEtichetteZona[g - 2]) + scelta)});
            }
        }
        p.rigaVuota();
        p.impostaDimensione(stampa::kTabella);
        p.stampaRiga({a(10, QStringLiteral("Legenda:"))});
        switch (t) {
        case 3: tabellaTipo3(p, k); break;
        case 2: tabellaTipo2(p, k, relazione); break;
        default: tabellaTipo1(p, k); break;
        }
        if (c < n) {
            if (relazione) {
                p.nuovaPagina();
                p.impostaX(stampa::kYRelazione);
                p.impostaY(stampa::kYRelazione);
            } else {
                stampa::nuovaPagina(p);
            }
        }
    }
    stampa::chiudiLavoro(p);
    return true;
}

} // namespace modpuntelli
