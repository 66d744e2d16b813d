#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "BrailleTestSupport.h"
#include "braille/BrailleList.h"

namespace noma {
namespace {

const BrailleListRow& row(const std::string& name) {
    for (const auto& page : brailleListPages())
        for (const auto& r : page.rows)
            if (r.name == name) return r;
    throw std::runtime_error("no row " + name);
}

TEST(BrailleList, FourPagesWithTheirRows) {
    const auto& pages = brailleListPages();
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].title, "一般記号");
    EXPECT_EQ(pages[1].title, "数学記号");
    EXPECT_EQ(pages[2].title, "囲み符号");
    EXPECT_EQ(pages[3].title, "関係符号他");
    EXPECT_EQ(pages[0].rows.size(), 19u);
    EXPECT_EQ(pages[1].rows.size(), 12u);
    EXPECT_EQ(pages[2].rows.size(), 16u);
    EXPECT_EQ(pages[3].rows.size(), 13u);
    EXPECT_EQ(pages[0].rows.front().name, "句点　。　（日本文）");
    EXPECT_EQ(pages[3].rows.back().name, "第２小見出し符");
}

TEST(BrailleList, CellsInSixPositionForm) {
    EXPECT_EQ(row("句点　。　（日本文）").braille, "( -2--56 )");
    EXPECT_EQ(row("アンド記号　＆").braille, "( ----56 ) ( 1234-6 )");
    EXPECT_EQ(row("両向き矢印　←→").braille, "( -2-4-6 ) ( -2--5- ) ( -2--5- ) ( 1-3-5- )");
}

TEST(BrailleList, ContextDecidesFullStopAndQuestionMark) {
    EXPECT_EQ(dotNumbers(row("小数点　．　（数字中）").cells), "2");
    EXPECT_EQ(dotNumbers(row("ピリオド　．　（英文）").cells), "256");
    EXPECT_EQ(dotNumbers(row("疑問符　？　（日本文）").cells), "26");
    EXPECT_EQ(dotNumbers(row("疑問符　？　（英文）").cells), "236");
    EXPECT_EQ(row("ピリオド　．　（英文）").keys, ".");
}

TEST(BrailleList, KeysAndCellsOfTheSequences) {
    const std::pair<const char*, const char*> expected[] = {
        {"大文字符", "6"},
        {"外国語引用符閉じる", "356"},
        {"累乗", "45"},
        {"マイナス　－", "35"},
        {"不等号　≦", "235 235"},
        {"不等号　≧", "256 256"},
        {"第２カギ開く", "56 3"},
        {"第２カギ閉じる", "6 23"},
        {"二重カギ開く", "56 36"},
        {"二重カッコ閉じる", "2356 23"},
        {"第１指示符開く", "5 36"},
        {"第３指示符閉じる", "36 36 23"},
        {"第２つなぎ符", "6 3"},
        {"点線　……", "2 2 2"},
        {"文中注記符", "56 23"},
        {"波線　～", "36 36"},
        {"左向き矢印　←", "246 25 25"},
        {"第２星印", "26 26"},
        {"第１小見出し符", "6 36"},
        {"第２小見出し符", "5 2"},
        {"棒線　――", "25 25"},
    };
    for (const auto& [name, cells] : expected)
        EXPECT_EQ(dotNumbers(row(name).cells), cells) << name;
    EXPECT_EQ(row("第２カギ開く").keys, "¥¥｢");
    EXPECT_EQ(row("第１カッコ").keys, "( )");
}

TEST(BrailleList, EveryAlternativeKeyWritesTheSameCells) {
    for (const auto& page : brailleListPages()) {
        for (const auto& r : page.rows) {
            EXPECT_FALSE(r.cells.empty()) << r.name;
            if (r.name.find("（英文）") != std::string::npos || r.name.find("小数点") == 0)
                continue;
            size_t pos = 0;
            while (pos <= r.keys.size()) {
                const size_t end = std::min(r.keys.find(' ', pos), r.keys.size());
                EXPECT_EQ(test::cellsOf(r.keys.substr(pos, end - pos)), dotNumbers(r.cells))
                    << r.name;
                pos = end + 1;
            }
        }
    }
}

}  // namespace
}  // namespace noma
