#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/Status.h"

namespace noma {

// Plays Standard MIDI Files through the FluidSynth synthesizer with a General MIDI
// soundfont, or renders them to a WAV file without a sound device.
class MidiPlayer {
  public:
    // Asked every few milliseconds while playing; true ends playback early.
    using StopRequest = std::function<bool()>;

    // An empty `soundFont` means the first one found on the system (findSoundFont).
    explicit MidiPlayer(std::string soundFont = {});

    // Plays the file to its end on the default audio output and returns then (after a short
    // release so the last note is not cut off), or as soon as `stop` answers true.
    Status play(const std::string& midiPath, const StopRequest& stop = {}) const;

    // Renders a Standard MIDI File held in memory into a WAV file (16-bit stereo, 44.1 kHz):
    // the music up to its last event and a short release tail. The WAV file is written
    // atomically.
    Status renderToWav(std::string_view midi, const std::string& wavPath) const;

    // The first General MIDI soundfont installed ("" when none): fluid-soundfont-gm,
    // then timgm6mb-soundfont, then the system's default.
    static std::string findSoundFont();

  private:
    // The soundfont to load: the one given, or the one found.
    Expected<std::string> soundFontPath() const;

    std::string soundFont_;
};

inline constexpr const char* kSoundFontMissingMessage =
    "音源ファイル（サウンドフォント）が見つかりません。";
inline constexpr const char* kAudioDeviceMessage = "音声を出力する装置を開けません。";
inline constexpr const char* kMidiNotPlayableMessage = "ＭＩＤＩファイルを再生できません。";
inline constexpr const char* kWavWriteFailedMessage = "ＷＡＶファイルを書き込めませんでした。";

}  // namespace noma
