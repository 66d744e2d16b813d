#include "document/PageGeometry.h"

#include "document/SymbolKind.h"

namespace noma {

int staveCapacity(int orientation, int pitch, int topMargin, int staveInterval, int scoreType) {
    const int limit = pageHeight(orientation) - 70;
    int capacity = 15;
    for (int i = 0; i < 15; ++i) {
        if ((topMargin + staveInterval * i + 5) * 2 * pitch > limit) {
            capacity = i;
            break;
        }
    }
    if (scoreType == kGrandStaff) capacity -= capacity % 2;
    if (scoreType == kTrebleTrebleBass) capacity -= capacity % 3;
    return capacity;
}

int correctStaveCount(int picked, int scoreType, int capacity) {
    if (scoreType == kGrandStaff && picked % 2 == 1) return picked == 1 ? 2 : picked - 1;
    if (scoreType == kTrebleTrebleBass && picked % 3 != 0) {
        return picked <= 2 ? 3 : (capacity / 3) * 3;
    }
    return picked;
}

int clefKindOfStave(int scoreType, int stave) {
    switch (scoreType) {
        case kTrebleSingle:
            return kGClef;
        case kGrandStaff:
            return stave % 2 == 0 ? kGClef : kFClef;
        case kTrebleTrebleBass:
            return stave % 3 == 2 ? kFClef : kGClef;
        default:
            return 0;
    }
}

int sharpRowOffset(int n) {
    static constexpr int kOffsets[7] = {0, 3, -1, 2, 5, 1, 4};  // F C G D A E B
    return kOffsets[n - 1];
}

int flatRowOffset(int n) {
    static constexpr int kOffsets[7] = {4, 1, 5, 2, 6, 3, 7};  // B E A D G C F
    return kOffsets[n - 1];
}

}  // namespace noma
