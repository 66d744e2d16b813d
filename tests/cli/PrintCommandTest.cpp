// noma-cli print, run as a user runs it: what the job sends to a PDF or PNG "printer".
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <regex>

#include "CliRunner.h"
#include "TempFolder.h"
#include "platform/FileIo.h"
#include "platform/PngFile.h"

namespace noma {
namespace {

// Three portrait pages at pitch 8, each with one staff line more than the one before, and a
// braille cell on the first.
constexpr const char* kScore =
    "3 8 0\r\n"
    "1 2 12 1 10 4\r\n"
    "46 6 0 552 0 0 0 0 0 0 \r\n"
    "40 100 40 33 0 0 0 0 0 0 \r\n"
    "1 2 12 1 10 4\r\n"
    "46 6 0 552 0 0 0 0 0 0 \r\n"
    "46 6 10 552 0 0 0 0 0 0 \r\n"
    "1 3 12 1 10 4\r\n"
    "46 6 0 552 0 0 0 0 0 0 \r\n"
    "46 6 10 552 0 0 0 0 0 0 \r\n"
    "46 6 20 552 0 0 0 0 0 0 \r\n";

constexpr const char* kLandscape =
    "1 8 1\r\n"
    "1 1 12 1 10 4\r\n"
    "46 6 0 552 0 0 0 0 0 0 \r\n";

// Output of a shell command.
// The page count pdfinfo reports, -1 when it reports none.
int pdfPages(const std::string& info);

std::string shell(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            out.append(buffer.data(), n);
        ::pclose(pipe);
    }
    return out;
}

int pdfPages(const std::string& info) {
    std::smatch m;
    if (!std::regex_search(info, m, std::regex(R"(Pages:\s+(\d+)\n)"))) return -1;
    return std::stoi(m[1].str());
}

int countOf(const Canvas& c, Rgb colour) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) n += c.getPixel(x, y) == colour;
    return n;
}

class PrintCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(writeFileAtomically(dir.file("s.nmg"), kScore).ok());
        ASSERT_TRUE(writeFileAtomically(dir.file("wide.nmg"), kLandscape).ok());
    }
    test::CliResult run(const std::string& arguments) {
        return test::runCli(arguments + " --folder " + q(""), dir.path());
    }
    std::string q(const std::string& name) { return "'" + dir.file(name) + "'"; }
    Canvas png(const std::string& options, const std::string& score = "s.nmg") {
        const auto r = run("print " + q(score) + " " + options + " -o " + q("out.png"));
        EXPECT_EQ(r.status, 0) << r.err;
        return readPngFile(dir.file("out.png")).value_or(Canvas());
    }
    test::TempFolder dir;
};

TEST_F(PrintCli, PdfHasOneLosslessGreyPicturePerPrintedPage) {
    const auto r =
        run("print " + q("s.nmg") + " --mode tactile --dpi 150 --copies 2 -o " + q("out.pdf"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pdfPages(shell("pdfinfo " + q("out.pdf"))), 6);
    // pdfimages names each picture's encoding: "image" for Flate, "jpeg" for DCT.
    const std::string list = shell("pdfimages -list " + q("out.pdf"));
    const std::regex row(R"(\n\s+(\d+)\s+\d+\s+image\s+1240\s+1754\s+gray\s+1\s+8\s+(\w+)\s)");
    int pictures = 0;
    for (std::sregex_iterator it(list.begin(), list.end(), row), end; it != end; ++it) {
        EXPECT_EQ((*it)[2].str(), "image");
        EXPECT_EQ(std::stoi((*it)[1].str()), ++pictures);
    }
    EXPECT_EQ(pictures, 6) << list;
    EXPECT_EQ(list.find("jpeg"), std::string::npos);
}

TEST_F(PrintCli, PdfPagesAreThePngPages) {
    // The first page of the PDF, taken out again, is the PNG of the same print.
    ASSERT_EQ(run("print " + q("s.nmg") + " --mode tactile --dpi 100 -o " + q("out.pdf")).status,
              0);
    shell("pdfimages -f 1 -l 1 -png " + q("out.pdf") + " " + q("page"));
    const auto fromPdf = readPngFile(dir.file("page-000.png"));
    ASSERT_TRUE(fromPdf.has_value());
    const Canvas direct = png("--mode tactile --dpi 100");
    ASSERT_EQ(fromPdf->width(), direct.width());
    ASSERT_EQ(fromPdf->height(), direct.height());
    int differing = 0;
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x)
            differing += fromPdf->getPixel(x, y) != direct.getPixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(PrintCli, PngIsTheFirstPrintedPageAtThePrintResolution) {
    const Canvas a4 = png("--mode tactile --dpi 150");
    EXPECT_EQ(a4.width(), 1240);
    EXPECT_EQ(a4.height(), 1754);
    const Canvas a3 = png("--mode ink --dpi 150 --paper a3");
    EXPECT_EQ(a3.width(), 1754);
    EXPECT_EQ(a3.height(), 2480);
    const Canvas b5 = png("--mode ink --dpi 100 --paper b5");
    EXPECT_EQ(b5.width(), 717);
    EXPECT_EQ(b5.height(), 1012);
    const Canvas wide = png("--mode tactile --dpi 100", "wide.nmg");
    EXPECT_GT(wide.width(), wide.height());

    // Pages 2-3 start with page 2, which has one more line than page 1.
    const int page1 = countOf(png("--mode tactile --dpi 100"), rgb(120, 120, 120));
    const int page2 = countOf(png("--mode tactile --dpi 100 --pages 2-3"), rgb(120, 120, 120));
    EXPECT_GT(page2, page1);
}

TEST_F(PrintCli, StrengthAndModeChooseTheGreys) {
    const Canvas strong = png("--mode tactile --dpi 100 --strength 1");
    EXPECT_GT(countOf(strong, rgb(60, 60, 60)), 0);
    EXPECT_GT(countOf(strong, rgb(0, 0, 0)), 0);  // the braille dots
    const Canvas weak = png("--mode tactile --dpi 100 --strength 6");
    EXPECT_GT(countOf(weak, rgb(210, 210, 210)), 0);
    EXPECT_EQ(countOf(weak, rgb(0, 0, 0)), 0);
    const Canvas ink = png("--mode ink --dpi 100");
    EXPECT_EQ(countOf(ink, kBlack) + countOf(ink, kWhite), ink.width() * ink.height());
}

TEST_F(PrintCli, InkMagnificationScalesThePage) {
    const auto lineLength = [](const Canvas& c) {
        int longest = 0;
        for (int y = 0; y < c.height(); ++y) {
            int run = 0;
            for (int x = 0; x < c.width(); ++x) {
                run = c.getPixel(x, y) == kBlack ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    };
    const int full = lineLength(png("--mode ink --dpi 100 --pages 3"));
    const int half = lineLength(png("--mode ink --dpi 100 --pages 3 --magnification 50"));
    EXPECT_NEAR(full, 552 * 100 * 4.5 / 360, 1);
    EXPECT_NEAR(half, full / 2, 1);
}

TEST_F(PrintCli, AnEmptyRangeIsRefused) {
    for (const char* name : {"out.pdf", "out.png"}) {
        const auto r =
            run("print " + q("s.nmg") + " --mode tactile --dpi 100 --pages 3-2 -o " + q(name));
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find("印刷するページがありません。"), std::string::npos);
        EXPECT_FALSE(fileExists(dir.file(name)));
    }
}

TEST_F(PrintCli, BadOptionsAreUsageErrors) {
    const std::string in = "print " + q("s.nmg") + " ";
    for (const std::string& options :
         {std::string("-o ") + q("x.pdf"), "--mode relief -o " + q("x.pdf"),
          "--mode tactile --strength 7 -o " + q("x.pdf"), "--mode tactile -o " + q("x.jpg"),
          "--mode tactile --pages 4 -o " + q("x.pdf"), "--mode tactile --copies 0 -o " + q("x.pdf"),
          "--mode ink --magnification 40 -o " + q("x.pdf"),
          "--mode ink --braille dots -o " + q("x.pdf"),
          "--mode ink --font-size 21 -o " + q("x.pdf"),
          "--mode ink --paper letter -o " + q("x.pdf"), "--mode ink --dpi 5000 -o " + q("x.pdf")}) {
        const auto r = run(in + options);
        EXPECT_EQ(r.status, 2) << options << "\n" << r.err;
    }
    EXPECT_FALSE(fileExists(dir.file("x.pdf")));
}

TEST_F(PrintCli, PreviewsAreTheFirstPrintedPageAsReliefFlatGreysOrWithTheChecks) {
    const std::string options = "--mode tactile --dpi 100 --strength 2 --pages 2-3 ";
    const Canvas printed = png(options);
    const Canvas flat = png(options + "--preview flat");
    ASSERT_EQ(flat.width(), printed.width());
    ASSERT_EQ(flat.height(), printed.height());
    int differing = 0;
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x)
            differing += flat.getPixel(x, y) != printed.getPixel(x, y);
    EXPECT_EQ(differing, 0);

    const Canvas relief = png(options + "--preview relief");
    ASSERT_EQ(relief.width(), printed.width());
    ASSERT_EQ(relief.height(), printed.height());
    const int paper = greenOf(relief.getPixel(5, 5));
    int lit = 0, shaded = 0, coloured = 0;
    for (int y = 0; y < relief.height(); ++y) {
        for (int x = 0; x < relief.width(); ++x) {
            const Rgb p = relief.getPixel(x, y);
            lit += greenOf(p) > paper;
            shaded += greenOf(p) < paper;
            coloured += redOf(p) != greenOf(p) || blueOf(p) != greenOf(p);
        }
    }
    EXPECT_GT(paper, 100);
    EXPECT_LT(paper, 255);
    EXPECT_GT(lit, 0);
    EXPECT_GT(shaded, 0);
    EXPECT_EQ(coloured, 0);

    // Two marks side by side, too close for a fingertip: framed and joined in red.
    ASSERT_TRUE(writeFileAtomically(dir.file("close.nmg"),
                                    "1 8 0\r\n1 2 12 1 10 4\r\n"
                                    "58 10 4 0 0 0 0 0 0 0 \r\n"
                                    "58 13 4 0 0 0 0 0 0 0 \r\n")
                    .ok());
    const Rgb red = rgb(230, 0, 0);
    EXPECT_GT(countOf(png("--mode tactile --dpi 100 --preview issues", "close.nmg"), red), 0);
    EXPECT_EQ(countOf(png("--mode tactile --dpi 100 --preview issues"), red), 0);

    for (const std::string& bad : {std::string("--mode tactile --preview relief -o ") + q("x.pdf"),
                                   "--mode ink --preview flat -o " + q("x.png"),
                                   "--mode tactile --preview shaded -o " + q("x.png")}) {
        const auto r = run("print " + q("s.nmg") + " " + bad);
        EXPECT_EQ(r.status, 2) << bad << "\n" << r.err;
    }
    EXPECT_FALSE(fileExists(dir.file("x.png")));
}

TEST_F(PrintCli, UnwritableOutputIsRefused) {
    const auto r =
        run("print " + q("s.nmg") + " --mode tactile --dpi 100 -o " + q("missing/out.pdf"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ファイルに保存できませんでした。"), std::string::npos);
}

}  // namespace
}  // namespace noma
