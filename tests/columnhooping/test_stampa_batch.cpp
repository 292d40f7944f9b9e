// The batch printer on column-hooping files.
#include "support/supporto.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStampaBatch : public QObject {
    Q_OBJECT

    struct Esito {
        int stato;
        QString uscita;
        QString errori;
    };
    static Esito esegui(const QStringList& argomenti)
    {
        QProcess p;
        p.start(QDir(qEnvironmentVariable("RINSAL_BIN_DIR")).filePath("rinsal-stampa"), argomenti);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void esempioDaPrefisso()
    {
        const auto e = esegui({"--testo", "--dati", supporto::fileDati("esempi/Cercol-dati-esempio")});
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.uscita.count("RISULTATI: cerchiatura parallela a caldo n."), 3);
        QCOMPARE(e.uscita.count('\f'), 2);
        QVERIFY(e.uscita.contains("Progetto: Consolidamento del chiostro"));
        // Row 1 is the worked example, recomputed after the Open.
        QVERIFY(e.uscita.contains("-40    19,999   20,003   19,918   20,359  127,92   -0,0204   1802      8485"));
        QVERIFY(e.errori.isEmpty());
    }

    void calcoloEsplicito()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("colonne.txt");
        QFile f(nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1,2\r\n\"20\",\"8\",\"50000\",\"300\",,,,,,,\r\n\"P\",\"\",\"\",\"\",\"\",\"\"\r\n");
        f.close();
        QCOMPARE(esegui({"--testo", nome}).stato, 3);   // no prefix, no calculation
        auto e = esegui({"--testo", "--calcolo", "cercol", nome});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.uscita.contains("RISULTATI CERCHIATURE COLONNE A FREDDO"));
        QVERIFY(e.uscita.contains(" 5010"));
        e = esegui({"--modulo", "--testo", "--calcolo", "cercol", nome});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.uscita.contains("[ ] 1 = cerchiatura parallela a caldo"));
    }

    // The report is refused for this calculation: the tool says so and
    // does not claim success.
    void relazioneRifiutata()
    {
        const auto e = esegui({"--relazione", "--testo", supporto::fileDati("esempi/Cercol-dati-esempio")});
        QCOMPARE(e.stato, 1);
        QVERIFY(e.uscita.isEmpty());
        QVERIFY(e.errori.contains("nessuna stampa prodotta per il file \"Cercol-dati-esempio\""));
    }
};

QTEST_MAIN(TestStampaBatch)
#include "test_stampa_batch.moc"
