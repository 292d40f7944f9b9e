// The batch printer on tie-rod files, its exit statuses (the truth about
// what it wrote, on every kind of failure) and the pillar-hooping listing.
#include "support/supporto.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QTest>

class TestStampaBatch : public QObject {
    Q_OBJECT

    struct Esito {
        int stato;
        QString uscita;
        QString errori;
    };
    static QString programma() { return QDir(qEnvironmentVariable("RINSAL_BIN_DIR")).filePath("rinsal-stampa"); }
    static Esito esegui(const QStringList& argomenti)
    {
        QProcess p;
        p.start(programma(), argomenti);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    // Through the shell, for a size limit or a redirection.
    static Esito conShell(const QString& comando)
    {
        QProcess p;
        p.start("/bin/sh", {"-c", comando.arg(programma())});
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    static void scrivi(const QString& nome, const QByteArray& dati)
    {
        QFile f(nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(dati), dati.size());
    }
    static QByteArray leggi(const QString& nome)
    {
        QFile f(nome);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

    void aiutoEVersione()
    {
        auto e = esegui({"--help"});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.errori.isEmpty());
        for (const char* stato : {"Esito: 0 ", "       1 ", "       2 ", "       3 ", "       4 "}) {
            QVERIFY2(e.uscita.contains(stato), stato);
        }
        e = esegui({"--version"});
        QCOMPARE(e.stato, 0);
        QCOMPARE(e.uscita, QString("rinsal-stampa 3.04.05\n"));
        e = esegui({"--sconosciuta", "x"});
        QCOMPARE(e.stato, 2);
        QVERIFY(e.uscita.isEmpty());
        QVERIFY(e.errori.contains("Esito: 0 "));
    }

    // What was written is whole, or the status says it is not.
    void esitiVeritieri()
    {
        QTemporaryDir dir;
        const QString esempio = supporto::fileDati("esempi/Tiranti-dati-esempio");
        // A PDF target that is no plain file, or a folder that cannot hold it.
#ifdef Q_OS_WIN
        const QStringList bersagli{dir.path(), dir.filePath("manca/x.pdf")};
#else
        const QStringList bersagli{QString("/dev/full"), dir.path(), dir.filePath("manca/x.pdf")};
#endif
        for (const QString& bersaglio : bersagli) {
            const auto e = esegui({"-o", bersaglio, esempio});
            QCOMPARE(e.stato, 4);
            QVERIFY2(e.errori.contains("impossibile scrivere il file PDF \"" + bersaglio + "\""), qPrintable(e.errori));
        }
        // A disk that takes only a few kilobytes: the old PDF stays byte for byte.
        const QString vecchio = dir.filePath("vecchio.pdf");
        scrivi(vecchio, "%PDF-1.4 vecchio\n%%EOF\n");
        Esito e;
#ifndef Q_OS_WIN
        e = conShell("trap '' XFSZ; ulimit -f 4; exec %1 -o " + vecchio + " " +
                          supporto::fileDati("esempi/Cuciture-dati-esempio"));
        QCOMPARE(e.stato, 4);
        QVERIFY(e.errori.contains("vecchio.pdf"));
        QCOMPARE(leggi(vecchio), QByteArray("%PDF-1.4 vecchio\n%%EOF\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vecchio.pdf"});
#endif
        // A whole one replaces it.
        e = esegui({"-o", vecchio, esempio});
        QCOMPARE(e.stato, 0);
        QVERIFY(leggi(vecchio).startsWith("%PDF-"));
        QVERIFY(leggi(vecchio).trimmed().endsWith("%%EOF"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vecchio.pdf"});
#ifndef Q_OS_WIN
        // Standard output that refuses the text.
        e = conShell("exec %1 --testo " + esempio + " > /dev/full");
        QCOMPARE(e.stato, 4);
        QVERIFY(e.errori.contains("uscita standard"));
#endif

        // A listing with nothing on it: the only tie rod has a negative thickness.
        const QString negativo = dir.filePath("Tiranti-dati-negativo");
        scrivi(negativo, "1\r\n\"-7\",\"20\",\"5\",\"0,75\",\"1\",\"600\",\"1000\",\"1,5\",\"2\"\r\n"
                         "\"p\",\"\",\"\",\"\",\"\",\"\"\r\n");
        e = esegui({"--testo", negativo});
        QCOMPARE(e.stato, 1);
        QVERIFY(e.errori.contains("nulla da stampare"));
        // A shoring listing that stops at a zone value with no caption.
        QByteArray puntelli = leggi(supporto::fileDati("esempi/Puntelli-dati-esempio-1"));
        QVERIFY(puntelli.contains("\r\n3,2,2,1,1\r\n"));
        puntelli.replace("\r\n3,2,2,1,1\r\n", "\r\n3,9,2,1,1\r\n");
        const QString nove = dir.filePath("Puntelli-dati-nove");
        scrivi(nove, puntelli);
        e = esegui({"--testo", nove});
        QCOMPARE(e.stato, 4);
        QVERIFY(e.errori.contains("stampa interrotta"));
        QVERIFY(e.uscita.contains("Consolidamento n. 1"));
        e = esegui({"-o", dir.filePath("nove.pdf"), nove});
        QCOMPARE(e.stato, 4);
        QVERIFY(!QFile::exists(dir.filePath("nove.pdf")));

        // A NUL inside a title-page text ends neither the printout nor a message.
        QByteArray conNul = leggi(esempio);
        conNul.replace("palazzo Bellini", QByteArray("palazzo\0Bellini", 15));
        const QString nul = dir.filePath("Tiranti-dati-nul");
        scrivi(nul, conNul);
        e = esegui({"--testo", nul});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.uscita.contains("Progetto: Consolidamento di palazzoBellini"));
        QCOMPARE(e.uscita.count("RISULTATI: tirante n."), 3);
        QVERIFY(!e.uscita.contains(QChar(0)));

        // A FIFO with no writer and a device are refused at once, by name
        // (a folder on Windows, which has neither under ordinary names).
#ifdef Q_OS_WIN
        const QString cartella = dir.filePath("Tiranti-dati-cartella");
        QVERIFY(QDir().mkdir(cartella));
        const QStringList strani{cartella};
#else
        const QString coda = dir.filePath("Tiranti-dati-coda");
        QCOMPARE(QProcess::execute("mkfifo", {coda}), 0);
        const QStringList strani{coda, QString("/dev/zero")};
#endif
        for (const QString& strano : strani) {
            QElapsedTimer t;
            t.start();
            e = esegui({"--testo", "--calcolo", "tiranti", strano});
            QVERIFY(t.elapsed() < 10000);
            QCOMPARE(e.stato, 3);
            QVERIFY2(e.errori.contains("\"" + QFileInfo(strano).fileName() + "\": non è un file ordinario"),
                     qPrintable(e.errori));
        }
    }

    // Pillar hooping: the cold-helix data and results, one row per pillar.
    void pilastri()
    {
        const QString esempio = supporto::fileDati("esempi/Cerpil-dati-esempio");
        auto e = esegui({"--testo", esempio});
        QCOMPARE(e.stato, 0);
        QVERIFY(e.uscita.contains("RISULTATI CERCHIATURE PILASTRI A FREDDO"));
        QVERIFY2(e.uscita.contains("             1     30     40     300     8     10    12000      6    7300    1957     10       6,13\n"),
                 qPrintable(e.uscita));
        QVERIFY(e.uscita.contains("\n             3     25"));
        QCOMPARE(esegui({"--testo", "--calcolo", "cerpil", esempio}).stato, 0);
        for (const char* modo : {"--modulo", "--relazione"}) {
            e = esegui({modo, "--testo", esempio});
            QCOMPARE(e.stato, 2);
            QVERIFY(e.errori.contains(QString(modo) + " non è disponibile"));
        }
        QTemporaryDir dir;
        const QString caldo = dir.filePath("Cerpil-dati-caldo");
        QByteArray b = leggi(esempio);
        QVERIFY(b.startsWith("3,2\r\n"));
        scrivi(caldo, "3,1" + b.mid(3));
        e = esegui({"--testo", caldo});
        QCOMPARE(e.stato, 1);
        QVERIFY(e.errori.contains("a caldo"));
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
