#include "scaling/clsresize.h"

#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A window that rescales from its resize handler, as the program's windows do.
class Finestra : public QWidget {
public:
    explicit Finestra(QSize disegno) { resize(disegno); }
    clsResize scala;

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        scala.ResizeControls();
    }
};

QWidget* controllo(QWidget* genitore, QRect g, const char* tag = nullptr)
{
    auto* b = new QPushButton(genitore);
    b->setGeometry(g);
    if (tag) {
        b->setProperty("tag", QString::fromUtf8(tag));
    }
    return b;
}

// Records the window at its current size, then rescales it to `dimensione`.
void scalaA(clsResize& scala, QWidget* finestra, QSize dimensione)
{
    scala.setSourceForm(finestra);
    scala.ReInitialise();
    finestra->resize(dimensione);
    scala.ResizeControls();
}

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void centraturaSulloSchermo_data();
    void centraturaSulloSchermo();
    void caricamentoCompleto();
    void primaChiamataRegistraSoltanto();
    void ridottaAIconaNonTocca();
    void regolaDelTag_data();
    void regolaDelTag();
    void lineaScalaGliEstremi();
    void reInitialiseDopoNuovoControllo();
    void qualiControlliSonoScalati();
    void finestraPrincipaleSegueIRidimensionamenti();
    void finestraPrincipaleSenzaCentro();
};

void TestClsResize::centraturaSulloSchermo_data()
{
    QTest::addColumn<QSize>("schermo");
    QTest::addColumn<int>("percento");
    QTest::addColumn<QRect>("atteso");
    // 15360 x 11520 twips -> 11520 x 8640 at Left 1920, Top 1440.
    QTest::newRow("1024x768 al 75") << QSize(1024, 768) << 75 << QRect(128, 96, 768, 576);
    QTest::newRow("1280x1024 al 50") << QSize(1280, 1024) << 50 << QRect(320, 256, 640, 512);
    QTest::newRow("schermo intero") << QSize(1024, 768) << 100 << QRect(0, 0, 1024, 768);
    // 12045 x 9030 twips: 6772.5 is cut to 6772 twips, 451.47 pixels.
    QTest::newRow("parte intera") << QSize(803, 602) << 75 << QRect(100, 75, 602, 451);
}

void TestClsResize::centraturaSulloSchermo()
{
    QFETCH(QSize, schermo);
    QFETCH(int, percento);
    QFETCH(QRect, atteso);
    QWidget w;
    w.resize(400, 300);
    controllo(&w, QRect(10, 10, 50, 20));
    clsResize scala;
    scala.impostaSchermo(schermo);
    scala.setSourceForm(&w);
    scala.SizeFormToScreen(quint8(percento));
    QCOMPARE(w.geometry(), atteso);
}

void TestClsResize::caricamentoCompleto()
{
    // Designed at 480 x 360 pixels, finally 9600 x 6825 twips = 640 x 455.
    Finestra w(QSize(480, 360));
    QWidget* b = controllo(&w, QRect(30, 36, 90, 27));
    w.scala.impostaSchermo(QSize(1024, 768));
    w.scala.setSourceForm(&w);
    w.scala.SizeFormToScreen(75);
    QCOMPARE(w.geometry(), QRect(128, 96, 768, 576));
    QCOMPARE(b->geometry(), QRect(48, 58, 144, 43));   // x1.6

    w.show();
    w.resize(tw(9600), tw(6825));
    QCOMPARE(w.size(), QSize(640, 455));
    // 640/480 across, 455/360 down: 45.5 -> 46, 34.125 -> 34.
    QCOMPARE(b->geometry(), QRect(40, 46, 120, 34));

    // The shared helper does the same on a window never shown.
    Finestra nascosta(QSize(480, 360));
    QWidget* c = controllo(&nascosta, QRect(30, 36, 90, 27));
    nascosta.scala.impostaSchermo(QSize(1024, 768));
    applicaScalaIniziale(nascosta.scala, &nascosta);
    QCOMPARE(nascosta.geometry(), QRect(128, 96, 640, 455));
    QCOMPARE(c->geometry(), QRect(40, 46, 120, 34));
}

void TestClsResize::primaChiamataRegistraSoltanto()
{
    QWidget w;
    w.resize(400, 300);
    QWidget* b = controllo(&w, QRect(40, 30, 80, 20));
    clsResize scala;
    scala.setSourceForm(&w);
    w.resize(800, 600);
    scala.ResizeControls();   // records this as the design layout
    QCOMPARE(b->geometry(), QRect(40, 30, 80, 20));
    w.resize(400, 300);
    scala.ResizeControls();
    QCOMPARE(b->geometry(), QRect(20, 15, 40, 10));

    // Nothing to scale: a window without controls is left alone.
    QWidget vuota;
    vuota.resize(100, 100);
    clsResize s2;
    s2.setSourceForm(&vuota);
    s2.ResizeControls();
    vuota.resize(200, 200);
    s2.ResizeControls();
    QCOMPARE(vuota.size(), QSize(200, 200));
}

void TestClsResize::ridottaAIconaNonTocca()
{
    Finestra w(QSize(400, 300));
    QWidget* b = controllo(&w, QRect(40, 30, 80, 20));
    w.scala.setSourceForm(&w);
    w.scala.ReInitialise();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(800, 600);
    QCOMPARE(b->geometry(), QRect(80, 60, 160, 40));

    w.setWindowState(Qt::WindowMinimized);
    QVERIFY(w.isMinimized());
    w.resize(200, 150);
    w.scala.ResizeControls();
    QCOMPARE(b->geometry(), QRect(80, 60, 160, 40));

    w.setWindowState(Qt::WindowNoState);
    QVERIFY(!w.isMinimized());
    w.scala.ResizeControls();
    QCOMPARE(b->geometry(), QRect(20, 15, 40, 10));
}

void TestClsResize::regolaDelTag_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QRect>("atteso");
    // Recorded (10, 20, 30, 40); the window grows x2 across and x1.5 down.
    QTest::newRow("vuoto") << QString() << QRect(20, 30, 60, 60);
    QTest::newRow("senza @") << "abc" << QRect(20, 30, 60, 60);
    QTest::newRow("@ non in testa") << "x@L" << QRect(20, 30, 60, 60);
    QTest::newRow("@LT sposta soltanto") << "@LT" << QRect(20, 30, 30, 40);
    QTest::newRow("@ solo") << "@" << QRect(10, 20, 30, 40);
    QTest::newRow("minuscole") << "@wh" << QRect(10, 20, 60, 60);
    QTest::newRow("lettere sparse") << "@xHyL" << QRect(20, 20, 30, 60);
}

void TestClsResize::regolaDelTag()
{
    QFETCH(QString, tag);
    QFETCH(QRect, atteso);
    QWidget w;
    w.resize(400, 300);
    QWidget* b = controllo(&w, QRect(10, 20, 30, 40));
    b->setProperty("tag", tag);
    clsResize scala;
    scalaA(scala, &w, QSize(800, 450));
    QCOMPARE(b->geometry(), atteso);

    // Measures the tag keeps are not restored either: they stay as they are.
    if (tag == "@") {
        b->setGeometry(5, 6, 7, 8);
        w.resize(400, 300);
        scala.ResizeControls();
        QCOMPARE(b->geometry(), QRect(5, 6, 7, 8));
    }
}

void TestClsResize::lineaScalaGliEstremi()
{
    QWidget w;
    w.resize(400, 300);
    auto* orizzontale = new Linea(&w);
    orizzontale->impostaEstremi(10, 20, 110, 20);
    QCOMPARE(orizzontale->geometry(), QRect(10, 20, 101, 1));
    QVERIFY(orizzontale->testAttribute(Qt::WA_TransparentForMouseEvents));
    auto* rovescia = new Linea(&w);
    rovescia->impostaEstremi(200, 10, 50, 100);
    auto* soloX = new Linea(&w);
    soloX->impostaEstremi(10, 10, 20, 20);
    soloX->setProperty("tag", "@LW");

    clsResize scala;
    scalaA(scala, &w, QSize(800, 450));
    QCOMPARE(QRect(QPoint(orizzontale->X1(), orizzontale->Y1()), QPoint(orizzontale->X2(), orizzontale->Y2())),
             QRect(QPoint(20, 30), QPoint(220, 30)));
    QCOMPARE(orizzontale->geometry(), QRect(20, 30, 201, 1));
    QCOMPARE(rovescia->X1(), 400);
    QCOMPARE(rovescia->Y1(), 15);
    QCOMPARE(rovescia->X2(), 100);
    QCOMPARE(rovescia->Y2(), 150);
    QCOMPARE(rovescia->geometry(), QRect(100, 15, 301, 136));
    QCOMPARE(soloX->X1(), 20);
    QCOMPARE(soloX->Y1(), 10);
    QCOMPARE(soloX->X2(), 40);
    QCOMPARE(soloX->Y2(), 20);

    // The line is really drawn where its end points are.
    w.show();
    w.resize(400, 300);
    scala.ResizeControls();
    const QImage img = w.grab().toImage();
    QCOMPARE(img.pixelColor(60, 20), w.palette().color(QPalette::WindowText));
    QVERIFY(img.pixelColor(60, 22) != w.palette().color(QPalette::WindowText));
}

void TestClsResize::reInitialiseDopoNuovoControllo()
{
    QWidget w;
    w.resize(400, 300);
    QWidget* vecchio = controllo(&w, QRect(40, 30, 80, 20));
    QWidget* rimosso = controllo(&w, QRect(0, 0, 10, 10));
    clsResize scala;
    scalaA(scala, &w, QSize(800, 600));
    QCOMPARE(vecchio->geometry(), QRect(80, 60, 160, 40));

    // Not yet recorded: the new control stays put, the deleted one is skipped.
    QWidget* nuovo = controllo(&w, QRect(100, 100, 50, 50));
    delete rimosso;
    w.resize(400, 300);
    scala.ResizeControls();
    QCOMPARE(nuovo->geometry(), QRect(100, 100, 50, 50));
    QCOMPARE(vecchio->geometry(), QRect(40, 30, 80, 20));

    // Recorded at the current 400 x 300.
    scala.ReInitialise();
    w.resize(200, 150);
    scala.ResizeControls();
    QCOMPARE(nuovo->geometry(), QRect(50, 50, 25, 25));
    QCOMPARE(vecchio->geometry(), QRect(20, 15, 40, 10));
}

void TestClsResize::qualiControlliSonoScalati()
{
    QMainWindow w;
    w.menuBar()->addMenu("&File");
    w.addToolBar("strumenti")->addAction("x");
    auto* centro = new QWidget;
    w.setCentralWidget(centro);

    auto* cornice = new QFrame(centro);
    cornice->setGeometry(10, 10, 100, 100);
    QWidget* interno = controllo(cornice, QRect(5, 5, 20, 20));

    auto* area = new QScrollArea(centro);
    area->setGeometry(120, 10, 100, 100);
    auto* contenuto = new QWidget;
    contenuto->resize(300, 300);
    area->setWidget(contenuto);

    auto* spin = new QSpinBox(centro);
    spin->setGeometry(10, 120, 60, 20);

    auto* fisso = new QFrame(centro);
    fisso->setProperty("scala", false);
    fisso->setGeometry(200, 120, 40, 40);
    QWidget* dentroFisso = controllo(fisso, QRect(1, 1, 10, 10));

    auto* popup = new QMenu(centro);
    popup->setGeometry(300, 300, 50, 50);

    auto* gruppo = new QGroupBox("g", centro);
    gruppo->setGeometry(250, 10, 100, 100);
    auto* inLayout = new QPushButton("l");
    (new QVBoxLayout(gruppo))->addWidget(inLayout);

    // Container by declaration, not by class.
    auto* etichetta = new QLabel(centro);
    etichetta->setProperty("contenitore", true);
    etichetta->setGeometry(10, 150, 100, 40);
    QWidget* suEtichetta = controllo(etichetta, QRect(2, 2, 10, 10));
    auto* etichettaChiusa = new QLabel(centro);
    etichettaChiusa->setGeometry(120, 150, 100, 40);
    QWidget* suEtichettaChiusa = controllo(etichettaChiusa, QRect(2, 2, 10, 10));

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize cornici = w.size() - centro->size();
    w.resize(QSize(400, 300) + cornici);
    QTRY_COMPARE(centro->size(), QSize(400, 300));
    const int altezzaMenu = w.menuBar()->height();

    clsResize scala;
    scala.setSourceForm(&w);
    scala.ReInitialise();
    w.resize(QSize(800, 600) + cornici);   // the central widget doubles
    scala.ResizeControls();

    QCOMPARE(cornice->geometry(), QRect(20, 20, 200, 200));
    QCOMPARE(interno->geometry(), QRect(10, 10, 40, 40));
    QCOMPARE(area->geometry(), QRect(240, 20, 200, 200));
    QCOMPARE(contenuto->size(), QSize(300, 300));
    QCOMPARE(spin->geometry(), QRect(20, 240, 120, 40));
    QCOMPARE(fisso->geometry(), QRect(200, 120, 40, 40));
    QCOMPARE(dentroFisso->geometry(), QRect(1, 1, 10, 10));
    QCOMPARE(gruppo->geometry(), QRect(500, 20, 200, 200));
    QCOMPARE(suEtichetta->geometry(), QRect(4, 4, 20, 20));
    QCOMPARE(suEtichettaChiusa->geometry(), QRect(2, 2, 10, 10));
    QCOMPARE(w.menuBar()->height(), altezzaMenu);
    QCOMPARE(popup->geometry(), QRect(300, 300, 50, 50));
    // The group box's layout, not the scaler, places the button inside it.
    QCOMPARE(inLayout->x(), gruppo->layout()->contentsRect().x());
    QCOMPARE(inLayout->width(), gruppo->layout()->contentsRect().width());
}

void TestClsResize::finestraPrincipaleSegueIRidimensionamenti()
{
    // The event filter runs before the main window's layout has placed the
    // central widget: the ratios must still come from the new central size.
    QMainWindow w;
    w.menuBar()->addMenu("&File");
    auto* centro = new QWidget;
    w.setCentralWidget(centro);
    QWidget* b = controllo(centro, QRect(40, 30, 80, 20));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize cornici = w.size() - centro->size();
    w.resize(QSize(400, 300) + cornici);

    clsResize scala;
    scala.setSourceForm(&w);
    scala.seguiRidimensionamenti();
    scala.ReInitialise();
    w.resize(QSize(800, 600) + cornici);
    QCOMPARE(b->geometry(), QRect(80, 60, 160, 40));
    w.resize(QSize(200, 450) + cornici);
    QCOMPARE(b->geometry(), QRect(20, 45, 40, 30));

    // A main window never shown has not placed its central widget yet.
    QMainWindow nascosta;
    nascosta.menuBar()->addMenu("&File");
    auto* centroNascosto = new QWidget;
    nascosta.setCentralWidget(centroNascosto);
    QWidget* c = controllo(centroNascosto, QRect(40, 30, 80, 20));
    nascosta.resize(400, 300);
    clsResize s2;
    s2.setSourceForm(&nascosta);
    s2.ReInitialise();
    nascosta.resize(800, 300);
    s2.ResizeControls();
    QCOMPARE(centroNascosto->width(), 800);
    QCOMPARE(c->geometry(), QRect(80, 30, 160, 20));

    // Nor has one hidden again after being shown.
    nascosta.show();
    QVERIFY(QTest::qWaitForWindowExposed(&nascosta));
    nascosta.hide();
    nascosta.resize(400, 300);
    s2.ResizeControls();
    QCOMPARE(centroNascosto->width(), 400);
    QCOMPARE(c->geometry(), QRect(40, 30, 80, 20));

    // A new window handed over drops the old one's filter.
    QWidget altra;
    scala.setSourceForm(&altra);
    w.resize(QSize(400, 300) + cornici);
    QCOMPARE(b->geometry(), QRect(20, 45, 40, 30));
}

void TestClsResize::finestraPrincipaleSenzaCentro()
{
    // Controls placed straight on a main window: its bars are not controls.
    QMainWindow w;
    w.menuBar()->addMenu("&File");
    QToolBar* barra = w.addToolBar("strumenti");
    barra->addAction("x");
    w.statusBar()->showMessage("pronto");
    w.addDockWidget(Qt::LeftDockWidgetArea, new QDockWidget("a"));
    w.addDockWidget(Qt::RightDockWidgetArea, new QDockWidget("b"));
    QWidget* b = controllo(&w, QRect(40, 80, 80, 20));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Where the main window itself puts its own parts at the larger size.
    w.resize(800, 600);
    QList<QRect> proprie;
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        if (c != b) {
            proprie << c->geometry();
        }
    }
    w.resize(400, 300);
    const int altezzaBarra = barra->height();
    const int altezzaStato = w.statusBar()->height();

    clsResize scala;
    scala.setSourceForm(&w);
    scala.ReInitialise();
    w.resize(800, 600);
    scala.ResizeControls();
    QCOMPARE(b->geometry(), QRect(80, 160, 160, 40));
    QCOMPARE(barra->height(), altezzaBarra);
    QCOMPARE(w.statusBar()->height(), altezzaStato);
    QCOMPARE(w.statusBar()->geometry().bottom(), 599);
    QList<QRect> dopo;
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        if (c != b) {
            dopo << c->geometry();
        }
    }
    QCOMPARE(dopo, proprie);
}

QTEST_MAIN(TestClsResize)
#include "test_clsresize.moc"
