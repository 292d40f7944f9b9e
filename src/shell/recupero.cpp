#include "shell/recupero.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace recupero {
namespace {
const QString kEstensione = QStringLiteral(".recupero");
const QString kEstensioneFile = QStringLiteral(".origine");

bool scriviTutto(const QString& percorso, const QByteArray& dati)
{
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (f.write(dati) != dati.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
} // namespace

QString cartella()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recupero");
}

QString percorso(const QString& nome) { return cartella() + QLatin1Char('/') + nome + kEstensione; }

bool scrivi(const QString& nome, const QByteArray& dati, const QString& file)
{
    if (!QDir().mkpath(cartella())) {
        return false;
    }
    // The origin first: a copy is never seen with another job's origin.
    const QString origine = cartella() + QLatin1Char('/') + nome + kEstensioneFile;
    if (file.isEmpty()) {
        QFile::remove(origine);
    } else if (!scriviTutto(origine, file.toUtf8())) {
        return false;
    }
    return scriviTutto(percorso(nome), dati);
}

void rimuovi(const QString& nome)
{
    QFile::remove(percorso(nome));
    QFile::remove(cartella() + QLatin1Char('/') + nome + kEstensioneFile);
}

std::vector<Copia> presenti()
{
    std::vector<Copia> copie;
    const QDir d(cartella());
    for (const QFileInfo& fi : d.entryInfoList({QLatin1Char('*') + kEstensione}, QDir::Files, QDir::Name)) {
        Copia c;
        c.nome = fi.fileName().chopped(kEstensione.size());
        c.percorso = fi.absoluteFilePath();
        c.scritta = fi.lastModified();
        QFile origine(d.filePath(c.nome + kEstensioneFile));
        if (origine.open(QIODevice::ReadOnly)) {
            c.file = QString::fromUtf8(origine.read(4096));
        }
        copie.push_back(c);
    }
    return copie;
}

std::optional<QString> mettiDaParte(const Copia& c, const QString& sottocartella)
{
    const QString dove = cartella() + QLatin1Char('/') + sottocartella;
    if (!QDir().mkpath(dove)) {
        return std::nullopt;
    }
    const QString destinazione =
        dove + QLatin1Char('/') + c.nome + c.scritta.toString(QStringLiteral("yyyyMMdd-HHmmss")) + kEstensione;
    QFile::remove(destinazione);
    if (!QFile::rename(c.percorso, destinazione)) {
        return std::nullopt;
    }
    QFile::remove(cartella() + QLatin1Char('/') + c.nome + kEstensioneFile);
    return destinazione;
}

int intervallo()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("RINSAL_INTERVALLO_RECUPERO", &ok);
    return ok && ms > 0 ? ms : 30000;
}

} // namespace recupero
