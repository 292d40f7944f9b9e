#include "shell/finestracalcolo.h"

#include "platform/lettura.h"
#include "platform/piattaforma.h"
#include "shell/datifrontespizio.h"
#include "shell/finestragrafico.h"
#include "shell/icone.h"
#include "shell/modrinsal.h"
#include "shell/recupero.h"
#include "shell/splash.h"
#include "shell/stampa.h"
#include "shell/testi.h"
#include "shell/testi_frame.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLocale>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace {
using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

const QColor kGrigio(192, 192, 192);
// While the unsaved-work check writes a window's records, the title page's
// are left blank: the title page keeps its own account.
bool frontespizioVuoto = false;
constexpr qint64 kMassimoFile = 16 * 1024 * 1024;

const IdFinestra kFinestreNumerate[9] = {IdFinestra::Conteggio, IdFinestra::Scelta,   IdFinestra::Puntelli,
                                         IdFinestra::Risultati, IdFinestra::Tiranti,  IdFinestra::Cercol,
                                         IdFinestra::Cerpil,    IdFinestra::Cuciture, IdFinestra::Frontespizio};

Risposta avviso(const QString& testo, Icona icona, const QString& titolo)
{
    return platform::messaggi().mostra(testo, titolo, icona, Pulsanti::Ok, Risposta::Ok);
}

} // namespace

void mostraGuida(IdFinestra pagina)
{
    if (pagina == IdFinestra::Conteggio || !finestre::mostra(pagina)) {
        avviso(testi::kGuidaNonPronta, Icona::Informazione, ModRinsal::TitoloAiuto);
    }
}

namespace {
IdFinestra idDelCalcolo(int tipoCalcolo)
{
    switch (tipoCalcolo) {
    case 2: return IdFinestra::Tiranti;
    case 3: return IdFinestra::Cercol;
    case 4: return IdFinestra::Cerpil;
    case 5: return IdFinestra::Cuciture;
    default: return IdFinestra::Puntelli;
    }
}
} // namespace

FinestraCalcolo* finestraDelCalcolo(int tipoCalcolo)
{
    return dynamic_cast<FinestraCalcolo*>(finestre::ottieni(idDelCalcolo(tipoCalcolo)));
}

FinestraCalcolo* finestraChiusura(int tipoCalcolo)
{
    if (tipoCalcolo == 2) {
        return finestraDelCalcolo(tipoCalcolo);
    }
    const IdFinestra id = idDelCalcolo(tipoCalcolo);
    return dynamic_cast<FinestraCalcolo*>(finestre::esistente(id == IdFinestra::Puntelli ? IdFinestra::Risultati : id));
}

FinestraCalcolo::FinestraCalcolo(ConfigFinestra config, QWidget* parent)
    : QMainWindow(parent)
    , config_(std::move(config))
{
    ModRinsal::ImpostaCostanti();
    setWindowTitle(config_.caption);
    superficie_ = new QWidget(this);
    superficie_->setAutoFillBackground(false);
    setCentralWidget(superficie_);
    nomeDialogo_ = config_.prefisso;
    costruisciMenu();
    costruisciBarra();
    costruisciPulsanti();
    ultimoColore_ = sfondo();
}

FinestraCalcolo::~FinestraCalcolo() = default;

void FinestraCalcolo::completaCaricamento()
{
    // The layout is recorded at the design size.
    resize(tw(kLarghezza), tw(kAltezza));
    scala_.setSourceForm(this);
    scala_.SizeFormToScreen(75);
    resize(tw(kLarghezza), tw(kAltezza));
    // A bar clicked once also answers the arrow and page keys; Tab passes it by.
    for (QScrollBar* b : superficie_->findChildren<QScrollBar*>()) {
        b->setFocusPolicy(Qt::ClickFocus);
    }
    const std::vector<QWidget*> catena = catenaFuoco();
    for (std::size_t i = 1; i < catena.size(); ++i) {
        QWidget::setTabOrder(catena[i - 1], catena[i]);
    }
    // Whatever the user can change raises the unsaved-work check.
    for (QLineEdit* e : superficie_->findChildren<QLineEdit*>()) {
        connect(e, &QLineEdit::textChanged, this, [this] { segnalaCambio(); });
    }
    for (QAbstractSlider* b : superficie_->findChildren<QAbstractSlider*>()) {
        connect(b, &QAbstractSlider::valueChanged, this, [this] { segnalaCambio(); });
    }
    for (QRadioButton* o : superficie_->findChildren<QRadioButton*>()) {
        connect(o, &QRadioButton::toggled, this, [this] { segnalaCambio(); });
    }
    // Alt and a letter open the menu that owns it, as on the desktop: a
    // button whose caption has the same letter gives its shortcut up.
    QList<QKeySequence> tastiMenu;
    for (QAction* a : menuBar()->actions()) {
        tastiMenu << QKeySequence::mnemonic(a->text());
    }
    for (QAbstractButton* b : superficie_->findChildren<QAbstractButton*>()) {
        if (!b->shortcut().isEmpty() && tastiMenu.contains(b->shortcut())) {
            b->setShortcut(QKeySequence());
        }
    }
    aggiornaTitolo();
}

std::vector<QWidget*> FinestraCalcolo::catenaFuoco() const
{
    // The guidance always asks for the next value of the same row, so Tab
    // runs along a screen line, left to right, then to the next line.
    struct Campo {
        QWidget* w;
        QRect r;
    };
    std::vector<Campo> campi;
    for (QLineEdit* e : superficie_->findChildren<QLineEdit*>()) {
        if (!e->isReadOnly() && (e->focusPolicy() & Qt::TabFocus)) {
            campi.push_back({e, QRect(e->mapTo(superficie_, QPoint(0, 0)), e->size())});
        }
    }
    std::stable_sort(campi.begin(), campi.end(),
                     [](const Campo& a, const Campo& b) { return a.r.center().y() < b.r.center().y(); });
    std::vector<QWidget*> catena;
    for (std::size_t i = 0; i < campi.size();) {
        // One line: the fields whose middles lie within half a field of the first's.
        std::size_t j = i + 1;
        while (j < campi.size() &&
               campi[j].r.center().y() - campi[i].r.center().y() < std::max(2, campi[i].r.height() / 2)) {
            ++j;
        }
        std::stable_sort(campi.begin() + std::ptrdiff_t(i), campi.begin() + std::ptrdiff_t(j),
                         [](const Campo& a, const Campo& b) { return a.r.left() < b.r.left(); });
        for (; i < j; ++i) catena.push_back(campi[i].w);
    }
    return catena;
}

void FinestraCalcolo::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (scala_.SourceForm()) {
        scala_.ResizeControls();
    }
}

FinestraCalcolo::RinvioCalcolo::RinvioCalcolo(FinestraCalcolo* f)
    : f_(f)
{
    ++f_->rinvii_;
}

FinestraCalcolo::RinvioCalcolo::~RinvioCalcolo()
{
    if (--f_->rinvii_ == 0 && f_->calcoloDovuto_) {
        f_->calcoloDovuto_ = false;
        f_->calcoloRinviato();
    }
}

bool FinestraCalcolo::rinviaCalcolo()
{
    if (rinvii_ == 0) {
        return false;
    }
    calcoloDovuto_ = true;
    return true;
}

void FinestraCalcolo::stampaSola(stampa::Uscita dove)
{
    preparaStampa();
    if (!stampaPossibile()) {
        return;
    }
    stampa::suLavoro(dove, testi::kAnteprimaDati, [this](platform::Stampante& p) { stampaDati(p, ModoStampa::Sola); });
}

// ---- menus -------------------------------------------------------------------

void FinestraCalcolo::vociStampa(QMenu* file)
{
    // The window's printouts; the preview entry follows the print entry and
    // offers the same ones, under the same names when there are two.
    using Comando = void (FinestraCalcolo::*)(stampa::Uscita);
    std::vector<std::pair<QString, Comando>> stampe;
    switch (config_.stampa) {
    case ConfigFinestra::Stampa::ModelloEDati:
        stampe = {{testi::kMenuModello, &FinestraCalcolo::acquisizionedati_Click},
                  {testi::kMenuDatiFinestra, &FinestraCalcolo::stampa_click}};
        break;
    case ConfigFinestra::Stampa::SoloModello:
        stampe = {{testi::kMenuStampaModello, &FinestraCalcolo::acquisizionedati_Click}};
        break;
    case ConfigFinestra::Stampa::SoloDati:
        stampe = {{testi::kMenuStampaDatiRisultati, &FinestraCalcolo::stampa_click}};
        break;
    case ConfigFinestra::Stampa::Frontespizio:
        stampe = {{testi::kMenuDatiFinestra, &FinestraCalcolo::acquisizionedati_Click},
                  {testi::kMenuStampaCompleta, &FinestraCalcolo::stampa_click}};
        break;
    }
    const auto voceStampa = [this](QMenu* m, const QString& testo, Comando c, stampa::Uscita dove) {
        m->addAction(testo, this, [this, c, dove] { (this->*c)(dove); });
    };
    if (stampe.size() == 1) {
        voceStampa(file, stampe[0].first, stampe[0].second, stampa::Uscita::Carta);
        voceStampa(file, testi::kMenuAnteprima, stampe[0].second, stampa::Uscita::Anteprima);
    } else {
        QMenu* s = file->addMenu(testi::kMenuStampa);
        QMenu* a = file->addMenu(testi::kMenuAnteprima);
        for (const auto& [testo, c] : stampe) {
            voceStampa(s, testo, c, stampa::Uscita::Carta);
            voceStampa(a, testo, c, stampa::Uscita::Anteprima);
        }
    }
}

void FinestraCalcolo::costruisciMenu()
{
    QMenuBar* mb = menuBar();
    QMenu* file = mb->addMenu(testi::kMenuFile);
    file->addAction(testi::kMenuApri, this, [this] { apri_click(); });
    file->addSeparator();
    file->addAction(testi::kMenuSalva, this, [this] { salva_click(); });
    file->addAction(testi::kMenuSalvaNome, this, [this] { salvanome_click(); });
    file->addSeparator();
    file->addAction(testi::kMenuElimina, this, [this] { eliminare_click(); });
    file->addSeparator();
    vociStampa(file);
    primaDiEsci_ = file->addSeparator();
    file->addAction(config_.esciE ? testi::kMenuEsciE : testi::kMenuEsci, this, [] { ModRinsal::UscitaProgramma(); });
    // Read again each time: another window of the same kind may have added one.
    menuFile_ = file;
    file->setToolTipsVisible(true);
    connect(file, &QMenu::aboutToShow, this, [this] { mostraRecenti(); });

    QMenu* modifica = mb->addMenu(testi::kMenuModifica);
    modifica->addAction(testi::kMenuColore, this, [this] { colorare_Click(); });
    modifica->addSeparator();
    modifica->addAction(config_.controlla ? testi::kMenuControlla : testi::kMenuControllo, this,
                        [this] { controlla_click(); });
    modifica->addSeparator();
    modifica->addAction(testi::kMenuCancella, this, [this] {
        cancella_click();
        segnalaCambio();
    });

    QMenu* visualizza = mb->addMenu(testi::kMenuVisualizza);
    for (int k = 1; k <= 8; ++k) {
        QString voce = testi::kMenuFinestre[k - 1];
        if (config_.cerchiatura && k == 5) {
            voce = testi::kMenuCerchiaturaColonne;
        } else if (config_.cerchiatura && k == 6) {
            voce = testi::kMenuCerchiaturaPilastri;
        }
        visualizza->addAction(voce, this, [this, k] { fin_Click(k); });
    }

    QMenu* aiuto = mb->addMenu(testi::kMenuAiuto);
    aiuto->addAction(testi::kMenuGuida, this, [] { mostraSommario(); });
    if (config_.suggerimenti) {
        aiuto->addAction(testi::kMenuSuggerimenti, this, [] {
            if (!finestre::mostra(IdFinestra::Tip)) {
                avvisaFinestraNonPronta();
            }
        });
        aiuto->addSeparator();
    }
    aiuto->addAction(testi::kMenuSupporto, this, [] { finestre::mostra(IdFinestra::Supporto); });
    aiuto->addSeparator();
    aiuto->addAction(testi::kMenuInformazioni, this, [] { mostraInforma(); });

    // The window's own number, at the right end of the menu bar.
    voceNumero_ = new QToolButton(mb);
    voceNumero_->setText(testi::kFinestraNumero.arg(config_.numero));
    voceNumero_->setAutoRaise(true);
    voceNumero_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(voceNumero_, &QToolButton::clicked, this, [this] { guidaFinestra(); });
    mb->setCornerWidget(voceNumero_, Qt::TopRightCorner);
}

QAction* FinestraCalcolo::voceMenu(const QString& testo) const
{
    // In the order the menus show them: the print submenu's entries come
    // before the preview submenu's of the same names.
    const std::function<QAction*(const QList<QAction*>&)> cerca = [&](const QList<QAction*>& voci) -> QAction* {
        for (QAction* a : voci) {
            if (a->text() == testo) {
                return a;
            }
            if (a->menu()) {
                if (QAction* t = cerca(a->menu()->actions())) {
                    return t;
                }
            }
        }
        return nullptr;
    };
    for (QAction* a : menuBar()->actions()) {
        if (a->menu()) {
            if (QAction* t = cerca(a->menu()->actions())) {
                return t;
            }
        }
    }
    return nullptr;
}

// ---- toolbar -------------------------------------------------------------------

namespace {

void conIcona(QToolButton& b, const QIcon& icona, const QString& suggerimento)
{
    b.setIcon(icona);
    b.setIconSize(QSize(20, 20));
    b.setFixedSize(26, 26);
    b.setToolTip(suggerimento);
}

} // namespace

void FinestraCalcolo::costruisciBarra()
{
    barra_ = new QWidget(superficie_);
    barra_->setObjectName(QStringLiteral("Toolbar1"));
    barra_->setGeometry(0, 0, tw(kLarghezza), 30);
    barra_->setProperty("tag", QStringLiteral("@W"));
    barra_->setProperty("contenitore", false);
    auto* riga = new QHBoxLayout(barra_);
    riga->setContentsMargins(4, 2, 4, 2);
    // Buttons side by side and narrow separators: the 26 positions, the
    // preview beside the print button and a window's own buttons fit the bar.
    riga->setSpacing(0);
    const Glifo glifi[26] = {Glifo::Apri,         Glifo::Salva,        Glifo::SalvaNome,    Glifo::EliminaFile,
                             Glifo::Apri,         Glifo::Stampa,       Glifo::Apri,         Glifo::Finestra,
                             Glifo::Finestra,     Glifo::Finestra,     Glifo::Finestra,     Glifo::Finestra,
                             Glifo::Finestra,     Glifo::Finestra,     Glifo::Finestra,     Glifo::Apri,
                             Glifo::Colore,       Glifo::Apri,         Glifo::Guida,        Glifo::Suggerimenti,
                             Glifo::Supporto,     Glifo::Informazioni, Glifo::Apri,         Glifo::Controllo,
                             Glifo::CancellaDati, Glifo::Uscita};
    for (int pos = 1; pos <= 26; ++pos) {
        auto* b = new QToolButton(barra_);
        b->setAutoRaise(true);
        const bool separatore = pos == 5 || pos == 7 || pos == 16 || pos == 18 || pos == 23;
        if (separatore) {
            b->setFixedSize(6, 26);
            b->setEnabled(true);
            b->setStyleSheet(QStringLiteral("QToolButton { border: none; border-left: 1px solid #909090; "
                                            "margin-left: 2px; }"));
        } else {
            conIcona(*b, icona(glifi[pos - 1], pos - 7), pos == 6 ? config_.tooltipStampa : testi::kBarra[pos - 1]);
        }
        connect(b, &QToolButton::clicked, this, [this, pos] { azioneBarra(pos); });
        riga->addWidget(b);
        pulsantiBarra_.push_back(b);
        if (pos == 6) {
            anteprima_ = new QToolButton(barra_);
            anteprima_->setObjectName(QStringLiteral("anteprima"));
            anteprima_->setAutoRaise(true);
            conIcona(*anteprima_, icona(Glifo::Anteprima), testi::kBarraAnteprima);
            connect(anteprima_, &QToolButton::clicked, this, [this] { azioneBarra(6, stampa::Uscita::Anteprima); });
            riga->addWidget(anteprima_);
        }
    }
    riga->addStretch(1);
}

QToolButton* FinestraCalcolo::aggiungiPulsanteBarra(const QIcon& icona, const QString& suggerimento,
                                                    const std::function<void()>& azione)
{
    auto* riga = static_cast<QHBoxLayout*>(barra_->layout());
    auto* b = new QToolButton(barra_);
    b->setAutoRaise(true);
    conIcona(*b, icona, suggerimento);
    connect(b, &QToolButton::clicked, this, azione);
    // Before the stretch that closes the row.
    riga->insertWidget(riga->count() - 1, b);
    return b;
}

QToolButton* FinestraCalcolo::pulsanteBarra(int posizione) const
{
    if (posizione < 1 || posizione > int(pulsantiBarra_.size())) {
        return nullptr;
    }
    return pulsantiBarra_[std::size_t(posizione - 1)];
}

void FinestraCalcolo::azioneBarra(int pos, stampa::Uscita dove)
{
    // A separator does what the button after it does.
    if (pos == 5 || pos == 7 || pos == 16 || pos == 18 || pos == 23) {
        ++pos;
    }
    switch (pos) {
    case 1: apri_click(); break;
    case 2: salva_click(); break;
    case 3: salvanome_click(); break;
    case 4: eliminare_click(); break;
    case 6:
        if (config_.stampa == ConfigFinestra::Stampa::SoloModello) {
            acquisizionedati_Click(dove);
        } else {
            stampa_click(dove);
        }
        break;
    case 17: colorare_Click(); break;
    case 19: mostraSommario(); break;
    case 20:
        if (!finestre::mostra(IdFinestra::Tip)) {
            avvisaFinestraNonPronta();
        }
        break;
    case 21: finestre::mostra(IdFinestra::Supporto); break;
    case 22: mostraInforma(); break;
    case 24: controlla_click(); break;
    case 25:
        cancella_click();
        segnalaCambio();
        break;
    case 26: ModRinsal::UscitaProgramma(); break;
    default:
        if (pos >= 8 && pos <= 15) {
            fin_Click(pos - 7);
        }
    }
}

// ---- chart window -------------------------------------------------------------

void FinestraCalcolo::offriGrafico(std::function<ContenutoGrafico()> fonte)
{
    fonteGrafico_ = std::move(fonte);
    for (QAction* a : menuBar()->actions()) {
        if (a->menu() && a->text() == testi::kMenuVisualizza) {
            a->menu()->addSeparator();
            a->menu()->addAction(testi::kMenuGrafico, this, [this] { grafico_Click(); });
        }
    }
    pulsanteGrafico_ = aggiungiPulsanteBarra(icona(Glifo::Grafico), testi::kBarraGrafico, [this] { grafico_Click(); });
}

void FinestraCalcolo::grafico_Click()
{
    if (!fonteGrafico_) {
        return;
    }
    if (!grafico_) {
        grafico_ = new FinestraGrafico(fonteGrafico_, this);
        // Beside this window the first time, where the screen leaves room,
        // so that it hides none of the fields being typed in.
        if (const QScreen* s = screen()) {
            // Its frame taken as wide as this window's.
            const QRect fuori = frameGeometry();
            const QRect dentro = geometry();
            const QMargins cornice(dentro.left() - fuori.left(), dentro.top() - fuori.top(),
                                   fuori.right() - dentro.right(), fuori.bottom() - dentro.bottom());
            const QRect r = FinestraGrafico::posto(fuori, grafico_->size().grownBy(cornice), s->availableGeometry());
            grafico_->setGeometry(r.marginsRemoved(cornice));
        }
    }
    if (grafico_->isVisible()) {
        grafico_->raise();
        grafico_->segnaCambio();
    } else {
        grafico_->show();
    }
}

FinestraGrafico* FinestraCalcolo::finestraGrafico() const { return grafico_.data(); }

void FinestraCalcolo::aggiornaGrafico()
{
    if (grafico_) {
        grafico_->segnaCambio();
    }
}

// ---- push buttons and guidance box -------------------------------------------

void FinestraCalcolo::costruisciPulsanti()
{
    QFont piccolo = font();
    piccolo.setPointSize(8);
    auto nuovo = [&](const QString& testo, const QString& suggerimento, QRect geo) {
        auto* b = new QPushButton(testo, superficie_);
        b->setToolTip(suggerimento);
        b->setGeometry(geo);
        b->setFont(piccolo);
        return b;
    };
    aiuto_ = nuovo(testi::kAiutoCaption, config_.tooltipSommario ? testi::kAiutiTooltip : testi::kAiutoTooltip,
                   twips(120, 5640, 900, 450));
    aiuto_->setObjectName(QStringLiteral("aiuto"));
    guidainlinea_ = nuovo(testi::kGuidaCaption,
                          config_.tooltipSommario ? testi::kSommarioTooltip : testi::kGuidaTooltip,
                          twips(1080, 5640, 1260, 450));
    guidainlinea_->setObjectName(QStringLiteral("guidainlinea"));
    esco_ = nuovo(testi::kEsciCaption, testi::kEsciTooltip, twips(8340, 5640, 1080, 450));
    esco_->setObjectName(QStringLiteral("esco"));
    switch (config_.pulsante2) {
    case ConfigFinestra::Pulsante2::Frontespizio:
        frontes_ = nuovo(testi::kFrontesCaption, testi::kFrontesTooltip, twips(7200, 5640, 1080, 450));
        break;
    case ConfigFinestra::Pulsante2::FrontespizioF:
        frontes_ = nuovo(testi::kFrontesCaptionF, testi::kFrontesTooltip, twips(7200, 5640, 1080, 450));
        break;
    case ConfigFinestra::Pulsante2::Risultati:
        frontes_ = nuovo(testi::kRisultatiCaption, testi::kRisultatiTooltip, twips(7200, 5640, 1080, 450));
        break;
    case ConfigFinestra::Pulsante2::DatiEFrontespizio:
        indietro_ = nuovo(testi::kDatiCaption, testi::kDatiTooltip, twips(7200, 5640, 1080, 450));
        indietro_->setObjectName(QStringLiteral("indietro"));
        connect(indietro_, &QPushButton::clicked, this, [this] { indietro_Click(); });
        frontes_ = nuovo(testi::kFrontesCaption, testi::kFrontesTooltip, twips(8340, 5640, 1080, 450));
        esco_->setGeometry(twips(8340, 6120, 1080, 330));
        break;
    case ConfigFinestra::Pulsante2::Stampa:
        frontes_ = nuovo(testi::kStampaCaption, testi::kStampaTooltip, twips(7200, 5640, 1080, 450));
        break;
    }
    frontes_->setObjectName(QStringLiteral("frontes"));
    connect(aiuto_, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(guidainlinea_, &QPushButton::clicked, this, [] { mostraSommario(); });
    connect(esco_, &QPushButton::clicked, this, [] { ModRinsal::UscitaProgramma(); });
    connect(frontes_, &QPushButton::clicked, this, [this] { pulsante2_Click(); });

    passo_ = new QLabel(superficie_);
    passo_->setObjectName(QStringLiteral("passo"));
    // A little taller than the push buttons: guidance texts run to three lines.
    passo_->setGeometry(twips(2400, 5520, 4695, 690));
    passo_->setToolTip(testi::kPassoTooltip);
    passo_->setWordWrap(true);
    passo_->setAutoFillBackground(true);
    passo_->setFrameShape(QFrame::Box);
    QFont fp = piccolo;
    fp.setPointSizeF(7.5);
    passo_->setFont(fp);
    QPalette pal = passo_->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    pal.setColor(QPalette::WindowText, Qt::black);
    passo_->setPalette(pal);
}

void FinestraCalcolo::pulsante2_Click()
{
    if (config_.pulsante2 == ConfigFinestra::Pulsante2::Stampa) {
        stampa_click();
    } else {
        fin_Click(8);
    }
}

// ---- window switching and help -------------------------------------------------

void FinestraCalcolo::guidaFinestra() { mostraGuida(config_.guida); }

void FinestraCalcolo::fin_Click(int k)
{
    using ModRinsal::TitoloControllo;
    if (k < 1 || k > 8) {
        return;
    }
    if (k == config_.numero) {
        const auto r = platform::messaggi().mostra(testi::kDomandaFinestra.arg(config_.nomeDomanda),
                                                   ModRinsal::TitoloAiuto, Icona::Domanda, Pulsanti::SiNo,
                                                   Risposta::Si);
        if (r != Risposta::No) {
            guidaFinestra();
        }
        return;
    }
    if (k == 5 && config_.numero != 6) {
        avviso(testi::kCollaudoColonne, Icona::Informazione, TitoloControllo);
        return;
    }
    if (k == 6) {
        if (config_.numero == 5) {
            avviso(testi::kCollaudoModuloPilastri, Icona::Nessuna, ModRinsal::NomeProgramma);
        } else {
            avviso(testi::kCollaudoPilastri, Icona::Informazione, TitoloControllo);
        }
        return;
    }
    if (k == 8 && config_.tipoCalcolo > 0) {
        ModRinsal::TipoCalcolo = config_.tipoCalcolo;
    }
    if (!finestre::mostra(kFinestreNumerate[k])) {
        avvisaFinestraNonPronta();
    }
}

void FinestraCalcolo::aiuto_Click()
{
    avviso(config_.aiuto.join(QLatin1Char('\r')), Icona::Informazione, ModRinsal::TitoloAiuto);
}

// ---- data check and colour -------------------------------------------------------

bool FinestraCalcolo::controlla_click()
{
    const EsitoControllo esito = verificaDati();
    switch (esito.tipo) {
    case EsitoControllo::Tipo::NessunDato:
        avviso(esito.messaggio, Icona::Esclamativa, ModRinsal::TitoloControllo);
        return false;
    case EsitoControllo::Tipo::Incompleto:
        avviso(esito.messaggio, Icona::Critica, ModRinsal::TitoloControllo);
        return false;
    case EsitoControllo::Tipo::Completo:
        break;
    }
    if (ControlloArchivio == 1) {
        ControlloArchivio = 0;
    } else {
        avviso(testi::kDatiCorretti, Icona::Informazione, ModRinsal::TitoloControllo);
    }
    return true;
}

QColor FinestraCalcolo::sfondo() const { return palette().color(QPalette::Window); }

void FinestraCalcolo::impostaSfondo(const QColor& c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    setAutoFillBackground(true);
    // The guidance box keeps its yellow.
    QPalette pp = passo_->palette();
    pp.setColor(QPalette::Window, QColor(255, 255, 0));
    passo_->setPalette(pp);
}

void FinestraCalcolo::colorare_Click()
{
    if (!config_.soloDialogoColore && sfondo() != kGrigio) {
        const auto r = platform::messaggi().mostra(testi::kDomandaGrigio, config_.titoloColore, Icona::Domanda,
                                                   Pulsanti::SiNo, Risposta::Si);
        if (r == Risposta::Si) {
            impostaSfondo(kGrigio);
            for (IdFinestra id : config_.grigioAnche) {
                if (auto* f = dynamic_cast<FinestraCalcolo*>(finestre::ottieni(id)); f && f != this) {
                    f->impostaSfondo(kGrigio);
                }
            }
            return;
        }
    }
    const auto scelto = platform::dialogoColore().scegli(ultimoColore_);
    if (scelto && scelto->isValid()) {
        ultimoColore_ = *scelto;
        impostaSfondo(*scelto);
    }
}

// ---- archive commands ---------------------------------------------------------------

QString FinestraCalcolo::filtroApri() const { return testi::kFiltroApri.arg(config_.prefisso); }
QString FinestraCalcolo::filtroElimina() const { return testi::kFiltroElimina.arg(config_.prefisso); }
QString FinestraCalcolo::filtroSalva() const { return testi::kFiltroSalva.arg(config_.prefisso); }

void FinestraCalcolo::apri_click()
{
    // The window is touched only once a file has been chosen: a cancelled
    // Open leaves it as it was.
    platform::RichiestaFile rq;
    rq.salva = false;
    rq.titolo = testi::kTitoloApri;
    rq.nomeFile = QString();
    rq.filtro = filtroApri();
    rq.filtroScelto = 2;
    const auto scelto = platform::dialogoFile().scegli(rq);
    if (!scelto) {
        return;
    }
    if (!chiediSeNonSalvato(testi::kSalvarePrimaDiAprire.arg(QFileInfo(*scelto).fileName()))) {
        return;
    }
    apriFile(*scelto);
}

void FinestraCalcolo::apriFile(const QString& file)
{
    // What the window held, to put back when the file cannot be read whole:
    // a failed Open, like a cancelled one, costs nothing. The saved states
    // are the window's and, first after it, the title page's.
    const QByteArray prima = datiArchivio();
    const QString filePrima = fileCorrente_;
    const QString nomePrima = ModRinsal::NomeFile;
    std::vector<QByteArray> salvatiLegati;
    for (FinestraCalcolo* f : lavoriLegati()) {
        salvatiLegati.push_back(f->salvato_);
    }

    // Nothing of earlier work stays beside the rows read, and the view starts
    // from the first row.
    cancella_click();
    tornaAllInizio();
    QString nota;
    const QString errore = leggiFile(file, nota);
    if (errore.isEmpty()) {
        dopoApertura();
        segnaSalvato();
        ricordaFile(file);
        if (!nota.isEmpty()) {
            avviso(nota, Icona::Esclamativa, ModRinsal::TitoloControllo);
        }
        return;
    }
    cancella_click();
    tornaAllInizio();
    archivio::LettoreRecord lettore(prima);
    try {
        leggiDati(lettore);
    } catch (const archivio::ErroreFormato&) {
        // The window's own records always read back; nothing more to do.
    }
    dopoApertura();
    fileCorrente_ = filePrima;
    ModRinsal::NomeFile = nomePrima;
    const std::vector<FinestraCalcolo*> legati = lavoriLegati();
    for (std::size_t i = 0; i < legati.size() && i < salvatiLegati.size(); ++i) {
        legati[i]->salvato_ = salvatiLegati[i];
        legati[i]->aggiornaModifica();
    }
    aggiornaTitolo();
    avviso(errore, Icona::Critica, ModRinsal::TitoloControllo);
}

// ---- recent files -----------------------------------------------------------------

QString FinestraCalcolo::chiaveRecenti() const
{
    // The file prefix names the kind of work: a window without one passes
    // its files on and lists none.
    return config_.prefisso;
}

QStringList FinestraCalcolo::fileRecenti() const
{
    if (chiaveRecenti().isEmpty()) {
        return {};
    }
    QStringList l = platform::impostazioni().fileRecenti(chiaveRecenti());
    l.removeAll(QString());
    while (l.size() > kFileRecenti) {
        l.removeLast();
    }
    return l;
}

namespace {

bool stessoFile(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

void togli(QStringList& l, const QString& file)
{
    l.erase(std::remove_if(l.begin(), l.end(), [&](const QString& f) { return stessoFile(f, file); }), l.end());
}

} // namespace

void FinestraCalcolo::ricordaFile(const QString& file)
{
    if (chiaveRecenti().isEmpty()) {
        return;
    }
    const QString assoluto = QFileInfo(file).absoluteFilePath();
    QStringList l = platform::impostazioni().fileRecenti(chiaveRecenti());
    togli(l, assoluto);
    l.prepend(assoluto);
    while (l.size() > kFileRecenti) {
        l.removeLast();
    }
    platform::impostazioni().salvaFileRecenti(chiaveRecenti(), l);
}

void FinestraCalcolo::dimenticaFile(const QString& file)
{
    if (chiaveRecenti().isEmpty()) {
        return;
    }
    QStringList l = platform::impostazioni().fileRecenti(chiaveRecenti());
    const qsizetype prima = l.size();
    togli(l, QFileInfo(file).absoluteFilePath());
    if (l.size() != prima) {
        platform::impostazioni().salvaFileRecenti(chiaveRecenti(), l);
    }
}

void FinestraCalcolo::mostraRecenti()
{
    for (QAction* a : vociRecenti_) {
        menuFile_->removeAction(a);
        a->deleteLater();
    }
    vociRecenti_.clear();
    const QStringList l = fileRecenti();
    for (int i = 0; i < l.size(); ++i) {
        const QString file = l[i];
        QString nome = QFileInfo(file).fileName();
        nome.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* a = new QAction(testi::kVoceRecente.arg(i + 1).arg(nome), menuFile_);
        a->setToolTip(QDir::toNativeSeparators(file));
        connect(a, &QAction::triggered, this, [this, file] { apriRecente(file); });
        menuFile_->insertAction(primaDiEsci_, a);
        vociRecenti_.push_back(a);
    }
    if (!l.isEmpty()) {
        auto* sep = new QAction(menuFile_);
        sep->setSeparator(true);
        menuFile_->insertAction(vociRecenti_.front(), sep);
        vociRecenti_.push_back(sep);
    }
}

void FinestraCalcolo::apriRecente(const QString& file)
{
    if (!QFileInfo(file).isFile()) {
        dimenticaFile(file);
        avviso(testi::kRecenteMancante.arg(QDir::toNativeSeparators(file)), Icona::Esclamativa,
               ModRinsal::TitoloControllo);
        return;
    }
    if (!chiediSeNonSalvato(testi::kSalvarePrimaDiAprire.arg(QFileInfo(file).fileName()))) {
        return;
    }
    apriFile(file);
}

QString FinestraCalcolo::leggiFile(const QString& file, QString& nota)
{
    const QString nome = QFileInfo(file).fileName();
    nomeDialogo_ = file;

    // The whole file is read at once and released before it is decoded.
    platform::FileLetto letto = platform::leggiFileRegolare(file, kMassimoFile);
    switch (letto.esito) {
    case platform::EsitoLettura::Letto: break;
    case platform::EsitoLettura::Illeggibile:
        return archivio::messaggioLettura(nome, 0, testi::kFileIllegibile);
    case platform::EsitoLettura::NonRegolare:
        return archivio::messaggioLettura(nome, 0, testi::kFileNonRegolare);
    case platform::EsitoLettura::TroppoGrande:
        return archivio::messaggioLettura(nome, 0, testi::kFileTroppoGrande);
    }
    archivio::LettoreRecord lettore(std::move(letto.dati));
    try {
        leggiDati(lettore);
        // Left-over records mean the layout was not what it claimed.
        if (!lettore.fineFile()) {
            throw archivio::ErroreFormato(lettore.riga(), QStringLiteral("il file contiene dati in più"));
        }
    } catch (const archivio::ErroreFormato& e) {
        return archivio::messaggioLettura(nome, e.riga(), e.motivo());
    }
    ModRinsal::NomeFile = file;
    fileCorrente_ = file;
    nota = archivio::messaggioScartati(nome, lettore.scartati());
    return {};
}

void FinestraCalcolo::salva_click()
{
    ArchiviaDati();
}

void FinestraCalcolo::salvanome_click()
{
    ModRinsal::NomeFile.clear();
    ArchiviaDati();
}

void FinestraCalcolo::ArchiviaDati()
{
    using ModRinsal::TitoloControllo;
    if (config_.archivioVuotoControllato && !haDatiDaArchiviare()) {
        avviso(testi::kNienteDaArchiviare, Icona::Critica, TitoloControllo);
        return;
    }
    ControlloArchivio = 1;
    if (!controlla_click()) {
        return;
    }
    if (config_.frontespizioNelFile && progettoVuoto()) {
        avviso(testi::kMancaProgetto, Icona::Critica, TitoloControllo);
        // The title page's Save then saves this calculation.
        if (config_.tipoCalcolo > 0) {
            ModRinsal::TipoCalcolo = config_.tipoCalcolo;
        }
        finestre::mostra(IdFinestra::Frontespizio);
        return;
    }
    QString destinazione;
    if (ModRinsal::NomeFile.isEmpty() || fileCorrente_.isEmpty()) {
        platform::RichiestaFile rq;
        rq.salva = true;
        rq.titolo = testi::kTitoloSalvaNome;
        rq.nomeFile = nomeDialogo_;
        rq.filtro = filtroSalva();
        rq.filtroScelto = 1;
        const auto scelto = platform::dialogoFile().scegli(rq);
        if (!scelto || scelto->isEmpty()) {
            return;
        }
        nomeDialogo_ = *scelto;
        destinazione = *scelto;
    } else {
        destinazione = fileCorrente_;
    }

    archivio::ScrittoreRecord w;
    scriviDati(w);
    // Written beside the old file and swapped in only when complete, so a
    // failed save never destroys what was there.
    QSaveFile f(destinazione);
    // Unbuffered, so a short write (disk full, size limit) is seen here and
    // not lost in a later flush.
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    QString motivo = testi::kScritturaCartella;
    if (ok) {
        ok = f.write(w.dati()) == w.dati().size() && f.error() == QFileDevice::NoError;
        if (!ok) {
            motivo = testi::kScritturaDisco;
            f.cancelWriting();
        } else {
            ok = f.commit();
            if (!ok) {
                motivo = f.error() == QFileDevice::WriteError ? testi::kScritturaDisco : testi::kScritturaAltro;
            }
        }
    }
    if (!ok) {
        avviso(testi::kErroreScrittura.arg(QFileInfo(destinazione).fileName(), motivo), Icona::Critica,
               TitoloControllo);
        return;
    }
    fileCorrente_ = destinazione;
    ModRinsal::NomeFile = destinazione;
    ++salvataggi_;
    segnaSalvato();
    ricordaFile(destinazione);
    passo()->setText(testi::kSalvatoIn.arg(QDir::toNativeSeparators(QFileInfo(destinazione).absoluteFilePath())));
}

void FinestraCalcolo::eliminare_click()
{
    platform::RichiestaFile rq;
    rq.salva = false;
    rq.titolo = ModRinsal::TitoloElimina;
    // Never the file the window is working on: the prefix in its folder.
    rq.nomeFile = nomeDialogo_;
    if (!fileCorrente_.isEmpty() && QFileInfo(nomeDialogo_) == QFileInfo(fileCorrente_)) {
        rq.nomeFile = QFileInfo(fileCorrente_).absoluteDir().filePath(config_.prefisso);
    }
    rq.filtro = filtroElimina();
    rq.filtroScelto = 2;
    const auto scelto = platform::dialogoFile().scegli(rq);
    if (!scelto) {
        return;
    }
    const QString nome = QFileInfo(*scelto).fileName();
    const bool corrente = !fileCorrente_.isEmpty() && QFileInfo(*scelto) == QFileInfo(fileCorrente_);
    const auto r = platform::messaggi().mostra(
        (corrente ? testi::kDomandaEliminaCorrente : testi::kDomandaElimina).arg(nome), ModRinsal::TitoloControllo,
        Icona::Domanda, Pulsanti::SiNo, Risposta::No);
    if (r != Risposta::Si) {
        return;
    }
    nomeDialogo_ = QFileInfo(*scelto).absoluteDir().filePath(config_.prefisso);
    if (!QFile::remove(*scelto)) {
        avviso(testi::kErroreElimina.arg(nome), Icona::Critica, ModRinsal::TitoloControllo);
        return;
    }
    dimenticaFile(*scelto);
    if (corrente) {
        // The data now live nowhere but in the window: Save asks for a name.
        if (QFileInfo(ModRinsal::NomeFile) == QFileInfo(fileCorrente_)) {
            ModRinsal::NomeFile.clear();
        }
        fileCorrente_.clear();
        salvato_ = vuoto_;
        aggiornaTitolo();
        aggiornaModifica();
    }
}

// ---- unsaved work --------------------------------------------------------------------

QByteArray FinestraCalcolo::impronta()
{
    if (nomeRecupero().isEmpty()) {
        return {};
    }
    archivio::ScrittoreRecord w;
    frontespizioVuoto = true;
    scriviDati(w);
    frontespizioVuoto = false;
    return w.dati();
}

QByteArray FinestraCalcolo::datiArchivio()
{
    archivio::ScrittoreRecord w;
    scriviDati(w);
    return w.dati();
}

void FinestraCalcolo::inizioLavoro()
{
    vuoto_ = impronta();
    salvato_ = vuoto_;
    aggiornaTitolo();
}

bool FinestraCalcolo::nonSalvato()
{
    // A window that holds no data (a type chosen, nothing typed) has
    // nothing a save could keep.
    return !nomeRecupero().isEmpty() && impronta() != salvato_ &&
           verificaDati().tipo != EsitoControllo::Tipo::NessunDato;
}

std::vector<FinestraCalcolo*> FinestraCalcolo::lavoriLegati()
{
    std::vector<FinestraCalcolo*> l{this};
    if (config_.frontespizioNelFile && !config_.prefisso.isEmpty()) {
        if (auto* f = dynamic_cast<FinestraCalcolo*>(finestre::esistente(IdFinestra::Frontespizio)); f && f != this) {
            l.push_back(f);
        }
    }
    return l;
}

void FinestraCalcolo::segnaSalvato()
{
    // The title page travels in the same file.
    for (FinestraCalcolo* f : lavoriLegati()) {
        f->salvato_ = f->impronta();
        f->aggiornaTitolo();
        f->aggiornaModifica();
    }
}

void FinestraCalcolo::segnalaCambio()
{
    if (nomeRecupero().isEmpty()) {
        return;
    }
    if (!controlloDovuto_) {
        controlloDovuto_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                controlloDovuto_ = false;
                aggiornaModifica();
            },
            Qt::QueuedConnection);
    }
    if (!timerRecupero_) {
        timerRecupero_ = new QTimer(this);
        timerRecupero_->setSingleShot(true);
        connect(timerRecupero_, &QTimer::timeout, this, [this] { scriviRecupero(); });
    }
    if (!timerRecupero_->isActive()) {
        timerRecupero_->start(recupero::intervallo());
    }
}

void FinestraCalcolo::aggiornaModifica()
{
    const bool modificato = nonSalvato();
    setWindowModified(modificato);
    if (!modificato) {
        togliRecupero();
    }
}

void FinestraCalcolo::aggiornaTitolo()
{
    if (nomeRecupero().isEmpty()) {
        return;
    }
    QString titolo = config_.caption;
    if (!fileCorrente_.isEmpty()) {
        titolo += QStringLiteral(" - ") + QFileInfo(fileCorrente_).fileName();
    }
    setWindowTitle(titolo + QStringLiteral("[*]"));
}

void FinestraCalcolo::scriviRecupero()
{
    if (!nonSalvato()) {
        togliRecupero();
        return;
    }
    const QByteArray dati = datiArchivio();
    if (dati == ultimaCopia_) {
        return;
    }
    if (recupero::scrivi(nomeRecupero(), dati, fileCorrente_)) {
        ultimaCopia_ = dati;
    } else if (ultimaCopia_ != QByteArrayLiteral("-")) {
        // Said once; the next change tries again.
        ultimaCopia_ = QByteArrayLiteral("-");
        avviso(testi::kRecuperoNonScritta.arg(nomeLavoro(), QDir::toNativeSeparators(recupero::cartella())),
               Icona::Esclamativa, ModRinsal::TitoloControllo);
    }
}

void FinestraCalcolo::togliRecupero()
{
    if (!ultimaCopia_.isNull()) {
        recupero::rimuovi(nomeRecupero());
        ultimaCopia_ = QByteArray();
    }
}

bool FinestraCalcolo::chiediSeNonSalvato(const QString& seguito)
{
    QStringList nomi;
    for (FinestraCalcolo* f : lavoriLegati()) {
        if (f->nonSalvato()) {
            nomi << f->nomeLavoro();
        }
    }
    if (nomi.isEmpty()) {
        return true;
    }
    const QString testo = (nomi.size() == 1 ? testi::kNonSalvatiUna.arg(nomi[0])
                                            : testi::kNonSalvatiPiu.arg(nomi.join(QStringLiteral(", ")))) +
                          seguito;
    const auto r = platform::messaggi().mostra(testo, testi::kTitoloNonSalvati, Icona::Domanda,
                                               Pulsanti::SiNoAnnulla, Risposta::Si);
    if (r == Risposta::Annulla) {
        return false;
    }
    if (r == Risposta::Si) {
        salva_click();
        // A save that stopped (missing data, Cancel) keeps the user here.
        return !nonSalvato();
    }
    return true;
}

void FinestraCalcolo::closeEvent(QCloseEvent* e)
{
    if (!finestre::chiusuraDecisa() && nonSalvato()) {
        const auto r = platform::messaggi().mostra(testi::kNonSalvatiUna.arg(nomeLavoro()) +
                                                       testi::kSalvarePrimaDiChiudere,
                                                   testi::kTitoloNonSalvati, Icona::Domanda,
                                                   Pulsanti::SiNoAnnulla, Risposta::Si);
        if (r == Risposta::Annulla || (r == Risposta::Si && (salva_click(), nonSalvato()))) {
            e->ignore();
            return;
        }
    }
    // Saved, discarded or closed by the exit sequence: no copy to keep.
    if (!nomeRecupero().isEmpty()) {
        recupero::rimuovi(nomeRecupero());
        ultimaCopia_ = QByteArray();
    }
    QMainWindow::closeEvent(e);
    // The chart goes with its window, whether or not the window is deleted.
    if (e->isAccepted() && grafico_) {
        grafico_->close();
    }
}

bool FinestraCalcolo::ripristina(const QByteArray& dati, const QString& file, QString& errore)
{
    cancella_click();
    tornaAllInizio();
    archivio::LettoreRecord lettore(dati);
    try {
        leggiDati(lettore);
        if (!lettore.fineFile()) {
            throw archivio::ErroreFormato(lettore.riga(), QStringLiteral("il file contiene dati in più"));
        }
    } catch (const archivio::ErroreFormato& e) {
        errore = archivio::messaggioLettura(nomeRecupero(), e.riga(), e.motivo());
        dopoApertura();
        segnalaCambio();
        return false;
    }
    if (!file.isEmpty()) {
        fileCorrente_ = file;
        nomeDialogo_ = file;
    }
    // The copy on disk is this one until the work changes or is saved.
    ultimaCopia_ = dati;
    dopoApertura();
    aggiornaTitolo();
    segnalaCambio();
    return true;
}

// ---- title-page record -------------------------------------------------------------

void FinestraCalcolo::scriviFrontespizio(archivio::ScrittoreRecord& w)
{
    if (frontespizioVuoto) {
        // Without making the title page ready: no window is made meanwhile.
        for (int i = 0; i < DatiFrontespizio::kCampi; ++i) {
            w.testo(QString());
        }
    } else {
        for (const QString& t : DatiFrontespizio::attuali().testi()) {
            w.testo(t);
        }
    }
    w.fineRecord();
}

void FinestraCalcolo::leggiFrontespizio(archivio::LettoreRecord& r)
{
    auto& dati = DatiFrontespizio::attuali();
    QStringList campi;
    for (int i = 0; i < 6; ++i) {
        campi << r.testo();
    }
    r.fineRecord();
    dati.carica(campi);
}

bool FinestraCalcolo::progettoVuoto()
{
    return DatiFrontespizio::attuali().testo(0).isEmpty();
}

// ---- recovery at start ---------------------------------------------------------------

namespace {
struct FinestraRecupero {
    const char* nome;
    IdFinestra id;
    const char* domanda;
};
// The title page last: its own copy holds its latest texts.
const FinestraRecupero kRecuperabili[] = {
    {"Puntelli-dati-", IdFinestra::Puntelli, "Puntelli"},
    {"Tiranti-dati-", IdFinestra::Tiranti, "Tiranti"},
    {"Cercol-dati-", IdFinestra::Cercol, "Cerchiature colonne"},
    {"Cerpil-dati-", IdFinestra::Cerpil, "Cerchiature pilastri"},
    {"Cuciture-dati-", IdFinestra::Cuciture, "Cuciture"},
    {"Frontespizio-", IdFinestra::Frontespizio, "Frontespizio"},
};
} // namespace

void offriRecupero()
{
    const std::vector<recupero::Copia> presenti = recupero::presenti();
    std::vector<std::pair<const FinestraRecupero*, recupero::Copia>> copie;
    for (const FinestraRecupero& f : kRecuperabili) {
        for (const recupero::Copia& c : presenti) {
            if (c.nome == QLatin1String(f.nome)) {
                copie.emplace_back(&f, c);
            }
        }
    }
    if (copie.empty()) {
        return;
    }
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QStringList voci;
    for (const auto& [f, c] : copie) {
        QString voce = testi::kRecuperoVoce.arg(QString::fromUtf8(f->domanda),
                                                italiano.toString(c.scritta.date(), QStringLiteral("dd/MM/yyyy")),
                                                italiano.toString(c.scritta.time(), QStringLiteral("HH:mm")));
        if (!c.file.isEmpty()) {
            voce += testi::kRecuperoOrigine.arg(QFileInfo(c.file).fileName());
        }
        voci << voce;
    }
    const QString daParte = QDir::toNativeSeparators(recupero::cartella() + QStringLiteral("/scartate"));
    const auto r = platform::messaggi().mostra(testi::kRecuperoDomanda.arg(voci.join(QLatin1Char('\r')), daParte),
                                               testi::kTitoloNonSalvati, Icona::Domanda, Pulsanti::SiNo,
                                               Risposta::Si);
    for (const auto& [f, c] : copie) {
        const QString nome = QString::fromUtf8(f->domanda);
        if (r != Risposta::Si) {
            recupero::mettiDaParte(c, QStringLiteral("scartate"));
            continue;
        }
        platform::FileLetto letto = platform::leggiFileRegolare(c.percorso, kMassimoFile);
        QString errore;
        auto* w = dynamic_cast<FinestraCalcolo*>(finestre::ottieni(f->id));
        if (letto.esito != platform::EsitoLettura::Letto) {
            errore = testi::kFileIllegibile;
        } else if (!w) {
            continue;
        } else if (w->ripristina(letto.dati, c.file, errore)) {
            finestre::mostra(f->id);
            continue;
        }
        // Never deleted: set aside where the user can find it.
        const auto dove = recupero::mettiDaParte(c, QStringLiteral("illeggibili"));
        avviso(dove ? testi::kRecuperoIllegibile.arg(nome, errore, QDir::toNativeSeparators(*dove))
                    : testi::kRecuperoNonSpostata.arg(nome, errore, QDir::toNativeSeparators(c.percorso)),
               Icona::Critica, ModRinsal::TitoloControllo);
        if (w) {
            finestre::mostra(f->id);
        }
    }
}
