// Number conversions, the validator and the digit count.
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "support/supporto.h"

#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

class TestNumeri : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { scena_ = supporto::prepara(); }

    void controllaDato_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("controllato");
        QTest::addColumn<int>("erroreIniziale");
        QTest::addColumn<int>("errore");
        QTest::addColumn<bool>("messaggio");
        QTest::newRow("accettato") << "12,5" << "12,5" << 1 << 0 << false;
        QTest::newRow("punto in fondo") << "12,5." << "" << 0 << 1 << true;
        QTest::newRow("lettera in mezzo") << "1a2" << "12" << 1 << 0 << false;
        QTest::newRow("meno da solo") << "-" << "" << 0 << 1 << true;
        QTest::newRow("negativo") << "-7" << "-7" << 1 << 0 << false;
        QTest::newRow("virgola sola tiene l'errore 1") << "," << "" << 1 << 1 << false;
        QTest::newRow("virgola sola tiene l'errore 0") << "," << "" << 0 << 0 << false;
        QTest::newRow("vuoto") << "" << "" << 1 << 1 << false;
        QTest::newRow("spazio davanti") << " 5" << "5" << 1 << 0 << false;
        QTest::newRow("spazio in fondo") << "5 " << "" << 0 << 1 << true;
        QTest::newRow("piu in fondo") << "5+" << "" << 0 << 1 << true;
        QTest::newRow("zeri iniziali") << "007" << "007" << 1 << 0 << false;
        QTest::newRow("tre virgole passano") << "1,2,3" << "1,2,3" << 1 << 0 << false;
        QTest::newRow("lettera accentata in fondo") << "3è" << "" << 0 << 1 << true;
    }
    void controllaDato()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, controllato);
        QFETCH(int, erroreIniziale);
        QFETCH(int, errore);
        QFETCH(bool, messaggio);
        scena_.messaggi->visti.clear();
        ModRinsal::ErroreDato = erroreIniziale;
        ModRinsal::DatoDigitato = digitato;
        ModRinsal::ControllaDato();
        QCOMPARE(ModRinsal::DatoControllato, controllato);
        QCOMPARE(ModRinsal::ErroreDato, errore);
        QCOMPARE(scena_.messaggi->visti.size(), messaggio ? std::size_t(1) : std::size_t(0));
        if (messaggio) {
            const auto& m = scena_.messaggi->visti.front();
            QCOMPARE(m.testo, QStringLiteral("Attenzione! il dato digitato non è corretto: usare solo numeri e la "
                                             "virgola per i decimali."));
            QCOMPARE(m.titolo, QStringLiteral("Rinsal: controllo dati immessi nella finestra attiva"));
            QCOMPARE(m.icona, platform::Icona::Critica);
            QCOMPARE(m.pulsanti, platform::Pulsanti::Ok);
            QCOMPARE(ModRinsal::DatoDigitato, QString());
        }
    }

    void daTesto_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("numero");
        QTest::addColumn<double>("valore");
        QTest::newRow("virgola") << "12,5" << true << 12.5;
        QTest::newRow("negativo") << "-0,3" << true << -0.3;
        QTest::newRow("zeri") << "007" << true << 7.0;
        QTest::newRow("virgola finale") << "5," << true << 5.0;
        QTest::newRow("virgola iniziale") << ",5" << true << 0.5;
        QTest::newRow("tre parti") << "1,2,3" << false << 0.0;
        QTest::newRow("meno in mezzo") << "5-3" << false << 0.0;
        QTest::newRow("meno virgola") << "-," << false << 0.0;
        QTest::newRow("vuoto") << "" << false << 0.0;
        QTest::newRow("punto") << "12.5" << false << 0.0;
        QTest::newRow("enorme") << QString(400, QLatin1Char('9')) << false << 0.0;
    }
    void daTesto()
    {
        QFETCH(QString, testo);
        QFETCH(bool, numero);
        QFETCH(double, valore);
        const auto v = numeri::daTesto(testo);
        QCOMPARE(v.has_value(), numero);
        if (numero) {
            QCOMPARE(*v, valore);
        }
    }

    void numeroIniziale()
    {
        QCOMPARE(numeri::numeroIniziale(QStringLiteral("12,5")), 12.0);
        QCOMPARE(numeri::numeroIniziale(QStringLiteral("0,5")), 0.0);
        QCOMPARE(numeri::numeroIniziale(QString()), 0.0);
        QCOMPARE(numeri::numeroIniziale(QStringLiteral("-3.5x")), -3.5);
        QCOMPARE(numeri::numeroIniziale(QStringLiteral("abc")), 0.0);
    }

    void testo_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("decimali") << 599.7001 << "599,7001";
        QTest::newRow("zero virgola tre") << 0.3 << "0,3";
        QTest::newRow("negativo") << -0.0204 << "-0,0204";
        QTest::newRow("meno zero") << -0.0 << "0";
        QTest::newRow("intero grande") << 1e20 << "100000000000000000000";
        QTest::newRow("piccolissimo") << 1.5e-7 << "0,00000015";
        QTest::newRow("quindici cifre") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("esponente") << 1.2345e25 << "12345000000000000000000000";
        QTest::newRow("esponente negativo") << -2.5e-18 << "-0,0000000000000000025";
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
        QTest::newRow("inf") << std::numeric_limits<double>::infinity() << "";
    }
    void testo()
    {
        QFETCH(double, valore);
        QFETCH(QString, atteso);
        QCOMPARE(numeri::testo(valore), atteso);
        if (!atteso.isEmpty()) {
            QCOMPARE(numeri::stampa(valore), (valore < 0 ? QString() : QStringLiteral(" ")) + atteso);
        }
#ifndef Q_OS_WIN
        // The same under the C locale of an Italian session, whose decimal
        // separator is a comma.
        const std::string prima = std::setlocale(LC_NUMERIC, nullptr);
        QVERIFY(std::setlocale(LC_NUMERIC, "it_IT.UTF-8"));
        const QString italiano = numeri::testo(valore);
        std::setlocale(LC_NUMERIC, prima.c_str());
        QCOMPARE(italiano, atteso);
#endif
    }

    void tagliIntero()
    {
        // Whole in decimal, a hair below in binary: never cut one unit low.
        QCOMPARE(numeri::intero(0.29 * 100), 29.0);
        QCOMPARE(numeri::intero(-2.5), -3.0);
        QCOMPARE(numeri::intero(7.999), 7.0);
        QCOMPARE(numeri::intero(1e10), 1e10);
        QCOMPARE(numeri::intero(123456789012.5), 123456789012.0);
        QCOMPARE(numeri::tronca(1.005, 2), 1.0);
        QCOMPARE(numeri::tronca(4.35, 2), 4.35);
        QCOMPARE(numeri::tronca(-1.234, 2), -1.24);
        QCOMPARE(numeri::arrotonda(2.5), 3.0);
        QCOMPARE(numeri::arrotonda(-2.5), -2.0);
        for (int i = 1; i <= 5000; ++i) {
            const double x = i / 100.0;
            QCOMPARE(numeri::tronca(x, 2) * 100, std::round(x * 100));
        }
    }

    void contaCifre_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("cifre");
        QTest::newRow("12,5") << "12,5" << 2;
        QTest::newRow("-12,5") << "-12,5" << 2;
        QTest::newRow("12") << "12" << 2;
        QTest::newRow("0,75") << "0,75" << 1;
        QTest::newRow("-0,75") << "-0,75" << 1;
        QTest::newRow("1234") << "1234" << 4;
        QTest::newRow("-1234,5") << "-1234,5" << 4;
        QTest::newRow("punto") << "123.25" << 3;
    }
    void contaCifre()
    {
        QFETCH(QString, testo);
        QFETCH(int, cifre);
        ModRinsal::NumeroCifre = -99;
        ModRinsal::TestoCifre = testo;
        ModRinsal::ContaCifre();
        QCOMPARE(ModRinsal::NumeroCifre, cifre);
    }
    void contaCifreVuoto()
    {
        ModRinsal::NumeroCifre = 5;
        ModRinsal::TestoCifre.clear();
        ModRinsal::ContaCifre();
        QCOMPARE(ModRinsal::NumeroCifre, 5);
    }

    void costanti()
    {
        ModRinsal::ImpostaCostanti();
        QCOMPARE(ModRinsal::TitoloAiuto, QStringLiteral("Rinsal: aiuto in linea"));
        QCOMPARE(ModRinsal::RigaEdizione(),
                 QStringLiteral("edizione professionale - versione 3.04.05   2000- 2011"));
    }

private:
    platform::Scena scena_{};
};

QTEST_MAIN(TestNumeri)
#include "test_numeri.moc"
