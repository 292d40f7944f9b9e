// The windows of every module, registered with the window list.
#include "shell/finestre.h"
#include "shell/scelta.h"
#include "shell/splash.h"

namespace finestre {

void registraTutte()
{
    registra(IdFinestra::Splash, [] { return new frmSplash; });
    registra(IdFinestra::Scelta, [] { return new scelta; });
    registra(IdFinestra::Informa, [] {
        auto* w = new informa;
        return w;
    });
}

} // namespace finestre
