// Rinsal: starts with the splash window; the program ends when the last
// window closes.
#include "platform/piattaforma.h"
#include "platform/piattaforma_qt.h"
#include "shell/finestre.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rinsal"));
    QApplication::setApplicationName(QStringLiteral("Rinsal"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    platform::installa(platform::serviziQt());
    finestre::registraTutte();
    finestre::mostra(IdFinestra::Splash);
    return app.exec();
}
