#include "shell/finestre.h"

#include "platform/piattaforma.h"
#include "shell/modrinsal.h"
#include "shell/testi.h"

#include <QApplication>
#include <QPointer>
#include <array>

namespace finestre {

namespace {
constexpr int N = int(IdFinestra::Conteggio);
std::array<Fabbrica, N>& fabbriche()
{
    static std::array<Fabbrica, N> f;
    return f;
}
std::array<QPointer<QWidget>, N>& vive()
{
    static std::array<QPointer<QWidget>, N> v;
    return v;
}
} // namespace

void registra(IdFinestra id, Fabbrica fabbrica) { fabbriche()[int(id)] = std::move(fabbrica); }

QWidget* esistente(IdFinestra id) { return vive()[int(id)].data(); }

QWidget* ottieni(IdFinestra id)
{
    auto& p = vive()[int(id)];
    if (!p) {
        if (!fabbriche()[int(id)]) {
            return nullptr;
        }
        QWidget* w = fabbriche()[int(id)]();
        // Closing a window drops it with its data, as the user expects.
        w->setAttribute(Qt::WA_DeleteOnClose, true);
        p = w;
        if (auto* l = dynamic_cast<LavoroAperto*>(w)) {
            l->inizioLavoro();
        }
    }
    return p.data();
}

bool mostra(IdFinestra id)
{
    QWidget* w = ottieni(id);
    if (!w) {
        return false;
    }
    // The small auxiliary windows open over the window they were asked from,
    // not wherever the window manager would drop them.
    if (!w->isVisible() && (id == IdFinestra::Supporto || id == IdFinestra::Informa)) {
        if (const QWidget* da = QApplication::activeWindow(); da != nullptr && da != w) {
            QRect r = w->frameGeometry();
            r.moveCenter(da->frameGeometry().center());
            w->move(r.topLeft());
        }
    }
    if (w->isMinimized()) {
        w->showNormal();
    } else {
        w->show();
    }
    w->raise();
    w->activateWindow();
    return true;
}

namespace {
bool chiusuraDecisa_ = false;
}

void chiudi(IdFinestra id)
{
    auto& p = vive()[int(id)];
    if (p) {
        QWidget* w = p.data();
        p.clear();
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        chiusuraDecisa_ = true;
        w->close();
        chiusuraDecisa_ = false;
        delete w;
    }
}

bool chiusuraDecisa() { return chiusuraDecisa_; }

QStringList nonSalvate()
{
    QStringList nomi;
    for (const QPointer<QWidget>& w : vive()) {
        if (auto* l = dynamic_cast<LavoroAperto*>(w.data()); l && l->nonSalvato()) {
            nomi << l->nomeLavoro();
        }
    }
    return nomi;
}

} // namespace finestre

void avvisaFinestraNonPronta()
{
    platform::messaggi().mostra(testi::kFinestraNonPronta, ModRinsal::TitoloControllo,
                                platform::Icona::Informazione, platform::Pulsanti::Ok, platform::Risposta::Ok);
}

void mostraSommario()
{
    if (!finestre::mostra(IdFinestra::Sommario)) {
        platform::messaggi().mostra(testi::kGuidaNonPronta, ModRinsal::TitoloAiuto, platform::Icona::Informazione,
                                    platform::Pulsanti::Ok, platform::Risposta::Ok);
    }
}

void mostraInforma() { finestre::mostra(IdFinestra::Informa); }
