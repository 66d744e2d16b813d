#include "WorkspaceFixture.h"
#include "document/SymbolKind.h"
#include "render/PageColours.h"

namespace noma {
namespace {

using test::WorkspaceTest;

class BrailleWritingTest : public WorkspaceTest {
  protected:
    BrailleWritingTest() {
        forms.fillNewScore = [](NewScoreForm& f) { f.setScoreTypeItem(2); };
        newScore();
        ws.selectMode(kBraille);
        ws.pageMouseMove(100, 200);
        ws.pageMouseDown(MouseButton::Left, 100, 200);  // cursor (90, 191): first cell at x 96
    }
    BrailleWriting& writing() { return ws.braille(); }
    int count() { return ws.document().symbolCount(0); }
    int cell(int i) { return ws.document().record(0, i)[3]; }
    void chord(std::initializer_list<int> keys) {
        for (int k : keys) writing().keyDown(k, false);
        for (int k : keys) writing().keyUp(k);
    }
};

TEST_F(BrailleWritingTest, OpensAtTheSnappedPress) {
    EXPECT_TRUE(ws.window().brailleWindowVisible);
    EXPECT_EQ(ws.view().brailleCursor.x, 90);
    EXPECT_EQ(ws.view().brailleCursor.y, 191);
    EXPECT_EQ(writing().lineStep(), 40);
    // The red cursor bar is part of the page while the tool is armed.
    EXPECT_EQ(ws.viewImage().getPixel(95, 191 + 27), render::kPreviewRed);
}

TEST_F(BrailleWritingTest, RomajiKyoCommitsOnTheFifthTick) {
    EXPECT_EQ(writing().typeRomaji("k"), "k");
    EXPECT_EQ(writing().typeRomaji("y"), "ky");
    EXPECT_EQ(writing().typeRomaji("o"), "ｷｮ");
    for (int t = 0; t < 4; ++t) writing().tick();
    EXPECT_EQ(count(), 0);
    writing().tick();
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(cell(0), 8);   // 4
    EXPECT_EQ(cell(1), 42);  // 246
    EXPECT_EQ(ws.document().record(0, 0)[1], 96);
    EXPECT_EQ(writing().fieldText(), "");
    EXPECT_TRUE(ws.document().dataChanged);
}

TEST_F(BrailleWritingTest, UnfinishedRomajiStaysAndEnterConfirmsIt) {
    writing().typeRomaji("kan");
    for (int t = 0; t < 6; ++t) writing().tick();
    ASSERT_EQ(count(), 1);  // ｶ committed, the "n" waits
    EXPECT_EQ(writing().fieldText(), "n");
    writing().keyDown(BrailleWriting::kKeyEnter, false);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(cell(1), 52);  // ﾝ 356
}

TEST_F(BrailleWritingTest, HiraganaFromAnInputMethodIsConverted) {
    writing().textChanged("が");
    for (int t = 0; t < 6; ++t) writing().tick();
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(cell(0), 16);  // 5
    EXPECT_EQ(cell(1), 33);  // 16
}

TEST_F(BrailleWritingTest, TextBrailleCannotWriteIsNamedAndKeptForCorrection) {
    writing().setEntryMode(BrailleWriting::kDirect);
    writing().textChanged("楽a譜楽");
    writing().keyDown(BrailleWriting::kKeyEnter, false);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(dialogs.messageTexts().back(), "点字にできない文字があります：楽譜");
    EXPECT_EQ(writing().fieldText(), "楽a譜楽");

    writing().setEntryMode(BrailleWriting::kRomaji);
    writing().textChanged("か音");
    for (int t = 0; t < 6; ++t) writing().tick();
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(dialogs.messageTexts().back(), "点字にできない文字があります：音");
}

TEST_F(BrailleWritingTest, LongRomajiKeepsTheFieldAndConvertsOnlyWhatFits) {
    std::string field;
    for (int i = 0; i < 600; ++i) field = writing().typeRomaji(i % 2 ? "a" : "k");
    EXPECT_EQ(field.size(), 300u * std::string("ｶ").size());
    EXPECT_EQ(writing().pending().count(), 255u);  // the conversion reads 255 bytes
    writing().typeRomaji("k");
    EXPECT_EQ(writing().fieldText().back(), 'k');
}

TEST_F(BrailleWritingTest, SixKeyChordsOverlapOrFollow) {
    writing().setEntryMode(BrailleWriting::kSixKey);
    EXPECT_EQ(writing().windowHeight(), 72);
    writing().keyDown('F', false);
    writing().keyDown('D', false);
    writing().keyUp('D');
    EXPECT_EQ(writing().pending().count(), 0u);
    writing().keyUp('F');
    ASSERT_EQ(writing().pending().count(), 1u);
    EXPECT_EQ(writing().pending().cells()[0], 3);
    chord({'F'});
    chord({'D'});
    EXPECT_EQ(writing().pending().count(), 3u);
    // Pending cells are shown in red at the cursor.
    EXPECT_EQ(ws.viewImage().getPixel(96 - 4, 200 - 5), render::kPreviewRed);
    writing().keyDown(BrailleWriting::kKeyBackSpace, false);
    EXPECT_EQ(writing().pending().count(), 2u);
    writing().keyDown('J', false);
    writing().keyUp(BrailleWriting::kKeySpace);  // a dot key is still held: nothing
    EXPECT_EQ(count(), 0);
    writing().keyUp('J');
    writing().keyDown(BrailleWriting::kKeySpace, false);
    writing().keyUp(BrailleWriting::kKeySpace);
    ASSERT_EQ(count(), 4);  // 12, 1, 4 and the blank
    EXPECT_EQ(cell(2), 8);
    EXPECT_EQ(cell(3), 0);
}

TEST_F(BrailleWritingTest, SpaceAloneCommitsOneBlankCell) {
    writing().setEntryMode(BrailleWriting::kSixKey);
    writing().keyDown(BrailleWriting::kKeySpace, false);
    writing().keyUp(BrailleWriting::kKeySpace);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(cell(0), 0);
}

TEST_F(BrailleWritingTest, DirectEntryAndTheRightEdge) {
    writing().setEntryMode(BrailleWriting::kDirect);
    writing().textChanged("ab 12.");
    EXPECT_EQ(writing().pending().cells(), (std::vector<BrailleCell>{1, 3, 0, 60, 1, 3, 2}));
    for (int t = 0; t < 10; ++t) writing().tick();  // no timer commit in direct entry
    EXPECT_EQ(count(), 0);
    ws.view().brailleCursor = {570, 191};
    writing().keyDown(BrailleWriting::kKeyEnter, false);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(dialogs.messageTexts().back(), "範囲を超えた分は記入できませんでした。");
    EXPECT_EQ(ws.view().brailleCursor.x, 608);
}

TEST_F(BrailleWritingTest, BackSpaceRemovesCommittedCellsAndArrowsMoveTheCursor) {
    writing().setEntryMode(BrailleWriting::kDirect);
    writing().textChanged("abc");
    writing().keyDown(BrailleWriting::kKeyEnter, false);
    ASSERT_EQ(count(), 3);
    writing().keyDown(BrailleWriting::kKeyBackSpace, false);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(ws.view().brailleCursor.x, 90 + 2 * 19);
    writing().keyDown(BrailleWriting::kKeyDown, false);
    EXPECT_EQ(ws.view().brailleCursor.y, 231);
    writing().keyDown(BrailleWriting::kKeyUp, true);
    EXPECT_EQ(ws.view().brailleCursor.y, 211);
}

TEST_F(BrailleWritingTest, OtherToolsHideTheWindowAndClosingDisarms) {
    writing().setEntryMode(BrailleWriting::kDirect);
    writing().textChanged("a");
    ws.selectMode(kBraille);  // the braille tool again keeps the window
    EXPECT_TRUE(ws.window().brailleWindowVisible);
    ws.selectMode(kQuarterNoteUp);
    EXPECT_FALSE(ws.window().brailleWindowVisible);
    EXPECT_EQ(count(), 0);  // pending cells are not committed
    ws.selectMode(kBraille);
    ws.pageMouseDown(MouseButton::Left, 100, 300);
    writing().close();
    EXPECT_FALSE(ws.window().brailleWindowVisible);
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(ws.window().modeText, "");
    EXPECT_EQ(ws.document().interactionState, kIdle);
}

TEST_F(BrailleWritingTest, UndoAfterACommitRemovesTheCells) {
    writing().setEntryMode(BrailleWriting::kDirect);
    writing().textChanged("ab");
    writing().keyDown(BrailleWriting::kKeyEnter, false);
    ws.undo();
    EXPECT_EQ(count(), 1);
}

}  // namespace
}  // namespace noma
