#include "document/ScoreFile.h"

#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "TempFolder.h"
#include "document/PageOperations.h"
#include "document/ScoreDocument.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::rec;

TEST(ScoreFileFormat, ExactBytesWithTrailingBlanksAndCrLf) {
    ScoreDocument doc;
    doc.header = {1, 8, 0};
    doc.settings(0) = {1, 0, 12, 4, 10, 4};
    doc.append(0, rec({46, 6, 0, 552, 0}));
    doc.append(0, rec({41, 9, 4}));
    EXPECT_EQ(formatScore(doc),
              "1 8 0\r\n"
              "1 2 12 4 10 4\r\n"
              "46 6 0 552 0 0 0 0 0 0 \r\n"
              "41 9 4 0 0 0 0 0 0 0 \r\n");
}

TEST(ScoreFileFormat, RecordsBeyondTheCountAreNotWritten) {
    ScoreDocument doc;
    doc.header = {2, 6, 1};
    doc.settings(0) = {3, 0, 3, 0, 6, 0};
    doc.settings(1) = {1, 0, 30, 0, 20, 0};
    doc.record(0, 0) = rec({6, 1, 1});  // stale, beyond the count
    doc.append(1, rec({-5, -2147483647 - 1, 2147483647, -1}));
    EXPECT_EQ(formatScore(doc),
              "2 6 1\r\n3 0 3 0 6 0\r\n1 1 30 0 20 0\r\n"
              "-5 -2147483648 2147483647 -1 0 0 0 0 0 0 \r\n");
}

TEST(ScoreFileRoundTrip, EveryKindAndFieldValueSurvives) {
    ScoreDocument doc;
    doc.header = {3, 10, 0};
    for (int p = 0; p < 3; ++p) doc.settings(p) = {p + 1, 0, 3 + p, 0, 6 + p, 0};
    doc.settings(6) = {4, 0, 5, 0, 9, 0};  // beyond pageCount: not part of the file
    int v = -400;
    for (int kind = -1; kind <= 400; ++kind) {
        SymbolRecord r;
        r[0] = kind;
        for (int f = 1; f < kFieldCount; ++f) r[f] = v++ * 7;
        doc.append(kind % 3 == 0 ? 0 : (kind % 3 == 1 ? 1 : 2), r);
    }
    doc.append(2, rec({0, 5, 5, 5}));  // a kind-0 record inside the used range

    const std::string bytes = formatScore(doc);
    ScoreDocument back;
    ASSERT_TRUE(parseScore(bytes, back).ok());
    EXPECT_EQ(back.header, doc.header);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(back.settings(p), doc.settings(p));
        for (int i = 0; i < doc.symbolCount(p); ++i) ASSERT_EQ(back.record(p, i), doc.record(p, i));
    }
    EXPECT_EQ(formatScore(back), bytes);
}

TEST(ScoreFileReading, AcceptsAnyWhitespaceAndMissingTrailingBlank) {
    ScoreDocument doc;
    ASSERT_TRUE(parseScore("1 8 0\n1 1 12 4 10 4\n6 10 4 0 0 0 0 0 0 0", doc).ok());
    EXPECT_EQ(doc.record(0, 0), rec({6, 10, 4}));
    ASSERT_TRUE(parseScore("  1\t8\r\n0 1 1 12 4 10 4 6 10 4 0 0 0 0 0 0 0 \n\n", doc).ok());
    EXPECT_EQ(doc.symbolCount(0), 1);
}

TEST(ScoreFileReading, ReplacesTheWholeDocument) {
    ScoreDocument doc;
    createNewScore(doc, {0, 1, 0, 8, 12, 10, 4});
    doc.header.pageCount = 3;
    doc.settings(2).symbolCount = 0;
    doc.append(2, rec({6, 1, 1}));
    ASSERT_TRUE(parseScore("1 6 1 3 0 3 0 6 0", doc).ok());
    EXPECT_EQ(doc.header, (DocumentHeader{1, 6, 1}));
    EXPECT_EQ(doc.symbolCount(0), 0);
    EXPECT_EQ(doc.record(0, 0), SymbolRecord{});
    EXPECT_EQ(doc.record(2, 0), SymbolRecord{});  // the symbol store was cleared
}

struct BadFile {
    const char* name;
    const char* bytes;
};

class ScoreFileRejection : public ::testing::TestWithParam<BadFile> {};

TEST_P(ScoreFileRejection, LeavesTheDocumentExactlyAsItWas) {
    ScoreDocument doc;
    createNewScore(doc, {0, 2, 3, 8, 12, 10, 4});
    doc.currentFileName = "/scores/open.nmg";
    doc.dataChanged = true;
    const std::string before = formatScore(doc);

    const Status read = parseScore(GetParam().bytes, doc);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.failure().message.find("ＮＭＧファイル"), std::string::npos);
    EXPECT_FALSE(read.failure().gloss.empty());
    EXPECT_EQ(formatScore(doc), before);
    EXPECT_EQ(doc.currentFileName, "/scores/open.nmg");
    EXPECT_TRUE(doc.dataChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, ScoreFileRejection,
    ::testing::Values(
        BadFile{"Empty", ""}, BadFile{"Blank", " \r\n "}, BadFile{"HeaderShort", "1 8"},
        BadFile{"PageCountZero", "0 8 0"}, BadFile{"PageCount101", "101 8 0"},
        BadFile{"PitchLow", "1 5 0 1 0 12 4 10 4"}, BadFile{"PitchHigh", "1 11 0 1 0 12 4 10 4"},
        BadFile{"Orientation2", "1 8 2 1 0 12 4 10 4"},
        BadFile{"ScoreType0", "1 8 0 0 0 12 4 10 4"}, BadFile{"ScoreType5", "1 8 0 5 0 12 4 10 4"},
        BadFile{"SymbolCountNegative", "1 8 0 1 -1 12 4 10 4"},
        BadFile{"SymbolCount1001", "1 8 0 1 1001 12 4 10 4"},
        BadFile{"TopMargin2", "1 8 0 1 0 2 4 10 4"}, BadFile{"TopMargin31", "1 8 0 1 0 31 4 10 4"},
        BadFile{"StavesAboveCapacity", "1 8 0 1 0 12 5 10 4"},
        BadFile{"StavesNegative", "1 8 0 1 0 12 -1 10 4"},
        BadFile{"Interval5", "1 8 0 1 0 12 4 5 4"}, BadFile{"Interval21", "1 8 0 1 0 12 4 21 4"},
        BadFile{"Capacity12", "1 8 0 1 0 12 4 10 12"},
        BadFile{"RecordsMissing", "1 8 0 1 2 12 4 10 4 6 1 1 0 0 0 0 0 0 0"},
        BadFile{"RecordCut", "1 8 0 1 1 12 4 10 4 6 1 1 0 0"},
        BadFile{"SecondPageMissing", "2 8 0 1 0 12 4 10 4"},
        BadFile{"Letters", "1 8 0 1 1 12 4 10 4 6 x 1 0 0 0 0 0 0 0"},
        BadFile{"Decimal", "1.0 8 0 1 0 12 4 10 4"},
        BadFile{"Overflow", "1 8 0 1 1 12 4 10 4 6 4294967296 1 0 0 0 0 0 0 0"},
        BadFile{"TrailingData", "1 8 0 1 0 12 4 10 4 7"}, BadFile{"Binary", "\x89PNG\r\n\x1a\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreFileIo, ReadSetsTheFileNameAndOpensOnPageZero) {
    test::TempFolder dir;
    ScoreDocument doc;
    createNewScore(doc, {0, 1, 0, 8, 12, 10, 4});
    ASSERT_TRUE(insertPage(doc, 1, pageSetupDefaults(doc, 1)));
    const std::string path = dir.file("two.nmg");
    ASSERT_TRUE(writeScoreFile(doc, path).ok());

    ScoreDocument back;
    back.toolMode = 6;
    back.dataChanged = true;
    back.currentPage = 3;
    ASSERT_TRUE(readScoreFile(path, back).ok());
    EXPECT_EQ(back.currentFileName, path);
    EXPECT_EQ(back.currentPage, 0);
    EXPECT_EQ(back.toolMode, 0);
    EXPECT_FALSE(back.dataChanged);
    EXPECT_EQ(back.interactionState, kIdle);
    EXPECT_EQ(formatScore(back), formatScore(doc));
}

TEST(ScoreFileIo, UnreadableFileKeepsTheOpenDocumentAndName) {
    test::TempFolder dir;
    ScoreDocument doc;
    createNewScore(doc, {0, 1, 0, 8, 12, 10, 4});
    doc.currentFileName = "/kept.nmg";
    const Status read = readScoreFile(dir.file("absent.nmg"), doc);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.failure().message.find("開けませんでした"), std::string::npos);
    EXPECT_EQ(doc.currentFileName, "/kept.nmg");
    EXPECT_EQ(doc.symbolCount(0), 24);
}

TEST(ScoreFileIo, FailedWriteIsReportedAndKeepsTheOldFile) {
    test::TempFolder dir;
    ScoreDocument doc;
    createNewScore(doc, {0, 1, 0, 8, 12, 10, 4});
    const Status written = writeScoreFile(doc, dir.file("no/such/folder.nmg"));
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.failure().message.find("保存できませんでした"), std::string::npos);

    const std::string path = dir.file("a.nmg");
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    ASSERT_FALSE(writeScoreFile(doc, dir.path()).ok());
    EXPECT_EQ(readWholeFile(path).value(), "old");
}

TEST(ScoreFileNames, ExtensionIsReplacedOrAdded) {
    EXPECT_EQ(withNmgExtension("/home/u/song"), "/home/u/song.nmg");
    EXPECT_EQ(withNmgExtension("/home/u/song.txt"), "/home/u/song.nmg");
    EXPECT_EQ(withNmgExtension("/home/u/song.NMG"), "/home/u/song.nmg");
    EXPECT_EQ(withNmgExtension("/home/my.dir/song"), "/home/my.dir/song.nmg");
    EXPECT_EQ(withNmgExtension("a.b.c"), "a.b.nmg");
}

}  // namespace
}  // namespace noma
