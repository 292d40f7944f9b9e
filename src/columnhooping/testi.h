#pragma once
// Fixed texts of the column-hooping window, its messages and printouts.

#include <QString>

#include <array>

namespace testi_cercol {

using Q = QString;

inline const Q kTitoloFinestra = QStringLiteral("Rinsal : calcolo di cerchiature di colonne");
inline const Q kPrefisso = QStringLiteral("Cercol-dati-");
inline const Q kNomeFinestra = QStringLiteral("Cerchiature colonne");

// Input columns, in field order.
inline const std::array<Q, 11> kNomiCampi = {
    QStringLiteral("rag"), QStringLiteral("elic"), QStringLiteral("car"), QStringLiteral("alt"),
    QStringLiteral("fes"), QStringLiteral("incr"), QStringLiteral("tens"), QStringLiteral("temp"),
    QStringLiteral("inter"), QStringLiteral("hcer"), QStringLiteral("longh")};
inline const std::array<Q, 11> kDidascalie = {
    QStringLiteral("raggio colonna"), QStringLiteral("fi  tondino elica  (6-10)"),
    QStringLiteral("carico grav."), QStringLiteral("altezza colonna"), QStringLiteral("totale fessure"),
    QStringLiteral("incr. raggio"), QStringLiteral("tens. assiale"), QStringLiteral("temp.di posa"),
    QStringLiteral("inter. cerchi"), QStringLiteral("altezza cerchio"), QStringLiteral("passo longh.")};
inline const std::array<Q, 11> kSuggerimenti = {
    QStringLiteral("raggio misurato sotto il carico limite allo schiacciamento"),
    QStringLiteral("il diametro del tondino dell'elica (valori consigliati tra 6 e 10)"),
    QStringLiteral("il carico gravante sulla colonna"),
    QStringLiteral("l'altezza totale della colonna"),
    QStringLiteral("l'ampiezza totale delle fessure verticali nella colonna"),
    QStringLiteral("l'incremento della misura del raggio per le asperità superficiali"),
    QStringLiteral("la tensione assiale nella colonna"),
    QStringLiteral("temperatura di posa a 0° di temperatura ambiente (= montaggio senza fessure)"),
    QStringLiteral("l'interasse dei cerchi"),
    QStringLiteral("l'altezza di ogni cerchio"),
    QStringLiteral("il passo dei longheroni verticali")};
inline const std::array<Q, 11> kUnita = {
    QStringLiteral("cm"), QStringLiteral("mm"), QStringLiteral("kg"), QStringLiteral("cm"),
    QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("kg/cmq"), QStringLiteral("gradi"),
    QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("cm")};

inline const Q kNum = QStringLiteral("num");
inline const Q kNumTooltip = QStringLiteral("il numero della cerchiatura");
inline const Q kNumCopiaTooltip = QStringLiteral("cliccare per copiare i dati della cerchiatura precedente");
inline const Q kNConsolidamenti = QStringLiteral("N.consolidamenti");
inline const Q kNConsolidamentiTooltip = QStringLiteral("numero totale di consolidamenti digitati");

inline const std::array<Q, 2> kOpzioni = {QStringLiteral("cerchiatura parallela a caldo"),
                                          QStringLiteral("cerchiatura elicoidale a freddo")};
inline const std::array<Q, 2> kOpzioniTooltip = {
    QStringLiteral("cliccare per scegliere la cerchiatura parallela a caldo"),
    QStringLiteral("cliccare per scegliere la cerchiatura elicoidale a freddo")};
inline const Q kNoteTooltip = QStringLiteral("note sul calcolo");

// Notes on the helix bar.
inline const Q kNotaDiametro =
    QStringLiteral("Attenzione: è difficile porre in opera tondini con diametro maggiore di mm.10");
inline const Q kNotaFi12 =
    QStringLiteral("Considerare l'eventuale difficoltà a piegare ad elica il diametro superiore a fi 12.");
inline const Q kNotaBenEseguito = QStringLiteral(
    "Il calcolo è ben eseguito: per modificare la sezione ideale reagente e la tensione attuale nella colonna "
    "cambiare il valore fi dell'elica nei dati.");

inline const Q kSceglierePrima = QStringLiteral("Scegliere prima il tipo di calcolo.");

// Guidance box.
inline const Q kGuidaInizio = QStringLiteral(
    "aprire un file con i dati archiviati o iniziare l'immissione scegliendo il tipo di calcolo e digitando il "
    "raggio della colonna della prima cerchiatura");
inline const Q kGuidaCerchiatura = QStringLiteral("Cerchiatura n.");
inline const Q kGuidaDigitare = QStringLiteral(": digitare ");
// rag, elic, car, alt.
inline const std::array<Q, 4> kGuidaCampi = {
    QStringLiteral("il raggio della colonna"),
    QStringLiteral("il diametro del tondino dell'elica (si consiglia un valore compreso tra mm.6 e cm.10)"),
    QStringLiteral("il carico gravante sulla colonna"), QStringLiteral("l'altezza dlla colonna")};
inline const Q kGuidaFine = QStringLiteral(
    "correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro tipo di calcolo)");
// After "Cerchiatura n. 3" when a row's values defeat the arithmetic.
inline const Q kGuidaImpossibile = QStringLiteral(
    ": i dati immessi non consentono il calcolo (valori nulli, troppo grandi o non numerici); correggerli");

// Data check.
inline const Q kNessunDato = QStringLiteral(
    "Non esistono dati riconosciuti:\r"
    "- per procedere è necessario scegliere  il tipo di cerchiatura (a caldo o a freddo);\r"
    "- quindi digitare almeno il raggio della colonna della cerchiatura n.1;\r"
    "- il controllo viene effettuato solo sulle cerchiature per le quali esiste il dato dello spessore del "
    "raggio della colonna.");
inline const Q kControlloDigitare = QStringLiteral("- digitare ");
// In field order: rag, elic, car, alt, then the hot fields fes .. longh.
inline const std::array<Q, 11> kControlloCampi = {
    QStringLiteral("il raggio della colonna."), QStringLiteral("il diametro del tondino dell'elica."),
    QStringLiteral("carico gravante sulla colonna."), QStringLiteral("l'altezza della colonna."),
    QStringLiteral("l'ampiezza totale delle fessure verticali nella colonna."),
    QStringLiteral("l'incremento del raggio per le asperità superficiali."),
    QStringLiteral("la tensione assiale nella colonna."), QStringLiteral("la temperatura di posa dei cerchi."),
    QStringLiteral("l'interasse dei cerchi."), QStringLiteral("l'altezza di ogni cerchio."),
    QStringLiteral("il passo dei longheroni verticali.")};

inline const Q kAiuto = QStringLiteral(
    "- Aprire un file archiviato per prelevare i dati;\r"
    "- visualizzare le cerchiature successive con la barra di scorrimento verticale accanto ai dati;\r"
    "- muoversi nei vari campi con il mouse o con il tasto TAB;\r"
    "- copiare tutti i dati precedenti cliccando sul numero successivo del consolidamento;\r"
    "- copiare il songolo dato cliccando il segno + nella relativa casella;\r"
    "- seguire le indicazioni in linea nella casella gialla;\r"
    "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");

// Cold results frame.
inline const Q kFreddo = QStringLiteral("risultati della cerchiatura a freddo");
inline const std::array<Q, 5> kDidascalieFreddo = {
    QStringLiteral("passo elica"), QStringLiteral("lungh. elica"), QStringLiteral("sez. ideale"),
    QStringLiteral("tens. preced."), QStringLiteral("tens. attuale")};
inline const std::array<Q, 5> kSuggerimentiFreddo = {
    QStringLiteral("passo dell'elica (massimo cm.10)"), QStringLiteral("lunghezza totale dell'elica sulla colonna"),
    QStringLiteral("sezione ideale reagente"), QStringLiteral("tensione precedente nella colonna"),
    QStringLiteral("tensione attuale (dopo il consolidamento) nella colonna")};
inline const std::array<Q, 5> kUnitaFreddo = {QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("cmq"),
                                              QStringLiteral("kg/cmq"), QStringLiteral("kg/cmq")};

// Hot results table: teser, then the twelve result columns.
inline const std::array<Q, 13> kDidascalieCaldo = {
    QStringLiteral("temp. ambien."), QStringLiteral("raggio origin."), QStringLiteral("raggio cerch."),
    QStringLiteral("raggio freddo"), QStringLiteral("raggio totale"), QStringLiteral("circonf. caldo"),
    QStringLiteral("allung. elastico"), QStringLiteral("temp. mont."), QStringLiteral("traz. cerchio"),
    QStringLiteral("compr. cer/col"), QStringLiteral("spess. cerchi"), QStringLiteral("num. longh."),
    QStringLiteral("spazio longh.")};
inline const std::array<Q, 13> kSuggerimentiCaldo = {
    QStringLiteral("temperatura ambiente di esercizio della cerchiatura"),
    QStringLiteral("il raggio originario della colonna"),
    QStringLiteral("il raggio della colonna cerchiata"),
    QStringLiteral("il raggio del cerchio freddo"),
    QStringLiteral("il raggio della colonna finale"),
    QStringLiteral("la circonferenza del cerchio a caldo"),
    QStringLiteral("l'allungamento elastico nel cerchio"),
    QStringLiteral("la temperatura di montaggio della cerchiatura"),
    QStringLiteral("sigma di trazione nel cerchio"),
    QStringLiteral("sigma di compressione della cerchiatura sulla colonna"),
    QStringLiteral("lo spessore dei cerchi"),
    QStringLiteral("il numero dei ferri (longheroni) verticali"),
    QStringLiteral("lo spazio tra l'uno e l'altro dei longheroni")};
inline const std::array<Q, 13> kUnitaCaldo = {
    QStringLiteral("gradi"), QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("cm"),
    QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("gradi"),
    QStringLiteral("kg/cmq"), QStringLiteral("kg/cmq"), QStringLiteral("mm"), QStringLiteral("n"),
    QStringLiteral("cm")};
inline const Q kCerchiaturaNum = QStringLiteral("cerchiat. num.");
inline const Q kCerchiaturaNumTooltip = QStringLiteral("la cerchiatura di cui si mostrano i risultati a caldo");

// Printouts.
inline const Q kTitoloStampa = QStringLiteral("RINSAL - calcoli di consolidamenti");
inline const Q kProgetto = QStringLiteral("Progetto: ");
inline const Q kModuloTitolo = QStringLiteral("MODULO PER L'ACQUISIZIONE DEI DATI");
inline const Q kModuloProgetto = QStringLiteral("Progetto: ___________________________________");
inline const Q kModuloTipi =
    QStringLiteral("[ ] 1 = cerchiatura parallela a caldo    [ ] 2 = cerchiatura elicoidale a freddo");
inline const Q kModuloLegenda =
    QStringLiteral("Legenda: (tra parentesi le tipologie di calcolo che richiedono il singolo dato)");
inline const std::array<Q, 12> kModuloVoci = {
    QStringLiteral("cerch.= numero della cerchiatura (1-2)"),
    QStringLiteral("rag.  = raggio della colonna (1-2)"),
    QStringLiteral("diam  = diametro del tondino dell'elica (2)"),
    QStringLiteral("grav. = carico gravante sulla colonna (2)"),
    QStringLiteral("alt.  = altezza della colonna (2)"),
    QStringLiteral("fess. = ampiezza totale delle fessure verticali (1)"),
    QStringLiteral("incr. = incremento della misura del raggio per le asperità superficiali (1)"),
    QStringLiteral("tens. = tensione assiale nella colonna (1)"),
    QStringLiteral("posa  = temperatura ambiente al momento della cerchiatura (1)"),
    QStringLiteral("inter.= interasse dei cerchi (1)"),
    QStringLiteral("hcer. = altezza dei cerchi (1)"),
    QStringLiteral("passo = passo dei longheroni verticali (1)")};
inline const Q kModuloIntestazione = QStringLiteral(
    "  cerch.   rag.     diam.    grav.    alt.     fess.    incr.    tens.     posa    inter.   hcer.    passo");
// Each unit under its heading.
inline const Q kModuloUnita = QStringLiteral(
    "   n.      cm       mm       kg       cm       cm       cm      kg/cmq    gradi     cm       cm       cm");
inline const Q kModuloRiga = QStringLiteral(
    "_________ ________ ________ ________ ________ ________ ________ ________ ________ ________ ________ ________");

inline const Q kRisultatiCaldo = QStringLiteral("RISULTATI: cerchiatura parallela a caldo n.");
inline const Q kLegenda = QStringLiteral("Legenda:");
inline const std::array<Q, 21> kLegendaCaldo = {
    QStringLiteral("cerch.= numero della cerchiatura"),
    QStringLiteral("fess. = ampiezza totale delle fessure vertical"),
    QStringLiteral("incr. = incremento della misura del raggio per le asperità superficiali"),
    QStringLiteral("tens. = tensione assiale nella colonna"),
    QStringLiteral("posa  = temperatura ambiente al momento della cerchiatura"),
    QStringLiteral("inter.= interasse dei cerchi"),
    QStringLiteral("hcer. = altezza dei cerchi"),
    QStringLiteral("passo = passo dei longheroni verticali"),
    QStringLiteral("amb.  = temperatura ambiente di esercizio della cerchiatura"),
    QStringLiteral("orig. = misura originaria del raggio della colonna"),
    QStringLiteral("cer.  = raggio del cerchio"),
    QStringLiteral("fre.  = raggio del cerchio freddo"),
    QStringLiteral("tot.  = raggio totale della colonna cerchiata"),
    QStringLiteral("circ.= circonferenza del cerchio a caldo"),
    QStringLiteral("elast.= allungamento elastico nel cerchio"),
    QStringLiteral("mont. = temperatura di montaggio del cerchio"),
    QStringLiteral("traz. = trazione nel cerchio"),
    QStringLiteral("compr.= compressione del cerchio sulla colonna"),
    QStringLiteral("spe.  = spessore dei cerchi"),
    QStringLiteral("long. = numero dei longheroni verticali"),
    QStringLiteral("spaz. = spazio libero tra i longheroni")};
inline const Q kDatiCaldoIntestazione =
    QStringLiteral("  cerch.     fess.     incr.     tens.     posa     inter.    hcer.     passo");
inline const Q kDatiCaldoUnita =
    QStringLiteral("    n.        cm        cm      kg/cmq     gradi      cm       cm         cm");
inline const Q kTabellaCaldoIntestazione = QStringLiteral(
    "  amb.    orig.    cer.     fre.     tot.     circ.   elast.   mont.    traz.    compr.   spe.  long.   spaz.");
inline const Q kTabellaCaldoUnita = QStringLiteral(
    " gradi     cm       cm       cm       cm       cm      cm      gradi    kg/cmq   kg/cmq    mm     n      cm");

inline const Q kRisultatiFreddo = QStringLiteral("RISULTATI CERCHIATURE COLONNE A FREDDO");
inline const std::array<Q, 10> kLegendaFreddo = {
    QStringLiteral("cerch.= numero della cerchiatura"),
    QStringLiteral("rag.  = raggio della colonna"),
    QStringLiteral("diam  = diametro del tondino dell'elica"),
    QStringLiteral("grav. = carico gravante sulla colonna"),
    QStringLiteral("alt.  = altezza della colonna"),
    QStringLiteral("elica = passo dell'elica"),
    QStringLiteral("lungh.= lunghezza totale dell'elica"),
    QStringLiteral("sez.  = sezione ideale reagente"),
    QStringLiteral("prec. = tensione nella colonna prima del consolidamento"),
    QStringLiteral("att.  = tensione nella colonna dopo il consolidamento")};
inline const Q kFreddoIntestazione = QStringLiteral(
    "  cerch.   rag.     diam.    grav.    alt.     elica    lungh.    sez.     prec.    att.");
inline const Q kFreddoUnita = QStringLiteral(
    "   n.      cm       mm       kg       cm       cm       cm       cmq     kg/cmq   kg/cmq");

// Chart below each hot ring's table
inline const Q kGrafico = QStringLiteral("cerchiatura n.");
inline const Q kGraficoTitolo = QStringLiteral(": trazione e tiro totale nel cerchio");
// The chart window.
inline const Q kTitoloGrafico = QStringLiteral("Grafico della cerchiatura n.");
inline const Q kGraficoSoloCaldo = QStringLiteral(
    "Il grafico c'è solo per la cerchiatura parallela a caldo: quella elicoidale a freddo non ha risultati per "
    "temperatura.");
inline const Q kSerieTrazione = QStringLiteral("trazione");
inline const Q kSerieTiro = QStringLiteral("tiro totale");
inline const Q kTrazioneZero = QStringLiteral("traz. = 0");

} // namespace testi_cercol
