// The common window frame and the archive commands, driven through a small
// test window and the title-page window.
#include "report/frontespizio.h"
#include "shell/finestragrafico.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/recupero.h"
#include "shell/splash.h"
#include "tierods/tiranti.h"
#include "support/finestraprova.h"
#include "support/supporto.h"

#include "platform/lettura.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#ifndef Q_OS_WIN
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>
#endif

using platform::Icona;
using platform::Risposta;

namespace {
QByteArray leggi(const QString& p)
{
    QFile f(p);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void scrivi(const QString& p, const QByteArray& b)
{
    QFile f(p);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        scena_ = supporto::prepara();
        finestre::registra(IdFinestra::Tiranti, [] { return new FinestraProva; });
        prova_ = finestre::ottieni<FinestraProva>(IdFinestra::Tiranti);
        prova_->show();
    }
    void cleanup() { supporto::chiudiTutte(); }

    void menuEBarra()
    {
        QCOMPARE(prova_->voceNumero()->text(), QStringLiteral("Fi&nestra n.4 di 8"));
        for (const char* t : {"&Apri...", "&Salva", "Salva con &nome...", "&Elimina...", "&Modello acquisizione dati",
                              "&Dati finestra", "Es&ci", "&Colore di sfondo", "Controllo &dati immessi",
                              "C&ancella dati finestra", "Finestra Menu", "Finestra Frontespizio", "&Guida in linea",
                              "&Suggerimenti...", "Supporto &prodotto", "&Informazioni su Rinsal"}) {
            QVERIFY2(prova_->voceMenu(QString::fromUtf8(t)), t);
        }
        QCOMPARE(prova_->pulsanteBarra(1)->toolTip(), QStringLiteral("apri file"));
        QCOMPARE(prova_->pulsanteBarra(11)->toolTip(), QStringLiteral("visualizza finestra Tiranti"));
        QCOMPARE(prova_->pulsanteBarra(24)->toolTip(), QStringLiteral("controllo dati immessi"));
        QCOMPARE(prova_->pulsanteBarra(26)->toolTip(), QStringLiteral("uscita da Rinsal"));
        QCOMPARE(prova_->frontes()->text(), QStringLiteral("F&rontespizio"));
        QCOMPARE(prova_->passo()->toolTip(),
                 QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    }

    // The preview's button sits right after the print button and, with the
    // 26 positions, lies whole inside the toolbar and the window.
    void barraIntera()
    {
        QVERIFY(QTest::qWaitForWindowExposed(prova_));
        QWidget* barra = prova_->pulsanteBarra(1)->parentWidget();
        QCOMPARE(prova_->pulsanteAnteprima()->parentWidget(), barra);
        QVERIFY(prova_->pulsanteAnteprima()->x() > prova_->pulsanteBarra(6)->geometry().right());
        QCOMPARE(prova_->pulsanteAnteprima()->toolTip(), QStringLiteral("anteprima di stampa"));
        QVERIFY(prova_->pulsanteBarra(7)->x() > prova_->pulsanteAnteprima()->geometry().right());
        const QRect dentro = barra->rect() & prova_->superficie()->rect().translated(-barra->pos());
        for (int pos = 1; pos <= 26; ++pos) {
            QVERIFY2(dentro.contains(prova_->pulsanteBarra(pos)->geometry()), qPrintable(QString::number(pos)));
        }
        QVERIFY(dentro.contains(prova_->pulsanteAnteprima()->geometry()));
        // A window's own button after the 26 (the tie rods' chart) fits too.
        std::unique_ptr<tiranti> t(new tiranti);
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.get()));
        QWidget* bt = t->pulsanteBarra(1)->parentWidget();
        const QRect dentroT = bt->rect() & t->superficie()->rect().translated(-bt->pos());
        const auto pulsanti = bt->findChildren<QToolButton*>();
        QCOMPARE(pulsanti.size(), 28);
        for (QToolButton* b : pulsanti) {
            QVERIFY2(dentroT.contains(b->geometry()), qPrintable(b->toolTip()));
        }
    }

    // The chart window opens beside its window, smaller where it must,
    // and covers it only on a screen with no room around it.
    void postoDelGrafico_data()
    {
        QTest::addColumn<QRect>("finestra");
        QTest::addColumn<QRect>("schermo");
        QTest::addColumn<QRect>("atteso");
        const QRect f(160, 100, 640, 470);
        QTest::newRow("a destra") << f << QRect(0, 0, 1920, 1080) << QRect(808, 100, 720, 460);
        QTest::newRow("a destra, stretto") << f << QRect(0, 0, 1280, 900) << QRect(808, 100, 472, 460);
        QTest::newRow("sotto") << QRect(560, 0, 640, 470) << QRect(0, 0, 1280, 1024) << QRect(560, 478, 720, 460);
        QTest::newRow("sotto, basso") << QRect(560, 0, 640, 470) << QRect(0, 0, 1280, 768)
                                      << QRect(560, 478, 720, 290);
        QTest::newRow("a sinistra") << QRect(560, 100, 640, 700) << QRect(0, 0, 1280, 800)
                                    << QRect(0, 100, 552, 460);
        QTest::newRow("nessuno spazio") << QRect(0, 0, 1024, 700) << QRect(0, 0, 1024, 768)
                                        << QRect(304, 240, 720, 460);
    }
    void postoDelGrafico()
    {
        QFETCH(QRect, finestra);
        QFETCH(QRect, schermo);
        QFETCH(QRect, atteso);
        const QRect r = FinestraGrafico::posto(finestra, QSize(720, 460), schermo);
        QCOMPARE(r, atteso);
        QVERIFY(schermo.contains(r));
    }

    void finestraCorrente()
    {
        scena_.messaggi->risposte = {Risposta::No};
        prova_->fin_Click(4);
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        const auto& m = scena_.messaggi->visti[0];
        QCOMPARE(m.testo, QStringLiteral("E' questa la finestra 'Tiranti': si vuole la guida della finestra?"));
        QCOMPARE(m.titolo, QStringLiteral("Rinsal: aiuto in linea"));
        QCOMPARE(m.icona, Icona::Domanda);
        QCOMPARE(m.pulsanti, platform::Pulsanti::SiNo);
        QVERIFY(!finestre::esistente(IdFinestra::GuidaTiranti));
        // Yes opens the window's help page, and the number entry does too.
        scena_.messaggi->risposte = {Risposta::Si};
        prova_->fin_Click(4);
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(2));
        QVERIFY(finestre::esistente(IdFinestra::GuidaTiranti)->isVisible());
        finestre::chiudi(IdFinestra::GuidaTiranti);
        prova_->voceNumero()->click();
        QVERIFY(finestre::esistente(IdFinestra::GuidaTiranti)->isVisible());
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(2));
    }

    void rispostePerFinestra()
    {
        prova_->fin_Click(5);
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("La finestra per il calcolo delle cerchiature di colonne è in fase di collaudo."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Informazione);
        prova_->fin_Click(6);
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("La finestra per il calcolo delle cerchiature di pilastri è in fase di collaudo."));
        QCOMPARE(scena_.messaggi->visti.back().titolo,
                 QStringLiteral("Rinsal: controllo dati immessi nella finestra attiva"));

        // The column-hooping window has its own answer for the pillar window.
        ConfigFinestra c = configProva();
        c.numero = 5;
        FinestraCalcolo colonne(c);
        colonne.fin_Click(6);
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("Il modulo per le cerchiature di pilastri deve essere collaudato"));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Nessuna);
        QCOMPARE(scena_.messaggi->visti.back().titolo, QStringLiteral("Rinsal"));

        // Window 8 takes the calculation along; window 1 is the menu.
        ModRinsal::TipoCalcolo = 0;
        const auto prima = scena_.messaggi->visti.size();
        prova_->fin_Click(8);
        QCOMPARE(ModRinsal::TipoCalcolo, 2);
        QVERIFY(finestre::esistente(IdFinestra::Frontespizio)->isVisible());
        prova_->fin_Click(1);
        QVERIFY(finestre::esistente(IdFinestra::Scelta)->isVisible());
        QCOMPARE(scena_.messaggi->visti.size(), prima);
        // A window no module makes answers with a message, no crash.
        finestre::registra(IdFinestra::Cuciture, {});
        prova_->pulsanteBarra(14)->click();
        QCOMPARE(scena_.messaggi->visti.size(), prima + 1);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Informazione);
    }

    void aiutoFinestra()
    {
        QTest::mouseClick(prova_->aiuto(), Qt::LeftButton);
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("- riga uno;\r- riga due."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Informazione);
    }

    void coloreGrigio()
    {
        auto* fr = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
        // No: the colour dialog, here cancelled, leaves the colour.
        const QColor prima = prova_->sfondo();
        scena_.messaggi->risposte = {Risposta::No};
        prova_->colorare_Click();
        QCOMPARE(scena_.messaggi->visti.back().titolo, QStringLiteral("Tiranti: colore di sfondo"));
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("Colori uguali e riposanti (grigio) per tutte le finestre?"));
        QCOMPARE(scena_.colore->iniziali.size(), std::size_t(1));
        QCOMPARE(prova_->sfondo(), prima);
        // No again, a colour chosen.
        scena_.messaggi->risposte = {Risposta::No};
        scena_.colore->risposte = {QColor(10, 120, 200)};
        prova_->colorare_Click();
        QCOMPARE(prova_->sfondo(), QColor(10, 120, 200));
        // Yes: grey here and in the title page.
        scena_.messaggi->risposte = {Risposta::Si};
        prova_->colorare_Click();
        QCOMPARE(prova_->sfondo(), QColor(192, 192, 192));
        QCOMPARE(fr->sfondo(), QColor(192, 192, 192));
        // Already grey: straight to the dialog, which starts from the last choice.
        const auto domande = scena_.messaggi->visti.size();
        prova_->colorare_Click();
        QCOMPARE(scena_.messaggi->visti.size(), domande);
        QCOMPARE(scena_.colore->iniziali.back(), QColor(10, 120, 200));
        // The title page never asks.
        fr->impostaSfondo(QColor(1, 2, 3));
        scena_.colore->risposte = {QColor(200, 100, 50)};
        fr->colorare_Click();
        QCOMPARE(scena_.messaggi->visti.size(), domande);
        QCOMPARE(fr->sfondo(), QColor(200, 100, 50));
    }

    void controlloDati()
    {
        QVERIFY(!prova_->controlla_click());
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Esclamativa);
        QVERIFY(scena_.messaggi->visti.back().testo.startsWith(QStringLiteral("Non esistono dati riconosciuti:")));
        QTest::keyClicks(prova_->valore[0], QStringLiteral("5"));
        QVERIFY(prova_->controlla_click());
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("I dati sono stati immessi correttamente."));
        // On behalf of a save: silent, flag cleared.
        const auto n = scena_.messaggi->visti.size();
        prova_->ControlloArchivio = 1;
        QVERIFY(prova_->controlla_click());
        QCOMPARE(scena_.messaggi->visti.size(), n);
        QCOMPARE(prova_->ControlloArchivio, 0);
        // Incomplete: critical, flag left at 1. The toolbar separator before
        // the ABC button runs the check too.
        prova_->valore[1]->setText(QStringLiteral("0"));
        prova_->ControlloArchivio = 1;
        prova_->pulsanteBarra(23)->click();
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("Riga n.2: manca il valore."));
        QCOMPARE(prova_->ControlloArchivio, 1);
        // Clearing from the toolbar.
        prova_->pulsanteBarra(25)->click();
        QCOMPARE(prova_->cancellazioni, 1);
        QVERIFY(prova_->valore[0]->text().isEmpty());
    }

    void salvaEApri()
    {
        // Accents and spaces in the folder and the name, as on a Windows desktop.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Lavori è già")));
        const QString file = dir.filePath(QStringLiteral("Lavori è già/Tiranti-dati-prova città"));
        auto* fr = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
        prova_->valore[0]->setText(QStringLiteral("12,5"));
        prova_->valore[1]->setText(QStringLiteral("3"));
        prova_->valore[1]->setText(QString());   // typed, then emptied
        prova_->valore[3]->setText(QStringLiteral("-7"));   // row 3 never set
        const QStringList titolo = {QStringLiteral("Palazzo “Ducale” – ala è"), QStringLiteral("Città"),
                                    QStringLiteral("Comune €"), QStringLiteral("Roma"),
                                    QStringLiteral("mercoledì, 28 dic 2011"), QString(QLatin1String(""))};
        fr->impostaCampi(titolo);

        scena_.file->risposte = {file};
        prova_->salvanome_click();
        QCOMPARE(scena_.file->richieste.size(), std::size_t(1));
        const auto& rq = scena_.file->richieste[0];
        QCOMPARE(rq.titolo, QStringLiteral("Salva file con nome"));
        QCOMPARE(rq.filtro, QStringLiteral("File Tiranti-dati- | Tiranti-dati-*"));
        QCOMPARE(rq.filtroScelto, 1);
        QCOMPARE(rq.nomeFile, QStringLiteral("Tiranti-dati-"));
        QVERIFY(rq.salva);
        const QByteArray atteso = QByteArray("4\r\n\"12,5\"\r\n\"\"\r\n\r\n\"-7\"\r\n") +
                                  "\"Palazzo \x93" "Ducale\x94 \x96 ala \xE8\",\"Citt\xE0\",\"Comune \x80\","
                                  "\"Roma\",\"mercoled\xEC, 28 dic 2011\",\"\"\r\n";
        QCOMPARE(leggi(file), atteso);
        QCOMPARE(ModRinsal::NomeFile, file);

        // Open clears first, then reads the same texts back.
        fr->impostaCampi({});
        scena_.file->risposte = {file};
        prova_->apri_click();
        QCOMPARE(prova_->cancellazioni, 1);
        const auto& ra = scena_.file->richieste.back();
        QCOMPARE(ra.titolo, QStringLiteral("Apri file"));
        QCOMPARE(ra.filtro, QStringLiteral("Tutti i file (*.*) | *.*|File Tiranti-dati- | Tiranti-dati-*"));
        QCOMPARE(ra.filtroScelto, 2);
        QCOMPARE(ra.nomeFile, QString());
        QCOMPARE(prova_->valori[1], QStringLiteral("12,5"));
        QVERIFY(!prova_->valori[2].isNull() && prova_->valori[2].isEmpty());
        QVERIFY(prova_->valori[3].isNull());
        QCOMPARE(prova_->valori[4], QStringLiteral("-7"));
        QCOMPARE(fr->campiTesto(), titolo);

        // Save after Open: no dialog, same bytes.
        const auto richieste = scena_.file->richieste.size();
        QFile::remove(file);
        prova_->salva_click();
        QCOMPARE(scena_.file->richieste.size(), richieste);
        QCOMPARE(leggi(file), atteso);
        // Save as always asks; Cancel writes nothing.
        prova_->salvanome_click();
        QCOMPARE(scena_.file->richieste.size(), richieste + 1);
        QVERIFY(ModRinsal::NomeFile.isEmpty());

        // Delete never proposes the file in use and asks first, naming it;
        // No keeps it.
        prova_->salva_click();
        QCOMPARE(prova_->fileCorrente(), file);
        const auto messaggi = scena_.messaggi->visti.size();
        scena_.file->risposte = {file};
        prova_->eliminare_click();
        QVERIFY(QFile::exists(file));
        QCOMPARE(scena_.file->richieste.back().nomeFile, QFileInfo(file).absoluteDir().filePath("Tiranti-dati-"));
        QCOMPARE(scena_.messaggi->visti.size(), messaggi + 1);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Domanda);
        QVERIFY(scena_.messaggi->visti.back().testo.startsWith("Eliminare il file 'Tiranti-dati-prova città'?\r"));
        QCOMPARE(scena_.messaggi->visti.back().predefinito, Risposta::No);
        // Yes deletes it; the data stay, unsaved, and Save asks for a name.
        QVERIFY(!prova_->nonSalvato());
        scena_.messaggi->risposte = {Risposta::Si};
        scena_.file->risposte = {file};
        prova_->eliminare_click();
        QVERIFY(!QFile::exists(file));
        QVERIFY(prova_->fileCorrente().isEmpty());
        QVERIFY(prova_->nonSalvato());
        QCOMPARE(scena_.file->richieste.back().titolo,
                 QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo"));
        QCOMPARE(scena_.file->richieste.back().filtro,
                 QStringLiteral("Tutti i file (*.*)|*.*|File Tiranti-dati- | Tiranti-dati-*"));
        QCOMPARE(prova_->valori[1], QStringLiteral("12,5"));
    }

    void apriAnnullato()
    {
        prova_->valore[0]->setText(QStringLiteral("9"));
        prova_->apri_click();
        QCOMPARE(prova_->cancellazioni, 0);
        QCOMPARE(prova_->valori[1], QStringLiteral("9"));
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void rifiutiDelSalvataggio()
    {
        QTemporaryDir dir;
        // No data at all.
        prova_->salva_click();
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("Attenzione: non esistono dati da archiviare!"));
        // An incomplete row: the data check speaks, nothing is written.
        prova_->valore[0]->setText(QStringLiteral("1"));
        prova_->valore[1]->setText(QStringLiteral("0"));
        prova_->salva_click();
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("Riga n.2: manca il valore."));
        QVERIFY(scena_.file->richieste.empty());
        // Empty project: the title page comes up, nothing is written.
        prova_->valore[1]->setText(QStringLiteral("2"));
        prova_->salva_click();
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("E' necessario digitare almeno il dato del 'progetto'."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        QVERIFY(finestre::esistente(IdFinestra::Frontespizio)->isVisible());
        QVERIFY(scena_.file->richieste.empty());
    }

    // The mark follows the data, not the events; closing, opening over them
    // and exiting ask; the title page's Save, reached for a missing project,
    // saves the calculation that sent the user there, and says where.
    void lavoroNonSalvato()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tiranti-dati-lavoro"));
        QVERIFY(!prova_->nonSalvato());
        prova_->valore[0]->setText(QStringLiteral("5"));
        QVERIFY(prova_->nonSalvato());
        QTRY_VERIFY(prova_->isWindowModified());
        prova_->valore[0]->setText(QString());
        QTRY_VERIFY(!prova_->isWindowModified());
        prova_->valore[0]->setText(QStringLiteral("5"));

        scena_.messaggi->risposte = {Risposta::No};
        ModRinsal::UscitaProgramma();
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("Vuoi uscire da Rinsal?\r\rNon sono stati salvati i dati della finestra Tiranti."));
        QVERIFY(finestre::esistente(IdFinestra::Tiranti));

        scena_.messaggi->risposte = {Risposta::Annulla};
        QVERIFY(!prova_->close());
        QCOMPARE(scena_.messaggi->visti.back().pulsanti, platform::Pulsanti::SiNoAnnulla);
        QVERIFY(scena_.messaggi->visti.back().testo.startsWith(
            QStringLiteral("I dati della finestra 'Tiranti' non sono stati salvati.\rSalvarli prima di chiudere")));
        QCOMPARE(prova_->valori[1], QStringLiteral("5"));

        // Yes, but the project is empty: neither the save nor the close happen.
        ModRinsal::TipoCalcolo = 5;
        scena_.messaggi->risposte = {Risposta::Si};
        QVERIFY(!prova_->close());
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("E' necessario digitare almeno il dato del 'progetto'."));
        QCOMPARE(ModRinsal::TipoCalcolo, 2);
        auto* fr = finestre::esistente<frontespizio>(IdFinestra::Frontespizio);
        QVERIFY(fr && fr->isVisible());
        fr->progetto()->setText(QStringLiteral("Ponte"));
        QVERIFY(fr->nonSalvato());
        scena_.file->risposte = {file};
        fr->salva_click();
        QCOMPARE(leggi(file), QByteArray("1\r\n\"5\"\r\n\"Ponte\",\"\",\"\",\"\",\"") +
                                  DatiFrontespizio::modello().testo(4).toLatin1() + "\",\"\"\r\n");
        QVERIFY(!prova_->nonSalvato());
        QVERIFY(!fr->nonSalvato());
        const QString detto = QStringLiteral("Dati salvati nel file ") + QDir::toNativeSeparators(file);
        QCOMPARE(prova_->passo()->text(), detto);
        QCOMPARE(fr->passo()->text(), detto);
        QCOMPARE(prova_->windowTitle(), QStringLiteral("Rinsal: prova - Tiranti-dati-lavoro[*]"));

        // Open over unsaved work asks; Cancel keeps it; No gives it up.
        prova_->valore[1]->setText(QStringLiteral("7"));
        scena_.messaggi->risposte = {Risposta::Annulla};
        scena_.file->risposte = {file};
        prova_->apri_click();
        QCOMPARE(prova_->valori[2], QStringLiteral("7"));
        QVERIFY(scena_.messaggi->visti.back().testo.contains(QStringLiteral("prima di aprire il file 'Tiranti-dati-lavoro'")));
        scena_.messaggi->risposte = {Risposta::No};
        scena_.file->risposte = {file};
        prova_->apri_click();
        QVERIFY(prova_->valori[2].isNull());
        QVERIFY(!prova_->nonSalvato());

        // No at the close discards.
        prova_->valore[1]->setText(QStringLiteral("8"));
        scena_.messaggi->risposte = {Risposta::No};
        QVERIFY(prova_->close());
        QCOMPARE(leggi(file).left(4), QByteArray("1\r\n\""));
    }

    // The File menu's last four files: saves and opens put a file first,
    // the menu names them, a file gone since is dropped with a message.
    void fileRecenti()
    {
        QTemporaryDir dir;
        auto percorso = [&](int i) { return dir.filePath(QStringLiteral("Tiranti-dati-%1 & c").arg(i)); };
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->progetto()->setText(QStringLiteral("Ponte"));
        for (int i = 1; i <= 5; ++i) {
            prova_->valore[0]->setText(QString::number(i));
            scena_.file->risposte = {percorso(i)};
            prova_->salvanome_click();
        }
        QCOMPARE(prova_->fileRecenti(), (QStringList{percorso(5), percorso(4), percorso(3), percorso(2)}));
        scena_.file->risposte = {percorso(3)};
        prova_->apri_click();
        QCOMPARE(prova_->fileRecenti(), (QStringList{percorso(3), percorso(5), percorso(4), percorso(2)}));
        // A file that cannot be read is not listed.
        scrivi(dir.filePath(QStringLiteral("Tiranti-dati-rotto")), "x\r\n");
        scena_.file->risposte = {dir.filePath(QStringLiteral("Tiranti-dati-rotto"))};
        prova_->apri_click();
        QCOMPARE(prova_->fileRecenti().size(), 4);
        QCOMPARE(prova_->fileRecenti().front(), percorso(3));

        QMenu* file = prova_->menuBar()->actions().front()->menu();
        emit file->aboutToShow();
        QStringList voci;
        for (QAction* a : file->actions()) {
            if (a->text().startsWith(QLatin1Char('&')) && a->text().at(1).isDigit()) {
                voci << a->text();
                QCOMPARE(a->toolTip(), QDir::toNativeSeparators(prova_->fileRecenti().at(voci.size() - 1)));
            }
        }
        QCOMPARE(voci, (QStringList{"&1 Tiranti-dati-3 && c", "&2 Tiranti-dati-5 && c", "&3 Tiranti-dati-4 && c",
                                    "&4 Tiranti-dati-2 && c"}));
        // Shown again, the menu holds each once; Exit stays last.
        const auto azioni = file->actions().size();
        emit file->aboutToShow();
        QCOMPARE(file->actions().size(), azioni);
        QCOMPARE(file->actions().back()->text(), QStringLiteral("Es&ci"));
        int quante = 0;
        for (QAction* a : file->actions()) {
            quante += a->text() == voci.front();
        }
        QCOMPARE(quante, 1);

        // Reopening asks over unsaved work, as Open does.
        prova_->valore[0]->setText(QStringLiteral("77"));
        scena_.messaggi->risposte = {Risposta::Annulla};
        prova_->apriRecente(percorso(4));
        QCOMPARE(prova_->valori[1], QStringLiteral("77"));
        scena_.messaggi->risposte = {Risposta::No};
        prova_->apriRecente(percorso(4));
        QCOMPARE(prova_->valori[1], QStringLiteral("4"));
        QCOMPARE(prova_->fileCorrente(), percorso(4));
        QCOMPARE(prova_->fileRecenti().front(), percorso(4));

        // Gone since: said, by its whole name, and dropped; the window keeps its data.
        QVERIFY(QFile::remove(percorso(5)));
        const auto visti = scena_.messaggi->visti.size();
        prova_->apriRecente(percorso(5));
        QCOMPARE(scena_.messaggi->visti.size(), visti + 1);
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 QStringLiteral("Il file '%1' non esiste più: è stato tolto dall'elenco dei file recenti.")
                     .arg(QDir::toNativeSeparators(percorso(5))));
        QCOMPARE(prova_->fileRecenti(), (QStringList{percorso(4), percorso(3), percorso(2)}));
        QCOMPARE(prova_->valori[1], QStringLiteral("4"));
        // Deleted through the window: dropped too.
        scena_.messaggi->risposte = {Risposta::Si};
        scena_.file->risposte = {percorso(2)};
        prova_->eliminare_click();
        QCOMPARE(prova_->fileRecenti(), (QStringList{percorso(4), percorso(3)}));
        // The title page passes its files on and lists none of its own.
        QVERIFY(finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->fileRecenti().isEmpty());
    }

    // A crash leaves the copy of unsaved work behind; the next start offers
    // it back, sets aside what it cannot read and what the user declines.
    void copiaDiRecupero()
    {
        qputenv("RINSAL_INTERVALLO_RECUPERO", "20");
        QDir(recupero::cartella()).removeRecursively();
        const QString copia = recupero::percorso(QStringLiteral("Tiranti-dati-"));
        prova_->valore[0]->setText(QStringLiteral("5"));
        QTRY_VERIFY(QFile::exists(copia));
        prova_->valore[0]->setText(QStringLiteral("6"));
        QTRY_COMPARE(leggi(copia), prova_->datiArchivio());
        // Typing back what was there: nothing unsaved, no copy.
        prova_->valore[0]->setText(QString());
        QTRY_VERIFY(!QFile::exists(copia));
        prova_->valore[0]->setText(QStringLiteral("6"));
        QTRY_VERIFY(QFile::exists(copia));
        const QByteArray lasciata = leggi(copia);
        supporto::chiudiTutte();
        QVERIFY(!QFile::exists(copia));
        scrivi(copia, lasciata);

        scena_.messaggi->risposte = {Risposta::Si};
        offriRecupero();
        const auto& d = scena_.messaggi->visti.back();
        QVERIFY2(d.testo.contains(QStringLiteral(":\r- Tiranti, copia scritta il ") +
                                  QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")) +
                                  QStringLiteral(" alle ")),
                 qPrintable(d.testo));
        QCOMPARE(d.pulsanti, platform::Pulsanti::SiNo);
        auto* w = finestre::esistente<FinestraProva>(IdFinestra::Tiranti);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->valori[1], QStringLiteral("6"));
        QVERIFY(w->nonSalvato());
        // Saved: the copy goes.
        QTemporaryDir dir;
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->progetto()->setText(QStringLiteral("P"));
        scena_.file->risposte = {dir.filePath(QStringLiteral("Tiranti-dati-r"))};
        w->salva_click();
        QVERIFY(!QFile::exists(copia));

        supporto::chiudiTutte();
        scrivi(copia, "2\r\n\"1\r\n");
        scena_.messaggi->risposte = {Risposta::Si};
        offriRecupero();
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        QVERIFY(scena_.messaggi->visti.back().testo.startsWith(
            QStringLiteral("La copia di recupero della finestra 'Tiranti' non può essere letta")));
        QVERIFY(!QFile::exists(copia));
        QCOMPARE(QDir(recupero::cartella() + QStringLiteral("/illeggibili")).entryList(QDir::Files).size(), 1);

        supporto::chiudiTutte();
        scrivi(copia, lasciata);
        scena_.messaggi->risposte = {Risposta::No};
        offriRecupero();
        QVERIFY(!QFile::exists(copia));
        QCOMPARE(QDir(recupero::cartella() + QStringLiteral("/scartate")).entryList(QDir::Files).size(), 1);
        const auto n = scena_.messaggi->visti.size();
        offriRecupero();
        QCOMPARE(scena_.messaggi->visti.size(), n);
        qunsetenv("RINSAL_INTERVALLO_RECUPERO");
    }

    void scritturaFallita()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tiranti-dati-vecchio"));
        const QByteArray vecchio = "1\r\n\"5\"\r\n\"p\",\"\",\"\",\"\",\"\",\"\"\r\n";
        scrivi(file, vecchio);
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->progetto()->setText(QStringLiteral("P"));
        for (int k = 0; k < 5; ++k) {
            prova_->valore[std::size_t(k)]->setText(QString(40, QLatin1Char('7')));
        }

#ifndef Q_OS_WIN
        // A file system that refuses more than a few bytes.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit vecchioLimite{};
        getrlimit(RLIMIT_FSIZE, &vecchioLimite);
        rlimit piccolo = vecchioLimite;
        piccolo.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &piccolo), 0);
        scena_.file->risposte = {file};
        prova_->salvanome_click();
        setrlimit(RLIMIT_FSIZE, &vecchioLimite);
        QCOMPARE(leggi(file), vecchio);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        QVERIFY(scena_.messaggi->visti.back().testo.contains(QStringLiteral("Tiranti-dati-vecchio")));
        QVERIFY(ModRinsal::NomeFile.isEmpty());
        QVERIFY(prova_->fileCorrente().isEmpty());
#endif

        // A folder that cannot be written to (its place is taken by a file).
        const QString bloccata = dir.filePath(QStringLiteral("non-una-cartella"));
        scrivi(bloccata, "x");
        scena_.file->risposte = {bloccata + QStringLiteral("/Tiranti-dati-x")};
        prova_->salvanome_click();
        QVERIFY(scena_.messaggi->visti.back().testo.contains(QStringLiteral("Tiranti-dati-x")));
        QCOMPARE(leggi(bloccata), QByteArray("x"));
        // The same with an old data file in the folder's place.
        scena_.file->risposte = {file + QStringLiteral("/Tiranti-dati-x")};
        prova_->salvanome_click();
        QVERIFY(scena_.messaggi->visti.back().testo.contains(QStringLiteral("Tiranti-dati-x")));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        QCOMPARE(leggi(file), vecchio);

#ifndef Q_OS_WIN
        // A folder that cannot be written to, with the old file in it.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        scena_.file->risposte = {file};
        const auto n = scena_.messaggi->visti.size();
        if (geteuid() != 0) {
            prova_->salvanome_click();
            QCOMPARE(scena_.messaggi->visti.size(), n + 1);
        } else {
            // Root writes anywhere: the save runs in a child that has become
            // an unprivileged user, owner of the read-only folder.
            const uid_t nessuno = 65534;
            QCOMPARE(::chown(QFile::encodeName(dir.path()).constData(), nessuno, nessuno), 0);
            QCOMPARE(::chown(QFile::encodeName(file).constData(), nessuno, nessuno), 0);
            const pid_t figlio = ::fork();
            QVERIFY(figlio >= 0);
            if (figlio == 0) {
                if (::setgroups(0, nullptr) != 0 || ::setgid(nessuno) != 0 || ::setuid(nessuno) != 0 ||
                    geteuid() != nessuno) {
                    ::_exit(77);
                }
                if (::access(QFile::encodeName(file).constData(), R_OK) != 0) {
                    ::_exit(78);   // a folder above the temporary one is closed to that user
                }
                prova_->salvanome_click();
                const bool avvisato = scena_.messaggi->visti.size() == n + 1 &&
                                      scena_.messaggi->visti.back().icona == Icona::Critica;
                ::_exit(avvisato && leggi(file) == vecchio ? 0 : 1);
            }
            int stato = 0;
            QCOMPARE(::waitpid(figlio, &stato, 0), figlio);
            QVERIFY(WIFEXITED(stato));
            if (WEXITSTATUS(stato) == 77 || WEXITSTATUS(stato) == 78) {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP(WEXITSTATUS(stato) == 77 ? "this system does not let root become an unprivileged user"
                                               : "the temporary folder lies below a folder closed to other users");
            }
            QCOMPARE(WEXITSTATUS(stato), 0);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
        QCOMPARE(leggi(file), vecchio);
        // Nothing left behind by the failed saves.
        QStringList resti = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        resti.sort();
        QCOMPARE(resti, (QStringList{QStringLiteral("Tiranti-dati-vecchio"), QStringLiteral("non-una-cartella")}));
    }

    void fileMalformati_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("vuoto") << QByteArray();
        static const char spazzatura[] = "\x00\xff\x01\x02garbage\x7f\"";
        QTest::newRow("spazzatura") << QByteArray(spazzatura, sizeof spazzatura - 1);
        QTest::newRow("virgolette aperte") << QByteArray("2\r\n\"1\r\n\"2\"\r\n");
        QTest::newRow("centomila righe") << QByteArray("100000\r\n\"1\"\r\n");
        QTest::newRow("riga lunghissima") << QByteArray("1\r\n\"") + QByteArray(200000, 'a') + "\"\r\n";
        QTest::newRow("righe lette prima dell'errore") << QByteArray("3\r\n\"1\"\r\n\"2\"\r\n\"x\r\n");
        QTest::newRow("frontespizio mancante") << QByteArray("1\r\n\"1\"\r\n");
        QTest::newRow("dati in piu") << QByteArray("1\r\n\"1\"\r\n\"p\",\"\",\"\",\"\",\"\",\"\"\r\n\"2\"\r\n");
        QTest::newRow("numero tra virgolette") << QByteArray("\"1\"\r\n\"4\"\r\n");
    }
    void fileMalformati()
    {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tiranti-dati-rotto"));
        scrivi(file, contenuto);
        // Unsaved work, given up for the file (No): a file that cannot be
        // read whole puts it back as it was, title page included.
        prova_->valore[0]->setText(QStringLiteral("9"));
        DatiFrontespizio::attuali().imposta(0, QStringLiteral("Chiesa"));
        scena_.messaggi->risposte = {Risposta::No};
        scena_.file->risposte = {file};
        prova_->apri_click();
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(2));
        QCOMPARE(scena_.messaggi->visti[0].pulsanti, platform::Pulsanti::SiNoAnnulla);
        const auto& m = scena_.messaggi->visti[1];
        QCOMPARE(m.icona, Icona::Critica);
        QVERIFY2(m.testo.contains(QStringLiteral("\"Tiranti-dati-rotto\"")), qPrintable(m.testo));
        QCOMPARE(prova_->valori[1], QStringLiteral("9"));
        QVERIFY(prova_->valori[2].isNull());
        QCOMPARE(DatiFrontespizio::modello().testo(0), QStringLiteral("Chiesa"));
        QVERIFY(prova_->nonSalvato());
        // Released and never the target of a plain Save.
        QVERIFY(ModRinsal::NomeFile.isEmpty());
        QVERIFY(QFile::remove(file));
    }

    // Anything but a plain file is refused at once and by name: a FIFO with
    // no writer would block the open, a device would be read for ever.
    void fileNonOrdinari_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("cartella") << QStringLiteral("cartella");
#ifndef Q_OS_WIN
        QTest::newRow("coda senza scrittore") << QStringLiteral("coda");
        QTest::newRow("presa") << QStringLiteral("presa");
        QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero");
        QTest::newRow("/dev/urandom") << QStringLiteral("/dev/urandom");
#endif
    }
    void fileNonOrdinari()
    {
        QFETCH(QString, tipo);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tiranti-dati-strano"));
#ifndef Q_OS_WIN
        const QByteArray locale = QFile::encodeName(file);
        int presa = -1;
#endif
        if (tipo == QLatin1String("cartella")) {
            QVERIFY(QDir().mkdir(file));
#ifndef Q_OS_WIN
        } else if (tipo == QLatin1String("coda")) {
            QCOMPARE(::mkfifo(locale.constData(), 0600), 0);
        } else if (tipo == QLatin1String("presa")) {
            presa = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un a{};
            a.sun_family = AF_UNIX;
            QVERIFY(std::size_t(locale.size()) < sizeof a.sun_path);
            std::memcpy(a.sun_path, locale.constData(), std::size_t(locale.size()));
            QCOMPARE(::bind(presa, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
            QCOMPARE(::listen(presa, 1), 0);
        } else {
            // Reached through a link, as a name picked in the dialog would be.
            QVERIFY(QFile::link(tipo, file));
#endif
        }
        scena_.file->risposte = {file};
        QElapsedTimer t;
        t.start();
        prova_->apri_click();
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
#ifndef Q_OS_WIN
        if (presa >= 0) {
            ::close(presa);
        }
#endif
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti[0].icona, Icona::Critica);
        QCOMPARE(scena_.messaggi->visti[0].testo,
                 QStringLiteral("Impossibile leggere il file \"Tiranti-dati-strano\": non è un file ordinario "
                                "(è una cartella, una coda o un dispositivo)."));
        QVERIFY(ModRinsal::NomeFile.isEmpty());
    }

    // The read stops one byte past the limit whatever size the system
    // reports: files under /proc report 0 and still hold text.
    void letturaLimitata()
    {
        using platform::EsitoLettura;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("cento"));
        scrivi(file, QByteArray(100, 'x'));
        QCOMPARE(platform::leggiFileRegolare(file, 99).esito, EsitoLettura::TroppoGrande);
        const auto tutto = platform::leggiFileRegolare(file, 100);
        QCOMPARE(tutto.esito, EsitoLettura::Letto);
        QCOMPARE(tutto.dati, QByteArray(100, 'x'));
#ifndef Q_OS_WIN
        QCOMPARE(QFileInfo(QStringLiteral("/proc/self/maps")).size(), 0);
        QCOMPARE(platform::leggiFileRegolare(QStringLiteral("/proc/self/maps"), 16).esito, EsitoLettura::TroppoGrande);
        const auto mappe = platform::leggiFileRegolare(QStringLiteral("/proc/self/maps"), 1 << 24);
        QCOMPARE(mappe.esito, EsitoLettura::Letto);
        QVERIFY(mappe.dati.size() > 16);
#endif
        QCOMPARE(platform::leggiFileRegolare(dir.filePath(QStringLiteral("manca")), 100).esito,
                 EsitoLettura::Illeggibile);
        QCOMPARE(platform::leggiFileRegolare(QString(), 100).esito, EsitoLettura::Illeggibile);
#ifndef Q_OS_WIN
        if (geteuid() != 0) {
            QFile::setPermissions(file, QFile::WriteOwner);
            QCOMPARE(platform::leggiFileRegolare(file, 100).esito, EsitoLettura::Illeggibile);
        }
#endif
    }

    // The end of the file ends the last line: a record whose final line end
    // was stripped, ending in a never-set or an empty field, is whole.
    void fineSenzaAcapo_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("ultimo");
        QTest::newRow("campo vuoto tra virgolette e virgola")
            << QByteArray("1\r\n\"1\"\r\n\"p\",\"\",\"\",\"\",\"\",") << QString();
        QTest::newRow("campo tra virgolette") << QByteArray("1\r\n\"1\"\r\n\"p\",\"\",\"\",\"\",\"\",\"a\"")
                                              << QStringLiteral("a");
        QTest::newRow("campo senza virgolette") << QByteArray("1\r\n\"1\"\r\n\"p\",,,,,b") << QStringLiteral("b");
    }
    void fineSenzaAcapo()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, ultimo);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tiranti-dati-tronco"));
        scrivi(file, contenuto);
        scena_.file->risposte = {file};
        prova_->apri_click();
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(0));
        QCOMPARE(prova_->valori[1], QStringLiteral("1"));
        QCOMPARE(finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->campiTesto().value(5), ultimo);
        QCOMPARE(ModRinsal::NomeFile, file);
        // One field short is still short.
        scrivi(file, contenuto.left(contenuto.lastIndexOf(',')));
        scena_.file->risposte = {file};
        prova_->apri_click();
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QVERIFY(scena_.messaggi->visti[0].testo.contains(QStringLiteral("il file finisce prima del previsto")));
    }

    void crSolitario()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tiranti-dati-cr"));
        scrivi(file, "2\r\"1\"\r\"2\"\r\"p\",\"l\",\"c\",\"g\",\"d\",\"a\"\r");
        scena_.file->risposte = {file};
        prova_->apri_click();
        QVERIFY(scena_.messaggi->visti.empty());
        QCOMPARE(prova_->valori[2], QStringLiteral("2"));
    }

private:
    platform::Scena scena_{};
    FinestraProva* prova_ = nullptr;
};

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
