#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "MusicTestSupport.h"
#include "TempFolder.h"
#include "music/MidiExport.h"
#include "platform/FileIo.h"
#include "platform/MidiPlayer.h"

namespace noma {
namespace {

using namespace test;

struct Wav {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;  // interleaved
    double seconds() const {
        return channels * rate == 0 ? 0 : double(samples.size()) / (channels * rate);
    }
    // Loudest sample between two times.
    int peak(double from, double to) const {
        int best = 0;
        for (size_t i = size_t(from * rate) * channels;
             i < size_t(to * rate) * channels && i < samples.size(); ++i) {
            best = std::max(best, std::abs(int(samples[i])));
        }
        return best;
    }
};

uint32_t le(const std::string& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

Wav readWav(const std::string& path) {
    Wav wav;
    const auto bytes = readWholeFile(path);
    if (!bytes.ok() || bytes->size() < 12 || bytes->compare(0, 4, "RIFF") != 0 ||
        bytes->compare(8, 4, "WAVE") != 0) {
        return wav;
    }
    for (size_t at = 12; at + 8 <= bytes->size();) {
        const std::string id = bytes->substr(at, 4);
        const uint32_t size = le(*bytes, at + 4, 4);
        if (id == "fmt ") {
            wav.channels = int(le(*bytes, at + 10, 2));
            wav.rate = int(le(*bytes, at + 12, 4));
            wav.bits = int(le(*bytes, at + 22, 2));
        } else if (id == "data") {
            for (size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < bytes->size(); i += 2) {
                wav.samples.push_back(static_cast<int16_t>(le(*bytes, i, 2)));
            }
        }
        at += 8 + size + (size & 1);
    }
    return wav;
}

class WavRender : public ::testing::Test {
  protected:
    void SetUp() override {
        if (MidiPlayer::findSoundFont().empty())
            GTEST_SKIP() << "no General MIDI soundfont installed";
        // Four quarter notes at 120: two seconds of music.
        auto doc = blankScore();
        put(*doc, 0, {kGClef, 9, 4});
        for (int i = 0; i < 4; ++i) put(*doc, 0, {kQuarterNoteUp, 20 + 4 * i, kRowC5 - i});
        ASSERT_TRUE(writeMidiFile(*doc, defaultMidiSettings(*doc), dir.file("in.mid")).ok());
    }
    std::string midi() const { return readWholeFile(dir.file("in.mid")).value(); }
    TempFolder dir;
};

TEST_F(WavRender, SoundsAsLongAsTheMusicPlusAShortRelease) {
    ASSERT_TRUE(MidiPlayer().renderToWav(midi(), dir.file("out.wav")).ok());
    const Wav wav = readWav(dir.file("out.wav"));
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_NEAR(wav.seconds(), 2.5, 0.1);
    // Every note is heard, the release fades.
    for (double t : {0.0, 0.5, 1.0, 1.5}) EXPECT_GT(wav.peak(t + 0.05, t + 0.3), 1000) << t;
    EXPECT_LT(wav.peak(wav.seconds() - 0.05, wav.seconds()), wav.peak(1.5, 1.8));

    if (std::system("command -v sox >/dev/null 2>&1") == 0) {
        FILE* pipe = ::popen(("sox --i -D '" + dir.file("out.wav") + "'").c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        double seconds = 0;
        EXPECT_EQ(std::fscanf(pipe, "%lf", &seconds), 1);
        ::pclose(pipe);
        EXPECT_NEAR(seconds, wav.seconds(), 0.01);
    }
}

TEST_F(WavRender, ReplacesAnExistingFileAndLeavesNoTemporaryBehind) {
    ASSERT_TRUE(writeFileAtomically(dir.file("out.wav"), "old").ok());
    ASSERT_TRUE(MidiPlayer().renderToWav(midi(), dir.file("out.wav")).ok());
    EXPECT_NEAR(readWav(dir.file("out.wav")).seconds(), 2.5, 0.1);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2);
}

TEST_F(WavRender, FailuresAreReportedAndWriteNothing) {
    const Status missingFont =
        MidiPlayer(dir.file("none.sf2")).renderToWav(midi(), dir.file("a.wav"));
    ASSERT_FALSE(missingFont.ok());
    EXPECT_EQ(missingFont.failure().message, kSoundFontMissingMessage);

    const Status notMidi = MidiPlayer().renderToWav("not music", dir.file("b.wav"));
    ASSERT_FALSE(notMidi.ok());
    EXPECT_EQ(notMidi.failure().message, kMidiNotPlayableMessage);

    const Status noFolder = MidiPlayer().renderToWav(midi(), dir.file("gone/c.wav"));
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.failure().message, kWavWriteFailedMessage);

    EXPECT_FALSE(fileExists(dir.file("a.wav")));
    EXPECT_FALSE(fileExists(dir.file("b.wav")));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);  // in.mid
}

TEST_F(WavRender, PlaybackFinishesOrReportsTheMissingDeviceWithoutHanging) {
    const Status missingFont = MidiPlayer(dir.file("none.sf2")).play(dir.file("in.mid"));
    ASSERT_FALSE(missingFont.ok());
    EXPECT_EQ(missingFont.failure().message, kSoundFontMissingMessage);

    // Asked to stop after a moment: returns well before the two seconds of music are over.
    const auto start = std::chrono::steady_clock::now();
    int polls = 0;
    const Status result = MidiPlayer().play(dir.file("in.mid"), [&polls] { return ++polls > 20; });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    if (!result.ok()) {
        EXPECT_EQ(result.failure().message, kAudioDeviceMessage) << result.failure().gloss;
    }
}

}  // namespace
}  // namespace noma
