// Rinsal: starts with the splash window; the program ends when the last
// window closes.
#include "platform/piattaforma.h"
#include "platform/piattaforma_qt.h"
#include "shell/finestre.h"

#include <QApplication>
#include <QFont>

#include <csignal>

int main(int argc, char* argv[])
{
    // A file-size limit must make a save fail, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rinsal"));
    QApplication::setApplicationName(QStringLiteral("Rinsal"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    platform::installa(platform::serviziQt());
    finestre::registraTutte();
    finestre::mostra(IdFinestra::Splash);
    return app.exec();
}
