#include "shell/datifrontespizio.h"

#include "shell/finestre.h"

DatiFrontespizio& DatiFrontespizio::modello()
{
    static DatiFrontespizio dati;
    return dati;
}

DatiFrontespizio& DatiFrontespizio::attuali()
{
    finestre::ottieni(IdFinestra::Frontespizio);
    return modello();
}

// Never a null text: a blank field is an empty one.
QString DatiFrontespizio::testo(int i) const
{
    const QString& t = testi_[std::size_t(i)];
    return t.isNull() ? QString(QLatin1String("")) : t;
}

QStringList DatiFrontespizio::testi() const
{
    QStringList t;
    for (int i = 0; i < kCampi; ++i) {
        t << testo(i);
    }
    return t;
}

void DatiFrontespizio::imposta(int i, const QString& testo)
{
    if (i < 0 || i >= kCampi || testi_[std::size_t(i)] == testo) {
        return;
    }
    testi_[std::size_t(i)] = testo;
    emit cambiato(i);
}

void DatiFrontespizio::carica(const QStringList& testi)
{
    for (int i = 0; i < kCampi; ++i) {
        testi_[std::size_t(i)] = testi.value(i);
    }
    emit caricati();
}

QString progettoFrontespizio()
{
    if (!finestre::ottieni(IdFinestra::Frontespizio)) {
        return QString();
    }
    return DatiFrontespizio::modello().testo(0);
}
