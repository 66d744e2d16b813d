#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BrailleTestSupport.h"
#include "braille/HalfWidthKana.h"
#include "braille/InkTables.h"
#include "braille/InkTranslation.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma {
namespace {

// A portrait page at pitch 8 with top margin 12: the row origin lies at y = 192.
class Ink : public ::testing::Test {
  protected:
    Ink() {
        doc.header = {1, 8, 0};
        doc.settings(0).topMargin = 12;
    }

    // A cell whose reference point is (x, y) in page pixels.
    void cell(int x, int y, std::string_view dots) { cellValue(x, y, cellFromDots(dots)); }
    void cellValue(int x, int y, int value) {
        SymbolRecord r;
        r[0] = kBraille;
        r[1] = x;
        r[2] = y - 192;
        r[3] = value;
        ASSERT_TRUE(doc.append(0, r));
    }
    // A line of cells 19 pixels apart starting at (x, y).
    void line(int x, int y, std::string_view groups) {
        for (BrailleCell c : cellsFromDots(groups)) {
            cellValue(x, y, c);
            x += kCellPitch;
        }
    }

    // The items as "text@x,y" and "dots 256@x,y", joined by " | ".
    std::string show(DisplayMode mode) {
        std::string out;
        for (const InkItem& item : translateBraillePage(doc, 0, mode)) {
            if (!out.empty()) out += " | ";
            out += item.kind == InkItem::Kind::Text ? item.text : "dots " + dotNumbers(item.cell);
            out += "@" + std::to_string(item.x) + "," + std::to_string(item.y);
        }
        return out;
    }
    // Only the texts and dot cells, in order.
    std::string reading(DisplayMode mode) {
        std::string out;
        for (const InkItem& item : translateBraillePage(doc, 0, mode)) {
            if (!out.empty()) out += " ";
            out += item.kind == InkItem::Kind::Text ? item.text : "(" + dotNumbers(item.cell) + ")";
        }
        return out;
    }

    ScoreDocument doc;
};

TEST_F(Ink, ContractedPrefixThenKana) {
    line(100, 300, "4 13");
    EXPECT_EQ(show(kDisplayKana), "dots 4@94,295 | にゃ@95,295");
}

TEST_F(Ink, VoicedPrefixStaysVisibleUnderASingleKana) {
    line(100, 300, "5 16");
    EXPECT_EQ(show(kDisplayKana), "dots 5@94,295 | が@114,295");
}

TEST_F(Ink, OnlyACellExactly19PixelsLeftIsAPrefix) {
    cell(100, 300, "5");
    cell(120, 300, "16");
    EXPECT_EQ(show(kDisplayKana), "dots 5@94,295 | か@115,295");
    doc.clearSymbols();
    cell(100, 301, "5");
    cell(119, 300, "16");
    EXPECT_EQ(reading(kDisplayKana), "か (5)");
}

TEST_F(Ink, NumeralRunInBothModes) {
    line(100, 300, "3456 1 12 16");
    EXPECT_EQ(show(kDisplayKana), "dots 3456@94,295 | １@114,295 | ２@133,295 | か@152,295");
    EXPECT_EQ(show(kDisplayAlphabet),
              "dots 3456@94,295 | １@114,295 | ２@133,295 | dots 16@151,295");
}

TEST_F(Ink, CellsAtTheEndsOfTheIntegerRangeAreNotRead) {
    line(100, 300, "3456 1");
    SymbolRecord far;
    far[0] = kBraille;
    for (const auto& [x, y] : {std::pair{100 + 2 * kCellPitch, INT_MAX},
                               {INT_MAX, INT_MAX},
                               {INT_MIN, INT_MIN},
                               {100 + 2 * kCellPitch, INT_MIN}}) {
        far[1] = x;
        far[2] = y;
        far[3] = cellFromDots("12");
        ASSERT_TRUE(doc.append(0, far));
    }
    EXPECT_EQ(show(kDisplayKana), "dots 3456@94,295 | １@114,295");
}

TEST_F(Ink, EveryDigitAfterTheIndicator) {
    line(40, 300, "3456 1 12 14 145 15 124 1245 125 24 245");
    EXPECT_EQ(reading(kDisplayAlphabet), "(3456) １ ２ ３ ４ ５ ６ ７ ８ ９ ０");
    doc.clearSymbols();
    line(40, 300, "1 12 245");
    EXPECT_EQ(reading(kDisplayAlphabet), "ａ ｂ ｊ");
    EXPECT_EQ(reading(kDisplayKana), "あ い ろ");
}

TEST_F(Ink, CellsUpToTheLastDigitAreNotReadAgain) {
    line(100, 300, "3456 1");
    cell(100, 300, "1");  // a second cell on the indicator's point
    cell(110, 300, "1");  // between the indicator and its digit
    cell(119, 300, "2");  // a second cell on the digit's point
    cell(120, 300, "1");  // just right of the digit: read again
    EXPECT_EQ(show(kDisplayKana), "dots 3456@94,295 | １@114,295 | あ@115,295");
}

TEST_F(Ink, IndicatorWithoutDigitsSkipsOnlyItsOwnPoint) {
    cell(100, 300, "3456");
    cell(100, 300, "1");
    cell(101, 300, "1");
    EXPECT_EQ(reading(kDisplayAlphabet), "(3456) ａ");
}

TEST_F(Ink, CapitalAndForeignLetterSignsStayDots) {
    line(100, 300, "6 1 0 56 12");
    EXPECT_EQ(reading(kDisplayAlphabet), "(6) ａ (56) ｂ");
    EXPECT_EQ(show(kDisplayAlphabet), "dots 6@94,295 | ａ@114,295 | dots 56@151,295 | ｂ@171,295");
}

TEST_F(Ink, ReadingOrderIsTopLineFirstThenLeftToRight) {
    cell(300, 400, "2");
    cell(50, 400, "1");
    cell(500, 250, "12");
    cell(20, 250, "14");
    EXPECT_EQ(reading(kDisplayAlphabet), "ｃ ｂ ａ (2)");
}

TEST_F(Ink, PrefixIsTheFirstCellInRecordOrderAtThatPoint) {
    cell(100, 300, "1");
    cell(100, 300, "5");
    cell(119, 300, "16");
    EXPECT_EQ(reading(kDisplayKana), "あ (5) か");
}

TEST_F(Ink, CellsOffThePageAreNotRead) {
    cell(-1, 300, "1");
    cell(630, 300, "1");
    cell(100, 940, "1");
    cell(100, -1, "1");
    cell(629, 939, "12");
    EXPECT_EQ(reading(kDisplayAlphabet), "ｂ");
    doc.header.orientation = 1;  // landscape: 940 wide, 630 high
    EXPECT_EQ(reading(kDisplayAlphabet), "ａ");
}

TEST_F(Ink, TopMarginMovesTheReadingWithTheCells) {
    cell(100, 300, "1");
    doc.settings(0).topMargin = 13;
    EXPECT_EQ(show(kDisplayKana), "あ@95,311");
}

TEST_F(Ink, BlankCellsAndTheBrailleDisplayGiveNothing) {
    line(100, 300, "0 3456 0");
    EXPECT_EQ(reading(kDisplayKana), "(3456)");
    line(100, 400, "1 12");
    EXPECT_TRUE(translateBraillePage(doc, 0, kDisplayBraille).empty());
}

TEST_F(Ink, ValuesOutsideACellAreShownAsTheirDots) {
    cellValue(100, 300, 65);
    EXPECT_EQ(reading(kDisplayKana), "(1)");
}

TEST_F(Ink, DotsItemGivesTheDotCentres) {
    cell(100, 300, "456");
    const auto items = translateBraillePage(doc, 0, kDisplayKana);
    ASSERT_EQ(items.size(), 1u);
    const auto dots = items[0].dots();
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[0], (Point{101, 295}));
    EXPECT_EQ(dots[2], (Point{101, 311}));
    EXPECT_EQ(items[0].cellX, 100);
    EXPECT_EQ(items[0].cellY, 300);
}

// Each row: a cell, its kana alone, then "prefix:text" for each prefix it reads with.
TEST(InkTables, EveryKanaRowWithEveryPrefix) {
    const char* rows[] = {
        "1 あ",
        "12 い 26:うぃ",
        "14 う 5:ヴ",
        "124 え 4:いぇ 26:うぇ",
        "24 お 26:うぉ",
        "16 か 5:が 4:きゃ 45:ぎゃ 26:くぁ 256:ぐぁ",
        "126 き 5:ぎ 26:くぃ",
        "146 く 5:ぐ 4:きゅ 45:ぎゅ",
        "1246 け 5:げ 26:くぇ",
        "246 こ 5:ご 4:きょ 45:ぎょ 26:くぉ",
        "156 さ 5:ざ 4:しゃ 45:じゃ",
        "1256 し 5:じ",
        "1456 す 5:ず 4:しゅ 45:じゅ",
        "12456 せ 5:ぜ 4:しぇ 45:じぇ",
        "2456 そ 5:ぞ 4:しょ 45:じょ",
        "135 た 5:だ 4:ちゃ 45:ぢゃ 26:つぁ",
        "1235 ち 5:ぢ 4:てぃ 45:でぃ 26:つぃ",
        "1345 つ 5:づ 4:ちゅ 45:ぢゅ 46:てゅ 26:とぅ 256:どぅ 456:でゅ",
        "12345 て 5:で 4:ちぇ 26:つぇ",
        "2345 と 5:ど 4:ちょ 45:ぢょ 26:つぉ",
        "13 な 4:にゃ",
        "123 に",
        "134 ぬ 4:にゅ",
        "1234 ね",
        "234 の 4:にょ",
        "136 は 5:ば 6:ぱ 4:ひゃ 45:びゃ 46:ぴゃ 26:ふぁ 256:ヴぁ",
        "1236 ひ 5:び 6:ぴ 26:ふぃ 256:ヴぃ",
        "1346 ふ 5:ぶ 6:ぷ 4:ひゅ 45:びゅ 46:ぴゅ",
        "12346 へ 5:べ 6:ぺ 26:ふぇ 256:ヴぇ",
        "2346 ほ 5:ぼ 6:ぽ 4:ひょ 45:びょ 46:ぴょ 26:ふぉ 256:ヴぉ",
        "1356 ま 4:みゃ",
        "12356 み",
        "13456 む 4:みゅ",
        "123456 め",
        "23456 も 4:みょ",
        "34 や",
        "346 ゆ 46:ふゅ 456:ヴゅ",
        "345 よ",
        "15 ら 4:りゃ",
        "125 り",
        "145 る 4:りゅ",
        "1245 れ",
        "245 ろ 4:りょ",
        "3 わ",
        "35 を",
        "356 ん",
        "2 っ",
        "25 ー",
    };
    const char* prefixes[] = {"5", "6", "4", "45", "46", "26", "256", "456"};
    for (std::string row : rows) {
        std::vector<std::string> words;
        for (size_t pos = 0; pos <= row.size();) {
            const size_t end = std::min(row.find(' ', pos), row.size());
            words.push_back(row.substr(pos, end - pos));
            pos = end + 1;
        }
        const BrailleCell c = cellFromDots(words[0]);
        EXPECT_EQ(kanaText(c, PrefixCategory::None), words[1]) << row;
        for (const char* prefix : prefixes) {
            std::string expected = words[1];
            for (size_t i = 2; i < words.size(); ++i)
                if (words[i].rfind(std::string(prefix) + ":", 0) == 0)
                    expected = words[i].substr(words[i].find(':') + 1);
            EXPECT_EQ(kanaText(c, prefixCategoryOf(cellFromDots(prefix))), expected)
                << row << " after " << prefix;
        }
    }
}

// The cells an ink print leaves as braille, listed by value.
TEST(InkTables, CellsWithoutAReadingAreTheOnesPrintedAsBraille) {
    const std::set<int> kana = {0, 6, 8, 16, 22, 24, 32, 34, 36, 38, 40, 48, 50, 54, 56, 60};
    const std::set<int> alphabet = {0,  2,  4,  6,  8,  12, 16, 18, 20, 22, 24, 28, 32,
                                    33, 34, 35, 36, 38, 40, 41, 42, 43, 44, 46, 47, 48,
                                    49, 50, 51, 52, 54, 55, 56, 57, 59, 60, 62, 63};
    for (int value = 0; value <= kMaxCellValue; ++value) {
        const auto c = static_cast<BrailleCell>(value);
        EXPECT_EQ(kanaText(c, PrefixCategory::None).empty(), kana.count(value) == 1) << value;
        EXPECT_EQ(alphabetText(c).empty(), alphabet.count(value) == 1) << value;
    }
    // Digits, read only after the indicator, print as full-width digits.
    const std::pair<int, const char*> digits[] = {{1, "１"},  {3, "２"},  {9, "３"},  {25, "４"},
                                                  {17, "５"}, {11, "６"}, {27, "７"}, {19, "８"},
                                                  {10, "９"}, {26, "０"}};
    int withDigit = 0;
    for (int value = 0; value <= kMaxCellValue; ++value)
        if (!digitText(static_cast<BrailleCell>(value)).empty()) ++withDigit;
    EXPECT_EQ(withDigit, 10);
    for (const auto& [value, text] : digits)
        EXPECT_EQ(digitText(static_cast<BrailleCell>(value)), text) << value;
}

TEST(InkTables, EveryKanaTypedAloneReadsBackAsItself) {
    // Typing a kana writes cells whose ink reading is that kana again.
    for (std::string kana :
         {"ｱ", "ｲ", "ｳ", "ｴ", "ｵ", "ｶ", "ｷ", "ｸ", "ｹ", "ｺ", "ｻ", "ｼ", "ｽ", "ｾ", "ｿ", "ﾀ",
          "ﾁ", "ﾂ", "ﾃ", "ﾄ", "ﾅ", "ﾆ", "ﾇ", "ﾈ", "ﾉ", "ﾊ", "ﾋ", "ﾌ", "ﾍ", "ﾎ", "ﾏ", "ﾐ",
          "ﾑ", "ﾒ", "ﾓ", "ﾔ", "ﾕ", "ﾖ", "ﾗ", "ﾘ", "ﾙ", "ﾚ", "ﾛ", "ﾜ", "ｦ", "ﾝ", "ｯ", "ｰ"}) {
        const auto cells = convertEnteredText(kana);
        ASSERT_EQ(cells.size(), 1u) << kana;
        EXPECT_EQ(toHalfWidthKana(kanaText(cells[0], PrefixCategory::None)), kana);
    }
}

TEST_F(Ink, TypedCombinationsReadBackAsTheirKana) {
    const char* words[] = {"ｶﾞｯｺｳ", "ｷｮｳ",  "ｼﾞｬｽﾞ", "ﾋﾟｱﾉ",  "ﾋﾟｮﾝ",  "ﾁｪﾛ",     "ﾃｨﾝﾊﾟﾆｰ",
                           "ｳｨｰﾝ",  "ﾌｧｿﾞ", "ｸｫｰﾂ",  "ﾃﾞｨｽｸ", "ﾃﾞｭｵ",  "ｳﾞｧｲｵﾘﾝ", "ﾄﾞｩ",
                           "ﾌｭｰｶﾞ", "ｳﾞｭ",  "ﾂｧｰ",   "ﾄｩｰﾙ",  "ﾃｭｰﾌﾞ", "ﾋﾞｮｳ",    "ｸﾞｧﾑ"};
    for (std::string word : words) {
        doc.clearSymbols();
        int x = 40;
        for (BrailleCell c : convertEnteredText(word)) {
            cellValue(x, 300, c);
            x += kCellPitch;
        }
        std::string text;
        for (const InkItem& item : translateBraillePage(doc, 0, kDisplayKana))
            if (item.kind == InkItem::Kind::Text) text += item.text;
        EXPECT_EQ(toHalfWidthKana(text), word);
    }
}

}  // namespace
}  // namespace noma
