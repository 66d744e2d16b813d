// PDF pages keep the printed picture exactly: every sample comes back from the Flate stream.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <random>
#include <regex>

#include "../TempFolder.h"
#include "platform/FileIo.h"
#include "platform/PdfWriter.h"
#include "platform/RunDeflate.h"

namespace noma {
namespace {

// Inflates a zlib stream with zlib itself, which also checks its Adler-32 sum.
std::optional<std::string> inflated(const std::string& stream, size_t size) {
    std::string out(size + 1, '\0');
    uLongf length = static_cast<uLongf>(out.size());
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(stream.data()),
                   static_cast<uLong>(stream.size())) != Z_OK) {
        return std::nullopt;
    }
    out.resize(length);
    return out;
}

std::string greySamples(const Canvas& c) {
    std::string s;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) s += static_cast<char>(blueOf(c.getPixel(x, y)));
    return s;
}

Rgb grey(int v) {
    return rgb(v, v, v);
}

// A picture of runs: white, staff-line-like bands, blocks and lone pixels in several greys.
Canvas runsPicture(int width, int height, unsigned seed) {
    Canvas c(width, height, kWhite);
    std::mt19937 random(seed);
    for (int k = 0; k < 60; ++k) {
        const int x = static_cast<int>(random() % static_cast<unsigned>(width));
        const int y = static_cast<int>(random() % static_cast<unsigned>(height));
        c.setBrushColour(grey(static_cast<int>(random() % 8) * 30));
        c.fillRect(
            {x, y, x + static_cast<int>(random() % 300), y + static_cast<int>(random() % 9)});
        c.setPixel(static_cast<int>(random() % static_cast<unsigned>(width)), y,
                   grey(static_cast<int>(random() % 256)));
    }
    return c;
}

struct PdfImage {
    std::string dictionary;
    std::string stream;
};

// The image objects of a PDF written by PdfWriter, in page order.
std::vector<PdfImage> images(const std::string& pdf) {
    std::vector<PdfImage> found;
    const std::regex head(R"(<< /Type /XObject /Subtype /Image ([^>]*)/Length (\d+) >>\nstream\n)");
    for (std::sregex_iterator it(pdf.begin(), pdf.end(), head), end; it != end; ++it) {
        const size_t at = static_cast<size_t>(it->position() + it->length());
        found.push_back({(*it)[1].str(), pdf.substr(at, std::stoul((*it)[2].str()))});
    }
    return found;
}

TEST(RunDeflate, GreyPicturesComeBackExactly) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const Canvas c = runsPicture(700 + static_cast<int>(seed), 300, seed);
        std::string stream;
        ASSERT_TRUE(deflateGreyRuns(c, stream));
        const auto back = inflated(stream, static_cast<size_t>(c.width()) * c.height());
        ASSERT_TRUE(back.has_value()) << seed;
        EXPECT_EQ(*back, greySamples(c)) << seed;
    }
}

TEST(RunDeflate, RunsOfEveryLengthAcrossRowEnds) {
    // Runs of 1 .. 600 samples, each continuing into the next row where the row ends.
    Canvas c(97, 400, kWhite);
    int x = 0, y = 0, length = 1, value = 0;
    while (y < c.height()) {
        for (int i = 0; i < length && y < c.height(); ++i) {
            c.setPixel(x, y, grey(value));
            if (++x == c.width()) {
                x = 0;
                ++y;
            }
        }
        length = length % 600 + 1;
        value = (value + 37) % 256;
    }
    std::string stream;
    ASSERT_TRUE(deflateGreyRuns(c, stream));
    const auto back = inflated(stream, static_cast<size_t>(c.width()) * c.height());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, greySamples(c));
}

TEST(RunDeflate, WhitePagesAreSmall) {
    const Canvas c(4961, 7016, kWhite);
    std::string stream;
    ASSERT_TRUE(deflateGreyRuns(c, stream));
    EXPECT_LT(stream.size(), 300000u);
    EXPECT_EQ(inflated(stream, 4961u * 7016u)->size(), 4961u * 7016u);
}

TEST(RunDeflate, RefusesColour) {
    Canvas c(10, 10, kWhite);
    c.setPixel(9, 9, rgb(255, 0, 0));
    std::string stream;
    EXPECT_FALSE(deflateGreyRuns(c, stream));
}

TEST(PdfWriter, PagesHoldTheirPicturesLosslessly) {
    test::TempFolder folder;
    const std::string path = folder.file("print.pdf");
    const Canvas first = runsPicture(620, 877, 7);
    Canvas second(877, 620, kWhite);
    second.setBrushColour(rgb(0, 128, 255));  // colour: stored as RGB
    second.fillRect({10, 10, 200, 100});
    {
        PdfWriter pdf(path, "NOMA Printing");
        ASSERT_TRUE(pdf.addPage(first, 75).ok());
        ASSERT_TRUE(pdf.addPage(second, 75).ok());
        ASSERT_TRUE(pdf.finish().ok());
        EXPECT_EQ(pdf.pageCount(), 2);
    }
    const std::string bytes = *readWholeFile(path);
    EXPECT_EQ(bytes.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_NE(bytes.find("/Type /Pages /Kids ["), std::string::npos);
    EXPECT_NE(bytes.find("/Count 2"), std::string::npos);
    EXPECT_NE(bytes.find("/Title (NOMA Printing)"), std::string::npos);
    EXPECT_EQ(bytes.find("DCTDecode"), std::string::npos);
    // 620 pixels at 75 dpi are 595.2 points.
    EXPECT_NE(bytes.find("/MediaBox [0 0 595.2 841.92]"), std::string::npos);

    const auto pictures = images(bytes);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_NE(pictures[0].dictionary.find("/Width 620 /Height 877 /ColorSpace /DeviceGray"),
              std::string::npos);
    EXPECT_NE(pictures[0].dictionary.find("/Filter /FlateDecode"), std::string::npos);
    EXPECT_EQ(inflated(pictures[0].stream, 620u * 877u), greySamples(first));

    EXPECT_NE(pictures[1].dictionary.find("/DeviceRGB"), std::string::npos);
    const auto rgbSamples = inflated(pictures[1].stream, 877u * 620u * 3u);
    ASSERT_TRUE(rgbSamples.has_value());
    EXPECT_EQ(static_cast<unsigned char>((*rgbSamples)[3 * (20 * 877 + 20) + 2]), 255);
    EXPECT_EQ(static_cast<unsigned char>((*rgbSamples)[3 * (20 * 877 + 20) + 1]), 128);

    // The cross-reference table points at every object.
    const auto xref = bytes.rfind("startxref\n");
    const size_t table = std::stoul(bytes.substr(xref + 10));
    EXPECT_EQ(bytes.compare(table, 5, "xref\n"), 0);
    const std::regex entry(R"((\d{10}) 00000 n \n)");
    int objects = 0;
    for (std::sregex_iterator it(bytes.begin() + static_cast<long>(table), bytes.end(), entry), end;
         it != end; ++it) {
        const size_t at = std::stoul((*it)[1].str());
        EXPECT_EQ(bytes.compare(at, std::to_string(objects + 1).size() + 6,
                                std::to_string(objects + 1) + " 0 obj"),
                  0)
            << objects + 1;
        ++objects;
    }
    EXPECT_EQ(objects, 3 + 2 * 3);
}

TEST(PdfWriter, NoPagesWritesNoFile) {
    test::TempFolder folder;
    PdfWriter pdf(folder.file("none.pdf"), "NOMA Printing");
    EXPECT_FALSE(pdf.finish().ok());
    EXPECT_FALSE(fileExists(folder.file("none.pdf")));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(PdfWriter, NothingAppearsUntilFinishedAndNothingStaysWhenGivenUp) {
    test::TempFolder folder;
    const std::string path = folder.file("job.pdf");
    ASSERT_TRUE(writeFileAtomically(path, "earlier").ok());
    {
        PdfWriter pdf(path, "NOMA Printing");
        ASSERT_TRUE(pdf.addPage(Canvas(50, 50, kWhite), 72).ok());
        EXPECT_EQ(*readWholeFile(path), "earlier");
    }
    EXPECT_EQ(*readWholeFile(path), "earlier");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(PdfWriter, UnwritableFolderIsAFailure) {
    PdfWriter pdf("/nonexistent-folder/job.pdf", "NOMA Printing");
    EXPECT_FALSE(pdf.addPage(Canvas(10, 10, kWhite), 72).ok());
    EXPECT_FALSE(pdf.finish().ok());
    ASSERT_FALSE(pdf.status().ok());
    EXPECT_EQ(pdf.status().failure().message,
              "ファイルに保存できませんでした。\n/nonexistent-folder/job.pdf");
    EXPECT_EQ(pdf.status().failure().gloss.rfind("cannot write /nonexistent-folder/job.pdf: ", 0),
              0u);
}

TEST(PdfWriter, NonAsciiTitleIsUtf16) {
    test::TempFolder folder;
    PdfWriter pdf(folder.file("t.pdf"), "印刷");
    ASSERT_TRUE(pdf.addPage(Canvas(10, 10, kWhite), 72).ok());
    ASSERT_TRUE(pdf.finish().ok());
    EXPECT_NE(readWholeFile(folder.file("t.pdf"))->find("/Title <FEFF53705237>"),
              std::string::npos);
}

}  // namespace
}  // namespace noma
