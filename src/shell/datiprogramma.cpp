#include "shell/datiprogramma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList cartelleDati(const QString& cartellaProgramma)
{
    const QDir programma(cartellaProgramma);
    return {programma.absolutePath(), QDir::cleanPath(programma.absoluteFilePath(QStringLiteral("../share/rinsal"))),
            QDir::currentPath()};
}

QString cercaDati(const QStringList& cartelle, const QString& nome)
{
    for (const QString& c : cartelle) {
        const QString f = QDir(c).filePath(nome);
        if (QFileInfo::exists(f)) {
            return f;
        }
    }
    if (cartelle.size() > 1 && QFileInfo(cartelle[1]).isDir()) {
        return QDir(cartelle[1]).filePath(nome);
    }
    return cartelle.isEmpty() ? nome : QDir(cartelle[0]).filePath(nome);
}

static QStringList cartelleDelProgramma()
{
    return cartelleDati(QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath());
}

QString percorsoDati(const QString& nome)
{
    return cercaDati(cartelleDelProgramma(), nome);
}

QString cartellaDati()
{
    // The tips file is always shipped with the others.
    return QFileInfo(percorsoDati(QStringLiteral("SuggerimentiRinsal.TXT"))).absolutePath();
}
