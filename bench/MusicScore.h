#pragma once

// The score the MIDI benchmarks export: pages of four treble staves filled to 1000 records with
// notes, rests, chords, accidentals, bar lines, dots, ties and staccato marks.
#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/StaffConstruction.h"
#include "document/SymbolKind.h"

namespace noma::bench {

inline SymbolRecord musicRecord(int kind, int f1, int f2, int f3 = 0, int f4 = 0, int f5 = 0,
                                int f6 = 0) {
    SymbolRecord r;
    r[0] = kind;
    r[1] = f1;
    r[2] = f2;
    r[3] = f3;
    r[4] = f4;
    r[5] = f5;
    r[6] = f6;
    return r;
}

// One stave's music, column by column, until the page is full.
inline void fillStave(ScoreDocument& doc, int page, int stave) {
    static const int kNotes[] = {kQuarterNoteUp, kEighthNoteUp,   kSixteenthNoteDown,
                                 kHalfNote,      kEighthNoteDown, kQuarterNoteDown};
    const int top = 20 * stave;
    for (int column = 16; column < 104 && doc.symbolCount(page) < kMaxRecords; ++column) {
        const int row = top + (column * 5 + stave) % 11 - 1;
        if (column % 9 == 0) {
            doc.append(page, musicRecord(kBarLine, column, top + 4));
        } else if (column % 13 == 0) {
            doc.append(page, musicRecord(kQuarterRest, column, top + 4));
        } else if (column % 11 == 0) {
            doc.append(page, musicRecord(kSharp, column, row));
        } else {
            doc.append(page, musicRecord(kNotes[column % 6], column, row));
            if (column % 4 == 0) doc.append(page, musicRecord(kQuarterNoteUp, column, row + 3));
            if (column % 5 == 0) doc.append(page, musicRecord(kDot, column * 6 + 8, row));
            if (column % 7 == 0) doc.append(page, musicRecord(kStaccatoMark, column, row - 3));
            if (column % 10 == 3)
                doc.append(page, musicRecord(kSlur, column, row - 1, column + 1, row - 1, column,
                                             row - 3));
        }
    }
}

// `pages` full pages of music.
inline ScoreDocument musicScore(int pages) {
    ScoreDocument d;
    d.header = {pages, 8, 0};
    for (int p = 0; p < pages; ++p) {
        d.settings(p) = {kTrebleSingle, 0, 12, 4, 10, 4};
        constructStaves(d, p, 3, ConstructionOrder::NewScore);
        for (int round = 0; d.symbolCount(p) < kMaxRecords && round < 4; ++round) {
            for (int s = 0; s < 4; ++s) fillStave(d, p, s);
        }
    }
    return d;
}

}  // namespace noma::bench
