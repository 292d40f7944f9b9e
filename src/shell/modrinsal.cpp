#include "shell/modrinsal.h"

#include "platform/piattaforma.h"
#include "shell/numeri.h"
#include "shell/testi.h"

#include <cmath>

namespace ModRinsal {

QString NomeProgramma;
QString Sottotitolo;
QString Versione;
QString DataPrimaVersione;
QString CodiceRilascio;
QString TitoloControllo;
QString TitoloAiuto;
QString TitoloElimina;
int TipoCalcolo = 0;
QString NomeFile;
QString StampaCompleta;
QString DatoDigitato;
QString DatoControllato;
int ErroreDato = 0;
QString TestoCifre;
int NumeroCifre = 0;

void ImpostaCostanti()
{
    NomeProgramma = testi::kNomeProgramma;
    Sottotitolo = testi::kSottotitolo;
    Versione = testi::kVersione;
    DataPrimaVersione = testi::kDataPrimaVersione;
    CodiceRilascio = testi::kCodiceRilascio;
    TitoloControllo = NomeProgramma + testi::kSuffissoControllo;
    TitoloAiuto = NomeProgramma + testi::kSuffissoAiuto;
    TitoloElimina = testi::kTitoloElimina;
}

void Azzera()
{
    ImpostaCostanti();
    TipoCalcolo = 0;
    NomeFile.clear();
    StampaCompleta.clear();
    DatoDigitato.clear();
    DatoControllato.clear();
    ErroreDato = 0;
    TestoCifre.clear();
    NumeroCifre = 0;
}

void ControllaDato()
{
    DatoControllato.clear();
    if (DatoDigitato.isEmpty() || DatoDigitato == QLatin1String(",")) {
        return;
    }
    bool ultimoScartato = false;
    for (const QChar c : DatoDigitato) {
        const bool ammesso = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
                             c == QLatin1Char('-');
        if (ammesso) {
            DatoControllato += c;
        }
        ultimoScartato = !ammesso;
    }
    ErroreDato = 0;
    if (DatoDigitato == QLatin1String("-") || ultimoScartato) {
        ErroreDato = 1;
        platform::messaggi().mostra(testi::kDatoErrato, TitoloControllo, platform::Icona::Critica,
                                    platform::Pulsanti::Ok, platform::Risposta::Ok);
        DatoControllato.clear();
        DatoDigitato.clear();
    }
}

void ContaCifre()
{
    if (TestoCifre.isEmpty()) {
        return;
    }
    QString t = TestoCifre;
    const double v = numeri::numeroIniziale(t);
    if (v < 0) {
        t = numeri::testo(std::fabs(v)).replace(QLatin1Char(','), QLatin1Char('.'));
    }
    int n = t.size();
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char(',') || t[i] == QLatin1Char('.')) {
            n = i;
            break;
        }
    }
    if (t.startsWith(QLatin1String("-0"))) {
        --n;
    }
    NumeroCifre = n;
}

QString RigaEdizione()
{
    // The year of the first version as a number with its leading blank,
    // then the release year taken from the release code.
    const int aa = DataPrimaVersione.right(2).toInt();
    const QString anno = QString::number(aa < 50 ? 2000 + aa : 1900 + aa);
    return testi::kInformaEdizione + Versione + QStringLiteral("  ") + QLatin1Char(' ') + anno +
           QStringLiteral("- 20") + CodiceRilascio.right(2);
}

} // namespace ModRinsal
