// The Workspace's edit history, autosave and recovery.

#include <chrono>
#include <ctime>

#include "app/Workspace.h"
#include "document/NumberText.h"
#include "document/PageGeometry.h"
#include "document/ScoreFile.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "platform/Dialogs.h"

namespace noma {

namespace {

constexpr const char* kUndoItem = "元に戻す";
constexpr const char* kRedoItem = "やり直す";
// Changes no command named, made before an undo or redo.
constexpr const char* kOtherEdit = "編集";
constexpr const char* kRecoveryQuestion =
    "前回、保存されずに終了した楽譜があります。復元しますか？";

std::string itemText(const char* item, const std::string& step) {
    return step.empty() ? std::string(item) : std::string(item) + "：" + step;
}

}  // namespace

std::string Workspace::undoItemText() const {
    return itemText(kUndoItem, canHistoryUndo() ? history_.undoName() : std::string());
}

std::string Workspace::redoItemText() const {
    return itemText(kRedoItem, canHistoryRedo() ? history_.redoName() : std::string());
}

void Workspace::noteEdit(const std::string& name, int pageBefore, bool series) {
    if (!documentOpen()) return;
    if (history_.record(doc_, name, pageBefore < 0 ? doc_.currentPage : pageBefore, series)) {
        ++editGeneration_;
    }
}

bool Workspace::gestureInProgress() const {
    // A dragged record is held emptied in the document until its release.
    return editor_.state().dragging ||
           (doc_.toolMode == kModeMoveCopyErase && doc_.interactionState == kFirstPoint);
}

void Workspace::historyUndo() {
    if (!documentOpen() || gestureInProgress()) return;
    noteEdit(kOtherEdit);
    const int orientation = doc_.header.orientation;
    if (history_.undo(doc_)) afterHistoryStep(orientation);
}

void Workspace::historyRedo() {
    if (!documentOpen() || gestureInProgress()) return;
    noteEdit(kOtherEdit);
    const int orientation = doc_.header.orientation;
    if (history_.redo(doc_)) afterHistoryStep(orientation);
}

void Workspace::afterHistoryStep(int oldOrientation) {
    // The one-step notes describe an edit that is no longer there: BackSpace and the arrows
    // must not act on records the history has just put back.
    EditState& s = editor_.state();
    s.lastEditKind = kNothingToUndo;
    s.removedRecord = SymbolRecord{};
    // An armed paste still needs what it loaded from the clipboard.
    if (doc_.toolMode != kModeClipPaste) s.selection = RegionSelection{};
    // A region chosen before refers to records by their old places: it is chosen again.
    if (doc_.interactionState > kReady) doc_.interactionState = doc_.toolMode == 0 ? kIdle : kReady;
    doc_.dataChanged = true;
    ++editGeneration_;
    if (doc_.header.orientation != oldOrientation) {
        recreateImages();
        window_.windowWidth = doc_.header.orientation == 1 ? 1079 : 788;
    }
    window_.pageItems = doc_.header.pageCount;
    window_.pageItem = doc_.currentPage;
    window_.pitchText = fullWidthNumber(doc_.header.verticalPitch);
    showPageFields();
    redraw();
    window_.focusKeySink = true;
}

// ---- autosave and recovery ----

void Workspace::startRecovery() {
    // The start time in nanoseconds tells this run from an earlier one of the same process id.
    const auto started = std::chrono::system_clock::now().time_since_epoch().count();
    recovery_.emplace(programFolder_, currentProcessId(), std::to_string(started), processAlive);
    orphans_ = recovery_->orphans();
    if (Status claimed = recovery_->claim(); !claimed.ok()) {
        // Editing goes on without copies; the user hears why at first activation.
        orphans_.clear();
        pendingFailure_ = claimed.failure();
        recovery_.reset();
    }
}

void Workspace::autosave() {
    if (!recovery_ || !documentOpen() || !doc_.dataChanged || gestureInProgress()) return;
    if (editGeneration_ == copiedGeneration_) return;
    if (doc_.totalSymbolCount() == 0) {
        recovery_->discardCopy();  // nothing left to give back
    } else if (Status written = recovery_->writeCopy(doc_, std::time(nullptr)); !written.ok()) {
        // Said once; the next tick tries again without a message box every minute.
        if (copiedGeneration_ != -2) showFailure(written.failure());
        copiedGeneration_ = -2;
        return;
    }
    copiedGeneration_ = editGeneration_;
}

void Workspace::discardRecoveryCopy() {
    if (recovery_) recovery_->discardCopy();
    copiedGeneration_ = -1;
}

void Workspace::offerRecoveries() {
    std::vector<RecoveryCopy> copies = std::move(orphans_);
    orphans_.clear();
    for (const RecoveryCopy& copy : copies) {
        const std::string text = std::string(kRecoveryQuestion) + "\n\n楽譜：" + copy.originalPath +
                                 "\n時刻：" + copy.savedAt;
        if (dialogs_.message(text, kConfirmTitle, Dialogs::Buttons::YesNo,
                             Dialogs::Icon::Question) != Dialogs::Answer::Yes) {
            RecoveryStore::remove(copy);
            continue;
        }
        // A score restored before has its own unsaved changes; kept when they are not saved.
        if (!saveFirst()) continue;
        if (Status read = readScoreFile(copy.copyPath, doc_); !read.ok()) {
            showFailure(read.failure());
            continue;
        }
        doc_.currentFileName = copy.originalPath;
        afterDocumentOpened();
        history_.reset(doc_);
        doc_.dataChanged = true;  // nothing of it is saved
        RecoveryStore::remove(copy);
    }
}

}  // namespace noma
