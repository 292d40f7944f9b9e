#pragma once
// Fixed texts of the stitching window, its messages, file and printouts.

#include <QString>

#include <array>

namespace testi_cuciture {

using Q = QString;

inline const Q kTitoloFinestra = QStringLiteral("Rinsal: cuciture metalliche");
inline const Q kPrefisso = QStringLiteral("Cuciture-dati-");
inline const Q kNomeFinestra = QStringLiteral("Cuciture");

// Input columns, in field (and file) order.
inline const std::array<Q, 12> kNomiCampi = {
    QStringLiteral("cort"), QStringLiteral("lung"), QStringLiteral("alt"),  QStringLiteral("diam"),
    QStringLiteral("pas"),  QStringLiteral("car"),  QStringLiteral("fesc"), QStringLiteral("fesl"),
    QStringLiteral("tens"), QStringLiteral("temp"), QStringLiteral("rott"), QStringLiteral("rond")};
inline const std::array<Q, 12> kDidascalie = {
    QStringLiteral("lato corto"),        QStringLiteral("lato lungo"),        QStringLiteral("altezza piedritto"),
    QStringLiteral("diametro barre"),    QStringLiteral("passo vert. barre"), QStringLiteral("carico gravante"),
    QStringLiteral("fessure l.corto"),   QStringLiteral("fessure l.lungo"),   QStringLiteral("tens. assiale"),
    QStringLiteral("temperat. di posa"), QStringLiteral("carico rottura"),    QStringLiteral("diametro rondelle")};
inline const std::array<Q, 12> kSuggerimenti = {
    QStringLiteral("misura del lato corto del piedritto da consolidare"),
    QStringLiteral("misura del lato lungo del piedritto"),
    QStringLiteral("altezza del piedritto da consolidare"),
    QStringLiteral("diametro dei tirantini"),
    QStringLiteral("passo verticale delle barre di acciaio"),
    QStringLiteral("carico gravante sul piedritto"),
    QStringLiteral("ampiezza totale delle fessurazioni nel lato corto"),
    QStringLiteral("ampiezza totale delle fessurazioni nel lato lungo"),
    QStringLiteral("tensione assiale gravante nella muratura"),
    QStringLiteral("temperatura minima di posa (= montaggio senza fessure)"),
    QStringLiteral("carico di rottura nella muratura da consolidare"),
    QStringLiteral("diametro delle rondelle terminali dei tirantini")};
inline const std::array<Q, 12> kUnita = {
    QStringLiteral("cm"), QStringLiteral("cm"),     QStringLiteral("cm"),    QStringLiteral("mm"),
    QStringLiteral("cm"), QStringLiteral("kg"),     QStringLiteral("cm"),    QStringLiteral("cm"),
    QStringLiteral("kg/cmq"), QStringLiteral("gradi"), QStringLiteral("kg/cmq"), QStringLiteral("cm")};

inline const Q kNum = QStringLiteral("n");
inline const Q kNumTooltip = QStringLiteral("numero d'ordine del consolidamento");
inline const Q kNumCopiaTooltip = QStringLiteral("cliccare per copiare tutti i dati della cucitura precedente");
inline const Q kNConsolidamenti = QStringLiteral("N.consolidamenti");
inline const Q kNConsolidamentiTooltip = QStringLiteral("numero totale di consolidamenti digitati");
inline const Q kFrameDati = QStringLiteral("Dati sui piedritti da consolidare");
inline const Q kOpzioneCaldo = QStringLiteral("tirantini antiespulsivi a caldo");
inline const Q kOpzioneFreddo = QStringLiteral("cuciture a freddo");
inline const Q kOpzioneFreddoTooltip = QStringLiteral("cliccare per scegliere la cucitura a freddo");

// Hot results
inline const Q kFrameCaldo = QStringLiteral("Risultati delle cuciture a caldo");
inline const Q kLatoLungo = QStringLiteral("lato lungo");
inline const Q kLatoLungoTooltip = QStringLiteral("riga di risultati del lato lungo del piedritto");
inline const Q kLatoCorto = QStringLiteral("lato corto");
inline const Q kLatoCortoTooltip = QStringLiteral("riga di risultati del lato corto del piedritto");
// orig, raffr, fred, all, mont, sigm, tirpil, compr, ntir, tottir
inline const std::array<Q, 10> kDidascalieCaldo = {
    QStringLiteral("originar."),        QStringLiteral("tirante raffredd."), QStringLiteral("tirante freddo"),
    QStringLiteral("allung. elastico"), QStringLiteral("temp. mont."),       QStringLiteral("sigma ferro"),
    QStringLiteral("compr. tir./pil."), QStringLiteral("compr. rondella"),   QStringLiteral("tiranti calcolati"),
    QStringLiteral("tot. tiranti")};
inline const std::array<Q, 10> kSuggerimentiCaldo = {
    QStringLiteral("misura del lato originario del piedritto"),
    QStringLiteral("misura del tirante raffreddato"),
    QStringLiteral("misura del tirante a freddo"),
    QStringLiteral("valore dell'allungamento elastico del tirante"),
    QStringLiteral("temperatura teorica di montaggio del tirante"),
    QStringLiteral("sigma di lavoro nel ferro"),
    QStringLiteral("compressione tirante-piedritto"),
    QStringLiteral("compressione della rondella sul piedritto"),
    QStringLiteral("numero dei tiranti di calcolo per fila orizzontale"),
    QStringLiteral("totale dei tiranti necessari")};
inline const std::array<Q, 10> kUnitaCaldo = {
    QStringLiteral("cm"),     QStringLiteral("cm"),     QStringLiteral("cm"),     QStringLiteral("cm"),
    QStringLiteral("gradi"),  QStringLiteral("kg/cmq"), QStringLiteral("kg/cmq"), QStringLiteral("kg/cmq"),
    QString(),                QString()};
inline const Q kNumCons = QStringLiteral("num. cons.");
inline const Q kNumConsTooltip = QStringLiteral("numero del consolidamento a cui si riferiscono i risultati");
inline const Q kEserc = QStringLiteral("temp.esercizio");

// Cold results: rum, sigmf, compv, assorb, bar, orizz
inline const Q kFrameFreddo = QStringLiteral("Risultati delle cuciture a freddo");
inline const std::array<Q, 6> kDidascalieFreddo = {
    QStringLiteral("cucitura"),      QStringLiteral("sigma ferro"),  QStringLiteral("compr. vert."),
    QStringLiteral("forza da ass."), QStringLiteral("numero barre"), QStringLiteral("inter. orizzont.")};
inline const std::array<Q, 6> kSuggerimentiFreddo = {
    QStringLiteral("numero d'ordine della cucitura"),
    QStringLiteral("sigma di lavoro nei tirantini (modificabile)"),
    QStringLiteral("tensione di compressione verticale nella muratura"),
    QStringLiteral("forza totale da assorbire da parte della cucitura"),
    QStringLiteral("numero totale delle barre sul lato lungo"),
    QStringLiteral("interasse orizzontale di calcolo (teorico)")};
inline const std::array<Q, 6> kUnitaFreddo = {QString(), QStringLiteral("kg/cmq"), QStringLiteral("kg/cmq"),
                                              QStringLiteral("kg"), QString(), QStringLiteral("cm")};

// Guidance box
inline const Q kGuidaInizio = QStringLiteral(
    "aprire un file con i dati archiviati o iniziare l'immissione scegliendo la tipologia di calcolo (a caldo o a "
    "freddo)");
inline const Q kGuidaCucitura = QStringLiteral(" della cucitura n.");
inline const std::array<Q, 12> kGuidaCampi = {
    QStringLiteral("digitare la misura del lato corto del piedritto"),
    QStringLiteral("digitare la misura del lato lungo del piedritto"),
    QStringLiteral("digitare la misura dell'altezza del piedritto"),
    QStringLiteral("digitare il diametro delle barre"),
    QStringLiteral("digitare il passo delle barre"),
    QStringLiteral("digitare il carico gravante sul piedritto"),
    QStringLiteral("digitare la misura totale delle fessure nel lato corto del piedritto"),
    QStringLiteral("digitare la misura totale delle fessure nel lato lungo del piedritto"),
    QStringLiteral("digitare la tensione assiale nel piedritto"),
    QStringLiteral("digitare la temperatura di posa"),
    QStringLiteral("digitare il carico di rottura nel piedritto"),
    QStringLiteral("digitare il diametro della rondella")};
inline const Q kGuidaFine = QStringLiteral(
    "correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro tipo di calcolo)");
inline const Q kRottura = QStringLiteral(
    "le tensioni di compressione sono maggiori del carico di rottura: modificare i dati o tonificare la muratura");

// Data check
inline const Q kNessunDato = QStringLiteral(
    "Non esistono dati riconosciuti:\r"
    "- per procedere è necessario scegliere la tipologia di calcolo (a caldo o a freddo);\r"
    "- quindi digitare almeno il lato corto del piedritto n.1;\r"
    "- il controllo viene effettuato solo sulle cuciture per le quali esiste il dato del lato corto.");
inline const Q kControlloCucitura = QStringLiteral("Cucitura n.");
inline const Q kControlloDigitare = QStringLiteral("- digitare ");
inline const std::array<Q, 12> kControlloCampi = {
    QStringLiteral("la misura del lato corto del piedritto."),
    QStringLiteral("la misura del lato lungo del piedritto."),
    QStringLiteral("l'altezza del piedritto."),
    QStringLiteral("il diametro delle barre."),
    QStringLiteral("il passo delle barre."),
    QStringLiteral("il carico gravante sul piedritto."),
    QStringLiteral("la misura totale delle fessure nel lato corto del piedritto."),
    QStringLiteral("la misura totale delle fessure nel lato lungo del piedritto."),
    QStringLiteral("la tensione assiale nel piedritto."),
    QStringLiteral("la temperatura di posa dei tirantini."),
    QStringLiteral("il carico di rottura nel piedritto."),
    QStringLiteral("il diametro della rondella.")};

inline const Q kAiuto = QStringLiteral(
    "- Aprire un file archiviato per prelevare i dati;\r"
    "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
    "- visualizzare le cuciture successive (dati e risultati) con le barre di scorrimento verticale;\r"
    "- copiare i dati dalla cucitura precedente cliccando sul numero della cucitura successiva;\r"
    "- copiare il singolo dato della cucitura precedente digitando il simbolo +;\r"
    "- effettuare i controlli dei dati cliccando sul tasto ABC;\r"
    "- visualizzare differenti risultati cliccando sulle barre di scorrimento nella zona dei risultati;\r"
    "- correggere o archiviare i dati, stampare o passare ad un'altra elaborazione.");

// Printouts
inline const Q kTitoloModulo = QStringLiteral("RINSAL - calcoli di consolidamenti");
inline const Q kTitoloDati = QStringLiteral("RINSAL - calcoli di cuciture metalliche");
inline const Q kModuloTitolo = QStringLiteral("ACQUISIZIONE DATI PER CUCITURE METALLICHE");
inline const Q kModuloProgetto = QStringLiteral("Progetto: ___________________________________");
inline const Q kModuloTipi =
    QStringLiteral("[ ] 1 = tirantini antiespulsivi a caldo        [ ] 2 = cuciture a freddo");
inline const Q kModuloLegenda =
    QStringLiteral("Legenda: (tra parentesi le tipologie di calcolo che richiedono il singolo dato)");
inline const std::array<Q, 13> kModuloVoci = {
    QStringLiteral("cuc.  = numero della cucitura (1-2)"),
    QStringLiteral("corto = misura del lato corto del piedritto (1-2)"),
    QStringLiteral("lungo = misura del lato lungo del piedritto (1-2)"),
    QStringLiteral("alt.  = altezza del piedritto (1-2)"),
    QStringLiteral("diam. = diametro delle barre di ferro (1-2)"),
    QStringLiteral("passo = passo verticale delle barre (1-2)"),
    QStringLiteral("grav. = carico gravante sul piedritto (2)"),
    QStringLiteral("fes.c.= misura totale delle fessure nel lato corto (1)"),
    QStringLiteral("fes.l.= misura totale delle fessure nel lato lungo (1)"),
    QStringLiteral("tens. = tensione assiale nel piedritto (1)"),
    QStringLiteral("posa  = temperatura ambiente al momento della posa della cucitura (1)"),
    QStringLiteral("rott. = carico di rottura nel piedritto (1)"),
    QStringLiteral("rond. = diametro delle rondelle dei tirantini (1)")};
inline const Q kModuloIntestazione = QStringLiteral(
    "  cuc.    corto   lungo   alt.    diam.   passo   grav.   fes.c.  fes.l.  tens.   posa    rott.   rond.");
inline const Q kModuloUnita = QStringLiteral(
    "   n.      cm      cm      cm      mm      cm      kg       cm      cm   kg/cmq   gradi  kg/cmq    cm");
inline const Q kModuloRiga = QStringLiteral(
    "________ _______ _______ _______ _______ _______ _______ _______ _______ _______ _______ _______ _______");

inline const Q kProgetto = QStringLiteral("Progetto: ");
inline const Q kRisultatiCaldo = QStringLiteral("RISULTATI: cucitura n.");
inline const Q kTipologiaCaldo = QStringLiteral(" - tipologia di calcolo: tirantini antiespulsivi a caldo");
inline const Q kLegenda = QStringLiteral("Legenda:");
inline const std::array<Q, 24> kLegendaCaldo = {
    QStringLiteral("cuc.  = numero della cucitura"),
    QStringLiteral("corto = misura del lato corto del piedritto"),
    QStringLiteral("lungo = misura del lato lungo del piedritto"),
    QStringLiteral("alt.  = altezza del piedritto"),
    QStringLiteral("diam. = diametro delle barre di ferro"),
    QStringLiteral("passo = passo verticale delle barre"),
    QStringLiteral("fes.c.= misura totale delle fessure nel lato corto"),
    QStringLiteral("fes.l.= misura totale delle fessure nel lato lungo"),
    QStringLiteral("tens. = tensione assiale nel piedritto"),
    QStringLiteral("posa  = temperatura ambiente al momento della posa della cucitura"),
    QStringLiteral("rott. = carico di rottura nel piedritto"),
    QStringLiteral("rond. = diametro delle rondelle dei tirantini"),
    QStringLiteral("lato  = tipo di lato del piedritto (1=corto  2=lungo)"),
    QStringLiteral("amb.  = temperatura ambiente di esercizio del consolidamento"),
    QStringLiteral("orig. = misura originaria del lato"),
    QStringLiteral("raffr.= misura del tirante raffreddato"),
    QStringLiteral("fre.  = misura del tirante a freddo"),
    QStringLiteral("elast.= valore dell'allungamento elastico del tirante"),
    QStringLiteral("mont. = temperatura di montaggio"),
    QStringLiteral("sigm. = sigma di lavoro nel tirante"),
    QStringLiteral("compr.= valore della compressione del tirante sul piedritto"),
    QStringLiteral("ron.  = valore della compressione della rondella sul piedritto"),
    QStringLiteral("tir.  = numero dei tiranti calcolati per fila orizzontale"),
    QStringLiteral("tot.  = totale dei tiranti necessari")};
inline const Q kCaldoIntestazione = QStringLiteral(
    "  cuc.     corto    lungo    alt.     diam.    passo    fes.c.   fes.l.   tens.    posa     rott.    rond.");
inline const Q kCaldoUnita = QStringLiteral(
    "   n.       cm       cm       cm       mm       cm        cm       cm    kg/cmq    gradi   kg/cmq     cm");
inline const Q kCaldoRisIntestazione = QStringLiteral(
    "  amb.  lato    orig.    raffr.     fre.   elast.    mont.    sigm.   compr.    ron.     tir.     tot.");
inline const Q kCaldoRisUnita = QStringLiteral(
    " gradi           cm        cm        cm      cm      gradi   kg/cmq   kg/cmq   kg/cmq     n        n");

inline const Q kFreddoTitolo = QStringLiteral("RISULTATI CUCITURE METALLICHE A FREDDO");
inline const std::array<Q, 12> kLegendaFreddo = {
    QStringLiteral("cuc.  = numero della cucitura"),
    QStringLiteral("corto = misura del lato corto del piedritto"),
    QStringLiteral("lungo = misura del lato lungo del piedritto"),
    QStringLiteral("alt.  = altezza del piedritto"),
    QStringLiteral("diam. = diametro delle barre di ferro"),
    QStringLiteral("passo = passo verticale delle barre"),
    QStringLiteral("grav. = carico gravante sul piedritto"),
    QStringLiteral("sigma = sigma di lavoro nel ferro"),
    QStringLiteral("compr.= tensione di compressione verticale nella muratura"),
    QStringLiteral("forza = forza totale da assorbire da parte dei tirantini"),
    QStringLiteral("barre = numero totale delle barre per ogni lato"),
    QStringLiteral("inter.= interasse orizzontale")};
inline const Q kFreddoIntestazione = QStringLiteral(
    "  cuc.      corto   lungo    alt.     diam.    passo    grav.    sigma    compr.   forza    barre   inter.");
inline const Q kFreddoUnita = QStringLiteral(
    "   n.        cm       cm      cm       mm       cm       kg     kg/cmq    kg/cmq     kg       n       cm");

// Chart after each hot pier's table
inline const Q kGrafico = QStringLiteral("cucitura n.");
inline const Q kGraficoTitolo = QStringLiteral(": sigma di lavoro nei tirantini");
// The chart window.
inline const Q kTitoloGrafico = QStringLiteral("Grafico della cucitura n.");
inline const Q kGraficoSoloCaldo = QStringLiteral(
    "Il grafico c'è solo per i tirantini antiespulsivi a caldo: le cuciture a freddo non hanno risultati per "
    "temperatura.");
// After "Cucitura n. 3" when its values give no hot results.
inline const Q kGraficoSenzaRisultati = QStringLiteral(": i dati immessi non danno risultati a caldo; correggerli");
inline const Q kSerieCorto = QStringLiteral("lato corto");
inline const Q kSerieLungo = QStringLiteral("lato lungo");
inline const Q kSigmaZero = QStringLiteral("sigm. = 0");

} // namespace testi_cuciture
