// print: the print job of the print dialog, on a printer that prints into a PDF or PNG file.
#include "cli/PrintCommand.h"

#include <algorithm>
#include <cctype>

#include "document/ScoreDocument.h"
#include "platform/FileIo.h"
#include "platform/PngFile.h"
#include "printing/FilePrinter.h"
#include "printing/PaperSize.h"
#include "printing/PrintJob.h"
#include "printing/PrintPage.h"
#include "printing/ReliefPreviewForm.h"
#include "render/UserSymbolStore.h"

namespace noma::cli {

namespace {

constexpr int kMinDpi = 20;
constexpr int kMaxDpi = 1200;

// The dialog's boxes, fixed for the whole job.
class FixedControls final : public JobControls {
  public:
    FixedControls(int copies, int first, int last) : copies_(copies), first_(first), last_(last) {}
    int copies() const override { return copies_; }
    int firstPage() const override { return first_; }
    int lastPage() const override { return last_; }

  private:
    int copies_, first_, last_;
};

FilePrinter::Format formatOf(const std::string& path) {
    const auto dot = path.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "pdf") return FilePrinter::Format::Pdf;
    if (extension == "png") return FilePrinter::Format::Png;
    throw UsageError{"-o must name a .pdf or a .png file, not '" + path + "'"};
}

}  // namespace

int runPrint(Args& args) {
    const auto given = args.value("-o");
    if (!given || given->empty()) throw UsageError{"print needs -o OUT.pdf or -o OUT.png"};
    const std::string out = *given;
    const FilePrinter::Format format = formatOf(out);
    if (!args.has("--mode")) throw UsageError{"print needs --mode tactile|ink"};
    PrintSettings settings;
    settings.mode = args.choiceOption("--mode", {"tactile", "ink"}, 0) == 1 ? PrintMode::Ink
                                                                            : PrintMode::Tactile;
    settings.dpi = args.intOption("--dpi", kMinDpi, kMaxDpi, 600);
    settings.strength = args.intOption("--strength", kMinStrength, kMaxStrength, 3);
    settings.magnification =
        args.intOption("--magnification", kMinMagnification, kMaxMagnification, 100);
    // Item order of the braille output box: kana, alphabet, braille.
    settings.brailleOutput = args.choiceOption("--braille", {"kana", "alphabet", "braille"}, 2);
    settings.fontSizeItem = args.intOption("--font-size", 8, 20, 12) - 8;
    const int copies = args.intOption("--copies", 1, 100, 1);
    constexpr int kPapers[] = {kPaperA4, kPaperA3, kPaperB4, kPaperB5};
    const int paper = kPapers[args.choiceOption("--paper", {"a4", "a3", "b4", "b5"}, 0)];
    constexpr PreviewPicture kPreviews[] = {PreviewPicture::Relief, PreviewPicture::Flat,
                                            PreviewPicture::Issues};
    const bool preview = args.has("--preview");
    const PreviewPicture previewKind =
        kPreviews[args.choiceOption("--preview", {"relief", "flat", "issues"}, 0)];
    if (preview && format != FilePrinter::Format::Png)
        throw UsageError{"--preview writes a picture: -o must name a .png file"};
    if (preview && settings.mode != PrintMode::Tactile)
        throw UsageError{"--preview shows the tactile print: it needs --mode tactile"};

    checkOutputs({out}, args.files());
    ScoreDocument doc;
    loadScore(args.inputFile(), doc);
    // A job that would print nothing: a file without a page is of no use.
    const auto [first, last] = pageRange(
        args, doc.header.pageCount,
        {"印刷するページがありません。", "nothing to print: the first page comes after the last"});
    UserSymbolStore userSymbols;
    userSymbols.rebuild(args.folder());
    FilePrinter printer(out, format, settings.dpi, paper);
    // As the dialog does on opening: the paper turns with the score.
    printer.setOrientation(doc.header.orientation == 1 ? kOrientationLandscape
                                                       : kOrientationPortrait);
    if (preview) {
        // The first page the job would print, drawn by the job's own page drawing.
        Canvas picture;
        drawJobPage(picture, printer.pageWidth(), printer.pageHeight(), doc, first - 1, settings,
                    &userSymbols);
        const PrintRaster raster = printRaster(settings);
        const std::string png = encodePng(
            previewPicture(picture, printedBrailleCells(doc, first - 1, raster),
                           printedLines(doc, first - 1, raster), settings.dpi, previewKind));
        if (png.empty())
            throw Refused{
                Failure{"ファイルに保存できませんでした。\n" + out,
                        "cannot write " + out + ": the picture cannot be encoded as PNG"}};
        refuseUnlessOk(writeFileAtomically(out, png));
        return kExitOk;
    }
    FixedControls controls(copies, first, last);
    const PrintJobResult result = runPrintJob(doc, settings, &userSymbols, controls, printer);
    // The file printer's failure names the file and says why.
    if (!result.status.ok()) throw Refused{result.status.failure()};
    return kExitOk;
}

}  // namespace noma::cli
