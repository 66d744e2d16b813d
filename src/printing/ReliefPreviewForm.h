#pragma once

#include <string>

#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "printing/PrintJob.h"
#include "printing/ReliefIssues.h"
#include "printing/ReliefShading.h"

namespace noma {

class UserSymbolStore;

// The relief preview of the tactile print without its window: the page drawn by the print
// job's own drawing at the dialog's resolution, strength and paper, shown as relief or flat,
// at a zoom, with the checks on request. The window asks it for the pixels it shows.
class ReliefPreviewForm {
  public:
    enum class Zoom { Fit, Actual, Double };  // 全体, 100 %, 200 % of print pixels

    // Opens on page `page` (1-based) of `doc` with the dialog's choices; the tactile print is
    // previewed whatever kind of print the dialog last made. The document and the symbols
    // must outlive the form's use of them.
    void open(const ScoreDocument& doc, const UserSymbolStore* userSymbols,
              const PrintSettings& settings, int pageWidth, int pageHeight, int page);
    bool isOpen() const { return doc_ != nullptr; }

    // Paging over the score, held within it.
    void setPage(int page);
    void nextPage() { setPage(page_ + 1); }
    void previousPage() { setPage(page_ - 1); }
    // The dialog's strength changed: the page is drawn again in its greys.
    void setStrength(int strength);
    void setLook(ReliefLook look) { look_ = look; }
    void setShowIssues(bool show) { showIssues_ = show; }
    void setMinimumGap(double mm);
    void setZoom(Zoom zoom) { zoom_ = zoom; }

    int page() const { return page_; }
    int pageCount() const { return pageCount_; }
    int strength() const { return settings_.strength; }
    int dpi() const { return settings_.dpi; }
    ReliefLook look() const { return look_; }
    bool showIssues() const { return showIssues_; }
    double minimumGap() const { return minimumGapMm_; }
    Zoom zoom() const { return zoom_; }
    // The print picture of the page, printer pixels.
    const Canvas& printPicture() const { return picture_; }
    // The checks of the page, found when first asked for.
    const ReliefIssues& issues();

    // The size the page is shown at in a view of `viewWidth` x `viewHeight`.
    Point shownSize(int viewWidth, int viewHeight) const;
    // The pixels of the shown page's box `visible` (shown pixels), issues drawn when on.
    Canvas shownPart(Rect visible, Point shown);
    // "ページ 2／5　印刷強度 ３", and the counts when the checks are on.
    std::string statusText();

  private:
    void redraw();

    const ScoreDocument* doc_ = nullptr;
    const UserSymbolStore* userSymbols_ = nullptr;
    PrintSettings settings_;
    int pageWidth_ = 1;
    int pageHeight_ = 1;
    int page_ = 1;
    int pageCount_ = 1;
    ReliefLook look_ = ReliefLook::Relief;
    bool showIssues_ = false;
    double minimumGapMm_ = kDefaultMinimumGapMm;
    Zoom zoom_ = Zoom::Fit;
    Canvas picture_;
    ReliefIssues issues_;
    bool issuesFound_ = false;
};

// The whole page as a file gets it (noma-cli's --preview): one pixel per print pixel, relief,
// flat, or relief with the checks drawn over it.
enum class PreviewPicture { Relief, Flat, Issues };
Canvas previewPicture(const Canvas& print, const std::vector<Rect>& brailleCells,
                      const std::vector<Rect>& lines, int dpi, PreviewPicture kind);

}  // namespace noma
