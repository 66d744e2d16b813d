#include "WorkspaceFixture.h"

#include <cstdlib>
#include <filesystem>

#include "document/ScoreFile.h"
#include "document/Settings.h"
#include "palettes/SymbolEditor.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::Answer;
using test::WorkspaceTest;

constexpr const char* kSaveQuestion =
    "データに変更がありました。現在の画面をＮＭＧファイルに保存しますか？";

TEST_F(WorkspaceTest, StartsWithNoDocumentAndTheDefaultName) {
    EXPECT_FALSE(ws.documentOpen());
    EXPECT_EQ(ws.document().interactionState, kNoDocument);
    EXPECT_EQ(ws.document().currentFileName, file("NewNOMA.nmg"));
    EXPECT_EQ(ws.window().fileName, file("NewNOMA.nmg"));
    EXPECT_FALSE(ws.window().documentMenus);
    EXPECT_TRUE(directoryExists(file("NMK")));
    EXPECT_EQ(ws.viewImage().width(), 630);
}

TEST_F(WorkspaceTest, NewScoreOpensADocumentAndShowsItsFields) {
    newScore();
    EXPECT_TRUE(ws.documentOpen());
    EXPECT_EQ(ws.document().symbolCount(0), 24);
    EXPECT_EQ(ws.window().pitchText, "　８");
    EXPECT_EQ(ws.window().stavesText, "　４");
    EXPECT_EQ(ws.window().intervalText, "１０");
    EXPECT_EQ(ws.window().topMarginItem, 9);
    EXPECT_EQ(ws.window().pageItems, 1);
    EXPECT_EQ(ws.window().pageItem, 0);
    EXPECT_TRUE(ws.window().documentMenus);
    EXPECT_FALSE(ws.window().rulesMenu);
    EXPECT_EQ(ws.window().windowWidth, 788);
    EXPECT_EQ(ws.renderCount(), 1);
    EXPECT_EQ(ws.viewImage().getPixel(36, (0 + 24) * 8), kBlack);  // first staff line
}

TEST_F(WorkspaceTest, NewScoreDialogWithoutOkLeavesTheOpenDocument) {
    newScore();
    forms.fillNewScore = [](NewScoreForm& f) {
        f.setOrientation(1);
        f.setScoreTypeItem(2);
        f.setPitchItem(4);
    };
    forms.pressOk = false;
    ws.newScore();
    EXPECT_EQ(ws.document().header, (DocumentHeader{1, 8, 0}));
    EXPECT_EQ(ws.document().symbolCount(0), 24);
    forms.pressOk = true;
    ws.newScore();
    EXPECT_EQ(ws.document().header, (DocumentHeader{1, 10, 1}));
    EXPECT_EQ(ws.document().symbolCount(0), 0);
    EXPECT_TRUE(ws.window().rulesMenu);
    EXPECT_EQ(ws.window().windowWidth, 1079);
    EXPECT_EQ(ws.viewImage().width(), 940);
}

TEST_F(WorkspaceTest, SaveAsWithNothingOnAnyPageIsRefused) {
    forms.fillNewScore = [](NewScoreForm& f) { f.setScoreTypeItem(2); };
    newScore();
    EXPECT_EQ(ws.saveAs(), Workspace::SaveOutcome::NothingToSave);
    EXPECT_EQ(ws.overwriteSave(), Workspace::SaveOutcome::NothingToSave);
    ASSERT_EQ(dialogs.messageTexts(),
              (std::vector<std::string>{"データがありません。", "データがありません。"}));
    EXPECT_TRUE(dialogs.fileDialogTitles().empty());
}

TEST_F(WorkspaceTest, SaveAsReplacesTheExtensionAndRemembersTheFile) {
    newScore();
    markChanged();
    dialogs.queueFileName(file("song.txt"));
    EXPECT_EQ(ws.saveAs(), Workspace::SaveOutcome::Saved);
    EXPECT_EQ(dialogs.fileDialogTitles(),
              std::vector<std::string>{"現在画面をＮＭＧファイルに保存"});
    EXPECT_TRUE(fileExists(file("song.nmg")));
    EXPECT_FALSE(fileExists(file("song.txt")));
    EXPECT_EQ(ws.document().currentFileName, file("song.nmg"));
    EXPECT_FALSE(ws.document().dataChanged);
    EXPECT_EQ(ws.settings().recentFiles.path(0), file("song.nmg"));
    EXPECT_EQ(readWholeFile(file("song.nmg")).value(), formatScore(ws.document()));
}

TEST_F(WorkspaceTest, OverwriteQuestionNoAsksAgainCancelStops) {
    newScore();
    saveAs("a.nmg");
    markChanged();
    dialogs.queueFileName(file("a"));
    dialogs.queueAnswer(Answer::No);
    dialogs.queueFileName(file("a.nmg"));
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_EQ(ws.saveAs(), Workspace::SaveOutcome::Cancelled);
    EXPECT_EQ(dialogs.fileDialogTitles().size(), 3u);
    EXPECT_EQ(dialogs.messageTexts().back(), "同名のファイルが存在します。上書きしますか？");
    EXPECT_TRUE(ws.document().dataChanged);

    dialogs.queueFileName(file("a.nmg"));
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_EQ(ws.saveAs(), Workspace::SaveOutcome::Saved);
}

TEST_F(WorkspaceTest, FailedSaveKeepsTheDocumentChangedAndTheOldFile) {
    newScore();
    saveAs("a.nmg");
    const std::string before = readWholeFile(file("a.nmg")).value();
    ws.document().append(0, SymbolRecord{{6, 20, 4}});
    markChanged();
    dialogs.queueFileName(file("missing-folder/b.nmg"));
    EXPECT_EQ(ws.saveAs(), Workspace::SaveOutcome::Failed);
    EXPECT_TRUE(ws.document().dataChanged);
    EXPECT_EQ(ws.document().currentFileName, file("a.nmg"));
    EXPECT_NE(dialogs.messageTexts().back().find("保存できませんでした"), std::string::npos);
    EXPECT_EQ(readWholeFile(file("a.nmg")).value(), before);

    // A read-only file is refused, as cp refuses it, and the message says so.
    std::filesystem::permissions(file("a.nmg"), std::filesystem::perms(0444));
    EXPECT_EQ(ws.overwriteSave(), Workspace::SaveOutcome::Failed);
    EXPECT_NE(dialogs.messageTexts().back().find("読み取り専用のファイルです。"),
              std::string::npos);
    EXPECT_EQ(readWholeFile(file("a.nmg")).value(), before);
}

TEST_F(WorkspaceTest, OverwriteSaveUsesTheCurrentNameWithoutADialog) {
    newScore();
    EXPECT_EQ(ws.overwriteSave(), Workspace::SaveOutcome::Saved);
    EXPECT_TRUE(fileExists(file("NewNOMA.nmg")));
    EXPECT_TRUE(dialogs.fileDialogTitles().empty());
    EXPECT_TRUE(ws.settings().recentFiles.isEmpty(0));
}

TEST_F(WorkspaceTest, OpenShowsPageZeroAndClearsTheTool) {
    newScore();
    ws.pageAdd();
    saveAs("two.nmg");
    ws.selectMode(6);
    dialogs.queueFileName(file("two.nmg"));
    ws.fileOpen();
    EXPECT_EQ(dialogs.fileDialogTitles().back(), "ＮＭＧファイルを開く");
    EXPECT_EQ(ws.document().currentPage, 0);
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(ws.window().modeText, "");
    EXPECT_EQ(ws.window().pressedMode, 0);
    EXPECT_EQ(ws.window().pageItems, 2);
    EXPECT_EQ(ws.window().stavesText, "　４");
}

TEST_F(WorkspaceTest, InvalidFileLeavesTheDocumentAndItsName) {
    newScore();
    saveAs("good.nmg");
    ASSERT_TRUE(writeFileAtomically(file("bad.nmg"), "1 8 0 1 5 12 4 10 4 6").ok());
    dialogs.queueFileName(file("bad.nmg"));
    ws.fileOpen();
    EXPECT_NE(dialogs.messageTexts().back().find("ＮＭＧファイル"), std::string::npos);
    EXPECT_EQ(ws.document().currentFileName, file("good.nmg"));
    EXPECT_EQ(ws.document().symbolCount(0), 24);
    EXPECT_EQ(ws.settings().recentFiles.path(0), file("good.nmg"));
}

TEST_F(WorkspaceTest, YesThenCancelledSaveStopsEveryCommand) {
    newScore();
    markChanged();
    // open
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueCancelledFileDialog();
    ws.fileOpen();
    EXPECT_EQ(dialogs.fileDialogTitles(),
              std::vector<std::string>{"現在画面をＮＭＧファイルに保存"});
    // new score
    dialogs.queueAnswer(Answer::Yes);
    ws.newScore();
    EXPECT_EQ(forms.newScoreShown, 1);
    // close
    dialogs.queueAnswer(Answer::Yes);
    ws.fileClose();
    EXPECT_TRUE(ws.documentOpen());
    // exit command and closing the window
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_FALSE(ws.exitCommand());
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_FALSE(ws.closeWindow());
    EXPECT_FALSE(fileExists(file(kSettingsFileName)));
    EXPECT_TRUE(ws.document().dataChanged);
    EXPECT_EQ(ws.document().symbolCount(0), 24);
    for (const auto& text : dialogs.messageTexts()) EXPECT_EQ(text, kSaveQuestion);
}

TEST_F(WorkspaceTest, SaveQuestionNoDiscardsAndYesSaves) {
    newScore();
    markChanged();
    dialogs.queueAnswer(Answer::No);
    ws.fileClose();
    EXPECT_FALSE(ws.documentOpen());
    EXPECT_EQ(ws.document().symbolCount(0), 0);
    EXPECT_EQ(ws.window().fileName, file("NewNOMA.nmg"));
    EXPECT_EQ(ws.window().pitchText, "");
    EXPECT_EQ(ws.window().topMarginItem, -1);
    EXPECT_FALSE(ws.window().documentMenus);

    newScore();
    markChanged();
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueFileName(file("kept.nmg"));
    ws.fileClose();
    EXPECT_TRUE(fileExists(file("kept.nmg")));
    EXPECT_FALSE(ws.documentOpen());
}

TEST_F(WorkspaceTest, ExitCommandOffersCancel) {
    newScore();
    markChanged();
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(ws.exitCommand());
    EXPECT_EQ(dialogs.messages().back().buttons, Dialogs::Buttons::YesNoCancel);
    dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(ws.exitCommand());
    EXPECT_FALSE(ws.document().dataChanged);
    EXPECT_TRUE(ws.closeWindow());  // no second question
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(fileExists(file(kSettingsFileName)));
}

TEST_F(WorkspaceTest, CommandLineScoreOpensAtFirstActivation) {
    newScore();
    saveAs("start.nmg");
    Workspace other(dialogs, forms, folder.path());
    other.startUp(file("start.nmg"));
    EXPECT_FALSE(other.documentOpen());
    other.firstActivation();
    EXPECT_TRUE(other.documentOpen());
    EXPECT_EQ(other.document().currentFileName, file("start.nmg"));
    other.firstActivation();  // only once
    EXPECT_EQ(other.renderCount(), 1);
}

TEST_F(WorkspaceTest, RecentFilesKeepOneEntryMoveToTopAndOfferRemoval) {
    newScore();
    saveAs("a.nmg");
    dialogs.queueFileName(file("a.nmg"));
    dialogs.queueAnswer(Answer::Yes);  // overwrite
    ASSERT_EQ(ws.saveAs(), Workspace::SaveOutcome::Saved);
    EXPECT_EQ(ws.settings().recentFiles.path(0), file("a.nmg"));
    EXPECT_TRUE(ws.settings().recentFiles.isEmpty(1));
    for (const char* name : {"b.nmg", "c.nmg", "d.nmg", "e.nmg"}) saveAs(name);
    // e d c b a: entry 4 is a
    ws.openRecent(4);
    EXPECT_EQ(ws.settings().recentFiles.path(0), file("a.nmg"));
    EXPECT_EQ(ws.settings().recentFiles.path(1), file("e.nmg"));
    EXPECT_EQ(ws.settings().recentFiles.path(4), file("b.nmg"));
    EXPECT_EQ(ws.document().currentFileName, file("a.nmg"));

    std::filesystem::remove(file("c.nmg"));
    dialogs.queueAnswer(Answer::Yes);
    ws.openRecent(3);
    EXPECT_EQ(dialogs.messageTexts().back(),
              "このファイルは存在していません。履歴から削除しますか？");
    EXPECT_EQ(ws.settings().recentFiles.path(3), file("b.nmg"));
    EXPECT_TRUE(ws.settings().recentFiles.isEmpty(4));
    ws.openRecent(7);  // an empty entry does nothing
}

TEST_F(WorkspaceTest, ClosingKeepsAnUnsavedSymbolDrawingUnlessTheUserDiscardsIt) {
    SymbolEditor& editor = ws.palettes().symbolEditor();
    editor.activate();
    editor.gridMouseDown(MouseButton::Left, 105, 105);
    editor.gridMouseUp();
    dialogs.queueAnswer(Answer::No);
    EXPECT_FALSE(ws.closeWindow());
    EXPECT_TRUE(editor.blackCell(10, 10));
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(ws.closeWindow());
}

TEST_F(WorkspaceTest, SettingsAreWrittenOnCloseAndReadAtStart) {
    ws.settings().printStrength = 5;
    ws.applyOptionKeys({"A", "d", "s", "j", "k", "m"});
    EXPECT_EQ(ws.settings().sixKeyMap, (std::array<char, 6>{'a', 'd', 's', 'j', 'k', 'm'}));
    EXPECT_TRUE(ws.closeWindow());
    Workspace again(dialogs, forms, folder.path());
    again.startUp();
    EXPECT_EQ(again.settings().printStrength, 5);
    EXPECT_EQ(again.settings().sixKeyMap[5], 'm');
}

TEST_F(WorkspaceTest, OptionKeysRefuseADuplicateOrANonLetterAndKeepTheOldMap) {
    const std::array<char, 6> before = ws.settings().sixKeyMap;
    EXPECT_FALSE(ws.applyOptionKeys({"d", "d", "s", "j", "k", "l"}));
    EXPECT_FALSE(ws.applyOptionKeys({"f", "d", "1", "j", "k", "l"}));
    EXPECT_FALSE(ws.applyOptionKeys({"f", "d", "s", "", "k", "l"}));
    EXPECT_EQ(ws.settings().sixKeyMap, before);
    EXPECT_EQ(
        dialogs.messageTexts(),
        (std::vector<std::string>{
            "キー「d」が点１と点２の両方に指定されています。点ごとに別のキーを指定してください。",
            "点３のキー「1」は使えません。半角英字 a ～ z を１文字入力してください。",
            "点４のキー（空欄）は使えません。半角英字 a ～ z を１文字入力してください。"}));
}

TEST_F(WorkspaceTest, ImportedMusicXmlOpensAsANewUnsavedScoreAfterItsSummary) {
    newScore();
    const std::string data = std::string(std::getenv("NOMA_TEST_DATA")) + "/musicxml/";
    dialogs.queueFileName(data + "melody.musicxml");
    ws.importMusicXml();
    EXPECT_EQ(dialogs.fileDialogTitles().back(), "MusicXMLファイルの読み込み");
    EXPECT_EQ(dialogs.messageTexts().back(),
              "表示できない記号や、はみ出した小節があります。\n"
              "表示できないもの：トリル 1");
    EXPECT_EQ(ws.document().currentFileName, file("NewNOMA.nmg"));
    EXPECT_TRUE(ws.document().dataChanged);
    const int symbols = ws.document().symbolCount(0);
    EXPECT_GT(symbols, 24);

    // A file that is not MusicXML is refused after the save question and changes nothing.
    ASSERT_TRUE(writeFileAtomically(file("bad.musicxml"), "<html/>").ok());
    dialogs.queueAnswer(Answer::No);
    dialogs.queueFileName(file("bad.musicxml"));
    ws.importMusicXml();
    EXPECT_EQ(dialogs.messageTexts().back().rfind("MusicXMLの楽譜ではありません。", 0), 0u);
    EXPECT_EQ(ws.document().symbolCount(0), symbols);
}

}  // namespace
}  // namespace noma
