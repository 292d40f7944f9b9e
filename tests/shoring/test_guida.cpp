// The guidance box texts and the data check of the shoring job.
#include "shoring/guida.h"

#include <QTest>
#include <memory>

using namespace modpuntelli;
using platform::Icona;

namespace {
std::unique_ptr<Lavoro> completo()
{
    auto l = std::make_unique<Lavoro>();
    l->numeroConsolidamenti = 1;
    Consolidamento& c = l->cons[1];
    c.zona[kSotto] = {1, 1, 1, 1, 1};
    c.zona[kSopra] = {3, 2, 2, 1, 1};
    c.tipo = 1;
    c.carpu = "10000";
    c.ang = "60";
    c.altpu = "400";
    c.spessfr = "30";
    c.spessnor = "20";
    c.sigm = "60";
    c.lesioni = 1;
    return l;
}
} // namespace

class TestGuida : public QObject {
    Q_OBJECT
private slots:
    void guida()
    {
        auto l = std::make_unique<Lavoro>();
        QCOMPARE(GuidaPuntelli(*l, 0, 0, 1),
                 QStringLiteral("aprire un file con i dati archiviati o iniziare l'immissione dei dati del "
                                "consolidamento n.1 scegliendo le murature interessate ai dati"));
        QCOMPARE(GuidaPuntelli(*l, 1, 0, 1), QStringLiteral("scegliere la tipologia delle murature del consolidamento n. 1"));
        l->cons[1].zona[kSotto] = {1, 1, 1, 1, 1};
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 1),
                 QStringLiteral("modificare i dati realtivi allle murature sotto la testa dei puntelli o scegliere "
                                "le murature sopra la testa dei puntelli"));
        l->cons[1].zona[kSopra] = {3, 0, 0, 0, 0};
        QCOMPARE(GuidaPuntelli(*l, 1, kSopra, 1),
                 QStringLiteral("scegliere la qualità delle murature del consolidamento n. 1 (murature sopra la "
                                "testa dei puntelli)"));
        l->cons[1].zona[kSopra] = {3, 2, 2, 1, 1};
        QCOMPARE(GuidaPuntelli(*l, 1, kSopra, 1), QStringLiteral("scegliere il tipo di calcolo del consolidamento n. 1"));

        l->cons[1].tipo = 2;
        l->cons[1].carpu = "5000";
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 1),
                 QStringLiteral("digitare l'angolo con l'orizzontale del puntello del consolidamento n. 1"));
        l->cons[1].ang = "70";
        l->cons[1].altpu = "500";
        l->cons[1].spessfr = "30";
        l->cons[1].spessnor = "20";
        l->cons[1].sigm = "80";
        l->cons[1].puntelli[1] = {"2", "200"};
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 2),
                 QStringLiteral("digitare la freccia d'incurvamento del puntello n. 2 del consolidamento n. 1"));
        l->cons[1].puntelli[2].frec = "3";
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 2),
                 QStringLiteral("digitare l'altezza della zona deformata del puntello n. 2 del consolidamento n. 1"));
        QVERIFY(GuidaPuntelli(*l, 1, kSotto, 1).startsWith("correggere, archiviare"));

        // Type 3 asks its own fields, in its own order; lesions are never asked.
        l->cons[1].tipo = 3;
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 1),
                 QStringLiteral("digitare l'altezza dell'imposta dell'arco del consolidamento n. 1"));
        l->cons[1].altar = "350";
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 1), QStringLiteral("digitare il raggio dell'arco del consolidamento n. 1"));
        l->cons[1].tipo = 1;
        QCOMPARE(GuidaPuntelli(*l, 1, kSotto, 1),
                 QStringLiteral("scegliere il tipo di lesioni presenti tra muro frontale e muro normale del "
                                "consolidamento n. 1"));
    }

    void controllo()
    {
        auto vuoto = std::make_unique<Lavoro>();
        auto s = ControllaPuntelli(*vuoto);
        QVERIFY(s);
        QCOMPARE(s->icona, Icona::Esclamativa);
        QCOMPARE(s->testo, QStringLiteral("Non esistono dati riconosciuti:\r- per procedere è necessario scegliere "
                                          "almeno le murature del consolidamento n.1."));

        auto l = completo();
        QVERIFY(!ControllaPuntelli(*l));

        l->cons[1].lesioni = 0;
        s = ControllaPuntelli(*l);
        QCOMPARE(s->icona, Icona::Critica);
        QCOMPARE(s->testo, QStringLiteral("Consolidamento n. 1:\r- scegliere il tipo di lesioni presenti tra muro "
                                          "frontale e muro normale"));

        // Zone 2 is checked after zone 1; the zone text follows a blank.
        l->cons[1].zona[kSopra].gravita = 0;
        QCOMPARE(ControllaPuntelli(*l)->testo,
                 QStringLiteral("Consolidamento n. 1:\r- scegliere la gravità dei dissesti  (murature sopra la "
                                "testa dei puntelli)"));
        l->cons[1].zona[kSopra].gravita = 1;

        // A series: props 1..count, or prop 1 when none is counted.
        l->cons[1].tipo = 2;
        QCOMPARE(ControllaPuntelli(*l)->testo,
                 QStringLiteral("Consolidamento n. 1:\r- digitare la freccia d'incurvamento del puntello n. 1"));
        l->cons[1].puntelli[1] = {"2", "200"};
        l->cons[1].puntelli[2] = {"3", "250"};
        l->cons[1].numeroPuntelli = 2;
        QVERIFY(!ControllaPuntelli(*l));   // no lesions asked
        l->cons[1].puntelli[2].altdef.clear();
        QCOMPARE(ControllaPuntelli(*l)->testo,
                 QStringLiteral("Consolidamento n. 1:\r- digitare l'altezza della zona deformata del puntello n. 2"));

        // The second consolidation is reported by its number; the load text ends with a period.
        l = completo();
        l->numeroConsolidamenti = 2;
        l->cons[2] = l->cons[1];
        l->cons[2].carpu.clear();
        QCOMPARE(ControllaPuntelli(*l)->testo,
                 QStringLiteral("Consolidamento n. 2:\r- digitare il carico sul puntello."));
        l->cons[2].tipo = 0;
        QCOMPARE(ControllaPuntelli(*l)->testo, QStringLiteral("Consolidamento n. 2:\r- scegliere il tipo di calcolo"));
        l->cons[2].tipo = 3;
        QCOMPARE(ControllaPuntelli(*l)->testo,
                 QStringLiteral("Consolidamento n. 2:\r- digitare l'altezza dell'imposta dell'arco"));
    }

    void conteggio()
    {
        auto l = std::make_unique<Lavoro>();
        l->cons[1].zona[kSotto].tipologia = 2;
        l->cons[2].zona[kSotto].tipologia = 1;
        l->cons[4].zona[kSotto].tipologia = 1;
        contaConsolidamenti(*l);
        QCOMPARE(l->numeroConsolidamenti, 2);
        for (auto& c : l->cons) c.zona[kSotto].tipologia = 1;
        l->numeroConsolidamenti = 7;
        contaConsolidamenti(*l);   // all 100 chosen: unchanged
        QCOMPARE(l->numeroConsolidamenti, 7);
    }
};

QTEST_MAIN(TestGuida)
#include "test_guida.moc"
