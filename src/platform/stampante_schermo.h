#pragma once
// A printer over a painter already open on a widget or an image: the
// drawings of the printouts (lines, labels) shown on screen at a given
// scale, with no page to end and no job to send.

#include "platform/piattaforma.h"

#include <QFont>
#include <QString>

class QPainter;

namespace platform {

class StampanteSchermo : public StampanteAPosizione {
public:
    // `pixelPerTwip`: the scale of the drawing on the painter's device.
    StampanteSchermo(QPainter& pittore, double pixelPerTwip);

    void impostaFont(const QString& nome) override { famiglia_ = nome; }
    void stampaRiga(const std::vector<Voce>& voci) override;
    void linea(double x1, double y1, double x2, double y2, int spessore) override;
    void scrivi(double x, double y, const QString& testo) override;
    double larghezzaTesto(const QString& testo) const override;
    double larghezzaPagina() const override;
    // One endless page: the screen shows a single drawing.
    void nuovaPagina() override {}
    int pagina() const override { return 1; }
    bool fineDocumento() override { return true; }
    bool inErrore() const override { return false; }

private:
    QFont fontCorrente() const;

    QPainter& p_;
    double scala_;
    QString famiglia_ = QStringLiteral("Courier");
};

} // namespace platform
