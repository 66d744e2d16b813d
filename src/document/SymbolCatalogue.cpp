#include "document/SymbolCatalogue.h"

#include <algorithm>
#include <array>

#include "document/PageGeometry.h"

namespace noma {

namespace {

using P = Placement;

constexpr std::array<ModeInfo, kModeTableSize> kModes = {{
    {"", "", "", 0, 0, P::None},
    {"音符の玉", "iTama", "音符の玉", 2, 7, P::OneClick},
    {"３２分休符", "i32bunkyuuhu", "３２分休符", 3, 3, P::OneClick},
    {"６４分休符", "i64bunkyuuhu", "６４分休符", 3, 2, P::OneClick},
    {"１２８分休符", "i128bunkyuuhu", "１２８分休符", 3, 1, P::OneClick},
    {"１６分音符", "in16bunonpu", "１６分音符", 1, 4, P::OneClick},
    {"４分音符", "i4bunonpu", "４分音符", 1, 6, P::OneClick},
    {"１２８分音符", "in128bunonpu", "１２８分音符", 1, 1, P::OneClick},
    {"２分音符", "i2bunonpu", "２分音符", 1, 7, P::OneClick},
    {"３２分音符", "i32bunonpu", "３２分音符", 1, 3, P::OneClick},
    {"全音符", "iZen_onpu", "全音符", 1, 8, P::OneClick},
    {"付点", "iFuten", "付点", 3, 8, P::OneClickPixelX},
    {"フェルマータ", "iFelmata", "フェルマータ", 2, 9, P::OneClick},
    {"テヌート", "iTenuto", "テヌート", 2, 12, P::OneClick},
    {"アクセント", "iAcsent", "アクセント", 2, 11, P::OneClick},
    {"クレッセンド", "iCresend", "クレセンド", 3, 13, P::TwoClicksEndX},
    {"スラ―・タイ", "iSura", "スラ―、タイ", 3, 11, P::ThreeClicks},
    {"デクレッセンド", "iDeCresend", "デクレセンド", 3, 14, P::TwoClicksEndX},
    {"スラ―・タイ", "iSuraU", "スラ―、タイ", 3, 10, P::ThreeClicks},
    {"４分音符", "i4bunonpuU", "４分音符", 2, 6, P::OneClick},
    {"小節の区切り", "iShousetu", "小節の区切り", 1, 16, P::OneClick},
    {"楽曲の終わり", "iOwari", "終端", 2, 17, P::OneClick},
    {"シャープ", "iSharp", "シャープ", 1, 10, P::OneClick},
    {"フラット", "iFlat", "フラット", 1, 11, P::OneClick},
    {"ナチュラル", "iNatural", "ナチュラル", 1, 12, P::OneClick},
    {"繰り返しの始め", "iRepeatA", "繰り返しの始め", 2, 15, P::OneClick},
    {"繰り返しの終わり", "iRepeatB", "繰り返しの終わり", 2, 16, P::OneClick},
    {"スタッカート", "iStakato", "スタッカート", 2, 13, P::OneClick},
    {"８分音符", "i8bunonpu", "８分音符", 1, 5, P::OneClick},
    {"８分音符", "i8bunonpuU", "８分音符", 2, 5, P::OneClick},
    {"１６分休符", "i16bunkyuuhu", "１６分休符", 3, 4, P::OneClick},
    {"８分休符", "i8bunkyuuhu", "８分休符", 3, 5, P::OneClick},
    {"４分休符", "i4bunkyuuhu", "４分休符", 3, 6, P::OneClick},
    {"２分休符", "i2bunkyuuhu", "２分休符", 3, 7, P::OneClick},
    {"６４分音符", "i64bunonpu", "６４分音符", 1, 2, P::OneClick},
    {"１６分音符", "i16bunonpuU", "１６分音符", 2, 4, P::OneClick},
    {"３２分音符", "i32bunonpuU", "３２分音符", 2, 3, P::OneClick},
    {"６４分音符", "i64bunonpuU", "６４分音符", 2, 2, P::OneClick},
    {"ブレス", "iBreath", "ブレス", 1, 9, P::OneClick},
    {"１２８分音符", "i128bunonpuU", "１２８分音符", 2, 1, P::OneClick},
    {"点字", "iTenji", "点字", 3, 9, P::Braille},
    {"ト音記号", "iToon", "ト音記号", 1, 17, P::OneClick},
    {"ヘ音記号", "iHeon", "ヘ音記号", 1, 18, P::OneClick},
    {"１番目に入る小節", "iSinkou1_", "進行順序", 3, 16, P::OneClick},
    {"２番目に入る小節", "iSinkou2_", "進行順序", 3, 17, P::OneClick},
    {"３番目に入る小節", "iSinkou3_", "進行順序", 3, 18, P::OneClick},
    {"縦線・横線", "iTateYoko", "縦線・横線", 3, 12, P::Line},
    {"３連符（上）", "i3renpuOver", "3連符（上）", 1, 13, P::TwoClicksOffset},
    {"３連符（下）", "i3renpuUnder", "3連符（下）", 1, 14, P::TwoClicksOffset},
    {"装飾音符", "iShuushoku", "装飾音符", 2, 8, P::OneClick},
    {"移動／複写／消去", "", "", 0, 0, P::Drag},
    {"領域を指定してコピー", "iCopy", "", 0, 0, P::Region},
    {"領域を指定して移動", "iMove", "", 0, 0, P::Region},
    {"領域を指定して消去", "iDel", "", 0, 0, P::Region},
    {"クリップボードへコピー", "iClipCopy", "", 0, 0, P::Region},
    {"切り取ってクリップボードへ", "iClipCut", "", 0, 0, P::Region},
    {"クリップボードから貼り付け", "iClipPaste", "", 0, 0, P::Region},
    {"", "", "", 0, 0, P::Generated},
    {"", "", "", 0, 0, P::Generated},
    {"スタッカーティッシモ", "iStacatisimo", "スタッカティッシモ", 2, 14, P::OneClick},
    {"連桁", "iRenkou", "連桁", 1, 15, P::TwoClicksOffset},
    {"斜線", "iShasen", "斜線", 3, 15, P::TwoClicksOffset},
    {"二重区切り線", "i2jyuKugiri", "二重区切り", 2, 18, P::OneClick},
    {"フェルマータ", "iFelmata2", "フェルマータ", 2, 10, P::OneClick},
}};

constexpr ModeInfo kNoMode{"", "", "", 0, 0, P::None};

bool inRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

}  // namespace

const ModeInfo& modeInfo(int mode) {
    if (mode < 0 || mode >= kModeTableSize) return kNoMode;
    return kModes[static_cast<size_t>(mode)];
}

std::string_view modeText(int mode) {
    if (inRange(mode, 0, kModeTableSize - 1)) return modeInfo(mode).modeName;
    if (inRange(mode, kPedal, kInvertedV) || inRange(mode, kRightFingerFirst, kRightFingerLast) ||
        inRange(mode, kLeftFingerFirst, kLeftFingerLast)) {
        return "ピアノ記号";
    }
    if (inRange(mode, kGuitarFirst, kGuitarLast)) return "ギター譜";
    if (inRange(mode, kUserSymbolFirst, kUserSymbolLast)) return "オリジナル記号";
    if (inRange(mode, kRecorderBelowFirst, kRecorderAboveLast)) return "リコーダー記号";
    return "";
}

Placement placementOf(int kind) {
    if (inRange(kind, 0, kModeTableSize - 1)) return modeInfo(kind).placement;
    if (kind == kGuitarStrings) return P::TwoClicksEndX;
    if (inRange(kind, kPedal, kInvertedV) || inRange(kind, kGuitarFirst, kGuitarLast) ||
        inRange(kind, kUserSymbolFirst, kUserSymbolLast) ||
        inRange(kind, kRightFingerFirst, kRightFingerLast) ||
        inRange(kind, kLeftFingerFirst, kLeftFingerLast) ||
        inRange(kind, kRecorderBelowFirst, kRecorderAboveLast)) {
        return P::OneClick;
    }
    return P::None;
}

Family familyOf(int kind) {
    switch (kind) {
        case kBareNoteHead:
        case kSixteenthNoteUp:
        case kQuarterNoteUp:
        case kHundredTwentyEighthNoteUp:
        case kHalfNote:
        case kThirtySecondNoteUp:
        case kWholeNote:
        case kQuarterNoteDown:
        case kEighthNoteUp:
        case kEighthNoteDown:
        case kSixtyFourthNoteUp:
        case kSixteenthNoteDown:
        case kThirtySecondNoteDown:
        case kSixtyFourthNoteDown:
        case kHundredTwentyEighthNoteDown:
        case kGraceNote:
            return Family::Note;
        case kThirtySecondRest:
        case kSixtyFourthRest:
        case kHundredTwentyEighthRest:
        case kSixteenthRest:
        case kEighthRest:
        case kQuarterRest:
        case kHalfRest:
            return Family::Rest;
        case kCrescendo:
        case kSlur:
        case kDecrescendo:
        case kSlurReversed:
        case kStraightLine:
        case kTripletAbove:
        case kTripletBelow:
        case kBeam:
        case kObliqueLine:
            return Family::Line;
        case kBraille:
            return Family::Braille;
        default:
            break;
    }
    if (inRange(kind, 1, kModeTableSize - 1)) {
        const Placement p = modeInfo(kind).placement;
        return p == P::OneClick || p == P::OneClickPixelX || p == P::Generated ? Family::Mark
                                                                               : Family::None;
    }
    if (inRange(kind, kUserSymbolFirst, kUserSymbolLast)) return Family::User;
    return placementOf(kind) == P::None ? Family::None : Family::Palette;
}

FieldRole fieldRole(int kind, int field) {
    using R = FieldRole;
    if (field == 1 || field == 2) {
        if (kind == kBraille) return field == 1 ? R::PixelX : R::PixelY;
        if (kind == kDot && field == 1) return R::PixelX;
        return field == 1 ? R::Column : R::Row;
    }
    switch (placementOf(kind)) {
        case P::TwoClicksEndX:
            return field == 3 ? R::PixelX : R::Unused;
        case P::TwoClicksOffset:
            return field <= 4 ? R::Offset : R::Unused;
        case P::Line:
            return field <= 4 ? R::Length : R::Unused;
        case P::ThreeClicks:
            if (field > 6) return R::Unused;
            return field % 2 == 1 ? R::Column : R::Row;
        case P::Braille:
            return field == 3 ? R::Dots : R::Unused;
        default:
            return R::Unused;
    }
}

int usedFieldCount(int kind) {
    int used = 0;
    for (int f = 1; f < kFieldCount; ++f)
        if (fieldRole(kind, f) != FieldRole::Unused) used = f;
    return used;
}

bool isPixelField(int kind, int field) {
    const FieldRole role = fieldRole(kind, field);
    return role == FieldRole::PixelX || role == FieldRole::PixelY || role == FieldRole::Length;
}

namespace {

void shiftField(SymbolRecord& r, int f, int dc, int dr, int pitch) {
    switch (fieldRole(r.kind(), f)) {
        case FieldRole::Column:
            r[f] = fieldPlus(r[f], dc);
            break;
        case FieldRole::Row:
            r[f] = fieldPlus(r[f], dr);
            break;
        case FieldRole::PixelX:
            r[f] = fieldPlus(r[f], kColumnWidth * int64_t{dc});
            break;
        case FieldRole::PixelY:
            r[f] = fieldPlus(r[f], int64_t{pitch} * dr);
            break;
        default:
            break;
    }
}

}  // namespace

void shiftByCells(SymbolRecord& r, int dc, int dr, int pitch) {
    for (int f = 1; f < kFieldCount; ++f) shiftField(r, f, dc, dr, pitch);
}

void nudgeSingle(SymbolRecord& r, int dx, int dy, int pitch) {
    r[1] = fieldPlus(r[1], dx);
    r[2] = fieldPlus(r[2], dy);
    for (int f = 3; f < kFieldCount; ++f) shiftField(r, f, dx, dy, pitch);
}

bool followsTransposition(int kind) {
    if (kind >= kUserSymbolFirst) return true;
    switch (kind) {
        case kSlur:
        case kSlurReversed:
        case kBareNoteHead:
        case kSixteenthNoteUp:
        case kQuarterNoteUp:
        case kHundredTwentyEighthNoteUp:
        case kHalfNote:
        case kThirtySecondNoteUp:
        case kWholeNote:
        case kDot:
        case kFermata:
        case kTenuto:
        case kAccent:
        case kCrescendo:
        case kDecrescendo:
        case kQuarterNoteDown:
        case kSharp:
        case kFlat:
        case kNatural:
        case kStaccatoMark:
        case kEighthNoteUp:
        case kEighthNoteDown:
        case kSixtyFourthNoteUp:
        case kSixteenthNoteDown:
        case kThirtySecondNoteDown:
        case kSixtyFourthNoteDown:
        case kBreath:
        case kHundredTwentyEighthNoteDown:
        case kFirstEnding:
        case kSecondEnding:
        case kThirdEnding:
        case kTripletAbove:
        case kTripletBelow:
        case kGraceNote:
        case kStaccatissimoMark:
        case kBeam:
        case kObliqueLine:
        case kPedal:
        case kPedalRelease:
        case kArpeggio:
        case kInvertedV:
            return true;
        default:
            return false;
    }
}

void moveRecordTo(SymbolRecord& r, int x, int row) {
    const int column = x / kColumnWidth;
    const int64_t dc = column - int64_t{r[1]};
    const int64_t dr = row - int64_t{r[2]};
    const int64_t dx = x - kColumnWidth * int64_t{r[1]};
    for (int f = 3; f < kFieldCount; ++f) {
        switch (fieldRole(r.kind(), f)) {
            case FieldRole::Column:
                r[f] = fieldPlus(r[f], dc);
                break;
            case FieldRole::Row:
                r[f] = fieldPlus(r[f], dr);
                break;
            case FieldRole::PixelX:
                r[f] = fieldPlus(r[f], dx);
                break;
            default:
                break;
        }
    }
    r[1] = fieldRole(r.kind(), 1) == FieldRole::PixelX ? x : column;
    r[2] = row;
}

std::optional<Stem> stemOf(int kind) {
    switch (kind) {
        case kQuarterNoteUp:
            return Stem{true, 0, false};
        case kEighthNoteUp:
            return Stem{true, 1, false};
        case kSixteenthNoteUp:
            return Stem{true, 2, false};
        case kThirtySecondNoteUp:
            return Stem{true, 3, false};
        case kSixtyFourthNoteUp:
            return Stem{true, 4, false};
        case kHundredTwentyEighthNoteUp:
            return Stem{true, 0, true};
        case kQuarterNoteDown:
            return Stem{false, 0, false};
        case kEighthNoteDown:
            return Stem{false, 1, false};
        case kSixteenthNoteDown:
            return Stem{false, 2, false};
        case kThirtySecondNoteDown:
            return Stem{false, 3, false};
        case kSixtyFourthNoteDown:
            return Stem{false, 4, false};
        case kHundredTwentyEighthNoteDown:
            return Stem{false, 0, true};
        default:
            return std::nullopt;
    }
}

HotPosition hotPosition(const SymbolRecord& r, int topMargin, int pitch) {
    const int64_t rowOrigin = 2 * int64_t{topMargin} * pitch;
    const int64_t x =
        fieldRole(r.kind(), 1) == FieldRole::PixelX ? r[1] : kColumnWidth * int64_t{r[1]};
    const int64_t y =
        r.kind() == kBraille ? r[2] + rowOrigin : (int64_t{r[2]} + 2 * int64_t{topMargin}) * pitch;
    return {x, y};
}

namespace {

int clampedCoordinate(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, -(int64_t{1} << 30), int64_t{1} << 30));
}

}  // namespace

SearchMark searchMarkAt(int kind, int64_t x, int64_t y, int pitch) {
    const int64_t r = 15 * int64_t{pitch} / 6;
    if (kind == kBraille) {
        return {true, clampedCoordinate(x - r), clampedCoordinate(y - 16),
                clampedCoordinate(x + 20), clampedCoordinate(y + 23)};
    }
    return {false, clampedCoordinate(x - r), clampedCoordinate(y - r), clampedCoordinate(x + r),
            clampedCoordinate(y + r)};
}

}  // namespace noma
