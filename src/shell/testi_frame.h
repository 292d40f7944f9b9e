#pragma once
// Fixed texts of the common window frame and of the archive commands.
#include <QString>

namespace testi {

inline const QString kMenuFile = QStringLiteral("&File");
inline const QString kMenuApri = QStringLiteral("&Apri...");
inline const QString kMenuSalva = QStringLiteral("&Salva");
inline const QString kMenuSalvaNome = QStringLiteral("Salva con &nome...");
inline const QString kMenuElimina = QStringLiteral("&Elimina...");
inline const QString kMenuStampa = QStringLiteral("S&tampa");
inline const QString kMenuModello = QStringLiteral("&Modello acquisizione dati");
inline const QString kMenuDatiFinestra = QStringLiteral("&Dati finestra");
inline const QString kMenuStampaCompleta = QStringLiteral("&Stampa completa");
inline const QString kMenuStampaModello = QStringLiteral("S&tampa modello acquisizione dati");
inline const QString kMenuStampaDatiRisultati = QStringLiteral("S&tampa dati e risultati");
inline const QString kMenuAnteprima = QStringLiteral("Anteprima di stampa...");
// The preview's title names the printout shown.
inline const QString kAnteprimaModello = QStringLiteral("Modello acquisizione dati");
inline const QString kAnteprimaDati = QStringLiteral("Dati e risultati");
inline const QString kBarraAnteprima = QStringLiteral("anteprima di stampa");
inline const QString kMenuEsci = QStringLiteral("Es&ci");
inline const QString kMenuEsciE = QStringLiteral("&Esci");
inline const QString kMenuModifica = QStringLiteral("&Modifica");
inline const QString kMenuColore = QStringLiteral("&Colore di sfondo");
inline const QString kMenuControllo = QStringLiteral("Controllo &dati immessi");
inline const QString kMenuControlla = QStringLiteral("Controlla &dati immessi");
inline const QString kMenuCancella = QStringLiteral("C&ancella dati finestra");
inline const QString kMenuVisualizza = QStringLiteral("&Visualizza");
inline const QString kMenuFinestre[8] = {
    QStringLiteral("Finestra Menu"), QStringLiteral("Finestra Puntelli"), QStringLiteral("Finestra Risultati puntelli"),
    QStringLiteral("Finestra Tiranti"), QStringLiteral("Finestra Cerchiature colonne"),
    QStringLiteral("Finestra Cerchiature pilastri"), QStringLiteral("Finestra Cuciture"),
    QStringLiteral("Finestra Frontespizio")};
inline const QString kMenuCerchiaturaColonne = QStringLiteral("Finestra Cerchiatura colonne");
inline const QString kMenuCerchiaturaPilastri = QStringLiteral("Finestra Cerchiatura pilastri");
inline const QString kMenuGrafico = QStringLiteral("&Grafico");
inline const QString kMenuAiuto = QStringLiteral("&?");
inline const QString kMenuGuida = QStringLiteral("&Guida in linea");
inline const QString kMenuSuggerimenti = QStringLiteral("&Suggerimenti...");
inline const QString kMenuSupporto = QStringLiteral("Supporto &prodotto");
inline const QString kMenuInformazioni = QStringLiteral("&Informazioni su Rinsal");

// Toolbar tooltips by position (1-based; separators empty).
inline const QString kBarra[26] = {
    QStringLiteral("apri file"), QStringLiteral("salva file"), QStringLiteral("salva file con nome"),
    QStringLiteral("cancella file"), QString(), QStringLiteral("stampa dati finestra"), QString(),
    QStringLiteral("visualizza finestra Menu"), QStringLiteral("visualizza finestra Puntelli"),
    QStringLiteral("visualizza finestra Risultati puntelli"), QStringLiteral("visualizza finestra Tiranti"),
    QStringLiteral("visualizza finestra Cerchiature colonne"),
    QStringLiteral("visualizza finestra Cerchiature pilastri"), QStringLiteral("visualizza finestra Cuciture"),
    QStringLiteral("visualizza finestra Frontespizio"), QString(), QStringLiteral("colore di sfondo"), QString(),
    QStringLiteral("guida in linea"), QStringLiteral("suggerimenti"), QStringLiteral("supporto prodotto"),
    QStringLiteral("informazioni su Rinsal"), QString(), QStringLiteral("controllo dati immessi"),
    QStringLiteral("cancella dati finestra"), QStringLiteral("uscita da Rinsal")};

inline const QString kBarraGrafico = QStringLiteral("grafico della prima riga sullo schermo");

inline const QString kFrontesCaption = QStringLiteral("F&rontespizio");
inline const QString kFrontesCaptionF = QStringLiteral("&Frontespizio");
inline const QString kFrontesTooltip = QStringLiteral("cliccare per visualizzare la finestra Frontespizio");
inline const QString kRisultatiCaption = QStringLiteral("&Risultati");
inline const QString kRisultatiTooltip = QStringLiteral("cliccare per visualizzare la finestra Risultati");
inline const QString kDatiCaption = QStringLiteral("&Dati");
inline const QString kDatiTooltip = QStringLiteral("cliccare per tornare alla finestra dei dati");
inline const QString kStampaCaption = QStringLiteral("&Stampa");
inline const QString kStampaTooltip = QStringLiteral("cliccare per avere la stampa completa della relazione");
inline const QString kAiutoTooltip = QStringLiteral("cliccare per visualizzare l'aiuto in linea");
inline const QString kSommarioTooltip = QStringLiteral("cliccare per visualizzare il Sommario della guida");
inline const QString kAiutiTooltip = QStringLiteral("cliccare per avere gli aiuti in linea");
inline const QString kPassoTooltip = QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati");
inline const QString kFinestraNumero = QStringLiteral("Fi&nestra n.%1 di 8");

inline const QString kDomandaFinestra = QStringLiteral("E' questa la finestra '%1': si vuole la guida della finestra?");
inline const QString kCollaudoModuloPilastri = QStringLiteral("Il modulo per le cerchiature di pilastri deve essere collaudato");
inline const QString kDomandaGrigio = QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?");
inline const QString kDatiCorretti = QStringLiteral("I dati sono stati immessi correttamente.");

// Archive commands
inline const QString kTitoloApri = QStringLiteral("Apri file");
inline const QString kTitoloSalvaNome = QStringLiteral("Salva file con nome");
inline const QString kNienteDaArchiviare = QStringLiteral("Attenzione: non esistono dati da archiviare!");
inline const QString kMancaProgetto = QStringLiteral("E' necessario digitare almeno il dato del 'progetto'.");
inline const QString kFiltroApri = QStringLiteral("Tutti i file (*.*) | *.*|File %1 | %1*");
inline const QString kFiltroElimina = QStringLiteral("Tutti i file (*.*)|*.*|File %1 | %1*");
inline const QString kFiltroSalva = QStringLiteral("File %1 | %1*");
inline const QString kErroreScrittura = QStringLiteral("Impossibile salvare il file \"%1\": %2. Il file precedente, se esisteva, non è stato modificato.");
inline const QString kScritturaCartella = QStringLiteral("la cartella non è scrivibile o il file è protetto");
inline const QString kScritturaDisco = QStringLiteral("errore di scrittura (disco pieno o file troppo grande)");
inline const QString kScritturaAltro = QStringLiteral("errore del sistema dei file");
inline const QString kErroreElimina = QStringLiteral("Impossibile eliminare il file \"%1\".");
inline const QString kFileIllegibile = QStringLiteral("il file non esiste o non è leggibile");
inline const QString kFileNonRegolare = QStringLiteral("non è un file ordinario (è una cartella, una coda o un dispositivo)");
inline const QString kFileTroppoGrande = QStringLiteral("il file è troppo grande per essere un archivio di dati");


// Unsaved work: questions, notes and recovery copies.
inline const QString kTitoloNonSalvati = QStringLiteral("Rinsal: dati non salvati");
inline const QString kNonSalvatiUna = QStringLiteral("I dati della finestra '%1' non sono stati salvati.");
inline const QString kNonSalvatiPiu = QStringLiteral("I dati delle finestre %1 non sono stati salvati.");
inline const QString kSalvarePrimaDiChiudere = QStringLiteral("\rSalvarli prima di chiudere la finestra?\r\r"
                                                              "Sì: salva e chiude; No: chiude senza salvare; "
                                                              "Annulla: resta nella finestra.");
inline const QString kSalvarePrimaDiAprire = QStringLiteral("\rSalvarli prima di aprire il file '%1'?\r\r"
                                                            "Sì: salva e apre; No: apre senza salvare; "
                                                            "Annulla: non apre.");
// The File menu's recent files: "&1 name", the full path as its tooltip.
inline const QString kVoceRecente = QStringLiteral("&%1 %2");
inline const QString kRecenteMancante =
    QStringLiteral("Il file '%1' non esiste più: è stato tolto dall'elenco dei file recenti.");
inline const QString kDomandaElimina = QStringLiteral("Eliminare il file '%1'?");
inline const QString kDomandaEliminaCorrente =
    QStringLiteral("Eliminare il file '%1'?\rÈ il file dei dati di questa finestra: i dati restano nella finestra, "
                   "non salvati, e il prossimo Salva chiederà il nome del file.");
inline const QString kSalvatoIn = QStringLiteral("Dati salvati nel file %1");
inline const QString kRecuperoDomanda =
    QStringLiteral("Rinsal non è stato chiuso regolarmente. Esistono copie di recupero dei dati non salvati di "
                   "queste finestre:\r%1\rRiaprirle?\r\rNo: le copie vengono messe da parte nella cartella %2");
inline const QString kRecuperoVoce = QStringLiteral("- %1, copia scritta il %2 alle %3");
inline const QString kRecuperoOrigine = QStringLiteral(" (file %1)");
inline const QString kRecuperoIllegibile =
    QStringLiteral("La copia di recupero della finestra '%1' non può essere letta: %2\rLa copia è stata messa da "
                   "parte come %3");
inline const QString kRecuperoNonSpostata =
    QStringLiteral("La copia di recupero della finestra '%1' non può essere letta: %2\rLa copia è rimasta in %3");
inline const QString kRecuperoNonScritta =
    QStringLiteral("Impossibile scrivere la copia di recupero dei dati della finestra '%1' nella cartella %2.");
} // namespace testi
