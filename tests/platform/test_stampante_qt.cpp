// The Qt printer, read back from the PDF it writes.
#include "platform/stampante_qt.h"
#include "platform/stampante_testo.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using platform::StampanteQt;
using platform::Voce;

namespace {

QString esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning() << programma << argomenti << p.errorString() << p.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Pages as text, one character per cell of `passo` points. (-layout guesses
// the pitch and closes up wide gaps between sparse items; -fixed does not.)
// The common left margin and trailing blanks are dropped, so column 1 is
// the first character of a line.
QStringList pagineTesto(const QString& pdf, double passo)
{
    QStringList pagine = esegui(QStringLiteral("pdftotext"),
                                {QStringLiteral("-fixed"), QString::number(passo), pdf,
                                 QStringLiteral("-")})
                             .split(QLatin1Char('\f'));
    if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty()) {
        pagine.removeLast();
    }
    for (QString& p : pagine) {
        QStringList righe;
        qsizetype margine = 1000;
        for (QString r : p.split(QLatin1Char('\n'))) {
            while (r.endsWith(QLatin1Char(' '))) {
                r.chop(1);
            }
            if (!r.isEmpty()) {
                righe << r;
                qsizetype k = 0;
                while (r.at(k) == QLatin1Char(' ')) {
                    ++k;
                }
                margine = qMin(margine, k);
            }
        }
        for (QString& r : righe) {
            r.remove(0, margine);
        }
        p = righe.join(QLatin1Char('\n'));
    }
    return pagine;
}

struct Parola {
    double xMin, yMin, xMax, yMax;
    QString testo;
    int pagina;
};

// Word boxes in points from the paper's top-left corner.
std::vector<Parola> parole(const QString& pdf)
{
    const QString html = esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf,
                                                               QStringLiteral("-")});
    static const QRegularExpression re(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Parola> out;
    int pagina = 0;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++pagina;
            continue;
        }
        out.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                       m.captured(4).toDouble(), m.captured(5), pagina});
    }
    return out;
}

const Parola* trova(const std::vector<Parola>& pp, const QString& testo)
{
    for (const Parola& p : pp) {
        if (p.testo == testo) {
            return &p;
        }
    }
    return nullptr;
}

// The poppler tools read the PDFs; a Windows build under wine cannot start
// them (its PDFs are read from outside by tests/windows/test-windows.sh).
bool popplerDisponibile()
{
    static const bool presente = [] {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {QStringLiteral("-v")});
        return p.waitForStarted(10000) && p.waitForFinished(10000);
    }();
    return presente;
}
#define RICHIEDE_POPPLER()                                                                          \
    if (!popplerDisponibile())                                                                      \
    QSKIP("pdfinfo e pdftotext non si possono avviare qui")

int numeroPagine(const QString& pdf)
{
    static const QRegularExpression re(QStringLiteral(R"(Pages:\s+(\d+))"));
    return re.match(esegui(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

} // namespace

class TestStampanteQt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(cartella_.isValid());
        // RINSAL_TENERE_PDF=1 keeps the files to look at.
        if (qEnvironmentVariableIsSet("RINSAL_TENERE_PDF")) {
            cartella_.setAutoRemove(false);
            qInfo() << "PDF in" << cartella_.path();
        }
    }

    void disponeComeIlTesto_data();
    void disponeComeIlTesto();
    void colonneNelPdf();
    void voceASinistraVaACapo();
    void fontEDimensioni();
    void posizioneOrizzontaleEVerticale();
    void salti();
    void linee();
    void pdfNonScrivibile();
    void documentoVuoto();

private:
    QString pdf(const char* nome) const { return cartella_.filePath(QLatin1String(nome)); }
    QTemporaryDir cartella_;
};

void TestStampanteQt::disponeComeIlTesto_data()
{
    QTest::addColumn<std::vector<Voce>>("voci");
    auto V = [](int c, const char* t) { return Voce{c, QString::fromUtf8(t)}; };
    QTest::newRow("vuota") << std::vector<Voce>{};
    QTest::newRow("colonne") << std::vector<Voce>{V(7, "RINSAL"), V(20, "12,5"), V(30, "x")};
    QTest::newRow("di seguito") << std::vector<Voce>{V(0, "pagina "), V(0, "3")};
    QTest::newRow("a sinistra") << std::vector<Voce>{V(1, "ABCDEFGHIJ"), V(5, "XY"), V(3, "z")};
    QTest::newRow("stessa colonna raggiunta") << std::vector<Voce>{V(1, "ABCD"), V(5, "E")};
    QTest::newRow("una prima") << std::vector<Voce>{V(1, "ABCD"), V(4, "E")};
    QTest::newRow("valori che si toccano") << std::vector<Voce>{V(14, "1,2,3"), V(19, "20"), V(21, " 7"), V(23, "-4")};
    QTest::newRow("vuote e accenti") << std::vector<Voce>{V(3, ""), V(0, "è"), V(2, "à"), V(0, "")};
}

// One column rule for both backends: rebuilt as text, the per-item layout is
// what the text backend prints.
void TestStampanteQt::disponeComeIlTesto()
{
    QFETCH(std::vector<Voce>, voci);
    const platform::RigaDisposta d = platform::disponiVoci(voci);
    QStringList righe(d.righe);
    for (const platform::PezzoRiga& p : d.pezzi) {
        QString& r = righe[p.riga];
        r = r.leftJustified(int(p.cella), QLatin1Char(' ')) + p.testo;
    }
    QStringList attese;
    for (const QString& r : platform::componiRiga(voci)) {
        attese << r;
    }
    for (QString& r : attese) {
        while (r.endsWith(QLatin1Char(' '))) {
            r.chop(1);
        }
    }
    QCOMPARE(righe, attese);
}

void TestStampanteQt::colonneNelPdf()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("colonne.pdf");
    StampanteQt s(file);
    s.impostaFont(QStringLiteral("Courier"));
    s.impostaDimensione(8);
    s.impostaY(800);
    s.stampaRiga({{1, QStringLiteral("tir.")}, {12, QStringLiteral("spes.")}, {40, QStringLiteral("coeff.")}});
    s.rigaVuota();
    s.stampaRiga({{8, QStringLiteral(" 1,5")}, {20, QStringLiteral("casa")}});
    s.stampaRiga({{6, QStringLiteral(" 123,25")}, {0, QStringLiteral("-seguito")}});
    s.stampaRiga({{3, QStringLiteral("àèìòù °C")}});
    QVERIFY(s.fineDocumento());
    QVERIFY(!s.inErrore());

    const QStringList pagine = pagineTesto(file, 4.8);
    QCOMPARE(pagine.size(), 1);
    const QStringList attese{
        QStringLiteral("tir.       spes.                       coeff."),
        QStringLiteral("        1,5        casa"),
        QStringLiteral("      123,25-seguito"),
        QStringLiteral("  àèìòù °C"),
    };
    QCOMPARE(pagine[0].split(QLatin1Char('\n')), attese);

    // Exact places, not only the order: 39 cells of 0.6 x 8 points.
    const auto pp = parole(file);
    const Parola* tir = trova(pp, QStringLiteral("tir."));
    const Parola* coeff = trova(pp, QStringLiteral("coeff."));
    QVERIFY(tir && coeff);
    QVERIFY(qAbs(coeff->xMin - tir->xMin - 39 * 4.8) < 0.05);
}

void TestStampanteQt::voceASinistraVaACapo()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("acapo.pdf");
    StampanteQt s(file);
    s.impostaFont(QStringLiteral("Courier"));
    s.impostaDimensione(12);
    const double passo = s.rigaTwips();
    s.stampaRiga({{1, QStringLiteral("ABCDEFGHIJ")}, {5, QStringLiteral("XY")}, {9, QStringLiteral("Z")}});
    // Two physical lines, not one over the other.
    QVERIFY(qAbs(s.y() - 2 * passo) < 1e-6);
    QVERIFY(s.fineDocumento());
    QCOMPARE(pagineTesto(file, 7.2).value(0),
             QStringLiteral("ABCDEFGHIJ\n    XY  Z"));
    // A value that reaches the next column does not run into it: "1,2,320"
    // would read as one number. A leading blank (the sign position) parts them.
    QCOMPARE(platform::componiRiga({{14, QStringLiteral("1,2,3")}, {19, QStringLiteral("20")}, {21, QStringLiteral(" 7")}}),
             (std::vector<QString>{QStringLiteral("             1,2,3"), QStringLiteral("                  20 7")}));
}

void TestStampanteQt::fontEDimensioni()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("font.pdf");
    StampanteQt s(file);
    s.impostaFont(QStringLiteral("Courier"));
    struct Caso { double punti; const char* testo; };
    const Caso casi[] = {{18, "DICIOTTO"}, {12, "DODICI"}, {8, "OTTO"}};
    for (const Caso& c : casi) {
        s.impostaDimensione(c.punti);
        QCOMPARE(s.dimensione(), c.punti);
        // A Courier cell is 0.6 em.
        QVERIFY2(qAbs(s.cellaTwips() - 0.6 * c.punti * 20) < 0.01 * c.punti * 20,
                 qPrintable(QString::number(s.cellaTwips())));
        s.stampaRiga({{1, QLatin1String(c.testo)}});
    }
    QVERIFY(s.fineDocumento());

    const QString fonts = esegui(QStringLiteral("pdffonts"), {file});
    QVERIFY2(fonts.contains(QLatin1String("NimbusMonoPS")), qPrintable(fonts));
    QVERIFY2(!fonts.contains(QLatin1String("DejaVu")), qPrintable(fonts));

    const auto pp = parole(file);
    for (const Caso& c : casi) {
        const Parola* p = trova(pp, QLatin1String(c.testo));
        QVERIFY2(p, c.testo);
        const double larghezza = qstrlen(c.testo) * 0.6 * c.punti;
        QVERIFY2(qAbs((p->xMax - p->xMin) - larghezza) < 0.02 * larghezza,
                 qPrintable(QStringLiteral("%1: %2 pt").arg(c.testo).arg(p->xMax - p->xMin)));
    }
}

void TestStampanteQt::posizioneOrizzontaleEVerticale()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("posizioni.pdf");
    StampanteQt s(file);
    s.impostaFont(QStringLiteral("Courier"));
    s.impostaDimensione(12);
    s.impostaY(800);
    s.stampaRiga({{1, QStringLiteral("primo")}});
    s.stampaRiga({{11, QStringLiteral("secondo")}});
    // A footer placed by position, as the report does.
    s.impostaX(9800);
    s.impostaY(15000);
    s.stampaRiga({{0, QStringLiteral("pagina")}, {0, QStringLiteral(" 2")}});
    QCOMPARE(s.x(), 0.0);
    QVERIFY(s.fineDocumento());

    const auto pp = parole(file);
    const Parola* primo = trova(pp, QStringLiteral("primo"));
    const Parola* secondo = trova(pp, QStringLiteral("secondo"));
    const Parola* piede = trova(pp, QStringLiteral("pagina"));
    QVERIFY(primo && secondo && piede);
    QVERIFY(qAbs(secondo->xMin - primo->xMin - 10 * 0.6 * 12) < 0.2);
    QVERIFY(qAbs(secondo->yMin - primo->yMin - s.rigaTwips() / 20) < 0.2);
    QVERIFY(qAbs(piede->xMin - primo->xMin - 9800.0 / 20) < 0.2);
    QVERIFY(qAbs(piede->yMin - primo->yMin - (15000.0 - 800) / 20) < 0.2);
}

void TestStampanteQt::salti()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("salti.pdf");
    StampanteQt s(file);
    platform::StampanteTesto t;
    for (platform::Stampante* p : {static_cast<platform::Stampante*>(&s),
                                   static_cast<platform::Stampante*>(&t)}) {
        p->impostaFont(QStringLiteral("Courier"));
        p->impostaY(800);
    }
    const double fondo = s.altezzaPaginaTwips();
    QVERIFY(fondo > 15000 && fondo <= platform::kAltezzaPaginaTwips);

    // Sizes change on the way, as in a printout; both backends must break
    // on the same line, at the same height.
    int righe = 0;
    while (s.pagina() < 3) {
        const double punti = righe % 30 < 10 ? 12 : (righe % 30 < 12 ? 18 : 8);
        s.impostaDimensione(punti);
        t.impostaDimensione(punti);
        const std::vector<Voce> riga{{1, QStringLiteral("riga%1").arg(++righe)}};
        const int prima = s.pagina();
        s.stampaRiga(riga);
        t.stampaRiga(riga);
        QCOMPARE(s.pagina(), t.pagina());
        QVERIFY(qAbs(s.y() - t.y()) < 1e-6);
        QVERIFY(s.y() <= fondo);
        if (s.pagina() != prima) {
            // Opened by this line, which sits at the top.
            QVERIFY(qAbs(s.y() - s.rigaTwips()) < 1e-6);
        }
        QVERIFY(righe < 1000);
    }

    s.impostaX(500);
    s.nuovaPagina();
    QCOMPARE(s.pagina(), 4);
    QCOMPARE(s.x(), 0.0);
    QCOMPARE(s.y(), 0.0);
    s.stampaRiga({{1, QStringLiteral("quarta")}});
    QVERIFY(s.fineDocumento());

    QCOMPARE(numeroPagine(file), 4);
    const auto pp = parole(file);
    const Parola* ultima = trova(pp, QStringLiteral("riga%1").arg(righe));
    const Parola* quarta = trova(pp, QStringLiteral("quarta"));
    QVERIFY(ultima && quarta);
    QCOMPARE(ultima->pagina, 3);
    QCOMPARE(quarta->pagina, 4);
    // The text backend's page of every line is the PDF's.
    for (const platform::RigaStampata& r : t.righe()) {
        const Parola* w = trova(pp, r.testo);
        QVERIFY2(w, qPrintable(r.testo));
        QCOMPARE(w->pagina, r.pagina);
    }
}

void TestStampanteQt::linee()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("linee.pdf");
    StampanteQt s(file);
    s.linea(1000, 14000, 10000, 14000, 5);
    // The position follows the pen, so the next line prints under the rule.
    QCOMPARE(s.x(), 10000.0);
    QCOMPARE(s.y(), 14000.0);
    s.linea(1000, 1000, 1000, 5000, 1);
    QVERIFY(s.fineDocumento());

    const QString base = cartella_.filePath(QStringLiteral("linee"));
    esegui(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("144"),
                                        QStringLiteral("-png"), QStringLiteral("-singlefile"), file, base});
    QImage img(base + QStringLiteral(".png"));
    QVERIFY(!img.isNull());
    QPrinter riferimento(QPrinter::HighResolution);
    riferimento.setPageSize(QPageSize(QPageSize::A4));
    const QPointF margine = riferimento.pageLayout().paintRectPoints().topLeft();
    auto px = [](double twips) { return int(twips / 1440.0 * 144); };
    auto scuro = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    const int mx = int(margine.x() * 2), my = int(margine.y() * 2);
    // Width 5: about 1/60 inch, a couple of pixels at 144 dpi.
    QVERIFY(scuro(mx + px(5500), my + px(14000)));
    QVERIFY(!scuro(mx + px(5500), my + px(14000) + 6));
    QVERIFY(!scuro(mx + px(11000), my + px(14000)));
    QVERIFY(scuro(mx + px(1000), my + px(3000)));
    QVERIFY(!scuro(mx + px(1000), my + px(6000)));
}

void TestStampanteQt::pdfNonScrivibile()
{
    const QString file = cartella_.filePath(QStringLiteral("manca/dentro/x.pdf"));
    StampanteQt s(file);
    QVERIFY(!s.inErrore());
    s.impostaFont(QStringLiteral("Courier"));
    s.impostaDimensione(12);
    s.stampaRiga({{1, QStringLiteral("niente")}});
    QVERIFY(s.inErrore());
    s.linea(0, 0, 100, 100, 1);
    s.nuovaPagina();
    QCOMPARE(s.pagina(), 1);
    QVERIFY(!s.fineDocumento());
    QVERIFY(!s.fineDocumento());
    QVERIFY(!QFile::exists(file));
}

void TestStampanteQt::documentoVuoto()
{
    RICHIEDE_POPPLER();
    const QString file = pdf("vuoto.pdf");
    {
        StampanteQt s(file);
        QVERIFY(s.fineDocumento());
        // Ended: further drawing must not reopen the job.
        s.stampaRiga({{1, QStringLiteral("dopo")}});
        s.nuovaPagina();
        QCOMPARE(s.pagina(), 1);
    }
    QCOMPARE(numeroPagine(file), 1);
    QVERIFY(pagineTesto(file, 7.2).join(QString()).trimmed().isEmpty());
}

QTEST_MAIN(TestStampanteQt)
#include "test_stampante_qt.moc"
