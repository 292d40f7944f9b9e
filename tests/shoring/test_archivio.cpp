// Shoring file layout: the example written by hand, the round trip, and
// the records a type leaves out.
#include "shoring/archivio.h"
#include "shoring/calcolo.h"

#include <QTest>
#include <memory>

using namespace modpuntelli;

namespace {
const QByteArray kEsempio =
    "2\r\n"
    "1,1,1,1,1\r\n"
    "3,2,2,1,1\r\n"
    "2,1,3,2,2\r\n"
    "2,2,1,2,2\r\n"
    "1\r\n"
    "\"10000\",\"60\",\"400\",\"30\",\"20\",\"60\",1\r\n"
    "2\r\n"
    "\"5000\",\"70\",\"500\",\"30\",\"20\",\"80\",2\r\n"
    "\"2\",\"200\"\r\n"
    "\"3\",\"250\"\r\n"
    "\"Edificio A\",\"\",\"\",\"\",\"\",\"\"\r\n";

QByteArray scrivi(const Lavoro& l)
{
    archivio::ScrittoreRecord w;
    ScriviPuntelli(w, l);
    return w.dati();
}
} // namespace

class TestArchivio : public QObject {
    Q_OBJECT
private slots:
    void esempio()
    {
        auto l = std::make_unique<Lavoro>();
        archivio::LettoreRecord r(kEsempio);
        LeggiPuntelli(r, *l);
        QCOMPARE(r.testo(), QStringLiteral("Edificio A"));   // the title-page record follows
        QCOMPARE(l->numeroConsolidamenti, 2);
        QCOMPARE(l->cons[1].zona[kSopra].tipologia, 3);
        QCOMPARE(l->cons[2].zona[kSotto].natura, 3);
        QCOMPARE(l->cons[2].zona[kSopra].gravita, 2);
        QCOMPARE(l->cons[1].tipo, 1);
        QCOMPARE(l->cons[1].altpu, QStringLiteral("400"));
        QCOMPARE(l->cons[1].lesioni, 1);
        QCOMPARE(l->cons[2].numeroPuntelli, 2);
        QCOMPARE(l->cons[2].puntelli[2].altdef, QStringLiteral("250"));

        // Written back, byte for byte (without the title-page record).
        QByteArray atteso = kEsempio;
        atteso.chop(QByteArray("\"Edificio A\",\"\",\"\",\"\",\"\",\"\"\r\n").size());
        QCOMPARE(scrivi(*l), atteso);
    }

    void andataERitorno()
    {
        auto l = std::make_unique<Lavoro>();
        l->numeroConsolidamenti = 3;
        for (int c = 1; c <= 3; ++c) {
            l->cons[c].zona[kSotto] = {c, 1, 2, 1, 2};
            l->cons[c].zona[kSopra] = {5, 3, 3, 2, 1};
        }
        Consolidamento& a = l->cons[1];
        a.tipo = 1;
        a.carpu = "12500,5";
        a.ang = "62,25";
        a.altpu = "400";
        a.spessfr = "30";
        a.spessnor = "20";
        a.sigm = "60";
        a.lesioni = 3;
        a.rag = "999";   // not used by type 1: stays in memory, never saved
        Consolidamento& b = l->cons[2];
        b = a;
        b.tipo = 3;
        b.altar = "350";
        b.rag = "200";
        b.carsem = "8000";
        b.carpil = "5000,75";
        Consolidamento& k = l->cons[3];
        k.tipo = 2;
        k.carpu = "5000";
        k.ang = "70";
        k.altpu = "500";
        k.sigm = "80";
        k.numeroPuntelli = 3;
        k.puntelli[1] = {"2", "200"};
        k.puntelli[2] = {"0,5", "250"};
        k.puntelli[3] = {"3", ""};

        const QByteArray dati = scrivi(*l);
        auto letto = std::make_unique<Lavoro>();
        archivio::LettoreRecord r(dati);
        LeggiPuntelli(r, *letto);
        QVERIFY(r.fineFile());
        QCOMPARE(letto->numeroConsolidamenti, 3);
        for (int c = 1; c <= 3; ++c) {
            for (int m = kSotto; m <= kSopra; ++m) {
                for (int g = 2; g <= 6; ++g) QCOMPARE(letto->cons[c].scelta(m, g), l->cons[c].scelta(m, g));
            }
            QCOMPARE(letto->cons[c].tipo, l->cons[c].tipo);
        }
        QCOMPARE(letto->cons[1].carpu, QStringLiteral("12500,5"));
        QCOMPARE(letto->cons[1].ang, QStringLiteral("62,25"));
        QCOMPARE(letto->cons[1].lesioni, 3);
        QVERIFY(letto->cons[1].rag.isEmpty());
        // Type 3 has no load per prop, angle or prop height in its record.
        QCOMPARE(letto->cons[2].carpil, QStringLiteral("5000,75"));
        QVERIFY(letto->cons[2].carpu.isEmpty() && letto->cons[2].ang.isEmpty() && letto->cons[2].altpu.isEmpty());
        QCOMPARE(letto->cons[3].numeroPuntelli, 3);
        QCOMPARE(letto->cons[3].puntelli[2].frec, QStringLiteral("0,5"));
        QVERIFY(letto->cons[3].puntelli[3].altdef.isEmpty());
        QVERIFY(letto->cons[3].spessfr.isNull());   // never set: nothing between the commas
        QVERIFY(dati.contains("\"80\",3\r\n\"2\",\"200\"\r\n\"0,5\",\"250\"\r\n\"3\",\"\"\r\n"));

        // Same results after recalculation.
        Schermo s;
        s.consolidamento = 2;
        s.altar = "350";
        s.sigm = "60";
        l->cons[3].spessfr = letto->cons[3].spessfr = "30";
        l->cons[3].spessnor = letto->cons[3].spessnor = "20";
        l->cons[3].puntelli[3].altdef = letto->cons[3].puntelli[3].altdef = "100";
        for (auto* x : {l.get(), letto.get()}) {
            CalcolaPuntelli(*x, s);
            QCOMPARE(CalcolaPuntelli(*x, s).esito, Esito::Completo);
        }
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(letto->cons[c].ris.latoSezione, l->cons[c].ris.latoSezione);
            QCOMPARE(letto->cons[c].ris.sigmaLavoro, l->cons[c].ris.sigmaLavoro);
        }
    }

    void serieDiventataTipo1PerdeIPuntelli()
    {
        auto l = std::make_unique<Lavoro>();
        l->numeroConsolidamenti = 1;
        l->cons[1].zona[kSotto] = l->cons[1].zona[kSopra] = {1, 1, 1, 1, 1};
        l->cons[1].tipo = 1;
        l->cons[1].numeroPuntelli = 2;
        l->cons[1].puntelli[1] = {"2", "200"};
        l->cons[1].puntelli[2] = {"3", "250"};
        auto letto = std::make_unique<Lavoro>();
        archivio::LettoreRecord r(scrivi(*l));
        LeggiPuntelli(r, *letto);
        QVERIFY(r.fineFile());
        QCOMPARE(letto->cons[1].numeroPuntelli, 0);
        QVERIFY(letto->cons[1].puntelli[1].frec.isEmpty());
    }

    void zeroConsolidamenti()
    {
        auto l = std::make_unique<Lavoro>();
        archivio::LettoreRecord r("0\r\n\"Progetto\",\"\",\"\",\"\",\"\",\"\"\r\n");
        LeggiPuntelli(r, *l);
        QCOMPARE(r.riga(), 2);
        QCOMPARE(l->numeroConsolidamenti, 0);
        QCOMPARE(l->cons[1].zona[kSotto].tipologia, 0);
    }

    void tipoQualsiasiLettoComeTipo1()
    {
        auto l = std::make_unique<Lavoro>();
        archivio::LettoreRecord r("1\r\n1,1,1,1,1\r\n1,1,1,1,1\r\n7\r\n\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",2\r\n");
        LeggiPuntelli(r, *l);
        QVERIFY(r.fineFile());
        QCOMPARE(l->cons[1].tipo, 7);
        QCOMPARE(l->cons[1].lesioni, 2);
        QCOMPARE(l->cons[1].sigm, QStringLiteral("6"));
    }

    void fileMalformato_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("riga");
        QTest::newRow("troppi consolidamenti") << QByteArray("101\r\n") << 1;
        QTest::newRow("zona corta") << QByteArray("1\r\n1,1,1\r\n") << 3;
        QTest::newRow("testo al posto del tipo") << QByteArray("1\r\n1,1,1,1,1\r\n1,1,1,1,1\r\n\"1\"\r\n") << 4;
        QTest::newRow("file troncato") << QByteArray("1\r\n1,1,1,1,1\r\n1,1,1,1,1\r\n2\r\n\"5\",\"7\"") << 5;
        QTest::newRow("troppi puntelli") << QByteArray("1\r\n1,1,1,1,1\r\n1,1,1,1,1\r\n2\r\n,,,,,,101\r\n") << 5;
    }
    void fileMalformato()
    {
        QFETCH(QByteArray, dati);
        auto l = std::make_unique<Lavoro>();
        archivio::LettoreRecord r(dati);
        try {
            LeggiPuntelli(r, *l);
            QFAIL("nessun errore");
        } catch (const archivio::ErroreFormato& e) {
            QTEST(e.riga(), "riga");
        }
    }
};

QTEST_MAIN(TestArchivio)
#include "test_archivio.moc"
