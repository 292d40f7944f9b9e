#pragma once
// Text backend of the printer: every print line becomes a line of text with
// each item at its character column; pages are separated by a form feed.
// Font sizes are kept per line so tests can check them. Lines and labels
// of drawings are kept apart, one record each, so that the text stays the
// listing alone.

#include "platform/piattaforma.h"

#include <QString>
#include <vector>

namespace platform {

// Page layout shared by both backends so that automatic page breaks fall
// on the same line: A4 printable height in twips and the line pitch of a
// monospaced font (fraction of the point size).
constexpr double kAltezzaPaginaTwips = 16838.0 - 2 * 200.0;
constexpr double kLarghezzaPaginaTwips = 11906.0 - 2 * 200.0;
constexpr double kPassoRiga = 1.133;

struct RigaStampata {
    QString testo;
    double punti = 0;
    int pagina = 1;
    double y = 0;   // twips, top of the line
};

// One item of a drawing: a line (from x1, y1 to x2, y2, its width) or a
// label (at x1, y1, its text and size).
struct Tratto {
    enum Tipo { Linea, Etichetta } tipo = Linea;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int spessore = 0;
    QString testo;
    double punti = 0;
    int pagina = 1;
};

class StampanteTesto : public StampanteAPosizione {
public:
    StampanteTesto();
    void impostaFont(const QString& nome) override { font_ = nome; }
    void impostaDimensione(double punti) override { punti_ = punti; }
    void stampaRiga(const std::vector<Voce>& voci) override;
    void linea(double x1, double y1, double x2, double y2, int spessore) override;
    void scrivi(double x, double y, const QString& testo) override;
    // In "Courier" every character is one cell of 0.6 em; any other font is
    // measured with the advance widths of DejaVu Sans, the title page's font,
    // so that texts wrap where they wrap on paper, alike on every system.
    double larghezzaTesto(const QString& testo) const override;
    double larghezzaPagina() const override { return kLarghezzaPaginaTwips; }
    void nuovaPagina() override;
    int pagina() const override { return pagina_; }
    bool fineDocumento() override;
    bool inErrore() const override { return false; }

    const QString& font() const { return font_; }
    const std::vector<RigaStampata>& righe() const { return righe_; }
    const std::vector<Tratto>& tratti() const { return tratti_; }
    bool terminato() const { return terminato_; }
    // All lines, pages separated by "\f", lines ended by "\n". A page that
    // holds only a drawing adds no page break: the text is the listing.
    QString testo() const;

private:
    void emetti(const QString& riga);

    QString font_;
    int pagina_ = 1;
    bool terminato_ = false;
    std::vector<RigaStampata> righe_;
    std::vector<Tratto> tratti_;
};

// Lays out items on character columns; shared by both backends. Returns the
// physical lines (an item left of the reached column starts a new line).
std::vector<QString> componiRiga(const std::vector<Voce>& voci);

} // namespace platform
