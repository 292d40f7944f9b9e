#include "shell/finestrarighe.h"

#include "shell/controlli.h"

#include <QEvent>
#include <QMouseEvent>

using namespace controlli;

namespace {
QRect twips(int l, int t, int w, int h) { return QRect(tw(l), tw(t), tw(w), tw(h)); }
} // namespace

FinestraRighe::FinestraRighe(ConfigFinestra config, int righe, QWidget* parent)
    : FinestraCalcolo(std::move(config), parent)
    , righe_(righe)
{
    superficie()->setMouseTracking(true);
    superficie()->installEventFilter(this);
}

void FinestraRighe::costruisciCampi(const std::vector<Colonna>& colonne, const Griglia& g, const QFont& didascalia,
                                    const QFont& valori, QWidget* genitore)
{
    QWidget* s = genitore ? genitore : superficie();
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;
    colonne_ = int(colonne.size());
    campi_.assign(colonne.size(), {});
    didascalie_.assign(colonne.size(), nullptr);
    unita_.assign(colonne.size(), nullptr);
    for (int c = 0; c < colonne_; ++c) {
        const Colonna& col = colonne[std::size_t(c)];
        const int largo = col.larghezzaDidascalia ? col.larghezzaDidascalia : g.larghezza;
        QLabel* d = etichetta(s, col.didascalia, twips(col.x, g.yDidascalia, largo, g.altezzaDidascalia),
                              didascalia, centro, col.suggerimento);
        if (!col.nomeDidascalia.isEmpty()) {
            d->setObjectName(col.nomeDidascalia);
        }
        QLabel* u = etichetta(s, col.unita, twips(col.x, g.yUnita, largo, g.altezzaUnita), didascalia, centro,
                              col.suggerimento);
        if (!col.nomeUnita.isEmpty()) {
            u->setObjectName(col.nomeUnita);
        }
        didascalie_[std::size_t(c)] = d;
        unita_[std::size_t(c)] = u;
        for (int k = 1; k <= kLinee; ++k) {
            auto* f = new QLineEdit(s);
            f->setGeometry(twips(col.x, g.yCampi + g.passo * (k - 1), g.larghezza, g.altezza));
            f->setFont(valori);
            f->setAlignment(Qt::AlignRight);
            f->setTextMargins(0, 0, 0, 0);
            f->setToolTip(col.suggerimento);
            f->setObjectName(col.nome + QString::number(k));
            connect(f, &QLineEdit::textChanged, this, [this, c, k] { campo_Change(c, k); });
            campi_[std::size_t(c)][std::size_t(k)] = f;
        }
    }
}

void FinestraRighe::costruisciNumeri(int x, int larghezza, int yCampi, int altezza, const QFont& f,
                                     const QString& suggerimento, QWidget* genitore)
{
    for (int k = 1; k <= kLinee; ++k) {
        auto* n = etichetta(genitore ? genitore : superficie(), QString::number(k),
                            twips(x, yCampi + 240 * (k - 1), larghezza, altezza), f, Qt::AlignHCenter | Qt::AlignVCenter,
                            suggerimento);
        n->setAutoFillBackground(true);
        n->setFrameShape(QFrame::Box);
        colora(n, kCiano);
        n->setMouseTracking(true);
        n->setCursor(Qt::PointingHandCursor);
        n->installEventFilter(this);
        n->setObjectName(QStringLiteral("num%1").arg(k));
        num_[std::size_t(k)] = n;
    }
}

void FinestraRighe::costruisciBarraRighe(int x, int y, int larghezza, int altezza, QWidget* genitore)
{
    vscroll1_ = barra(genitore ? genitore : superficie(), Qt::Vertical, twips(x, y, larghezza, altezza), 1,
                      righe_ - kLinee + 1, 1, kLinee, 1, QStringLiteral("VScroll1"));
    connect(vscroll1_, &QScrollBar::valueChanged, this, [this] { aggiornaRighe(); });
}

void FinestraRighe::abilitaColonna(int c, bool si)
{
    didascaliaColonna(c)->setEnabled(si);
    unitaColonna(c)->setEnabled(si);
    for (int k = 1; k <= kLinee; ++k) {
        campo(c, k)->setEnabled(si);
    }
}

void FinestraRighe::costruisciTabella(QWidget* genitore, const Tabella& t, const TestiTabella& testi,
                                      const QFont& testa, const QFont& cifre, std::span<ColonnaCelle> celle,
                                      const QString& nome)
{
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;
    for (std::size_t c = 0; c < celle.size(); ++c) {
        const int x = t.x + t.passo * int(c);
        const QString& suggerimento = testi.suggerimenti[c];
        etichetta(genitore, testi.didascalie[c], twips(x, t.yDidascalia, t.larghezzaTesta, t.altezzaDidascalia), testa,
                  centro, suggerimento);
        etichetta(genitore, testi.unita[c], twips(x, t.yUnita, t.larghezzaTesta, t.altezzaUnita), testa, centro,
                  suggerimento);
        for (int k = 1; k <= kLinee; ++k) {
            QLabel* l = cella(genitore, twips(x, t.yCelle + 240 * (k - 1), t.larghezza, t.altezza), cifre, suggerimento);
            if (!nome.isEmpty()) {
                l->setObjectName(nome.arg(c).arg(k));
            }
            celle[c][std::size_t(k)] = l;
        }
    }
}

void FinestraRighe::svuotaTabella(std::span<ColonnaCelle> celle)
{
    for (int k = 1; k <= kLinee; ++k) {
        for (ColonnaCelle& colonna : celle) {
            colonna[std::size_t(k)]->clear();
        }
    }
}

void FinestraRighe::costruisciNumeriRighe(QWidget* genitore, int x, int larghezza, int yCelle, const QFont& f,
                                          const QString& suggerimento, const QString& nome, ColonnaCelle& numeri)
{
    for (int k = 1; k <= kLinee; ++k) {
        QLabel* r = etichetta(genitore, QString::number(k), twips(x, yCelle + 240 * (k - 1), larghezza, 255), f,
                              Qt::AlignHCenter | Qt::AlignVCenter, suggerimento);
        r->setObjectName(nome + QString::number(k));
        numeri[std::size_t(k)] = r;
    }
}

void FinestraRighe::num_Click(int linea)
{
    const int r = RigaInizio + linea - 1;
    const int p = r - 1;
    if (righeUsate() == 0 || r < 1 || r > righe_ || !copiabile(p)) {
        return;
    }
    for (int c = 0; c < colonne_; ++c) {
        valori(c)[std::size_t(r)] = valori(c)[std::size_t(p)];
    }
    aggiornaRighe();
}

EsitoControllo FinestraRighe::verificaDati()
{
    if (righeUsate() == 0) {
        return {EsitoControllo::Tipo::NessunDato, testoNessunDato()};
    }
    if (const auto m = primoMancante()) {
        return {EsitoControllo::Tipo::Incompleto, testoMancante(*m)};
    }
    return {EsitoControllo::Tipo::Completo, QString()};
}

void FinestraRighe::mostraCampi()
{
    // Raises the fields' change handling where the text differs; the pass
    // it owes runs once, before the caller shows the results.
    const RinvioCalcolo rinvio(this);
    for (int k = 1; k <= kLinee; ++k) {
        for (int c = 0; c < colonne_; ++c) {
            QString& v = valori(c)[std::size_t(RigaInizio + k - 1)];
            const QString prima = v;
            campo(c, k)->setText(prima);
            if (prima.isNull() && conservaNulli() && v.isEmpty()) {
                v = QString();
            }
        }
    }
}

void FinestraRighe::mostraRighe(ColonnaCelle& numeri)
{
    mostraCampi();
    for (int k = 1; k <= kLinee; ++k) {
        const QString r = QString::number(RigaInizio + k - 1);
        num(k)->setText(r);
        numeri[std::size_t(k)]->setText(r);
    }
}

void FinestraRighe::svuotaCampi()
{
    for (int k = 1; k <= kLinee; ++k) {
        for (int c = 0; c < colonne_; ++c) {
            campo(c, k)->clear();
        }
    }
}

void FinestraRighe::evidenziaNumeri(int linea)
{
    for (int k = 1; k <= kLinee; ++k) {
        colora(num_[std::size_t(k)], k == linea ? kGiallo : kCiano);
    }
}

bool FinestraRighe::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) {
        if (o == superficie() || std::find(sfondi_.begin(), sfondi_.end(), o) != sfondi_.end()) {
            evidenziaNumeri(0);
        }
        for (int k = 1; k <= kLinee; ++k) {
            if (o == num_[std::size_t(k)]) {
                evidenziaNumeri(k);
                return true;   // not the background as well
            }
        }
    } else if (e->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        for (int k = 1; k <= kLinee; ++k) {
            if (o == num_[std::size_t(k)]) {
                num_Click(k);
                return true;
            }
        }
        if (clicAltro(o)) {
            return true;
        }
    }
    return FinestraCalcolo::eventFilter(o, e);
}
