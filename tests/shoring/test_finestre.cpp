// The shoring data and results windows driven through their controls, with
// scripted dialogs answering.
#include "report/frontespizio.h"
#include "shell/modrinsal.h"
#include "shoring/dati.h"
#include "shoring/puntelli.h"
#include "shoring/risultatipuntelli.h"
#include "shoring/testi.h"
#include "support/supporto.h"

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace modpuntelli;
namespace T = modpuntelli::testi;
using platform::Icona;

namespace {

void clic(QAbstractButton* b)
{
    QVERIFY(b != nullptr);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

void digita(QLineEdit* e, const QString& t)
{
    e->clear();
    QTest::keyClicks(e, t);
}

} // namespace

class TestFinestre : public QObject {
    Q_OBJECT
    platform::Scena scena_{};
    QTemporaryDir dir_;
    puntelli* w_ = nullptr;

    // Chooses the five options of zone m.
    void zona(int m, std::array<int, 5> v)
    {
        clic(w_->opzione(1, m));
        for (int g = 2; g <= 6; ++g) clic(w_->opzione(g, v[std::size_t(g - 2)]));
    }

    void tipo1(const QStringList& valori, int lesioni)
    {
        clic(w_->opzione(7, 1));
        const puntelli::Campo campi[] = {puntelli::carpu, puntelli::ang, puntelli::altpu,
                                         puntelli::spessfr, puntelli::spessnor, puntelli::sigm};
        for (int i = 0; i < 6; ++i) digita(w_->campo(campi[i]), valori[i]);
        if (lesioni > 0) clic(w_->opzione(8, lesioni));
    }

    QString scriviFile(const QString& nome, const QByteArray& dati)
    {
        const QString p = dir_.filePath(nome);
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(dati);
        return p;
    }

    const platform::MessaggioVisto* ultimo() const
    {
        return scena_.messaggi->visti.empty() ? nullptr : &scena_.messaggi->visti.back();
    }

private slots:
    void initTestCase() { scena_ = supporto::prepara(); }

    void init()
    {
        supporto::chiudiTutte();
        svuota(lavoro());
        scena_.messaggi->visti.clear();
        w_ = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        w_->show();
    }

    void finestraNuova()
    {
        QCOMPARE(w_->windowTitle(), QStringLiteral("Rinsal: dati dei puntelli[*]"));
        QCOMPARE(w_->passo()->text(), T::kGuidaInizio);
        for (int c = 0; c < puntelli::NumeroCampi; ++c) QVERIFY(!w_->campo(puntelli::Campo(c))->isEnabled());
        QCOMPARE(w_->cmdavanti()->text(), QStringLiteral("&Risultati"));
        QCOMPARE(w_->VScroll1()->maximum(), 10);
        QCOMPARE(w_->HScroll1()->maximum(), 100);
        QCOMPARE(w_->HScroll1()->pageStep(), 5);
    }

    void sceltaDelleMurature()
    {
        clic(w_->opzione(1, 1));
        QCOMPARE(w_->MuraturaCorrente, 1);
        clic(w_->opzione(2, 1));
        QCOMPARE(lavoro().numeroConsolidamenti, 1);
        for (int g = 3; g <= 6; ++g) clic(w_->opzione(g, 1));
        QCOMPARE(w_->passo()->text(), T::kGuidaSopra);
        // The upper zone starts blank and asks for its typology.
        clic(w_->opzione(1, 2));
        QVERIFY(!w_->opzione(2, 1)->isChecked());
        QCOMPARE(w_->passo()->text(), QStringLiteral("scegliere la tipologia delle murature del consolidamento n. 1 "
                                                     "(murature sopra la testa dei puntelli)"));
        clic(w_->opzione(2, 3));
        clic(w_->opzione(1, 1));
        QVERIFY(w_->opzione(2, 1)->isChecked());
        QCOMPARE(lavoro().cons[1].zona[kSopra].tipologia, 3);
    }

    void abilitazionePerTipo()
    {
        zona(1, {1, 1, 1, 1, 1});
        clic(w_->opzione(7, 3));
        const QSet<int> tipo3 = {puntelli::altar, puntelli::spessfr, puntelli::spessnor, puntelli::sigm,
                                 puntelli::rag, puntelli::carsem, puntelli::carpil};
        for (int c = 0; c < puntelli::NumeroCampi; ++c) {
            QCOMPARE(w_->campo(puntelli::Campo(c))->isEnabled(), tipo3.contains(c));
            QCOMPARE(w_->caption(puntelli::Campo(c))->isEnabled(), tipo3.contains(c));
        }
        QVERIFY(!w_->cornice(8)->isEnabled());
        clic(w_->opzione(7, 1));
        QVERIFY(!w_->campo(puntelli::altar)->isEnabled() && !w_->campo(puntelli::carpil)->isEnabled());
        QVERIFY(w_->campo(puntelli::carpu)->isEnabled() && w_->cornice(8)->isEnabled());
        QVERIFY(!w_->VScroll1()->isEnabled());
        clic(w_->opzione(7, 2));
        QVERIFY(w_->VScroll1()->isEnabled() && w_->campo(puntelli::frec)->isEnabled());
        QCOMPARE(w_->Label6()->text(), QStringLiteral("1"));
        // The prop bar stops at 10.
        w_->VScroll1()->setValue(10);
        w_->VScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(w_->VScroll1()->value(), 10);
        QCOMPARE(w_->Label6()->text(), QStringLiteral("10"));
    }

    void consolidamentoSenzaTipoBlocca()
    {
        zona(1, {1, 1, 1, 1, 1});
        clic(w_->opzione(7, 1));
        w_->HScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(w_->ConsolidamentoCorrente, 2);
        QCOMPARE(w_->Label1()->text(), QStringLiteral("2"));
        // A new consolidation: nothing selected, nothing to type yet.
        QVERIFY(!w_->opzione(7, 1)->isChecked());
        QVERIFY(!w_->campo(puntelli::carpu)->isEnabled());
        QVERIFY(scena_.messaggi->visti.empty());
        w_->HScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(ultimo());
        QCOMPARE(ultimo()->testo, T::kNonProsegue + " 2");
        QCOMPARE(ultimo()->icona, Icona::Esclamativa);
        QCOMPARE(w_->HScroll1()->value(), 2);
        QCOMPARE(w_->ConsolidamentoCorrente, 2);
    }

    void digitazioneControllata()
    {
        zona(1, {1, 1, 1, 1, 1});
        clic(w_->opzione(7, 1));
        // A pasted text is cleaned silently; a wrong last key empties the field.
        w_->campo(puntelli::carpu)->setText("1a2");
        QCOMPARE(w_->campo(puntelli::carpu)->text(), QStringLiteral("12"));
        QCOMPARE(lavoro().cons[1].carpu, QStringLiteral("12"));
        QVERIFY(scena_.messaggi->visti.empty());
        QTest::keyClicks(w_->campo(puntelli::carpu), "x");
        QCOMPARE(w_->campo(puntelli::carpu)->text(), QString());
        QCOMPARE(lavoro().cons[1].carpu, QString());
        QCOMPARE(ultimo()->icona, Icona::Critica);
        digita(w_->campo(puntelli::ang), "60,5");
        QCOMPARE(lavoro().cons[1].ang, QStringLiteral("60,5"));
    }

    void calcoloCompletoERisultati()
    {
        zona(1, {1, 1, 1, 1, 1});
        zona(2, {3, 2, 2, 1, 1});
        tipo1({"10000", "60", "400", "30", "20", "60"}, 0);
        QCOMPARE(w_->passo()->text(), QStringLiteral("scegliere il tipo di lesioni presenti tra muro frontale e "
                                                     "muro normale del consolidamento n. 1"));
        // The check from the menu names the missing lesions.
        w_->controlla_click();
        QVERIFY(ultimo()->testo.endsWith("il tipo di lesioni presenti tra muro frontale e muro normale"));
        clic(w_->cmdavanti());
        QVERIFY(!finestre::esistente(IdFinestra::Risultati) ||
                !finestre::esistente(IdFinestra::Risultati)->isVisible());
        clic(w_->opzione(8, 1));
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        QCOMPARE(lavoro().cons[1].ris.latoSezione.value_or(0), 30.0);

        scena_.messaggi->visti.clear();
        clic(w_->cmdavanti());
        QVERIFY(scena_.messaggi->visti.empty());   // the check passed silently
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        QVERIFY(r && r->isVisible());
        QCOMPARE(r->ris(1)->text(), QStringLiteral(" 0.75"));
        QCOMPARE(r->ris(2)->text(), QStringLiteral("4950"));
        QCOMPARE(r->ris(10)->text(), QStringLiteral("4,76"));
        QCOMPARE(r->ris(13)->text(), QStringLiteral("30"));
        QCOMPARE(r->ris(14)->text(), QStringLiteral("60"));
        QCOMPARE(r->ris(14)->toolTip(), T::kAngoloComeInserito);
        QVERIFY(r->ris(3)->text().isEmpty());
        QCOMPARE(r->tipocon()->text(), QStringLiteral("puntello per dissesti combinati"));
        QCOMPARE(r->ris(7)->palette().color(QPalette::Base), risultatipuntelli::evidenziato());
        QCOMPARE(r->ris(3)->palette().color(QPalette::Base), risultatipuntelli::neutro());
        QCOMPARE(r->ris(1)->palette().color(QPalette::Base), risultatipuntelli::neutro());
        QCOMPARE(r->note()->text(), T::kCommento1);
        r->controlla_click();
        QCOMPARE(ultimo()->testo, T::kRisultatiCorretti);

        // Past the last consolidation: back to it with a message.
        r->HScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(ultimo()->testo, T::kNonAltriConsolidamenti);
        QCOMPARE(r->HScroll1()->value(), 1);
        QCOMPARE(r->ris(13)->text(), QStringLiteral("30"));

        // Back to the data: the boxes empty.
        clic(r->indietro());
        QVERIFY(r->ris(2)->text().isEmpty());
    }

    void datiAssurdiACiascunaModifica()
    {
        clic(w_->opzione(1, 1));
        for (int g = 2; g <= 6; ++g) clic(w_->opzione(g, g == 2 ? 5 : 1 + (g == 3 || g == 4)));
        zona(2, {5, 2, 2, 1, 1});
        tipo1({"1000", "60", "300", "30", "30", "60"}, 2);
        QCOMPARE(ultimo()->testo, T::kDatiAssurdi);
        QCOMPARE(ultimo()->icona, Icona::Critica);
        const auto visti = scena_.messaggi->visti.size();
        QTest::keyClicks(w_->campo(puntelli::sigm), "0");   // 600: still absurd
        QCOMPARE(scena_.messaggi->visti.size(), visti + 1);
        QVERIFY(!lavoro().cons[1].ris.latoSezione);
        // Moving away and back loads every option and field. The empty
        // consolidation 2 starts no pass (the texts of 1 still in the fields
        // while it loads do not count); back on 1 it is said once.
        w_->HScroll1()->setValue(2);
        QCOMPARE(scena_.messaggi->visti.size(), visti + 1);
        w_->HScroll1()->setValue(1);
        QCOMPARE(scena_.messaggi->visti.size(), visti + 2);
        QCOMPARE(ultimo()->testo, T::kDatiAssurdi);
        // So is moving to another prop of the series, which loads two fields.
        w_->VScroll1()->setEnabled(true);
        w_->VScroll1()->setValue(2);
        QCOMPARE(scena_.messaggi->visti.size(), visti + 3);
    }

    void commentoConLeAggiunte()
    {
        clic(w_->opzione(1, 1));
        for (int g = 2; g <= 6; ++g) clic(w_->opzione(g, std::array{5, 2, 2, 1, 1}[std::size_t(g - 2)]));
        zona(2, {5, 2, 2, 1, 1});
        tipo1({"1000", "60", "240", "30", "30", "60"}, 1);
        clic(w_->cmdavanti());
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        QCOMPARE(r->ris(13)->text(), QStringLiteral("18"));
        QVERIFY(r->ris(8)->text().startsWith('-'));
        QCOMPARE(r->note()->text(), T::kCommento1 + T::kCommentoSezione + T::kCommentoCoesione);
    }

    void esempioDaFile()
    {
        const QString p = scriviFile("Puntelli-dati-prova",
                                     "2\r\n1,1,1,1,1\r\n3,2,2,1,1\r\n2,1,3,2,2\r\n2,2,1,2,2\r\n1\r\n"
                                     "\"10000\",\"60\",\"400\",\"30\",\"20\",\"60\",1\r\n2\r\n"
                                     "\"5000\",\"70\",\"500\",\"30\",\"20\",\"80\",2\r\n\"2\",\"200\"\r\n"
                                     "\"3\",\"250\"\r\n\"Edificio A\",\"\",\"\",\"\",\"\",\"\"\r\n");
        scena_.file->risposte.push_back(p);
        w_->apri_click();
        QVERIFY(scena_.messaggi->visti.empty());
        QCOMPARE(w_->ConsolidamentoCorrente, 1);
        QCOMPARE(w_->campo(puntelli::carpu)->text(), QStringLiteral("10000"));
        QCOMPARE(w_->campo(puntelli::altpu)->text(), QStringLiteral("400"));
        QVERIFY(w_->opzione(7, 1)->isChecked() && w_->opzione(8, 1)->isChecked());
        QVERIFY(w_->opzione(2, 1)->isChecked());
        QCOMPARE(finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->progetto()->text(),
                 QStringLiteral("Edificio A"));
        QCOMPARE(lavoro().cons[1].ris.latoSezione.value_or(0), 30.0);

        w_->HScroll1()->setValue(2);
        QCOMPARE(w_->campo(puntelli::carpu)->text(), QStringLiteral("5000"));
        QCOMPARE(w_->campo(puntelli::frec)->text(), QStringLiteral("2"));
        QVERIFY(w_->opzione(7, 2)->isChecked());
        QVERIFY(!w_->opzione(8, 1)->isChecked());
        w_->VScroll1()->setValue(2);
        QCOMPARE(w_->campo(puntelli::altdef)->text(), QStringLiteral("250"));
        QCOMPARE(lavoro().cons[1].ang, QStringLiteral("60"));   // not overwritten while loading

        // Results: the series, prop by prop.
        clic(w_->cmdavanti());
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        r->HScroll1()->setValue(2);
        QCOMPARE(r->tipocon()->text(), QStringLiteral("sistema di puntelli per muri presso-inflessi"));
        QCOMPARE(r->punt(1)->text(), QStringLiteral("2"));
        // c1 = 0.5 and c2 = 0.45 here: Q = 1125.
        QCOMPARE(r->punt(3)->text(), QStringLiteral("90"));
        QVERIFY(r->VScroll1()->isEnabled());
        r->VScroll1()->setValue(2);
        QCOMPARE(r->punt(3)->text(), QStringLiteral("108"));
        QCOMPARE(r->punt(4)->text(), QStringLiteral("315"));
        r->VScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(ultimo()->testo, T::kNonAltriPuntelli + " 2" + T::kDaVisualizzare);
        QCOMPARE(r->VScroll1()->value(), 2);
        QCOMPARE(r->punt(1)->palette().color(QPalette::Base), risultatipuntelli::evidenziato());

        // Saved again, byte for byte.
        ModRinsal::NomeFile = p;
        QFile::remove(p);
        w_->salva_click();
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("2\r\n1,1,1,1,1\r\n3,2,2,1,1\r\n"));
    }

    // Moving to a consolidation selects its options before its fields are
    // loaded: the calculation they start must not store the angle still
    // shown, the previous consolidation's, as the angle of the new one.
    void angoloNonPassaTraConsolidamenti()
    {
        const QString p = scriviFile("Puntelli-dati-angoli",
                                     "2\r\n1,1,1,1,1\r\n3,2,2,1,1\r\n1,1,1,1,1\r\n3,2,2,1,1\r\n1\r\n"
                                     "\"10000\",\"60\",\"400\",\"30\",\"20\",\"60\",1\r\n1\r\n"
                                     "\"8000\",\"45\",\"300\",\"30\",\"20\",\"60\",2\r\n"
                                     "\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
        scena_.file->risposte.push_back(p);
        w_->apri_click();
        QVERIFY(scena_.messaggi->visti.empty());
        w_->HScroll1()->setValue(2);
        QCOMPARE(w_->campo(puntelli::ang)->text(), QStringLiteral("45"));
        QCOMPARE(lavoro().cons[2].ang, QStringLiteral("45"));
        w_->HScroll1()->setValue(1);
        QCOMPARE(w_->campo(puntelli::ang)->text(), QStringLiteral("60"));
        QCOMPARE(lavoro().cons[1].ang, QStringLiteral("60"));
        QCOMPARE(lavoro().cons[2].ang, QStringLiteral("45"));
    }

    void testoNonNumericoDaFile()
    {
        const QString p = scriviFile("Puntelli-dati-punto",
                                     "1\r\n1,1,1,1,1\r\n3,2,2,1,1\r\n1\r\n"
                                     "\"10000\",\"60\",\"400.5\",\"30\",\"20\",\"60\",1\r\n"
                                     "\"X\",\"\",\"\",\"\",\"\",\"\"\r\n");
        scena_.file->risposte.push_back(p);
        w_->apri_click();
        // No typing could give it: left out, never guessed at (not "4005"),
        // said once with its line, and the data check asks for the field.
        QCOMPARE(w_->campo(puntelli::altpu)->text(), QString());
        QVERIFY(lavoro().cons[1].altpu.isEmpty());
        QVERIFY(!lavoro().cons[1].ris.latoSezione);
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QVERIFY2(ultimo()->testo.contains(QStringLiteral("riga 5 (\"400.5\")")), qPrintable(ultimo()->testo));
        w_->controlla_click();
        QVERIFY2(ultimo()->testo != T::kDatiCorretti, qPrintable(ultimo()->testo));
        QCOMPARE(ultimo()->icona, Icona::Critica);
    }

    void tipo3NeiRisultati()
    {
        zona(1, {1, 1, 1, 1, 1});
        zona(2, {3, 2, 2, 1, 1});
        clic(w_->opzione(7, 3));
        const std::pair<puntelli::Campo, const char*> dati[] = {
            {puntelli::altar, "350"}, {puntelli::spessfr, "40"}, {puntelli::spessnor, "40"}, {puntelli::sigm, "60"},
            {puntelli::rag, "200"},   {puntelli::carsem, "8000"}, {puntelli::carpil, "5000"}};
        for (const auto& [c, t] : dati) digita(w_->campo(c), t);
        QCOMPARE(w_->passo()->text(), T::kGuidaFine);
        clic(w_->cmdavanti());
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        QCOMPARE(r->ris(14)->text(), QStringLiteral("64"));
        QVERIFY(r->ris(14)->toolTip().isEmpty());
        QCOMPARE(r->ris(3)->text(), QStringLiteral("3960"));
        QCOMPARE(r->ris(4)->text(), QStringLiteral("590"));
        QVERIFY(r->ris(2)->text().isEmpty());
        QCOMPARE(r->ris(14)->palette().color(QPalette::Base), risultatipuntelli::evidenziato());
        QCOMPARE(r->tipocon()->text(), QStringLiteral(" puntello + nucleo murario per angolate con archi"));
    }

    void cancellazione()
    {
        zona(1, {1, 1, 1, 1, 1});
        tipo1({"10000", "60", "400", "30", "20", "60"}, 1);
        w_->cancella_click();
        QCOMPARE(w_->ConsolidamentoCorrente, 1);
        QCOMPARE(lavoro().numeroConsolidamenti, 0);
        QVERIFY(!w_->opzione(1, 1)->isChecked() && !w_->opzione(1, 2)->isChecked());
        QVERIFY(!w_->opzione(2, 1)->isChecked() && !w_->opzione(7, 1)->isChecked());
        for (int c = 0; c < puntelli::NumeroCampi; ++c) {
            QVERIFY(!w_->campo(puntelli::Campo(c))->isEnabled());
            QVERIFY(w_->campo(puntelli::Campo(c))->text().isEmpty());
        }
        QVERIFY(!lavoro().cons[1].ris.latoSezione);
        w_->controlla_click();
        QCOMPARE(ultimo()->testo, T::kNessunDato);
    }

    void risultatiVuoti()
    {
        auto* r = finestre::ottieni<risultatipuntelli>(IdFinestra::Risultati);
        finestre::mostra(IdFinestra::Risultati);
        QCOMPARE(r->passo()->text(), T::kSolaLettura);
        r->stampa_click();
        QCOMPARE(ultimo()->testo, T::kNullaDaStampare);
        QCOMPARE(ultimo()->icona, Icona::Domanda);
        QCOMPARE(scena_.stampa->aperture, 0);
        w_->hide();
        r->controlla_click();
        QCOMPARE(ultimo()->testo, T::kNessunRisultato);
        QVERIFY(w_->isVisible());
    }

    void stampaDaiRisultati()
    {
        zona(1, {1, 1, 1, 1, 1});
        zona(2, {3, 2, 2, 1, 1});
        tipo1({"10000", "60", "400", "30", "20", "60"}, 1);
        finestre::ottieni<frontespizio>(IdFinestra::Frontespizio)->progetto()->setText("Scuola");
        clic(w_->cmdavanti());
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        r->stampa_click();
        QVERIFY(!scena_.stampa->lavori.empty());
        const QString t = scena_.stampa->lavori.back()->testo();
        QVERIFY(t.contains("Progetto: Scuola"));
        QVERIFY(t.contains("Consolidamento n. 1 : puntello per dissesti combinati"));
    }
};

QTEST_MAIN(TestFinestre)
#include "test_finestre.moc"
