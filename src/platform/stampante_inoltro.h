#pragma once
// A printer that passes every operation on to another one; wrappers derive
// from it and change only what they need.
#include "platform/piattaforma.h"

namespace platform {

class StampanteInoltro : public Stampante {
public:
    explicit StampanteInoltro(Stampante& destinazione) : d_(destinazione) {}
    void impostaFont(const QString& n) override { d_.impostaFont(n); }
    void impostaDimensione(double p) override { d_.impostaDimensione(p); }
    double dimensione() const override { return d_.dimensione(); }
    void impostaX(double t) override { d_.impostaX(t); }
    void impostaY(double t) override { d_.impostaY(t); }
    double x() const override { return d_.x(); }
    double y() const override { return d_.y(); }
    void stampaRiga(const std::vector<Voce>& v) override { d_.stampaRiga(v); }
    void linea(double a, double b, double c, double d, int w) override { d_.linea(a, b, c, d, w); }
    void scrivi(double x, double y, const QString& t) override { d_.scrivi(x, y, t); }
    double larghezzaTesto(const QString& t) const override { return d_.larghezzaTesto(t); }
    double larghezzaPagina() const override { return d_.larghezzaPagina(); }
    void nuovaPagina() override { d_.nuovaPagina(); }
    int pagina() const override { return d_.pagina(); }
    bool fineDocumento() override { return d_.fineDocumento(); }
    bool inErrore() const override { return d_.inErrore(); }

protected:
    Stampante& d_;
};

} // namespace platform
