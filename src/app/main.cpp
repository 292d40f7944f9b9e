// Rinsal: starts with the splash window; the program ends when the last
// window closes.
#include "platform/piattaforma.h"
#include "platform/piattaforma_qt.h"
#include "platform/sonda.h"
#include "shell/finestre.h"
#include "shell/icone.h"
#include "shell/rigacomando.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <csignal>

int main(int argc, char* argv[])
{
    // A file-size limit must make a save fail, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Help, version and a wrong usage answer without a display.
    QStringList argomenti;
    for (int i = 1; i < argc; ++i) {
        argomenti << QString::fromLocal8Bit(argv[i]);
    }
    const auto riga = rigacomando::leggi(argomenti);
    if (riga.comando != rigacomando::Comando::Finestre) {
        const QCoreApplication nascosta(argc, argv);
        return rigacomando::rispondi(riga);
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rinsal"));
    QApplication::setApplicationName(QStringLiteral("Rinsal"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QApplication::setWindowIcon(iconaProgramma());
    platform::caricaTraduzioni();
    rigacomando::avvisaFileMancanti();
    platform::installa(platform::serviziQt());
    platform::attivaSonda();
    finestre::registraTutte();
    finestre::mostra(IdFinestra::Splash);
    if (!riga.file.isEmpty()) {
        QTimer::singleShot(0, [file = riga.file] { rigacomando::apriFile(file); });
    }
    return app.exec();
}
