// Open, Save as, reopen, Save as again, through each window's real commands,
// over every sample file and a few hundred files made from them (1 to 100
// rows, every calculation type, values from tiny to large with many
// decimals): the second save equals the first byte for byte, the first save
// equals the file opened, and the listing (data and results) is the same
// after the reopen.
#include "report/frontespizio.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/numeri.h"
#include "support/supporto.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Caso {
    int tipo;
    QString nome;
    QByteArray dati;
};

QByteArray leggi(const QString& p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int tipoDaNome(const QString& nome)
{
    static const std::pair<const char*, int> kPrefissi[] = {
        {"Puntelli-", 1}, {"Tiranti-", 2}, {"Cercol-", 3}, {"Cerpil-", 4}, {"Cuciture-", 5}};
    for (const auto& [p, t] : kPrefissi) {
        if (nome.startsWith(QLatin1String(p))) {
            return t;
        }
    }
    return 0;
}

// A quoted number scaled and cut to a few decimals, as a user could type it;
// zeros stay zeros, texts stay texts.
QByteArray varia(const QByteArray& campo, QRandomGenerator& g, bool primo = false, bool poco = false)
{
    if (campo.size() < 3 || !campo.startsWith('"') || !campo.endsWith('"')) {
        return campo;
    }
    const auto v = numeri::daTesto(QString::fromLatin1(campo.mid(1, campo.size() - 2)));
    if (!v || *v <= 0) {
        return campo;
    }
    static const double kFattori[] = {0.001, 0.1, 0.5, 0.9, 1, 1.1, 1.7, 3, 250};
    // A row is counted while its first value reads (period, leading number)
    // above 0: that one never goes below 1.
    // Shoring values move a little, so that the geometry stays possible.
    const double f = primo  ? 1 + g.bounded(5)
                     : poco ? 0.9 + 0.05 * g.bounded(5)
                            : kFattori[g.bounded(int(std::size(kFattori)))];
    const int decimali = g.bounded(7);
    const QString t = numeri::testo(numeri::tronca(*v * f, decimali));
    if (t.isEmpty() || t == QLatin1String("0")) {
        return campo;
    }
    return '"' + t.toLatin1() + '"';
}

// A file made from a sample: its rows repeated up to `righe`, each value varied.
QByteArray genera(const QByteArray& esempio, int tipo, int righe, QRandomGenerator& g)
{
    QList<QByteArray> linee = esempio.split('\n');
    for (QByteArray& l : linee) {
        if (l.endsWith('\r')) {
            l.chop(1);
        }
    }
    while (!linee.isEmpty() && linee.back().isEmpty()) {
        linee.removeLast();
    }
    QByteArray out;
    if (tipo == 1) {
        // Shoring has no rows to repeat: every number of the file varies.
        for (int i = 0; i < linee.size(); ++i) {
            QList<QByteArray> campi = linee[i].split(',');
            if (i + 1 < linee.size()) {
                for (QByteArray& c : campi) {
                    c = varia(c, g, false, true);
                }
            }
            out += campi.join(',') + "\r\n";
        }
        return out;
    }
    QList<QByteArray> testa = linee[0].split(',');
    const int n = testa[0].toInt();
    testa[0] = QByteArray::number(righe);
    out += testa.join(',') + "\r\n";
    for (int r = 0; r < righe; ++r) {
        QList<QByteArray> campi = linee[1 + r % n].split(',');
        for (int i = 0; i < campi.size(); ++i) {
            campi[i] = varia(campi[i], g, i == 0);
        }
        out += campi.join(',') + "\r\n";
    }
    for (int i = 1 + n; i < linee.size(); ++i) {
        out += linee[i] + "\r\n";
    }
    return out;
}

std::vector<Caso> casi()
{
    std::vector<Caso> out;
    const QDir esempi(supporto::fileDati(QStringLiteral("esempi")));
    QRandomGenerator g(20111228);
    for (const QString& nome : esempi.entryList(QDir::Files, QDir::Name)) {
        const int tipo = tipoDaNome(nome);
        const QByteArray esempio = leggi(esempi.filePath(nome));
        out.push_back({tipo, nome, esempio});
        // The hot rows of column hooping and stitching recompute a hundred
        // temperatures at every field change: fewer rows keep the test short.
        const bool caldo = (tipo == 3 || tipo == 5) && !nome.endsWith(QLatin1String("freddo"));
        const int massimo = caldo ? 8 : 100;
        const int quanti = tipo == 1 ? 25 : 24;
        for (int k = 0; k < quanti; ++k) {
            // One file at the most rows, the others short or middling: the
            // suite also runs under the sanitizers.
            const int righe = k == 0 ? massimo : 1 + g.bounded(k < quanti / 2 ? std::min(massimo, 10) : std::min(massimo, 40));
            out.push_back({tipo, nome + QStringLiteral("-%1").arg(k), genera(esempio, tipo, righe, g)});
        }
    }
    return out;
}

} // namespace

class TestAndataRitorno : public QObject {
    Q_OBJECT

    platform::Scena scena_{};

    FinestraCalcolo* apri(int tipo, const QString& file)
    {
        for (int i = 0; i < int(IdFinestra::Conteggio); ++i) {
            finestre::chiudi(IdFinestra(i));
        }
        scena_ = supporto::prepara();
        FinestraCalcolo* w = finestraDelCalcolo(tipo);
        scena_.file->risposte = {file};
        w->apri_click();
        return w;
    }

    QString lista(int tipo, FinestraCalcolo* w)
    {
        const std::size_t prima = scena_.stampa->lavori.size();
        w->stampaSola();
        (void)tipo;
        return scena_.stampa->lavori.size() > prima ? scena_.stampa->lavori.back()->testo() : QString();
    }

    // The first message with a critical icon, or nothing.
    QString critico() const
    {
        for (const auto& m : scena_.messaggi->visti) {
            if (m.icona == platform::Icona::Critica) {
                return m.testo;
            }
        }
        return QString();
    }

private slots:
    void cleanup() { supporto::chiudiTutte(); }

    void apriSalvaRiapri()
    {
        QTemporaryDir dir;
        int provati = 0;
        for (const Caso& c : casi()) {
            const QString prefisso = c.nome.left(c.nome.indexOf(QLatin1String("-dati-")) + 6);
            const QString origine = dir.filePath(c.nome);
            const QString primo = dir.filePath(prefisso + QStringLiteral("primo"));
            const QString secondo = dir.filePath(prefisso + QStringLiteral("secondo"));
            {
                QFile f(origine);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(c.dati);
            }
            FinestraCalcolo* w = apri(c.tipo, origine);
            QVERIFY2(critico().isEmpty() && w->fileCorrente() == origine, qPrintable(c.nome + QLatin1Char(' ') + critico()));
            const QString listaPrima = lista(c.tipo, w);
            QVERIFY2(!listaPrima.isEmpty(), qPrintable(c.nome));
            scena_.file->risposte = {primo};
            w->salvanome_click();
            QVERIFY2(critico().isEmpty() && QFile::exists(primo), qPrintable(c.nome + QLatin1Char(' ') + critico()));
            // The stitching file adds the stresses and tie counts set on the
            // results after the records it was read from.
            const bool aggiunte = prefisso == QLatin1String("Cuciture-dati-");
            QVERIFY2(aggiunte ? leggi(primo).startsWith(c.dati) : leggi(primo) == c.dati,
                     qPrintable(c.nome + QLatin1Char('\n') + leggi(primo)));

            w = apri(c.tipo, primo);
            QVERIFY2(critico().isEmpty(), qPrintable(c.nome + QLatin1Char(' ') + critico()));
            const QString listaDopo = lista(c.tipo, w);
            QVERIFY2(listaDopo == listaPrima, qPrintable(c.nome));
            scena_.file->risposte = {secondo};
            w->salvanome_click();
            QVERIFY2(leggi(secondo) == leggi(primo), qPrintable(c.nome));
            QFile::remove(origine);
            QFile::remove(primo);
            QFile::remove(secondo);
            ++provati;
        }
        QVERIFY(provati > 200);
    }
};

QTEST_MAIN(TestAndataRitorno)
#include "test_andataritorno.moc"
