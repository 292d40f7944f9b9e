// The windows of every module, registered with the window list: this file
// knows every module, so it lives with main().
#include "columnhooping/cercol.h"
#include "help/frmtip.h"
#include "help/paginaguida.h"
#include "help/sommario.h"
#include "pillarhooping/cerpil.h"
#include "report/frontespizio.h"
#include "shell/finestre.h"
#include "shell/scelta.h"
#include "shell/splash.h"
#include "shoring/puntelli.h"
#include "shoring/risultatipuntelli.h"
#include "stitching/cuciture.h"
#include "tierods/tiranti.h"

namespace finestre {

void registraTutte()
{
    registra(IdFinestra::Splash, [] { return new frmSplash; });
    registra(IdFinestra::Scelta, [] { return new scelta; });
    registra(IdFinestra::Informa, [] { return new informa; });
    registra(IdFinestra::Frontespizio, [] { return new frontespizio; });
    registra(IdFinestra::Supporto, [] { return new supportoprodotto; });
    registra(IdFinestra::Tiranti, [] { return new tiranti; });
    registra(IdFinestra::Puntelli, [] { return new puntelli; });
    registra(IdFinestra::Risultati, [] { return new risultatipuntelli; });
    registra(IdFinestra::Cuciture, [] { return new cuciture; });
    registra(IdFinestra::Cercol, [] { return new cercol; });
    registra(IdFinestra::Cerpil, [] { return new cerpil; });
    registra(IdFinestra::Sommario, [] { return new sommario; });
    registra(IdFinestra::Tip, [] { return new frmTip; });
    for (int i = int(IdFinestra::Manuale); i <= int(IdFinestra::GuidaFunzionamento); ++i) {
        const auto id = IdFinestra(i);
        registra(id, [id] { return new PaginaGuida(id); });
    }
}

} // namespace finestre
