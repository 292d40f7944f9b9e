// The MCI music player of Windows: silent and quick when anything is missing,
// and the program's commands reach the sequencer in their order.
#include "platform/midi_mci.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using platform::LettoreMci;

namespace {

QString musica()
{
    return QDir(qEnvironmentVariable("RINSAL_DATA_DIR")).filePath(QStringLiteral("Internet.mid"));
}

} // namespace

class TestMidiMci : public QObject {
    Q_OBJECT
private slots:
    void fileMancanteSilenzioso()
    {
        QElapsedTimer t;
        t.start();
        LettoreMci l;
        l.impostaFile(QStringLiteral("C:/non/esiste/Internet.mid"));
        for (const char* c : {"open", "play", "pause", "play", "close"}) {
            l.comando(QLatin1String(c));
            QVERIFY(!l.aperto());
        }
        QCOMPARE(l.stato(), QString());
        QVERIFY(t.elapsed() < 2000);
    }

    // A file that is no MIDI piece (the sequencer refuses it) is silence too.
    void fileNonMidiSilenzioso()
    {
        QTemporaryDir d;
        const QString f = d.filePath(QStringLiteral("non musica.mid"));
        QFile out(f);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("questo non è un brano");
        out.close();
        LettoreMci l;
        l.impostaFile(f);
        l.comando(QStringLiteral("open"));
        l.comando(QStringLiteral("play"));
        QVERIFY(!l.aperto());
        QCOMPARE(l.stato(), QString());
    }

    // Where the system has a sequencer, the piece opens from a folder with
    // spaces and accents, plays, pauses and closes; where it has none, the
    // same commands leave the player closed and quiet.
    void suonaPausaChiudi()
    {
        QTemporaryDir d;
        const QString cartella = d.filePath(QStringLiteral("Programmi con spazi è"));
        QVERIFY(QDir().mkpath(cartella));
        const QString f = QDir(cartella).filePath(QStringLiteral("Internet.mid"));
        QVERIFY(QFile::copy(musica(), f));
        QElapsedTimer t;
        t.start();
        LettoreMci l;
        l.impostaFile(f);
        l.comando(QStringLiteral("play"));        // before "open": nothing
        QVERIFY(!l.aperto());
        l.comando(QStringLiteral(" OPEN "));
        if (!l.aperto()) {
            QCOMPARE(l.stato(), QString());
            QSKIP("nessun sequencer MIDI su questo sistema");
        }
        QCOMPARE(l.stato(), QStringLiteral("stopped"));
        l.comando(QStringLiteral("play"));
        QCOMPARE(l.stato(), QStringLiteral("playing"));
        l.comando(QStringLiteral("pause"));
        QCOMPARE(l.stato(), QStringLiteral("paused"));
        l.comando(QStringLiteral("open"));         // already open: the same piece, still paused
        QCOMPARE(l.stato(), QStringLiteral("paused"));
        l.comando(QStringLiteral("close"));
        QVERIFY(!l.aperto());
        QCOMPARE(l.stato(), QString());
        // Closed, the alias is free again for the next window.
        l.comando(QStringLiteral("open"));
        QVERIFY(l.aperto());
        QVERIFY(t.elapsed() < 5000);
    }
};

QTEST_MAIN(TestMidiMci)
#include "test_midi_mci.moc"
