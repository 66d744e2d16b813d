// The print job: copies, page range, page breaks and one picture for every page.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "printing/PrintJob.h"

namespace noma {
namespace {

using test::rec;

// Three pages, each with a different number of staff lines, so every page prints differently.
std::unique_ptr<ScoreDocument> threePages() {
    auto doc = test::blankScore(8);
    doc->header.pageCount = 3;
    for (int p = 0; p < 3; ++p) {
        doc->settings(p) = doc->settings(0);
        doc->settings(p).symbolCount = 0;
        for (int k = 0; k <= p; ++k) doc->append(p, rec({46, 6, 10 * k, 552, 0}));
    }
    return doc;
}

// Boxes the user may change while the job runs.
struct Boxes final : JobControls {
    int copyCount = 1, first = 1, last = 1;
    std::function<bool(Boxes&, int)> afterPage;
    int copies() const override { return copyCount; }
    int firstPage() const override { return first; }
    int lastPage() const override { return last; }
    bool pagePrinted(int printed) override { return afterPage ? afterPage(*this, printed) : true; }
};

class PrintJob : public ::testing::Test {
  protected:
    PrintJobResult run(Boxes& boxes, PrintSettings settings = {}) {
        settings.dpi = printer.resolution;
        return runPrintJob(*doc, settings, nullptr, boxes, printer);
    }
    // Which page (1..3) each printed picture shows.
    std::vector<int> printedPages() {
        std::vector<std::vector<uint32_t>> alone;
        for (int p = 0; p < 3; ++p) {
            Canvas page(printer.pageWidth(), printer.pageHeight());
            drawPrintPage(page, *doc, p, tactileRaster(printer.resolution, 3), {});
            alone.emplace_back(page.data(),
                               page.data() + static_cast<size_t>(page.width()) * page.height());
        }
        std::vector<int> order;
        for (const auto& picture : printer.pages) {
            int which = 0;
            for (int p = 0; p < 3; ++p)
                if (picture == alone[static_cast<size_t>(p)]) which = p + 1;
            order.push_back(which);
        }
        return order;
    }

    std::unique_ptr<ScoreDocument> doc = threePages();
    test::RecordingPrinter printer;
};

TEST_F(PrintJob, CopiesAreCollatedWithBreaksBetweenPagesOnly) {
    Boxes boxes;
    boxes.copyCount = 2;
    boxes.last = 3;
    const PrintJobResult result = run(boxes);
    EXPECT_EQ(result.pages, 6);
    EXPECT_TRUE(result.status.ok());
    EXPECT_EQ(printedPages(), (std::vector<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(std::count(printer.events.begin(), printer.events.end(), "break"), 5);
    EXPECT_EQ(printer.events.front(), "begin");
    EXPECT_EQ(printer.events[printer.events.size() - 2], "page");
    EXPECT_EQ(printer.events.back(), "end");
    EXPECT_EQ(printer.title, kPrintJobTitle);
}

TEST_F(PrintJob, PrintsTheRangeOnly) {
    Boxes boxes;
    boxes.first = 2;
    boxes.last = 3;
    run(boxes);
    EXPECT_EQ(printedPages(), (std::vector<int>{2, 3}));
    EXPECT_EQ(printer.events, (std::vector<std::string>{"begin", "page", "break", "page", "end"}));
}

TEST_F(PrintJob, FirstPageAfterTheLastPrintsNothing) {
    Boxes boxes;
    boxes.copyCount = 3;
    boxes.first = 3;
    boxes.last = 2;
    const PrintJobResult result = run(boxes);
    EXPECT_EQ(result.pages, 0);
    EXPECT_EQ(printer.events, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(PrintJob, RangeAndCopiesAreReadAfreshAtEveryTurn) {
    Boxes boxes;
    boxes.copyCount = 2;
    boxes.last = 3;
    // After the first page the range shrinks to page 1 and the copies grow to three.
    boxes.afterPage = [](Boxes& b, int printed) {
        if (printed == 1) {
            b.last = 1;
            b.copyCount = 3;
        }
        return true;
    };
    run(boxes);
    EXPECT_EQ(printedPages(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(std::count(printer.events.begin(), printer.events.end(), "break"), 2);
}

TEST_F(PrintJob, StoppingKeepsWhatWasPrintedAndEndsTheDocument) {
    Boxes boxes;
    boxes.last = 3;
    boxes.afterPage = [](Boxes&, int printed) { return printed < 2; };
    const PrintJobResult result = run(boxes);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.pages, 2);
    EXPECT_EQ(printer.events, (std::vector<std::string>{"begin", "page", "break", "page", "end"}));
}

TEST_F(PrintJob, PrinterRefusalIsReported) {
    printer.refuseBegin = true;
    Boxes boxes;
    const PrintJobResult result = run(boxes);
    ASSERT_FALSE(result.status.ok());
    EXPECT_EQ(result.status.failure().gloss, "no printer");
    EXPECT_EQ(result.pages, 0);
    EXPECT_TRUE(printer.events.empty());
}

// A job of many pages draws every page into the same picture, one at a time.
TEST_F(PrintJob, EveryPageIsDrawnIntoOnePicture) {
    Boxes boxes;
    boxes.copyCount = 4;
    boxes.last = 3;
    run(boxes);
    ASSERT_EQ(printer.pictureData.size(), 12u);
    for (const uint32_t* data : printer.pictureData) EXPECT_EQ(data, printer.pictureData.front());
    // And each page starts white: the third copy of page 1 is page 1 again, not page 3 on top.
    EXPECT_EQ(printedPages()[9], 1);
}

TEST_F(PrintJob, PaperFollowsThePrinterOrientation) {
    printer.orient = kOrientationLandscape;
    Boxes boxes;
    run(boxes);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages[0].size(),
              static_cast<size_t>(printer.pageWidth()) * static_cast<size_t>(printer.pageHeight()));
    EXPECT_GT(printer.pageWidth(), printer.pageHeight());
}

TEST_F(PrintJob, InkJobPrintsTheTranslationWhenAsked) {
    doc->append(0, rec({40, 200, 100, 1}));
    PrintSettings ink;
    ink.mode = PrintMode::Ink;
    ink.brailleOutput = 2;
    Boxes boxes;
    run(boxes, ink);
    ink.brailleOutput = 0;
    run(boxes, ink);
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_NE(printer.pages[0], printer.pages[1]);
}

}  // namespace
}  // namespace noma
