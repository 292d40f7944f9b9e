// The column-hooping window driven through its real fields, options and
// scroll bars.
#include "columnhooping/cercol.h"
#include "columnhooping/stampe.h"
#include "columnhooping/testi.h"
#include "shell/finestragrafico.h"
#include "report/frontespizio.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/scelta.h"
#include "support/supporto.h"

#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

using namespace modcercol;
namespace T = testi_cercol;
using platform::Icona;

namespace {

void digita(QLineEdit* f, const QString& testo)
{
    f->setFocus();
    f->selectAll();
    if (f->hasSelectedText()) {
        QTest::keyClick(f, Qt::Key_Backspace);
    }
    QTest::keyClicks(f, testo);
}

const std::array<QString, 4> kFreddoEsempio = {"20", "8", "50000", "300"};
const std::array<QString, 8> kCaldoEsempio = {"20", "1", "0,2", "20", "300", "30", "5", "15"};

} // namespace

class TestCercol : public QObject {
    Q_OBJECT
    platform::Scena scena_{};
    cercol* w_ = nullptr;

    void digitaFredda(int linea, const std::array<QString, 4>& v = kFreddoEsempio)
    {
        const Campo campi[4] = {Rag, Elic, Car, Alt};
        for (int k = 0; k < 4; ++k) {
            digita(w_->campo(campi[k], linea), v[std::size_t(k)]);
        }
    }
    void digitaCalda(int linea, const std::array<QString, 8>& v = kCaldoEsempio)
    {
        const Campo campi[8] = {Rag, Fes, Incr, Tens, Temp, Inter, Hcer, Longh};
        for (int k = 0; k < 8; ++k) {
            digita(w_->campo(campi[k], linea), v[std::size_t(k)]);
        }
    }
    void scegli(int k) { QTest::mouseClick(w_->Option1(k), Qt::LeftButton); }
    QString ultimoMessaggio() const
    {
        return scena_.messaggi->visti.empty() ? QString() : scena_.messaggi->visti.back().testo;
    }
    void progetto(const QString& testo)
    {
        auto* f = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
        f->campo(0)->setText(testo);
        for (int i = 1; i < 6; ++i) {
            f->campo(i)->clear();
        }
    }

private slots:
    void initTestCase() { scena_ = supporto::prepara(); }
    void init()
    {
        scena_.messaggi->visti.clear();
        scena_.stampa->lavori.clear();
        scena_.file->risposte.clear();
        w_ = finestre::ottieni<cercol>(IdFinestra::Cercol);
        QVERIFY(w_);
        w_->show();
    }
    void cleanup() { supporto::chiudiTutte(); }

    void caricamento()
    {
        QCOMPARE(w_->windowTitle(), T::kTitoloFinestra + "[*]");
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        QVERIFY(!w_->Option1(1)->isChecked() && !w_->Option1(2)->isChecked());
        QVERIFY(!w_->affreddo()->isVisible());
        QVERIFY(w_->campo(Longh, 5)->isEnabled());
        QCOMPARE(w_->num(3)->toolTip(), T::kNumCopiaTooltip);
        QCOMPARE(w_->VScroll1()->maximum(), 96);
        QCOMPARE(w_->VScroll2()->maximum(), 97);
        QCOMPARE(w_->VScroll3(2)->minimum(), 6);
        QCOMPARE(w_->VScroll3(2)->maximum(), 20);
        QVERIFY(w_->voceMenu("Controlla &dati immessi"));
        QVERIFY(!w_->voceMenu("&Suggerimenti..."));
    }

    void raggioPrimaDelTipo()
    {
        digita(w_->campo(Rag, 1), "2");
        QCOMPARE(ultimoMessaggio(), T::kSceglierePrima);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Esclamativa);
        QCOMPARE(scena_.messaggi->visti.back().titolo, ModRinsal::TitoloControllo);
        QCOMPARE(w_->NumeroCerchiature, 0);
        QVERIFY(w_->dati().valore(Rag, 1).isNull());
        QVERIFY(w_->campo(Rag, 1)->text().isEmpty());   // not stored, not shown
        // Clearing the field is no typing: nothing more is said.
        const auto visti = scena_.messaggi->visti.size();
        w_->cancella_click();
        QCOMPARE(scena_.messaggi->visti.size(), visti);
    }

    void sceltaDelTipo()
    {
        scegli(2);
        QCOMPARE(w_->TipoCerchiatura, 2);
        QVERIFY(w_->affreddo()->isVisible());
        for (int c : {Fes, Incr, Tens, Temp, Inter, Hcer, Longh}) {
            QVERIFY(!w_->campo(c, 3)->isEnabled());
            QVERIFY(!w_->etichettaCampo(c)->isEnabled());
        }
        QVERIFY(w_->campo(Elic, 1)->isEnabled() && w_->VScroll3(1)->isEnabled());
        digitaFredda(1);
        scegli(1);
        QVERIFY(!w_->affreddo()->isVisible());
        QVERIFY(!w_->campo(Car, 1)->isEnabled() && !w_->VScroll3(1)->isEnabled());
        QVERIFY(!w_->unitaCampo(Alt)->isEnabled());
        QVERIFY(w_->campo(Longh, 1)->isEnabled() && w_->campo(Rag, 1)->isEnabled());
        QCOMPARE(w_->campo(Car, 1)->text(), QString("50000"));   // cold values remain
        QCOMPARE(w_->dati().valore(Alt, 1), QString("300"));
    }

    void freddoDigitato()
    {
        scegli(2);
        digita(w_->campo(Rag, 1), "20");
        QCOMPARE(w_->passo()->text(),
                 "Cerchiatura n. 1: digitare " + T::kGuidaCampi[1]);
        digita(w_->campo(Elic, 1), "12");
        QCOMPARE(w_->note()->text(), T::kNotaDiametro);   // no complete pass yet
        digita(w_->campo(Elic, 1), "8");
        QVERIFY(w_->note()->text().isEmpty());
        digita(w_->campo(Car, 1), "50000");
        digita(w_->campo(Alt, 1), "300");
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        QCOMPARE(w_->Label1()->text(), QString("1"));
        const QStringList attesi = {"8", "5010", "1726", "39,8", "28,9"};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(w_->freddo(c, 1)->text(), attesi[c]);
        }
        QCOMPARE(w_->rum(2)->text(), QString("2"));
        QCOMPARE(w_->note()->text(), T::kNotaBenEseguito);

        // Row 2 without its load: the check names it.
        digitaFredda(2, {"30", "10", "", "250"});
        w_->controlla_click();
        QCOMPARE(ultimoMessaggio(), QString("Cerchiatura n. 2: \r- digitare carico gravante sulla colonna."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);

        // The bar scroll bar on line 2 writes 14 and recalculates.
        digita(w_->campo(Car, 2), "1000");
        w_->VScroll3(2)->setValue(14);
        QCOMPARE(w_->dati().valore(Elic, 2), QString("14"));
        QCOMPARE(w_->campo(Elic, 2)->text(), QString("14"));
        QCOMPARE(w_->note()->text(), T::kNotaFi12);   // row 2 is the last computed
        QVERIFY(!w_->freddo(Sezid, 2)->text().isEmpty());
    }

    // A complete row shows its results while a later one is half typed; a
    // row changed where the pass does not reach shows none.
    void risultatiSoloDiDatiAttuali()
    {
        scegli(2);
        digita(w_->campo(Rag, 2), "30");
        digitaFredda(1);
        QCOMPARE(w_->freddo(Sezid, 1)->text(), QString("1726"));
        digitaFredda(2, {"30", "10", "1000", "250"});
        const QString seconda = w_->freddo(Sezid, 2)->text();
        QVERIFY(!seconda.isEmpty());
        digita(w_->campo(Car, 1), "");
        QCOMPARE(w_->freddo(Sezid, 2)->text(), seconda);   // unchanged, kept
        digita(w_->campo(Alt, 2), "400");
        QVERIFY(w_->freddo(Sezid, 2)->text().isEmpty());
        digita(w_->campo(Car, 1), "50000");
        QVERIFY(!w_->freddo(Sezid, 2)->text().isEmpty());
    }

    void caldoDigitatoETabella()
    {
        scegli(1);
        digitaCalda(1);
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        QCOMPARE(w_->numcon()->text(), QString("1"));
        const QStringList meno40 = {"-40", "19,999", "20,003", "19,918", "20,359", "127,92", "-0,0204",
                                    "1802", "8485", "42,4", "6", "8", "10,7"};
        for (int c = 0; c < 13; ++c) {
            QCOMPARE(w_->caldo(c, 1)->text(), meno40[c]);
        }
        w_->VScroll2()->setValue(97);
        QCOMPARE(w_->caldo(0, 1)->text(), QString("56"));
        QCOMPARE(w_->caldo(0, 5)->text(), QString("60"));
        w_->VScroll2()->setValue(61);   // 20 °C on line 1
        QCOMPARE(w_->caldo(Traz + 1, 1)->text(), QString("6969"));

        // A hot row with the radius only: the guide asks for nothing more,
        // but the check names the first hot value it lacks, and the last one.
        digita(w_->campo(Rag, 2), "25");
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        w_->controlla_click();
        QCOMPARE(ultimoMessaggio(),
                 QString("Cerchiatura n. 2: \r- digitare l'ampiezza totale delle fessure verticali nella colonna."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        digitaCalda(2, {"25", "1", "0,2", "20", "300", "30", "5", ""});
        w_->controlla_click();
        QCOMPARE(ultimoMessaggio(), QString("Cerchiatura n. 2: \r- digitare il passo dei longheroni verticali."));
        digita(w_->campo(Longh, 2), "15");
        w_->controlla_click();
        QCOMPARE(ultimoMessaggio(), QString("I dati sono stati immessi correttamente."));

        // Scrolling past the rows empties the hot table.
        w_->VScroll1()->setValue(6);
        QCOMPARE(w_->numcon()->text(), QString("6"));
        for (int c = 0; c < 13; ++c) {
            QVERIFY(w_->caldo(c, 3)->text().isEmpty());
        }
    }

    void copiaRigaEDatiImpossibili()
    {
        scegli(1);
        digitaCalda(3);
        QTest::mouseClick(w_->num(4), Qt::LeftButton);
        for (int c = 0; c < kCampi; ++c) {
            QCOMPARE(w_->dati().valore(c, 4), w_->dati().valore(c, 3));
            QCOMPARE(w_->campo(c, 4)->text(), w_->dati().valore(c, 3));
        }
        // "+" repeats the value of the row above.
        digita(w_->campo(Tens, 5), "+");
        QCOMPARE(w_->campo(Tens, 5)->text(), QString("20"));
        QCOMPARE(w_->dati().valore(Tens, 5), QString("20"));
        // A click with nothing above does nothing.
        w_->num_Click(1);
        QVERIFY(w_->dati().valore(Rag, 1).isNull());

        w_->cancella_click();
        digitaCalda(1);
        digita(w_->campo(Hcer, 1), "0");
        QCOMPARE(w_->passo()->text(), "Cerchiatura n. 1" + T::kGuidaImpossibile);
        for (int c = 0; c < 13; ++c) {
            QVERIFY(!w_->caldo(c, 1)->text().contains("nan") && !w_->caldo(c, 1)->text().contains("inf"));
        }
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

    void testoRifiutato()
    {
        scegli(2);
        digita(w_->campo(Rag, 1), "20.");
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);
        QVERIFY(w_->campo(Rag, 1)->text().isEmpty());
        QCOMPARE(w_->dati().valore(Rag, 1), QString(""));
        QCOMPARE(w_->NumeroCerchiature, 0);
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
    }

    void cancellazione()
    {
        scegli(2);
        digitaFredda(1);
        // A row typed beyond a gap does not survive the clearing.
        w_->VScroll1()->setValue(6);
        digitaFredda(1);
        QCOMPARE(w_->NumeroCerchiature, 2);
        w_->cancella_click();
        QCOMPARE(w_->NumeroCerchiature, 0);
        QVERIFY(w_->Label1()->text().isEmpty());
        QVERIFY(w_->dati().valore(Rag, 6).isEmpty());
        QVERIFY(w_->note()->text().isEmpty());
        QVERIFY(w_->numcon()->text().isEmpty());
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        QCOMPARE(w_->TipoCerchiatura, 2);
        QCOMPARE(w_->VScroll1()->value(), 6);
        w_->controlla_click();
        QVERIFY(ultimoMessaggio().startsWith("Non esistono dati riconosciuti:\r- per procedere"));
    }

    void salvaEApri()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Cercol-dati-prova");
        progetto("Chiostro");
        // Hot type: the cold fields, never typed, are written as empty fields.
        scegli(1);
        digitaCalda(1);
        scena_.file->risposte.push_back(nome);
        w_->salva_click();
        QFile f(nome);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("1,1\r\n"
                                         "\"20\",,,,\"1\",\"0,2\",\"20\",\"300\",\"30\",\"5\",\"15\"\r\n"
                                         "\"Chiostro\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        f.close();

        // Cold type: the hot values the clearing emptied on line 1 are texts,
        // those of row 2 were never typed.
        w_->cancella_click();
        scegli(2);
        digitaFredda(1);
        digitaFredda(2, {"12,5", "10", "1000", "250"});
        scena_.file->risposte.push_back(nome);
        w_->salvanome_click();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("2,2\r\n"
                                         "\"20\",\"8\",\"50000\",\"300\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                                         "\"12,5\",\"10\",\"1000\",\"250\",,,,,,,\r\n"
                                         "\"Chiostro\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        f.close();

        // Read back into a window showing the hot type (its change given up).
        scegli(1);
        scena_.messaggi->risposte.push_back(platform::Risposta::No);
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        QVERIFY(w_->Option1(2)->isChecked());
        QCOMPARE(w_->TipoCerchiatura, 2);
        QVERIFY(w_->affreddo()->isVisible());
        QVERIFY(!w_->campo(Fes, 1)->isEnabled());
        QCOMPARE(w_->NumeroCerchiature, 2);
        QCOMPARE(w_->campo(Rag, 2)->text(), QString("12,5"));
        QVERIFY(w_->campo(Longh, 2)->text().isEmpty());
        QCOMPARE(w_->freddo(Lunel, 1)->text(), QString("5010"));
        // Only the question about the changed type.
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti[0].pulsanti, platform::Pulsanti::SiNoAnnulla);
        scena_.messaggi->visti.clear();

        // Saved again without a dialog, byte for byte.
        const QByteArray prima = [&] { QFile g(nome); g.open(QIODevice::ReadOnly); return g.readAll(); }();
        QFile::remove(nome);
        const auto richieste = scena_.file->richieste.size();
        w_->salva_click();
        QCOMPARE(scena_.file->richieste.size(), richieste);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), prima);
    }

    void salvataggioRifiutato()
    {
        QTemporaryDir dir;
        scegli(2);
        digitaFredda(1, {"20", "8", "", "300"});
        progetto("Chiostro");
        scena_.file->risposte.push_back(dir.filePath("Cercol-dati-no"));
        w_->salva_click();
        QVERIFY(!QFile::exists(dir.filePath("Cercol-dati-no")));
        QCOMPARE(ultimoMessaggio(), QString("Cerchiatura n. 1: \r- digitare carico gravante sulla colonna."));
    }

    // The chart of the hot ring on line 1; where the row lacks a hot value
    // the guidance does not ask for, the data check's words for it; none
    // for the cold type.
    void graficoDellaPrimaRiga()
    {
        scegli(1);
        digitaCalda(1);
        digitaCalda(2, {"25", "1", "0,2", "20", "300", "30", "5", ""});
        w_->grafico_Click();
        FinestraGrafico* g = w_->finestraGrafico();
        QCOMPARE(g->windowTitle(), T::kTitoloGrafico + " 1");
        QVERIFY(g->contenuto().grafico);
        QCOMPARE(supporto::disegnoMostrato(*g), supporto::disegnoDi(*g, datiGrafico(w_->dati(), w_->risultati(), 1)));
        w_->VScroll1()->setValue(2);
        QTRY_COMPARE(g->windowTitle(), T::kTitoloGrafico + " 2");
        QVERIFY(!g->contenuto().grafico);
        QCOMPARE(g->contenuto().motivo, QString("Cerchiatura n. 2: \r- digitare il passo dei longheroni verticali."));
        digita(w_->campo(Longh, 1), "15");
        QCOMPARE(supporto::disegnoMostrato(*g), supporto::disegnoDi(*g, datiGrafico(w_->dati(), w_->risultati(), 2)));
        scegli(2);
        QVERIFY(!g->contenuto().grafico);
        QCOMPARE(g->contenuto().motivo, T::kGraficoSoloCaldo);
    }

    void esempioDistribuito()
    {
        scena_.file->risposte.push_back(supporto::fileDati("esempi/Cercol-dati-esempio"));
        w_->apri_click();
        QCOMPARE(ultimoMessaggio(), QString());
        QCOMPARE(w_->TipoCerchiatura, 1);
        QVERIFY(w_->NumeroCerchiature >= 3);
        QCOMPARE(w_->caldo(Racer + 1, 1)->text(), QString("20,003"));
        QVERIFY(scena_.messaggi->visti.empty());
    }

    void stampe()
    {
        scegli(2);
        for (int r = 1; r <= 12; ++r) {
            w_->VScroll1()->setValue(std::min(r, 96));
            digitaFredda(1);
        }
        w_->VScroll1()->setValue(1);
        QCOMPARE(w_->NumeroCerchiature, 12);
        w_->stampa_click();
        QCOMPARE(w_->VScroll1()->value(), 11);
        QCOMPARE(w_->num(1)->text(), QString("11"));
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        const QString testo = scena_.stampa->lavori[0]->testo();
        QCOMPARE(testo.count('\f'), 0);
        QCOMPARE(testo.count(" 5010"), 12);

        scena_.stampa->annulla = true;
        w_->acquisizionedati_Click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        scena_.stampa->annulla = false;
        w_->acquisizionedati_Click();
        QVERIFY(scena_.stampa->lavori.back()->testo().contains(T::kModuloTitolo));
    }

    void aiutoEFinestre()
    {
        w_->aiuto_Click();
        QCOMPARE(ultimoMessaggio(), T::kAiuto);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Informazione);
        w_->fin_Click(6);
        QCOMPARE(ultimoMessaggio(), QString("Il modulo per le cerchiature di pilastri deve essere collaudato"));
        scena_.messaggi->risposte.push_back(platform::Risposta::No);
        w_->fin_Click(5);
        QCOMPARE(ultimoMessaggio(), QString("E' questa la finestra 'Cerchiature colonne': si vuole la guida della finestra?"));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Domanda);
        w_->fin_Click(8);
        QCOMPARE(ModRinsal::TipoCalcolo, 3);
    }

    void apertaDalMenu()
    {
        supporto::chiudiTutte();
        QVERIFY(!finestre::esistente(IdFinestra::Cercol));
        finestre::mostra(IdFinestra::Scelta);
        auto* m = finestre::esistente<scelta>(IdFinestra::Scelta);
        QTest::mouseClick(m->Option1(3), Qt::LeftButton);
        QVERIFY(finestre::esistente<cercol>(IdFinestra::Cercol));
        QVERIFY(finestre::esistente(IdFinestra::Cercol)->isVisible());
    }
};

QTEST_MAIN(TestCercol)
#include "test_cercol.moc"
