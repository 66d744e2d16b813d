#include <sys/wait.h>
#include <unistd.h>

#include "WorkspaceFixture.h"
#include "app/ReplayScript.h"
#include "document/SymbolKind.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

using test::Answer;
using test::WorkspaceTest;

// The id of a process that has ended.
int deadPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return static_cast<int>(child);
}

TEST(RecoveryStoreTest, OnlyTheCopiesOfEndedProcessesAreOffered) {
    test::TempFolder folder;
    ScoreDocument doc;
    doc.append(0, SymbolRecord{{kQuarterNoteUp, 20, 4}});
    doc.currentFileName = "/home/user/曲.nmg";
    const int dead = deadPid();
    RecoveryStore crashed(folder.path(), dead, "1", processAlive);
    ASSERT_TRUE(crashed.claim().ok());
    ASSERT_TRUE(crashed.writeCopy(doc, 1700000000).ok());
    RecoveryStore endedEmpty(folder.path(), dead, "2", processAlive);
    ASSERT_TRUE(endedEmpty.claim().ok());
    // Another editor still running (its id is a live process's).
    RecoveryStore running(folder.path(), static_cast<int>(::getppid()), "3", processAlive);
    ASSERT_TRUE(running.claim().ok());
    ASSERT_TRUE(running.writeCopy(doc, 1700000100).ok());

    RecoveryStore me(folder.path(), currentProcessId(), "4", processAlive);
    const std::vector<RecoveryCopy> found = me.orphans();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].session, crashed.folder());
    EXPECT_EQ(found[0].originalPath, "/home/user/曲.nmg");
    EXPECT_EQ(found[0].savedAt, localTimeText(1700000000));
    EXPECT_EQ(found[0].copyPath, crashed.folder() + "/曲.nmg");
    // The ended run with nothing to give back is cleared away; the running one is left alone.
    EXPECT_FALSE(directoryExists(endedEmpty.folder()));
    EXPECT_TRUE(running.hasCopy());

    // Seen from the running editor, this live process's copies are not for taking either.
    ASSERT_TRUE(me.claim().ok());
    ASSERT_TRUE(me.writeCopy(doc, 1700000200).ok());
    const std::vector<RecoveryCopy> seenByRunning = running.orphans();
    ASSERT_EQ(seenByRunning.size(), 1u);
    EXPECT_EQ(seenByRunning[0].session, crashed.folder());
    // A lock naming one's own id is an earlier run's, whose process id came round again.
    RecoveryStore later(folder.path(), currentProcessId(), "6", processAlive);
    EXPECT_EQ(later.orphans().size(), 2u);
}

TEST_F(WorkspaceTest, AfterACrashTheCopyComesBackChangedUnderItsOriginalName) {
    std::string savedBytes;
    int symbols = 0;
    {
        // A run that never ends cleanly: its Workspace goes without closeWindow().
        ScriptedDialogs crashedDialogs;
        ScriptedFormHost crashedForms;
        Workspace crashed(crashedDialogs, crashedForms, folder.path());
        crashed.startUp();
        crashed.startRecovery();
        crashed.newScore();
        ReplayScript replay(crashed, crashedDialogs);
        ASSERT_TRUE(replay.run("mode 6\nclick 120 248").ok());
        crashedDialogs.queueFileName(file("song.nmg"));
        ASSERT_EQ(crashed.saveAs(), Workspace::SaveOutcome::Saved);
        savedBytes = *readWholeFile(file("song.nmg"));
        crashed.autosave();  // saved: nothing to copy
        EXPECT_FALSE(crashed.recovery()->hasCopy());
        ASSERT_TRUE(replay.run("click 180 248\nclick 240 248").ok());
        crashed.autosave();
        EXPECT_TRUE(crashed.recovery()->hasCopy());
        symbols = crashed.document().symbolCount(0);
    }

    ws.startRecovery();
    dialogs.queueAnswer(Answer::Yes);
    ws.firstActivation();
    ASSERT_FALSE(dialogs.messageTexts().empty());
    const std::string question = dialogs.messageTexts().back();
    EXPECT_EQ(question.rfind("前回、保存されずに終了した楽譜があります。復元しますか？\n\n楽譜：" +
                                 file("song.nmg") + "\n時刻：",
                             0),
              0u);
    EXPECT_EQ(ws.document().symbolCount(0), symbols);
    EXPECT_EQ(ws.document().currentFileName, file("song.nmg"));
    EXPECT_EQ(ws.window().fileName, file("song.nmg"));
    EXPECT_TRUE(ws.document().dataChanged);
    EXPECT_FALSE(ws.canHistoryUndo());
    EXPECT_EQ(*readWholeFile(file("song.nmg")), savedBytes);  // the user's file untouched
    // Offered once: a later start finds nothing.
    const size_t asked = dialogs.messageTexts().size();
    ws.startRecovery();
    ws.firstActivation();
    EXPECT_EQ(dialogs.messageTexts().size(), asked);

    // Copies go on a save, on "don't save", and with the whole run folder on a clean close.
    ws.autosave();
    EXPECT_TRUE(ws.recovery()->hasCopy());
    ASSERT_EQ(ws.overwriteSave(), Workspace::SaveOutcome::Saved);
    EXPECT_FALSE(ws.recovery()->hasCopy());
    ReplayScript replay(ws, dialogs);
    ASSERT_TRUE(replay.run("mode 6\nclick 300 248").ok());
    ws.autosave();
    EXPECT_TRUE(ws.recovery()->hasCopy());
    ws.fileClose();  // the save question's default: No
    EXPECT_FALSE(ws.recovery()->hasCopy());
    const std::string runFolder = ws.recovery()->folder();
    EXPECT_TRUE(directoryExists(runFolder));
    EXPECT_TRUE(ws.closeWindow());
    EXPECT_FALSE(directoryExists(runFolder));
}

}  // namespace
}  // namespace noma
