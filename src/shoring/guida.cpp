#include "shoring/guida.h"

#include "shoring/testi.h"

namespace modpuntelli {

namespace {

QString zona(int m)
{
    return m == kSotto ? testi::kZonaSotto : m == kSopra ? testi::kZonaSopra : QString();
}

QString del(int c) { return testi::kGuidaDel + QLatin1Char(' ') + QString::number(c); }

struct Richiesta {
    const QString Consolidamento::*campo;
    const QString* guida;
    const QString* controllo;
};

const Richiesta kTipo3[] = {
    {&Consolidamento::altar, &testi::kGuidaAltar, &testi::kCtrAltar},
    {&Consolidamento::spessfr, &testi::kGuidaSpessfr, &testi::kCtrSpessfr},
    {&Consolidamento::spessnor, &testi::kGuidaSpessnor, &testi::kCtrSpessnor},
    {&Consolidamento::sigm, &testi::kGuidaSigm, &testi::kCtrSigm},
    {&Consolidamento::rag, &testi::kGuidaRag, &testi::kCtrRag},
    {&Consolidamento::carsem, &testi::kGuidaCarsem, &testi::kCtrCarsem},
    {&Consolidamento::carpil, &testi::kGuidaCarpil, &testi::kCtrCarpil},
};
const Richiesta kTipo12[] = {
    {&Consolidamento::carpu, &testi::kGuidaCarpu, &testi::kCtrCarpu},
    {&Consolidamento::ang, &testi::kGuidaAng, &testi::kCtrAng},
    {&Consolidamento::altpu, &testi::kGuidaAltpu, &testi::kCtrAltpu},
    {&Consolidamento::spessfr, &testi::kGuidaSpessfr, &testi::kCtrSpessfr},
    {&Consolidamento::spessnor, &testi::kGuidaSpessnor, &testi::kCtrSpessnor},
    {&Consolidamento::sigm, &testi::kGuidaSigm, &testi::kCtrSigm},
};

template <size_t N>
const Richiesta* primoVuoto(const Consolidamento& k, const Richiesta (&elenco)[N])
{
    for (const Richiesta& r : elenco) {
        if ((k.*r.campo).isEmpty()) {
            return &r;
        }
    }
    return nullptr;
}

struct VoceZona {
    int gruppo;
    const QString* guida;
    const QString* controllo;
};
const VoceZona kZona[] = {
    {2, &testi::kGuidaTipologia, &testi::kCtrTipologia}, {3, &testi::kGuidaQualita, &testi::kCtrQualita},
    {4, &testi::kGuidaNatura, &testi::kCtrNatura},       {5, &testi::kGuidaEstensione, &testi::kCtrEstensione},
    {6, &testi::kGuidaGravita, &testi::kCtrGravita},
};

} // namespace

QString GuidaPuntelli(const Lavoro& l, int c, int m, int p)
{
    if (!Lavoro::valido(c)) {
        return testi::kGuidaInizio;
    }
    const Consolidamento& k = l.at(c);
    const QString N = del(c);
    for (const VoceZona& v : kZona) {
        if (k.scelta(m, v.gruppo) == 0) {
            return *v.guida + N + zona(m);
        }
    }
    if (k.zona[kSopra].tipologia == 0) {
        return testi::kGuidaSopra;
    }
    if (k.tipo == 0) {
        return testi::kGuidaTipo + N;
    }
    if (k.tipo == 3) {
        if (const Richiesta* r = primoVuoto(k, kTipo3)) {
            return *r->guida + N;
        }
    } else {
        if (const Richiesta* r = primoVuoto(k, kTipo12)) {
            return *r->guida + N;
        }
        if (k.tipo == 2) {
            const Puntello& pu = k.puntelli[(p >= 1 && p <= kMaxPuntelli) ? p : 0];
            const QString np = QLatin1Char(' ') + QString::number(p);
            if (pu.frec.isEmpty()) {
                return testi::kGuidaFrec + np + N;
            }
            if (pu.altdef.isEmpty()) {
                return testi::kGuidaAltdef + np + N;
            }
        } else if (k.tipo == 1 && k.lesioni == 0) {
            return testi::kGuidaLesioni + N;
        }
    }
    return testi::kGuidaFine;
}

std::optional<Segnalazione> ControllaPuntelli(const Lavoro& l)
{
    using platform::Icona;
    if (l.numeroConsolidamenti == 0) {
        return Segnalazione{testi::kNessunDato, Icona::Esclamativa};
    }
    for (int c = 1; c <= std::min(l.numeroConsolidamenti, kMaxConsolidamenti); ++c) {
        const Consolidamento& k = l.at(c);
        const QString P = testi::kConsolidamentoN + QLatin1Char(' ') + QString::number(c) + QStringLiteral(":\r");
        auto scegli = [&](const QString& t) { return Segnalazione{P + testi::kScegliere + t, Icona::Critica}; };
        auto digita = [&](const QString& t) { return Segnalazione{P + testi::kDigitare + t, Icona::Critica}; };
        for (int m = kSotto; m <= kSopra; ++m) {
            for (const VoceZona& v : kZona) {
                if (k.scelta(m, v.gruppo) == 0) {
                    return scegli(*v.controllo + zona(m));
                }
            }
        }
        if (k.tipo == 0) {
            return scegli(testi::kCtrTipo);
        }
        if (k.tipo == 3) {
            if (const Richiesta* r = primoVuoto(k, kTipo3)) {
                return digita(*r->controllo);
            }
        } else if (const Richiesta* r = primoVuoto(k, kTipo12)) {
            return digita(*r->controllo);
        }
        if (k.tipo == 2) {
            const int n = k.numeroPuntelli > 0 ? std::min(k.numeroPuntelli, kMaxPuntelli) : 1;
            for (int p = 1; p <= n; ++p) {
                const QString np = QLatin1Char(' ') + QString::number(p);
                if (k.puntelli[p].frec.isEmpty()) {
                    return digita(testi::kCtrFrec + np);
                }
                if (k.puntelli[p].altdef.isEmpty()) {
                    return digita(testi::kCtrAltdef + np);
                }
            }
        }
        if (k.tipo == 1 && k.lesioni == 0) {
            return scegli(testi::kCtrLesioni);
        }
    }
    return std::nullopt;
}

} // namespace modpuntelli
