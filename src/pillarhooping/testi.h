#pragma once
// Fixed texts of the pillar-hooping window and its file.

#include <QString>

#include <array>

namespace testi_cerpil {

using Q = QString;

inline const Q kTitoloFinestra = QStringLiteral("Rinsal: calcolo di cerchiature di pilastri");
inline const Q kPrefisso = QStringLiteral("Cerpil-dati-");
inline const Q kNomeFinestra = QStringLiteral("Cerchiature pilastri");

// Input columns, in field (and file) order.
inline const std::array<Q, 10> kNomiCampi = {
    QStringLiteral("cort"), QStringLiteral("lung"), QStringLiteral("alt"),  QStringLiteral("diam"),
    QStringLiteral("sez"),  QStringLiteral("car"),  QStringLiteral("fesc"), QStringLiteral("fesl"),
    QStringLiteral("tens"), QStringLiteral("temp")};
inline const std::array<Q, 10> kDidascalie = {
    QStringLiteral("lato corto"),      QStringLiteral("lato lungo"),      QStringLiteral("altezza piedritto"),
    QStringLiteral("diametro barre"),  QStringLiteral("h sez. cerch."),   QStringLiteral("carico gravante"),
    QStringLiteral("fessure l.corto"), QStringLiteral("fessure l.lungo"), QStringLiteral("tens. assiale"),
    QStringLiteral("temperat. di posa")};
inline const std::array<Q, 10> kSuggerimenti = {
    QStringLiteral("misura del lato corto del piedritto da consolidare"),
    QStringLiteral("misura del lato lungo del piedritto"),
    QStringLiteral("altezza del piedritto da consolidare"),
    QStringLiteral("diametro dei tirantini"),
    QStringLiteral("passo verticale delle barre di acciaio"),
    QStringLiteral("carico gravante sul piedritto"),
    QStringLiteral("ampiezza totale delle fessurazioni nel lato corto"),
    QStringLiteral("ampiezza totale delle fessurazioni nel lato lungo"),
    QStringLiteral("tensione assiale gravante nella muratura"),
    QStringLiteral("temperatura dell'ambiente al  momento della posa dei tirantini")};
inline const std::array<Q, 10> kUnita = {
    QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("mm"),     QStringLiteral("cm"),
    QStringLiteral("kg"), QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("kg/cmq"), QStringLiteral("gradi")};

inline const Q kNum = QStringLiteral("n");
inline const Q kNumTooltip = QStringLiteral("numero d'ordine del consolidamento");
inline const Q kNumCopiaTooltip = QStringLiteral("cliccare per copiare i dati della cerchiatura precedente");
inline const Q kNConsolidamenti = QStringLiteral("N.consolidamenti");
inline const Q kNConsolidamentiTooltip = QStringLiteral("numero totale di consolidamenti digitati");
inline const Q kFrameDati = QStringLiteral("Dati sui piedritti da consolidare");
inline const std::array<Q, 2> kOpzioni = {QStringLiteral("cerchiatura parallela a caldo"),
                                          QStringLiteral("cerchiatura elicoidale a freddo")};
inline const Q kOpzioneFreddoTooltip = QStringLiteral("cliccare per scegliere la cerchiatura elicoidale a freddo");
inline const Q kPassoTooltip =
    QStringLiteral("indicazioni sulla corretta procedura di l'immissione dei dati");

// Cold results
inline const Q kFrameFreddo = QStringLiteral("Risultati delle cerchiature a freddo");
inline const Q kRum = QStringLiteral("num");
inline const Q kRumTooltip = QStringLiteral("il numero della cerchiatura");
inline const std::array<Q, 5> kDidascalieFreddo = {QStringLiteral("passo elica"), QStringLiteral("lungh. elica"),
                                                   QStringLiteral("sez. ideale"), QStringLiteral("tens. preced."),
                                                   QStringLiteral("tens. attuale")};
inline const std::array<Q, 5> kSuggerimentiFreddo = {
    QStringLiteral("passo dell'elica (massimo cm.10)"), QStringLiteral("lunghezza totale dell'elica sulla colonna"),
    QStringLiteral("sezione ideale reagente"), QStringLiteral("tensione precedente nella colonna"),
    QStringLiteral("tensione attuale (dopo il consolidamento) nella colonna")};
inline const std::array<Q, 5> kUnitaFreddo = {QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("cmq"),
                                              QStringLiteral("kg/cmq"), QStringLiteral("kg/cmq")};
inline const Q kNoteTooltip = QStringLiteral("note sul calcolo");
inline const Q kNotaDiametro =
    QStringLiteral("Attenzione: è difficile porre in opera tondini con diametro maggiore di mm.10");

// Hot results (labels shared with the stitching window)
inline const Q kFrameCaldo = QStringLiteral("Risultati delle cerchiature a caldo");
inline const Q kEsercTooltip = QStringLiteral("temperatura di esercizio del consolidamento");

// Guidance
inline const Q kGuidaInizio = QStringLiteral(
    "aprire un file con i dati archiviati o iniziare l'immissione scegliendo la tipologia di calcolo (a caldo o a "
    "freddo)");
inline const Q kGuidaCerchiatura = QStringLiteral(" della cerchiatura n.");
inline const std::array<Q, 10> kGuidaCampi = {
    QStringLiteral("digitare la misura del lato corto del piedritto"),
    QStringLiteral("digitare la misura del lato lungo del piedritto"),
    QStringLiteral("digitare la misura dell'altezza del piedritto"),
    QStringLiteral("digitare il diametro delle barre"),
    QStringLiteral("digitare l'altezza della sezione dei cerchi"),
    QStringLiteral("digitare il carico gravante sul piedritto"),
    QStringLiteral("digitare la misura totale delle fessure nel lato corto del piedritto"),
    QStringLiteral("digitare la misura totale delle fessure nel lato lungo del piedritto"),
    QStringLiteral("digitare la tensione assiale nel piedritto"),
    QStringLiteral("digitare la temperatura di posa")};
inline const Q kGuidaFine = QStringLiteral(
    "correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro tipo di calcolo)");

// Data check (the save depends on it)
inline const Q kNessunDato = QStringLiteral(
    "Non esistono dati riconosciuti:\r"
    "- per procedere è necessario scegliere la tipologia di calcolo (a caldo o a freddo);\r"
    "- quindi digitare almeno il lato corto del piedritto n.1;\r"
    "- il controllo viene effettuato solo sulle cerchiature per le quali esiste il dato del lato corto.");
inline const Q kControlloCerchiatura = QStringLiteral("Cerchiatura n.");
inline const Q kControlloDigitare = QStringLiteral("- digitare ");
inline const std::array<Q, 10> kControlloCampi = {
    QStringLiteral("la misura del lato corto del piedritto."),
    QStringLiteral("la misura del lato lungo del piedritto."),
    QStringLiteral("l'altezza del piedritto."),
    QStringLiteral("il diametro delle barre."),
    QStringLiteral("l'altezza della sezione dei cerchi."),
    QStringLiteral("il carico gravante sul piedritto."),
    QStringLiteral("la misura totale delle fessure nel lato corto del piedritto."),
    QStringLiteral("la misura totale delle fessure nel lato lungo del piedritto."),
    QStringLiteral("la tensione assiale nel piedritto."),
    QStringLiteral("la temperatura di posa.")};

inline const Q kAiuto = QStringLiteral(
    "- Aprire un file archiviato per prelevare i dati;\r"
    "- visualizzare le cerchiature successive con la barra di scorrimento verticale accanto ai dati;\r"
    "- muoversi nei vari campi con il mouse o con il tasto TAB;\r"
    "- copiare tutti i dati precedenti cliccando sul numero successivo del consolidamento;\r"
    "- copiare il songolo dato cliccando il segno + nella relativa casella;\r"
    "- seguire le indicazioni in linea nella casella gialla;\r"
    "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");

// The data-and-results listing (batch printer only in this version), in the
// layout of the column-hooping cold listing.
inline const Q kTitoloStampa = QStringLiteral("RINSAL - calcoli di consolidamenti");
inline const Q kProgetto = QStringLiteral("Progetto: ");
inline const Q kRisultatiFreddo = QStringLiteral("RISULTATI CERCHIATURE PILASTRI A FREDDO");
inline const Q kLegenda = QStringLiteral("Legenda:");
inline const std::array<Q, 12> kLegendaFreddo = {
    QStringLiteral("cerch.= numero della cerchiatura"),
    QStringLiteral("l.c.  = lato corto del piedritto"),
    QStringLiteral("l.l.  = lato lungo del piedritto"),
    QStringLiteral("alt.  = altezza del piedritto"),
    QStringLiteral("diam. = diametro dei tirantini"),
    QStringLiteral("h sez.= passo verticale delle barre di acciaio"),
    QStringLiteral("grav. = carico gravante sul piedritto"),
    QStringLiteral("elica = passo dell'elica"),
    QStringLiteral("lungh.= lunghezza totale dell'elica sul piedritto"),
    QStringLiteral("sez.  = sezione ideale reagente"),
    QStringLiteral("prec. = tensione precedente nel piedritto"),
    QStringLiteral("att.  = tensione attuale (dopo il consolidamento) nel piedritto")};
inline const Q kFreddoIntestazione = QStringLiteral(
    "  cerch.   l.c.   l.l.    alt.  diam.  h sez.    grav.   elica  lungh.    sez.   prec.    att.");
inline const Q kFreddoUnita = QStringLiteral(
    "   n.       cm     cm      cm    mm      cm       kg      cm     cm      cmq   kg/cmq  kg/cmq");
// The type the listing leaves out, as the batch printer names it.
inline const Q kSenzaListato = QStringLiteral("cerchiature a caldo");

} // namespace testi_cerpil
