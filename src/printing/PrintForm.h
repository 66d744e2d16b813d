#pragma once

#include <functional>
#include <string>

#include "document/ScoreDocument.h"
#include "document/Settings.h"
#include "platform/Printer.h"
#include "printing/PrintJob.h"

namespace noma {

class UserSymbolStore;

// The print dialog (TPrint3DForm) without its window: what every control shows and holds,
// and its handlers. Made once and kept, like the window: the copy count, magnification,
// braille output and text size keep what the user last chose.
class PrintForm {
  public:
    static constexpr int kMaxCopies = 100;
    static constexpr int kFontSizeItems = 13;  // " 8" .. "20"

    // TotuPrintMClick (tactile) and SumiPrintMClick (ink): the caption and which controls
    // are enabled, before the dialog is shown.
    void configure(PrintMode mode);
    // FormShow: the file name, the page range over the whole score, the score's orientation
    // given to the printer, and the strength the settings carry.
    void show(const ScoreDocument& doc, const Settings& settings, Printer& printer);
    // FormActivate: the job title and what the printer reports.
    void activate(const ScoreDocument& doc, Printer& printer);
    // Button1Click: the printer's own set-up; its choices are shown when confirmed.
    bool changePrinter(Printer& printer);
    // The strength buttons: the strength is taken at once, printed or not.
    void chooseStrength(int strength, Settings& settings);
    // PrintBClick: prints the range with the current choices. `pagePrinted` hears of each
    // page as it goes (printed so far, pages in all) and may stop the job by returning false.
    PrintJobResult print(const ScoreDocument& doc, const UserSymbolStore* userSymbols,
                         Printer& printer,
                         const std::function<bool(int, int)>& pagePrinted = nullptr);

    // The values typed into the boxes, held within their ranges.
    void setCopies(int copies);
    void setFirstPage(int page);
    void setLastPage(int page);
    void setMagnification(int percent);
    void setBrailleItem(int item);
    void setFontSizeItem(int item);

    PrintMode mode() const { return mode_; }
    const std::string& caption() const { return caption_; }
    // Label11, Label12 and the six strength buttons.
    bool strengthEnabled() const { return mode_ == PrintMode::Tactile; }
    // Label3 (shown), the magnification, braille output and text size boxes and labels.
    bool inkControlsEnabled() const { return mode_ == PrintMode::Ink; }
    const std::string& fileName() const { return fileName_; }
    int copies() const { return copies_; }
    int firstPage() const { return firstPage_; }
    int lastPage() const { return lastPage_; }
    int pageCount() const { return pageCount_; }
    int strength() const { return strength_; }
    int magnification() const { return magnification_; }
    int brailleItem() const { return brailleItem_; }
    int fontSizeItem() const { return fontSizeItem_; }
    const std::string& printerName() const { return printerName_; }
    const std::string& paperText() const { return paperText_; }
    const std::string& orientationText() const { return orientationText_; }
    int dpi() const { return dpi_; }
    const std::string& dpiText() const { return dpiText_; }

    // The job's settings as the controls stand now.
    PrintSettings settings() const;

  private:
    void readPrinter(Printer& printer);

    PrintMode mode_ = PrintMode::Tactile;
    std::string caption_ = "３Ｄ印刷";
    std::string fileName_;
    int copies_ = 1;
    int firstPage_ = 1;
    int lastPage_ = 1;
    int pageCount_ = 1;
    int strength_ = 3;
    int magnification_ = 100;
    int brailleItem_ = 2;
    int fontSizeItem_ = 4;
    std::string printerName_;
    std::string paperText_;
    std::string orientationText_;
    int dpi_ = 0;
    std::string dpiText_;
};

// "NewNOMA.nmg" of "/home/user/NewNOMA.nmg": the name the dialog shows.
std::string fileNameOnly(const std::string& path);

}  // namespace noma
