#include "report/frontespizio.h"

#include "platform/stampante_inoltro.h"

#include "platform/piattaforma.h"
#include "report/relazione.h"
#include "report/testi.h"
#include "report/testi_relazione.h"
#include "shell/modrinsal.h"
#include "shell/stampa.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <algorithm>
#include <QLocale>
#include <QVBoxLayout>

namespace T = testi_frontespizio;
namespace R = testi_relazione;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

namespace {
ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 8;
    c.caption = T::kCaption;
    c.nomeDomanda = QStringLiteral("Frontespizio");
    c.tipoCalcolo = 0;
    c.guida = IdFinestra::GuidaFrontespizio;
    c.stampa = ConfigFinestra::Stampa::Frontespizio;
    c.esciE = true;
    c.cerchiatura = true;
    c.pulsante2 = ConfigFinestra::Pulsante2::Stampa;
    c.soloDialogoColore = true;
    c.grigioAnche = {};
    c.aiuto = T::kAiuto;
    return c;
}

QString nonNullo(const QString& t) { return t.isNull() ? QString(QLatin1String("")) : t; }
} // namespace

frontespizio::frontespizio(QWidget* parent)
    : FinestraCalcolo(configurazione(), parent)
{
    QWidget* s = superficie();
    auto* titolo = new QLabel(T::kTitolo, s);
    titolo->setToolTip(T::kTitoloTooltip);
    QFont ft = titolo->font();
    ft.setPointSize(14);
    ft.setBold(true);
    titolo->setFont(ft);
    titolo->setGeometry(twips(1200, 600, 7200, 480));

    for (int i = 0; i < 6; ++i) {
        auto* et = new QLabel(T::kEtichette[i], s);
        et->setToolTip(T::kTooltip[i]);
        et->setGeometry(twips(600, 1320 + i * 480, 2400, 330));
        auto* c = new QLineEdit(s);
        c->setToolTip(T::kTooltip[i]);
        c->setGeometry(twips(3000, 1320 + i * 480, 6000, 330));
        c->setObjectName(QStringLiteral("campo%1").arg(i));
        connect(c, &QLineEdit::textChanged, this, [this, i] {
            campo_Change(i);
            DatiFrontespizio::modello().imposta(i, nonNullo(campi_[std::size_t(i)]->text()));
        });
        campi_[std::size_t(i)] = c;
    }
    auto* et = new QLabel(T::kStudio, s);
    et->setToolTip(T::kStudioTooltip);
    et->setGeometry(twips(600, 4320, 2400, 330));
    studio_ = new QLabel(s);
    studio_->setGeometry(twips(3000, 4320, 6000, 330));
    studio_->setToolTip(T::kStudioTooltip);
    indirizzo_ = new QLabel(s);
    indirizzo_->setGeometry(twips(3000, 4680, 6000, 330));
    indirizzo_->setToolTip(T::kStudioTooltip);

    // Load: scaling, today's date, the office, the guidance.
    completaCaricamento();
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    campi_[4]->blockSignals(true);
    campi_[4]->setText(italiano.toString(platform::orologio().oggi(), T::kFormatoData));
    campi_[4]->blockSignals(false);
    // A new window is a blank page dated today; from here on the texts and
    // the fields follow each other.
    auto& dati = DatiFrontespizio::modello();
    dati.carica(campiTesto());
    connect(&dati, &DatiFrontespizio::caricati, this, [this] {
        mostraCampi(DatiFrontespizio::modello().testi());
        segnalaCambio();
    });
    connect(&dati, &DatiFrontespizio::cambiato, this, [this](int i) {
        QLineEdit* c = campi_[std::size_t(i)];
        const QString t = DatiFrontespizio::modello().testo(i);
        if (c->text() != t) {
            c->blockSignals(true);
            c->setText(t);
            c->blockSignals(false);
        }
    });
    aggiornaStudio();
    passo()->setText(T::kGuida);
}

void frontespizio::aggiornaStudio()
{
    studio_->setText(platform::impostazioni().nomeStudio());
    indirizzo_->setText(platform::impostazioni().indirizzoStudio());
}

QStringList frontespizio::campiTesto() const
{
    QStringList t;
    for (QLineEdit* c : campi_) {
        t << nonNullo(c->text());
    }
    return t;
}

void frontespizio::impostaCampi(const QStringList& testi)
{
    DatiFrontespizio::modello().carica(testi);
}

void frontespizio::mostraCampi(const QStringList& testi)
{
    for (int i = 0; i < 6; ++i) {
        // Reading a file is not typing: no length warning.
        campi_[std::size_t(i)]->blockSignals(true);
        campi_[std::size_t(i)]->setText(testi.value(i));
        campi_[std::size_t(i)]->blockSignals(false);
    }
}

void frontespizio::campo_Change(int i)
{
    // Once per field when its text passes the printable length; armed again
    // when it comes back within it. A box at every key would take the keys
    // typed after the limit.
    const std::size_t k = std::size_t(i);
    if (campi_[k]->text().size() <= T::kMassimoCaratteri) {
        avvisato_[k] = false;
        return;
    }
    if (avvisato_[k]) {
        return;
    }
    avvisato_[k] = true;
    platform::messaggi().mostra(T::kTroppoLungo, ModRinsal::TitoloControllo, Icona::Esclamativa, Pulsanti::Ok,
                                Risposta::Ok);
}

// The archive commands act on the calculation in use.
void frontespizio::suCalcolo(void (FinestraCalcolo::*comando)())
{
    FinestraCalcolo* f = finestraDelCalcolo(ModRinsal::TipoCalcolo);
    if (!f) {
        avvisaFinestraNonPronta();
        return;
    }
    const int salvati = f->salvataggi();
    (f->*comando)();
    if (f->salvataggi() != salvati) {
        passo()->setText(f->passo()->text());
    }
}

void frontespizio::apri_click() { suCalcolo(&FinestraCalcolo::apri_click); }
void frontespizio::salva_click() { suCalcolo(&FinestraCalcolo::salva_click); }
void frontespizio::salvanome_click() { suCalcolo(&FinestraCalcolo::salvanome_click); }
void frontespizio::eliminare_click() { suCalcolo(&FinestraCalcolo::eliminare_click); }

void frontespizio::scriviDati(archivio::ScrittoreRecord& w)
{
    for (const QString& t : campiTesto()) {
        w.testo(t);
    }
    w.fineRecord();
}

bool frontespizio::controlla_click() { return controllodati_Click(); }

bool frontespizio::controllodati_Click()
{
    const QStringList t = campiTesto();
    QString testo;
    Icona icona;
    if (t[0].isEmpty() && t[1].isEmpty() && t[2].isEmpty() && t[5].isEmpty()) {
        testo = T::kNessunDato;
        icona = Icona::Domanda;
    } else if (std::any_of(t.begin(), t.end(), [](const QString& s) { return s.isEmpty(); })) {
        testo = T::kOgniCampo;
        icona = Icona::Esclamativa;
    } else {
        testo = QStringLiteral("I dati sono stati immessi correttamente.");
        icona = Icona::Informazione;
    }
    platform::messaggi().mostra(testo, ModRinsal::TitoloControllo, icona, Pulsanti::Ok, Risposta::Ok);
    return icona == Icona::Informazione;
}

void frontespizio::cancella_click()
{
    // The texts a save writes are cleared with the fields.
    DatiFrontespizio::modello().carica(QStringList(DatiFrontespizio::kCampi, QLatin1String("")));
}

void frontespizio::acquisizionedati_Click(stampa::Uscita dove) { solodati_Click(dove); }

void frontespizio::solodati_Click(stampa::Uscita dove)
{
    stampa::suLavoro(dove, T::kAnteprimaFrontespizio, [this](platform::Stampante& p) { stampaFrontespizio(p); });
}

void frontespizio::stampaFrontespizio(platform::Stampante& p)
{
    p.impostaY(1000);
    p.impostaFont(QStringLiteral("Courier"));
    p.impostaDimensione(18);
    p.stampaRiga({{0, T::kStampaTitolo}});
    p.impostaDimensione(12);
    p.rigaVuota();
    // Values wrap at column 40, keeping on the right the nine blank cells
    // that the labels have on the left.
    const double spazio = p.larghezzaPagina() - p.larghezzaTesto(QString(39 + 9, QLatin1Char(' ')));
    const auto riga = [&p, spazio](const QString& etichetta, const QString& valore) {
        const QStringList righe = stampa::aCapo(p, valore, spazio);
        std::vector<platform::Voce> prima;
        if (!etichetta.isEmpty()) {
            prima.push_back({10, etichetta});
        }
        prima.push_back({40, righe[0]});
        p.stampaRiga(prima);
        for (qsizetype k = 1; k < righe.size(); ++k) {
            p.stampaRiga({{40, righe[k]}});
        }
    };
    const QStringList t = campiTesto();
    for (int i = 0; i < 6; ++i) {
        riga(T::kStampaEtichette[i], t[i]);
    }
    p.rigaVuota();
    riga(T::kStampaStudio, studio_->text());
    riga(QString(), indirizzo_->text());
    stampa::chiudiLavoro(p);
}

namespace {
// The report's job, handed to the closing listing: it tells whether the
// listing ended the document, so that the report never leaves it open.
class LavoroRelazione : public platform::StampanteInoltro {
public:
    explicit LavoroRelazione(platform::Stampante& p)
        : StampanteInoltro(p)
    {
    }
    bool fineDocumento() override
    {
        if (terminato_) {
            return !d_.inErrore();
        }
        terminato_ = true;
        return d_.fineDocumento();
    }
    bool terminato() const { return terminato_; }

    // From here on every page that receives something carries its number.
    void numeraPagine() { numera_ = true; }
    void stampaRiga(const std::vector<platform::Voce>& v) override
    {
        numera();
        d_.stampaRiga(v);
        numera();   // a page the line itself has opened
    }
    void linea(double a, double b, double c, double d, int w) override
    {
        numera();
        d_.linea(a, b, c, d, w);
    }
    void scrivi(double x, double y, const QString& t) override
    {
        numera();
        d_.scrivi(x, y, t);
    }

private:
    void numera()
    {
        if (numera_ && numerata_ != d_.pagina() && !d_.inErrore()) {
            numerata_ = d_.pagina();
            relazione::NumeroPaginaInCima(d_);
        }
    }

    bool terminato_ = false;
    bool numera_ = false;
    int numerata_ = 0;
};

// StampaCompleta says "sì" exactly as long as the report prints, whatever
// way it ends.
struct ModoRelazione {
    ModoRelazione() { ModRinsal::StampaCompleta = QStringLiteral("sì"); }
    ~ModoRelazione() { ModRinsal::StampaCompleta.clear(); }
    ModoRelazione(const ModoRelazione&) = delete;
    ModoRelazione& operator=(const ModoRelazione&) = delete;
};
} // namespace

void frontespizio::stampatutto_Click() { stampa_click(); }

void frontespizio::stampa_click(stampa::Uscita dove)
{
    // The chapters of the calculation in use and the window whose listing
    // closes the report; the kinds without them are refused before the print
    // dialog.
    const int tipo = ModRinsal::TipoCalcolo;
    if (!relazione::capitoli(tipo, {}, 0)) {
        platform::messaggi().mostra(R::kNonDisponibile, ModRinsal::TitoloControllo, Icona::Informazione,
                                    Pulsanti::Ok, Risposta::Ok);
        return;
    }
    FinestraCalcolo* chiusura = finestraChiusura(tipo);
    const std::optional<ChiusuraRelazione> tipoChiusura =
        chiusura ? chiusura->chiusuraRelazione() : std::nullopt;
    if (!tipoChiusura) {
        platform::messaggi().mostra(R::kNullaDaStampare, ModRinsal::TitoloControllo, Icona::Domanda, Pulsanti::Ok,
                                    Risposta::Ok);
        return;
    }
    const relazione::Capitoli capitoli =
        *relazione::capitoli(tipo, tipoChiusura->tipoPuntelli, tipoChiusura->tipoFinestra);

    stampa::suLavoro(dove, T::kAnteprimaRelazione, [this, chiusura, capitoli](platform::Stampante& lavoro) {
        const ModoRelazione modo;
        LavoroRelazione p(lavoro);
        const QStringList campi = campiTesto();
        relazione::stampaFrontespizio(p, {campi, studio_->text(), indirizzo_->text()});
        if (!p.inErrore()) {
            relazione::stampaCapitoli(p, capitoli, campi.value(5));
        }
        if (!p.inErrore()) {
            p.impostaY(stampa::kYInizio);
            p.numeraPagine();
            chiusura->stampaDati(p, ModoStampa::InRelazione);
        }
        if (!p.terminato()) {
            p.fineDocumento();
        }
    });
}

supportoprodotto::supportoprodotto(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(T::kSupportoCaption);
    auto* v = new QVBoxLayout(this);
    auto* testo = new QLabel(T::kSupportoTesto, this);
    testo->setWordWrap(true);
    v->addWidget(testo);
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(T::kSupportoNome, this), 0, 0);
    nome_ = new QLineEdit(platform::impostazioni().nomeStudio(), this);
    g->addWidget(nome_, 0, 1);
    g->addWidget(new QLabel(T::kSupportoIndirizzo, this), 1, 0);
    indirizzo_ = new QLineEdit(platform::impostazioni().indirizzoStudio(), this);
    g->addWidget(indirizzo_, 1, 1);
    v->addLayout(g);
    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    salva_ = new QPushButton(T::kSupportoSalva, this);
    salva_->setDefault(true);
    auto* chiudi = new QPushButton(T::kSupportoChiudi, this);
    riga->addWidget(salva_);
    riga->addWidget(chiudi);
    v->addLayout(riga);
    connect(salva_, &QPushButton::clicked, this, &supportoprodotto::salva_Click);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    resize(tw(7200), tw(3000));
}

void supportoprodotto::keyPressEvent(QKeyEvent* e)
{
    // A plain window has no dialog's default button: the keys a user
    // expects of a small window are given here.
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
        if (e->key() == Qt::Key_Escape) {
            close();
            return;
        }
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            auto* b = qobject_cast<QPushButton*>(focusWidget());
            (b ? b : salva_)->click();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void supportoprodotto::salva_Click()
{
    platform::impostazioni().salvaStudio(nome_->text().trimmed(), indirizzo_->text().trimmed());
    if (auto* f = finestre::esistente<frontespizio>(IdFinestra::Frontespizio)) {
        f->aggiornaStudio();
    }
    platform::messaggi().mostra(T::kSupportoSalvato, ModRinsal::NomeProgramma, Icona::Informazione, Pulsanti::Ok,
                                Risposta::Ok);
}
