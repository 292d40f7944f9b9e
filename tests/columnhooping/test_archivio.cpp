// The column-hooping record layout against bytes written by hand.
#include "columnhooping/archivio.h"

#include <QTest>

using namespace modcercol;

namespace {

const QByteArray kFile =
    "2,2\r\n"
    "\"20\",\"8\",\"50000\",\"300\",,,,,,,\r\n"
    "\"12,5\",\"10\",\"1000\",\"250\",\"\",\"0,2\",,,,,\"15\"\r\n";

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private slots:
    void andataERitorno()
    {
        DatiCerchiature d;
        d.colonna(Rag)[1] = "20";
        d.colonna(Elic)[1] = "8";
        d.colonna(Car)[1] = "50000";
        d.colonna(Alt)[1] = "300";
        d.colonna(Rag)[2] = "12,5";
        d.colonna(Elic)[2] = "10";
        d.colonna(Car)[2] = "1000";
        d.colonna(Alt)[2] = "250";
        d.colonna(Fes)[2] = "";        // typed, then emptied
        d.colonna(Incr)[2] = "0,2";    // hot values typed earlier stay in the file
        d.colonna(Longh)[2] = "15";
        d.colonna(Rag)[3] = "99";      // beyond the count: not written
        archivio::ScrittoreRecord w;
        scriviCerchiature(w, d, 2, kFreddo);
        QCOMPARE(w.dati(), kFile);

        archivio::LettoreRecord r(kFile);
        DatiCerchiature letti;
        int tipo = 0;
        QCOMPARE(leggiCerchiature(r, letti, tipo), 2);
        QCOMPARE(tipo, kFreddo);
        QVERIFY(r.fineFile());
        for (int c = 0; c < kCampi; ++c) {
            for (int i = 1; i <= 2; ++i) {
                QCOMPARE(letti.valore(c, i), d.valore(c, i));
            }
        }
        QVERIFY(letti.valore(Rag, 3).isNull());
        archivio::ScrittoreRecord ancora;
        scriviCerchiature(ancora, letti, 2, tipo);
        QCOMPARE(ancora.dati(), kFile);
    }

    void fileErrati_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("tipoAtteso");
        QTest::addColumn<QString>("rigaUnoLetta");
        QTest::newRow("tipo 3") << QByteArray("1,3\r\n\"20\",,,,,,,,,,\r\n") << 0 << QString();
        QTest::newRow("tipo vuoto") << QByteArray("1,\r\n\"20\",,,,,,,,,,\r\n") << 0 << QString();
        QTest::newRow("righe mancanti") << QByteArray("2,1\r\n\"20\",,,,,,,,,,\r\n") << 1 << QString("20");
        QTest::newRow("troppe righe") << QByteArray("101,1\r\n") << 0 << QString();
        QTest::newRow("campi in meno") << QByteArray("1,1\r\n\"20\",\"1\"\r\n") << 1 << QString("20");
    }
    void fileErrati()
    {
        QFETCH(QByteArray, dati);
        QFETCH(int, tipoAtteso);
        QFETCH(QString, rigaUnoLetta);
        archivio::LettoreRecord r(dati);
        DatiCerchiature d;
        int tipo = 0;
        QVERIFY_THROWS_EXCEPTION(archivio::ErroreFormato, leggiCerchiature(r, d, tipo));
        QCOMPARE(tipo, tipoAtteso);
        QCOMPARE(d.valore(Rag, 1), rigaUnoLetta);
    }
};

QTEST_MAIN(TestArchivio)
#include "test_archivio.moc"
