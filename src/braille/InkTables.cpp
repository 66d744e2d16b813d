#include "braille/InkTables.h"

#include <array>

#include "braille/EnglishCells.h"

namespace noma {

namespace {

// One kana cell with its readings; empty fields mean "as alone".
struct KanaRow {
    std::string_view cell;
    std::string_view alone;
    std::string_view voiced = {};
    std::string_view semiVoiced = {};
    std::string_view contracted = {};
    std::string_view voicedContracted = {};
    std::string_view semiVoicedContracted = {};
    std::string_view special = {};
    std::string_view voicedSpecial = {};
    std::string_view prefix456 = {};
};

// clang-format off
constexpr KanaRow kKana[] = {
    {.cell = "1", .alone = "あ"},
    {.cell = "12", .alone = "い", .special = "うぃ"},
    {.cell = "14", .alone = "う", .voiced = "ヴ"},
    {.cell = "124", .alone = "え", .contracted = "いぇ", .special = "うぇ"},
    {.cell = "24", .alone = "お", .special = "うぉ"},
    {.cell = "16", .alone = "か", .voiced = "が", .contracted = "きゃ", .voicedContracted = "ぎゃ",
     .special = "くぁ", .voicedSpecial = "ぐぁ"},
    {.cell = "126", .alone = "き", .voiced = "ぎ", .special = "くぃ"},
    {.cell = "146", .alone = "く", .voiced = "ぐ", .contracted = "きゅ", .voicedContracted = "ぎゅ"},
    {.cell = "1246", .alone = "け", .voiced = "げ", .special = "くぇ"},
    {.cell = "246", .alone = "こ", .voiced = "ご", .contracted = "きょ", .voicedContracted = "ぎょ",
     .special = "くぉ"},
    {.cell = "156", .alone = "さ", .voiced = "ざ", .contracted = "しゃ", .voicedContracted = "じゃ"},
    {.cell = "1256", .alone = "し", .voiced = "じ"},
    {.cell = "1456", .alone = "す", .voiced = "ず", .contracted = "しゅ", .voicedContracted = "じゅ"},
    {.cell = "12456", .alone = "せ", .voiced = "ぜ", .contracted = "しぇ", .voicedContracted = "じぇ"},
    {.cell = "2456", .alone = "そ", .voiced = "ぞ", .contracted = "しょ", .voicedContracted = "じょ"},
    {.cell = "135", .alone = "た", .voiced = "だ", .contracted = "ちゃ", .voicedContracted = "ぢゃ",
     .special = "つぁ"},
    {.cell = "1235", .alone = "ち", .voiced = "ぢ", .contracted = "てぃ", .voicedContracted = "でぃ",
     .special = "つぃ"},
    {.cell = "1345", .alone = "つ", .voiced = "づ", .contracted = "ちゅ", .voicedContracted = "ぢゅ",
     .semiVoicedContracted = "てゅ", .special = "とぅ", .voicedSpecial = "どぅ", .prefix456 = "でゅ"},
    {.cell = "12345", .alone = "て", .voiced = "で", .contracted = "ちぇ", .special = "つぇ"},
    {.cell = "2345", .alone = "と", .voiced = "ど", .contracted = "ちょ", .voicedContracted = "ぢょ",
     .special = "つぉ"},
    {.cell = "13", .alone = "な", .contracted = "にゃ"},
    {.cell = "123", .alone = "に"},
    {.cell = "134", .alone = "ぬ", .contracted = "にゅ"},
    {.cell = "1234", .alone = "ね"},
    {.cell = "234", .alone = "の", .contracted = "にょ"},
    {.cell = "136", .alone = "は", .voiced = "ば", .semiVoiced = "ぱ", .contracted = "ひゃ",
     .voicedContracted = "びゃ", .semiVoicedContracted = "ぴゃ", .special = "ふぁ",
     .voicedSpecial = "ヴぁ"},
    {.cell = "1236", .alone = "ひ", .voiced = "び", .semiVoiced = "ぴ", .special = "ふぃ",
     .voicedSpecial = "ヴぃ"},
    {.cell = "1346", .alone = "ふ", .voiced = "ぶ", .semiVoiced = "ぷ", .contracted = "ひゅ",
     .voicedContracted = "びゅ", .semiVoicedContracted = "ぴゅ"},
    {.cell = "12346", .alone = "へ", .voiced = "べ", .semiVoiced = "ぺ", .special = "ふぇ",
     .voicedSpecial = "ヴぇ"},
    {.cell = "2346", .alone = "ほ", .voiced = "ぼ", .semiVoiced = "ぽ", .contracted = "ひょ",
     .voicedContracted = "びょ", .semiVoicedContracted = "ぴょ", .special = "ふぉ",
     .voicedSpecial = "ヴぉ"},
    {.cell = "1356", .alone = "ま", .contracted = "みゃ"},
    {.cell = "12356", .alone = "み"},
    {.cell = "13456", .alone = "む", .contracted = "みゅ"},
    {.cell = "123456", .alone = "め"},
    {.cell = "23456", .alone = "も", .contracted = "みょ"},
    {.cell = "34", .alone = "や"},
    {.cell = "346", .alone = "ゆ", .semiVoicedContracted = "ふゅ", .prefix456 = "ヴゅ"},
    {.cell = "345", .alone = "よ"},
    {.cell = "15", .alone = "ら", .contracted = "りゃ"},
    {.cell = "125", .alone = "り"},
    {.cell = "145", .alone = "る", .contracted = "りゅ"},
    {.cell = "1245", .alone = "れ"},
    {.cell = "245", .alone = "ろ", .contracted = "りょ"},
    {.cell = "3", .alone = "わ"},
    {.cell = "35", .alone = "を"},
    {.cell = "356", .alone = "ん"},
    {.cell = "2", .alone = "っ"},
    {.cell = "25", .alone = "ー"},
};
// clang-format on

constexpr std::string_view kLetters[26] = {"ａ", "ｂ", "ｃ", "ｄ", "ｅ", "ｆ", "ｇ", "ｈ", "ｉ",
                                           "ｊ", "ｋ", "ｌ", "ｍ", "ｎ", "ｏ", "ｐ", "ｑ", "ｒ",
                                           "ｓ", "ｔ", "ｕ", "ｖ", "ｗ", "ｘ", "ｙ", "ｚ"};
constexpr std::string_view kDigits[10] = {"０", "１", "２", "３", "４",
                                          "５", "６", "７", "８", "９"};
template <size_t N>
std::array<std::string_view, kMaxCellValue + 1> byCell(const std::string_view (&texts)[N],
                                                       const std::string_view (&cells)[N]) {
    std::array<std::string_view, kMaxCellValue + 1> table{};
    for (size_t i = 0; i < N; ++i) table[cellFromDots(cells[i])] = texts[i];
    return table;
}

const KanaRow* kanaRow(BrailleCell cell) {
    static const auto kByCell = [] {
        std::array<const KanaRow*, kMaxCellValue + 1> table{};
        for (const KanaRow& row : kKana) table[cellFromDots(row.cell)] = &row;
        return table;
    }();
    return cell <= kMaxCellValue ? kByCell[cell] : nullptr;
}

}  // namespace

PrefixCategory prefixCategoryOf(BrailleCell left) {
    switch (left) {
        case cellFromDots("5"):
            return PrefixCategory::Voiced;
        case cellFromDots("6"):
            return PrefixCategory::SemiVoiced;
        case cellFromDots("4"):
            return PrefixCategory::Contracted;
        case cellFromDots("45"):
            return PrefixCategory::VoicedContracted;
        case cellFromDots("46"):
            return PrefixCategory::SemiVoicedContracted;
        case cellFromDots("26"):
            return PrefixCategory::Special;
        case cellFromDots("256"):
            return PrefixCategory::VoicedSpecial;
        case cellFromDots("456"):
            return PrefixCategory::Prefix456;
        default:
            return PrefixCategory::None;
    }
}

std::string_view kanaText(BrailleCell cell, PrefixCategory prefix) {
    const KanaRow* row = kanaRow(cell);
    if (row == nullptr) return {};
    std::string_view text;
    switch (prefix) {
        case PrefixCategory::None:
            break;
        case PrefixCategory::Voiced:
            text = row->voiced;
            break;
        case PrefixCategory::SemiVoiced:
            text = row->semiVoiced;
            break;
        case PrefixCategory::Contracted:
            text = row->contracted;
            break;
        case PrefixCategory::VoicedContracted:
            text = row->voicedContracted;
            break;
        case PrefixCategory::SemiVoicedContracted:
            text = row->semiVoicedContracted;
            break;
        case PrefixCategory::Special:
            text = row->special;
            break;
        case PrefixCategory::VoicedSpecial:
            text = row->voicedSpecial;
            break;
        case PrefixCategory::Prefix456:
            text = row->prefix456;
            break;
    }
    return text.empty() ? row->alone : text;
}

std::string_view alphabetText(BrailleCell cell) {
    static const auto kByCell = byCell(kLetters, kLetterDots);
    return cell <= kMaxCellValue ? kByCell[cell] : std::string_view{};
}

std::string_view digitText(BrailleCell cell) {
    static const auto kByCell = byCell(kDigits, kDigitDots);
    return cell <= kMaxCellValue ? kByCell[cell] : std::string_view{};
}

}  // namespace noma
