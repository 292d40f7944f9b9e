// Load reduction coefficients: the published cases, the bound at 1, and the
// whole space of complete choices.
#include "shoring/coefficienti.h"

#include <QTest>

using namespace modpuntelli;

class TestCoefficienti : public QObject {
    Q_OBJECT
private slots:
    void casi_data()
    {
        QTest::addColumn<int>("T");
        QTest::addColumn<int>("Q");
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("E");
        QTest::addColumn<int>("G");
        QTest::addColumn<int>("punti1");
        QTest::addColumn<double>("c1");
        QTest::addColumn<int>("punti2");
        QTest::addColumn<double>("c2");
        QTest::newRow("11111") << 1 << 1 << 1 << 1 << 1 << 55 << 0.55 << 70 << 0.7;
        QTest::newRow("11122") << 1 << 1 << 1 << 2 << 2 << 30 << 0.3 << 30 << 0.3;
        QTest::newRow("22122") << 2 << 2 << 1 << 2 << 2 << 40 << 0.4 << 45 << 0.45;
        QTest::newRow("32211") << 3 << 2 << 2 << 1 << 1 << 80 << 0.8 << 90 << 0.9;
        QTest::newRow("31322") << 3 << 1 << 3 << 2 << 2 << 55 << 0.55 << 60 << 0.6;
        QTest::newRow("42222") << 4 << 2 << 2 << 2 << 2 << 60 << 0.6 << 75 << 0.75;
        QTest::newRow("43321") << 4 << 3 << 3 << 2 << 1 << 95 << 0.95 << 105 << 1.0;
        QTest::newRow("51122") << 5 << 1 << 1 << 2 << 2 << 80 << 0.8 << 70 << 0.7;
        QTest::newRow("52211") << 5 << 2 << 2 << 1 << 1 << 120 << 1.0 << 100 << 1.0;
        QTest::newRow("53321") << 5 << 3 << 3 << 2 << 1 << 110 << 1.0 << 110 << 1.0;
        // Nothing chosen: base points only, with "- 10 x E" and "+ 5 x N" at zero.
        QTest::newRow("vuota") << 0 << 0 << 0 << 0 << 0 << 30 << 0.3 << 70 << 0.7;
    }
    void casi()
    {
        QFETCH(int, T);
        QFETCH(int, Q);
        QFETCH(int, N);
        QFETCH(int, E);
        QFETCH(int, G);
        const Zona z{T, Q, N, E, G};
        QTEST(puntiC1(z), "punti1");
        QTEST(CoefficienteC1(z), "c1");
        QTEST(puntiC2(z), "punti2");
        QTEST(CoefficienteC2(z), "c2");
    }

    // Every complete choice: ranges and how many reach the bound.
    void tutteLeScelte()
    {
        int n = 0, limitati1 = 0, limitati2 = 0, cento1 = 0;
        int min1 = 1000, max1 = -1000, min2 = 1000, max2 = -1000;
        for (int T = 1; T <= 5; ++T)
            for (int Q = 1; Q <= 3; ++Q)
                for (int N = 1; N <= 3; ++N)
                    for (int E = 1; E <= 2; ++E)
                        for (int G = 1; G <= 2; ++G) {
                            const Zona z{T, Q, N, E, G};
                            const int p1 = puntiC1(z), p2 = puntiC2(z);
                            ++n;
                            min1 = std::min(min1, p1);
                            max1 = std::max(max1, p1);
                            min2 = std::min(min2, p2);
                            max2 = std::max(max2, p2);
                            limitati1 += p1 > 100;
                            limitati2 += p2 > 100;
                            cento1 += p1 == 100;
                            QCOMPARE(CoefficienteC1(z), p1 > 100 ? 1.0 : p1 / 100.0);
                            QCOMPARE(CoefficienteC2(z), p2 > 100 ? 1.0 : p2 / 100.0);
                            QVERIFY(p1 % 5 == 0 && p2 % 5 == 0);
                        }
        QCOMPARE(n, 180);
        QCOMPARE(min1, 30);
        QCOMPARE(max1, 130);
        QCOMPARE(min2, 30);
        QCOMPARE(max2, 120);
        QCOMPARE(limitati1, 18);
        QCOMPARE(limitati2, 17);
        QVERIFY(cento1 > 0);   // exactly 100 points gives 1 without the bound
    }

    void caricoRidotto()
    {
        const double c1 = CoefficienteC1({1, 1, 1, 1, 1});
        const double c2 = CoefficienteC2({1, 1, 1, 2, 2});
        QCOMPARE(1000 * c1 * c2, 165.0);
    }
};

QTEST_MAIN(TestCoefficienti)
#include "test_coefficienti.moc"
