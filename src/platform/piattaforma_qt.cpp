#include "platform/piattaforma_qt.h"

#include "platform/musica.h"
#include "platform/stampante_qt.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QMouseEvent>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <QSpacerItem>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>

#include <algorithm>
#include <clocale>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

QWidget* finestraAttiva()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon iconaQt(Icona icona)
{
    switch (icona) {
    case Icona::Critica: return QMessageBox::Critical;
    case Icona::Esclamativa: return QMessageBox::Warning;
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Nessuna: break;
    }
    return QMessageBox::NoIcon;
}

QSettings impostazioniStudio()
{
    return QSettings(QStringLiteral("Rinsal"), QStringLiteral("Rinsal"));
}

class MessaggiQt : public Messaggi {
public:
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                    Risposta predefinito) override
    {
        const auto box = creaMessaggio(testo, titolo, icona, pulsanti, predefinito);
        // The field or button the user was on gets the next key again, as a
        // desktop gives the focus back when a modal box closes; without a
        // window manager to do it, keys typed after the box went nowhere.
        const QPointer<QWidget> fuoco = QApplication::focusWidget();
        rilasciaInput();
        box->exec();
        if (fuoco && fuoco->isVisible()) {
            fuoco->activateWindow();
            fuoco->setFocus(Qt::ActiveWindowFocusReason);
        }
        return rispostaDi(*box, pulsanti);
    }
};

class DialogoFileQt : public DialogoFile {
public:
    std::optional<QString> scegli(const RichiestaFile& richiesta) override
    {
        QFileDialog dialogo(finestraAttiva());
        preparaDialogoFile(dialogo, richiesta);
        rilasciaInput();
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialogo.selectedFiles().constFirst();
    }
};

class DialogoStampaQt : public DialogoStampa {
public:
    std::unique_ptr<Stampante> scegli() override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageSize(QPageSize(QPageSize::A4));
        QPrintDialog dialogo(printer.get(), finestraAttiva());
        rilasciaInput();
        if (dialogo.exec() != QDialog::Accepted) {
            return nullptr;
        }
        return std::make_unique<StampanteQt>(std::move(printer));
    }
};

class DialogoColoreQt : public DialogoColore {
public:
    std::optional<QColor> scegli(const QColor& iniziale) override
    {
        rilasciaInput();
        const QColor c = QColorDialog::getColor(iniziale, finestraAttiva(),
                                                QStringLiteral("Colore di sfondo"));
        if (!c.isValid()) {
            return std::nullopt;
        }
        return c;
    }
};

class OrologioQt : public Orologio {
public:
    QDate oggi() const override { return QDate::currentDate(); }
};

} // namespace

void rilasciaInput()
{
    // The modal loop takes the button's release, so a scroll bar pressed on
    // an arrow or in its trough would go on repeating under the box, and a
    // handler that opens a box would open it again for ever. A release sent
    // to every bar ends its repeat; a bar that is not pressed ignores it.
    if (QWidget* g = QWidget::mouseGrabber()) {
        g->releaseMouse();
    }
    const QWidgetList tutti = QApplication::allWidgets();
    for (QWidget* w : tutti) {
        if (qobject_cast<QAbstractSlider*>(w) && w->isVisible()) {
            QMouseEvent rilascio(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1),
                                 QPointF(-1, -1), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &rilascio);
        }
    }
}

namespace {

// What Qt's Italian translation leaves in English in the dialogs the program
// shows: the kind of an entry in the file dialog's list, the print dialog's
// page range and double-sided printing, the printer properties' last tab.
class TraduzioniAggiunte : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contesto, const char* testo, const char* distinzione, int n) const override
    {
        (void)distinzione, (void)n;
        static const char* const kVoci[][3] = {
            {"QAbstractFileIconProvider", "Folder", "Cartella"},
            {"QAbstractFileIconProvider", "File Folder", "Cartella di file"},
            {"QAbstractFileIconProvider", "Drive", "Unità"},
            {"QAbstractFileIconProvider", "Shortcut", "Collegamento"},
            {"QAbstractFileIconProvider", "Unknown", "Sconosciuto"},
            {"QPrintSettingsOutput", "Pages", "Pagine"},
            {"QPrintSettingsOutput", "Double Sided Printing", "Stampa fronte/retro"},
            {"QPrintSettingsOutput", "Off", "No"},
            {"QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo"},
            {"QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto"},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
             "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             "Pagine o intervalli separati da virgole; un intervallo è dato da due numeri separati da un "
             "trattino. Ad esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9."},
            {"QPrintPropertiesWidget", "Advanced", "Avanzate"},
            {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
             "Alcune opzioni sono in conflitto: correggerle."},
        };
        for (const auto& v : kVoci) {
            if (qstrcmp(contesto, v[0]) == 0 && qstrcmp(testo, v[1]) == 0) {
                return QString::fromUtf8(v[2]);
            }
        }
        return {};
    }
};

} // namespace

void parlaItaliano()
{
#ifndef Q_OS_WIN
    // LC_ALL would outrank every category: what it named stays for the
    // characters only.
    QByteArray caratteri = qgetenv("LC_ALL");
    if (caratteri.isEmpty()) {
        caratteri = qgetenv("LC_CTYPE");
    }
    if (caratteri.isEmpty()) {
        caratteri = qgetenv("LANG");
    }
    qunsetenv("LC_ALL");
    qunsetenv("LANGUAGE");
    if (!caratteri.isEmpty()) {
        qputenv("LC_CTYPE", caratteri);
    }
    for (const char* categoria : {"LANG", "LC_TIME", "LC_MESSAGES", "LC_COLLATE", "LC_MONETARY", "LC_PAPER",
                                  "LC_MEASUREMENT"}) {
        qputenv(categoria, "it_IT.UTF-8");
    }
    qputenv("LC_NUMERIC", "C");
#endif
}

bool caricaTraduzioni()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Qt has set the C library's locale from the session; its number rules
    // stay those of C, which the data files and the formatting rely on.
    std::setlocale(LC_NUMERIC, "C");
    static QTranslator traduzione;
    const bool trovata = traduzione.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                         && QCoreApplication::installTranslator(&traduzione);
    // Consulted first: it answers only what the translation leaves out.
    static TraduzioniAggiunte aggiunte;
    QCoreApplication::installTranslator(&aggiunte);
    return trovata;
}

void usaTerminaleDelPadre()
{
#ifdef Q_OS_WIN
    if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

void preparaSenzaFinestre()
{
#ifdef Q_OS_WIN
    // Qt's offscreen platform on Windows knows no system fonts: the minimal
    // one, with the system's fonts, prints the PDF in Courier New and Arial.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Standard error is for our messages: give Qt the private runtime folder
    // it would otherwise complain about.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/rinsal-runtime-" + QByteArray::number(getuid());
        ::mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
#endif
}

std::unique_ptr<Messaggi> messaggiQt()
{
    return std::make_unique<MessaggiQt>();
}

QStringList filtriQt(const QString& filtro)
{
    QStringList filtri;
    for (const VoceFiltro& v : scomponiFiltro(filtro)) {
        QStringList schemi;
        for (const QString& s : v.schema.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString t = s.trimmed();
            schemi << (t == QLatin1String("*.*") ? QStringLiteral("*") : t);
        }
        if (schemi.isEmpty()) {
            schemi << QStringLiteral("*");
        }
        filtri << QStringLiteral("%1 (%2)").arg(v.descrizione, schemi.join(QLatin1Char(' ')));
    }
    return filtri;
}

QString testoMessaggio(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

std::unique_ptr<QMessageBox> creaMessaggio(const QString& testo, const QString& titolo,
                                           Icona icona, Pulsanti pulsanti, Risposta predefinito)
{
    auto box = std::make_unique<QMessageBox>(finestraAttiva());
    box->setIcon(iconaQt(icona));
    box->setWindowTitle(titolo.isEmpty() ? QApplication::applicationDisplayName() : titolo);
    box->setTextFormat(Qt::PlainText);
    box->setText(testoMessaggio(testo));
    if (pulsanti == Pulsanti::SiNo || pulsanti == Pulsanti::SiNoAnnulla) {
        QPushButton* si = box->addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
        QPushButton* no = box->addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        si->setObjectName(QStringLiteral("si"));
        no->setObjectName(QStringLiteral("no"));
        box->setDefaultButton(predefinito == Risposta::No ? no : si);
        box->setEscapeButton(no);
        if (pulsanti == Pulsanti::SiNoAnnulla) {
            QPushButton* annulla = box->addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
            annulla->setObjectName(QStringLiteral("annulla"));
            if (predefinito == Risposta::Annulla) {
                box->setDefaultButton(annulla);
            }
            box->setEscapeButton(annulla);
        }
    } else {
        QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        ok->setObjectName(QStringLiteral("ok"));
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
    }
    // The box sizes itself to its text, not to its title: a title longer
    // than the text (the exit question's warning) would be cut in the title
    // bar. A spacer as wide as the title, plus room for the bar's icon and
    // buttons, keeps it whole.
    if (auto* griglia = qobject_cast<QGridLayout*>(box->layout())) {
        const QFontMetrics fm(QApplication::font("QMdiSubWindowTitleBar"));
        const int larghezza = fm.horizontalAdvance(box->windowTitle()) * 12 / 10 + 140;
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
    }
    return box;
}

Risposta rispostaDi(const QMessageBox& box, Pulsanti pulsanti)
{
    if (pulsanti == Pulsanti::Ok) {
        return Risposta::Ok;
    }
    const QAbstractButton* premuto = box.clickedButton();
    if (premuto && premuto->objectName() == QLatin1String("si")) {
        return Risposta::Si;
    }
    // Esc or the title bar's close: the escape button's answer.
    if (pulsanti == Pulsanti::SiNoAnnulla && (!premuto || premuto->objectName() != QLatin1String("no"))) {
        return Risposta::Annulla;
    }
    return Risposta::No;
}

void preparaDialogoFile(QFileDialog& dialogo, const RichiestaFile& richiesta)
{
    dialogo.setWindowTitle(richiesta.titolo);
    dialogo.setAcceptMode(richiesta.salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(richiesta.salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The descriptions already show their patterns, as in "Tutti i file (*.*)".
    dialogo.setOption(QFileDialog::HideNameFilterDetails, true);

    // A name chosen earlier may carry its folder; otherwise start from the
    // working folder.
    const QFileInfo iniziale(richiesta.nomeFile);
    QString cartella = QDir::currentPath();
    QString nome = richiesta.nomeFile;
    if (!richiesta.nomeFile.isEmpty() && iniziale.isAbsolute()) {
        cartella = iniziale.absolutePath();
        nome = iniziale.fileName();
    }
    dialogo.setDirectory(cartella);
    // The list's columns at least as wide as their Italian headings
    // ("Dimensioni" is longer than the default width).
    if (auto* lista = dialogo.findChild<QTreeView*>()) {
        QHeaderView* h = lista->header();
        for (int i = 1; i < h->count(); ++i) {
            const QString t = lista->model()->headerData(i, Qt::Horizontal).toString();
            const int serve = h->fontMetrics().horizontalAdvance(t) + 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin) + 16;
            h->resizeSection(i, std::max(h->sectionSize(i), serve));
        }
        // Room for the name and every column without scrolling sideways.
        dialogo.resize(std::max(dialogo.width(), 860), std::max(dialogo.height(), 500));
    }

    const QStringList filtri = filtriQt(richiesta.filtro);
    if (!filtri.isEmpty()) {
        dialogo.setNameFilters(filtri);
        const int scelto = richiesta.filtroScelto >= 1 && richiesta.filtroScelto <= filtri.size()
                               ? richiesta.filtroScelto - 1
                               : 0;
        dialogo.selectNameFilter(filtri.at(scelto));
    }
    if (!nome.isEmpty()) {
        dialogo.selectFile(nome);
    }
}

QString ImpostazioniQt::nomeStudio() const
{
    return impostazioniStudio().value(QLatin1String(kChiaveNomeStudio)).toString();
}

QString ImpostazioniQt::indirizzoStudio() const
{
    return impostazioniStudio().value(QLatin1String(kChiaveIndirizzoStudio)).toString();
}

void ImpostazioniQt::salvaStudio(const QString& nome, const QString& indirizzo)
{
    QSettings s = impostazioniStudio();
    s.setValue(QLatin1String(kChiaveNomeStudio), nome);
    s.setValue(QLatin1String(kChiaveIndirizzoStudio), indirizzo);
    s.sync();
}

QStringList ImpostazioniQt::fileRecenti(const QString& finestra) const
{
    return impostazioniStudio().value(QLatin1String(kGruppoFileRecenti) + finestra).toStringList();
}

void ImpostazioniQt::salvaFileRecenti(const QString& finestra, const QStringList& file)
{
    QSettings s = impostazioniStudio();
    s.setValue(QLatin1String(kGruppoFileRecenti) + finestra, file);
    s.sync();
}

Servizi serviziQt()
{
    Servizi s;
    s.messaggi = std::make_unique<MessaggiQt>();
    s.dialogoFile = std::make_unique<DialogoFileQt>();
    s.dialogoStampa = std::make_unique<DialogoStampaQt>();
    s.dialogoColore = std::make_unique<DialogoColoreQt>();
    s.midi = lettoreMidiDiSistema();
    s.impostazioni = std::make_unique<ImpostazioniQt>();
    s.orologio = std::make_unique<OrologioQt>();
    s.anteprima = anteprimaQt();
    return s;
}

} // namespace platform
