// The shoring calculation: worked examples of the three types, the prop
// recount order, and the inputs that defeat the arithmetic.
#include "shoring/calcolo.h"

#include <QTest>
#include <cmath>
#include <memory>

using namespace modpuntelli;

namespace {

// c1 = 0.55 and c2 = 0.9, the coefficients of the worked examples.
void zoneEsempio(Consolidamento& c)
{
    c.zona[kSotto] = {1, 1, 1, 1, 1};
    c.zona[kSopra] = {3, 2, 2, 1, 1};
}

std::unique_ptr<Lavoro> nuovo(int n = 1)
{
    auto l = std::make_unique<Lavoro>();
    l->numeroConsolidamenti = n;
    for (int c = 1; c <= n; ++c) {
        zoneEsempio(l->cons[c]);
    }
    return l;
}

void tipo1(Consolidamento& c, const QString& P, const QString& ang, const QString& hp, const QString& sn,
           const QString& sigm, int lesioni)
{
    c.tipo = 1;
    c.carpu = P;
    c.ang = ang;
    c.altpu = hp;
    c.spessfr = QStringLiteral("30");
    c.spessnor = sn;
    c.sigm = sigm;
    c.lesioni = lesioni;
}

Schermo schermo(const Lavoro& l, int c = 1)
{
    const Consolidamento& k = l.at(c);
    Schermo s;
    s.consolidamento = c;
    s.carpu = k.carpu;
    s.ang = k.ang;
    s.altpu = k.altpu;
    s.altar = k.altar;
    s.sigm = k.sigm;
    return s;
}

double v(const std::optional<double>& x)
{
    return x.value_or(-999999);
}

// No result anywhere in the job is nan or inf.
bool tuttoFinito(const Lavoro& l)
{
    for (const auto& c : l.cons) {
        for (const auto& x : {c.ris.coefficienteC1, c.ris.coefficienteC2, c.ris.caricoComplessivo,
                              c.ris.azioneScorrimento, c.ris.forzaAttrito, c.ris.forzaCoesione, c.ris.sforzoNormale,
                              c.ris.sigmaLavoro, c.ris.lunghezzaPuntello, c.ris.distanzaFondazione,
                              c.ris.latoSezione}) {
            if (x && !std::isfinite(*x)) return false;
        }
        for (const auto& p : c.risPuntelli) {
            for (const auto& x : {p.spinta, p.risultantePuntello, p.risultanteParete, p.sigmaPuntello, p.latoPuntello}) {
                if (x && !std::isfinite(*x)) return false;
            }
        }
    }
    return true;
}

} // namespace

class TestCalcolo : public QObject {
    Q_OBJECT
private slots:
    void tipo1Esempi_data()
    {
        QTest::addColumn<QString>("P");
        QTest::addColumn<int>("lesioni");
        QTest::addColumn<double>("carico");
        QTest::addColumn<double>("attrito");
        QTest::addColumn<double>("coesione");
        QTest::addColumn<double>("sforzo");
        QTest::addColumn<double>("sigma");
        QTest::addColumn<double>("lunghezza");
        QTest::addColumn<double>("distanza");
        QTest::addColumn<double>("lato");
        QTest::newRow("molto estese, snellezza") << "10000" << 1 << 4950.0 << 4285.0 << 1097.0 << 4285.0 << 4.76
                                                 << 444.0 << 192.0 << 30.0;
        QTest::newRow("poco estese") << "10000" << 3 << 4950.0 << 4285.0 << 1097.0 << 1097.0 << 1.22 << 444.0
                                     << 192.0 << 30.0;
        QTest::newRow("tensione oltre il sigma a 34") << "130000" << 1 << 64350.0 << 55711.0 << 69707.0
                                                     << 69707.0 << 56.9 << 441.0 << 186.0 << 35.0;
        // No lesions chosen counts as "molto estese".
        QTest::newRow("lesioni non scelte") << "10000" << 0 << 4950.0 << 4285.0 << 1097.0 << 4285.0 << 4.76
                                            << 444.0 << 192.0 << 30.0;
    }
    void tipo1Esempi()
    {
        QFETCH(QString, P);
        QFETCH(int, lesioni);
        auto l = nuovo();
        tipo1(l->cons[1], P, "60", "400", "20", "60", lesioni);
        const auto e = CalcolaPuntelli(*l, schermo(*l));
        QCOMPARE(e.esito, Esito::Completo);
        const Risultati& r = l->cons[1].ris;
        QCOMPARE(v(r.coefficienteC1), 0.55);
        QCOMPARE(v(r.coefficienteC2), 0.9);
        QTEST(v(r.caricoComplessivo), "carico");
        QTEST(v(r.forzaAttrito), "attrito");
        QTEST(v(r.forzaCoesione), "coesione");
        QTEST(v(r.sforzoNormale), "sforzo");
        QTEST(v(r.sigmaLavoro), "sigma");
        QTEST(v(r.lunghezzaPuntello), "lunghezza");
        QTEST(v(r.distanzaFondazione), "distanza");
        QTEST(v(r.latoSezione), "lato");
        QVERIFY(!r.azioneScorrimento);
        QCOMPARE(l->cons[1].ang, QStringLiteral("60"));
    }

    void coesioneNegativa()
    {
        auto l = nuovo();
        Consolidamento& c = l->cons[1];
        c.zona[kSotto] = {5, 2, 2, 1, 1};   // c1 = 1
        c.zona[kSopra] = {5, 2, 2, 1, 1};   // c2 = 1
        tipo1(c, "1000", "60", "300", "30", "60", 2);
        // (Fa + Fc) / 2 < 0: absurd, and the consolidation shows no results.
        auto e = CalcolaPuntelli(*l, schermo(*l));
        QCOMPARE(e.esito, Esito::Assurdo);
        QVERIFY(e.datiAssurdi());
        QVERIFY(!c.ris.latoSezione && !c.ris.sforzoNormale);
        QCOMPARE(v(c.ris.coefficienteC1), 1.0);

        // With "molto estese" N = Fa: the pass completes and Fc stays negative.
        c.lesioni = 1;
        e = CalcolaPuntelli(*l, schermo(*l));
        QCOMPARE(e.esito, Esito::Completo);
        QVERIFY(v(c.ris.forzaCoesione) < 0);
        QCOMPARE(v(c.ris.forzaCoesione), std::floor((1000 - 4500) / std::sin(60 * 6.28 / 360)));
        QCOMPARE(c.ris.sforzoNormale, c.ris.forzaAttrito);
    }

    void tipo3()
    {
        auto l = nuovo();
        Consolidamento& c = l->cons[1];
        c.tipo = 3;
        c.altar = "350";
        c.spessfr = "40";
        c.spessnor = "40";
        c.sigm = "60";
        c.rag = "200";
        c.carsem = "8000";
        c.carpil = "5000";
        // No angle, load per prop or prop height: type 3 never reads them.
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        const Risultati& r = c.ris;
        QCOMPARE(v(r.caricoComplessivo), 3960.0);
        QCOMPARE(v(r.azioneScorrimento), 590.0);
        QCOMPARE(v(r.sforzoNormale), 5082.0);
        QCOMPARE(v(r.sigmaLavoro), 7.52);
        QCOMPARE(v(r.lunghezzaPuntello), 376.0);
        QCOMPARE(v(r.distanzaFondazione), 139.0);
        QCOMPARE(v(r.latoSezione), 26.0);
        QCOMPARE(c.ang, QStringLiteral("64"));
        QVERIFY(!r.forzaAttrito);
    }

    void tipo2SerieEConteggio()
    {
        auto l = nuovo();
        Consolidamento& c = l->cons[1];
        c.tipo = 2;
        c.carpu = "5000";
        c.ang = "70";
        c.altpu = "500";
        c.spessfr = "30";
        c.spessnor = "20";
        c.sigm = "80";
        c.puntelli[1] = {"2", "200"};
        c.puntelli[2] = {"3", "250"};

        // The first pass computes the props counted before it (none), then counts.
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        QCOMPARE(c.numeroPuntelli, 2);
        QVERIFY(!c.risPuntelli[1].spinta);

        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        QCOMPARE(v(c.ris.caricoComplessivo), 2475.0);
        const auto& p1 = c.risPuntelli[1];
        QCOMPARE(v(p1.spinta), 198.0);
        QCOMPARE(v(p1.risultantePuntello), 577.0);
        QCOMPARE(v(p1.risultanteParete), 542.0);
        QCOMPARE(v(p1.latoPuntello), 3.0);
        const auto& p2 = c.risPuntelli[2];
        QCOMPARE(v(p2.spinta), 237.0);
        QCOMPARE(v(p2.risultantePuntello), 691.0);
        QCOMPARE(v(p2.risultanteParete), 649.0);
        QCOMPARE(v(p2.latoPuntello), 3.0);
        const double L = v(c.ris.latoSezione);
        QVERIFY(L >= 3);
        QVERIFY(L >= v(c.ris.lunghezzaPuntello) / 15 - 1);   // slender enough, and the smallest such
        QCOMPARE(v(p1.sigmaPuntello), std::floor(577 / (L * L)));
        QVERIFY(!c.ris.sigmaLavoro && !c.ris.sforzoNormale);

        // A third prop typed now enters the count only at the end of this pass.
        c.puntelli[3] = {"1", "100"};
        CalcolaPuntelli(*l, schermo(*l));
        QVERIFY(!c.risPuntelli[3].spinta);
        QCOMPARE(c.numeroPuntelli, 3);
        CalcolaPuntelli(*l, schermo(*l));
        QVERIFY(c.risPuntelli[3].spinta.has_value());

        // Emptying the last prop keeps the count: every pass now ends there.
        c.puntelli[3] = {};
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Incompleto);
        QCOMPARE(c.numeroPuntelli, 3);
        c.puntelli[3].frec = "1";
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Incompleto);
        c.puntelli[3].altdef = "100";
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
    }

    void tipo2PartenzaDalLatoMaggiore()
    {
        auto l = nuovo();
        Consolidamento& c = l->cons[1];
        c.tipo = 2;
        c.carpu = "5000";
        c.ang = "70";
        c.altpu = "100";
        c.sigm = "1";
        c.puntelli[1] = {"1", "396"};
        c.puntelli[2] = {"1", "594"};
        c.puntelli[3] = {"1", "480"};
        c.numeroPuntelli = 3;
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        QCOMPARE(v(c.risPuntelli[1].latoPuntello), 12.0);
        QCOMPARE(v(c.risPuntelli[2].latoPuntello), 10.0);
        QCOMPARE(v(c.risPuntelli[3].latoPuntello), 11.0);
        QCOMPARE(v(c.ris.latoSezione), 12.0);
    }

    void ogniConsolidamentoRicalcolato()
    {
        auto l = nuovo(2);
        tipo1(l->cons[1], "10000", "60", "400", "20", "60", 1);
        tipo1(l->cons[2], "130000", "60", "400", "20", "60", 1);
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l, 2)).esito, Esito::Completo);
        QCOMPARE(v(l->cons[1].ris.latoSezione), 30.0);
        QCOMPARE(v(l->cons[2].ris.latoSezione), 35.0);
    }

    void precondizioneSulMostrato()
    {
        auto l = nuovo();
        tipo1(l->cons[1], "10000", "60", "400", "20", "60", 1);
        Schermo s = schermo(*l);
        s.ang.clear();
        QCOMPARE(CalcolaPuntelli(*l, s).esito, Esito::Precondizione);
        QVERIFY(!l->cons[1].ris.coefficienteC1);
        // Type 3 shown: the angle and load fields do not matter, the arch height does.
        l->cons[1].tipo = 3;
        l->cons[1].altar = "350";
        s = schermo(*l);
        s.ang.clear();
        s.carpu.clear();
        s.altar.clear();
        QCOMPARE(CalcolaPuntelli(*l, s).esito, Esito::Precondizione);
        s.altar = "350";
        QCOMPARE(CalcolaPuntelli(*l, s).esito, Esito::Incompleto);   // carsem missing
        QVERIFY(l->cons[1].ris.coefficienteC1.has_value());
    }

    void incompletoTieneIRisultatiPrecedenti()
    {
        auto l = nuovo(2);
        tipo1(l->cons[1], "10000", "60", "400", "20", "60", 1);
        tipo1(l->cons[2], "10000", "60", "400", "20", "60", 1);
        CalcolaPuntelli(*l, schermo(*l));
        l->cons[1].carpu = "130000";
        l->cons[2].spessnor = "1.5";   // not a number: incomplete, never guessed
        const auto e = CalcolaPuntelli(*l, schermo(*l));
        QCOMPARE(e.esito, Esito::Incompleto);
        QCOMPARE(e.consolidamento, 2);
        QCOMPARE(v(l->cons[1].ris.latoSezione), 35.0);
        QCOMPARE(v(l->cons[2].ris.latoSezione), 30.0);
    }

    void tipoFuoriCampoComeTipo1()
    {
        auto l = nuovo();
        tipo1(l->cons[1], "10000", "60", "400", "20", "60", 1);
        l->cons[1].tipo = 7;
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        QCOMPARE(v(l->cons[1].ris.forzaAttrito), 4285.0);
        l->cons[1].tipo = 0;
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        QCOMPARE(v(l->cons[1].ris.latoSezione), 30.0);
    }

    void angoloRipresoDalCampo()
    {
        auto l = nuovo();
        tipo1(l->cons[1], "10000", "60", "400", "20", "60", 1);
        Schermo s = schermo(*l);
        s.ang = "45";
        CalcolaPuntelli(*l, s);
        QCOMPARE(l->cons[1].ang, QStringLiteral("45"));
    }

    // Inputs that defeat the arithmetic end the pass on that consolidation,
    // empty its results, and leave no nan or inf anywhere.
    void aritmeticaImpossibile_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<int>("esito");
        QTest::newRow("angolo 0") << 1 << "ang" << "0" << int(Esito::Impossibile);
        QTest::newRow("angolo 90") << 1 << "ang" << "90" << int(Esito::Impossibile);
        QTest::newRow("angolo 0 serie") << 2 << "ang" << "0" << int(Esito::Impossibile);
        QTest::newRow("angolo 90 serie") << 2 << "ang" << "90" << int(Esito::Impossibile);
        QTest::newRow("sigma 0") << 1 << "sigm" << "0" << int(Esito::Impossibile);
        QTest::newRow("sigma 0 serie") << 2 << "sigm" << "0" << int(Esito::Impossibile);
        QTest::newRow("sigma 0 angolata") << 3 << "sigm" << "0" << int(Esito::Impossibile);
        QTest::newRow("zona deformata 0") << 2 << "altdef" << "0" << int(Esito::Impossibile);
        QTest::newRow("sigma negativo") << 1 << "sigm" << "-60" << int(Esito::Assurdo);
        QTest::newRow("sigma negativo serie") << 2 << "sigm" << "-80" << int(Esito::Assurdo);
        QTest::newRow("carico enorme") << 1 << "carpu" << QString("1") + QString(300, '0') << int(Esito::Assurdo);
        QTest::newRow("carico enorme serie") << 2 << "carpu" << QString("1") + QString(300, '0')
                                             << int(Esito::Assurdo);
        QTest::newRow("freccia enorme") << 2 << "frec" << QString("9") + QString(307, '9') << int(Esito::Assurdo);
        QTest::newRow("altezza enorme") << 1 << "altpu" << QString("1") + QString(300, '0') << int(Esito::Assurdo);
        // sigma < 0 with N = 0 would search for ever.
        QTest::newRow("carico 0 e sigma negativo") << 1 << "carpu+sigm" << "0|-5" << int(Esito::Assurdo);
        QTest::newRow("altezza 0 serie") << 2 << "altpu+sigm" << "0|100000" << int(Esito::Impossibile);
    }
    void aritmeticaImpossibile()
    {
        QFETCH(int, tipo);
        QFETCH(QString, campo);
        QFETCH(QString, valore);
        QFETCH(int, esito);
        auto l = nuovo();
        Consolidamento& c = l->cons[1];
        if (tipo == 3) {
            c.tipo = 3;
            c.altar = "350";
            c.sigm = "60";
            c.carsem = "8000";
            c.carpil = "5000";
        } else {
            tipo1(c, "10000", "60", "400", "20", "60", 1);
            c.tipo = tipo;
            c.puntelli[1] = {"2", "200"};
            c.numeroPuntelli = tipo == 2 ? 1 : 0;
        }
        QCOMPARE(CalcolaPuntelli(*l, schermo(*l)).esito, Esito::Completo);
        QVERIFY(c.ris.latoSezione.has_value());

        const QStringList campi = campo.split('+');
        const QStringList valori = valore.split('|');
        for (int i = 0; i < campi.size(); ++i) {
            QString* t = campi[i] == "ang"    ? &c.ang
                       : campi[i] == "sigm"   ? &c.sigm
                       : campi[i] == "carpu"  ? &c.carpu
                       : campi[i] == "altpu"  ? &c.altpu
                       : campi[i] == "frec"   ? &c.puntelli[1].frec
                                              : &c.puntelli[1].altdef;
            *t = valori[i];
        }
        const auto e = CalcolaPuntelli(*l, schermo(*l));
        QCOMPARE(int(e.esito), esito);
        QCOMPARE(e.consolidamento, 1);
        QVERIFY(!c.ris.latoSezione && !c.ris.lunghezzaPuntello && !c.risPuntelli[1].spinta);
        QVERIFY(c.ris.coefficienteC1.has_value());
        QVERIFY(tuttoFinito(*l));
    }
};

QTEST_MAIN(TestCalcolo)
#include "test_calcolo.moc"
