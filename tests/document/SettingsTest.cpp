#include "document/Settings.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/FileIo.h"

namespace noma {
namespace {

TEST(SettingsFile, DefaultsAreWrittenExactly) {
    EXPECT_EQ(formatSettings(Settings{}), "3 1 f d s j k l --;--;--;--;--;--;--;--;\r\n");
}

TEST(SettingsFile, RoundTripOfEveryValue) {
    Settings s;
    s.printStrength = 6;
    s.recorderLayout = 0;
    s.sixKeyMap = {'a', 'b', 'c', 'x', 'y', 'z'};
    s.recentFiles.remember("/music/b.nmg");
    s.recentFiles.remember("/music/a b.nmg");
    const std::string text = formatSettings(s);
    EXPECT_EQ(text, "6 0 a b c x y z --/music/a b.nmg;--/music/b.nmg;--;--;--;--;--;--;\r\n");
    const Settings back = parseSettings(text);
    EXPECT_EQ(back.printStrength, 6);
    EXPECT_EQ(back.recorderLayout, 0);
    EXPECT_EQ(back.sixKeyMap, s.sixKeyMap);
    for (int n = 0; n < RecentFiles::kCount; ++n)
        EXPECT_EQ(back.recentFiles.entry(n), s.recentFiles.entry(n));
    EXPECT_EQ(back.upperKey(0), 'A');
}

TEST(SettingsFile, WindowsStyleFileIsRead) {
    const Settings s =
        parseSettings("3 1 f d s j k l --C:\\score\\a.nmg;--;--;--;--;--;--;--;\r\n");
    EXPECT_EQ(s.recentFiles.entry(0), "--C:\\score\\a.nmg");
    EXPECT_EQ(s.recentFiles.path(0), "C:\\score\\a.nmg");
    EXPECT_EQ(s.recentFiles.caption(0), "(&1)--C:\\score\\a.nmg");
    EXPECT_TRUE(s.recentFiles.isEmpty(1));
}

TEST(SettingsFile, TruncatedFileStopsAtItsEnd) {
    Settings s = parseSettings("4 0 q w e r t y --/a.nmg;--/b.nmg;--/c");
    EXPECT_EQ(s.printStrength, 4);
    EXPECT_EQ(s.sixKeyMap[5], 'y');
    EXPECT_EQ(s.recentFiles.entry(1), "--/b.nmg");
    EXPECT_TRUE(s.recentFiles.isEmpty(2));  // no ";" after it: not read
    s = parseSettings("5 0 q w");
    EXPECT_EQ(s.printStrength, 5);
    EXPECT_EQ(s.sixKeyMap[1], 'w');
    EXPECT_EQ(s.sixKeyMap[2], 's');
    s = parseSettings("");
    EXPECT_EQ(s.printStrength, 3);
    EXPECT_EQ(s.recorderLayout, 1);
}

TEST(SettingsFile, HandEditedValuesAreTamed) {
    const std::string longEntry = "--/" + std::string(400, 'x');
    const Settings s = parseSettings("9 7 fish D 7 jj k l " + longEntry + ";garbage;--/ok.nmg;");
    EXPECT_EQ(s.printStrength, 3);
    EXPECT_EQ(s.recorderLayout, 1);
    EXPECT_EQ(s.sixKeyMap[0], 'f');  // first character of a longer word
    EXPECT_EQ(s.sixKeyMap[1], 'd');  // upper case taken as lower case
    EXPECT_EQ(s.sixKeyMap[2], 's');  // not a letter: default kept
    EXPECT_EQ(s.sixKeyMap[3], 'j');
    EXPECT_TRUE(s.recentFiles.isEmpty(0));
    EXPECT_TRUE(s.recentFiles.isEmpty(1));
    EXPECT_EQ(s.recentFiles.entry(2), "--/ok.nmg");
}

TEST(SettingsFile, FolderReadAndWrite) {
    test::TempFolder dir;
    EXPECT_EQ(readSettingsFile(dir.path()).printStrength, 3);
    Settings s;
    s.printStrength = 2;
    ASSERT_TRUE(writeSettingsFile(dir.path(), s).ok());
    EXPECT_EQ(readWholeFile(dir.file("NOMA_218_Shokika.ini")).value(),
              "2 1 f d s j k l --;--;--;--;--;--;--;--;\r\n");
    EXPECT_EQ(readSettingsFile(dir.path()).printStrength, 2);
    EXPECT_FALSE(writeSettingsFile(dir.file("missing"), s).ok());
}

TEST(RecentFileList, SameFileTwiceKeepsOneEntryAtTheTop) {
    RecentFiles r;
    ASSERT_TRUE(r.remember("/a.nmg"));
    ASSERT_TRUE(r.remember("/a.nmg"));
    EXPECT_EQ(r.entry(0), "--/a.nmg");
    EXPECT_TRUE(r.isEmpty(1));
}

TEST(RecentFileList, OpeningEntryFourMovesItToTheTop) {
    RecentFiles r;
    for (int i = 7; i >= 0; --i) r.remember("/f" + std::to_string(i));
    r.remember("/f4");
    const char* expected[] = {"/f4", "/f0", "/f1", "/f2", "/f3", "/f5", "/f6", "/f7"};
    for (int n = 0; n < 8; ++n) EXPECT_EQ(r.path(n), expected[n]);
}

TEST(RecentFileList, NinthFilePushesOutTheOldest) {
    RecentFiles r;
    for (int i = 0; i < 9; ++i) r.remember("/f" + std::to_string(i));
    EXPECT_EQ(r.path(0), "/f8");
    EXPECT_EQ(r.path(7), "/f1");
}

TEST(RecentFileList, RemoveMovesLaterEntriesUp) {
    RecentFiles r;
    for (int i = 2; i >= 0; --i) r.remember("/f" + std::to_string(i));
    r.remove(1);
    EXPECT_EQ(r.path(0), "/f0");
    EXPECT_EQ(r.path(1), "/f2");
    EXPECT_TRUE(r.isEmpty(2));
    EXPECT_EQ(r.caption(7), "(&8)--");
}

TEST(RecentFileList, PathsTheFileCannotHoldAreRefused) {
    RecentFiles r;
    EXPECT_FALSE(r.remember("/a;b.nmg"));
    EXPECT_FALSE(r.remember("/a\nb.nmg"));
    EXPECT_FALSE(r.remember(""));
    EXPECT_FALSE(r.remember("/" + std::string(300, 'x')));
    EXPECT_TRUE(r.isEmpty(0));
}

}  // namespace
}  // namespace noma
