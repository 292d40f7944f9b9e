#include "platform/musica.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QString trovaFileMusica(const QString& nome)
{
    if (nome.isEmpty()) {
        return {};
    }
    const QFileInfo diretto(nome);
    if (diretto.isFile()) {
        return diretto.absoluteFilePath();
    }
    if (diretto.isRelative() && QCoreApplication::instance()) {
        const QFileInfo accanto(QDir(QCoreApplication::applicationDirPath()).filePath(nome));
        if (accanto.isFile()) {
            return accanto.absoluteFilePath();
        }
    }
    return {};
}

} // namespace platform
