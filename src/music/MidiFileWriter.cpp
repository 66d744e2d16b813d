#include "music/MidiFileWriter.h"

#include <algorithm>

namespace noma {

namespace {

void appendByte(std::string& bytes, int value) {
    bytes.push_back(static_cast<char>(value & 0xFF));
}

void appendBigEndian(std::string& bytes, uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) appendByte(bytes, static_cast<int>(value >> (8 * i)));
}

void appendChunk(std::string& bytes, const char* tag, const std::string& body) {
    bytes.append(tag, 4);
    appendBigEndian(bytes, body.size(), 4);
    bytes += body;
}

}  // namespace

void appendVariableLength(std::string& bytes, int64_t value) {
    uint64_t v = static_cast<uint64_t>(std::max<int64_t>(value, 0));
    char groups[10];
    int n = 0;
    do {
        groups[n++] = static_cast<char>(v & 0x7F);
        v >>= 7;
    } while (v != 0);
    while (n > 1) bytes.push_back(static_cast<char>(groups[--n] | 0x80));
    bytes.push_back(groups[0]);
}

std::string midiFileBytes(const std::vector<TimedNote>& notes, int tempo, int program) {
    std::string file;
    std::string header;
    appendBigEndian(header, 1, 2);  // format 1
    appendBigEndian(header, 2, 2);  // two tracks
    appendBigEndian(header, kTicksPerQuarter, 2);
    appendChunk(file, "MThd", header);

    std::string conductor("\x00\xFF\x03\x00\x00\xFF\x02\x00\x00\xFF\x51\x03", 12);
    appendBigEndian(conductor, static_cast<uint64_t>(60000000 / std::max(tempo, 1)), 3);
    conductor.append("\x00\xFF\x2F\x00", 4);
    appendChunk(file, "MTrk", conductor);

    std::string track("\x00\xC0", 2);
    appendByte(track, std::clamp(program, 0, 127));
    for (const TimedNote& note : notes) {
        appendVariableLength(track, note.delta);
        appendByte(track, 0x90);
        appendByte(track, note.key);
        appendByte(track, 0x64);
        // The note-off is a note-on of velocity 0 under running status.
        appendVariableLength(track, note.duration);
        appendByte(track, note.key);
        appendByte(track, 0x00);
    }
    track.append("\x00\xFF\x2F\x00", 4);
    appendChunk(file, "MTrk", track);
    return file;
}

}  // namespace noma
