// Times what runs at every keystroke: a full tie-rod pass over 100 rows
// (with its 101-line temperature tables), and reading a 100-row data file.
// Prints the median of repeated runs.
#include "shell/archivio.h"
#include "tierods/calcolo.h"

#include <QElapsedTimer>
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
        tempi.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}
} // namespace

int main()
{
    using namespace modtiranti;
    DatiTiranti dati;
    for (int r = 1; r <= 100; ++r) {
        dati.spes[std::size_t(r)] = QString::number(40 + r % 30);
        dati.rag[std::size_t(r)] = QStringLiteral("20");
        dati.car[std::size_t(r)] = QStringLiteral("5");
        dati.coeff[std::size_t(r)] = QStringLiteral("0,75");
        dati.traz[std::size_t(r)] = QStringLiteral("1");
        dati.dist[std::size_t(r)] = QString::number(400 + 5 * r);
        dati.sigmaf[std::size_t(r)] = QStringLiteral("1000");
        dati.deform[std::size_t(r)] = QStringLiteral("1,5");
        dati.pass[std::size_t(r)] = QStringLiteral("2");
    }
    RisultatiTiranti ris;
    const int n = ContaTiranti(dati);
    EsitoCalcolo esito;
    const double calcolo = mediana(201, [&] { esito = CalcolaTiranti(dati, n, ris); });
    std::printf("CalcolaTiranti, %d tiranti completi (esito %s): mediana %.1f us su 201 esecuzioni\n", n,
                esito.fine == FineCalcolo::Completo ? "completo" : "interrotto", calcolo);

    archivio::ScrittoreRecord w;
    w.intero(100);
    w.fineRecord();
    for (int r = 1; r <= 100; ++r) {
        for (int c = 0; c < kCampi; ++c) {
            w.testo(dati.colonna(c)[std::size_t(r)]);
        }
        w.fineRecord();
    }
    const QByteArray file = w.dati();
    const double lettura = mediana(201, [&] {
        archivio::LettoreRecord r(file);
        r.intero(0, 100);
        r.fineRecord();
        for (int i = 1; i <= 100; ++i) {
            for (int c = 0; c < kCampi; ++c) {
                r.testo();
            }
            r.fineRecord();
        }
    });
    std::printf("Lettura di un archivio di 100 tiranti (%lld byte): mediana %.1f us su 201 esecuzioni\n",
                static_cast<long long>(file.size()), lettura);
    return 0;
}
