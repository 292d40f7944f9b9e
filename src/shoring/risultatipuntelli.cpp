#include "shoring/risultatipuntelli.h"
#include "platform/caratteri.h"

#include "shell/datifrontespizio.h"
#include "shell/modrinsal.h"
#include "shell/numeri.h"
#include "shoring/calcolo.h"
#include "shoring/dati.h"
#include "shoring/stampe.h"
#include "shoring/testi.h"

#include <QApplication>
#include <algorithm>

using namespace modpuntelli;
namespace T = modpuntelli::testi;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

namespace {
ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 3;
    c.caption = T::kCaptionRisultati;
    c.nomeDomanda = QStringLiteral("Risultati");
    c.tipoCalcolo = 1;
    c.guida = IdFinestra::GuidaRisultatiPuntelli;
    c.stampa = ConfigFinestra::Stampa::SoloDati;
    c.pulsante2 = ConfigFinestra::Pulsante2::DatiEFrontespizio;
    c.grigioAnche = {IdFinestra::Puntelli, IdFinestra::Frontespizio};
    c.aiuto = T::kAiutoRisultati.split(QLatin1Char('\r'));
    return c;
}

QFont carattere()
{
    QFont f(platform::famigliaSchermo(QStringLiteral("DejaVu Sans Condensed")));
    f.setPointSize(8);
    return f;
}

QString progettoCorrente()
{
    return progettoFrontespizio();
}

QString testo(const std::optional<double>& v) { return v ? numeri::testo(*v) : QString(); }

void colora(QLineEdit* e, const QColor& c)
{
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, c);
    e->setPalette(pal);
}

} // namespace

QColor risultatipuntelli::neutro() { return QApplication::palette().color(QPalette::Button); }

risultatipuntelli::risultatipuntelli(QWidget* parent)
    : FinestraCalcolo(configurazione(), parent)
{
    QWidget* s = superficie();
    const QFont f = carattere();
    auto etichetta = [&](const QString& t, const QString& suggerimento, QRect geo) {
        auto* l = new QLabel(t, s);
        l->setFont(f);
        l->setToolTip(suggerimento);
        l->setGeometry(geo);
        return l;
    };
    auto casella = [&](QRect geo) {
        auto* e = new QLineEdit(s);
        e->setFont(f);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setGeometry(geo);
        colora(e, neutro());
        return e;
    };

    for (int k = 1; k <= 14; ++k) {
        const T::Riga& r = T::kRis[k];
        const int y = 500 + (k - 1) * 255;
        captions_[std::size_t(k)] = etichetta(QString::fromUtf8(r.caption), QString::fromUtf8(r.tooltip),
                                               twips(60, y, 3600, 240));
        ris_[std::size_t(k)] = casella(twips(3700, y, 1200, 240));
        ris_[std::size_t(k)]->setObjectName(QStringLiteral("ris%1").arg(k));
        etichetta(QString::fromUtf8(r.unita), QString(), twips(4960, y, 700, 240));
    }
    ris_[1]->setText(T::kAttrito);

    etichetta(T::kLabel2Risultati, T::kLabel2RisultatiTooltip, twips(5760, 500, 1400, 270));
    consolid_ = etichetta(QString(), QString(), twips(7200, 500, 600, 270));
    consolid_->setFrameShape(QFrame::Panel);
    consolid_->setFrameShadow(QFrame::Sunken);
    consolid_->setAlignment(Qt::AlignCenter);
    hscroll_ = new QScrollBar(Qt::Horizontal, s);
    hscroll_->setObjectName(QStringLiteral("HScroll1"));
    hscroll_->setGeometry(twips(7860, 500, 1680, 255));
    hscroll_->setRange(1, kMaxConsolidamenti);
    hscroll_->setPageStep(5);
    connect(hscroll_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    tipocon_ = etichetta(QString(), T::kTipoconTooltip, twips(5760, 840, 3780, 420));
    tipocon_->setWordWrap(true);
    tipocon_->setFrameShape(QFrame::Panel);
    tipocon_->setFrameShadow(QFrame::Sunken);
    tipocon_->setObjectName(QStringLiteral("tipocon"));
    etichetta(T::kLabel4, QString(), twips(5760, 1320, 3780, 240));
    note_ = etichetta(QString(), QString(), twips(5760, 1560, 3780, 2500));
    note_->setObjectName(QStringLiteral("note"));
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note_->setFrameShape(QFrame::Panel);
    note_->setFrameShadow(QFrame::Sunken);

    for (int k = 1; k <= 6; ++k) {
        const T::Riga& r = T::kPunt[k];
        const int x = 60 + (k - 1) * 1500;
        auto* h = etichetta(QString::fromUtf8(r.caption), QString::fromUtf8(r.tooltip), twips(x, 4140, 1440, 420));
        h->setWordWrap(true);
        h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        punt_[std::size_t(k)] = casella(twips(x + 120, 4590, 1200, 255));
        punt_[std::size_t(k)]->setObjectName(QStringLiteral("punt%1").arg(k));
        auto* u = etichetta(QString::fromUtf8(r.unita), QString(), twips(x, 4860, 1440, 240));
        u->setAlignment(Qt::AlignHCenter);
    }
    vscroll_ = new QScrollBar(Qt::Vertical, s);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    vscroll_->setGeometry(twips(9180, 4140, 255, 960));
    vscroll_->setRange(1, kMaxPuntelli);
    vscroll_->setPageStep(2);
    vscroll_->setEnabled(false);
    connect(vscroll_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    completaCaricamento();
    passo()->setText(T::kSolaLettura);
}

FinestraCalcolo* risultatipuntelli::dati() const { return finestre::ottieni<FinestraCalcolo>(IdFinestra::Puntelli); }

void risultatipuntelli::visualizza()
{
    hscroll_->setEnabled(true);
    vscroll_->setEnabled(true);
    if (lavoro().numeroConsolidamenti == 0) {
        hscroll_->setEnabled(false);
        vscroll_->setEnabled(false);
        return;
    }
    if (hscroll_->value() == 1) {
        HScroll1_Change();
    } else {
        hscroll_->setValue(1);
    }
}

void risultatipuntelli::SbiancaRisultati()
{
    for (int k = 2; k <= 14; ++k) colora(ris_[std::size_t(k)], neutro());
    for (int k = 1; k <= 6; ++k) colora(punt_[std::size_t(k)], neutro());
    vscroll_->setEnabled(false);
}

void risultatipuntelli::evidenzia(std::initializer_list<int> righe)
{
    for (int k : righe) colora(ris_[std::size_t(k)], evidenziato());
}

void risultatipuntelli::HScroll1_Change()
{
    const int n = lavoro().numeroConsolidamenti;
    if (n == 0) {
        hscroll_->setValue(1);
        return;
    }
    if (hscroll_->value() > n) {
        hscroll_->setValue(n);
        platform::messaggi().mostra(T::kNonAltriConsolidamenti, ModRinsal::TitoloControllo, Icona::Informazione,
                                    Pulsanti::Ok, Risposta::Ok);
        return;
    }
    cancella_click();
    const int c = hscroll_->value();
    ConsolidamentoMostrato = c;
    consolid_->setText(QString::number(c));
    SbiancaRisultati();
    const Consolidamento& k = lavoro().at(c);
    TipoMostrato = k.tipo;
    const int t = tipoCalcolato(TipoMostrato);
    if (t == 2) {
        if (vscroll_->value() == 1) {
            VScroll1_Change();
        } else {
            vscroll_->setValue(1);
        }
    }

    const Risultati& r = k.ris;
    if (t != 3) ris_[2]->setText(testo(r.caricoComplessivo));
    if (t == 3) {
        ris_[3]->setText(testo(r.caricoComplessivo));
        ris_[4]->setText(testo(r.azioneScorrimento));
    }
    ris_[5]->setText(testo(r.coefficienteC1));
    ris_[6]->setText(testo(r.coefficienteC2));
    if (t == 1) {
        ris_[7]->setText(testo(r.forzaAttrito));
        ris_[8]->setText(testo(r.forzaCoesione));
    }
    if (t != 2) {
        ris_[9]->setText(testo(r.sforzoNormale));
        ris_[10]->setText(testo(r.sigmaLavoro));
    }
    ris_[11]->setText(testo(r.lunghezzaPuntello));
    ris_[12]->setText(testo(r.distanzaFondazione));
    ris_[13]->setText(testo(r.latoSezione));
    ris_[14]->setText(k.ang);
    ris_[14]->setToolTip(t == 3 ? QString() : T::kAngoloComeInserito);

    tipocon_->setText(T::nomeTipo(t));
    switch (t) {
    case 3: evidenzia({3, 4, 5, 6, 9, 10, 11, 12, 13, 14}); break;
    case 2:
        evidenzia({2, 5, 6, 11, 12, 13});
        for (int j = 1; j <= 6; ++j) colora(punt_[std::size_t(j)], evidenziato());
        vscroll_->setEnabled(true);
        break;
    default: evidenzia({2, 5, 6, 7, 8, 9, 10, 11, 12, 13}); break;
    }
    CommentoRisultati();
}

void risultatipuntelli::VScroll1_Change()
{
    const Consolidamento& k = lavoro().at(ConsolidamentoMostrato);
    const int n = k.numeroPuntelli;
    const int p = vscroll_->value();
    if (n == 0) {
        // Nothing counted: the bar rests at its minimum and the boxes stay empty.
        if (p > 1) {
            vscroll_->setValue(1);
            platform::messaggi().mostra(T::kNonAltriPuntelli + QLatin1Char(' ') +
                                            QString::number(ConsolidamentoMostrato) + T::kDaVisualizzare,
                                        ModRinsal::TitoloControllo, Icona::Informazione, Pulsanti::Ok, Risposta::Ok);
        }
        return;
    }
    if (p > n) {
        vscroll_->setValue(n);
        platform::messaggi().mostra(T::kNonAltriPuntelli + QLatin1Char(' ') + QString::number(ConsolidamentoMostrato) +
                                        T::kDaVisualizzare,
                                    ModRinsal::TitoloControllo, Icona::Informazione, Pulsanti::Ok, Risposta::Ok);
        return;
    }
    const RisultatiPuntello& r = k.risPuntelli[std::size_t(p)];
    punt_[1]->setText(QString::number(n));
    punt_[2]->setText(QString::number(p));
    punt_[3]->setText(testo(r.spinta));
    punt_[4]->setText(testo(r.risultantePuntello));
    punt_[5]->setText(testo(r.risultanteParete));
    punt_[6]->setText(testo(r.sigmaPuntello));
}

void risultatipuntelli::CommentoRisultati()
{
    const int t = tipoCalcolato(TipoMostrato);
    if (t == 3) {
        note_->setText(T::kCommento3);
        return;
    }
    if (t == 2) {
        note_->setText(T::kCommento2);
        return;
    }
    const Risultati& r = lavoro().at(ConsolidamentoMostrato).ris;
    QString nota = T::kCommento1;
    if (r.latoSezione && *r.latoSezione < 20) {
        nota += T::kCommentoSezione;
    }
    if (r.forzaCoesione && *r.forzaCoesione < 0) {
        nota += T::kCommentoCoesione;
    }
    note_->setText(nota);
}

void risultatipuntelli::cancella_click()
{
    for (int k = 2; k <= 14; ++k) ris_[std::size_t(k)]->clear();
    for (int k = 1; k <= 6; ++k) punt_[std::size_t(k)]->clear();
}

void risultatipuntelli::indietro_Click()
{
    cancella_click();
    finestre::mostra(IdFinestra::Puntelli);
}

bool risultatipuntelli::controlla_click()
{
    double somma = 0;
    for (int k = 2; k <= 14; ++k) {
        somma += numeri::daTesto(ris_[std::size_t(k)]->text()).value_or(0);
    }
    if (somma == 0) {
        platform::messaggi().mostra(T::kNessunRisultato, ModRinsal::TitoloControllo, Icona::Esclamativa,
                                    Pulsanti::Ok, Risposta::Ok);
        finestre::mostra(IdFinestra::Puntelli);
        return false;
    }
    std::vector<QLineEdit*> attesi;
    switch (tipoCalcolato(TipoMostrato)) {
    case 3:
        for (int k : {3, 4, 5, 6, 9, 10, 11, 12, 13, 14}) attesi.push_back(ris_[std::size_t(k)]);
        break;
    case 2:
        for (int k : {2, 5, 6, 11, 12, 13}) attesi.push_back(ris_[std::size_t(k)]);
        for (int k = 1; k <= 6; ++k) attesi.push_back(punt_[std::size_t(k)]);
        break;
    default:
        for (int k : {2, 5, 6, 7, 8, 9, 10, 11, 12, 13}) attesi.push_back(ris_[std::size_t(k)]);
        break;
    }
    const bool vuoto = std::any_of(attesi.begin(), attesi.end(), [](QLineEdit* e) { return e->text().isEmpty(); });
    platform::messaggi().mostra(vuoto ? T::kRisultatiScorretti : T::kRisultatiCorretti, ModRinsal::TitoloControllo,
                                Icona::Informazione, Pulsanti::Ok, Risposta::Ok);
    return !vuoto;
}

bool risultatipuntelli::stampaPossibile()
{
    if (tipocon_->text().isEmpty()) {
        platform::messaggi().mostra(T::kNullaDaStampare, ModRinsal::TitoloControllo, Icona::Domanda, Pulsanti::Ok,
                                    Risposta::Ok);
        return false;
    }
    return true;
}

void risultatipuntelli::stampaDati(platform::Stampante& p, ModoStampa modo)
{
    StampaDatiRisultati(p, lavoro(), progettoCorrente(), modo == ModoStampa::InRelazione);
}

void risultatipuntelli::apri_click()
{
    FinestraCalcolo* d = dati();
    d->apri_click();
    cancella_click();
    dynamic_cast<CalcoloPuntelli&>(*d).cmdavanti_Click();
}

void risultatipuntelli::salva_click() { dati()->salva_click(); }
void risultatipuntelli::salvanome_click() { dati()->salvanome_click(); }
void risultatipuntelli::eliminare_click() { dati()->eliminare_click(); }

std::optional<ChiusuraRelazione> risultatipuntelli::chiusuraRelazione() const
{
    if (tipocon_->text().isEmpty()) {
        return std::nullopt;
    }
    return ChiusuraRelazione{tipocon_->text(), 0};
}
