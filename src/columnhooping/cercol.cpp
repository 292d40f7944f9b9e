#include "columnhooping/cercol.h"

#include "columnhooping/archivio.h"
#include "columnhooping/stampe.h"
#include "columnhooping/testi.h"
#include "shell/datifrontespizio.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/stampa.h"

#include <QSignalBlocker>

namespace T = testi_cercol;
using namespace modcercol;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

using namespace controlli;

namespace {

ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 5;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 3;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaCercol;
    c.controlla = true;
    c.suggerimenti = false;
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.archivioVuotoControllato = false;
    c.frontespizioNelFile = true;
    return c;
}

void avviso(const QString& testo, Icona icona)
{
    platform::messaggi().mostra(testo, ModRinsal::TitoloControllo, icona, Pulsanti::Ok, Risposta::Ok);
}

} // namespace

cercol::cercol(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    costruisciAree();
    offriGrafico([this] { return contenutoGrafico(); });

    // Load.
    completaCaricamento();
    GuidaCerchiature();
    LineaCorrente = 1;
    RigaInizio = 1;
}

// ---- type and input ---------------------------------------------------------------

void cercol::Option1_Click(int k)
{
    TipoCerchiatura = k;
    BloccaCampi();
    if (k == kFreddo) {
        affreddo_->setVisible(true);
        AbilitaFreddo();
    } else {
        affreddo_->setVisible(false);
        AbilitaCaldo();
    }
    aggiornaGrafico();
}

void cercol::abilita(int daCampo, int aCampo, bool si)
{
    for (int c = daCampo; c <= aCampo; ++c) {
        abilitaColonna(c, si);
    }
}

void cercol::BloccaCampi()
{
    abilita(Elic, Longh, false);
    for (int k = 1; k <= 5; ++k) {
        vscroll3_[std::size_t(k)]->setEnabled(false);
    }
}

void cercol::AbilitaFreddo()
{
    abilita(Elic, Alt, true);
    for (int k = 1; k <= 5; ++k) {
        vscroll3_[std::size_t(k)]->setEnabled(true);
    }
}

void cercol::AbilitaCaldo() { abilita(Fes, Longh, true); }

void cercol::campo_Change(int c, int linea)
{
    QLineEdit& f = *campo(c, linea);
    if (c == Rag) {
        if (TipoCerchiatura == 0) {
            // An emptied field (clearing, Open) is no typing to refuse.
            if (!f.text().isEmpty()) {
                avviso(T::kSceglierePrima, Icona::Esclamativa);
                // Nothing was stored: the field shows what the row holds.
                const QSignalBlocker blocco(&f);
                f.setText(dati_.valore(Rag, std::clamp(RigaInizio + linea - 1, 1, kRighe)));
            }
            return;
        }
        LineaCorrente = linea;
    } else if (c == Elic) {
        note_->clear();
    }
    if (!cambioCampoRiga(f, dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale, RigaCorrente)) {
        return;
    }
    if (c == Rag) {
        ContaCerchiature();
    } else if (c == Elic && numeri::numeroIniziale(f.text()) > 10) {
        note_->setText(T::kNotaDiametro);
    }
    ricalcola();
}

void cercol::calcoloRinviato()
{
    GuidaCerchiature();
    aggiornaRisultati();
}

void cercol::VScroll3_Change(int linea)
{
    note_->clear();
    const int r = std::clamp(RigaInizio + linea - 1, 1, kRighe);
    const int v = vscroll3_[std::size_t(linea)]->value();
    dati_.colonna(Elic)[std::size_t(r)] = QString::number(v);
    if (v > 10) {
        note_->setText(T::kNotaDiametro);
    }
    CalcolaCerchiature();
    // The field shows the new diameter even when the pass stopped early.
    campo(Elic, linea)->setText(dati_.valore(Elic, r));
}

void cercol::ContaCerchiature()
{
    NumeroCerchiature = modcercol::ContaCerchiature(dati_);
    label1_->setText(QString::number(NumeroCerchiature));
}

void cercol::GuidaCerchiature()
{
    if (NumeroCerchiature != 0) {
        RigaCorrente = RigaInizio + LineaCorrente - 1;
    }
    passo()->setText(testoGuida(dati_, TipoCerchiatura, NumeroCerchiature, RigaInizio + LineaCorrente - 1));
}

// ---- calculation and refresh -------------------------------------------------------

void cercol::CalcolaCerchiature()
{
    const EsitoCalcolo esito = modcercol::CalcolaCerchiature(dati_, TipoCerchiatura, NumeroCerchiature, ris_);
    scartaRisultatiVecchi(
        esito.fine == FineCalcolo::Completo ? std::clamp(NumeroCerchiature, 0, kRighe) : esito.riga - 1,
        [this](int) { return QString::number(TipoCerchiatura); }, [this](int r) { ris_.svuotaRiga(r); });
    if (esito.nota) {
        note_->setText(*esito.nota);
    }
    dopoCalcolo(esito.fine, esito.guida);
    aggiornaGrafico();
}

void cercol::VScroll1_Change()
{
    mostraRigheRisultati(
        numcon_, rum_, freddo_, [this](int c, int r) { return ris_.valoreFreddo(c, r); }, NumeroCerchiature,
        caldo_, [this] { mostraTabella(); });
    aggiornaGrafico();
}

ContenutoGrafico cercol::contenutoGrafico() const
{
    const int r = std::clamp(RigaInizio, 1, kRighe);
    ContenutoGrafico c{T::kTitoloGrafico + numeri::stampa(r), std::nullopt, {}};
    if (TipoCerchiatura == kFreddo) {
        c.motivo = T::kGraficoSoloCaldo;
        return c;
    }
    c.grafico = datiGrafico(dati_, ris_, r);
    if (!c.grafico) {
        c.motivo = motivoSenzaGrafico(r, testoGuida(dati_, TipoCerchiatura, NumeroCerchiature, r), T::kGuidaFine,
                                      T::kGuidaCerchiatura + numeri::stampa(r) + T::kGuidaImpossibile);
    }
    return c;
}

void cercol::aggiornaRisultati()
{
    Occupato occupato;
    CalcolaCerchiature();
    mostraTabella();
}

void cercol::mostraTabella()
{
    const int v = vscroll2_->value();
    const int r = std::clamp(RigaInizio, 1, kRighe);
    for (int k = 1; k <= 5; ++k) {
        const int j = v + k - 1;
        caldo(0, k)->setText(QString::number(j - 41));
        for (int c = 0; c < kColonneCaldo; ++c) {
            caldo(c + 1, k)->setText(mostra(ris_.valoreCaldo(c, r, j)));
        }
    }
}

// ---- data check and clearing ---------------------------------------------------------

std::optional<FinestraRighe::Mancante> cercol::primoMancante() const
{
    return mancante(modcercol::primoMancante(dati_, TipoCerchiatura, NumeroCerchiature));
}

QString cercol::testoNessunDato() const { return T::kNessunDato; }

QString cercol::testoMancante(const Mancante& m) const
{
    return testoRigaMancante(T::kGuidaCerchiatura, m, T::kControlloDigitare, T::kControlloCampi);
}

void cercol::cancella_click()
{
    svuotaLavoro(dati_, ris_, NumeroCerchiature, label1_, {caldo_, freddo_});
    numcon_->clear();
    note_->clear();
    GuidaCerchiature();
    aggiornaGrafico();
}

// ---- archive -------------------------------------------------------------------------

void cercol::scriviDati(archivio::ScrittoreRecord& w)
{
    scriviCerchiature(w, dati_, NumeroCerchiature, TipoCerchiatura);
    scriviFrontespizio(w);
}

void cercol::leggiDati(archivio::LettoreRecord& r)
{
    // Rows go straight into the arrays, so a broken file leaves what was read.
    tipoLetto_ = 0;
    NumeroCerchiature = 0;
    NumeroCerchiature = leggiCerchiature(r, dati_, tipoLetto_);
    leggiFrontespizio(r);
}

void cercol::dopoApertura()
{
    // Selecting an option that is already selected runs nothing.
    if (tipoLetto_ == kCaldo || tipoLetto_ == kFreddo) {
        opzioni_[std::size_t(tipoLetto_)]->setChecked(true);
    }
    tipoLetto_ = 0;
    // The refresh puts the texts into the fields, whose handlers recount and
    // recalculate; the explicit pass covers rows that are not on screen.
    VScroll1_Change();
    ContaCerchiature();
    GuidaCerchiature();
    aggiornaRisultati();
}

// ---- printouts -----------------------------------------------------------------------

void cercol::acquisizionedati_Click(stampa::Uscita dove) { suLavoro(dove, stampaModulo); }

void cercol::stampaDati(platform::Stampante& p, ModoStampa modo)
{
    // The rows are scrolled through first, as the user would see them.
    for (int v = 6; v <= NumeroCerchiature && NumeroCerchiature > 5; v += 5) {
        VScroll1()->setValue(std::min(v, VScroll1()->maximum()));
    }
    stampaDatiRisultati(p, dati_, ris_, TipoCerchiatura, NumeroCerchiature, progettoFrontespizio(),
                        modo == ModoStampa::InRelazione);
}

std::optional<ChiusuraRelazione> cercol::chiusuraRelazione() const
{
    if (NumeroCerchiature == 0) {
        return std::nullopt;
    }
    return ChiusuraRelazione{{}, TipoCerchiatura};
}
