#include <cstdio>
#include <filesystem>
#include <memory>

#include "WorkspaceFixture.h"
#include "app/MidiPlayback.h"
#include "document/SymbolKind.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::Answer;
using test::WorkspaceTest;

std::string hex(const std::string& bytes) {
    std::string text;
    char buffer[4];
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", c);
        text += (text.empty() ? "" : " ") + std::string(buffer);
    }
    return text;
}

// What the synthesizer was handed: the file's path and its bytes at that moment.
class ListeningPlayback : public MidiPlayback {
  public:
    Status play(const std::string& midiPath) override {
        paths.push_back(midiPath);
        heard.push_back(readWholeFile(midiPath).value_or("(unreadable)"));
        return answer;
    }
    std::vector<std::string> paths;
    std::vector<std::string> heard;
    Status answer;
};

SymbolRecord record(std::initializer_list<int32_t> fields) {
    SymbolRecord r;
    int i = 0;
    for (int32_t v : fields) r[i++] = v;
    return r;
}

// The tempo track's bytes for a tempo, then the note track of the given events.
std::string midiFile(const std::string& tempoBytes, const std::string& program,
                     const std::string& events) {
    const size_t eventBytes = events.empty() ? 0 : (events.size() + 1) / 3;
    char length[24];
    std::snprintf(length, sizeof length, "%02zX", eventBytes + 7);
    return "4D 54 68 64 00 00 00 06 00 01 00 02 00 30 4D 54 72 6B 00 00 00 13 00 FF 03 00 00 FF "
           "02 00 00 FF 51 03 " +
           tempoBytes + " 00 FF 2F 00 4D 54 72 6B 00 00 00 " + length + " 00 C0 " + program +
           (events.empty() ? "" : " " + events) + " 00 FF 2F 00";
}

// The default new score (four treble staves) with B4 and D5 quarters on the first stave and
// a G4 half note on the second page's first stave.
class MusicCommandsTest : public WorkspaceTest {
  protected:
    MusicCommandsTest() {
        newScore();
        ws.document().append(0, record({kQuarterNoteUp, 20, 4}));
        ws.document().append(0, record({kQuarterNoteUp, 26, 2}));
        ws.pageAdd();
        ws.document().append(1, record({kHalfNote, 20, 6}));
        ws.selectPage(0);
        ws.document().dataChanged = false;
    }
    MidiSettings everyPage() const {
        MidiSettings s;
        s.lastPage = 2;
        return s;
    }
    std::string playbackFile() const { return file("NOMAtoMIDI.mid"); }

    ListeningPlayback playback;
};

constexpr const char* kB4D5 = "00 90 47 64 30 47 00 00 90 4A 64 30 4A 00";
constexpr const char* kG4Half = "00 90 43 64 60 43 00";

TEST_F(MusicCommandsTest, PlayWritesTheProgramFolderFileAndPlaysIt) {
    ws.midiPlay(everyPage(), playback);
    ASSERT_EQ(playback.paths, std::vector<std::string>{playbackFile()});
    EXPECT_EQ(hex(playback.heard[0]),
              midiFile("07 A1 20", "00", std::string(kB4D5) + " " + kG4Half));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(ws.document().dataChanged);

    // Each play overwrites the file with the dialog's current values.
    MidiSettings slow = everyPage();
    slow.tempo = 60;
    slow.timbreItem = 11;
    slow.firstPage = 2;
    ws.midiPlay(slow, playback);
    ASSERT_EQ(playback.heard.size(), 2u);
    EXPECT_EQ(hex(playback.heard[1]), midiFile("0F 42 40", "4F", kG4Half));
    EXPECT_EQ(readWholeFile(playbackFile()).value_or(""), playback.heard[1]);
}

TEST_F(MusicCommandsTest, PlayHoldsThePageRangeAndTempoWithinTheDocument) {
    MidiSettings wild;
    wild.firstPage = -3;
    wild.lastPage = 40;
    wild.tempo = 1000;
    ws.midiPlay(wild, playback);
    ASSERT_EQ(playback.heard.size(), 1u);
    // 60000000 / 300 = 200000 = 03 0D 40.
    EXPECT_EQ(hex(playback.heard[0]),
              midiFile("03 0D 40", "00", std::string(kB4D5) + " " + kG4Half));

    // A range that holds no page is refused, not played as silence.
    MidiSettings backwards = everyPage();
    backwards.firstPage = 2;
    backwards.lastPage = 1;
    ws.midiPlay(backwards, playback);
    EXPECT_EQ(playback.heard.size(), 1u);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "開始ページが終了ページより後にあるため、変換できません。");
}

TEST_F(MusicCommandsTest, PlaybackTroubleIsShownInsteadOfSwallowed) {
    playback.answer = Failure{"音源ファイル（サウンドフォント）が見つかりません。", "no soundfont"};
    ws.midiPlay(everyPage(), playback);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "音源ファイル（サウンドフォント）が見つかりません。");
    EXPECT_EQ(dialogs.messages()[0].title, "確認");
    EXPECT_EQ(dialogs.messages()[0].buttons, Dialogs::Buttons::Ok);

    // A file that cannot be written is reported and nothing is played.
    std::filesystem::remove(playbackFile());
    std::filesystem::create_directory(playbackFile());
    ws.midiPlay(everyPage(), playback);
    EXPECT_EQ(playback.paths.size(), 1u);
    EXPECT_EQ(dialogs.messageTexts().back(), "ＭＩＤＩファイルを書き込めませんでした。");
}

TEST_F(MusicCommandsTest, SaveReplacesTheExtensionAndConfirms) {
    dialogs.queueFileName(file("song.txt"));
    EXPECT_TRUE(ws.midiSave(everyPage()));
    EXPECT_EQ(dialogs.fileDialogTitles(), std::vector<std::string>{"ＭＩＤＩファイルの保存"});
    EXPECT_FALSE(fileExists(file("song.txt")));
    EXPECT_EQ(hex(readWholeFile(file("song.mid")).value_or("")),
              midiFile("07 A1 20", "00", std::string(kB4D5) + " " + kG4Half));
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"ＭＩＤＩファイルを保存しました。"});
    EXPECT_EQ(dialogs.messages()[0].title, "確認");
    EXPECT_FALSE(fileExists(playbackFile()));
}

TEST_F(MusicCommandsTest, SaveOverAnExistingFileAsksFirst) {
    ASSERT_TRUE(writeFileAtomically(file("song.mid"), "keep").ok());
    // No: the save dialog comes back; the second name is free.
    dialogs.queueFileName(file("song"));
    dialogs.queueAnswer(Answer::No);
    dialogs.queueFileName(file("other.MID"));
    EXPECT_TRUE(ws.midiSave(everyPage()));
    EXPECT_EQ(dialogs.fileDialogTitles().size(), 2u);
    EXPECT_EQ(readWholeFile(file("song.mid")).value_or(""), "keep");
    EXPECT_TRUE(fileExists(file("other.mid")));
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<std::string>{"同名のファイルが存在します。上書きしますか？",
                                        "ＭＩＤＩファイルを保存しました。"}));
    EXPECT_EQ(dialogs.messages()[0].buttons, Dialogs::Buttons::YesNoCancel);

    // Cancel ends the command without writing.
    dialogs.queueFileName(file("song.mid"));
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(ws.midiSave(everyPage()));
    EXPECT_EQ(readWholeFile(file("song.mid")).value_or(""), "keep");

    // Yes replaces it.
    dialogs.queueFileName(file("song.mid"));
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(ws.midiSave(everyPage()));
    EXPECT_EQ(readWholeFile(file("song.mid"))->substr(0, 4), "MThd");
}

TEST_F(MusicCommandsTest, TheQuestionIsAboutTheFileThatWouldBeReplaced) {
    // "song.nmg" exists but is not touched: no question. "tune.txt" does not exist, but
    // "tune.mid" would be replaced: the question comes.
    ASSERT_TRUE(writeFileAtomically(file("song.nmg"), "score").ok());
    ASSERT_TRUE(writeFileAtomically(file("tune.mid"), "keep").ok());
    dialogs.queueFileName(file("song.nmg"));
    EXPECT_TRUE(ws.midiSave(everyPage()));
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"ＭＩＤＩファイルを保存しました。"});
    EXPECT_EQ(readWholeFile(file("song.nmg")).value_or(""), "score");
    dialogs.queueFileName(file("tune.txt"));  // answered by the default, No, then cancelled
    EXPECT_FALSE(ws.midiSave(everyPage()));
    EXPECT_EQ(dialogs.messageTexts().back(), "同名のファイルが存在します。上書きしますか？");
    EXPECT_EQ(readWholeFile(file("tune.mid")).value_or(""), "keep");
}

TEST_F(MusicCommandsTest, MusicXmlExportAsksForItsFileAndReplacesOnlyWhenTold) {
    ASSERT_TRUE(writeFileAtomically(file("song.musicxml"), "keep").ok());
    dialogs.queueFileName(file("song.txt"));  // the .musicxml beside it would be replaced
    dialogs.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(ws.musicXmlExport(everyPage()));
    EXPECT_EQ(readWholeFile(file("song.musicxml")).value_or(""), "keep");
    EXPECT_EQ(dialogs.fileDialogTitles(), std::vector<std::string>{"MusicXMLファイルの保存"});

    dialogs.queueFileName(file("song"));
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(ws.musicXmlExport(everyPage()));
    EXPECT_NE(readWholeFile(file("song.musicxml"))->find("<score-partwise version=\"4.0\">"),
              std::string::npos);
    EXPECT_EQ(dialogs.messageTexts().back(), "MusicXMLファイルを書き出しました。");
}

TEST_F(MusicCommandsTest, CancelledOrFailedSaveKeepsTheDialogOpen) {
    dialogs.queueCancelledFileDialog();
    EXPECT_FALSE(ws.midiSave(everyPage()));
    EXPECT_TRUE(dialogs.messages().empty());
    std::filesystem::create_directory(file("folder.mid"));
    dialogs.queueFileName(file("folder.mid"));
    dialogs.queueAnswer(Answer::Yes);
    EXPECT_FALSE(ws.midiSave(everyPage()));
    EXPECT_EQ(dialogs.messageTexts().back(), "ＭＩＤＩファイルを書き込めませんでした。");
}

TEST_F(WorkspaceTest, MusicCommandsNeedAnOpenDocument) {
    ListeningPlayback playback;
    ws.midiPlay(MidiSettings{}, playback);
    dialogs.queueFileName(file("x.mid"));
    EXPECT_FALSE(ws.midiSave(MidiSettings{}));
    ws.transposition();
    EXPECT_TRUE(playback.paths.empty());
    EXPECT_TRUE(dialogs.fileDialogTitles().empty());
    EXPECT_EQ(forms.transpositionShown, 0);
    EXPECT_FALSE(ws.document().dataChanged);
}

// ---- transposition ----

TEST_F(MusicCommandsTest, TranspositionMovesNotesAndReplacesTheKeyThenRedraws) {
    forms.fillTransposition = [](TranspositionForm& f) {
        EXPECT_EQ(f.firstPage(), 1);
        EXPECT_EQ(f.lastPage(), 2);
        EXPECT_EQ(f.shiftItem(), 7);
        f.setKeyItem(3);    // D major: two sharps
        f.setShiftItem(6);  // one step up
        f.setLastPage(1);
    };
    const int renders = ws.renderCount();
    ws.transposition();
    EXPECT_EQ(forms.transpositionShown, 1);
    const ScoreDocument& doc = ws.document();
    // 24 staff records, two notes, two sharps beside each of the four clefs.
    ASSERT_EQ(doc.symbolCount(0), 34);
    EXPECT_EQ(doc.record(0, 24), record({kQuarterNoteUp, 20, 3}));
    EXPECT_EQ(doc.record(0, 25), record({kQuarterNoteUp, 26, 1}));
    // The first clef stands on row 4: sharps at rows 0 + 0 and 0 + 3, columns 12 and 14.
    EXPECT_EQ(doc.record(0, 26), record({kKeySharp, 12, 0}));
    EXPECT_EQ(doc.record(0, 27), record({kKeySharp, 14, 3}));
    EXPECT_EQ(doc.record(1, doc.symbolCount(1) - 1), record({kHalfNote, 20, 6}));
    EXPECT_TRUE(doc.dataChanged);
    EXPECT_EQ(ws.renderCount(), renders + 1);
    // The new sharp is on the page image: its picture covers part of the F5 line's area.
    int ink = 0;
    for (int y = (0 + 24) * 8 - 12; y < (0 + 24) * 8 + 12; ++y) {
        for (int x = 70; x < 80; ++x) ink += ws.viewImage().getPixel(x, y) == kBlack;
    }
    EXPECT_GT(ink, 10);
}

TEST_F(MusicCommandsTest, CancelledTranspositionChangesNothingButStillMarksAndRedraws) {
    forms.pressOk = false;
    forms.fillTransposition = [](TranspositionForm& f) {
        f.setKeyItem(5);
        f.setShiftItem(0);
    };
    const auto before = std::make_unique<ScoreDocument>(ws.document());
    const int renders = ws.renderCount();
    ws.transposition();
    for (int page = 0; page < 2; ++page) {
        ASSERT_EQ(ws.document().symbolCount(page), before->symbolCount(page));
        for (int i = 0; i < before->symbolCount(page); ++i) {
            EXPECT_EQ(ws.document().record(page, i), before->record(page, i)) << i;
        }
    }
    EXPECT_TRUE(ws.document().dataChanged);
    EXPECT_EQ(ws.renderCount(), renders + 1);
}

TEST_F(MusicCommandsTest, TranspositionKeepsKeyAndShiftButNotThePageRange) {
    forms.fillTransposition = [](TranspositionForm& f) {
        f.setKeyItem(9);
        f.setShiftItem(12);
        f.setFirstPage(2);
        f.setLastPage(7);  // held to the two pages
        EXPECT_EQ(f.lastPage(), 2);
    };
    forms.pressOk = false;
    ws.transposition();
    forms.fillTransposition = [](TranspositionForm& f) {
        EXPECT_EQ(f.keyItem(), 9);
        EXPECT_EQ(f.shiftItem(), 12);
        EXPECT_EQ(f.firstPage(), 1);
        EXPECT_EQ(f.lastPage(), 2);
        f.setKeyItem(-1);  // an empty key box selects the first key
        EXPECT_EQ(f.keyItem(), 0);
        EXPECT_EQ(f.settings().shift, -5);
    };
    forms.pressOk = true;
    ws.transposition();
    EXPECT_EQ(forms.transpositionShown, 2);
    EXPECT_EQ(ws.document().record(0, 24), record({kQuarterNoteUp, 20, 9}));
}

TEST_F(MusicCommandsTest, UndoAfterTranspositionDoesNotTouchARecordItMoved) {
    // A pick-up recorded before points at record 24; transposition shifts the records, so the
    // undo afterwards must fall back to removing the last record.
    ws.editor().state().lastEditKind = kRecordMoved;
    ws.editor().state().pickedIndex = 24;
    ws.editor().state().removedRecord = record({kQuarterNoteUp, 20, 10});
    forms.fillTransposition = [](TranspositionForm& f) { f.setKeyItem(1); };
    ws.transposition();
    const int count = ws.document().symbolCount(0);
    ws.undo();
    ASSERT_EQ(ws.document().symbolCount(0), count - 1);
    EXPECT_EQ(ws.document().record(0, 24), record({kQuarterNoteUp, 20, 4}));
    EXPECT_EQ(ws.document().record(0, count - 2).kind(), kKeySharp);
}

TEST_F(MusicCommandsTest, AFullPageKeepsWhatFitsAndSaysSo) {
    ScoreDocument& doc = ws.document();
    while (doc.symbolCount(0) < kMaxRecords) doc.append(0, record({kStaccatoMark, 40, 4}));
    forms.fillTransposition = [](TranspositionForm& f) { f.setKeyItem(2); };
    ws.transposition();
    EXPECT_EQ(doc.symbolCount(0), kMaxRecords);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("１０００"), std::string::npos);
    EXPECT_NE(dialogs.messages()[0].text.find("1"), std::string::npos);
    EXPECT_EQ(dialogs.messages()[0].title, "確認");
}

// ---- search ----

int aquaIn(Canvas& c, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += c.getPixel(x, y) == rgb(0, 255, 255);
    return n;
}

TEST_F(MusicCommandsTest, SearchMarksTheTargetKindBehindItsSymbols) {
    ws.selectMode(kQuarterNoteUp);
    ws.showSearchWindow();
    EXPECT_EQ(ws.view().searchTarget, kQuarterNoteUp);
    EXPECT_EQ(ws.view().searchActive, 0);
    EXPECT_EQ(aquaIn(ws.viewImage(), 0, 0, 630, 940), 0);

    ws.toggleSearch();
    EXPECT_EQ(ws.view().searchActive, 1);
    // B4 at (120, 224): a disc of radius 20 inscribed in (100, 204)-(140, 244).
    Canvas& view = ws.viewImage();
    EXPECT_EQ(view.getPixel(100, 222), rgb(0, 255, 255));
    EXPECT_EQ(view.getPixel(99, 222), kWhite);
    EXPECT_EQ(view.getPixel(139, 222), rgb(0, 255, 255));
    EXPECT_EQ(view.getPixel(140, 222), kWhite);
    EXPECT_EQ(view.getPixel(119, 204), rgb(0, 255, 255));
    EXPECT_EQ(view.getPixel(119, 203), kWhite);
    EXPECT_GT(aquaIn(view, 136, 188, 176, 228), 300);  // D5 at (156, 208)
    // Nothing beyond the two discs, and the staff line over them stays black.
    EXPECT_EQ(aquaIn(view, 0, 0, 630, 940), aquaIn(view, 100, 188, 176, 244));
    EXPECT_EQ(view.getPixel(104, 224), kBlack);
    EXPECT_EQ(aquaIn(view, 0, 0, 630, 940), aquaIn(ws.backImage(), 0, 0, 630, 940));
    EXPECT_FALSE(ws.document().dataChanged);

    ws.toggleSearch();
    EXPECT_EQ(aquaIn(ws.viewImage(), 0, 0, 630, 940), 0);
}

TEST_F(MusicCommandsTest, TheTargetFollowsTheToolOnlyWhenShownOrRetargeted) {
    ws.selectMode(kStaccatoMark);
    ws.showSearchWindow();
    ws.toggleSearch();
    ws.selectMode(kQuarterNoteUp);  // arming another tool leaves the search alone
    ws.redraw();
    EXPECT_EQ(ws.view().searchTarget, kStaccatoMark);
    EXPECT_EQ(aquaIn(ws.viewImage(), 0, 0, 630, 940), 0);
    const int renders = ws.renderCount();
    ws.retargetSearch();
    EXPECT_EQ(ws.renderCount(), renders + 1);
    EXPECT_EQ(ws.view().searchTarget, kQuarterNoteUp);
    EXPECT_GT(aquaIn(ws.viewImage(), 100, 204, 140, 244), 600);

    // Showing the window again takes the tool armed then and shows its marks at once.
    ws.selectMode(kHalfNote);
    ws.showSearchWindow();
    EXPECT_EQ(ws.view().searchTarget, kHalfNote);
    EXPECT_EQ(aquaIn(ws.viewImage(), 0, 0, 630, 940), 0);
}

TEST_F(MusicCommandsTest, MarksStayAcrossPageChangesUntilSwitchedOff) {
    ws.selectMode(kHalfNote);
    ws.showSearchWindow();
    ws.toggleSearch();
    EXPECT_EQ(aquaIn(ws.viewImage(), 0, 0, 630, 940), 0);  // page 1 has no half notes
    ws.nextPage();
    EXPECT_GT(aquaIn(ws.viewImage(), 100, 220, 140, 260), 600);  // G4 at (120, 240)
    ws.fileClose();
    EXPECT_EQ(ws.view().searchActive, 1);
}

TEST_F(WorkspaceTest, SearchWithoutADocumentOnlyKeepsItsState) {
    ws.showSearchWindow();
    ws.toggleSearch();
    ws.retargetSearch();
    EXPECT_EQ(ws.view().searchActive, 1);
    EXPECT_EQ(ws.view().searchTarget, 0);
    EXPECT_EQ(ws.renderCount(), 0);
}

}  // namespace
}  // namespace noma
