#include "support/finestraprova.h"

ConfigFinestra configProva()
{
    ConfigFinestra c;
    c.numero = 4;
    c.caption = QStringLiteral("Rinsal: prova");
    c.nomeDomanda = QStringLiteral("Tiranti");
    c.tipoCalcolo = 2;
    c.prefisso = QStringLiteral("Tiranti-dati-");
    c.guida = IdFinestra::GuidaTiranti;
    c.titoloColore = QStringLiteral("Tiranti: colore di sfondo");
    c.aiuto = {QStringLiteral("- riga uno;"), QStringLiteral("- riga due.")};
    c.archivioVuotoControllato = true;
    return c;
}

FinestraProva::FinestraProva(QWidget* parent)
    : FinestraCalcolo(configProva(), parent)
{
    for (int k = 1; k <= 5; ++k) {
        auto* e = new QLineEdit(superficie());
        e->setGeometry(tw(960), tw(1920 + 240 * (k - 1)), tw(615), tw(285));
        connect(e, &QLineEdit::textChanged, this, [this, k] {
            if (cambioCampoRiga(*valore[std::size_t(k - 1)], valori, RigaInizio, k, VarianteCampo::Normale,
                                RigaCorrente)) {
                ++ricalcoli;
            }
        });
        valore[std::size_t(k - 1)] = e;
    }
    completaCaricamento();
}

void FinestraProva::cancella_click()
{
    ++cancellazioni;
    valori.fill(QString());
    aggiorna();
}

void FinestraProva::aggiorna()
{
    for (int k = 1; k <= 5; ++k) {
        QLineEdit* e = valore[std::size_t(k - 1)];
        e->blockSignals(true);
        e->setText(valori[std::size_t(RigaInizio + k - 1)]);
        e->blockSignals(false);
    }
}

bool FinestraProva::haDatiDaArchiviare() const { return !valori[1].isEmpty(); }

EsitoControllo FinestraProva::verificaDati()
{
    if (valori[1].isEmpty()) {
        return {EsitoControllo::Tipo::NessunDato, QStringLiteral("Non esistono dati riconosciuti: digitare il primo valore.")};
    }
    for (int r = 1; r <= 100; ++r) {
        if (valori[std::size_t(r)] == QLatin1String("0")) {
            return {EsitoControllo::Tipo::Incompleto, QStringLiteral("Riga n.%1: manca il valore.").arg(r)};
        }
    }
    return {};
}

void FinestraProva::scriviDati(archivio::ScrittoreRecord& w)
{
    int n = 0;
    for (int r = 1; r <= 100; ++r) {
        if (!valori[std::size_t(r)].isEmpty()) {
            n = r;
        }
    }
    w.intero(n);
    w.fineRecord();
    for (int r = 1; r <= n; ++r) {
        w.testo(valori[std::size_t(r)]);
        w.fineRecord();
    }
    scriviFrontespizio(w);
}

void FinestraProva::leggiDati(archivio::LettoreRecord& r)
{
    const int n = r.intero(0, 100);
    r.fineRecord();
    for (int i = 1; i <= n; ++i) {
        valori[std::size_t(i)] = r.testo();
        r.fineRecord();
    }
    leggiFrontespizio(r);
}
