// The help contents, the help pages with their printouts and the tip of
// the day.
#include "help/frmtip.h"
#include "help/paginaguida.h"
#include "help/sommario.h"
#include "shell/finestre.h"
#include "support/supporto.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {
// The text printed at a line's start column, without the columns before it.
QString dallaColonna(const platform::RigaStampata& r, int colonna) { return r.testo.mid(colonna - 1); }

// A mouse move over a widget, delivered as the window would get it.
void muovi(QWidget* w)
{
    const QPointF p(2, 2);
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}
} // namespace

class TestGuida : public QObject {
    Q_OBJECT
private slots:
    void init() { scena_ = supporto::prepara(); }
    void cleanup() { supporto::chiudiTutte(); }

    void pezziDaSettanta()
    {
        const QString testo = QString(69, QLatin1Char('a')) + QStringLiteral(" parola") + QString(74, QLatin1Char('b'));
        QCOMPARE(testo.size(), 150);
        const QStringList pezzi = pezziDiTesto(testo);
        QCOMPARE(pezzi.size(), 3);
        QCOMPARE(pezzi[0].size(), 70);
        QCOMPARE(pezzi[1].size(), 70);
        QCOMPARE(pezzi[2], QString(10, QLatin1Char('b')));
        // The cut falls inside the word.
        QVERIFY(pezzi[0].endsWith(QStringLiteral("a ")));
        QVERIFY(pezzi[1].startsWith(QStringLiteral("parola")));
        QVERIFY(pezziDiTesto(QString()).isEmpty());
        QCOMPARE(pezziDiTesto(QString(140, QLatin1Char('c'))).size(), 2);
    }

    void ognunaDelleUndiciPagine()
    {
        int pagine = 0;
        for (int i = int(IdFinestra::Manuale); i <= int(IdFinestra::GuidaFunzionamento); ++i) {
            const auto id = IdFinestra(i);
            QVERIFY(finestre::mostra(id));
            auto* p = finestre::esistente<PaginaGuida>(id);
            QCOMPARE(p->windowTitle(), QStringLiteral("Guida in linea"));
            QVERIFY(!p->Label1()->text().isEmpty());
            const qsizetype n = p->Label2()->text().size();
            if (id == IdFinestra::GuidaCercol || id == IdFinestra::GuidaCerpil) {
                QCOMPARE(p->Label2()->text(),
                         QStringLiteral("La tipologia di calcolo non è attiva nella presente versione."));
            } else {
                // A page of text, short enough to be read whole in its window.
                QVERIFY2(n > 1000 && n < (id == IdFinestra::Manuale ? 2500 : 1400), qPrintable(p->Label1()->text()));
                QVERIFY(p->Label2()->heightForWidth(p->Label2()->width()) <= p->Label2()->height());
            }
            QCOMPARE(p->width(), tw(id == IdFinestra::Manuale ? 9600 : 5640));
            QCOMPARE(p->height(), tw(6825));
            if (id != IdFinestra::Manuale) {
                QCOMPARE(p->x(), tw(5467));
            }
            schermata(p, QStringLiteral("pagina%1").arg(i));
            ++pagine;
        }
        QCOMPARE(pagine, 11);
        auto* m = finestre::esistente<PaginaGuida>(IdFinestra::Manuale);
        QCOMPARE(m->Label1()->text(), QStringLiteral("MANUALE D'USO RAPIDO"));
        QCOMPARE(m->cmdstampa()->toolTip(),
                 QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        QCOMPARE(m->cmdsommario()->toolTip(), QStringLiteral("cliccare per visualizzare il sommario della guida"));
        QVERIFY(finestre::esistente<PaginaGuida>(IdFinestra::GuidaStampa)->cmdstampa()->toolTip().isEmpty());
    }

    void pulsantiDellaPagina()
    {
        QVERIFY(finestre::mostra(IdFinestra::GuidaArchivio));
        auto* p = finestre::esistente<PaginaGuida>(IdFinestra::GuidaArchivio);
        QTest::mouseClick(p->cmdsommario(), Qt::LeftButton);
        QVERIFY(finestre::esistente(IdFinestra::Sommario)->isVisible());
        QTest::mouseClick(p->cmdchiudi(), Qt::LeftButton);
        QVERIFY(!finestre::esistente(IdFinestra::GuidaArchivio));
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void stampaDellaPagina()
    {
        finestre::mostra(IdFinestra::GuidaTiranti);
        auto* p = finestre::esistente<PaginaGuida>(IdFinestra::GuidaTiranti);
        p->Label2()->setText(QString(140, QLatin1Char('x')) + QStringLiteral("fine testo"));
        QTest::mouseClick(p->cmdstampa(), Qt::LeftButton);
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        const auto& l = *scena_.stampa->lavori.back();
        QVERIFY(l.terminato());
        QCOMPARE(l.font(), QStringLiteral("Courier"));
        const auto& r = l.righe();
        QCOMPARE(r.size(), std::size_t(9));
        QCOMPARE(r[0].testo, QStringLiteral("      Rinsal - calcoli di consolidamenti"));
        QCOMPARE(r[0].punti, 18.0);
        QVERIFY(r[1].testo.isEmpty());
        QCOMPARE(r[2].testo, QString(9, QLatin1Char(' ')) + QStringLiteral("FINESTRA TIRANTI"));
        QCOMPARE(r[2].punti, 12.0);
        for (int i = 3; i < 9; i += 2) {
            QVERIFY(r[std::size_t(i)].testo.isEmpty());
        }
        QCOMPARE(dallaColonna(r[4], 10), QString(70, QLatin1Char('x')));
        QCOMPARE(dallaColonna(r[8], 10), QStringLiteral("fine testo"));
        // Cancel prints nothing.
        scena_.stampa->annulla = true;
        p->cmdstampa_Click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void sommarioApreLeFinestre()
    {
        QVERIFY(finestre::mostra(IdFinestra::Sommario));
        auto* s = finestre::esistente<sommario>(IdFinestra::Sommario);
        QCOMPARE(s->windowTitle(), QStringLiteral("Rinsal: guida in linea"));
        QCOMPARE(s->width(), tw(3975));
        QCOMPARE(s->height(), tw(6825));
        schermata(s, QStringLiteral("sommario"));
        QTest::mouseClick(s->puls(7), Qt::LeftButton);
        auto* t = finestre::esistente<PaginaGuida>(IdFinestra::GuidaTiranti);
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->Label1()->text(), QStringLiteral("FINESTRA TIRANTI"));
        s->puls_Click(12);
        QVERIFY(finestre::esistente<frmTip>(IdFinestra::Tip)->isVisible());
        // Each title's row opens the page of the same subject.
        for (int r = 1; r <= 11; ++r) {
            const auto id = sommario::finestraRiga(r);
            s->puls_Click(r);
            const QString titolo = s->lbl(r)->text().trimmed().toUpper();
            const QString intestazione = finestre::esistente<PaginaGuida>(id)->Label1()->text();
            QVERIFY2(intestazione.endsWith(titolo.section(QLatin1Char(' '), -1)), qPrintable(intestazione));
        }
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void titoliSottoIlMouse()
    {
        finestre::mostra(IdFinestra::Sommario);
        auto* s = finestre::esistente<sommario>(IdFinestra::Sommario);
        muovi(s->lbl(3));
        QVERIFY(s->lbl(3)->font().bold());
        muovi(s->lbl(5));
        QVERIFY(s->lbl(5)->font().bold());
        QVERIFY(!s->lbl(3)->font().bold());
        muovi(s);
        for (int r = 1; r <= sommario::kRighe; ++r) {
            QVERIFY(!s->lbl(r)->font().bold());
        }
        // Pressed: no border and the window opens; released: the border is back.
        QTest::mousePress(s->lbl(4), Qt::LeftButton);
        QCOMPARE(s->lbl(4)->frameShape(), QFrame::NoFrame);
        QVERIFY(finestre::esistente(IdFinestra::GuidaStampa)->isVisible());
        QTest::mouseRelease(s->lbl(4), Qt::LeftButton);
        QCOMPARE(s->lbl(4)->frameShape(), QFrame::Panel);
        // Every title fits its box even in bold.
        for (int r = 1; r <= sommario::kRighe; ++r) {
            s->lbl_MouseMove(r);
            QVERIFY2(s->lbl(r)->sizeHint().width() <= s->lbl(r)->width(),
                     qPrintable(s->lbl(r)->text() + QString::number(s->lbl(r)->sizeHint().width()) + QLatin1Char('/') + QString::number(s->lbl(r)->width())));
        }
    }

    void comandiDelSommario()
    {
        finestre::mostra(IdFinestra::Sommario);
        auto* s = finestre::esistente<sommario>(IdFinestra::Sommario);
        QCOMPARE(s->cmdStampa()->toolTip(), QStringLiteral("cliccare per avere la copia su carta del sommario"));
        s->cmdStampa_Click();
        const auto& r = scena_.stampa->lavori.back()->righe();
        QCOMPARE(r.size(), std::size_t(4 + 2 * 12));
        QCOMPARE(r[0].testo, QStringLiteral("      RINSAL - calcoli di consolidamenti"));
        QCOMPARE(dallaColonna(r[2], 10), QStringLiteral("Argomenti della guida"));
        QVERIFY(r[3].testo.isEmpty() && r[4].testo.isEmpty());
        QCOMPARE(dallaColonna(r[5], 10), QStringLiteral("  Manuale d'uso rapido"));
        QCOMPARE(dallaColonna(r[13], 10), QStringLiteral(" Finestra Puntelli"));
        QCOMPARE(dallaColonna(r.back(), 10), QStringLiteral("  Suggerimento del giorno"));
        QCOMPARE(r.back().punti, 12.0);

        // Chiudi only hides: the same window comes back.
        QTest::mouseClick(s->cmdChiudi(), Qt::LeftButton);
        QVERIFY(!s->isVisible());
        QCOMPARE(finestre::esistente<sommario>(IdFinestra::Sommario), s);

        // USCITA asks first; No leaves everything as it was.
        scena_.messaggi->risposte = {platform::Risposta::No};
        QTest::mouseClick(s->esco(), Qt::LeftButton);
        QCOMPARE(scena_.messaggi->visti.back().icona, platform::Icona::Domanda);
        QCOMPARE(finestre::esistente<sommario>(IdFinestra::Sommario), s);
        scena_.messaggi->risposte = {platform::Risposta::Si};
        s->esco_Click();
        QVERIFY(!finestre::esistente(IdFinestra::Sommario));
    }

    void suggerimentiInGiro()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tips.txt"));
        scrivi(file, QByteArray("primo \xe8 uno\r\nsecondo\r\n\r\nterzo"));
        frmTip t(file);
        QCOMPARE(t.windowTitle(), QStringLiteral("Suggerimento del giorno"));
        QCOMPARE(t.suggerimenti().size(), 3);
        QCOMPARE(t.CorrenteTip(), 1);
        QCOMPARE(t.lblTipText()->text(), QStringLiteral("primo è uno"));
        t.cmdPrecedente_Click();
        QCOMPARE(t.CorrenteTip(), 1);
        QStringList visti;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(t.cmdSuccessivo(), Qt::LeftButton);
            visti << t.lblTipText()->text();
        }
        QCOMPARE(visti, (QStringList{QStringLiteral("secondo"), QStringLiteral("terzo"), QStringLiteral("primo è uno")}));
        t.cmdSuccessivo_Click();
        t.cmdSuccessivo_Click();
        QTest::mouseClick(t.cmdPrecedente(), Qt::LeftButton);
        QCOMPARE(t.CorrenteTip(), 2);
        QCOMPARE(t.lblTipText()->text(), QStringLiteral("secondo"));
    }

    void fileMancanteOVuoto()
    {
        QTemporaryDir dir;
        const QString mancante = dir.filePath(QStringLiteral("SuggerimentiRinsal.TXT"));
        {
            frmTip t(mancante);
            const QString nome = QDir::toNativeSeparators(mancante);
            QCOMPARE(t.lblTipText()->text(),
                     QStringLiteral("Impossibile trovare il file ") + nome + QStringLiteral("\n\nCreare un file di testo denominato ") +
                         nome +
                         QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. "
                                        "Inserire il file nella stessa directory dell'applicazione. "));
            t.cmdSuccessivo_Click();
            QCOMPARE(t.CorrenteTip(), 0);
            QVERIFY(t.lblTipText()->text().startsWith(QStringLiteral("Impossibile")));
            schermata(&t, QStringLiteral("tip-mancante"));
        }
        // A FIFO with no writer or a device in its place: refused at once, as a missing file.
#ifdef Q_OS_WIN
        const QStringList strani{dir.path()};
#else
        const QString coda = dir.filePath(QStringLiteral("coda"));
        QCOMPARE(::mkfifo(QFile::encodeName(coda).constData(), 0600), 0);
        const QStringList strani{coda, QStringLiteral("/dev/zero"), dir.path()};
#endif
        for (const QString& strano : strani) {
            frmTip t(strano);
            QVERIFY2(t.lblTipText()->text().startsWith(QStringLiteral("Impossibile trovare il file ") +
                                                       QDir::toNativeSeparators(strano)),
                     qPrintable(strano));
            QCOMPARE(t.CorrenteTip(), 0);
        }
        scrivi(mancante, QByteArray("\r\n  \r\n"));
        frmTip vuoto(mancante);
        QVERIFY(vuoto.suggerimenti().isEmpty());
        vuoto.cmdSuccessivo_Click();
        vuoto.cmdPrecedente_Click();
        QCOMPARE(vuoto.CorrenteTip(), 0);
        QVERIFY(vuoto.lblTipText()->text().isEmpty());
    }

    void suggerimentiDelProgramma()
    {
        // The window of the program reads the file from the working folder.
        const QString precedente = QDir::currentPath();
        QDir::setCurrent(qEnvironmentVariable("RINSAL_DATA_DIR"));
        QVERIFY(finestre::mostra(IdFinestra::Tip));
        QDir::setCurrent(precedente);
        auto* t = finestre::esistente<frmTip>(IdFinestra::Tip);
        QVERIFY(t->suggerimenti().size() >= 10);
        QCOMPARE(t->lblTipText()->text(), t->suggerimenti().first());
        for (const QString& s : t->suggerimenti()) {
            QVERIFY(!s.contains(QChar::ReplacementCharacter));
            t->lblTipText()->setText(s);
            QVERIFY2(t->lblTipText()->heightForWidth(t->lblTipText()->width()) <= t->lblTipText()->height(),
                     qPrintable(s));
        }
        schermata(t, QStringLiteral("tip"));
        QTest::mouseClick(t->cmdChiudi(), Qt::LeftButton);
        QVERIFY(!t->isVisible());
        QCOMPARE(finestre::esistente<frmTip>(IdFinestra::Tip), t);
        // Shown again, it keeps its place in the list.
        t->cmdSuccessivo_Click();
        finestre::mostra(IdFinestra::Tip);
        QCOMPARE(t->CorrenteTip(), 2);
    }

private:
    // Pictures for a person to look at, when asked for.
    static void schermata(QWidget* w, const QString& nome)
    {
        const QString cartella = qEnvironmentVariable("RINSAL_SCHERMATE");
        if (!cartella.isEmpty()) {
            w->show();
            w->grab().save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
        }
    }

    platform::Scena scena_{};
};

QTEST_MAIN(TestGuida)
#include "test_guida.moc"
