// The stitching calculation, guidance and data check over plain data.
#include "shell/numeri.h"
#include "stitching/calcolo.h"
#include "stitching/testi.h"

#include <QRandomGenerator>
#include <QTest>

using namespace modcuciture;
namespace T = testi_cuciture;

namespace {

void riga(DatiCuciture& d, int r, std::initializer_list<std::pair<Campo, const char*>> valori)
{
    for (const auto& [c, v] : valori) {
        d.colonna(c)[std::size_t(r)] = QString::fromUtf8(v);
    }
}

void freddo(DatiCuciture& d, int r, const char* car = "18000")
{
    riga(d, r, {{Cort, "30"}, {Lung, "60"}, {Alt, "300"}, {Diam, "12"}, {Pas, "20"}, {Car, car}});
}

void caldo(DatiCuciture& d, int r)
{
    riga(d, r,
         {{Cort, "30"}, {Lung, "40"}, {Fesc, "0,5"}, {Fesl, "0,6"}, {Alt, "300"}, {Diam, "10"}, {Pas, "50"},
          {Tens, "5"}, {Temp, "20"}, {Rott, "50"}, {Rond, "5"}});
}

double v(const Valore& x)
{
    if (!x) {
        QTest::qFail("valore assente", __FILE__, __LINE__);
        return 0;
    }
    return *x;
}

// No stored result of rows 1..100 may be nan or inf.
bool tuttiFiniti(const RisultatiCuciture& ris)
{
    for (int r = 1; r <= kRighe; ++r) {
        for (const ColonnaRisultati* c : {&ris.sigmf, &ris.compv, &ris.assorb, &ris.bar, &ris.orizz}) {
            if ((*c)[std::size_t(r)] && !numeri::finito(*(*c)[std::size_t(r)])) {
                return false;
            }
        }
        for (int k = 1; k <= kTemperature; ++k) {
            for (int s = 1; s <= 2; ++s) {
                for (int c = 0; c < kCampiCaldo; ++c) {
                    const Valore& x = ris.caldo(r, k, s, c);
                    if (x && !numeri::finito(*x)) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

} // namespace

class TestCalcoloCuciture : public QObject {
    Q_OBJECT
private slots:
    void freddoEsempio()
    {
        DatiCuciture d;
        freddo(d, 1);
        RisultatiCuciture ris;
        ConteggiMostrati m;
        const auto e = CalcolaCuciture(d, 1, kFreddo, ris, m);
        QVERIFY(e.completo);
        QCOMPARE(v(ris.sigmf[1]), 1000.0);
        QCOMPARE(numeri::testo(v(ris.compv[1])), QString("10"));
        QCOMPARE(numeri::testo(v(ris.assorb[1])), QString("45000"));
        QCOMPARE(numeri::testo(v(ris.bar[1])), QString("40"));
        QCOMPARE(numeri::testo(v(ris.orizz[1])), QString("23"));

        // A stronger steel halves the bars: 19.904 rounds to 20.
        ris.sigmf[1] = 2000;
        CalcolaCuciture(d, 1, kFreddo, ris, m);
        QCOMPARE(v(ris.bar[1]), 20.0);
        QCOMPARE(v(ris.orizz[1]), 45.0);
        // An untyped type runs the cold variant too.
        RisultatiCuciture r0;
        QVERIFY(CalcolaCuciture(d, 1, 0, r0, m).completo);
        QCOMPARE(v(r0.bar[1]), 40.0);
    }

    void freddoIncompleto()
    {
        for (const char* car : {"0", "", "0,5"}) {
            DatiCuciture d;
            freddo(d, 1, car);
            freddo(d, 2);
            RisultatiCuciture ris;
            ris.bar[2] = 7;   // an earlier result beyond the stop stays
            ConteggiMostrati m;
            const auto e = CalcolaCuciture(d, 2, kFreddo, ris, m);
            QVERIFY(!e.completo);
            QCOMPARE(e.riga, 1);
            QCOMPARE(v(ris.sigmf[1]), 1000.0);   // set before the stop
            QVERIFY(!ris.compv[1] && !ris.bar[1]);
            QCOMPARE(v(ris.bar[2]), 7.0);
        }
        // Height or bar diameter missing, pitch zero, foreign texts.
        const std::pair<Campo, const char*> guasti[] = {
            {Alt, ""}, {Diam, ""}, {Diam, "0"}, {Pas, "0"}, {Pas, ""}, {Alt, "1,2,3"}, {Car, "5-3"}};
        for (const auto& [c, t] : guasti) {
            DatiCuciture d;
            freddo(d, 1);
            d.colonna(c)[1] = QString::fromUtf8(t);
            RisultatiCuciture ris;
            ConteggiMostrati m;
            QVERIFY2(!CalcolaCuciture(d, 1, kFreddo, ris, m).completo, t);
            QVERIFY(!ris.bar[1] && !ris.orizz[1]);
        }
    }

    void caldoEsempio()
    {
        DatiCuciture d;
        caldo(d, 1);
        RisultatiCuciture ris;
        ConteggiMostrati m;
        m.ntir = {QString(), QStringLiteral("1"), QStringLiteral("1")};
        const auto e = CalcolaCuciture(d, 1, kCaldo, ris, m);
        QVERIFY(e.completo);
        QVERIFY(e.rottura);
        QVERIFY(e.aggiornato);
        // t = -40 is index 1, short side.
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Orig))), QString("29,749"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Fred))), QString("29,728"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Tirpil))), QString("4,78"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Sigm))), QString("9133"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Raffr))), QString("29,863"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Compr))), QString("380,57"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, Mont))), QString("722"));
        QCOMPARE(numeri::testo(v(ris.caldo(1, 1, 1, All))), QString("0,137"));
        QCOMPARE(v(ris.tottir[1][1]), 6.0);
        QCOMPARE(v(ris.ntir[1][1]), 1.0);
        QCOMPARE(v(ris.ntir[1][2]), 1.0);

        // At the laying temperature (20 °C, index 61) the tie is as long as
        // the side less half its cracks: the stresses fall to zero or below.
        QCOMPARE(v(ris.caldo(1, 61, 1, Fred)), 29.75);
        QVERIFY(v(ris.caldo(1, 61, 1, Tirpil)) <= 0.01);
        QVERIFY(v(ris.caldo(1, 101, 1, Tirpil)) < 0);
        QVERIFY(v(ris.caldo(1, 101, 1, Sigm)) < 0);
        QVERIFY(tuttiFiniti(ris));
    }

    void caldoConteggiTiranti()
    {
        DatiCuciture d;
        caldo(d, 1);
        caldo(d, 2);
        RisultatiCuciture ris;
        ConteggiMostrati m;
        m.ntir = {QString(), QString(), QStringLiteral("3")};   // empty reads as 1
        m.rigaMostrata = 2;
        ris.ntir[2] = {Valore{}, 1.0, 3.0};   // as the side's bar leaves the shown pier
        QVERIFY(CalcolaCuciture(d, 2, kCaldo, ris, m).completo);
        for (int r = 1; r <= 2; ++r) {
            QCOMPARE(v(ris.ntir[std::size_t(r)][2]), 3.0);
            QCOMPARE(v(ris.tottir[std::size_t(r)][2]), 18.0);   // 3 * 300 / 50
            QCOMPARE(v(ris.tottir[std::size_t(r)][1]), 6.0);
        }
        QCOMPARE(m.ntir[1], QString("1"));
        QCOMPARE(m.ntir[2], QString("3"));

        // No type-1 row with an empty axial stress goes on, even when later
        // rows are complete.
        d.colonna(Tens)[1] = QString();
        RisultatiCuciture r2;
        const auto e = CalcolaCuciture(d, 2, kCaldo, r2, m);
        QVERIFY(!e.completo);
        QCOMPARE(e.riga, 1);
        QVERIFY(!e.aggiornato);
        QVERIFY(!r2.caldo(2, 1, 1, Orig));
    }

    void caldoMemoriaComeRicalcoloIntero()
    {
        // Passes that skip unchanged rows must leave exactly what full passes
        // leave, through edits, breaks, shown counts and pier moves.
        DatiCuciture d;
        for (int r = 1; r <= 12; ++r) {
            caldo(d, r);
        }
        const std::array<std::vector<const char*>, kCampi> valori = {{{"30", "45", "", "0"},
                                                                     {"40", "25"},
                                                                     {"300", "120", ""},
                                                                     {"10", "24"},
                                                                     {"50", "0", "35"},
                                                                     {"18000", ""},
                                                                     {"0,5", "3"},
                                                                     {"0,6", "x"},
                                                                     {"5", "900"},
                                                                     {"20", "-40", "60"},
                                                                     {"50", "1"},
                                                                     {"5", "1"}}};
        const char* const mostrati[] = {"", "1", "2", "3,5", "0"};
        RisultatiCuciture a;
        RisultatiCuciture b;
        ConteggiMostrati ma;
        MemoriaCaldo memoria;
        int numero = 12;
        QRandomGenerator g(11);
        int completi = 0;
        for (int passo = 0; passo < 400; ++passo) {
            const int r = int(g.bounded(1, 13));
            switch (g.bounded(6)) {
            case 0:
                numero = int(g.bounded(1, 13));
                break;
            case 1:
                ma.rigaMostrata = int(g.bounded(0, 14));
                break;
            case 2:
                ma.ntir[std::size_t(g.bounded(1, 3))] = QString::fromLatin1(mostrati[g.bounded(5)]);
                break;
            case 3: {
                const auto s = std::size_t(g.bounded(1, 3));
                a.ntir[std::size_t(r)][s] = b.ntir[std::size_t(r)][s] = double(g.bounded(1, 6));
                memoria.dimentica();
                break;
            }
            default: {
                const int c = int(g.bounded(kCampi));
                const auto& scelte = valori[std::size_t(c)];
                d.colonna(c)[std::size_t(r)] = QString::fromUtf8(scelte[g.bounded(int(scelte.size()))]);
            }
            }
            const int tipo = g.bounded(10) == 0 ? kFreddo : kCaldo;
            ConteggiMostrati mb = ma;
            const auto ea = CalcolaCuciture(d, numero, tipo, a, ma, &memoria);
            const auto eb = CalcolaCuciture(d, numero, tipo, b, mb);
            QCOMPARE(ea.completo, eb.completo);
            QCOMPARE(ea.riga, eb.riga);
            QCOMPARE(ea.rottura, eb.rottura);
            QCOMPARE(ea.aggiornato, eb.aggiornato);
            QCOMPARE(ma.ntir, mb.ntir);
            for (int riga = 1; riga <= 12; ++riga) {
                const auto x = std::size_t(riga);
                QCOMPARE(a.ntir[x], b.ntir[x]);
                QCOMPARE(a.tottir[x], b.tottir[x]);
                QCOMPARE(a.sigmf[x], b.sigmf[x]);
                QCOMPARE(a.bar[x], b.bar[x]);
                for (int k = 1; k <= kTemperature; ++k) {
                    for (int s = 1; s <= 2; ++s) {
                        for (int c = 0; c < kCampiCaldo; ++c) {
                            if (a.caldo(riga, k, s, c) != b.caldo(riga, k, s, c)) {
                                QFAIL(qPrintable(QStringLiteral("passo %1 riga %2 t %3 lato %4 campo %5")
                                                     .arg(passo).arg(riga).arg(k).arg(s).arg(c)));
                            }
                        }
                    }
                }
            }
            completi += tipo == kCaldo && ea.completo ? 1 : 0;
        }
        QVERIFY(completi > 50);   // the walk also reached whole passes
    }

    void caldoValoriOstili()
    {
        // Divisors the formulas leave open, foreign texts and overflow: the
        // row stops, nothing non-finite is stored.
        const std::pair<Campo, const char*> guasti[] = {
            {Pas, "0"},         {Diam, "0"},     {Rond, "1"},      {Cort, "0,25"}, {Fesc, "60"},
            {Tens, "-800000"},  {Temp, "1,2,3"}, {Alt, "-,"},      {Lung, "-40"},
            {Tens, "99999999999999999999999999999999999999999999999999"}};
        int fermate = 0;
        for (const auto& [c, t] : guasti) {
            DatiCuciture d;
            caldo(d, 1);
            d.colonna(c)[1] = QString::fromUtf8(t);
            RisultatiCuciture ris;
            ConteggiMostrati m;
            const auto e = CalcolaCuciture(d, 1, kCaldo, ris, m);
            fermate += e.completo ? 0 : 1;
            QVERIFY2(tuttiFiniti(ris), t);
        }
        QVERIFY(fermate >= 8);
        // Sides equal to their cracks' half stop at the first temperature.
        DatiCuciture d;
        caldo(d, 1);
        d.colonna(Fesc)[1] = QStringLiteral("60");
        RisultatiCuciture ris;
        ConteggiMostrati m;
        QVERIFY(!CalcolaCuciture(d, 1, kCaldo, ris, m).completo);
        QVERIFY(!ris.caldo(1, 1, 1, Orig));
    }

    void conteggioGuidaControllo()
    {
        DatiCuciture d;
        QCOMPARE(ContaCuciture(d), 0);
        QCOMPARE(testoGuida(d, 0, kFreddo), T::kGuidaInizio);
        riga(d, 1, {{Cort, "30"}});
        riga(d, 3, {{Cort, "30"}});
        riga(d, 4, {{Cort, "0"}});
        riga(d, 5, {{Cort, "0,5"}});
        QCOMPARE(ContaCuciture(d), 2);

        DatiCuciture f;
        freddo(f, 1, "");
        QCOMPARE(testoGuida(f, 1, kFreddo), QString("digitare il carico gravante sul piedritto della cucitura n. 1"));
        QCOMPARE(testoMancante(*primoMancante(f, 1, kFreddo)),
                 QString("Cucitura n. 1: \r- digitare il carico gravante sul piedritto."));
        // An empty type asks for the cold data.
        QCOMPARE(primoMancante(f, 1, 0)->campo, Car);
        f.colonna(Car)[1] = QStringLiteral("1");
        QCOMPARE(testoGuida(f, 1, kFreddo), T::kGuidaFine);
        // The hot type asks for its own fields; cracks come first.
        QCOMPARE(primoMancante(f, 1, kCaldo)->campo, Fesc);

        DatiCuciture h;
        caldo(h, 1);
        caldo(h, 2);
        h.colonna(Temp)[2] = QString();
        const auto m = primoMancante(h, 2, kCaldo);
        QCOMPARE(m->riga, 2);
        QCOMPARE(testoMancante(*m), QString("Cucitura n. 2: \r- digitare la temperatura di posa dei tirantini."));
        // A row beyond the count is never examined.
        QVERIFY(!primoMancante(h, 1, kCaldo));
    }

    void svuotaRiga()
    {
        DatiCuciture d;
        caldo(d, 1);
        RisultatiCuciture ris;
        ConteggiMostrati m;
        CalcolaCuciture(d, 1, kCaldo, ris, m);
        ris.sigmf[1] = 1500;
        ris.svuotaRiga(1);
        QVERIFY(!ris.sigmf[1] && !ris.ntir[1][1] && !ris.tottir[1][2]);
        QVERIFY(!ris.caldo(1, 1, 1, Orig) && !ris.caldo(1, 101, 2, Compr));
    }
};

QTEST_MAIN(TestCalcoloCuciture)
#include "test_calcolo.moc"
