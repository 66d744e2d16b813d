#include <gtest/gtest.h>

#include "CliRunner.h"
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/PngFile.h"

namespace noma {
namespace {

class Replay : public ::testing::Test {
  protected:
    test::CliResult replay(const std::string& options, const std::string& script) {
        EXPECT_TRUE(writeFileAtomically(dir.file("s.txt"), script).ok());
        return test::runCli("replay --folder '" + dir.path() + "' " + options + " '" +
                                dir.file("s.txt") + "' -o '" + dir.file("out.nmg") + "'",
                            dir.path());
    }
    std::string records(int page = 1) {
        return test::runCli("records '" + dir.file("out.nmg") + "' --page " + std::to_string(page),
                            dir.path())
            .out;
    }
    test::TempFolder dir;
};

TEST_F(Replay, PlacementFieldsAtPitchEightTopTen) {
    const auto r = replay("--new --type 3 --top 10",
                          "mode 6\nclick 100 250\n\n# a dot\nmode 11\nclick 100 250\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(records(), "0: 6 16 11 0 0 0 0 0 0 0\n1: 11 100 11 0 0 0 0 0 0 0\n");
}

TEST_F(Replay, MessagesArePrintedAndAnsweredInOrder) {
    const auto r = replay("--new --type 3",
                          "command region-erase\nclick 300 300\nclick 320 320\n"
                          "command clip-paste\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out,
        "message: 対象となるデータがありません。\nmessage: クリップボードにデータがありません。\n");
}

TEST_F(Replay, ClipboardFileAndPasteAcrossPages) {
    ASSERT_EQ(
        replay(
            "--new --type 3 --top 15",
            "mode 6\nclick 96 328\n"  // column 16, row 11
            "command clip-copy\nmove 90 320\npress left 90 320\nmove 108 360\npress left 108 360\n")
            .status,
        0);
    EXPECT_EQ(readWholeFile(dir.file("NomaDataClipboard.txt")).value(),
              "15 40 18 45 1\r\n6 16 11 0 0 0 0 0 0 0 \r\n");
    EXPECT_TRUE(fileExists(dir.file("NomaJpgClipboard.jpg")));
    // The clipboard survives into another session.
    const auto r = replay("--new --type 3", "command clip-paste\nmove 200 400\nclick 200 400\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    // Region 15 40 18 45 with the pointer at (200, 400): target column 33 - 1, row 50 - 2.
    EXPECT_EQ(records(), "0: 6 33 19 0 0 0 0 0 0 0\n");
}

TEST_F(Replay, HistoryUndoAndRedoStepThroughTheSession) {
    // Two notes, the second nudged twice (one step): back over the nudges and the second note,
    // forward over the note again; the nudges stay undone.
    const auto r = replay("--new --type 3",
                          "mode 6\nclick 100 250\nclick 130 250\nkey Right\nkey Right\n"
                          "command history-undo\ncommand history-undo\ncommand history-redo\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(records(), "0: 6 16 7 0 0 0 0 0 0 0\n1: 6 21 7 0 0 0 0 0 0 0\n");
}

TEST_F(Replay, UndoAndNudgesThroughKeys) {
    const auto r =
        replay("--new --type 3",
               "mode 6\nclick 100 250\nclick 130 250\nkey BackSpace\nkey Right\nkey Down shift\n");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(records(), "0: 6 17 8 0 0 0 0 0 0 0\n");
}

TEST_F(Replay, PagesAndViewCommands) {
    const auto r = replay(
        "--new",
        "answer yes\ncommand next-page\ncommand page 1\ncommand top-margin 13\ncommand grid 3\n"
        "command hot\ncommand rules\ncommand display kana\ncommand previous-page\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "message: ページを追加しますか？\n");
    const auto info = test::runCli("info '" + dir.file("out.nmg") + "'", dir.path()).out;
    EXPECT_NE(info.find("pages 2 "), std::string::npos);
    EXPECT_NE(info.find("page 1 type 1 symbols 24 top 13 "), std::string::npos);
}

TEST_F(Replay, PngHoldsThePreview) {
    ASSERT_TRUE(writeFileAtomically(dir.file("s.txt"), "mode 6\nmove 300 500\n").ok());
    const auto out =
        test::runCli("replay --new --folder '" + dir.path() + "' '" + dir.file("s.txt") +
                         "' --png '" + dir.file("v.png") + "' -o '" + dir.file("out.nmg") + "'",
                     dir.path());
    ASSERT_EQ(out.status, 0) << out.err;
    const auto png = readPngFile(dir.file("v.png"));
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->width(), 630);
    EXPECT_EQ(png->height(), 940);
    int red = 0;
    for (int y = 450; y < 530; ++y)
        for (int x = 280; x < 330; ++x) red += png->getPixel(x, y) == rgb(255, 0, 0);
    EXPECT_GT(red, 30);  // the red note under the pointer
}

TEST_F(Replay, BadScriptsAndInputsAreRefused) {
    auto r = replay("--new", "mode 6\nfly 1 2\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 2"), std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("out.nmg")));
    EXPECT_EQ(replay("--new", "press up 1 2\n").status, 1);
    EXPECT_EQ(replay("--new", "mode 57\n").status, 1);
    EXPECT_EQ(replay("--new", "command grid 9\n").status, 1);
    EXPECT_EQ(replay("--new --pitch 12", "").status, 2);
    ASSERT_TRUE(writeFileAtomically(dir.file("bad.nmg"), "1 8 0").ok());
    EXPECT_EQ(replay("'" + dir.file("bad.nmg") + "'", "").status, 1);
    EXPECT_EQ(replay("--type 2 '" + dir.file("bad.nmg") + "'", "").status, 2);
}

TEST_F(Replay, BrailleEntryInEveryMode) {
    const auto r = replay(
        "--new --type 3",
        "mode 40\nclick 100 200\nbraille-mode romaji\nbraille-type kyo\n"
        "braille-mode sixkey\nbraille-key f\nbraille-key d\nbraille-key f up\nbraille-key d up\n"
        "braille-key Space\nbraille-key Space up\n"
        "braille-mode direct\nbraille-type a 1\nbraille-key Enter\nbraille-close\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(records(),
              "0: 40 96 8 8 0 0 0 0 0 0\n1: 40 115 8 42 0 0 0 0 0 0\n2: 40 134 8 3 0 0 0 0 0 0\n"
              "3: 40 153 8 0 0 0 0 0 0 0\n4: 40 172 8 1 0 0 0 0 0 0\n5: 40 191 8 0 0 0 0 0 0 0\n"
              "6: 40 210 8 60 0 0 0 0 0 0\n7: 40 229 8 1 0 0 0 0 0 0\n");
}

TEST_F(Replay, BrailleCommitAtTheRightEdgeAndCursorKeys) {
    const auto r =
        replay("--new --type 3",
               "mode 40\nclick 576 200\nbraille-mode direct\nbraille-type abc\nbraille-key Enter\n"
               "braille-key BackSpace\nbraille-key Down\nbraille-key Left shift\n"
               "braille-type d\nbraille-key Enter\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "message: 範囲を超えた分は記入できませんでした。\n");
    // a and b fit (x 576, 595); BackSpace removed b; Down and Shift+Left moved the cursor.
    EXPECT_EQ(records(), "0: 40 576 8 1 0 0 0 0 0 0\n1: 40 592 48 25 0 0 0 0 0 0\n");
}

}  // namespace
}  // namespace noma
