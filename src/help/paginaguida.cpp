#include "help/paginaguida.h"

#include "help/testi.h"
#include "shell/modrinsal.h"
#include "shell/finestre.h"
#include "shell/stampa.h"

#include <QKeyEvent>

namespace {
constexpr int kLarghezzaManuale = 9600;
constexpr int kLarghezzaPagina = 5640;
constexpr int kAltezza = 6825;
constexpr int kSinistraPagina = 5467;
} // namespace

ContenutoGuida contenutoGuida(IdFinestra id)
{
    namespace g = testi::guida;
    switch (id) {
    case IdFinestra::Manuale: return {QStringLiteral("MANUALE D'USO RAPIDO"), g::kTestoManuale, true};
    case IdFinestra::GuidaFunzionamento:
        return {QStringLiteral("FUNZIONAMENTO DEL PROGRAMMA"), g::kTestoFunzionamento};
    case IdFinestra::GuidaArchivio: return {QStringLiteral("ARCHIVIO DATI"), g::kTestoArchivio};
    case IdFinestra::GuidaStampa: return {QStringLiteral("COME STAMPARE"), g::kTestoStampa};
    case IdFinestra::GuidaPuntelli: return {QStringLiteral("FINESTRA PUNTELLI"), g::kTestoPuntelli};
    case IdFinestra::GuidaRisultatiPuntelli:
        return {QStringLiteral("FINESTRA RISULTATI PUNTELLI"), g::kTestoRisultatiPuntelli};
    case IdFinestra::GuidaTiranti: return {QStringLiteral("FINESTRA TIRANTI"), g::kTestoTiranti};
    case IdFinestra::GuidaCercol: return {QStringLiteral("FINESTRA CERCHIATURE COLONNE"), g::kNonAttiva};
    case IdFinestra::GuidaCerpil: return {QStringLiteral("FINESTRA CERCHIATURE PILASTRI"), g::kNonAttiva};
    case IdFinestra::GuidaCuciture: return {QStringLiteral("FINESTRA CUCITURE"), g::kTestoCuciture};
    case IdFinestra::GuidaFrontespizio: return {QStringLiteral("FINESTRA FRONTESPIZIO"), g::kTestoFrontespizio};
    default: return {};
    }
}

QStringList pezziDiTesto(const QString& testo, int passo)
{
    QStringList pezzi;
    for (qsizetype i = 0; i < testo.size(); i += passo) {
        pezzi << testo.mid(i, passo);
    }
    return pezzi;
}

void stampaTitoloGuida(platform::Stampante& p, const QString& titolo)
{
    p.impostaY(stampa::kYInizio);
    p.impostaFont(QStringLiteral("Courier"));
    p.impostaDimensione(stampa::kTitolo);
    p.stampaRiga({stampa::a(7, titolo)});
    p.impostaDimensione(stampa::kIntestazione);
    p.rigaVuota();
}

PaginaGuida::PaginaGuida(IdFinestra id, QWidget* parent)
    : QWidget(parent)
    , id_(id)
{
    namespace g = testi::guida;
    ModRinsal::ImpostaCostanti();
    const ContenutoGuida c = contenutoGuida(id);
    const int larghezza = c.manuale ? kLarghezzaManuale : kLarghezzaPagina;
    setWindowTitle(g::kPaginaCaption);

    Label1_ = new QLabel(c.intestazione, this);
    Label1_->setGeometry(twips(240, 120, larghezza - 480, 420));
    QFont f = Label1_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    Label1_->setFont(f);
    Label1_->setAlignment(Qt::AlignCenter);

    Label2_ = new QLabel(c.testo, this);
    Label2_->setGeometry(twips(240, 660, larghezza - 480, 5340));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2_->setTextFormat(Qt::PlainText);

    cmdchiudi_ = new QPushButton(g::kChiudi, this);
    cmdstampa_ = new QPushButton(g::kStampa, this);
    cmdsommario_ = new QPushButton(g::kSommario, this);
    const int largPuls = 1500;
    const int spazio = (larghezza - 3 * largPuls) / 4;
    QPushButton* pulsanti[3] = {cmdchiudi_, cmdstampa_, cmdsommario_};
    for (int i = 0; i < 3; ++i) {
        pulsanti[i]->setGeometry(twips(spazio + i * (largPuls + spazio), 6180, largPuls, 420));
    }
    if (c.manuale) {
        cmdsommario_->setToolTip(g::kManualeSommarioTooltip);
        cmdstampa_->setToolTip(g::kManualeStampaTooltip);
    }
    connect(cmdchiudi_, &QPushButton::clicked, this, &PaginaGuida::cmdchiudi_Click);
    connect(cmdstampa_, &QPushButton::clicked, this, &PaginaGuida::cmdstampa_Click);
    connect(cmdsommario_, &QPushButton::clicked, this, &PaginaGuida::cmdsommario_Click);

    resize(tw(larghezza), tw(kAltezza));
    applicaScalaIniziale(scala_, this, larghezza, kAltezza);
    if (!c.manuale) {
        move(tw(kSinistraPagina), y());
    }
}

void PaginaGuida::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    scala_.ResizeControls();
}

void PaginaGuida::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdchiudi_Click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void PaginaGuida::cmdchiudi_Click() { finestre::chiudi(id_); }

void PaginaGuida::cmdsommario_Click() { mostraSommario(); }

void PaginaGuida::cmdstampa_Click()
{
    auto p = stampa::apriLavoro();
    if (!p) {
        return;
    }
    stampaTitoloGuida(*p, ModRinsal::NomeProgramma + QStringLiteral(" - ") + ModRinsal::Sottotitolo);
    p->stampaRiga({stampa::a(10, Label1_->text())});
    for (const QString& pezzo : pezziDiTesto(Label2_->text())) {
        p->rigaVuota();
        p->stampaRiga({stampa::a(10, pezzo)});
    }
    stampa::chiudiLavoro(*p);
}
