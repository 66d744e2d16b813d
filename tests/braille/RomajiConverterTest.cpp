#include <gtest/gtest.h>

#include "braille/BrailleCell.h"
#include "braille/HalfWidthKana.h"
#include "braille/RomajiConverter.h"
#include "braille/TextToCells.h"
#include "platform/Utf8.h"

namespace noma {
namespace {

TEST(RomajiConverter, KyoGivesItsContractedCells) {
    EXPECT_EQ(romajiToKana("kyo"), "ｷｮ");
    EXPECT_EQ(dotNumbers(convertEnteredText(romajiToKana("kyo"))), "4 246");
}

TEST(RomajiConverter, HepburnAndKunreiSpellings) {
    EXPECT_EQ(romajiToKana("shisitsututifuhu"), "ｼｼﾂﾂﾁﾌﾌ");
    EXPECT_EQ(romajiToKana("chichi"), "ﾁﾁ");
    EXPECT_EQ(romajiToKana("shasyajajyazya"), "ｼｬｼｬｼﾞｬｼﾞｬｼﾞｬ");
    EXPECT_EQ(romajiToKana("chacyatya"), "ﾁｬﾁｬﾁｬ");
    EXPECT_EQ(romajiToKana("jijujo"), "ｼﾞｼﾞｭｼﾞｮ");
    EXPECT_EQ(romajiToKana("vuvavi"), "ｳﾞｳﾞｧｳﾞｨ");
    EXPECT_EQ(romajiToKana("fafi"), "ﾌｧﾌｨ");
    EXPECT_EQ(romajiToKana("thidhidyu"), "ﾃｨﾃﾞｨﾁﾞｭ");
    EXPECT_EQ(romajiToKana("gakkou"), "ｶﾞｯｺｳ");
    EXPECT_EQ(romajiToKana("pyoko"), "ﾋﾟｮｺ");
    EXPECT_EQ(romajiToKana("wowa"), "ｦﾜ");
}

TEST(RomajiConverter, SyllabicN) {
    // "nn" is ﾝ at once, as in the usual input methods: おんな takes three n.
    EXPECT_EQ(romajiToKana("onnna"), "ｵﾝﾅ");
    EXPECT_EQ(romajiToKana("onna"), "ｵﾝｱ");
    EXPECT_EQ(romajiToKana("kin'you"), "ｷﾝﾖｳ");
    EXPECT_EQ(romajiToKana("kinyou"), "ｷﾆｮｳ");
    EXPECT_EQ(romajiToKana("sanpo"), "ｻﾝﾎﾟ");
    EXPECT_EQ(romajiToKana("hon"), "ﾎﾝ");
    EXPECT_EQ(romajiToKana("nna"), "ﾝｱ");
    EXPECT_EQ(romajiToKana("xn"), "ﾝ");
}

TEST(RomajiConverter, DoubledConsonantsGiveSmallTsu) {
    EXPECT_EQ(romajiToKana("kitte"), "ｷｯﾃ");
    EXPECT_EQ(romajiToKana("zasshi"), "ｻﾞｯｼ");
    EXPECT_EQ(romajiToKana("matcha"), "ﾏｯﾁｬ");
    EXPECT_EQ(romajiToKana("beddo"), "ﾍﾞｯﾄﾞ");
    EXPECT_EQ(dotNumbers(convertEnteredText(romajiToKana("kitte"))), "126 2 12345");
}

TEST(RomajiConverter, SmallKanaAndSymbols) {
    EXPECT_EQ(romajiToKana("xaxixuxexo"), "ｧｨｩｪｫ");
    EXPECT_EQ(romajiToKana("lalilulelo"), "ｧｨｩｪｫ");
    EXPECT_EQ(romajiToKana("xyalyuxyo"), "ｬｭｮ");
    EXPECT_EQ(romajiToKana("xtultsu"), "ｯｯ");
    EXPECT_EQ(romajiToKana("ra-men"), "ﾗｰﾒﾝ");
    EXPECT_EQ(romajiToKana("a,i."), "ｱ､ｲ｡");
    EXPECT_EQ(romajiToKana("[a]/"), "｢ｱ｣･");
}

TEST(RomajiConverter, OtherCharactersPassThrough) {
    EXPECT_EQ(romajiToKana("a1 2@6@"), "ｱ1 2@6@");
    EXPECT_EQ(romajiToKana("\\("), "\\(");
    // A letter that begins nothing with what follows stays a letter.
    EXPECT_EQ(romajiToKana("kqa"), "kｸｧ");
    EXPECT_EQ(romajiToKana("KYO"), "ｷｮ");
}

TEST(RomajiConverter, UnfinishedInputStaysPendingUntilFlushed) {
    RomajiConverter converter;
    EXPECT_EQ(converter.type("k"), "");
    EXPECT_EQ(converter.pending(), "k");
    EXPECT_EQ(converter.type("y"), "");
    EXPECT_EQ(converter.pending(), "ky");
    EXPECT_EQ(converter.type("o"), "ｷｮ");
    EXPECT_EQ(converter.pending(), "");

    EXPECT_EQ(converter.type("n"), "");
    EXPECT_EQ(converter.type("k"), "ﾝ");
    EXPECT_EQ(converter.pending(), "k");
    EXPECT_EQ(converter.type("k"), "ｯ");
    EXPECT_EQ(converter.type("a"), "ｶ");

    EXPECT_EQ(converter.type("n"), "");
    EXPECT_EQ(converter.flush(), "ﾝ");
    EXPECT_EQ(converter.type("ts"), "");
    EXPECT_EQ(converter.flush(), "ts");
    EXPECT_EQ(converter.pending(), "");
    EXPECT_EQ(converter.flush(), "");
}

TEST(RomajiConverter, BackspaceErasesPendingLetters) {
    RomajiConverter converter;
    converter.type("ky");
    EXPECT_TRUE(converter.erasePending());
    EXPECT_EQ(converter.pending(), "k");
    EXPECT_EQ(converter.type("a"), "ｶ");
    EXPECT_FALSE(converter.erasePending());
}

TEST(HalfWidthKana, HiraganaAndKatakanaFromAnInputMethod) {
    EXPECT_EQ(toHalfWidthKana("が"), "ｶﾞ");
    EXPECT_EQ(toHalfWidthKana("ぱ"), "ﾊﾟ");
    EXPECT_EQ(toHalfWidthKana("あいうえおかきくけこ"), "ｱｲｳｴｵｶｷｸｹｺ");
    EXPECT_EQ(toHalfWidthKana("ぁぃぅぇぉゃゅょっ"), "ｧｨｩｪｫｬｭｮｯ");
    EXPECT_EQ(toHalfWidthKana("をん"), "ｦﾝ");
    EXPECT_EQ(toHalfWidthKana("ヴゔ"), "ｳﾞｳﾞ");
    EXPECT_EQ(toHalfWidthKana("ゎヮゐヱヵヶ"), "ﾜﾜｲｴｶｹ");
    EXPECT_EQ(toHalfWidthKana("ガッコウ、ピアノ。"), "ｶﾞｯｺｳ､ﾋﾟｱﾉ｡");
    EXPECT_EQ(toHalfWidthKana("ラーメン・「ソ」"), "ﾗｰﾒﾝ･｢ｿ｣");
}

TEST(HalfWidthKana, EveryVoicedKanaFollowsItsPlainKana) {
    // In Unicode a voiced kana directly follows its plain form; the half-width form is the
    // plain one with ﾞ (and ﾟ after ﾊ..ﾎ's voiced form).
    for (char32_t cp = U'か'; cp <= U'ぽ'; ++cp) {
        std::string plain, kana;
        appendUtf8(kana, cp);
        const std::string half = toHalfWidthKana(kana);
        if (half.size() <= 3) continue;
        const bool semi = half.substr(3) == "ﾟ";
        appendUtf8(plain, semi ? cp - 2 : cp - 1);
        EXPECT_EQ(half.substr(0, 3), toHalfWidthKana(plain)) << half;
        EXPECT_TRUE(semi || half.substr(3) == "ﾞ") << half;
    }
}

TEST(HalfWidthKana, FullWidthAsciiAndPunctuation) {
    EXPECT_EQ(toHalfWidthKana("ＡＢＣａｂｃ０１２９"), "ABCabc0129");
    EXPECT_EQ(toHalfWidthKana("！＃＄％＆（）＊＋，－．／：；＜＝＞？＠［］＾＿｛｜｝～"),
              "!#$%&()*+,-./:;<=>?@[]^_{|}~");
    EXPECT_EQ(toHalfWidthKana("￥「」　゛゜"), "¥｢｣ ﾞﾟ");
    EXPECT_EQ(toHalfWidthKana("〜−’”"), "~-'\"");
    // Nothing else changes; kanji and Latin letters with accents stay as they are.
    EXPECT_EQ(toHalfWidthKana("音楽é ab ｶ"), "音楽é ab ｶ");
}

}  // namespace
}  // namespace noma
