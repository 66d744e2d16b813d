#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"

namespace noma {
namespace {

using test::rec;

// A document of `pages` pages whose page k holds one record marking it (kind 6, column k + 1).
ScoreDocument markedPages(int pages) {
    ScoreDocument doc;
    doc.header = {pages, 8, 0};
    doc.interactionState = kIdle;
    for (int k = 0; k < pages; ++k) {
        doc.settings(k) = {1, 0, 3 + k % 20, 0, 10, 0};
        doc.append(k, rec({6, k + 1, 0}));
    }
    return doc;
}

int markOf(const ScoreDocument& doc, int page) {
    return doc.record(page, 0)[1];
}

TEST(ScoreDocument, AppendStopsAtAThousandRecords) {
    ScoreDocument doc;
    for (int i = 0; i < kMaxRecords; ++i) ASSERT_TRUE(doc.append(0, rec({6, i, 0})));
    EXPECT_FALSE(doc.append(0, rec({7, 0, 0})));
    EXPECT_EQ(doc.symbolCount(0), kMaxRecords);
    EXPECT_EQ(doc.record(0, 999)[1], 999);
    EXPECT_EQ(doc.record(1, 0)[0], 0);  // nothing spilled onto the next page
}

TEST(ScoreDocument, RemoveCompactsAndIgnoresBadIndices) {
    ScoreDocument doc;
    for (int i = 0; i < 4; ++i) doc.append(0, rec({6, i, 0}));
    doc.remove(0, 1);
    ASSERT_EQ(doc.symbolCount(0), 3);
    EXPECT_EQ(doc.record(0, 0)[1], 0);
    EXPECT_EQ(doc.record(0, 1)[1], 2);
    EXPECT_EQ(doc.record(0, 2)[1], 3);
    doc.remove(0, 3);
    doc.remove(0, -1);
    EXPECT_EQ(doc.symbolCount(0), 3);
}

TEST(ScoreDocument, ClearSymbolsKeepsSettings) {
    ScoreDocument doc = markedPages(3);
    doc.clearSymbols();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(doc.symbolCount(k), 0);
        EXPECT_EQ(doc.record(k, 0), SymbolRecord{});
        EXPECT_EQ(doc.settings(k).topMargin, 3 + k);
    }
}

TEST(PageInsertion, InsertMovesLaterPagesUp) {
    ScoreDocument doc = markedPages(5);
    PageSetup setup = pageSetupDefaults(doc, 2);
    EXPECT_EQ(setup.topMargin, 4);  // from page 1 (index 1), the page before the target
    ASSERT_TRUE(insertPage(doc, 2, setup));
    EXPECT_EQ(doc.header.pageCount, 6);
    EXPECT_EQ(doc.currentPage, 2);
    EXPECT_EQ(markOf(doc, 0), 1);
    EXPECT_EQ(markOf(doc, 1), 2);
    EXPECT_EQ(markOf(doc, 3), 3);
    EXPECT_EQ(markOf(doc, 5), 5);
    EXPECT_EQ(doc.settings(3).topMargin, 5);
    EXPECT_EQ(doc.settings(2).topMargin, 4);
    // The new page has fresh staves only.
    EXPECT_EQ(doc.record(2, 0), rec({46, 6, 0, 552, 0}));
}

TEST(PageInsertion, InsertOnFirstPageTakesDefaultsFromItself) {
    ScoreDocument doc = markedPages(3);
    doc.settings(0).staveInterval = 7;
    EXPECT_EQ(pageSetupDefaults(doc, 0).staveInterval, 7);
    EXPECT_EQ(pageSetupDefaults(doc, 0).topMargin, 3);
}

TEST(PageInsertion, RefusedAtAHundredPages) {
    ScoreDocument doc = markedPages(kMaxPages);
    EXPECT_FALSE(insertPage(doc, kMaxPages, pageSetupDefaults(doc, kMaxPages - 1)));
    EXPECT_FALSE(insertPage(doc, 0, pageSetupDefaults(doc, 0)));
    EXPECT_EQ(doc.header.pageCount, kMaxPages);
    EXPECT_EQ(markOf(doc, 99), 100);
}

TEST(PageInsertion, AppendingTheHundredthPageWorks) {
    ScoreDocument doc = markedPages(kMaxPages - 1);
    ASSERT_TRUE(insertPage(doc, kMaxPages - 1, pageSetupDefaults(doc, kMaxPages - 1)));
    EXPECT_EQ(doc.header.pageCount, kMaxPages);
    EXPECT_EQ(doc.currentPage, kMaxPages - 1);
}

TEST(PageDeletion, LaterPagesMoveDown) {
    ScoreDocument doc = markedPages(5);
    doc.currentPage = 2;
    deletePage(doc, 2);
    EXPECT_EQ(doc.header.pageCount, 4);
    EXPECT_EQ(doc.currentPage, 2);
    EXPECT_EQ(markOf(doc, 2), 4);
    EXPECT_EQ(markOf(doc, 3), 5);
    EXPECT_EQ(doc.settings(2).topMargin, 6);
}

TEST(PageDeletion, DeletingTheLastPageShowsThePageBefore) {
    ScoreDocument doc = markedPages(5);
    deletePage(doc, 4);
    EXPECT_EQ(doc.header.pageCount, 4);
    EXPECT_EQ(doc.currentPage, 3);
}

TEST(PageDeletion, OnlyPageStaysEmptiedWithItsSettings) {
    ScoreDocument doc = markedPages(1);
    deletePage(doc, 0);
    EXPECT_EQ(doc.header.pageCount, 1);
    EXPECT_EQ(doc.currentPage, 0);
    EXPECT_EQ(doc.symbolCount(0), 0);
    EXPECT_EQ(doc.settings(0).topMargin, 3);
}

TEST(NewScore, ReplacesAWholeOpenDocument) {
    ScoreDocument doc = markedPages(7);
    doc.dataChanged = true;
    doc.toolMode = 6;
    doc.currentPage = 5;
    createNewScore(doc, {0, kTrebleSingle, 0, 8, 12, 10, 4});
    EXPECT_EQ(doc.header.pageCount, 1);
    EXPECT_EQ(doc.currentPage, 0);
    EXPECT_EQ(doc.toolMode, 0);
    EXPECT_FALSE(doc.dataChanged);
    EXPECT_EQ(doc.symbolCount(1), 0);
    EXPECT_EQ(doc.symbolCount(0), 24);
}

}  // namespace
}  // namespace noma
