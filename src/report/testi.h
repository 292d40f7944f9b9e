#pragma once
// Fixed texts of the title-page window.
#include <QString>

namespace testi_frontespizio {

inline const QString kCaption = QStringLiteral("Rinsal: frontespizio per la relazione");
inline const QString kEtichette[6] = {
    QStringLiteral(" progetto....................:"), QStringLiteral(" località......................:"),
    QStringLiteral(" committente..............:"), QStringLiteral(" luogo elaborazione...:"),
    QStringLiteral(" data elaborazione.....:"), QStringLiteral(" allegati alla relazione:")};
inline const QString kTooltip[6] = {
    QStringLiteral("il progetto a cui si riferisce la relazione"),
    QStringLiteral("denominazione dei luoghi oggetto della relazione"),
    QStringLiteral("chi ha commissionato la relazione"),
    QStringLiteral("località in cui viene redatta la relazione"),
    QStringLiteral("la data della relazione (impostata in automatico, ma modificabile)"),
    QStringLiteral("grafici, disegni, planimetrie, foto, relazione geologica e/o geotecnica, ecc.")};
inline const QString kStudio = QStringLiteral(" studio tecnico...........:");
inline const QString kStudioTooltip = QStringLiteral("lo studio che ha effettuato la elaborazione");
inline const QString kTitolo = QStringLiteral(" RELAZIONE DI CALCOLO");
inline const QString kTitoloTooltip = QStringLiteral("i dati della finestra occorrono per il frontespizio della relazione");
inline const QString kGuida = QStringLiteral(
    "digitare i dati, o prelevarli dall'archivio, per la relazione di calcolo (massimo 60 caratteri per una stampa corretta)");
inline constexpr int kMassimoCaratteri = 60;   // what the printed report has room for
inline const QString kTroppoLungo = QStringLiteral("Per una stampa corretta non digitare dati lunghi più di 60 spazi.");
inline const QString kNessunDato = QStringLiteral("Non è stato immesso alcun dato.");
inline const QString kOgniCampo = QStringLiteral("Inserire dati per ogni campo.");
inline const QStringList kAiuto = {
    QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei campi;"),
    QStringLiteral("- non digitare dati più lunghi di 60 caratteri;"),
    QStringLiteral("- o aprire un file archiviato per prelevare i dati registrati;"),
    QStringLiteral("- la data viene impostata in automatico, ma è modificabile;")};
inline const QString kFormatoData = QStringLiteral("dddd, d MMM yyyy");

// Printed title page
inline const QString kAnteprimaFrontespizio = QStringLiteral("Frontespizio");
inline const QString kAnteprimaRelazione = QStringLiteral("Relazione completa");
inline const QString kStampaTitolo = QStringLiteral("    RINSAL - calcoli di consolidamenti");
inline const QString kStampaEtichette[6] = {
    QStringLiteral("progetto:"), QStringLiteral("località:"), QStringLiteral("committente:"),
    QStringLiteral("luogo della elaborazione:"), QStringLiteral("data della elaborazione:"),
    QStringLiteral("allegati alla relazione:")};
inline const QString kStampaStudio = QStringLiteral("studio tecnico:");

// Office settings, entered in the product-support window
inline const QString kSupportoCaption = QStringLiteral("Rinsal: supporto prodotto");
inline const QString kSupportoTesto = QStringLiteral(
    "Per assistenza sull'uso del programma rivolgersi al proprio fornitore.\n\n"
    "Qui si impostano il nome e l'indirizzo dello studio tecnico, stampati nel "
    "frontespizio e nella relazione di calcolo.");
inline const QString kSupportoNome = QStringLiteral("Nome dello studio tecnico:");
inline const QString kSupportoIndirizzo = QStringLiteral("Indirizzo dello studio tecnico:");
inline const QString kSupportoSalva = QStringLiteral("&Salva");
inline const QString kSupportoChiudi = QStringLiteral("&Chiudi");
inline const QString kSupportoSalvato = QStringLiteral("Il nome e l'indirizzo dello studio tecnico sono stati salvati.");

} // namespace testi_frontespizio
