#include "support/supporto.h"

#include "shell/finestre.h"
#include "shell/modrinsal.h"

#include <QDir>

namespace supporto {

platform::Scena prepara()
{
    auto scena = platform::installaScena();
    ModRinsal::Azzera();
    finestre::registraTutte();
    return scena;
}

void chiudiTutte()
{
    for (int i = 0; i < int(IdFinestra::Conteggio); ++i) {
        finestre::chiudi(IdFinestra(i));
    }
}

QString fileDati(const QString& nome)
{
    const QString dir = qEnvironmentVariable("RINSAL_DATA_DIR");
    return QDir(dir).filePath(nome);
}

} // namespace supporto
