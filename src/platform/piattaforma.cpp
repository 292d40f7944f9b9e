#include "platform/piattaforma.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Servizi& installati()
{
    static Servizi s;
    return s;
}

template <typename T>
T& richiedi(const std::unique_ptr<T>& p, const char* nome)
{
    if (!p) {
        std::fprintf(stderr, "Rinsal: servizio di piattaforma non installato: %s\n", nome);
        std::abort();
    }
    return *p;
}
} // namespace

void installa(Servizi servizi)
{
    installati() = std::move(servizi);
}

void sostituisciMessaggi(std::unique_ptr<Messaggi> messaggi)
{
    installati().messaggi = std::move(messaggi);
}

void sostituisciAnteprima(std::unique_ptr<AnteprimaStampa> anteprima)
{
    installati().anteprima = std::move(anteprima);
}

Messaggi& messaggi() { return richiedi(installati().messaggi, "messaggi"); }
DialogoFile& dialogoFile() { return richiedi(installati().dialogoFile, "dialogo file"); }
DialogoStampa& dialogoStampa() { return richiedi(installati().dialogoStampa, "dialogo stampa"); }
DialogoColore& dialogoColore() { return richiedi(installati().dialogoColore, "dialogo colore"); }
LettoreMidi& midi() { return richiedi(installati().midi, "lettore MIDI"); }
Impostazioni& impostazioni() { return richiedi(installati().impostazioni, "impostazioni"); }
Orologio& orologio() { return richiedi(installati().orologio, "orologio"); }
AnteprimaStampa& anteprimaStampa() { return richiedi(installati().anteprima, "anteprima di stampa"); }

std::vector<VoceFiltro> scomponiFiltro(const QString& filtro)
{
    std::vector<VoceFiltro> voci;
    const QStringList parti = filtro.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parti.size(); i += 2) {
        voci.push_back({parti[i].trimmed(), parti[i + 1].trimmed()});
    }
    return voci;
}

} // namespace platform
