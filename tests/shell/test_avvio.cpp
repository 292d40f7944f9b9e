// Start-up, main menu, about box and exit, through the real windows.
#include "platform/stampante_testo.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/scelta.h"
#include "shell/splash.h"
#include "shell/stampa.h"
#include "support/supporto.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using platform::Icona;
using platform::Risposta;

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void init() { scena_ = supporto::prepara(); }
    void cleanup()
    {
        supporto::chiudiTutte();
        QApplication::processEvents();
    }

    void splashEMenu()
    {
        QVERIFY(finestre::mostra(IdFinestra::Splash));
        auto* s = finestre::esistente<frmSplash>(IdFinestra::Splash);
        QCOMPARE(scena_.midi->comandi, QStringList({QStringLiteral("open"), QStringLiteral("play")}));
        QVERIFY(scena_.midi->file.endsWith(QStringLiteral("Internet.mid")));
        QCOMPARE(s->lblNome()->text(), QStringLiteral("Rinsal"));
        QCOMPARE(s->lblSottotitolo()->text(), QStringLiteral("calcoli di consolidamenti"));
        QCOMPARE(s->lblVersione()->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 3.04.05"));
        // A click on a label reaches the window: music paused, menu shown, splash kept.
        QTest::mouseClick(s, Qt::LeftButton, {}, s->lblNome()->geometry().center());
        QCOMPARE(scena_.midi->comandi.last(), QStringLiteral("pause"));
        auto* m = finestre::esistente<scelta>(IdFinestra::Scelta);
        QVERIFY(m && m->isVisible());
        QVERIFY(s->isVisible());
        QCOMPARE(m->windowTitle(), QStringLiteral("Rinsal: menu delle procedure di calcolo disponibili"));
        QCOMPARE(m->StatusBar1()->currentMessage(),
                 QStringLiteral("Elenca i tipi di calcolo disponibili ed una breve descrizione dei rispettivi "
                                "risultati ottenibili dall'elaborazione."));
        m->Option1_MouseMove(2);
        QCOMPARE(m->StatusBar1()->currentMessage(), QStringLiteral("Apre una finestra per il calcolo di tiranti metallici."));
    }

    void tastoSulloSplash()
    {
        finestre::mostra(IdFinestra::Splash);
        QPointer<QWidget> s = finestre::esistente(IdFinestra::Splash);
        QTest::keyClick(s.data(), Qt::Key_Space);
        QApplication::processEvents();
        QCOMPARE(scena_.midi->comandi.last(), QStringLiteral("close"));
        QVERIFY(!finestre::esistente(IdFinestra::Scelta));
        QVERIFY(!s || !s->isVisible());
    }

    void opzioniDelMenu()
    {
        finestre::mostra(IdFinestra::Scelta);
        auto* m = finestre::esistente<scelta>(IdFinestra::Scelta);
        QTest::mouseClick(m->Option1(4), Qt::LeftButton);
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("La finestra per il calcolo delle cerchiature di pilastri è in fase di collaudo."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Informazione);
        QVERIFY(m->Option1(4)->isChecked());
        QVERIFY(!finestre::esistente(IdFinestra::Cerpil));

        // An option opens its window and is cleared, so a second click works.
        int create = 0;
        finestre::registra(IdFinestra::Cuciture, [&create] {
            ++create;
            return new QLineEdit;
        });
        QTest::mouseClick(m->Option1(5), Qt::LeftButton);
        QVERIFY(!m->Option1(5)->isChecked());
        QVERIFY(finestre::esistente(IdFinestra::Cuciture)->isVisible());
        QTest::mouseClick(m->Option1(5), Qt::LeftButton);
        QCOMPARE(create, 1);

        m->aiuto_Click();
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("- Scegliere il tipo di calcolo che si intende effettuare cliccandoci sopra;\r"
                                "- visualizzare le informazioni nella barra di stato muovendosi con il mouse."));
        QCOMPARE(scena_.messaggi->visti.back().titolo, QStringLiteral("Rinsal: aiuto in linea"));
    }

    void informazioni()
    {
        mostraInforma();
        auto* i = finestre::esistente<informa>(IdFinestra::Informa);
        QCOMPARE(i->windowTitle(), QStringLiteral("Informazioni su Rinsal"));
        QCOMPARE(i->lblEdizione()->text(), QStringLiteral("edizione professionale - versione 3.04.05   2000- 2011"));
        const QString cartella = qEnvironmentVariable("RINSAL_SCHERMATE");
        if (!cartella.isEmpty()) {
            i->grab().save(cartella + QStringLiteral("/informa.png"));
            finestre::mostra(IdFinestra::Scelta);
            QWidget* m = finestre::esistente(IdFinestra::Scelta);
            m->resize(m->width() * 3 / 2, m->height() * 5 / 4);
            m->grab().save(cartella + QStringLiteral("/scelta-grande.png"));
        }
        QTest::mouseClick(i->ok(), Qt::LeftButton);
        QVERIFY(!i->isVisible());
        mostraInforma();
        QCOMPARE(finestre::esistente<informa>(IdFinestra::Informa), i);
        QVERIFY(i->isVisible());
    }

    void uscita()
    {
        finestre::mostra(IdFinestra::Splash);
        finestre::mostra(IdFinestra::Scelta);
        auto* m = finestre::esistente<scelta>(IdFinestra::Scelta);
        // No: everything stays.
        scena_.messaggi->risposte = {Risposta::No};
        QTest::mouseClick(m->cmdesci(), Qt::LeftButton);
        const auto& d = scena_.messaggi->visti.back();
        QCOMPARE(d.testo, QStringLiteral("Vuoi uscire da Rinsal?"));
        QCOMPARE(d.titolo, QStringLiteral("Attenzione: i dati non archiviati andranno persi !"));
        QCOMPARE(d.icona, Icona::Domanda);
        QCOMPARE(d.predefinito, Risposta::No);
        QCOMPARE(finestre::esistente<scelta>(IdFinestra::Scelta), m);
        // Yes: every window but the splash goes, the music resumes, the credit shows.
        finestre::mostra(IdFinestra::Informa);
        finestre::mostra(IdFinestra::Frontespizio);
        scena_.messaggi->risposte = {Risposta::Si};
        m->cmdesci_Click();
        QVERIFY(!finestre::esistente(IdFinestra::Scelta));
        QVERIFY(!finestre::esistente(IdFinestra::Informa));
        QVERIFY(!finestre::esistente(IdFinestra::Frontespizio));
        auto* s = finestre::esistente<frmSplash>(IdFinestra::Splash);
        QVERIFY(s && s->isVisible());
        QCOMPARE(scena_.midi->comandi.last(), QStringLiteral("play"));
        QCOMPARE(s->lblCongedo()->text(), QStringLiteral("          elaborazione eseguita con"));
        // A click brings back a new, empty menu.
        s->Form_Click();
        QVERIFY(finestre::esistente(IdFinestra::Scelta));
        QVERIFY(finestre::esistente(IdFinestra::Scelta)->isVisible());
    }

    void cornicediStampa()
    {
        auto p = stampa::apriLavoro();
        QVERIFY(p);
        stampa::intestazione(*p, QStringLiteral("tiranti"));
        p->impostaDimensione(8);
        p->stampaRiga({stampa::numero(1.5, 20), stampa::a(30, QStringLiteral("x"))});
        p->stampaRiga({stampa::numero(123.25, 20), stampa::dato(QStringLiteral("0,75"), 30)});
        p->stampaRiga({stampa::numero(-4.5, 20), stampa::dato(QStringLiteral("12,5"), 30)});
        stampa::chiudiLavoro(*p);
        const auto& lavoro = *scena_.stampa->lavori.back();
        QVERIFY(lavoro.terminato());
        QCOMPARE(lavoro.font(), QStringLiteral("Courier"));
        QCOMPARE(lavoro.righe()[0].testo, QStringLiteral("      RINSAL - calcolo di tiranti"));
        QCOMPARE(lavoro.righe()[0].punti, 18.0);
        // Numbers put their comma at column 21, typed texts at column 30.
        QCOMPARE(lavoro.righe()[1].testo.indexOf(QLatin1Char(',')), 20);
        QCOMPARE(lavoro.righe()[2].testo.indexOf(QLatin1Char(',')), 20);
        QCOMPARE(lavoro.righe()[3].testo.indexOf(QLatin1Char(',')), 20);
        QCOMPARE(lavoro.righe()[2].testo.lastIndexOf(QLatin1Char(',')), 29);
        QCOMPARE(lavoro.righe()[3].testo.lastIndexOf(QLatin1Char(',')), 29);
        QCOMPARE(lavoro.righe()[1].punti, 8.0);
        // Cancel in the print dialog: nothing printed.
        scena_.stampa->annulla = true;
        QVERIFY(!stampa::apriLavoro());
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
    }

    void colonneGiaRaggiunte()
    {
        platform::StampanteTesto p;
        p.stampaRiga({{10, QStringLiteral("abcdefghij")}, {12, QStringLiteral("X")}});
        QCOMPARE(p.testo(), QStringLiteral("         abcdefghij\n           X\n"));
    }

private:
    platform::Scena scena_{};
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
