#include "document/StaffConstruction.h"

#include <vector>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma {

namespace {

SymbolRecord makeRecord(int kind, int f1, int f2, int f3 = 0, int f4 = 0) {
    SymbolRecord r;
    r[0] = kind;
    r[1] = f1;
    r[2] = f2;
    r[3] = f3;
    r[4] = f4;
    return r;
}

struct StaveBuilder {
    std::vector<SymbolRecord>& out;
    int keyIndex;
    int orientation;
    int pitch;
    PageSettings settings;
    int clefOverride = 0;  // a clef other than the score type's, 0 for none

    int clefKind(int stave) const {
        return clefOverride != 0 ? clefOverride : clefKindOfStave(settings.scoreType, stave);
    }

    int top(int stave) const { return 2 * settings.staveInterval * stave; }

    void lines(int stave) {
        const int left = (15 * orientation + 40) / kColumnWidth;
        const int length = ((260 * orientation + 554) / kColumnWidth) * kColumnWidth;
        for (int j = 0; j < 5; ++j)
            out.push_back(makeRecord(kStraightLine, left, top(stave) + 2 * j, length));
    }

    void brace(int stave) {
        const int left = (15 * orientation + 40) / kColumnWidth;
        if (settings.scoreType == kGrandStaff && stave % 2 == 0) {
            out.push_back(makeRecord(kStraightLine, left, top(stave), 0,
                                     2 * (settings.staveInterval + 4) * pitch));
        } else if (settings.scoreType == kTrebleTrebleBass && stave % 3 == 0) {
            out.push_back(makeRecord(kStraightLine, left, top(stave), 0,
                                     2 * (2 * settings.staveInterval + 4) * pitch));
        }
    }

    void clef(int stave) {
        const int kind = clefKind(stave);
        if (kind != 0) out.push_back(makeRecord(kind, orientation == 1 ? 12 : 9, top(stave) + 4));
    }

    void keySignature(int stave) {
        if (keyIndex == 0) return;
        // A blank page has no treble clef, so its accidentals take the bass positions.
        const int d = clefKind(stave) == kGClef ? 0 : 2;
        for (int n = 1; n <= accidentalCount(keyIndex); ++n) {
            if (keyHasSharps(keyIndex)) {
                out.push_back(makeRecord(kKeySharp, d / 2 + 3 * orientation + 10 + 2 * n,
                                         top(stave) + d + sharpRowOffset(n)));
            } else {
                out.push_back(makeRecord(kKeyFlat, 3 * orientation + 11 + 2 * n,
                                         top(stave) + d + flatRowOffset(n)));
            }
        }
    }
};

void construct(StaveBuilder& b, ConstructionOrder order) {
    const int staves = b.settings.staveCount;
    const bool blank = b.settings.scoreType == kBlank;

    if (order == ConstructionOrder::NewScore) {
        if (blank) return;
        for (int i = 0; i < staves; ++i) {
            b.lines(i);
            b.brace(i);
            b.clef(i);
            b.keySignature(i);
        }
        return;
    }

    if (!blank) {
        for (int i = 0; i < staves; ++i) {
            b.lines(i);
            b.brace(i);
        }
    }
    for (int i = 0; i < staves; ++i) {
        b.clef(i);
        b.keySignature(i);
    }
}

}  // namespace

std::vector<SymbolRecord> staveRecords(int orientation, int pitch, const PageSettings& settings,
                                       int stave, int clefKind, int keyIndex) {
    std::vector<SymbolRecord> out;
    StaveBuilder b{out, keyIndex, orientation, pitch, settings, clefKind};
    b.lines(stave);
    b.brace(stave);
    b.clef(stave);
    b.keySignature(stave);
    return out;
}

void constructStaves(ScoreDocument& doc, int page, int keyIndex, ConstructionOrder order) {
    std::vector<SymbolRecord> out;
    StaveBuilder b{out, keyIndex, doc.header.orientation, doc.header.verticalPitch,
                   doc.settings(page)};
    construct(b, order);
    for (const SymbolRecord& r : out) doc.append(page, r);
}

}  // namespace noma
