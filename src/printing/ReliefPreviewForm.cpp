#include "printing/ReliefPreviewForm.h"

#include <algorithm>

#include "printing/PrintPage.h"

namespace noma {

namespace {

// "３" for 3: the dialog writes its numbers full-width.
std::string fullWidth(int n) {
    static constexpr const char* kDigits[10] = {"０", "１", "２", "３", "４",
                                                "５", "６", "７", "８", "９"};
    std::string out;
    for (char c : std::to_string(n)) out += kDigits[c - '0'];
    return out;
}

}  // namespace

void ReliefPreviewForm::open(const ScoreDocument& doc, const UserSymbolStore* userSymbols,
                             const PrintSettings& settings, int pageWidth, int pageHeight,
                             int page) {
    doc_ = &doc;
    userSymbols_ = userSymbols;
    settings_ = settings;
    settings_.mode = PrintMode::Tactile;
    settings_.strength = std::clamp(settings.strength, kMinStrength, kMaxStrength);
    pageWidth_ = std::max(pageWidth, 1);
    pageHeight_ = std::max(pageHeight, 1);
    pageCount_ = std::clamp(doc.header.pageCount, 1, kMaxPages);
    page_ = std::clamp(page, 1, pageCount_);
    redraw();
}

void ReliefPreviewForm::setPage(int page) {
    page = std::clamp(page, 1, pageCount_);
    if (page == page_ || !isOpen()) return;
    page_ = page;
    redraw();
}

void ReliefPreviewForm::setStrength(int strength) {
    strength = std::clamp(strength, kMinStrength, kMaxStrength);
    if (strength == settings_.strength) return;
    settings_.strength = strength;
    if (!isOpen()) return;
    // The greys change, not which pixels are raised: the checks stay as they were found.
    drawJobPage(picture_, pageWidth_, pageHeight_, *doc_, page_ - 1, settings_, userSymbols_);
}

void ReliefPreviewForm::setMinimumGap(double mm) {
    if (mm == minimumGapMm_) return;
    minimumGapMm_ = mm;
    issuesFound_ = false;
}

void ReliefPreviewForm::redraw() {
    drawJobPage(picture_, pageWidth_, pageHeight_, *doc_, page_ - 1, settings_, userSymbols_);
    issuesFound_ = false;
}

const ReliefIssues& ReliefPreviewForm::issues() {
    if (!issuesFound_ && isOpen()) {
        const PrintRaster raster = printRaster(settings_);
        issues_ =
            findReliefIssues(picture_, printedBrailleCells(*doc_, page_ - 1, raster),
                             printedLines(*doc_, page_ - 1, raster), settings_.dpi, minimumGapMm_);
        issuesFound_ = true;
    }
    return issues_;
}

Point ReliefPreviewForm::shownSize(int viewWidth, int viewHeight) const {
    const int w = picture_.width(), h = picture_.height();
    switch (zoom_) {
        case Zoom::Actual:
            return {w, h};
        case Zoom::Double:
            return {2 * w, 2 * h};
        case Zoom::Fit:
            break;
    }
    // The whole page in the view, its proportions kept.
    const double scale = std::min(static_cast<double>(std::max(viewWidth, 1)) / std::max(w, 1),
                                  static_cast<double>(std::max(viewHeight, 1)) / std::max(h, 1));
    return {std::max(1, static_cast<int>(w * scale)), std::max(1, static_cast<int>(h * scale))};
}

Canvas ReliefPreviewForm::shownPart(Rect visible, Point shown) {
    const int64_t w = picture_.width(), h = picture_.height();
    const int64_t sw = std::max(shown.x, 1), sh = std::max(shown.y, 1);
    // The print pixels behind the visible box, at the shown scale.
    const Rect source{static_cast<int>(visible.x1 * w / sw), static_cast<int>(visible.y1 * h / sh),
                      static_cast<int>(visible.x2 * w / sw), static_cast<int>(visible.y2 * h / sh)};
    Canvas out =
        reliefPicture(picture_, source, visible.x2 - visible.x1, visible.y2 - visible.y1, look_);
    if (showIssues_) drawReliefIssues(out, issues(), source);
    return out;
}

std::string ReliefPreviewForm::statusText() {
    std::string text = "ページ " + fullWidth(page_) + "／" + fullWidth(pageCount_) + "　印刷強度 " +
                       fullWidth(settings_.strength);
    if (showIssues_) {
        const ReliefIssues& found = issues();
        text += "　近すぎる記号：" + std::to_string(found.closeFigures.size()) + "　点字の接触：" +
                std::to_string(found.touchingCells.size());
    }
    return text;
}

Canvas previewPicture(const Canvas& print, const std::vector<Rect>& brailleCells,
                      const std::vector<Rect>& lines, int dpi, PreviewPicture kind) {
    const Rect whole{0, 0, print.width(), print.height()};
    Canvas out =
        reliefPicture(print, whole, print.width(), print.height(),
                      kind == PreviewPicture::Flat ? ReliefLook::Flat : ReliefLook::Relief);
    if (kind == PreviewPicture::Issues)
        // Marks as wide at the print's resolution as on the screen at 100 dpi.
        drawReliefIssues(out,
                         findReliefIssues(print, brailleCells, lines, dpi, kDefaultMinimumGapMm),
                         whole, std::max(2, dpi / 100));
    return out;
}

}  // namespace noma
