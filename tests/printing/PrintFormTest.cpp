// The print dialog's state and handlers, with a printer that answers as told.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "printing/PrintForm.h"

namespace noma {
namespace {

class PrintDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        doc = test::blankScore(8);
        doc->header.pageCount = 4;
        doc->currentFileName = "/home/user/scores/Sonatine.nmg";
        printer.resolution = 600;
    }
    // The menu command, then the dialog showing and becoming active.
    void open(PrintMode mode) {
        form.configure(mode);
        form.show(*doc, settings, printer);
        form.activate(*doc, printer);
    }

    std::unique_ptr<ScoreDocument> doc;
    Settings settings;
    test::RecordingPrinter printer;
    PrintForm form;
};

TEST_F(PrintDialog, MenuCommandsSetCaptionAndControls) {
    open(PrintMode::Tactile);
    EXPECT_EQ(form.caption(), "３Ｄ印刷");
    EXPECT_TRUE(form.strengthEnabled());
    EXPECT_FALSE(form.inkControlsEnabled());
    open(PrintMode::Ink);
    EXPECT_EQ(form.caption(), "墨字印刷");
    EXPECT_FALSE(form.strengthEnabled());
    EXPECT_TRUE(form.inkControlsEnabled());
}

TEST_F(PrintDialog, ShowingCoversTheWholeScore) {
    open(PrintMode::Tactile);
    EXPECT_EQ(form.fileName(), "Sonatine.nmg");
    EXPECT_EQ(form.firstPage(), 1);
    EXPECT_EQ(form.lastPage(), 4);
    EXPECT_EQ(form.pageCount(), 4);
    // The range is held to the score.
    form.setLastPage(9);
    EXPECT_EQ(form.lastPage(), 4);
    form.setFirstPage(0);
    EXPECT_EQ(form.firstPage(), 1);
    // Shown again, the range covers the score again.
    form.setFirstPage(3);
    open(PrintMode::Ink);
    EXPECT_EQ(form.firstPage(), 1);
}

TEST_F(PrintDialog, LandscapeScoreTurnsThePrinter) {
    doc->header.orientation = 1;
    printer.orient = kOrientationPortrait;
    open(PrintMode::Tactile);
    EXPECT_EQ(printer.orient, kOrientationLandscape);
    EXPECT_EQ(form.orientationText(), "横");
    doc->header.orientation = 0;
    open(PrintMode::Tactile);
    EXPECT_EQ(printer.orient, kOrientationPortrait);
    EXPECT_EQ(form.orientationText(), "縦");
}

TEST_F(PrintDialog, PrinterFieldsComeFromThePrinter) {
    printer.name = "Tiger Embosser";
    printer.paper = kPaperB4;
    open(PrintMode::Tactile);
    EXPECT_EQ(form.printerName(), "Tiger Embosser");
    EXPECT_EQ(form.paperText(), "Ｂ４");
    EXPECT_EQ(form.dpiText(), "600");
    EXPECT_EQ(printer.title, "NOMA Printing");

    printer.paper = 11;  // A5
    form.activate(*doc, printer);
    EXPECT_EQ(form.paperText(), "Ａ３～Ｂ５以外");
    for (auto [code, text] : {std::pair{8, "Ａ３"}, {9, "Ａ４"}, {13, "Ｂ５"}}) {
        printer.paper = code;
        form.activate(*doc, printer);
        EXPECT_EQ(form.paperText(), text);
    }
}

TEST_F(PrintDialog, SetUpChangesTheFieldsOnlyWhenConfirmed) {
    open(PrintMode::Tactile);
    printer.onSetup = [](test::RecordingPrinter& p) {
        p.name = "Office Laser";
        p.resolution = 300;
        p.orient = kOrientationLandscape;
    };
    printer.setupConfirms = false;
    EXPECT_FALSE(form.changePrinter(printer));
    EXPECT_EQ(form.dpi(), 600);
    printer.setupConfirms = true;
    EXPECT_TRUE(form.changePrinter(printer));
    EXPECT_EQ(form.printerName(), "Office Laser");
    EXPECT_EQ(form.dpiText(), "300");
    EXPECT_EQ(form.orientationText(), "横");
}

TEST_F(PrintDialog, UnknownOrientationLeavesTheFieldAsItWas) {
    open(PrintMode::Tactile);
    EXPECT_EQ(form.orientationText(), "縦");
    printer.orient = 0;
    form.activate(*doc, printer);
    EXPECT_EQ(form.orientationText(), "縦");
}

TEST_F(PrintDialog, StrengthIsTakenAtOnceAndShownNextTime) {
    settings.printStrength = 2;
    open(PrintMode::Tactile);
    EXPECT_EQ(form.strength(), 2);
    form.chooseStrength(5, settings);  // closed without printing
    EXPECT_EQ(settings.printStrength, 5);
    EXPECT_EQ(parseSettings(formatSettings(settings)).printStrength, 5);
    open(PrintMode::Tactile);
    EXPECT_EQ(form.strength(), 5);
}

TEST_F(PrintDialog, InkChoicesAreKeptBetweenShowings) {
    open(PrintMode::Ink);
    form.setMagnification(400);
    EXPECT_EQ(form.magnification(), 300);
    form.setMagnification(150);
    form.setBrailleItem(0);
    form.setFontSizeItem(12);
    form.setCopies(0);
    EXPECT_EQ(form.copies(), 1);
    form.setCopies(3);
    open(PrintMode::Ink);
    EXPECT_EQ(form.magnification(), 150);
    EXPECT_EQ(form.brailleItem(), 0);
    EXPECT_EQ(form.fontSizeItem(), 12);
    EXPECT_EQ(form.copies(), 3);
    const PrintSettings s = form.settings();
    EXPECT_EQ(s.mode, PrintMode::Ink);
    EXPECT_EQ(s.magnification, 150);
    EXPECT_EQ(s.fontSizeItem, 12);
    EXPECT_EQ(s.dpi, 600);
}

TEST_F(PrintDialog, PrintRunsTheJobWithTheBoxes) {
    printer.resolution = 100;
    open(PrintMode::Tactile);
    form.setCopies(2);
    form.setFirstPage(2);
    form.setLastPage(3);
    std::vector<std::pair<int, int>> progress;
    const PrintJobResult result = form.print(*doc, nullptr, printer, [&](int done, int total) {
        progress.emplace_back(done, total);
        return true;
    });
    EXPECT_EQ(result.pages, 4);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
}

TEST(PrintFormFileName, KeepsOnlyTheName) {
    EXPECT_EQ(fileNameOnly("/a/b/c.nmg"), "c.nmg");
    EXPECT_EQ(fileNameOnly("c.nmg"), "c.nmg");
    EXPECT_EQ(fileNameOnly("C:\\scores\\c.nmg"), "c.nmg");
}

}  // namespace
}  // namespace noma
