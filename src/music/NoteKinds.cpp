#include "music/NoteKinds.h"

#include "document/SymbolKind.h"

namespace noma {

int noteValueOf(int kind) {
    switch (kind) {
        case kWholeNote:
            return 1;
        case kHalfNote:
            return 2;
        case kQuarterNoteUp:
        case kQuarterNoteDown:
            return 4;
        case kEighthNoteUp:
        case kEighthNoteDown:
            return 8;
        case kSixteenthNoteUp:
        case kSixteenthNoteDown:
            return 16;
        case kThirtySecondNoteUp:
        case kThirtySecondNoteDown:
            return 32;
        case kSixtyFourthNoteUp:
        case kSixtyFourthNoteDown:
            return 64;
        case kHundredTwentyEighthNoteUp:
        case kHundredTwentyEighthNoteDown:
            return 128;
        default:
            return 0;
    }
}

int restValueOf(int kind) {
    switch (kind) {
        case kHalfRest:
            return 2;
        case kQuarterRest:
            return 4;
        case kEighthRest:
            return 8;
        case kSixteenthRest:
            return 16;
        case kThirtySecondRest:
            return 32;
        case kSixtyFourthRest:
            return 64;
        case kHundredTwentyEighthRest:
            return 128;
        default:
            return 0;
    }
}

bool isStemmedNote(int kind) {
    return kind != kWholeNote && noteValueOf(kind) != 0;
}

bool isFlaggedNote(int kind) {
    return noteValueOf(kind) >= 8;
}

}  // namespace noma
