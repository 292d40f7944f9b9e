// The tie-rod window driven through its real fields, labels and scroll bars.
#include "report/frontespizio.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/stampa.h"
#include "support/supporto.h"
#include "shell/finestragrafico.h"
#include "shell/numeri.h"
#include "tierods/stampe.h"
#include "tierods/testi.h"
#include "tierods/tiranti.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace modtiranti;
namespace T = testi_tiranti;
using platform::Icona;

namespace {

const std::array<QString, 9> kEsempio = {"50", "20", "5", "0,75", "1", "600", "1000", "1,5", "2"};

void digita(QLineEdit* f, const QString& testo)
{
    f->setFocus();
    f->selectAll();
    if (f->hasSelectedText()) {
        QTest::keyClick(f, Qt::Key_Backspace);
    }
    QTest::keyClicks(f, testo);
}

} // namespace

class TestTiranti : public QObject {
    Q_OBJECT
    platform::Scena scena_{};
    tiranti* w_ = nullptr;

    // Types a whole row on a screen line, the way a user does.
    void digitaRiga(int linea, const std::array<QString, 9>& v = kEsempio)
    {
        for (int c = 0; c < kCampi; ++c) {
            digita(w_->campo(c, linea), v[std::size_t(c)]);
        }
    }
    void vaiARiga(int riga) { w_->VScroll1()->setValue(riga); }

private slots:
    void initTestCase() { scena_ = supporto::prepara(); }
    void init()
    {
        scena_.messaggi->visti.clear();
        w_ = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        QVERIFY(w_);
        w_->show();
    }
    void cleanup() { supporto::chiudiTutte(); }

    void caricamento()
    {
        QCOMPARE(w_->windowTitle(), QString("Rinsal: tiranti[*]"));
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        QVERIFY(w_->tirtem()->text().isEmpty());
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(w_->num(k)->text(), QString::number(k));
            QCOMPARE(w_->ris(k)->text(), QString::number(k));
            for (int c = 0; c < 6; ++c) {
                QVERIFY(w_->temperatura(c, k)->text().isEmpty());
            }
        }
        QCOMPARE(w_->VScroll1()->minimum(), 1);
        QCOMPARE(w_->VScroll1()->maximum(), 96);
        QCOMPARE(w_->VScroll1()->pageStep(), 5);
        QCOMPARE(w_->VScroll2()->maximum(), 97);
        QCOMPARE(w_->VScroll2()->singleStep(), 1);
        QCOMPARE(w_->campo(Spes, 1)->toolTip(), T::kSuggerimenti[0]);
        QCOMPARE(w_->num(3)->toolTip(), T::kNumCopiaTooltip);
        QCOMPARE(w_->malt(2)->toolTip(), T::kMaltTooltip);
    }

    void esempioDigitato()
    {
        digita(w_->campo(Spes, 1), "50");
        QCOMPARE(w_->campo(Coeff, 1)->text(), QString("0,75"));   // the default
        QCOMPARE(w_->dati().coeff[1], QString("0,75"));
        QCOMPARE(w_->Label1()->text(), QString("1"));
        QCOMPARE(w_->passo()->text(), "Tirante n. 1: digitare " + T::kGuidaCampi[Rag]);
        digita(w_->campo(Rag, 1), "20");
        digita(w_->campo(Car, 1), "5");
        QCOMPARE(w_->passo()->text(), QString("Tirante n. 1: digitare la trazione ammissibile nel muro (vedi tabella laterale)"));
        for (int c = Traz; c <= Deform; ++c) {
            digita(w_->campo(c, 1), kEsempio[std::size_t(c)]);
        }
        // Complete without a pitch: a wedge.
        QCOMPARE(w_->risultato(6, 1)->text(), QString("4,5"));
        QVERIFY(w_->risultato(5, 1)->text().isEmpty());
        digita(w_->campo(Pass, 1), "2");
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        const QStringList attesi = {"7065", "16875", "3532", "2,1", "5997", "2,2", ""};
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(w_->risultato(c, 1)->text(), attesi[c]);
        }
        QCOMPARE(w_->temperatura(0, 1)->text(), QString("-40"));
        QCOMPARE(w_->temperatura(2, 1)->text(), QString("1000"));
        QCOMPARE(w_->temperatura(5, 1)->text(), QString("9,3"));
        w_->VScroll2()->setValue(61);
        QCOMPARE(w_->temperatura(0, 1)->text(), QString("20"));
        QStringList riga;
        for (int c = 0; c < 6; ++c) {
            riga << w_->temperatura(c, 1)->text();
        }
        QCOMPARE(riga, QStringList({"20", "61", "280", "-0,036", "989", "4,9"}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        w_->VScroll2()->setValue(97);
        QCOMPARE(w_->temperatura(0, 1)->text(), QString("56"));
        QCOMPARE(w_->temperatura(0, 5)->text(), QString("60"));
        QCOMPARE(w_->temperatura(2, 5)->text(), QString("0"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void coeffGiaPresenteOSvuotato()
    {
        digita(w_->campo(Coeff, 2), "0,5");
        digita(w_->campo(Spes, 2), "40");
        QCOMPARE(w_->dati().coeff[2], QString("0,5"));
        // Emptied by hand it stays empty until the thickness changes again.
        digita(w_->campo(Coeff, 2), "");
        QVERIFY(w_->campo(Coeff, 2)->text().isEmpty());
        QVERIFY(w_->dati().coeff[2].isEmpty());
        digita(w_->campo(Spes, 2), "45");
        QCOMPARE(w_->dati().coeff[2], QString("0,75"));
    }

    void copiaDiUnDatoEDellaRiga()
    {
        digitaRiga(1);
        digita(w_->campo(Rag, 2), "+");   // row 2 takes row 1's radius
        QCOMPARE(w_->campo(Rag, 2)->text(), QString("20"));
        QCOMPARE(w_->dati().rag[2], QString("20"));
        digita(w_->campo(Car, 1), "+");   // row 1: nothing above
        QVERIFY(w_->dati().car[1].isEmpty());
        digita(w_->campo(Car, 1), "5");

        // Row 6 typed on line 1, then row 7 copies it through its number.
        vaiARiga(6);
        auto v = kEsempio;
        v[Pass] = "";   // empty values are copied too
        digitaRiga(1, v);
        digita(w_->campo(Dist, 2), "123");   // row 7 had its own distance
        QTest::mouseClick(w_->num(2), Qt::LeftButton);
        for (int c = 0; c < kCampi; ++c) {
            QCOMPARE(w_->dati().colonna(c)[7], v[std::size_t(c)]);
            QCOMPARE(w_->campo(c, 2)->text(), v[std::size_t(c)]);
        }
        // Row 9 under an empty row 8: nothing happens.
        QTest::mouseClick(w_->num(4), Qt::LeftButton);
        QVERIFY(w_->dati().spes[9].isEmpty());
        // Counted rows 1, 6 and 7: the pass stops at row 2, which has no thickness.
        QCOMPARE(w_->NumeroTiranti, 3);
        QVERIFY(w_->risultato(3, 2)->text().isEmpty());

        // "+" in row 8 takes row 7's value whatever row is on line 1.
        vaiARiga(4);
        digita(w_->campo(Sigmaf, 5), "+");
        QCOMPARE(w_->dati().sigmaf[8], QString("1000"));
    }

    void tabellaDelleTrazioni()
    {
        vaiARiga(11);
        QTest::mouseClick(w_->etichettaMalta(4), Qt::LeftButton);
        QCOMPARE(w_->dati().traz[11], QString("0,3"));
        QCOMPARE(w_->campo(Traz, 1)->text(), QString("0,3"));
        QVERIFY(w_->dati().traz[12].isEmpty());
        QVERIFY(scena_.messaggi->visti.empty());
        QTest::mouseClick(w_->malt(1), Qt::LeftButton);
        QCOMPARE(w_->dati().traz[11], QString("4,5"));
        QVERIFY(scena_.messaggi->visti.empty());
        w_->malt(5)->click();
        QCOMPARE(w_->dati().traz[11], QString("1"));
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti[0].testo, T::kMalteScadenti);
        QCOMPARE(scena_.messaggi->visti[0].icona, Icona::Informazione);
        QCOMPARE(scena_.messaggi->visti[0].titolo, ModRinsal::TitoloControllo);
    }

    // A pitch that is rejected, or deleted after an earlier rejection, is
    // stored as the field shows it: empty, a wedge.
    void passoRifiutatoOCancellato()
    {
        digitaRiga(1);
        QCOMPARE(w_->risultato(5, 1)->text(), QString("2,2"));
        QTest::keyClicks(w_->campo(Pass, 1), ".");
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti[0].icona, Icona::Critica);
        QVERIFY(w_->campo(Pass, 1)->text().isEmpty());
        QVERIFY(w_->dati().pass[1].isEmpty());
        QVERIFY(w_->risultato(5, 1)->text().isEmpty());
        QCOMPARE(w_->risultato(6, 1)->text(), QString("4,5"));

        digita(w_->campo(Pass, 1), "2");
        QCOMPARE(w_->risultato(5, 1)->text(), QString("2,2"));
        QTest::keyClicks(w_->campo(Rag, 2), "x");   // a rejection elsewhere
        QCOMPARE(ModRinsal::ErroreDato, 1);
        w_->campo(Pass, 1)->setFocus();
        w_->campo(Pass, 1)->end(false);
        QTest::keyClick(w_->campo(Pass, 1), Qt::Key_Backspace);
        QVERIFY(w_->dati().pass[1].isEmpty());
        QCOMPARE(w_->risultato(6, 1)->text(), QString("4,5"));
        QVERIFY(w_->risultato(5, 1)->text().isEmpty());
    }

    void scorrimentoDelleRighe()
    {
        for (int r = 1; r <= 6; ++r) {
            vaiARiga(r);
            auto v = kEsempio;
            v[Dist] = QString::number(100 * r);
            digitaRiga(1, v);
        }
        QCOMPARE(w_->NumeroTiranti, 6);
        vaiARiga(7);
        QCOMPARE(w_->tirtem()->text(), QString("7"));
        for (int c = 0; c < 6; ++c) {
            QVERIFY(w_->temperatura(c, 1)->text().isEmpty());
        }
        QCOMPARE(w_->num(1)->text(), QString("7"));
        QCOMPARE(w_->ris(5)->text(), QString("11"));
        vaiARiga(3);
        QCOMPARE(w_->tirtem()->text(), QString("3"));
        QCOMPARE(w_->campo(Dist, 1)->text(), QString("300"));
        QCOMPARE(w_->temperatura(0, 1)->text(), QString("-40"));
        // freq = Int(sqrt(1000) x 176,644 / 300 x 10) / 10
        QCOMPARE(w_->temperatura(5, 1)->text(), QString("18,6"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void fermataSenzaAggiornamento()
    {
        digitaRiga(1);
        digitaRiga(2);
        digitaRiga(3);
        const QString primo = w_->risultato(1, 1)->text();
        digita(w_->campo(Dist, 2), "");   // row 2 incomplete: row 3 keeps its result
        QCOMPARE(w_->risultato(1, 3)->text(), QString("16875"));
        QVERIFY(w_->risultato(1, 2)->text().isEmpty());
        // Changed while the pass stops above it: no figures of its old load.
        digita(w_->campo(Car, 3), "50");
        QVERIFY(w_->risultato(1, 3)->text().isEmpty());
        QVERIFY(!w_->risultati().attr[3]);
        QCOMPARE(w_->risultato(1, 1)->text(), primo);
        digita(w_->campo(Dist, 2), w_->dati().dist[1]);
        QVERIFY(!w_->risultato(1, 3)->text().isEmpty() && w_->risultato(1, 3)->text() != QString("16875"));
    }

    void valoriCheImpedisconoIlCalcolo()
    {
        digitaRiga(1);
        // A minus alone is refused: the digits first, then the minus in front.
        digita(w_->campo(Coeff, 1), "0,75");
        w_->campo(Coeff, 1)->home(false);
        QTest::keyClicks(w_->campo(Coeff, 1), "-");
        QVERIFY(scena_.messaggi->visti.empty());
        QCOMPARE(w_->dati().coeff[1], QString("-0,75"));
        QCOMPARE(w_->passo()->text(), "Tirante n. 1" + T::kGuidaImpossibile);
        digita(w_->campo(Coeff, 1), "1,2,3");
        QCOMPARE(w_->passo()->text(), "Tirante n. 1" + T::kGuidaImpossibile);
        for (int k = 1; k <= 5; ++k) {
            for (int c = 0; c < 7; ++c) {
                QVERIFY(!w_->risultato(c, k)->text().contains("nan"));
                QVERIFY(!w_->risultato(c, k)->text().contains("inf"));
            }
        }
        digita(w_->campo(Coeff, 1), "0,75");
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
    }

    void controlloDeiDati()
    {
        w_->controlla_click();
        QCOMPARE(scena_.messaggi->visti.back().testo, T::kNessunDato);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Esclamativa);
        digitaRiga(1);
        digitaRiga(2);
        digita(w_->campo(Spes, 5), "30");
        QCOMPARE(w_->NumeroTiranti, 3);
        w_->controlla_click();
        QCOMPARE(scena_.messaggi->visti.back().testo, QString("Tirante n. 3: \r- digitare lo spessore del muro."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        digita(w_->campo(Spes, 5), "0,005");   // does not count a tie rod
        QCOMPARE(w_->NumeroTiranti, 2);
        w_->controlla_click();
        QCOMPARE(scena_.messaggi->visti.back().testo, T::kDatiCorretti);
        digita(w_->campo(Pass, 2), "");
        w_->controlla_click();
        QCOMPARE(scena_.messaggi->visti.back().testo,
                 "Tirante n. 2: \r- digitare " + T::kControlloCampi[Pass]);
    }

    void cancellazione()
    {
        digitaRiga(1);
        vaiARiga(20);
        digita(w_->campo(Spes, 1), "70");   // beyond a gap
        vaiARiga(1);
        w_->cancella_click();
        QCOMPARE(w_->NumeroTiranti, 0);
        QVERIFY(w_->Label1()->text().isEmpty());
        QVERIFY(w_->tirtem()->text().isEmpty());
        QVERIFY(w_->dati().spes[20].isEmpty());
        QVERIFY(!w_->risultati().coes[1]);
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        for (int c = 0; c < 6; ++c) {
            QVERIFY(w_->temperatura(c, 1)->text().isEmpty());
        }
        QVERIFY(w_->campo(Spes, 1)->text().isEmpty());
        QCOMPARE(w_->VScroll1()->value(), 1);
    }

    void evidenziazioneDeiNumeri()
    {
        QMouseEvent sopra(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w_->num(2), &sopra);
        QCOMPARE(w_->num(2)->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w_->num(1)->palette().color(QPalette::Window), QColor(0, 255, 255));
        QMouseEvent fondo(QEvent::MouseMove, QPointF(2, 200), QPointF(2, 200), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w_->superficie(), &fondo);
        QCOMPARE(w_->num(2)->palette().color(QPalette::Window), QColor(0, 255, 255));
    }

    void salvaEApri()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Tiranti-dati-prova");
        const QByteArray atteso =
            "3\r\n"
            "\"50\",\"20\",\"5\",\"0,75\",\"1\",\"600\",\"1000\",\"1,5\",\"2\"\r\n"
            "\"40\",\"15\",\"4\",\"0,75\",\"0,3\",\"-450\",\"800\",\"1,1\",\"0\"\r\n"
            "\"60\",\"25\",\"6\",\"0,7\",\"4,5\",\"900\",\"1200\",\"2\",\"1,5\"\r\n"
            "\"Consolidamento\",\"Citt\xe0\",\"Comune di Prova\",\"Via Roma 1\",\"28 dic 2011\",\"tavole 1-3\"\r\n";
        {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(atteso);
        }
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        QCOMPARE(w_->NumeroTiranti, 3);
        QCOMPARE(w_->dati().dist[2], QString("-450"));
        QCOMPARE(w_->dati().coeff[3], QString("0,7"));
        QCOMPARE(w_->risultato(0, 1)->text(), QString("7065"));
        QCOMPARE(w_->risultati().coes[3].has_value(), true);
        QCOMPARE(w_->tirtem()->text(), QString("1"));
        auto* f = finestre::esistente<frontespizio>(IdFinestra::Frontespizio);
        QCOMPARE(f->campiTesto().value(1), QString("Città"));

        // Save writes back to the opened file without a dialog.
        QFile::remove(nome);
        const auto richieste = scena_.file->richieste.size();
        w_->salva_click();
        QCOMPARE(scena_.file->richieste.size(), richieste);
        QFile letto(nome);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), atteso);
    }

    void aperturaDaUnaRigaLontanaEFileVuoti()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Tiranti-dati-zero");
        {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("0\r\n\"P\",\"\",\"\",\"\",\"\",\"\"\r\n");
        }
        digitaRiga(1);
        vaiARiga(40);
        scena_.messaggi->risposte.push_back(platform::Risposta::No);
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        scena_.messaggi->visti.erase(scena_.messaggi->visti.begin());
        QCOMPARE(w_->NumeroTiranti, 0);
        QVERIFY(w_->dati().spes[1].isEmpty());
        // The view starts from the first row again.
        QCOMPARE(w_->VScroll1()->value(), 1);
        QCOMPARE(w_->num(1)->text(), QString("1"));
        QCOMPARE(finestre::esistente<frontespizio>(IdFinestra::Frontespizio)->campiTesto().value(0), QString("P"));
        QVERIFY(scena_.messaggi->visti.empty());

        // Cancel leaves the window as it was.
        vaiARiga(1);
        digitaRiga(1);
        w_->apri_click();
        QCOMPARE(w_->NumeroTiranti, 1);
        QCOMPARE(w_->campo(Spes, 1)->text(), QString("50"));
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void fileMalformato()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Tiranti-dati-rotto");
        {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("2\r\n\"50\",\"20\",\"5\",\"0,75\",\"1\",\"600\",\"1000\",\"1,5\",\"2\"\r\n\"40\",\"15\r\n");
        }
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QVERIFY(scena_.messaggi->visti[0].testo.contains("Tiranti-dati-rotto"));
        QVERIFY(scena_.messaggi->visti[0].testo.contains("riga 3"));
        // Nothing of the broken file stays: the window is as it was.
        QVERIFY(w_->dati().spes[1].isEmpty());
        QVERIFY(w_->risultato(0, 1)->text().isEmpty());
        QCOMPARE(w_->NumeroTiranti, 0);
    }

    void stampaDallaFinestra()
    {
        digitaRiga(1);
        digitaRiga(2);
        w_->stampa_click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        const QString testo = scena_.stampa->lavori[0]->testo();
        QCOMPARE(testo.count("RISULTATI: tirante n."), 2);
        QCOMPARE(testo.count('\f'), 1);
        scena_.stampa->annulla = true;
        w_->acquisizionedati_Click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        scena_.stampa->annulla = false;
    }

    // Inside the complete report the listing continues the report's job:
    // no dialog, no title line; afterwards a plain printout is stand-alone.
    void nellaRelazione()
    {
        digitaRiga(1);
        platform::StampanteTesto relazione;
        relazione.impostaFont(QString("Courier"));
        relazione.stampaRiga({{10, QString("Si allegano i seguenti documenti:")}});
        relazione.nuovaPagina();
        const int aperture = scena_.stampa->aperture;
        w_->stampaDati(relazione, ModoStampa::InRelazione);
        QCOMPARE(scena_.stampa->aperture, aperture);
        QVERIFY(relazione.terminato());
        QCOMPARE(relazione.righe()[1].testo.trimmed(), QString("RISULTATI: tirante n. 1"));
        QCOMPARE(relazione.righe()[1].pagina, 2);
        QCOMPARE(relazione.righe()[1].punti, 18.0);
        QVERIFY(!relazione.testo().contains("RINSAL - calcolo di tiranti"));

        w_->stampa_click();
        QCOMPARE(scena_.stampa->aperture, aperture + 1);
        QVERIFY(scena_.stampa->lavori.back()->testo().contains("RINSAL - calcolo di tiranti"));
    }

    // The chart window draws what the listing draws for the rod on line 1,
    // on screen where the printer interface put it; it follows the rows as
    // they scroll and the values as they are typed, says what is missing
    // where there is no chart, keeps its size and goes with the window.
    void graficoDellaPrimaRiga()
    {
        digitaRiga(1);
        digitaRiga(2, {"60", "25", "6", "0,75", "0,3", "750", "1200", "1,3", "0"});
        w_->grafico_Click();
        QPointer<FinestraGrafico> g = w_->finestraGrafico();
        QVERIFY(g && g->isVisible() && !g->isModal());
        auto dellaRiga = [this, &g](int r) { return supporto::disegnoDi(*g, datiGrafico(w_->dati(), w_->risultati(), r)); };
        QCOMPARE(g->windowTitle(), T::kTitoloGrafico + " 1");
        QVERIFY(dellaRiga(1) != dellaRiga(2));
        QCOMPARE(supporto::disegnoMostrato(*g), dellaRiga(1));
        QCOMPARE(supporto::lineeNonVisibili(*g), QString());

        vaiARiga(2);
        // The caption follows at the next paint.
        QTRY_COMPARE(g->windowTitle(), T::kTitoloGrafico + " 2");
        QCOMPARE(supporto::disegnoMostrato(*g), dellaRiga(2));
        // Row 2 is now on line 1: a new sigma there is drawn at once.
        const QStringList prima = supporto::disegnoMostrato(*g);
        digita(w_->campo(Sigmaf, 1), "1100");
        QCOMPARE(supporto::disegnoMostrato(*g), dellaRiga(2));
        QVERIFY(supporto::disegnoMostrato(*g) != prima);

        // No chart: the guidance for that row, or why it cannot be computed.
        vaiARiga(3);
        QVERIFY(!g->contenuto().grafico);
        QCOMPARE(g->contenuto().motivo, T::kGuidaTirante + " 3" + T::kGuidaDigitare + T::kGuidaCampi[Spes]);
        digita(w_->campo(Spes, 1), "45");
        QCOMPARE(g->contenuto().motivo, T::kGuidaTirante + " 3" + T::kGuidaDigitare + T::kGuidaCampi[Rag]);
        digitaRiga(1, {"45", "15", "4", "0,75", "4,5", "520", "900", "1,8", "2,5"});
        QVERIFY(g->contenuto().grafico);
        QCOMPARE(supporto::disegnoMostrato(*g), dellaRiga(3));
        w_->campo(Coeff, 1)->home(false);
        QTest::keyClicks(w_->campo(Coeff, 1), "-");
        QVERIFY(!g->contenuto().grafico);
        QCOMPARE(g->contenuto().motivo, T::kGuidaTirante + " 3" + T::kGuidaImpossibile);
        // Clearing the window leaves the chart with nothing to draw.
        w_->cancella_click();
        QVERIFY(!g->contenuto().grafico);
        QCOMPARE(g->contenuto().motivo, T::kGuidaInizio);

        // Closed and reopened, the same window at the size the user gave it.
        g->resize(500, 320);
        g->close();
        w_->grafico_Click();
        QCOMPARE(w_->finestraGrafico(), g.data());
        QVERIFY(g->isVisible());
        QCOMPARE(g->size(), QSize(500, 320));
        QVERIFY(w_->close());
        QTRY_VERIFY(!g || !g->isVisible());
    }

    void aspetto()
    {
        digitaRiga(1);
        w_->VScroll2()->setValue(58);
        QVERIFY(w_->grab().save("/tmp/tiranti.png"));
        w_->showMaximized();
        QApplication::processEvents();
        QVERIFY(w_->grab().save("/tmp/tiranti-max.png"));
    }
};

QTEST_MAIN(TestTiranti)
#include "test_tiranti.moc"
