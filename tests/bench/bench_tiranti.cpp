// Times the tie-rod window with 100 complete tie rods: one keystroke end to
// end (handler, full recalculation, refresh of the lines and the table),
// opening a 100-row file, and printing the 100-page listing to PDF.
#include "platform/piattaforma_scritta.h"
#include "platform/stampante_qt.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "tierods/tiranti.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>
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
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::Scena scena = platform::installaScena();
    ModRinsal::Azzera();
    finestre::registraTutte();
    auto* w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
    w->show();

    QTemporaryDir dir;
    const QString file = dir.filePath("Tiranti-dati-cento");
    {
        QByteArray b = "100\r\n";
        for (int r = 1; r <= 100; ++r) {
            b += "\"" + QByteArray::number(40 + r % 30) + "\",\"20\",\"5\",\"0,75\",\"1\",\"" +
                 QByteArray::number(400 + 5 * r) + "\",\"1000\",\"1,5\",\"2\"\r\n";
        }
        b += "\"Prova\",\"\",\"\",\"\",\"\",\"\"\r\n";
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(b);
    }
    const double apertura = mediana(21, [&] {
        scena.file->risposte.push_back(file);
        w->apri_click();
    });
    std::printf("Apertura di un file di %d tiranti: mediana %.2f ms su 21\n", w->NumeroTiranti, apertura);

    QLineEdit* dist = w->campo(5, 1);
    dist->setFocus();
    dist->end(false);
    int i = 0;
    const double tasto = mediana(201, [&] {
        const bool indietro = i++ % 2;
        QKeyEvent premuto(QEvent::KeyPress, indietro ? Qt::Key_Backspace : Qt::Key_5, Qt::NoModifier,
                          indietro ? QString() : QStringLiteral("5"));
        QApplication::sendEvent(dist, &premuto);
    });
    std::printf("Un tasto nel campo dist (calcolo di %d tiranti e aggiornamento): mediana %.3f ms su 201\n",
                w->NumeroTiranti, tasto);

    const QString pdf = dir.filePath("lista.pdf");
    scena.stampa->fabbrica = [pdf] { return std::make_unique<platform::StampanteQt>(pdf); };
    const double stampa = mediana(3, [&] { w->stampa_click(); });
    std::printf("Stampa dei dati e risultati di %d tiranti in PDF (%lld byte): mediana %.0f ms su 3\n",
                w->NumeroTiranti, static_cast<long long>(QFile(pdf).size()), stampa);
    return 0;
}
