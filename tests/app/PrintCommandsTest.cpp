// The print menu commands through the Workspace: the dialog's state lives as long as the
// program, its strength goes into the settings file, and the job prints the open score.
#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "document/Settings.h"
#include "platform/FileIo.h"
#include "printing/FilePrinter.h"
#include "printing/PaperSize.h"

namespace noma {
namespace {

class PrintCommands : public test::WorkspaceTest {};

TEST_F(PrintCommands, NothingOpensWithoutAScore) {
    ws.printDialog(PrintMode::Tactile);
    EXPECT_EQ(forms.printFormShown, 0);
}

TEST_F(PrintCommands, MenuCommandsConfigureTheDialogBeforeShowingIt) {
    newScore();
    std::string caption;
    int copiesShown = 0;
    forms.usePrintForm = [&](PrintForm& form) {
        caption = form.caption();
        copiesShown = form.copies();
        form.setCopies(4);
        return false;
    };
    ws.printDialog(PrintMode::Ink);
    EXPECT_EQ(forms.printFormShown, 1);
    EXPECT_EQ(caption, "墨字印刷");
    EXPECT_EQ(copiesShown, 1);
    // The same dialog again: what the user set is still there.
    ws.printDialog(PrintMode::Tactile);
    EXPECT_EQ(caption, "３Ｄ印刷");
    EXPECT_EQ(copiesShown, 4);
}

TEST_F(PrintCommands, StrengthChosenWithoutPrintingIsSavedAtShutdown) {
    newScore();
    FilePrinter printer(file("out.pdf"), FilePrinter::Format::Pdf, 100, kPaperA4);
    forms.usePrintForm = [&](PrintForm& form) {
        form.show(ws.document(), ws.settings(), printer);
        EXPECT_EQ(form.strength(), 3);
        form.chooseStrength(5, ws.settings());
        return false;  // closed without printing
    };
    ws.printDialog(PrintMode::Tactile);
    EXPECT_FALSE(fileExists(file("out.pdf")));
    ws.document().dataChanged = false;
    ASSERT_TRUE(ws.closeWindow());
    EXPECT_EQ(readSettingsFile(folder.path()).printStrength, 5);

    // The next run reads it back, and its dialog opens on "５".
    ScriptedDialogs dialogs2;
    ScriptedFormHost forms2;
    Workspace next(dialogs2, forms2, folder.path());
    next.startUp();
    EXPECT_EQ(next.settings().printStrength, 5);
    next.newScore();
    int shown = 0;
    forms2.usePrintForm = [&](PrintForm& form) {
        form.show(next.document(), next.settings(), printer);
        shown = form.strength();
        return false;
    };
    next.printDialog(PrintMode::Tactile);
    EXPECT_EQ(shown, 5);
}

TEST_F(PrintCommands, PrintingSendsTheOpenScore) {
    newScore();
    FilePrinter printer(file("out.pdf"), FilePrinter::Format::Pdf, 100, kPaperA4);
    forms.usePrintForm = [&](PrintForm& form) {
        form.show(ws.document(), ws.settings(), printer);
        form.activate(ws.document(), printer);
        form.setCopies(3);
        return form.print(ws.document(), &ws.palettes().userSymbols(), printer).pages == 3;
    };
    ws.printDialog(PrintMode::Tactile);
    EXPECT_EQ(printer.pagesPrinted(), 3);
    EXPECT_EQ(printer.pageBreaks(), 2);
    const auto bytes = readWholeFile(file("out.pdf"));
    ASSERT_TRUE(bytes.ok());
    EXPECT_NE(bytes->find("/Count 3"), std::string::npos);
    // Printing changes nothing in the score.
    EXPECT_FALSE(ws.document().dataChanged);
}

}  // namespace
}  // namespace noma
