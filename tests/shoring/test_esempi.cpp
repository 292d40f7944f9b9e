// The shoring sample files open, compute and print through the batch printer.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestEsempi : public QObject {
    Q_OBJECT
private slots:
    void elenco_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("lato");
        QTest::newRow("tipo 1") << 1 << "puntello per dissesti combinati" << "compl.      c1";
        QTest::newRow("tipo 2") << 2 << "sistema di puntelli per muri presso-inflessi" << "puntello     frec.";
        QTest::newRow("tipo 3") << 3 << "puntello + nucleo murario per angolate con archi" << "compl.     scorr.";
    }
    void elenco()
    {
        QFETCH(int, n);
        QFETCH(QString, tipo);
        QFETCH(QString, lato);
        QProcess p;
        p.start(QDir(qEnvironmentVariable("RINSAL_BIN_DIR")).filePath("rinsal-stampa"),
                {"--testo", "--dati",
                 QDir(qEnvironmentVariable("RINSAL_DATA_DIR")).filePath(QString("esempi/Puntelli-dati-esempio-%1").arg(n))});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(!err.contains("controllo dati"), qPrintable(err));   // no message raised
        QVERIFY(out.contains("Consolidamento n. 1 : " + tipo) || out.contains("Consolidamento n. 1 :  " + tipo));
        QVERIFY(out.contains(lato));
        QVERIFY(!out.contains(QRegularExpression("\\b(nan|inf)\\b")));
    }
};

QTEST_MAIN(TestEsempi)
#include "test_esempi.moc"
