#include "platform/PngFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/FontText.h"
#include "platform/Utf8.h"

namespace noma {
namespace {

TEST(PngFile, RoundTripKeepsEveryPixel) {
    Canvas c(37, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) c.setPixel(x, y, rgb(x * 7, y * 11, (x * y) % 256));
    test::TempFolder dir;
    const std::string path = dir.file("page.png");
    ASSERT_TRUE(writePngFile(c, path).ok());
    const auto bytes = readWholeFile(path);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes->substr(1, 3), "PNG");
    const auto back = readPngFile(path);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->width(), 37);
    ASSERT_EQ(back->height(), 23);
    for (int i = 0; i < 37 * 23; ++i) ASSERT_EQ(back->data()[i], c.data()[i]) << i;
}

TEST(PngFile, FailuresAreReportedNotHidden) {
    test::TempFolder dir;
    const Canvas c(4, 4);
    const Status noFolder = writePngFile(c, dir.file("missing/page.png"));
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.failure().message,
              "ファイルに保存できませんでした。\n" + dir.file("missing/page.png"));
    const Status empty = writePngFile(Canvas(), dir.file("empty.png"));
    ASSERT_FALSE(empty.ok());
    EXPECT_EQ(empty.failure().gloss,
              "cannot write " + dir.file("empty.png") + ": the image cannot be encoded as PNG");
    ASSERT_TRUE(writeFileAtomically(dir.file("text.png"), "not a picture").ok());
    EXPECT_FALSE(readPngFile(dir.file("text.png")));
    EXPECT_FALSE(readPngFile(dir.file("absent.png")));
    const std::string good = encodePng(c);
    EXPECT_FALSE(decodePng(good.substr(0, good.size() / 2)));
}

TEST(Utf8, MalformedSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(decodeUtf8("aあ\xF0\x9F\x8E\xB5"), U"aあ\U0001F3B5");
    EXPECT_EQ(decodeUtf8("\xFF"
                         "b"),
              U"\uFFFD"
              "b");
    EXPECT_EQ(decodeUtf8("\xE3\x81"), U"\uFFFD");
    EXPECT_EQ(decodeUtf8("\xE3\x81"
                         "c"),
              U"\uFFFD"
              "c");
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD");    // surrogate
}

TEST(FontText, FindsAJapaneseFace) {
    const std::string face = textFacePath();
    ASSERT_FALSE(face.empty());
    const TextLayout layout = layoutText("点字", 10, 96);
    EXPECT_FALSE(layout.ink.empty());
    EXPECT_GE(layout.width, 24);
}

}  // namespace
}  // namespace noma
