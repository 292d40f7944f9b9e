// The tie-rod printouts through the text printer.
#include "platform/stampante_testo.h"
#include "support/supporto.h"
#include "tierods/calcolo.h"
#include "tierods/stampe.h"
#include "tierods/testi.h"

#include <QTest>

using namespace modtiranti;
using platform::StampanteTesto;
namespace T = testi_tiranti;

namespace {

const std::array<QString, 9> kEsempio = {"50", "20", "5", "0,75", "1", "600", "1000", "1,5", "2"};

void riempi(DatiTiranti& d, int r, const std::array<QString, 9>& v = kEsempio)
{
    for (int c = 0; c < kCampi; ++c) {
        d.colonna(c)[r] = v[c];
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
        QCOMPARE(r[0].testo, QString(6, ' ') + "RINSAL - calcolo di tiranti");
        QCOMPARE(r[0].punti, 18.0);
        QCOMPARE(p.font(), QString("Courier"));
        const int titolo = trova(p, T::kModuloTitolo);
        QCOMPARE(r[titolo].punti, 12.0);
        QCOMPARE(alle(r[titolo].testo, 10, 5), QString("MODUL"));
        const int legenda = trova(p, T::kModuloLegenda);
        QCOMPARE(r[legenda].punti, 8.0);
        QCOMPARE(r[legenda + 1].testo, QString(13, ' ') + "n.    = numero del tirante");
        QCOMPARE(r[trova(p, "qualità")].testo.trimmed(), T::kModuloMalte[4]);
        const int intest = trova(p, "n.        spe.");
        QCOMPARE(r[intest].testo, QString(9, ' ') + T::kModuloIntestazione);
        int regole = 0;
        for (const auto& riga : r) {
            regole += riga.testo == QString(9, ' ') + T::kModuloRiga;
        }
        QCOMPARE(regole, 30);
    }

    void datiERisultati()
    {
        DatiTiranti d;
        riempi(d, 1);
        auto cuneo = kEsempio;
        cuneo[Pass] = "0";
        cuneo[Coeff] = "0,3";
        riempi(d, 2, cuneo);
        riempi(d, 3);
        RisultatiTiranti ris;
        QCOMPARE(CalcolaTiranti(d, 3, ris).fine, FineCalcolo::Completo);

        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, 3, "Palazzo Rossi", false);
        QVERIFY(p.terminato());
        const auto& r = p.righe();
        QCOMPARE(r.back().pagina, 3);
        for (int pagina = 1; pagina <= 3; ++pagina) {
            int inizio = -1;
            for (int i = 0; i < int(r.size()); ++i) {
                if (r[i].pagina == pagina) { inizio = i; break; }
            }
            QCOMPARE(r[inizio].testo.trimmed(), QString("RINSAL - calcolo di tiranti"));
            QCOMPARE(r[inizio + 2].testo, QString(9, ' ') + "Progetto: Palazzo Rossi");
            QCOMPARE(r[inizio + 2].punti, 12.0);
            QCOMPARE(r[inizio + 4].testo, QString(9, ' ') + "RISULTATI: tirante n. " + QString::number(pagina));
        }

        // Page 1: the worked example.
        const int dati = trova(p, "spe.    cap.") + 3;
        const QString& rd = r[dati].testo;
        QCOMPARE(alle(rd, 13, 2), QString("50"));      // units digit at 14
        QCOMPARE(alle(rd, 36, 4), QString("0,75"));    // comma at 37
        QCOMPARE(alle(rd, 61, 4), QString("1000"));
        QCOMPARE(alle(rd, 68, 3), QString("1,5"));     // comma at 69
        QCOMPARE(alle(rd, 78, 1), QString("2"));
        QCOMPARE(rd.simplified(), QString("50 20 5 0,75 1 600 1000 1,5 2"));

        const int risultati = trova(p, "coes.     attr.") + 3;
        const QString& rr = r[risultati].testo;
        QCOMPARE(rr.simplified(), QString("7065 16875 3532 2,1 5997 2,2"));
        QCOMPARE(alle(rr, 13, 4), QString("7065"));    // sign position at 12
        QCOMPARE(alle(rr, 43, 3), QString("2,1"));     // comma at 44
        QCOMPARE(alle(rr, 63, 3), QString("2,2"));    // comma at 64
        QVERIFY(rr.size() < 70);                        // nothing under "bie."

        const int tabella = trova(p, "amb.      tir.") + 3;
        QCOMPARE(r[tabella].testo.simplified(), QString("-40 1 1000 0 3532 9,3"));
        QCOMPARE(alle(r[tabella].testo, 12, 3), QString("-40"));
        QCOMPARE(r[tabella + 12].testo.simplified(), QString("20 61 280 -0,036 989 4,9"));
        QCOMPARE(alle(r[tabella + 12].testo, 40, 6), QString("-0,036"));   // comma at 42
        QCOMPARE(r[tabella + 20].testo.simplified(), QString("60 101 0 -0,06 0 0"));
        QCOMPARE(r[tabella + 20].pagina, 1);
        QCOMPARE(r[tabella + 21].pagina, 2);   // 21 lines, then the next tie rod

        // Page 2: a wedge, nothing under "giri".
        const int risultati2 = trova(p, "coes.     attr.", risultati + 1) + 3;
        const QString& rr2 = r[risultati2].testo;
        QCOMPARE(rr2.simplified(), QString("7065 6750 3375 2 5997 4,5"));
        QVERIFY(alle(rr2, 60, 8).trimmed().isEmpty());
        QCOMPARE(alle(rr2, 73, 3), QString("4,5"));   // comma at 74
    }

    void relazione()
    {
        DatiTiranti d;
        riempi(d, 1);
        RisultatiTiranti ris;
        CalcolaTiranti(d, 1, ris);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, 1, "Palazzo Rossi", true);
        const auto& r = p.righe();
        QCOMPARE(r[0].testo, QString(9, ' ') + "RISULTATI: tirante n. 1");
        QCOMPARE(r[0].punti, 18.0);
        QCOMPARE(r[1].punti, 12.0);
        QCOMPARE(trova(p, "RINSAL"), -1);
        QCOMPARE(trova(p, "Progetto"), -1);
        QVERIFY(p.terminato());
    }

    // A tie rod the calculation never reached prints its data and no results.
    void risultatiMaiCalcolati()
    {
        DatiTiranti d;
        riempi(d, 1);
        d.dist[1].clear();
        RisultatiTiranti ris;
        CalcolaTiranti(d, 1, ris);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, 1, "X", false);
        const auto& r = p.righe();
        QCOMPARE(r[trova(p, "spe.    cap.") + 3].testo.simplified(), QString("50 20 5 0,75 1 1000 1,5 2"));
        QVERIFY(r[trova(p, "coes.     attr.") + 3].testo.trimmed().isEmpty());
        const int tabella = trova(p, "amb.      tir.") + 3;
        QCOMPARE(r[tabella].testo.trimmed(), QString("-40"));
        QCOMPARE(r[tabella + 20].testo.trimmed(), QString("60"));
        QVERIFY(!p.testo().contains("nan") && !p.testo().contains("inf"));
    }

    void nessunTirante()
    {
        StampanteTesto p;
        stampaDatiRisultati(p, DatiTiranti(), RisultatiTiranti(), 0, "X", false);
        QVERIFY(p.righe().empty());
        QVERIFY(p.terminato());
    }
};

QTEST_MAIN(TestStampe)
#include "test_stampe.moc"
