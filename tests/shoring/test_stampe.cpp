// Shoring printouts through the text printer: form, listing of each type,
// columns, page breaks and the report mode.
#include "platform/stampante_testo.h"
#include "shoring/calcolo.h"
#include "shoring/stampe.h"
#include "support/supporto.h"

#include <QTest>
#include <memory>

using namespace modpuntelli;
using platform::RigaStampata;

namespace {

std::unique_ptr<Lavoro> lavoroMisto()
{
    auto l = std::make_unique<Lavoro>();
    l->numeroConsolidamenti = 3;
    for (int c = 1; c <= 3; ++c) {
        l->cons[c].zona[kSotto] = {1, 1, 1, 1, 1};
        l->cons[c].zona[kSopra] = {3, 2, 2, 1, 1};
    }
    Consolidamento& a = l->cons[1];
    a.tipo = 1;
    a.carpu = "10000";
    a.ang = "60";
    a.altpu = "400";
    a.spessfr = "12,5";
    a.spessnor = "20";
    a.sigm = "60";
    a.lesioni = 1;
    Consolidamento& b = l->cons[2];
    b.tipo = 2;
    b.carpu = "5000";
    b.ang = "70";
    b.altpu = "500";
    b.spessfr = "30";
    b.spessnor = "20";
    b.sigm = "80";
    b.puntelli[1] = {"2", "200"};
    b.puntelli[2] = {"3", "250"};
    Consolidamento& k = l->cons[3];
    k.tipo = 3;
    k.altar = "350";
    k.spessfr = "1234";
    k.spessnor = "40";
    k.sigm = "60";
    k.rag = "200";
    k.carsem = "8000";
    k.carpil = "5000";
    Schermo s;
    s.consolidamento = 1;
    s.carpu = a.carpu;
    s.ang = a.ang;
    s.altpu = a.altpu;
    s.sigm = a.sigm;
    CalcolaPuntelli(*l, s);
    CalcolaPuntelli(*l, s);   // the props counted by the first pass
    return l;
}

int trova(const std::vector<RigaStampata>& r, const QString& inizio, int da = 0)
{
    for (int i = da; i < int(r.size()); ++i) {
        if (r[i].testo.trimmed().startsWith(inizio)) return i;
    }
    return -1;
}

// The text at 1-based column `col`, `n` characters.
QString a(const QString& riga, int col, int n) { return riga.mid(col - 1, n); }

} // namespace

class TestStampe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { supporto::prepara(); }

    void modulo()
    {
        platform::StampanteTesto p;
        ModuloAcquisizione(p);
        const auto& r = p.righe();
        QVERIFY(p.terminato());
        QCOMPARE(r[0].testo, QStringLiteral("      RINSAL - calcolo di puntelli"));
        QCOMPARE(r[0].punti, 18.0);
        QCOMPARE(p.font(), QStringLiteral("Courier"));
        const int est = trova(r, "Estensione dei dissesti");
        QCOMPARE(r[est + 3].testo, QString(13, ' ') + "[ ]  [ ]  locali (irguardano solo una parte)");
        QCOMPARE(r[est].punti, 12.0);
        const int leg = trova(r, "Legenda (tra parentesi");
        QCOMPARE(r[leg].punti, 8.0);
        QCOMPARE(r[leg].testo.indexOf("Legenda"), 9);
        QCOMPARE(r.back().testo.trimmed(), QString());
        QCOMPARE(std::count_if(r.begin(), r.end(), [](const RigaStampata& x) { return x.testo.contains("_______ |"); }),
                 3L);
    }

    void elencoPerTipo()
    {
        auto l = lavoroMisto();
        platform::StampanteTesto p;
        QVERIFY(StampaDatiRisultati(p, *l, "Edificio A", false));
        const auto& r = p.righe();
        QCOMPARE(r[0].testo.trimmed(), QStringLiteral("RINSAL - calcolo di puntelli"));
        QCOMPARE(r[trova(r, "DATI E RISULTATI")].punti, 12.0);
        QCOMPARE(r[trova(r, "Progetto:")].testo, QStringLiteral("         Progetto: Edificio A"));

        // One page per consolidation, no break after the last.
        QCOMPARE(p.pagina(), 3);
        for (int c = 1; c <= 3; ++c) {
            const int i = trova(r, QStringLiteral("Consolidamento n. %1 : ").arg(c));
            QVERIFY(i >= 0);
            QCOMPARE(r[i].pagina, c);
            QCOMPARE(r[i].punti, 12.0);
        }
        QCOMPARE(r[trova(r, "Consolidamento n. 3")].testo.trimmed(),
                 QStringLiteral("Consolidamento n. 3 :  puntello + nucleo murario per angolate con archi"));
        QCOMPARE(r[trova(r, "Qualità delle murature")].testo,
                 QString(13, ' ') + "Qualità delle murature   = buona");

        // Type 1: data row with commas lined up, results by decimal alignment.
        int i = trova(r, "attr.       car.");
        QString dati = r[i + 3].testo;
        QCOMPARE(a(dati, 12, 4), QStringLiteral("0,75"));
        QCOMPARE(a(dati, 23, 5), QStringLiteral("10000"));   // comma would fall at 28
        QCOMPARE(a(dati, 60, 4), QStringLiteral("12,5"));    // comma at 62
        QCOMPARE(a(dati, 96, 2), QStringLiteral(" 1"));      // lesions, a number
        i = trova(r, "compl.      c1", i);
        QString ris = r[i + 3].testo;
        QCOMPARE(r[i + 3].punti, 8.0);
        QCOMPARE(a(ris, 12, 5), QStringLiteral(" 4950"));
        QCOMPARE(a(ris, 22, 5), QStringLiteral(" 0,55"));
        QCOMPARE(a(ris, 71, 5), QStringLiteral(" 4,76"));
        QCOMPARE(a(ris, 102, 3), QStringLiteral(" 30"));
        QCOMPARE(r[trova(r, "les.  = lesioni")].testo.indexOf("les."), 13);

        // Type 2: props table.
        i = trova(r, "puntello     frec.");
        const QString prop1 = r[i + 3].testo;
        QCOMPARE(a(prop1, 12, 2), QStringLiteral(" 1"));
        QCOMPARE(a(prop1, 25, 1), QStringLiteral("2"));      // frec as typed, comma at 26
        QCOMPARE(a(prop1, 34, 3), QStringLiteral("200"));
        QCOMPARE(a(prop1, 45, 4), QStringLiteral(" 198"));
        QCOMPARE(a(prop1, 57, 4), QStringLiteral(" 577"));
        QCOMPARE(a(prop1, 68, 4), QStringLiteral(" 542"));
        QCOMPARE(a(r[i + 4].testo, 12, 2), QStringLiteral(" 2"));
        QVERIFY(r[i + 5].testo.trimmed().isEmpty() || r[i + 5].pagina == 3);

        // Type 3: the 1234 of the front wall ends its integer part where 12,5 would.
        i = trova(r, "attr.     ha");
        dati = r[i + 3].testo;
        QCOMPARE(a(dati, 30, 4), QStringLiteral("1234"));
        i = trova(r, "compl.     scorr.", i);
        ris = r[i + 3].testo;
        QCOMPARE(a(ris, 12, 5), QStringLiteral(" 3960"));
        QCOMPARE(a(ris, 24, 4), QStringLiteral(" 590"));
        QCOMPARE(a(ris, 110, 2), QStringLiteral("64"));
        QVERIFY(p.terminato());
    }

    void rotturaPaginaDopo34Puntelli()
    {
        auto l = std::make_unique<Lavoro>();
        l->numeroConsolidamenti = 1;
        Consolidamento& k = l->cons[1];
        k.zona[kSotto] = {1, 1, 1, 1, 1};
        k.zona[kSopra] = {1, 1, 1, 1, 1};
        k.tipo = 2;
        k.numeroPuntelli = 35;
        for (int i = 1; i <= 35; ++i) k.puntelli[i] = {"1", "100"};
        platform::StampanteTesto p;
        StampaDatiRisultati(p, *l, "", false);
        const auto& r = p.righe();
        const int i34 = trova(r, "34 ");
        const int i35 = trova(r, "35 ");
        QVERIFY(i34 > 0 && i35 == i34 + 1);
        QCOMPARE(r[i35].pagina, r[i34].pagina + 1);
        QCOMPARE(p.pagina(), r[i35].pagina);
    }

    void relazione()
    {
        auto l = lavoroMisto();
        platform::StampanteTesto p;
        QVERIFY(StampaDatiRisultati(p, *l, "Edificio A", true));
        const auto& r = p.righe();
        QCOMPARE(trova(r, "RINSAL"), -1);
        QCOMPARE(trova(r, "Progetto:"), -1);
        QCOMPARE(r[trova(r, "DATI E RISULTATI")].punti, 18.0);
        QCOMPARE(r[trova(r, "Consolidamento n. 1")].punti, 12.0);
    }

    void opzioneMancanteFermaLaStampa()
    {
        auto l = lavoroMisto();
        l->cons[2].zona[kSopra].gravita = 0;
        platform::StampanteTesto p;
        QVERIFY(!StampaDatiRisultati(p, *l, "", false));
        QVERIFY(p.terminato());
        QVERIFY(trova(p.righe(), "Consolidamento n. 2") > 0);
        QCOMPARE(trova(p.righe(), "Consolidamento n. 3"), -1);
    }
};

QTEST_MAIN(TestStampe)
#include "test_stampe.moc"
