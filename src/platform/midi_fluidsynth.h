#pragma once
// MIDI player over FluidSynth: the start-up music. Every failure (no file,
// no soundfont, no sound device) leaves the player silent and closed; the
// program never learns about it, as the music is only a courtesy.

#include "platform/musica.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

struct OpzioniFluidSynth {
    // The first one that exists is used.
    QStringList soundfont{QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
                          QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")};
    QString driver;       // empty: FluidSynth's default
    QString dispositivo;  // ALSA device; empty: the default one
    QString fileAudio;    // with the "file" driver, where the sound is written
};

class LettoreFluidSynth : public LettoreMidi {
public:
    explicit LettoreFluidSynth(OpzioniFluidSynth opzioni = {});
    ~LettoreFluidSynth() override;
    LettoreFluidSynth(const LettoreFluidSynth&) = delete;
    LettoreFluidSynth& operator=(const LettoreFluidSynth&) = delete;

    void impostaFile(const QString& percorso) override { file_ = percorso; }
    void comando(const QString& comando) override;

    // True once "open" found file, soundfont and sound device.
    bool aperto() const { return motore_ != nullptr; }
    bool inRiproduzione() const;

private:
    void apri();
    void suona();
    void pausa();
    void chiudi();

    struct Motore;   // FluidSynth's handles, kept out of the callers' includes
    struct Chiudi {
        void operator()(Motore* m) const;
    };

    OpzioniFluidSynth opzioni_;
    QString file_;
    std::unique_ptr<Motore, Chiudi> motore_;
};

// The first existing soundfont of the list, or empty.
QString trovaSoundfont(const QStringList& candidati);

// Stops FluidSynth and ALSA from writing to standard error (idempotent).
void silenziaAudio();

// Renders a MIDI file into a WAV file instead of playing it, at most
// `secondiMassimi` of music. False when file or soundfont is missing or the
// WAV cannot be written.
bool renderizzaWav(const QString& midi, const QString& soundfont, const QString& wav,
                   double secondiMassimi = 60);

} // namespace platform
