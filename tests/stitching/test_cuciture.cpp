// The stitching window driven through its real fields, labels and scroll bars.
#include "report/frontespizio.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/stampa.h"
#include "shell/finestragrafico.h"
#include "stitching/cuciture.h"
#include "stitching/stampe.h"
#include "stitching/testi.h"
#include "support/supporto.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace modcuciture;
namespace T = testi_cuciture;
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

const std::vector<std::pair<Campo, QString>> kRigaFredda = {
    {Cort, "30"}, {Lung, "60"}, {Alt, "300"}, {Diam, "12"}, {Pas, "20"}, {Car, "18000"}};
const std::vector<std::pair<Campo, QString>> kRigaCalda = {
    {Cort, "30"}, {Lung, "40"}, {Alt, "300"}, {Diam, "10"}, {Pas, "50"}, {Fesc, "0,5"},
    {Fesl, "0,6"}, {Tens, "5"}, {Temp, "20"}, {Rott, "50"}, {Rond, "5"}};

} // namespace

class TestCuciture : public QObject {
    Q_OBJECT
    platform::Scena scena_{};
    cuciture* w_ = nullptr;

    void digitaRiga(int linea, const std::vector<std::pair<Campo, QString>>& v)
    {
        for (const auto& [c, t] : v) {
            digita(w_->campo(c, linea), t);
        }
    }
    QString messaggio() const
    {
        return scena_.messaggi->visti.empty() ? QString() : scena_.messaggi->visti.back().testo;
    }

private slots:
    void initTestCase() { scena_ = supporto::prepara(); }
    void init()
    {
        scena_.messaggi->visti.clear();
        scena_.stampa->lavori.clear();
        ModRinsal::NomeFile.clear();
        w_ = finestre::ottieni<cuciture>(IdFinestra::Cuciture);
        QVERIFY(w_);
        w_->show();
    }
    void cleanup() { supporto::chiudiTutte(); }

    void caricamento()
    {
        QCOMPARE(w_->windowTitle(), T::kTitoloFinestra + "[*]");
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        QVERIFY(!w_->frameDati()->isEnabled());
        QVERIFY(w_->frameFreddo()->isHidden());
        QVERIFY(!w_->campo(Car, 1)->isEnabled());
        QVERIFY(!w_->didascalia(Rond, 1)->isEnabled());
        QVERIFY(!w_->barraRiga(Temp, 2)->isEnabled());
        QCOMPARE(w_->num(3)->toolTip(), T::kNumCopiaTooltip);
        QCOMPARE(w_->frontes()->text(), QString("&Frontespizio"));
        QCOMPARE(w_->barraRiga(Temp, 1)->value(), 4);
        QCOMPARE(w_->VScroll4(1)->value(), 1000);

        w_->controlla_click();
        QCOMPARE(messaggio(), T::kNessunDato);
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Esclamativa);
        QCOMPARE(scena_.messaggi->visti.back().titolo, ModRinsal::TitoloControllo);
    }

    void freddo()
    {
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        QCOMPARE(w_->TipoCucitura, kFreddo);
        QVERIFY(w_->frameDati()->isEnabled());
        QVERIFY(w_->campo(Car, 1)->isEnabled());
        QVERIFY(!w_->campo(Fesc, 1)->isEnabled());
        QVERIFY(w_->frameCaldo()->isHidden() && !w_->frameFreddo()->isHidden());

        digitaRiga(1, std::vector<std::pair<Campo, QString>>(kRigaFredda.begin(), kRigaFredda.end() - 1));
        QCOMPARE(w_->etichettaN()->text(), QString("1"));
        QCOMPARE(w_->passo()->text(), QString("digitare il carico gravante sul piedritto della cucitura n. 1"));
        w_->controlla_click();
        QCOMPARE(messaggio(), QString("Cucitura n. 1: \r- digitare il carico gravante sul piedritto."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Critica);

        digita(w_->campo(Car, 1), "18000");
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        const QStringList attesi = {"1", "1000", "10", "45000", "40", "23"};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(w_->freddo(c, 1)->text(), attesi[c]);
        }
        w_->VScroll4(1)->setValue(2000);
        QCOMPARE(w_->freddo(4, 1)->text(), QString("20"));

        // The list scrolls on its own; a stress bar acts on the row it shows.
        w_->VScroll3()->setValue(3);
        QCOMPARE(w_->freddo(0, 1)->text(), QString("3"));
        QCOMPARE(w_->freddo(0, 5)->text(), QString("7"));
        w_->VScroll4(2)->setValue(1500);
        QCOMPARE(*w_->risultati().sigmf[4], 1500.0);

        w_->controlla_click();
        QCOMPARE(messaggio(), QString("I dati sono stati immessi correttamente."));
    }

    void caldo()
    {
        QTest::mouseClick(w_->Option1(1), Qt::LeftButton);
        QVERIFY(!w_->campo(Car, 1)->isEnabled());
        QVERIFY(w_->campo(Rond, 1)->isEnabled() && w_->barraRiga(Temp, 1)->isEnabled());
        QVERIFY(!w_->VScroll9(1)->isHidden());
        digitaRiga(1, kRigaCalda);
        QCOMPARE(w_->passo()->text(), T::kRottura);
        QCOMPARE(w_->eserc()->text(), QString("-40"));
        QCOMPARE(w_->numcons()->text(), QString("1"));
        const QStringList attesi = {"29,749", "29,863", "29,728", "0,137", "722", "9133", "4,78", "380,57", "1", "6"};
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(w_->caldo(c, 1)->text(), attesi[c]);
        }
        w_->HScroll1()->setValue(101);
        QCOMPARE(w_->eserc()->text(), QString("60"));
        w_->VScroll9(2)->setValue(3);
        QCOMPARE(w_->caldo(8, 2)->text(), QString("3"));
        QCOMPARE(w_->caldo(9, 2)->text(), QString("18"));

        // Row 2 misses its laying temperature.
        digitaRiga(2, kRigaCalda);
        digita(w_->campo(Temp, 2), "");
        // Row 1 still exceeds the breaking load: its warning follows the guidance.
        QCOMPARE(w_->passo()->text(), T::kRottura);
        w_->controlla_click();
        QCOMPARE(messaggio(), QString("Cucitura n. 2: \r- digitare la temperatura di posa dei tirantini."));

        // The bar of an empty temperature starts from -40, of a washer from 5.
        w_->barraRiga(Temp, 2)->setValue(10);
        QCOMPARE(w_->dati().valore(Temp, 2), QString("-40"));
        QCOMPARE(w_->campo(Temp, 2)->text(), QString("-40"));
        w_->barraRiga(Rond, 3)->setValue(12);
        QCOMPARE(w_->dati().valore(Rond, 3), QString("5"));
        w_->barraRiga(Diam, 2)->setValue(16);
        QCOMPARE(w_->dati().valore(Diam, 2), QString("16"));

        // The other type keeps the values but greys them; the pier chosen
        // for the hot results stays the first row until the cold list moves.
        w_->VScroll2()->setValue(7);
        QCOMPARE(w_->numcons()->text(), QString("7"));
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        QCOMPARE(w_->RigaRisultati, 7);
        QCOMPARE(w_->campo(Fesc, 1)->text(), QString("0,5"));
        QVERIFY(!w_->campo(Fesc, 1)->isEnabled());
    }

    // The chart of the pier on line 1, the value a pier lacks, none for
    // cold stitches.
    void graficoDellaPrimaRiga()
    {
        QTest::mouseClick(w_->Option1(1), Qt::LeftButton);
        digitaRiga(1, kRigaCalda);
        digitaRiga(2, kRigaCalda);
        digita(w_->campo(Temp, 2), "");
        w_->grafico_Click();
        FinestraGrafico* g = w_->finestraGrafico();
        QCOMPARE(g->windowTitle(), T::kTitoloGrafico + " 1");
        QVERIFY(g->contenuto().grafico);
        QCOMPARE(supporto::disegnoMostrato(*g), supporto::disegnoDi(*g, datiGrafico(w_->dati(), w_->risultati(), 1)));
        w_->VScroll1()->setValue(2);
        QCOMPARE(g->contenuto().motivo, T::kGuidaCampi[Temp] + T::kGuidaCucitura + " 2");
        w_->VScroll1()->setValue(3);
        QCOMPARE(g->contenuto().motivo, T::kGuidaCampi[Cort] + T::kGuidaCucitura + " 3");
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        QCOMPARE(g->contenuto().motivo, T::kGraficoSoloCaldo);
    }

    void righeCopiaEPiu()
    {
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        for (int r = 1; r <= 12; ++r) {
            w_->VScroll1()->setValue(std::min(r, 96));
            digitaRiga(r - w_->RigaInizio + 1, {{Cort, QString::number(20 + r)}, {Alt, QString::number(200 + r)}});
        }
        QCOMPARE(w_->NumeroCuciture, 12);
        w_->VScroll1()->setValue(8);
        QCOMPARE(w_->num(1)->text(), QString("8"));
        QCOMPARE(w_->campo(Cort, 5)->text(), QString("32"));

        // "+" takes the row above, also off screen.
        w_->VScroll1()->setValue(8);
        digita(w_->campo(Alt, 1), "+");
        QCOMPARE(w_->dati().valore(Alt, 8), QString("207"));
        w_->VScroll1()->setValue(11);
        QTest::mouseClick(w_->num(3), Qt::LeftButton);
        QCOMPARE(w_->dati().valore(Cort, 13), QString("32"));
        QCOMPARE(w_->campo(Cort, 3)->text(), QString("32"));

        // "+" on row 1 has no row above it.
        digita(w_->campo(Lung, 1), "+");
        QVERIFY(w_->campo(Lung, 1)->text().isEmpty());
        QVERIFY(w_->dati().valore(Lung, 1).isEmpty());

        // Row 1 has no previous row to copy: it stays as it was.
        w_->VScroll1()->setValue(1);
        const QString corto = w_->dati().valore(Cort, 1);
        QTest::mouseClick(w_->num(1), Qt::LeftButton);
        QCOMPARE(w_->dati().valore(Cort, 1), corto);

        // A gap in the rows: the count is the filled short sides.
        QCOMPARE(w_->NumeroCuciture, 13);
        QCOMPARE(w_->etichettaN()->text(), QString("13"));

        // Clearing empties every row, also those past a gap.
        w_->cancella_click();
        QCOMPARE(w_->NumeroCuciture, 0);
        QVERIFY(w_->etichettaN()->text().isEmpty());
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        QVERIFY(w_->dati().valore(Cort, 13).isEmpty());
        digita(w_->campo(Cort, 1), "5");
        QCOMPARE(w_->NumeroCuciture, 1);
        QCOMPARE(w_->TipoCucitura, kFreddo);
    }

    void salvaEApri()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Cuciture-dati-prova");
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        digitaRiga(1, kRigaFredda);

        // Without a project the save stops and shows the title page.
        w_->salvanome_click();
        QCOMPARE(messaggio(), QString("E' necessario digitare almeno il dato del 'progetto'."));
        QVERIFY(!QFile::exists(nome));

        auto* f = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
        f->impostaCampi({"Casa", "Città", "Rossi", "Via Roma", "1 marzo", "2"});
        scena_.file->risposte.push_back(nome);
        w_->salvanome_click();
        QCOMPARE(scena_.file->richieste.back().filtro, QString("File Cuciture-dati- | Cuciture-dati-*"));
        QFile letto(nome);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), QByteArray("1,2\r\n"
                                             "\"30\",\"60\",\"300\",\"12\",\"20\",\"18000\",,,,,,\r\n"
                                             "\"Casa\",\"Citt\xe0\",\"Rossi\",\"Via Roma\",\"1 marzo\",\"2\"\r\n"
                                             "1,1\r\n"
                                             "1000,,\r\n"));
        letto.close();

        // A hot file of three rows replaces everything and selects its type.
        const QByteArray caldo =
            "3,1\r\n"
            "\"30\",\"40\",\"300\",\"10\",\"50\",,\"0,5\",\"0,6\",\"5\",\"20\",\"50\",\"5\"\r\n"
            "\"35\",\"45\",\"280\",\"12\",\"40\",,\"1\",\"1,2\",\"4\",\"-5\",\"40\",\"6\"\r\n"
            "\"25\",\"30\",\"250\",\"8\",\"30\",,\"0\",\"0\",\"3\",\"15\",\"300\",\"4\"\r\n"
            "\"Casa\",\"Citt\xe0\",\"Rossi\",\"Via Roma\",\"1 marzo\",\"2\"\r\n";
        const QString nomeCaldo = dir.filePath("Cuciture-dati-caldo");
        {
            QFile c(nomeCaldo);
            QVERIFY(c.open(QIODevice::WriteOnly));
            c.write(caldo);
        }
        scena_.file->risposte.push_back(nomeCaldo);
        w_->apri_click();
        QCOMPARE(w_->TipoCucitura, kCaldo);
        QVERIFY(w_->Option1(1)->isChecked());
        QVERIFY(w_->campo(Tens, 1)->isEnabled());
        QCOMPARE(w_->NumeroCuciture, 3);
        QCOMPARE(w_->campo(Fesl, 2)->text(), QString("1,2"));
        QCOMPARE(w_->caldo(0, 1)->text(), QString("29,749"));
        QVERIFY(w_->risultati().caldo(3, 101, 2, Orig).has_value());

        // Save goes back to the same file without a dialog.
        QFile::remove(nomeCaldo);
        const auto richieste = scena_.file->richieste.size();
        w_->salva_click();
        QCOMPARE(scena_.file->richieste.size(), richieste);
        QFile c(nomeCaldo);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QCOMPARE(c.readAll(), caldo + "1,1\r\n,1,1\r\n,1,1\r\n,1,1\r\n");
    }

    // A complete row shows its results while a later one is half typed; a
    // row changed where the pass does not reach shows none, of either type.
    void risultatiSoloDiDatiAttuali()
    {
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        digita(w_->campo(Cort, 2), "30");
        digitaRiga(1, kRigaFredda);
        QCOMPARE(w_->freddo(4, 1)->text(), QString("40"));
        digitaRiga(2, kRigaFredda);
        QCOMPARE(w_->freddo(4, 2)->text(), QString("40"));
        digita(w_->campo(Car, 1), "");
        digita(w_->campo(Car, 2), "9000");
        QVERIFY(w_->freddo(4, 2)->text().isEmpty());
        QCOMPARE(w_->freddo(1, 2)->text(), QString("1000"));   // the stress stays
        digita(w_->campo(Car, 1), "18000");
        QCOMPARE(w_->freddo(4, 2)->text(), QString("20"));

        QTest::mouseClick(w_->Option1(1), Qt::LeftButton);
        digitaRiga(1, kRigaCalda);
        digitaRiga(2, kRigaCalda);
        w_->VScroll2()->setValue(2);
        QCOMPARE(w_->caldo(Orig, 1)->text(), QString("29,749"));
        digita(w_->campo(Tens, 1), "");
        digita(w_->campo(Fesc, 2), "1");
        QVERIFY(w_->caldo(Orig, 1)->text().isEmpty());
        QVERIFY(!w_->risultati().caldo(2, 1, 1, Orig));
        QCOMPARE(w_->caldo(8, 1)->text(), QString("1"));
    }

    // The stresses and tie counts set on the results are the engineer's:
    // saved and opened again, the listing is the same, of either type.
    void scelteSalvateERiaperte()
    {
        QTemporaryDir dir;
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->impostaCampi({"Casa", "", "", "", "", ""});
        auto lista = [this] {
            w_->stampa_click();
            return scena_.stampa->lavori.back()->testo();
        };
        auto riapri = [&](const QString& nome) {
            scena_.file->risposte.push_back(nome);
            w_->salvanome_click();
            supporto::chiudiTutte();
            finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
            w_ = finestre::ottieni<cuciture>(IdFinestra::Cuciture);
            scena_.file->risposte.push_back(nome);
            w_->apri_click();
        };

        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        digitaRiga(1, kRigaFredda);
        digitaRiga(2, kRigaFredda);
        w_->VScroll4(2)->setValue(2000);
        QCOMPARE(w_->freddo(4, 2)->text(), QString("20"));
        const QString freddo = lista();
        riapri(dir.filePath("Cuciture-dati-freddo"));
        QCOMPARE(w_->freddo(1, 2)->text(), QString("2000"));
        QCOMPARE(lista(), freddo);

        QTest::mouseClick(w_->Option1(1), Qt::LeftButton);
        digitaRiga(1, kRigaCalda);
        digitaRiga(2, kRigaCalda);
        w_->VScroll9(2)->setValue(3);
        QCOMPARE(w_->risultati().tottir[2][2], std::optional<double>(18));
        const QString caldo = lista();
        riapri(dir.filePath("Cuciture-dati-caldo"));
        QCOMPARE(w_->caldo(8, 2)->text(), QString("3"));
        QCOMPARE(w_->risultati().tottir[2][2], std::optional<double>(18));
        QCOMPARE(lista(), caldo);
    }

    void fileRottoNonCambiaNulla()
    {
        QTemporaryDir dir;
        const QString nome = dir.filePath("Cuciture-dati-rotto");
        {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("2,1\r\n\"30\",\"40\"\r\n");
        }
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        digitaRiga(1, kRigaFredda);
        scena_.messaggi->risposte.push_back(platform::Risposta::No);
        scena_.file->risposte.push_back(nome);
        w_->apri_click();
        // The question about the unsaved row, then the file's error.
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(2));
        QCOMPARE(w_->TipoCucitura, kFreddo);
        QCOMPARE(w_->dati().valore(Car, 1), QString("18000"));
        QCOMPARE(w_->freddo(4, 1)->text(), QString("40"));
    }

    void stampe()
    {
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        for (int r = 1; r <= 7; ++r) {
            w_->VScroll1()->setValue(r);
            digitaRiga(1, kRigaFredda);
        }
        w_->VScroll1()->setValue(1);
        QCOMPARE(w_->NumeroCuciture, 7);
        w_->stampa_click();
        QCOMPARE(w_->RigaInizio, 6);
        QCOMPARE(w_->num(1)->text(), QString("6"));
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        const QString testo = scena_.stampa->lavori[0]->testo();
        QVERIFY(testo.contains(T::kTitoloDati));
        QVERIFY(testo.contains("\n" + QString(12, ' ') + "7        30"));
        QVERIFY(!testo.contains(T::kFreddoTitolo));

        w_->acquisizionedati_Click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(2));
        QVERIFY(scena_.stampa->lavori[1]->testo().contains(T::kModuloTitolo));

        scena_.stampa->annulla = true;
        w_->stampa_click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(2));
        scena_.stampa->annulla = false;

        // Within the complete report: the report's job goes on, no dialog,
        // no program or project line, the cold heading at 18 points.
        platform::StampanteTesto relazione;
        relazione.stampaRiga({{1, "frontespizio"}});
        const int aperture = scena_.stampa->aperture;
        w_->stampaDati(relazione, ModoStampa::InRelazione);
        QCOMPARE(scena_.stampa->aperture, aperture);
        QVERIFY(relazione.terminato());
        const QString r = relazione.testo();
        QVERIFY(r.startsWith("frontespizio"));
        QVERIFY(!r.contains(T::kTitoloDati) && !r.contains("Progetto:"));
        bool titolo = false;
        for (const auto& riga : relazione.righe()) {
            titolo = titolo || (riga.testo.trimmed() == T::kFreddoTitolo && riga.punti == 18.0);
        }
        QVERIFY(titolo);
    }

    void evidenziazioneDeiNumeri()
    {
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        QMouseEvent sopra(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w_->num(2), &sopra);
        QCOMPARE(w_->num(2)->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w_->num(1)->palette().color(QPalette::Window), QColor(0, 255, 255));
        QMouseEvent fondo(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w_->frameDati(), &fondo);
        QCOMPARE(w_->num(2)->palette().color(QPalette::Window), QColor(0, 255, 255));
    }

    void aspetto()
    {
        QTest::mouseClick(w_->Option1(1), Qt::LeftButton);
        digitaRiga(1, kRigaCalda);
        w_->grab().save(QStringLiteral("/tmp/cuciture.png"));
        QTest::mouseClick(w_->Option1(2), Qt::LeftButton);
        w_->grab().save(QStringLiteral("/tmp/cuciture-freddo.png"));
        // Every field and cell keeps inside its frame.
        for (QGroupBox* g : {w_->frameDati(), w_->frameCaldo(), w_->frameFreddo()}) {
            for (QWidget* c : g->findChildren<QWidget*>()) {
                QVERIFY2(g->rect().contains(c->geometry()), qPrintable(c->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestCuciture)
#include "test_cuciture.moc"
