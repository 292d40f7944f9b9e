#include "stitching/cuciture.h"

#include "shell/datifrontespizio.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "stitching/archivio.h"
#include "stitching/stampe.h"
#include "stitching/testi.h"

#include <QSignalBlocker>

namespace T = testi_cuciture;
using namespace modcuciture;
using namespace controlli;

namespace {

ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 7;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 5;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaCuciture;
    c.pulsante2 = ConfigFinestra::Pulsante2::FrontespizioF;
    c.tooltipSommario = true;
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.frontespizioNelFile = true;
    return c;
}

} // namespace

cuciture::cuciture(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    conteggio_ = costruisciConteggioTipo(
        {T::kNConsolidamenti, T::kNConsolidamentiTooltip, T::kOpzioneCaldo, T::kOpzioneFreddo, T::kOpzioneFreddoTooltip},
        opzioni_, [this](int k) { Option1_Click(k); });
    costruisciDati();
    costruisciCaldo();
    costruisciFreddo();
    offriGrafico([this] { return contenutoGrafico(); });

    // Load: nothing typed until a type is chosen.
    frameDati_->setEnabled(false);
    frameFreddo_->hide();
    abilitaCampi(0);
    completaCaricamento();
    GuidaCuciture();
    RigaInizio = 1;
    RigaRisultati = 1;
}

// ---- input ---------------------------------------------------------------------

void cuciture::campo_Change(int c, int linea)
{
    if (!cambioCampoRiga(*campo(c, linea), dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale,
                         RigaCorrente)) {
        return;
    }
    if (c == Cort) {
        LineaCorrente = linea;
        ContaCuciture();
    }
    ricalcola();
}

void cuciture::calcoloRinviato()
{
    GuidaCuciture();
    CalcolaCuciture();
}

void cuciture::barraRiga_Change(int c, int linea)
{
    QScrollBar* b = barraRiga(c, linea);
    const int r = std::clamp(RigaInizio + linea - 1, 1, kRighe);
    ColonnaRighe& valori = dati_.colonna(c);
    if (valori[std::size_t(r)].isEmpty() && (c == Temp || c == Rond)) {
        const QSignalBlocker blocco(b);
        b->setValue(c == Temp ? -40 : 5);
    }
    valori[std::size_t(r)] = QString::number(b->value());
    VScroll1_Change();
}

void cuciture::Option1_Click(int k)
{
    if (k != kCaldo && k != kFreddo) {
        return;
    }
    TipoCucitura = k;
    opzioni_[std::size_t(k)]->setChecked(true);
    frameDati_->setEnabled(true);
    abilitaCampi(k);
    frameFreddo_->setVisible(k != kCaldo);
    lati_.frame->setVisible(k == kCaldo);
    lati_.barre[1]->setVisible(k == kCaldo);
    lati_.barre[2]->setVisible(k == kCaldo);
    GuidaCuciture();
    aggiornaGrafico();
}

void cuciture::ContaCuciture()
{
    NumeroCuciture = modcuciture::ContaCuciture(dati_);
    conteggio_->setText(QString::number(NumeroCuciture));
}

void cuciture::GuidaCuciture() { passo()->setText(testoGuida(dati_, NumeroCuciture, TipoCucitura)); }

// ---- calculation and refresh -------------------------------------------------------

void cuciture::CalcolaCuciture()
{
    ConteggiMostrati m;
    m.ntir = {QString(), caldo(8, 1)->text(), caldo(8, 2)->text()};
    m.rigaMostrata = RigaRisultati;
    const EsitoCalcolo esito = modcuciture::CalcolaCuciture(dati_, NumeroCuciture, TipoCucitura, ris_, m, &memoria_);
    // A row the pass did not reach keeps its results only while they are
    // those of its values, of its steel stress and of the counts of ties;
    // the stress and the counts stay, they are the engineer's.
    bool mostrataSvuotata = false;
    scartaRisultatiVecchi(
        esito.completo ? std::clamp(NumeroCuciture, 0, kRighe) : esito.riga - 1,
        [this, &m](int r) {
            const Valore& s = ris_.sigmf[std::size_t(r)];
            return QString::number(TipoCucitura) + QChar(0x1f) + (s ? numeri::testo(*s) : QString()) +
                   QChar(0x1f) + m.ntir[1] + QChar(0x1f) + m.ntir[2];
        },
        [this, &mostrataSvuotata](int r) {
            ris_.svuotaCalcolati(r);
            memoria_.righe[std::size_t(r)].valida = false;
            mostrataSvuotata = mostrataSvuotata || r == RigaRisultati;
        });
    if (TipoCucitura == kCaldo) {
        caldo(8, 1)->setText(m.ntir[1]);
        caldo(8, 2)->setText(m.ntir[2]);
        if (esito.aggiornato) {
            HScroll1_Change();
        } else if (mostrataSvuotata) {
            mostraCaldo();
        }
        if (esito.rottura) {
            passo()->setText(T::kRottura);
        }
    } else {
        // The rows before a stop show their new results too.
        mostraFreddo();
    }
    aggiornaGrafico();
}

ContenutoGrafico cuciture::contenutoGrafico() const
{
    const int r = std::clamp(RigaInizio, 1, kRighe);
    ContenutoGrafico c{T::kTitoloGrafico + numeri::stampa(r), std::nullopt, {}};
    if (TipoCucitura == kFreddo) {
        c.motivo = T::kGraficoSoloCaldo;
        return c;
    }
    c.grafico = datiGrafico(dati_, ris_, r);
    if (!c.grafico) {
        // The guidance names the first value missing anywhere; a pier past
        // the last one typed lacks its short side.
        const QString guida = TipoCucitura != 0 && r > NumeroCuciture
                                  ? T::kGuidaCampi[Cort] + T::kGuidaCucitura + numeri::stampa(r)
                                  : testoGuida(dati_, NumeroCuciture, TipoCucitura);
        c.motivo = motivoSenzaGrafico(r, guida, T::kGuidaFine,
                                      T::kControlloCucitura + numeri::stampa(r) + T::kGraficoSenzaRisultati);
    }
    return c;
}

void cuciture::VScroll1_Change()
{
    RigaInizio = VScroll1()->value();
    for (int k = 1; k <= 5; ++k) {
        num(k)->setText(QString::number(RigaInizio + k - 1));
    }
    mostraCampi();
    CalcolaCuciture();
}

void cuciture::svuotaRisultati()
{
    for (int r = 1; r <= kRighe; ++r) {
        ris_.svuotaRiga(r);
    }
    memoria_.dimentica();
}

void cuciture::mostraCaldo()
{
    const int r = lati_.vscroll2->value();
    lati_.numcons->setText(QString::number(r));
    RigaRisultati = r;
    const bool indice = IndiceTemperatura >= 1 && IndiceTemperatura <= kTemperature;
    for (int s = 1; s <= 2; ++s) {
        for (int c = 0; c < kCampiCaldo; ++c) {
            caldo(c, s)->setText(indice ? mostra(ris_.caldo(r, IndiceTemperatura, s, c)) : QString());
        }
        caldo(8, s)->setText(mostra(ris_.ntir[std::size_t(r)][std::size_t(s)]));
        caldo(9, s)->setText(mostra(ris_.tottir[std::size_t(r)][std::size_t(s)]));
    }
}

void cuciture::HScroll1_Change()
{
    lati_.eserc->setText(QString::number(lati_.hscroll1->value() - 41));
    IndiceTemperatura = lati_.hscroll1->value();
    mostraCaldo();
}

void cuciture::mostraFreddo()
{
    RigaRisultati = vscroll3_->value();
    for (int k = 1; k <= 5; ++k) {
        const auto r = std::size_t(RigaRisultati + k - 1);
        freddo(0, k)->setText(QString::number(r));
        freddo(1, k)->setText(mostra(ris_.sigmf[r]));
        freddo(2, k)->setText(mostra(ris_.compv[r]));
        freddo(3, k)->setText(mostra(ris_.assorb[r]));
        freddo(4, k)->setText(mostra(ris_.bar[r]));
        freddo(5, k)->setText(mostra(ris_.orizz[r]));
    }
}

void cuciture::VScroll4_Change(int linea)
{
    const int r = std::clamp(RigaRisultati + linea - 1, 1, kRighe);
    ris_.sigmf[std::size_t(r)] = vscroll4_[std::size_t(linea)]->value();
    memoria_.dimentica();
    CalcolaCuciture();
}

void cuciture::VScroll9_Change(int lato)
{
    const int r = std::clamp(RigaRisultati, 1, kRighe);
    ris_.ntir[std::size_t(r)][std::size_t(lato)] = lati_.barre[std::size_t(lato)]->value();
    memoria_.dimentica();
    mostraCaldo();
    CalcolaCuciture();
}

// ---- data check and clearing ---------------------------------------------------------

std::optional<FinestraRighe::Mancante> cuciture::primoMancante() const
{
    if (const auto m = modcuciture::primoMancante(dati_, NumeroCuciture, TipoCucitura)) {
        return Mancante{m->riga, int(m->campo)};
    }
    return std::nullopt;
}

QString cuciture::testoNessunDato() const { return T::kNessunDato; }

QString cuciture::testoMancante(const Mancante& m) const
{
    return modcuciture::testoMancante({m.riga, Campo(m.campo)});
}

void cuciture::cancella_click()
{
    // Every row, not only the counted ones: a row typed beyond a gap would
    // otherwise come back at the next count.
    for (int r = 1; r <= kRighe; ++r) {
        for (int c = 0; c < kCampi; ++c) {
            if (!dati_.valore(c, r).isNull()) {
                dati_.colonna(c)[std::size_t(r)] = QLatin1String("");
            }
        }
    }
    svuotaRisultati();
    NumeroCuciture = 0;
    // The cold table but its row numbers.
    svuotaVista(conteggio_, {std::span(freddo_).subspan(1)});
    for (const auto& colonna : lati_.celle) {
        colonna[1]->clear();
        colonna[2]->clear();
    }
    lati_.numcons->clear();
    lati_.eserc->clear();
    GuidaCuciture();
    aggiornaGrafico();
}

// ---- archive -------------------------------------------------------------------------

void cuciture::scriviDati(archivio::ScrittoreRecord& w)
{
    scriviCuciture(w, dati_, NumeroCuciture, TipoCucitura);
    scriviFrontespizio(w);
    Scelte s;
    for (int lato = 1; lato <= 2; ++lato) {
        s.mostrati[std::size_t(lato)] = numeri::daTesto(caldo(8, lato)->text());
    }
    for (int r = 1; r <= std::clamp(NumeroCuciture, 0, kRighe); ++r) {
        const auto i = std::size_t(r);
        s.righe.push_back({ris_.sigmf[i], ris_.ntir[i][1], ris_.ntir[i][2]});
    }
    scriviScelte(w, s);
}

void cuciture::leggiDati(archivio::LettoreRecord& r)
{
    // Read aside and taken over whole: a broken file leaves the window as it
    // was, and rows of earlier work beyond the file's rows do not mix in.
    tipoLetto_ = 0;
    DatiCuciture letti;
    const Intestazione t = leggiCuciture(r, letti);
    leggiFrontespizio(r);
    const std::optional<Scelte> scelte = leggiScelte(r, t.numero);
    dati_ = letti;
    svuotaRisultati();
    if (scelte) {
        for (int lato = 1; lato <= 2; ++lato) {
            const Valore& v = scelte->mostrati[std::size_t(lato)];
            caldo(8, lato)->setText(v ? numeri::testo(*v) : QString());
        }
        for (std::size_t i = 0; i < scelte->righe.size(); ++i) {
            const auto& riga = scelte->righe[i];
            ris_.sigmf[i + 1] = riga[0];
            ris_.ntir[i + 1] = {Valore{}, riga[1], riga[2]};
        }
    }
    NumeroCuciture = t.numero;
    conteggio_->setText(QString::number(NumeroCuciture));
    tipoLetto_ = t.tipo;
}

void cuciture::dopoApertura()
{
    if (tipoLetto_ == 0) {
        return;
    }
    Option1_Click(tipoLetto_);
    tipoLetto_ = 0;
    VScroll1_Change();
    GuidaCuciture();
    CalcolaCuciture();
}

// ---- printouts -----------------------------------------------------------------------

void cuciture::acquisizionedati_Click(stampa::Uscita dove) { suLavoro(dove, stampaModulo); }

void cuciture::stampaDati(platform::Stampante& p, ModoStampa modo)
{
    // The data area moves through the rows, so every row is recomputed.
    for (int pos = 6; pos <= NumeroCuciture; pos += 5) {
        VScroll1()->setValue(pos);
    }
    stampaDatiRisultati(p, dati_, ris_, NumeroCuciture, TipoCucitura, progettoFrontespizio(),
                        modo == ModoStampa::InRelazione);
}

std::optional<ChiusuraRelazione> cuciture::chiusuraRelazione() const
{
    if (NumeroCuciture == 0) {
        return std::nullopt;
    }
    return ChiusuraRelazione{{}, TipoCucitura};
}
