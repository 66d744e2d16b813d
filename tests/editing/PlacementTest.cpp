#include "EditorFixture.h"
#include "document/SymbolKind.h"

namespace noma {
namespace {

using test::EditorTest;

TEST_F(EditorTest, OneClickAndDotFieldsAtPitchEightTopTen) {
    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Left, 100, 250);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(rec(0)[0], 6);
    EXPECT_EQ(rec(0)[1], 16);
    EXPECT_EQ(rec(0)[2], 250 / 8 - 20);
    EXPECT_TRUE(doc.dataChanged);
    arm(kDot);
    editor.mouseDown(MouseButton::Left, 100, 250);
    EXPECT_EQ(rec(1)[1], 100);
    EXPECT_EQ(rec(1)[2], 11);
    EXPECT_EQ(editor.state().lastEditKind, kAppended);
}

TEST_F(EditorTest, PressWithoutDocumentOrWhileIdleOnlyMarks) {
    doc.interactionState = kNoDocument;
    doc.toolMode = 6;
    editor.mouseDown(MouseButton::Left, 100, 100);
    EXPECT_FALSE(doc.dataChanged);
    doc.interactionState = kIdle;
    editor.mouseDown(MouseButton::Left, 100, 100);
    EXPECT_TRUE(doc.dataChanged);
    EXPECT_EQ(count(), 0);
}

TEST_F(EditorTest, PickUpWithinFivePixelsOfTheArmedKindOnly) {
    place(kQuarterNoteUp, 20, 0);  // hot position (120, 160)
    place(kEighthNoteUp, 20, 0);
    place(kQuarterNoteUp, 20, 0);
    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Right, 126, 166);  // 6 away: a new-placement press, right button
    EXPECT_EQ(count(), 3);
    editor.mouseDown(MouseButton::Right, 125, 165);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(rec(0)[0], kEighthNoteUp);  // the earlier quarter note went first
    EXPECT_EQ(editor.state().removedRecord[0], kQuarterNoteUp);
    EXPECT_EQ(doc.toolMode, kModeMoveCopyErase);
    EXPECT_EQ(host.modeText, "移動／複写／消去");
    editor.mouseUp(MouseButton::Right, 125, 165);
    EXPECT_EQ(doc.toolMode, kQuarterNoteUp);
    EXPECT_EQ(host.modeText, "４分音符");
    EXPECT_EQ(doc.interactionState, kReady);

    // Undo brings it back at the end of the list.
    editor.undo();
    ASSERT_EQ(count(), 3);
    EXPECT_EQ(rec(2)[0], kQuarterNoteUp);
    EXPECT_EQ(editor.state().lastEditKind, kAppended);
}

TEST_F(EditorTest, DraggingACrescendoMovesItsEndsTogether) {
    place(kCrescendo, 20, 0, 200);
    arm(kCrescendo);
    editor.mouseDown(MouseButton::Left, 120, 160);
    EXPECT_EQ(rec(0)[0], 0);  // shown only as the preview while dragged
    editor.mouseMove(132, 160);
    editor.mouseUp(MouseButton::Left, 132, 160);
    EXPECT_EQ(rec(0)[0], kCrescendo);
    EXPECT_EQ(rec(0)[1], 22);
    EXPECT_EQ(rec(0)[3], 212);
    EXPECT_EQ(editor.state().lastEditKind, kRecordMoved);

    editor.undo();  // removed from its place, the old state appended
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(rec(0)[1], 20);
    EXPECT_EQ(rec(0)[3], 200);
}

TEST_F(EditorTest, DragReleasedOutsideTheFrameDeletes) {
    place(kQuarterNoteUp, 20, 0);
    place(kQuarterNoteUp, 30, 0);
    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Left, 120, 160);
    editor.mouseUp(MouseButton::Left, 29, 160);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(rec(0)[1], 30);
    EXPECT_EQ(editor.state().lastEditKind, kRecordRemoved);

    editor.mouseDown(MouseButton::Left, 180, 160);
    editor.mouseUp(MouseButton::Left, 30, 200);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(rec(0)[1], 5);
    EXPECT_EQ(rec(0)[2], 200 / 8 - 20);

    editor.mouseDown(MouseButton::Left, 30, 200);
    editor.mouseUp(MouseButton::Left, 630 - 29, 200);
    EXPECT_EQ(count(), 0);
}

TEST_F(EditorTest, DraggedSlurAndDotKeepTheirShape) {
    SymbolRecord slur;
    slur[0] = kSlur;
    slur[1] = 10;
    slur[2] = 2;
    slur[3] = 20;
    slur[4] = 2;
    slur[5] = 15;
    slur[6] = 4;
    doc.append(0, slur);
    arm(kSlur);
    editor.mouseDown(MouseButton::Left, 60, 176);
    editor.mouseUp(MouseButton::Left, 72, 192);
    EXPECT_EQ(rec(0)[1], 12);
    EXPECT_EQ(rec(0)[3], 22);
    EXPECT_EQ(rec(0)[5], 17);
    EXPECT_EQ(rec(0)[2], 4);
    EXPECT_EQ(rec(0)[4], 4);
    EXPECT_EQ(rec(0)[6], 6);

    place(kDot, 101, 0);
    arm(kDot);
    editor.mouseDown(MouseButton::Left, 100, 160);
    editor.mouseUp(MouseButton::Left, 203, 168);
    EXPECT_EQ(rec(1)[1], 203);
    EXPECT_EQ(rec(1)[2], 1);
}

TEST_F(EditorTest, TwoClickGesturesUseThePointerPointAsAnchor) {
    arm(kCrescendo);
    editor.mouseMove(100, 250);
    editor.mouseDown(MouseButton::Left, 100, 250);
    EXPECT_EQ(doc.interactionState, kFirstPoint);
    editor.mouseDown(MouseButton::Left, 157, 263);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(rec(0)[1], 16);
    EXPECT_EQ(rec(0)[2], 11);
    EXPECT_EQ(rec(0)[3], 157);
    EXPECT_EQ(doc.interactionState, kReady);

    // A triplet whose pointer never moved far enough keeps the first press's default.
    arm(kTripletAbove);
    editor.mouseMove(100, 250);
    editor.mouseDown(MouseButton::Left, 100, 250);
    editor.mouseDown(MouseButton::Left, 104, 250);
    EXPECT_EQ(rec(1)[3], 6);
    EXPECT_EQ(rec(1)[4], 0);

    // A line defaults to 20 pixels horizontal and jumps the pointer.
    arm(kStraightLine);
    editor.mouseMove(100, 250);
    editor.mouseDown(MouseButton::Left, 100, 250);
    ASSERT_FALSE(host.jumps.empty());
    EXPECT_EQ(host.jumps.back(), (Point{20, 0}));
    editor.mouseDown(MouseButton::Left, 100, 250);
    EXPECT_EQ(rec(2)[3], 20);
    EXPECT_EQ(rec(2)[4], 0);
}

TEST_F(EditorTest, RightPressDropsTheFirstPoint) {
    arm(kDecrescendo);
    editor.mouseMove(100, 250);
    editor.mouseDown(MouseButton::Left, 100, 250);
    editor.mouseDown(MouseButton::Right, 100, 250);
    EXPECT_EQ(doc.interactionState, kReady);
    EXPECT_EQ(count(), 0);
}

TEST_F(EditorTest, SlurThreePressesAndChoosingTheSecondEndAgain) {
    arm(kSlur);
    editor.mouseMove(60, 160);
    editor.mouseDown(MouseButton::Left, 60, 160);
    EXPECT_EQ(editor.state().slurP1, (Point{60, 160}));
    EXPECT_EQ(editor.state().slurP2, (Point{94, 160}));
    editor.mouseMove(120, 160);
    EXPECT_EQ(editor.state().slurP2, (Point{120, 160}));
    editor.mouseDown(MouseButton::Left, 120, 160);
    EXPECT_EQ(doc.interactionState, kSecondPoint);
    EXPECT_EQ(host.jumps.back(), (Point{-30, 20}));

    editor.mouseDown(MouseButton::Right, 150, 168);
    EXPECT_EQ(doc.interactionState, kFirstPoint);
    EXPECT_EQ(editor.state().slurP2, (Point{150, 168}));
    editor.mouseDown(MouseButton::Left, 150, 168);
    editor.mouseDown(MouseButton::Left, 100, 180);
    ASSERT_EQ(count(), 1);
    const int row0 = 160 / 8 - 20;
    EXPECT_EQ(rec(0)[1], 10);
    EXPECT_EQ(rec(0)[2], row0);
    EXPECT_EQ(rec(0)[3], 25);
    EXPECT_EQ(rec(0)[4], 168 / 8 - 20);
    EXPECT_EQ(rec(0)[5], 16);
    EXPECT_EQ(rec(0)[6], 180 / 8 - 20);
}

TEST_F(EditorTest, BrailleToolOpensTheWindowAtTheSnappedPoint) {
    arm(kBraille);
    editor.mouseDown(MouseButton::Left, 103, 251);
    EXPECT_EQ(host.cursor, (Point{96, 239}));
    EXPECT_EQ(count(), 0);
}

TEST_F(EditorTest, FullPageRefusesPlacementWithAMessage) {
    for (int i = 0; i < kMaxRecords; ++i) place(kQuarterRest, 1, 1);
    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Left, 100, 250);
    EXPECT_EQ(count(), kMaxRecords);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], kPageFullMessage);
    EXPECT_EQ(doc.record(1, 0), SymbolRecord{});
}

TEST_F(EditorTest, UndoRemovesNewestFirstThenWhateverIsLast) {
    place(kStraightLine, 6, 0, 552);
    arm(kQuarterNoteUp);
    for (int x : {100, 120, 140}) editor.mouseDown(MouseButton::Left, x, 250);
    ASSERT_EQ(count(), 4);
    editor.keyDown(EditKey::BackSpace);
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(rec(2)[1], 20);
    editor.undo();
    editor.undo();
    EXPECT_EQ(count(), 1);
    editor.undo();  // the staff line goes too
    EXPECT_EQ(count(), 0);
    doc.dataChanged = false;
    editor.undo();
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(doc.dataChanged);
}

TEST_F(EditorTest, ArrowKeysNudgeTheLastPlacement) {
    arm(kDot);
    editor.mouseDown(MouseButton::Left, 100, 250);
    editor.keyDown(EditKey::Left);
    EXPECT_EQ(rec(0)[1], 99);  // a dot stores pixels
    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Left, 100, 250);
    doc.dataChanged = false;
    editor.keyDown(EditKey::Right);
    editor.keyDown(EditKey::Down);
    EXPECT_EQ(rec(1)[1], 17);
    EXPECT_EQ(rec(1)[2], 12);
    EXPECT_TRUE(doc.dataChanged);
    arm(kCrescendo);
    editor.mouseMove(100, 250);
    editor.mouseDown(MouseButton::Left, 100, 250);
    editor.mouseDown(MouseButton::Left, 160, 250);
    editor.keyDown(EditKey::Left);
    EXPECT_EQ(rec(2)[1], 15);
    EXPECT_EQ(rec(2)[3], 154);
    EXPECT_FALSE(editor.keyDown(EditKey::Other));
}

TEST_F(EditorTest, ArrowKeysDoNothingAfterDeletionsAndMoves) {
    place(kQuarterNoteUp, 20, 0);
    place(kQuarterNoteUp, 30, 0);
    arm(kQuarterNoteUp);
    editor.mouseDown(MouseButton::Right, 120, 160);
    editor.mouseUp(MouseButton::Right, 120, 160);
    editor.keyDown(EditKey::Right);
    EXPECT_EQ(rec(0)[1], 30);
    editor.mouseDown(MouseButton::Left, 180, 160);
    editor.mouseUp(MouseButton::Left, 240, 160);
    editor.keyDown(EditKey::Right);
    EXPECT_EQ(rec(0)[1], 40);
}

}  // namespace
}  // namespace noma
