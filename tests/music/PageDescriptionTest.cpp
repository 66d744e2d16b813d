#include <gtest/gtest.h>

#include "MusicTestSupport.h"
#include "braille/BrailleCell.h"
#include "music/CellDescription.h"
#include "music/PageDescription.h"

namespace noma {
namespace {

using namespace test;

TEST(PageDescription, ReadsEachStaveMeasureByMeasure) {
    auto doc = blankScore(1, 2);
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kKeySharp, 12, kRowF5});
    put(*doc, 0, {kQuarterNoteUp, 20, kRowG4});
    put(*doc, 0, {kDot, 126, kRowG4});
    put(*doc, 0, {kEighthNoteUp, 26, kRowF4});
    put(*doc, 0, {kStaccatoMark, 26, kRowC5});
    put(*doc, 0, {kBarLine, 30, 4});
    put(*doc, 0, {kEighthRest, 34, 4});
    // "うた" under the stave, between the rest and the half note.
    put(*doc, 0, {kBraille, 210, 12 * 8, cellFromDots("14")});
    put(*doc, 0, {kBraille, 229, 12 * 8, cellFromDots("135")});
    put(*doc, 0, {kHalfNote, 40, kRowE5});
    put(*doc, 0, {kFermata, 40, kRowG5 - 2});
    put(*doc, 0, {kFinalBarLine, 50, 4});
    // The second stave: a bass clef and no bar line.
    put(*doc, 0, {kFClef, 9, 24});
    put(*doc, 0, {kQuarterNoteUp, 20, 24});

    const std::vector<std::string> both = {
        "ト音記号の段 1、調号 シャープ1つ",
        "第1小節：ソ4 付点４分音符、ファ♯4 ８分音符 スタッカート",
        "第2小節：８分休符、点字「うた」、ミ5 ２分音符 フェルマータ、楽曲の終わり",
        "ヘ音記号の段 2、調号なし",
        "第1小節：レ3 ４分音符",
    };
    EXPECT_EQ(describePage(*doc, 1, StaveSelection::Both), both);
    EXPECT_EQ(describePage(*doc, 1, StaveSelection::Bass),
              std::vector<std::string>(both.begin() + 3, both.end()));
    EXPECT_TRUE(describePage(*doc, 2, StaveSelection::Both).empty());

    // The cursor's cells: what stands there, the stave, the row's pitch under its clef and key
    // and the measure as the reading counts them; the edge after the last bar is no measure.
    const std::vector<StaveReading> staves = readStavesAloud(*doc, 1, StaveSelection::Both);
    EXPECT_EQ(describeCell(*doc, 0, 26, kRowF4, staves),
              "８分音符、ト音記号の段 1、ファ♯4、第1小節");
    EXPECT_EQ(describeCell(*doc, 0, 40, kRowE5, staves), "２分音符、ト音記号の段 1、ミ5、第2小節");
    EXPECT_EQ(describeCell(*doc, 0, 50, 4, staves), "楽曲の終わり、ト音記号の段 1、シ4");
    EXPECT_EQ(describeCell(*doc, 0, 36, 13, staves), "点字 14の点、ト音記号の段 1、ソ3、第2小節");
    EXPECT_EQ(describeCell(*doc, 0, 20, 24, staves), "４分音符、ヘ音記号の段 2、レ3、第1小節");
    EXPECT_EQ(describeCell(*doc, 0, 20, 40, staves), "段の外");
    EXPECT_EQ(degreeName(27, -2) + " " + degreeName(23, -2) + " " + degreeName(24, -2),
              "シ♭3 ミ♭3 ファ3");
}

}  // namespace
}  // namespace noma
