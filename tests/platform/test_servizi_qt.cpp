// The Qt services: dialogs driven as a user would, settings, filters.
#include "platform/piattaforma_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSet>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace platform;

namespace {

// Runs `azione` on the first modal dialog that shows up, as a user would
// answer it; the dialog is closed afterwards whatever the action did, and
// `chiuso` tells whether the action itself closed it.
void quandoAppare(std::function<void(QWidget*)> azione, bool* chiuso = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, azione, chiuso] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        // A dialog the action did not expect (a warning raised by the dialog
        // itself) would block the test: report it and close it. The guard
        // lives only as long as the dialog.
        auto* guardia = new QTimer(w);
        guardia->setSingleShot(true);
        QObject::connect(guardia, &QTimer::timeout, [w] {
            QWidget* altro = QApplication::activeModalWidget();
            if (auto* d = qobject_cast<QDialog*>(altro); d && d != w) {
                auto* box = qobject_cast<QMessageBox*>(d);
                qWarning() << "finestra inattesa:" << d->windowTitle()
                           << (box ? box->text() : QString());
                d->reject();
            }
        });
        guardia->start(3000);
        azione(w);
        if (chiuso) {
            *chiuso = !w->isVisible();
        }
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
            d->reject();
        }
    });
    timer->start();
}

QAbstractButton* pulsante(QWidget* w, const QString& testo)
{
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
        if (b->text() == testo) {
            return b;
        }
    }
    return nullptr;
}

const QString kApri = QStringLiteral("Tutti i file (*.*) | *.*|File Tiranti-dati- | Tiranti-dati-*");
const QString kElimina = QStringLiteral("Tutti i file (*.*)|*.*|File Tiranti-dati- | Tiranti-dati-*");
const QString kSalva = QStringLiteral("File Tiranti-dati- | Tiranti-dati-*");

} // namespace

class TestServiziQt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
#ifdef Q_OS_WIN
    void cleanupTestCase() { QSettings(QStringLiteral("Rinsal"), QStringLiteral("Rinsal")).clear(); }
#endif
    void scomposizioneDeiFiltri_data();
    void scomposizioneDeiFiltri();
    void filtriPerQt();
    void messaggioPreparato_data();
    void messaggioPreparato();
    void messaggioRisposte_data();
    void messaggioRisposte();
    void dialogoApri();
    void dialogoSalvaConCartella();
    void dialogoAnnullato();
    void colore();
    void stampaAnnullata();
    void impostazioniStudio();
    void testiDiQtInItaliano();

private:
    QTemporaryDir cartella_;
    Servizi qt_;
};

void TestServiziQt::initTestCase()
{
    QVERIFY(cartella_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       cartella_.filePath(QStringLiteral("config")));
#ifdef Q_OS_WIN
    // Windows keeps them in the registry, where setPath does not reach.
    QSettings(QStringLiteral("Rinsal"), QStringLiteral("Rinsal")).clear();
#endif
    QDir::setCurrent(cartella_.path());
    QVERIFY(QDir(cartella_.path()).mkdir(QStringLiteral("Lavori")));
    for (const char* nome : {"Tiranti-dati-casa", "Tiranti-dati-scuola", "LEGGIMI"}) {
        QFile f(cartella_.filePath(QLatin1String(nome)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    qt_ = serviziQt();
    QVERIFY(qt_.messaggi && qt_.dialogoFile && qt_.dialogoStampa && qt_.dialogoColore && qt_.midi
            && qt_.impostazioni && qt_.orologio);
    QCOMPARE(qt_.orologio->oggi(), QDate::currentDate());
}

void TestServiziQt::scomposizioneDeiFiltri_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QStringList>("attese");   // description, pattern, ...
    const QStringList due{QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*"),
                          QStringLiteral("File Tiranti-dati-"), QStringLiteral("Tiranti-dati-*")};
    QTest::newRow("apri") << kApri << due;
    QTest::newRow("elimina, senza spazi") << kElimina << due;
    QTest::newRow("salva con nome") << kSalva
                                    << QStringList{QStringLiteral("File Tiranti-dati-"),
                                                   QStringLiteral("Tiranti-dati-*")};
    QTest::newRow("vuoto") << QString() << QStringList{};
    QTest::newRow("descrizione senza schema") << QStringLiteral("Solo testo") << QStringList{};
}

void TestServiziQt::scomposizioneDeiFiltri()
{
    QFETCH(QString, filtro);
    QFETCH(QStringList, attese);
    QStringList avute;
    for (const VoceFiltro& v : scomponiFiltro(filtro)) {
        avute << v.descrizione << v.schema;
    }
    QCOMPARE(avute, attese);
}

void TestServiziQt::filtriPerQt()
{
    const QStringList due{QStringLiteral("Tutti i file (*.*) (*)"),
                          QStringLiteral("File Tiranti-dati- (Tiranti-dati-*)")};
    QCOMPARE(filtriQt(kApri), due);
    QCOMPARE(filtriQt(kElimina), due);
    QCOMPARE(filtriQt(kSalva), QStringList{due[1]});
    QCOMPARE(filtriQt(QStringLiteral("Testi | *.txt;*.doc")),
             QStringList{QStringLiteral("Testi (*.txt *.doc)")});
    // A data file has no extension: the "all files" filter must show it.
    QVERIFY(QDir::match(QStringLiteral("*"), QStringLiteral("Tiranti-dati-casa")));
}

void TestServiziQt::messaggioPreparato_data()
{
    QTest::addColumn<int>("icona");
    QTest::addColumn<int>("attesa");
    QTest::newRow("critica") << int(Icona::Critica) << int(QMessageBox::Critical);
    QTest::newRow("esclamativa") << int(Icona::Esclamativa) << int(QMessageBox::Warning);
    QTest::newRow("informazione") << int(Icona::Informazione) << int(QMessageBox::Information);
    QTest::newRow("domanda") << int(Icona::Domanda) << int(QMessageBox::Question);
    QTest::newRow("nessuna") << int(Icona::Nessuna) << int(QMessageBox::NoIcon);
}

void TestServiziQt::messaggioPreparato()
{
    QFETCH(int, icona);
    QFETCH(int, attesa);
    const auto box = creaMessaggio(QStringLiteral("prima riga\rseconda riga\r\nterza"),
                                   QStringLiteral("Titolo"), Icona(icona), Pulsanti::SiNo,
                                   Risposta::No);
    QCOMPARE(int(box->icon()), attesa);
    QCOMPARE(box->windowTitle(), QStringLiteral("Titolo"));
    QCOMPARE(box->text(), QStringLiteral("prima riga\nseconda riga\nterza"));
    QStringList testi;
    for (QAbstractButton* b : box->buttons()) {
        testi << b->text();
    }
    testi.sort();
    QCOMPARE(testi, (QStringList{QStringLiteral("&No"), QStringLiteral("&Sì")}));
    QCOMPARE(box->defaultButton()->text(), QStringLiteral("&No"));
    QCOMPARE(box->escapeButton()->text(), QStringLiteral("&No"));

    const auto ok = creaMessaggio(QStringLiteral("x"), QStringLiteral("T"), Icona(icona),
                                  Pulsanti::Ok, Risposta::Ok);
    QCOMPARE(ok->buttons().size(), 1);
    QCOMPARE(ok->buttons().constFirst()->text(), QStringLiteral("OK"));
}

void TestServiziQt::messaggioRisposte_data()
{
    QTest::addColumn<int>("pulsanti");
    QTest::addColumn<int>("predefinito");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("attesa");
    // Keys, or a click on the button (-1: "Sì", -2: "No").
    const int invio = Qt::Key_Return, esc = Qt::Key_Escape, s = -1, n = -2;
    const int siNo = int(Pulsanti::SiNo), ok = int(Pulsanti::Ok);
    const int Si = int(Risposta::Si), No = int(Risposta::No), Ok = int(Risposta::Ok);
    QTest::newRow("invio, predefinito sì") << siNo << Si << invio << Si;
    QTest::newRow("invio, predefinito no") << siNo << No << invio << No;
    QTest::newRow("esc vale no") << siNo << Si << esc << No;
    QTest::newRow("clic su Sì") << siNo << No << s << Si;
    QTest::newRow("clic su No") << siNo << Si << n << No;
    QTest::newRow("ok con invio") << ok << Ok << invio << Ok;
    QTest::newRow("ok con esc") << ok << Ok << esc << Ok;
}

// The real message box, answered from the keyboard.
void TestServiziQt::messaggioRisposte()
{
    QFETCH(int, pulsanti);
    QFETCH(int, predefinito);
    QFETCH(int, tasto);
    QFETCH(int, attesa);
    QString titolo;
    bool chiuso = false;
    quandoAppare(
        [&](QWidget* w) {
            titolo = w->windowTitle();
            if (tasto < 0) {
                QAbstractButton* b =
                    pulsante(w, tasto == -1 ? QStringLiteral("&Sì") : QStringLiteral("&No"));
                QVERIFY(b);
                QTest::mouseClick(b, Qt::LeftButton);
            } else {
                QTest::keyClick(w, Qt::Key(tasto));
            }
        },
        &chiuso);
    const Risposta r = qt_.messaggi->mostra(QStringLiteral("Salvare i dati?"),
                                            QStringLiteral("Attenzione"), Icona::Domanda,
                                            Pulsanti(pulsanti), Risposta(predefinito));
    QCOMPARE(titolo, QStringLiteral("Attenzione"));
    QVERIFY(chiuso);
    QCOMPARE(int(r), attesa);
}

void TestServiziQt::dialogoApri()
{
    RichiestaFile q;
    q.titolo = QStringLiteral("Apri: seleziona il file desiderato");
    q.nomeFile = QStringLiteral("Tiranti-dati-");
    q.filtro = kApri;
    q.filtroScelto = 2;
    QString titolo, filtro, data, dataAttesa, intestazione, tipoCartella;
    QStringList filtri, applicati;
    QDir cartella;
    bool apre = false;
    quandoAppare([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        QVERIFY(d);
        titolo = d->windowTitle();
        filtro = d->selectedNameFilter();
        filtri = d->nameFilters();
        auto* modello = d->findChild<QFileSystemModel*>();
        QVERIFY(modello);
        applicati = modello->nameFilters();
        cartella = d->directory();
        apre = d->acceptMode() == QFileDialog::AcceptOpen && d->fileMode() == QFileDialog::ExistingFile;
        const QString scuola = cartella_.filePath(QStringLiteral("Tiranti-dati-scuola"));
        data = modello->data(modello->index(scuola, 3)).toString();
        dataAttesa = QLocale(QLocale::Italian, QLocale::Italy)
                         .toString(QFileInfo(scuola).lastModified(), QLocale::ShortFormat);
        intestazione = modello->headerData(3, Qt::Horizontal).toString();
        tipoCartella = modello->data(modello->index(cartella_.filePath(QStringLiteral("Lavori")), 2)).toString();
        d->selectFile(QStringLiteral("Tiranti-dati-scuola"));
        static_cast<QDialog*>(d)->accept();
    });
    const auto scelto = qt_.dialogoFile->scegli(q);
    QCOMPARE(titolo, q.titolo);
    QCOMPARE(filtri, filtriQt(kApri));
    // The list shows the descriptions as written.
    QCOMPARE(filtro, QStringLiteral("File Tiranti-dati-"));
    QCOMPARE(applicati, QStringList{QStringLiteral("Tiranti-dati-*")});
    QCOMPARE(cartella.canonicalPath(), QDir(cartella_.path()).canonicalPath());
    QVERIFY(apre);
#ifndef Q_OS_WIN
    // The file list's dates and headings in Italian (Windows follows the
    // user's own settings).
    QCOMPARE(data, dataAttesa);
    QCOMPARE(intestazione, QStringLiteral("Data di modifica"));
    QCOMPARE(tipoCartella, QStringLiteral("Cartella"));
#endif
    QVERIFY(scelto);
    QCOMPARE(QFileInfo(*scelto).canonicalFilePath(),
             QFileInfo(cartella_.filePath(QStringLiteral("Tiranti-dati-scuola"))).canonicalFilePath());
}

// A name chosen earlier brings its own folder; an out-of-range filter
// falls back to the first.
void TestServiziQt::dialogoSalvaConCartella()
{
    QDir(cartella_.path()).mkdir(QStringLiteral("archivio"));
    const QString altrove = cartella_.filePath(QStringLiteral("archivio"));
    RichiestaFile q;
    q.salva = true;
    q.titolo = QStringLiteral("Salva con nome");
    q.nomeFile = QDir(altrove).filePath(QStringLiteral("Tiranti-dati-ponte"));
    q.filtro = kSalva;
    q.filtroScelto = 7;
    QString filtro;
    QDir cartella;
    bool salva = false;
    quandoAppare([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        QVERIFY(d);
        filtro = d->selectedNameFilter();
        cartella = d->directory();
        salva = d->acceptMode() == QFileDialog::AcceptSave;
        static_cast<QDialog*>(d)->accept();
    });
    const auto scelto = qt_.dialogoFile->scegli(q);
    QCOMPARE(filtro, QStringLiteral("File Tiranti-dati-"));
    QCOMPARE(cartella.canonicalPath(), QDir(altrove).canonicalPath());
    QVERIFY(salva);
    QVERIFY(scelto);
    QCOMPARE(QFileInfo(*scelto).fileName(), QStringLiteral("Tiranti-dati-ponte"));
    QCOMPARE(QFileInfo(QFileInfo(*scelto).path()).canonicalFilePath(), QDir(altrove).canonicalPath());
}

void TestServiziQt::dialogoAnnullato()
{
    RichiestaFile q;
    q.filtro = kElimina;
    QString filtro;
    QStringList applicati;
    bool chiuso = false;
    quandoAppare(
        [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            auto* modello = w->findChild<QFileSystemModel*>();
            QVERIFY(d && modello);
            filtro = d->selectedNameFilter();
            applicati = modello->nameFilters();
            QTest::keyClick(w, Qt::Key_Escape);
        },
        &chiuso);
    QVERIFY(!qt_.dialogoFile->scegli(q));
    QVERIFY(chiuso);
    QCOMPARE(filtro, QStringLiteral("Tutti i file (*.*)"));
    // Files without an extension included.
    QCOMPARE(applicati, QStringList{QStringLiteral("*")});
}

void TestServiziQt::colore()
{
    const QColor giallo(255, 255, 192);
    QString titolo;
    QColor iniziale;
    quandoAppare([&](QWidget* w) {
        auto* d = qobject_cast<QColorDialog*>(w);
        QVERIFY(d);
        titolo = d->windowTitle();
        iniziale = d->currentColor();
        d->setCurrentColor(QColor(10, 20, 30));
        d->accept();
    });
    QCOMPARE(qt_.dialogoColore->scegli(giallo), std::optional<QColor>(QColor(10, 20, 30)));
    QCOMPARE(titolo, QStringLiteral("Colore di sfondo"));
    QCOMPARE(iniziale, giallo);

    bool chiuso = false;
    quandoAppare([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, &chiuso);
    QVERIFY(!qt_.dialogoColore->scegli(giallo));
    QVERIFY(chiuso);
}

void TestServiziQt::stampaAnnullata()
{
#ifdef Q_OS_WIN
    QSKIP("il dialogo di stampa di Windows è del sistema e qui non ci sono stampanti");
#endif
    bool visto = false;
    quandoAppare([&](QWidget*) { visto = true; });   // closed by Cancel
    QVERIFY(!qt_.dialogoStampa->scegli());
    QVERIFY(visto);
}

void TestServiziQt::impostazioniStudio()
{
    QCOMPARE(qt_.impostazioni->nomeStudio(), QString());
    const QString nome = QStringLiteral("Studio Tecnico Bianchi & Rossi");
    const QString indirizzo = QStringLiteral("via Po 3, 10100 Città — \"interno\" 2");
    qt_.impostazioni->salvaStudio(nome, indirizzo);
    // A fresh object, as after a restart.
    ImpostazioniQt riletto;
    QCOMPARE(riletto.nomeStudio(), nome);
    QCOMPARE(riletto.indirizzoStudio(), indirizzo);
#ifdef Q_OS_WIN
    QSettings grezze(QStringLiteral("HKEY_CURRENT_USER\\Software\\Rinsal\\Rinsal"), QSettings::NativeFormat);
#else
    QSettings grezze(cartella_.filePath(QStringLiteral("config/Rinsal/Rinsal.conf")),
                     QSettings::IniFormat);
#endif
    QCOMPARE(grezze.value(QStringLiteral("Studio/Nome")).toString(), nome);
    QCOMPARE(grezze.value(QStringLiteral("Studio/Indirizzo")).toString(), indirizzo);

    // Recent files, a list per kind of window, read back after a restart.
    const QStringList recenti = {QStringLiteral("/lavori/Città, 2/Tiranti-dati-è"), QStringLiteral("/a/Tiranti-dati-b")};
    qt_.impostazioni->salvaFileRecenti(QStringLiteral("Tiranti-dati-"), recenti);
    QCOMPARE(riletto.fileRecenti(QStringLiteral("Tiranti-dati-")), recenti);
    QVERIFY(riletto.fileRecenti(QStringLiteral("Cuciture-dati-")).isEmpty());
}

// Every text Qt asks a translation for while its dialogs are built, where no
// translator gives anything but the English source.
class SpiaTraduzioni : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contesto, const char* testo, const char* distinzione, int n) const override
    {
        if (dentro_ || testo == nullptr || *testo == 0) {
            return {};
        }
        dentro_ = true;
        const QString tradotto = QCoreApplication::translate(contesto, testo, distinzione, n);
        dentro_ = false;
        if (tradotto == QString::fromUtf8(testo)) {
            mancanti.insert(QStringLiteral("%1: %2").arg(QLatin1String(contesto), QString::fromUtf8(testo)));
        }
        return {};
    }
    mutable QSet<QString> mancanti;

private:
    mutable bool dentro_ = false;
};

// The dialogs the program shows on Linux (Windows shows its own) speak
// Italian: Qt's translation and what the program adds where it has gaps.
void TestServiziQt::testiDiQtInItaliano()
{
#ifdef Q_OS_WIN
    QSKIP("Windows shows its own file and print dialogs");
#else
    SpiaTraduzioni spia;
    QCoreApplication::installTranslator(&spia);
    {
        QPrinter stampante(QPrinter::HighResolution);
        QPrintDialog stampa(&stampante);
        stampa.show();
        for (QPushButton* b : stampa.findChildren<QPushButton*>()) {
            if (b->text().contains(QLatin1String(">>"))) {
                b->click();
            }
        }
        QCoreApplication::processEvents();
        // The printer properties, a modal dialog of their own.
        auto* proprieta = stampa.findChild<QPushButton*>(QStringLiteral("properties"));
        QVERIFY(proprieta);
        bool aperte = false;
        QTimer::singleShot(300, this, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                aperte = w != &stampa;
                w->close();
            }
        });
        proprieta->click();
        QVERIFY(aperte);
        QColorDialog colore;
        colore.show();
        QFileDialog file;
        file.setOption(QFileDialog::DontUseNativeDialog);
        file.setDirectory(cartella_.path());
        file.show();
        QTest::qWait(200);   // the file list is read in the background
        QMessageBox domanda(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        domanda.show();
        QCoreApplication::processEvents();
    }
    QCoreApplication::removeTranslator(&spia);
    // Words that are the same in Italian; key names as the keys show them,
    // paper sizes by their standard names, pages per sheet as numbers.
    static const QSet<QString> uguali = {
        QStringLiteral("QColorDialog: &HTML:"),    QStringLiteral("QColorDialog: &Sat:"),
        QStringLiteral("QColorDialog: &Val:"),     QStringLiteral("QFileSystemModel: Computer"),
        QStringLiteral("QPrintWidget: ..."),       QStringLiteral("QCupsJobWidget: Standard"),
        QStringLiteral("QPageSetupWidget: mm"),    QStringLiteral("QPageSetupWidget: Cicero (CC)"),
        QStringLiteral("QPageSetupWidget: Didot (DD)"), QStringLiteral("QPageSetupWidget: Pica (P̸)"),
        QStringLiteral("QPlatformTheme: &No"),     QStringLiteral("QPlatformTheme: OK"),
    };
    QStringList inglese;
    for (const QString& m : spia.mancanti) {
        const QString testo = m.section(QLatin1String(": "), 1);
        if (!uguali.contains(m) && !m.startsWith(QLatin1String("QShortcut: "))
            && !m.startsWith(QLatin1String("QPageSize: ")) && !(m.startsWith(QLatin1String("QPrintDialog: "))
                                                                 && !testo.isEmpty() && testo.front().isDigit())) {
            inglese << m;
        }
    }
    inglese.sort();
    QVERIFY2(inglese.isEmpty(), qPrintable(inglese.join(QLatin1Char('\n'))));
#endif
}

int main(int argc, char** argv)
{
    // A session in another language: what Qt shows is Italian all the same.
    qputenv("LC_ALL", "en_US.UTF-8");
    parlaItaliano();
    QApplication app(argc, argv);
    caricaTraduzioni();
    TestServiziQt t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}
#include "test_servizi_qt.moc"
