#include "braille/HalfWidthKana.h"

#include <array>

#include "braille/CodePageText.h"
#include "platform/Utf8.h"

namespace noma {

namespace {

constexpr char32_t kFirstKatakana = 0x30A1;  // ァ
constexpr char32_t kLastKatakana = 0x30FC;   // ー
constexpr char32_t kFirstHiragana = 0x3041;  // ぁ
constexpr char32_t kLastHiragana = 0x3096;   // ゖ
constexpr char32_t kHiraganaToKatakana = 0x60;

// Half-width forms of U+30A1..U+30FC in code order.
// clang-format off
constexpr std::array<std::string_view, kLastKatakana - kFirstKatakana + 1> kKatakana = {
    "ｧ", "ｱ", "ｨ", "ｲ", "ｩ", "ｳ", "ｪ", "ｴ", "ｫ", "ｵ",                     // ァ..オ
    "ｶ", "ｶﾞ", "ｷ", "ｷﾞ", "ｸ", "ｸﾞ", "ｹ", "ｹﾞ", "ｺ", "ｺﾞ",                // カ..ゴ
    "ｻ", "ｻﾞ", "ｼ", "ｼﾞ", "ｽ", "ｽﾞ", "ｾ", "ｾﾞ", "ｿ", "ｿﾞ",                // サ..ゾ
    "ﾀ", "ﾀﾞ", "ﾁ", "ﾁﾞ", "ｯ", "ﾂ", "ﾂﾞ", "ﾃ", "ﾃﾞ", "ﾄ", "ﾄﾞ",           // タ..ド
    "ﾅ", "ﾆ", "ﾇ", "ﾈ", "ﾉ",                                               // ナ..ノ
    "ﾊ", "ﾊﾞ", "ﾊﾟ", "ﾋ", "ﾋﾞ", "ﾋﾟ", "ﾌ", "ﾌﾞ", "ﾌﾟ", "ﾍ", "ﾍﾞ", "ﾍﾟ",
    "ﾎ", "ﾎﾞ", "ﾎﾟ",                                                       // ハ..ポ
    "ﾏ", "ﾐ", "ﾑ", "ﾒ", "ﾓ",                                               // マ..モ
    "ｬ", "ﾔ", "ｭ", "ﾕ", "ｮ", "ﾖ",                                          // ャ..ヨ
    "ﾗ", "ﾘ", "ﾙ", "ﾚ", "ﾛ",                                               // ラ..ロ
    "ﾜ", "ﾜ", "ｲ", "ｴ", "ｦ", "ﾝ",                                          // ヮ ワ ヰ ヱ ヲ ン
    "ｳﾞ", "ｶ", "ｹ", "ﾜﾞ", "ｲﾞ", "ｴﾞ", "ｦﾞ", "･", "ｰ",                       // ヴ ヵ ヶ ヷ ヸ ヹ ヺ ・ ー
};
// clang-format on

struct Single {
    char32_t from;
    char32_t to;
};

constexpr std::array<Single, 16> kPunctuation = {{
    {0x3000, U' '},      // ideographic space
    {0x3001, U'､'},      // 、
    {0x3002, U'｡'},      // 。
    {0x300C, U'｢'},      // 「
    {0x300D, U'｣'},      // 」
    {0x309B, U'ﾞ'},      // ゛
    {0x309C, U'ﾟ'},      // ゜
    {0x3099, U'ﾞ'},      // combining voiced mark
    {0x309A, U'ﾟ'},      // combining semi-voiced mark
    {0xFFE5, kYenSign},  // ￥
    {0x301C, U'~'},      // 〜, the wave dash input methods give for "~"
    {0x2212, U'-'},      // −
    {0x2018, U'\''},     // ‘
    {0x2019, U'\''},     // ’, what input methods give for "'"
    {0x201C, U'"'},      // “
    {0x201D, U'"'},      // ”
}};

constexpr char32_t kFirstFullWidthAscii = 0xFF01;  // ！
constexpr char32_t kLastFullWidthAscii = 0xFF5E;   // ～
constexpr char32_t kFullWidthOffset = 0xFEE0;

}  // namespace

std::string toHalfWidthKana(std::string_view utf8) {
    std::string out;
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t start = pos;
        char32_t cp = nextCodePoint(utf8, pos);
        if (cp >= kFirstHiragana && cp <= kLastHiragana) cp += kHiraganaToKatakana;
        if (cp >= kFirstKatakana && cp <= kLastKatakana) {
            out += kKatakana[cp - kFirstKatakana];
            continue;
        }
        if (cp >= kFirstFullWidthAscii && cp <= kLastFullWidthAscii) {
            out += static_cast<char>(cp - kFullWidthOffset);
            continue;
        }
        bool mapped = false;
        for (const Single& s : kPunctuation) {
            if (s.from == cp) {
                appendUtf8(out, s.to);
                mapped = true;
                break;
            }
        }
        if (!mapped) out.append(utf8.substr(start, pos - start));
    }
    return out;
}

}  // namespace noma
