#include "platform/caratteri.h"

#ifdef Q_OS_WIN
#include <QFontDatabase>
#include <QStringList>
#endif

namespace platform {

#ifdef Q_OS_WIN

namespace {

// The first family of the list that the system has; the last one otherwise.
QString primaPresente(const QStringList& candidate)
{
    const QStringList presenti = QFontDatabase::families();
    for (const QString& c : candidate) {
        if (presenti.contains(c, Qt::CaseInsensitive)) {
            return c;
        }
    }
    return candidate.last();
}

} // namespace

QString famigliaStampa(const QString& nome)
{
    if (nome.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Courier New");
    }
    if (nome.compare(QLatin1String("Times"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Times New Roman");
    }
    if (nome.startsWith(QLatin1String("DejaVu Sans"), Qt::CaseInsensitive)) {
        return QStringLiteral("Arial");
    }
    return nome;
}

QString famigliaSchermo(const QString& nome)
{
    if (nome.compare(QLatin1String("DejaVu Sans Condensed"), Qt::CaseInsensitive) == 0) {
        return primaPresente({QStringLiteral("Arial Narrow"), QStringLiteral("Segoe UI")});
    }
    if (nome.startsWith(QLatin1String("DejaVu Sans"), Qt::CaseInsensitive)) {
        return QStringLiteral("Segoe UI");
    }
    return famigliaStampa(nome);
}

#else

QString famigliaStampa(const QString& nome)
{
    return nome;
}

QString famigliaSchermo(const QString& nome)
{
    return nome;
}

#endif

} // namespace platform
