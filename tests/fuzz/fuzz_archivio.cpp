// Hostile bytes through the record reader and the number conversions: the
// reader must end with a value or a format error, never crash or hang.
#include "shell/archivio.h"
#include "shell/numeri.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    archivio::LettoreRecord r(bytes);
    try {
        // The shape every data file has: a count, rows of mixed fields, the
        // title-page record.
        const int n = r.intero(0, 100);
        r.fineRecord();
        for (int i = 0; i < n; ++i) {
            r.testo();
            r.numero();
            const QString d = r.dato();
            // A kept value is one the typing rules would let through unchanged.
            for (const QChar c : d) {
                if (!c.isDigit() && c != QLatin1Char(',') && c != QLatin1Char('-')) {
                    __builtin_trap();
                }
            }
            r.fineRecord();
        }
        for (int i = 0; i < 6; ++i) {
            r.testo();
        }
        r.fineRecord();
        (void)r.fineFile();
    } catch (const archivio::ErroreFormato& e) {
        if (e.riga() < 1) {
            __builtin_trap();
        }
    }
    const QString testo = archivio::decodificaCp1252(bytes.left(64));
    if (archivio::decodificaCp1252(archivio::codificaCp1252(testo)) != testo) {
        __builtin_trap();
    }
    if (const auto v = numeri::daTesto(testo)) {
        (void)numeri::testo(*v);
    }
    (void)numeri::numeroIniziale(testo);
    return 0;
}
