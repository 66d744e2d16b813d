#include <gtest/gtest.h>

#include <string>

#include "BrailleTestSupport.h"
#include "braille/CodePageText.h"
#include "braille/HalfWidthKana.h"
#include "braille/KanaCells.h"
#include "braille/TextToCells.h"

namespace noma {
namespace {

using test::cellsOf;
using test::tableRows;

TEST(TextToCells, DigitsTakeTheNumeralIndicatorUnlessANumberContinues) {
    EXPECT_EQ(cellsOf("1234567890"), "3456 1 12 14 145 15 124 1245 125 24 245");
    EXPECT_EQ(cellsOf("12"), "3456 1 12");
    EXPECT_EQ(cellsOf("1#2"), "3456 1 3456 12");
    EXPECT_EQ(cellsOf("1-2"), "3456 1 35 3456 12");
    EXPECT_EQ(cellsOf(".5"), "2 15");
    EXPECT_EQ(cellsOf("3.14"), "3456 14 2 1 145");
    EXPECT_EQ(cellsOf("a1"), "1 3456 1");
    EXPECT_EQ(cellsOf(" 9"), "0 3456 24");
}

TEST(TextToCells, LettersIgnoreCaseAndGetNoIndicators) {
    EXPECT_EQ(cellsOf("abcdefghijklm"), "1 12 14 145 15 124 1245 125 24 245 13 123 134");
    EXPECT_EQ(cellsOf("nopqrstuvwxyz"),
              "1345 135 1234 12345 1235 234 2345 136 1236 2456 1346 13456 1356");
    EXPECT_EQ(cellsOf("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), cellsOf("abcdefghijklmnopqrstuvwxyz"));
}

TEST(TextToCells, EveryPunctuationRow) {
    for (const auto& [text, cells] :
         tableRows("! 235, \" 236, # 3456, $ 56, % 56 1234, & 56 12346, ' 3, ( 2356, ) 2356, "
                   "* 16, + 26, - 35, / 34, : 25, ; 23, < 5 36, <= 235 235, = 25 25, > 36 2, "
                   ">= 256 256, [ 5 2356, ] 2356 2, ^ 45, _ 36, ` 4, { 236, | 0, } 356, ~ 36 36"))
        EXPECT_EQ(cellsOf(text), cells) << text;
    EXPECT_EQ(cellsOf(" "), "0");
    EXPECT_EQ(cellsOf(","), "2");
}

TEST(TextToCells, FullStopAndQuestionMarkDependOnWhatPrecedes) {
    EXPECT_EQ(cellsOf("."), "2");
    EXPECT_EQ(cellsOf("1."), "3456 1 2");
    EXPECT_EQ(cellsOf("a."), "1 256");
    EXPECT_EQ(cellsOf("!."), "235 256");
    EXPECT_EQ(cellsOf("A?"), "1 236");
    EXPECT_EQ(cellsOf("?"), "26");
    EXPECT_EQ(cellsOf("1?"), "3456 1 26");
    EXPECT_EQ(cellsOf("ｱ?"), "1 26");
}

TEST(TextToCells, DirectEntryExampleStoresTheBlank) {
    const auto cells = convertTextToCells("ab 12.");
    EXPECT_EQ(dotNumbers(cells), "1 12 0 3456 1 12 2");
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[2], kBlankCell);
}

TEST(TextToCells, EveryKanaAlone) {
    for (const auto& [text, cells] :
         tableRows("ｱｲｳｴｵ 1 12 14 124 24, ｶｷｸｹｺ 16 126 146 1246 246, "
                   "ｻｼｽｾｿ 156 1256 1456 12456 2456, ﾀﾁﾂﾃﾄ 135 1235 1345 12345 2345, "
                   "ﾅﾆﾇﾈﾉ 13 123 134 1234 234, ﾊﾋﾌﾍﾎ 136 1236 1346 12346 2346, "
                   "ﾏﾐﾑﾒﾓ 1356 12356 13456 123456 23456, ﾔﾕﾖ 34 346 345, "
                   "ﾗﾘﾙﾚﾛ 15 125 145 1245 245, ﾜｦﾝ 3 35 356, ｯｰ 2 25, ｡､･ 256 56 5, ｢｣ 36 36"))
        EXPECT_EQ(cellsOf(text), cells) << text;
    for (std::string small : {"ｧ", "ｨ", "ｩ", "ｪ", "ｫ", "ｬ", "ｭ", "ｮ"})
        EXPECT_EQ(cellsOf(small), "0") << small;
}

TEST(TextToCells, EveryTwoKanaCombination) {
    const char* groups[] = {
        "ｷｬ 4 16, ｷｭ 4 146, ｷｮ 4 246, ｷｪ 4 1246, ｼｬ 4 156, ｼｭ 4 1456, ｼｮ 4 2456, "
        "ｼｪ 4 12456, ﾁｬ 4 135, ﾁｭ 4 1345, ﾁｮ 4 2345, ﾁｪ 4 12345, ﾆｬ 4 13, ﾆｭ 4 134, "
        "ﾆｮ 4 234, ﾆｪ 4 1234, ﾋｬ 4 136, ﾋｭ 4 1346, ﾋｮ 4 2346, ﾋｪ 4 12346, ﾐｬ 4 1356, "
        "ﾐｭ 4 13456, ﾐｮ 4 23456, ﾘｬ 4 15, ﾘｭ 4 145, ﾘｮ 4 245, ｲｪ 4 124, ｽｨ 4 1256, "
        "ﾃｨ 4 1235, ｽｧ 4 0, ﾃｧ 4 0",
        "ｳｨ 26 12, ｳｪ 26 124, ｳｫ 26 24, ｳｧ 26 0, ｸｧ 26 16, ｸｨ 26 126, ｸｪ 26 1246, "
        "ｸｫ 26 246, ﾂｧ 26 135, ﾂｨ 26 1235, ﾂｪ 26 12345, ﾂｫ 26 2345, ﾄｩ 26 1345, "
        "ﾌｧ 26 136, ﾌｨ 26 1236, ﾌｪ 26 12346, ﾌｫ 26 2346",
        "ﾃｭ 46 1345, ﾌｭ 46 346, ﾌｮ 46 345, ﾃｬ 46 0, ﾃｮ 46 0, ﾌｬ 46 0",
    };
    for (const char* group : groups)
        for (const auto& [text, cells] : tableRows(group)) EXPECT_EQ(cellsOf(text), cells) << text;
}

TEST(TextToCells, EveryVoicedThreeKanaCombination) {
    const char* groups[] = {
        "ｷﾞｬ 45 16, ｷﾞｭ 45 146, ｷﾞｮ 45 246, ｼﾞｬ 45 156, ｼﾞｭ 45 1456, ｼﾞｮ 45 2456, "
        "ｼﾞｪ 45 12456, ﾁﾞｬ 45 135, ﾁﾞｭ 45 1345, ﾁﾞｮ 45 2345, ﾋﾞｬ 45 136, ﾋﾞｭ 45 1346, "
        "ﾋﾞｮ 45 2346, ｽﾞｨ 45 1256, ﾃﾞｨ 45 1235",
        "ｳﾞｧ 256 136, ｳﾞｨ 256 1236, ｳﾞｪ 256 12346, ｳﾞｫ 256 2346, ｳﾞｩ 256 0, "
        "ｸﾞｧ 256 16, ｸﾞｨ 256 126, ｸﾞｪ 256 1246, ｸﾞｫ 256 246, ｸﾞｩ 256 0, ﾄﾞｩ 256 1345",
        "ﾃﾞｭ 456 1345, ｳﾞｭ 456 346, ｳﾞｮ 456 345, ﾃﾞｬ 456 0, ﾃﾞｮ 456 0, ｳﾞｬ 456 0",
    };
    for (const char* group : groups)
        for (const auto& [text, cells] : tableRows(group)) EXPECT_EQ(cellsOf(text), cells) << text;
}

TEST(TextToCells, CombinationsNotInTheTablesGiveNothingAndConsumeTheirCharacters) {
    EXPECT_TRUE(convertTextToCells(toCodePage("ｱｧ")).empty());
    EXPECT_TRUE(convertTextToCells(toCodePage("ｶﾞｬ")).empty());
    EXPECT_TRUE(convertTextToCells(toCodePage("ｧｧ")).empty());
    EXPECT_EQ(cellsOf("ｱｧｶ"), "16");
    EXPECT_EQ(cellsOf("ｶﾞｬｶ"), "16");
    // ｯ is no small kana: it does not combine with a preceding kana.
    EXPECT_EQ(cellsOf("ｶｯ"), "16 2");
}

TEST(TextToCells, VoicedAndSemiVoicedMarks) {
    EXPECT_EQ(cellsOf("ｶﾞ"), "5 16");
    EXPECT_EQ(cellsOf("ｳﾞ"), "5 14");
    EXPECT_EQ(cellsOf("ﾊﾟ"), "6 136");
    EXPECT_EQ(cellsOf("ｶﾞｷﾞｸﾞｹﾞｺﾞ"), "5 16 5 126 5 146 5 1246 5 246");
    EXPECT_EQ(cellsOf("ﾋﾟﾌﾟﾍﾟﾎﾟ"), "6 1236 6 1346 6 12346 6 2346");
    // ぴゃ, ぴゅ, ぴょ whatever kana carries the mark.
    EXPECT_EQ(cellsOf("ﾋﾟｬ"), "46 136");
    EXPECT_EQ(cellsOf("ﾋﾟｭ"), "46 1346");
    EXPECT_EQ(cellsOf("ﾋﾟｮ"), "46 2346");
    EXPECT_EQ(cellsOf("ｶﾟｬ"), "46 136");
    // Another small kana after the mark is read on its own.
    EXPECT_EQ(cellsOf("ﾊﾟｧ"), "6 136 0");
    EXPECT_EQ(cellsOf("ﾞｶ"), "16");
}

TEST(TextToCells, EveryAtSequence) {
    for (const auto& [text, cells] :
         tableRows("@256@ 256, @6@ 6, @61@ 16, @. 2 2 2, @｡ 2 2 2, @< 246 25 25, "
                   "@> 25 25 135, @-@ 246 25 25 135, @ｰ@ 246 25 25 135, @- 0 0, @ｰ 0 0, "
                   "@* 35 35, @@* 26 26, @@1 6 36, @@2 5 2, @@_ 6 3, @: 56 23, @\" 356, "
                   "@^ 45, @_ 36 36"))
        EXPECT_EQ(cellsOf(text), cells) << text;
}

TEST(TextToCells, AtFollowedByAnythingElseGivesBlanksAndReadsOn) {
    EXPECT_EQ(cellsOf("@-a"), "0 0 1");
    EXPECT_EQ(cellsOf("@@a"), "0 0 1");
    EXPECT_EQ(cellsOf("@@3"), "0 0 3456 14");
    EXPECT_EQ(cellsOf("@a"), "0 1");
    EXPECT_EQ(cellsOf("@7"), "0 3456 1245");
    EXPECT_EQ(cellsOf("@"), "0");
    EXPECT_EQ(cellsOf("@@"), "0 0");
}

TEST(TextToCells, ArbitraryCellForm) {
    EXPECT_EQ(cellsOf("@123456@"), "123456");
    EXPECT_EQ(cellsOf("@652@a"), "256 1");
    // A digit named twice counts once; the sum would name a cell that does not exist.
    EXPECT_EQ(cellsOf("@11@"), "1");
    EXPECT_EQ(cellsOf("@66@"), "6");
    // The text ends before the closing "@": the dots so far.
    EXPECT_EQ(cellsOf("@25"), "25");
    // Any other character ends the cell and is read as usual.
    EXPECT_EQ(cellsOf("@12a"), "12 1");
    // The digit after it follows a digit, so it takes no numeral indicator.
    EXPECT_EQ(cellsOf("@17@"), "1 1245 0");
}

TEST(TextToCells, EveryYenSequence) {
    for (const auto& [text, cells] :
         tableRows("¥｢ 56 36, ¥｣ 36 23, ¥¥｢ 56 3, ¥¥｣ 6 23, ¥( 56 2356, ¥) 2356 23, "
                   "¥¥( 5 2356, ¥¥) 2356 2, ¥< 5 36 36, ¥> 36 36 2, ¥¥< 56 36 36, "
                   "¥¥> 36 36 23, ¥- 35, ¥ｰ 35"))
        EXPECT_EQ(cellsOf(text), cells) << text;
    EXPECT_EQ(cellsOf("¥¥a"), "0 0 1");
    EXPECT_EQ(cellsOf("¥¥-"), "0 0 35");
    EXPECT_EQ(cellsOf("¥a"), "0 1");
    EXPECT_EQ(cellsOf("¥"), "0");
    // The backslash is the same byte.
    EXPECT_EQ(cellsOf("\\｢\\\\)"), "56 36 2356 2");
}

TEST(TextToCells, ControlAndHighBytesGiveNoCell) {
    const std::string bytes = std::string("a\x01\n\r\x7F", 5) + "\x80\xA0\xE0\xFF" + "b";
    EXPECT_EQ(dotNumbers(convertTextToCells(bytes)), "1 12");
    EXPECT_TRUE(convertTextToCells(toCodePage("ﾞﾟ")).empty());
}

TEST(TextToCells, OnlyTheFirst255BytesAreRead) {
    EXPECT_EQ(convertTextToCells(std::string(300, 'a')).size(), 255u);
    const auto cells = convertTextToCells(std::string(255, 'a') + "b");
    EXPECT_EQ(cells.size(), 255u);
    EXPECT_EQ(cells.back(), cellFromDots("1"));
    // A sequence cut by the limit is read as far as it goes: "@12@" becomes "@1".
    const auto cut = convertTextToCells(std::string(253, ' ') + "@12@");
    ASSERT_EQ(cut.size(), 254u);
    EXPECT_EQ(cut.back(), cellFromDots("1"));
}

TEST(TextToCells, AtMost256CellsAreHeld) {
    const auto cells = convertTextToCells(std::string(255, '%'));
    ASSERT_EQ(cells.size(), kMaxPendingCells);
    EXPECT_EQ(cells[254], cellFromDots("56"));
    EXPECT_EQ(cells[255], cellFromDots("1234"));
}

TEST(TextToCells, EnteredTextArrivesAsUtf8) {
    // Half-width katakana, both yen signs and ASCII reach the code page; the rest is dropped.
    EXPECT_EQ(toCodePage("a\\¥｡ﾟ"), "a\\\\\xA1\xDF");
    EXPECT_EQ(toCodePage("aé漢b"), "ab");
    EXPECT_EQ(toCodePage(std::string("a\xFF\xC3"
                                     "b",
                                     4)),
              "ab");
    // Input-method output reaches its half-width forms first.
    EXPECT_EQ(dotNumbers(convertEnteredText("がっこう")), "5 16 2 246 14");
    EXPECT_EQ(dotNumbers(convertEnteredText("キャ、ﾊﾟ。")), "4 16 56 6 136 256");
    EXPECT_EQ(dotNumbers(convertEnteredText("ＡＢ１２")), "1 12 3456 1 12");
    EXPECT_EQ(dotNumbers(convertEnteredText("「音」")), "36 36");
}

}  // namespace
}  // namespace noma
