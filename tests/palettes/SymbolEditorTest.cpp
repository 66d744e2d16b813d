#include "palettes/SymbolEditor.h"

#include <gtest/gtest.h>

#include <deque>

#include "TempFolder.h"
#include "palettes/PaletteCanvas.h"
#include "palettes/UserSymbolList.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

// Answers message boxes from a queue (No when it is empty) and remembers them.
class QueuedDialogs : public Dialogs {
  public:
    Answer message(const std::string& text, const std::string& title, Buttons, Icon icon) override {
        shown.push_back(text);
        titles.push_back(title);
        icons.push_back(icon);
        if (answers.empty()) return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> openFileName(const std::string&, const std::string&) override {
        return std::nullopt;
    }

    std::deque<Answer> answers;
    std::vector<std::string> shown;
    std::vector<std::string> titles;
    std::vector<Icon> icons;
};

constexpr Rgb kRed = rgb(255, 0, 0);

class SymbolEditorTest : public ::testing::Test {
  protected:
    SymbolEditorTest() : editor(store, dialogs, folder.path()) {
        ensureDirectory(userSymbolFolder(folder.path()));
        editor.activate();
    }
    // A left-button press on the middle of cell (c, r).
    void paint(int c, int r) {
        editor.gridMouseDown(MouseButton::Left, 10 * c + 5, 10 * r + 5);
        editor.gridMouseUp();
    }
    // The slot's file, or nothing when it was not written.
    std::optional<std::string> file(int number) {
        const Expected<std::string> bytes = readWholeFile(userSymbolPath(folder.path(), number));
        if (!bytes.ok()) return std::nullopt;
        return *bytes;
    }

    test::TempFolder folder;
    UserSymbolStore store;
    QueuedDialogs dialogs;
    SymbolEditor editor;
};

TEST_F(SymbolEditorTest, GridLinesAndRedGuides) {
    const Canvas& g = editor.grid();
    EXPECT_EQ(g.width(), 501);
    EXPECT_EQ(g.getPixel(0, 5), kBlack);
    EXPECT_EQ(g.getPixel(500, 5), kBlack);
    EXPECT_EQ(g.getPixel(5, 500), kBlack);
    EXPECT_EQ(g.getPixel(5, 5), kWhite);
    for (int y : {10, 130, 250, 370, 490}) EXPECT_EQ(g.getPixel(255, y), kRed) << y;
    EXPECT_EQ(g.getPixel(255, 20), kBlack);
}

TEST_F(SymbolEditorTest, OneCellSavesAsThreeByThree) {
    paint(20, 30);
    editor.save(1);
    EXPECT_EQ(file(1), "3 3\r\n0 0 0 \r\n0 1 0 \r\n0 0 0 \r\n");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SymbolEditorTest, BoundsStopAtTheGridEdges) {
    paint(0, 10);
    paint(2, 12);
    editor.save(2);
    // Left bound 0 (not -1), right 3, top 9, bottom 13.
    EXPECT_EQ(file(2), "4 5\r\n0 0 0 0 \r\n1 0 0 0 \r\n0 0 0 0 \r\n0 0 1 0 \r\n0 0 0 0 \r\n");

    editor.clearGrid();
    paint(0, 0);
    paint(49, 49);
    editor.save(3);
    const auto bits = readUserSymbolFile(userSymbolPath(folder.path(), 3));
    ASSERT_TRUE(bits.has_value());
    EXPECT_EQ(bits->width, 50);
    EXPECT_EQ(bits->height, 50);
    EXPECT_TRUE(bits->black(0, 0) && bits->black(49, 49) && !bits->black(1, 0));
}

TEST_F(SymbolEditorTest, DraggingPaintsAndRightDraggingClearsAndRestoresTheGuides) {
    editor.gridMouseDown(MouseButton::Left, 105, 15);
    for (int x = 105; x <= 205; x += 10) editor.gridMouseMove(x, 15);
    editor.gridMouseUp();
    editor.gridMouseMove(215, 15);  // released: moves paint nothing
    for (int c = 10; c <= 20; ++c) EXPECT_TRUE(editor.blackCell(c, 1)) << c;
    EXPECT_FALSE(editor.blackCell(21, 1));

    // Clearing cell (12, 1) brings back its grid lines and the red guide along its top edge.
    editor.gridMouseDown(MouseButton::Right, 125, 15);
    EXPECT_EQ(editor.paintMode(), SymbolEditor::kClearing);
    editor.gridMouseUp();
    EXPECT_FALSE(editor.blackCell(12, 1));
    EXPECT_EQ(editor.grid().getPixel(125, 10), kRed);
    EXPECT_EQ(editor.grid().getPixel(120, 15), kBlack);
    EXPECT_EQ(editor.grid().getPixel(125, 20), kBlack);
    EXPECT_EQ(editor.paintMode(), SymbolEditor::kNotPainting);
}

TEST_F(SymbolEditorTest, EmptyDrawingIsReportedAndNothingWritten) {
    editor.save(4);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "データが存在しません。");
    EXPECT_EQ(dialogs.titles[0], "確認");
    EXPECT_EQ(dialogs.icons[0], Dialogs::Icon::Exclamation);
    EXPECT_FALSE(file(4).has_value());
}

TEST_F(SymbolEditorTest, OverwriteAsksAndNoKeepsTheFile) {
    paint(10, 10);
    editor.save(5);
    const auto first = file(5);
    editor.clearGrid();
    paint(10, 10);
    paint(12, 10);
    editor.save(5);  // answered No
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "同名のファイルが存在します。上書きしますか？");
    EXPECT_EQ(file(5), first);
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    editor.save(5);
    EXPECT_EQ(file(5), "5 3\r\n0 0 0 0 0 \r\n0 1 0 1 0 \r\n0 0 0 0 0 \r\n");
}

TEST_F(SymbolEditorTest, SavedSymbolAppearsInTheListUnderItsNumber) {
    paint(30, 30);
    editor.save(5);
    // Slot 4: column 4, row 0 of the list, framed in blue, its black cell centred.
    const Canvas& list = editor.list();
    EXPECT_EQ(list.getPixel(200, 25), rgb(0, 0, 255));
    EXPECT_EQ(list.getPixel(250, 25), rgb(0, 0, 255));
    EXPECT_EQ(list.getPixel(200 + 24, 24), kBlack);
    EXPECT_EQ(list.getPixel(200 + 23, 24), kWhite);
    // Nothing in the other cells.
    EXPECT_EQ(list.getPixel(25, 25), kWhite);
    EXPECT_EQ(list.getPixel(0, 0), kWhite);
}

TEST_F(SymbolEditorTest, SelectionHighlightsOneCellAndOpenCentresTheSymbol) {
    paint(3, 40);
    editor.save(1);
    editor.clearGrid();
    paint(45, 2);
    paint(46, 2);
    editor.save(2);

    editor.listMouseDown(100, 10);  // an empty cell: nothing
    EXPECT_EQ(editor.selectedSlot(), -1);
    editor.open();  // nothing selected: the grid stays
    EXPECT_TRUE(editor.blackCell(45, 2));

    editor.listMouseDown(25, 25);
    EXPECT_EQ(editor.selectedSlot(), 0);
    editor.listMouseDown(75, 25);
    EXPECT_EQ(editor.selectedSlot(), 1);
    EXPECT_EQ(editor.list().getPixel(5, 40), kWhite);
    EXPECT_EQ(editor.list().getPixel(55, 40), kPaletteYellow);

    editor.listMouseDown(25, 25);
    editor.open();
    // The 3 x 3 symbol lands on columns and rows 23..25, its black cell at (24, 24).
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 50; ++c)
            EXPECT_EQ(editor.blackCell(c, r), c == 24 && r == 24) << c << "," << r;
}

TEST_F(SymbolEditorTest, AnUnsavedDrawingIsOnlyDiscardedWhenTheUserAgrees) {
    paint(10, 10);
    editor.save(1);
    EXPECT_TRUE(editor.confirmDiscard());  // saved: nothing to lose, nothing asked
    EXPECT_TRUE(dialogs.shown.empty());

    paint(30, 30);
    editor.listMouseDown(25, 25);
    editor.open();  // the question is answered No: the drawing stays
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], SymbolEditor::kDiscardQuestion);
    EXPECT_TRUE(editor.blackCell(30, 30));
    EXPECT_FALSE(editor.confirmDiscard());

    dialogs.answers.push_back(Dialogs::Answer::Yes);
    editor.open();
    EXPECT_FALSE(editor.blackCell(30, 30));
    EXPECT_TRUE(editor.blackCell(24, 24));
    // Opened and untouched: closing asks nothing.
    EXPECT_TRUE(editor.confirmDiscard());
    EXPECT_EQ(dialogs.shown.size(), 3u);

    // A drawing wiped out cell by cell holds nothing to lose.
    editor.clearGrid();
    editor.gridMouseDown(MouseButton::Left, 5, 5);
    editor.gridMouseUp();
    editor.gridMouseDown(MouseButton::Right, 5, 5);
    editor.gridMouseUp();
    EXPECT_TRUE(editor.confirmDiscard());
    EXPECT_EQ(dialogs.shown.size(), 3u);
}

}  // namespace
}  // namespace noma
