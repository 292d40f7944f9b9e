#include "tools/stampa_batch.h"

#include "platform/piattaforma_qt.h"
#include "platform/piattaforma_scritta.h"
#include "platform/stampante_inoltro.h"
#include "platform/stampante_qt.h"
#include "platform/stampante_testo.h"
#include "report/frontespizio.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/stampa.h"
#include "shell/testi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "platform/consegna.h"

#include <cerrno>
#include <cstdio>

namespace {

const char* const kUso =
    "Uso: rinsal-stampa [--modulo | --dati | --relazione] [--testo | -o FILE.pdf]\n"
    "                   [--calcolo puntelli|tiranti|cercol|cerpil|cuciture] FILEDATI\n"
    "     rinsal-stampa --help | --version\n"
    "\n"
    "  --modulo     stampa il modello di acquisizione dati\n"
    "  --dati       stampa i dati e i risultati (predefinito)\n"
    "  --relazione  stampa la relazione di calcolo completa\n"
    "  --testo      scrive la stampa come testo sull'uscita standard\n"
    "  -o FILE.pdf  scrive la stampa in un file PDF (sostituito solo a stampa completa)\n"
    "  --calcolo    il calcolo del file, quando il nome non comincia con\n"
    "               Puntelli-dati-, Tiranti-dati-, Cercol-dati-, Cerpil-dati- o Cuciture-dati-\n"
    "  --help       mostra questo aiuto\n"
    "  --version    mostra la versione\n"
    "\n"
    "  Le cerchiature di pilastri hanno soltanto la stampa dei dati e dei risultati\n"
    "  delle cerchiature a freddo.\n"
    "\n"
    "Esito: 0 stampa eseguita\n"
    "       1 nulla da stampare (la finestra rifiuta la stampa, o la stampa non ha righe)\n"
    "       2 uso errato\n"
    "       3 file illeggibile o calcolo non riconosciuto\n"
    "       4 stampa non scritta per intero (file PDF o uscita standard non scrivibili,\n"
    "         o stampa interrotta da un dato che non ha descrizione)\n";

enum Esito { kEseguita = 0, kNullaDaStampare = 1, kUsoErrato = 2, kIllegibile = 3, kNonScritta = 4 };

// Writes a text whole: a NUL inside it (a hand-edited data file may hold
// one) is dropped, never taken for the end of the text.
bool scrivi(std::FILE* f, const QString& testo)
{
    QByteArray b = testo.toUtf8();
    b.removeIf([](char c) { return c == '\0'; });
    return std::fwrite(b.constData(), 1, std::size_t(b.size()), f) == std::size_t(b.size());
}

void errore(const QString& testo)
{
    scrivi(stderr, QStringLiteral("rinsal-stampa: ") + testo + QLatin1Char('\n'));
}

// Counts the lines that carry some text, whatever the destination.
class Conteggio : public platform::StampanteInoltro {
public:
    Conteggio(std::shared_ptr<platform::Stampante> destinazione, int& righe)
        : StampanteInoltro(*destinazione)
        , tenuta_(std::move(destinazione))
        , righe_(righe)
    {
    }
    void stampaRiga(const std::vector<platform::Voce>& voci) override
    {
        for (const platform::Voce& v : voci) {
            if (!v.testo.trimmed().isEmpty()) {
                ++righe_;
                break;
            }
        }
        d_.stampaRiga(voci);
    }

private:
    std::shared_ptr<platform::Stampante> tenuta_;
    int& righe_;
};

// A PDF ends with its trailer: without it the writing stopped short.
QString consegnaPdf(platform::FileInConsegna& uscita)
{
    const QByteArray coda = uscita.coda(64);
    if (coda.size() < 32) {
        return QStringLiteral("il documento non è stato scritto");
    }
    if (!coda.contains("%%EOF")) {
        return QStringLiteral("il documento è incompleto (disco pieno o errore di scrittura)");
    }
    return uscita.consegna();
}

struct Richiesta {
    int tipo = 0;
    QString file;
    QString modo;
    bool testo = false;
    QString pdf;
};

// The scripted services of a run without a user: every message written to
// standard error and answered with its default button, the office the
// program has in its settings for the report.
platform::Scena scenaSenzaUtente()
{
    platform::Scena scena = platform::installaScena();
    scena.messaggi->osservatore = [](const platform::MessaggioVisto& m) {
        scrivi(stderr, m.titolo + QLatin1Char('\n') + QString(m.testo).replace(QLatin1Char('\r'), QLatin1Char('\n')) +
                           QLatin1Char('\n'));
    };
    const platform::ImpostazioniQt studio;
    scena.impostazioni->nome = studio.nomeStudio();
    scena.impostazioni->indirizzo = studio.indirizzoStudio();
    return scena;
}

// Hands the finished printout over: the text to standard output, or the PDF
// into the target's place. `interrotta`: a printout stopped at a value with
// no description, which is not handed over as if whole.
int consegnaStampa(const Richiesta& rq, const QString& nome,
                   const std::vector<std::shared_ptr<platform::StampanteTesto>>& testi,
                   const std::vector<std::shared_ptr<platform::StampanteQt>>& pdf, platform::FileInConsegna* uscita,
                   bool interrotta)
{
    if (rq.testo) {
        bool ok = true;
        for (const auto& lavoro : testi) {
            ok = scrivi(stdout, lavoro->testo()) && ok;
        }
        if (std::fflush(stdout) != 0 || std::ferror(stdout) || !ok) {
            errore(QStringLiteral("impossibile scrivere la stampa sull'uscita standard (%1)")
                       .arg(platform::descrizioneErrno(errno)));
            return kNonScritta;
        }
    }
    if (interrotta) {
        errore(QStringLiteral("stampa interrotta: il file \"%1\" contiene un dato che non ha descrizione%2")
                   .arg(nome, rq.testo ? QString() : QStringLiteral("; il file PDF non è stato scritto")));
        return kNonScritta;
    }
    if (!rq.testo) {
        bool ok = true;
        for (const auto& p : pdf) {
            ok = !p->inErrore() && ok;
        }
        const QString motivo = ok ? consegnaPdf(*uscita) : QStringLiteral("errore della stampante PDF");
        if (!motivo.isEmpty()) {
            errore(QStringLiteral("impossibile scrivere il file PDF \"%1\": %2; "
                                  "un file precedente con lo stesso nome non è stato modificato")
                       .arg(rq.pdf, motivo));
            return kNonScritta;
        }
        errore(QStringLiteral("stampa scritta in %1").arg(QFileInfo(rq.pdf).absoluteFilePath()));
    }
    return kEseguita;
}

// Runs the window's own Open and print command with scripted answers: the
// file name for the dialog, the default button for every message, and a PDF
// or text printer for the print dialog.
int stampaCalcolo(const Richiesta& rq)
{
    platform::Scena scena = scenaSenzaUtente();
    ModRinsal::Azzera();
    finestre::registraTutte();
    FinestraCalcolo* w = finestraDelCalcolo(rq.tipo);
    if (!w) {
        errore(QStringLiteral("calcolo non disponibile in questa versione"));
        return kIllegibile;
    }
    const QString nome = QFileInfo(rq.file).fileName();
    scena.file->risposte.push_back(QFileInfo(rq.file).absoluteFilePath());
    w->apri_click();
    if (w->fileCorrente().isEmpty()) {
        // The window has already said why, naming the file and the line.
        return kIllegibile;
    }

    // The PDF is written beside the target and renamed over it only once it
    // is whole and on the disk.
    std::unique_ptr<platform::FileInConsegna> uscita;
    if (!rq.testo) {
        uscita = std::make_unique<platform::FileInConsegna>(rq.pdf);
        const QString motivo = uscita->prepara();
        if (!motivo.isEmpty()) {
            errore(QStringLiteral("impossibile scrivere il file PDF \"%1\": %2").arg(rq.pdf, motivo));
            return kNonScritta;
        }
    }
    int righe = 0;
    std::vector<std::shared_ptr<platform::StampanteTesto>> testi;
    std::vector<std::shared_ptr<platform::StampanteQt>> pdf;
    scena.stampa->fabbrica = [&]() -> std::unique_ptr<platform::Stampante> {
        if (rq.testo) {
            testi.push_back(std::make_shared<platform::StampanteTesto>());
            return std::make_unique<Conteggio>(testi.back(), righe);
        }
        pdf.push_back(std::make_shared<platform::StampanteQt>(uscita->temporaneo()));
        return std::make_unique<Conteggio>(pdf.back(), righe);
    };
    const int interrottePrima = stampa::interruzioni();

    if (rq.modo == QLatin1String("--modulo")) {
        w->acquisizionedati_Click();
    } else if (rq.modo == QLatin1String("--relazione")) {
        // As a user would: the results on screen, "F&rontespizio", then "&Stampa completa".
        ModRinsal::TipoCalcolo = rq.tipo;
        w->preparaStampa();
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->stampatutto_Click();
    } else if (const QString tipo = w->senzaListato(); !tipo.isEmpty()) {
        errore(QStringLiteral("nulla da stampare: il file \"%1\" è di %2, che non hanno ancora una stampa")
                   .arg(nome, tipo));
        return kNullaDaStampare;
    } else {
        w->stampaSola();
    }
    // Jobs end when the printouts drop them; make sure every one has.
    for (const auto& p : pdf) {
        p->fineDocumento();
    }

    if (scena.stampa->aperture == 0) {
        // The window refused to print (its message is above): nothing to hand over.
        errore(QStringLiteral("nulla da stampare: nessuna stampa prodotta per il file \"%1\"").arg(nome));
        return kNullaDaStampare;
    }
    if (righe == 0) {
        errore(QStringLiteral("nulla da stampare: la stampa del file \"%1\" non ha righe "
                              "(nessuna riga di dati completa)")
                   .arg(nome));
        return kNullaDaStampare;
    }
    const bool interrotta = stampa::interruzioni() != interrottePrima;
    return consegnaStampa(rq, nome, testi, pdf, uscita.get(), interrotta);
}

} // namespace

int stampaBatch(int argc, char* argv[])
{
    platform::preparaSenzaFinestre();
    // Help and version need no window system.
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--help" || a == "-h") {
            std::fputs(kUso, stdout);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kEseguita : kNonScritta;
        }
        if (a == "--version") {
            std::printf("rinsal-stampa %s\n", testi::kVersione.toUtf8().constData());
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kEseguita : kNonScritta;
        }
    }
    // Standard error carries our own messages only: the toolkit's notes about
    // the offscreen platform (raise(), fonts) mean nothing to the user here.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtFatalMsg) {
            errore(testo);
        }
    });
    QApplication app(argc, argv);
    platform::caricaTraduzioni();
    QStringList args = QApplication::arguments();
    args.removeFirst();

    Richiesta rq;
    rq.modo = QStringLiteral("--dati");
    QString calcolo;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--modulo") || a == QLatin1String("--dati") || a == QLatin1String("--relazione")) {
            rq.modo = a;
        } else if (a == QLatin1String("--testo")) {
            rq.testo = true;
        } else if (a == QLatin1String("-o") && i + 1 < args.size()) {
            rq.pdf = args[++i];
        } else if (a == QLatin1String("--calcolo") && i + 1 < args.size()) {
            calcolo = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) || !rq.file.isEmpty()) {
            std::fputs(kUso, stderr);
            return kUsoErrato;
        } else {
            rq.file = a;
        }
    }
    if (rq.file.isEmpty() || (rq.testo == !rq.pdf.isEmpty())) {
        std::fputs(kUso, stderr);
        return kUsoErrato;
    }
    const QString nome = QFileInfo(rq.file).fileName();
    static const std::pair<const char*, const char*> kPrefissi[] = {{"Tiranti-dati-", "tiranti"},
                                                                    {"Puntelli-dati-", "puntelli"},
                                                                    {"Cuciture-dati-", "cuciture"},
                                                                    {"Cercol-dati-", "cercol"},
                                                                    {"Cerpil-dati-", "cerpil"}};
    for (const auto& [prefisso, nomeCalcolo] : kPrefissi) {
        if (calcolo.isEmpty() && nome.startsWith(QLatin1String(prefisso))) {
            calcolo = QLatin1String(nomeCalcolo);
        }
    }
    static const std::pair<const char*, int> kTipi[] = {
        {"puntelli", 1}, {"tiranti", 2}, {"cercol", 3}, {"cerpil", 4}, {"cuciture", 5}};
    for (const auto& [nomeCalcolo, tipo] : kTipi) {
        if (calcolo == QLatin1String(nomeCalcolo)) {
            rq.tipo = tipo;
        }
    }
    if (rq.tipo == 0) {
        errore(QStringLiteral("calcolo non riconosciuto per il file \"%1\"").arg(nome));
        return kIllegibile;
    }
    if (rq.tipo == 4 && rq.modo != QLatin1String("--dati")) {
        errore(QStringLiteral("le cerchiature di pilastri hanno soltanto la stampa dei dati e dei risultati (--dati): "
                              "%1 non è disponibile")
                   .arg(rq.modo));
        return kUsoErrato;
    }
    return stampaCalcolo(rq);
}
