#pragma once
// Fixed texts of the complete calculation report: title page, headings and
// the explanatory chapters of each kind of strengthening work. Prose lines
// are justified with blanks and never longer than 75 characters.
#include <QString>
#include <QStringList>

namespace testi_relazione {

inline constexpr int kLarghezzaMassima = 75;

// Title page
inline const QString kFontFrontespizio = QStringLiteral("DejaVu Sans");
inline const QString kTitolo = QStringLiteral("RELAZIONE DI CALCOLO");
inline const QString kSottotitolo = QStringLiteral("(per un organo di consolidamento murario)");
inline const QString kRientro = QStringLiteral("          ");
inline const QString kProgetto = QStringLiteral("progetto..............: ");
inline const QString kLocalita = QStringLiteral("località................: ");
inline const QString kCommittente = QStringLiteral("committente.........: ");
inline const QString kDuepunti = QStringLiteral(": ");

// Chapters
inline const QString kCriteri = QStringLiteral("CRITERI DI CALCOLO");
inline const QString kEsecuzione = QStringLiteral("MODALITA' DI ESECUZIONE");
inline const QString kNote = QStringLiteral("NOTE SUL CONSOLIDAMENTO");
inline const QString kAllegati = QStringLiteral("Si allegano i seguenti documenti:");
inline const QString kPagina = QStringLiteral("pagina ");
inline const QString kNullaDaStampare = QStringLiteral("Non vi è nulla da stampare.");
inline const QString kNonDisponibile = QStringLiteral(
    "La relazione di calcolo per questo tipo di consolidamento non è disponibile in questa versione del programma.");

// Shoring: the criteria end with "- " + the calculation type + "." and the
// lines of kPuntelliRisultati; the execution breaks the page after "adeguatamente;".
inline const QString kTrattino = QStringLiteral("- ");
inline const QString kPunto = QStringLiteral(".");
inline const QStringList kPuntelliCriteri = {
    QStringLiteral("La presente verifica di puntelli è stata effettuata con l'ausilio di  un"),
    QStringLiteral("programma di calcolo automatico. Il calcolo statico, per quanto preciso,"),
    QStringLiteral("non può mai considerarsi rigoroso, a causa dell'incertezza  dei  vincoli"),
    QStringLiteral("alla testa e al piede dei puntelli e del carico effettivamente agente: i"),
    QStringLiteral("risultati ottenuti vanno quindi intesi come indicazioni di massima,  che"),
    QStringLiteral("richiedono un'esecuzione attenta e accurata."),
    QStringLiteral("Sono  state  adottate  le  formule   classiche   della   scienza   delle"),
    QStringLiteral("costruzioni, applicate dopo la risoluzione geometrica  e  statica  delle"),
    QStringLiteral("forze in gioco. I carichi sui puntelli sono ricavati dalle  tabelle  dei"),
    QStringLiteral("coefficienti di un manuale  specialistico  sui  dissesti  statici  degli"),
    QStringLiteral("edifici."),
    QStringLiteral("Il puntello è verificato a compressione e al carico  di  punta,  tenendo"),
    QStringLiteral("conto dell'attrito e della coesione, secondo i giudizi espressi nei dati"),
    QStringLiteral("sullo stato delle  murature.  La  verifica,  con  i  dati  immessi  e  i"),
    QStringLiteral("risultati ottenuti,"),
    QStringLiteral("è riferiti alla seguente tipologia di calcolo:"),
};
inline const QStringList kPuntelliRisultati = {
    QStringLiteral("Nelle pagine seguenti sono elencati tutti i dati  e  i  risultati  della"),
    QStringLiteral("verifica eseguita."),
};
inline const QStringList kPuntelliEsecuzione = {
    QStringLiteral("In primo luogo bisogna scegliere con attenzione i materiali da usare, le"),
    QStringLiteral("maestranze e l'impresa esecutrice, e organizzare  il  cantiere.  Per  le"),
    QStringLiteral("grandi masse murarie conviene impiegare il cemento armato, per le  masse"),
    QStringLiteral("piccole o locali il legname, tenendo sempre conto del ritiro:  la  testa"),
    QStringLiteral("di un puntello in cemento armato va perciò gettata in più riprese."),
    QStringLiteral("Se necessario, si rigenera prima la zona d'appoggio  della  testa  e  si"),
    QStringLiteral("attende la presa delle malte; si aggiungono poi sbadacchi tra i  muri  e"),
    QStringLiteral("fasce verticali od orizzontali che leghino tra loro le masse locali."),
    QStringLiteral("Al piede, su terreno, si costruisce una base in muratura dimensionata in"),
    QStringLiteral("modo che la risultante sia verticale e  passi  per  il  suo  baricentro;"),
    QStringLiteral("anche qui si attende la presa del cemento, oppure si usa cemento a presa"),
    QStringLiteral("rapida, o si adottano basi in legname o prefabbricate."),
    QStringLiteral("Per i puntelli in cemento armato occorre inoltre:"),
    QStringLiteral("- caricarli solo dopo un congruo tempo dal getto;"),
    QStringLiteral("- limitare il più possibile la durata del loro impiego;"),
    QStringLiteral("- aumentare l'armatura risultante dal calcolo, dimensionandone i ferri"),
    QStringLiteral("adeguatamente;"),
};
inline const QStringList kPuntelliEsecuzioneSegue = {
    QStringLiteral("- mantenerli bagnati finché non abbiano esaurito la loro funzione."),
    QStringLiteral("Infine  si  irrigidiscono  i  nodi  e  si  collegano  gli  elementi  del"),
    QStringLiteral("puntellamento alle murature."),
};
inline const QStringList kPuntelliNote = {
    QStringLiteral("I puntelli sono quasi sempre organi di consolidamento provvisorio.  Essi"),
    QStringLiteral("lavorano a compressione assiale e devono essere seguiti in  tempi  brevi"),
    QStringLiteral("dalle  opere  di  consolidamento  definitivo,  perché   col   tempo   si"),
    QStringLiteral("deteriorano. Le variazioni termiche e di  umidità  li  accorciano  o  li"),
    QStringLiteral("allungano: nel primo caso  le  masse  sostenute  possono  muoversi,  nel"),
    QStringLiteral("secondo la testa del puntello sovraccarica localmente  la  muratura;  si"),
    QStringLiteral("consigliano perciò materiali compatibili."),
    QStringLiteral("Il legname è poco  sensibile  alla  temperatura,  ma  meno  efficace  in"),
    QStringLiteral("presenza di variazioni di umidità: per puntellamenti  di  grande  entità"),
    QStringLiteral("sono preferibili il cemento armato, la muratura  di  mattoni  pieni  con"),
    QStringLiteral("malta cementizia o le travi  in  acciaio.  Il  legname  fresco  aggiunge"),
    QStringLiteral("inoltre gli effetti del proprio ritiro."),
    QStringLiteral("Per efficacia, basso costo e rapidità di esecuzione, i puntelli  restano"),
    QStringLiteral("comunque l'intervento  immediato  da  preferire,  in  attesa  che  venga"),
    QStringLiteral("progettato il consolidamento definitivo."),
};
inline const QStringList kTirantiCriteri = {
    QStringLiteral("La presente verifica di tiranti è stata effettuata con  l'ausilio di  un"),
    QStringLiteral("programma di calcolo automatico, che applica le formule classiche  della"),
    QStringLiteral("scienza delle costruzioni, la fisica  della  dilatazione  termica  della"),
    QStringLiteral("barra, riscaldata prima della posa in opera, e  la  teoria  della  corda"),
    QStringLiteral("vibrante per la verifica della tesatura; quest'ultima fornisce anche  il"),
    QStringLiteral("tiro di progetto per la tesatura a freddo."),
    QStringLiteral("La dilatazione cresce con la lunghezza del tirante, con il  coefficiente"),
    QStringLiteral("di  dilatazione  termica  e  con  la  differenza  di   temperatura;   la"),
    QStringLiteral("dilatazione  della  muratura  regola  la  tensione   del   tirante.   Il"),
    QStringLiteral("coefficiente di dilatazione termica della  muratura  è  assunto  pari  a"),
    QStringLiteral("0,000006, quello del ferro esattamente doppio, pari a 0,000012."),
    QStringLiteral("Il tirante è dimensionato sulla minore delle reazioni di ancoraggio date"),
    QStringLiteral("dalla coesione e dall'attrito; la forza di tiro è la metà di quella  che"),
    QStringLiteral("la muratura può sopportare, con un coefficiente di sicurezza pari a 2."),
};
inline const QStringList kTirantiEsecuzione = {
    QStringLiteral("Viene prima di tutto scelta la posizione dove inserire gli organi  nella"),
    QStringLiteral("muratura: i tiranti vanno posti in  prossimità  dei  solai  e  dei  muri"),
    QStringLiteral("portanti, non verso la sommità delle pareti. Se necessario si  consolida"),
    QStringLiteral("la zona di strappo del capochiave,  cioè  il  volume  che  dall'impronta"),
    QStringLiteral("della piastra sul muro si proietta, con angolo solido di 45°,  verso  la"),
    QStringLiteral("faccia opposta."),
    QStringLiteral("Attesa la presa delle malte, si inserisce  il  tirante  e  lo  si  tende"),
    QStringLiteral("riscaldandolo per tutta la  sua  lunghezza  e  battendo  i  cunei  negli"),
    QStringLiteral("occhielli  dei  capichiave  a  paletto,  oppure  serrando  i  dadi   dei"),
    QStringLiteral("capichiave a piastra. Il tirante si lascia poi  raffreddare  da  sé:  la"),
    QStringLiteral("dilatazione termica si trasforma  così  in  una  deformazione  elastica,"),
    QStringLiteral("trattenuta dal muro come compressione."),
};
inline const QStringList kTirantiNote = {
    QStringLiteral("I tiranti sono organi di consolidamento non molto costosi se valutati in"),
    QStringLiteral("rapporto ai risultati che  consentono,  poco  invasivi,  perché  possono"),
    QStringLiteral("correre nello spessore dei solai, e permanenti anziché provvisori; vanno"),
    QStringLiteral("posti in opera alla presenza del progettista o del direttore dei lavori."),
    QStringLiteral("Essi  si  limitano  a  stabilizzare  le  deformazioni  esistenti,  senza"),
    QStringLiteral("recuperarle."),
    QStringLiteral("La tesatura a freddo può essere verificata percuotendo il tirante a metà"),
    QStringLiteral("lunghezza e registrandone le  vibrazioni  con  una  matita  legata  alla"),
    QStringLiteral("barra, su un cartoncino tenuto fermo: il numero di vibrazioni al secondo"),
    QStringLiteral("va confrontato con la frequenza calcolata e, se risulta minore, si serra"),
    QStringLiteral("ulteriormente il dado. Dove il tirante non è libero  di  vibrare  ci  si"),
    QStringLiteral("affida  alla  corretta  esecuzione,  accertandosi  di  non  superare  la"),
    QStringLiteral("tensione ammissibile della muratura."),
    QStringLiteral("I tiranti sono  adatti  anche  agli  edifici  storici.  La  tabella  dei"),
    QStringLiteral("risultati riporta i valori per temperature  ambiente  da  -40°  a  +60°:"),
    QStringLiteral("vanno utilizzati quelli compatibili con il clima del luogo."),
};
// Stitching, hot anti-burst ties and cold stitches: the page breaks after
// the execution, as for tie rods.
inline const QStringList kTirantiniCriteri = {
    QStringLiteral("La presente verifica di tirantini è stata effettuata con l'ausilio di un"),
    QStringLiteral("programma di calcolo automatico, che applica le formule classiche  della"),
    QStringLiteral("scienza delle costruzioni e la fisica della  dilatazione  termica  delle"),
    QStringLiteral("barre, riscaldate prima della posa in opera."),
    QStringLiteral("Il coefficiente di dilatazione termica della muratura è assunto  pari  a"),
    QStringLiteral("0,000006, quello del ferro esattamente doppio, pari a 0,000012; come per"),
    QStringLiteral("i  tiranti,  la  dilatazione  della  muratura  regola  la  tensione  dei"),
    QStringLiteral("tirantini."),
    QStringLiteral("I tirantini sono dimensionati in modo che la pressione  di  confinamento"),
    QStringLiteral("esercitata dalle rondelle sul pilastro o sul muro non superi  il  carico"),
    QStringLiteral("di rottura della muratura. Il superamento del carico di sicurezza non  è"),
    QStringLiteral("dannoso, perché la tensione si diffonde all'interno della massa muraria."),
};
inline const QStringList kTirantiniEsecuzione = {
    QStringLiteral("I tirantini antiespulsivi sono organi di consolidamento semplici e molto"),
    QStringLiteral("efficaci, che riducono le zone di materiale espulso nei punti in  cui  è"),
    QStringLiteral("stata applicata la  cerchiatura,  per  colonne  o  pilastri  schiacciati"),
    QStringLiteral("oppure soggetti a pressoflessione."),
    QStringLiteral("Sono costituiti da barre munite di una rondella  a  ciascuna  estremità,"),
    QStringLiteral("almeno una delle quali con dado, e vengono posti in opera a  caldo,  con"),
    QStringLiteral("un contatto appena forzato. Si dispongono in file  orizzontali  ripetute"),
    QStringLiteral("in verticale, eventualmente sfalsate, il cui numero dipende dal diametro"),
    QStringLiteral("delle barre, dall'entità del dissesto e dalle dimensioni del pilastro."),
    QStringLiteral("Dove le lesioni  sono  ampie  si  esegue  un'iniezione  di  cemento.  Le"),
    QStringLiteral("perforazioni  si  eseguono  con  utensili  a  rotazione;  le  teste  dei"),
    QStringLiteral("tirantini possono essere alloggiate in incassi,  da  sigillare  dopo  la"),
    QStringLiteral("tesatura e il raffreddamento."),
};
inline const QStringList kTirantiniNote = {
    QStringLiteral("I tirantini antiespulsivi sono organi di consolidamento economici e  del"),
    QStringLiteral("tutto pratici, permanenti anziché provvisori; vanno posti in  opera  con"),
    QStringLiteral("cura, sotto la sorveglianza del progettista o del direttore dei  lavori."),
    QStringLiteral("Essi  si  limitano  a  stabilizzare  le  deformazioni  esistenti,  senza"),
    QStringLiteral("recuperarle."),
    QStringLiteral("La tesatura a freddo, serrando i dadi  fino  alla  tensione  di  rottura"),
    QStringLiteral("della muratura e non oltre, è consigliata soltanto agli utenti  esperti."),
    QStringLiteral("La pressione sotto la rondella diminuisce rapidamente all'interno  della"),
    QStringLiteral("massa muraria."),
    QStringLiteral("I tirantini sono adatti anche  agli  edifici  storici.  La  tabella  dei"),
    QStringLiteral("risultati riporta i valori per temperature  ambiente  da  -40°  a  +60°:"),
    QStringLiteral("vanno utilizzati quelli compatibili con il clima del luogo."),
};
inline const QStringList kCucitureCriteri = {
    QStringLiteral("La presente verifica di cuciture è stata effettuata con l'ausilio di  un"),
    QStringLiteral("programma di calcolo automatico e si basa sulla formula  classica  della"),
    QStringLiteral("compressione. Le cuciture entrano in trazione soltanto se  e  quando  il"),
    QStringLiteral("dissesto si sviluppa: non offrono quindi un sostegno  immediato  e  sono"),
    QStringLiteral("adatte ai piedritti schiacciati o compressi eccentricamente."),
    QStringLiteral("Il numero dei ferri deriva da un interasse teorico,  ottenuto  dividendo"),
    QStringLiteral("la zona da cucire per il passo verticale indicato nei dati. La  tensione"),
    QStringLiteral("dell'acciaio è fissata, per prudenza,  a  1000  kg/cmq  iniziali  e  può"),
    QStringLiteral("essere modificata per variare il numero dei ferri."),
    QStringLiteral("La forza totale da assorbire è pari alla  tensione  di  esercizio  della"),
    QStringLiteral("muratura moltiplicata per l'altezza e per la  lunghezza  del  piedritto,"),
    QStringLiteral("con il fattore 1/4, reciproco del modulo di contrazione  trasversale  m,"),
    QStringLiteral("che annulla la tensione trasversale provocata dal carico P/A. Il  numero"),
    QStringLiteral("dei ferri è dato da tale forza  divisa  per  la  tensione  di  esercizio"),
    QStringLiteral("dell'acciaio e per l'area di un ferro."),
    QStringLiteral("L'interasse orizzontale che ne  risulta  è  teorico  e  va  adattato  al"),
    QStringLiteral("piedritto e allo schema delle perforazioni."),
};
inline const QStringList kCucitureEsecuzione = {
    QStringLiteral("Le cuciture metalliche, il cui nome non è utilizzato  casualmente,  sono"),
    QStringLiteral("vere e proprie cuciture della muratura lesionata  e  si  eseguono  nelle"),
    QStringLiteral("seguenti fasi:"),
    QStringLiteral("1) sul piedritto da consolidare vanno segnati i punti da perforare;"),
    QStringLiteral("2) si esegue una una fila di perforazioni passanti con sonda rotativa;"),
    QStringLiteral("3) si bagna abbondantemente il muro per pulirlo e imbibirlo;"),
    QStringLiteral("4) si sigillano tutte le perdite che si riscontrano aldisotto dei fori;"),
    QStringLiteral("5) si inseriscono i ferri poco più corti del foro per la sigillatura;"),
    QStringLiteral("6) si inietta il cemento attraverso i fori armati fino a sigillarli;"),
    QStringLiteral("7) si stuccano le due estremità di ogni foro."),
    QStringLiteral("La fila  successiva  si  esegue  soltanto  dopo  la  presa  del  cemento"),
    QStringLiteral("iniettato. L'eventuale cerchiatura a  freddo  va  eseguita  in  seguito,"),
    QStringLiteral("quella a caldo prima del getto del cemento."),
};
inline const QStringList kCucitureNote = {
    QStringLiteral("Le cuciture metalliche a freddo sono organi di consolidamento  economici"),
    QStringLiteral("e poco invasivi, permanenti anziché provvisori; vanno eseguite con cura,"),
    QStringLiteral("sotto la sorveglianza del progettista o del direttore dei  lavori.  Esse"),
    QStringLiteral("si limitano a stabilizzare  le  deformazioni  esistenti;  abbinate  alla"),
    QStringLiteral("cerchiatura o alle iniezioni, restituiscono efficienza alla parte debole"),
    QStringLiteral("della muratura."),
    QStringLiteral("L'esecuzione a freddo non comporta vincoli di temperatura. Il  piedritto"),
    QStringLiteral("cucito diventa una struttura  fibrosa  e  più  rigida,  paragonabile  al"),
    QStringLiteral("cemento armato."),
    QStringLiteral("I dati e i risultati della verifica sono stati utilizzati con la  dovuta"),
    QStringLiteral("prudenza."),
};

// Column hooping, cold helix and hot parallel rings: the page breaks after
// the execution, as for tie rods.
inline const QStringList kElicaCriteri = {
    QStringLiteral("La  presente  verifica  di  cerchiature  elicoidali  a  freddo  è  stata"),
    QStringLiteral("effettuata con l'ausilio di un  programma  di  calcolo  automatico,  che"),
    QStringLiteral("applica le  formule  classiche  della  scienza  delle  costruzioni  alla"),
    QStringLiteral("colonna cerchiata, resa omogenea come  una  sezione  di  cemento  armato"),
    QStringLiteral("cerchiato."),
    QStringLiteral("Il passo dell'elica è pari a  un  quinto  del  diametro  della  colonna,"),
    QStringLiteral("arrotondato per difetto al centimetro intero, e non supera mai 10 cm. La"),
    QStringLiteral("sezione del tondino è quella di un cerchio di diametro  fi;  la  sezione"),
    QStringLiteral("equivalente dell'elica è pari a 6,28 per il raggio della colonna per  la"),
    QStringLiteral("sezione del tondino, divisa per il passo."),
    QStringLiteral("La sezione ideale reagente somma l'area  della  colonna,  quattro  barre"),
    QStringLiteral("longitudinali di 1,92 cmq ciascuna moltiplicate per il  coefficiente  di"),
    QStringLiteral("omogeneizzazione 15 e la sezione equivalente dell'elica moltiplicata per"),
    QStringLiteral("45; il risultato è arrotondato per difetto al cmq intero."),
    QStringLiteral("La tensione nella colonna prima del consolidamento è  il  carico  diviso"),
    QStringLiteral("per l'area della colonna, quella dopo il consolidamento il carico diviso"),
    QStringLiteral("per la sezione ideale reagente; entrambe sono arrotondate per difetto al"),
    QStringLiteral("decimo di kg/cmq. La lunghezza dell'elica è pari al numero  delle  spire"),
    QStringLiteral("per la circonferenza della colonna, più l'altezza della colonna."),
};
inline const QStringList kElicaEsecuzione = {
    QStringLiteral("Prima di tutto  si  libera  la  colonna  da  ogni  carico  che  non  sia"),
    QStringLiteral("indispensabile, se ne puliscono le superfici e si  chiudono  le  lesioni"),
    QStringLiteral("più ampie con malta o con iniezioni di cemento, attendendone la presa."),
    QStringLiteral("Il tondino viene piegato ad elica sul posto, oppure in officina  su  una"),
    QStringLiteral("sagoma del diametro della colonna, con il passo risultante dal  calcolo;"),
    QStringLiteral("i diametri superiori a fi 12  si  piegano  con  difficoltà.  L'elica  si"),
    QStringLiteral("avvolge dalla  base  alla  sommità  della  colonna,  ben  aderente  alla"),
    QStringLiteral("superficie, e si ancora  alle  estremità  con  ganci  o  saldature  alle"),
    QStringLiteral("quattro barre longitudinali, disposte lungo le generatrici."),
    QStringLiteral("Si esegue infine il rivestimento con malta cementizia o con un getto  di"),
    QStringLiteral("calcestruzzo, che protegge l'armatura e  rende  solidali  la  colonna  e"),
    QStringLiteral("l'elica."),
};
inline const QStringList kElicaNote = {
    QStringLiteral("La cerchiatura  elicoidale  a  freddo  è  un  organo  di  consolidamento"),
    QStringLiteral("permanente, economico e di rapida esecuzione,  che  va  posto  in  opera"),
    QStringLiteral("sotto la sorveglianza del progettista o del direttore dei  lavori.  Essa"),
    QStringLiteral("si limita a stabilizzare le deformazioni esistenti, senza recuperarle."),
    QStringLiteral("L'elica non comprime la colonna finché questa  non  tende  a  dilatarsi:"),
    QStringLiteral("entra  in  funzione  con  il  carico,   contrastando   la   deformazione"),
    QStringLiteral("trasversale e aumentando la sezione reagente.  Se  la  tensione  attuale"),
    QStringLiteral("risulta ancora elevata, si aumenta nei dati il diametro  fi  dell'elica,"),
    QStringLiteral("tenendo conto della difficoltà di piegarlo."),
    QStringLiteral("Il rivestimento modifica l'aspetto della colonna: negli edifici  storici"),
    QStringLiteral("va valutato con attenzione."),
};
inline const QStringList kCerchiCriteri = {
    QStringLiteral("La presente verifica di cerchiature parallele a caldo è stata effettuata"),
    QStringLiteral("con l'ausilio di un programma di  calcolo  automatico,  che  applica  le"),
    QStringLiteral("formule classiche della scienza delle  costruzioni  e  la  fisica  della"),
    QStringLiteral("dilatazione termica dei cerchi, riscaldati prima della posa in  opera  e"),
    QStringLiteral("lasciati raffreddare sulla colonna."),
    QStringLiteral("Il modulo di elasticità dell'acciaio è assunto pari  a  2000000  kg/cmq,"),
    QStringLiteral("quello  della  colonna  pari  a  200000  kg/cmq;  il   coefficiente   di"),
    QStringLiteral("dilatazione  termica  dell'acciaio  è  0,000012   e   la   costante   di"),
    QStringLiteral("deformazione laterale della colonna è m = 4. Nel calcolo i  cerchi  sono"),
    QStringLiteral("sostituiti da una lamiera continua dello spessore di 1 mm."),
    QStringLiteral("Per ogni temperatura ambiente di esercizio, da -40° a  +60°,  il  raggio"),
    QStringLiteral("della  colonna  cerchiata  è  la  radice  maggiore   dell'equazione   di"),
    QStringLiteral("equilibrio tra l'accorciamento del cerchio e la dilatazione  trasversale"),
    QStringLiteral("della  colonna  compressa  dalla  tensione  assiale;  ne   derivano   la"),
    QStringLiteral("compressione del cerchio sulla colonna e la trazione nel  cerchio,  pari"),
    QStringLiteral("alla compressione per il raggio diviso per lo spessore della lamiera."),
    QStringLiteral("Il raggio totale della colonna comprende le fessure verticali  chiuse  e"),
    QStringLiteral("l'incremento per le asperità superficiali; la temperatura di montaggio è"),
    QStringLiteral("quella che dilata il cerchio freddo fino a tale raggio. Lo spessore  dei"),
    QStringLiteral("cerchi è l'interasse diviso  per  l'altezza  dei  cerchi.  I  longheroni"),
    QStringLiteral("verticali sono quanti ne entrano nella circonferenza al passo  indicato;"),
    QStringLiteral("lo spazio libero tra loro è la circonferenza divisa per il loro  numero,"),
    QStringLiteral("meno l'altezza dei cerchi."),
};
inline const QStringList kCerchiEsecuzione = {
    QStringLiteral("Si chiudono per prima  cosa  le  lesioni  più  ampie  con  malta  o  con"),
    QStringLiteral("iniezioni di cemento e  si  regolarizza  la  superficie  della  colonna,"),
    QStringLiteral("misurandone il raggio alle quote in cui andranno posti i cerchi."),
    QStringLiteral("I cerchi, in piatto d'acciaio dell'altezza e dello  spessore  risultanti"),
    QStringLiteral("dal calcolo, si preparano su misura con il raggio del cerchio  freddo  e"),
    QStringLiteral("si chiudono con saldatura. Si dispongono quindi i  longheroni  verticali"),
    QStringLiteral("lungo le generatrici della colonna, al passo indicato."),
    QStringLiteral("Ogni cerchio viene riscaldato uniformemente  fino  alla  temperatura  di"),
    QStringLiteral("montaggio, infilato sulla colonna  alla  quota  prevista,  all'interasse"),
    QStringLiteral("stabilito, e lasciato raffreddare  da  sé:  l'accorciamento  termico  si"),
    QStringLiteral("trasforma così in una compressione che confina la colonna."),
};
inline const QStringList kCerchiNote = {
    QStringLiteral("La  cerchiatura  parallela  a  caldo  è  un  organo  di   consolidamento"),
    QStringLiteral("permanente   ed   efficace   per   colonne   schiacciate   o   lesionate"),
    QStringLiteral("verticalmente, da porre in opera sotto la sorveglianza del progettista o"),
    QStringLiteral("del direttore dei lavori. Essa si limita a stabilizzare le  deformazioni"),
    QStringLiteral("esistenti, senza recuperarle."),
    QStringLiteral("A differenza dell'elica a freddo, i cerchi  comprimono  la  colonna  fin"),
    QStringLiteral("dalla posa. La trazione nei  cerchi  e  la  compressione  sulla  colonna"),
    QStringLiteral("variano con la temperatura ambiente: la tabella dei risultati riporta  i"),
    QStringLiteral("valori da -40° a +60°, e vanno  utilizzati  quelli  compatibili  con  il"),
    QStringLiteral("clima del luogo."),
    QStringLiteral("Dove la colonna presenta zone di materiale espulso, alla cerchiatura  si"),
    QStringLiteral("affiancano i tirantini antiespulsivi."),
};

} // namespace testi_relazione
