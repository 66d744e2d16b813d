#include "document/UserSymbolFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/FileIo.h"
#include "render/UserSymbolStore.h"

namespace noma {
namespace {

TEST(UserSymbolFile, NameAndExactBytes) {
    EXPECT_EQ(userSymbolPath("/p", 7), "/p/NMK/NMK7.nmk");
    EXPECT_EQ(userSymbolPath("/p", 96), "/p/NMK/NMK96.nmk");
    const UserSymbolBits bits{3, 2, {0, 1, 0, 1, 1, 0}};
    EXPECT_EQ(formatUserSymbol(bits), "3 2\r\n0 1 0 \r\n1 1 0 \r\n");
}

TEST(UserSymbolFile, ReadsBackWhatItWrites) {
    const UserSymbolBits bits{4, 3, {1, 0, 0, 1, 0, 1, 1, 0, 1, 1, 1, 1}};
    EXPECT_EQ(parseUserSymbol(formatUserSymbol(bits)), bits);
    // Any whitespace separates tokens, as a file edited elsewhere may have it.
    EXPECT_EQ(parseUserSymbol("4 3\n1 0 0 1\n0 1 1 0\t1 1 1 1"), bits);
}

TEST(UserSymbolFile, MalformedTextIsNoSymbol) {
    for (const char* text : {
             "",         // empty
             "0 1\r\n",  // width 0
             "51 1\r\n"
             "1",                  // wider than the grid
             "1 -1\r\n",           // negative height
             "2 2\r\n1 0 1\r\n",   // a token short
             "2 1\r\n1 0 1\r\n",   // a token too many
             "2 1\r\n1 2\r\n",     // not 0 or 1
             "2 1\r\n1 x\r\n",     // not a number
             "a b\r\n",            // no size
             "2\r\n",              // height missing
             "99999999999 1\r\n",  // out of range
         }) {
        EXPECT_FALSE(parseUserSymbol(text).has_value()) << '"' << text << '"';
    }
    // The largest symbol reads.
    std::string full = "50 50\r\n";
    for (int i = 0; i < 2500; ++i) full += "1 ";
    ASSERT_TRUE(parseUserSymbol(full).has_value());
    EXPECT_EQ(parseUserSymbol(full)->cells.size(), 2500u);
}

TEST(UserSymbolStore, RebuildsFromTheFilesAndSkipsBadOnes) {
    test::TempFolder folder;
    ensureDirectory(userSymbolFolder(folder.path()));
    ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(folder.path(), 1), {2, 1, {1, 0}}).ok());
    ASSERT_TRUE(writeFileAtomically(userSymbolPath(folder.path(), 2), "3 3\r\n1 1\r\n").ok());
    ASSERT_TRUE(writeUserSymbolFile(userSymbolPath(folder.path(), 96), {1, 1, {1}}).ok());

    UserSymbolStore store;
    store.rebuild(folder.path());
    EXPECT_TRUE(store.slot(0).exists);
    EXPECT_EQ(store.slot(0).width, 2);
    EXPECT_EQ(store.slot(0).black.getPixel(0, 0), kBlack);
    EXPECT_EQ(store.slot(0).black.getPixel(1, 0), kWhite);
    EXPECT_EQ(store.slot(0).red.getPixel(0, 0), rgb(255, 0, 0));
    EXPECT_FALSE(store.slot(1).exists);  // malformed: an empty slot, not a crash
    EXPECT_FALSE(store.slot(2).exists);
    EXPECT_TRUE(store.slot(95).exists);
    EXPECT_NE(store.picture(96, false), nullptr);

    // Deleting a file takes the symbol off the page at once; rebuilding empties its slot.
    std::remove(userSymbolPath(folder.path(), 1).c_str());
    EXPECT_EQ(store.picture(1, false), nullptr);
    EXPECT_TRUE(store.slot(0).exists);
    store.rebuild(folder.path());
    EXPECT_FALSE(store.slot(0).exists);
    EXPECT_EQ(store.picture(0, false), nullptr);
    EXPECT_EQ(store.picture(97, false), nullptr);
}

}  // namespace
}  // namespace noma
