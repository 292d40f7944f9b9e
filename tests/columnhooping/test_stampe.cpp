// The column-hooping printouts through the text printer.
#include "columnhooping/calcolo.h"
#include "columnhooping/stampe.h"
#include "columnhooping/testi.h"
#include "platform/stampante_testo.h"
#include "support/supporto.h"

#include <QTest>

using namespace modcercol;
using platform::StampanteTesto;
namespace T = testi_cercol;

namespace {

void fredda(DatiCerchiature& d, int r, const QString& rag)
{
    d.colonna(Rag)[r] = rag;
    d.colonna(Elic)[r] = "8";
    d.colonna(Car)[r] = "50000";
    d.colonna(Alt)[r] = "300";
}

void calda(DatiCerchiature& d, int r, const QString& rag = "20")
{
    const std::array<QString, 8> v = {rag, "1", "0,2", "20", "300", "30", "5", "15"};
    const Campo campi[8] = {Rag, Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
    for (int k = 0; k < 8; ++k) {
        d.colonna(campi[k])[r] = v[std::size_t(k)];
    }
}

// The text at a 1-based column of a printed line.
QString alle(const QString& riga, int colonna, int n) { return riga.mid(colonna - 1, n); }

int trova(const StampanteTesto& p, const QString& inizio, int da = 0)
{
    const auto& r = p.righe();
    for (int i = da; i < int(r.size()); ++i) {
        if (r[i].testo.trimmed().startsWith(inizio)) {
            return i;
        }
    }
    return -1;
}

int conta(const StampanteTesto& p, const QString& riga)
{
    int n = 0;
    for (const auto& r : p.righe()) {
        n += r.testo == riga;
    }
    return n;
}

} // namespace

class TestStampe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { supporto::prepara(); }

    void modulo()
    {
        StampanteTesto p;
        stampaModulo(p);
        QVERIFY(p.terminato());
        const auto& r = p.righe();
        QCOMPARE(p.font(), QString("Courier"));
        QCOMPARE(r[0].testo, QString(6, ' ') + T::kTitoloStampa);
        QCOMPARE(r[0].punti, 18.0);
        const int tipi = trova(p, "[ ] 1");
        QCOMPARE(r[tipi].testo, QString(9, ' ') + T::kModuloTipi);
        QCOMPARE(r[tipi].punti, 12.0);
        const int legenda = trova(p, "Legenda:");
        QCOMPARE(r[legenda].punti, 8.0);
        QCOMPARE(r[legenda + 2].testo, QString(5, ' ') + "cerch.= numero della cerchiatura (1-2)");
        QCOMPARE(r[legenda + 13].testo.trimmed(), QString("passo = passo dei longheroni verticali (1)"));
        QCOMPARE(conta(p, QString(8, ' ') + T::kModuloRiga), 25);
        QCOMPARE(r.back().pagina, 1);
    }

    void caldoUnaPaginaPerRiga()
    {
        DatiCerchiature d;
        calda(d, 1);
        calda(d, 2, "30");
        calda(d, 3, "90");
        // Ring 3's thickness has fifteen digits: its page makes room for them.
        d.colonna(Fes)[3] = "2,2";
        d.colonna(Incr)[3] = "2";
        d.colonna(Tens)[3] = "42,5";
        d.colonna(Temp)[3] = "300";
        d.colonna(Inter)[3] = "40";
        d.colonna(Hcer)[3] = "6,6";
        d.colonna(Longh)[3] = "60";
        RisultatiCerchiature ris;
        QCOMPARE(CalcolaCerchiature(d, kCaldo, 3, ris).fine, FineCalcolo::Completo);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, kCaldo, 3, "Chiostro", false);
        QVERIFY(p.terminato());
        const auto& r = p.righe();
        QCOMPARE(r.back().pagina, 3);
        // Each ring's chart fits below its table; the laying temperature of
        // the rows (300 degrees) lies beyond the chart's range.
        QCOMPARE(p.pagina(), 3);
        QCOMPARE(supporto::difettiDisegni(p), QString());
        for (int pagina = 1; pagina <= 3; ++pagina) {
            QStringList e;
            for (const auto& t : supporto::etichette(p, pagina)) e << t.testo;
            QVERIFY(e.contains(T::kGrafico + QStringLiteral(" %1").arg(pagina) + T::kGraficoTitolo));
            QVERIFY(e.contains("posa 300 gradi (fuori scala)"));
            QVERIFY(e.contains("kg/cmq") && e.contains("kg"));
        }
        for (int pagina = 1; pagina <= 3; ++pagina) {
            int inizio = 0;
            while (r[std::size_t(inizio)].pagina != pagina) {
                ++inizio;
            }
            QCOMPARE(r[inizio].testo, QString(6, ' ') + T::kTitoloStampa);
            QCOMPARE(r[inizio + 2].testo, QString(9, ' ') + "Progetto: Chiostro");
            QCOMPARE(r[inizio + 4].testo, QString(9, ' ') + T::kRisultatiCaldo + " " + QString::number(pagina));
            // 21 lines of the table, every 5 °C.
            const int tabella = trova(p, "amb.    orig.", inizio) + 2;
            QCOMPARE(alle(r[tabella].testo, 11, 3), QString("-40"));
            QCOMPARE(alle(r[tabella + 20].testo, 11, 3), QString(" 60"));
            QCOMPARE(r[tabella + 20].pagina, pagina);
            QVERIFY(tabella + 21 == int(r.size()) || r[tabella + 21].pagina == pagina + 1);
            // Each line of the table whole and within the page.
            for (int i = tabella - 2; i <= tabella + 20; ++i) {
                const auto& l = r[std::size_t(i)];
                QVERIFY2(l.testo.size() * l.punti * 12 <= platform::kLarghezzaPaginaTwips, qPrintable(l.testo));
            }
        }
        // Page 3: the long thickness, then the bars and the spacing after it,
        // the captions moved with their columns.
        const int tabella3 = trova(p, "amb.    orig.", trova(p, T::kRisultatiCaldo + " 3")) + 2;
        const QString riga3 = r[std::size_t(tabella3)].testo;
        QVERIFY2(riga3.contains(" 6,06060606060606 9 ") && riga3.trimmed().endsWith(" 56,2"), qPrintable(riga3));
        const QString testa3 = r[std::size_t(tabella3 - 2)].testo;
        const int tabella1 = trova(p, "amb.    orig.") + 2;
        QCOMPARE(testa3.indexOf("long.") - riga3.indexOf(" 9 "),
                 r[std::size_t(tabella1 - 2)].testo.indexOf("long.") - r[std::size_t(tabella1)].testo.indexOf(" 8 "));
        QVERIFY(r[std::size_t(tabella3)].punti < 8);
        // Page 1: the worked example at −40 °C, each value on its column.
        const int dati = trova(p, "n.        cm") + 1;
        QCOMPARE(alle(r[dati].testo, 14, 2), QString(" 1"));
        QCOMPARE(alle(r[dati].testo, 22, 1), QString("1"));
        QCOMPARE(alle(r[dati].testo, 32, 3), QString("0,2"));   // comma at 33
        QCOMPARE(alle(r[dati].testo, 83, 2), QString("15"));
        const QString t40 = r[trova(p, "amb.    orig.") + 2].testo;
        QCOMPARE(alle(t40, 17, 7), QString(" 19,999"));   // comma at 20
        QCOMPARE(alle(t40, 52, 8), QString(" 127,92 "));
        QCOMPARE(alle(t40, 62, 7), QString("-0,0204"));   // comma at 64
        QCOMPARE(alle(t40, 71, 5), QString(" 1802"));
        QCOMPARE(alle(t40, 81, 5), QString(" 8485"));
        QCOMPARE(alle(t40, 90, 5), QString(" 42,4"));
        QCOMPARE(alle(t40, 98, 2), QString(" 6"));
        QCOMPARE(alle(t40, 106, 2), QString(" 8"));
        QCOMPARE(alle(t40, 112, 5), QString(" 10,7"));
    }

    void senzaRighe()
    {
        DatiCerchiature d;
        RisultatiCerchiature ris;
        StampanteTesto caldo;
        stampaDatiRisultati(caldo, d, ris, kCaldo, 0, QString(), false);
        QCOMPARE(caldo.righe().back().pagina, 1);
        QCOMPARE(trova(caldo, T::kRisultatiCaldo + " 1") >= 0, true);
        // Row 1 empty: the data line holds only the row number.
        const int dati = trova(caldo, "n.        cm") + 1;
        QCOMPARE(caldo.righe()[dati].testo, QString(13, ' ') + " 1");

        StampanteTesto freddo;
        stampaDatiRisultati(freddo, d, ris, kFreddo, 0, QString(), false);
        QVERIFY(freddo.terminato());
        QCOMPARE(freddo.righe().back().testo.trimmed().left(2), QString("n."));
    }

    void freddoTutteLeRigheInUnaPagina()
    {
        DatiCerchiature d;
        for (int r = 1; r <= 12; ++r) {
            fredda(d, r, "20");
        }
        d.colonna(Rag)[12] = "40";
        RisultatiCerchiature ris;
        CalcolaCerchiature(d, kFreddo, 12, ris);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, kFreddo, 12, "Loggia", false);
        const auto& r = p.righe();
        QCOMPARE(r.back().pagina, 1);
        const int prima = trova(p, T::kFreddoIntestazione.trimmed()) + 2;
        QCOMPARE(int(r.size()) - prima, 12);
        const QString riga1 = r[prima].testo;
        QCOMPARE(alle(riga1, 13, 2), QString(" 1"));
        QCOMPARE(alle(riga1, 21, 2), QString("20"));
        QCOMPARE(alle(riga1, 38, 5), QString("50000"));
        QCOMPARE(alle(riga1, 57, 2), QString(" 8"));
        QCOMPARE(alle(riga1, 65, 5), QString(" 5010"));
        QCOMPARE(alle(riga1, 74, 5), QString(" 1726"));
        QCOMPARE(alle(riga1, 83, 5), QString(" 39,8"));
        QCOMPARE(alle(riga1, 92, 5), QString(" 28,9"));
        QCOMPARE(alle(r.back().testo, 12, 3), QString(" 12"));
        QCOMPARE(alle(r.back().testo, 56, 3), QString(" 10"));
    }
};

QTEST_MAIN(TestStampe)
#include "test_stampe.moc"
