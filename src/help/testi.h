#pragma once
// Fixed texts of the help windows and of the tip of the day.

#include <QString>

namespace testi::guida {

// Contents window
inline const QString kSommarioCaption = QStringLiteral("Rinsal: guida in linea");
inline const QString kSommarioIntestazione = QStringLiteral("Argomenti della guida");
inline const QString kPuls = QStringLiteral("--->");
inline const QString kTitoli[12] = {
    QStringLiteral("  Manuale d'uso rapido"),
    QStringLiteral("  Funzionamento del programma"),
    QStringLiteral("  Archivio dati"),
    QStringLiteral(" Come stampare"),
    QStringLiteral(" Finestra Puntelli"),
    QStringLiteral(" Finestra Risultati puntelli"),
    QStringLiteral(" Finestra Tiranti"),
    QStringLiteral(" Finestra Cerchiature colonne"),
    QStringLiteral(" Finestra Cerchiature pilastri"),
    QStringLiteral(" Finestra Cuciture"),
    QStringLiteral(" Finestra Frontespizio"),
    QStringLiteral("  Suggerimento del giorno"),
};
inline const QString kSommarioStampa = QStringLiteral("&Stampa");
inline const QString kSommarioStampaTooltip =
    QStringLiteral("cliccare per avere la copia su carta del sommario");
inline const QString kSommarioChiudi = QStringLiteral("&Chiudi");
inline const QString kSommarioChiudiTooltip = QStringLiteral("cliccare per chiudere la finestra");
inline const QString kEsco = QStringLiteral("&USCITA");
inline const QString kEscoTooltip = QStringLiteral("cliccare per uscire da Rinsal");

// Help pages
inline const QString kPaginaCaption = QStringLiteral("Guida in linea");
inline const QString kChiudi = QStringLiteral("&Chiudi");
inline const QString kStampa = QStringLiteral("S&tampa");
inline const QString kSommario = QStringLiteral("&Sommario");
inline const QString kManualeSommarioTooltip =
    QStringLiteral("cliccare per visualizzare il sommario della guida");
inline const QString kManualeStampaTooltip =
    QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO");

inline const QString kNonAttiva = QStringLiteral("La tipologia di calcolo non è attiva nella presente versione.");

inline const QString kTestoManuale = QStringLiteral(
    "Rinsal si compone di una finestra di scelta, dalla quale si accede alle procedure di calcolo, e di una "
    "finestra per ciascun calcolo; i puntelli ne hanno due, una per i dati e una per i risultati. Ogni "
    "procedura offre numerose opzioni: conviene prendere confidenza con il programma aprendo i file di esempio "
    "forniti, che mostrano dati tipici già completi e permettono di osservare come cambiano i risultati "
    "modificando un valore alla volta. Quando gli elementi da consolidare sono molti, stampare il modello di "
    "acquisizione dati in bianco, fotocopiarlo e compilarlo in cantiere: la trascrizione in ufficio sarà più "
    "rapida e ordinata. I risultati seguono immediatamente i dati: ogni valore digitato viene verificato e il "
    "calcolo si aggiorna subito, senza comandi aggiuntivi. Si possono stampare i soli risultati numerici della "
    "finestra attiva oppure, attraverso la finestra Frontespizio, una relazione completa con frontespizio, "
    "descrizione del consolidamento e tabella di dati e risultati. Ogni controllo descrive la propria funzione "
    "quando vi si sofferma sopra il puntatore del mouse. Il pulsante di aiuto di ogni finestra fornisce brevi "
    "istruzioni sulla finestra stessa; il pulsante di controllo dei dati è il terzultimo della barra degli "
    "strumenti e segnala i valori mancanti o incoerenti prima della stampa o del salvataggio. Il riquadro "
    "giallo presente in ogni finestra di calcolo guida l'utente passo per passo, indicando sempre il prossimo "
    "dato da digitare o l'operazione successiva. In ciascuna finestra si possono immettere fino a 100 "
    "consolidamenti, che vengono calcolati e archiviati insieme nello stesso file. I numeri si digitano usando la "
    "virgola per i decimali: il programma rifiuta subito i caratteri non ammessi e lo segnala. Dal menu di "
    "ogni finestra, o dai pulsanti della barra degli strumenti, si passa direttamente agli altri calcoli senza "
    "tornare alla finestra di scelta; i dati già immessi restano disponibili finché non si esce dal programma. "
    "Prima di uscire conviene salvare i dati nell'archivio, perché all'uscita quelli non salvati vanno "
    "perduti. La guida in linea, raggiungibile da ogni finestra, contiene una pagina per ciascun argomento.");

inline const QString kTestoFunzionamento = QStringLiteral(
    "Alle procedure di calcolo si accede dalla finestra Menu, scegliendo il tipo di consolidamento, oppure "
    "dalla barra degli strumenti presente in ogni finestra, che permette di passare direttamente da un calcolo "
    "all'altro. Fatta eccezione per i puntelli, che vengono dimensionati scomponendo geometricamente le forze "
    "trasmesse dalle pareti dissestate, i calcoli si fondano sulla forza di trazione che l'acciaio esercita "
    "quando, allungato per riscaldamento, si accorcia raffreddandosi dopo essere stato bloccato alle "
    "estremità: questa forza comprime la muratura e ne stabilizza le deformazioni. Il programma determina la "
    "temperatura di riscaldamento, il diametro dell'elemento e lo stato di tensione alle diverse temperature "
    "ambiente, così da verificare che la tensione resti ammissibile sia d'inverno sia d'estate. Quando "
    "l'elemento viene messo in tensione a freddo, il tiro si controlla con la formula della corda vibrante: "
    "dalla frequenza di vibrazione misurata in opera si risale alla forza effettivamente applicata. I "
    "consolidamenti eseguiti senza messa in tensione, come le cuciture a freddo, si verificano invece con le "
    "semplici formule della trazione e della compressione, confrontando le tensioni calcolate con quelle "
    "ammissibili dei materiali.");

inline const QString kTestoArchivio = QStringLiteral(
    "Ogni finestra di immissione dati può archiviare i propri dati in un file di testo, insieme ai dati del "
    "frontespizio della relazione. Il nome di ogni file inizia con una parte prefissata, che indica il tipo di "
    "calcolo, alla quale l'utente aggiunge una descrizione o una data, per esempio il nome dell'edificio o del "
    "committente: così i file di ciascun calcolo restano raggruppati e facili da riconoscere. I dati "
    "archiviati possono essere riaperti in qualsiasi momento, corretti o completati e salvati di nuovo. Per "
    "conservare anche la versione precedente si salva con un nome diverso, usando l'icona del dischetto nero; "
    "per aggiornare lo stesso file si usa invece l'icona del dischetto verde, che lo sovrascrive senza "
    "chiedere il nome. Prima del salvataggio il programma controlla i dati immessi e segnala quelli mancanti o "
    "non corretti. I file non più necessari si eliminano con l'icona del cestino: si apre una finestra di "
    "scelta nella quale si seleziona il file da cancellare e si conferma con il pulsante Apri. L'eliminazione "
    "è definitiva, quindi conviene controllare con attenzione il nome del file prima di confermare. Insieme ai dati del calcolo viene "
    "salvato e riletto anche il frontespizio.");

inline const QString kTestoStampa = QStringLiteral(
    "Ogni pagina della guida in linea può essere stampata con il suo pulsante Stampa, per tenere a portata di "
    "mano le istruzioni anche lontano dal computer. Ogni finestra di calcolo offre due tipi di stampa dal "
    "menu Stampa. Con Dati finestra, oppure con l'icona della stampante nella barra degli strumenti, si "
    "ottiene l'elenco dei dati immessi e dei risultati calcolati, in colonne allineate sulla virgola "
    "decimale. Con Modello acquisizione dati si stampa invece un modulo in bianco, con la legenda delle "
    "abbreviazioni e i valori consigliati, da compilare a mano durante il sopralluogo in cantiere. Per i "
    "puntelli il modello si stampa soltanto dalla finestra dei dati, mentre dati e risultati si stampano "
    "dalla finestra dei risultati. La relazione di calcolo completa, da allegare al progetto, si ottiene "
    "dalla finestra Frontespizio: comprende il frontespizio con i dati del progetto e dello studio tecnico, "
    "una descrizione del consolidamento adottato e la tabella di tutti i dati e i risultati del calcolo in "
    "uso. Prima di ogni stampa compare la finestra di scelta della stampante; annullandola non viene stampato "
    "nulla. Tutte le stampe usano un carattere a spaziatura fissa, così le colonne restano allineate.");

inline const QString kTestoPuntelli = QStringLiteral(
    "Il calcolo dei puntelli si svolge in due finestre: quella dei dati, nella quale si descrivono la parete "
    "dissestata e il puntellamento, e quella dei risultati, di sola lettura, che si apre con il pulsante "
    "Risultati. Per prima cosa scegliere il tipo di puntellamento: solo dopo questa scelta tutti i campi dei "
    "dati necessari vengono abilitati. Le altre scelte, relative allo stato delle murature, al tipo di "
    "dissesto e ai carichi, corrispondono a coefficienti di riferimento che riducono o aumentano il carico da "
    "sostenere; il programma li applica automaticamente e ne tiene conto nella ricerca della sezione minima "
    "del puntello. Per imparare a usare la finestra conviene aprire i file di esempio delle tre opzioni di "
    "calcolo e osservare come cambiano i risultati modificando un dato alla volta. Si può esaminare un "
    "consolidamento per volta, fino a un massimo di 100, scorrendoli con l'apposita barra. Il pulsante "
    "Risultati controlla automaticamente i dati prima di aprire la finestra dei risultati; l'icona ABC della "
    "barra degli strumenti esegue lo stesso controllo a richiesta e segnala il primo dato mancante. Ogni "
    "modifica aggiorna subito i risultati.");

inline const QString kTestoRisultatiPuntelli = QStringLiteral(
    "La finestra dei risultati dei puntelli è di sola lettura: mostra le forze, le sezioni e le verifiche "
    "ottenute dai dati immessi nella finestra Puntelli. Per correggere un valore occorre tornare alla "
    "finestra dei dati, dove ogni modifica aggiorna subito il calcolo. Soltanto da questa finestra, oppure "
    "dalla finestra Frontespizio come parte della relazione completa, si stampano i dati e i risultati del "
    "puntellamento; il modello di acquisizione dati si stampa invece dalla finestra dei dati. In alto a "
    "destra un riquadro indica il tipo di calcolo eseguito, cioè quale delle tre opzioni di puntellamento è "
    "stata scelta; sotto di esso compare un commento automatico che riassume l'esito del dimensionamento e "
    "richiama l'attenzione sui casi che richiedono una verifica particolare. La barra degli strumenti è la "
    "stessa della finestra dei dati, così che archivio, stampa, guida e passaggio alle altre finestre si "
    "trovano sempre nella stessa posizione. Per esaminare un altro consolidamento usare la barra di "
    "scorrimento orizzontale di questa finestra; nei sistemi di puntelli la barra verticale scorre i puntelli "
    "della serie. Prima di stampare la relazione "
    "completa controllare che il commento non segnali anomalie.");

inline const QString kTestoTiranti = QStringLiteral(
    "Nella finestra Tiranti i campi dei dati hanno lo sfondo bianco, quelli dei risultati lo sfondo azzurro "
    "chiaro e non possono essere modificati. Seguire le indicazioni del riquadro giallo, che suggerisce di "
    "volta in volta il dato da digitare e segnala quando la riga è completa. Ogni riga descrive un tirante: "
    "lunghezza, carico da trasmettere, temperatura di posa e caratteristiche della muratura di ancoraggio. La "
    "barra di scorrimento a sinistra permette di spostarsi fra i tiranti, fino a 100, mentre quella in basso "
    "fa scorrere la tabella delle temperature ambiente da -40 a 60 gradi, nella quale si leggono la tensione "
    "dell'acciaio e la frequenza di vibrazione con cui verificare il tiro in opera. Accanto ai dati si trovano "
    "cinque piccoli pulsanti che impostano la tensione ammissibile a trazione della muratura ai valori "
    "scritti a fianco di ciascuno, corrispondenti a murature di qualità diversa: basta un clic per inserire "
    "il valore nella riga corrente. I risultati comprendono le forze di ancoraggio, il diametro e la lunghezza "
    "della barra, i giri del dado o lo spessore del cuneo necessari alla messa in tensione. Salvare spesso i dati "
    "nell'archivio.");

inline const QString kTestoCuciture = QStringLiteral(
    "La finestra Cuciture è divisa in due parti: nella metà superiore si immettono i dati, in quella "
    "inferiore si leggono i risultati. Accanto ai dati si trovano barre di scorrimento che permettono di "
    "variare rapidamente i valori dopo aver visto i risultati, così da cercare per tentativi la soluzione più "
    "conveniente senza dover digitare ogni volta un nuovo numero. Le barre di scorrimento dei risultati "
    "permettono di spostarsi fra gli elementi, fino a 100, e fra le temperature di esercizio da -40 a 60 "
    "gradi. Il riquadro giallo guida l'immissione indicando il prossimo dato da digitare. Le cuciture a "
    "freddo, eseguite con barre metalliche inserite nella muratura, sono semplici da calcolare: si verificano "
    "con le formule della trazione e della compressione. I tiranti antiscoppio a caldo, con piastre di "
    "ripartizione alle estremità, richiedono un poco più di attenzione, perché la forza di serraggio nasce "
    "dal raffreddamento dell'acciaio come per i tiranti: controllare quindi la temperatura di riscaldamento "
    "e le tensioni alle diverse temperature di esercizio prima di stampare. I dati si possono archiviare "
    "e riaprire come nelle altre finestre.");

inline const QString kTestoFrontespizio = QStringLiteral(
    "I dati del frontespizio sono importanti, perché identificano la relazione di calcolo: progetto, "
    "località, committente, luogo, data e allegati. Possono essere prelevati dall'archivio, insieme ai dati "
    "del calcolo in uso, oppure digitati direttamente. Per una stampa corretta ogni campo non deve superare i "
    "60 caratteri; oltre questo limite il programma avverte l'utente. La data viene proposta leggendola dal "
    "computer, ma può essere modificata liberamente. Il nome e l'indirizzo dello studio tecnico sono fissi e "
    "vengono stampati in ogni relazione. La relazione completa comprende il frontespizio, una spiegazione del "
    "tipo di consolidamento adottato e la tabella di tutti i dati e i risultati del calcolo. Chi desidera una "
    "relazione personalizzata può stampare separatamente i dati e i risultati dalla finestra di calcolo e il "
    "solo frontespizio da questa finestra, aggiungendo poi un proprio documento con le considerazioni "
    "tecniche sull'intervento. Prima di stampare conviene usare il controllo dei dati, che segnala i campi "
    "lasciati vuoti. Il frontespizio viene salvato insieme ai dati di ogni calcolo e riletto quando "
    "si apre il file.");

// Tip of the day
inline const QString kTipCaption = QStringLiteral("Suggerimento del giorno");
inline const QString kNonTutti = QStringLiteral("Non tutti sanno che...");
inline const QString kPrecedente = QStringLiteral("&Precedente");
inline const QString kSuccessivo = QStringLiteral("&Successivo");
inline const QString kTipChiudi = QStringLiteral("&Chiudi");
inline const QString kFileSuggerimenti = QStringLiteral("SuggerimentiRinsal.TXT");
inline const QString kImpossibile = QStringLiteral("Impossibile trovare il file ");
inline const QString kCreare = QStringLiteral("Creare un file di testo denominato ");
inline const QString kBloccoNote =
    QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ");
inline const QString kStessaDirectory = QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");

} // namespace testi::guida
