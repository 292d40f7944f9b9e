#include "shell/finestrarighe.h"

#include "shell/controlli.h"
#include "shell/numeri.h"
#include "shell/stampa.h"
#include "shell/testi_frame.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>

using namespace controlli;

FinestraRighe::FinestraRighe(ConfigFinestra config, int righe, QWidget* parent)
    : FinestraCalcolo(std::move(config), parent)
    , righe_(righe)
{
    superficie()->setMouseTracking(true);
    superficie()->installEventFilter(this);
}

QString FinestraRighe::motivoSenzaGrafico(int r, const QString& guidaRiga, const QString& fine,
                                          const QString& altrimenti) const
{
    if (guidaRiga != fine) {
        return guidaRiga;
    }
    if (const auto m = primoMancante(); m && m->riga <= r) {
        return testoMancante(*m);
    }
    return altrimenti;
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
            f->installEventFilter(this);
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
    // Row 1 has no previous row: its index 0 is no row to copy.
    if (righeUsate() == 0 || p < 1 || r > righe_ || !copiabile(p)) {
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

void FinestraRighe::scartaRisultatiVecchi(int calcolate, const std::function<QString(int)>& altro,
                                          const std::function<void(int)>& svuota)
{
    firme_.resize(std::size_t(righe_ + 1));
    auto firma = [&](int r) {
        QString f = altro(r);
        for (int c = 0; c < colonne_; ++c) {
            f += QChar(0x1f) + valori(c)[std::size_t(r)];
        }
        return f;
    };
    for (int r = 1; r <= righe_; ++r) {
        QString& vecchia = firme_[std::size_t(r)];
        if (r <= calcolate) {
            vecchia = firma(r);
        } else if (!vecchia.isNull() && vecchia != firma(r)) {
            svuota(r);
            vecchia = QString();
        }
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
    if (const std::optional<Posto> posto = postoDi(o)) {
        if (e->type() == QEvent::KeyPress && cammina(*posto, static_cast<QKeyEvent*>(e))) {
            return true;
        }
        if (e->type() == QEvent::FocusIn) {
            const auto motivo = static_cast<QFocusEvent*>(e)->reason();
            lineaInModifica_ = posto->linea;
            if (motivo == Qt::MouseFocusReason || motivo == Qt::TabFocusReason ||
                motivo == Qt::BacktabFocusReason || motivo == Qt::ShortcutFocusReason) {
                seguiCursore(posto->linea);
            }
        }
    }
    if (e->type() == QEvent::Wheel && vscroll1_ && vscroll1_->isEnabled() &&
        (postoDi(o) || std::find(num_.begin() + 1, num_.end(), o) != num_.end())) {
        // The wheel over the grid moves the rows, as over the row bar.
        auto* r = static_cast<QWheelEvent*>(e);
        QWheelEvent copia(vscroll1_->rect().center(), vscroll1_->mapToGlobal(vscroll1_->rect().center()),
                          r->pixelDelta(), r->angleDelta(), r->buttons(), r->modifiers(), r->phase(), r->inverted());
        QCoreApplication::sendEvent(vscroll1_, &copia);
        if (QWidget* w = QApplication::focusWidget(); const auto p = postoDi(w)) {
            seguiCursore(p->linea);
        }
        return true;
    }
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

std::optional<FinestraRighe::Posto> FinestraRighe::postoDi(const QObject* o) const
{
    if (!o) {
        return std::nullopt;
    }
    for (int c = 0; c < colonne_; ++c) {
        for (int k = 1; k <= kLinee; ++k) {
            if (campi_[std::size_t(c)][std::size_t(k)] == o) {
                return Posto{c, k};
            }
        }
    }
    return std::nullopt;
}

bool FinestraRighe::raggiungibile(int c, int linea) const
{
    const QLineEdit* f = campo(c, linea);
    return f->isEnabled() && f->isVisibleTo(this) && !f->isReadOnly() && (f->focusPolicy() & Qt::TabFocus);
}

std::vector<int> FinestraRighe::colonneInOrdine() const
{
    std::vector<int> ordine;
    for (int c = 0; c < colonne_; ++c) {
        if (raggiungibile(c, 1)) {
            ordine.push_back(c);
        }
    }
    std::stable_sort(ordine.begin(), ordine.end(), [this](int a, int b) { return campo(a, 1)->x() < campo(b, 1)->x(); });
    return ordine;
}

void FinestraRighe::vaiA(int riga, int c, int lineaPreferita)
{
    const int ultimoInizio = righe_ - kLinee + 1;
    riga = std::clamp(riga, 1, righe_);
    if (riga < RigaInizio || riga > RigaInizio + kLinee - 1) {
        // Moving the bar refreshes the lines, as a scroll by hand does.
        vscroll1_->setValue(std::clamp(riga - lineaPreferita + 1, 1, ultimoInizio));
    }
    const int linea = std::clamp(riga - vscroll1_->value() + 1, 1, kLinee);
    QLineEdit* f = campo(c, linea);
    const bool stesso = QApplication::focusWidget() == f;
    f->setFocus(Qt::TabFocusReason);
    f->selectAll();
    if (stesso) {
        // No focus event: the field stayed, its row changed under it.
        seguiCursore(linea);
    }
}

bool FinestraRighe::cammina(const Posto& da, QKeyEvent* e)
{
    if (!vscroll1_ || (e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
        return false;
    }
    const std::vector<int> ordine = colonneInOrdine();
    const auto i = std::find(ordine.begin(), ordine.end(), da.colonna);
    if (ordine.empty() || i == ordine.end()) {
        return false;
    }
    const int riga = RigaInizio + da.linea - 1;
    switch (e->key()) {
    case Qt::Key_Tab:
        if (!(e->modifiers() & Qt::ShiftModifier)) {
            if (i + 1 != ordine.end()) {
                vaiA(riga, *(i + 1), da.linea);
            } else if (riga < righe_) {
                vaiA(riga + 1, ordine.front(), kLinee);
            } else {
                return false;   // past the last row: on to the rest of the window
            }
            return true;
        }
        [[fallthrough]];
    case Qt::Key_Backtab:
        if (i != ordine.begin()) {
            vaiA(riga, *(i - 1), da.linea);
        } else if (riga > 1) {
            vaiA(riga - 1, ordine.back(), 1);
        } else {
            return false;
        }
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const int verso = e->key() == Qt::Key_Down ? 1 : -1;
        if (riga + verso >= 1 && riga + verso <= righe_) {
            vaiA(riga + verso, da.colonna, verso > 0 ? kLinee : 1);
        }
        return true;
    }
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const int verso = e->key() == Qt::Key_PageDown ? kLinee : -kLinee;
        vaiA(riga + verso, da.colonna, da.linea);
        return true;
    }
    default:
        return false;
    }
}

void FinestraRighe::seguiCursore(int linea)
{
    LineaCorrente = linea;
    RigaCorrente = RigaInizio + linea - 1;
    guida();
}

void FinestraRighe::agisciSullaRiga(QPushButton* b, const std::function<void(int)>& azione)
{
    // Enter presses it too, as Space does; the row is the one being edited.
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [this, azione] { azione(lineaInModifica_); });
}

QGroupBox* FinestraRighe::costruisciFrameDati(const QString& titolo, const QString& num,
                                              const QString& numSuggerimento)
{
    auto* f = new QGroupBox(titolo, superficie());
    f->setObjectName(QStringLiteral("FrameDati"));
    f->setGeometry(twips(60, 930, 9480, 2160));
    f->setMouseTracking(true);
    f->installEventFilter(this);
    aggiungiSfondo(f);
    etichetta(f, num, twips(300, 660, 300, 210), carattere(6.5), Qt::AlignCenter, numSuggerimento);
    return f;
}

std::vector<FinestraRighe::Colonna> FinestraRighe::costruisciCampiDati(QWidget* frame, const TestiCampi& t,
                                                                       const std::function<int(int)>& larghezza,
                                                                       int larghezzaCampo,
                                                                       const QString& prefissoDidascalia)
{
    std::vector<Colonna> colonne;
    int x = 640;
    for (std::size_t i = 0; i < t.nomi.size(); ++i) {
        const int largo = larghezza(int(i));
        colonne.push_back({t.nomi[i], t.didascalie[i], t.unita[i], t.suggerimenti[i], x, largo,
                           prefissoDidascalia.isEmpty() ? QString() : prefissoDidascalia + t.nomi[i], {}});
        x += largo;
    }
    costruisciCampi(colonne, {220, 420, 660, 210, 900, larghezzaCampo, 270, 240}, carattere(6.5), carattere(7.5),
                    frame);
    return colonne;
}

QLabel* FinestraRighe::costruisciConteggio(const QString& testo, const QString& suggerimento, QRect didascalia,
                                           QRect valore, const QString& nomeDidascalia)
{
    const QFont nota = carattere(7);
    QLabel* d = etichetta(superficie(), testo, didascalia, nota, Qt::AlignRight | Qt::AlignVCenter, suggerimento);
    if (!nomeDidascalia.isEmpty()) {
        d->setObjectName(nomeDidascalia);
    }
    QFont grassetto = nota;
    grassetto.setBold(true);
    QLabel* conteggio = etichetta(superficie(), QString(), valore, grassetto, Qt::AlignCenter, suggerimento);
    conteggio->setObjectName(QStringLiteral("Label1"));
    return conteggio;
}

QLabel* FinestraRighe::costruisciConteggioTipo(const TestiTipo& t, std::array<QRadioButton*, 3>& opzioni,
                                               const std::function<void(int)>& clic)
{
    QWidget* s = superficie();
    const QFont nota = carattere(7);
    QLabel* conteggio = costruisciConteggio(t.conteggio, t.conteggioSuggerimento, twips(120, 600, 1500, 285),
                                            twips(1680, 600, 600, 285));
    for (int k = 1; k <= 2; ++k) {
        auto* o = new QRadioButton(k == 1 ? t.caldo : t.freddo, s);
        o->setGeometry(twips(k == 1 ? 3000 : 6000, 600, 2900, 285));
        o->setFont(nota);
        o->setObjectName(QStringLiteral("Option1_%1").arg(k));
        if (k == 2) {
            o->setToolTip(t.freddoSuggerimento);
        }
        connect(o, &QRadioButton::clicked, this, [clic, k] { clic(k); });
        opzioni[std::size_t(k)] = o;
    }
    return conteggio;
}

FinestraRighe::CaldoLati FinestraRighe::costruisciCaldoLati(const QString& titolo, const TestiCaldo& t,
                                                            int larghezzaConteggio, int xBarra)
{
    const QFont didascalia = carattere(6.5);
    const QFont cifre = carattere(7);
    const auto centro = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto destra = Qt::AlignRight | Qt::AlignVCenter;
    CaldoLati p;
    p.frame = new QGroupBox(titolo, superficie());
    p.frame->setObjectName(QStringLiteral("FrameCaldo"));
    p.frame->setGeometry(twips(60, 3150, 9480, 2280));
    QWidget* f = p.frame;
    etichetta(f, t.numCons, twips(120, 260, 800, 270), didascalia, destra, t.numConsSuggerimento);
    p.numcons = cella(f, twips(960, 260, 480, 270), cifre, t.numConsSuggerimento);
    p.numcons->setObjectName(QStringLiteral("numcons"));
    p.vscroll2 = barra(f, Qt::Vertical, twips(1450, 245, 200, 300), 1, 100, 1, 2, 1, QStringLiteral("VScroll2"));
    etichetta(f, t.eserc, twips(1700, 260, 1200, 270), didascalia, destra, t.esercSuggerimento);
    p.eserc = cella(f, twips(2940, 260, 480, 270), cifre, t.esercSuggerimento);
    p.eserc->setObjectName(QStringLiteral("eserc"));
    p.hscroll1 = barra(f, Qt::Horizontal, twips(3480, 285, 2600, 220), 1, 101, 1, 10, 1, QStringLiteral("HScroll1"));

    // Long side above the short side.
    const int yLato[3] = {0, 1620, 1290};
    const auto sinistra = Qt::AlignLeft | Qt::AlignVCenter;
    etichetta(f, t.latoLungo, twips(120, yLato[2], 900, 270), didascalia, sinistra, t.latoLungoSuggerimento);
    etichetta(f, t.latoCorto, twips(120, yLato[1], 900, 270), didascalia, sinistra, t.latoCortoSuggerimento);
    int x = 1020;
    for (std::size_t c = 0; c < p.celle.size(); ++c) {
        const int larghezza = c == 8 ? 960 : 820;
        etichetta(f, t.didascalie[c], twips(x, 620, larghezza, 420), didascalia, centro, t.suggerimenti[c]);
        etichetta(f, t.unita[c], twips(x, 1040, larghezza, 210), didascalia, centro, t.suggerimenti[c]);
        for (int s = 1; s <= 2; ++s) {
            auto* l = cella(f, twips(x, yLato[s], c == 8 ? larghezzaConteggio : 790, 270), cifre, t.suggerimenti[c]);
            l->setObjectName(QStringLiteral("caldo%1_%2").arg(c).arg(s));
            p.celle[c][std::size_t(s)] = l;
            if (c == 8) {
                p.barre[std::size_t(s)] = barra(f, Qt::Vertical, twips(x + xBarra, yLato[s], 160, 270), 1, 1000, 1, 1,
                                                1, QStringLiteral("VScroll9_%1").arg(s));
            }
        }
        x += larghezza;
    }
    return p;
}

void FinestraRighe::svuotaVista(QLabel* conteggio, std::initializer_list<std::span<ColonnaCelle>> tabelle)
{
    svuotaCampi();
    conteggio->clear();
    for (std::span<ColonnaCelle> t : tabelle) {
        svuotaTabella(t);
    }
}

QString FinestraRighe::testoRigaMancante(const QString& guida, const Mancante& m, const QString& digitare,
                                         std::span<const QString> campi)
{
    return guida + numeri::stampa(m.riga) + QStringLiteral(": ") + QLatin1Char('\r') + digitare +
           campi[std::size_t(m.campo)];
}

void FinestraRighe::suLavoro(stampa::Uscita dove, const std::function<void(platform::Stampante&)>& scrivi)
{
    stampa::suLavoro(dove, testi::kAnteprimaModello, scrivi);
}
