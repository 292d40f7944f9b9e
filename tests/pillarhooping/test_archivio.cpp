// The pillar-hooping record layout against bytes written by hand.
#include "pillarhooping/archivio.h"

#include <QFile>
#include <QTest>

using namespace modcerpil;

namespace {

const QByteArray kFile =
    "2,2\r\n"
    "\"30\",\"40\",\"300\",\"8\",\"10\",\"12000\",,,,\r\n"
    "\"12,5\",\"40\",\"250\",\"12\",\"\",\"1000\",\"0,2\",,,\"-5\"\r\n";

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private slots:
    void andataERitorno()
    {
        DatiPilastri d;
        const QStringList r1 = {"30", "40", "300", "8", "10", "12000"};
        for (int c = 0; c < r1.size(); ++c) {
            d.colonna(c)[1] = r1[c];
        }
        const QStringList r2 = {"12,5", "40", "250", "12", "", "1000", "0,2"};
        for (int c = 0; c < r2.size(); ++c) {
            d.colonna(c)[2] = r2[c];
        }
        d.colonna(Temp)[2] = "-5";   // hot values typed earlier stay in the file
        d.colonna(Cort)[3] = "99";   // beyond the count: not written
        archivio::ScrittoreRecord w;
        scriviPilastri(w, d, 2, kFreddo);
        QCOMPARE(w.dati(), kFile);

        archivio::LettoreRecord r(kFile);
        DatiPilastri letti;
        letti.colonna(Cort)[3] = "7";
        const Intestazione t = leggiPilastri(r, letti);
        QCOMPARE(t.numero, 2);
        QCOMPARE(t.tipo, kFreddo);
        QVERIFY(r.fineFile());
        for (int c = 0; c < kCampi; ++c) {
            for (int i = 1; i <= 2; ++i) {
                QCOMPARE(letti.valore(c, i), d.valore(c, i));
                QCOMPARE(letti.valore(c, i).isNull(), d.valore(c, i).isNull());
            }
        }
        QCOMPARE(letti.valore(Cort, 3), QString("7"));   // rows after N keep what they held
    }

    void tipoNonScelto()
    {
        DatiPilastri d;
        archivio::ScrittoreRecord w;
        scriviPilastri(w, d, 0, 0);
        QCOMPARE(w.dati(), QByteArray("0,\r\n"));
        archivio::LettoreRecord r(w.dati());
        QCOMPARE(leggiPilastri(r, d).tipo, 0);
    }

    void fileGuasti()
    {
        const QByteArray guasti[] = {
            "",
            "2,3\r\n",
            "101,2\r\n",
            "-1,2\r\n",
            "2,2\r\n\"30\",\"40\",\"300\",\"8\",\"10\",\"12000\",,,,\r\n",   // one row short
            "1,2\r\n\"30\",\"40\",\"300\",\"8\",\"10\",\"12000\",,,,,\r\n",   // one value too many
            "x,2\r\n",
        };
        for (const QByteArray& g : guasti) {
            archivio::LettoreRecord r(g);
            DatiPilastri d;
            QVERIFY_THROWS_EXCEPTION(archivio::ErroreFormato, leggiPilastri(r, d));
        }
    }

    // A last row whose line end was stripped still ends where the file does.
    void ultimaRigaSenzaAcapo()
    {
        archivio::LettoreRecord r(QByteArray("1,2\r\n\"30\",\"40\",\"300\",\"8\",\"10\",\"12000\",,,,"));
        DatiPilastri d;
        QCOMPARE(leggiPilastri(r, d).numero, 1);
        QVERIFY(r.fineFile());
        QCOMPARE(d.valore(5, 1), QString("12000"));
        QVERIFY(d.valore(kCampi - 1, 1).isNull());
    }

    // What the typing rules would never let into a field is left unset, not
    // guessed at, and noted with its line.
    void valoriNonDigitabili()
    {
        archivio::LettoreRecord r(QByteArray("2,2\r\n\"30\",\"nan\",\"inf\",\"8\",\"10\",\"12000\",,,,\r\n"
                                             "\"1e308\",\"1.000,5\",\"-\",\"-3,5\",\"1,2,3\",\"+4\",,,,\r\n"));
        DatiPilastri d;
        QCOMPARE(leggiPilastri(r, d).numero, 2);
        QVERIFY(d.valore(1, 1).isNull());
        QVERIFY(d.valore(2, 1).isNull());
        QCOMPARE(d.valore(3, 1), QString("8"));
        for (int c : {0, 1, 2, 5}) {
            QVERIFY(d.valore(c, 2).isNull());
        }
        QCOMPARE(d.valore(3, 2), QString("-3,5"));
        QCOMPARE(d.valore(4, 2), QString("1,2,3"));   // typable: the calculation finds it is no number
        QCOMPARE(r.scartati().size(), std::size_t(6));
        QCOMPARE(r.scartati()[0].riga, 2);
        QCOMPARE(r.scartati()[0].testo, QString("nan"));
        QCOMPARE(r.scartati()[3].riga, 3);
        QCOMPARE(r.scartati()[3].testo, QString("1.000,5"));
        QCOMPARE(archivio::messaggioScartati("Cerpil-dati-x", {r.scartati()[3]}),
                 QString("Nel file \"Cerpil-dati-x\" alcuni valori non sono numeri e sono stati lasciati vuoti: "
                         "riga 3 (\"1.000,5\").\rLe righe che li contengono sono incomplete finché non si digitano."));
    }

    void esempioDistribuito()
    {
        QFile f(qEnvironmentVariable("RINSAL_DATA_DIR") + "/esempi/Cerpil-dati-esempio");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray byte = f.readAll();
        archivio::LettoreRecord r(byte);
        DatiPilastri d;
        const Intestazione t = leggiPilastri(r, d);
        QVERIFY(r.fineFile());
        QCOMPARE(t.tipo, kFreddo);
        QCOMPARE(ContaPilastri(d), t.numero);
        RisultatiPilastri ris;
        QVERIFY(CalcolaPilastri(d, t.numero, ris));
        archivio::ScrittoreRecord w;
        scriviPilastri(w, d, t.numero, t.tipo);
        QCOMPARE(w.dati(), byte);
    }
};

QTEST_MAIN(TestArchivio)
#include "test_archivio.moc"
