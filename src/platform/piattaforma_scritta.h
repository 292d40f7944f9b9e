#pragma once
// Scripted platform services: they record what was asked and answer as told.
// Used by the tests and by the batch printer, which runs the real windows
// without a user.

#include "platform/piattaforma.h"
#include "platform/stampante_testo.h"

#include <QMap>

#include <deque>
#include <functional>

namespace platform {

struct MessaggioVisto {
    QString testo;
    QString titolo;
    Icona icona;
    Pulsanti pulsanti;
    Risposta predefinito;
};

class MessaggiScritti : public Messaggi {
public:
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                    Risposta predefinito) override;
    std::vector<MessaggioVisto> visti;
    std::deque<Risposta> risposte;   // empty: the default button
    std::function<void(const MessaggioVisto&)> osservatore;
};

class DialogoFileScritto : public DialogoFile {
public:
    std::optional<QString> scegli(const RichiestaFile& richiesta) override;
    std::vector<RichiestaFile> richieste;
    std::deque<std::optional<QString>> risposte;   // empty: Cancel
};

// Hands out text printers; every job stays readable after it ended.
class DialogoStampaScritto : public DialogoStampa {
public:
    std::unique_ptr<Stampante> scegli() override;
    int aperture = 0;
    bool annulla = false;
    std::vector<std::shared_ptr<StampanteTesto>> lavori;
    // When set, the printer handed out comes from here instead (e.g. a PDF).
    std::function<std::unique_ptr<Stampante>()> fabbrica;
};

// Runs each preview's printout on text printers, `passate` times as the Qt
// preview may, and keeps every job and the printout itself, to run again.
class AnteprimaScritta : public AnteprimaStampa {
public:
    void mostra(const QString& titolo, const std::function<void(Stampante&)>& stampa) override;
    QStringList titoli;
    int passate = 1;
    std::vector<std::shared_ptr<StampanteTesto>> lavori;
    std::vector<std::function<void(Stampante&)>> stampe;
};

class DialogoColoreScritto : public DialogoColore {
public:
    std::optional<QColor> scegli(const QColor& iniziale) override;
    std::vector<QColor> iniziali;
    std::deque<std::optional<QColor>> risposte;   // empty: Cancel
};

class MidiScritto : public LettoreMidi {
public:
    void impostaFile(const QString& percorso) override { file = percorso; }
    void comando(const QString& c) override { comandi.push_back(c); }
    QString file;
    QStringList comandi;
};

class ImpostazioniScritte : public Impostazioni {
public:
    QString nomeStudio() const override { return nome; }
    QString indirizzoStudio() const override { return indirizzo; }
    void salvaStudio(const QString& n, const QString& i) override { nome = n; indirizzo = i; }
    QStringList fileRecenti(const QString& finestra) const override { return recenti.value(finestra); }
    void salvaFileRecenti(const QString& finestra, const QStringList& file) override { recenti[finestra] = file; }
    QString nome;
    QString indirizzo;
    QMap<QString, QStringList> recenti;
};

class OrologioScritto : public Orologio {
public:
    QDate oggi() const override { return data; }
    QDate data{2011, 12, 28};
};

// Installs a full set of scripted services and keeps pointers to them.
struct Scena {
    MessaggiScritti* messaggi;
    DialogoFileScritto* file;
    DialogoStampaScritto* stampa;
    DialogoColoreScritto* colore;
    MidiScritto* midi;
    ImpostazioniScritte* impostazioni;
    OrologioScritto* orologio;
    AnteprimaScritta* anteprima;
};
Scena installaScena();

} // namespace platform
