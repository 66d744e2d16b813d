#include "WorkspaceFixture.h"
#include "document/SymbolKind.h"

namespace noma {
namespace {

using test::Answer;
using test::WorkspaceTest;

class PageCommandsTest : public WorkspaceTest {
  protected:
    PageCommandsTest() { newScore(); }
    int topOf(int page) { return ws.document().settings(page).topMargin; }
};

TEST_F(PageCommandsTest, AddShowsTheNewPageAndMarksTheDocument) {
    forms.fillPageForm = [](PageForm& f) { f.setTopItem(5); };
    ws.pageAdd();
    EXPECT_EQ(forms.lastPageCaption, "　ページの追加");
    EXPECT_EQ(forms.lastPageNumber, "2");
    EXPECT_EQ(ws.document().header.pageCount, 2);
    EXPECT_EQ(ws.document().currentPage, 1);
    EXPECT_EQ(topOf(1), 8);
    EXPECT_EQ(ws.window().pageItems, 2);
    EXPECT_EQ(ws.window().pageItem, 1);
    EXPECT_EQ(ws.window().topMarginItem, 5);
    EXPECT_TRUE(ws.document().dataChanged);
}

TEST_F(PageCommandsTest, InsertTakesDefaultsFromThePageBefore) {
    forms.fillPageForm = [](PageForm& f) { f.setTopItem(0); };
    ws.pageAdd();  // page 2: top 3
    forms.fillPageForm = nullptr;
    ws.selectPage(1);
    ws.pageInsert();  // at index 1, defaults from page 0 (top 12)
    EXPECT_EQ(forms.lastPageCaption, "　ページの挿入");
    EXPECT_EQ(forms.lastPageNumber, "2");
    EXPECT_EQ(topOf(1), 12);
    EXPECT_EQ(topOf(2), 3);
    EXPECT_EQ(ws.document().currentPage, 1);
    ws.selectPage(0);
    ws.pageInsert();  // on the first page: defaults from page 0 itself
    EXPECT_EQ(topOf(0), 12);
    EXPECT_EQ(ws.document().header.pageCount, 4);
}

TEST_F(PageCommandsTest, DeleteAsksAndKeepsThePageNumber) {
    for (int i = 0; i < 4; ++i) ws.pageAdd();
    ws.document().settings(3).topMargin = 20;
    ws.selectPage(2);
    ws.pageDelete();  // default answer No
    EXPECT_EQ(ws.document().header.pageCount, 5);
    EXPECT_EQ(dialogs.messageTexts().back(),
              "現在のページを削除します。復元はできません。実行しますか？");
    dialogs.queueAnswer(Answer::Yes);
    ws.pageDelete();
    EXPECT_EQ(ws.document().header.pageCount, 4);
    EXPECT_EQ(ws.document().currentPage, 2);
    EXPECT_EQ(topOf(2), 20);
    ws.selectPage(3);
    dialogs.queueAnswer(Answer::Yes);
    ws.pageDelete();
    EXPECT_EQ(ws.document().currentPage, 2);
    EXPECT_EQ(ws.window().pageItems, 3);
}

TEST_F(PageCommandsTest, NextOnTheLastPageOffersANewPage) {
    ws.pageAdd();
    ws.pageAdd();
    ws.selectPage(0);
    ws.nextPage();
    ws.nextPage();
    EXPECT_EQ(ws.document().currentPage, 2);
    dialogs.queueAnswer(Answer::Yes);
    ws.nextPage();
    EXPECT_EQ(dialogs.messageTexts().back(), "ページを追加しますか？");
    EXPECT_EQ(forms.lastPageNumber, "4");
    EXPECT_EQ(ws.document().header.pageCount, 4);
    ws.previousPage();
    EXPECT_EQ(ws.document().currentPage, 2);
    ws.selectPage(0);
    ws.previousPage();
    EXPECT_EQ(ws.document().currentPage, 0);
}

TEST_F(PageCommandsTest, AHundredPagesRefuseAnother) {
    for (int i = 1; i < kMaxPages; ++i) ws.pageAdd();
    EXPECT_EQ(ws.document().header.pageCount, kMaxPages);
    const int shown = forms.pageFormShown;
    ws.pageAdd();
    ws.pageInsert();
    EXPECT_EQ(forms.pageFormShown, shown);
    EXPECT_EQ(dialogs.messageTexts().back(), "１００ページを超えるデータは作成できません。");
}

TEST_F(PageCommandsTest, SelectingAPageDisarmsAndShowsItsFields) {
    forms.fillPageForm = [](PageForm& f) {
        f.setScoreTypeItem(2);
        f.setIntervalItem(14);
    };
    ws.pageAdd();
    ws.selectPage(0);
    ws.selectMode(kQuarterNoteUp);
    EXPECT_EQ(ws.window().pressedMode, kQuarterNoteUp);
    ws.selectPage(1);
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(ws.window().pressedMode, 0);
    EXPECT_EQ(ws.window().intervalText, "２０");
    EXPECT_TRUE(ws.window().rulesMenu);
    EXPECT_TRUE(ws.window().scrollToTop);
}

TEST_F(PageCommandsTest, TopMarginMovesEveryRecordOfThePage) {
    ws.document().dataChanged = false;
    ws.topMarginChanged(10);  // 13
    EXPECT_EQ(topOf(0), 13);
    EXPECT_TRUE(ws.document().dataChanged);
    // The first staff line moved 16 pixels down.
    EXPECT_EQ(ws.viewImage().getPixel(36, 24 * 8 + 16), kBlack);
    EXPECT_NE(ws.viewImage().getPixel(100, 24 * 8), kBlack);
}

TEST_F(PageCommandsTest, ModeSelectionAndViewToggles) {
    ws.selectMode(kDoubleBarLine);
    EXPECT_EQ(ws.window().modeText, "二重区切り線");
    EXPECT_EQ(ws.document().interactionState, kReady);
    ws.selectMode(kModeClipCopy);
    EXPECT_EQ(ws.window().modeText, "クリップボードへコピー");
    ws.document().dataChanged = false;
    const int renders = ws.renderCount();
    ws.toggleRules();
    ws.toggleHotPositions();
    ws.setGridInterval(3);
    EXPECT_FALSE(ws.view().rulesVisible);
    EXPECT_EQ(ws.view().hotPositionsVisible, 1);
    EXPECT_EQ(ws.view().gridInterval, 3);
    EXPECT_EQ(ws.renderCount(), renders + 3);
    EXPECT_FALSE(ws.document().dataChanged);
    // Hot-position marks are on the view image only.
    EXPECT_NE(ws.viewImage().getPixel(54 + 2, 96 * 2 + 32 - 2),
              ws.backImage().getPixel(54 + 2, 96 * 2 + 32 - 2));
}

TEST_F(PageCommandsTest, ThumbnailsKeepTheViewSettingsAndAClickOpensAPage) {
    ws.pageAdd();
    ws.pageAdd();
    ws.setGridInterval(2);
    ws.toggleHotPositions();
    ws.selectPage(0);
    Canvas out;
    const auto layout = ws.drawThumbnails(out);
    EXPECT_EQ(out.width(), 5 * 130);
    EXPECT_EQ(out.height(), 210);
    EXPECT_EQ(layout.windowWidth, 5 * 130 + 60);
    EXPECT_EQ(ws.view().gridInterval, 2);
    EXPECT_EQ(ws.view().hotPositionsVisible, 1);
    EXPECT_FALSE(ws.thumbnailClick(130 + 50, 10));  // the number strip
    EXPECT_EQ(ws.document().currentPage, 0);
    EXPECT_TRUE(ws.thumbnailClick(2 * 130 + 50, 100));
    EXPECT_EQ(ws.document().currentPage, 2);
}

}  // namespace
}  // namespace noma
