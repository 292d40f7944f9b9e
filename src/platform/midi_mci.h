#pragma once
// MIDI player over Windows' MCI sequencer (winmm): the start-up music.
// The commands are passed on as MCI strings on a private alias; every
// failure (no file, no MIDI device) leaves the player silent and closed.

#include "platform/musica.h"

#include <QString>

namespace platform {

class LettoreMci : public LettoreMidi {
public:
    LettoreMci() = default;
    ~LettoreMci() override;
    LettoreMci(const LettoreMci&) = delete;
    LettoreMci& operator=(const LettoreMci&) = delete;

    void impostaFile(const QString& percorso) override { file_ = percorso; }
    void comando(const QString& comando) override;

    // True once "open" found the file and the sequencer took it.
    bool aperto() const { return aperto_; }
    // The sequencer's "status mode" ("playing", "paused", "stopped"...); empty when closed.
    QString stato() const;

private:
    void chiudi();

    QString file_;
    bool aperto_ = false;
};

} // namespace platform
