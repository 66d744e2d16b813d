#include <cstdint>
#include <limits>

#include "EditorFixture.h"
#include "document/SymbolKind.h"
#include "editing/ClipboardFiles.h"
#include "editing/RegionOperations.h"
#include "platform/FileIo.h"
#include "platform/JpegFile.h"

namespace noma {
namespace {

using test::EditorTest;

class RegionTest : public EditorTest {
  protected:
    // Draws a region with the armed region tool from (x1, y1) to (x2, y2).
    void drawRegion(int x1, int y1, int x2, int y2) {
        editor.mouseMove(x1, y1);
        editor.mouseDown(MouseButton::Left, x1, y1);
        editor.mouseMove(x2, y2);
        editor.mouseDown(MouseButton::Left, x2, y2);
    }
};

TEST_F(RegionTest, EitherCornerSelectsTheSameRecords) {
    place(kQuarterNoteUp, 10, 0);  // (60, 160)
    place(kQuarterNoteUp, 20, 5);  // (120, 200)
    place(kDot, 125, 5);           // pixel x 125: column 20
    place(kQuarterNoteUp, 40, 5);  // outside
    RegionSelection a, b;
    selectRegion(doc, 0, {55, 150}, {125, 205}, a);
    selectRegion(doc, 0, {125, 205}, {55, 150}, b);
    ASSERT_EQ(a.count(), 3);
    ASSERT_EQ(b.count(), 3);
    EXPECT_EQ(a.left, 9);
    EXPECT_EQ(a.right, 20);
    EXPECT_EQ(a.top, 18);
    EXPECT_EQ(a.bottom, 25);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a.entries[i].index, b.entries[i].index);
}

TEST_F(RegionTest, SlurIsSelectedByItsFirstEndOnlyAndBrailleByPixels) {
    SymbolRecord slur;
    slur[0] = kSlur;
    slur[1] = 10;
    slur[3] = 80;
    doc.append(0, slur);
    slur[1] = 2;
    slur[3] = 12;
    doc.append(0, slur);
    SymbolRecord cell;
    cell[0] = kBraille;
    cell[1] = 70;
    cell[2] = 5;  // page y 165
    cell[3] = 1;
    doc.append(0, cell);
    RegionSelection s;
    selectRegion(doc, 0, {60, 160}, {80, 170}, s);
    ASSERT_EQ(s.count(), 2);
    EXPECT_EQ(s.entries[0].index, 0);
    EXPECT_EQ(s.entries[1].index, 2);
}

TEST_F(RegionTest, SelectionKeepsFiveHundredAndSaysSo) {
    for (int i = 0; i < 600; ++i) place(kQuarterRest, 20, 0);
    arm(kModeRegionErase);
    drawRegion(100, 150, 140, 170);
    EXPECT_EQ(count(), 100);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0], kSelectionLimitMessage);
}

TEST_F(RegionTest, EmptyRegionReportsAndStaysArmed) {
    arm(kModeRegionCopy);
    drawRegion(300, 300, 320, 320);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "対象となるデータがありません。");
    EXPECT_EQ(doc.interactionState, kReady);
    EXPECT_EQ(doc.toolMode, kModeRegionCopy);
}

TEST_F(RegionTest, CopyDropsRepeatedlyAndUndoRemovesTheLastCopy) {
    place(kQuarterNoteUp, 20, 0);
    place(kCrescendo, 21, 1, 150);
    arm(kModeRegionCopy);
    drawRegion(110, 150, 140, 175);  // L 18, T 18, R 23, B 21
    EXPECT_EQ(doc.interactionState, kSecondPoint);
    editor.mouseMove(300, 400);  // target column 50 - 2, row 50 - 1
    EXPECT_EQ(editor.state().regionTarget, (Point{48, 49}));
    editor.mouseDown(MouseButton::Left, 300, 400);
    ASSERT_EQ(count(), 4);
    EXPECT_EQ(rec(2)[1], 50);
    EXPECT_EQ(rec(2)[2], 31);
    EXPECT_EQ(rec(3)[1], 51);
    EXPECT_EQ(rec(3)[3], 150 + 6 * 30);
    EXPECT_EQ(doc.interactionState, kSecondPoint);
    editor.mouseDown(MouseButton::Left, 300, 400);
    EXPECT_EQ(count(), 6);
    editor.undo();
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(editor.state().lastEditKind, kAppended);
}

TEST_F(RegionTest, MoveAppendsAtTheEndAndUndoShiftsBack) {
    place(kQuarterNoteUp, 20, 0);
    place(kEighthNoteUp, 40, 0);
    place(kDot, 125, 0);
    arm(kModeRegionMove);
    drawRegion(115, 155, 130, 165);
    editor.mouseMove(300, 400);
    editor.mouseDown(MouseButton::Left, 300, 400);
    ASSERT_EQ(count(), 3);
    EXPECT_EQ(rec(0)[0], kEighthNoteUp);  // untouched records keep their order, first
    EXPECT_EQ(rec(1)[0], kQuarterNoteUp);
    const int dc = editor.state().regionTarget.x - 19;
    EXPECT_EQ(rec(1)[1], 20 + dc);
    EXPECT_EQ(rec(2)[1], 125 + 6 * dc);
    EXPECT_EQ(doc.interactionState, kReady);
    EXPECT_EQ(editor.state().lastEditKind, kRegionMoved);

    editor.keyDown(EditKey::Right);  // a region nudge moves the dot 6 pixels
    EXPECT_EQ(rec(2)[1], 125 + 6 * dc + 6);
    editor.undo();  // back by the drop offset only; the nudge stays
    EXPECT_EQ(rec(1)[1], 21);
    EXPECT_EQ(rec(2)[1], 131);
}

TEST_F(RegionTest, EraseAndUndoRestoreAtTheEnd) {
    place(kQuarterNoteUp, 20, 0);
    place(kEighthNoteUp, 40, 0);
    arm(kModeRegionErase);
    drawRegion(115, 155, 130, 165);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(editor.state().lastEditKind, kRegionRemoved);
    editor.keyDown(EditKey::Left);  // no nudges after a deletion
    EXPECT_EQ(rec(0)[1], 40);
    editor.undo();
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(rec(1)[0], kQuarterNoteUp);
}

TEST_F(RegionTest, RightPressCancelsRubberAndCarriedRegion) {
    place(kQuarterNoteUp, 20, 0);
    arm(kModeRegionMove);
    editor.mouseMove(100, 150);
    editor.mouseDown(MouseButton::Left, 100, 150);
    editor.mouseMove(130, 170);
    editor.mouseDown(MouseButton::Right, 130, 170);
    EXPECT_EQ(doc.interactionState, kReady);
    drawRegion(100, 150, 130, 170);
    editor.mouseDown(MouseButton::Right, 300, 300);
    EXPECT_EQ(doc.interactionState, kReady);
    EXPECT_EQ(rec(0)[1], 20);
    EXPECT_EQ(count(), 1);
}

TEST_F(RegionTest, ClipboardTextIsExact) {
    doc.settings(0).topMargin = 15;
    place(kQuarterNoteUp, 16, 11);  // page row 41
    arm(kModeClipCopy);
    drawRegion(90, 320, 108, 360);  // L 15, T 40, R 18, B 45
    const auto text = readWholeFile(folder.file(kClipboardDataFile));
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(*text, "15 40 18 45 1\r\n6 16 11 0 0 0 0 0 0 0 \r\n");
    const auto picture = readJpegFile(folder.file(kClipboardPictureFile));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), 18);
    EXPECT_EQ(picture->height(), 40);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "クリップボードへのコピーを実行しました。");
    EXPECT_EQ(doc.toolMode, 0);
    EXPECT_EQ(host.modeText, "");
    EXPECT_EQ(count(), 1);
}

TEST_F(RegionTest, CutThenPasteOnAPageWithALargerTopMargin) {
    place(kQuarterNoteUp, 20, 0);  // page 0, top margin 10
    arm(kModeClipCut);
    drawRegion(115, 155, 130, 165);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(host.messages.back(), "切り取ってクリップボードへコピーしました。");

    doc.currentPage = 1;  // top margin 12
    editor.clipPaste();
    EXPECT_EQ(host.selectedModes.back(), kModeClipPaste);
    EXPECT_EQ(editor.state().regionTarget, (Point{0, 0}));
    editor.mouseMove(122, 160);
    editor.mouseDown(MouseButton::Left, 122, 160);
    ASSERT_EQ(count(), 1);
    // Region T 19, target row 20: one row down. Rows shift by the drop offset alone, so on
    // this page the note sits at page row 1 + 24 = 25, 4 rows below where the picture showed it.
    EXPECT_EQ(editor.state().regionTarget, (Point{19, 20}));
    EXPECT_EQ(rec(0)[2], 1);
    EXPECT_EQ(doc.interactionState, kIdle);
    EXPECT_EQ(doc.toolMode, 0);
    editor.clipPaste();  // the clipboard stays for another paste
    EXPECT_EQ(doc.toolMode, kModeClipPaste);
    editor.mouseDown(MouseButton::Right, 10, 10);  // cancel
    EXPECT_EQ(doc.interactionState, kIdle);
    EXPECT_EQ(count(), 1);
}

TEST_F(RegionTest, PasteRefusesMissingOrBrokenClipboards) {
    editor.clipPaste();
    EXPECT_EQ(host.messages.back(), "クリップボードにデータがありません。");
    EXPECT_TRUE(host.selectedModes.empty());

    ASSERT_TRUE(writeFileAtomically(folder.file(kClipboardDataFile),
                                    "1 2 3 4 1\r\n6 1 1 0 0 0 0 0 0 0 \r\n")
                    .ok());
    editor.clipPaste();  // no picture
    EXPECT_TRUE(host.selectedModes.empty());
    EXPECT_NE(host.messages.back().find("画像"), std::string::npos);

    ASSERT_TRUE(writeJpegFile(folder.file(kClipboardPictureFile), view, 0, 0, 12, 8).ok());
    ASSERT_TRUE(writeFileAtomically(folder.file(kClipboardDataFile),
                                    "1 2 3 4 2\r\n6 1 1 0 0 0 0 0 0 0 \r\n")
                    .ok());
    editor.clipPaste();  // too few records
    EXPECT_TRUE(host.selectedModes.empty());

    ASSERT_TRUE(writeFileAtomically(folder.file(kClipboardDataFile),
                                    "1 2 3 4 1\r\n6 1 1 0 0 0 0 0 0 0 \r\n")
                    .ok());
    editor.clipPaste();
    EXPECT_EQ(host.selectedModes.size(), 1u);
}

TEST(ClipboardData, MoreThanFiveHundredRecordsAreTruncated) {
    std::string text = "0 0 10 10 600\r\n";
    for (int i = 0; i < 600; ++i) text += "6 " + std::to_string(i) + " 0 0 0 0 0 0 0 0 \r\n";
    RegionSelection s;
    const ClipboardRead r = parseClipboardData(text, s);
    EXPECT_EQ(r.status, ClipboardRead::Status::Truncated);
    ASSERT_EQ(s.count(), kMaxSelection);
    EXPECT_EQ(s.entries[499].record[1], 499);
    EXPECT_EQ(parseClipboardData("0 0 1 1 -3", s).status, ClipboardRead::Status::Malformed);
    EXPECT_EQ(s.count(), kMaxSelection);  // untouched by the bad text
}

TEST(ClipboardData, RegionsThatNoCopyCouldWriteAreRefused) {
    RegionSelection s;
    // Corners that would overflow the paste preview's pixel arithmetic.
    EXPECT_EQ(parseClipboardData("1190325608 22 6 0 0", s).status,
              ClipboardRead::Status::Malformed);
    EXPECT_EQ(parseClipboardData("0 0 6 -2147483648 0", s).status,
              ClipboardRead::Status::Malformed);
    EXPECT_EQ(parseClipboardData("10 0 5 4 0", s).status, ClipboardRead::Status::Malformed);
    EXPECT_EQ(parseClipboardData("0 9 5 4 0", s).status, ClipboardRead::Status::Malformed);
    // Anything a copy writes still reads, a corner just off the page included.
    EXPECT_EQ(parseClipboardData("-1 0 156 156 0", s).status, ClipboardRead::Status::Ok);
    EXPECT_EQ(parseClipboardData("5 5 5 5 0", s).status, ClipboardRead::Status::Ok);
}

TEST_F(RegionTest, DropThatDoesNotFitWritesNothing) {
    for (int i = 0; i < kMaxRecords - 2; ++i) place(kQuarterRest, 1, 1);
    place(kQuarterNoteUp, 20, 0);
    place(kQuarterNoteUp, 21, 0);
    arm(kModeRegionCopy);
    drawRegion(115, 155, 130, 165);
    ASSERT_EQ(editor.state().selection.count(), 2);
    editor.mouseMove(300, 400);
    editor.mouseDown(MouseButton::Left, 300, 400);
    EXPECT_EQ(count(), kMaxRecords);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back(), kPageFullMessage);
    EXPECT_EQ(rec(kMaxRecords - 1)[1], 21);
}

// A score file may hold any 32-bit value in a field; records far off the page must neither stop
// selection, picking up and moving nor come back different after an undo.
TEST_F(RegionTest, FieldsAtTheEndsOfTheIntegerRangeMoveAndUndoExactly) {
    constexpr int kMax = std::numeric_limits<int32_t>::max();
    constexpr int kMin = std::numeric_limits<int32_t>::min();
    place(kQuarterNoteUp, kMax, kMax);  // off the page: never selected, never picked up
    place(kBraille, kMin, kMax, 1);
    SymbolRecord slur;  // first end inside the region, the others anywhere
    slur[0] = kSlur;
    slur[1] = 20;
    slur[3] = kMax;
    slur[4] = kMin;
    slur[5] = kMin;
    slur[6] = kMax;
    doc.append(0, slur);
    place(kCrescendo, 21, 0, kMax);
    const SymbolRecord slurBefore = rec(2), crescBefore = rec(3);

    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Right, 120, 160);
    EXPECT_EQ(count(), 4);

    arm(kModeRegionMove);
    drawRegion(0, 0, 620, 930);
    ASSERT_EQ(editor.state().selection.count(), 2);
    editor.mouseMove(300, 400);
    editor.mouseDown(MouseButton::Left, 300, 400);
    ASSERT_EQ(count(), 4);
    EXPECT_EQ(rec(0)[1], kMax);
    EXPECT_EQ(rec(1)[1], kMin);
    const int dc = editor.state().regionTarget.x - editor.state().selection.left;
    EXPECT_EQ(rec(2)[1], 20 + dc);
    EXPECT_NE(rec(2)[3], kMax);  // carried on round the integer range

    editor.keyDown(EditKey::Left);
    editor.keyDown(EditKey::Right);
    editor.keyDown(EditKey::Up);
    editor.keyDown(EditKey::Down);
    editor.undo();
    EXPECT_EQ(rec(2), slurBefore);
    EXPECT_EQ(rec(3), crescBefore);

    // Dragging a crescendo whose end is far away keeps the distance between its ends.
    arm(kCrescendo);
    editor.mouseDown(MouseButton::Left, 126 - 5, 160);
    editor.mouseMove(150, 160);
    editor.mouseUp(MouseButton::Left, 150, 160);
    ASSERT_EQ(count(), 4);
    EXPECT_EQ(rec(3)[1], 25);
    EXPECT_EQ(static_cast<uint32_t>(rec(3)[3]) - static_cast<uint32_t>(crescBefore[3]),
              static_cast<uint32_t>(150 - 126));
}

}  // namespace
}  // namespace noma
