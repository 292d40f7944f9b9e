// Every scroll bar of the program pressed as a user presses it: arrows and
// trough, clicked, held down and from the keyboard, with the real message
// box and its modal loop. No user action may raise a message more than once.
#include "shell/finestre.h"
#include "shoring/puntelli.h"
#include "shoring/risultatipuntelli.h"
#include "support/reale.h"
#include "support/supporto.h"

#include <QApplication>
#include <QTest>

using reale::Punto;

namespace {

const IdFinestra kConBarre[] = {IdFinestra::Puntelli, IdFinestra::Risultati, IdFinestra::Tiranti,
                                IdFinestra::Cercol, IdFinestra::Cerpil, IdFinestra::Cuciture,
                                IdFinestra::Frontespizio, IdFinestra::Sommario, IdFinestra::GuidaTiranti,
                                IdFinestra::GuidaPuntelli};

const char* kNomiPunti[] = {"freccia -", "freccia +", "solco -", "solco +"};

} // namespace

class TestBarre : public QObject {
    Q_OBJECT
    platform::Scena scena_{};

    puntelli* apriEsempio(const QString& nome)
    {
        auto* w = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        scena_.file->risposte.push_back(supporto::fileDati(QStringLiteral("esempi/") + nome));
        w->apri_click();
        return w;
    }

private slots:
    void init()
    {
        supporto::chiudiTutte();
        scena_ = reale::prepara();
    }
    void cleanup() { supporto::chiudiTutte(); }

    // The consolidation bar with nothing typed: one message, the bar back at 1.
    void consolidamentoSenzaDati_data()
    {
        QTest::addColumn<int>("punto");
        QTest::addColumn<int>("tenuta");
        QTest::newRow("clic sulla freccia") << int(Punto::FrecciaPiu) << 0;
        QTest::newRow("freccia tenuta") << int(Punto::FrecciaPiu) << 1500;
        QTest::newRow("clic nel solco") << int(Punto::SolcoPiu) << 0;
        QTest::newRow("solco tenuto") << int(Punto::SolcoPiu) << 1200;
    }
    void consolidamentoSenzaDati()
    {
        QFETCH(int, punto);
        QFETCH(int, tenuta);
        auto* w = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        reale::Sorvegliante s;
        reale::premi(s, w->HScroll1(), Punto(punto), tenuta);
        QCOMPARE(int(s.visti.size()), 1);
        QCOMPARE(s.visti[0].icona, QMessageBox::Warning);
        QVERIFY(s.visti[0].testo.endsWith(QLatin1String(" 1")));
        QCOMPARE(w->HScroll1()->value(), 1);
    }

    void consolidamentoDaTastiera()
    {
        auto* w = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s;
        // A click on the bar's handle gives it the keyboard without moving it.
        QScrollBar* b = w->HScroll1();
        QTest::mouseClick(b, Qt::LeftButton, {}, reale::punto(b, Punto::Cursore));
        QCOMPARE(QApplication::focusWidget(), b);
        QTest::keyClick(b, Qt::Key_PageDown);
        QTest::qWait(800);
        QCOMPARE(int(s.visti.size()), 1);
        QCOMPARE(w->HScroll1()->value(), 1);
    }

    // Results window, past the last consolidation and past the last prop of
    // a type-2 consolidation with three props.
    void risultatiOltreLUltimo()
    {
        auto* w = apriEsempio(QStringLiteral("Puntelli-dati-esempio-2"));
        reale::Sorvegliante s;
        QTest::mouseClick(w->cmdavanti(), Qt::LeftButton);
        QCOMPARE(int(s.visti.size()), 0);
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        QVERIFY(r != nullptr);
        QVERIFY(r->VScroll1()->isEnabled());
        reale::premi(s, r->HScroll1(), Punto::FrecciaPiu, 0);
        QCOMPARE(int(s.visti.size()), 1);
        QCOMPARE(r->HScroll1()->value(), 1);
        for (int i = 0; i < 2; ++i) reale::premi(s, r->VScroll1(), Punto::FrecciaPiu, 0);
        QCOMPARE(int(s.visti.size()), 1);
        QCOMPARE(r->VScroll1()->value(), 3);
        reale::premi(s, r->VScroll1(), Punto::FrecciaPiu, 1000);
        QCOMPARE(int(s.visti.size()), 2);
        QCOMPARE(r->VScroll1()->value(), 3);
        QCOMPARE(s.apertiAlMassimo(), 1);
    }

    // Every bar of every window, empty and with a sample loaded: at most one
    // box per press, never two at once.
    void ogniBarra_data()
    {
        QTest::addColumn<int>("finestra");
        for (IdFinestra id : kConBarre) {
            QTest::addRow("finestra %d", int(id)) << int(id);
        }
    }
    void ogniBarra()
    {
        QFETCH(int, finestra);
        QWidget* w = finestre::ottieni(IdFinestra(finestra));
        QVERIFY(w != nullptr);
        finestre::mostra(IdFinestra(finestra));
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s;
        const auto tutte = reale::barre(w);
        for (QScrollBar* b : tutte) {
            for (int p = 0; p < 4; ++p) {
                if (reale::punto(b, Punto(p)).x() < 0) continue;
                const std::size_t prima = s.visti.size();
                reale::premi(s, b, Punto(p), p == int(Punto::FrecciaPiu) ? 600 : 0);
                QVERIFY2(s.visti.size() - prima <= 1,
                         qPrintable(QStringLiteral("%1, %2: %3 messaggi")
                                        .arg(b->objectName(), QLatin1String(kNomiPunti[p]))
                                        .arg(s.visti.size() - prima)));
                const std::size_t primaTasto = s.visti.size();
                QTest::mouseClick(b, Qt::LeftButton, {}, reale::punto(b, Punto::Cursore));
                QTest::keyClick(b, p % 2 ? Qt::Key_PageDown : Qt::Key_Up);
                QVERIFY(s.visti.size() - primaTasto <= 1);
            }
        }
        QVERIFY(s.apertiAlMassimo() <= 1);
    }
};

QTEST_MAIN(TestBarre)
#include "test_barre.moc"
