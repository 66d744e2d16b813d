#include "platform/MidiPlayer.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <fluidsynth.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "platform/AtomicFile.h"
#include "platform/FileIo.h"

namespace noma {

namespace {

constexpr double kReleaseSeconds = 0.5;
constexpr auto kPollInterval = std::chrono::milliseconds(10);
constexpr int kLogLevels = FLUID_DBG + 1;

// FluidSynth reports through a global log; keep the last error for the gloss instead of
// letting it print.
class LogCapture {
  public:
    LogCapture() {
        for (int level = 0; level < kLogLevels; ++level) {
            previous_[level] = fluid_set_log_function(level, &LogCapture::record, this);
        }
    }
    ~LogCapture() {
        for (int level = 0; level < kLogLevels; ++level) {
            fluid_set_log_function(level, previous_[level], nullptr);
        }
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string detail(const std::string& fallback) const {
        return lastError_.empty() ? fallback : fallback + " (" + lastError_ + ")";
    }

  private:
    static void record(int level, const char* message, void* data) {
        if (level <= FLUID_ERR && message != nullptr)
            static_cast<LogCapture*>(data)->lastError_ = message;
    }
    std::string lastError_;
    fluid_log_function_t previous_[kLogLevels] = {};
};

// ALSA prints its own diagnostics while the driver probes for a device; the failure is
// reported once, in our words. The library is loaded with FluidSynth when it uses it.
extern "C" void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
    using SetHandler = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));
    if (void* symbol = ::dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler")) {
        reinterpret_cast<SetHandler>(symbol)(&quietAlsa);
    }
}

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};
struct DriverDeleter {
    void operator()(fluid_audio_driver_t* d) const { delete_fluid_audio_driver(d); }
};
struct RendererDeleter {
    void operator()(fluid_file_renderer_t* r) const { delete_fluid_file_renderer(r); }
};

using Settings = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using Synth = std::unique_ptr<fluid_synth_t, SynthDeleter>;
using Player = std::unique_ptr<fluid_player_t, PlayerDeleter>;

// A synthesizer with the soundfont loaded and a player holding the MIDI file.
struct Session {
    Settings settings;
    Synth synth;
    Player player;
};

Status openSession(Session& session, const std::string& soundFont, std::string_view midi,
                   const std::string& midiName, const LogCapture& log,
                   const std::function<void(fluid_settings_t*)>& configure) {
    if (midi.substr(0, 4) != "MThd") {
        return Failure{kMidiNotPlayableMessage, "not a Standard MIDI File: " + midiName};
    }
    session.settings.reset(new_fluid_settings());
    if (!session.settings)
        return Failure{kMidiNotPlayableMessage, log.detail("the synthesizer cannot start")};
    fluid_settings_setint(session.settings.get(), "synth.lock-memory", 0);
    fluid_settings_setstr(session.settings.get(), "player.timing-source", "sample");
    // One melodic line never piles up voices: full gain instead of the quiet default.
    fluid_settings_setnum(session.settings.get(), "synth.gain", 1.0);
    configure(session.settings.get());
    session.synth.reset(new_fluid_synth(session.settings.get()));
    if (!session.synth)
        return Failure{kMidiNotPlayableMessage, log.detail("the synthesizer cannot start")};
    if (fluid_synth_sfload(session.synth.get(), soundFont.c_str(), 1) == FLUID_FAILED) {
        return Failure{kSoundFontMissingMessage,
                       log.detail("cannot load the soundfont " + soundFont)};
    }
    session.player.reset(new_fluid_player(session.synth.get()));
    if (!session.player ||
        fluid_player_add_mem(session.player.get(), midi.data(), midi.size()) != FLUID_OK) {
        return Failure{kMidiNotPlayableMessage, log.detail("cannot load " + midiName)};
    }
    return {};
}

// The player stays in its playing state for a while after the last event; the music itself
// ends at the last event's tick.
class EndOfMusic {
  public:
    explicit EndOfMusic(fluid_player_t* player) : player_(player) {}

    bool reached() {
        if (fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING) return true;
        // The file is loaded by the player's first step, before its clock moves; a file
        // without notes has no length and is over as soon as the clock runs.
        if (total_ <= 0) total_ = fluid_player_get_total_ticks(player_);
        const int current = fluid_player_get_current_tick(player_);
        return current > 0 && current >= total_;
    }

  private:
    fluid_player_t* player_;
    int total_ = 0;
};

}  // namespace

MidiPlayer::MidiPlayer(std::string soundFont) : soundFont_(std::move(soundFont)) {}

std::string MidiPlayer::findSoundFont() {
    static const char* const kCandidates[] = {
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2",
        "/usr/share/soundfonts/default.sf2",
    };
    for (const char* candidate : kCandidates) {
        if (fileExists(candidate)) return candidate;
    }
    return "";
}

Expected<std::string> MidiPlayer::soundFontPath() const {
    std::string path = soundFont_.empty() ? findSoundFont() : soundFont_;
    if (path.empty()) {
        return Failure{kSoundFontMissingMessage,
                       "no General MIDI soundfont found; install timgm6mb-soundfont or "
                       "fluid-soundfont-gm"};
    }
    if (!fileExists(path)) return Failure{kSoundFontMissingMessage, "no soundfont at " + path};
    return path;
}

Status MidiPlayer::play(const std::string& midiPath, const StopRequest& stop) const {
    const Expected<std::string> soundFont = soundFontPath();
    if (!soundFont.ok()) return soundFont.failure();
    const Expected<std::string> midi = readWholeFile(midiPath);
    if (!midi.ok()) {
        return Failure{kMidiNotPlayableMessage + std::string("\n") + midi.failure().message,
                       "cannot read " + midiPath + ": " + midi.failure().gloss};
    }
    LogCapture log;
    Session session;
    if (Status opened =
            openSession(session, *soundFont, *midi, midiPath, log, [](fluid_settings_t*) {});
        !opened.ok()) {
        return opened;
    }

    // The build's default driver first, then the usual sound servers.
    silenceAlsa();
    std::unique_ptr<fluid_audio_driver_t, DriverDeleter> driver;
    for (const char* name : {"", "pulseaudio", "jack", "alsa"}) {
        if (*name != '\0') fluid_settings_setstr(session.settings.get(), "audio.driver", name);
        driver.reset(new_fluid_audio_driver(session.settings.get(), session.synth.get()));
        if (driver) break;
    }
    if (!driver)
        return Failure{kAudioDeviceMessage, log.detail("cannot open an audio output device")};

    const auto stopRequested = [&stop] { return stop && stop(); };
    if (fluid_player_play(session.player.get()) != FLUID_OK) {
        return Failure{kMidiNotPlayableMessage, log.detail("cannot start playing " + midiPath)};
    }
    EndOfMusic end(session.player.get());
    while (!end.reached()) {
        if (stopRequested()) {
            fluid_player_stop(session.player.get());
            fluid_synth_all_sounds_off(session.synth.get(), -1);
            return {};
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    const auto releaseEnd = std::chrono::steady_clock::now() +
                            std::chrono::milliseconds(static_cast<int>(kReleaseSeconds * 1000));
    while (std::chrono::steady_clock::now() < releaseEnd && !stopRequested()) {
        std::this_thread::sleep_for(kPollInterval);
    }
    return {};
}

Status MidiPlayer::renderToWav(std::string_view midi, const std::string& wavPath) const {
    const Expected<std::string> soundFont = soundFontPath();
    if (!soundFont.ok()) return soundFont.failure();
    // The synthesizer writes the temporary file by name; it is renamed when complete.
    AtomicFile wav(wavPath, ".noma-wav-");
    if (!wav.ok()) {
        return Failure{kWavWriteFailedMessage, "cannot write " + wavPath + ": " + wav.failure()};
    }
    const std::string temp = wav.temporaryPath();
    const std::string midiName = "the MIDI data";

    LogCapture log;
    Status status;
    {
        Session session;
        status =
            openSession(session, *soundFont, midi, midiName, log, [&temp](fluid_settings_t* s) {
                fluid_settings_setstr(s, "audio.file.name", temp.c_str());
                fluid_settings_setstr(s, "audio.file.type", "wav");
                fluid_settings_setstr(s, "audio.file.format", "s16");
            });
        std::unique_ptr<fluid_file_renderer_t, RendererDeleter> renderer;
        if (status.ok()) {
            renderer.reset(new_fluid_file_renderer(session.synth.get()));
            if (!renderer)
                status = Failure{kWavWriteFailedMessage, log.detail("cannot write " + wavPath)};
        }
        if (status.ok() && fluid_player_play(session.player.get()) != FLUID_OK) {
            status =
                Failure{kMidiNotPlayableMessage, log.detail("cannot start playing " + midiName)};
        }
        if (status.ok()) {
            // With sample timing the player advances exactly with the rendered blocks.
            bool ok = true;
            EndOfMusic end(session.player.get());
            while (ok && !end.reached()) {
                ok = fluid_file_renderer_process_block(renderer.get()) == FLUID_OK;
            }
            double rate = 44100;
            int period = 64;
            fluid_settings_getnum(session.settings.get(), "synth.sample-rate", &rate);
            fluid_settings_getint(session.settings.get(), "audio.period-size", &period);
            const long tailBlocks = static_cast<long>(rate * kReleaseSeconds) / period + 1;
            for (long i = 0; ok && i < tailBlocks; ++i) {
                ok = fluid_file_renderer_process_block(renderer.get()) == FLUID_OK;
            }
            if (!ok)
                status = Failure{kWavWriteFailedMessage, log.detail("cannot write " + wavPath)};
        }
        // The renderer completes the WAV header when it is deleted, before the rename.
    }
    if (status.ok() && !wav.commit()) {
        status = Failure{kWavWriteFailedMessage, "cannot write " + wavPath + ": " + wav.failure()};
    }
    return status;
}

}  // namespace noma
