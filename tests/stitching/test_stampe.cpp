// The stitching file layout and printouts through the text printer.
#include "platform/stampante_testo.h"
#include "shell/archivio.h"
#include "stitching/archivio.h"
#include "stitching/calcolo.h"
#include "stitching/stampe.h"
#include "stitching/testi.h"
#include "support/supporto.h"

#include <QTest>

using namespace modcuciture;
using platform::StampanteTesto;
namespace T = testi_cuciture;

namespace {

void caldo(DatiCuciture& d, int r)
{
    const char* v[kCampi] = {"30", "40", "300", "10", "50", nullptr, "0,5", "0,6", "5", "20", "50", "5"};
    for (int c = 0; c < kCampi; ++c) {
        d.colonna(c)[std::size_t(r)] = v[c] ? QString::fromLatin1(v[c]) : QString();
    }
}

void freddo(DatiCuciture& d, int r)
{
    const char* v[6] = {"30", "60", "300", "12", "20", "18000"};
    for (int c = 0; c < 6; ++c) {
        d.colonna(c)[std::size_t(r)] = QString::fromLatin1(v[c]);
    }
}

QString alle(const QString& riga, int colonna, int n) { return riga.mid(colonna - 1, n); }

int trova(const StampanteTesto& p, const QString& inizio, int da = 0)
{
    const auto& r = p.righe();
    for (int i = da; i < int(r.size()); ++i) {
        if (r[std::size_t(i)].testo.trimmed().startsWith(inizio)) {
            return i;
        }
    }
    return -1;
}

int conta(const StampanteTesto& p, const QString& inizio)
{
    int n = 0;
    for (int i = trova(p, inizio); i >= 0; i = trova(p, inizio, i + 1)) {
        ++n;
    }
    return n;
}

} // namespace

class TestStampeCuciture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { supporto::prepara(); }

    void fileFreddo()
    {
        DatiCuciture d;
        freddo(d, 1);
        d.colonna(Cort)[2] = QStringLiteral("5");   // beyond the count: not written
        archivio::ScrittoreRecord w;
        scriviCuciture(w, d, 1, kFreddo);
        const QByteArray atteso = "1,2\r\n\"30\",\"60\",\"300\",\"12\",\"20\",\"18000\",,,,,,\r\n";
        QCOMPARE(w.dati(), atteso);
    }

    void fileCaldoAndataRitorno()
    {
        // Written by hand: three hot rows, one with a decimal comma and an
        // emptied value, then the title page.
        const QByteArray file =
            "3,1\r\n"
            "\"30\",\"40\",\"300\",\"10\",\"50\",,\"0,5\",\"0,6\",\"5\",\"20\",\"50\",\"5\"\r\n"
            "\"35\",\"45\",\"280\",\"12\",\"40\",,\"1\",\"1,2\",\"4\",\"-5\",\"40\",\"6\"\r\n"
            "\"25\",\"\",\"250\",\"8\",\"30\",\"\",\"0\",\"0\",\"3\",\"15\",\"30\",\"4\"\r\n"
            "\"Casa Bianchi\",\"Città\",\"Rossi\",\"Via Roma\",\"1 marzo\",\"2\"\r\n";
        archivio::LettoreRecord r(file);
        DatiCuciture d;
        const Intestazione t = leggiCuciture(r, d);
        QCOMPARE(t.numero, 3);
        QCOMPARE(t.tipo, kCaldo);
        QCOMPARE(d.valore(Fesl, 2), QString("1,2"));
        QVERIFY(d.valore(Car, 1).isNull());
        QVERIFY(!d.valore(Lung, 3).isNull() && d.valore(Lung, 3).isEmpty());
        QStringList frontespizio;
        for (int k = 0; k < 6; ++k) {
            frontespizio << r.testo();
        }
        r.fineRecord();
        QVERIFY(r.fineFile());

        archivio::ScrittoreRecord w;
        scriviCuciture(w, d, t.numero, t.tipo);
        for (const QString& f : frontespizio) {
            w.testo(f);
        }
        w.fineRecord();
        QCOMPARE(w.dati(), file);

        // No choices after the title page: none are read. With them, a
        // reader of the rows and the title page stops just before them.
        QVERIFY(!leggiScelte(r, t.numero));
        Scelte s;
        s.mostrati = {std::nullopt, 1, 3};
        s.righe = {{1000, 1, 3}, {2600, 1, 3}, {std::nullopt, std::nullopt, std::nullopt}};
        scriviScelte(w, s);
        QCOMPARE(w.dati(), file + "1,3\r\n1000,1,3\r\n2600,1,3\r\n,,\r\n");
        archivio::LettoreRecord completo(w.dati());
        leggiCuciture(completo, d);
        for (int k = 0; k < 6; ++k) {
            completo.testo();
        }
        completo.fineRecord();
        QVERIFY(!completo.fineFile());
        const auto letto = leggiScelte(completo, t.numero);
        QVERIFY(letto && completo.fineFile());
        QCOMPARE(letto->mostrati, s.mostrati);
        QCOMPARE(letto->righe, s.righe);
    }

    void fileMalformato()
    {
        for (const QByteArray& f : {QByteArray("2,1\r\n\"30\"\r\n"), QByteArray("1,3\r\n"), QByteArray("\"x\",1\r\n"),
                                   QByteArray("101,1\r\n"), QByteArray("")}) {
            archivio::LettoreRecord r(f);
            DatiCuciture d;
            QVERIFY_THROWS_EXCEPTION(archivio::ErroreFormato, leggiCuciture(r, d));
        }
        // Choices outside their bars' ranges, or fewer rows than counted.
        for (const QByteArray& f : {QByteArray("1,0\r\n1000,1,1\r\n"), QByteArray("1,1\r\n999,1,1\r\n"),
                                   QByteArray("1,1\r\n1000,1,1001\r\n"), QByteArray("1,1\r\n\"x\",1,1\r\n"),
                                   QByteArray("1,1\r\n1000,1,1\r\n")}) {
            archivio::LettoreRecord r(f);
            QVERIFY_THROWS_EXCEPTION(archivio::ErroreFormato, leggiScelte(r, 2));
        }
    }

    void modulo()
    {
        StampanteTesto p;
        stampaModulo(p);
        QVERIFY(p.terminato());
        const auto& r = p.righe();
        QCOMPARE(r[0].testo, QString(6, ' ') + T::kTitoloModulo);
        QCOMPARE(r[0].punti, 18.0);
        QCOMPARE(p.font(), QString("Courier"));
        QCOMPARE(r[std::size_t(trova(p, T::kModuloTitolo))].testo, QString(9, ' ') + T::kModuloTitolo);
        const int legenda = trova(p, "Legenda:");
        QCOMPARE(r[std::size_t(legenda)].punti, 12.0);
        QCOMPARE(r[std::size_t(legenda + 2)].testo, QString(5, ' ') + T::kModuloVoci[0]);
        QCOMPARE(r[std::size_t(legenda + 2)].punti, 8.0);
        const int intest = trova(p, "cuc.    corto");
        QCOMPARE(r[std::size_t(intest)].punti, 8.0);
        QCOMPARE(r[std::size_t(intest)].testo, QString(8, ' ') + T::kModuloIntestazione);
        QCOMPARE(conta(p, "________"), 25);
        QCOMPARE(p.pagina(), 1);
    }

    void listaCalda()
    {
        DatiCuciture d;
        for (int r = 1; r <= 3; ++r) {
            caldo(d, r);
        }
        RisultatiCuciture ris;
        ConteggiMostrati m;
        QVERIFY(CalcolaCuciture(d, 3, kCaldo, ris, m).completo);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, 3, kCaldo, QStringLiteral("Casa"), false);
        QVERIFY(p.terminato());
        // A pier's table fills its page: its chart takes the next one, before
        // the next pier's page; the text keeps one page per pier.
        QCOMPARE(p.pagina(), 6);
        QCOMPARE(p.testo().count('\f'), 2);
        QCOMPARE(supporto::difettiDisegni(p), QString());
        for (int pier = 1; pier <= 3; ++pier) {
            const auto e = supporto::etichette(p, 2 * pier);
            QVERIFY(!e.empty());
            QCOMPARE(e.front().testo, T::kGrafico + QStringLiteral(" %1").arg(pier) + T::kGraficoTitolo);
            QCOMPARE(e.front().y1, 800.0);
            QVERIFY(supporto::etichette(p, 2 * pier - 1).empty());
        }
        QCOMPARE(conta(p, T::kTitoloDati), 3);
        QCOMPARE(conta(p, "Progetto: Casa"), 3);
        const auto& r = p.righe();
        const int titolo = trova(p, "RISULTATI: cucitura n. 2 - tipologia");
        QVERIFY(titolo > 0);
        QCOMPARE(r[std::size_t(titolo)].pagina, 3);

        // No row counted (the only short side is "0"): pier 1's page all the
        // same, its data as typed and its result columns empty.
        DatiCuciture zero;
        caldo(zero, 1);
        zero.colonna(Cort)[1] = QStringLiteral("0");
        StampanteTesto vuota;
        stampaDatiRisultati(vuota, zero, RisultatiCuciture{}, 0, kCaldo, QStringLiteral("Casa"), false);
        QCOMPARE(vuota.pagina(), 1);
        QCOMPARE(conta(vuota, "RISULTATI: cucitura n. 1 - tipologia"), 1);
        QCOMPARE(conta(vuota, "Legenda:"), 1);

        // Pier 1: the data line, then 42 result lines with no gap.
        const int dati = trova(p, "n.       cm") + 1;
        const QString riga = r[std::size_t(dati)].testo;
        QCOMPARE(r[std::size_t(dati)].punti, 8.0);
        QCOMPARE(alle(riga, 12, 2), QString(" 1"));
        QCOMPARE(alle(riga, 21, 2), QString("30"));     // cort ends at 23 (no comma)
        QCOMPARE(alle(riga, 67, 3), QString("0,5"));    // fesc comma at 68
        QCOMPARE(alle(riga, 76, 3), QString("0,6"));
        const int prima = trova(p, "gradi           cm") + 1;
        for (int k = 0; k < 42; ++k) {
            const QString l = r[std::size_t(prima + k)].testo;
            QCOMPARE(alle(l, 11, 3).trimmed(), QString::number(-40 + 5 * (k / 2)));
            QCOMPARE(alle(l, 18, 2), QString(" %1").arg(k % 2 + 1));
        }
        QVERIFY(r[std::size_t(prima + 42)].pagina == 3);
        // t = -40, short side: the elongation 0,137 under column 53 keeps
        // its sign position before the 0.
        const QString l = r[std::size_t(prima)].testo;
        QCOMPARE(alle(l, 52, 6), QString(" 0,137"));
        QCOMPARE(alle(l, 23, 7), QString(" 29,749"));
        QCOMPARE(alle(l, 86, 7), QString(" 380,57"));
        QCOMPARE(alle(l, 104, 5), QString("    6"));
        QCOMPARE(l.trimmed().right(1), QString("6"));
    }

    void listaFreddaInRelazione()
    {
        DatiCuciture d;
        freddo(d, 1);
        freddo(d, 2);
        d.colonna(Car)[2] = QString();   // no results: empty columns
        RisultatiCuciture ris;
        ConteggiMostrati m;
        CalcolaCuciture(d, 2, kFreddo, ris, m);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, 2, kFreddo, QStringLiteral("Casa"), true);
        QCOMPARE(trova(p, T::kTitoloDati), -1);
        QCOMPARE(trova(p, "Progetto:"), -1);
        const auto& r = p.righe();
        const int titolo = trova(p, T::kFreddoTitolo);
        QCOMPARE(r[std::size_t(titolo)].punti, 18.0);
        const int uno = trova(p, "n.        cm") + 2;
        const QString l1 = r[std::size_t(uno)].testo;
        QCOMPARE(alle(l1, 12, 2), QString(" 1"));
        QCOMPARE(alle(l1, 65, 6), QString("18000 "));
        QCOMPARE(alle(l1, 74, 5), QString(" 1000"));
        QCOMPARE(alle(l1, 82, 3), QString(" 10"));
        QCOMPARE(alle(l1, 91, 6), QString(" 45000"));
        QCOMPARE(alle(l1, 101, 3), QString(" 40"));
        QCOMPARE(alle(l1, 110, 3), QString(" 23"));
        const QString l2 = r[std::size_t(uno + 1)].testo;
        QCOMPARE(alle(l2, 12, 2), QString(" 2"));
        // The stress was set before the row stopped; no other result column.
        QCOMPARE(l2.size(), 78);
        QVERIFY(l2.endsWith(" 1000"));
        QVERIFY(p.terminato());

        // Out of the report the table has no 18-point heading.
        StampanteTesto q;
        stampaDatiRisultati(q, d, ris, 2, kFreddo, QStringLiteral("Casa"), false);
        QCOMPARE(trova(q, T::kFreddoTitolo), -1);
        QCOMPARE(q.righe()[0].testo, QString(6, ' ') + T::kTitoloDati);
    }
};

QTEST_MAIN(TestStampeCuciture)
#include "test_stampe.moc"
