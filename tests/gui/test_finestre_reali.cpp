// The windows driven by real events: the pointer over the main menu, Tab
// and keys typed one by one through a row, the real exit question, the
// product-support window, reopening the shoring window, what the user sees of
// the cells, the title page's length warning and the small windows' keys.
#include "help/frmtip.h"
#include "help/paginaguida.h"
#include "help/sommario.h"
#include "report/frontespizio.h"
#include "report/testi.h"
#include "shell/finestracalcolo.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/scelta.h"
#include "shell/testi.h"
#include "shoring/puntelli.h"
#include "shoring/testi.h"
#include "support/reale.h"
#include "support/supporto.h"
#include "tierods/tiranti.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

namespace {

QPoint centro(QWidget* w) { return QPoint(w->width() / 2, w->height() / 2); }

void digitaTasti(const QString& t)
{
    for (QChar c : t) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
}

// Keys one by one into the field, which must keep the focus after each one
// as a user's next key goes wherever the focus is.
bool digitaNelCampo(QLineEdit* campo, const QString& t)
{
    for (QChar c : t) {
        // What the event loop delivers before a user's next key.
        QCoreApplication::processEvents();
        if (QApplication::focusWidget() != campo) {
            qWarning("il campo ha perso il fuoco dopo «%s» (fuoco: %s)", qPrintable(campo->text()),
                     QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nessuno");
            return false;
        }
        QTest::keyClick(campo, c.toLatin1());
    }
    return QApplication::focusWidget() == campo;
}

void tab(Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, m);
}

QPoint posizione(QWidget* w, QWidget* finestra) { return w->mapTo(finestra, centro(w)); }

} // namespace

class TestFinestreReali : public QObject {
    Q_OBJECT
    platform::Scena scena_{};

private slots:
    void init()
    {
        supporto::chiudiTutte();
        scena_ = reale::prepara();
    }
    void cleanup() { supporto::chiudiTutte(); }

    // Each option, its caption and its description show the option's text;
    // the background shows the general one, also after leaving an option.
    void statoDelMenu()
    {
        auto* m = finestre::ottieni<scelta>(IdFinestra::Scelta);
        finestre::mostra(IdFinestra::Scelta);
        QVERIFY(QTest::qWaitForWindowExposed(m));
        for (int i = 1; i <= 5; ++i) {
            QTest::mouseMove(m->Option1(i), QPoint(8, m->Option1(i)->height() / 2));
            QCOMPARE(m->StatusBar1()->currentMessage(), testi::kSceltaStato[i - 1]);
            QTest::mouseMove(m, QPoint(2, m->centralWidget()->y() + 2));
            QCOMPARE(m->StatusBar1()->currentMessage(), testi::kSceltaStatoSfondo);
            QTest::mouseMove(m->Option1(i), centro(m->Option1(i)));
            QCOMPARE(m->StatusBar1()->currentMessage(), testi::kSceltaStato[i - 1]);
            QTest::mouseMove(m->descrizione(i), centro(m->descrizione(i)));
            QCOMPARE(m->StatusBar1()->currentMessage(), testi::kSceltaStato[i - 1]);
        }
    }

    // The worked example typed key by key along row 1, Tab between values.
    void tabLungoLaRigaDeiTiranti()
    {
        auto* w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        finestre::mostra(IdFinestra::Tiranti);
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s;
        QTest::mouseClick(w->campo(modtiranti::Spes, 1), Qt::LeftButton);
        const QStringList esempio = {"50", "20", "5", "0,75", "1", "600", "1000", "1,5", "2"};
        for (int c = 0; c < esempio.size(); ++c) {
            QCOMPARE(QApplication::focusWidget(), w->campo(c, 1));
            digitaTasti(esempio[c]);
            tab();
        }
        for (int c = 0; c < esempio.size(); ++c) {
            QCOMPARE(w->campo(c, 1)->text(), esempio[c]);
        }
        QVERIFY(w->campo(modtiranti::Spes, 2)->text().isEmpty());
        // After the last value of a line, Tab goes to the next line; Shift+Tab back.
        QCOMPARE(QApplication::focusWidget(), w->campo(modtiranti::Spes, 2));
        tab(Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w->campo(modtiranti::Pass, 1));
        QCOMPARE(w->NumeroTiranti, 1);
        QCOMPARE(s.visti.size(), std::size_t(0));
    }

    // In every row window Tab runs along a line, left to right, then to the
    // next line; Shift+Tab retraces the same way.
    void tabInOgniFinestraARighe_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::newRow("tiranti") << int(IdFinestra::Tiranti);
        QTest::newRow("cercol") << int(IdFinestra::Cercol);
        QTest::newRow("cerpil") << int(IdFinestra::Cerpil);
        QTest::newRow("cuciture") << int(IdFinestra::Cuciture);
    }
    void tabInOgniFinestraARighe()
    {
        QFETCH(int, finestra);
        auto* w = static_cast<FinestraCalcolo*>(finestre::ottieni(IdFinestra(finestra)));
        finestre::mostra(IdFinestra(finestra));
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s;
        // A window whose fields wait for a type: its first type, clicked.
        const auto campi = w->superficie()->findChildren<QLineEdit*>();
        if (std::none_of(campi.begin(), campi.end(), [](QLineEdit* e) { return e->isEnabled(); })) {
            auto tipi = w->superficie()->findChildren<QRadioButton*>();
            QVERIFY(!tipi.isEmpty());
            QTest::mouseClick(tipi.first(), Qt::LeftButton, {}, QPoint(6, tipi.first()->height() / 2));
        }
        // Start in the top-left field of the grid.
        QLineEdit* primo = nullptr;
        for (QLineEdit* e : campi) {
            if (!e->isVisibleTo(w) || !e->isEnabled()) continue;
            const QPoint p = e->mapTo(w, QPoint(0, 0));
            if (!primo || p.y() < primo->mapTo(w, QPoint(0, 0)).y() - 2 ||
                (qAbs(p.y() - primo->mapTo(w, QPoint(0, 0)).y()) <= 2 && p.x() < primo->mapTo(w, QPoint(0, 0)).x())) {
                primo = e;
            }
        }
        QVERIFY(primo != nullptr);
        QTest::mouseClick(primo, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), primo);
        std::vector<QWidget*> visitati{primo};
        int righe = 1;
        for (int k = 0; k < 30; ++k) {
            tab();
            QWidget* f = QApplication::focusWidget();
            if (!qobject_cast<QLineEdit*>(f)) break;
            const QPoint prima = posizione(visitati.back(), w);
            const QPoint ora = posizione(f, w);
            if (qAbs(ora.y() - prima.y()) <= 2) {
                QVERIFY2(ora.x() > prima.x(), "Tab goes left on the same line");
            } else {
                QVERIFY2(ora.y() > prima.y(), "Tab goes up");
                ++righe;
            }
            visitati.push_back(f);
        }
        QVERIFY2(righe >= 2, "Tab never reached the second line");
        for (std::size_t k = visitati.size() - 1; k > 0; --k) {
            QCOMPARE(QApplication::focusWidget(), visitati[k]);
            tab(Qt::ShiftModifier);
        }
        QCOMPARE(QApplication::focusWidget(), visitati[0]);
        QCOMPARE(s.visti.size(), std::size_t(0));
    }

    // Shoring: Tab follows the guidance through the values of type 1.
    void tabNeiPuntelli()
    {
        auto* w = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::mouseClick(w->opzione(7, 1), Qt::LeftButton, {}, QPoint(6, w->opzione(7, 1)->height() / 2));
        QTest::mouseClick(w->campo(puntelli::carpu), Qt::LeftButton);
        for (puntelli::Campo c : {puntelli::ang, puntelli::altpu, puntelli::spessfr, puntelli::spessnor,
                                  puntelli::sigm}) {
            tab();
            QCOMPARE(QApplication::focusWidget(), w->campo(c));
        }
    }

    // The exit question shows its whole title: the box is at least as wide
    // as the title's text.
    void titoloDellUscitaLeggibile()
    {
        auto* m = finestre::ottieni<scelta>(IdFinestra::Scelta);
        finestre::mostra(IdFinestra::Scelta);
        QVERIFY(QTest::qWaitForWindowActive(m));
        reale::Sorvegliante s(200);
        QTest::mouseClick(m->cmdesci(), Qt::LeftButton);
        QCOMPARE(s.visti.size(), std::size_t(1));
        const reale::Box& b = s.visti[0];
        QCOMPARE(b.titolo, testi::kUscitaTitolo);
        QCOMPARE(b.icona, QMessageBox::Question);
        const int titolo = QFontMetrics(QApplication::font()).horizontalAdvance(b.titolo);
        QVERIFY2(b.larghezza > titolo + 60, qPrintable(QStringLiteral("%1 <= %2").arg(b.larghezza).arg(titolo)));
        // No, the default: the menu is still there.
        QVERIFY(finestre::esistente(IdFinestra::Scelta) != nullptr);
    }

    // "Supporto prodotto" opens over the window it was asked from.
    void supportoCentratoSullaFinestra()
    {
        auto* w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        finestre::mostra(IdFinestra::Tiranti);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QAction* voce = w->voceMenu(QStringLiteral("Supporto &prodotto"));
        QVERIFY(voce != nullptr);
        voce->trigger();
        QWidget* sp = finestre::esistente(IdFinestra::Supporto);
        QVERIFY(sp != nullptr && sp->isVisible());
        const QPoint d = sp->frameGeometry().center() - w->frameGeometry().center();
        QVERIFY2(d.manhattanLength() < 20, qPrintable(QStringLiteral("scarto %1,%2").arg(d.x()).arg(d.y())));
    }

    // A closed shoring window is dropped with its data: opened again it is
    // empty and its guidance is at the first step.
    void puntelliRiapertiVuoti()
    {
        auto* w = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        QVERIFY(QTest::qWaitForWindowActive(w));
        const QString inizio = w->passo()->text();
        for (int g = 2; g <= 6; ++g) {
            QTest::mouseClick(w->opzione(g, 1), Qt::LeftButton, {}, QPoint(6, w->opzione(g, 1)->height() / 2));
        }
        QVERIFY(w->opzione(2, 1)->isChecked());
        w->close();
        QTRY_VERIFY(finestre::esistente(IdFinestra::Puntelli) == nullptr);
        auto* n = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        for (int g = 2; g <= 6; ++g) {
            for (int i = 1; w && n->opzione(g, i); ++i) QVERIFY(!n->opzione(g, i)->isChecked());
        }
        QCOMPARE(n->passo()->text(), inizio);
        QVERIFY(!n->campo(puntelli::carpu)->isEnabled());
    }

    // What the user sees of the grids and buttons, at the design size and
    // enlarged: every framed cell shows all four borders, every push button
    // lies whole inside the window, tall enough for its caption.
    void nienteTagliato_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::newRow("tiranti") << int(IdFinestra::Tiranti);
        QTest::newRow("cercol") << int(IdFinestra::Cercol);
        QTest::newRow("cerpil") << int(IdFinestra::Cerpil);
        QTest::newRow("cuciture") << int(IdFinestra::Cuciture);
        QTest::newRow("puntelli") << int(IdFinestra::Puntelli);
        QTest::newRow("risultati") << int(IdFinestra::Risultati);
        QTest::newRow("frontespizio") << int(IdFinestra::Frontespizio);
    }
    void nienteTagliato()
    {
        QFETCH(int, finestra);
        auto* w = static_cast<FinestraCalcolo*>(finestre::ottieni(IdFinestra(finestra)));
        finestre::mostra(IdFinestra(finestra));
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (double fattore : {1.0, 1.35}) {
            if (fattore != 1.0) {
                w->resize(int(w->width() * fattore), int(w->height() * fattore));
                QTest::qWait(50);
            }
            const QImage foto = w->grab().toImage();
            const QRect area(w->superficie()->mapTo(w, QPoint(0, 0)), w->superficie()->size());
            int celle = 0;
            for (QLabel* l : w->superficie()->findChildren<QLabel*>()) {
                if (!l->isVisibleTo(w) || !l->autoFillBackground() || l->frameShape() == QFrame::NoFrame) continue;
                const QRect r(l->mapTo(w, QPoint(0, 0)), l->size());
                // A cell under another frame (a type's table not shown) is not seen.
                if (w->childAt(r.center()) != l) continue;
                ++celle;
                QVERIFY2(area.contains(r), qPrintable(QStringLiteral("cella tagliata a %1,%2").arg(r.x()).arg(r.y())));
                // Each edge: a dark line on it or one pixel either side (a
                // neighbour overlapping by a pixel draws the shared line).
                const struct { QPoint p; QPoint passo; } bordi[] = {
                    {{r.center().x(), r.top()}, {0, 1}}, {{r.center().x(), r.bottom()}, {0, 1}},
                    {{r.left(), r.center().y()}, {1, 0}}, {{r.right(), r.center().y()}, {1, 0}}};
                for (const auto& b : bordi) {
                    bool scuro = false;
                    for (int d = -1; d <= 1; ++d) {
                        const QPoint q = b.p + d * b.passo;
                        scuro = scuro || (foto.rect().contains(q) && QColor(foto.pixel(q)).lightness() < 160);
                    }
                    QVERIFY2(scuro, qPrintable(l->toolTip() + QStringLiteral(": bordo invisibile a %1,%2 (finestra %3x%4)")
                                                   .arg(b.p.x()).arg(b.p.y()).arg(w->width()).arg(w->height())));
                }
            }
            for (QPushButton* b : w->superficie()->findChildren<QPushButton*>()) {
                if (!b->isVisibleTo(w)) continue;
                const QRect r(b->mapTo(w, QPoint(0, 0)), b->size());
                QVERIFY2(area.contains(r), qPrintable(b->text() + QStringLiteral(" esce dalla finestra")));
                QVERIFY2(b->text().isEmpty() || b->height() >= b->fontMetrics().height() + 6, qPrintable(b->text() + QStringLiteral(" schiacciato")));
            }
            if (finestra != int(IdFinestra::Frontespizio) && finestra != int(IdFinestra::Puntelli)) {
                QVERIFY(celle > 0);
            }
        }
    }

    // Typed key by key with the real box: the warning comes once when the
    // field passes 60 characters, the key that passed it stays, later keys
    // neither bring it back nor get lost; back under 60, it is armed again.
    void sessantaCaratteriTastoPerTasto()
    {
        auto* fr = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
        finestre::mostra(IdFinestra::Frontespizio);
        QVERIFY(QTest::qWaitForWindowActive(fr));
        QLineEdit* c = fr->campo(2);
        c->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), c);
        reale::Sorvegliante s(100);
        const QString base(59, QLatin1Char('a'));
        QVERIFY(digitaNelCampo(c, base + QStringLiteral("bcdef")));
        QCOMPARE(s.visti.size(), std::size_t(1));
        QCOMPARE(s.visti[0].testo, testi_frontespizio::kTroppoLungo);
        QCOMPARE(s.visti[0].icona, QMessageBox::Warning);
        QCOMPARE(c->text(), base + QStringLiteral("bcdef"));
        for (int k = 0; k < 5; ++k) QTest::keyClick(c, Qt::Key_Backspace);
        QCOMPARE(c->text(), base);
        QVERIFY(digitaNelCampo(c, QStringLiteral("xyz")));
        QCOMPARE(s.visti.size(), std::size_t(2));
        QCOMPARE(c->text(), base + QStringLiteral("xyz"));
        // Each field is warned about on its own.
        QLineEdit* a = fr->campo(5);
        a->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), a);
        QVERIFY(digitaNelCampo(a, QString(62, QLatin1Char('q'))));
        QCOMPARE(s.visti.size(), std::size_t(3));
        QCOMPARE(a->text(), QString(62, QLatin1Char('q')));
    }

    // Escape closes the support window, the help pages, the contents and
    // the tips, wherever the focus is; Enter in the support window saves.
    void escETastoInvio()
    {
        reale::Sorvegliante s(100);
        // A key goes where the focus is once the event loop has run.
        const auto tasto = [](QWidget* finestra, Qt::Key k) {
            QCoreApplication::processEvents();
            QWidget* f = QApplication::focusWidget();
            QVERIFY2(f != nullptr && f->window() == finestra, "la finestra non ha il fuoco");
            QTest::keyClick(f, k);
        };
        finestre::mostra(IdFinestra::Supporto);
        auto* sp = finestre::esistente<supportoprodotto>(IdFinestra::Supporto);
        QVERIFY(QTest::qWaitForWindowActive(sp));
        sp->nome()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), sp->nome());
        sp->nome()->selectAll();
        QVERIFY(digitaNelCampo(sp->nome(), QStringLiteral("Studio Neri")));
        tasto(sp, Qt::Key_Return);
        QCOMPARE(s.visti.size(), std::size_t(1));
        QCOMPARE(s.visti[0].testo, testi_frontespizio::kSupportoSalvato);
        QCOMPARE(scena_.impostazioni->nome, QStringLiteral("Studio Neri"));
        tasto(sp, Qt::Key_Escape);
        QTRY_VERIFY(finestre::esistente(IdFinestra::Supporto) == nullptr);

        mostraGuida(IdFinestra::GuidaTiranti);
        auto* g = finestre::esistente<PaginaGuida>(IdFinestra::GuidaTiranti);
        QVERIFY(g != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(g));
        g->cmdstampa()->setFocus();
        tasto(g, Qt::Key_Escape);
        QTRY_VERIFY(finestre::esistente(IdFinestra::GuidaTiranti) == nullptr);

        for (IdFinestra id : {IdFinestra::Sommario, IdFinestra::Tip}) {
            QVERIFY(finestre::mostra(id));
            QWidget* w = finestre::esistente(id);
            QVERIFY(QTest::qWaitForWindowActive(w));
            QList<QPushButton*> pulsanti = w->findChildren<QPushButton*>();
            QVERIFY(!pulsanti.isEmpty());
            pulsanti.back()->setFocus();
            tasto(w, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        }
        QCOMPARE(s.visti.size(), std::size_t(1));
    }
};

QTEST_MAIN(TestFinestreReali)
#include "test_finestre_reali.moc"
