#include "platform/stampante_qt.h"
#include "platform/caratteri.h"

#include "platform/stampante_testo.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>

namespace platform {

RigaDisposta disponiVoci(const std::vector<Voce>& voci, double inizio)
{
    RigaDisposta d;
    int riga = 0;
    double raggiunta = inizio;
    bool finePiena = false;   // the line so far ends in a printed character
    for (const Voce& v : voci) {
        double cella = raggiunta;
        if (v.colonna > 0) {
            cella = v.colonna - 1;
            const bool tocca = cella == raggiunta && finePiena && !v.testo.isEmpty() &&
                               !v.testo.startsWith(QLatin1Char(' '));
            if (cella < raggiunta || tocca) {
                ++riga;
            }
        }
        if (!v.testo.isEmpty()) {
            d.pezzi.push_back({riga, cella, v.testo});
            finePiena = !v.testo.endsWith(QLatin1Char(' '));
        }
        raggiunta = cella + v.testo.size();
    }
    d.righe = riga + 1;
    return d;
}

StampanteQt::StampanteQt(std::unique_ptr<QPrinter> stampante) : proprio_(std::move(stampante))
{
    if (!proprio_) {
        errore_ = true;
        proprio_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    printer_ = proprio_.get();
}

StampanteQt::StampanteQt(QPrinter* stampante) : printer_(stampante)
{
    if (!printer_) {
        errore_ = true;
        proprio_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_ = proprio_.get();
    }
}

StampanteQt::StampanteQt(const QString& filePdf)
    : proprio_(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , printer_(proprio_.get())
{
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(filePdf);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setCreator(QStringLiteral("Rinsal"));
    printer_->setDocName(QStringLiteral("Rinsal"));
}

StampanteQt::~StampanteQt()
{
    // A printout abandoned half-way still sends what it printed.
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

void StampanteQt::impostaFont(const QString& nome)
{
    // No style hint: a TypeWriter hint would bypass the font configuration's
    // alias for "Courier" and pick a monospaced font of other metrics.
    famiglia_ = nome;
}

QFont StampanteQt::fontCorrente() const
{
    QFont f;
    if (!famiglia_.isEmpty()) {
        f.setFamily(famigliaStampa(famiglia_));
    }
    f.setPointSizeF(punti_);
    return f;
}

double StampanteQt::inPixel(double twips) const
{
    return twips * printer_->resolution() / 1440.0;
}

double StampanteQt::cellaTwips() const
{
    const QFontMetricsF fm(fontCorrente(), printer_);
    return fm.averageCharWidth() * 1440.0 / printer_->resolution();
}

double StampanteQt::larghezzaTesto(const QString& testo) const
{
    const QFontMetricsF fm(fontCorrente(), printer_);
    return fm.horizontalAdvance(testo) * 1440.0 / printer_->resolution();
}

// The line pitch and the page height of the text backend, so that both
// break pages on the same line; a printer with a smaller printable area
// breaks earlier rather than lose lines.
double StampanteQt::rigaTwips() const
{
    return punti_ * 20.0 * kPassoRiga;
}

double StampanteQt::altezzaPaginaTwips() const
{
    return std::min(kAltezzaPaginaTwips, printer_->height() * 1440.0 / printer_->resolution());
}

double StampanteQt::larghezzaPaginaTwips() const
{
    return std::min(kLarghezzaPaginaTwips, printer_->width() * 1440.0 / printer_->resolution());
}

bool StampanteQt::pronta()
{
    if (errore_ || finito_) {
        return false;
    }
    if (painter_) {
        return true;
    }
    // QPainter::begin would fail too, but with a warning on the console.
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
        QFile prova(printer_->outputFileName());
        if (!prova.open(QIODevice::WriteOnly)) {
            errore_ = true;
            return false;
        }
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        errore_ = true;
        return false;
    }
    return true;
}

void StampanteQt::stampaRiga(const std::vector<Voce>& voci)
{
    if (!pronta()) {
        return;
    }
    const QFont f = fontCorrente();
    const QFontMetricsF fm(f, printer_);
    const double cella = fm.averageCharWidth();
    const double passo = rigaTwips();
    const double cellaTw = cella * 1440.0 / printer_->resolution();
    const RigaDisposta d = disponiVoci(voci, cellaTw > 0 ? x_ / cellaTw : 0);
    const double fondo = altezzaPaginaTwips();
    std::size_t i = 0;
    for (int r = 0; r < d.righe; ++r) {
        if (y_ + passo > fondo && y_ > 0) {
            nuovaPagina();
            if (errore_) {
                return;
            }
        }
        painter_->setFont(f);
        painter_->setPen(Qt::black);
        const double base = inPixel(y_) + fm.ascent();
        for (; i < d.pezzi.size() && d.pezzi[i].riga == r; ++i) {
            painter_->drawText(QPointF(d.pezzi[i].cella * cella, base), d.pezzi[i].testo);
        }
        y_ += passo;
    }
    x_ = 0;
}

void StampanteQt::linea(double x1, double y1, double x2, double y2, int spessore)
{
    if (!pronta()) {
        return;
    }
    // One unit of width is one dot of a 300 dpi printer: thin but visible.
    const double larghezza = std::max(spessore, 1) * printer_->resolution() / 300.0;
    painter_->setPen(QPen(Qt::black, larghezza, Qt::SolidLine, Qt::FlatCap));
    painter_->drawLine(QPointF(inPixel(x1), inPixel(y1)), QPointF(inPixel(x2), inPixel(y2)));
    // As with pen plotting, the position ends where the line ends.
    x_ = x2;
    y_ = y2;
}

void StampanteQt::scrivi(double x, double y, const QString& testo)
{
    if (testo.isEmpty() || !pronta()) {
        return;
    }
    const QFont f = fontCorrente();
    painter_->setFont(f);
    painter_->setPen(Qt::black);
    const QFontMetricsF fm(f, printer_);
    painter_->drawText(QPointF(inPixel(x), inPixel(y) + fm.ascent()), testo);
}

void StampanteQt::nuovaPagina()
{
    if (!pronta()) {
        return;
    }
    if (!printer_->newPage()) {
        errore_ = true;
        return;
    }
    ++pagina_;
    x_ = 0;
    y_ = 0;
}

bool StampanteQt::fineDocumento()
{
    if (finito_) {
        return !errore_;
    }
    // An empty printout still makes a (blank) document.
    pronta();
    finito_ = true;
    if (painter_) {
        if (!painter_->end()) {
            errore_ = true;
        }
        painter_.reset();
    }
    if (printer_->printerState() == QPrinter::Error || printer_->printerState() == QPrinter::Aborted) {
        errore_ = true;
    }
    return !errore_;
}

} // namespace platform
