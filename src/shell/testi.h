#pragma once
// Fixed texts of the application shell.

#include <QString>

namespace testi {

inline const QString kNomeProgramma = QStringLiteral("Rinsal");
inline const QString kSottotitolo = QStringLiteral("calcoli di consolidamenti");
inline const QString kVersione = QStringLiteral("3.04.05");
inline const QString kDataPrimaVersione = QStringLiteral("08/11/00");
inline const QString kCodiceRilascio = QStringLiteral("281211");
inline const QString kSuffissoControllo = QStringLiteral(": controllo dati immessi nella finestra attiva");
inline const QString kSuffissoAiuto = QStringLiteral(": aiuto in linea");
inline const QString kTitoloElimina =
    QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");

inline const QString kDatoErrato = QStringLiteral(
    "Attenzione! il dato digitato non è corretto: usare solo numeri e la virgola per i decimali.");

// Start-up window
inline const QString kFileMusica = QStringLiteral("Internet.mid");
inline const QString kSplashEdizione = QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ");
inline const QString kSplashIstruzione =
    QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)");
inline const QString kSplashCongedo = QStringLiteral("          elaborazione eseguita con");

// Main menu
inline const QString kSceltaCaption = QStringLiteral("Rinsal: menu delle procedure di calcolo disponibili");
inline const QString kSceltaOpzioni[5] = {
    QStringLiteral("Puntelli"), QStringLiteral("Tiranti"), QStringLiteral("Cerchiature di colonne"),
    QStringLiteral("Cerchiature di pilastri"), QStringLiteral("Tirantini e cuciture")};
inline const QString kSceltaDescrizioni[5] = {
    QStringLiteral("... il calcolo di puntelli per dissesti combinati, per muri presso-inflessi, per angolate con archi"),
    QStringLiteral("... il calcolo di tiranti metallici con capochiave a vite o a bietta"),
    QStringLiteral("... il calcolo dei cerchi a caldo o dell'elica a freddo per piedritti a sezione circolare"),
    QStringLiteral("... il calcolo dei cerchi a caldo e dell'elica a freddo per piedritti a sezione quadrangolare"),
    QStringLiteral("... il calcolo di tirantini antiespulsivi a caldo e delle cuciture metalliche a freddo")};
inline const QString kSceltaStato[5] = {
    QStringLiteral("Apre una finestra per il calcolo di puntelli (3 tipologie)."),
    QStringLiteral("Apre una finestra per il calcolo di tiranti metallici."),
    QStringLiteral("Apre una finestra per il calcolo di cerchiature di colonne."),
    QStringLiteral("Apre una finestra per il calcolo di cerchiature di pilastri."),
    QStringLiteral("Apre una finestra per il calcolo di tirantini antiespulsivi a caldo e di cuciture a freddo.")};
inline const QString kSceltaStatoSfondo = QStringLiteral(
    "Elenca i tipi di calcolo disponibili ed una breve descrizione dei rispettivi risultati ottenibili dall'elaborazione.");
inline const QString kSceltaTipo = QStringLiteral("Tipo di calcolo");
inline const QString kSceltaEffettua = QStringLiteral(" il programma effettua...");
inline const QString kSceltaClicca = QStringLiteral("Cliccare sul tipo di calcolo prescelto");
inline const QString kEsciCaption = QStringLiteral("&USCITA");
inline const QString kEsciTooltip = QStringLiteral("cliccare per uscire da Rinsal");
inline const QString kGuidaCaption = QStringLiteral("&Guida in linea");
inline const QString kGuidaTooltip = QStringLiteral("cliccare per visualizzare gli Argomenti della guida");
inline const QString kAiutoCaption = QStringLiteral("&AIUTO");
inline const QString kSceltaAiutoTooltip = QStringLiteral("cliccare per avere informazioni sull'uso della finestra");
inline const QString kSceltaAiuto = QStringLiteral(
    "- Scegliere il tipo di calcolo che si intende effettuare cliccandoci sopra;\r"
    "- visualizzare le informazioni nella barra di stato muovendosi con il mouse.");
inline const QString kCollaudoPilastri =
    QStringLiteral("La finestra per il calcolo delle cerchiature di pilastri è in fase di collaudo.");
inline const QString kCollaudoColonne =
    QStringLiteral("La finestra per il calcolo delle cerchiature di colonne è in fase di collaudo.");
inline const QString kGuidaNonPronta = QStringLiteral(
    "La guida in linea non è ancora disponibile in questa versione del programma.");
inline const QString kFinestraNonPronta = QStringLiteral(
    "Questa finestra non è ancora disponibile in questa versione del programma.");

// Exit
inline const QString kUscitaDomanda = QStringLiteral("Vuoi uscire da ");
// Added to the exit question: the windows whose work was never saved.
inline const QString kUscitaNonSalvata = QStringLiteral("\r\rNon sono stati salvati i dati della finestra %1.");
inline const QString kUscitaNonSalvate = QStringLiteral("\r\rNon sono stati salvati i dati delle finestre %1.");
inline const QString kUscitaTitolo = QStringLiteral("Attenzione: i dati non archiviati andranno persi !");

// About box
inline const QString kInformaCaption = QStringLiteral("Informazioni su ");
inline const QString kInformaSistemi = QStringLiteral("per sistemi Windows a 32 bit ");
inline const QString kInformaEdizione = QStringLiteral("edizione professionale - versione ");
inline const QString kInformaNota = QStringLiteral(
    "Programma per il calcolo dei consolidamenti di edifici in muratura. "
    "I risultati vanno verificati dal progettista, che resta responsabile del progetto. "
    "Riproduzione e distribuzione non autorizzate sono vietate.");

// Printing
inline const QString kFontStampa = QStringLiteral("Courier");
inline const QString kCalcoloDi = QStringLiteral(" - calcolo di ");

// Drawings and charts of the printouts
inline const QString kAsseTemperatura = QStringLiteral("temperatura ambiente (gradi)");
inline const QString kNonInScala = QStringLiteral(" (non in scala)");
inline const QString kPosa = QStringLiteral("posa ");
inline const QString kGradi = QStringLiteral(" gradi");
inline const QString kFuoriScala = QStringLiteral(" (fuori scala)");
inline const QString kKgCmq = QStringLiteral("kg/cmq");
inline const QString kKg = QStringLiteral("kg");
inline const QString kCm = QStringLiteral(" cm");

// The label of a laying temperature, with a note when the chart's range
// does not reach it.
inline QString posa(const QString& temperatura, bool inScala)
{
    return kPosa + temperatura + kGradi + (inScala ? QString() : kFuoriScala);
}

} // namespace testi
