#include "app/Workspace.h"

#include <memory>

#include "app/FormHost.h"
#include "app/LayoutForms.h"
#include "app/MusicCommands.h"
#include "document/NumberText.h"
#include "document/PageGeometry.h"
#include "document/PageOperations.h"
#include "document/ScoreFile.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "interchange/MusicXmlImport.h"
#include "interchange/NotShownText.h"
#include "musicxml/ScoreReader.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"
#include "printing/PaperSize.h"
#include "render/PageRenderer.h"

namespace noma {

namespace {

using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;
using Answer = Dialogs::Answer;

constexpr const char* kNoData = "データがありません。";
constexpr const char* kOverwriteQuestion = "同名のファイルが存在します。上書きしますか？";
constexpr const char* kMissingRecent = "このファイルは存在していません。履歴から削除しますか？";
constexpr const char* kDeletePageQuestion =
    "現在のページを削除します。復元はできません。実行しますか？";
constexpr const char* kAddPageQuestion = "ページを追加しますか？";
constexpr const char* kSaveTitle = "現在画面をＮＭＧファイルに保存";
constexpr const char* kOpenTitle = "ＮＭＧファイルを開く";

}  // namespace

Workspace::Workspace(Dialogs& dialogs, FormHost& forms, std::string programFolder)
    : dialogs_(dialogs),
      forms_(forms),
      programFolder_(std::move(programFolder)),
      viewImage_(pageWidth(0), pageHeight(0)),
      backImage_(pageWidth(0), pageHeight(0)),
      scratch_(900, 900),
      editor_(doc_, *this, viewImage_, backImage_, scratch_, staves_, programFolder_),
      palettes_(*this, dialogs_, programFolder_),
      braille_(*this) {
    view_.userSymbols = &palettes_.userSymbols();
    editor_.setUserSymbols(&palettes_.userSymbols());
    doc_.currentFileName = defaultFileName();
}

std::string Workspace::defaultFileName() const {
    return joinPath(programFolder_, "NewNOMA.nmg");
}

// ---- start-up and shutdown ----

void Workspace::startUp(std::optional<std::string> commandLineScore) {
    settings_ = readSettingsFile(programFolder_);
    doc_.currentFileName = defaultFileName();
    window_.fileName = doc_.currentFileName;
    ensureDirectory(joinPath(programFolder_, "NMK"));
    palettes_.userSymbols().rebuild(programFolder_);
    recreateImages();
    window_.windowHeight = 740;
    window_.windowWidth = 788;
    pendingScore_ = std::move(commandLineScore);
    history_.reset(doc_);
}

void Workspace::firstActivation() {
    if (pendingFailure_) {
        showFailure(*pendingFailure_);
        pendingFailure_.reset();
    }
    offerRecoveries();
    if (!pendingScore_) return;
    const std::string path = *pendingScore_;
    pendingScore_.reset();
    openScore(path);
}

bool Workspace::exitCommand() {
    if (doc_.dataChanged) {
        switch (
            dialogs_.message(kSaveQuestion, kConfirmTitle, Buttons::YesNoCancel, Icon::Question)) {
            case Answer::Yes:
                if (saveAs() != SaveOutcome::Saved) return false;
                break;
            case Answer::No:
                doc_.dataChanged = false;
                break;
            default:
                return false;
        }
    }
    return true;
}

bool Workspace::closeWindow() {
    if (!saveFirst()) return false;
    if (!palettes_.symbolEditor().confirmDiscard()) return false;
    if (Status saved = writeSettingsFile(programFolder_, settings_); !saved.ok()) {
        showFailure(saved.failure());
    }
    // A clean end: nothing is left for the next start to offer.
    if (recovery_) recovery_->release();
    return true;
}

// ---- saving ----

bool Workspace::saveFirst() {
    if (!doc_.dataChanged) return true;
    if (dialogs_.message(kSaveQuestion, kConfirmTitle, Buttons::YesNo, Icon::Question) !=
        Answer::Yes) {
        return true;
    }
    const SaveOutcome outcome = saveAs();
    // An empty document has nothing to lose.
    return outcome == SaveOutcome::Saved || outcome == SaveOutcome::NothingToSave;
}

void Workspace::showFailure(const Failure& failure) {
    dialogs_.message(failure.message, kConfirmTitle, Buttons::Ok, Icon::Exclamation);
}

bool Workspace::writeTo(const std::string& path) {
    if (Status written = writeScoreFile(doc_, path); !written.ok()) {
        showFailure(written.failure());
        return false;
    }
    doc_.currentFileName = path;
    doc_.dataChanged = false;
    window_.fileName = path;
    discardRecoveryCopy();
    return true;
}

Workspace::SaveOutcome Workspace::saveAs() {
    if (doc_.totalSymbolCount() == 0) {
        dialogs_.message(kNoData, kConfirmTitle, Buttons::Ok, Icon::None);
        return SaveOutcome::NothingToSave;
    }
    for (;;) {
        const auto chosen = dialogs_.saveFileName(kSaveTitle, kSaveFilter, doc_.currentFileName);
        if (!chosen) return SaveOutcome::Cancelled;
        const std::string path = withNmgExtension(*chosen);
        if (fileExists(path)) {
            const Answer a = dialogs_.message(kOverwriteQuestion, kConfirmTitle,
                                              Buttons::YesNoCancel, Icon::Question);
            if (a == Answer::No) continue;
            if (a != Answer::Yes) return SaveOutcome::Cancelled;
        }
        if (!writeTo(path)) return SaveOutcome::Failed;
        settings_.recentFiles.remember(path);
        return SaveOutcome::Saved;
    }
}

Workspace::SaveOutcome Workspace::overwriteSave() {
    if (doc_.totalSymbolCount() == 0) {
        dialogs_.message(kNoData, kConfirmTitle, Buttons::Ok, Icon::None);
        return SaveOutcome::NothingToSave;
    }
    return writeTo(withNmgExtension(doc_.currentFileName)) ? SaveOutcome::Saved
                                                           : SaveOutcome::Failed;
}

// ---- opening and closing ----

void Workspace::fileOpen() {
    if (!saveFirst()) return;
    const auto chosen = dialogs_.openFileName(kOpenTitle, kScoreFilter);
    if (!chosen) return;
    openScore(*chosen);
}

void Workspace::importMusicXml() {
    if (!saveFirst()) return;
    const auto chosen = dialogs_.openFileName(kImportTitle, kMusicXmlFilter);
    if (!chosen) return;
    const Expected<musicxml::Score> score = musicxml::readScoreFile(*chosen);
    if (!score.ok()) {
        showFailure(score.failure());
        return;
    }
    interchange::ImportOptions options;
    options.pitch = doc_.header.verticalPitch;
    // Laid out aside, so that a refusal leaves the open score as it was.
    auto imported = std::make_unique<ScoreDocument>();
    const Expected<interchange::ImportReport> report =
        interchange::importScore(*score, options, *imported);
    if (!report.ok()) {
        showFailure(report.failure());
        return;
    }
    std::string summary;
    for (const interchange::ImportWarning& warning : report->warnings)
        summary += warning.japanese + "\n";
    summary += interchange::notShownTextJapanese(report->notShown);
    if (!summary.empty())
        inform("表示できない記号や、はみ出した小節があります。\n" + summary, false);
    const bool wasOpen = documentOpen();
    const int pageBefore = doc_.currentPage;
    doc_ = std::move(*imported);
    doc_.currentFileName = defaultFileName();
    afterDocumentOpened();
    // Over an open score the import is a step that can be undone; otherwise it starts afresh.
    if (wasOpen) {
        noteEdit("MusicXMLの読み込み", pageBefore);
    } else {
        history_.reset(doc_);
    }
    doc_.dataChanged = true;  // nothing of it is saved yet
}

bool Workspace::openScore(const std::string& path) {
    if (Status read = readScoreFile(path, doc_); !read.ok()) {
        showFailure(read.failure());
        return false;
    }
    afterDocumentOpened();
    history_.reset(doc_);
    settings_.recentFiles.remember(path);
    return true;
}

void Workspace::afterDocumentOpened() {
    discardRecoveryCopy();
    cursor_ = PageCursor{};
    heldFrom_.reset();
    disarmTool();
    window_.fileName = doc_.currentFileName;
    window_.pageItems = doc_.header.pageCount;
    window_.pageItem = 0;
    showPageFields();
    recreateImages();
    redraw();
    enableDocumentMenus(true);
    window_.windowWidth = doc_.header.orientation == 1 ? 1079 : 788;
    window_.pitchText = fullWidthNumber(doc_.header.verticalPitch);
    window_.focusKeySink = true;
}

void Workspace::openRecent(int n) {
    if (n < 0 || n >= RecentFiles::kCount || settings_.recentFiles.isEmpty(n)) return;
    if (!saveFirst()) return;
    const std::string path = settings_.recentFiles.path(n);
    if (fileExists(path)) {
        openScore(path);
        return;
    }
    if (dialogs_.message(kMissingRecent, kConfirmTitle, Buttons::YesNo, Icon::Exclamation) ==
        Answer::Yes) {
        settings_.recentFiles.remove(n);
    }
}

void Workspace::fileClose() {
    if (!saveFirst()) return;
    doc_.clearSymbols();
    viewImage_.clear(kWhite);
    backImage_.clear(kWhite);
    doc_.currentFileName = defaultFileName();
    window_.fileName = doc_.currentFileName;
    window_.pitchText.clear();
    window_.stavesText.clear();
    window_.intervalText.clear();
    window_.pageItem = -1;
    window_.topMarginItem = -1;
    disarmTool();
    enableDocumentMenus(false);
    window_.rulesMenu = false;
    doc_.dataChanged = false;
    doc_.interactionState = kNoDocument;
    history_.reset(doc_);
    discardRecoveryCopy();
}

void Workspace::newScore() {
    if (!saveFirst()) return;
    NewScoreForm form;
    form.activate(doc_.header.verticalPitch);
    if (!forms_.runNewScore(form)) return;

    createNewScore(doc_, form.setup());
    doc_.currentFileName = defaultFileName();
    history_.reset(doc_);
    discardRecoveryCopy();
    disarmTool();
    window_.pageItems = 1;
    window_.pageItem = 0;
    showPageFields();
    recreateImages();
    redraw();
    enableDocumentMenus(true);
    window_.pitchText = fullWidthNumber(doc_.header.verticalPitch);
    window_.fileName = doc_.currentFileName;
    window_.windowWidth = doc_.header.orientation == 1 ? 1079 : 788;
    window_.focusKeySink = true;
}

// ---- pages ----

void Workspace::runPageDialog(int target, const char* caption, const char* stepName) {
    if (doc_.header.pageCount >= kMaxPages) {
        dialogs_.message(kTooManyPagesMessage, kConfirmTitle, Buttons::Ok, Icon::Exclamation);
        return;
    }
    const int pageBefore = doc_.currentPage;
    PageForm form;
    form.activate(doc_, target, caption);
    if (forms_.runPageForm(form)) {
        insertPage(doc_, target, form.setup());
        window_.pageItems = doc_.header.pageCount;
    }
    // As after the dialog in any case: the page shown afresh and the document marked.
    selectPage(doc_.currentPage);
    doc_.dataChanged = true;
    noteEdit(stepName, pageBefore);
}

void Workspace::pageAdd() {
    if (!documentOpen()) return;
    runPageDialog(doc_.header.pageCount, "　ページの追加", "ページの追加");
}

void Workspace::pageInsert() {
    if (!documentOpen()) return;
    runPageDialog(doc_.currentPage, "　ページの挿入", "ページの挿入");
}

void Workspace::pageDelete() {
    if (!documentOpen()) return;
    if (dialogs_.message(kDeletePageQuestion, kConfirmTitle, Buttons::YesNo, Icon::Question) !=
        Answer::Yes) {
        return;
    }
    const int pageBefore = doc_.currentPage;
    deletePage(doc_, doc_.currentPage);
    window_.pageItems = doc_.header.pageCount;
    selectPage(doc_.currentPage);
    doc_.dataChanged = true;
    noteEdit("ページの削除", pageBefore);
}

void Workspace::selectPage(int page) {
    if (!documentOpen() || page < 0 || page >= doc_.header.pageCount) return;
    doc_.currentPage = page;
    window_.pageItem = page;
    showPageFields();
    disarmTool();
    doc_.interactionState = kIdle;
    redraw();
    window_.scrollToTop = true;
    window_.focusKeySink = true;
}

void Workspace::previousPage() {
    if (!documentOpen()) return;
    if (doc_.currentPage >= 1) selectPage(doc_.currentPage - 1);
}

void Workspace::nextPage() {
    if (!documentOpen()) return;
    if (doc_.currentPage < doc_.header.pageCount - 1) {
        selectPage(doc_.currentPage + 1);
    } else if (dialogs_.message(kAddPageQuestion, kConfirmTitle, Buttons::YesNo, Icon::Question) ==
               Answer::Yes) {
        pageAdd();
    }
}

void Workspace::topMarginChanged(int item) {
    if (!documentOpen() || item < 0 || item > kMaxTopMargin - kMinTopMargin) return;
    doc_.settings(doc_.currentPage).topMargin = item + kMinTopMargin;
    window_.topMarginItem = item;
    redraw();
    doc_.dataChanged = true;
    noteEdit("トップの変更");
    window_.focusKeySink = true;
}

void Workspace::showPageFields() {
    const PageSettings& page = doc_.settings(doc_.currentPage);
    window_.topMarginItem = page.topMargin - kMinTopMargin;
    window_.stavesText = fullWidthNumber(page.staveCount);
    window_.intervalText = fullWidthNumber(page.staveInterval);
    window_.rulesMenu = page.scoreType == kBlank;
}

// ---- tool modes and view ----

void Workspace::disarmTool() {
    doc_.toolMode = 0;
    window_.pressedMode = 0;
    window_.modeText.clear();
}

void Workspace::selectMode(int mode) {
    if (!documentOpen()) return;
    // Any other tool hides the braille window; its pending cells are dropped.
    if (mode != kBraille) window_.brailleWindowVisible = false;
    window_.pressedMode = (mode >= 1 && mode < kModeTableSize) ? mode : 0;
    doc_.toolMode = mode;
    window_.modeText = std::string(modeText(mode));
    palettes_.modeSwitched();
    doc_.interactionState = kReady;
    view_.brailleCursor = {1, 0};
    // Clear the strips along the left and top edges of the view.
    viewImage_.setBrushColour(kWhite);
    viewImage_.fillRect({0, 0, 33, viewImage_.height()});
    viewImage_.fillRect({0, 0, viewImage_.width(), 33});
    window_.focusKeySink = true;
}

void Workspace::toggleRules() {
    if (!documentOpen()) return;
    view_.rulesVisible = !view_.rulesVisible;
    redraw();
}

void Workspace::toggleHotPositions() {
    if (!documentOpen()) return;
    view_.hotPositionsVisible = view_.hotPositionsVisible == 1 ? 0 : 1;
    redraw();
}

void Workspace::setGridInterval(int interval) {
    if (!documentOpen() || interval < 0 || interval > 6) return;
    view_.gridInterval = interval;
    redraw();
}

void Workspace::setDisplayMode(int mode) {
    if (mode < 0 || mode > 2) return;
    view_.displayMode = mode;
    if (documentOpen()) redraw();
}

bool Workspace::applyOptionKeys(const std::array<std::string, 6>& boxes) {
    // All six or none: a refused box must not leave a map half changed.
    static constexpr const char* kDots[6] = {"１", "２", "３", "４", "５", "６"};
    std::array<char, 6> keys{};
    for (size_t i = 0; i < boxes.size(); ++i) {
        const auto key = boxes[i].size() == 1 ? normalizeKeyLetter(boxes[i][0]) : std::nullopt;
        if (!key) {
            const std::string given = boxes[i].empty() ? "（空欄）" : "「" + boxes[i] + "」";
            dialogs_.message(std::string("点") + kDots[i] + "のキー" + given +
                                 "は使えません。半角英字 a ～ z を１文字入力してください。",
                             kConfirmTitle, Buttons::Ok, Icon::Exclamation);
            return false;
        }
        for (size_t j = 0; j < i; ++j) {
            if (keys[j] != *key) continue;
            dialogs_.message(std::string("キー「") + *key + "」が点" + kDots[j] + "と点" +
                                 kDots[i] +
                                 "の両方に指定されています。点ごとに別のキーを指定してください。",
                             kConfirmTitle, Buttons::Ok, Icon::Exclamation);
            return false;
        }
        keys[i] = *key;
    }
    settings_.sixKeyMap = keys;
    return true;
}

// ---- the page image and keys ----

namespace {

std::string symbolName(int mode) {
    const std::string_view text = modeText(mode);
    return text.empty() ? std::string("記号") : std::string(text);
}

// The step a press or release made: "４分音符の記入", "４分音符の移動", "領域を指定して移動"...
std::string pointerStepName(int modeBefore, int modeAfter, const EditState& s) {
    if (modeBefore == kModeMoveCopyErase) {
        return symbolName(s.pickedKind) + (s.lastEditKind == kRecordMoved ? "の移動" : "の削除");
    }
    if (modeAfter == kModeMoveCopyErase) return symbolName(s.pickedKind) + "の削除";
    if (modeBefore >= kModeRegionCopy && modeBefore <= kModeClipPaste) {
        return std::string(modeText(modeBefore));
    }
    return symbolName(modeBefore) + "の記入";
}

}  // namespace

void Workspace::pageMouseDown(MouseButton button, int x, int y) {
    const int mode = doc_.toolMode;
    // The keyboard goes on from where the mouse last pressed.
    if (!keyboardPress_ && documentOpen())
        cursor_ = cursorAt({x, y}, doc_, doc_.currentPage, cursor_.shown);
    editor_.mouseDown(button, x, y);
    // A drag is one step when it is released.
    if (!editor_.state().dragging) noteEdit(pointerStepName(mode, doc_.toolMode, editor_.state()));
}
void Workspace::pageMouseMove(int x, int y) {
    editor_.mouseMove(x, y);
}
void Workspace::pageMouseUp(MouseButton button, int x, int y) {
    const int mode = doc_.toolMode;
    editor_.mouseUp(button, x, y);
    noteEdit(pointerStepName(mode, doc_.toolMode, editor_.state()));
}
bool Workspace::keyDown(EditKey key) {
    const bool used = editor_.keyDown(key);
    if (key == EditKey::BackSpace) {
        noteEdit(kBackSpaceStep);
    } else if (key != EditKey::Other) {
        noteEdit("矢印キーによる移動", -1, true);
    }
    return used;
}
void Workspace::undo() {
    editor_.undo();
    noteEdit(kBackSpaceStep);
}
void Workspace::clipPaste() {
    editor_.clipPaste();
}

void Workspace::showMessage(const std::string& text, EditHost::MessageIcon icon) {
    const Icon shown = icon == EditHost::MessageIcon::Information   ? Icon::Information
                       : icon == EditHost::MessageIcon::Exclamation ? Icon::Exclamation
                                                                    : Icon::None;
    dialogs_.message(text, kConfirmTitle, Buttons::Ok, shown);
}

void Workspace::setModeText(std::string_view text) {
    window_.modeText = std::string(text);
}

void Workspace::movePointerBy(int dx, int dy) {
    if (keyboardPress_) {
        // The gesture was begun from the keyboard: its cursor takes the jump, not the pointer.
        const Point at = cursorPoint(cursor_, doc_, doc_.currentPage).moved(dx, dy);
        cursor_ = cursorAt(at, doc_, doc_.currentPage, cursor_.shown);
        return;
    }
    window_.pointerJumpX += dx;
    window_.pointerJumpY += dy;
}

void Workspace::openBrailleWindow(int cursorX, int cursorY) {
    view_.brailleCursor = {cursorX, cursorY};
    braille_.open();
}

void Workspace::inform(const std::string& text, bool warning) {
    dialogs_.message(text, kConfirmTitle, Buttons::Ok, warning ? Icon::Exclamation : Icon::None);
}

// ---- thumbnails ----

render::ThumbnailLayout Workspace::drawThumbnails(Canvas& out) {
    const render::ThumbnailLayout layout =
        render::thumbnailLayout(doc_.header.orientation, doc_.header.pageCount);
    if (!documentOpen()) return layout;
    view_.toolMode = doc_.toolMode;
    view_.interactionState = doc_.interactionState;
    render::drawThumbnails(doc_, view_, viewImage_, backImage_, staves_, out);
    redraw();
    return layout;
}

bool Workspace::thumbnailClick(int x, int y) {
    if (!documentOpen()) return false;
    const auto layout = render::thumbnailLayout(doc_.header.orientation, doc_.header.pageCount);
    const int page = render::thumbnailAt(layout, doc_.header.pageCount, x, y);
    if (page < 0) return false;
    selectPage(page);
    return true;
}

// ---- music ----

void Workspace::midiPlay(const MidiSettings& settings, MidiPlayback& playback) {
    if (documentOpen()) playMidi(doc_, settings, programFolder_, playback, dialogs_);
}

bool Workspace::midiSave(const MidiSettings& settings) {
    return documentOpen() && saveMidiThroughDialog(doc_, settings, dialogs_);
}

bool Workspace::musicXmlExport(const MidiSettings& settings) {
    return documentOpen() && exportMusicXmlThroughDialog(doc_, settings, dialogs_);
}

void Workspace::transposition() {
    if (!documentOpen()) return;
    // Key signatures removed and appended move records: an undo or nudge recorded before
    // would now act on the wrong ones, so only the plain "remove the last" undo is left.
    if (runTransposition(doc_, transposition_, forms_, dialogs_)) {
        editor_.state().lastEditKind = kAppended;
    }
    doc_.dataChanged = true;
    noteEdit("移調");
    redraw();
    window_.focusKeySink = true;
}

void Workspace::printDialog(PrintMode mode) {
    if (!documentOpen()) return;
    printForm_.configure(mode);
    forms_.runPrintForm(printForm_);
}

bool Workspace::openReliefPreview(Printer& printer, int page) {
    if (!documentOpen()) return false;
    // The page as the dialog would print it: the score's orientation on the printer's paper.
    printer.setOrientation(doc_.header.orientation == 1 ? kOrientationLandscape
                                                        : kOrientationPortrait);
    PrintSettings settings;
    settings.mode = PrintMode::Tactile;
    settings.dpi = printer.dpi();
    if (settings.dpi <= 0 || printer.pageWidth() <= 0 || printer.pageHeight() <= 0) {
        inform("プリンタの解像度と用紙がわからないため、プレビューできません。", true);
        return false;
    }
    settings.strength = settings_.printStrength;
    reliefPreview_.open(doc_, &palettes_.userSymbols(), settings, printer.pageWidth(),
                        printer.pageHeight(), page > 0 ? page : doc_.currentPage + 1);
    return true;
}

void Workspace::showSearchWindow() {
    view_.searchTarget = doc_.toolMode;
    // The marks shown must be those of the target the window names.
    if (view_.searchActive == 1) redraw();
}

void Workspace::retargetSearch() {
    view_.searchTarget = doc_.toolMode;
    redraw();
}

void Workspace::toggleSearch() {
    view_.searchActive = view_.searchActive == 1 ? 0 : 1;
    redraw();
}

// ---- images ----

void Workspace::enableDocumentMenus(bool enabled) {
    window_.documentMenus = enabled;
}

void Workspace::recreateImages() {
    const int orientation = documentOpen() ? doc_.header.orientation : 0;
    viewImage_ = Canvas(pageWidth(orientation), pageHeight(orientation));
    backImage_ = Canvas(pageWidth(orientation), pageHeight(orientation));
    viewImage_.clear(kWhite);
    backImage_.clear(kWhite);
}

void Workspace::redraw() {
    if (!documentOpen()) return;
    view_.toolMode = doc_.toolMode;
    view_.interactionState = doc_.interactionState;
    render::renderPage(doc_, doc_.currentPage, view_, viewImage_, backImage_, staves_);
    ++renderCount_;
}

}  // namespace noma
