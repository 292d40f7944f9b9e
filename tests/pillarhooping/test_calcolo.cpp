// The cold-helix calculation, the row count and the guidance over plain data.
#include "pillarhooping/calcolo.h"
#include "pillarhooping/testi.h"

#include <QTest>
#include <cmath>

using namespace modcerpil;
namespace T = testi_cerpil;

namespace {

void riga(DatiPilastri& d, int r, const QString& a, const QString& b, const QString& h, const QString& diam,
          const QString& car, const QString& sez = QStringLiteral("10"))
{
    d.colonna(Cort)[std::size_t(r)] = a;
    d.colonna(Lung)[std::size_t(r)] = b;
    d.colonna(Alt)[std::size_t(r)] = h;
    d.colonna(Diam)[std::size_t(r)] = diam;
    d.colonna(Sez)[std::size_t(r)] = sez;
    d.colonna(Car)[std::size_t(r)] = car;
}

} // namespace

class TestCalcolo : public QObject {
    Q_OBJECT
private slots:
    void esempioCompleto()
    {
        DatiPilastri d;
        riga(d, 1, "30", "40", "300", "8", "12000");
        RisultatiPilastri ris;
        QVERIFY(CalcolaPilastri(d, 1, ris));
        QCOMPARE(*ris.valore(Pasel, 1), 6.0);
        QCOMPARE(*ris.valore(Lunel, 1), 7300.0);
        QCOMPARE(*ris.valore(Sezid, 1), 1957.0);
        QCOMPARE(*ris.valore(Tenp, 1), 10.0);
        QCOMPARE(*ris.valore(Tenat, 1), 6.13);
        QVERIFY(!ris.valore(Pasel, 0));
    }

    void passoLimitatoELatiScambiati()
    {
        DatiPilastri d;
        riga(d, 1, "80", "100", "200", "10", "1000");
        // Short side typed as the longer one: the smaller still sets the pitch.
        riga(d, 2, "40", "25,5", "100", "6", "1000");
        RisultatiPilastri ris;
        QVERIFY(CalcolaPilastri(d, 2, ris));
        QCOMPARE(*ris.valore(Pasel, 1), 10.0);
        // Sums are numeric: (200/10)·180·2 + 200.
        QCOMPARE(*ris.valore(Lunel, 1), 7400.0);
        QCOMPARE(*ris.valore(Pasel, 2), 5.0);
        // (100/5)·65,5·2 + 100 = 2720.
        QCOMPARE(*ris.valore(Lunel, 2), 2720.0);
        // 1000/1020 = 0,98039…
        QCOMPARE(*ris.valore(Tenp, 2), 0.98);
    }

    void rigaIncompletaFermaTutto()
    {
        DatiPilastri d;
        riga(d, 1, "30", "40", "300", "8", "12000");
        riga(d, 2, "30", "40", "300", "8", QString());   // load disabled with the hot type
        riga(d, 3, "30", "40", "300", "8", "12000");
        RisultatiPilastri ris;
        ris.colonne[Pasel][3] = 99;   // an earlier result beyond the stop stays
        QVERIFY(!CalcolaPilastri(d, 3, ris));
        QCOMPARE(*ris.valore(Pasel, 1), 6.0);
        QVERIFY(!ris.valore(Pasel, 2));
        QCOMPARE(*ris.valore(Pasel, 3), 99.0);

        // A value reading as zero with the period: "0,5" and "," stop too.
        for (const char* t : {"0,5", "0", ",", "-0,4"}) {
            DatiPilastri z;
            riga(z, 1, "30", "40", "300", t, "12000");
            RisultatiPilastri rz;
            QVERIFY2(!CalcolaPilastri(z, 1, rz), t);
            QVERIFY(!rz.valore(Pasel, 1));
        }
    }

    void passoNulloSenzaDivisioni()
    {
        DatiPilastri d;
        riga(d, 1, "4", "40", "300", "8", "1600");
        riga(d, 2, "30", "40", "300", "8", "12000");
        RisultatiPilastri ris;
        ris.colonne[Lunel][1] = 5;
        QVERIFY(CalcolaPilastri(d, 2, ris));
        QCOMPARE(*ris.valore(Pasel, 1), 0.0);
        QCOMPARE(*ris.valore(Tenp, 1), 10.0);
        QVERIFY(!ris.valore(Lunel, 1));   // an old result must not linger
        QVERIFY(!ris.valore(Sezid, 1));
        QVERIFY(!ris.valore(Tenat, 1));
        QCOMPARE(*ris.valore(Lunel, 2), 7300.0);   // the rows after go on
    }

    void valoriOstili()
    {
        const QString enorme = QString(300, QLatin1Char('9'));
        const std::array<std::array<QString, 5>, 5> casi = {{
            {enorme, enorme, enorme, enorme, enorme},
            {"-30", "40", "300", "8", "12000"},
            {"1", "-1", "300", "8", "12000"},
            {"30", "40", enorme, "8", "12000"},
            {"30", "40", "300", enorme, "1"},
        }};
        for (const auto& c : casi) {
            DatiPilastri d;
            riga(d, 1, c[0], c[1], c[2], c[3], c[4]);
            RisultatiPilastri ris;
            CalcolaPilastri(d, 1, ris);
            for (int k = 0; k < 5; ++k) {
                if (const auto v = ris.valore(k, 1)) {
                    QVERIFY(std::isfinite(*v));
                    QVERIFY(std::fabs(*v) < 1e15);
                }
            }
        }
        DatiPilastri d;
        RisultatiPilastri ris;
        QVERIFY(CalcolaPilastri(d, -5, ris));
        QVERIFY(CalcolaPilastri(d, 0, ris));
        QVERIFY(!CalcolaPilastri(d, 1000, ris));   // row 1 empty
    }

    void conteggio()
    {
        DatiPilastri d;
        QCOMPARE(ContaPilastri(d), 0);
        d.colonna(Cort)[1] = "30";
        d.colonna(Cort)[2] = "12,5";
        d.colonna(Cort)[7] = "0,9";    // reads as 0 with the period
        d.colonna(Cort)[8] = "-3";
        d.colonna(Cort)[100] = "1";
        QCOMPARE(ContaPilastri(d), 3);
        d.colonna(Cort)[1] = "";
        QCOMPARE(ContaPilastri(d), 2);
    }

    void guida()
    {
        DatiPilastri d;
        QCOMPARE(testoGuida(d, 0, 0), T::kGuidaInizio);
        riga(d, 1, "30", "40", "300", "8", QString());
        // Cold (or no type): the load is asked for.
        QCOMPARE(testoGuida(d, kFreddo, 1), T::kGuidaCampi[Car] + " della cerchiatura n. 1");
        QCOMPARE(testoGuida(d, 0, 1), T::kGuidaCampi[Car] + " della cerchiatura n. 1");
        // Hot: cracks, stress, temperature; never the load.
        d.colonna(Fesc)[1] = "1";
        d.colonna(Fesl)[1] = "1";
        d.colonna(Tens)[1] = "5";
        QCOMPARE(testoGuida(d, kCaldo, 1), QString("digitare la temperatura di posa della cerchiatura n. 1"));
        d.colonna(Temp)[1] = "15";
        QCOMPARE(testoGuida(d, kCaldo, 1), T::kGuidaFine);
        // Row order first, then field order; only the counted rows.
        d.colonna(Lung)[2] = "40";
        QCOMPARE(testoGuida(d, kCaldo, 1), T::kGuidaFine);
        QCOMPARE(testoGuida(d, kCaldo, 2), T::kGuidaCampi[Cort] + " della cerchiatura n. 2");
        const auto m = primoMancante(d, kFreddo, 2);
        QVERIFY(m);
        QCOMPARE(m->riga, 1);
        QCOMPARE(m->campo, Car);
    }
};

QTEST_MAIN(TestCalcolo)
#include "test_calcolo.moc"
