#include "tools/stampa_batch.h"

#include "platform/piattaforma_qt.h"
#include "platform/piattaforma_scritta.h"
#include "platform/stampante_qt.h"
#include "report/frontespizio.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shoring/puntelli.h"
#include "shoring/risultatipuntelli.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kUso =
    "Uso: rinsal-stampa [--modulo | --dati | --relazione] [--testo | -o FILE.pdf]\n"
    "                   [--calcolo puntelli|tiranti|cercol|cerpil|cuciture] FILEDATI\n"
    "\n"
    "  --modulo     stampa il modello di acquisizione dati\n"
    "  --dati       stampa i dati e i risultati (predefinito)\n"
    "  --relazione  stampa la relazione di calcolo completa\n"
    "  --testo      scrive la stampa come testo sull'uscita standard\n"
    "  -o FILE.pdf  scrive la stampa in un file PDF\n"
    "\n"
    "Esito: 0 stampa eseguita, 1 nulla da stampare, 2 uso errato,\n"
    "       3 file illeggibile o calcolo non riconosciuto.\n";

void errore(const QString& testo)
{
    std::fprintf(stderr, "rinsal-stampa: %s\n", testo.toUtf8().constData());
}

// Runs the window's own Open and print command with scripted answers: the
// file name for the dialog, the default button for every message (written
// to standard error), and a PDF or text printer for the print dialog.
int stampaCalcolo(int tipo, const QString& file, const QString& modo, bool testo, const QString& pdf)
{
    platform::Scena scena = platform::installaScena();
    scena.messaggi->osservatore = [](const platform::MessaggioVisto& m) {
        std::fprintf(stderr, "%s\n%s\n", m.titolo.toUtf8().constData(),
                     QString(m.testo).replace(QLatin1Char('\r'), QLatin1Char('\n')).toUtf8().constData());
    };
    // The report prints the office that the program has in its settings.
    const platform::ImpostazioniQt studio;
    scena.impostazioni->nome = studio.nomeStudio();
    scena.impostazioni->indirizzo = studio.indirizzoStudio();
    ModRinsal::Azzera();
    finestre::registraTutte();
    FinestraCalcolo* w = finestraDelCalcolo(tipo);
    if (!w) {
        errore(QStringLiteral("calcolo non disponibile in questa versione"));
        return 3;
    }
    scena.file->risposte.push_back(QFileInfo(file).absoluteFilePath());
    w->apri_click();
    if (w->fileCorrente().isEmpty()) {
        // The window has already said why, naming the file and the line.
        return 3;
    }
    if (!testo) {
        scena.stampa->fabbrica = [pdf] { return std::make_unique<platform::StampanteQt>(pdf); };
    }
    if (modo == QLatin1String("--modulo")) {
        w->acquisizionedati_Click();
    } else if (modo == QLatin1String("--relazione")) {
        // As from the calculation's "F&rontespizio" button, then "&Stampa completa".
        ModRinsal::TipoCalcolo = tipo;
        if (auto* dati = dynamic_cast<puntelli*>(w)) {
            dati->cmdavanti_Click();
        }
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->stampatutto_Click();
    } else if (auto* dati = dynamic_cast<puntelli*>(w)) {
        // The shoring listing is printed by the results window, reached through "&Risultati".
        dati->cmdavanti_Click();
        if (auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati)) {
            r->stampa_click();
        }
    } else {
        w->stampa_click();
    }
    if (scena.stampa->aperture == 0) {
        // The window refused to print (its message is above): nothing to hand over.
        errore(QStringLiteral("nessuna stampa prodotta per il file \"%1\"").arg(QFileInfo(file).fileName()));
        return 1;
    }
    if (testo) {
        for (const auto& lavoro : scena.stampa->lavori) {
            std::fputs(lavoro->testo().toUtf8().constData(), stdout);
        }
    } else if (!QFileInfo::exists(pdf)) {
        errore(QStringLiteral("impossibile scrivere il file PDF \"%1\"").arg(pdf));
        return 3;
    } else {
        std::fprintf(stderr, "rinsal-stampa: stampa scritta in %s\n",
                     QFileInfo(pdf).absoluteFilePath().toUtf8().constData());
    }
    return 0;
}

} // namespace

int stampaBatch(int argc, char* argv[])
{
    // The real windows run hidden on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Standard error is for our messages: give Qt the private runtime folder
    // it would otherwise complain about.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/rinsal-runtime-" + QByteArray::number(getuid());
        ::mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    // Standard error carries our own messages only: the toolkit's notes about
    // the offscreen platform (raise(), fonts) mean nothing to the user here.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtFatalMsg) {
            std::fprintf(stderr, "rinsal-stampa: %s\n", testo.toUtf8().constData());
        }
    });
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();

    QString modo = QStringLiteral("--dati");
    QString pdf;
    bool testo = false;
    QString calcolo;
    QString file;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--modulo") || a == QLatin1String("--dati") || a == QLatin1String("--relazione")) {
            modo = a;
        } else if (a == QLatin1String("--testo")) {
            testo = true;
        } else if (a == QLatin1String("-o") && i + 1 < args.size()) {
            pdf = args[++i];
        } else if (a == QLatin1String("--calcolo") && i + 1 < args.size()) {
            calcolo = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) || !file.isEmpty()) {
            std::fputs(kUso, stderr);
            return 2;
        } else {
            file = a;
        }
    }
    if (file.isEmpty() || (testo == !pdf.isEmpty())) {
        std::fputs(kUso, stderr);
        return 2;
    }
    const QString nome = QFileInfo(file).fileName();
    if (calcolo.isEmpty() && nome.startsWith(QLatin1String("Tiranti-dati-"))) {
        calcolo = QStringLiteral("tiranti");
    }
    if (calcolo.isEmpty() && nome.startsWith(QLatin1String("Puntelli-dati-"))) {
        calcolo = QStringLiteral("puntelli");
    }
    if (calcolo.isEmpty() && nome.startsWith(QLatin1String("Cuciture-dati-"))) {
        calcolo = QStringLiteral("cuciture");
    }
    if (calcolo.isEmpty() && nome.startsWith(QLatin1String("Cercol-dati-"))) {
        calcolo = QStringLiteral("cercol");
    }
    int tipo = 0;
    if (calcolo == QLatin1String("tiranti")) {
        tipo = 2;
    } else if (calcolo == QLatin1String("puntelli")) {
        tipo = 1;
    } else if (calcolo == QLatin1String("cuciture")) {
        tipo = 5;
    } else if (calcolo == QLatin1String("cercol")) {
        tipo = 3;
    }
    if (tipo == 0) {
        errore(QStringLiteral("calcolo non riconosciuto per il file \"%1\"").arg(nome));
        return 3;
    }
    return stampaCalcolo(tipo, file, modo, testo, pdf);
}
