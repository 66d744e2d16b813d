#include "braille/KanaCells.h"

#include <array>
#include <map>
#include <string>

#include "braille/CodePageText.h"

namespace noma {

namespace {

// clang-format off
// Bytes 0xA1..0xDD, a row of the kana table per line.
constexpr std::array<std::string_view, kLastComboKana - kFullStopByte + 1> kAlone = {
    "256", "36", "36", "56", "5",                   // ｡ ｢ ｣ ､ ･
    "35",                                           // ｦ
    "0", "0", "0", "0", "0", "0", "0", "0",         // ｧ ｨ ｩ ｪ ｫ ｬ ｭ ｮ
    "2", "25",                                      // ｯ ｰ
    "1", "12", "14", "124", "24",                   // ｱ ｲ ｳ ｴ ｵ
    "16", "126", "146", "1246", "246",              // ｶ ｷ ｸ ｹ ｺ
    "156", "1256", "1456", "12456", "2456",         // ｻ ｼ ｽ ｾ ｿ
    "135", "1235", "1345", "12345", "2345",         // ﾀ ﾁ ﾂ ﾃ ﾄ
    "13", "123", "134", "1234", "234",              // ﾅ ﾆ ﾇ ﾈ ﾉ
    "136", "1236", "1346", "12346", "2346",         // ﾊ ﾋ ﾌ ﾍ ﾎ
    "1356", "12356", "13456", "123456", "23456",    // ﾏ ﾐ ﾑ ﾒ ﾓ
    "34", "346", "345",                             // ﾔ ﾕ ﾖ
    "15", "125", "145", "1245", "245",              // ﾗ ﾘ ﾙ ﾚ ﾛ
    "3", "356",                                     // ﾜ ﾝ
};

struct Combination {
    std::string_view kana;  // half-width katakana, UTF-8
    std::string_view cells;
};

constexpr Combination kPairs[] = {
    // Contracted sounds.
    {"ｷｬ", "4 16"}, {"ｷｭ", "4 146"}, {"ｷｮ", "4 246"}, {"ｷｪ", "4 1246"},
    {"ｼｬ", "4 156"}, {"ｼｭ", "4 1456"}, {"ｼｮ", "4 2456"}, {"ｼｪ", "4 12456"},
    {"ﾁｬ", "4 135"}, {"ﾁｭ", "4 1345"}, {"ﾁｮ", "4 2345"}, {"ﾁｪ", "4 12345"},
    {"ﾆｬ", "4 13"}, {"ﾆｭ", "4 134"}, {"ﾆｮ", "4 234"}, {"ﾆｪ", "4 1234"},
    {"ﾋｬ", "4 136"}, {"ﾋｭ", "4 1346"}, {"ﾋｮ", "4 2346"}, {"ﾋｪ", "4 12346"},
    {"ﾐｬ", "4 1356"}, {"ﾐｭ", "4 13456"}, {"ﾐｮ", "4 23456"},
    {"ﾘｬ", "4 15"}, {"ﾘｭ", "4 145"}, {"ﾘｮ", "4 245"},
    {"ｲｪ", "4 124"}, {"ｽｨ", "4 1256"}, {"ﾃｨ", "4 1235"}, {"ｽｧ", "4 0"}, {"ﾃｧ", "4 0"},
    // Special sounds.
    {"ｳｨ", "26 12"}, {"ｳｪ", "26 124"}, {"ｳｫ", "26 24"}, {"ｳｧ", "26 0"},
    {"ｸｧ", "26 16"}, {"ｸｨ", "26 126"}, {"ｸｪ", "26 1246"}, {"ｸｫ", "26 246"},
    {"ﾂｧ", "26 135"}, {"ﾂｨ", "26 1235"}, {"ﾂｪ", "26 12345"}, {"ﾂｫ", "26 2345"},
    {"ﾄｩ", "26 1345"},
    {"ﾌｧ", "26 136"}, {"ﾌｨ", "26 1236"}, {"ﾌｪ", "26 12346"}, {"ﾌｫ", "26 2346"},
    // The 46 prefix.
    {"ﾃｭ", "46 1345"}, {"ﾌｭ", "46 346"}, {"ﾌｮ", "46 345"},
    {"ﾃｬ", "46 0"}, {"ﾃｮ", "46 0"}, {"ﾌｬ", "46 0"},
};

constexpr Combination kTriples[] = {
    // Voiced contracted sounds.
    {"ｷﾞｬ", "45 16"}, {"ｷﾞｭ", "45 146"}, {"ｷﾞｮ", "45 246"},
    {"ｼﾞｬ", "45 156"}, {"ｼﾞｭ", "45 1456"}, {"ｼﾞｮ", "45 2456"}, {"ｼﾞｪ", "45 12456"},
    {"ﾁﾞｬ", "45 135"}, {"ﾁﾞｭ", "45 1345"}, {"ﾁﾞｮ", "45 2345"},
    {"ﾋﾞｬ", "45 136"}, {"ﾋﾞｭ", "45 1346"}, {"ﾋﾞｮ", "45 2346"},
    {"ｽﾞｨ", "45 1256"}, {"ﾃﾞｨ", "45 1235"},
    // Voiced special sounds.
    {"ｳﾞｧ", "256 136"}, {"ｳﾞｨ", "256 1236"}, {"ｳﾞｪ", "256 12346"}, {"ｳﾞｫ", "256 2346"},
    {"ｳﾞｩ", "256 0"},
    {"ｸﾞｧ", "256 16"}, {"ｸﾞｨ", "256 126"}, {"ｸﾞｪ", "256 1246"}, {"ｸﾞｫ", "256 246"},
    {"ｸﾞｩ", "256 0"},
    {"ﾄﾞｩ", "256 1345"},
    // The 456 prefix.
    {"ﾃﾞｭ", "456 1345"}, {"ｳﾞｭ", "456 346"}, {"ｳﾞｮ", "456 345"},
    {"ﾃﾞｬ", "456 0"}, {"ﾃﾞｮ", "456 0"}, {"ｳﾞｬ", "456 0"},
};
// clang-format on

// The tables keyed by their code-page bytes.
template <size_t N>
std::map<std::string, std::string_view> byBytes(const Combination (&table)[N]) {
    std::map<std::string, std::string_view> map;
    for (const Combination& c : table) map.emplace(toCodePage(c.kana), c.cells);
    return map;
}

std::optional<std::string_view> lookUp(const std::map<std::string, std::string_view>& map,
                                       std::string key) {
    const auto found = map.find(key);
    if (found == map.end()) return std::nullopt;
    return found->second;
}

}  // namespace

std::string_view kanaCellsAlone(int byte) {
    if (byte < kFullStopByte || byte > kLastComboKana) return {};
    return kAlone[static_cast<size_t>(byte - kFullStopByte)];
}

std::optional<std::string_view> kanaPairCells(int kana, int small) {
    static const auto kMap = byBytes(kPairs);
    return lookUp(kMap, {static_cast<char>(kana), static_cast<char>(small)});
}

std::optional<std::string_view> voicedTripleCells(int kana, int small) {
    static const auto kMap = byBytes(kTriples);
    return lookUp(kMap, {static_cast<char>(kana), static_cast<char>(kVoicedMarkByte),
                         static_cast<char>(small)});
}

}  // namespace noma
