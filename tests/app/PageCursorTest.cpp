#include <string>

#include "WorkspaceFixture.h"
#include "app/MidiPlayback.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/MidiExport.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::WorkspaceTest;

class PageCursorTest : public WorkspaceTest {
  protected:
    PageCursorTest() { newScore(); }

    void go(CursorMove move, int times = 1) {
        for (int i = 0; i < times; ++i) ws.moveCursor(move);
    }
    // The cursor to (column, row) by single steps, as a user would.
    void goTo(int column, int row) {
        while (ws.pageCursor().column < column) go(CursorMove::Right);
        while (ws.pageCursor().column > column) go(CursorMove::Left);
        while (ws.pageCursor().row < row) go(CursorMove::Down);
        while (ws.pageCursor().row > row) go(CursorMove::Up);
    }
    const SymbolRecord* last(int kind) {
        const ScoreDocument& doc = ws.document();
        for (int i = doc.symbolCount(0) - 1; i >= 0; --i)
            if (doc.record(0, i).kind() == kind) return &doc.record(0, i);
        return nullptr;
    }
    int count() const { return ws.document().symbolCount(0); }
};

TEST_F(PageCursorTest, ScoreWrittenWithTheKeyboardAlone) {
    // The staves and the page's edges hold the cursor.
    go(CursorMove::StaveDown);
    EXPECT_EQ(ws.pageCursor().row, 20);
    go(CursorMove::StaveUp, 5);
    EXPECT_EQ(ws.pageCursor().row, -24);
    go(CursorMove::MeasureRight);
    EXPECT_EQ(ws.pageCursor().column, 104);

    // One click: a quarter note where the cursor is, said back.
    ws.selectMode(kQuarterNoteUp);
    goTo(30, 6);
    const int before = count();
    ws.cursorPress(MouseButton::Left);
    ASSERT_EQ(count(), before + 1);
    EXPECT_EQ(cellOf(*last(kQuarterNoteUp)).column, 30);
    EXPECT_EQ(ws.cursorDescription(), "４分音符、ト音記号の段 1、ソ4、第1小節");
    EXPECT_EQ(ws.history().undoName(), "４分音符の記入");

    // A bar line; the measure keys stop on it.
    ws.selectMode(kBarLine);
    goTo(40, 4);
    ws.cursorPress(MouseButton::Left);
    goTo(50, 4);
    go(CursorMove::MeasureLeft);
    EXPECT_EQ(ws.pageCursor().column, 40);
    go(CursorMove::MeasureLeft);
    EXPECT_EQ(ws.pageCursor().column, 0);

    // Three presses make a slur: its end is proposed to the right of the start and the bulge
    // below the middle, and the cursor is taken there as the pointer would be.
    ws.selectMode(kSlur);
    goTo(30, 4);
    ws.cursorPress(MouseButton::Left);
    EXPECT_EQ(ws.pageCursor().column, 36);
    goTo(40, 4);
    ws.cursorPress(MouseButton::Left);
    EXPECT_EQ(ws.pageCursor().column, 35);
    EXPECT_EQ(ws.pageCursor().row, 6);
    ws.cursorPress(MouseButton::Left);
    ASSERT_NE(last(kSlur), nullptr);
    const SlurView slur = slurOf(*last(kSlur));
    const auto at = [](CellPoint p) {
        return std::to_string(p.column) + "," + std::to_string(p.row);
    };
    EXPECT_EQ(at(slur.start) + " " + at(slur.end) + " " + at(slur.bulge), "30,4 40,4 35,6");

    // Escape ends a gesture with nothing written and the tool still armed.
    ws.selectMode(kCrescendo);
    const int withSlur = count();
    ws.cursorPress(MouseButton::Left);
    EXPECT_EQ(ws.document().interactionState, kFirstPoint);
    EXPECT_TRUE(ws.cancelGesture());
    EXPECT_EQ(ws.document().interactionState, kReady);
    EXPECT_EQ(count(), withSlur);
    EXPECT_FALSE(ws.cancelGesture());

    // Enter on a placed note holds it until the next Enter puts it down; Escape would have put
    // it back. Shift+Enter removes it.
    ws.selectMode(kQuarterNoteUp);
    goTo(30, 6);
    ws.cursorPress(MouseButton::Left);
    EXPECT_TRUE(ws.editState().dragging);
    goTo(36, 6);
    ws.cursorPress(MouseButton::Left);
    EXPECT_FALSE(ws.editState().dragging);
    EXPECT_EQ(cellOf(*last(kQuarterNoteUp)).column, 36);
    EXPECT_EQ(ws.history().undoName(), "４分音符の移動");
    ws.cursorPress(MouseButton::Left);
    goTo(44, 6);
    EXPECT_TRUE(ws.cancelGesture());
    EXPECT_EQ(cellOf(*last(kQuarterNoteUp)).column, 36);
    goTo(36, 6);
    ws.cursorPress(MouseButton::Right);
    EXPECT_EQ(last(kQuarterNoteUp), nullptr);
    EXPECT_EQ(ws.document().toolMode, kQuarterNoteUp);
}

// Stands in for the synthesizer: keeps what it was given to play.
struct KeptPlayback : MidiPlayback {
    Status play(const std::string& path) override {
        played = *readWholeFile(path);
        return {};
    }
    std::string played;
};

TEST_F(PageCursorTest, F5PlaysOnlyTheStaveAtTheCursor) {
    ws.selectMode(kQuarterNoteUp);
    goTo(30, 6);
    ws.cursorPress(MouseButton::Left);
    go(CursorMove::StaveDown);
    for (int column : {30, 40}) {
        goTo(column, 26);
        ws.cursorPress(MouseButton::Left);
    }
    KeptPlayback playback;
    // The MIDI dialog's tempo and timbre.
    MidiSettings settings = defaultMidiSettings(ws.document());
    settings.tempo = 90;
    settings.timbreItem = 4;
    ws.playStaveOrSelection(playback, settings);
    const std::string second = playback.played;
    go(CursorMove::StaveUp);
    ws.playStaveOrSelection(playback, settings);
    const std::string first = playback.played;

    // The second stave's two notes alone: what the file of the whole page would hold without
    // the first stave's note.
    const ScoreDocument& doc = ws.document();
    EXPECT_NE(first, second);
    EXPECT_GT(second.size(), first.size());
    ScoreDocument only = doc;
    for (int i = only.symbolCount(0) - 1; i >= 0; --i)
        if (only.record(0, i).kind() == kQuarterNoteUp && cellOf(only.record(0, i)).row == 6)
            only.remove(0, i);
    EXPECT_EQ(second, exportMidi(only, settings));

    // A region held by the region tool plays alone: here the second stave's first note.
    ws.selectMode(kModeRegionCopy);
    goTo(28, 24);
    ws.cursorPress(MouseButton::Left);
    goTo(34, 28);
    ws.cursorPress(MouseButton::Left);
    ASSERT_EQ(ws.document().interactionState, kSecondPoint);
    ws.playStaveOrSelection(playback, settings);
    for (int i = only.symbolCount(0) - 1; i >= 0; --i)
        if (only.record(0, i).kind() == kQuarterNoteUp && cellOf(only.record(0, i)).column == 40)
            only.remove(0, i);
    EXPECT_EQ(playback.played, exportMidi(only, settings));
    EXPECT_TRUE(ws.cancelGesture());

    // Off the staves there is nothing to play, and the user is told so.
    go(CursorMove::StaveDown, 8);
    playback.played.clear();
    ws.playStaveOrSelection(playback, settings);
    EXPECT_TRUE(playback.played.empty());
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages().back().text, kNoStaveToPlayMessage);
}

}  // namespace
}  // namespace noma
