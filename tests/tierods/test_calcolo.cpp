// The tie-rod calculation over plain data.
#include "shell/numeri.h"
#include "tierods/calcolo.h"
#include "tierods/testi.h"

#include <QTest>
#include <cmath>

using namespace modtiranti;

namespace {

const std::array<QString, 9> kEsempio = {"50", "20", "5", "0,75", "1", "600", "1000", "1,5", "2"};

void riempi(DatiTiranti& d, int r, const std::array<QString, 9>& valori = kEsempio)
{
    for (int c = 0; c < kCampi; ++c) {
        d.colonna(c)[r] = valori[c];
    }
}

QString mostra(const std::optional<double>& v) { return v ? numeri::testo(*v) : QString(); }

// Every value a row holds must be displayable: no nan, no inf.
bool tuttoFinito(const RisultatiTiranti& ris, int r)
{
    for (int c = 0; c < 7; ++c) {
        const auto& v = ris.colonna(c)[r];
        if (v && !std::isfinite(*v)) {
            return false;
        }
    }
    const auto& t = ris.tabella[r];
    for (int j = 1; j <= kTemperature; ++j) {
        for (double x : {t.ttir[j], t.sigatt[j], t.dilat[j], t.traen[j], t.freq[j]}) {
            if (!std::isfinite(x)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class TestCalcolo : public QObject {
    Q_OBJECT
private slots:
    void esempioSvolto()
    {
        DatiTiranti d;
        riempi(d, 1);
        RisultatiTiranti ris;
        const auto esito = CalcolaTiranti(d, 1, ris);
        QCOMPARE(esito.fine, FineCalcolo::Completo);
        QCOMPARE(mostra(ris.coes[1]), QString("7065"));
        QCOMPARE(mostra(ris.attr[1]), QString("16875"));
        QCOMPARE(mostra(ris.sforz[1]), QString("3532"));
        QCOMPARE(mostra(ris.diam[1]), QString("2,1"));
        QCOMPARE(mostra(ris.lungh[1]), QString("5997"));
        QCOMPARE(mostra(ris.gir[1]), QString("2,2"));
        QVERIFY(!ris.biet[1].has_value());

        const auto& t = ris.tabella[1];
        QVERIFY(t.presente);
        struct Riga { int j; const char* ttir; const char* sigatt; const char* dilat; const char* traen; const char* freq; };
        const Riga attese[] = {
            {1, "1", "1000", "0", "3532", "9,3"},
            {42, "42", "508", "-0,0246", "1794", "6,6"},   // 1 °C: a bare floor gives 507
            {61, "61", "280", "-0,036", "989", "4,9"},
            {101, "101", "0", "-0,06", "0", "0"},
        };
        for (const Riga& a : attese) {
            QCOMPARE(numeri::testo(t.ttir[a.j]), QString(a.ttir));
            QCOMPARE(numeri::testo(t.sigatt[a.j]), QString(a.sigatt));
            QCOMPARE(numeri::testo(t.dilat[a.j]), QString(a.dilat));
            QCOMPARE(numeri::testo(t.traen[a.j]), QString(a.traen));
            QCOMPARE(numeri::testo(t.freq[a.j]), QString(a.freq));
        }
    }

    // Checked in integers: ttir = floor((sigmaf + 24 t) / 24) since
    // sigmaf / E / alfa = sigmaf / 24, and sigatt = max(0, sigmaf - 12 (t + 40)).
    void taglioInteroPerOgniSigma()
    {
        DatiTiranti d;
        RisultatiTiranti ris;
        for (int base = 0; base < 5000; base += kRighe) {
            for (int r = 1; r <= kRighe; ++r) {
                auto v = kEsempio;
                v[Sigmaf] = QString::number(base + r);
                riempi(d, r, v);
            }
            QCOMPARE(CalcolaTiranti(d, kRighe, ris).fine, FineCalcolo::Completo);
            for (int r = 1; r <= kRighe; ++r) {
                const int sigmaf = base + r;
                const auto& t = ris.tabella[r];
                for (int j = 1; j <= kTemperature; ++j) {
                    const int temp = j - 41;
                    const int num = sigmaf + 24 * temp;
                    const int ttir = num >= 0 ? num / 24 : -((-num + 23) / 24);
                    if (t.ttir[j] != ttir || t.sigatt[j] != std::max(0, sigmaf - 12 * (j - 1))) {
                        QFAIL(qPrintable(QString("sigmaf %1, j %2: ttir %3 sigatt %4")
                                             .arg(sigmaf).arg(j).arg(t.ttir[j]).arg(t.sigatt[j])));
                    }
                    if (j > 1 && t.ttir[j] - t.ttir[j - 1] != 1) {
                        QFAIL(qPrintable(QString("sigmaf %1: ttir salta a j %2").arg(sigmaf).arg(j)));
                    }
                }
            }
        }
    }

    void sigmaBassoAzzeraLaTabella()
    {
        DatiTiranti d;
        auto v = kEsempio;
        v[Sigmaf] = "300";
        riempi(d, 1, v);
        RisultatiTiranti ris;
        CalcolaTiranti(d, 1, ris);
        const auto& t = ris.tabella[1];
        QCOMPARE(t.sigatt[25], 12.0);   // -16 °C
        QVERIFY(t.traen[25] > 0 && t.freq[25] > 0);
        for (int j = 26; j <= kTemperature; ++j) {   // from -15 °C
            QCOMPARE(t.sigatt[j], 0.0);
            QCOMPARE(t.traen[j], 0.0);
            QCOMPARE(t.freq[j], 0.0);
        }
    }

    void fermataAllaPrimaRigaIncompleta()
    {
        DatiTiranti d;
        for (int r = 1; r <= 4; ++r) {
            riempi(d, r);
        }
        d.dist[3].clear();
        RisultatiTiranti ris;
        ris.coes[3] = 11;
        ris.coes[4] = 44;
        ris.gir[4] = 4.4;
        const auto esito = CalcolaTiranti(d, 4, ris);
        QCOMPARE(esito.fine, FineCalcolo::Incompleto);
        QCOMPARE(esito.riga, 3);
        QVERIFY(esito.nota.isEmpty());
        QCOMPARE(mostra(ris.coes[2]), QString("7065"));
        QCOMPARE(ris.coes[3], std::optional<double>(11));
        QCOMPARE(ris.coes[4], std::optional<double>(44));
        QCOMPARE(ris.gir[4], std::optional<double>(4.4));
        QVERIFY(!ris.tabella[3].presente && !ris.tabella[4].presente);
    }

    void provaDelloZero_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("zero");
        QTest::newRow("0,005") << "0,005" << true;
        QTest::newRow("-0,005") << "-0,005" << true;
        QTest::newRow("0,0099") << "0,0099" << true;
        QTest::newRow("0,01") << "0,01" << false;
        QTest::newRow("-0,01") << "-0,01" << false;
        QTest::newRow("12,5") << "12,5" << false;
        QTest::newRow("000") << "000" << true;
        QTest::newRow("non numero") << "1,2,3" << false;
    }
    void provaDelloZero()
    {
        QFETCH(QString, testo);
        QFETCH(bool, zero);
        QCOMPARE(valeZero(testo), zero);
        // The calculation stops silently at a zero, whatever the field.
        for (int c = Spes; c <= Deform; ++c) {
            DatiTiranti d;
            riempi(d, 1);
            d.colonna(c)[1] = testo;
            RisultatiTiranti ris;
            const auto esito = CalcolaTiranti(d, 1, ris);
            QVERIFY(tuttoFinito(ris, 1));
            if (zero) {
                QCOMPARE(esito.fine, FineCalcolo::Incompleto);
                QVERIFY(!ris.coes[1]);
            } else {
                QVERIFY(esito.fine != FineCalcolo::Incompleto);
            }
        }
    }

    void passoDecideDadoOBietta()
    {
        DatiTiranti d;
        riempi(d, 1);
        RisultatiTiranti ris;
        CalcolaTiranti(d, 1, ris);
        QCOMPARE(mostra(ris.gir[1]), QString("2,2"));

        d.pass[1] = "0";
        CalcolaTiranti(d, 1, ris);
        QVERIFY(!ris.gir[1]);
        QCOMPARE(mostra(ris.biet[1]), QString("4,5"));   // Int(0,45 x 100) / 10

        d.pass[1] = "1";
        CalcolaTiranti(d, 1, ris);
        QCOMPARE(mostra(ris.gir[1]), QString("4,5"));
        QVERIFY(!ris.biet[1]);

        // Emptied: a wedge, as if never typed.
        d.pass[1] = "";
        CalcolaTiranti(d, 1, ris);
        QVERIFY(!ris.gir[1]);
        QCOMPARE(mostra(ris.biet[1]), QString("4,5"));

        // Negative: neither is written, the earlier ones stay.
        d.pass[1] = "-2";
        ris.gir[1] = 9.9;
        QCOMPARE(CalcolaTiranti(d, 1, ris).fine, FineCalcolo::Completo);
        QCOMPARE(ris.gir[1], std::optional<double>(9.9));
        QCOMPARE(mostra(ris.biet[1]), QString("4,5"));
    }

    void attritoMinoreDellaCoesione()
    {
        DatiTiranti d;
        auto v = kEsempio;
        v[Coeff] = "0,1";   // Fa = 0,1 x 5 x 50 x 90 = 2250 < Fc = 7065
        riempi(d, 1, v);
        RisultatiTiranti ris;
        CalcolaTiranti(d, 1, ris);
        QCOMPARE(mostra(ris.attr[1]), QString("2250"));
        QCOMPARE(mostra(ris.sforz[1]), QString("1125"));
        QCOMPARE(mostra(ris.diam[1]), QString("1,1"));   // sqrt(1,125 / 3,14) x 20 = 11,97
    }

    void nessunTirante()
    {
        DatiTiranti d;
        RisultatiTiranti ris;
        QCOMPARE(CalcolaTiranti(d, 0, ris).fine, FineCalcolo::Completo);
    }

    // Values that defeat the arithmetic end the pass at their row with a
    // note; that row and the ones after keep what they held.
    void valoriCheImpedisconoIlCalcolo_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");
        QTest::newRow("coeff negativo") << int(Coeff) << "-0,75";
        QTest::newRow("sigmaf negativo") << int(Sigmaf) << "-1000";
        QTest::newRow("sigmaf uguale a -E") << int(Sigmaf) << "-2000000";
        QTest::newRow("spes enorme") << int(Spes) << QString(40, '9');
        QTest::newRow("dist enorme") << int(Dist) << "1" + QString(400, '0');
        QTest::newRow("tre virgole") << int(Rag) << "1,2,3";
        QTest::newRow("meno in mezzo") << int(Car) << "5-3";
        QTest::newRow("meno e virgola") << int(Deform) << "-,";
        QTest::newRow("passo non numero") << int(Pass) << "2,,";
        QTest::newRow("passo minuscolo") << int(Pass) << "0," + QString(300, '0') + "1";
        QTest::newRow("coesione nulla") << int(Rag) << "-25";   // rag = -spes/2: A = 0
    }
    void valoriCheImpedisconoIlCalcolo()
    {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        DatiTiranti d;
        for (int r = 1; r <= 3; ++r) {
            riempi(d, r);
        }
        d.colonna(campo)[2] = testo;
        RisultatiTiranti ris;
        ris.coes[2] = 22;
        ris.coes[3] = 33;
        const auto esito = CalcolaTiranti(d, 3, ris);
        QCOMPARE(esito.fine, FineCalcolo::Impossibile);
        QCOMPARE(esito.riga, 2);
        QCOMPARE(esito.nota, testi_tiranti::kGuidaTirante + " 2" + testi_tiranti::kGuidaImpossibile);
        QCOMPARE(mostra(ris.coes[1]), QString("7065"));
        QCOMPARE(ris.coes[2], std::optional<double>(22));
        QCOMPARE(ris.coes[3], std::optional<double>(33));
        QVERIFY(!ris.tabella[2].presente);
    }

    // Whatever is typed, what gets stored can be shown.
    void nessunValoreInfinito()
    {
        const QString strani[] = {"-1", "-0,01", "0,01", "1", "-50", "999999", "99999999",
                                  "123456789012", QString(20, '9'), "-2000000", "-1999999,99"};
        int calcolate = 0;
        for (int c = Spes; c <= Pass; ++c) {
            for (const QString& s : strani) {
                for (const QString& t : strani) {
                    DatiTiranti d;
                    riempi(d, 1);
                    d.colonna(c)[1] = s;
                    d.colonna((c + 3) % kCampi)[1] = t;
                    RisultatiTiranti ris;
                    const auto esito = CalcolaTiranti(d, 1, ris);
                    QVERIFY(tuttoFinito(ris, 1));
                    if (esito.fine == FineCalcolo::Completo) {
                        ++calcolate;
                        for (int k = 0; k < 7; ++k) {
                            if (ris.colonna(k)[1]) {
                                QVERIFY(std::fabs(*ris.colonna(k)[1]) < 1e9);
                            }
                        }
                    }
                }
            }
        }
        QVERIFY(calcolate > 100);
    }

    void conteggio()
    {
        DatiTiranti d;
        QCOMPARE(ContaTiranti(d), 0);
        d.spes[1] = "50";
        d.spes[2] = "0,01";
        d.spes[5] = "30";
        QCOMPARE(ContaTiranti(d), 3);
        d.spes[7] = "0,005";
        d.spes[8] = "-40";
        QCOMPARE(ContaTiranti(d), 3);
        d.spes[100] = "1,2,3";   // started, if not yet a number
        QCOMPARE(ContaTiranti(d), 4);
    }

    void guidaEControllo()
    {
        using namespace testi_tiranti;
        DatiTiranti d;
        QCOMPARE(testoGuida(d, 0, 1), kGuidaInizio);
        riempi(d, 1);
        riempi(d, 2);
        d.spes[5] = "40";
        d.dist[2].clear();
        QCOMPARE(testoGuida(d, 3, 1), kGuidaFine);
        QCOMPARE(testoGuida(d, 3, 2), QString("Tirante n. 2: digitare la distanza tra i ritegni"));
        QCOMPARE(testoGuida(d, 3, 3), "Tirante n. 3: digitare " + kGuidaCampi[0]);
        QCOMPARE(testoGuida(d, 3, 5), "Tirante n. 5: digitare " + kGuidaCampi[1]);

        // The check examines rows 1..NumeroTiranti only, pass included.
        auto m = primoMancante(d, 3);
        QVERIFY(m);
        QCOMPARE(m->riga, 2);
        QCOMPARE(m->campo, Dist);
        d.dist[2] = "600";
        m = primoMancante(d, 3);
        QCOMPARE(m->riga, 3);
        QCOMPARE(m->campo, Spes);
        QVERIFY(!primoMancante(d, 2));
        d.pass[2].clear();
        QCOMPARE(primoMancante(d, 2)->campo, Pass);
    }
};

QTEST_MAIN(TestCalcolo)
#include "test_calcolo.moc"
