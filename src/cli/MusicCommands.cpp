// midi, play and transpose: the MIDI and transposition dialogs without their windows;
// describe: a page read as text.
#include "cli/MusicCommands.h"

#include <csignal>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "music/MidiExport.h"
#include "music/PageDescription.h"
#include "music/Transposition.h"
#include "musicxml/ScoreWriter.h"
#include "platform/FileIo.h"
#include "platform/MidiPlayer.h"

namespace noma::cli {

namespace {

const Failure kNoMusic{kMidiEmptyRangeMessage, "no music: the first page comes after the last"};
const Failure kNothingToTranspose{kTranspositionEmptyRangeMessage,
                                  "nothing to transpose: the first page comes after the last"};

StaveSelection staveSelection(const Args& args, StaveSelection fallback) {
    const int staves =
        args.choiceOption("--staves", {"treble", "bass", "both"}, static_cast<int>(fallback));
    return staves == 0   ? StaveSelection::Treble
           : staves == 1 ? StaveSelection::Bass
                         : StaveSelection::Both;
}

MidiSettings midiSettings(const Args& args, const ScoreDocument& doc) {
    MidiSettings settings = defaultMidiSettings(doc);
    settings.tempo = args.intOption("--tempo", kMinTempo, kMaxTempo, kDefaultTempo);
    settings.timbreItem = args.intOption("--timbre", 0, kTimbreCount - 1, 0);
    settings.staves = staveSelection(args, StaveSelection::Treble);
    const PageRange range = pageRange(args, doc.header.pageCount, kNoMusic);
    settings.firstPage = range.first;
    settings.lastPage = range.last;
    return settings;
}

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

}  // namespace

int runMidi(Args& args) {
    const std::string out = args.outputFile(".mid");
    checkOutputs({out}, args.files());
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    refuseUnlessOk(writeMidiFile(doc, midiSettings(args, doc), out));
    return kExitOk;
}

int runExport(Args& args) {
    const std::string out = args.outputFile(".musicxml");
    checkOutputs({out}, args.files());
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    refuseUnlessOk(writeMusicXmlFile(doc, midiSettings(args, doc), out));
    return kExitOk;
}

int runPlay(Args& args) {
    const auto wav = args.value("--wav");
    if (wav) {
        requireExtension(*wav, ".wav", "--wav");
        checkOutputs({*wav}, args.files());
    }
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const MidiSettings settings = midiSettings(args, doc);

    const MidiPlayer player;
    if (wav) {
        // Straight from memory: the program folder's playback file is shared with every other
        // run and with the editor.
        refuseUnlessOk(player.renderToWav(exportMidi(doc, settings), *wav));
        return kExitOk;
    }
    // As the play button does: the file in the program folder, overwritten each time.
    const std::string midiPath = playbackMidiPath(args.folder());
    refuseUnlessOk(writeMidiFile(doc, settings, midiPath));
    // Ctrl-C ends the music and closes the audio device cleanly.
    interrupted = 0;
    const auto previous = std::signal(SIGINT, onInterrupt);
    const Status played = player.play(midiPath, [] { return interrupted != 0; });
    std::signal(SIGINT, previous);
    refuseUnlessOk(played);
    return kExitOk;
}

int runDescribe(Args& args) {
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const int page = args.intOption("--page", 1, doc.header.pageCount, 1);
    std::string out;
    for (const std::string& line :
         describePage(doc, page, staveSelection(args, StaveSelection::Both)))
        out += line + "\n";
    writeOut(out);
    return kExitOk;
}

int runTranspose(Args& args) {
    const std::string out = args.outputFile(".nmg");
    if (!args.has("--key")) throw UsageError{"transpose needs --key 0..14"};
    if (!args.has("--shift")) throw UsageError{"transpose needs --shift -7..7"};
    TranspositionSettings settings;
    settings.keyIndex = args.intOption("--key", 0, kKeyCount - 1, 0);
    settings.shift = args.intOption("--shift", -kMaxShift, kMaxShift, 0);
    checkOutputs({out}, args.files(), args.inputFile());
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    const PageRange range = pageRange(args, doc.header.pageCount, kNothingToTranspose);
    settings.firstPage = range.first;
    settings.lastPage = range.last;
    // A page that filled up could not take every key signature: a partial result is not saved.
    refuseUnlessOk(transposePages(doc, settings));
    saveScore(doc, out);
    return kExitOk;
}

}  // namespace noma::cli
