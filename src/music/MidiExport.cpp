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

namespace {

// The events of the page both clefs read for which `keep(reading, event)` holds.
template <typename Keep>
Status writePartMidiFile(const ScoreDocument& doc, int page, const MidiSettings& settings,
                         const std::string& path, Keep keep) {
    const MusicReading reading = readMusic(doc, page, page, StaveSelection::Both);
    std::vector<MusicEvent> events;
    for (size_t i = 0; i < reading.events.size(); ++i)
        if (keep(reading, i)) events.push_back(reading.events[i]);
    return writeMidiBytes(
        midiFileBytes(timeEvents(events), std::clamp(settings.tempo, kMinTempo, kMaxTempo),
                      timbreProgram(settings.timbreItem)),
        path);
}

}  // namespace

Status writeStaveMidiFile(const ScoreDocument& doc, int page, int stave,
                          const MidiSettings& settings, const std::string& path) {
    return writePartMidiFile(doc, page, settings, path, [stave](const MusicReading& r, size_t i) {
        return r.places[i].stave == stave;
    });
}

Status writeCellsMidiFile(const ScoreDocument& doc, int page,
                          const std::vector<std::pair<int, int>>& cells,
                          const MidiSettings& settings, const std::string& path) {
    return writePartMidiFile(doc, page, settings, path, [&cells](const MusicReading& r, size_t i) {
        const std::pair<int, int> at{r.places[i].column, r.places[i].row};
        return std::find(cells.begin(), cells.end(), at) != cells.end();
    });
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
