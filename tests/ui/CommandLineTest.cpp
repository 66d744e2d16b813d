#include <gtest/gtest.h>

#include "TempFolder.h"
#include "ui/CommandLine.h"

namespace noma {
namespace {

using Action = EditorCommandLine::Action;

TEST(EditorCommandLine, OpensOneScoreAndRefusesASecond) {
    EditorCommandLine one = parseEditorCommandLine({"song.nmg"});
    EXPECT_EQ(one.action, Action::Run);
    EXPECT_EQ(one.score, "song.nmg");
    EXPECT_EQ(parseEditorCommandLine({}).score, std::nullopt);

    EditorCommandLine two = parseEditorCommandLine({"a.nmg", "b.nmg"});
    EXPECT_EQ(two.action, Action::UsageError);
    EXPECT_EQ(two.error, "only one score can be opened: 'b.nmg' is a second file name");
    EXPECT_EQ(two.score, std::nullopt);

    EditorCommandLine unknown = parseEditorCommandLine({"--verbose", "a.nmg"});
    EXPECT_EQ(unknown.action, Action::UsageError);
    EXPECT_EQ(unknown.error, "unknown option --verbose");

    // After "--" a name that looks like an option is a score, and "--help" is no longer help.
    EditorCommandLine dashed = parseEditorCommandLine({"--", "--help"});
    EXPECT_EQ(dashed.action, Action::Run);
    EXPECT_EQ(dashed.score, "--help");
}

TEST(EditorCommandLine, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(parseEditorCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(parseEditorCommandLine({"a.nmg", "b.nmg", "-h"}).action, Action::Help);
    EXPECT_EQ(parseEditorCommandLine({"--version", "--help"}).action, Action::Help);
    EditorCommandLine version = parseEditorCommandLine({"--bogus", "--version"});
    EXPECT_EQ(version.action, Action::Version);
    EXPECT_EQ(version.score, std::nullopt);
}

TEST(EditorCommandLine, NamesWhyAScoreCannotBeOpened) {
    test::TempFolder folder;
    const std::string missing = folder.file("missing.nmg");
    const Status missingScore = unreadableScore(missing);
    ASSERT_FALSE(missingScore.ok());
    EXPECT_EQ(missingScore.failure().message, "ファイルを開けませんでした。\n" + missing);
    EXPECT_EQ(missingScore.failure().gloss,
              "cannot open " + missing + ": No such file or directory");
    EXPECT_EQ(unreadableScore(folder.path()).failure().gloss,
              "cannot open " + folder.path() + ": it is a folder");
    EXPECT_TRUE(unreadableScore(std::string(NOMA_EXAMPLE_SCORE)).ok());
}

}  // namespace
}  // namespace noma
