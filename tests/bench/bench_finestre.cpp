// Times every calculation window with 100 complete rows (the shoring window:
// 100 consolidations, each a series of 10 props): opening the file through
// the real Open, one keystroke end to end (handler, nested changes, full
// recalculation, refresh of lines and tables), one step of the row bar and of
// every other bar, the bare calculation pass alone, the listing and the
// complete report to PDF; where the window has a chart, a keystroke with the
// chart open (alone, and with every repaint it causes) and the chart's own
// repaint. Prints medians of repeated runs.
//
// The 100-row files are made from the samples in data/esempi, whose rows are
// repeated: every figure is measured on complete, computable data.
#include "columnhooping/calcolo.h"
#include "columnhooping/cercol.h"
#include "pillarhooping/calcolo.h"
#include "pillarhooping/cerpil.h"
#include "platform/piattaforma_scritta.h"
#include "platform/stampante_qt.h"
#include "report/frontespizio.h"
#include "shell/finestragrafico.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shoring/calcolo.h"
#include "shoring/dati.h"
#include "shoring/puntelli.h"
#include "shoring/risultatipuntelli.h"
#include "stitching/calcolo.h"
#include "stitching/cuciture.h"
#include "tierods/calcolo.h"
#include "tierods/tiranti.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {
template <typename F>
double mediana(int volte, F&& f)
{
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        tempi.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}

QString esempi()
{
    const QString dati = qEnvironmentVariable("RINSAL_DATA_DIR", QStringLiteral(RINSAL_SORGENTI "/data"));
    return dati + QStringLiteral("/esempi/");
}

QList<QByteArray> righeDi(const QString& nome)
{
    QFile f(esempi() + nome);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "manca %s\n", qPrintable(f.fileName()));
        std::exit(2);
    }
    QList<QByteArray> righe = f.readAll().split('\n');
    while (!righe.isEmpty() && righe.last().trimmed().isEmpty()) {
        righe.removeLast();
    }
    for (QByteArray& r : righe) {
        if (r.endsWith('\r')) r.chop(1);
    }
    return righe;
}

// A row window's sample ("N[,type]", N rows, the title page) with its rows
// repeated to 100.
QByteArray cento(const QString& nome)
{
    const QList<QByteArray> righe = righeDi(nome);
    QList<QByteArray> testa = righe[0].split(',');
    const int n = testa[0].toInt();
    testa[0] = "100";
    QByteArray b = testa.join(',') + "\r\n";
    for (int r = 0; r < 100; ++r) {
        b += righe[1 + r % n] + "\r\n";
    }
    for (int i = 1 + n; i < righe.size(); ++i) {
        b += righe[i] + "\r\n";
    }
    return b;
}

// 100 consolidations of type 2 with 10 props each; the title page of a sample.
QByteArray centoConsolidamenti()
{
    QByteArray b = "100\r\n";
    for (int c = 0; c < 100; ++c) {
        b += "1,1,1,1,1\r\n3,2,2,1,1\r\n";
    }
    for (int c = 0; c < 100; ++c) {
        b += "2\r\n\"" + QByteArray::number(5000 + 10 * c) + "\",\"70\",\"500\",\"30\",\"20\",\"80\",10\r\n";
        for (int p = 0; p < 10; ++p) {
            b += "\"" + QByteArray::number(2 + p % 3) + "\",\"" + QByteArray::number(200 + 5 * p) + "\"\r\n";
        }
    }
    b += righeDi(QStringLiteral("Puntelli-dati-esempio-2")).last() + "\r\n";
    return b;
}

struct Caso {
    const char* nome;
    IdFinestra id;
    int tipoCalcolo;
    QByteArray file;
    std::function<QString(FinestraCalcolo*)> righe;         // how many rows the window counts
    std::function<void(FinestraCalcolo*)> calcolo;          // the bare pass, on the window's data
    QString barraRighe;                                     // object name of the row bar
};

// The field a keystroke goes to: the first editable field holding a number,
// top to bottom, left to right.
QLineEdit* campoDaBattere(FinestraCalcolo* w)
{
    QLineEdit* scelto = nullptr;
    QPoint migliore;
    for (QLineEdit* e : w->superficie()->findChildren<QLineEdit*>()) {
        if (e->isReadOnly() || !e->isEnabled() || !e->isVisibleTo(w) || e->text().isEmpty() || !e->text()[0].isDigit()) {
            continue;
        }
        const QPoint p = e->mapTo(w, QPoint(0, 0));
        if (!scelto || p.y() < migliore.y() || (p.y() == migliore.y() && p.x() < migliore.x())) {
            scelto = e;
            migliore = p;
        }
    }
    return scelto;
}

void premi(QWidget* w, Qt::Key k, const QString& t)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, t);
    QApplication::sendEvent(w, &e);
}

void misura(const Caso& caso, platform::Scena& scena, const QDir& dir)
{
    ModRinsal::TipoCalcolo = caso.tipoCalcolo;
    FinestraCalcolo* w = finestraDelCalcolo(caso.tipoCalcolo);
    w->show();
    const QString file = dir.filePath(QStringLiteral("%1-cento").arg(QString::fromLatin1(caso.nome)));
    {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(caso.file);
    }
    const double apertura = mediana(11, [&] {
        scena.file->risposte.push_back(file);
        w->apri_click();
    });
    std::printf("\n== %s (%s righe lette)\n", caso.nome, qPrintable(caso.righe(w)));
    if (w->fileCorrente() != file) {
        std::printf("  il file non si apre\n");
        return;
    }
    std::printf("  %-42s %9.3f ms\n", "apertura (Apri) di 100 righe", apertura);

    const double calcolo = mediana(51, [&] { caso.calcolo(w); });
    std::printf("  %-42s %9.3f ms\n", "calcolo nudo", calcolo);

    if (QLineEdit* campo = campoDaBattere(w)) {
        campo->setFocus();
        campo->end(false);
        int i = 0;
        const double tasto = mediana(101, [&] {
            if (i++ % 2) {
                premi(campo, Qt::Key_Backspace, QString());
            } else {
                premi(campo, Qt::Key_1, QStringLiteral("1"));
            }
        });
        std::printf("  %-42s %9.3f ms  (%.0f volte il calcolo)\n", "un tasto", tasto,
                    calcolo > 0 ? tasto / calcolo : 0.0);
        // The chart of the row on line 1, the row the key goes to; the same
        // keys without it first, the windows repainted as they are open.
        if (w->pulsanteGrafico()) {
            auto battuta = [&] {
                if (i++ % 2) {
                    premi(campo, Qt::Key_Backspace, QString());
                } else {
                    premi(campo, Qt::Key_1, QStringLiteral("1"));
                }
            };
            auto finoAiRidisegni = [&] {
                battuta();
                QApplication::processEvents();
            };
            QApplication::processEvents();
            const double senza = mediana(101, battuta);
            const double senzaRidisegnato = mediana(101, finoAiRidisegni);
            w->grafico_Click();
            FinestraGrafico* g = w->finestraGrafico();
            QApplication::processEvents();
            const double aperto = mediana(101, battuta);
            const double ridisegnato = mediana(101, finoAiRidisegni);
            const double grafico = mediana(51, [&] {
                g->segnaCambio();
                g->repaint();
            });
            std::printf("  %-42s %9.3f ms\n", "un tasto fino ai ridisegni", senzaRidisegnato);
            std::printf("  %-42s %9.3f ms  (senza: %.3f ms)\n", "un tasto con il grafico aperto", aperto, senza);
            std::printf("  %-42s %9.3f ms\n", "lo stesso, fino ai ridisegni", ridisegnato);
            std::printf("  %-42s %9.3f ms  (%s)\n", "ridisegno del grafico", grafico,
                        g->contenuto().grafico ? "grafico" : "nessun grafico");
            g->close();
        }
    }

    // Every bar, one step forth and back; bars repeated on each screen line only on line 1.
    static const QRegularExpression altraLinea(QStringLiteral("_[2-9]$"));
    std::vector<QScrollBar*> barre;
    for (QScrollBar* b : w->superficie()->findChildren<QScrollBar*>()) {
        if (b->isVisibleTo(w) && b->isEnabled() && !b->objectName().contains(altraLinea) && b->maximum() > b->minimum()) {
            barre.push_back(b);
        }
    }
    std::sort(barre.begin(), barre.end(), [&](QScrollBar* a, QScrollBar* b) {
        return (a->objectName() == caso.barraRighe) > (b->objectName() == caso.barraRighe) ||
               ((a->objectName() == caso.barraRighe) == (b->objectName() == caso.barraRighe) &&
                a->objectName() < b->objectName());
    });
    for (QScrollBar* b : barre) {
        int i = 0;
        const double passo = mediana(41, [&] {
            b->triggerAction(i++ % 2 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
        });
        const QString nome = QStringLiteral("un passo di %1%2")
                                 .arg(b->objectName().isEmpty() ? QStringLiteral("barra") : b->objectName(),
                                      b->objectName() == caso.barraRighe ? QStringLiteral(" (righe)") : QString());
        std::printf("  %-42s %9.3f ms\n", qPrintable(nome), passo);
    }
    // Back to the file as read, for the printouts.
    scena.file->risposte.push_back(file);
    w->apri_click();

    const QString pdf = dir.filePath(QStringLiteral("stampa.pdf"));
    scena.stampa->fabbrica = [pdf] { return std::make_unique<platform::StampanteQt>(pdf); };
    auto stampa = [&](const char* cosa, const std::function<void()>& comando) {
        const int prima = scena.stampa->aperture;
        const double t = mediana(3, comando);
        if (scena.stampa->aperture == prima) {
            std::printf("  %-42s %9s\n", cosa, "-");
        } else {
            std::printf("  %-42s %9.0f ms  (%lld byte)\n", cosa, t, static_cast<long long>(QFile(pdf).size()));
        }
    };
    stampa("stampa dati e risultati in PDF", [&] { w->stampaSola(); });
    stampa("relazione completa in PDF", [&] {
        ModRinsal::TipoCalcolo = caso.tipoCalcolo;
        w->preparaStampa();
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->stampatutto_Click();
    });
    scena.stampa->fabbrica = nullptr;
    for (QWidget* f : QApplication::topLevelWidgets()) {
        f->hide();
    }
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::Scena scena = platform::installaScena();
    ModRinsal::Azzera();
    finestre::registraTutte();
    QTemporaryDir dir;
    const QDir cartella(dir.path());

    const auto tirantiCalcolo = [](FinestraCalcolo* f) {
        auto* w = static_cast<tiranti*>(f);
        static auto ris = std::make_unique<modtiranti::RisultatiTiranti>();
        modtiranti::CalcolaTiranti(w->dati(), w->NumeroTiranti, *ris);
    };
    const auto cercolCalcolo = [](FinestraCalcolo* f) {
        auto* w = static_cast<cercol*>(f);
        static auto ris = std::make_unique<modcercol::RisultatiCerchiature>();
        modcercol::CalcolaCerchiature(w->dati(), w->TipoCerchiatura, w->NumeroCerchiature, *ris);
    };
    const auto cucitureCalcolo = [](FinestraCalcolo* f) {
        auto* w = static_cast<cuciture*>(f);
        static auto ris = std::make_unique<modcuciture::RisultatiCuciture>();
        modcuciture::ConteggiMostrati mostrati;
        modcuciture::CalcolaCuciture(w->dati(), w->NumeroCuciture, w->TipoCucitura, *ris, mostrati);
    };
    const auto cerpilCalcolo = [](FinestraCalcolo* f) {
        auto* w = static_cast<cerpil*>(f);
        static auto ris = std::make_unique<modcerpil::RisultatiPilastri>();
        modcerpil::CalcolaPilastri(w->dati(), w->NumeroPilastri, *ris);
    };
    const auto puntelliCalcolo = [](FinestraCalcolo* f) {
        auto* w = static_cast<puntelli*>(f);
        static auto copia = std::make_unique<modpuntelli::Lavoro>();
        *copia = modpuntelli::lavoro();
        modpuntelli::Schermo s;
        s.consolidamento = 1;
        s.carpu = w->campo(puntelli::carpu)->text();
        s.ang = w->campo(puntelli::ang)->text();
        s.altpu = w->campo(puntelli::altpu)->text();
        s.altar = w->campo(puntelli::altar)->text();
        s.sigm = w->campo(puntelli::sigm)->text();
        modpuntelli::CalcolaPuntelli(*copia, s);
    };

    const std::vector<Caso> casi = {
        {"puntellamento (tipo 2, 10 puntelli)", IdFinestra::Puntelli, 1, centoConsolidamenti(),
         [](FinestraCalcolo*) { return QString::number(modpuntelli::lavoro().numeroConsolidamenti); },
         puntelliCalcolo, QStringLiteral("VScroll1")},
        {"tiranti", IdFinestra::Tiranti, 2, cento(QStringLiteral("Tiranti-dati-esempio")),
         [](FinestraCalcolo* f) { return QString::number(static_cast<tiranti*>(f)->NumeroTiranti); }, tirantiCalcolo,
         QStringLiteral("VScroll1")},
        {"cerchiatura colonne tipo 1", IdFinestra::Cercol, 3, cento(QStringLiteral("Cercol-dati-esempio")),
         [](FinestraCalcolo* f) { return QString::number(static_cast<cercol*>(f)->NumeroCerchiature); }, cercolCalcolo,
         QStringLiteral("VScroll1")},
        {"cerchiatura colonne tipo 2", IdFinestra::Cercol, 3, cento(QStringLiteral("Cercol-dati-esempio-freddo")),
         [](FinestraCalcolo* f) { return QString::number(static_cast<cercol*>(f)->NumeroCerchiature); }, cercolCalcolo,
         QStringLiteral("VScroll1")},
        {"cuciture tipo 1", IdFinestra::Cuciture, 5, cento(QStringLiteral("Cuciture-dati-esempio")),
         [](FinestraCalcolo* f) { return QString::number(static_cast<cuciture*>(f)->NumeroCuciture); },
         cucitureCalcolo, QStringLiteral("VScroll1")},
        {"cuciture tipo 2", IdFinestra::Cuciture, 5, cento(QStringLiteral("Cuciture-dati-esempio-freddo")),
         [](FinestraCalcolo* f) { return QString::number(static_cast<cuciture*>(f)->NumeroCuciture); },
         cucitureCalcolo, QStringLiteral("VScroll1")},
        {"cerchiatura pilastri", IdFinestra::Cerpil, 4, cento(QStringLiteral("Cerpil-dati-esempio")),
         [](FinestraCalcolo* f) { return QString::number(static_cast<cerpil*>(f)->NumeroPilastri); }, cerpilCalcolo,
         QStringLiteral("VScroll1")},
    };
    // One window, or all: bench_finestre [part of a name]
    const QString filtro = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const Caso& caso : casi) {
        if (filtro.isEmpty() || QString::fromLatin1(caso.nome).contains(filtro)) {
            misura(caso, scena, cartella);
        }
    }
    return 0;
}
