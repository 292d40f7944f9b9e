// The batch printer on tie-rod files.
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
    void listaDellEsempio()
    {
        const auto e = esegui({"--testo", "--dati", supporto::fileDati("esempi/Tiranti-dati-esempio")});
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.uscita.count("RISULTATI: tirante n."), 3);
        QCOMPARE(e.uscita.count('\f'), 2);
        QVERIFY(e.uscita.contains("Progetto: Consolidamento di palazzo Bellini"));
        // The worked example, recomputed after the Open.
        QVERIFY(e.uscita.contains("            7065     16875      3532      2,1      5997       2,2\n"));
    }

    void modulo()
    {
        const auto e = esegui({"--modulo", "--testo", supporto::fileDati("esempi/Tiranti-dati-esempio")});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.uscita.contains("MODULO PER L'ACQUISIZIONE DEI DATI"));
    }

    void fileRottoEUsoErrato()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Tiranti-dati-rotto");
        QFile f(nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("2\r\n\"50\",\"20\",\"5\",\"0,75\",\"1\",\"600\",\"1000\",\"1,5\",\"2\"\r\n");
        f.close();
        auto e = esegui({"--testo", nome});
        QCOMPARE(e.stato, 3);
        QVERIFY(e.errori.contains("\"Tiranti-dati-rotto\" alla riga 3"));
        QVERIFY(e.uscita.isEmpty());

        e = esegui({"--testo", dir.filePath("Tiranti-dati-assente")});
        QCOMPARE(e.stato, 3);
        QVERIFY(e.errori.contains("Tiranti-dati-assente"));

        QCOMPARE(esegui({"--testo"}).stato, 2);
        QCOMPARE(esegui({"--testo", "-o", "x.pdf", nome}).stato, 2);
    }

    void pdf()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath("tiranti.pdf");
        const auto e = esegui({"--dati", "-o", out, supporto::fileDati("esempi/Tiranti-dati-esempio")});
        QCOMPARE(e.stato, 0);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        QVERIFY(e.errori.contains(out));
    }
};

QTEST_MAIN(TestStampaBatch)
#include "test_stampa_batch.moc"
