// The title-page window: load, typing, data check, clearing, printing and
// the archive commands it passes on.
#include "report/frontespizio.h"
#include "shell/modrinsal.h"
#include "support/finestraprova.h"
#include "support/supporto.h"

#include <QTest>

using platform::Icona;

class TestFrontespizio : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        scena_ = supporto::prepara();
        scena_.impostazioni->nome = QStringLiteral("Studio Tecnico Rossi");
        scena_.impostazioni->indirizzo = QStringLiteral("Via Roma 1, Bologna");
        fr_ = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
    }
    void cleanup() { supporto::chiudiTutte(); }

    void caricamento()
    {
        QCOMPARE(fr_->windowTitle(), QStringLiteral("Rinsal: frontespizio per la relazione[*]"));
        QCOMPARE(fr_->data()->text(), QStringLiteral("mercoledì, 28 dic 2011"));
        QCOMPARE(fr_->Labelstudio()->text(), QStringLiteral("Studio Tecnico Rossi"));
        QCOMPARE(fr_->labelindirizzo()->text(), QStringLiteral("Via Roma 1, Bologna"));
        QVERIFY(fr_->passo()->text().startsWith(QStringLiteral("digitare i dati, o prelevarli dall'archivio")));
        QCOMPARE(fr_->voceNumero()->text(), QStringLiteral("Fi&nestra n.8 di 8"));
        QVERIFY(fr_->voceMenu(QStringLiteral("&Esci")));
        QVERIFY(fr_->voceMenu(QStringLiteral("&Stampa completa")));
        QVERIFY(fr_->voceMenu(QStringLiteral("Finestra Cerchiatura colonne")));
        QVERIFY(scena_.messaggi->visti.empty());
        // Pictures for a person to look at, when asked for.
        const QString cartella = qEnvironmentVariable("RINSAL_SCHERMATE");
        if (!cartella.isEmpty()) {
            fr_->show();
            fr_->grab().save(cartella + QStringLiteral("/frontespizio.png"));
            fr_->resize(fr_->width() * 3 / 2, fr_->height() * 3 / 2);
            fr_->grab().save(cartella + QStringLiteral("/frontespizio-grande.png"));
        }
    }

    void sessantaCaratteri()
    {
        QTest::keyClicks(fr_->campo(2), QString(60, QLatin1Char('a')));
        QVERIFY(scena_.messaggi->visti.empty());
        QTest::keyClicks(fr_->campo(2), QStringLiteral("bc"));
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti[0].testo,
                 QStringLiteral("Per una stampa corretta non digitare dati lunghi più di 60 spazi."));
        QCOMPARE(scena_.messaggi->visti[0].icona, Icona::Esclamativa);
        QCOMPARE(fr_->campo(2)->text().size(), 62);
    }

    void controlloDati()
    {
        fr_->campo(3)->setText(QStringLiteral("Bologna"));
        fr_->controllodati_Click();
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("Non è stato immesso alcun dato."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Domanda);
        for (int i = 0; i < 6; ++i) {
            fr_->campo(i)->setText(QStringLiteral("x%1").arg(i));
        }
        QVERIFY(fr_->controlla_click());
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("I dati sono stati immessi correttamente."));
        fr_->campo(5)->clear();
        QVERIFY(!fr_->controlla_click());
        QCOMPARE(scena_.messaggi->visti.back().testo, QStringLiteral("Inserire dati per ogni campo."));
        QCOMPARE(scena_.messaggi->visti.back().icona, Icona::Esclamativa);
        // Clearing empties the six fields, the office stays.
        fr_->cancella_click();
        for (int i = 0; i < 6; ++i) {
            QVERIFY(fr_->campo(i)->text().isEmpty());
        }
        QCOMPARE(fr_->Labelstudio()->text(), QStringLiteral("Studio Tecnico Rossi"));
    }

    void stampaFrontespizio()
    {
        fr_->progetto()->setText(QStringLiteral("Consolidamento palazzo comunale"));
        fr_->solodati_Click();
        const auto& l = *scena_.stampa->lavori.back();
        QCOMPARE(l.righe()[0].testo, QStringLiteral("    RINSAL - calcoli di consolidamenti"));
        QCOMPARE(l.righe()[0].punti, 18.0);
        QCOMPARE(l.righe()[2].testo,
                 QStringLiteral("         progetto:") + QString(21, QLatin1Char(' ')) +
                     QStringLiteral("Consolidamento palazzo comunale"));
        QCOMPARE(l.righe()[2].punti, 12.0);
        QVERIFY(l.righe()[6].testo.contains(QStringLiteral("mercoledì, 28 dic 2011")));
        QCOMPARE(l.righe()[9].testo.mid(9, 15), QStringLiteral("studio tecnico:"));
        QCOMPARE(l.righe()[10].testo.mid(39), QStringLiteral("Via Roma 1, Bologna"));
        QVERIFY(l.terminato());

        // A long text wraps at its column, at blanks, with nine blank cells
        // left on the right as on the left; nothing of it is lost.
        const QString lungo = QStringLiteral("Consolidamento statico e miglioramento sismico di palazzo "
                                             "Bellini Mantegazza, ala nord");
        fr_->campo(2)->setText(lungo);
        fr_->solodati_Click();
        const auto& w = *scena_.stampa->lavori.back();
        QString letto;
        int righeCommittente = 0;
        bool dentro = false;
        for (const auto& r : w.righe()) {
            QVERIFY2((r.testo.size() + 9) * r.punti * 12.0 <= platform::kLarghezzaPaginaTwips, qPrintable(r.testo));
            if (r.testo.mid(9).startsWith(QStringLiteral("committente:"))) dentro = true;
            else if (dentro && !r.testo.left(39).trimmed().isEmpty()) dentro = false;
            if (dentro) {
                ++righeCommittente;
                letto += (letto.isEmpty() ? QString() : QStringLiteral(" ")) + r.testo.mid(39);
            }
        }
        QCOMPARE(letto, lungo);
        QVERIFY(righeCommittente > 1);
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(2));

        scena_.stampa->annulla = true;
        fr_->solodati_Click();
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(2));
    }

    void archivioDelCalcolo()
    {
        finestre::registra(IdFinestra::Tiranti, [] { return new FinestraProva; });
        ModRinsal::TipoCalcolo = 2;
        fr_->apri_click();
        auto* prova = finestre::esistente<FinestraProva>(IdFinestra::Tiranti);
        QVERIFY(prova);
        QVERIFY(!prova->isVisible());
        // Cancelled: the calculation's window is left alone.
        QCOMPARE(prova->cancellazioni, 0);
        QCOMPARE(scena_.file->richieste.back().filtro,
                 QStringLiteral("Tutti i file (*.*) | *.*|File Tiranti-dati- | Tiranti-dati-*"));
    }

    void studioDaSupporto()
    {
        finestre::mostra(IdFinestra::Supporto);
        auto* s = finestre::esistente<supportoprodotto>(IdFinestra::Supporto);
        s->nome()->setText(QStringLiteral("Studio Bianchi"));
        s->indirizzo()->setText(QStringLiteral("Piazza Maggiore 2"));
        s->salva_Click();
        QCOMPARE(scena_.impostazioni->nome, QStringLiteral("Studio Bianchi"));
        QCOMPARE(fr_->Labelstudio()->text(), QStringLiteral("Studio Bianchi"));
        QCOMPARE(fr_->labelindirizzo()->text(), QStringLiteral("Piazza Maggiore 2"));
    }

private:
    platform::Scena scena_{};
    frontespizio* fr_ = nullptr;
};

QTEST_MAIN(TestFrontespizio)
#include "test_frontespizio.moc"
