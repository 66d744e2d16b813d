#include "braille/TextToCells.h"

#include <algorithm>
#include <string>

#include "braille/CodePageText.h"
#include "braille/EnglishCells.h"
#include "braille/HalfWidthKana.h"
#include "braille/KanaCells.h"

namespace noma {

namespace {

constexpr int kEnd = -1;
constexpr std::string_view kNumeralIndicator = "3456";
constexpr std::string_view kVoicedPrefix = "5";
constexpr std::string_view kSemiVoicedPrefix = "6";

// A character and its cells; as a follower, the character after "@", "@@", "¥" or "¥¥".
struct Entry {
    int key;
    std::string_view cells;
};

// clang-format off
constexpr Entry kSymbols[] = {
    {' ', "0"}, {'!', "235"}, {'"', "236"}, {'#', "3456"}, {'$', "56"}, {'%', "56 1234"},
    {'&', "56 12346"}, {'\'', "3"}, {'(', "2356"}, {')', "2356"}, {'*', "16"}, {'+', "26"},
    {',', "2"}, {'-', "35"}, {'/', "34"}, {':', "25"}, {';', "23"}, {'<', "5 36"},
    {'=', "25 25"}, {'>', "36 2"}, {'[', "5 2356"}, {']', "2356 2"}, {'^', "45"}, {'_', "36"},
    {'`', "4"}, {'{', "236"}, {'|', "0"}, {'}', "356"}, {'~', "36 36"},
};
constexpr Entry kAfterAt[] = {
    {'.', "2 2 2"}, {kFullStopByte, "2 2 2"}, {'<', "246 25 25"}, {'>', "25 25 135"},
    {'*', "35 35"}, {':', "56 23"}, {'"', "356"}, {'^', "45"}, {'_', "36 36"},
};
constexpr Entry kAfterAtAt[] = {{'*', "26 26"}, {'1', "6 36"}, {'2', "5 2"}, {'_', "6 3"}};
constexpr Entry kAfterYen[] = {
    {kOpenBracketByte, "56 36"}, {kCloseBracketByte, "36 23"}, {'(', "56 2356"},
    {')', "2356 23"}, {'<', "5 36 36"}, {'>', "36 36 2"}, {'-', "35"}, {kLongVowelByte, "35"},
};
constexpr Entry kAfterYenYen[] = {
    {kOpenBracketByte, "56 3"}, {kCloseBracketByte, "6 23"}, {'(', "5 2356"}, {')', "2356 2"},
    {'<', "56 36 36"}, {'>', "36 36 23"},
};
// clang-format on

template <size_t N>
const Entry* find(const Entry (&table)[N], int key) {
    for (const Entry& e : table)
        if (e.key == key) return &e;
    return nullptr;
}

bool isDigit(int b) {
    return b >= '0' && b <= '9';
}
bool isLetter(int b) {
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}
bool isDotDigit(int b) {
    return b >= '1' && b <= '6';
}

class Converter {
  public:
    explicit Converter(std::string_view bytes)
        : text_(bytes.substr(0, std::min(bytes.size(), kMaxInputBytes))) {}

    std::vector<BrailleCell> run() {
        while (pos_ < text_.size()) step();
        return cells_;
    }

  private:
    int at(size_t i) const {
        return i < text_.size() ? static_cast<unsigned char>(text_[i]) : kEnd;
    }
    int previous() const { return pos_ == 0 ? kEnd : at(pos_ - 1); }

    void put(std::string_view groups) {
        for (BrailleCell cell : cellsFromDots(groups))
            if (cells_.size() < kMaxPendingCells) cells_.push_back(cell);
    }
    void put(std::string_view groups, size_t consumed) {
        put(groups);
        pos_ += consumed;
    }

    void step() {
        const int c = at(pos_);
        if (isDigit(c)) return digit(c);
        if (isLetter(c)) return put(kLetterDots[(c | 0x20) - 'a'], 1);
        if (c == '@') return atSequence();
        if (c == kYenByte) return yenSequence();
        if (c >= kFirstComboKana && c <= kLastComboKana) return kana(c);
        if (c >= kFullStopByte && c < kFirstComboKana) return put(kanaCellsAlone(c), 1);
        punctuation(c);
    }

    void digit(int c) {
        const int before = previous();
        if (before != '#' && before != '.' && !isDigit(before)) put(kNumeralIndicator);
        put(kDigitDots[c - '0'], 1);
    }

    void punctuation(int c) {
        const int next = at(pos_ + 1);
        if (c == '.') return put(pos_ == 0 || isDigit(previous()) ? "2" : "256", 1);
        if (c == '?') return put(isLetter(previous()) ? "236" : "26", 1);
        if (c == '<' && next == '=') return put("235 235", 2);
        if (c == '>' && next == '=') return put("256 256", 2);
        if (const Entry* e = find(kSymbols, c)) return put(e->cells, 1);
        ++pos_;  // control bytes, DEL and bytes outside the tables
    }

    void kana(int c) {
        const int next = at(pos_ + 1);
        const int after = at(pos_ + 2);
        if (next == kVoicedMarkByte) {
            if (isSmallKana(after)) {
                if (const auto cells = voicedTripleCells(c, after)) put(*cells);
                pos_ += 3;
                return;
            }
            put(kVoicedPrefix);
            return put(kanaCellsAlone(c), 2);
        }
        if (next == kSemiVoicedMarkByte) {
            // ぴゃ, ぴゅ, ぴょ: only the small kana decides.
            if (after >= kSmallYa && after <= kSmallYo) {
                constexpr std::string_view kPya[3] = {"46 136", "46 1346", "46 2346"};
                return put(kPya[after - kSmallYa], 3);
            }
            put(kSemiVoicedPrefix);
            return put(kanaCellsAlone(c), 2);
        }
        if (isSmallKana(next)) {
            if (const auto cells = kanaPairCells(c, next)) put(*cells);
            pos_ += 2;
            return;
        }
        put(kanaCellsAlone(c), 1);
    }

    void atSequence() {
        const int next = at(pos_ + 1);
        const int after = at(pos_ + 2);
        if (isDotDigit(next)) return arbitraryCell();
        if (next == '-' || next == kLongVowelByte)
            return after == '@' ? put("246 25 25 135", 3) : put("0 0", 2);
        if (next == '@') {
            if (const Entry* e = find(kAfterAtAt, after)) return put(e->cells, 3);
            return put("0 0", 2);
        }
        if (const Entry* e = find(kAfterAt, next)) return put(e->cells, 2);
        put("0", 1);
    }

    // "@", dot digits, "@": one cell of those dots. A digit named twice counts once; any
    // other character ends the cell early and is then read as usual.
    void arbitraryCell() {
        std::string dots;
        ++pos_;
        while (isDotDigit(at(pos_))) dots += static_cast<char>(at(pos_++));
        if (at(pos_) == '@') ++pos_;
        put(dots);
    }

    void yenSequence() {
        const int next = at(pos_ + 1);
        if (next == kYenByte) {
            if (const Entry* e = find(kAfterYenYen, at(pos_ + 2))) return put(e->cells, 3);
            return put("0 0", 2);
        }
        if (const Entry* e = find(kAfterYen, next)) return put(e->cells, 2);
        put("0", 1);
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::vector<BrailleCell> cells_;
};

}  // namespace

std::vector<BrailleCell> convertTextToCells(std::string_view codePageBytes) {
    return Converter(codePageBytes).run();
}

std::vector<BrailleCell> convertEnteredText(std::string_view utf8) {
    return convertTextToCells(toCodePage(toHalfWidthKana(utf8)));
}

}  // namespace noma
