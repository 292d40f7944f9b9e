#pragma once
// Program-wide values and the small shared routines. The routines take no
// arguments: callers set the inputs just before the call and read the
// outputs just after it.

#include <QString>

namespace ModRinsal {

extern QString NomeProgramma;
extern QString Sottotitolo;
extern QString Versione;
extern QString DataPrimaVersione;
extern QString CodiceRilascio;
extern QString TitoloControllo;
extern QString TitoloAiuto;
extern QString TitoloElimina;
extern int TipoCalcolo;          // 0 until a window sets it
extern QString NomeFile;
extern QString StampaCompleta;   // "sì" while the complete report prints
extern QString DatoDigitato;
extern QString DatoControllato;
extern int ErroreDato;
extern QString TestoCifre;
extern int NumeroCifre;

void ImpostaCostanti();
void ControllaDato();
void ContaCifre();

// "edizione professionale - versione 3.04.05   2000- 2011"
QString RigaEdizione();

// Back to the start-up state (tests and the batch printer).
void Azzera();

} // namespace ModRinsal
