// midi, play and transpose: the MIDI and transposition dialogs without their windows.
#include "cli/MusicCommands.h"

#include <csignal>
#include <cstdio>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "music/MidiExport.h"
#include "music/Transposition.h"
#include "platform/FileIo.h"
#include "platform/MidiPlayer.h"

namespace noma::cli {

namespace {

struct PageRange {
    int first;
    int last;
};

// "--pages A-B" (inclusive) or "--pages A"; every page by default. A range whose first page
// comes after its last is accepted and covers nothing, as in the dialogs.
PageRange pageRange(const Args& args, int pageCount) {
    const auto text = args.value("--pages");
    if (!text) return {1, pageCount};
    const auto dash = text->find('-');
    const int first = parseInt(text->substr(0, dash), "--pages");
    const int last =
        dash == std::string::npos ? first : parseInt(text->substr(dash + 1), "--pages");
    for (int page : {first, last}) {
        if (page < 1 || page > pageCount) {
            throw UsageError{"--pages must lie within 1.." + std::to_string(pageCount) + ", not " +
                             std::to_string(page)};
        }
    }
    return {first, last};
}

MidiSettings midiSettings(const Args& args, const ScoreDocument& doc) {
    MidiSettings settings = defaultMidiSettings(doc);
    settings.tempo = args.intOption("--tempo", kMinTempo, kMaxTempo, kDefaultTempo);
    settings.timbreItem = args.intOption("--timbre", 0, kTimbreCount - 1, 0);
    const int staves = args.choiceOption("--staves", {"treble", "bass", "both"}, 0);
    settings.staves = staves == 0   ? StaveSelection::Treble
                      : staves == 1 ? StaveSelection::Bass
                                    : StaveSelection::Both;
    const PageRange range = pageRange(args, doc.header.pageCount);
    settings.firstPage = range.first;
    settings.lastPage = range.last;
    return settings;
}

void printMessage(const Failure& failure) {
    std::fprintf(stderr, "noma-cli: %s\nnoma-cli: (%s)\n", failure.message.c_str(),
                 failure.gloss.c_str());
}

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

}  // namespace

int runMidi(Args& args) {
    const std::string out = args.outputFile();
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    if (auto failure = writeMidiFile(doc, midiSettings(args, doc), out)) throw Refused{*failure};
    return kExitOk;
}

int runPlay(Args& args) {
    const auto wav = args.value("--wav");
    if (wav && wav->empty()) throw UsageError{"--wav needs a file name"};
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const MidiSettings settings = midiSettings(args, doc);

    // As the play button does: the file in the program folder, overwritten each time.
    const std::string midiPath = playbackMidiPath(args.folder());
    if (auto failure = writeMidiFile(doc, settings, midiPath)) throw Refused{*failure};

    const MidiPlayer player;
    if (wav) {
        if (auto failure = player.renderToWav(midiPath, *wav)) throw Refused{*failure};
        return kExitOk;
    }
    // Ctrl-C ends the music and closes the audio device cleanly.
    interrupted = 0;
    const auto previous = std::signal(SIGINT, onInterrupt);
    const auto failure = player.play(midiPath, [] { return interrupted != 0; });
    std::signal(SIGINT, previous);
    if (failure) throw Refused{*failure};
    return kExitOk;
}

int runTranspose(Args& args) {
    const std::string out = args.outputFile();
    if (!args.has("--key")) throw UsageError{"transpose needs --key 0..14"};
    if (!args.has("--shift")) throw UsageError{"transpose needs --shift -7..7"};
    TranspositionSettings settings;
    settings.keyIndex = args.intOption("--key", 0, kKeyCount - 1, 0);
    settings.shift = args.intOption("--shift", -kMaxShift, kMaxShift, 0);
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const PageRange range = pageRange(args, doc.header.pageCount);
    settings.firstPage = range.first;
    settings.lastPage = range.last;
    // A page that filled up keeps what fitted; the result is saved and the reason shown.
    const auto message = transposePages(doc, settings);
    saveScore(doc, out);
    if (message) printMessage(*message);
    return kExitOk;
}

}  // namespace noma::cli
