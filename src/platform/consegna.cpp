#include "platform/consegna.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_WIN
#include <QDir>
#include <QTemporaryFile>

#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

QString descrizioneErrno(int e)
{
    switch (e) {
    case ENOSPC: return QStringLiteral("disco pieno");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("spazio disponibile esaurito");
#endif
    case EFBIG: return QStringLiteral("file troppo grande");
    case EACCES:
    case EPERM: return QStringLiteral("permesso negato");
    case EROFS: return QStringLiteral("disco in sola lettura");
    case EIO: return QStringLiteral("errore del dispositivo");
    case ENOENT: return QStringLiteral("la cartella non esiste");
    case ENOTDIR: return QStringLiteral("il percorso non è una cartella");
    case EISDIR: return QStringLiteral("è una cartella");
    case EPIPE: return QStringLiteral("uscita chiusa");
    default: return QStringLiteral("errore di sistema n. %1").arg(e);
    }
}

QByteArray FileInConsegna::coda(qsizetype n) const
{
    QFile f(temporaneo_);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    const qint64 dimensione = f.size();
    if (dimensione > n && !f.seek(dimensione - n)) {
        return {};
    }
    return f.read(n);
}

#ifdef Q_OS_WIN

namespace {

QString descrizioneErroreWindows(DWORD e)
{
    switch (e) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return QStringLiteral("disco pieno");
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return QStringLiteral("permesso negato");
    case ERROR_WRITE_PROTECT: return QStringLiteral("disco in sola lettura");
    case ERROR_PATH_NOT_FOUND: return QStringLiteral("la cartella non esiste");
    case ERROR_DIRECTORY: return QStringLiteral("il percorso non è una cartella");
    default: return QStringLiteral("errore di sistema n. %1").arg(e);
    }
}

std::wstring nativo(const QString& percorso)
{
    return QDir::toNativeSeparators(QFileInfo(percorso).absoluteFilePath()).toStdWString();
}

} // namespace

FileInConsegna::~FileInConsegna()
{
    if (!temporaneo_.isEmpty()) {
        QFile::remove(temporaneo_);
    }
}

QString FileInConsegna::prepara()
{
    const QFileInfo fi(destinazione_);
    if (fi.exists() && !fi.isFile()) {
        return QStringLiteral("non è un file ordinario");
    }
    if (!QFileInfo(fi.absolutePath()).isDir()) {
        return QStringLiteral("la cartella non è scrivibile (la cartella non esiste)");
    }
    QTemporaryFile t(fi.absolutePath() + QStringLiteral("/.rinsal-stampa-XXXXXX"));
    t.setAutoRemove(false);
    if (!t.open()) {
        return QStringLiteral("la cartella non è scrivibile (%1)").arg(descrizioneErroreWindows(GetLastError()));
    }
    temporaneo_ = t.fileName();
    t.close();
    return {};
}

QString FileInConsegna::consegna()
{
    const std::wstring temp = nativo(temporaneo_);
    const HANDLE h = CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return descrizioneErroreWindows(GetLastError());
    }
    const bool scritto = FlushFileBuffers(h) != 0;
    const DWORD e = GetLastError();
    CloseHandle(h);
    if (!scritto) {
        return descrizioneErroreWindows(e);
    }
    if (!MoveFileExW(temp.c_str(), nativo(destinazione_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return descrizioneErroreWindows(GetLastError());
    }
    temporaneo_.clear();
    return {};
}

#else

FileInConsegna::~FileInConsegna()
{
    if (!temporaneo_.isEmpty()) {
        ::unlink(QFile::encodeName(temporaneo_).constData());
    }
}

QString FileInConsegna::prepara()
{
    const QFileInfo fi(destinazione_);
    struct stat st {};
    const QByteArray nome = QFile::encodeName(fi.absoluteFilePath());
    mode_t modo = 0;
    if (::stat(nome.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            return QStringLiteral("non è un file ordinario");
        }
        modo = st.st_mode & 07777;
    } else {
        const mode_t maschera = ::umask(0);
        ::umask(maschera);
        modo = 0666 & ~maschera;
    }
    QByteArray modello = QFile::encodeName(fi.absolutePath()) + "/.rinsal-stampa-XXXXXX";
    const int fd = ::mkstemp(modello.data());
    if (fd < 0) {
        return QStringLiteral("la cartella non è scrivibile (%1)").arg(descrizioneErrno(errno));
    }
    temporaneo_ = QFile::decodeName(modello);
    const bool ok = ::fchmod(fd, modo) == 0;
    ::close(fd);
    if (!ok) {
        return descrizioneErrno(errno);
    }
    return {};
}

QString FileInConsegna::consegna()
{
    const QByteArray temp = QFile::encodeName(temporaneo_);
    const int fd = ::open(temp.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return descrizioneErrno(errno);
    }
    QString motivo;
    if (::fsync(fd) != 0) {
        motivo = descrizioneErrno(errno);
    }
    if (::close(fd) != 0 && motivo.isEmpty()) {
        motivo = descrizioneErrno(errno);
    }
    if (!motivo.isEmpty()) {
        return motivo;
    }
    if (::rename(temp.constData(), QFile::encodeName(QFileInfo(destinazione_).absoluteFilePath()).constData()) != 0) {
        return descrizioneErrno(errno);
    }
    temporaneo_.clear();
    return {};
}

#endif

} // namespace platform
