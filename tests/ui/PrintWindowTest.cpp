#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <array>
#include <cstdio>
#include <functional>

#include "EditorWindowsFixture.h"
#include "TempFolder.h"
#include "app/ScriptedDialogs.h"
#include "app/Workspace.h"
#include "cli/CliRunner.h"
#include "document/Settings.h"
#include "platform/FileIo.h"
#include "ui/EditorWindows.h"
#include "ui/QtFormHost.h"
#include "ui/QtPrinter.h"
#include "ui/TForm1.h"
#include "ui/TPrint3DForm.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDialogButtonBox>

namespace noma {
namespace {

std::string shell(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            out.append(buffer.data(), n);
        ::pclose(pipe);
    }
    return out;
}

class PrintWindowTest : public test::EditorWindowsTest {
  protected:
    PrintWindowTest() {
        openScore("score.nmg", test::kTwoPrintedPages);
        // Print into a PDF file: the test machine need not have a printer.
        QPrinter& printer = windows.print3D->printer().qprinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        windows.print3D->printer().setOutputFile(folder.file("out.pdf"));
    }

    template <typename T>
    T* in(const char* name) {
        return windows.print3D->findChild<T*>(name);
    }
    // Opens the dialog from the menu and runs `use` inside it; closes it unless `use` did.
    void withDialog(const char* menu, std::function<void(TPrint3DForm&)> use) {
        bool ran = false;
        QTimer::singleShot(0, windows.print3D, [&] {
            ran = true;
            use(*windows.print3D);
            if (windows.print3D->isVisible()) windows.print3D->reject();
        });
        item(menu)->trigger();
        EXPECT_TRUE(ran);
    }
};

TEST_F(PrintWindowTest, TactileDialogShowsTheStrengthAndHidesInkChoices) {
    ws.settings().printStrength = 2;
    withDialog("TotuPrintM", [&](TPrint3DForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "３Ｄ印刷");
        EXPECT_EQ(in<QLineEdit>("FileMeiE")->text(), "score.nmg");
        EXPECT_EQ(in<QLineEdit>("YousiSizeE")->text(), "Ａ４");
        EXPECT_EQ(in<QSpinBox>("BusuUD")->value(), 1);
        EXPECT_EQ(in<QSpinBox>("BusuUD")->maximum(), 100);
        EXPECT_EQ(in<QSpinBox>("UpDown1")->value(), 1);
        EXPECT_EQ(in<QSpinBox>("UpDown2")->value(), 2);
        EXPECT_EQ(in<QSpinBox>("UpDown2")->maximum(), 2);
        EXPECT_TRUE(in<QRadioButton>("V4RB")->isChecked());
        EXPECT_EQ(in<QRadioButton>("V4RB")->text(), "２");
        EXPECT_TRUE(in<QRadioButton>("V0RB")->isEnabled());
        EXPECT_TRUE(in<QLabel>("Label11")->isEnabled());
        EXPECT_FALSE(in<QLabel>("Label3")->isVisible());
        EXPECT_FALSE(in<QSpinBox>("SumijiPrintBairituUD")->isEnabled());
        EXPECT_FALSE(in<QComboBox>("SumiHyoujiCB")->isEnabled());
        EXPECT_FALSE(in<QComboBox>("FontSizeCB")->isEnabled());
        EXPECT_EQ(in<QPushButton>("Button1")->text(), "設定変更");
        EXPECT_EQ(in<QPushButton>("Button1")->toolTip(),
                  "プリンタの選択、プロパティの設定をおこないます");
        EXPECT_EQ(in<QLineEdit>("DPIE")->text(), "600");
        EXPECT_EQ(in<QLineEdit>("PrinterMeiE")->text(), "PDF");
        // The landscape score turned the printer.
        EXPECT_EQ(in<QLineEdit>("PrintMukiE")->text(), "横");
        EXPECT_EQ(dialog.printer().orientation(), 2);
        // A strength is taken at once, printed or not.
        in<QRadioButton>("V1RB")->click();
        EXPECT_EQ(ws.settings().printStrength, 5);
    });
    EXPECT_EQ(ws.settings().printStrength, 5);
    EXPECT_EQ(parseSettings(formatSettings(ws.settings())).printStrength, 5);
    withDialog("TotuPrintM",
               [&](TPrint3DForm&) { EXPECT_TRUE(in<QRadioButton>("V1RB")->isChecked()); });
}

TEST_F(PrintWindowTest, InkDialogOffersMagnificationTranslationAndTextSize) {
    withDialog("SumiPrintM", [&](TPrint3DForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "墨字印刷");
        EXPECT_TRUE(in<QLabel>("Label3")->isVisible());
        auto* magnification = in<QSpinBox>("SumijiPrintBairituUD");
        EXPECT_TRUE(magnification->isEnabled());
        EXPECT_EQ(magnification->value(), 100);
        EXPECT_EQ(magnification->minimum(), 50);
        EXPECT_EQ(magnification->maximum(), 300);
        auto* braille = in<QComboBox>("SumiHyoujiCB");
        ASSERT_EQ(braille->count(), 3);
        EXPECT_EQ(braille->itemText(0), "かな");
        EXPECT_EQ(braille->itemText(1), "アルファベット");
        EXPECT_EQ(braille->currentText(), "点字");
        auto* size = in<QComboBox>("FontSizeCB");
        ASSERT_EQ(size->count(), 13);
        EXPECT_EQ(size->itemText(0), " 8");
        EXPECT_EQ(size->currentText(), "12");
        EXPECT_FALSE(in<QRadioButton>("V3RB")->isEnabled());
        EXPECT_FALSE(in<QLabel>("Label12")->isEnabled());
        magnification->setValue(200);
        braille->setCurrentIndex(0);
        in<QSpinBox>("UpDown1")->setValue(2);
    });
    // The ink choices stay for the next time; the range covers the score again.
    withDialog("SumiPrintM", [&](TPrint3DForm&) {
        EXPECT_EQ(in<QSpinBox>("SumijiPrintBairituUD")->value(), 200);
        EXPECT_EQ(in<QComboBox>("SumiHyoujiCB")->currentIndex(), 0);
        EXPECT_EQ(in<QSpinBox>("UpDown1")->value(), 1);
    });
}

TEST_F(PrintWindowTest, PrintingWritesEveryPageLosslesslyAndCloses) {
    dialogs.queueFileName(folder.file("out.pdf"));
    withDialog("TotuPrintM", [&](TPrint3DForm& dialog) {
        in<QSpinBox>("BusuUD")->setValue(2);
        in<QPushButton>("PrintB")->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.lastResult().pages, 4);
        EXPECT_TRUE(dialog.lastResult().status.ok());
    });
    ASSERT_TRUE(fileExists(folder.file("out.pdf")));
    const std::string quoted = "'" + folder.file("out.pdf") + "'";
    EXPECT_NE(shell("pdfinfo " + quoted).find("NOMA Printing"), std::string::npos);
    const std::string list = shell("pdfimages -list " + quoted);
    int pictures = 0;
    for (size_t at = list.find(" gray "); at != std::string::npos; at = list.find(" gray ", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, 4) << list;
    EXPECT_EQ(list.find("jpeg"), std::string::npos) << list;
    EXPECT_NE(list.find(" image "), std::string::npos) << list;
    // The pictures are the whole landscape A4 sheet at 600 dpi.
    EXPECT_NE(list.find("7016  4961"), std::string::npos) << list;
}

TEST_F(PrintWindowTest, PdfFilesAreTheFilesNomaCliPrints) {
    ws.settings().printStrength = 5;
    dialogs.queueFileName(folder.file("editor-3d.pdf"));
    withDialog("TotuPrintM", [&](TPrint3DForm&) {
        in<QSpinBox>("BusuUD")->setValue(2);
        in<QPushButton>("PrintB")->click();
    });
    dialogs.queueFileName(folder.file("editor-ink.pdf"));
    withDialog("SumiPrintM", [&](TPrint3DForm&) {
        in<QSpinBox>("BusuUD")->setValue(1);
        in<QSpinBox>("SumijiPrintBairituUD")->setValue(150);
        in<QComboBox>("SumiHyoujiCB")->setCurrentIndex(0);
        in<QComboBox>("FontSizeCB")->setCurrentIndex(2);
        in<QPushButton>("PrintB")->click();
    });
    const std::string score =
        "print '" + folder.file("score.nmg") + "' --folder '" + folder.path() + "' ";
    ASSERT_EQ(test::runCli(score + "--mode tactile --strength 5 --copies 2 -o '" +
                               folder.file("cli-3d.pdf") + "'",
                           folder.path())
                  .status,
              0);
    ASSERT_EQ(test::runCli(score +
                               "--mode ink --magnification 150 --braille kana --font-size 10 "
                               "-o '" +
                               folder.file("cli-ink.pdf") + "'",
                           folder.path())
                  .status,
              0);
    for (const char* kind : {"3d", "ink"}) {
        const std::string editor =
            readWholeFile(folder.file("editor-" + std::string(kind) + ".pdf")).value();
        const std::string cli =
            readWholeFile(folder.file("cli-" + std::string(kind) + ".pdf")).value();
        EXPECT_GT(cli.size(), 1000u) << kind;
        EXPECT_TRUE(editor == cli) << kind << ": " << editor.size() << " bytes from the editor, "
                                   << cli.size() << " from noma-cli";
    }
}

TEST_F(PrintWindowTest, EveryPdfPrintAsksForItsFileAndReplacesOnlyWhenTold) {
    withDialog("TotuPrintM", [&](TPrint3DForm& dialog) {
        EXPECT_EQ(in<QLineEdit>("OutputE")->text().toStdString(), folder.file("score-3d.pdf"));
        in<QPushButton>("PrintB")->click();  // the file dialog is cancelled
        EXPECT_TRUE(dialog.isVisible());
        dialogs.queueFileName(folder.file("score-3d"));
        in<QPushButton>("PrintB")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    ASSERT_TRUE(fileExists(folder.file("score-3d.pdf")));
    const std::string tactile = readWholeFile(folder.file("score-3d.pdf")).value();
    EXPECT_EQ(dialogs.fileDialogTitles().size(), 2u);
    // The ink print proposes its own file, and the tactile one is replaced only on Yes.
    withDialog("SumiPrintM", [&](TPrint3DForm& dialog) {
        EXPECT_EQ(in<QLineEdit>("OutputE")->text().toStdString(), folder.file("score-ink.pdf"));
        dialogs.queueFileName(folder.file("score-3d.pdf"));
        in<QPushButton>("PrintB")->click();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_FALSE(dialogs.messages().empty());
        EXPECT_EQ(dialogs.messages().back().text,
                  "「score-3d.pdf」は既にあります。置き換えますか？");
        dialogs.queueFileName(folder.file("score-3d.pdf"));
        dialogs.queueAnswer(Dialogs::Answer::Yes);
        in<QPushButton>("PrintB")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(dialogs.fileDialogTitles().size(), 4u);
    // A score's own name gets the PDF's extension: the score is never printed over.
    const std::string score = readWholeFile(folder.file("score.nmg")).value();
    dialogs.queueFileName(folder.file("score.nmg"));
    withDialog("TotuPrintM", [&](TPrint3DForm&) { in<QPushButton>("PrintB")->click(); });
    EXPECT_EQ(readWholeFile(folder.file("score.nmg")).value(), score);
    EXPECT_TRUE(fileExists(folder.file("score.nmg.pdf")));
    EXPECT_NE(readWholeFile(folder.file("score-3d.pdf")).value(), tactile);
}

TEST_F(PrintWindowTest, StandardDialogsSpeakJapaneseAndTheSetUpButtonConfirmsSettings) {
    ASSERT_TRUE(loadQtTranslations(*qApp));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    QString confirm;
    QString cancel;
    withDialog("TotuPrintM", [&](TPrint3DForm&) {
        QTimer::singleShot(0, [&] {
            QWidget* setUp = QApplication::activeModalWidget();
            ASSERT_NE(setUp, nullptr);
            auto* buttons = setUp->findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            confirm = buttons->button(QDialogButtonBox::Ok)->text();
            cancel = buttons->button(QDialogButtonBox::Cancel)->text();
            static_cast<QDialog*>(setUp)->reject();
        });
        in<QPushButton>("Button1")->click();
    });
    EXPECT_EQ(confirm, "設定");
    EXPECT_EQ(cancel, "キャンセル");
}

TEST_F(PrintWindowTest, ClosingWithoutPrintingPrintsNothing) {
    withDialog("TotuPrintM", [&](TPrint3DForm&) {});
    EXPECT_FALSE(fileExists(folder.file("out.pdf")));
}

TEST_F(PrintWindowTest, PrintItemsNeedAnOpenScore) {
    EXPECT_TRUE(item("TotuPrintM")->isEnabled());
    EXPECT_EQ(item("TotuPrintM")->text(), "３D印刷(&7)");
    EXPECT_EQ(item("SumiPrintM")->text(), "墨字印刷(&8)");
    ws.fileClose();
    main().refresh();
    EXPECT_FALSE(item("TotuPrintM")->isEnabled());
    EXPECT_FALSE(item("SumiPrintM")->isEnabled());
}

}  // namespace
}  // namespace noma
