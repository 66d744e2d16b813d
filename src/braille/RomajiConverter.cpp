#include "braille/RomajiConverter.h"

#include <map>
#include <string_view>

namespace noma {

namespace {

constexpr std::string_view kSmallTsu = "ｯ";
constexpr std::string_view kSyllabicN = "ﾝ";

struct Spelling {
    std::string_view romaji;
    std::string_view kana;
};

// clang-format off
constexpr Spelling kSpellings[] = {
    {"a", "ｱ"}, {"i", "ｲ"}, {"u", "ｳ"}, {"e", "ｴ"}, {"o", "ｵ"},
    {"yi", "ｲ"}, {"ye", "ｲｪ"}, {"wu", "ｳ"}, {"whu", "ｳ"},
    {"wha", "ｳｧ"}, {"whi", "ｳｨ"}, {"whe", "ｳｪ"}, {"who", "ｳｫ"}, {"wi", "ｳｨ"}, {"we", "ｳｪ"},
    {"ka", "ｶ"}, {"ki", "ｷ"}, {"ku", "ｸ"}, {"ke", "ｹ"}, {"ko", "ｺ"},
    {"ca", "ｶ"}, {"ci", "ｼ"}, {"cu", "ｸ"}, {"ce", "ｾ"}, {"co", "ｺ"},
    {"qa", "ｸｧ"}, {"qi", "ｸｨ"}, {"qu", "ｸ"}, {"qe", "ｸｪ"}, {"qo", "ｸｫ"},
    {"kwa", "ｸｧ"}, {"qwa", "ｸｧ"}, {"qwi", "ｸｨ"}, {"qwu", "ｸｩ"}, {"qwe", "ｸｪ"}, {"qwo", "ｸｫ"},
    {"kya", "ｷｬ"}, {"kyi", "ｷｨ"}, {"kyu", "ｷｭ"}, {"kye", "ｷｪ"}, {"kyo", "ｷｮ"},
    {"ga", "ｶﾞ"}, {"gi", "ｷﾞ"}, {"gu", "ｸﾞ"}, {"ge", "ｹﾞ"}, {"go", "ｺﾞ"},
    {"gya", "ｷﾞｬ"}, {"gyi", "ｷﾞｨ"}, {"gyu", "ｷﾞｭ"}, {"gye", "ｷﾞｪ"}, {"gyo", "ｷﾞｮ"},
    {"gwa", "ｸﾞｧ"}, {"gwi", "ｸﾞｨ"}, {"gwu", "ｸﾞｩ"}, {"gwe", "ｸﾞｪ"}, {"gwo", "ｸﾞｫ"},
    {"sa", "ｻ"}, {"si", "ｼ"}, {"shi", "ｼ"}, {"su", "ｽ"}, {"se", "ｾ"}, {"so", "ｿ"},
    {"sya", "ｼｬ"}, {"syi", "ｼｨ"}, {"syu", "ｼｭ"}, {"sye", "ｼｪ"}, {"syo", "ｼｮ"},
    {"sha", "ｼｬ"}, {"shu", "ｼｭ"}, {"she", "ｼｪ"}, {"sho", "ｼｮ"},
    {"swa", "ｽｧ"}, {"swi", "ｽｨ"}, {"swu", "ｽｩ"}, {"swe", "ｽｪ"}, {"swo", "ｽｫ"},
    {"za", "ｻﾞ"}, {"zi", "ｼﾞ"}, {"zu", "ｽﾞ"}, {"ze", "ｾﾞ"}, {"zo", "ｿﾞ"},
    {"zya", "ｼﾞｬ"}, {"zyi", "ｼﾞｨ"}, {"zyu", "ｼﾞｭ"}, {"zye", "ｼﾞｪ"}, {"zyo", "ｼﾞｮ"},
    {"ja", "ｼﾞｬ"}, {"ji", "ｼﾞ"}, {"ju", "ｼﾞｭ"}, {"je", "ｼﾞｪ"}, {"jo", "ｼﾞｮ"},
    {"jya", "ｼﾞｬ"}, {"jyi", "ｼﾞｨ"}, {"jyu", "ｼﾞｭ"}, {"jye", "ｼﾞｪ"}, {"jyo", "ｼﾞｮ"},
    {"ta", "ﾀ"}, {"ti", "ﾁ"}, {"chi", "ﾁ"}, {"tu", "ﾂ"}, {"tsu", "ﾂ"}, {"te", "ﾃ"}, {"to", "ﾄ"},
    {"tya", "ﾁｬ"}, {"tyi", "ﾁｨ"}, {"tyu", "ﾁｭ"}, {"tye", "ﾁｪ"}, {"tyo", "ﾁｮ"},
    {"cha", "ﾁｬ"}, {"chu", "ﾁｭ"}, {"che", "ﾁｪ"}, {"cho", "ﾁｮ"},
    {"cya", "ﾁｬ"}, {"cyi", "ﾁｨ"}, {"cyu", "ﾁｭ"}, {"cye", "ﾁｪ"}, {"cyo", "ﾁｮ"},
    {"tsa", "ﾂｧ"}, {"tsi", "ﾂｨ"}, {"tse", "ﾂｪ"}, {"tso", "ﾂｫ"},
    {"tha", "ﾃｬ"}, {"thi", "ﾃｨ"}, {"thu", "ﾃｭ"}, {"the", "ﾃｪ"}, {"tho", "ﾃｮ"},
    {"twa", "ﾄｧ"}, {"twi", "ﾄｨ"}, {"twu", "ﾄｩ"}, {"twe", "ﾄｪ"}, {"two", "ﾄｫ"},
    {"da", "ﾀﾞ"}, {"di", "ﾁﾞ"}, {"du", "ﾂﾞ"}, {"de", "ﾃﾞ"}, {"do", "ﾄﾞ"},
    {"dya", "ﾁﾞｬ"}, {"dyi", "ﾁﾞｨ"}, {"dyu", "ﾁﾞｭ"}, {"dye", "ﾁﾞｪ"}, {"dyo", "ﾁﾞｮ"},
    {"dha", "ﾃﾞｬ"}, {"dhi", "ﾃﾞｨ"}, {"dhu", "ﾃﾞｭ"}, {"dhe", "ﾃﾞｪ"}, {"dho", "ﾃﾞｮ"},
    {"dwa", "ﾄﾞｧ"}, {"dwi", "ﾄﾞｨ"}, {"dwu", "ﾄﾞｩ"}, {"dwe", "ﾄﾞｪ"}, {"dwo", "ﾄﾞｫ"},
    {"na", "ﾅ"}, {"ni", "ﾆ"}, {"nu", "ﾇ"}, {"ne", "ﾈ"}, {"no", "ﾉ"},
    {"nya", "ﾆｬ"}, {"nyi", "ﾆｨ"}, {"nyu", "ﾆｭ"}, {"nye", "ﾆｪ"}, {"nyo", "ﾆｮ"},
    {"ha", "ﾊ"}, {"hi", "ﾋ"}, {"hu", "ﾌ"}, {"fu", "ﾌ"}, {"he", "ﾍ"}, {"ho", "ﾎ"},
    {"hya", "ﾋｬ"}, {"hyi", "ﾋｨ"}, {"hyu", "ﾋｭ"}, {"hye", "ﾋｪ"}, {"hyo", "ﾋｮ"},
    {"fa", "ﾌｧ"}, {"fi", "ﾌｨ"}, {"fe", "ﾌｪ"}, {"fo", "ﾌｫ"},
    {"fya", "ﾌｬ"}, {"fyi", "ﾌｨ"}, {"fyu", "ﾌｭ"}, {"fye", "ﾌｪ"}, {"fyo", "ﾌｮ"},
    {"fwa", "ﾌｧ"}, {"fwi", "ﾌｨ"}, {"fwu", "ﾌｩ"}, {"fwe", "ﾌｪ"}, {"fwo", "ﾌｫ"},
    {"ba", "ﾊﾞ"}, {"bi", "ﾋﾞ"}, {"bu", "ﾌﾞ"}, {"be", "ﾍﾞ"}, {"bo", "ﾎﾞ"},
    {"bya", "ﾋﾞｬ"}, {"byi", "ﾋﾞｨ"}, {"byu", "ﾋﾞｭ"}, {"bye", "ﾋﾞｪ"}, {"byo", "ﾋﾞｮ"},
    {"pa", "ﾊﾟ"}, {"pi", "ﾋﾟ"}, {"pu", "ﾌﾟ"}, {"pe", "ﾍﾟ"}, {"po", "ﾎﾟ"},
    {"pya", "ﾋﾟｬ"}, {"pyi", "ﾋﾟｨ"}, {"pyu", "ﾋﾟｭ"}, {"pye", "ﾋﾟｪ"}, {"pyo", "ﾋﾟｮ"},
    {"ma", "ﾏ"}, {"mi", "ﾐ"}, {"mu", "ﾑ"}, {"me", "ﾒ"}, {"mo", "ﾓ"},
    {"mya", "ﾐｬ"}, {"myi", "ﾐｨ"}, {"myu", "ﾐｭ"}, {"mye", "ﾐｪ"}, {"myo", "ﾐｮ"},
    {"ya", "ﾔ"}, {"yu", "ﾕ"}, {"yo", "ﾖ"},
    {"ra", "ﾗ"}, {"ri", "ﾘ"}, {"ru", "ﾙ"}, {"re", "ﾚ"}, {"ro", "ﾛ"},
    {"rya", "ﾘｬ"}, {"ryi", "ﾘｨ"}, {"ryu", "ﾘｭ"}, {"rye", "ﾘｪ"}, {"ryo", "ﾘｮ"},
    {"wa", "ﾜ"}, {"wo", "ｦ"}, {"nn", "ﾝ"}, {"n'", "ﾝ"}, {"xn", "ﾝ"},
    {"va", "ｳﾞｧ"}, {"vi", "ｳﾞｨ"}, {"vu", "ｳﾞ"}, {"ve", "ｳﾞｪ"}, {"vo", "ｳﾞｫ"},
    {"vya", "ｳﾞｬ"}, {"vyi", "ｳﾞｨ"}, {"vyu", "ｳﾞｭ"}, {"vye", "ｳﾞｪ"}, {"vyo", "ｳﾞｮ"},
    {"xa", "ｧ"}, {"xi", "ｨ"}, {"xu", "ｩ"}, {"xe", "ｪ"}, {"xo", "ｫ"},
    {"la", "ｧ"}, {"li", "ｨ"}, {"lu", "ｩ"}, {"le", "ｪ"}, {"lo", "ｫ"},
    {"xyi", "ｨ"}, {"xye", "ｪ"}, {"lyi", "ｨ"}, {"lye", "ｪ"},
    {"xya", "ｬ"}, {"xyu", "ｭ"}, {"xyo", "ｮ"}, {"lya", "ｬ"}, {"lyu", "ｭ"}, {"lyo", "ｮ"},
    {"xtu", "ｯ"}, {"ltu", "ｯ"}, {"xtsu", "ｯ"}, {"ltsu", "ｯ"},
    // No half-width small wa, ka or ke: the full-size kana stand in.
    {"xwa", "ﾜ"}, {"lwa", "ﾜ"}, {"xka", "ｶ"}, {"lka", "ｶ"}, {"xke", "ｹ"}, {"lke", "ｹ"},
    {"-", "ｰ"}, {",", "､"}, {".", "｡"}, {"[", "｢"}, {"]", "｣"}, {"/", "･"},
};
// clang-format on

const std::map<std::string, std::string_view, std::less<>>& spellings() {
    static const auto kMap = [] {
        std::map<std::string, std::string_view, std::less<>> map;
        for (const Spelling& s : kSpellings) map.emplace(std::string(s.romaji), s.kana);
        return map;
    }();
    return kMap;
}

// True when some spelling is longer than `prefix` and starts with it.
bool mayGrow(std::string_view prefix) {
    const auto& map = spellings();
    for (auto it = map.lower_bound(prefix); it != map.end(); ++it) {
        if (it->first.compare(0, prefix.size(), prefix) != 0) break;
        if (it->first.size() > prefix.size()) return true;
    }
    return false;
}

bool isConsonant(char c) {
    return c >= 'a' && c <= 'z' && c != 'a' && c != 'i' && c != 'u' && c != 'e' && c != 'o';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

}  // namespace

std::string RomajiConverter::type(std::string_view typed) {
    std::string out;
    for (char c : typed) {
        pending_ += lower(c);
        out += settle(false);
    }
    return out;
}

std::string RomajiConverter::flush() {
    std::string out = settle(true);
    if (pending_ == "n") {
        out += kSyllabicN;
    } else {
        out += pending_;
    }
    pending_.clear();
    return out;
}

bool RomajiConverter::erasePending() {
    if (pending_.empty()) return false;
    pending_.pop_back();
    return true;
}

// Turns as much of the pending romaji into kana as can no longer change.
std::string RomajiConverter::settle(bool ending) {
    std::string out;
    while (!pending_.empty()) {
        if (!ending && mayGrow(pending_)) break;
        const auto& map = spellings();
        if (const auto found = map.find(pending_); found != map.end()) {
            out += found->second;
            pending_.clear();
            break;
        }
        if (pending_.size() == 1 && ending) break;
        const char first = pending_[0];
        const char second = pending_.size() > 1 ? pending_[1] : '\0';
        if (first == 'n' && second != '\0') {
            out += kSyllabicN;  // n before anything that does not continue it
        } else if (isConsonant(first) && (second == first || (first == 't' && second == 'c'))) {
            out += kSmallTsu;  // kk, ss, tt, tch ...
        } else {
            out += first;  // begins no spelling with what follows: passes through
        }
        pending_.erase(0, 1);
    }
    return out;
}

std::string romajiToKana(std::string_view romaji) {
    RomajiConverter converter;
    std::string out = converter.type(romaji);
    return out + converter.flush();
}

}  // namespace noma
