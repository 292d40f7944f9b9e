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
