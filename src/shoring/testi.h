#pragma once
// Fixed texts of the shoring windows, file and printouts.

#include <QString>

namespace modpuntelli::testi {

// ---- data window -------------------------------------------------------------
inline const QString kCaptionDati = QStringLiteral("Rinsal: dati dei puntelli");

struct Gruppo {
    const char* cornice;
    const char* tooltip;   // of the frame; "" for none
    int quanti;
    const char* voci[5];
};

// Option1..Option8 (index 1..8; 0 unused).
inline const Gruppo kGruppi[9] = {
    {"", "", 0, {}},
    {"MURATURE", "", 2,
     {" SOTTO L'ORIZZONTE DELLA TESTA DEI PUNTELLI", " SOPRA L'ORIZZONTE DELLA TESTA DEI PUNTELLI"}},
    {"Tipologia delle murature", "scegliere la tipologia più rispondente", 5,
     {"vuoti/pieni in pianta <1/8", "vuoti/pieni in pianta >1/8 e <1/4", "vuoti/pieni in pianta >1/4 e <1",
      "pilastrate consolidabili", "pilastri e colonne da sostituire"}},
    {"Qualità delle murature",
     "scegliere la qualità più rispondente nel complesso (materiali, tessitura e coesione)", 3,
     {"buona", "mediocre", "cattiva"}},
    {"Natura dei dissesti", "scegliere il tipo di dissesto principale", 3,
     {"cedimenti di fondazione", "schiacciamento e pressoflessione", "flessione con spinta"}},
    {"Estensione dei dissesti", "scegliere l'estensione più rispondente", 2,
     {"generali (interessano tutto il muro)", "locali (riguardano solo una parte)"}},
    {"Gravità dei dissesti", "scegliere il tipo di gravità più rispondente", 2, {"gravi", "lievi"}},
    {"Tipo di calcolo e consolidamento", "scegliere il tipo di calcolo desiderato e maggiormente adatto", 3,
     {"puntello per dissesti combinati", "sistema di puntelli per muri presso-inflessi",
      "puntello + nucleo murario per angolate"}},
    {"Lesioni tra muro frontale e muro normale", "scegliere la situazione più rispondente", 3,
     {"molto estese", "estese", "poco estese"}},
};

inline QString voce(int gruppo, int indice)
{
    if (gruppo < 1 || gruppo > 8 || indice < 1 || indice > kGruppi[gruppo].quanti) {
        return QString();
    }
    return QString::fromUtf8(kGruppi[gruppo].voci[indice - 1]);
}

inline const QString kTooltipSotto = QStringLiteral(
    "cliccare per immettere o controllare i dati relativi ai muri e ai dissesti sotto la testa dei puntelli");
inline const QString kTooltipSopra = QStringLiteral(
    "cliccare per immettere o controllare i dati relativi ai muri e ai dissesti sopra la testa dei puntelli");

struct Campo {
    const char* nome;
    const char* caption;
    const char* tooltip;
    const char* unita;
    const char* etichetta;   // caption label name
    const char* etichettaUnita;
};

// The twelve input fields, in the window's tab order.
inline const Campo kCampi[12] = {
    {"carpu", "carico per puntello", "il carico che dovrebbe gravare sul puntello", "kg", "lab1", "Labe1"},
    {"ang", "angolo con l'orizzontale", "l'angolo del puntello con l'orizzontale", "gradi", "lab2", "Labe2"},
    {"altpu", "altezza del puntello", "l'altezza da terra alla testa del puntello", "cm", "lab3", "Labe3"},
    {"altar", "altezza imposta dell'arco", "l'altezza da terra dell'imposta dell'arco", "cm", "lab4", "Labe4"},
    {"spessfr", "spessore muro frontale", "lo spessore del muro frontale al piano del puntello", "cm", "lab5",
     "Labe5"},
    {"spessnor", "spessore muro normale", "lo spessore del muro normale al piano del puntello", "cm", "lab6",
     "Labe6"},
    {"sigm", "sigma materiale puntello", "il sigma ammissibile del materiale del puntello", "kg/cmq", "lab7",
     "Labe7"},
    {"frec", "freccia d'incurvamento", "la freccia massima d'incurvamento", "cm", "lab9", "Labe9"},
    {"altdef", "altezza zona deformata", "l'altezza della zona deformata", "cm", "lab10", "Labe10"},
    {"rag", "raggio dell'arco", "il raggio dell'arco", "cm", "lab11", "Labe11"},
    {"carsem", "carico sul semiarco", "il carico sul semiarco", "kg", "Lab12", "Labe12"},
    {"carpil", "carico diretto sul pilastro", "il carico diretto sul pilastro", "kg", "Lab13", "Labe13"},
};

inline const QString kLabel2 = QStringLiteral("consolidamento n.");
inline const QString kLabel2Tooltip = QStringLiteral("il numero del consolidamento da calcolare");
inline const QString kLab8 = QStringLiteral("puntello");
inline const QString kLab8Tooltip = QStringLiteral("il numero dei puntelli della serie");
inline const QString kLabe8 = QStringLiteral("n");
inline const QString kRisultatiCaption = QStringLiteral("&Risultati");

inline const QString kAiutoDati = QStringLiteral(
    "- Scegliere le singoli opzioni cliccandoci sopra;\r"
    "- digitare i dati nei campi spostandosi con il tasto TAB;\r"
    "- o aprire un file archiviato per prelevare i dati (Puntelli-dati-...);\r"
    "- visualizzare i dati successivi (consolidamenti e puntelli) con le barre di scorrimento;\r"
    "- seguire le indicazioni in linea nella casella gialla;\r"
    "- effettuare il controllo dei dati immessi cliccando sul tasto ABC;\r"
    "- visualizzare i risultati cliccando sul tasto Risultati.");

inline const QString kNonProsegue = QStringLiteral(
    "Non si può proseguire se non di digita almeno il tipo di calcolo per il consolidamento n.");

// ---- guidance ----------------------------------------------------------------
inline const QString kGuidaInizio = QStringLiteral(
    "aprire un file con i dati archiviati o iniziare l'immissione dei dati del consolidamento n.1 "
    "scegliendo le murature interessate ai dati");
inline const QString kGuidaDel = QStringLiteral(" del consolidamento n.");
inline const QString kZonaSotto = QStringLiteral(" (murature sotto la testa dei puntelli)");
inline const QString kZonaSopra = QStringLiteral(" (murature sopra la testa dei puntelli)");
inline const QString kGuidaTipologia = QStringLiteral("scegliere la tipologia delle murature");
inline const QString kGuidaQualita = QStringLiteral("scegliere la qualità delle murature");
inline const QString kGuidaNatura = QStringLiteral("scegliere la natura dei dissesti");
inline const QString kGuidaEstensione = QStringLiteral("scegliere l'estensione dei dissesti");
inline const QString kGuidaGravita = QStringLiteral("scegliere la gravità dei dissesti");
inline const QString kGuidaSopra = QStringLiteral(
    "modificare i dati realtivi allle murature sotto la testa dei puntelli o scegliere le murature sopra la "
    "testa dei puntelli");
inline const QString kGuidaTipo = QStringLiteral("scegliere il tipo di calcolo");
inline const QString kGuidaAltar = QStringLiteral("digitare l'altezza dell'imposta dell'arco");
inline const QString kGuidaSpessfr = QStringLiteral("digitare lo spessore del muro frontale al puntello");
inline const QString kGuidaSpessnor = QStringLiteral("digitare lo spessore del muro normale al puntello");
inline const QString kGuidaSigm = QStringLiteral("digitare il sigma ammissibile nel puntello");
inline const QString kGuidaRag = QStringLiteral("digitare il raggio dell'arco");
inline const QString kGuidaCarsem = QStringLiteral("digitare il carico sul semiarco");
inline const QString kGuidaCarpil = QStringLiteral("digitare il carico diretto sul pilastro");
inline const QString kGuidaCarpu = QStringLiteral("digitare il carico sul puntello");
inline const QString kGuidaAng = QStringLiteral("digitare l'angolo con l'orizzontale del puntello");
inline const QString kGuidaAltpu = QStringLiteral("digitare l'altezza del puntello");
inline const QString kGuidaFrec = QStringLiteral("digitare la freccia d'incurvamento del puntello n.");
inline const QString kGuidaAltdef = QStringLiteral("digitare l'altezza della zona deformata del puntello n.");
inline const QString kGuidaLesioni =
    QStringLiteral("scegliere il tipo di lesioni presenti tra muro frontale e muro normale");
inline const QString kGuidaFine = QStringLiteral(
    "correggere, archiviare quanto immesso, digitare ulteriori dati, visualizzare i risultati cliccando "
    "sull'apposito tasto ------------------>>>");

// ---- data check ----------------------------------------------------------------
inline const QString kNessunDato = QStringLiteral(
    "Non esistono dati riconosciuti:\r"
    "- per procedere è necessario scegliere almeno le murature del consolidamento n.1.");
inline const QString kConsolidamentoN = QStringLiteral("Consolidamento n.");
inline const QString kScegliere = QStringLiteral("- scegliere ");
inline const QString kDigitare = QStringLiteral("- digitare ");
inline const QString kCtrTipologia = QStringLiteral("la tipologia delle murature ");
inline const QString kCtrQualita = QStringLiteral("la qualità delle murature ");
inline const QString kCtrNatura = QStringLiteral("la natura dei dissesti ");
inline const QString kCtrEstensione = QStringLiteral("l'estensione dei dissesti ");
inline const QString kCtrGravita = QStringLiteral("la gravità dei dissesti ");
inline const QString kCtrTipo = QStringLiteral("il tipo di calcolo");
inline const QString kCtrAltar = QStringLiteral("l'altezza dell'imposta dell'arco");
inline const QString kCtrSpessfr = QStringLiteral("lo spessore del muro frontale al puntello");
inline const QString kCtrSpessnor = QStringLiteral("lo spessore del muro normale al puntello");
inline const QString kCtrSigm = QStringLiteral("il sigma ammissibile nel puntello");
inline const QString kCtrRag = QStringLiteral("il raggio dell'arco");
inline const QString kCtrCarsem = QStringLiteral("il carico sul semiarco");
inline const QString kCtrCarpil = QStringLiteral("il carico diretto sul pilastro");
inline const QString kCtrCarpu = QStringLiteral("il carico sul puntello.");
inline const QString kCtrAng = QStringLiteral("l'angolo con l'orizzontale del puntello");
inline const QString kCtrAltpu = QStringLiteral("l'altezza del puntello");
inline const QString kCtrFrec = QStringLiteral("la freccia d'incurvamento del puntello n.");
inline const QString kCtrAltdef = QStringLiteral("l'altezza della zona deformata del puntello n.");
inline const QString kCtrLesioni =
    QStringLiteral("il tipo di lesioni presenti tra muro frontale e muro normale");
inline const QString kDatiCorretti = QStringLiteral("I dati sono stati immessi formalmente in modo corretto.");

// ---- calculation ---------------------------------------------------------------
inline const QString kDatiAssurdi = QStringLiteral("Attenzione: sono stati digitati dati assurdi, controllare.");

// ---- results window --------------------------------------------------------------
inline const QString kCaptionRisultati = QStringLiteral("Rinsal: risultati del calcolo dei puntelli");
inline const QString kSolaLettura =
    QStringLiteral("la finestra è di sola lettura: cliccare sul tasto Dati per modificare i valori");

struct Riga {
    const char* caption;
    const char* tooltip;
    const char* unita;
};

// ris(1..14); index 0 unused.
inline const Riga kRis[15] = {
    {"", "", ""},
    {"coefficiente d'attrito tra muro e muro", "valore preimpostato", "valore"},
    {"carico complessivo sulla testa del puntello", "carico ridotto con i coefficienti c1 e c2", "kg"},
    {"carico complessivo su 1/2 nucleo murario", "carico ridotto con i coefficienti c1 e c2", "kg"},
    {"azione di scorrimento",
     "risultante delle forze e dei momenti elementari applicati al raggio medio dell'arco", "kg"},
    {"coefficiente c1 di riduzione del carico",
     "coefficiente che tiene conto delle condizioni sotto l'orizzonte della testa dei puntelli", "valore"},
    {"coefficiente c2 di riduzione del carico",
     "coefficiente che tiene conto delle condizioni sopra l'orizzonte della testa dei puntelli", "valore"},
    {"forza lungo il puntello (con l'attrito)",
     "calcolo considerando la reazione tangenziale d'attrito fra muro frontale e muro normale", "kg"},
    {"forza lungo il puntello (con la coesione)",
     "calcolo considerando la coesione tra muro frontale e muro normale", "kg"},
    {"sforzo normale adottato", "lo sforzo più sfavorevole per il calcolo del puntello", "kg"},
    {"sigma di lavoro nel puntello", "il sigma risultante dal carico e dalla sezione calcolata", "kg/cmq"},
    {"lunghezza del puntello (fondazione-testa)", "la lunghezza di calcolo del puntello", "cm"},
    {"distanza muro-fondazione puntello", "la distanza tra il muro da consolidare e la fondazione del puntello",
     "cm"},
    {"lato della sezione quadrata del puntello", "il lato minimo calcolato per il puntello", "cm"},
    {"angolo con l'orizzontale del puntello", "l'inclinazione del puntello con l'orizzontale", "gradi"},
};

// punt(1..6); index 0 unused.
inline const Riga kPunt[7] = {
    {"", "", ""},
    {"puntelli del consolid.", "numero dei puntelli relativi al singolo consolidamento", "n"},
    {"puntello", "numero d'ordine del puntello", "n"},
    {"valore della spinta", "la spinta della zona presso-inflessa", "kg"},
    {"ris.assiale nel puntello", "la risultante della spinta accolta dal puntello", "kg"},
    {"ris.assiale in asta parete", "la risultante della spinta accolta dall'asta di parete", "kg"},
    {"sigma lavoro a compress.", "il sigma di lavoro nel puntello", "kg/cmq"},
};

inline const QString kAttrito = QStringLiteral(" 0.75");
inline const QString kLabel2Risultati = QStringLiteral("consolidamento n.");
inline const QString kLabel2RisultatiTooltip = QStringLiteral("il numero del consolidamento calcolato");
inline const QString kTipoconTooltip =
    QStringLiteral("il tipo di calcolo indicato nei dati per il consolidamento");
inline const QString kLabel4 = QStringLiteral("Note sul calcolo:");
inline const QString kAngoloComeInserito =
    QStringLiteral("questo valore è riportato come è stato inserito nei dati");

// Type names as the results window writes them (index 1..3).
inline const QString kNomeTipo[4] = {
    QString(), QStringLiteral("puntello per dissesti combinati"),
    QStringLiteral("sistema di puntelli per muri presso-inflessi"),
    QStringLiteral(" puntello + nucleo murario per angolate con archi")};
inline QString nomeTipo(int tipo) { return kNomeTipo[(tipo == 2 || tipo == 3) ? tipo : 1]; }

inline const QString kCommento3 = QStringLiteral(
    "I risultati si riferiscono ad un'angolata con archi sui due lati: il puntello riguarda uno dei lati. "
    "Qualora si tratta di dati simili anche il puntello calcolato potrà essere utilizzato sull'altro fronte, "
    "altrimenti bisogna procedere ad un calcolo diverso. Il calcolo mostra che il sigma di lavoro è inferiore "
    "al sigma ammissibile del materiale del puntello (così come digitato).");
inline const QString kCommento2 = QStringLiteral(
    "Il tipo di calcolo scelto riguarda una serie di puntelli: controllare la tabella completa usando la barra "
    "di scorrimento verticale ed effettuare le eventuali modifiche ritornando alla finestra dei dati mediante "
    "l'apposito tasto. Tutti i sigma di lavoro dei puntelli risultano inferiori al sigma ammissibile del "
    "materiale usato (così come indicato nei dati).");
inline const QString kCommento1 = QStringLiteral(
    "Il calcolo riporta i risultati principali dell'elaborazione: è aggiunto il dato dell'angolo con "
    "l'orizzontale del puntello per controllo. Il calcolo mostra che il sigma di lavoro è inferiore al sigma "
    "ammissibile del materiale del puntello (così come digitato). ");
inline const QString kCommentoSezione = QStringLiteral("Si sconsiglia di usare puntelli di sezione troppo modesta.");
inline const QString kCommentoCoesione = QStringLiteral(
    " Il valore negativo della forza con la coesione potrebbe indicare che qualche dato è assurdo.");

inline const QString kNonAltriConsolidamenti = QStringLiteral("Non vi sono altri consolidamenti da visualizzare.");
inline const QString kNonAltriPuntelli = QStringLiteral("Non vi sono altri puntelli del consolidamento n.");
inline const QString kDaVisualizzare = QStringLiteral(" da visualizzare.");
inline const QString kNessunRisultato = QStringLiteral("Non esistono risultati: digitare prima i dati.");
inline const QString kRisultatiScorretti = QStringLiteral(
    "Attenzione! I risultati non sono formalmente corretti: tornare a controllare i dati, probabilmente sono "
    "stati digitati valori assurdi.");
inline const QString kRisultatiCorretti = QStringLiteral("I risultati sono formalmente corretti.");

inline const QString kAiutoRisultati = QStringLiteral(
    "La finestra è di sola lettura:\r"
    "- qualora i risultati sono insoddisfacenti tornare alla finestra dati per le correzioni;\r"
    "- archiviare i dati dell'elaborazione o aprire un altro file direttamente (Puntelli-dati-...);\r"
    "- stampare i dati ed i risultati della elaborazione;\r"
    "- stampare l'intera elaborazione, compresa la relazione, andando alla finestra Frontespizio.");

// ---- file ----------------------------------------------------------------------
inline const QString kPrefisso = QStringLiteral("Puntelli-dati-");
inline const QString kFiltroApri = QStringLiteral("Tutti i file (*.*) | *.*|File Puntelli-dati- | Puntelli-dati-*");
inline const QString kFiltroElimina =
    QStringLiteral("Tutti i file (*.*)|*.*|File Puntelli-dati- | Puntelli-dati-*");
inline const QString kFiltroSalva = QStringLiteral("File Puntelli-dati- | Puntelli-dati-*");

// ---- printouts -------------------------------------------------------------------
inline const QString kCalcolo = QStringLiteral("puntelli");
inline const QString kNullaDaStampare = QStringLiteral("Non vi è nulla da stampare.");

} // namespace modpuntelli::testi
