#include "pillarhooping/cerpil.h"

#include "pillarhooping/archivio.h"
#include "pillarhooping/stampe.h"
#include "pillarhooping/testi.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/datifrontespizio.h"
#include "shell/numeri.h"

namespace T = testi_cerpil;
using namespace modcerpil;

using namespace controlli;

namespace {

// Fields that belong to one type only, with their caption and unit labels.
constexpr Campo kSpecifici[5] = {Car, Fesc, Fesl, Tens, Temp};

ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 6;
    c.caption = T::kTitoloFinestra;
    c.nomeDomanda = T::kNomeFinestra;
    c.tipoCalcolo = 4;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaCerpil;
    c.controlla = true;
    c.suggerimenti = false;
    c.tooltipSommario = true;
    c.aiuto = T::kAiuto.split(QLatin1Char('\r'));
    c.frontespizioNelFile = false;
    return c;
}

bool diametroDifficile(const QString& t) { return numeri::numeroIniziale(t) > 10; }

} // namespace

cerpil::cerpil(QWidget* parent)
    : FinestraRighe(configurazione(), kRighe, parent)
{
    conteggio_ = costruisciConteggioTipo(
        {T::kNConsolidamenti, T::kNConsolidamentiTooltip, T::kOpzioni[0], T::kOpzioni[1], T::kOpzioneFreddoTooltip},
        opzioni_, [this](int k) { Option1_Click(k); });

    costruisciDati();
    costruisciCaldo();
    costruisciFreddo();

    passo()->setToolTip(T::kPassoTooltip);
    // This window has no online guide behind the button.
    disconnect(guidainlinea(), &QPushButton::clicked, nullptr, nullptr);

    // Load: everything stands as designed until a type is chosen.
    completaCaricamento();
    GuidaPilastri();
    LineaCorrente = 1;
    RigaInizio = 1;
}

// ---- type and input ---------------------------------------------------------------

void cerpil::Option1_Click(int k)
{
    if (k != kCaldo && k != kFreddo) {
        return;
    }
    TipoPilastri = k;
    opzioni_[std::size_t(k)]->setChecked(true);
    frameDati_->setEnabled(true);
    for (Campo c : kSpecifici) {
        abilitaColonna(c, false);
    }
    for (int i = 1; i <= 5; ++i) {
        vscroll8_[std::size_t(i)]->setEnabled(true);
        vscroll6_[std::size_t(i)]->setEnabled(k == kCaldo);
    }
    for (int s = 1; s <= 2; ++s) {
        lati_.barre[std::size_t(s)]->setVisible(k == kCaldo);
    }
    frameFreddo_->setVisible(k == kFreddo);
    lati_.frame->setVisible(k == kCaldo);
    if (k == kCaldo) {
        for (Campo c : {Fesc, Fesl, Tens, Temp}) {
            abilitaColonna(c, true);
        }
    } else {
        abilitaColonna(Car, true);
    }
    GuidaPilastri();
}

void cerpil::campo_Change(int c, int linea)
{
    QLineEdit& f = *campo(c, linea);
    if (c == Diam) {
        note_->clear();
    }
    if (!cambioCampoRiga(f, dati_.colonna(c), RigaInizio, linea, VarianteCampo::Normale, RigaCorrente)) {
        return;
    }
    if (c == Cort) {
        LineaCorrente = linea;
        ContaPilastri();
    } else if (c == Diam && diametroDifficile(dati_.valore(Diam, RigaCorrente))) {
        note_->setText(T::kNotaDiametro);
    }
    ricalcola();
}

void cerpil::calcoloRinviato()
{
    GuidaPilastri();
    CalcolaPilastri();
}

void cerpil::VScroll8_Change(int linea)
{
    note_->clear();
    const int r = std::clamp(RigaInizio + linea - 1, 1, kRighe);
    const QString v = QString::number(vscroll8_[std::size_t(linea)]->value());
    campo(Diam, linea)->setText(v);
    dati_.colonna(Diam)[std::size_t(r)] = v;
    if (diametroDifficile(v)) {
        note_->setText(T::kNotaDiametro);
    }
    CalcolaPilastri();
}

void cerpil::ContaPilastri()
{
    NumeroPilastri = modcerpil::ContaPilastri(dati_);
    conteggio_->setText(QString::number(NumeroPilastri));
}

void cerpil::GuidaPilastri() { passo()->setText(testoGuida(dati_, TipoPilastri, NumeroPilastri)); }

// ---- calculation and refresh -------------------------------------------------------

void cerpil::CalcolaPilastri()
{
    int calcolate = 0;
    modcerpil::CalcolaPilastri(dati_, NumeroPilastri, ris_, &calcolate);
    scartaRisultatiVecchi(
        calcolate, [](int) { return QString(); },
        [this](int r) {
            for (auto& c : ris_.colonne) {
                c[std::size_t(r)].reset();
            }
        });
    // The rows before a stop show their new results too.
    VScroll1_Change();
}

void cerpil::VScroll1_Change()
{
    Occupato occupato;
    RigaInizio = VScroll1()->value();
    mostraRighe(rum_);
    for (int k = 1; k <= 5; ++k) {
        const int r = RigaInizio + k - 1;
        for (int c = 0; c < 5; ++c) {
            freddo(c, k)->setText(mostra(ris_.valore(c, r)));
        }
    }
}

void cerpil::HScroll1_Change()
{
    lati_.eserc->setText(QString::number(lati_.hscroll1->value() - 41));
    IndiceTemperatura = lati_.hscroll1->value();
}

// ---- data check ----------------------------------------------------------------------

std::optional<FinestraRighe::Mancante> cerpil::primoMancante() const
{
    return mancante(modcerpil::primoMancante(dati_, TipoPilastri, NumeroPilastri));
}

QString cerpil::testoNessunDato() const { return T::kNessunDato; }

QString cerpil::testoMancante(const Mancante& m) const
{
    return T::kControlloCerchiatura + QString::number(m.riga) + QStringLiteral(":\r") + T::kControlloDigitare +
           T::kControlloCampi[std::size_t(m.campo)];
}

// ---- archive -------------------------------------------------------------------------

void cerpil::scriviDati(archivio::ScrittoreRecord& w) { scriviPilastri(w, dati_, NumeroPilastri, TipoPilastri); }

void cerpil::leggiDati(archivio::LettoreRecord& r)
{
    // Read aside and taken over whole: a broken file leaves the window as it
    // was; rows after the file's rows keep what they held.
    tipoLetto_.reset();
    DatiPilastri letti = dati_;
    const Intestazione t = leggiPilastri(r, letti);
    dati_ = letti;
    NumeroPilastri = t.numero;
    tipoLetto_ = t.tipo;
}

void cerpil::dopoApertura()
{
    if (!tipoLetto_) {
        return;
    }
    Option1_Click(*tipoLetto_);
    tipoLetto_.reset();
    RigaInizio = 1;
    // The rows from the first one, whatever the bar showed before.
    if (VScroll1()->value() != 1) {
        VScroll1()->setValue(1);
    } else {
        VScroll1_Change();
    }
    // Fields whose text did not change ran no handler: count and compute here.
    ContaPilastri();
    GuidaPilastri();
    CalcolaPilastri();
}

// ---- printout ------------------------------------------------------------------------

QString cerpil::senzaListato() const { return TipoPilastri == kCaldo ? T::kSenzaListato : QString(); }

void cerpil::stampaDati(platform::Stampante& p, ModoStampa modo)
{
    (void)modo;
    stampaDatiRisultati(p, dati_, ris_, NumeroPilastri, progettoFrontespizio());
}
