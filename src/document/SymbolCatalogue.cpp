#include "document/SymbolCatalogue.h"

#include <array>

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

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

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

bool isPixelField(int kind, int field) {
    switch (kind) {
        case kDot:
            return field == 1;
        case kBraille:
            return field == 1 || field == 2;
        case kCrescendo:
        case kDecrescendo:
        case kGuitarStrings: return field == 3;
        case kStraightLine:
            return field == 3 || field == 4;
        default: return false;
    }
}

bool isInertKind(int kind) {
    return kind == kEmptyKind || inRange(kind, 50, 56) || inRange(kind, 64, 69) ||
           inRange(kind, 74, 79) || inRange(kind, 92, 99);
}

}  // namespace noma
