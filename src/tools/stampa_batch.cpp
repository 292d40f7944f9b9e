#include "tools/stampa_batch.h"

#include "platform/piattaforma_scritta.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

const char* const kUso =
    "Uso: rinsal-stampa [--modulo | --dati | --relazione] [--testo | -o FILE.pdf]\n"
    "                   [--calcolo puntelli|tiranti|cercol|cerpil|cuciture] FILEDATI\n"
    "\n"
    "  --modulo     stampa il modello di acquisizione dati\n"
    "  --dati       stampa i dati e i risultati (predefinito)\n"
    "  --relazione  stampa la relazione di calcolo completa\n"
    "  --testo      scrive la stampa come testo sull'uscita standard\n"
    "  -o FILE.pdf  scrive la stampa in un file PDF\n";

void errore(const QString& testo)
{
    std::fprintf(stderr, "rinsal-stampa: %s\n", testo.toUtf8().constData());
}

} // namespace

int stampaBatch(int argc, char* argv[])
{
    // The real windows run hidden on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
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
    errore(QStringLiteral("calcolo non riconosciuto per il file \"%1\"").arg(nome));
    return 3;
}
