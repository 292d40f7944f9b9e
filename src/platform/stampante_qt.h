#pragma once
// Qt backend of the printer: a real printer chosen in the print dialog, or a
// PDF file. Items are placed on the character cells of the current font, as
// the text backend places them on character columns.

#include "platform/piattaforma.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QPrinter;

namespace platform {

// One item placed on a physical line: `riga` counts from 0 (the line the
// print statement starts on), `cella` is the 0-based character cell.
struct PezzoRiga {
    int riga = 0;
    double cella = 0;
    QString testo;
};

struct RigaDisposta {
    std::vector<PezzoRiga> pezzi;
    int righe = 1;   // physical lines used, at least one
};

// The column rule of componiRiga, kept per item so that a proportional font
// still starts every item at its column. `inizio` is the cell where the first
// line starts (the current horizontal position); later lines start at 0.
RigaDisposta disponiVoci(const std::vector<Voce>& voci, double inizio = 0);

class StampanteQt : public StampanteAPosizione {
public:
    // A printer set up by the print dialog; the job starts at the first drawing.
    explicit StampanteQt(std::unique_ptr<QPrinter> stampante);
    // A PDF file, A4.
    explicit StampanteQt(const QString& filePdf);
    // A printer owned by someone else (the print preview's, for one of its
    // runs); it must outlive this job.
    explicit StampanteQt(QPrinter* stampante);
    ~StampanteQt() override;
    StampanteQt(const StampanteQt&) = delete;
    StampanteQt& operator=(const StampanteQt&) = delete;

    void impostaFont(const QString& nome) override;
    void stampaRiga(const std::vector<Voce>& voci) override;
    void linea(double x1, double y1, double x2, double y2, int spessore) override;
    void scrivi(double x, double y, const QString& testo) override;
    double larghezzaTesto(const QString& testo) const override;
    double larghezzaPagina() const override { return larghezzaPaginaTwips(); }
    void nuovaPagina() override;
    int pagina() const override { return pagina_; }
    bool fineDocumento() override;
    bool inErrore() const override { return errore_; }

    QPrinter& stampante() { return *printer_; }
    // Width of one character cell of the current font and the line pitch
    // of its size, in twips.
    double cellaTwips() const;
    double rigaTwips() const;
    // A line that would pass this height, in twips, goes to a new page.
    double altezzaPaginaTwips() const;
    double larghezzaPaginaTwips() const;

private:
    bool pronta();
    double inPixel(double twips) const;
    QFont fontCorrente() const;

    std::unique_ptr<QPrinter> proprio_;   // empty when the printer is lent
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    QString famiglia_ = QStringLiteral("Courier");
    int pagina_ = 1;
    bool errore_ = false;
    bool finito_ = false;
};

} // namespace platform
