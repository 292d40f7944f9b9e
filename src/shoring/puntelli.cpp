#include "shoring/puntelli.h"
#include "platform/caratteri.h"

#include "platform/piattaforma.h"
#include "shell/campi.h"
#include "shell/controlli.h"
#include "shell/modrinsal.h"
#include "shell/stampa.h"
#include "shell/testi_frame.h"
#include "shoring/archivio.h"
#include "shoring/guida.h"
#include "shoring/stampe.h"
#include "shoring/testi.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QTimer>

using namespace modpuntelli;
namespace T = modpuntelli::testi;
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

namespace {
ConfigFinestra configurazione()
{
    ConfigFinestra c;
    c.numero = 2;
    c.caption = T::kCaptionDati;
    c.nomeDomanda = QStringLiteral("Puntelli");
    c.tipoCalcolo = 1;
    c.prefisso = T::kPrefisso;
    c.guida = IdFinestra::GuidaPuntelli;
    c.stampa = ConfigFinestra::Stampa::SoloModello;
    c.tooltipStampa = QStringLiteral("stampa modello acquisizione dati");
    c.pulsante2 = ConfigFinestra::Pulsante2::Risultati;
    c.grigioAnche = {IdFinestra::Risultati, IdFinestra::Frontespizio};
    c.aiuto = T::kAiutoDati.split(QLatin1Char('\r'));
    c.archivioVuotoControllato = true;
    return c;
}

QFont carattere()
{
    QFont f(platform::famigliaSchermo(QStringLiteral("DejaVu Sans Condensed")));
    f.setPointSize(8);
    return f;
}

constexpr int kRiga = 255;          // twips between two rows of controls
constexpr int kRigaCampi = 2160;    // top of the first input field

// Geometry of the option frames (Option1..Option8), in twips.
const QRect kCornici[9] = {
    {}, twips(60, 800, 4680, 810),   twips(60, 1650, 2980, 1575), twips(3090, 1650, 1650, 1065),
    twips(60, 3330, 4680, 1065),    twips(60, 4440, 4680, 810),  twips(3090, 2760, 1650, 540),
    twips(4800, 740, 4740, 800),    twips(4800, 1560, 4740, 540)};

// Screen row of each field; row 7 holds the prop number.
constexpr int kRigaCampo[puntelli::NumeroCampi] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12};

// A label in the window's font.
QLabel* etichetta(const QString& testo, const QString& suggerimento, QRect geo, QWidget* padre)
{
    auto* l = new QLabel(testo, padre);
    l->setFont(carattere());
    l->setToolTip(suggerimento);
    l->setGeometry(geo);
    return l;
}

// A sunken box that shows a number.
QLabel* casella(QRect geo, QWidget* padre)
{
    auto* l = etichetta(QString(), QString(), geo, padre);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

puntelli::puntelli(QWidget* parent)
    : FinestraCalcolo(configurazione(), parent)
{
    // The data die with the window: a window opened again starts empty.
    svuota(lavoro());
    costruisci();
    completaCaricamento();
    GuidaPuntelli();   // c not set yet: the opening instruction
    ConsolidamentoCorrente = 1;
    PuntelloCorrente = 1;
    DisabilitaCampi();
    // The user is on consolidation 1 from the start: say so beside its bar.
    label1_->setText(QStringLiteral("1"));
}

void puntelli::costruisci()
{
    QWidget* s = superficie();
    etichetta(T::kLabel2, T::kLabel2Tooltip, twips(60, 500, 1500, 270), s);
    label1_ = casella(twips(1560, 500, 450, 270), s);
    label1_->setObjectName(QStringLiteral("Label1"));
    hscroll_ = new QScrollBar(Qt::Horizontal, s);
    hscroll_->setObjectName(QStringLiteral("HScroll1"));
    hscroll_->setGeometry(twips(2100, 500, 2640, 255));
    hscroll_->setRange(1, kMaxConsolidamenti);
    hscroll_->setPageStep(5);
    hscroll_->setValue(1);
    connect(hscroll_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    controlli::legaBarra(hscroll_, label1_);
    costruisciOpzioni();
    costruisciCampi();

    const int yPuntello = kRigaCampi + 7 * kRiga;
    lab8_ = etichetta(T::kLab8, T::kLab8Tooltip, twips(4800, yPuntello, 2300, 240), s);
    label6_ = casella(twips(7140, yPuntello, 600, 240), s);
    label6_->setObjectName(QStringLiteral("Label6"));
    labe8_ = etichetta(T::kLabe8, QString(), twips(8400, yPuntello, 700, 240), s);
    vscroll_ = new QScrollBar(Qt::Vertical, s);
    vscroll_->setObjectName(QStringLiteral("VScroll1"));
    vscroll_->setGeometry(twips(9180, yPuntello, 255, 3 * kRiga - 15));
    vscroll_->setRange(1, kPuntelliFinestra);
    vscroll_->setPageStep(2);
    vscroll_->setValue(1);
    connect(vscroll_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    controlli::legaBarra(vscroll_, label6_);
}

void puntelli::costruisciOpzioni()
{
    QWidget* s = superficie();
    const QFont f = carattere();
    for (int g = 1; g <= 8; ++g) {
        const T::Gruppo& gr = T::kGruppi[g];
        QWidget* cornice;
        int yPrimo = 240;
        if (g == 7) {
            // The type group has a caption label instead of a frame.
            etichetta(QString::fromUtf8(gr.cornice), QString::fromUtf8(gr.tooltip), twips(4800, 500, 4740, 240), s);
            cornice = new QWidget(s);
            yPrimo = 0;
        } else {
            auto* box = new QGroupBox(QString::fromUtf8(gr.cornice), s);
            box->setFont(f);
            cornice = box;
        }
        cornice->setGeometry(kCornici[g]);
        cornice->setToolTip(QString::fromUtf8(gr.tooltip));
        cornice->setObjectName(QStringLiteral("Frame%1").arg(g));
        cornici_[std::size_t(g)] = cornice;
        gruppi_[std::size_t(g)] = new QButtonGroup(this);
        opzioni_[std::size_t(g)].push_back(nullptr);   // 1-based
        for (int i = 1; i <= gr.quanti; ++i) {
            auto* b = new QRadioButton(QString::fromUtf8(gr.voci[i - 1]), cornice);
            b->setFont(f);
            b->setObjectName(QStringLiteral("Option%1_%2").arg(g).arg(i));
            if (g == 8 || g == 6) {
                // Short captions side by side.
                static const int x8[4] = {0, 120, 1620, 2700};
                static const int x6[3] = {0, 120, 840};
                b->setGeometry(twips(g == 8 ? x8[i] : x6[i], 240, g == 8 ? 1500 : 700, 240));
            } else {
                b->setGeometry(twips(120, yPrimo + (i - 1) * kRiga, kCornici[g].width() * 15 - 150, 240));
            }
            if (g == 1) {
                b->setToolTip(i == 1 ? T::kTooltipSotto : T::kTooltipSopra);
            }
            gruppi_[std::size_t(g)]->addButton(b, i);
            opzioni_[std::size_t(g)].push_back(b);
            connect(b, &QRadioButton::clicked, this, [this, g, i] {
                if (g == 1) {
                    Option1_Click(i);
                } else if (g == 7) {
                    Option7_Click(i);
                } else {
                    Option_Click(g, i);
                }
            });
        }
    }
}

// Input fields with caption and unit.
void puntelli::costruisciCampi()
{
    QWidget* s = superficie();
    const QFont f = carattere();
    for (int c = 0; c < NumeroCampi; ++c) {
        const T::Campo& d = T::kCampi[c];
        const int y = kRigaCampi + kRigaCampo[c] * kRiga;
        captions_[std::size_t(c)] = etichetta(QString::fromUtf8(d.caption), QString::fromUtf8(d.tooltip),
                                               twips(4800, y, 2300, 240), s);
        captions_[std::size_t(c)]->setObjectName(QString::fromUtf8(d.etichetta));
        auto* e = new QLineEdit(s);
        e->setFont(f);
        e->setObjectName(QString::fromUtf8(d.nome));
        e->setToolTip(QString::fromUtf8(d.tooltip));
        e->setGeometry(twips(7140, y, 1200, 240));
        connect(e, &QLineEdit::textChanged, this, [this, c] { campo_Change(Campo(c)); });
        connect(e, &QLineEdit::editingFinished, this, [this] { campoLasciato(); });
        campi_[std::size_t(c)] = e;
        unita_[std::size_t(c)] =
            etichetta(QString::fromUtf8(d.unita), QString(), twips(8400, y, 700, 240), s);
        unita_[std::size_t(c)]->setObjectName(QString::fromUtf8(d.etichettaUnita));
    }
}

std::vector<QWidget*> puntelli::catenaFuoco() const
{
    // Tab follows the guidance: the zone's choices, the type, the values in
    // the order they are asked for (a type's disabled fields are skipped),
    // the cracks last.
    std::vector<QWidget*> c;
    const auto gruppo = [&](int g) {
        for (QRadioButton* o : opzioni_[std::size_t(g)]) {
            if (o != nullptr) c.push_back(o);
        }
    };
    for (int g = 1; g <= 7; ++g) gruppo(g);
    for (Campo k : {carpu, ang, altpu, altar, spessfr, spessnor, sigm, rag, carsem, carpil, frec, altdef}) {
        c.push_back(campi_[k]);
    }
    gruppo(8);
    return c;
}

QRadioButton* puntelli::opzione(int gruppo, int indice) const
{
    if (gruppo < 1 || gruppo > 8) {
        return nullptr;
    }
    const auto& v = opzioni_[std::size_t(gruppo)];
    return indice >= 1 && indice < int(v.size()) ? v[std::size_t(indice)] : nullptr;
}

QString* puntelli::valore(Campo c)
{
    if (!Lavoro::valido(ConsolidamentoCorrente)) {
        return nullptr;
    }
    Consolidamento& k = lavoro().at(ConsolidamentoCorrente);
    const int p = std::clamp(PuntelloCorrente, 1, kMaxPuntelli);
    switch (c) {
    case carpu: return &k.carpu;
    case ang: return &k.ang;
    case altpu: return &k.altpu;
    case altar: return &k.altar;
    case spessfr: return &k.spessfr;
    case spessnor: return &k.spessnor;
    case sigm: return &k.sigm;
    case frec: return &k.puntelli[std::size_t(p)].frec;
    case altdef: return &k.puntelli[std::size_t(p)].altdef;
    case rag: return &k.rag;
    case carsem: return &k.carsem;
    case carpil: return &k.carpil;
    default: return nullptr;
    }
}

// ---- fields -------------------------------------------------------------------------

void puntelli::campo_Change(Campo c)
{
    QLineEdit* e = campi_[std::size_t(c)];
    QString* v = valore(c);
    // Typing is checked as in every other window; the cleaned text comes
    // back through this handler, which then does the work. A text equal to
    // the stored one is a stored text being shown, kept as it is.
    if ((v == nullptr || e->text() != *v) && !convalidaCampo(*e)) {
        return;
    }
    if (v != nullptr) {
        *v = e->text();
    }
    // A number typed digit by digit passes through values that are absurd
    // on the way ("1" of "15"): while the user types, the message waits for
    // the field to be left.
    const bool prima = digitando_;
    digitando_ = e->hasFocus();
    ricalcola();
    digitando_ = prima;
}

void puntelli::campoLasciato()
{
    if (!assurdiInSospeso_) {
        return;
    }
    // Left by a mouse press on a button or another field: a box opened now
    // would take the release and the click would be lost. The message waits
    // for the click to have acted (which may itself have said it, or mended
    // the data).
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        if (!attesaRilascio_) {
            attesaRilascio_ = true;
            qApp->installEventFilter(this);
        }
        return;
    }
    assurdiInSospeso_ = false;
    CalcolaPuntelli();
}

bool puntelli::eventFilter(QObject* o, QEvent* e)
{
    if (attesaRilascio_ && e->type() == QEvent::MouseButtonRelease) {
        attesaRilascio_ = false;
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, &puntelli::dopoIlClic);
    }
    return FinestraCalcolo::eventFilter(o, e);
}

void puntelli::dopoIlClic()
{
    // A box the click opened is answered first: one box at a time.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, &puntelli::dopoIlClic);
        return;
    }
    campoLasciato();
}

void puntelli::carica(Campo c, const QString& testo)
{
    QLineEdit* e = campi_[std::size_t(c)];
    if (e->text() == testo) {
        campo_Change(c);   // a change event would not fire
    } else {
        e->setText(testo);
    }
}

modpuntelli::EsitoCalcolo puntelli::CalcolaPuntelli()
{
    Schermo s;
    s.consolidamento = ConsolidamentoCorrente;
    s.carpu = campi_[carpu]->text();
    s.ang = campi_[ang]->text();
    s.altpu = campi_[altpu]->text();
    s.altar = campi_[altar]->text();
    s.sigm = campi_[sigm]->text();
    const EsitoCalcolo e = modpuntelli::CalcolaPuntelli(lavoro(), s);
    assurdiInSospeso_ = e.datiAssurdi() && digitando_;
    if (e.datiAssurdi() && !digitando_) {
        platform::messaggi().mostra(T::kDatiAssurdi, ModRinsal::TitoloControllo, Icona::Critica, Pulsanti::Ok,
                                    Risposta::Ok);
    }
    return e;
}

void puntelli::calcoloRinviato()
{
    GuidaPuntelli();
    CalcolaPuntelli();
}

void puntelli::GuidaPuntelli()
{
    passo()->setText(modpuntelli::GuidaPuntelli(lavoro(), ConsolidamentoCorrente, MuraturaCorrente, PuntelloCorrente));
}

// ---- option groups ---------------------------------------------------------------------

void puntelli::seleziona(int gruppo, int i)
{
    QRadioButton* b = opzione(gruppo, i);
    if (b == nullptr) {
        // A value from a file with no button: nothing to show.
        deseleziona(gruppo);
        return;
    }
    {
        const QSignalBlocker blocco(b);
        b->setChecked(true);
    }
    if (gruppo == 1) {
        Option1_Click(i);
    } else if (gruppo == 7) {
        Option7_Click(i);
    } else {
        Option_Click(gruppo, i);
    }
}

void puntelli::deseleziona(int gruppo)
{
    QButtonGroup* g = gruppi_[std::size_t(gruppo)];
    g->setExclusive(false);
    for (QAbstractButton* b : g->buttons()) {
        const QSignalBlocker blocco(b);
        b->setChecked(false);
    }
    g->setExclusive(true);
}

void puntelli::AzzeraOpzioni()
{
    for (int g = 2; g <= 8; ++g) {
        deseleziona(g);
    }
}

void puntelli::Option_Click(int gruppo, int i)
{
    if (!Lavoro::valido(ConsolidamentoCorrente)) {
        return;
    }
    Consolidamento& k = lavoro().at(ConsolidamentoCorrente);
    if (gruppo == 8) {
        k.lesioni = i;
    } else {
        k.scelta(MuraturaCorrente, gruppo) = i;
        if (gruppo == 2) {
            contaConsolidamenti(lavoro());
        }
    }
    ricalcola();
}

void puntelli::Option1_Click(int i)
{
    MuraturaCorrente = i;
    const Consolidamento& k = lavoro().at(ConsolidamentoCorrente);
    if (k.scelta(i, 2) == 0) {
        AzzeraOpzioni();
    }
    for (int g = 2; g <= 6; ++g) {
        const int v = lavoro().at(ConsolidamentoCorrente).scelta(i, g);
        if (v > 0) {
            seleziona(g, v);
        } else {
            // Nothing chosen for this zone: do not leave the other zone's choice shown.
            deseleziona(g);
        }
    }
    ricalcola();
}

void puntelli::Option7_Click(int i)
{
    if (!Lavoro::valido(ConsolidamentoCorrente)) {
        return;
    }
    lavoro().at(ConsolidamentoCorrente).tipo = i;
    DisabilitaCampi();
    GuidaPuntelli();
    AbilitaTipo(i);
    ricalcola();
}

void puntelli::abilitaCampo(Campo c, bool si)
{
    campi_[std::size_t(c)]->setEnabled(si);
    captions_[std::size_t(c)]->setEnabled(si);
    unita_[std::size_t(c)]->setEnabled(si);
}

void puntelli::DisabilitaCampi()
{
    for (int c = 0; c < NumeroCampi; ++c) {
        abilitaCampo(Campo(c), false);
    }
    label6_->setEnabled(false);
    lab8_->setEnabled(false);
    labe8_->setEnabled(false);
    label6_->clear();
    vscroll_->setEnabled(false);
    cornici_[8]->setEnabled(false);
}

void puntelli::AbilitaTipo(int tipo)
{
    switch (tipo) {
    case 1:
        for (Campo c : {carpu, ang, altpu, spessfr, spessnor, sigm}) abilitaCampo(c, true);
        cornici_[8]->setEnabled(true);
        break;
    case 2:
        for (Campo c : {carpu, ang, altpu, spessfr, spessnor, sigm, frec, altdef}) abilitaCampo(c, true);
        label6_->setEnabled(true);
        lab8_->setEnabled(true);
        labe8_->setEnabled(true);
        label6_->setText(QStringLiteral("1"));
        vscroll_->setEnabled(true);
        break;
    case 3:
        for (Campo c : {altar, spessfr, spessnor, sigm, rag, carsem, carpil}) abilitaCampo(c, true);
        break;
    default:
        break;
    }
}

// ---- moving between consolidations and props ------------------------------------------

void puntelli::impostaScorrimento(QScrollBar* s, int valore, void (puntelli::*gestore)())
{
    if (s->value() == valore) {
        (this->*gestore)();   // no change event for the same value
    } else {
        s->setValue(valore);
    }
}

void puntelli::HScroll1_Change()
{
    const RinvioCalcolo rinvio(this);
    mostraConsolidamento(hscroll_->value());
}

void puntelli::mostraConsolidamento(int c)
{
    ConsolidamentoCorrente = c;
    if (c > 1 && lavoro().at(c - 1).tipo == 0) {
        // A step of the trough jumps several consolidations: going back one
        // at a time would say the same thing once for each. The bar goes back
        // at once to the last one that can be reached, which names the
        // consolidation that still needs its type; after a single step that
        // is c - 1, as always.
        int k = c - 1;
        while (k > 1 && lavoro().at(k - 1).tipo == 0) {
            --k;
        }
        platform::messaggi().mostra(T::kNonProsegue + QLatin1Char(' ') + QString::number(k),
                                    ModRinsal::TitoloControllo, Icona::Esclamativa, Pulsanti::Ok, Risposta::Ok);
        hscroll_->setValue(k);
        return;
    }
    label1_->setText(QString::number(c));
    seleziona(1, kSotto);
    const Consolidamento& k = lavoro().at(c);
    if (k.zona[kSotto].tipologia == 0) {
        AzzeraOpzioni();
    } else {
        for (int g = 2; g <= 6; ++g) {
            seleziona(g, lavoro().at(c).scelta(kSotto, g));
        }
    }
    if (lavoro().at(c).tipo > 0) {
        seleziona(7, lavoro().at(c).tipo);
    } else {
        // No type yet: nothing to type until one is chosen.
        deseleziona(7);
        DisabilitaCampi();
    }
    impostaScorrimento(vscroll_, 1, &puntelli::VScroll1_Change);

    const Consolidamento& d = lavoro().at(c);
    const QString testi[] = {d.carpu, d.ang, d.altpu, d.altar, d.spessfr, d.spessnor, d.sigm};
    for (int i = 0; i < 7; ++i) {
        carica(Campo(i), testi[i]);
    }
    if (lavoro().at(c).tipo == 2) {
        label6_->setText(QStringLiteral("1"));
    }
    carica(frec, lavoro().at(c).puntelli[1].frec);
    carica(altdef, lavoro().at(c).puntelli[1].altdef);
    carica(rag, lavoro().at(c).rag);
    carica(carsem, lavoro().at(c).carsem);
    carica(carpil, lavoro().at(c).carpil);
    const int lesioni = lavoro().at(c).lesioni;
    if (lesioni > 0) {
        seleziona(8, lesioni);
    } else {
        deseleziona(8);
    }
}

void puntelli::VScroll1_Change()
{
    const RinvioCalcolo rinvio(this);
    PuntelloCorrente = vscroll_->value();
    label6_->setText(QString::number(PuntelloCorrente));
    const Consolidamento& k = lavoro().at(ConsolidamentoCorrente);
    const QString f = k.puntelli[std::size_t(PuntelloCorrente)].frec;
    const QString h = k.puntelli[std::size_t(PuntelloCorrente)].altdef;
    carica(frec, f);
    carica(altdef, h);
}

// ---- commands ------------------------------------------------------------------------------

EsitoControllo puntelli::verificaDati()
{
    const auto s = ControllaPuntelli(lavoro());
    if (!s) {
        return {};
    }
    return {s->icona == Icona::Esclamativa ? EsitoControllo::Tipo::NessunDato : EsitoControllo::Tipo::Incompleto,
            s->testo};
}

bool puntelli::controlla_click()
{
    const auto s = ControllaPuntelli(lavoro());
    if (s) {
        platform::messaggi().mostra(s->testo, ModRinsal::TitoloControllo, s->icona, Pulsanti::Ok, Risposta::Ok);
        return false;
    }
    if (ControlloArchivio == 1) {
        ControlloArchivio = 0;
        return true;
    }
    platform::messaggi().mostra(T::kDatiCorretti, ModRinsal::TitoloControllo, Icona::Informazione, Pulsanti::Ok,
                                Risposta::Ok);
    return true;
}

void puntelli::cancella_click()
{
    const RinvioCalcolo rinvio(this);
    AzzeraOpzioni();
    svuota(lavoro());
    for (int c = 0; c < NumeroCampi; ++c) {
        carica(Campo(c), QString());
    }
    impostaScorrimento(hscroll_, 1, &puntelli::HScroll1_Change);
    impostaScorrimento(vscroll_, 1, &puntelli::VScroll1_Change);
    deseleziona(1);
    DisabilitaCampi();
}

void puntelli::cmdavanti_Click()
{
    ControlloArchivio = 1;
    if (!controlla_click()) {
        return;
    }
    CalcolaPuntelli();
    auto* r = dynamic_cast<VistaRisultati*>(finestre::ottieni(IdFinestra::Risultati));
    if (r != nullptr) {
        r->visualizza();
        finestre::mostra(IdFinestra::Risultati);
    }
}

FinestraCalcolo* puntelli::finestraRisultati()
{
    return finestre::esistente<FinestraCalcolo>(IdFinestra::Risultati);
}

bool puntelli::stampaPossibile()
{
    // No results window yet: the data check has refused them (and said so).
    FinestraCalcolo* r = finestraRisultati();
    return r && r->stampaPossibile();
}

void puntelli::stampaDati(platform::Stampante& p, ModoStampa modo)
{
    if (FinestraCalcolo* r = finestraRisultati()) {
        r->stampaDati(p, modo);
    }
}

void puntelli::acquisizionedati_Click(stampa::Uscita dove)
{
    stampa::suLavoro(dove, ::testi::kAnteprimaModello, ModuloAcquisizione);
}

bool puntelli::haDatiDaArchiviare() const { return lavoro().numeroConsolidamenti > 0; }

void puntelli::scriviDati(archivio::ScrittoreRecord& w)
{
    ScriviPuntelli(w, lavoro());
    scriviFrontespizio(w);
}

void puntelli::leggiDati(archivio::LettoreRecord& r)
{
    LeggiPuntelli(r, lavoro());
    leggiFrontespizio(r);
}

void puntelli::dopoApertura()
{
    impostaScorrimento(hscroll_, 1, &puntelli::HScroll1_Change);
}
