#include "platform/piattaforma_scritta.h"

#include "platform/stampante_inoltro.h"

namespace platform {

namespace {
// Forwards to a text printer the script keeps, so a test can read a job
// after the printout handed it back with end-of-document.
class StampanteCondivisa : public StampanteInoltro {
public:
    explicit StampanteCondivisa(std::shared_ptr<StampanteTesto> s) : StampanteInoltro(*s), s_(std::move(s)) {}

private:
    std::shared_ptr<StampanteTesto> s_;   // keeps the job alive for the test
};
} // namespace

Risposta MessaggiScritti::mostra(const QString& testo, const QString& titolo, Icona icona,
                                 Pulsanti pulsanti, Risposta predefinito)
{
    visti.push_back({testo, titolo, icona, pulsanti, predefinito});
    if (osservatore) {
        osservatore(visti.back());
    }
    if (risposte.empty()) {
        return pulsanti == Pulsanti::Ok ? Risposta::Ok : predefinito;
    }
    const Risposta r = risposte.front();
    risposte.pop_front();
    return r;
}

std::optional<QString> DialogoFileScritto::scegli(const RichiestaFile& richiesta)
{
    richieste.push_back(richiesta);
    if (risposte.empty()) {
        return std::nullopt;
    }
    auto r = risposte.front();
    risposte.pop_front();
    return r;
}

std::unique_ptr<Stampante> DialogoStampaScritto::scegli()
{
    ++aperture;
    if (annulla) {
        return nullptr;
    }
    if (fabbrica) {
        return fabbrica();
    }
    lavori.push_back(std::make_shared<StampanteTesto>());
    return std::make_unique<StampanteCondivisa>(lavori.back());
}

void AnteprimaScritta::mostra(const QString& titolo, const std::function<void(Stampante&)>& stampa)
{
    titoli << titolo;
    stampe.push_back(stampa);
    for (int k = 0; k < passate; ++k) {
        lavori.push_back(std::make_shared<StampanteTesto>());
        stampa(*lavori.back());
    }
}

std::optional<QColor> DialogoColoreScritto::scegli(const QColor& iniziale)
{
    iniziali.push_back(iniziale);
    if (risposte.empty()) {
        return std::nullopt;
    }
    auto r = risposte.front();
    risposte.pop_front();
    return r;
}

Scena installaScena()
{
    Servizi s;
    auto m = std::make_unique<MessaggiScritti>();
    auto f = std::make_unique<DialogoFileScritto>();
    auto p = std::make_unique<DialogoStampaScritto>();
    auto c = std::make_unique<DialogoColoreScritto>();
    auto mi = std::make_unique<MidiScritto>();
    auto i = std::make_unique<ImpostazioniScritte>();
    auto o = std::make_unique<OrologioScritto>();
    auto a = std::make_unique<AnteprimaScritta>();
    Scena scena{m.get(), f.get(), p.get(), c.get(), mi.get(), i.get(), o.get(), a.get()};
    s.messaggi = std::move(m);
    s.dialogoFile = std::move(f);
    s.dialogoStampa = std::move(p);
    s.dialogoColore = std::move(c);
    s.midi = std::move(mi);
    s.impostazioni = std::move(i);
    s.orologio = std::move(o);
    s.anteprima = std::move(a);
    installa(std::move(s));
    return scena;
}

} // namespace platform
