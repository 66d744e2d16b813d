#include "render/Templates.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/PageColours.h"

namespace noma::render {
namespace {

using test::Box;

TEST(Templates, SizesAndChosenPixels) {
    struct Expect {
        TemplateId id;
        int w, h;
    };
    for (const Expect& e :
         {Expect{TemplateId::NoteHead, 10, 12}, Expect{TemplateId::Wedge, 7, 16},
          Expect{TemplateId::TrebleClef, 26, 78}, Expect{TemplateId::BassClef, 26, 40},
          Expect{TemplateId::KeySharp, 10, 18}, Expect{TemplateId::KeyFlat, 9, 18}}) {
        EXPECT_EQ(templateMask(e.id).width(), e.w);
        EXPECT_EQ(templateMask(e.id).height(), e.h);
    }
    const Mask& head = templateMask(TemplateId::NoteHead);
    EXPECT_TRUE(head.ink(6, 0) && head.ink(7, 0));
    EXPECT_FALSE(head.ink(5, 0) || head.ink(8, 0));
    EXPECT_TRUE(head.ink(0, 6) && !head.ink(9, 6));
    const Mask& wedge = templateMask(TemplateId::Wedge);
    EXPECT_TRUE(wedge.ink(0, 3) && wedge.ink(6, 3));
    EXPECT_TRUE(!wedge.ink(0, 4) && wedge.ink(1, 4) && wedge.ink(5, 7) && !wedge.ink(6, 7));
    EXPECT_TRUE(!wedge.ink(2, 15) && wedge.ink(3, 15) && !wedge.ink(4, 15));
    // The bass clef's two dots: columns 23..25 at rows 4..6 and 15..17.
    const Mask& bass = templateMask(TemplateId::BassClef);
    for (int y : {4, 6, 15, 17}) EXPECT_TRUE(bass.ink(23, y) && bass.ink(25, y)) << y;
    EXPECT_FALSE(bass.ink(24, 8) || bass.ink(24, 13));
    const Mask& treble = templateMask(TemplateId::TrebleClef);
    EXPECT_TRUE(treble.ink(14, 0) && treble.ink(25, 42) && treble.ink(0, 40));
    for (int x = 0; x < 26; ++x) EXPECT_FALSE(treble.ink(x, 76) || treble.ink(x, 77));
    const Mask& sharp = templateMask(TemplateId::KeySharp);
    for (int x = 0; x < 10; ++x) EXPECT_TRUE(sharp.ink(x, 4) && sharp.ink(x, 12));
    const Mask& flat = templateMask(TemplateId::KeyFlat);
    for (int y = 0; y < 18; ++y) EXPECT_TRUE(flat.ink(1, y) && !flat.ink(0, y));
}

TEST(Templates, ScalingMatchesTheStretchingCopy) {
    // The stamps are scaled the way a nearest-neighbour copy between images scales.
    for (TemplateId id : {TemplateId::NoteHead, TemplateId::TrebleClef, TemplateId::Wedge}) {
        const Canvas picture = templatePicture(id, kBlack);
        for (int pitch = 6; pitch <= 10; ++pitch) {
            const int w = id == TemplateId::TrebleClef ? 26 : picture.width() * pitch / 6;
            const int h = picture.height() * pitch / 6;
            Canvas copied(w, h);
            copied.copyRect({0, 0, w, h}, picture, {0, 0, picture.width(), picture.height()});
            const Mask& scaled = scaledTemplate(id, w, h);
            ASSERT_EQ(scaled.width(), w);
            ASSERT_EQ(scaled.height(), h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(scaled.ink(x, y), copied.getPixel(x, y) == kBlack)
                        << pitch << " " << x << "," << y;
        }
    }
    EXPECT_EQ(&scaledTemplate(TemplateId::NoteHead, 16, 20),
              &scaledTemplate(TemplateId::NoteHead, 16, 20));
}

TEST(Templates, PicturesInBlackAndRed) {
    const Canvas black = templatePicture(TemplateId::KeySharp, kBlack);
    const Canvas red = templatePicture(TemplateId::KeySharp, kPreviewRed);
    const int ink = test::countAll(black, kBlack);
    EXPECT_EQ(ink, test::countAll(red, kPreviewRed));
    EXPECT_EQ(ink + test::countAll(black, kWhite), 180);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(black.getPixel(x, y) == kBlack, red.getPixel(x, y) == kPreviewRed);
}

TEST(Templates, StampSetsOnlyInkPixelsAndClips) {
    Canvas c(30, 30, kPreviewRed);
    stampMask(c, templateMask(TemplateId::NoteHead), 3, 4, kBlack);
    EXPECT_EQ(test::countAll(c, kBlack),
              test::countAll(templatePicture(TemplateId::NoteHead, kBlack), kBlack));
    EXPECT_EQ(test::boundsOf(c, kBlack), (Box{3, 4, 13, 16}));
    EXPECT_EQ(test::countAll(c, kWhite), 0);  // blank template pixels leave the page alone
    Canvas edge(8, 8);
    stampMask(edge, templateMask(TemplateId::TrebleClef), -10, -30, kBlack);
    EXPECT_GT(test::countAll(edge, kBlack), 0);
}

}  // namespace
}  // namespace noma::render
