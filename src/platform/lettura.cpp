#include "platform/lettura.h"

#include <QFile>

#include <algorithm>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_WIN
// Windows has no FIFOs or devices under ordinary names; a directory or a
// reserved name (NUL, COM1) is not a regular file.
FileLetto leggiFileRegolare(const QString& percorso, qint64 massimo)
{
    FileLetto out;
    if (percorso.isEmpty()) {
        return out;
    }
    const QFileInfo fi(percorso);
    if (!fi.exists()) {
        return out;
    }
    if (!fi.isFile()) {
        out.esito = EsitoLettura::NonRegolare;
        return out;
    }
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        return out;
    }
    if (f.isSequential()) {
        out.esito = EsitoLettura::NonRegolare;
        return out;
    }
    QByteArray dati = f.read(std::min<qint64>(f.size(), massimo) + 1);
    if (f.error() != QFileDevice::NoError) {
        return out;
    }
    if (dati.size() > massimo) {
        out.esito = EsitoLettura::TroppoGrande;
        return out;
    }
    out.dati = std::move(dati);
    out.esito = EsitoLettura::Letto;
    return out;
}
#else

FileLetto leggiFileRegolare(const QString& percorso, qint64 massimo)
{
    FileLetto out;
    if (percorso.isEmpty()) {
        return out;
    }
    const QByteArray nome = QFile::encodeName(percorso);
    // Checked before the open too: opening some devices has effects of its own.
    struct stat st {};
    if (::stat(nome.constData(), &st) != 0) {
        return out;
    }
    if (!S_ISREG(st.st_mode)) {
        out.esito = EsitoLettura::NonRegolare;
        return out;
    }
    const int fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        out.esito = errno == ENXIO ? EsitoLettura::NonRegolare : EsitoLettura::Illeggibile;
        return out;
    }
    // The name may have been swapped for something else since the check.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        out.esito = EsitoLettura::NonRegolare;
        ::close(fd);
        return out;
    }
    const qint64 limite = massimo + 1;
    QByteArray dati;
    dati.resize(qsizetype(std::min<qint64>(st.st_size > 0 ? st.st_size : 4096, limite)));
    qint64 letti = 0;
    bool errore = false;
    while (letti < limite) {
        if (letti == dati.size()) {
            dati.resize(qsizetype(std::min<qint64>(limite, dati.size() * 2)));
        }
        const ssize_t n = ::read(fd, dati.data() + letti, size_t(dati.size() - letti));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            errore = true;
            break;
        }
        if (n == 0) {
            break;
        }
        letti += n;
    }
    ::close(fd);
    if (errore) {
        return out;
    }
    if (letti > massimo) {
        out.esito = EsitoLettura::TroppoGrande;
        return out;
    }
    dati.truncate(qsizetype(letti));
    out.dati = std::move(dati);
    out.esito = EsitoLettura::Letto;
    return out;
}

#endif

} // namespace platform
