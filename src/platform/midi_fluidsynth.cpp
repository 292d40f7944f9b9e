#include "platform/midi_fluidsynth.h"

#include "platform/lettura.h"

#include <QFile>
#include <QFileInfo>

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <algorithm>
#include <mutex>

namespace platform {

namespace {

// A start-up tune is a few kilobytes; a file far larger is not one.
constexpr qint64 kMassimoMidi = 8 * 1024 * 1024;

void nessunRegistro(int, const char*, void*) {}

void nessunErroreAlsa(const char*, int, const char*, int, const char*, ...) {}

QByteArray nomeLocale(const QString& percorso)
{
    return QFile::encodeName(percorso);
}

// Settings that never touch the memory locking (which needs privileges and
// only slows the start) and keep the player driven by the rendered samples.
fluid_settings_t* nuoveImpostazioni()
{
    fluid_settings_t* s = new_fluid_settings();
    if (s) {
        fluid_settings_setint(s, "synth.lock-memory", 0);
        fluid_settings_setnum(s, "synth.gain", 0.6);   // the default 0.2 is barely audible
        fluid_settings_setstr(s, "player.timing-source", "sample");
    }
    return s;
}

} // namespace

void silenziaAudio()
{
    static std::once_flag fatto;
    std::call_once(fatto, [] {
        for (int livello = FLUID_PANIC; livello < LAST_LOG_LEVEL; ++livello) {
            fluid_set_log_function(livello, nessunRegistro, nullptr);
        }
        snd_lib_error_set_handler(nessunErroreAlsa);
    });
}

QString trovaSoundfont(const QStringList& candidati)
{
    for (const QString& c : candidati) {
        if (QFileInfo(c).isFile()) {
            return c;
        }
    }
    return {};
}

struct LettoreFluidSynth::Motore {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;
    bool inPausa = false;
};

// The driver goes first: its thread drives synth and player.
void LettoreFluidSynth::Chiudi::operator()(Motore* m) const
{
    if (m->player) {
        fluid_player_stop(m->player);
    }
    if (m->driver) {
        delete_fluid_audio_driver(m->driver);
    }
    if (m->player) {
        delete_fluid_player(m->player);
    }
    if (m->synth) {
        delete_fluid_synth(m->synth);
    }
    if (m->settings) {
        delete_fluid_settings(m->settings);
    }
    delete m;
}

LettoreFluidSynth::LettoreFluidSynth(OpzioniFluidSynth opzioni) : opzioni_(std::move(opzioni))
{
    silenziaAudio();
}

LettoreFluidSynth::~LettoreFluidSynth() = default;

std::unique_ptr<LettoreMidi> lettoreMidiDiSistema()
{
    return std::make_unique<LettoreFluidSynth>();
}

void LettoreFluidSynth::comando(const QString& comando)
{
    const QString c = comando.trimmed().toLower();
    if (c == QLatin1String("open")) {
        apri();
    } else if (c == QLatin1String("play")) {
        suona();
    } else if (c == QLatin1String("pause")) {
        pausa();
    } else if (c == QLatin1String("close")) {
        chiudi();
    }
}

bool LettoreFluidSynth::inRiproduzione() const
{
    return motore_ && fluid_player_get_status(motore_->player) == FLUID_PLAYER_PLAYING;
}

void LettoreFluidSynth::apri()
{
    if (motore_) {
        return;
    }
    // Cheap checks first, so that a machine without music costs nothing.
    const QString midi = trovaFileMusica(file_);
    const QString sf = trovaSoundfont(opzioni_.soundfont);
    if (midi.isEmpty() || sf.isEmpty()) {
        return;
    }
    std::unique_ptr<Motore, Chiudi> m(new Motore);
    m->settings = nuoveImpostazioni();
    if (!m->settings) {
        return;
    }
    if (!opzioni_.driver.isEmpty()) {
        fluid_settings_setstr(m->settings, "audio.driver", opzioni_.driver.toUtf8().constData());
    }
    if (!opzioni_.dispositivo.isEmpty()) {
        fluid_settings_setstr(m->settings, "audio.alsa.device",
                              opzioni_.dispositivo.toUtf8().constData());
    }
    if (!opzioni_.fileAudio.isEmpty()) {
        fluid_settings_setstr(m->settings, "audio.file.name",
                              nomeLocale(opzioni_.fileAudio).constData());
    }
    m->synth = new_fluid_synth(m->settings);
    if (!m->synth || fluid_synth_sfload(m->synth, nomeLocale(sf).constData(), 1) == FLUID_FAILED) {
        return;
    }
    // Read by us, so a name swapped for a FIFO or a device can neither block
    // nor flood the player; the player keeps its own copy of the bytes.
    const FileLetto brano = leggiFileRegolare(midi, kMassimoMidi);
    if (brano.esito != EsitoLettura::Letto) {
        return;
    }
    m->player = new_fluid_player(m->synth);
    if (!m->player || fluid_player_add_mem(m->player, brano.dati.constData(), size_t(brano.dati.size())) != FLUID_OK) {
        return;
    }
    // Last, so that the driver never runs a half-built synth.
    m->driver = new_fluid_audio_driver(m->settings, m->synth);
    if (!m->driver) {
        return;
    }
    motore_ = std::move(m);
}

void LettoreFluidSynth::suona()
{
    if (!motore_) {
        return;
    }
    // FluidSynth reports a paused and a finished player alike, and would
    // start a finished one again from the top: the piece plays once.
    const int stato = fluid_player_get_status(motore_->player);
    if (stato == FLUID_PLAYER_READY || (stato == FLUID_PLAYER_DONE && motore_->inPausa)) {
        fluid_player_play(motore_->player);
        motore_->inPausa = false;
    }
}

void LettoreFluidSynth::pausa()
{
    if (motore_ && fluid_player_get_status(motore_->player) == FLUID_PLAYER_PLAYING) {
        // Keeps the position; the next "play" resumes from it.
        fluid_player_stop(motore_->player);
        motore_->inPausa = true;
    }
}

void LettoreFluidSynth::chiudi()
{
    motore_.reset();
}

bool renderizzaWav(const QString& midi, const QString& soundfont, const QString& wav,
                   double secondiMassimi)
{
    silenziaAudio();
    if (!QFileInfo(midi).isFile() || !QFileInfo(soundfont).isFile()) {
        return false;
    }
    fluid_settings_t* settings = nuoveImpostazioni();
    if (!settings) {
        return false;
    }
    fluid_settings_setstr(settings, "audio.file.name", nomeLocale(wav).constData());
    fluid_settings_setstr(settings, "audio.file.type", "wav");
    bool riuscito = false;
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = nullptr;
    fluid_file_renderer_t* renderer = nullptr;
    if (synth && fluid_synth_sfload(synth, nomeLocale(soundfont).constData(), 1) != FLUID_FAILED) {
        player = new_fluid_player(synth);
    }
    const FileLetto brano = leggiFileRegolare(midi, kMassimoMidi);
    if (player && brano.esito == EsitoLettura::Letto &&
        fluid_player_add_mem(player, brano.dati.constData(), size_t(brano.dati.size())) == FLUID_OK) {
        renderer = new_fluid_file_renderer(synth);
    }
    if (renderer && fluid_player_play(player) == FLUID_OK) {
        double frequenza = 44100;
        fluid_settings_getnum(settings, "synth.sample-rate", &frequenza);
        int periodo = 64;
        fluid_settings_getint(settings, "audio.period-size", &periodo);
        const double blocchiMassimi = secondiMassimi * frequenza / std::max(periodo, 1);
        riuscito = true;
        for (double b = 0; b < blocchiMassimi
                           && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING;
             ++b) {
            if (fluid_file_renderer_process_block(renderer) != FLUID_OK) {
                riuscito = false;
                break;
            }
        }
    }
    if (renderer) {
        delete_fluid_file_renderer(renderer);
    }
    if (player) {
        fluid_player_stop(player);
        delete_fluid_player(player);
    }
    if (synth) {
        delete_fluid_synth(synth);
    }
    delete_fluid_settings(settings);
    return riuscito && QFileInfo(wav).size() > 44;
}

} // namespace platform
