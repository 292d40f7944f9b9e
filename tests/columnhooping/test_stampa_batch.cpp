// The batch printer on column-hooping files.
#include "report/testi_relazione.h"
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

    // The complete report of both samples: title page, chapters of the
    // type, the listing without its title, each ring's charts on its own
    // page; every page after the title page carries its number.
    void relazione_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("capitolo");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<int>("numeroPagine");
        QTest::newRow("caldo") << "esempi/Cercol-dati-esempio" << testi_relazione::kCerchiCriteri[0]
                               << "RISULTATI: cerchiatura parallela a caldo n." << 6;
        QTest::newRow("freddo") << "esempi/Cercol-dati-esempio-freddo" << testi_relazione::kElicaCriteri[0]
                                << "RISULTATI CERCHIATURE COLONNE A FREDDO" << 4;
    }
    void relazione()
    {
        QFETCH(QString, file);
        QFETCH(QString, capitolo);
        QFETCH(QString, intestazione);
        QFETCH(int, numeroPagine);
        const auto e = esegui({"--relazione", "--testo", supporto::fileDati(file)});
        QCOMPARE(e.stato, 0);
        const QStringList pagine = e.uscita.split(QLatin1Char('\f'));
        QCOMPARE(pagine.size(), numeroPagine);
        QVERIFY(pagine[0].contains("RELAZIONE DI CALCOLO"));
        QVERIFY(pagine[1].contains(capitolo));
        QVERIFY(pagine[1].trimmed().endsWith("pagina 2"));
        QVERIFY(pagine[2].trimmed().endsWith("pagina 3"));
        QVERIFY(pagine[3].contains(intestazione));
        for (int k = 1; k < pagine.size(); ++k) QVERIFY(pagine[k].contains(QStringLiteral("pagina %1").arg(k + 1)));
        QVERIFY(!e.uscita.contains("RINSAL - calcoli di consolidamenti"));
        // The charts' labels are no print lines.
        QVERIFY(!e.uscita.contains("temperatura ambiente (gradi)"));
    }
};

QTEST_MAIN(TestStampaBatch)
#include "test_stampa_batch.moc"
