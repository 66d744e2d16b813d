#pragma once

// The dense page the benchmarks share: four staves at pitch 10 and 1000 records, and the same
// page cut down to fewer records for measuring how costs grow with the records on a page.
#include <algorithm>

#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma::bench {

// Staves at pitch 10, then every kind 1..63 in turn (the editing tools 50..56 excepted) spread
// over the page up to `records` records, with ledger-line heights, slurs, hairpins, brackets and
// braille cells among them. One stave per 16 records, at least one and at most four, so that a
// near-empty page is one stave and a couple of notes rather than a part of the staves.
inline ScoreDocument densePageWith(int records) {
    ScoreDocument d;
    createNewScore(d, {0, kTrebleSingle, 3, 10, 6, 10, std::clamp(records / 16, 1, 4)});
    int kind = 0;
    for (int i = d.symbolCount(0); i < records; ++i) {
        do kind = kind % 63 + 1;
        while (kind >= 50 && kind <= 56);
        const int column = 12 + (i * 7) % 86;
        const int row = -6 + (i * 5) % 78;
        SymbolRecord r;
        r[0] = kind;
        r[1] = column;
        r[2] = row;
        switch (kind) {
            case kDot:
                r[1] = 6 * column + 9;
                break;
            case kBraille:
                r[1] = 6 * column;
                r[2] = row * 10;
                r[3] = i % 64;
                break;
            case kCrescendo:
            case kDecrescendo:
                r[3] = 6 * column + 60;
                break;
            case kSlur:
            case kSlurReversed:
                r[3] = column + 8;
                r[4] = row;
                r[5] = column + 4;
                r[6] = row + 3;
                break;
            case kStraightLine:
                r[3] = (i % 2) * 60;
                r[4] = (1 - i % 2) * 40;
                break;
            case kTripletAbove:
            case kTripletBelow:
            case kBeam:
            case kObliqueLine:
                r[3] = 6;
                r[4] = 2;
                break;
            default:
                break;
        }
        d.append(0, r);
    }
    return d;
}

// The full dense page: four staves and 1000 records.
inline ScoreDocument& densePage() {
    static ScoreDocument doc = densePageWith(kMaxRecords);
    return doc;
}

}  // namespace noma::bench
