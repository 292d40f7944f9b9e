// The batch printer on stitching files.
#include "support/supporto.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestStampaBatchCuciture : public QObject {
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
    void listaDellEsempio()
    {
        const auto e = esegui({"--testo", "--dati", supporto::fileDati("esempi/Cuciture-dati-esempio")});
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.uscita.count("RISULTATI: cucitura n."), 3);
        QCOMPARE(e.uscita.count('\f'), 2);
        QVERIFY(e.uscita.contains("Progetto: Consolidamento dei piedritti di palazzo Bellini"));
        // Recomputed after the Open: pier 1, short side at -40 °C.
        QVERIFY(e.uscita.contains("          -40     1    29,799    29,902    29,78    0,098     575     8235     4,31"
                                  "    83,18       1       6\n"));
    }

    void calcoloDaOpzioneEFileRotto()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("pilastri");
        QFile f(nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1,2\r\n\"30\",\"60\",\"300\",\"12\",\"20\",\"18000\",,,,,,\r\n\"P\",\"\",\"\",\"\",\"\",\"\"\r\n");
        f.close();
        auto e = esegui({"--testo", "--calcolo", "cuciture", nome});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.uscita.contains("    18000     1000    10       45000     40       23\n"));

        const QString rotto = dir.filePath("Cuciture-dati-rotto");
        QFile g(rotto);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write("2,1\r\n\"30\"\r\n");
        g.close();
        e = esegui({"--testo", rotto});
        QCOMPARE(e.stato, 3);
        QVERIFY(e.errori.contains("Cuciture-dati-rotto"));
        QVERIFY(e.uscita.isEmpty());
    }
};

QTEST_MAIN(TestStampaBatchCuciture)
#include "test_stampa_batch.moc"
