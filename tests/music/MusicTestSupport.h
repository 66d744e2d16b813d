#pragma once

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "document/DocumentTestSupport.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma::test {

// Portrait pages at pitch 8, top margin 12, with `staves` staves 10 line spacings apart and
// no records: the staves exist only as far as the reader counts them.
inline std::unique_ptr<ScoreDocument> blankScore(int pages = 1, int staves = 1, int interval = 10,
                                                 int scoreType = 1) {
    auto doc = std::make_unique<ScoreDocument>();
    doc->header = {pages, 8, 0};
    for (int p = 0; p < pages; ++p) doc->settings(p) = {scoreType, 0, 12, staves, interval, 4};
    doc->interactionState = kIdle;
    return doc;
}

inline void put(ScoreDocument& doc, int page, std::initializer_list<int32_t> fields) {
    doc.append(page, rec(fields));
}

// "4D 54 68 64" for bytes, to make byte mismatches readable.
inline std::string hex(std::string_view bytes) {
    std::string text;
    char buffer[4];
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", c);
        text += (text.empty() ? "" : " ") + std::string(buffer);
    }
    return text;
}

// The note events of the second track: what follows the program change, before the end.
inline std::string noteEvents(const std::string& file) {
    constexpr size_t kStart = 14 + 8 + 19 + 8 + 3;
    if (file.size() < kStart + 4) return "(too short)";
    return hex(file.substr(kStart, file.size() - kStart - 4));
}

// Rows of a treble stave's notes (stave 0, standard clef).
constexpr int kRowC4 = 10, kRowD4 = 9, kRowE4 = 8, kRowF4 = 7, kRowG4 = 6, kRowA4 = 5, kRowB4 = 4,
              kRowC5 = 3, kRowD5 = 2, kRowE5 = 1, kRowF5 = 0, kRowG5 = -1;

}  // namespace noma::test

namespace noma::test {

// The note events of quarter notes played one after the other without gaps.
inline std::string quarterNotes(std::initializer_list<int> keys) {
    std::string text;
    char buffer[32];
    for (int key : keys) {
        std::snprintf(buffer, sizeof buffer, "00 90 %02X 64 30 %02X 00", key, key);
        text += (text.empty() ? "" : " ") + std::string(buffer);
    }
    return text;
}

}  // namespace noma::test
