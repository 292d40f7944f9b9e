#include "shell/numeri.h"

#include <cmath>

namespace numeri {

std::optional<double> daTesto(const QString& t)
{
    // Optional minus, digits, optional comma with digits; at least one digit.
    int i = 0;
    const int n = t.size();
    bool negativo = false;
    if (i < n && t[i] == QLatin1Char('-')) {
        negativo = true;
        ++i;
    }
    QByteArray cifre;
    int contate = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        cifre += char(t[i].unicode());
        ++i;
        ++contate;
    }
    if (i < n && t[i] == QLatin1Char(',')) {
        cifre += '.';
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            cifre += char(t[i].unicode());
            ++i;
            ++contate;
        }
    }
    if (i != n || contate == 0) {
        return std::nullopt;
    }
    bool ok = false;
    double v = cifre.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return negativo ? -v : v;
}

double numeroIniziale(const QString& t)
{
    const int n = t.size();
    // Plain digits (the common case: counts shown on screen) read exactly
    // without building a copy for the converter.
    if (n > 0 && n <= 15) {
        long long v = 0;
        int k = 0;
        for (; k < n && t[k].unicode() >= '0' && t[k].unicode() <= '9'; ++k) {
            v = v * 10 + (t[k].unicode() - '0');
        }
        if (k == n) {
            return double(v);
        }
    }
    int i = 0;
    while (i < n && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t'))) {
        ++i;
    }
    QByteArray s;
    if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        s += char(t[i].unicode());
        ++i;
    }
    bool punto = false;
    while (i < n) {
        const QChar c = t[i];
        if (c.unicode() < 128 && c.isDigit()) {
            s += char(c.unicode());
        } else if (c == QLatin1Char('.') && !punto) {
            punto = true;
            s += '.';
        } else {
            break;
        }
        ++i;
    }
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString testo(double x)
{
    if (!std::isfinite(x)) {
        return QString();
    }
    if (x == 0) {
        return QStringLiteral("0");
    }
    // Whole values below 10^15 print with all their digits and no exponent:
    // the integer conversion gives the same text without the formatter.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
        return QString::number(static_cast<long long>(x));
    }
    // Qt's formatter, not the C library's: under an Italian C locale (which
    // a desktop session sets) that one writes a decimal comma.
    QString s = QString::number(x, 'g', 15);
    const int e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // Rewrite an exponent form as plain digits.
        const bool negativo = x < 0;
        QString mant = s.left(e);
        const int esp = s.mid(e + 1).toInt();
        if (negativo) {
            mant.remove(0, 1);
        }
        QString cifre = mant;
        int punto = cifre.indexOf(QLatin1Char('.'));
        if (punto < 0) {
            punto = cifre.size();
        } else {
            cifre.remove(punto, 1);
        }
        int pos = punto + esp;
        if (pos <= 0) {
            cifre = QStringLiteral("0.") + QString(-pos, QLatin1Char('0')) + cifre;
        } else if (pos >= cifre.size()) {
            cifre += QString(pos - cifre.size(), QLatin1Char('0'));
        } else {
            cifre.insert(pos, QLatin1Char('.'));
        }
        s = (negativo ? QStringLiteral("-") : QString()) + cifre;
    }
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(QLatin1Char('.'))) {
            s.chop(1);
        }
    }
    if (s == QLatin1String("-0")) {
        s = QStringLiteral("0");
    }
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString stampa(double x)
{
    const QString t = testo(x);
    if (t.startsWith(QLatin1Char('-'))) {
        return t;
    }
    return QLatin1Char(' ') + t;
}

} // namespace numeri
