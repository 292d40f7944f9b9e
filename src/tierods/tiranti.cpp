#include "tierods/tiranti.h"

#include "shell/datifrontespizio.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "tierods/archivio.h"
#include "tierods/stampe.h"
#include "tierods/testi.h"

namespace T = testi_tiranti;
using namespace modtiranti;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

using namespace controlli;

namespace {

ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 4;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 2;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaTiranti;
    c.titoloColore = T::kTitoloColore;
    c.grigioAnche = {IdFinestra::Frontespizio};
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.archivioVuotoControllato = true;
    c.frontespizioNelFile = true;
    return c;
}

} // namespace

tiranti::tiranti(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    costruisciAree();
    offriGrafico([this] { return contenutoGrafico(); });

    // Load.
    completaCaricamento();
    GuidaTiranti();
    LineaCorrente = 1;
    RigaInizio = 1;
}

// ---- input ---------------------------------------------------------------------

void tiranti::campo_Change(int c, int linea)
{
    QLineEdit& f = *campo(c, linea);
    if (c == Spes) {
        LineaCorrente = linea;
    }
    // A pitch follows the plain pattern too: a rejected or deleted pitch is
    // stored empty, as the field shows it, instead of keeping the old value.
    if (!cambioCampoRiga(f, dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale, RigaCorrente)) {
        return;
    }
    if (c == Spes) {
        ContaTiranti();
        if (!dati_.spes[RigaCorrente].isEmpty() && dati_.coeff[RigaCorrente].isEmpty()) {
            campo(Coeff, linea)->setText(T::kCoeffPredefinito);
        }
    }
    ricalcola();
}

void tiranti::calcoloRinviato()
{
    GuidaTiranti();
    aggiornaRisultati();
}

void tiranti::ContaTiranti()
{
    NumeroTiranti = modtiranti::ContaTiranti(dati_);
    label1_->setText(QString::number(NumeroTiranti));
}

void tiranti::GuidaTiranti()
{
    passo()->setText(testoGuida(dati_, NumeroTiranti, LineaCorrente + RigaInizio - 1));
}

void tiranti::malt_Click(int k)
{
    if (k < 1 || k > 5) {
        return;
    }
    campo(Traz, lineaInModifica())->setText(T::kMalteValori[std::size_t(k - 1)]);
    if (k == 5) {
        platform::messaggi().mostra(T::kMalteScadenti, ModRinsal::TitoloControllo, Icona::Informazione,
                                    Pulsanti::Ok, Risposta::Ok);
    }
}

// ---- calculation and refresh -------------------------------------------------------

void tiranti::CalcolaTiranti()
{
    GuidaTiranti();
    const EsitoCalcolo esito = modtiranti::CalcolaTiranti(dati_, NumeroTiranti, ris_);
    scartaRisultatiVecchi(
        esito.fine == FineCalcolo::Completo ? std::clamp(NumeroTiranti, 0, kRighe) : esito.riga - 1,
        [](int) { return QString(); }, [this](int r) { ris_.svuotaRiga(r); });
    dopoCalcolo(esito.fine, esito.nota);
    aggiornaGrafico();
}

void tiranti::VScroll1_Change()
{
    mostraRigheRisultati(
        tirtem_, ris_lab_, risultati_, [this](int c, int r) { return ris_.colonna(c)[r]; }, NumeroTiranti,
        temperature_, [this] { mostraTabella(); });
    aggiornaGrafico();
}

ContenutoGrafico tiranti::contenutoGrafico() const
{
    const int r = std::clamp(RigaInizio, 1, kRighe);
    ContenutoGrafico c{T::kTitoloGrafico + numeri::stampa(r), datiGrafico(dati_, ris_, r), {}};
    if (!c.grafico) {
        c.motivo = motivoSenzaGrafico(r, testoGuida(dati_, NumeroTiranti, r), T::kGuidaFine,
                                      T::kGuidaTirante + numeri::stampa(r) + T::kGuidaImpossibile);
    }
    return c;
}

void tiranti::aggiornaRisultati()
{
    Occupato occupato;
    CalcolaTiranti();
    mostraTabella();
}

void tiranti::mostraTabella()
{
    const int v = vscroll2_->value();
    const int r = std::clamp(RigaInizio, 1, kRighe);
    const TabellaTemperature& t = ris_.tabella[std::size_t(r)];
    for (int k = 1; k <= 5; ++k) {
        const int j = std::clamp(v + k - 1, 1, kTemperature);
        temperatura(0, k)->setText(QString::number(j - 41));
        const double valori[5] = {t.ttir[std::size_t(j)], t.sigatt[std::size_t(j)], t.dilat[std::size_t(j)],
                                  t.traen[std::size_t(j)], t.freq[std::size_t(j)]};
        for (int c = 1; c < 6; ++c) {
            temperatura(c, k)->setText(t.presente ? numeri::testo(valori[c - 1]) : QString());
        }
    }
}

// ---- data check and clearing ---------------------------------------------------------

std::optional<FinestraRighe::Mancante> tiranti::primoMancante() const
{
    return mancante(modtiranti::primoMancante(dati_, NumeroTiranti));
}

QString tiranti::testoNessunDato() const { return T::kNessunDato; }

QString tiranti::testoMancante(const Mancante& m) const
{
    return testoRigaMancante(T::kGuidaTirante, m, T::kControlloDigitare, T::kControlloCampi);
}

void tiranti::cancella_click()
{
    svuotaLavoro(dati_, ris_, NumeroTiranti, label1_, {risultati_, temperature_});
    tirtem_->clear();
    GuidaTiranti();
    aggiornaGrafico();
}

// ---- archive -------------------------------------------------------------------------

void tiranti::scriviDati(archivio::ScrittoreRecord& w)
{
    scriviTiranti(w, dati_, NumeroTiranti);
    scriviFrontespizio(w);
}

void tiranti::leggiDati(archivio::LettoreRecord& r)
{
    // Rows go straight into the arrays, so a broken file leaves what was read.
    NumeroTiranti = 0;
    NumeroTiranti = leggiTiranti(r, dati_);
    leggiFrontespizio(r);
}

void tiranti::dopoApertura()
{
    // The refresh puts the texts into the fields, whose handlers recount and
    // recalculate; the explicit pass covers rows that are not on screen.
    VScroll1_Change();
    ContaTiranti();
    CalcolaTiranti();
}

// ---- printouts -----------------------------------------------------------------------

void tiranti::acquisizionedati_Click(stampa::Uscita dove) { suLavoro(dove, stampaModulo); }

void tiranti::stampaDati(platform::Stampante& p, ModoStampa modo)
{
    stampaDatiRisultati(p, dati_, ris_, NumeroTiranti, progettoFrontespizio(), modo == ModoStampa::InRelazione);
}

// ---- mouse ---------------------------------------------------------------------------

bool tiranti::clicAltro(QObject* o)
{
    for (int k = 1; k <= 5; ++k) {
        if (o == etichetteMalta_[std::size_t(k)]) {
            malt_Click(k);
            return true;
        }
    }
    return false;
}
