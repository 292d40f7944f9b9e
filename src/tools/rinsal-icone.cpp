// rinsal-icone: writes the program's icon for the desktop theme, as
// CARTELLA/scalable/apps/rinsal.svg and CARTELLA/NxN/apps/rinsal.png.
#include "shell/icone.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("Uso: rinsal-icone CARTELLA\n", stderr);
        return 2;
    }
    const QDir radice(QString::fromLocal8Bit(argv[1]));
    radice.mkpath(QStringLiteral("scalable/apps"));
    QFile svg(radice.filePath(QStringLiteral("scalable/apps/rinsal.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(svgProgramma()) < 0) {
        std::fprintf(stderr, "rinsal-icone: impossibile scrivere %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int lato : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString cartella = QStringLiteral("%1x%1/apps").arg(lato);
        radice.mkpath(cartella);
        const QString png = radice.filePath(cartella + QStringLiteral("/rinsal.png"));
        if (!immagineProgramma(lato).save(png, "PNG")) {
            std::fprintf(stderr, "rinsal-icone: impossibile scrivere %s\n", qPrintable(png));
            return 1;
        }
    }
    return 0;
}
