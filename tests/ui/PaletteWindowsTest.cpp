#include <gtest/gtest.h>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "EditorWindowsFixture.h"
#include "TempFolder.h"
#include "app/ScriptedDialogs.h"
#include "app/Workspace.h"
#include "document/SymbolKind.h"
#include "document/UserSymbolFile.h"
#include "palettes/RecorderPalette.h"
#include "platform/FileIo.h"
#include "ui/EditorWindows.h"
#include "ui/PaletteButton.h"
#include "ui/PaletteCellPicture.h"
#include "ui/PaletteImage.h"
#include "ui/QtFormHost.h"
#include "ui/TForm1.h"
#include "ui/TGuitarForm.h"
#include "ui/TKigouForm.h"
#include "ui/TKigouKinyuuForm.h"
#include "ui/TPianoForm.h"
#include "ui/TRikodaForm.h"
#include "ui/TSinkiForm.h"

namespace noma {
namespace {

constexpr QRgb kYellow = qRgb(255, 255, 0);

class PaletteWindowsTest : public test::EditorWindowsTest {
  protected:
    PaletteWindowsTest() {
        // A new score through the dialog, as the user makes one.
        QTimer::singleShot(0, windows.sinki,
                           [this] { windows.sinki->findChild<QPushButton*>("Button1")->click(); });
        main().menuItem("SinkiM")->trigger();
    }
    QString modeText() { return main().findChild<QLineEdit*>("ModeE")->text(); }
    void click(PaletteImage* image, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(image, button, {}, QPoint(x, y));
    }
};

TEST_F(PaletteWindowsTest, PianoPaletteArmsReleasesTheMainButtonAndDisarmsOnClose) {
    ASSERT_TRUE(ws.documentOpen());
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    EXPECT_EQ(modeText(), "４分音符");
    main().menuItem("PianoM")->trigger();
    TPianoForm* piano = windows.piano;
    ASSERT_TRUE(piano->isVisible());
    EXPECT_EQ(piano->windowTitle(), "ピアノ楽譜");
    click(piano->picture(), 40, 25);
    EXPECT_EQ(ws.document().toolMode, 216);
    EXPECT_EQ(modeText(), "ピアノ記号");
    EXPECT_FALSE(main().paletteButton(kQuarterNoteUp)->isPressed());
    EXPECT_EQ(piano->picture()->image().pixel(30, 30), kYellow);

    piano->close();
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(modeText(), "");
    EXPECT_EQ(ws.document().interactionState, kIdle);
}

// The cell a screen reader is on: the focused child of the picture.
QString framedCell(PaletteCellPicture* picture) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(picture);
    QAccessibleInterface* cell = face ? face->focusChild() : nullptr;
    return cell && cell->state().focused ? cell->text(QAccessible::Name) : QString();
}

TEST_F(PaletteWindowsTest, SpecialPalettesArmToolsFromTheKeyboardAndThroughTheirCells) {
    main().menuItem("PianoM")->trigger();
    PaletteCellPicture* piano = windows.piano->picture();
    EXPECT_EQ(windows.piano->focusWidget(), piano);
    // The offscreen platform leaves the new-score dialog active.
    QApplication::setActiveWindow(windows.piano);
    ASSERT_TRUE(piano->hasFocus());
    QTest::keyClick(piano, Qt::Key_Down);  // from the first cell to the one below it
    QTest::keyClick(piano, Qt::Key_Return);
    EXPECT_EQ(ws.document().toolMode, 224);  // pattern 24: the two bottom positions
    EXPECT_EQ(modeText(), "ピアノ記号");
    EXPECT_EQ(framedCell(piano), "右手 指1・2");
    // Opened again, the frame is back on the armed cell.
    QTest::keyClick(piano, Qt::Key_Right);
    QTest::keyClick(piano, Qt::Key_Right);
    main().menuItem("PianoM")->trigger();
    QTest::keyClick(piano, Qt::Key_Right);
    QTest::keyClick(piano, Qt::Key_Space);
    EXPECT_EQ(ws.document().toolMode, 220);
    EXPECT_EQ(framedCell(piano), "右手 指1・3");

    // The recorder's charts scroll along with the frame.
    main().menuItem("RikodaM")->trigger();
    PaletteCellPicture* recorder = windows.rikoda->picture();
    QApplication::setActiveWindow(windows.rikoda);
    ASSERT_TRUE(recorder->hasFocus());
    for (int i = 0; i < 29; ++i) QTest::keyClick(recorder, Qt::Key_Right);
    QTest::keyClick(recorder, Qt::Key_Return);
    EXPECT_EQ(ws.document().toolMode, recorderMode(29, ws.palettes().recorderLayout()));
    EXPECT_EQ(framedCell(recorder), "リコーダー レ6");
    EXPECT_GT(recorder->mapTo(windows.rikoda, QPoint(1160, 0)).x(), 0);
    EXPECT_LT(recorder->mapTo(windows.rikoda, QPoint(1200, 0)).x(), windows.rikoda->width());
    // The other layout leaves the frame on the same chart.
    const int layout = ws.palettes().recorderLayout();
    (layout == 0 ? windows.rikoda->radioButton2() : windows.rikoda->radioButton1())->click();
    recorder->setFocus();
    QTest::keyClick(recorder, Qt::Key_Return);
    EXPECT_EQ(ws.document().toolMode, recorderMode(29, 1 - layout));

    // Each cell is a button of its own that a screen reader can press.
    main().menuItem("N32")->trigger();
    QAccessibleInterface* guitar = QAccessible::queryAccessibleInterface(windows.guitar->picture());
    ASSERT_EQ(guitar->childCount(), 12);
    QAccessibleInterface* strings = guitar->child(10);
    EXPECT_EQ(strings->text(QAccessible::Name), "6本の弦");
    EXPECT_EQ(strings->role(), QAccessible::Button);
    EXPECT_EQ(strings->parent(), guitar);
    EXPECT_EQ(guitar->indexOfChild(strings), 10);
    strings->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ws.document().toolMode, kGuitarStrings);
    EXPECT_EQ(modeText(), "ギター譜");
    EXPECT_TRUE(guitar->child(10)->state().checked);
}

TEST_F(PaletteWindowsTest, AMainPaletteClickRemovesTheOtherPalettesHighlight) {
    main().menuItem("N32")->trigger();
    main().menuItem("RikodaM")->trigger();
    click(windows.guitar->picture(), 10, 10);
    EXPECT_EQ(modeText(), "ギター譜");
    EXPECT_EQ(windows.guitar->picture()->image().pixel(5, 5), kYellow);
    click(windows.rikoda->picture(), 100, 100);
    EXPECT_EQ(modeText(), "リコーダー記号");
    EXPECT_EQ(windows.guitar->picture()->image().pixel(5, 5), qRgb(255, 255, 255));
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    EXPECT_EQ(windows.rikoda->picture()->image().pixel(90, 190), qRgb(255, 255, 255));
}

TEST_F(PaletteWindowsTest, RecorderRadioButtonsKeepTheLayout) {
    main().menuItem("RikodaM")->trigger();
    TRikodaForm* rikoda = windows.rikoda;
    EXPECT_TRUE(rikoda->radioButton2()->isChecked());  // the default layout 1
    rikoda->radioButton1()->click();
    EXPECT_EQ(ws.settings().recorderLayout, 0);
    click(rikoda->picture(), 100, 100);
    EXPECT_EQ(ws.document().toolMode, 302);
    rikoda->radioButton2()->click();
    EXPECT_EQ(ws.document().toolMode, 302);
    EXPECT_EQ(rikoda->picture()->image().pixel(90, 190), qRgb(255, 255, 255));
}

TEST_F(PaletteWindowsTest, EditorSavesADrawingThatThePaletteThenOffers) {
    main().menuItem("N13")->trigger();
    TKigouForm* kigou = windows.kigou;
    ASSERT_TRUE(kigou->isVisible());
    EXPECT_EQ(kigou->windowTitle(), "　オリジナル記号の作成");
    click(kigou->grid(), 205, 205);
    kigou->findChild<QSpinBox*>("UpDown1")->setValue(9);
    kigou->findChild<QPushButton*>("HozonB")->click();
    EXPECT_EQ(readWholeFile(userSymbolPath(folder.path(), 9)).value_or(""),
              "3 3\r\n0 0 0 \r\n0 1 0 \r\n0 0 0 \r\n");
    // Slot 8: the list's first cell of its second row.
    EXPECT_EQ(kigou->list()->image().pixel(24, 74), qRgb(0, 0, 0));

    // By keyboard: the frame goes on from the cell clicked (20, 20), Space paints the framed cell,
    // which is then named with its colour, and Delete clears it; on the list Space selects the
    // framed symbol.
    const SymbolEditor& editor = ws.palettes().symbolEditor();
    kigou->findChild<QPushButton*>("ClearB")->click();
    QApplication::setActiveWindow(kigou);
    PaletteCellPicture* grid = kigou->grid();
    grid->setFocus();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(grid, key);
    EXPECT_TRUE(editor.blackCell(22, 21));
    EXPECT_EQ(editor.paintMode(), SymbolEditor::kNotPainting);
    EXPECT_EQ(grid->cells()[static_cast<size_t>(grid->current())].name, "列 23、行 22、黒");
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_FALSE(editor.blackCell(22, 21));
    kigou->list()->setFocus();
    QTest::keyClick(kigou->list(), Qt::Key_Space);
    EXPECT_EQ(editor.selectedSlot(), 8);

    main().menuItem("N23")->trigger();
    click(windows.kigouKinyuu->picture(), 25, 75);
    EXPECT_EQ(ws.document().toolMode, kUserSymbolFirst + 8);
    EXPECT_EQ(modeText(), "オリジナル記号");
}

}  // namespace
}  // namespace noma
