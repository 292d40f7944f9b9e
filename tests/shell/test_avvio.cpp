// Start-up, main menu, about box and exit, through the real windows.
#include "platform/stampante_testo.h"
#include "report/frontespizio.h"
#include "shell/archivio.h"
#include "shell/datiprogramma.h"
#include "shell/finestracalcolo.h"
#include "shell/rigacomando.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/scelta.h"
#include "shell/splash.h"
#include "shell/stampa.h"
#include "support/supporto.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using platform::Icona;
using platform::Risposta;
using rigacomando::Comando;

namespace {
// What a user sees of a calculation window after an Open: its fields, its
// guidance, the title page that came with the file.
QStringList vista(FinestraCalcolo* w)
{
    QStringList v{w->fileCorrente(), w->passo()->text()};
    for (const QLineEdit* e : w->findChildren<QLineEdit*>()) {
        v << e->text();
    }
    if (auto* f = finestre::esistente<frontespizio>(IdFinestra::Frontespizio)) {
        v << f->campiTesto();
    }
    return v;
}
} // namespace

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

    void rigaDiComando_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("comando");
        QTest::addColumn<QString>("file");
        const int F = int(Comando::Finestre), A = int(Comando::Aiuto), V = int(Comando::Versione),
                  E = int(Comando::UsoErrato);
        QTest::newRow("nulla") << QStringList{} << F << QString();
        QTest::newRow("un file") << QStringList{"Tiranti-dati-x"} << F << "Tiranti-dati-x";
        QTest::newRow("opzioni di Qt") << QStringList{"-platform", "offscreen", "-style=Fusion", "--reverse", "f"} << F
                                       << "f";
        QTest::newRow("dopo --") << QStringList{"--", "-file"} << F << "-file";
        QTest::newRow("aiuto") << QStringList{"--help"} << A << QString();
        QTest::newRow("aiuto breve oltre un errore") << QStringList{"-x", "a", "b", "-h"} << A << QString();
        QTest::newRow("versione") << QStringList{"f", "--version"} << V << QString();
        QTest::newRow("--help dopo -- è un file") << QStringList{"--", "--help"} << F << "--help";
        QTest::newRow("opzione sconosciuta") << QStringList{"--stampa", "f"} << E << QString();
        QTest::newRow("due file") << QStringList{"a", "b"} << E << QString();
        QTest::newRow("nome vuoto") << QStringList{""} << E << QString();
        QTest::newRow("-platform senza valore") << QStringList{"-platform"} << E << QString();
    }

    void rigaDiComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, comando);
        QFETCH(QString, file);
        const auto r = rigacomando::leggi(argomenti);
        QCOMPARE(int(r.comando), comando);
        QCOMPARE(r.file, file);
        QCOMPARE(r.errore.isEmpty(), r.comando != Comando::UsoErrato);
    }

    // The program's own files: beside the executable (build folder), else
    // ../share/rinsal (installed under any prefix), else the working folder.
    void fileDelProgramma()
    {
        QTemporaryDir d;
        const QDir radice(d.path());
        radice.mkpath(QStringLiteral("bin"));
        const QString bin = radice.filePath(QStringLiteral("bin"));
        const QString share = radice.filePath(QStringLiteral("share/rinsal"));
        const QString lavoro = radice.filePath(QStringLiteral("lavoro"));
        radice.mkpath(QStringLiteral("lavoro"));
        const QStringList cartelle{bin, share, lavoro};
        QCOMPARE(cartelleDati(bin + QStringLiteral("/")), cartelle.mid(0, 2) << QDir::currentPath());
        auto crea = [](const QString& f) {
            QFile(f).open(QIODevice::WriteOnly);
        };
        // Nowhere: where it belongs, beside the program until there is a share folder.
        QCOMPARE(cercaDati(cartelle, QStringLiteral("Internet.mid")), bin + QStringLiteral("/Internet.mid"));
        radice.mkpath(QStringLiteral("share/rinsal"));
        QCOMPARE(cercaDati(cartelle, QStringLiteral("Internet.mid")), share + QStringLiteral("/Internet.mid"));
        crea(lavoro + QStringLiteral("/Internet.mid"));
        QCOMPARE(cercaDati(cartelle, QStringLiteral("Internet.mid")), lavoro + QStringLiteral("/Internet.mid"));
        crea(share + QStringLiteral("/Internet.mid"));
        QCOMPARE(cercaDati(cartelle, QStringLiteral("Internet.mid")), share + QStringLiteral("/Internet.mid"));
        crea(bin + QStringLiteral("/Internet.mid"));
        QCOMPARE(cercaDati(cartelle, QStringLiteral("Internet.mid")), bin + QStringLiteral("/Internet.mid"));
        QCOMPARE(cercaDati(cartelle, QStringLiteral("esempi/Tiranti-dati-esempio")),
                 share + QStringLiteral("/esempi/Tiranti-dati-esempio"));
    }

    // A file named on the command line opens in its calculation's window as
    // the window's own Open would: the same fields, guidance and title page.
    void fileDallaRigaDiComando_data()
    {
        QTest::addColumn<QString>("esempio");
        QTest::addColumn<int>("finestra");
        QTest::newRow("puntelli") << "Puntelli-dati-esempio-2" << int(IdFinestra::Puntelli);
        QTest::newRow("tiranti") << "Tiranti-dati-esempio" << int(IdFinestra::Tiranti);
        QTest::newRow("cercol") << "Cercol-dati-esempio" << int(IdFinestra::Cercol);
        QTest::newRow("cuciture") << "Cuciture-dati-esempio" << int(IdFinestra::Cuciture);
    }

    void fileDallaRigaDiComando()
    {
        QFETCH(QString, esempio);
        QFETCH(int, finestra);
        const QString file = supporto::fileDati(QStringLiteral("esempi/") + esempio);
        const auto id = IdFinestra(finestra);
        finestre::mostra(IdFinestra::Splash);
        rigacomando::apriFile(file);
        auto* w = dynamic_cast<FinestraCalcolo*>(finestre::esistente(id));
        QVERIFY(w && w->isVisible());
        QVERIFY(finestre::esistente(IdFinestra::Scelta)->isVisible());
        QCOMPARE(scena_.midi->comandi.last(), QStringLiteral("pause"));
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(0));
        QCOMPARE(ModRinsal::NomeFile, QFileInfo(file).absoluteFilePath());
        const QStringList daFuori = vista(w);
        QVERIFY(!finestre::esistente<frontespizio>(IdFinestra::Frontespizio)->progetto()->text().isEmpty());

        supporto::chiudiTutte();
        scena_ = supporto::prepara();
        finestre::mostra(id);
        w = dynamic_cast<FinestraCalcolo*>(finestre::esistente(id));
        scena_.file->risposte.push_back(QFileInfo(file).absoluteFilePath());
        w->apri_click();
        QCOMPARE(vista(w), daFuori);
    }

    void fileDallaRigaDiComandoNonAperto_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("icona");
        QTest::newRow("inesistente") << "/non/esiste/Tiranti-dati-x"
                                     << archivio::messaggioLettura(QStringLiteral("Tiranti-dati-x"), 0,
                                                                   QStringLiteral("il file non esiste o non è leggibile"))
                                     << int(Icona::Critica);
        QTest::newRow("pilastri") << supporto::fileDati(QStringLiteral("esempi/Cerpil-dati-esempio"))
                                  << QStringLiteral("La finestra per il calcolo delle cerchiature di pilastri è in fase di collaudo.")
                                  << int(Icona::Informazione);
        QTest::newRow("nome di nessun calcolo")
            << supporto::fileDati(QStringLiteral("SuggerimentiRinsal.TXT"))
            << QStringLiteral("Impossibile leggere il file \"SuggerimentiRinsal.TXT\": il nome non dice di quale calcolo "
                              "sono i dati (Puntelli-dati-..., Tiranti-dati-..., Cercol-dati-..., Cerpil-dati-..., "
                              "Cuciture-dati-...).")
            << int(Icona::Critica);
    }

    // One message, then the program is at the main menu with no calculation open.
    void fileDallaRigaDiComandoNonAperto()
    {
        QFETCH(QString, file);
        QFETCH(QString, messaggio);
        QFETCH(int, icona);
        finestre::mostra(IdFinestra::Splash);
        rigacomando::apriFile(file);
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti.back().testo, messaggio);
        QCOMPARE(int(scena_.messaggi->visti.back().icona), icona);
        QCOMPARE(scena_.messaggi->visti.back().titolo, ModRinsal::TitoloControllo);
        QVERIFY(finestre::esistente(IdFinestra::Scelta)->isVisible());
        for (auto id : {IdFinestra::Puntelli, IdFinestra::Tiranti, IdFinestra::Cercol, IdFinestra::Cerpil,
                        IdFinestra::Cuciture}) {
            QVERIFY(!finestre::esistente(id) || !finestre::esistente(id)->isVisible());
        }
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
