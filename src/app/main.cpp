// Rinsal: starts with the splash window; the program ends when the last
// window closes.
#include "platform/piattaforma.h"
#include "platform/caratteri.h"
#include "platform/piattaforma_qt.h"
#include "platform/sonda.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/icone.h"
#include "shell/rigacomando.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {
// RINSAL_ESCI_DOPO_AVVIO=1: once the splash has been painted, the program
// writes its resident memory (the VmRSS line of /proc/self/status) to
// standard error and ends. scripts/avvio.sh times the cold start with it.
class UscitaDopoAvvio : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !fatto_) {
            fatto_ = true;
            QTimer::singleShot(0, [] {
                QFile stato(QStringLiteral("/proc/self/status"));
                if (stato.open(QIODevice::ReadOnly)) {
                    for (const QByteArray& riga : stato.readAll().split('\n')) {
                        if (riga.startsWith("VmRSS:")) {
                            std::fprintf(stderr, "%s\n", riga.simplified().constData());
                        }
                    }
                }
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool fatto_ = false;
};
} // namespace

int main(int argc, char* argv[])
{
    // A file-size limit must make a save fail, not kill the program.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Help, version and a wrong usage answer without a display.
    QStringList argomenti;
    for (int i = 1; i < argc; ++i) {
        argomenti << QString::fromLocal8Bit(argv[i]);
    }
    const auto riga = rigacomando::leggi(argomenti);
    if (riga.comando != rigacomando::Comando::Finestre) {
        platform::usaTerminaleDelPadre();
        const QCoreApplication nascosta(argc, argv);
        return rigacomando::rispondi(riga);
    }
    platform::parlaItaliano();
    QApplication app(argc, argv);
    // Read again from Qt: on Windows only Qt has the file name in Unicode.
    const QString fileRichiesto = rigacomando::leggi(QApplication::arguments().mid(1)).file;
    QApplication::setOrganizationName(QStringLiteral("Rinsal"));
    QApplication::setApplicationName(QStringLiteral("Rinsal"));
    QApplication::setFont(QFont(platform::famigliaSchermo(QStringLiteral("DejaVu Sans")), 9));
    QApplication::setWindowIcon(iconaProgramma());
    platform::caricaTraduzioni();
    rigacomando::avvisaFileMancanti();
    platform::installa(platform::serviziQt());
    platform::attivaSonda();
    finestre::registraTutte();
    if (qEnvironmentVariableIntValue("RINSAL_ESCI_DOPO_AVVIO") == 1) {
        finestre::ottieni(IdFinestra::Splash)->installEventFilter(new UscitaDopoAvvio(&app));
    }
    finestre::mostra(IdFinestra::Splash);
    // The file asked for first, then the work a crash left behind, which is
    // newer than any file.
    QTimer::singleShot(0, [file = fileRichiesto] {
        if (!file.isEmpty()) {
            rigacomando::apriFile(file);
        }
        offriRecupero();
    });
    return app.exec();
}
