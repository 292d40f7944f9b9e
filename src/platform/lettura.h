#pragma once
// Reads a whole file that must be a plain regular file of bounded size.
// Anything else (a directory, FIFO, socket or device) is refused before any
// byte is read, the open never blocks, and the read stops one byte past the
// limit whatever size the system reports, so /dev/zero or a FIFO with no
// writer can neither hang the program nor exhaust its memory.

#include <QByteArray>
#include <QString>

namespace platform {

enum class EsitoLettura {
    Letto,
    Illeggibile,     // missing, no permission, or an error while reading
    NonRegolare,     // directory, FIFO, socket, device
    TroppoGrande,    // more than the limit
};

struct FileLetto {
    EsitoLettura esito = EsitoLettura::Illeggibile;
    QByteArray dati;
};

FileLetto leggiFileRegolare(const QString& percorso, qint64 massimo);

} // namespace platform
