// The windows driven by real events: the pointer over the main menu, Tab
// and keys typed one by one through a row, the real exit question, the
// product-support window, reopening the shoring window, what the user sees of
// the cells, the title page's length warning and the small windows' keys.
#include "columnhooping/cercol.h"
#include "columnhooping/testi.h"
#include "help/frmtip.h"
#include "help/paginaguida.h"
#include "help/sommario.h"
#include "platform/anteprima_qt.h"
#include "platform/piattaforma_qt.h"
#include "report/frontespizio.h"
#include "report/testi.h"
#include "shell/controlli.h"
#include "shell/finestracalcolo.h"
#include "shell/finestragrafico.h"
#include "shell/finestrarighe.h"
#include "shell/finestre.h"
#include "shell/scelta.h"
#include "shell/testi.h"
#include "shell/testi_frame.h"
#include "shoring/puntelli.h"
#include "shoring/testi.h"
#include "support/reale.h"
#include "support/supporto.h"
#include "stitching/cuciture.h"
#include "tierods/testi.h"
#include "tierods/tiranti.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QRadioButton>
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

void tasto(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

// The columns of a row window's grid that Tab visits, left to right.
std::vector<int> colonneAttive(FinestraRighe* w)
{
    std::vector<int> c;
    for (int i = 0; i < w->numeroColonne(); ++i) {
        if (w->campo(i, 1)->isEnabled() && w->campo(i, 1)->isVisibleTo(w)) c.push_back(i);
    }
    std::stable_sort(c.begin(), c.end(), [w](int a, int b) { return w->campo(a, 1)->x() < w->campo(b, 1)->x(); });
    return c;
}

// The sample of a row window, opened through its Open command.
const char* const kEsempi[][2] = {{"tiranti", "Tiranti-dati-esempio"},
                                  {"cercol", "Cercol-dati-esempio"},
                                  {"cerpil", "Cerpil-dati-esempio"},
                                  {"cuciture", "Cuciture-dati-esempio"}};
const IdFinestra kRighe[] = {IdFinestra::Tiranti, IdFinestra::Cercol, IdFinestra::Cerpil, IdFinestra::Cuciture};

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

    // The chart opened by its toolbar button while a row is typed, and
    // again from the menu: the keyboard stays in the field after each key,
    // and the chart follows the row to its end.
    void graficoApertoMentreSiDigita()
    {
        using namespace modtiranti;
        auto* w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        finestre::mostra(IdFinestra::Tiranti);
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s;
        QTest::mouseClick(w->campo(Spes, 1), Qt::LeftButton);
        digitaTasti(QStringLiteral("50"));
        QTest::mouseClick(w->pulsanteGrafico(), Qt::LeftButton);
        QPointer<FinestraGrafico> g = w->finestraGrafico();
        QVERIFY(g);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QVERIFY(!QApplication::activeModalWidget());
        // The keyboard is back in the field before the user's next key.
        QTRY_COMPARE(QApplication::focusWidget(), w->campo(Spes, 1));
        QCOMPARE(g->contenuto().motivo, testi_tiranti::kGuidaTirante + " 1" + testi_tiranti::kGuidaDigitare +
                                            testi_tiranti::kGuidaCampi[Rag]);
        const QStringList resto = {"20", "5", "0,75", "1", "600", "1000", "1,5", "2"};
        for (int c = 0; c < resto.size(); ++c) {
            tab();
            QVERIFY(digitaNelCampo(w->campo(c + 1, 1), resto[c]));
        }
        QTRY_VERIFY(g->contenuto().grafico);

        g->close();
        QTest::keyClick(w, Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_G);
        QTRY_VERIFY(g->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), w->campo(Pass, 1));
        QVERIFY(digitaNelCampo(w->campo(Pass, 1), QStringLiteral("5")));
        QCOMPARE(w->dati().pass[1], QStringLiteral("25"));
        QCOMPARE(s.visti.size(), std::size_t(0));
    }

    // Closing a window with typed, unsaved data asks with the real box:
    // Cancel stays with the data, No closes without saving.
    void chiusuraConDatiNonSalvati()
    {
        QPointer<tiranti> w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        finestre::mostra(IdFinestra::Tiranti);
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s;
        QTest::mouseClick(w->campo(modtiranti::Spes, 1), Qt::LeftButton);
        digitaTasti(QStringLiteral("50"));
        QTRY_VERIFY(w->isWindowModified());
        s.pulsanti = {QStringLiteral("annulla")};
        QVERIFY(!w->close());
        QCOMPARE(s.visti.size(), std::size_t(1));
        QCOMPARE(s.visti[0].icona, QMessageBox::Question);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->campo(modtiranti::Spes, 1)->text(), QStringLiteral("50"));
        s.pulsanti = {QStringLiteral("no")};
        QVERIFY(w->close());
        QTRY_VERIFY(!w);
        QCOMPARE(s.visti.size(), std::size_t(2));
    }

    // Alt and a letter open the menu that owns it, even where a button's
    // caption has the same letter ("&Frontespizio" beside "&File").
    void altLetteraApreIlMenu()
    {
        auto* w = finestre::ottieni<cuciture>(IdFinestra::Cuciture);
        finestre::mostra(IdFinestra::Cuciture);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), QStringLiteral("&File"));
        QVERIFY(!finestre::esistente(IdFinestra::Frontespizio));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key_Escape);
    }

    // A recent file opens from the File menu with Alt+F and its number; one
    // gone since is said with the real box and leaves the menu.
    void fileRecentiDalMenu()
    {
        QTemporaryDir dir;
        const QString copia = dir.filePath(QStringLiteral("Tiranti-dati-copia"));
        QVERIFY(QFile::copy(supporto::fileDati(QStringLiteral("esempi/Tiranti-dati-esempio")), copia));
        const QString sparito = dir.filePath(QStringLiteral("Tiranti-dati-sparito"));
        scena_.impostazioni->recenti[QStringLiteral("Tiranti-dati-")] = {sparito, copia};
        auto* w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        finestre::mostra(IdFinestra::Tiranti);
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s(100);
        auto scegli = [&](Qt::Key numero) {
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
            QTest::keyClick(QApplication::activePopupWidget(), numero);
        };
        scegli(Qt::Key_1);
        QTRY_COMPARE(s.visti.size(), std::size_t(1));
        QCOMPARE(s.visti[0].testo, QStringLiteral("Il file '%1' non esiste più: è stato tolto dall'elenco dei file "
                                                  "recenti.").arg(QDir::toNativeSeparators(sparito)));
        QVERIFY(w->fileCorrente().isEmpty());
        scegli(Qt::Key_1);
        QTRY_COMPARE(w->fileCorrente(), copia);
        QVERIFY(!w->campo(modtiranti::Spes, 1)->text().isEmpty());
        QCOMPARE(w->fileRecenti(), QStringList{copia});
        QCOMPARE(s.visti.size(), std::size_t(1));
    }

    // The Qt preview opened with the mouse from the File menu's submenu and
    // from the toolbar: the pages of the listing the printer gets, the next
    // page shown on a click, closed by Esc, by its close button and by
    // printing through the print dialog, which gets every page.
    void anteprimaDalMenuEDallaBarra()
    {
        auto* w = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        scena_.file->risposte.push_back(supporto::fileDati(QStringLiteral("esempi/Tiranti-dati-esempio")));
        w->apri_click();
        w->stampa_click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        const int pagine = scena_.stampa->lavori[0]->pagina();
        QVERIFY(pagine > 1);
        platform::sostituisciAnteprima(platform::anteprimaQt());
        scena_.anteprima = nullptr;   // no longer installed
        finestre::mostra(IdFinestra::Tiranti);
        QVERIFY(QTest::qWaitForWindowActive(w));

        struct Vista {
            QString titolo;
            int pagine;
            QString prima;
            QString dopo;
        };
        std::vector<Vista> viste;
        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString pdf = cartella.filePath(QStringLiteral("anteprima.pdf"));
        // The print dialog the preview's print button opens: its default button.
        QTimer dialogoStampa;
        connect(&dialogoStampa, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!d || QApplication::activeWindow() != d) {
                return;
            }
            for (QPushButton* b : d->findChildren<QPushButton*>()) {
                if (b->isDefault() && b->isVisible()) {
                    dialogoStampa.stop();
                    QTest::mouseClick(b, Qt::LeftButton);
                    return;
                }
            }
        });
        QTimer sorvegliante;
        connect(&sorvegliante, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<platform::DialogoAnteprima*>(QApplication::activeModalWidget());
            // A user's keys reach the preview once it is the active window.
            if (!d || QApplication::activeWindow() != d || d->vista()->pageCount() == 0) {
                return;
            }
            Vista v{d->windowTitle(), d->vista()->pageCount(), d->indicatore()->text(), {}};
            QTest::mouseClick(d->pulsante(QStringLiteral("successiva")), Qt::LeftButton);
            v.dopo = d->indicatore()->text();
            viste.push_back(v);
            if (viste.size() == 1) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else if (viste.size() == 2) {
                QTest::mouseClick(d->pulsante(QStringLiteral("chiudi")), Qt::LeftButton);
            } else {
                // The dialog offers the file the preview's printer already names.
                d->stampante().setOutputFormat(QPrinter::PdfFormat);
                d->stampante().setOutputFileName(pdf);
                dialogoStampa.start(20);
                QTest::mouseClick(d->pulsante(QStringLiteral("stampa")), Qt::LeftButton);
            }
        });
        sorvegliante.start(20);

        QTest::keyClick(w, Qt::Key_F, Qt::AltModifier);
        QMenu* file = nullptr;
        QTRY_VERIFY((file = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QAction* voce = w->voceMenu(testi::kMenuAnteprima);
        QVERIFY(voce && voce->menu());
        QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(voce).center());
        QMenu* sotto = voce->menu();
        QTRY_VERIFY(sotto->isVisible());
        QAction* dati = nullptr;
        for (QAction* a : sotto->actions()) {
            if (a->text() == testi::kMenuDatiFinestra) dati = a;
        }
        QVERIFY(dati);
        QTest::mouseClick(sotto, Qt::LeftButton, {}, sotto->actionGeometry(dati).center());
        QTRY_COMPARE(viste.size(), std::size_t(1));
        QTRY_VERIFY(!QApplication::activeModalWidget());

        QTest::mouseClick(w->pulsanteAnteprima(), Qt::LeftButton);
        QTRY_COMPARE(viste.size(), std::size_t(2));
        QTRY_VERIFY(!QApplication::activeModalWidget());
#ifndef Q_OS_WIN
        // On Windows the print dialog is the system's own, out of reach of
        // the test's events.
        QTest::mouseClick(w->pulsanteAnteprima(), Qt::LeftButton);
        QTRY_COMPARE(viste.size(), std::size_t(3));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QFile stampato(pdf);
        QVERIFY(stampato.open(QIODevice::ReadOnly));
        static const QRegularExpression foglio(QStringLiteral("/Type\\s*/Page[^s]"));
        QCOMPARE(int(QString::fromLatin1(stampato.readAll()).count(foglio)), pagine);
#endif

        for (const Vista& v : viste) {
            QCOMPARE(v.titolo, QStringLiteral("Anteprima di stampa - Dati e risultati"));
            QCOMPARE(v.pagine, pagine);
            QVERIFY2(v.prima.startsWith(QStringLiteral("Pagina 1 di %1 - ").arg(pagine)), qPrintable(v.prima));
            QVERIFY2(v.dopo.startsWith(QStringLiteral("Pagina 2 di %1 - ").arg(pagine)), qPrintable(v.dopo));
        }
        // Nothing went to the printer.
        QCOMPARE(scena_.stampa->aperture, 1);
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

    FinestraRighe* apriEsempio(int i)
    {
        auto* w = dynamic_cast<FinestraRighe*>(finestre::ottieni(kRighe[i]));
        finestre::mostra(kRighe[i]);
        if (!QTest::qWaitForWindowActive(w)) return nullptr;
        scena_.file->risposte.push_back(supporto::fileDati(QStringLiteral("esempi/") + QLatin1String(kEsempi[i][1])));
        reale::Sorvegliante s(100);
        w->apri_click();
        for (const reale::Box& b : s.visti) qWarning("%s", qPrintable(b.testo));
        return s.visti.empty() ? w : nullptr;
    }
    static void righeDelleFinestre()
    {
        QTest::addColumn<int>("finestra");
        for (int i = 0; i < 4; ++i) QTest::newRow(kEsempi[i][0]) << i;
    }

    // Tab and Shift+Tab walk on through the rows, scrolling them under the
    // cursor; Down/Up a row, Page Down/Up five; the wheel over the grid
    // scrolls; the data stay as loaded and no message comes.
    void camminoSulleRighe_data() { righeDelleFinestre(); }
    void camminoSulleRighe()
    {
        QFETCH(int, finestra);
        FinestraRighe* w = apriEsempio(finestra);
        QVERIFY(w != nullptr);
        reale::Sorvegliante s;
        const std::vector<int> col = colonneAttive(w);
        QVERIFY(col.size() >= 2);
        const QString primoValore = w->campo(col.front(), 1)->text();
        QTest::mouseClick(w->campo(col.front(), 1), Qt::LeftButton);
        const int n = int(col.size());
        for (int k = 0; k < 7 * n; ++k) tab();
        QCOMPARE(QApplication::focusWidget(), w->campo(col.front(), 5));
        QCOMPARE(w->VScroll1()->value(), 4);
        QCOMPARE(w->num(5)->text(), QStringLiteral("8"));
        QCOMPARE(w->RigaCorrente, 8);
        QCOMPARE(w->LineaCorrente, 5);
        if (finestra == 0) {
            // The guidance speaks of the row under the cursor.
            QVERIFY2(w->passo()->text().startsWith(QStringLiteral("Tirante n. 8:")), qPrintable(w->passo()->text()));
        }
        tab(Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w->campo(col.back(), 4));
        for (int k = 0; k < 7 * n - 1; ++k) tab(Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w->campo(col.front(), 1));
        QCOMPARE(w->RigaInizio, 1);
        tab(Qt::ShiftModifier);
        QCOMPARE(w->RigaInizio, 1);

        QTest::mouseClick(w->campo(col[1], 1), Qt::LeftButton);
        tasto(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), w->campo(col[1], 1));
        QCOMPARE(w->RigaInizio, 1);
        for (int k = 0; k < 6; ++k) tasto(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), w->campo(col[1], 5));
        QCOMPARE(w->RigaInizio, 3);
        tasto(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), w->campo(col[1], 4));
        QCOMPARE(w->RigaInizio, 3);
        tasto(Qt::Key_PageDown);
        QCOMPARE(w->RigaInizio, 8);
        QCOMPARE(QApplication::focusWidget(), w->campo(col[1], 4));
        QCOMPARE(w->RigaCorrente, 11);
        tasto(Qt::Key_PageUp);
        tasto(Qt::Key_PageUp);
        QCOMPARE(w->RigaInizio, 1);
        QCOMPARE(QApplication::focusWidget(), w->campo(col[1], 1));

        // The wheel, one notch down over a field of the grid: three rows.
        QWidget* sotto = w->campo(col[1], 3);
        QWheelEvent rotella(centro(sotto), sotto->mapToGlobal(centro(sotto)), {}, {0, -120}, Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sotto, &rotella);
        QCOMPARE(w->RigaInizio, 4);
        QCOMPARE(w->num(1)->text(), QStringLiteral("4"));

        // At the last row Tab scrolls no further.
        w->VScroll1()->setValue(w->VScroll1()->maximum());
        QTest::mouseClick(w->campo(col.back(), 5), Qt::LeftButton);
        tab();
        QCOMPARE(w->RigaInizio, 96);
        w->VScroll1()->setValue(1);
        QCOMPARE(w->campo(col.front(), 1)->text(), primoValore);
        QCOMPARE(s.visti.size(), std::size_t(0));
    }

    // A click on the number "1" has no previous row to copy: nothing changes.
    void numeroUnoNonCopia_data() { righeDelleFinestre(); }
    void numeroUnoNonCopia()
    {
        QFETCH(int, finestra);
        FinestraRighe* w = apriEsempio(finestra);
        QVERIFY(w != nullptr);
        reale::Sorvegliante s;
        auto istantanea = [w] {
            QCoreApplication::processEvents();
            QStringList t{w->passo()->text(), w->isWindowModified() ? QStringLiteral("*") : QString()};
            for (QLabel* l : w->superficie()->findChildren<QLabel*>()) t << l->text();
            for (QLineEdit* e : w->superficie()->findChildren<QLineEdit*>()) t << e->text();
            return t;
        };
        const QStringList prima = istantanea();
        QVERIFY(!w->campo(colonneAttive(w).front(), 1)->text().isEmpty());
        QTest::mouseMove(w->num(1), centro(w->num(1)));
        QTest::mouseClick(w->num(1), Qt::LeftButton, {}, centro(w->num(1)));
        QCOMPARE(istantanea(), prima);
        // Row 2 still copies row 1.
        QTest::mouseClick(w->num(2), Qt::LeftButton, {}, centro(w->num(2)));
        for (int c : colonneAttive(w)) QCOMPARE(w->campo(c, 2)->text(), w->campo(c, 1)->text());
        QCOMPARE(s.visti.size(), std::size_t(0));
    }

    // Space and Enter on a mortar button write into the row being edited,
    // not into the one on the first line.
    void maltaSullaRigaInModifica()
    {
        FinestraRighe* f = apriEsempio(0);
        auto* w = dynamic_cast<tiranti*>(f);
        QVERIFY(w != nullptr);
        const QString primaRiga = w->dati().traz[1];
        QTest::mouseClick(w->campo(modtiranti::Dist, 2), Qt::LeftButton);
        w->malt(1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->malt(1), Qt::Key_Space);
        QCOMPARE(w->dati().traz[2], QStringLiteral("4,5"));
        QCOMPARE(w->dati().traz[1], primaRiga);
        // The rows scrolled by the keyboard: the row under the cursor.
        QTest::mouseClick(w->campo(modtiranti::Dist, 5), Qt::LeftButton);
        tasto(Qt::Key_Down);
        QCOMPARE(w->RigaInizio, 2);
        w->malt(4)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->malt(4), Qt::Key_Return);
        QCOMPARE(w->dati().traz[6], QStringLiteral("0,3"));
        QCOMPARE(w->dati().traz[2], QStringLiteral("4,5"));
        QCOMPARE(w->campo(modtiranti::Traz, 5)->text(), QStringLiteral("0,3"));
    }

    // One step of a small bar's arrow starts from the value its field shows
    // (loaded from the file, or typed), not from where the bar was left.
    void frecciaDalValoreMostrato_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<QString>("barra");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("cercol: diametro elica digitato") << 1 << "VScroll3_1" << "elic1" << "12" << "13";
        QTest::newRow("cerpil: diametro dal file") << 2 << "VScroll8_1" << "diam1" << "" << "9";
        QTest::newRow("cuciture: passo dal file") << 3 << "VScroll7_1" << "pas1" << "" << "51";
        QTest::newRow("cuciture: rondelle digitate") << 3 << "VScroll5_2" << "rond2" << "25" << "26";
    }
    void frecciaDalValoreMostrato()
    {
        QFETCH(int, finestra);
        QFETCH(QString, barra);
        QFETCH(QString, campo);
        QFETCH(QString, digitato);
        QFETCH(QString, atteso);
        FinestraRighe* w = apriEsempio(finestra);
        QVERIFY(w != nullptr);
        if (finestra == 1) {
            // The diameter bars belong to the cold type.
            QTest::mouseClick(w->superficie()->findChild<QRadioButton*>(QStringLiteral("Option1_2")), Qt::LeftButton,
                              {}, QPoint(6, 6));
        }
        auto* b = w->findChild<QScrollBar*>(barra);
        auto* e = w->findChild<QLineEdit*>(campo);
        QVERIFY(b && e && b->isEnabled() && e->isEnabled());
        reale::Sorvegliante s;
        if (!digitato.isEmpty()) {
            QTest::mouseClick(e, Qt::LeftButton);
            e->selectAll();
            digitaTasti(digitato);
            QCOMPARE(e->text(), digitato);
        }
        reale::premi(s, b, reale::Punto::FrecciaPiu);
        QCOMPARE(e->text(), atteso);
        QCOMPARE(s.visti.size(), std::size_t(0));
    }

    // A result longer than its cell is cut inside it, its integer part kept,
    // and the whole value is in the cell's tooltip under the cell's own text.
    void valoreLungoNellaCella_data() { righeDelleFinestre(); }
    void valoreLungoNellaCella()
    {
        QFETCH(int, finestra);
        FinestraRighe* w = apriEsempio(finestra);
        QVERIFY(w != nullptr);
        int viste = 0;
        for (auto* c : w->superficie()->findChildren<controlli::Cella*>()) {
            if (!c->isVisibleTo(w)) continue;
            // Eight integer digits only where a grid column's cell is (the
            // narrow cells hold row numbers and counts).
            QStringList valori{QStringLiteral("5,83333333333333")};
            if (c->width() >= 38) valori << QStringLiteral("-12345678,25");
            for (const QString& v : valori) {
                const QString proprio = c->toolTip();
                c->setText(v);
                const auto [mostrato, carattere] = c->mostrato();
                QVERIFY2(mostrato.startsWith(v.left(v.indexOf(QLatin1Char(',')))),
                         qPrintable(c->objectName() + QStringLiteral(": ") + mostrato));
                QVERIFY2(QFontMetrics(carattere).horizontalAdvance(mostrato) <= c->contentsRect().width(),
                         qPrintable(c->objectName() + QStringLiteral(": ") + mostrato));
                QCOMPARE(c->suggerimentoCompleto(),
                         proprio.isEmpty() ? v : proprio + QLatin1Char('\n') + v);
                ++viste;
            }
        }
        QVERIFY(viste > 0);
        // The tooltip on hover, through a real help event.
        controlli::Cella* c = nullptr;
        for (auto* x : w->superficie()->findChildren<controlli::Cella*>()) {
            if (!c && x->isVisibleTo(w)) c = x;
        }
        c->setText(QStringLiteral("5,83333333333333"));
        QHelpEvent aiuto(QEvent::ToolTip, centro(c), c->mapToGlobal(centro(c)));
        QApplication::sendEvent(c, &aiuto);
        QTRY_COMPARE(QToolTip::text(), c->suggerimentoCompleto());
        QVERIFY(QToolTip::text().endsWith(QStringLiteral("\n5,83333333333333")));
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

    // Column hooping: a radius typed before the type is refused key by key
    // with the real box, and no refused key stays in the field.
    void raggioPrimaDelTipoReale()
    {
        auto* w = finestre::ottieni<cercol>(IdFinestra::Cercol);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s(200);
        QLineEdit* rag = w->campo(modcercol::Rag, 1);
        QTest::mouseClick(rag, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), rag);
        for (QChar c : QString("25")) {
            QTest::keyClick(rag, c.toLatin1());
            QVERIFY(rag->text().isEmpty());
        }
        QCOMPARE(s.visti.size(), std::size_t(2));
        QCOMPARE(s.visti[0].testo, testi_cercol::kSceglierePrima);
        QCOMPARE(w->NumeroCerchiature, 0);
        QTest::mouseClick(w->Option1(2), Qt::LeftButton);
        w->activateWindow();
        QTest::mouseClick(rag, Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), rag);
        digitaTasti("25");
        QCOMPARE(rag->text(), QString("25"));
        QCOMPARE(w->NumeroCerchiature, 1);
        QCOMPARE(s.visti.size(), std::size_t(2));
    }

    // Shoring: a key typed into absurd data raises no box while the user
    // types, every key reaches the field; the check speaks once when the
    // field is left on absurd data, and at once for a click on an option.
    void puntelliAssurdiSoloALasciare()
    {
        auto* w = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        finestre::mostra(IdFinestra::Puntelli);
        QVERIFY(QTest::qWaitForWindowActive(w));
        reale::Sorvegliante s(200);
        auto clic = [](QAbstractButton* b) {
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        };
        // Into the field with the mouse, its text selected, then key by key.
        auto ridigita = [w](puntelli::Campo c, const QString& t) {
            QLineEdit* e = w->campo(c);
            w->activateWindow();
            QTest::mouseClick(e, Qt::LeftButton);
            QTRY_COMPARE(QApplication::focusWidget(), e);
            e->selectAll();
            digitaTasti(t);
        };
        for (int m = 1; m <= 2; ++m) {
            clic(w->opzione(1, m));
            for (int g = 2; g <= 6; ++g) clic(w->opzione(g, std::array{5, 2, 2, 1, 1}[std::size_t(g - 2)]));
        }
        clic(w->opzione(7, 1));
        clic(w->opzione(8, 1));
        const puntelli::Campo campi[] = {puntelli::carpu, puntelli::ang, puntelli::altpu,
                                         puntelli::spessfr, puntelli::spessnor, puntelli::sigm};
        const QStringList valori = {"1000", "60", "240", "30", "30", "60"};
        QTest::mouseClick(w->campo(puntelli::carpu), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), w->campo(puntelli::carpu));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(QApplication::focusWidget(), w->campo(campi[i]));
            digitaTasti(valori[i]);
            QCOMPARE(w->campo(campi[i])->text(), valori[i]);
            tab();
        }
        QCOMPARE(s.visti.size(), std::size_t(0));
        // Typed again key by key on sound data: nothing said.
        ridigita(puntelli::altpu, "240");
        QCOMPARE(w->campo(puntelli::altpu)->text(), QString("240"));
        tab();
        QCOMPARE(s.visti.size(), std::size_t(0));
        // An option that makes the data absurd is said at once; a key
        // typed then waits for the field to be left.
        ridigita(puntelli::altpu, "300");
        clic(w->opzione(8, 2));
        QCOMPARE(s.visti.size(), std::size_t(1));
        QCOMPARE(s.visti[0].testo, modpuntelli::testi::kDatiAssurdi);
        w->activateWindow();
        QTest::mouseClick(w->campo(puntelli::altpu), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), w->campo(puntelli::altpu));
        w->campo(puntelli::altpu)->end(false);
        digitaTasti("0");
        QCOMPARE(s.visti.size(), std::size_t(1));
        tab();
        QCOMPARE(s.visti.size(), std::size_t(2));
        QCOMPARE(w->campo(puntelli::altpu)->text(), QString("3000"));

        // The field left by a press on a button: no box takes the release,
        // the click acts, then the check speaks once.
        w->activateWindow();
        QTest::mouseClick(w->campo(puntelli::altpu), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), w->campo(puntelli::altpu));
        w->campo(puntelli::altpu)->end(false);
        digitaTasti("0");
        QPushButton* aiuto = nullptr;
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            if (b->isVisible() && QString(b->text()).remove(QLatin1Char('&')) == QLatin1String("AIUTO")) {
                aiuto = b;
            }
        }
        QVERIFY(aiuto);
        QSignalSpy cliccato(aiuto, &QAbstractButton::clicked);
        QTest::mousePress(aiuto, Qt::LeftButton, {}, aiuto->rect().center());
        QCOMPARE(s.visti.size(), std::size_t(2));
        QTest::mouseRelease(aiuto, Qt::LeftButton, {}, aiuto->rect().center());
        // AIUTO's own box first, answered, then the check's.
        QCOMPARE(cliccato.count(), 1);
        QTRY_COMPARE(s.visti.size(), std::size_t(4));
        QVERIFY(s.visti[2].testo != modpuntelli::testi::kDatiAssurdi);
        QCOMPARE(s.visti[3].testo, modpuntelli::testi::kDatiAssurdi);
        QTest::qWait(100);
        QCOMPARE(s.visti.size(), std::size_t(4));
        supporto::chiudiTutte();
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
