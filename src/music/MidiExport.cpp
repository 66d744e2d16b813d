#include "music/MidiExport.h"

#include <algorithm>

#include "document/ScoreDocument.h"
#include "music/MidiFileWriter.h"
#include "music/MidiTiming.h"
#include "platform/AtomicFile.h"
#include "platform/FileIo.h"

namespace noma {

const std::array<Timbre, kTimbreCount>& timbres() {
    static const std::array<Timbre, kTimbreCount> kTimbres = {{
        {"アコースティックピアノ", 0},
        {"マリンバ", 12},
        {"リードオルガン", 20},
        {"アコースティックギター(steel)", 25},
        {"ヴァイオリン", 40},
        {"チェロ", 42},
        {"声「あー」", 52},
        {"シンセヴォイス", 54},
        {"トランペット", 56},
        {"オーボエ", 68},
        {"フルート", 73},
        {"オカリナ", 79},
    }};
    return kTimbres;
}

int timbreProgram(int item) {
    if (item < 0 || item >= kTimbreCount) item = 0;
    return timbres()[static_cast<size_t>(item)].program;
}

MidiSettings defaultMidiSettings(const ScoreDocument& doc) {
    MidiSettings settings;
    settings.lastPage = doc.header.pageCount;
    return settings;
}

std::string exportMidi(const ScoreDocument& doc, const MidiSettings& settings) {
    const std::vector<MusicEvent> events =
        readMusicEvents(doc, settings.firstPage, settings.lastPage, settings.staves);
    return midiFileBytes(timeEvents(events), std::clamp(settings.tempo, kMinTempo, kMaxTempo),
                         timbreProgram(settings.timbreItem));
}

namespace {

Status writeMidiBytes(const std::string& bytes, const std::string& path) {
    AtomicFile file(path);
    if (file.write(bytes) && file.commit()) return {};
    return Failure{kMidiWriteFailedMessage,
                   "cannot write the MIDI file " + path + ": " + file.failure()};
}

}  // namespace

Status writeMidiFile(const ScoreDocument& doc, const MidiSettings& settings,
                     const std::string& path) {
    return writeMidiBytes(exportMidi(doc, settings), path);
}

Status writeStaveMidiFile(const ScoreDocument& doc, int page, int stave,
                          const MidiSettings& settings, const std::string& path) {
    const MusicReading reading = readMusic(doc, page, page, StaveSelection::Both);
    std::vector<MusicEvent> events;
    for (size_t s = 0; s < reading.staves.size(); ++s) {
        if (reading.staves[s].stave != stave) continue;
        const size_t end =
            s + 1 < reading.staves.size() ? reading.staves[s + 1].before : reading.events.size();
        events.assign(
            reading.events.begin() + static_cast<std::ptrdiff_t>(reading.staves[s].before),
            reading.events.begin() + static_cast<std::ptrdiff_t>(end));
    }
    return writeMidiBytes(
        midiFileBytes(timeEvents(events), std::clamp(settings.tempo, kMinTempo, kMaxTempo),
                      timbreProgram(settings.timbreItem)),
        path);
}

std::string withMidExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    // A leading dot starts a hidden file's name, not an extension.
    if (dot == std::string::npos || dot <= nameStart) return path + ".mid";
    return path.substr(0, dot) + ".mid";
}

std::string playbackMidiPath(const std::string& programFolder) {
    return joinPath(programFolder, kPlaybackMidiName);
}

}  // namespace noma
