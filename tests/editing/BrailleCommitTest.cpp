#include "editing/BrailleCommit.h"

#include <gtest/gtest.h>

#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma {
namespace {

class BrailleCommitTest : public ::testing::Test {
  protected:
    BrailleCommitTest() {
        doc.header = {1, 8, 0};
        doc.settings(0) = {3, 0, 12, 0, 10, 0};
        doc.interactionState = kIdle;
    }
    ScoreDocument doc;
};

TEST_F(BrailleCommitTest, CellsGo19PixelsApartRelativeToTheRowOrigin) {
    BrailleCursor cursor{90, 191};
    EXPECT_EQ(commitBrailleCells(doc, cursor, {1, 0, 63}), CommitStop::None);
    ASSERT_EQ(doc.symbolCount(0), 3);
    EXPECT_EQ(doc.record(0, 0), (SymbolRecord{{kBraille, 96, 200 - 192, 1}}));
    EXPECT_EQ(doc.record(0, 1), (SymbolRecord{{kBraille, 115, 8, 0}}));
    EXPECT_EQ(doc.record(0, 2), (SymbolRecord{{kBraille, 134, 8, 63}}));
    EXPECT_EQ(cursor.x, 90 + 3 * 19);
    EXPECT_EQ(cursor.y, 191);
}

TEST_F(BrailleCommitTest, RightEdgeStopsTheRestOfTheCommit) {
    BrailleCursor cursor{570, 300};
    EXPECT_EQ(commitBrailleCells(doc, cursor, {1, 3, 7}), CommitStop::RightEdge);
    ASSERT_EQ(doc.symbolCount(0), 2);
    EXPECT_EQ(doc.record(0, 0)[1], 576);
    EXPECT_EQ(doc.record(0, 1)[1], 595);
    EXPECT_EQ(cursor.x, 608);
}

TEST_F(BrailleCommitTest, FullPageStopsWithoutWritingBeyondIt) {
    for (int i = 0; i < kMaxRecords - 1; ++i) doc.append(0, SymbolRecord{{kBareNoteHead, 1, 1}});
    BrailleCursor cursor{100, 300};
    EXPECT_EQ(commitBrailleCells(doc, cursor, {1, 2, 4}), CommitStop::PageFull);
    EXPECT_EQ(doc.symbolCount(0), kMaxRecords);
    EXPECT_EQ(doc.record(1, 0), SymbolRecord{});
}

TEST(BrailleCursorMoves, StepsAndLimits) {
    EXPECT_EQ(brailleLineStep(6), 42);
    EXPECT_EQ(brailleLineStep(7), 42);
    EXPECT_EQ(brailleLineStep(8), 40);
    EXPECT_EQ(brailleLineStep(9), 45);
    EXPECT_EQ(brailleLineStep(10), 40);

    BrailleCursor c{100, 300};
    EXPECT_TRUE(moveBrailleCursor(c, CursorKey::Down, false, 45, 630, 940));
    EXPECT_EQ(c.y, 345);
    EXPECT_TRUE(moveBrailleCursor(c, CursorKey::Down, true, 45, 630, 940));
    EXPECT_EQ(c.y, 367);
    EXPECT_TRUE(moveBrailleCursor(c, CursorKey::Left, false, 45, 630, 940));
    EXPECT_EQ(c.x, 81);
    EXPECT_TRUE(moveBrailleCursor(c, CursorKey::Right, true, 45, 630, 940));
    EXPECT_EQ(c.x, 84);

    BrailleCursor edge{34, 78};  // Left needs x > 34, Up needs y > step + 33
    EXPECT_FALSE(moveBrailleCursor(edge, CursorKey::Left, false, 45, 630, 940));
    EXPECT_FALSE(moveBrailleCursor(edge, CursorKey::Up, false, 45, 630, 940));
    EXPECT_TRUE(moveBrailleCursor(edge, CursorKey::Left, true, 45, 630, 940));
    EXPECT_EQ(edge.x, 31);
    BrailleCursor bottom{100, 940 - 77 - 90};
    EXPECT_FALSE(moveBrailleCursor(bottom, CursorKey::Down, false, 45, 630, 940));
    EXPECT_TRUE(moveBrailleCursor(bottom, CursorKey::Down, true, 45, 630, 940));
}

}  // namespace
}  // namespace noma
