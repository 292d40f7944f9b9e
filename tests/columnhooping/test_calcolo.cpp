// The column-hooping calculation over plain data.
#include "columnhooping/calcolo.h"
#include "columnhooping/testi.h"
#include "shell/numeri.h"

#include <QTest>
#include <cmath>

using namespace modcercol;
namespace T = testi_cercol;

namespace {

// rag, elic, car, alt
void fredda(DatiCerchiature& d, int r, const QString& rag, const QString& elic = "8",
            const QString& car = "50000", const QString& alt = "300")
{
    d.colonna(Rag)[r] = rag;
    d.colonna(Elic)[r] = elic;
    d.colonna(Car)[r] = car;
    d.colonna(Alt)[r] = alt;
}

// rag, fes, incr, tens, temp, inter, hcer, longh
void calda(DatiCerchiature& d, int r, const std::array<QString, 8>& v = {"20", "1", "0,2", "20", "300", "30", "5", "15"})
{
    const Campo campi[8] = {Rag, Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
    for (int k = 0; k < 8; ++k) {
        d.colonna(campi[k])[r] = v[std::size_t(k)];
    }
}

double caldo(const RisultatiCerchiature& ris, int c, int r, int t) { return ris.valoreCaldo(c, r, t + 41).value(); }

// Every stored result of every row is finite.
bool tuttiFiniti(const RisultatiCerchiature& ris)
{
    for (int r = 0; r <= kRighe; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (auto v = ris.valoreFreddo(c, r); v && !std::isfinite(*v)) {
                return false;
            }
        }
        for (int c = 0; c < kColonneCaldo; ++c) {
            for (int j = 0; j <= kTemperature; ++j) {
                if (auto v = ris.valoreCaldo(c, r, j); v && !std::isfinite(*v)) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

class TestCalcolo : public QObject {
    Q_OBJECT
private slots:
    void esempioFreddo()
    {
        DatiCerchiature d;
        fredda(d, 1, "20");
        RisultatiCerchiature ris;
        const auto e = CalcolaCerchiature(d, kFreddo, 1, ris);
        QCOMPARE(e.fine, FineCalcolo::Completo);
        QCOMPARE(*ris.valoreFreddo(Pasel, 1), 8.0);
        QCOMPARE(*ris.valoreFreddo(Lunel, 1), 5010.0);
        QCOMPARE(*ris.valoreFreddo(Sezid, 1), 1726.0);
        QCOMPARE(*ris.valoreFreddo(Tenp, 1), 39.8);
        QCOMPARE(*ris.valoreFreddo(Tenat, 1), 28.9);
        QCOMPARE(e.nota.value(), T::kNotaBenEseguito);
        // The cold pass leaves the hot table alone.
        QVERIFY(!ris.valoreCaldo(Raor, 1, 1));
    }

    void esempioCaldo()
    {
        DatiCerchiature d;
        calda(d, 1);
        RisultatiCerchiature ris;
        const auto e = CalcolaCerchiature(d, kCaldo, 1, ris);
        QCOMPARE(e.fine, FineCalcolo::Completo);
        QVERIFY(!e.nota);
        QCOMPARE(caldo(ris, Raor, 1, -40), 19.999);
        QCOMPARE(caldo(ris, Racer, 1, -40), 20.003);
        QCOMPARE(caldo(ris, Rafr, 1, -40), 19.918);
        QCOMPARE(caldo(ris, Ratot, 1, -40), 20.359);
        QCOMPARE(caldo(ris, Circ, 1, -40), 127.92);
        QCOMPARE(caldo(ris, All, 1, -40), -0.0204);
        QCOMPARE(caldo(ris, Tamon, 1, -40), 1802.0);
        QCOMPARE(caldo(ris, Traz, 1, -40), 8485.0);
        QCOMPARE(caldo(ris, Compr, 1, -40), 42.4);
        QCOMPARE(caldo(ris, Spes, 1, -40), 6.0);
        QCOMPARE(caldo(ris, Nlon, 1, -40), 8.0);
        QCOMPARE(caldo(ris, Spa, 1, -40), 10.7);
        QCOMPARE(caldo(ris, Rafr, 1, 20), 19.933);
        QCOMPARE(caldo(ris, All, 1, 20), -0.0157);
        QCOMPARE(caldo(ris, Tamon, 1, 20), 1801.0);
        QCOMPARE(caldo(ris, Traz, 1, 20), 6969.0);
        QCOMPARE(caldo(ris, Compr, 1, 20), 34.8);
        // Every temperature up to 60 °C is filled; the cold results are not.
        QVERIFY(ris.valoreCaldo(Spa, 1, kTemperature));
        QVERIFY(!ris.valoreCaldo(Spa, 1, 0));
        QVERIFY(!ris.valoreFreddo(Pasel, 1));
    }

    void passoEdiNote()
    {
        DatiCerchiature d;
        fredda(d, 1, "40", "12");
        fredda(d, 2, "20", "13");
        RisultatiCerchiature ris;
        auto e = CalcolaCerchiature(d, kFreddo, 2, ris);
        QCOMPARE(*ris.valoreFreddo(Pasel, 1), 10.0);   // 16 limited to 10
        QCOMPARE(e.nota.value(), T::kNotaFi12);         // the last row computed
        e = CalcolaCerchiature(d, kFreddo, 1, ris);
        QCOMPARE(e.nota.value(), T::kNotaBenEseguito);  // fi 12 is still fine
        // Any type other than hot is the cold helix.
        RisultatiCerchiature r0;
        QCOMPARE(CalcolaCerchiature(d, 0, 2, r0).fine, FineCalcolo::Completo);
        QCOMPARE(*r0.valoreFreddo(Pasel, 2), 8.0);
    }

    void arrestoAllaPrimaRigaIncompleta()
    {
        DatiCerchiature d;
        fredda(d, 1, "20");
        fredda(d, 2, "20", "8", QString());
        fredda(d, 3, "30");
        RisultatiCerchiature ris;
        ris.freddo[Pasel][3] = 99;
        auto e = CalcolaCerchiature(d, kFreddo, 3, ris);
        QCOMPARE(e.fine, FineCalcolo::Incompleto);
        QCOMPARE(e.riga, 2);
        QCOMPARE(*ris.valoreFreddo(Pasel, 1), 8.0);
        QVERIFY(!ris.valoreFreddo(Pasel, 2));
        QCOMPARE(*ris.valoreFreddo(Pasel, 3), 99.0);    // untouched
        QCOMPARE(e.nota.value(), T::kNotaBenEseguito); // written by row 1

        // Hot type over rows holding only cold data: row 1 ends the pass.
        e = CalcolaCerchiature(d, kCaldo, 3, ris);
        QCOMPARE(e.fine, FineCalcolo::Incompleto);
        QCOMPARE(e.riga, 1);
        QVERIFY(!e.nota);
    }

    void longheroniOltreLaCirconferenza()
    {
        // Row 1 sets a spacing; row 2 has no bar that fits, and keeps it.
        DatiCerchiature d;
        calda(d, 1);
        calda(d, 2, {"10", "1", "0,2", "20", "300", "30", "5", "100"});
        RisultatiCerchiature ris;
        QCOMPARE(CalcolaCerchiature(d, kCaldo, 2, ris).fine, FineCalcolo::Completo);
        for (int t : {-40, 0, 60}) {
            QCOMPARE(caldo(ris, Nlon, 2, t), 0.0);
            QCOMPARE(caldo(ris, Spa, 2, t), caldo(ris, Spa, 1, 60));
        }
        // Alone, with nothing before it, the spacing is 0.
        DatiCerchiature solo;
        calda(solo, 1, {"10", "1", "0,2", "20", "300", "30", "5", "100"});
        RisultatiCerchiature r2;
        CalcolaCerchiature(solo, kCaldo, 1, r2);
        QCOMPARE(caldo(r2, Spa, 1, 0), 0.0);
    }

    void discriminanteNonPositivo()
    {
        // R 1 with no axial stress, laid at 0 °C: x² − Bx + C has a double
        // root at 0 °C, and the pass stops there silently; the colder
        // temperatures keep what they were given.
        DatiCerchiature d;
        calda(d, 1, {"1", "1", "0,2", "0", "0", "30", "5", "15"});
        calda(d, 2);
        RisultatiCerchiature ris;
        const auto e = CalcolaCerchiature(d, kCaldo, 2, ris);
        QCOMPARE(e.fine, FineCalcolo::Incompleto);
        QCOMPARE(e.riga, 1);
        QVERIFY(e.guida.isEmpty());
        QVERIFY(ris.valoreCaldo(Racer, 1, 40));
        QVERIFY(!ris.valoreCaldo(Racer, 1, 41));
        QVERIFY(!ris.valoreCaldo(Racer, 2, 1));
        QVERIFY(tuttiFiniti(ris));
    }

    void valoriOstili_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("valori");
        // cold: rag, elic, car, alt
        QTest::newRow("raggio sotto 2,5: passo 0") << kFreddo << QStringList{"2", "8", "500", "300"};
        QTest::newRow("raggio minimo") << kFreddo << QStringList{"0,0001", "8", "500", "300"};
        QTest::newRow("carico enorme") << kFreddo << QStringList{"20", "8", "9999999999999999999", "300"};
        QTest::newRow("non numero") << kFreddo << QStringList{"20", "1,2,3", "500", "300"};
        QTest::newRow("segno in mezzo") << kFreddo << QStringList{"20", "8", "5-3", "300"};
        // hot: rag, fes, incr, tens, temp, inter, hcer, longh
        QTest::newRow("altezza cerchio 0") << kCaldo << QStringList{"20", "1", "0,2", "20", "300", "30", "0", "15"};
        QTest::newRow("passo longheroni 0") << kCaldo << QStringList{"20", "1", "0,2", "20", "300", "30", "5", "0"};
        QTest::newRow("tensione -800000") << kCaldo << QStringList{"20", "1", "0,2", "-800000", "300", "30", "5", "15"};
        QTest::newRow("raggio enorme") << kCaldo << QStringList{"99999999999999", "1", "0", "20", "300", "30", "5", "15"};
        QTest::newRow("posa enorme") << kCaldo << QStringList{"20", "1", "0,2", "20", "1" + QString(300, '0'), "30", "5", "15"};
        QTest::newRow("non numero caldo") << kCaldo << QStringList{"20", "-,", "0,2", "20", "300", "30", "5", "15"};
    }
    void valoriOstili()
    {
        QFETCH(int, tipo);
        QFETCH(QStringList, valori);
        DatiCerchiature d;
        const std::vector<Campo> campi = tipo == kFreddo
                                             ? std::vector<Campo>{Rag, Elic, Car, Alt}
                                             : std::vector<Campo>{Rag, Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
        for (std::size_t k = 0; k < campi.size(); ++k) {
            d.colonna(campi[k])[1] = valori[int(k)];
        }
        if (tipo == kFreddo) {
            fredda(d, 2, "20");
        } else {
            calda(d, 2);
        }
        RisultatiCerchiature ris;
        const auto e = CalcolaCerchiature(d, tipo, 2, ris);
        QVERIFY(tuttiFiniti(ris));
        QCOMPARE(e.fine, FineCalcolo::Impossibile);
        QCOMPARE(e.riga, 1);
        QCOMPARE(e.guida, "Cerchiatura n. 1" + T::kGuidaImpossibile);
        // The row after the faulty one is not reached.
        QVERIFY(!ris.valoreFreddo(Pasel, 2));
        QVERIFY(!ris.valoreCaldo(Raor, 2, 1));
    }

    void conteggio()
    {
        DatiCerchiature d;
        QCOMPARE(ContaCerchiature(d), 0);
        d.colonna(Rag)[3] = "20";
        d.colonna(Rag)[100] = "0,5";
        d.colonna(Rag)[7] = "0";
        d.colonna(Rag)[8] = "-5";
        d.colonna(Rag)[9] = "1,2,3";
        d.colonna(Rag)[10] = "";
        QCOMPARE(ContaCerchiature(d), 2);
    }

    void guidaEControllo()
    {
        DatiCerchiature d;
        QCOMPARE(testoGuida(d, kFreddo, 0, 1), T::kGuidaInizio);
        d.colonna(Rag)[1] = "20";
        d.colonna(Rag)[2] = "20";
        // The guide asks hot rows for nothing beyond the radius; the check
        // wants every value the hot pass reads.
        QCOMPARE(testoGuida(d, kCaldo, 2, 2), T::kGuidaFine);
        QCOMPARE(primoMancante(d, kCaldo, 2)->campo, Fes);
        QCOMPARE(testoGuida(d, kFreddo, 2, 2),
                 "Cerchiatura n. 2: digitare il diametro del tondino dell'elica (si consiglia un valore compreso tra mm.6 e cm.10)");
        QCOMPARE(testoGuida(d, kFreddo, 2, 3), QString("Cerchiatura n. 3: digitare il raggio della colonna"));
        fredda(d, 1, "20");
        d.colonna(Elic)[2] = "8";
        QCOMPARE(testoGuida(d, kFreddo, 2, 2), QString("Cerchiatura n. 2: digitare il carico gravante sulla colonna"));
        d.colonna(Car)[2] = "100";
        QCOMPARE(testoGuida(d, kFreddo, 2, 2), QString("Cerchiatura n. 2: digitare l'altezza dlla colonna"));
        const auto m = primoMancante(d, kFreddo, 2);
        QVERIFY(m);
        QCOMPARE(m->riga, 2);
        QCOMPARE(m->campo, Alt);
        // A gap among the counted rows is a missing radius.
        DatiCerchiature g;
        g.colonna(Rag)[2] = "20";
        const auto mg = primoMancante(g, kCaldo, 1);
        QVERIFY(mg);
        QCOMPARE(mg->riga, 1);
        QCOMPARE(mg->campo, Rag);
        QCOMPARE(numeri::stampa(-3), QString("-3"));
    }
};

QTEST_MAIN(TestCalcolo)
#include "test_calcolo.moc"
