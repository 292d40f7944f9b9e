// The complete calculation report: title page, chapters, attachments and the
// calculation's own listing in one job; report mode never outlives it.
#include "columnhooping/cercol.h"
#include "platform/anteprima_qt.h"
#include "columnhooping/testi.h"
#include "report/frontespizio.h"
#include "report/testi.h"
#include "report/testi_relazione.h"
#include "shell/finestre.h"
#include "shell/modrinsal.h"
#include "shell/stampa.h"
#include "shell/testi_frame.h"
#include "shoring/puntelli.h"
#include "shoring/risultatipuntelli.h"
#include "stitching/cuciture.h"
#include "stitching/testi.h"
#include "support/supporto.h"
#include "tierods/tiranti.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTest>

#include <map>

using platform::RigaStampata;
using platform::StampanteTesto;

namespace {

// Remembers where each line starts on its page, to catch text running
// into the page number.
struct RigaPosta {
    int pagina;
    double y;
    double punti;
    QString testo;
};

class StampanteMisurata : public StampanteTesto {
public:
    explicit StampanteMisurata(std::vector<RigaPosta>& posti) : posti_(posti) {}
    void stampaRiga(const std::vector<platform::Voce>& voci) override
    {
        QString t;
        for (const auto& v : voci) t += v.testo;
        posti_.push_back({pagina(), y(), dimensione(), t});
        StampanteTesto::stampaRiga(voci);
    }

private:
    std::vector<RigaPosta>& posti_;
};

std::vector<RigaStampata> pagina(const StampanteTesto& s, int n)
{
    std::vector<RigaStampata> r;
    for (const auto& riga : s.righe()) {
        if (riga.pagina == n) r.push_back(riga);
    }
    return r;
}

int indice(const std::vector<RigaStampata>& righe, const QString& testo)
{
    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (righe[i].testo.trimmed() == testo) return int(i);
    }
    return -1;
}

QString ultima(const std::vector<RigaStampata>& righe)
{
    return righe.empty() ? QString() : righe.back().testo.trimmed();
}

} // namespace

class TestRelazione : public QObject {
    Q_OBJECT

    platform::Scena scena_{};
    frontespizio* fr_ = nullptr;

    void apriTiranti()
    {
        auto* t = finestre::ottieni<tiranti>(IdFinestra::Tiranti);
        scena_.file->risposte.push_back(supporto::fileDati(QStringLiteral("esempi/Tiranti-dati-esempio")));
        t->apri_click();
        QVERIFY(!t->fileCorrente().isEmpty());
        ModRinsal::TipoCalcolo = 2;
    }

    void apriPuntelli()
    {
        auto* d = finestre::ottieni<puntelli>(IdFinestra::Puntelli);
        scena_.file->risposte.push_back(supporto::fileDati(QStringLiteral("esempi/Puntelli-dati-esempio-1")));
        d->apri_click();
        QVERIFY(!d->fileCorrente().isEmpty());
        d->cmdavanti_Click();
        QVERIFY(finestre::esistente<risultatipuntelli>(IdFinestra::Risultati));
    }

    // Hot ties from the sample file, or one cold-stitched pier typed in.
    void apriCuciture(int tipoCucitura)
    {
        auto* c = finestre::ottieni<cuciture>(IdFinestra::Cuciture);
        if (tipoCucitura == modcuciture::kFreddo) {
            c->Option1_Click(modcuciture::kFreddo);
            const std::vector<std::pair<modcuciture::Campo, QString>> riga = {
                {modcuciture::Cort, "30"}, {modcuciture::Lung, "60"}, {modcuciture::Alt, "300"},
                {modcuciture::Diam, "12"}, {modcuciture::Pas, "20"},  {modcuciture::Car, "18000"}};
            for (const auto& [k, t] : riga) c->campo(k, 1)->setText(t);
        } else {
            scena_.file->risposte.push_back(supporto::fileDati(QStringLiteral("esempi/Cuciture-dati-esempio")));
            c->apri_click();
            QVERIFY(!c->fileCorrente().isEmpty());
        }
        QCOMPARE(c->TipoCucitura, tipoCucitura);
        QVERIFY(c->NumeroCuciture > 0);
        ModRinsal::TipoCalcolo = 5;
    }

    // The column-hooping sample of the type: 1 hot rings, 2 cold helix.
    void apriCercol(int tipo)
    {
        auto* k = finestre::ottieni<cercol>(IdFinestra::Cercol);
        scena_.file->risposte.push_back(supporto::fileDati(
            tipo == modcercol::kFreddo ? QStringLiteral("esempi/Cercol-dati-esempio-freddo")
                                       : QStringLiteral("esempi/Cercol-dati-esempio")));
        k->apri_click();
        QVERIFY(!k->fileCorrente().isEmpty());
        QCOMPARE(k->TipoCerchiatura, tipo);
        QCOMPARE(k->NumeroCerchiature, 3);
        ModRinsal::TipoCalcolo = 3;
    }

    void verificaFineModoRelazione()
    {
        QVERIFY(ModRinsal::StampaCompleta.isEmpty());
    }

private slots:
    void init()
    {
        scena_ = supporto::prepara();
        scena_.impostazioni->nome = QStringLiteral("Studio Tecnico Rossi");
        scena_.impostazioni->indirizzo = QStringLiteral("Via Roma 1, Bologna");
        fr_ = finestre::ottieni<frontespizio>(IdFinestra::Frontespizio);
    }
    void cleanup() { supporto::chiudiTutte(); }

    void relazioneTiranti()
    {
        apriTiranti();
        fr_->campo(5)->setText(QStringLiteral("planimetrie e foto"));
        const QString progetto = fr_->progetto()->text();
        fr_->stampatutto_Click();

        QCOMPARE(scena_.stampa->aperture, 1);
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        const StampanteTesto& s = *scena_.stampa->lavori[0];
        QVERIFY(s.terminato());
        verificaFineModoRelazione();

        const auto p1 = pagina(s, 1);
        QCOMPARE(p1[0].testo, QStringLiteral("         RELAZIONE DI CALCOLO"));
        QCOMPARE(p1[0].punti, 24.0);
        QCOMPARE(p1[1].punti, 20.0);
        QVERIFY(indice(p1, QStringLiteral("progetto..............: ") + progetto.trimmed()) > 0);
        QVERIFY(indice(p1, fr_->campo(3)->text() + QStringLiteral(": ") + fr_->data()->text()) > 0);
        QCOMPARE(p1.back().testo, QStringLiteral("          Via Roma 1, Bologna"));
        QCOMPARE(p1.back().punti, 16.0);
        QCOMPARE(std::count_if(s.tratti().begin(), s.tratti().end(),
                               [](const platform::Tratto& t) { return t.pagina == 1; }),
                 2L);
        for (const auto& r : p1) QVERIFY(!r.testo.contains(QStringLiteral("pagina")));

        const auto p2 = pagina(s, 2);
        QCOMPARE(p2[0].testo, QStringLiteral("         CRITERI DI CALCOLO"));
        QCOMPARE(p2[0].punti, 18.0);
        QCOMPARE(p2[2].testo.mid(9), testi_relazione::kTirantiCriteri[0]);
        QVERIFY(p2[2].punti >= 10.0 && p2[2].punti <= 12.0);
        QVERIFY(indice(p2, QStringLiteral("MODALITA' DI ESECUZIONE")) > 0);
        QCOMPARE(ultima(p2), QStringLiteral("pagina 2"));

        const auto p3 = pagina(s, 3);
        QCOMPARE(p3[0].testo.trimmed(), QStringLiteral("NOTE SUL CONSOLIDAMENTO"));
        const int a = indice(p3, QStringLiteral("Si allegano i seguenti documenti:"));
        QVERIFY(a > 0);
        QCOMPARE(p3[std::size_t(a) + 1].testo, QStringLiteral("         planimetrie e foto"));
        QCOMPARE(ultima(p3), QStringLiteral("pagina 3"));

        // The listing in report mode: no title line, no project line.
        const auto p4 = pagina(s, 4);
        QCOMPARE(p4[0].testo.trimmed(), QStringLiteral("pagina 4"));
        QCOMPARE(p4[1].testo.trimmed(), QStringLiteral("RISULTATI: tirante n. 1"));
        QCOMPARE(p4[1].punti, 18.0);
        QVERIFY(!s.testo().contains(QStringLiteral("RINSAL - calcolo di tiranti")));

        // Afterwards the window's own listing is a printout of its own again.
        auto* t = finestre::esistente<tiranti>(IdFinestra::Tiranti);
        t->stampa_click();
        QCOMPARE(scena_.stampa->aperture, 2);
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(2));
        QVERIFY(scena_.stampa->lavori[1]->testo().contains(QStringLiteral("RINSAL - calcolo di tiranti")));
        QVERIFY(scena_.stampa->lavori[1]->terminato());
    }

    void allegatiVuotiEAnnulla()
    {
        apriTiranti();
        fr_->campo(5)->clear();
        scena_.stampa->annulla = true;
        fr_->stampa_click();
        QCOMPARE(scena_.stampa->aperture, 1);
        QVERIFY(scena_.stampa->lavori.empty());
        verificaFineModoRelazione();
        QVERIFY(scena_.messaggi->visti.empty());

        scena_.stampa->annulla = false;
        fr_->stampa_click();
        const StampanteTesto& s = *scena_.stampa->lavori.back();
        const auto p3 = pagina(s, 3);
        const int a = indice(p3, QStringLiteral("Si allegano i seguenti documenti:"));
        QVERIFY(a > 0);
        QVERIFY(p3[std::size_t(a) + 1].testo.trimmed().isEmpty());
        QVERIFY(s.terminato());
        verificaFineModoRelazione();
    }

    void relazionePuntelli_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("puntelli") << 1;
        QTest::newRow("fuori da 1..5") << 0;
        QTest::newRow("oltre 5") << 9;
    }
    void relazionePuntelli()
    {
        QFETCH(int, tipo);
        apriPuntelli();
        ModRinsal::TipoCalcolo = tipo;
        auto* r = finestre::esistente<risultatipuntelli>(IdFinestra::Risultati);
        const QString tipoMostrato = r->tipocon()->text();
        QVERIFY(!tipoMostrato.isEmpty());
        scena_.messaggi->visti.clear();
        fr_->stampa_click();

        QCOMPARE(scena_.stampa->aperture, 1);
        const StampanteTesto& s = *scena_.stampa->lavori.back();
        QVERIFY(s.terminato());
        verificaFineModoRelazione();

        const auto p2 = pagina(s, 2);
        const int t = indice(p2, QStringLiteral("è riferiti alla seguente tipologia di calcolo:"));
        QVERIFY(t > 0);
        QCOMPARE(p2[std::size_t(t) + 1].testo.mid(9), QStringLiteral("- ") + tipoMostrato + QStringLiteral("."));
        QCOMPARE(p2[p2.size() - 2].testo.trimmed(), QStringLiteral("adeguatamente;"));
        QCOMPARE(ultima(p2), QStringLiteral("pagina 2"));

        // The execution goes on at the top of page 3; the notes follow after four blanks.
        const auto p3 = pagina(s, 3);
        QCOMPARE(p3[0].testo.mid(9), testi_relazione::kPuntelliEsecuzioneSegue[0]);
        const int n = indice(p3, QStringLiteral("NOTE SUL CONSOLIDAMENTO"));
        QVERIFY(n > 4);
        for (int k = n - 4; k < n; ++k) QVERIFY(p3[std::size_t(k)].testo.isEmpty());
        QVERIFY(!p3[std::size_t(n) - 5].testo.isEmpty());
        QCOMPARE(ultima(p3), QStringLiteral("pagina 3"));

        // The report ends with the results listing, in report mode.
        const auto p4 = pagina(s, 4);
        QCOMPARE(indice(p4, QStringLiteral("DATI E RISULTATI")), 2);
        QCOMPARE(p4[2].punti, 18.0);
        QVERIFY(!s.testo().contains(QStringLiteral("RINSAL - calcolo di")));
        QVERIFY(!s.testo().contains(QStringLiteral("Progetto: ")));
        QVERIFY(s.righe().back().pagina >= 4);
    }

    // Text never runs into the page number at 15000 twips, on a real page
    // height, for every kind and a long attachment text; the chapters keep
    // as many blank cells right of their text as left of it; every page
    // after the title page carries its own number once, the listing's above
    // the listing.
    void nienteSottoIlPiede_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("tiranti") << 2;
        QTest::newRow("puntelli") << 1;
        QTest::newRow("tirantini a caldo") << 51;
        QTest::newRow("cuciture a freddo") << 52;
        QTest::newRow("cerchi a caldo") << 31;
        QTest::newRow("elica a freddo") << 32;
    }
    void nienteSottoIlPiede()
    {
        QFETCH(int, tipo);
        if (tipo == 2) {
            apriTiranti();
        } else if (tipo > 30 && tipo < 40) {
            apriCercol(tipo - 30);
        } else if (tipo > 50) {
            apriCuciture(tipo - 50);
        } else {
            apriPuntelli();
            ModRinsal::TipoCalcolo = 1;
        }
        const QString allegati = QStringLiteral("relazione geologica, planimetrie, prospetti e sezioni, tavole "
                                                "da 1 a 12, documentazione fotografica dello stato di fatto");
        fr_->campo(5)->setText(allegati);
        std::vector<RigaPosta> posti;
        scena_.stampa->fabbrica = [&posti] { return std::make_unique<StampanteMisurata>(posti); };
        fr_->stampa_click();
        QVERIFY(!posti.empty());
        std::map<int, int> numeri;
        QString allegatiStampati;
        bool dopoAllegati = false;
        for (const RigaPosta& r : posti) {
            if (r.testo.startsWith(QStringLiteral("pagina "))) {
                ++numeri[r.pagina];
                QCOMPARE(r.y, r.pagina > 3 ? 400.0 : 15000.0);
                QCOMPARE(r.testo, QStringLiteral("pagina %1").arg(r.pagina));
                dopoAllegati = false;
                continue;
            }
            if (r.pagina > 3) continue;
            const double fondo = r.y + r.punti * 20.0 * platform::kPassoRiga;
            QVERIFY2(fondo <= (r.pagina == 1 ? platform::kAltezzaPaginaTwips : 15000.0),
                     qPrintable(QStringLiteral("pagina %1: %2").arg(r.pagina).arg(r.testo)));
            if (r.pagina > 1) {
                // Column 10: nine cells on the left, as many on the right.
                QVERIFY2((r.testo.size() + 18) * r.punti * 12.0 <= platform::kLarghezzaPaginaTwips,
                         qPrintable(QStringLiteral("%1 punti: %2").arg(r.punti).arg(r.testo)));
            }
            if (dopoAllegati) allegatiStampati += (allegatiStampati.isEmpty() ? QString() : QStringLiteral(" ")) + r.testo;
            if (r.testo == testi_relazione::kAllegati) dopoAllegati = true;
        }
        QCOMPARE(allegatiStampati, allegati);
        const int ultima = posti.back().pagina;
        QVERIFY(ultima >= 4);
        QCOMPARE(int(numeri.size()), ultima - 1);
        for (const auto& [pag, n] : numeri) {
            QVERIFY(pag >= 2 && pag <= ultima);
            QCOMPARE(n, 1);
        }
        verificaFineModoRelazione();
    }

    void senzaRisultatiOSenzaCapitoli_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<bool>("anteprima");
        QTest::newRow("puntelli senza risultati") << 1 << QStringLiteral("Non vi è nulla da stampare.") << false;
        QTest::newRow("cuciture senza finestra") << 5 << QStringLiteral("Non vi è nulla da stampare.") << false;
        QTest::newRow("cerchiature senza finestra") << 3 << QStringLiteral("Non vi è nulla da stampare.") << false;
        QTest::newRow("cerchiature di pilastri") << 4 << testi_relazione::kNonDisponibile << false;
        QTest::newRow("anteprima, puntelli senza risultati") << 1 << QStringLiteral("Non vi è nulla da stampare.")
                                                             << true;
        QTest::newRow("anteprima, cerchiature di pilastri") << 4 << testi_relazione::kNonDisponibile << true;
    }
    void senzaRisultatiOSenzaCapitoli()
    {
        QFETCH(int, tipo);
        QFETCH(QString, messaggio);
        QFETCH(bool, anteprima);
        ModRinsal::TipoCalcolo = tipo;
        fr_->stampa_click(anteprima ? stampa::Uscita::Anteprima : stampa::Uscita::Carta);
        QVERIFY(scena_.anteprima->titoli.isEmpty());
        QCOMPARE(scena_.stampa->aperture, 0);
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(1));
        QCOMPARE(scena_.messaggi->visti[0].testo, messaggio);
        QCOMPARE(scena_.messaggi->visti[0].titolo, ModRinsal::TitoloControllo);
        verificaFineModoRelazione();
    }

    // A stitching or column-hooping window with no row typed has nothing to
    // report, whatever type it holds.
    void senzaDatiCucitureECerchiature()
    {
        auto* c = finestre::ottieni<cuciture>(IdFinestra::Cuciture);
        c->Option1_Click(modcuciture::kFreddo);
        ModRinsal::TipoCalcolo = 5;
        fr_->stampa_click();

        auto* k = finestre::ottieni<cercol>(IdFinestra::Cercol);
        k->Option1_Click(modcercol::kCaldo);
        QCOMPARE(k->NumeroCerchiature, 0);
        ModRinsal::TipoCalcolo = 3;
        fr_->stampa_click();

        QCOMPARE(scena_.stampa->aperture, 0);
        QCOMPARE(scena_.messaggi->visti.size(), std::size_t(2));
        QCOMPARE(scena_.messaggi->visti[0].testo, QStringLiteral("Non vi è nulla da stampare."));
        QCOMPARE(scena_.messaggi->visti[1].testo, QStringLiteral("Non vi è nulla da stampare."));
        verificaFineModoRelazione();
    }

    // Column hooping: the chapters of the type the window holds, then its
    // listing in report mode from page 4, in the same job.
    void relazioneCerchiature_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("cerchi a caldo") << modcercol::kCaldo;
        QTest::newRow("elica a freddo") << modcercol::kFreddo;
    }
    void relazioneCerchiature()
    {
        namespace R = testi_relazione;
        QFETCH(int, tipo);
        apriCercol(tipo);
        const bool freddo = tipo == modcercol::kFreddo;
        scena_.messaggi->visti.clear();
        fr_->stampatutto_Click();

        QCOMPARE(scena_.stampa->aperture, 1);
        QVERIFY(scena_.messaggi->visti.empty());
        const StampanteTesto& s = *scena_.stampa->lavori[0];
        QVERIFY(s.terminato());
        verificaFineModoRelazione();
        QVERIFY(pagina(s, 1)[0].testo.contains(R::kTitolo));
        QVERIFY(!ultima(pagina(s, 1)).startsWith(QStringLiteral("pagina")));

        const auto p2 = pagina(s, 2);
        QCOMPARE(p2[0].testo.trimmed(), QStringLiteral("CRITERI DI CALCOLO"));
        QCOMPARE(p2[2].testo.mid(9), (freddo ? R::kElicaCriteri : R::kCerchiCriteri)[0]);
        QCOMPARE(p2[p2.size() - 2].testo.mid(9), (freddo ? R::kElicaEsecuzione : R::kCerchiEsecuzione).back());
        QCOMPARE(ultima(p2), QStringLiteral("pagina 2"));
        const auto p3 = pagina(s, 3);
        QCOMPARE(p3[0].testo.trimmed(), QStringLiteral("NOTE SUL CONSOLIDAMENTO"));
        QCOMPARE(p3[2].testo.mid(9), (freddo ? R::kElicaNote : R::kCerchiNote)[0]);
        QCOMPARE(ultima(p3), QStringLiteral("pagina 3"));
        QVERIFY(!s.testo().contains((freddo ? R::kCerchiNote : R::kElicaNote)[0]));

        // The listing: no program or project line, its heading at 18 points;
        // one page for the cold rows, one per hot ring with its chart.
        const auto p4 = pagina(s, 4);
        QVERIFY(p4.size() > 2);
        QVERIFY2(p4[1].testo.trimmed().startsWith(freddo ? testi_cercol::kRisultatiFreddo
                                                         : testi_cercol::kRisultatiCaldo),
                 qPrintable(p4[1].testo));
        QCOMPARE(p4[1].punti, 18.0);
        QCOMPARE(p4[2].punti, 12.0);
        QVERIFY(!s.testo().contains(testi_cercol::kTitoloStampa));
        QVERIFY(!s.testo().contains(QStringLiteral("Progetto: ")));
        QCOMPARE(supporto::difettiDisegni(s, 4), QString());
        // Each ring's chart lies between its heading and the next ring's
        // (on the page of its table, or the next when the table fills it).
        std::vector<int> intestazioni, grafici;
        for (const auto& r : s.righe()) {
            if (r.testo.trimmed().startsWith(testi_cercol::kRisultatiCaldo)) intestazioni.push_back(r.pagina);
        }
        for (const auto& t : s.tratti()) {
            if (t.tipo == platform::Tratto::Etichetta && t.testo.startsWith(testi_cercol::kGrafico)) {
                grafici.push_back(t.pagina);
            }
        }
        if (freddo) {
            QCOMPARE(s.righe().back().pagina, 4);
            QVERIFY(grafici.empty());
        } else {
            QCOMPARE(intestazioni.size(), std::size_t(3));
            QCOMPARE(grafici.size(), std::size_t(3));
            QCOMPARE(intestazioni[0], 4);
            for (std::size_t k = 0; k < 3; ++k) {
                QVERIFY(grafici[k] >= intestazioni[k] && grafici[k] <= intestazioni[k] + 1);
                QVERIFY(k == 2 || grafici[k] < intestazioni[k + 1]);
            }
        }

        // Afterwards the window's listing stands alone again.
        finestre::esistente<cercol>(IdFinestra::Cercol)->stampa_click();
        QCOMPARE(scena_.stampa->aperture, 2);
        QVERIFY(scena_.stampa->lavori[1]->testo().contains(testi_cercol::kTitoloStampa));
    }

    // The stitching type picks the chapters; the window's listing follows
    // in report mode from page 4.
    void relazioneCuciture_data()
    {
        QTest::addColumn<int>("tipoCucitura");
        QTest::newRow("tirantini a caldo") << modcuciture::kCaldo;
        QTest::newRow("cuciture a freddo") << modcuciture::kFreddo;
    }
    void relazioneCuciture()
    {
        namespace R = testi_relazione;
        QFETCH(int, tipoCucitura);
        apriCuciture(tipoCucitura);
        const bool freddo = tipoCucitura == modcuciture::kFreddo;
        const QStringList& criteri = freddo ? R::kCucitureCriteri : R::kTirantiniCriteri;
        const QStringList& esecuzione = freddo ? R::kCucitureEsecuzione : R::kTirantiniEsecuzione;
        const QStringList& note = freddo ? R::kCucitureNote : R::kTirantiniNote;
        const QStringList& altre = freddo ? R::kTirantiniNote : R::kCucitureNote;
        scena_.messaggi->visti.clear();
        fr_->stampatutto_Click();

        QCOMPARE(scena_.stampa->aperture, 1);
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        QVERIFY(scena_.messaggi->visti.empty());
        const StampanteTesto& s = *scena_.stampa->lavori[0];
        QVERIFY(s.terminato());
        verificaFineModoRelazione();

        const auto p2 = pagina(s, 2);
        QCOMPARE(p2[0].testo.trimmed(), QStringLiteral("CRITERI DI CALCOLO"));
        QCOMPARE(p2[2].testo.mid(9), criteri[0]);
        QVERIFY(p2[2].punti >= 10.0 && p2[2].punti <= 12.0);
        const int e = indice(p2, QStringLiteral("MODALITA' DI ESECUZIONE"));
        QVERIFY(e > 0);
        QCOMPARE(p2[std::size_t(e) + 2].testo.mid(9), esecuzione[0]);
        // The execution ends the page, right above its number.
        QCOMPARE(p2[p2.size() - 2].testo.mid(9), esecuzione.back());
        QCOMPARE(ultima(p2), QStringLiteral("pagina 2"));

        const auto p3 = pagina(s, 3);
        QCOMPARE(p3[0].testo.trimmed(), QStringLiteral("NOTE SUL CONSOLIDAMENTO"));
        QCOMPARE(p3[0].punti, 18.0);
        QCOMPARE(p3[2].testo.mid(9), note[0]);
        QVERIFY(indice(p3, QStringLiteral("Si allegano i seguenti documenti:")) > 0);
        QCOMPARE(ultima(p3), QStringLiteral("pagina 3"));
        QVERIFY(!s.testo().contains(altre[0]));

        if (freddo) {
            QVERIFY(indice(p2, QStringLiteral("7) si stuccano le due estremità di ogni foro.")) > 0);
        }

        // The listing: no program or project line, its heading at 18 points.
        const auto p4 = pagina(s, 4);
        QVERIFY(!p4.empty());
        const QString intestazione =
            freddo ? testi_cuciture::kFreddoTitolo
                   : testi_cuciture::kRisultatiCaldo + QStringLiteral(" 1") + testi_cuciture::kTipologiaCaldo;
        std::size_t h = 1;   // after the page number
        while (h < p4.size() && p4[h].testo.trimmed().isEmpty()) ++h;
        QVERIFY(h < p4.size());
        QVERIFY2(p4[h].testo.trimmed().startsWith(intestazione), qPrintable(p4[h].testo));
        QCOMPARE(p4[h].punti, 18.0);
        QVERIFY(!s.testo().contains(testi_cuciture::kTitoloDati));
        QVERIFY(!s.testo().contains(QStringLiteral("Progetto: ")));
        if (!freddo) {
            // One page per pier of the sample, each followed by its chart's page.
            const int pier = finestre::esistente<cuciture>(IdFinestra::Cuciture)->NumeroCuciture;
            QCOMPARE(s.tratti().back().pagina, 3 + 2 * pier);
            QCOMPARE(s.righe().back().pagina, 3 + 2 * pier);   // the chart's page has its number
        }

        // Afterwards the window's listing stands alone again.
        finestre::esistente<cuciture>(IdFinestra::Cuciture)->stampa_click();
        QCOMPARE(scena_.stampa->aperture, 2);
        QVERIFY(scena_.stampa->lavori[1]->testo().contains(testi_cuciture::kTitoloDati));
    }

    // Every prose line fits the page and carries no stray blanks at its ends.
    void righeDellaProsa()
    {
        namespace R = testi_relazione;
        const std::vector<const QStringList*> tutte = {&R::kPuntelliCriteri,  &R::kPuntelliRisultati,
                                                       &R::kPuntelliEsecuzione, &R::kPuntelliEsecuzioneSegue,
                                                       &R::kPuntelliNote,     &R::kTirantiCriteri,
                                                       &R::kTirantiEsecuzione, &R::kTirantiNote,
                                                       &R::kTirantiniCriteri, &R::kTirantiniEsecuzione,
                                                       &R::kTirantiniNote,    &R::kCucitureCriteri,
                                                       &R::kCucitureEsecuzione, &R::kCucitureNote,
                                                       &R::kElicaCriteri,     &R::kElicaEsecuzione,
                                                       &R::kElicaNote,        &R::kCerchiCriteri,
                                                       &R::kCerchiEsecuzione, &R::kCerchiNote};
        for (const QStringList* l : tutte) {
            QVERIFY(!l->isEmpty());
            for (const QString& r : *l) {
                QVERIFY2(r.size() <= R::kLarghezzaMassima, qPrintable(r));
                QVERIFY2(r == r.trimmed(), qPrintable(r));
            }
        }
    }

    // Each preview entry and the preview button give what the print entry
    // of the same name and the print button print, on every run of the
    // preview, and the Qt preview shows as many pages as the text backend
    // counts.
    void anteprimaComeLaStampa_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<QString>("voce");   // empty: the toolbar buttons
        QTest::addColumn<QString>("titolo");
        const auto id = [](IdFinestra f) { return int(f); };
        QTest::newRow("modello tiranti") << id(IdFinestra::Tiranti) << testi::kMenuModello << testi::kAnteprimaModello;
        QTest::newRow("dati tiranti") << id(IdFinestra::Tiranti) << testi::kMenuDatiFinestra << testi::kAnteprimaDati;
        QTest::newRow("barra tiranti") << id(IdFinestra::Tiranti) << QString() << testi::kAnteprimaDati;
        QTest::newRow("dati cerchiature") << id(IdFinestra::Cercol) << testi::kMenuDatiFinestra << testi::kAnteprimaDati;
        QTest::newRow("modello cuciture") << id(IdFinestra::Cuciture) << testi::kMenuModello << testi::kAnteprimaModello;
        QTest::newRow("modello puntelli") << id(IdFinestra::Puntelli) << testi::kMenuStampaModello
                                          << testi::kAnteprimaModello;
        QTest::newRow("barra puntelli") << id(IdFinestra::Puntelli) << QString() << testi::kAnteprimaModello;
        QTest::newRow("risultati puntelli") << id(IdFinestra::Risultati) << testi::kMenuStampaDatiRisultati
                                            << testi::kAnteprimaDati;
        QTest::newRow("frontespizio") << id(IdFinestra::Frontespizio) << testi::kMenuDatiFinestra
                                      << testi_frontespizio::kAnteprimaFrontespizio;
        QTest::newRow("relazione") << id(IdFinestra::Frontespizio) << testi::kMenuStampaCompleta
                                   << testi_frontespizio::kAnteprimaRelazione;
    }
    void anteprimaComeLaStampa()
    {
        QFETCH(int, finestra);
        QFETCH(QString, voce);
        QFETCH(QString, titolo);
        const auto id = IdFinestra(finestra);
        if (id == IdFinestra::Puntelli || id == IdFinestra::Risultati) {
            apriPuntelli();
        } else if (id == IdFinestra::Cercol) {
            apriCercol(modcercol::kCaldo);
        } else if (id == IdFinestra::Cuciture) {
            apriCuciture(modcuciture::kCaldo);
        } else {
            apriTiranti();
        }
        auto* w = dynamic_cast<FinestraCalcolo*>(finestre::ottieni(id));
        QVERIFY(w);
        scena_.anteprima->passate = 2;
        if (voce.isEmpty()) {
            w->pulsanteBarra(6)->click();
            w->pulsanteAnteprima()->click();
        } else {
            w->voceMenu(voce)->trigger();
            QAction* a = w->voceMenu(testi::kMenuAnteprima);
            QVERIFY(a);
            if (a->menu()) {
                const QList<QAction*> voci = a->menu()->actions();
                const auto v = std::find_if(voci.begin(), voci.end(), [&](QAction* x) { return x->text() == voce; });
                QVERIFY(v != voci.end());
                a = *v;
            }
            a->trigger();
        }
        QCOMPARE(scena_.stampa->lavori.size(), std::size_t(1));
        QCOMPARE(scena_.anteprima->titoli, QStringList{titolo});
        QCOMPARE(scena_.anteprima->lavori.size(), std::size_t(2));
        const StampanteTesto& carta = *scena_.stampa->lavori[0];
        QVERIFY(!carta.testo().isEmpty());
        for (const auto& l : scena_.anteprima->lavori) {
            QCOMPARE(l->testo(), carta.testo());
            QCOMPARE(l->tratti().size(), carta.tratti().size());
            QCOMPARE(l->pagina(), carta.pagina());
            QVERIFY(l->terminato());
        }
        verificaFineModoRelazione();

        // The same printout drawn by the Qt preview, twice as on a refresh.
        platform::DialogoAnteprima qt(titolo, scena_.anteprima->stampe.back());
        QCOMPARE(qt.windowTitle(), QStringLiteral("Anteprima di stampa - ") + titolo);
        for (int k = 0; k < 2; ++k) {
            qt.vista()->updatePreview();
            QCOMPARE(qt.vista()->pageCount(), carta.pagina());
        }
        verificaFineModoRelazione();
    }

    void stampaBatch()
    {
        const QString bin = qEnvironmentVariable("RINSAL_BIN_DIR");
        QVERIFY(!bin.isEmpty());
        QProcess pr;
        pr.start(QDir(bin).filePath(QStringLiteral("rinsal-stampa")),
                 {QStringLiteral("--relazione"), QStringLiteral("--testo"),
                  supporto::fileDati(QStringLiteral("esempi/Tiranti-dati-esempio"))});
        QVERIFY(pr.waitForFinished(60000));
        QCOMPARE(pr.exitCode(), 0);
        const QString out = QString::fromUtf8(pr.readAllStandardOutput());
        const QStringList pagine = out.split(QLatin1Char('\f'));
        QVERIFY(pagine.size() >= 4);
        QVERIFY(pagine[0].contains(QStringLiteral("RELAZIONE DI CALCOLO")));
        QVERIFY(pagine[1].contains(QStringLiteral("CRITERI DI CALCOLO")));
        QVERIFY(pagine[1].trimmed().endsWith(QStringLiteral("pagina 2")));
        QVERIFY(pagine[2].trimmed().endsWith(QStringLiteral("pagina 3")));
        QVERIFY(pagine[3].contains(QStringLiteral("RISULTATI: tirante n. 1")));
        QVERIFY(!out.contains(QStringLiteral("RINSAL - calcolo di tiranti")));
    }
};

QTEST_MAIN(TestRelazione)
#include "test_relazione.moc"
