#include "platform/TokenReader.h"

#include <gtest/gtest.h>

namespace noma {
namespace {

using S = TokenReader::IntStatus;

TEST(TokenReader, ReadsSignedIntegersAcrossAnyWhitespace) {
    TokenReader r(" 12\t-7\r\n+3 \v0\f2147483647 -2147483648 ");
    int32_t v = 0;
    const int32_t expected[] = {12, -7, 3, 0, 2147483647, -2147483647 - 1};
    for (int32_t e : expected) {
        ASSERT_EQ(r.nextInt(v), S::Ok);
        EXPECT_EQ(v, e);
    }
    EXPECT_EQ(r.nextInt(v), S::End);
    EXPECT_TRUE(r.atEnd());
}

TEST(TokenReader, RejectsMalformedAndOversizedTokens) {
    int32_t v = 99;
    EXPECT_EQ(TokenReader("12abc").nextInt(v), S::NotInteger);
    EXPECT_EQ(TokenReader("-").nextInt(v), S::NotInteger);
    EXPECT_EQ(TokenReader("1.5").nextInt(v), S::NotInteger);
    EXPECT_EQ(TokenReader("--1").nextInt(v), S::NotInteger);
    EXPECT_EQ(TokenReader("2147483648").nextInt(v), S::OutOfRange);
    EXPECT_EQ(TokenReader("-2147483649").nextInt(v), S::OutOfRange);
    EXPECT_EQ(TokenReader("99999999999999999999999").nextInt(v), S::OutOfRange);
    EXPECT_EQ(v, 99);
}

TEST(TokenReader, WordsCharactersAndDelimitedRuns) {
    TokenReader r("ab  c;x;tail");
    EXPECT_EQ(r.nextWord(), "ab");
    EXPECT_EQ(r.nextChar().value(), ' ');
    EXPECT_EQ(r.readUntil(';').value(), " c");
    EXPECT_EQ(r.readUntil(';').value(), "x");
    EXPECT_FALSE(r.readUntil(';').has_value());
    EXPECT_FALSE(r.nextChar().has_value());
    EXPECT_EQ(r.nextWord(), "");
}

}  // namespace
}  // namespace noma
