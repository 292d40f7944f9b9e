// The pillar-hooping window driven through its real fields, options and
// scroll bars, with scripted dialogs.
#include "pillarhooping/cerpil.h"
#include "pillarhooping/testi.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/scelta.h"
#include "support/supporto.h"

#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

using namespace modcerpil;
namespace T = testi_cerpil;
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

const std::array<QString, 6> kRigaFredda = {"30", "40", "300", "8", "10", "12000"};

} // namespace

class TestCerpil : public QObject {
    Q_OBJECT
    platform::Scena scena_{};
    cerpil* w_ = nullptr;

    void digitaRiga(int linea, const std::array<QString, 6>& v = kRigaFredda)
    {
        for (int c = 0; c < 6; ++c) {
            digita(w_->campo(c, linea), v[std::size_t(c)]);
        }
    }
    void scegli(int k) { QTest::mouseClick(w_->Option1(k), Qt::LeftButton); }
    QString ultimoMessaggio() const
    {
        return scena_.messaggi->visti.empty() ? QString() : scena_.messaggi->visti.back().testo;
    }
    QStringList risultati(int linea) const
    {
        QStringList l;
        for (int c = 0; c < 5; ++c) {
            l << w_->freddo(c, linea)->text();
        }
        return l;
    }
    QByteArray leggi(const QString& nome) const
    {
        QFile f(nome);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { scena_ = supporto::prepara(); }
    void init()
    {
        scena_.messaggi->visti.clear();
        scena_.messaggi->risposte.clear();
        scena_.file->risposte.clear();
        w_ = finestre::ottieni<cerpil>(IdFinestra::Cerpil);
        QVERIFY(w_);
        w_->show();
    }
    void cleanup() { supporto::chiudiTutte(); }

    void caricamento()
    {
        QCOMPARE(w_->windowTitle(), T::kTitoloFinestra + "[*]");
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        QCOMPARE(w_->passo()->toolTip(), T::kPassoTooltip);
        QVERIFY(!w_->Option1(1)->isChecked() && !w_->Option1(2)->isChecked());
        // Nothing disabled or hidden before a type is chosen.
        QVERIFY(w_->frameFreddo()->isVisible() && w_->frameCaldo()->isVisible());
        QVERIFY(w_->campo(Car, 5)->isEnabled() && w_->campo(Temp, 5)->isEnabled());
        QCOMPARE(w_->num(3)->toolTip(), T::kNumCopiaTooltip);
        QCOMPARE(w_->VScroll1()->maximum(), 96);
        QCOMPARE(w_->VScroll1()->pageStep(), 5);
        QCOMPARE(w_->VScroll8(2)->minimum(), 6);
        QCOMPARE(w_->VScroll8(2)->maximum(), 20);
        QCOMPARE(w_->VScroll8(2)->value(), 6);
        QCOMPARE(w_->VScroll6(2)->minimum(), -40);
        QCOMPARE(w_->HScroll1()->maximum(), 101);
        QVERIFY(w_->voceMenu("Controlla &dati immessi"));
        QCOMPARE(w_->voceNumero()->text(), QString("Fi&nestra n.6 di 8"));
        QVERIFY(!w_->voceMenu("&Suggerimenti..."));
        QCOMPARE(w_->didascalia(Sez)->text(), QString("h sez. cerch."));

        // The print entries and the online-guide button do nothing here.
        const auto visti = scena_.messaggi->visti.size();
        w_->acquisizionedati_Click();
        w_->stampa_click();
        QTest::mouseClick(w_->guidainlinea(), Qt::LeftButton);
        QCOMPARE(scena_.messaggi->visti.size(), visti);
        QVERIFY(scena_.stampa->lavori.empty());
        QVERIFY(!finestre::esistente(IdFinestra::Sommario) || !finestre::esistente(IdFinestra::Sommario)->isVisible());

    }

    void eliceFredda()
    {
        scegli(2);
        QCOMPARE(w_->TipoPilastri, 2);
        QVERIFY(w_->frameFreddo()->isVisible() && !w_->frameCaldo()->isVisible());
        QVERIFY(!w_->VScroll9(1)->isVisible());
        QVERIFY(!w_->campo(Fesc, 1)->isEnabled() && !w_->VScroll6(1)->isEnabled());
        QVERIFY(w_->campo(Car, 1)->isEnabled() && w_->VScroll8(1)->isEnabled());
        digitaRiga(1);
        QCOMPARE(w_->conteggio()->text(), QString("1"));
        QCOMPARE(risultati(1), QStringList({"6", "7300", "1957", "10", "6,13"}));
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        QCOMPARE(w_->rum(1)->text(), QString("1"));

        // A change in row 1 recomputes it at once.
        digita(w_->campo(Lung, 1), "100");
        QCOMPARE(w_->freddo(Pasel, 1)->text(), QString("6"));
        QCOMPARE(w_->dati().valore(Lung, 1), QString("100"));

        // Short side below 5 cm: pitch 0, no helix, no failure.
        digita(w_->campo(Cort, 1), "4");
        QCOMPARE(w_->freddo(Pasel, 1)->text(), QString("0"));
        QVERIFY(w_->freddo(Lunel, 1)->text().isEmpty());
        QVERIFY(w_->freddo(Tenat, 1)->text().isEmpty());
    }

    void diametroENota()
    {
        scegli(2);
        digitaRiga(1);
        digita(w_->campo(Diam, 1), "12");
        QCOMPARE(w_->note()->text(), T::kNotaDiametro);
        QCOMPARE(w_->dati().valore(Diam, 1), QString("12"));   // the value stays and is used
        QCOMPARE(w_->freddo(Sezid, 1)->text(), QString("2617"));
        digita(w_->campo(Diam, 1), "8");
        QVERIFY(w_->note()->text().isEmpty());

        // The bar writes the diameter into the field and the row.
        w_->VScroll8(2)->setValue(14);
        QCOMPARE(w_->campo(Diam, 2)->text(), QString("14"));
        QCOMPARE(w_->dati().valore(Diam, 2), QString("14"));
        QCOMPARE(w_->note()->text(), T::kNotaDiametro);
        w_->VScroll8(2)->setValue(7);
        QCOMPARE(w_->dati().valore(Diam, 2), QString("7"));
        QVERIFY(w_->note()->text().isEmpty());
    }

    void conteggioEGuida()
    {
        scegli(2);
        digita(w_->campo(Cort, 1), "30");
        digita(w_->campo(Cort, 2), "25");
        QCOMPARE(w_->NumeroPilastri, 2);
        QCOMPARE(w_->passo()->text(), T::kGuidaCampi[Lung] + " della cerchiatura n. 1");
        digitaRiga(2);
        digita(w_->campo(Cort, 1), "");
        QCOMPARE(w_->NumeroPilastri, 1);
        QCOMPARE(w_->conteggio()->text(), QString("1"));
        // Only row 1 is examined: row 2, complete, is beyond the count.
        QCOMPARE(w_->passo()->text(), T::kGuidaCampi[Cort] + " della cerchiatura n. 1");
    }

    void tipoCaldo()
    {
        scegli(1);
        QVERIFY(w_->frameCaldo()->isVisible() && !w_->frameFreddo()->isVisible());
        QVERIFY(w_->VScroll9(1)->isVisible() && w_->VScroll9(2)->isVisible());
        QVERIFY(!w_->campo(Car, 1)->isEnabled());
        QVERIFY(w_->campo(Temp, 1)->isEnabled() && w_->VScroll6(1)->isEnabled());
        for (int c = 0; c < 5; ++c) {
            digita(w_->campo(c, 1), kRigaFredda[std::size_t(c)]);
        }
        for (int c : {Fesc, Fesl, Tens}) {
            digita(w_->campo(c, 1), "1");
        }
        QCOMPARE(w_->passo()->text(), QString("digitare la temperatura di posa della cerchiatura n. 1"));
        digita(w_->campo(Temp, 1), "15");
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        // No hot calculation; the cold one stops at the missing load.
        for (int c = 0; c < 10; ++c) {
            QVERIFY(w_->caldo(c, 1)->text().isEmpty() && w_->caldo(c, 2)->text().isEmpty());
        }
        QVERIFY(!w_->risultati().valore(Pasel, 1));
        w_->HScroll1()->setValue(50);
        QCOMPARE(w_->eserc()->text(), QString("9"));
        w_->HScroll1()->setValue(1);
        QCOMPARE(w_->eserc()->text(), QString("-40"));
        QCOMPARE(w_->IndiceTemperatura, 1);
    }

    void copiaRighe()
    {
        scegli(2);
        digitaRiga(1);
        QTest::mouseClick(w_->num(2), Qt::LeftButton);
        for (int c = 0; c < kCampi; ++c) {
            QCOMPARE(w_->dati().valore(c, 2), w_->dati().valore(c, 1));
        }
        QCOMPARE(w_->campo(Car, 2)->text(), QString("12000"));
        QCOMPARE(w_->NumeroPilastri, 2);
        QCOMPARE(risultati(2), risultati(1));

        // "+" copies a single value from the row above; in row 1 it empties.
        digita(w_->campo(Car, 3), "+");
        QCOMPARE(w_->campo(Car, 3)->text(), QString("12000"));
        digita(w_->campo(Alt, 1), "+");
        QVERIFY(w_->campo(Alt, 1)->text().isEmpty());

        // The number of row 1 has no previous row to copy: the row stays.
        const QString corto = w_->dati().valore(Cort, 1);
        QTest::mouseClick(w_->num(1), Qt::LeftButton);
        QCOMPARE(w_->dati().valore(Cort, 1), corto);
        QCOMPARE(w_->campo(Car, 1)->text(), QString("12000"));
        QCOMPARE(w_->NumeroPilastri, 2);
    }

    void copiaSenzaDati()
    {
        QTest::mouseClick(w_->num(2), Qt::LeftButton);
        QVERIFY(w_->dati().valore(Cort, 2).isNull());
    }

    void scorrimento()
    {
        scegli(2);
        for (int r = 1; r <= 7; ++r) {
            w_->VScroll1()->setValue(r);
            std::array<QString, 6> v = kRigaFredda;
            v[0] = QString::number(20 + 5 * r);
            digitaRiga(1, v);
        }
        QCOMPARE(w_->NumeroPilastri, 7);
        w_->VScroll1()->setValue(3);
        QCOMPARE(w_->RigaInizio, 3);
        for (int k = 1; k <= 5; ++k) {
            const int r = k + 2;
            QCOMPARE(w_->num(k)->text(), QString::number(r));
            QCOMPARE(w_->rum(k)->text(), QString::number(r));
            QCOMPARE(w_->campo(Cort, k)->text(), QString::number(20 + 5 * r));
            QCOMPARE(w_->freddo(Pasel, k)->text(), numeri::testo(*w_->risultati().valore(Pasel, r)));
        }
        QCOMPARE(w_->freddo(Pasel, 1)->text(), QString("7"));   // ⌊35/5⌋
        QCOMPARE(w_->freddo(Pasel, 5)->text(), QString("8"));   // row 7: 55 by 40, the long side is the smaller
    }

    void aiutoEFinestre()
    {
        w_->aiuto_Click();
        QCOMPARE(ultimoMessaggio(), T::kAiuto);
        QVERIFY(ultimoMessaggio().contains("songolo"));
        QCOMPARE(ultimoMessaggio().count('\r'), 6);
        QCOMPARE(scena_.messaggi->visti.back().titolo, ModRinsal::TitoloAiuto);
        scena_.messaggi->risposte.push_back(platform::Risposta::No);
        w_->fin_Click(6);
        QCOMPARE(ultimoMessaggio(),
                 QString("E' questa la finestra 'Cerchiature pilastri': si vuole la guida della finestra?"));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Domanda);
        const auto visti = scena_.messaggi->visti.size();
        w_->fin_Click(5);
        QCOMPARE(scena_.messaggi->visti.size(), visti);
        QVERIFY(finestre::esistente(IdFinestra::Cercol) && finestre::esistente(IdFinestra::Cercol)->isVisible());
        ModRinsal::TipoCalcolo = 1;
        w_->fin_Click(8);
        QCOMPARE(ModRinsal::TipoCalcolo, 4);
        QCOMPARE(finestraDelCalcolo(4), w_);
    }

    void evidenziazioneEComandiSenzaAzione()
    {
        QMouseEvent sopra(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w_->num(2), &sopra);
        QCOMPARE(w_->num(2)->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w_->num(1)->palette().color(QPalette::Window), QColor(0, 255, 255));
        QMouseEvent fondo(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w_->frameDati(), &fondo);
        QCOMPARE(w_->num(2)->palette().color(QPalette::Window), QColor(0, 255, 255));

        // Clearing has no action here: the rows stay.
        scegli(2);
        digitaRiga(1);
        w_->cancella_click();
        QCOMPARE(w_->dati().valore(Cort, 1), QString("30"));
        QCOMPARE(w_->NumeroPilastri, 1);
        // The check of complete data says so.
        w_->controlla_click();
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Informazione);

        // The title-page button marks the pillar calculation.
        ModRinsal::TipoCalcolo = 1;
        QTest::mouseClick(w_->frontes(), Qt::LeftButton);
        QCOMPARE(ModRinsal::TipoCalcolo, 4);
    }

    void nessunComandoLaApre()
    {
        supporto::chiudiTutte();
        finestre::mostra(IdFinestra::Scelta);
        auto* m = finestre::esistente<scelta>(IdFinestra::Scelta);
        QTest::mouseClick(m->Option1(4), Qt::LeftButton);
        QVERIFY(!finestre::esistente(IdFinestra::Cerpil));
        QCOMPARE(ultimoMessaggio(),
                 QString("La finestra per il calcolo delle cerchiature di pilastri è in fase di collaudo."));
    }

    void salvaEApri()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Cerpil-dati-prova");
        // Nothing typed: the check refuses and nothing is written.
        scena_.file->risposte.push_back(nome);
        w_->salva_click();
        QVERIFY(!QFile::exists(nome));
        QVERIFY(ultimoMessaggio().startsWith("Non esistono dati riconosciuti:"));
        QVERIFY(scena_.file->richieste.empty() || !scena_.file->richieste.back().salva);
        scena_.file->risposte.clear();

        scegli(2);
        digitaRiga(1);
        digitaRiga(2, {"12,5", "40", "250", "12", "8", "1000"});
        scena_.file->risposte.push_back(nome);
        w_->salva_click();
        QCOMPARE(leggi(nome), QByteArray("2,2\r\n"
                                         "\"30\",\"40\",\"300\",\"8\",\"10\",\"12000\",,,,\r\n"
                                         "\"12,5\",\"40\",\"250\",\"12\",\"8\",\"1000\",,,,\r\n"));
        QCOMPARE(scena_.file->richieste.back().titolo, QString("Salva file con nome"));

        // Saved again without a dialog; "Salva con nome" always asks.
        const auto richieste = scena_.file->richieste.size();
        QFile::remove(nome);
        w_->salva_click();
        QCOMPARE(scena_.file->richieste.size(), richieste);
        QVERIFY(QFile::exists(nome));
        w_->salvanome_click();   // cancelled
        QCOMPARE(scena_.file->richieste.size(), richieste + 1);

        // An incomplete row stops the save.
        digita(w_->campo(Car, 2), "");
        const QString altro = dir.filePath("Cerpil-dati-no");
        scena_.file->risposte.push_back(altro);
        w_->salvanome_click();
        QVERIFY(!QFile::exists(altro));
        QCOMPARE(ultimoMessaggio(), QString("Cerchiatura n.2:\r- digitare il carico gravante sul piedritto."));
        QCOMPARE(scena_.file->richieste.size(), richieste + 1);   // no dialog before the check
        scena_.file->risposte.clear();

        // Read back into a fresh window showing the hot type.
        supporto::chiudiTutte();
        w_ = finestre::ottieni<cerpil>(IdFinestra::Cerpil);
        w_->show();
        scegli(1);
        w_->VScroll1()->setValue(4);
        scena_.messaggi->visti.clear();
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        QVERIFY2(scena_.messaggi->visti.empty(), qPrintable(ultimoMessaggio()));
        QVERIFY(w_->Option1(2)->isChecked());
        QCOMPARE(w_->TipoPilastri, 2);
        QVERIFY(w_->frameFreddo()->isVisible());
        QCOMPARE(w_->NumeroPilastri, 2);
        QCOMPARE(w_->RigaInizio, 1);
        QCOMPARE(w_->campo(Cort, 2)->text(), QString("12,5"));
        QCOMPARE(risultati(1), QStringList({"6", "7300", "1957", "10", "6,13"}));
        QCOMPARE(w_->freddo(Pasel, 2)->text(), QString("2"));
        QCOMPARE(w_->fileCorrente(), nome);
    }

    void fileGuasto()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Cerpil-dati-rotto");
        {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("2,2\r\n\"99\",\"40\",\"300\",\"8\",\"10\",\"12000\",,,,\r\n");
        }
        scegli(2);
        digitaRiga(1);
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        QVERIFY(!scena_.messaggi->visti.empty());
        // The window keeps what it held.
        QCOMPARE(w_->dati().valore(Cort, 1), QString("30"));
        QCOMPARE(w_->NumeroPilastri, 1);
        QCOMPARE(w_->freddo(Lunel, 1)->text(), QString("7300"));
    }

    void esempioDistribuito()
    {
        scena_.file->risposte.push_back(supporto::fileDati("esempi/Cerpil-dati-esempio"));
        w_->apri_click();
        QVERIFY(scena_.messaggi->visti.empty());
        QCOMPARE(w_->TipoPilastri, 2);
        QCOMPARE(w_->NumeroPilastri, 3);
        QCOMPARE(w_->freddo(Pasel, 2)->text(), QString("10"));
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
    }
};

QTEST_MAIN(TestCerpil)
#include "test_cerpil.moc"
