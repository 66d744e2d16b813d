#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "printing/PaperSize.h"
#include "printing/PrintPage.h"
#include "printing/PrintRaster.h"

namespace noma::test {

inline SymbolRecord rec(std::initializer_list<int32_t> fields) {
    SymbolRecord r;
    int i = 0;
    for (int32_t f : fields) r[i++] = f;
    return r;
}

// A one-page score with no records (heap: the record store is large).
inline std::unique_ptr<ScoreDocument> blankScore(int pitch, int scoreType = kTrebleSingle,
                                                 int topMargin = 12, int staveInterval = 10,
                                                 int orientation = 0) {
    auto doc = std::make_unique<ScoreDocument>();
    doc->header = {1, pitch, orientation};
    doc->settings(0) = {scoreType, 0, topMargin, 0, staveInterval, 0};
    doc->interactionState = kIdle;
    return doc;
}

// The five staff lines of a stave whose top line is on `row`, as staff construction puts them.
inline void addStave(ScoreDocument& doc, int row, int page = 0) {
    for (int k = 0; k < 5; ++k) doc.append(page, rec({46, 6, row + 2 * k, 552, 0}));
}

// An A4 page at `dpi`, white.
inline Canvas a4Page(int dpi) {
    return Canvas(millimetresToPixels(210, dpi), millimetresToPixels(297, dpi));
}

inline Canvas printed(const ScoreDocument& doc, const PrintRaster& raster,
                      const PrintOptions& options = {}) {
    Canvas page = a4Page(raster.dpi);
    drawPrintPage(page, doc, 0, raster, options);
    return page;
}

// Printer pixels of a record's anchor (column, row) on page 0.
inline double anchorX(const PrintRaster& r, int column) {
    return r.marginX + 6.0 * column * static_cast<double>(r.printUnit);
}
inline double anchorY(const ScoreDocument& doc, const PrintRaster& r, int row) {
    return r.marginY + 1.0 * (row + 2 * doc.settings(0).topMargin) * doc.header.verticalPitch *
                           static_cast<double>(r.printUnit);
}

// Printer pixels per sixth of the pitch, as the page drawing takes it.
inline double sOf(const PrintRaster& r, int pitch) {
    return static_cast<double>(r.printUnit) * pitch / 6;
}

inline int px(double v) {
    return static_cast<int>(std::trunc(v));
}

// Lengths of the runs of `colour` down column x between rows y1 and y2 (exclusive).
inline std::vector<int> runsDown(const Canvas& c, int x, int y1, int y2, Rgb colour) {
    std::vector<int> runs;
    bool in = false;
    for (int y = y1; y < y2; ++y) {
        const bool on = c.getPixel(x, y) == colour;
        if (on && !in) runs.push_back(0);
        if (on) ++runs.back();
        in = on;
    }
    return runs;
}

// Length of the run of `colour` along row y through x.
inline int runAcross(const Canvas& c, int x, int y, Rgb colour) {
    if (c.getPixel(x, y) != colour) return 0;
    int a = x, b = x;
    while (c.getPixel(a - 1, y) == colour) --a;
    while (c.getPixel(b + 1, y) == colour) ++b;
    return b - a + 1;
}

inline int countColour(const Canvas& c, Rgb colour, int x1 = 0, int y1 = 0, int x2 = -1,
                       int y2 = -1) {
    if (x2 < 0) x2 = c.width();
    if (y2 < 0) y2 = c.height();
    int n = 0;
    for (int y = std::max(y1, 0); y < std::min(y2, c.height()); ++y)
        for (int x = std::max(x1, 0); x < std::min(x2, c.width()); ++x)
            n += c.getPixel(x, y) == colour;
    return n;
}

inline int countNotWhite(const Canvas& c) {
    return static_cast<int>(c.width()) * c.height() - countColour(c, kWhite);
}

struct Bounds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // right and bottom exclusive
    int width() const { return x2 - x1; }
    int height() const { return y2 - y1; }
};

// The box of every pixel for which `ink` holds.
inline Bounds boundsWhere(const Canvas& c, const std::function<bool(Rgb)>& ink) {
    Bounds b{c.width(), c.height(), 0, 0};
    for (int y = 0; y < c.height(); ++y) {
        const uint32_t* row = c.data() + static_cast<size_t>(y) * static_cast<size_t>(c.width());
        for (int x = 0; x < c.width(); ++x) {
            if (!ink(row[x])) continue;
            b.x1 = std::min(b.x1, x);
            b.y1 = std::min(b.y1, y);
            b.x2 = std::max(b.x2, x + 1);
            b.y2 = std::max(b.y2, y + 1);
        }
    }
    return b.x1 < b.x2 ? b : Bounds{};
}

inline Bounds inkBounds(const Canvas& c) {
    return boundsWhere(c, [](Rgb p) { return p != kWhite; });
}

// A printer that keeps what it is sent: the events in order and each page's pixels.
class RecordingPrinter final : public Printer {
  public:
    int resolution = 100;
    int paper = kPaperA4;
    int orient = kOrientationPortrait;
    bool refuseBegin = false;
    std::string title;
    std::vector<std::string> events;  // "begin", "page", "break", "end"
    std::vector<std::vector<uint32_t>> pages;
    std::vector<const uint32_t*> pictureData;  // where each page's picture lived
    int setupCalls = 0;
    bool setupConfirms = false;
    std::function<void(RecordingPrinter&)> onSetup;
    std::string name = "Embosser";

    std::string deviceName() const override { return name; }
    int dpi() const override { return resolution; }
    int paperCode() const override { return paper; }
    int orientation() const override { return orient; }
    void setOrientation(int o) override { orient = o; }
    bool runSetupDialog() override {
        ++setupCalls;
        if (setupConfirms && onSetup) onSetup(*this);
        return setupConfirms;
    }
    void setJobTitle(const std::string& t) override { title = t; }
    Status beginDocument() override {
        if (refuseBegin) return Failure{"印刷できませんでした。", "no printer"};
        events.push_back("begin");
        return {};
    }
    int pageWidth() const override {
        return millimetresToPixels(orient == kOrientationLandscape ? 297 : 210, resolution);
    }
    int pageHeight() const override {
        return millimetresToPixels(orient == kOrientationLandscape ? 210 : 297, resolution);
    }
    Status printPage(const Canvas& picture) override {
        events.push_back("page");
        pages.emplace_back(picture.data(), picture.data() + static_cast<size_t>(picture.width()) *
                                                                picture.height());
        pictureData.push_back(picture.data());
        return {};
    }
    Status newPage() override {
        events.push_back("break");
        return {};
    }
    Status endDocument() override {
        events.push_back("end");
        return {};
    }
};

}  // namespace noma::test
