#include "app/LayoutPreview.h"

#include "app/LayoutForms.h"
#include "document/PageGeometry.h"
#include "platform/Canvas.h"
#include "render/Templates.h"

namespace noma {

namespace {

using render::TemplateId;

constexpr Rgb kSilver = rgb(192, 192, 192);

struct PreviewLayout {
    int orientation;
    int pitch;
    int scoreType;
    int keyIndex;
    int top;
    int interval;
    int staves;
};

int half(int v) {
    return v / 2;
}

void stretchTemplate(Canvas& canvas, TemplateId id, int x, int y, int width, int height) {
    const Canvas picture = render::templatePicture(id, kBlack);
    canvas.copyRect({x, y, x + width, y + height}, picture,
                    {0, 0, picture.width(), picture.height()});
}

void line(Canvas& c, int x1, int y1, int x2, int y2) {
    c.moveTo({x1, y1});
    c.lineTo({x2, y2});
}

// The staves of the layout at half scale. The add-page dialog's variant starts its lines at
// x = 20 and puts the grand staff's brace there.
void drawStaves(Canvas& c, const PreviewLayout& l, bool addPageVariant) {
    const int o = l.orientation;
    const int p = l.pitch;
    auto rowsToStave = [&](int i) { return 2 * l.interval * i + 2 * l.top; };
    c.setPenColour(kBlack);
    const int clefLeft = half(16 * o + 40);
    const int clefRight = half(16 * o + 66);
    for (int i = 0; i < l.staves; ++i) {
        const int r = rowsToStave(i);
        const bool treble = clefKindOfStave(l.scoreType, i) == 41;
        if (treble) {
            stretchTemplate(c, TemplateId::TrebleClef, clefLeft, half(r * p - (p + 5)),
                            clefRight - clefLeft, half(78 * p / 6));
        } else {
            stretchTemplate(c, TemplateId::BassClef, clefLeft, half(r * p - (p - 6)),
                            clefRight - clefLeft, half(40 * p / 6));
        }
        const int d = treble ? 0 : 2;
        for (int n = 1; n <= accidentalCount(l.keyIndex); ++n) {
            if (keyHasSharps(l.keyIndex)) {
                stretchTemplate(c, TemplateId::KeySharp, 3 * d / 2 + 9 * o + 33 + 3 * n,
                                (r + d + sharpRowOffset(n) - 1) * p / 2, 5, 9);
            } else {
                stretchTemplate(c, TemplateId::KeyFlat, 3 * o + 36 + 3 * n,
                                (r + d + flatRowOffset(n) - 1) * p / 2 - 1, 5, 9);
            }
        }
        const int lineLeft = addPageVariant ? 20 : half(16 * o + 40);
        const int lineRight = addPageVariant ? half((310 * o + 588) / kColumnWidth * kColumnWidth)
                                             : half((275 * o + 588) / kColumnWidth * kColumnWidth);
        for (int j = 0; j < 5; ++j)
            line(c, lineLeft, half((2 * j + r) * p), lineRight, half((2 * j + r) * p));
    }
    const int braceX = half(16 * o + 40);
    if (l.scoreType == kGrandStaff) {
        const int x = addPageVariant ? 20 : braceX;
        for (int k = 0; k < l.staves / 2; ++k) {
            line(c, x, half((4 * l.interval * k + 2 * l.top) * p), x,
                 half((4 * l.interval * k + 2 * l.interval + 2 * l.top + 8) * p));
        }
    } else if (l.scoreType == kTrebleTrebleBass) {
        for (int k = 0; k < l.staves / 3; ++k) {
            line(c, braceX, half((6 * l.interval * k + 2 * l.top) * p), braceX,
                 half((6 * l.interval * k + 4 * l.interval + 2 * l.top + 8) * p));
        }
    }
}

}  // namespace

void drawNewScorePreview(const NewScoreForm& form, Canvas& preview) {
    const NewScoreSetup s = form.setup();
    const int w = pageWidth(s.orientation);
    const int h = pageHeight(s.orientation);
    preview.clear(kWhite);
    preview.setPenColour(kSilver);
    preview.setBrushColour(kWhite);
    if (s.orientation == 1) {
        preview.rectangle({27, 16, (w - 77) / 2, (h - 33) / 2});
    } else {
        preview.rectangle({16, 25, (w - 33) / 2, (h - 74) / 2});
    }
    if (s.scoreType == kBlank) return;
    drawStaves(preview,
               {s.orientation, s.verticalPitch, s.scoreType, s.keyIndex, s.topMargin,
                s.staveInterval, s.staveCount},
               false);
}

void drawPageFormPreview(const PageForm& form, Canvas& preview) {
    const PageSetup& s = form.setup();
    preview.clear(kWhite);
    if (s.scoreType == kBlank) return;
    drawStaves(preview,
               {form.orientation(), form.pitch(), s.scoreType, s.keyIndex, s.topMargin,
                s.staveInterval, s.staveCount},
               true);
}

}  // namespace noma
