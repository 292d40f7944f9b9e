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
        // The whole form is one A4 page.
        QCOMPARE(r.back().pagina, 1);
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

    // Below each tie rod's table, stand-alone and in the report: the
    // elevation with its dimensions as typed, the chart with its axes, the
    // reference and the zero region; inside the page, under the table,
    // nothing overlapping. The text stays the listing alone.
    void disegni_data()
    {
        QTest::addColumn<bool>("relazione");
        QTest::newRow("da sola") << false;
        QTest::newRow("nella relazione") << true;
    }
    void disegni()
    {
        QFETCH(bool, relazione);
        DatiTiranti d;
        riempi(d, 1);
        riempi(d, 2, {"60", "25", "6", "0,75", "0,3", "750", "1200", "1,3", "0"});
        RisultatiTiranti ris;
        CalcolaTiranti(d, 2, ris);
        StampanteTesto p;
        stampaDatiRisultati(p, d, ris, 2, "X", relazione);
        QCOMPARE(supporto::difettiDisegni(p), QString());
        QCOMPARE(p.righe().back().pagina, 2);
        QVERIFY(!p.testo().contains("prospetto"));
        QCOMPARE(p.testo().count('\f'), 1);

        QStringList testi1, testi2;
        for (const auto& t : supporto::etichette(p, 1)) testi1 << t.testo;
        for (const auto& t : supporto::etichette(p, 2)) testi2 << t.testo;
        for (const char* t : {"prospetto del tirante n. 1 (non in scala)", "dist. 600 cm", "spe. 50 cm",
                                 "cap. 20 cm", "diam. 2,1 cm", "dado: giri 2,2", "tirante n. 1: sigma attuale e frequenza",
                                 "kg/cmq", "hz", "-40", "60", "temperatura ambiente (gradi)",
                                 "sigma 1000 a -40 gradi", "att. = 0"}) {
            QVERIFY2(testi1.contains(t), qPrintable(t));
        }
        QVERIFY(testi2.contains("bietta: mm 5,8"));
        QVERIFY(!testi2.contains("dado: giri 2,2"));
        QVERIFY(testi2.contains("sigma 1200 a -40 gradi"));

        // The stress line starts at -40 degrees on the height of its 1000
        // tick and reaches 0 at 44 degrees (1000 - 12 x 84 < 0).
        const auto et = supporto::etichette(p, 1);
        auto etichetta = [&](const QString& t, int n = 0) {
            for (const auto& e : et) {
                if (e.testo == t && n-- == 0) return e;
            }
            return platform::Tratto{};
        };
        const double y1000 = etichetta("1000").y1 + 7 * 10;
        const double y0 = etichetta("0", 1).y1 + 7 * 10;   // the first "0" is the abscissa's
        const double xm40 = etichetta("-40").x1 + 1.5 * 84;
        const double x60 = etichetta("60").x1 + 84;
        std::vector<platform::Tratto> sigma;
        for (const auto& t : p.tratti()) {
            // Width 3 below the legend's sample.
            if (t.pagina == 1 && t.tipo == platform::Tratto::Linea && t.spessore == 3 && t.y1 >= y1000 - 1) {
                sigma.push_back(t);
            }
        }
        QVERIFY(sigma.size() >= 100);
        QVERIFY(qAbs(sigma.front().x1 - xm40) < 1 && qAbs(sigma.front().y1 - y1000) < 1);
        const double x44 = xm40 + (x60 - xm40) * 84 / 100;
        for (const auto& l : sigma) {
            if (l.x1 >= x44 - 1 && l.x2 <= x60 + 1 && l.x2 > l.x1) {
                QVERIFY(qAbs(l.y1 - y0) < 1 && qAbs(l.y2 - y0) < 1);
            }
        }
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
