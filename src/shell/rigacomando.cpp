#include "shell/rigacomando.h"

#include "platform/piattaforma.h"
#include "shell/archivio.h"
#include "shell/datiprogramma.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/splash.h"
#include "shell/testi.h"

#include <QFileInfo>

#include <cstdio>

namespace rigacomando {

namespace {
const char* const kUso =
    "Uso: rinsal [FILEDATI]\n"
    "     rinsal --help | --version\n"
    "\n"
    "Avvia Rinsal. Con FILEDATI apre il file di dati nella finestra del suo\n"
    "calcolo, scelta dall'inizio del nome del file: Puntelli-dati-,\n"
    "Tiranti-dati-, Cercol-dati-, Cerpil-dati-, Cuciture-dati-.\n"
    "\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "  --version      mostra la versione e la cartella dei file del programma ed esce\n"
    "\n"
    "Esito: 0 programma terminato, 2 uso errato.\n";

const QString kPrefissi[5] = {QStringLiteral("Puntelli-dati-"), QStringLiteral("Tiranti-dati-"),
                              QStringLiteral("Cercol-dati-"), QStringLiteral("Cerpil-dati-"),
                              QStringLiteral("Cuciture-dati-")};
const IdFinestra kFinestre[5] = {IdFinestra::Puntelli, IdFinestra::Tiranti, IdFinestra::Cercol, IdFinestra::Cerpil,
                                 IdFinestra::Cuciture};

void scrivi(std::FILE* dove, const QString& testo)
{
    std::fputs(testo.toLocal8Bit().constData(), dove);
}

void avviso(const QString& testo, platform::Icona icona)
{
    platform::messaggi().mostra(testo, ModRinsal::TitoloControllo, icona, platform::Pulsanti::Ok,
                                platform::Risposta::Ok);
}
} // namespace

Richiesta leggi(const QStringList& argomenti)
{
    // The toolkit's own options, which it takes out of the list itself.
    static const QStringList kConValore = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("display"),
        QStringLiteral("geometry"), QStringLiteral("style"), QStringLiteral("stylesheet"),
        QStringLiteral("name"), QStringLiteral("title")};
    static const QStringList kSenzaValore = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                             QStringLiteral("nograb"), QStringLiteral("dograb"),
                                             QStringLiteral("sync")};
    Richiesta r;
    bool soloFile = false;
    for (int i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (!soloFile && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            return {Comando::Aiuto, {}, {}};
        }
        if (!soloFile && a.startsWith(QLatin1Char('-'))) {
            const QString nome = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
            if (kSenzaValore.contains(nome) || (kConValore.contains(nome) && a.contains(QLatin1Char('=')))) {
                continue;
            }
            if (kConValore.contains(nome) && i + 1 < argomenti.size()) {
                ++i;
                continue;
            }
        }
        if (!soloFile && a == QLatin1String("--version")) {
            r.comando = Comando::Versione;
        } else if (!soloFile && a == QLatin1String("--")) {
            soloFile = true;
        } else if (r.comando == Comando::Versione) {
            continue;
        } else if (!soloFile && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            r = {Comando::UsoErrato, {}, QStringLiteral("opzione sconosciuta: %1").arg(a)};
        } else if (a.isEmpty()) {
            r = {Comando::UsoErrato, {}, QStringLiteral("nome di file vuoto")};
        } else if (!r.file.isEmpty()) {
            r = {Comando::UsoErrato, {}, QStringLiteral("si apre un solo file di dati alla volta")};
        } else if (r.comando == Comando::Finestre) {
            r.file = a;
        }
    }
    if (r.comando != Comando::Finestre) {
        r.file.clear();
    }
    return r;
}

QString testoAiuto()
{
    return QString::fromUtf8(kUso);
}

QString testoVersione()
{
    return testi::kNomeProgramma + QLatin1Char(' ') + testi::kVersione + QStringLiteral(" - ") + testi::kSottotitolo +
           QStringLiteral("\nFile del programma: ") + cartellaDati() + QLatin1Char('\n');
}

int rispondi(const Richiesta& r)
{
    switch (r.comando) {
    case Comando::Aiuto: scrivi(stdout, testoAiuto()); return 0;
    case Comando::Versione: scrivi(stdout, testoVersione()); return 0;
    case Comando::UsoErrato:
        scrivi(stderr, QStringLiteral("rinsal: ") + r.errore + QStringLiteral("\n\n") + testoAiuto());
        return 2;
    case Comando::Finestre: break;
    }
    return -1;
}

int calcoloDelFile(const QString& nome)
{
    for (int i = 0; i < 5; ++i) {
        if (nome.startsWith(kPrefissi[i])) {
            return i + 1;
        }
    }
    return 0;
}

void avvisaFileMancanti()
{
    for (const QString& nome : {testi::kFileMusica, QStringLiteral("SuggerimentiRinsal.TXT")}) {
        const QString f = percorsoDati(nome);
        if (!QFileInfo::exists(f)) {
            scrivi(stderr, QStringLiteral("rinsal: manca il file del programma %1\n").arg(f));
        }
    }
}

void apriFile(const QString& file)
{
    if (auto* s = finestre::esistente<frmSplash>(IdFinestra::Splash)) {
        s->Form_Click();
    } else {
        ModRinsal::MostraMenu();
    }
    const QFileInfo info(file);
    const int tipo = calcoloDelFile(info.fileName());
    if (tipo == 4) {
        // As the main menu's option: that window is not open to users yet.
        avviso(testi::kCollaudoPilastri, platform::Icona::Informazione);
        return;
    }
    if (tipo == 0) {
        avviso(archivio::messaggioLettura(info.fileName(), 0,
                                          QStringLiteral("il nome non dice di quale calcolo sono i dati (") +
                                              QStringList(std::begin(kPrefissi), std::end(kPrefissi))
                                                  .join(QStringLiteral("..., ")) +
                                              QStringLiteral("...)")),
               platform::Icona::Critica);
        return;
    }
    const IdFinestra id = kFinestre[tipo - 1];
    auto* w = dynamic_cast<FinestraCalcolo*>(finestre::ottieni(id));
    if (!w) {
        avvisaFinestraNonPronta();
        return;
    }
    finestre::mostra(id);
    w->apriFile(info.absoluteFilePath());
    if (w->fileCorrente().isEmpty()) {
        // The window has said why; what the user is left with is the menu.
        finestre::chiudi(id);
    }
}

} // namespace rigacomando
