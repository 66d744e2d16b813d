// Figures kept as masks on the screen against the same figures drawn stroke by stroke.
#include <gtest/gtest.h>

#include <vector>

#include "RenderTestSupport.h"
#include "document/SymbolKind.h"
#include "render/FigureMetrics.h"
#include "render/PageColours.h"
#include "render/SymbolFigures.h"
#include "render/Templates.h"

namespace noma::render {
namespace {

using test::rec;

// The screen's units under another type: figures drawn with it are never kept, so they show
// what the kept masks must reproduce.
class DirectScreenMetrics final : public FigureMetrics {
  public:
    explicit DirectScreenMetrics(int pitch) : pitch_(pitch) { fillUnits(); }
    double px(double pagePixels) const override { return pagePixels; }
    double x(double pageX) const override { return pageX; }
    double y(double pageY) const override { return pageY; }
    StrokeRange strokes(int lo, int hi, StrokeBasis basis) const override {
        if (basis == StrokeBasis::Pixel) return {lo, hi};
        return {lo * (pitch_ / 6), (hi + 1) * (pitch_ / 6) - 1};
    }

  protected:
    double computeU(int k) const override { return k * pitch_ / 6; }

  private:
    int pitch_;
};

struct Drawn {
    Canvas image;
    int penX;
    int penY;
};

Drawn draw(const FigureMetrics& m, const SymbolRecord& r, int pitch, int x, int y, Rgb ink,
           Canvas::PenMode mode) {
    Drawn d{Canvas(160, 200, kWhite), 0, 0};
    // Something under the figure, so that what it leaves alone is seen to be left alone.
    d.image.setBrushColour(kSilver);
    d.image.fillRect({0, 90, 160, 95});
    d.image.setPenMode(mode);
    d.image.moveTo({-7, -9});
    const FigureContext context{10, pitch, nullptr, 2};
    drawFigure(d.image, m, r, x, y, context, ink);
    d.penX = d.image.current().x;
    d.penY = d.image.current().y;
    return d;
}

void expectSame(const Drawn& kept, const Drawn& direct, int kind, int pitch, int x, int y) {
    ASSERT_EQ(kept.penX, direct.penX) << "kind " << kind << " pitch " << pitch;
    ASSERT_EQ(kept.penY, direct.penY) << "kind " << kind << " pitch " << pitch;
    for (int py = 0; py < kept.image.height(); ++py) {
        for (int px = 0; px < kept.image.width(); ++px) {
            ASSERT_EQ(kept.image.getPixel(px, py), direct.image.getPixel(px, py))
                << "kind " << kind << " pitch " << pitch << " at " << x << "," << y << " pixel "
                << px << "," << py;
        }
    }
}

TEST(KeptFigures, MatchTheFiguresDrawnStrokeByStroke) {
    // Every kind at every screen pitch, in the middle of the image, near its edges and partly
    // off it, in black and then in the preview's red from the mask kept in black.
    const int places[][2] = {{80, 100}, {81, 97}, {3, 100}, {150, 6}, {80, 195}, {-10, 100}};
    for (int pitch = kMinPitch; pitch <= kMaxPitch; ++pitch) {
        const ScreenMetrics screen(pitch);
        const DirectScreenMetrics direct(pitch);
        for (int kind = 1; kind <= kFermataBelow; ++kind) {
            const SymbolRecord r = rec({kind, 10, 2, 14, 3, 12, 5});
            for (const auto& place : places) {
                for (const Rgb ink : {kBlack, kPreviewRed}) {
                    expectSame(
                        draw(screen, r, pitch, place[0], place[1], ink, Canvas::PenMode::Copy),
                        draw(direct, r, pitch, place[0], place[1], ink, Canvas::PenMode::Copy),
                        kind, pitch, place[0], place[1]);
                }
            }
        }
    }
}

TEST(KeptFigures, XorModeDrawsStrokeByStroke) {
    // Strokes that cross cancel in Xor mode, which a mask cannot show: there figures are drawn
    // stroke by stroke.
    const ScreenMetrics screen(8);
    const DirectScreenMetrics direct(8);
    for (const int kind : {kEighthNoteUp, kQuarterRest, kFermata, kSharp, kRepeatStart, kAccent}) {
        const SymbolRecord r = rec({kind});
        expectSame(draw(screen, r, 8, 80, 100, kPreviewRed, Canvas::PenMode::Xor),
                   draw(direct, r, 8, 80, 100, kPreviewRed, Canvas::PenMode::Xor), kind, 8, 80,
                   100);
    }
    // The rest's four strokes overlap: in Xor mode the shared pixels cancel, unlike a mask.
    const Drawn rest = draw(screen, rec({kQuarterRest}), 8, 80, 100, kBlack, Canvas::PenMode::Xor);
    const Drawn solid =
        draw(screen, rec({kQuarterRest}), 8, 80, 100, kBlack, Canvas::PenMode::Copy);
    int differ = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 160; ++x)
            differ += rest.image.getPixel(x, y) != solid.image.getPixel(x, y);
    EXPECT_GT(differ, 0);
}

TEST(KeptFigures, FiguresTooBigToKeepAreDrawnDirectly) {
    int drawn = 0;
    // A figure reaching past the scratch picture is refused, and each time asked for again.
    for (int i = 0; i < 2; ++i) {
        const KeptFigure* kept = keptFigure(0xFEED0001u, 10, [&](Canvas& scratch, int origin) {
            ++drawn;
            scratch.setBrushColour(kBlack);
            scratch.fillRect({origin - 11, origin, origin + 1, origin + 1});
            return true;
        });
        EXPECT_EQ(kept, nullptr);
    }
    EXPECT_EQ(drawn, 1);  // the refusal is remembered
    // A figure its drawing declares unfit (it drew something that does not move) is refused.
    EXPECT_EQ(keptFigure(0xFEED0002u, 10, [](Canvas&, int) { return false; }), nullptr);
    // One that fits is kept with its offset from the anchor and where it left the pen.
    const KeptFigure* kept = keptFigure(0xFEED0003u, 10, [](Canvas& scratch, int origin) {
        scratch.setBrushColour(kBlack);
        scratch.fillRect({origin - 2, origin + 1, origin + 3, origin + 4});
        scratch.moveTo({origin + 5, origin - 6});
        return true;
    });
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->mask.width(), 5);
    EXPECT_EQ(kept->mask.height(), 3);
    EXPECT_EQ(kept->left, -2);
    EXPECT_EQ(kept->top, 1);
    EXPECT_TRUE(kept->movesPen);
    EXPECT_EQ(kept->endX, 5);
    EXPECT_EQ(kept->endY, -6);
}

TEST(KeptFigures, FoundAgainUnderTheirOwnKeysOnly) {
    // More keys than the quick lookup has room for, so that some share its places.
    std::vector<const KeptFigure*> kept;
    for (uint64_t i = 0; i < 600; ++i) {
        const uint64_t key = 0xF00D0000u + (i << 24) + i % 7;
        kept.push_back(keptFigure(key, 10, [i](Canvas& scratch, int origin) {
            scratch.setPixel(origin + static_cast<int>(i % 5), origin, kBlack);
            return i % 3 != 0;  // every third one may not be kept
        }));
    }
    for (int round = 0; round < 2; ++round) {
        for (uint64_t i = 0; i < 600; ++i) {
            const uint64_t key = 0xF00D0000u + (i << 24) + i % 7;
            KeptFigure unset;
            KeptFigure* found = &unset;
            ASSERT_TRUE(findKeptFigure(key, found)) << i;
            EXPECT_EQ(found, kept[i]) << i;
            EXPECT_EQ(found == nullptr, i % 3 == 0) << i;
            if (found != nullptr) {
                EXPECT_EQ(found->left, static_cast<int>(i % 5)) << i;
            }
        }
    }
    KeptFigure* none = nullptr;
    EXPECT_FALSE(findKeptFigure(0xF00D0000u + 3, none));  // never asked for
}

TEST(KeptFigures, ScaledTemplatesStayTheSameAcrossSizes) {
    // Each thread remembers the last size of a template; changing sizes must still give each
    // size's own mask, the same one every time.
    const Mask& small = scaledTemplate(TemplateId::NoteHead, 10, 12);
    const Mask& large = scaledTemplate(TemplateId::NoteHead, 20, 24);
    EXPECT_EQ(&scaledTemplate(TemplateId::NoteHead, 10, 12), &small);
    EXPECT_EQ(&scaledTemplate(TemplateId::NoteHead, 20, 24), &large);
    EXPECT_EQ(small.width(), 10);
    EXPECT_EQ(large.width(), 20);
    EXPECT_EQ(large.height(), 24);
    // Other templates at the same size are other masks.
    EXPECT_NE(&scaledTemplate(TemplateId::Wedge, 10, 12), &small);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(large.ink(x, y), small.ink(x / 2, y / 2));
}

}  // namespace
}  // namespace noma::render
