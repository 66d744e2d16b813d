#include <gtest/gtest.h>

#include "platform/Utf8.h"

namespace noma {
namespace {

TEST(Utf8, DecodesAndRejectsMalformedSequences) {
    const std::string text = "aé漢😀";
    size_t pos = 0;
    EXPECT_EQ(nextCodePoint(text, pos), U'a');
    EXPECT_EQ(nextCodePoint(text, pos), U'é');
    EXPECT_EQ(nextCodePoint(text, pos), U'漢');
    EXPECT_EQ(nextCodePoint(text, pos), U'😀');
    EXPECT_EQ(pos, text.size());
    std::string round;
    for (char32_t cp : {U'a', U'é', U'漢', U'😀'}) appendUtf8(round, cp);
    EXPECT_EQ(round, text);
    // Truncated, overlong and stray continuation bytes each count as one bad character.
    EXPECT_EQ(codePointCount("\xE6\xBC"), 2u);
    pos = 0;
    EXPECT_EQ(nextCodePoint("\xC0\xAF", pos), kInvalidCodePoint);
    EXPECT_EQ(pos, 1u);
    EXPECT_EQ(codePointCount("\x80"
                             "a"),
              2u);
}

}  // namespace
}  // namespace noma
