#include <functional>

#include "WorkspaceFixture.h"
#include "app/ReplayScript.h"
#include "document/ScoreFile.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::Answer;
using test::WorkspaceTest;

class HistoryTest : public WorkspaceTest {
  protected:
    HistoryTest() { newScore(); }

    void play(const std::string& script) {
        ReplayScript replay(ws, dialogs);
        const Status ran = replay.run(script);
        ASSERT_TRUE(ran.ok()) << ran.failure().gloss;
    }
    // The press point of the last record of `kind` on the current page.
    std::string hotOf(int kind) {
        const ScoreDocument& doc = ws.document();
        const int page = doc.currentPage;
        for (int i = doc.symbolCount(page) - 1; i >= 0; --i) {
            if (doc.record(page, i).kind() != kind) continue;
            const HotPosition hot = hotPosition(doc.record(page, i), doc.settings(page).topMargin,
                                                doc.header.verticalPitch);
            return std::to_string(hot.x) + " " + std::to_string(hot.y);
        }
        ADD_FAILURE() << "no record of kind " << kind;
        return "0 0";
    }
    // The score as the save writes it, with the page shown.
    std::string saved() {
        const std::string path = file("state.nmg");
        EXPECT_TRUE(writeScoreFile(ws.document(), path).ok());
        return *readWholeFile(path) + "@page " + std::to_string(ws.document().currentPage);
    }
};

TEST_F(HistoryTest, EveryKindOfStepUndoesAndRedoesToTheSavedFileOfThatStep) {
    const std::string data = std::string(std::getenv("NOMA_TEST_DATA")) + "/musicxml/";
    forms.fillTransposition = [](TranspositionForm& f) { f.setShiftItem(6); };
    const std::vector<std::function<void()>> actions = {
        [&] { play("mode 6\nclick 120 248"); },
        [&] { play("key Right"); },  // three keys, one step
        [&] { play("key Right"); },
        [&] { play("key Down"); },
        [&] { play("mode 11\nclick 200 232"); },
        [&] { play("key BackSpace"); },
        [&] { play("mode 8\nclick 300 300"); },
        [&] { play("mode 6\npress right " + hotOf(kQuarterNoteUp)); },
        [&] { play("release right 10 10"); },
        [&] { play("mode 8\npress left " + hotOf(kHalfNote) + "\nmove 330 330"); },
        [&] { play("release left 330 330"); },
        [&] { play("command region-copy\nclick 90 180\nclick 330 330\nclick 120 420"); },
        [&] { play("key Left"); },
        [&] { play("command region-move\nclick 90 400\nclick 330 520\nclick 110 560"); },
        [&] { play("command region-erase\nclick 90 540\nclick 400 720"); },
        [&] { play("command clip-cut\nclick 90 180\nclick 330 330"); },
        [&] { play("command clip-paste\nclick 300 600"); },
        [&] { play("mode 40\nclick 120 700\nbraille-mode direct\nbraille-type ab"); },
        [&] { play("braille-key Enter"); },
        [&] { play("braille-key BackSpace\nbraille-close"); },
        [&] { play("command top-margin 10"); },
        [&] { ws.pageAdd(); },
        [&] { play("mode 6\nclick 150 300"); },
        [&] { ws.selectPage(0); },
        [&] { ws.pageInsert(); },
        [&] { play("command page 3\nkey BackSpace"); },
        [&] {
            dialogs.queueAnswer(Answer::Yes);
            ws.selectPage(0);
            ws.pageDelete();
        },
        [&] { ws.transposition(); },
        [&] {
            dialogs.queueAnswer(Answer::No);  // the save question
            dialogs.queueFileName(data + "melody.musicxml");
            ws.importMusicXml();
        },
    };
    // states[k]: the saved file when step k was first reached (a nudge series keeps its last).
    std::vector<std::string> states = {saved()};
    for (const auto& action : actions) {
        action();
        const bool series = ws.history().undoName() == "矢印キーによる移動";
        if (ws.history().stepCount() + 1 == states.size() && !series) continue;
        states.resize(ws.history().stepCount() + 1);
        states.back() = saved();
    }
    const size_t steps = states.size() - 1;
    EXPECT_EQ(steps, 23u);
    EXPECT_EQ(ws.undoItemText(), "元に戻す：MusicXMLの読み込み");
    EXPECT_EQ(ws.redoItemText(), "やり直す");

    std::vector<std::string> names;
    for (size_t k = steps; k > 0; --k) {
        names.push_back(ws.history().undoName());
        ws.historyUndo();
        ASSERT_EQ(saved().substr(0, states[k - 1].rfind('@')),
                  states[k - 1].substr(0, states[k - 1].rfind('@')))
            << "after undoing " << names.back();
        EXPECT_TRUE(ws.document().dataChanged);
    }
    EXPECT_FALSE(ws.canHistoryUndo());
    EXPECT_EQ(names, (std::vector<std::string>{"MusicXMLの読み込み",
                                               "移調",
                                               "ページの削除",
                                               "取り消し",
                                               "ページの挿入",
                                               "４分音符の記入",
                                               "ページの追加",
                                               "トップの変更",
                                               "取り消し",
                                               "点字の記入",
                                               "クリップボードから貼り付け",
                                               "切り取ってクリップボードへ",
                                               "領域を指定して消去",
                                               "領域を指定して移動",
                                               "矢印キーによる移動",
                                               "領域を指定してコピー",
                                               "２分音符の移動",
                                               "４分音符の削除",
                                               "２分音符の記入",
                                               "取り消し",
                                               "付点の記入",
                                               "矢印キーによる移動",
                                               "４分音符の記入"}));
    for (size_t k = 1; k <= steps; ++k) {
        ws.historyRedo();
        ASSERT_EQ(saved(), states[k]) << "after redoing step " << k;
    }
    EXPECT_FALSE(ws.canHistoryRedo());
}

TEST_F(HistoryTest, AfterAStepBackBackSpaceAndArrowsDoNothingAndANewEditDropsTheRedo) {
    play("mode 6\nclick 120 248\nclick 180 248");
    const int count = ws.document().symbolCount(0);
    ws.historyUndo();
    EXPECT_EQ(ws.document().symbolCount(0), count - 1);
    EXPECT_EQ(ws.redoItemText(), "やり直す：４分音符の記入");
    const std::string before = saved();
    play("key BackSpace\nkey Right\nkey Down");
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(ws.editState().lastEditKind, kNothingToUndo);
    EXPECT_TRUE(ws.canHistoryRedo());

    play("click 240 248");  // a new edit: what was undone cannot come back
    EXPECT_FALSE(ws.canHistoryRedo());
    EXPECT_EQ(ws.undoItemText(), "元に戻す：４分音符の記入");

    // Open, new and close start an empty history.
    saveAs("a.nmg");
    ASSERT_TRUE(ws.openScore(file("a.nmg")));
    EXPECT_FALSE(ws.canHistoryUndo());
    EXPECT_EQ(ws.undoItemText(), "元に戻す");
    play("click 300 248");
    ws.fileClose();  // default answer to the save question: No
    EXPECT_FALSE(ws.canHistoryUndo());
    ws.historyUndo();  // nothing open: nothing happens
    EXPECT_FALSE(ws.documentOpen());
}

TEST(EditHistoryCap, OldestStepsGoPastTheCountAndTheMemory) {
    ScoreDocument doc;
    doc.interactionState = kIdle;
    EditHistory history(5, size_t{1} << 30);
    history.reset(doc);
    for (int i = 0; i < 8; ++i) {
        doc.append(0, SymbolRecord{{kQuarterNoteUp, i, 0}});
        ASSERT_TRUE(history.record(doc, "n" + std::to_string(i), 0));
    }
    EXPECT_EQ(history.stepCount(), 5u);
    while (history.undo(doc)) {
    }
    EXPECT_EQ(doc.symbolCount(0), 3);  // the three oldest steps are gone for good
    EXPECT_EQ(history.redoName(), "n3");

    // By memory: a full page's worth of records per step, the cap at three such steps.
    ScoreDocument big;
    EditHistory capped(1000, 3 * (kMaxRecords * sizeof(SymbolRecord) + 1024));
    capped.reset(big);
    for (int round = 0; round < 6; ++round) {
        for (int i = 0; i < kMaxRecords; ++i)
            big.record(0, i) = SymbolRecord{{kHalfNote, i, round}};
        big.settings(0).symbolCount = kMaxRecords;
        ASSERT_TRUE(capped.record(big, "r", 0));
    }
    // A step that replaces the whole page holds its records before and after: two of them no
    // longer fit, so only the last is left.
    EXPECT_EQ(capped.stepCount(), 1u);
    EXPECT_LE(capped.bytes(), 3 * (kMaxRecords * sizeof(SymbolRecord) + 1024));
    ASSERT_TRUE(capped.undo(big));
    EXPECT_EQ(big.record(0, 5), (SymbolRecord{{kHalfNote, 5, 4}}));
}

}  // namespace
}  // namespace noma
