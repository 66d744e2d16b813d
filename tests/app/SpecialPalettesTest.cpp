#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "document/Settings.h"
#include "document/SymbolKind.h"
#include "document/UserSymbolFile.h"
#include "palettes/PaletteCanvas.h"
#include "platform/FileIo.h"

namespace noma::test {
namespace {

class SpecialPalettesTest : public WorkspaceTest {
  protected:
    // A blank page, so the records placed are the only ones.
    SpecialPalettesTest() {
        forms.fillNewScore = [](NewScoreForm& form) { form.setScoreTypeItem(2); };
        newScore();
    }
    SpecialPalettes& palettes() { return ws.palettes(); }
    const SymbolRecord& record(int i) { return ws.document().record(0, i); }
    int count() { return ws.document().symbolCount(0); }
    void saveSymbol(int number) {
        ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(folder.path(), number),
                                        {3, 3, {0, 0, 0, 0, 1, 0, 0, 0, 0}})
                        .ok());
    }
};

TEST_F(SpecialPalettesTest, PianoCellsArmWithTheirModeTextAndReleaseTheMainButton) {
    ws.selectMode(kQuarterNoteUp);
    EXPECT_EQ(ws.window().pressedMode, kQuarterNoteUp);
    EXPECT_TRUE(palettes().pianoMouseDown(40, 25));
    EXPECT_EQ(ws.document().toolMode, 216);
    EXPECT_EQ(ws.window().modeText, "ピアノ記号");
    EXPECT_EQ(ws.window().pressedMode, 0);
    EXPECT_EQ(ws.document().interactionState, kReady);
    EXPECT_EQ(palettes().pianoSelection(), 16);

    EXPECT_FALSE(palettes().pianoMouseDown(20, 25));  // on a cell's edge: nothing changes
    EXPECT_EQ(ws.document().toolMode, 216);
    EXPECT_TRUE(palettes().pianoMouseDown(250, 20));
    EXPECT_EQ(ws.document().toolMode, kPedal);
    EXPECT_EQ(ws.window().modeText, "ピアノ記号");
}

TEST_F(SpecialPalettesTest, ClosingThePianoPaletteDisarmsAnyTool) {
    ws.selectMode(kQuarterNoteUp);
    palettes().pianoClosed();
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(ws.window().modeText, "");
    EXPECT_EQ(ws.window().pressedMode, 0);
    EXPECT_EQ(ws.document().interactionState, kIdle);
    ws.pageMouseDown(MouseButton::Left, 100, 250);
    EXPECT_EQ(count(), 0);

    // With no document open the palette's closing leaves the "no document" state alone.
    ws.fileClose();
    palettes().pianoClosed();
    EXPECT_EQ(ws.document().interactionState, kNoDocument);
}

TEST_F(SpecialPalettesTest, RecorderLayoutDecidesTheModeAndTheHighlight) {
    palettes().setRecorderLayout(0);
    EXPECT_TRUE(palettes().recorderMouseDown(100, 100));
    EXPECT_EQ(ws.document().toolMode, 302);
    EXPECT_EQ(ws.window().modeText, "リコーダー記号");
    Canvas picture;
    palettes().drawRecorder(picture);
    EXPECT_EQ(picture.getPixel(81, 199), kPaletteYellow);

    palettes().setRecorderLayout(1);
    EXPECT_EQ(ws.document().toolMode, 302);
    palettes().drawRecorder(picture);
    EXPECT_EQ(picture.getPixel(81, 199), kWhite);
    EXPECT_TRUE(palettes().recorderMouseDown(100, 100));
    EXPECT_EQ(ws.document().toolMode, 332);
    EXPECT_FALSE(palettes().recorderMouseDown(40, 100));
    EXPECT_EQ(palettes().recorderCell(), 2);
}

TEST_F(SpecialPalettesTest, RecorderLayoutSurvivesARestart) {
    palettes().setRecorderLayout(0);
    ASSERT_TRUE(ws.closeWindow());
    Workspace again(dialogs, forms, folder.path());
    again.startUp();
    EXPECT_EQ(again.palettes().recorderLayout(), 0);
    EXPECT_EQ(readSettingsFile(folder.path()).recorderLayout, 0);
}

TEST_F(SpecialPalettesTest, GuitarStringsAreATwoClickGesture) {
    EXPECT_TRUE(palettes().guitarMouseDown(100, 180));
    EXPECT_EQ(ws.document().toolMode, kGuitarStrings);
    EXPECT_EQ(ws.window().modeText, "ギター譜");
    ws.pageMouseMove(60, 200);
    ws.pageMouseDown(MouseButton::Left, 60, 200);
    EXPECT_EQ(ws.document().interactionState, kFirstPoint);
    ws.pageMouseMove(300, 200);
    ws.pageMouseDown(MouseButton::Left, 300, 200);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(record(0)[0], kGuitarStrings);
    EXPECT_EQ(record(0)[1], 10);
    EXPECT_EQ(record(0)[3], 300);
    EXPECT_FALSE(palettes().guitarMouseDown(250, 180));
}

TEST_F(SpecialPalettesTest, GuitarStringsMoveCopyAndUndoLikeAHairpin) {
    palettes().guitarMouseDown(100, 180);
    ws.pageMouseMove(60, 200);
    ws.pageMouseDown(MouseButton::Left, 60, 200);
    ws.pageMouseMove(300, 200);
    ws.pageMouseDown(MouseButton::Left, 300, 200);
    // Dragging 12 pixels right moves field 1 by 2 and the right end by 12.
    ws.pageMouseDown(MouseButton::Left, 62, 202);
    EXPECT_EQ(ws.document().toolMode, kModeMoveCopyErase);
    ws.pageMouseUp(MouseButton::Left, 72, 200);
    EXPECT_EQ(record(0)[1], 12);
    EXPECT_EQ(record(0)[3], 312);
    EXPECT_EQ(ws.window().modeText, "ギター譜");
    ws.undo();
    EXPECT_EQ(record(0)[1], 10);
    EXPECT_EQ(record(0)[3], 300);

    // A region copy one column right shifts the right end by 6 pixels.
    ws.selectMode(kModeRegionCopy);
    ws.pageMouseDown(MouseButton::Left, 50, 190);
    ws.pageMouseMove(80, 210);
    ws.pageMouseDown(MouseButton::Left, 80, 210);
    ASSERT_EQ(ws.document().interactionState, kSecondPoint);
    ASSERT_EQ(ws.editState().selection.count(), 1);
    // Columns 8..13, rows 23..26: the copy's top-left follows the pointer less half the region.
    ws.pageMouseMove(66, 195);
    ws.pageMouseDown(MouseButton::Left, 66, 195);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(record(1)[0], kGuitarStrings);
    EXPECT_EQ(record(1)[1], 11);
    EXPECT_EQ(record(1)[2], record(0)[2]);
    EXPECT_EQ(record(1)[3], 306);
}

TEST_F(SpecialPalettesTest, PedalDragShowsItsOwnName) {
    palettes().pianoMouseDown(250, 20);
    ws.pageMouseDown(MouseButton::Left, 100, 250);
    ws.pageMouseDown(MouseButton::Left, 100, 250);
    EXPECT_EQ(ws.window().modeText, "移動／複写／消去");
    ws.pageMouseUp(MouseButton::Left, 130, 250);
    EXPECT_EQ(ws.window().modeText, "ペダル");
    EXPECT_EQ(record(0)[1], 21);
}

TEST_F(SpecialPalettesTest, UserSymbolsArmOnlyFromSavedSlots) {
    saveSymbol(3);
    Canvas picture;
    palettes().drawUserSymbols(picture);
    EXPECT_FALSE(palettes().userSymbolMouseDown(25, 25));  // slot 0 is empty
    palettes().pianoMouseDown(250, 20);
    EXPECT_TRUE(palettes().userSymbolMouseDown(125, 25));
    EXPECT_EQ(ws.document().toolMode, kUserSymbolFirst + 2);
    EXPECT_EQ(ws.window().modeText, "オリジナル記号");
    palettes().drawUserSymbols(picture);
    EXPECT_EQ(picture.getPixel(110, 40), kPaletteYellow);
    EXPECT_EQ(picture.getPixel(100, 10), kBlack);  // its frame

    ws.pageMouseDown(MouseButton::Left, 100, 250);
    ASSERT_EQ(count(), 1);
    EXPECT_EQ(record(0)[0], 102);
    EXPECT_EQ(record(0)[1], 16);
    EXPECT_EQ(record(0)[2], 250 / 8 - 24);
}

TEST_F(SpecialPalettesTest, SavedSymbolsReachThePaletteAtItsNextRepaint) {
    palettes().symbolEditor().activate();
    palettes().symbolEditor().gridMouseDown(MouseButton::Left, 205, 205);
    palettes().symbolEditor().gridMouseUp();
    palettes().symbolEditor().save(5);
    Canvas picture;
    palettes().drawUserSymbols(picture);
    EXPECT_EQ(picture.getPixel(200 + 24, 24), kBlack);
    EXPECT_EQ(picture.getPixel(201, 10), kWhite);
    EXPECT_TRUE(palettes().userSymbolMouseDown(225, 25));
    EXPECT_EQ(ws.document().toolMode, 104);
}

TEST_F(SpecialPalettesTest, ModeSwitchesAskTheVisiblePalettesToRepaint) {
    const int before = palettes().repaintCount();
    ws.selectMode(kQuarterNoteUp);
    EXPECT_EQ(palettes().repaintCount(), before + 1);
    palettes().guitarMouseDown(10, 10);
    EXPECT_EQ(palettes().repaintCount(), before + 2);
    Canvas picture;
    palettes().drawGuitar(picture);
    EXPECT_EQ(picture.getPixel(2, 2), kPaletteYellow);
    ws.selectMode(kQuarterNoteUp);
    palettes().drawGuitar(picture);
    EXPECT_EQ(picture.getPixel(2, 2), kWhite);
}

TEST_F(SpecialPalettesTest, NothingArmsWithoutADocument) {
    ws.fileClose();
    EXPECT_FALSE(palettes().pianoMouseDown(40, 25));
    EXPECT_FALSE(palettes().guitarMouseDown(10, 10));
    EXPECT_FALSE(palettes().armMode(70));
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(ws.document().interactionState, kNoDocument);
}

}  // namespace
}  // namespace noma::test
