#include "render/Thumbnails.h"

#include <string>

#include "document/ScoreDocument.h"
#include "render/PageRenderer.h"

namespace noma::render {

namespace {

constexpr Rgb kNavy = rgb(0, 0, 128);
constexpr Rgb kYellow = rgb(255, 255, 0);
constexpr int kColumns = 5;

}  // namespace

ThumbnailLayout thumbnailLayout(int orientation, int pageCount) {
    ThumbnailLayout l;
    l.cellWidth = orientation == 1 ? 192 : 130;
    l.cellHeight = orientation == 1 ? 148 : 210;
    l.imageWidth = kColumns * l.cellWidth;
    l.imageHeight = (pageCount / kColumns + 1) * l.cellHeight;
    l.windowWidth = kColumns * l.cellWidth + 60;
    l.windowHeight = 3 * l.cellHeight + 58;
    l.scrollWidth = kColumns * l.cellWidth + 28;
    l.scrollHeight = 3 * l.cellHeight + 4;
    return l;
}

void drawThumbnails(const ScoreDocument& doc, ViewState state, Canvas& view, Canvas& back,
                    StaveTable& staves, Canvas& out) {
    const ThumbnailLayout l = thumbnailLayout(doc.header.orientation, doc.header.pageCount);
    state.gridInterval = 0;
    state.hotPositionsVisible = 0;
    out.resize(l.imageWidth, l.imageHeight, kNavy);
    out.setFont(10);
    out.setFontColour(kYellow);
    out.setBrushColour(kNavy);
    out.setTextOpaque(true);
    for (int i = 0; i < doc.header.pageCount; ++i) {
        renderPage(doc, i, state, view, back, staves);
        const int cx = (i % kColumns) * l.cellWidth;
        const int cy = (i / kColumns) * l.cellHeight;
        out.copyRect({cx + 2, cy + 20, cx + l.cellWidth - 2, cy + l.cellHeight - 2}, back,
                     {0, 0, back.width(), back.height()}, Canvas::Stretch::KeepDark);
        out.setBrushColour(kNavy);
        out.textOut({cx + 12, cy + 2}, std::to_string(i + 1));
    }
}

int thumbnailAt(const ThumbnailLayout& l, int pageCount, int x, int y) {
    for (int i = 0; i < pageCount; ++i) {
        const int cx = (i % kColumns) * l.cellWidth;
        const int cy = (i / kColumns) * l.cellHeight;
        if (cx + 2 < x && x < cx + l.cellWidth - 2 && cy + 20 < y && y < cy + l.cellHeight - 2)
            return i;
    }
    return -1;
}

}  // namespace noma::render
