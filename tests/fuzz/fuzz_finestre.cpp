// Hostile files through what a user runs: a calculation window's own Open,
// then every printout of that window through the text backend (the blank
// form, the data-and-results listing, the complete report; for pillar
// hooping the batch printer's listing). Nothing may crash, leak or hang, and
// no printout may show nan or inf.
//
// The first byte picks the window: 'p' shoring, 't' tie rods, 'c' column
// hooping, 'l' pillar hooping, 'u' stitching (any other byte: by its value);
// the rest is the file.
#include "platform/piattaforma_scritta.h"
#include "report/frontespizio.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* gCartella = nullptr;

int tipoDa(std::uint8_t b)
{
    switch (b) {
    case 'p': return 1;
    case 't': return 2;
    case 'c': return 3;
    case 'l': return 4;
    case 'u': return 5;
    default: return 1 + b % 5;
    }
}

void stampe(int tipo, FinestraCalcolo* w)
{
    w->acquisizionedati_Click();
    w->stampaSola();
    ModRinsal::TipoCalcolo = tipo;
    if (tipo != 4) {
        w->preparaStampa();
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->stampatutto_Click();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    new QApplication(*argc, *argv);
    // In memory when the system has it: the file is rewritten for every input.
    gCartella = QFile::exists(QStringLiteral("/dev/shm")) ? new QTemporaryDir(QStringLiteral("/dev/shm/rinsal-fuzz-XXXXXX"))
                                                          : new QTemporaryDir;
    if (!gCartella->isValid()) {
        std::abort();
    }
    // libFuzzer ends through exit(): the folder goes with the process.
    std::atexit([] { delete gCartella; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    const int tipo = tipoDa(data[0]);
    const QString file = gCartella->filePath(QStringLiteral("dati"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1)) != qint64(size - 1)) {
            std::abort();
        }
    }
    platform::Scena scena = platform::installaScena();
    ModRinsal::Azzera();
    // The windows live from one input to the next, as in a session where
    // the user opens file after file; each starts from its own clearing.
    static const bool registrate = (finestre::registraTutte(), true);
    (void)registrate;
    FinestraCalcolo* w = finestraDelCalcolo(tipo);
    w->cancella_click();
    finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->cancella_click();
    scena.file->risposte = {file};
    w->apri_click();
    stampe(tipo, w);

    // The title-page texts come from the file as typed and may say anything;
    // every other word of a printout is ours or a number.
    QStringList liberi = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->campiTesto();
    static const QRegularExpression kNonNumero(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    for (const auto& lavoro : scena.stampa->lavori) {
        QString t = lavoro->testo();
        for (const QString& l : liberi) {
            if (!l.isEmpty()) {
                t.remove(l);
            }
        }
        if (t.contains(kNonNumero)) {
            std::abort();
        }
    }
    return 0;
}
