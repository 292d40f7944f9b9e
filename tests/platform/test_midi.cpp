// The FluidSynth music player: silent and quick when anything is missing,
// and a piece that really sounds.
#include "platform/midi_fluidsynth.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using platform::LettoreFluidSynth;
using platform::OpzioniFluidSynth;

namespace {

const QString kSoundfont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");

QString musica()
{
    return QDir(qEnvironmentVariable("RINSAL_DATA_DIR")).filePath(QStringLiteral("Internet.mid"));
}

// Catches what the libraries write straight to file descriptor 2.
class CatturaErrori {
public:
    explicit CatturaErrori(const QString& file) : file_(file)
    {
        std::fflush(stderr);
        salvato_ = dup(2);
        FILE* f = std::fopen(QFile::encodeName(file).constData(), "w");
        dup2(fileno(f), 2);
        std::fclose(f);
    }
    ~CatturaErrori() { ripristina(); }
    QByteArray testo()
    {
        ripristina();
        QFile f(file_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(illeggibile)");
    }

private:
    void ripristina()
    {
        if (salvato_ >= 0) {
            std::fflush(stderr);
            dup2(salvato_, 2);
            close(salvato_);
            salvato_ = -1;
        }
    }
    QString file_;
    int salvato_ = -1;
};

struct Wav {
    int canali = 0;
    int frequenza = 0;
    std::vector<qint16> campioni;
};

// A 16-bit PCM WAV, or nothing.
std::optional<Wav> leggiWav(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    auto u16 = [&](qsizetype i) { return quint16(quint8(b[i]) | quint8(b[i + 1]) << 8); };
    auto u32 = [&](qsizetype i) { return quint32(u16(i)) | quint32(u16(i + 2)) << 16; };
    Wav w;
    int bit = 0;
    for (qsizetype i = 12; i + 8 <= b.size();) {
        const QByteArray id = b.mid(i, 4);
        const qsizetype n = qMin<qsizetype>(u32(i + 4), b.size() - i - 8);
        if (id == "fmt " && n >= 16) {
            w.canali = u16(i + 10);
            w.frequenza = int(u32(i + 12));
            bit = u16(i + 22);
        } else if (id == "data" && bit == 16) {
            for (qsizetype k = 0; k + 1 < n; k += 2) {
                w.campioni.push_back(qint16(u16(i + 8 + k)));
            }
        }
        i += 8 + n + (n & 1);
    }
    if (w.canali <= 0 || w.frequenza <= 0 || w.campioni.empty()) {
        return std::nullopt;
    }
    return w;
}

} // namespace

class TestMidi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(cartella_.isValid()); }
    void senzaMusicaNienteMessaggiNienteAttesa_data();
    void senzaMusicaNienteMessaggiNienteAttesa();
    void ricercaDelFile();
    void suonaPausaRiprendeChiude();
    void ilBranoSuona();

private:
    QTemporaryDir cartella_;
};

void TestMidi::senzaMusicaNienteMessaggiNienteAttesa_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("soundfont");
    QTest::addColumn<QString>("dispositivo");
    QTest::newRow("file mancante") << QStringLiteral("/non/esiste/Internet.mid")
                                   << QStringList{kSoundfont} << QString();
    // A FIFO with no writer and a device: neither blocks nor floods the player.
    const QString coda = cartella_.filePath(QStringLiteral("coda.mid"));
    QFile::remove(coda);
    QCOMPARE(::mkfifo(QFile::encodeName(coda).constData(), 0600), 0);
    QTest::newRow("coda senza scrittore") << coda << QStringList{kSoundfont} << QString();
    QTest::newRow("dispositivo") << QStringLiteral("/dev/zero") << QStringList{kSoundfont} << QString();
    QTest::newRow("nome vuoto") << QString() << QStringList{kSoundfont} << QString();
    QTest::newRow("soundfont mancante") << musica()
                                        << QStringList{QStringLiteral("/non/esiste.sf2")} << QString();
    QTest::newRow("nessun dispositivo") << musica() << QStringList{kSoundfont}
                                        << QStringLiteral("hw:97,0");
}

void TestMidi::senzaMusicaNienteMessaggiNienteAttesa()
{
    QFETCH(QString, file);
    QFETCH(QStringList, soundfont);
    QFETCH(QString, dispositivo);
    OpzioniFluidSynth o;
    o.soundfont = soundfont;
    if (!dispositivo.isEmpty()) {
        o.driver = QStringLiteral("alsa");
        o.dispositivo = dispositivo;
    }
    CatturaErrori errori(cartella_.filePath(QStringLiteral("stderr.txt")));
    QElapsedTimer t;
    t.start();
    {
        LettoreFluidSynth lettore(o);
        lettore.impostaFile(file);
        lettore.comando(QStringLiteral("open"));
        lettore.comando(QStringLiteral("play"));
        QVERIFY(!lettore.aperto());
        QVERIFY(!lettore.inRiproduzione());
        // Whatever follows on a closed player is harmless.
        lettore.comando(QStringLiteral("pause"));
        lettore.comando(QStringLiteral("rewind"));
        lettore.comando(QStringLiteral("play"));
        lettore.comando(QStringLiteral("close"));
        lettore.comando(QStringLiteral("close"));
    }
    const qint64 ms = t.elapsed();
    const QByteArray scritto = errori.testo();
    QVERIFY2(scritto.isEmpty(), scritto.constData());
    QVERIFY2(ms < 500, qPrintable(QStringLiteral("%1 ms").arg(ms)));
}

void TestMidi::ricercaDelFile()
{
    const QString prima = QDir::currentPath();
    QDir::setCurrent(cartella_.path());
    QCOMPARE(platform::trovaFileMusica(QStringLiteral("Internet.mid")), QString());
    QDir::setCurrent(qEnvironmentVariable("RINSAL_DATA_DIR"));
    QCOMPARE(platform::trovaFileMusica(QStringLiteral("Internet.mid")),
             QFileInfo(musica()).absoluteFilePath());
    QDir::setCurrent(prima);
    QCOMPARE(platform::trovaFileMusica(musica()), QFileInfo(musica()).absoluteFilePath());
    QCOMPARE(platform::trovaFileMusica(QString()), QString());
    QCOMPARE(platform::trovaSoundfont({QStringLiteral("/non/esiste.sf2"), kSoundfont}), kSoundfont);
    QCOMPARE(platform::trovaSoundfont({QStringLiteral("/non/esiste.sf2")}), QString());
}

// The "file" driver stands in for a sound card: it plays in real time into
// a WAV file.
void TestMidi::suonaPausaRiprendeChiude()
{
    OpzioniFluidSynth o;
    o.soundfont = {kSoundfont};
    o.driver = QStringLiteral("file");
    o.fileAudio = cartella_.filePath(QStringLiteral("dal-vivo.wav"));
    CatturaErrori errori(cartella_.filePath(QStringLiteral("stderr2.txt")));
    LettoreFluidSynth lettore(o);
    lettore.impostaFile(musica());
    QElapsedTimer t;
    t.start();
    lettore.comando(QStringLiteral("open"));
    lettore.comando(QStringLiteral("play"));
    QVERIFY2(t.elapsed() < 500, qPrintable(QStringLiteral("%1 ms").arg(t.elapsed())));
    QVERIFY(lettore.aperto());
    QVERIFY(lettore.inRiproduzione());
    QThread::msleep(300);
    lettore.comando(QStringLiteral("PAUSE"));
    QVERIFY(lettore.aperto());
    QVERIFY(!lettore.inRiproduzione());
    lettore.comando(QStringLiteral("open"));   // already open: no restart
    QVERIFY(!lettore.inRiproduzione());
    lettore.comando(QStringLiteral("play"));
    QVERIFY(lettore.inRiproduzione());
    QThread::msleep(300);
    lettore.comando(QStringLiteral("close"));
    QVERIFY(!lettore.aperto());
    lettore.comando(QStringLiteral("play"));
    QVERIFY(!lettore.inRiproduzione());
    const QByteArray scritto = errori.testo();
    QVERIFY2(scritto.isEmpty(), scritto.constData());

    const auto wav = leggiWav(o.fileAudio);
    QVERIFY(wav);
    int picco = 0;
    for (qint16 c : wav->campioni) {
        picco = qMax(picco, qAbs(int(c)));
    }
    QVERIFY2(picco > 1000, qPrintable(QString::number(picco)));
}

void TestMidi::ilBranoSuona()
{
    const QString wavFile = cartella_.filePath(QStringLiteral("brano.wav"));
    QVERIFY(!platform::renderizzaWav(cartella_.filePath(QStringLiteral("manca.mid")), kSoundfont,
                                     wavFile));
    QVERIFY(!platform::renderizzaWav(musica(), QStringLiteral("/non/esiste.sf2"), wavFile));
    QVERIFY(platform::renderizzaWav(musica(), kSoundfont, wavFile));

    const auto wav = leggiWav(wavFile);
    QVERIFY(wav);
    // Peak of every half second, to see where the music is.
    const int blocco = wav->frequenza * wav->canali / 2;
    std::vector<int> picchi;
    for (std::size_t i = 0; i < wav->campioni.size(); i += blocco) {
        int p = 0;
        for (std::size_t k = i; k < qMin(i + blocco, wav->campioni.size()); ++k) {
            p = qMax(p, qAbs(int(wav->campioni[k])));
        }
        picchi.push_back(p);
    }
    int ultimo = -1;
    for (int i = 0; i < int(picchi.size()); ++i) {
        if (picchi[i] > 300) {
            ultimo = i;
        }
    }
    const double durata = (ultimo + 1) / 2.0;
    QVERIFY2(durata >= 10 && durata <= 20, qPrintable(QString::number(durata)));
    // No gap in the music, and loud enough to be heard.
    int massimo = 0;
    for (int i = 0; i <= ultimo; ++i) {
        QVERIFY2(picchi[i] > 300, qPrintable(QStringLiteral("silenzio a %1 s").arg(i / 2.0)));
        massimo = qMax(massimo, picchi[i]);
    }
    QVERIFY(massimo > 4000);
    QVERIFY(massimo < 32000);   // not clipped
}

QTEST_MAIN(TestMidi)
#include "test_midi.moc"
