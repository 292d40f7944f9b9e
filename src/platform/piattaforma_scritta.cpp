#include "platform/piattaforma_scritta.h"

namespace platform {

namespace {
// Forwards to a text printer the script keeps, so a test can read a job
// after the printout handed it back with end-of-document.
class StampanteCondivisa : public Stampante {
public:
    explicit StampanteCondivisa(std::shared_ptr<StampanteTesto> s) : s_(std::move(s)) {}
    void impostaFont(const QString& n) override { s_->impostaFont(n); }
    void impostaDimensione(double p) override { s_->impostaDimensione(p); }
    double dimensione() const override { return s_->dimensione(); }
    void impostaX(double t) override { s_->impostaX(t); }
    void impostaY(double t) override { s_->impostaY(t); }
    double x() const override { return s_->x(); }
    double y() const override { return s_->y(); }
    void stampaRiga(const std::vector<Voce>& v) override { s_->stampaRiga(v); }
    void linea(double a, double b, double c, double d, int w) override { s_->linea(a, b, c, d, w); }
    void nuovaPagina() override { s_->nuovaPagina(); }
    int pagina() const override { return s_->pagina(); }
    bool fineDocumento() override { return s_->fineDocumento(); }
    bool inErrore() const override { return s_->inErrore(); }

private:
    std::shared_ptr<StampanteTesto> s_;
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
    Scena scena{m.get(), f.get(), p.get(), c.get(), mi.get(), i.get(), o.get()};
    s.messaggi = std::move(m);
    s.dialogoFile = std::move(f);
    s.dialogoStampa = std::move(p);
    s.dialogoColore = std::move(c);
    s.midi = std::move(mi);
    s.impostazioni = std::move(i);
    s.orologio = std::move(o);
    installa(std::move(s));
    return scena;
}

} // namespace platform
