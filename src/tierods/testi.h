#pragma once
// Fixed texts of the tie-rod window, its messages, file and printouts.

#include <QString>

#include <array>

namespace testi_tiranti {

using Q = QString;

inline const Q kTitoloFinestra = QStringLiteral("Rinsal: tiranti");
inline const Q kCalcolo = QStringLiteral("tiranti");
inline const Q kPrefisso = QStringLiteral("Tiranti-dati-");
inline const Q kNomeFinestra = QStringLiteral("Tiranti");
inline const Q kTitoloColore = QStringLiteral("Tiranti: colore di sfondo");

// Input columns, in field order.
inline const std::array<Q, 9> kNomiCampi = {
    QStringLiteral("spes"), QStringLiteral("rag"), QStringLiteral("car"),
    QStringLiteral("coeff"), QStringLiteral("traz"), QStringLiteral("dist"),
    QStringLiteral("sigmaf"), QStringLiteral("deform"), QStringLiteral("pass")};
inline const std::array<Q, 9> kDidascalie = {
    QStringLiteral("spess. murario"), QStringLiteral("raggio capoch."), QStringLiteral("carico su cap."),
    QStringLiteral("coeff. attrito"), QStringLiteral("trazione muro"), QStringLiteral("distanza ritegni"),
    QStringLiteral("sigma tirante"), QStringLiteral("deform. muro"), QStringLiteral("passo vite")};
inline const std::array<Q, 9> kSuggerimenti = {
    QStringLiteral("lo spessore del muro"),
    QStringLiteral("il raggio del capochiave del tirante (si propongono valori  da cm.15 a cm.25)"),
    QStringLiteral("il carico sul capochiave"),
    QStringLiteral("il coefficiente d'attrito (si propone il valore 0,75)"),
    QStringLiteral("il sigma ammissibile di trazione nel muro (vedi tabella)"),
    QStringLiteral("la distanza tra i ritegni (tra i due muri)"),
    QStringLiteral("il sigma massimo nel tirante (alla temperatura ambiente più bassa)"),
    QStringLiteral("la deformazione permanente nel muro (si propongono valori tra 1,1 e 2)"),
    QStringLiteral("il passo della vite del capochiave (0 se è a bietta)")};
inline const std::array<Q, 9> kUnita = {
    QStringLiteral("cm"), QStringLiteral("cm"), QStringLiteral("kg/cmq"),
    QStringLiteral("(valore)"), QStringLiteral("kg/cmq"), QStringLiteral("cm"),
    QStringLiteral("kg/cmq"), QStringLiteral("(valore)"), QStringLiteral("mm")};

// Guidance box
inline const Q kGuidaInizio = QStringLiteral(
    "aprire un file con i dati archiviati o iniziare l'immissione digitando lo spessore murario del primo tirante");
inline const Q kGuidaTirante = QStringLiteral("Tirante n.");
inline const Q kGuidaDigitare = QStringLiteral(": digitare ");
inline const std::array<Q, 9> kGuidaCampi = {
    QStringLiteral("lo spessore murario"),
    QStringLiteral("il raggio del capochiave (si consiglia un valore compreso tra cm.15 e cm.25)"),
    QStringLiteral("il carico sul capochiave"),
    QStringLiteral("il coefficiente d'attrito (si consilgia il valore 0,75)"),
    QStringLiteral("la trazione ammissibile nel muro (vedi tabella laterale)"),
    QStringLiteral("la distanza tra i ritegni"),
    QStringLiteral("il sigma ammissibile nel tirante alla temperatura minima"),
    QStringLiteral("la deformazione permanente nel muro (si consigliano valori tra 1,1 e 2)"),
    QStringLiteral("il passo della vite del capochiave (digitare 0 se esso è a bietta)")};
inline const Q kGuidaFine = QStringLiteral(
    "correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro tipo di calcolo)");
// Shown when a row's values cannot be computed (negative stress or
// friction, results too large, a text that is not a number).
inline const Q kGuidaImpossibile = QStringLiteral(
    ": i dati immessi non consentono il calcolo (valori negativi, troppo grandi o non numerici); correggerli");

// Data check
inline const Q kNessunDato = QStringLiteral(
    "Non esistono dati riconosciuti:\r"
    "- per procedere è necessario digitare almeno lo spessore del muro del tirante n.1;\r"
    "- il controllo viene effettuato solo sui tiranti per i quali esiste il dato dello spessore del muro.");
inline const Q kControlloDigitare = QStringLiteral("- digitare ");
inline const std::array<Q, 9> kControlloCampi = {
    QStringLiteral("lo spessore del muro."),
    QStringLiteral("il raggio del capochiave."),
    QStringLiteral("carico sul capochiave."),
    QStringLiteral("il coefficiente d'attrito."),
    QStringLiteral("la trazione ammissibile nel muro."),
    QStringLiteral("la distanza tra i ritegni."),
    QStringLiteral("il sigma ammissibile nel tirante (alla più bassa temperatura ambientale)."),
    QStringLiteral("la deformazione permanente nel muro."),
    QStringLiteral("il passo della vite del capochiave (digitare 0 se è a bietta).")};
inline const Q kDatiCorretti = QStringLiteral("I dati sono stati immessi correttamente.");

// Row count, row numbers, advice
inline const Q kNTiranti = QStringLiteral("N.tiranti totali");
inline const Q kNTirantiTooltip = QStringLiteral("totale dei tiranti di cui sono stati immessi i dati");
inline const Q kNum = QStringLiteral("num");
inline const Q kNumTooltip = QStringLiteral("numero d'ordine");
inline const Q kNumCopiaTooltip = QStringLiteral("cliccare per copiare i dati del tirante precedente");
inline const Q kConsigli = QStringLiteral(
    "Si propongono i seguenti valori: da cm.15 a cm.25 per il raggio del capochiave; 0,75 per il "
    "coefficiente d'attrito;  da 1,1 a 2 per la deformazione permanente nel muro");
inline const Q kConsigliTooltip = QStringLiteral("valori consigliati");
inline const Q kCoeffPredefinito = QStringLiteral("0,75");

// Table of admissible tensions
inline const Q kTabellaTrazioni = QStringLiteral(
    "tabella delle trazioni ammissibili in kg/cmq nelle murature vetuste legate con malta di:");
inline const Q kTabellaTrazioniTooltip = QStringLiteral("tabella dei dati di riferimento");
inline const Q kMaltTooltip =
    QStringLiteral("cliccare per assegnare il valore della trazione nel muro nel calcolo della prima riga");
inline const std::array<Q, 5> kMalte = {
    QStringLiteral("arena e cemento = 4,5"), QStringLiteral("calce e pozzolana = 1"),
    QStringLiteral("calce, sabbia e pozzolana = 1"), QStringLiteral("calce in pasta e arena = 0,3"),
    QStringLiteral("qualità scadente - muri fatiscenti")};
inline const std::array<Q, 5> kMalteTooltip = {
    QStringLiteral("murature con malta di arena e cemento Portland a lenta presa"),
    QStringLiteral("murature con malta di calce e pozzolana"),
    QStringLiteral("murature con malta di calce, sabbia e pozzolana in parti uguali"),
    QStringLiteral("murature con malta di calce in pasta e arena"),
    QStringLiteral("murature lesionate e da tonificare")};
inline const std::array<Q, 5> kMalteValori = {QStringLiteral("4,5"), QStringLiteral("1"), QStringLiteral("1"),
                                              QStringLiteral("0,3"), QStringLiteral("1")};
inline const Q kMalteScadenti = QStringLiteral("Si assume il valore 1 ma è necessario tonificare le murature");

// Result columns
inline const std::array<Q, 7> kDidascalieRisultati = {
    QStringLiteral("forza coes."), QStringLiteral("forza attrito"), QStringLiteral("sforzo tirante"),
    QStringLiteral("diam. tirante"), QStringLiteral("lungh. tirante"), QStringLiteral("giri dado"),
    QStringLiteral("spess. bietta")};
inline const std::array<Q, 7> kUnitaRisultati = {QStringLiteral("kg"), QStringLiteral("kg"), QStringLiteral("kg"),
                                                 QStringLiteral("cm"), QStringLiteral("mm"), QString(),
                                                 QStringLiteral("mm")};
inline const std::array<Q, 7> kSuggerimentiRisultati = {
    QStringLiteral("la forza traente dedotta dalla coesione"),
    QStringLiteral("la forza traente dedotta dall'attrito"),
    QStringLiteral("lo sforzo massimo di trazione adottato nel tirante"),
    QStringLiteral("il diametro della sezione del tirante "),
    QStringLiteral("la lunghezza del tirante a piè d'opera"),
    QStringLiteral("il numero di giri dell'eventuale dado del capochiave"),
    QStringLiteral("lo spessore dell'eventuale bietta")};

// Temperature table
inline const Q kTiranteNum = QStringLiteral("tirante num.");
inline const Q kTiranteNumTooltip =
    QStringLiteral("numero del tirante al quale si riferiscono i risultati della tabella");
inline const std::array<Q, 6> kDidascalieTemperature = {
    QStringLiteral("temp. ambien."), QStringLiteral("temp. tiraggio"), QStringLiteral("sigma attuale"),
    QStringLiteral("dilataz. termica"), QStringLiteral("forza traente"), QStringLiteral("freq. oscillaz.")};
inline const std::array<Q, 6> kUnitaTemperature = {QStringLiteral("gradi"), QStringLiteral("gradi"),
                                                   QStringLiteral("kg/cmq"), QStringLiteral("mm/10"),
                                                   QStringLiteral("kg"), QStringLiteral("hz")};
inline const std::array<Q, 6> kSuggerimentiTemperature = {
    QStringLiteral("la temperatura ambientale considerata"),
    QStringLiteral("la temperatura di tiraggio necessaria"),
    QStringLiteral("il sigma secondo le condizioni di temperatura"),
    QStringLiteral("la dilatazione termica secondo le condizioni di temperatura"),
    QStringLiteral("la forza traente secondo le condizioni di temperatura"),
    QStringLiteral("la frequenza di oscillazione nel tirante secondo la teoria delle corde vibranti")};

// Window help
inline const Q kAiuto = QStringLiteral(
    "- Aprire un file archiviato per prelevare i dati;\r"
    "- visualizzare i tiranti successivi con la barra di scorrimento verticale;\r"
    "- muoversi nei vari campi con il mouse o con il tasto TAB;\r"
    "- copiare tutti i dati precedenti cliccando sul numero successivo del tirante;\r"
    "- copiare il songolo dato cliccando il segno + nella relativa casella;\r"
    "- leggere le note riportate in alto nella finestra;\r"
    "- seguire le indicazioni in linea nella casella gialla;\r"
    "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");

// Data-acquisition form
inline const Q kModuloTitolo = QStringLiteral("MODULO PER L'ACQUISIZIONE DEI DATI");
inline const Q kModuloProgetto = QStringLiteral("Progetto: ___________________________________");
inline const Q kModuloLegenda = QStringLiteral("Legenda (tra parentesi i valori consigliati):");
inline const std::array<Q, 10> kModuloVoci = {
    QStringLiteral("n.    = numero del tirante"),
    QStringLiteral("spe.  = spessore murario"),
    QStringLiteral("cap.  = raggio del capochiave (cm.15-25)"),
    QStringLiteral("car.  = carico sul capochiave"),
    QStringLiteral("coeff.= coefficiente d'attrito (0,75)"),
    QStringLiteral("traz. = trazione ammissibile nel muro"),
    QStringLiteral("dist. = distanza tra i ritegni"),
    QStringLiteral("sigma = sigma massimo nel tirante"),
    QStringLiteral("def.  = deformazione permanente nel muro (da 1,1 a 2)"),
    QStringLiteral("passo = passo della vite del capochiave (0 = a bietta)")};
inline const Q kModuloValori =
    QStringLiteral("Valori consigliati per la trazione ammissibile nel muro in kg/cmq:");
inline const std::array<Q, 5> kModuloMalte = {
    QStringLiteral("arena e cemento...........= 4,5"),
    QStringLiteral("calce e pozzolana.........= 1"),
    QStringLiteral("calce, sabbia e pozzolana = 1"),
    QStringLiteral("calce in pasta e arena....= 0,3"),
    QStringLiteral("qualità scadente..........= 1 (ma bisogna intervenire con consolidamenti)")};
inline const Q kModuloIntestazione = QStringLiteral(
    "  n.        spe.      cap.      car.     coeff.     traz.     dist.     sigma     def.     passo");
inline const Q kModuloUnita = QStringLiteral(
    "             cm        cm      kg/cmq              kg/cmq      cm       kg/cmq               mm");
inline const Q kModuloRiga = QStringLiteral(
    "________  ________  ________  ________  ________  ________  ________  ________  ________  ________");

// Data-and-results listing
inline const Q kProgetto = QStringLiteral("Progetto: ");
inline const Q kRisultati = QStringLiteral("RISULTATI: tirante n.");
inline const Q kLegenda = QStringLiteral("Legenda:");
inline const std::array<Q, 22> kLegendaVoci = {
    QStringLiteral("spe.  = spessore murario"),
    QStringLiteral("cap.  = raggio del capochiave"),
    QStringLiteral("car.  = carico sul capochiave"),
    QStringLiteral("coeff.= coefficiente d'attrito"),
    QStringLiteral("traz. = trazione ammissibile nel muro"),
    QStringLiteral("dist. = distanza tra i ritegni"),
    QStringLiteral("sigma = sigma massimo nel tirante"),
    QStringLiteral("def.  = deformazione permanente nel muro"),
    QStringLiteral("passo = passo della vite del capochiave"),
    QStringLiteral("coes. = forza dovuta alla coesione"),
    QStringLiteral("attr. = forza dovuta all'attrito"),
    QStringLiteral("sfor. = sforzo nel tirante"),
    QStringLiteral("diam. = diametro del tirante"),
    QStringLiteral("lungh.= lunghezza del tirante"),
    QStringLiteral("giri  = numero di giri del dado"),
    QStringLiteral("bie.  = spessore della bietta"),
    QStringLiteral("amb.  = temperatura ambientale"),
    QStringLiteral("tir.  = temperatura di tiraggio"),
    QStringLiteral("att.  = sigma attuale"),
    QStringLiteral("dilat.= dilatazione termica"),
    QStringLiteral("trae. = forza traente"),
    QStringLiteral("freq. = frequenza di oscillazione")};
inline const Q kDatiIntestazione =
    QStringLiteral("  spe.    cap.    car.   coeff.   traz.   dist.   sigma   def.   passo");
inline const Q kDatiUnita =
    QStringLiteral("   cm      cm    kg/cmq          kg/cmq    cm     kg/cmq           mm");
inline const Q kRisultatiIntestazione =
    QStringLiteral("  coes.     attr.     sfor.     diam.    lungh.     giri       bie.");
inline const Q kRisultatiUnita =
    QStringLiteral("   kg        kg        kg        cm        mm        n          mm");
inline const Q kTemperatureIntestazione =
    QStringLiteral("  amb.      tir.      att.     dilat.    trae.      freq.");
inline const Q kTemperatureUnita =
    QStringLiteral(" gradi     gradi     kg/cmq    mm/10      kg         hz");

// Drawing and chart below each tie rod's table
inline const Q kProspetto = QStringLiteral("prospetto del tirante n.");
inline const Q kQuotaDist = QStringLiteral("dist. ");
inline const Q kQuotaSpes = QStringLiteral("spe. ");
inline const Q kQuotaCap = QStringLiteral("cap. ");
inline const Q kQuotaDiam = QStringLiteral("diam. ");
inline const Q kDado = QStringLiteral("dado: giri ");
inline const Q kBietta = QStringLiteral("bietta: mm ");
inline const Q kGrafico = QStringLiteral("tirante n.");
inline const Q kGraficoTitolo = QStringLiteral(": sigma attuale e frequenza");
inline const Q kSerieSigma = QStringLiteral("sigma attuale");
inline const Q kSerieFrequenza = QStringLiteral("frequenza");
inline const Q kHz = QStringLiteral("hz");
// The data's sigma is the stress at the lowest temperature of the table.
inline const Q kRiferimento = QStringLiteral("sigma ");
inline const Q kRiferimentoA = QStringLiteral(" a -40 gradi");
inline const Q kSigmaZero = QStringLiteral("att. = 0");
// The chart window.
inline const Q kTitoloGrafico = QStringLiteral("Grafico del tirante n.");

} // namespace testi_tiranti
