// rinsal-icone: writes the program's icon for the desktop theme, as
// CARTELLA/scalable/apps/rinsal.svg and CARTELLA/NxN/apps/rinsal.png, or
// with --ico the Windows icon file (PNG images of several sizes in one .ico).
#include "shell/icone.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

// ICONDIR, one ICONDIRENTRY per image, then the images as PNG (which every
// Windows since Vista reads inside an .ico).
QByteArray icoProgramma()
{
    const int lati[] = {16, 24, 32, 48, 64, 256};
    std::vector<QByteArray> png;
    for (int lato : lati) {
        QByteArray b;
        QBuffer buf(&b);
        buf.open(QIODevice::WriteOnly);
        immagineProgramma(lato).save(&buf, "PNG");
        png.push_back(b);
    }
    QByteArray out;
    const auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const int n = int(png.size());
    u16(0);
    u16(1);
    u16(quint16(n));
    quint32 posizione = 6 + 16 * quint32(n);
    for (int i = 0; i < n; ++i) {
        const int lato = lati[i];
        out.append(char(lato >= 256 ? 0 : lato));   // 0 means 256
        out.append(char(lato >= 256 ? 0 : lato));
        out.append(char(0));                        // no palette
        out.append(char(0));
        u16(1);                                     // planes
        u16(32);                                    // bits per pixel
        u32(quint32(png[size_t(i)].size()));
        u32(posizione);
        posizione += quint32(png[size_t(i)].size());
    }
    for (const QByteArray& b : png) {
        out += b;
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--ico") {
        QFile ico(QString::fromLocal8Bit(argv[2]));
        if (!ico.open(QIODevice::WriteOnly) || ico.write(icoProgramma()) < 0 || !ico.flush()) {
            std::fprintf(stderr, "rinsal-icone: impossibile scrivere %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        std::fputs("Uso: rinsal-icone CARTELLA | --ico FILE.ico\n", stderr);
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
