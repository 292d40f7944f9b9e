#include "shell/archivio.h"

#include "shell/numeri.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace archivio {

namespace {
// The 0x80-0x9F block of Windows-1252; 0 where the code page has no character.
constexpr char16_t kBlocco[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// Longest line a data file can reasonably hold; past it the file is not ours.
constexpr qsizetype kMassimoRiga = 64 * 1024;
} // namespace

QByteArray codificaCp1252(const QString& testo)
{
    QByteArray out;
    out.reserve(testo.size());
    for (const QChar c : testo) {
        const char16_t u = c.unicode();
        // Positions the code page leaves undefined were decoded to their
        // own value: they go back unchanged.
        const bool indefinito = u >= 0x80 && u < 0xA0 && kBlocco[u - 0x80] == 0;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || indefinito) {
            out += char(u);
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i) {
            if (kBlocco[i] != 0 && kBlocco[i] == u) {
                b = char(0x80 + i);
                break;
            }
        }
        out += b;
    }
    return out;
}

QString decodificaCp1252(const QByteArray& dati)
{
    QString out;
    out.reserve(dati.size());
    for (const char ch : dati) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t u = kBlocco[b - 0x80];
            out += QChar(u != 0 ? u : char16_t(b));
        } else {
            out += QChar(char16_t(b));
        }
    }
    return out;
}

void ScrittoreRecord::separa()
{
    if (!inizioRecord_) {
        dati_ += ',';
    }
    inizioRecord_ = false;
}

void ScrittoreRecord::testo(const QString& t)
{
    separa();
    if (t.isNull()) {
        return;
    }
    // A field cannot hold a double quote: it would end the field early.
    QString pulito = t;
    pulito.replace(QLatin1Char('"'), QLatin1Char('\''));
    pulito.remove(QLatin1Char('\r'));
    pulito.replace(QLatin1Char('\n'), QLatin1Char(' '));
    dati_ += '"' + codificaCp1252(pulito) + '"';
}

void ScrittoreRecord::numero(double v)
{
    separa();
    if (!std::isfinite(v)) {
        v = 0;
    }
    dati_ += numeri::testo(v).replace(QLatin1Char(','), QLatin1Char('.')).toLatin1();
}

void ScrittoreRecord::intero(long long v)
{
    separa();
    dati_ += QByteArray::number(v);
}

void ScrittoreRecord::fineRecord()
{
    dati_ += "\r\n";
    inizioRecord_ = true;
}

ErroreFormato::ErroreFormato(int riga, const QString& motivo)
    : std::runtime_error(motivo.toStdString())
    , riga_(riga)
    , motivo_(motivo)
{
}

LettoreRecord::LettoreRecord(QByteArray dati)
    : dati_(std::move(dati))
{
}

void LettoreRecord::errore(const QString& motivo) const
{
    throw ErroreFormato(riga_, motivo);
}

bool LettoreRecord::fineFile() const
{
    // Trailing line ends and blanks do not count as data.
    for (qsizetype i = pos_; i < dati_.size(); ++i) {
        const char c = dati_[i];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != 0x1A) {
            return false;
        }
    }
    return true;
}

LettoreRecord::Campo LettoreRecord::campo()
{
    Campo c;
    const qsizetype n = dati_.size();
    if (pos_ >= n) {
        // The end of the file ends the line as a line end would: after a
        // comma it closes one last never-set field.
        if (inizioRiga_) {
            errore(QStringLiteral("il file finisce prima del previsto"));
        }
        inizioRiga_ = true;
        c.assente = true;
        return c;
    }
    // Blanks before a field are not part of it.
    while (pos_ < n && (dati_[pos_] == ' ' || dati_[pos_] == '\t')) {
        ++pos_;
    }
    const qsizetype inizio = pos_;
    QByteArray grezzo;
    if (pos_ < n && dati_[pos_] == '"') {
        c.quotato = true;
        ++pos_;
        while (pos_ < n && dati_[pos_] != '"') {
            if (dati_[pos_] == '\r' || dati_[pos_] == '\n') {
                errore(QStringLiteral("un testo tra virgolette non è chiuso"));
            }
            grezzo += dati_[pos_];
            ++pos_;
            if (pos_ - inizio > kMassimoRiga) {
                errore(QStringLiteral("riga troppo lunga"));
            }
        }
        if (pos_ >= n) {
            errore(QStringLiteral("un testo tra virgolette non è chiuso"));
        }
        ++pos_;   // closing quote
        while (pos_ < n && (dati_[pos_] == ' ' || dati_[pos_] == '\t')) {
            ++pos_;
        }
        if (pos_ < n && dati_[pos_] != ',' && dati_[pos_] != '\r' && dati_[pos_] != '\n') {
            errore(QStringLiteral("caratteri inattesi dopo un testo tra virgolette"));
        }
    } else {
        while (pos_ < n && dati_[pos_] != ',' && dati_[pos_] != '\r' && dati_[pos_] != '\n') {
            if (dati_[pos_] == '"') {
                errore(QStringLiteral("virgolette fuori posto"));
            }
            grezzo += dati_[pos_];
            ++pos_;
            if (pos_ - inizio > kMassimoRiga) {
                errore(QStringLiteral("riga troppo lunga"));
            }
        }
        grezzo = grezzo.trimmed();
        c.assente = grezzo.isEmpty();
    }
    c.testo = c.assente ? QString() : decodificaCp1252(grezzo);
    if (c.quotato && c.testo.isNull()) {
        c.testo = QString(QLatin1String(""));
    }
    // The separator after the field: a comma stays inside the record, a line
    // end (CR LF, LF or a lone CR) closes it.
    if (pos_ < n && dati_[pos_] == ',') {
        ++pos_;
        inizioRiga_ = false;
    } else if (pos_ < n) {
        if (dati_[pos_] == '\r') {
            ++pos_;
        }
        if (pos_ < n && dati_[pos_] == '\n') {
            ++pos_;
        }
        ++riga_;
        inizioRiga_ = true;
    } else {
        inizioRiga_ = true;
    }
    return c;
}

QString LettoreRecord::testo()
{
    return campo().testo;
}

QString LettoreRecord::dato()
{
    const int riga = riga_;
    const QString t = testo();
    if (t.isEmpty()) {
        return t;
    }
    bool ammesso = t != QLatin1String("-") && t != QLatin1String(",");
    for (const QChar c : t) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') || c == QLatin1Char('-'))) {
            ammesso = false;
            break;
        }
    }
    if (ammesso) {
        return t;
    }
    scartati_.push_back({riga, t.left(40)});
    return QString();
}

double LettoreRecord::numero()
{
    const int riga = riga_;
    const Campo c = campo();
    if (c.assente) {
        return 0;
    }
    if (c.quotato) {
        throw ErroreFormato(riga, QStringLiteral("un numero è scritto come testo"));
    }
    bool ok = false;
    const double v = c.testo.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        throw ErroreFormato(riga, QStringLiteral("\"%1\" non è un numero").arg(c.testo.left(40)));
    }
    return v;
}

int LettoreRecord::intero(int minimo, int massimo)
{
    const int riga = riga_;
    const double v = numero();
    if (v != std::floor(v) || v < minimo || v > massimo) {
        throw ErroreFormato(riga, QStringLiteral("il valore %1 non è ammesso (da %2 a %3)")
                                      .arg(numeri::testo(v))
                                      .arg(minimo)
                                      .arg(massimo));
    }
    return int(v);
}

void LettoreRecord::fineRecord()
{
    if (!inizioRiga_) {
        errore(QStringLiteral("la riga contiene più dati del previsto"));
    }
}

void scriviRigheTipo(ScrittoreRecord& w, std::span<const ColonnaRighe> colonne, int numero, int tipo)
{
    const int n = std::clamp(numero, 0, int(std::tuple_size_v<ColonnaRighe>) - 1);
    w.intero(n);
    if (tipo == 1 || tipo == 2) {
        w.intero(tipo);
    } else {
        w.testo(QString());
    }
    w.fineRecord();
    for (int i = 1; i <= n; ++i) {
        for (const ColonnaRighe& c : colonne) {
            w.testo(c[std::size_t(i)]);
        }
        w.fineRecord();
    }
}

QString messaggioLettura(const QString& file, int riga, const QString& motivo)
{
    QString t = QStringLiteral("Impossibile leggere il file \"%1\"").arg(file);
    if (riga > 0) {
        t += QStringLiteral(" alla riga %1").arg(riga);
    }
    return t + QStringLiteral(": ") + motivo + QLatin1Char('.');
}

QString messaggioScartati(const QString& file, const std::vector<LettoreRecord::Scartato>& scartati)
{
    if (scartati.empty()) {
        return {};
    }
    QStringList voci;
    for (std::size_t i = 0; i < scartati.size() && i < 5; ++i) {
        QString t = scartati[i].testo;
        t.replace(QChar(0), QLatin1Char(' '));
        voci << QStringLiteral("riga %1 (\"%2\")").arg(scartati[i].riga).arg(t);
    }
    if (scartati.size() > 5) {
        voci << QStringLiteral("altri %1").arg(scartati.size() - 5);
    }
    return QStringLiteral("Nel file \"%1\" alcuni valori non sono numeri e sono stati lasciati vuoti: %2.\r"
                          "Le righe che li contengono sono incomplete finché non si digitano.")
        .arg(file, voci.join(QStringLiteral(", ")));
}

} // namespace archivio
