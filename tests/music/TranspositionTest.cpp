#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "MusicTestSupport.h"
#include "music/KeyPreview.h"
#include "music/Transposition.h"

namespace noma {
namespace {

using namespace test;

std::vector<SymbolRecord> records(const ScoreDocument& doc, int page) {
    return {doc.pageRecords(page), doc.pageRecords(page) + doc.symbolCount(page)};
}

Status transpose(ScoreDocument& doc, int key, int shift, int first = 1, int last = 100) {
    return transposePages(doc, {key, shift, first, last});
}

TEST(Transposition, ShiftZeroOnlyReplacesTheKeySignatures) {
    auto doc = blankScore(1, 2, 10, 2);
    put(*doc, 0, {kGClef, 9, 4});
    put(*doc, 0, {kKeySharp, 12, 0});
    put(*doc, 0, {kKeySharp, 14, 3});
    put(*doc, 0, {kFClef, 9, 24});
    put(*doc, 0, {kKeySharp, 13, 22});
    put(*doc, 0, {kKeySharp, 15, 25});
    put(*doc, 0, {kQuarterNoteUp, 20, 5});
    ASSERT_TRUE(transpose(*doc, 4, 0).ok());
    EXPECT_EQ(records(*doc, 0),
              (std::vector<SymbolRecord>{rec({kGClef, 9, 4}), rec({kFClef, 9, 24}),
                                         rec({kQuarterNoteUp, 20, 5}), rec({kKeyFlat, 13, 4}),
                                         rec({kKeyFlat, 15, 1}), rec({kKeyFlat, 13, 26}),
                                         rec({kKeyFlat, 15, 23})}));
}

TEST(Transposition, SharpsFollowTheClefAndTheOrientation) {
    auto doc = blankScore(1, 2, 10, 2);
    doc->header.orientation = 1;
    put(*doc, 0, {kFClef, 12, 30});  // a bass clef two rows low: the signature follows it
    put(*doc, 0, {kGClef, 12, 4});
    ASSERT_TRUE(transpose(*doc, 5, 3).ok());
    EXPECT_EQ(records(*doc, 0),
              (std::vector<SymbolRecord>{rec({kFClef, 12, 30}), rec({kGClef, 12, 4}),
                                         rec({kKeySharp, 16, 28}), rec({kKeySharp, 18, 31}),
                                         rec({kKeySharp, 20, 27}), rec({kKeySharp, 15, 0}),
                                         rec({kKeySharp, 17, 3}), rec({kKeySharp, 19, -1})}));
}

TEST(Transposition, MovesThePitchBearingKindsOnly) {
    std::vector<int> kinds;
    for (int k = 0; k <= 63; ++k)
        if (k < 50 || k > 58) kinds.push_back(k);
    for (int k : {70, 71, 72, 73, 74, 80, 85, 91, 99, 100, 150, 195, 201, 251, 300, 359})
        kinds.push_back(k);
    auto doc = blankScore();
    for (int k : kinds) put(*doc, 0, {k, 40, 10, 3, 10, 5, 10, 7, 10, 9});
    ASSERT_TRUE(transpose(*doc, 0, 2).ok());

    const std::vector<int> moved = {1,  5,  6,  7,   8,   9,   10,  11,  12,  13, 14, 15,
                                    17, 19, 22, 23,  24,  27,  28,  29,  34,  35, 36, 37,
                                    38, 39, 43, 44,  45,  47,  48,  49,  59,  60, 61, 70,
                                    71, 72, 73, 100, 150, 195, 201, 251, 300, 359};
    ASSERT_EQ(doc->symbolCount(0), static_cast<int>(kinds.size()));
    for (int i = 0; i < doc->symbolCount(0); ++i) {
        const SymbolRecord& r = doc->record(0, i);
        const bool isMoved = std::find(moved.begin(), moved.end(), r.kind()) != moved.end();
        const bool slur = r.kind() == kSlur || r.kind() == kSlurReversed;
        EXPECT_EQ(r, rec({r.kind(), 40, isMoved || slur ? 8 : 10, 3, slur ? 8 : 10, 5,
                          slur ? 8 : 10, 7, 10, 9}))
            << "kind " << r.kind();
    }
}

TEST(Transposition, UpwardShiftsMayLeaveTheRowOrigin) {
    auto doc = blankScore();
    put(*doc, 0, {kQuarterNoteUp, 20, -5});
    put(*doc, 0, {kSlur, 20, -5, 24, 3, 22, -8});
    ASSERT_TRUE(transpose(*doc, 0, 7).ok());
    EXPECT_EQ(records(*doc, 0),
              (std::vector<SymbolRecord>{rec({kQuarterNoteUp, 20, -12}),
                                         rec({kSlur, 20, -12, 24, -4, 22, -15})}));
    ASSERT_TRUE(transpose(*doc, 0, -7).ok());
    EXPECT_EQ(doc->record(0, 0), rec({kQuarterNoteUp, 20, -5}));
}

TEST(Transposition, OnlyClefsLeftOfColumn30GetASignature) {
    auto doc = blankScore();
    put(*doc, 0, {kGClef, 29, 4});
    put(*doc, 0, {kGClef, 30, 24});
    put(*doc, 0, {kKeyFlat, 13, 4});
    ASSERT_TRUE(transpose(*doc, 1, 0).ok());
    EXPECT_EQ(records(*doc, 0),
              (std::vector<SymbolRecord>{rec({kGClef, 29, 4}), rec({kGClef, 30, 24}),
                                         rec({kKeySharp, 12, 0})}));

    auto noClef = blankScore();
    put(*noClef, 0, {kKeySharp, 12, 0});
    put(*noClef, 0, {kQuarterNoteUp, 20, 5});
    put(*noClef, 0, {kKeySharp, 14, 3});
    ASSERT_TRUE(transpose(*noClef, 13, 0).ok());
    EXPECT_EQ(records(*noClef, 0), (std::vector<SymbolRecord>{rec({kQuarterNoteUp, 20, 5})}));
}

TEST(Transposition, TransposingTwiceDoesNotDoubleTheSignature) {
    auto doc = blankScore();
    put(*doc, 0, {kGClef, 9, 4});
    ASSERT_TRUE(transpose(*doc, 14, 0).ok());
    const auto once = records(*doc, 0);
    ASSERT_EQ(once.size(), 8u);
    ASSERT_TRUE(transpose(*doc, 14, 0).ok());
    EXPECT_EQ(records(*doc, 0), once);
    ASSERT_TRUE(transpose(*doc, 0, 0).ok());
    EXPECT_EQ(records(*doc, 0), (std::vector<SymbolRecord>{rec({kGClef, 9, 4})}));
}

TEST(Transposition, OnlyThePageRangeChanges) {
    auto doc = blankScore(3);
    for (int p = 0; p < 3; ++p) put(*doc, p, {kQuarterNoteUp, 20, 5});
    ASSERT_TRUE(transpose(*doc, 0, 1, 2, 3).ok());
    EXPECT_EQ(doc->record(0, 0)[2], 5);
    EXPECT_EQ(doc->record(1, 0)[2], 4);
    EXPECT_EQ(doc->record(2, 0)[2], 4);
    ASSERT_TRUE(transpose(*doc, 0, 1, 3, 1).ok());
    EXPECT_EQ(doc->record(0, 0)[2], 5);
    EXPECT_EQ(doc->record(2, 0)[2], 4);
}

TEST(Transposition, AFullPageKeepsWhatFitsAndSaysSo) {
    auto doc = blankScore(2);
    put(*doc, 0, {kGClef, 9, 4});
    for (int i = 1; i < 997; ++i) put(*doc, 0, {kQuarterNoteUp, 20, 5});
    put(*doc, 0, {kKeySharp, 12, 0});
    put(*doc, 0, {kKeySharp, 14, 3});  // 999 records, two of them the old signature
    put(*doc, 1, {kGClef, 9, 4});
    const Status done = transpose(*doc, 13, 0);
    ASSERT_FALSE(done.ok());
    EXPECT_NE(done.failure().message.find("１０００"), std::string::npos);
    EXPECT_NE(done.failure().gloss.find("page 1:"), std::string::npos) << done.failure().gloss;
    EXPECT_EQ(doc->symbolCount(0), kMaxRecords);
    EXPECT_EQ(doc->record(0, 997), rec({kKeySharp, 12, 0}));
    EXPECT_EQ(doc->record(0, 999), rec({kKeySharp, 16, -1}));
    EXPECT_EQ(doc->symbolCount(1), 8);  // the other page is complete
}

TEST(Transposition, ShiftBoxItems) {
    EXPECT_EQ(shiftOfItem(0), 7);
    EXPECT_EQ(shiftOfItem(kDefaultShiftItem), 0);
    EXPECT_EQ(shiftOfItem(14), -7);
    EXPECT_EQ(shiftItemText(0), "　＋７");
    EXPECT_EQ(shiftItemText(7), "　　０");
    EXPECT_EQ(shiftItemText(14), "　－７");
    EXPECT_EQ(shiftItemText(15), "");
}

TEST(KeyPreview, ClefsAndTheAccidentalsOnBothSides) {
    const KeyPreview none = keyPreview(0);
    ASSERT_EQ(none.copies.size(), 2u);
    EXPECT_EQ(none.copies[0], (PreviewCopy{PreviewGlyph::TrebleClef, 26, 78, 20, 20, 46, 98}));
    EXPECT_EQ(none.copies[1], (PreviewCopy{PreviewGlyph::BassClef, 26, 40, 120, 32, 146, 72}));

    const KeyPreview sharps = keyPreview(5);
    ASSERT_EQ(sharps.copies.size(), 8u);
    EXPECT_EQ(sharps.copies[2], (PreviewCopy{PreviewGlyph::Sharp, 10, 18, 52, 21, 62, 39}));
    EXPECT_EQ(sharps.copies[4], (PreviewCopy{PreviewGlyph::Sharp, 10, 18, 64, 15, 74, 33}));
    EXPECT_EQ(sharps.copies[5], (PreviewCopy{PreviewGlyph::Sharp, 10, 18, 152, 33, 162, 51}));

    const KeyPreview flats = keyPreview(14);
    ASSERT_EQ(flats.copies.size(), 16u);
    EXPECT_EQ(flats.copies[8], (PreviewCopy{PreviewGlyph::Flat, 9, 18, 94, 61, 104, 79}));
    EXPECT_EQ(flats.copies[15], (PreviewCopy{PreviewGlyph::Flat, 9, 18, 194, 73, 204, 91}));
    EXPECT_EQ(KeyPreview::kLineYs, (std::array<int, 5>{30, 42, 54, 66, 78}));
}

}  // namespace
}  // namespace noma
