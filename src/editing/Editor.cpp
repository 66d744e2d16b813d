#include "editing/Editor.h"

#include <algorithm>
#include <cstdlib>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "editing/ClipboardFiles.h"
#include "editing/EditHost.h"
#include "editing/RegionOperations.h"
#include "platform/Canvas.h"

namespace noma {

namespace {

constexpr const char* kNothingSelected = "対象となるデータがありません。";
constexpr const char* kCopied = "クリップボードへのコピーを実行しました。";
constexpr const char* kCut = "切り取ってクリップボードへコピーしました。";

bool isRegionTool(int mode) {
    return mode >= kModeRegionCopy && mode <= kModeClipCut;
}
bool isTwoClickEndX(int mode) {
    return placementOf(mode) == Placement::TwoClicksEndX;
}
bool isTwoClickOffset(int mode) {
    return placementOf(mode) == Placement::TwoClicksOffset;
}
bool isSlur(int mode) {
    return placementOf(mode) == Placement::ThreeClicks;
}
bool isGesture(int mode) {
    return isTwoClickEndX(mode) || isTwoClickOffset(mode) || isSlur(mode) ||
           placementOf(mode) == Placement::Line;
}

// The mode box text after a drag: the pedal marks have their own name here.
std::string_view modeTextAfterDrag(int mode) {
    if (mode == kPedal || mode == kPedalRelease) return "ペダル";
    if (mode >= kPianoFirst) return "ピアノ記号";
    if (isUserMode(mode)) return "オリジナル記号";
    return modeText(mode);
}

}  // namespace

Editor::Editor(ScoreDocument& doc, EditHost& host, Canvas& view, Canvas& back, Canvas& pasteBuffer,
               const render::StaveTable& staves, std::string programFolder)
    : doc_(doc),
      host_(host),
      view_(view),
      back_(back),
      pasteBuffer_(pasteBuffer),
      staves_(staves),
      programFolder_(std::move(programFolder)) {}

int Editor::pitch() const {
    return doc_.header.verticalPitch;
}
int Editor::topMargin() const {
    return doc_.settings(doc_.currentPage).topMargin;
}
int Editor::rowOf(int y) const {
    return y / pitch() - 2 * topMargin();
}

bool Editor::append(const SymbolRecord& record) {
    if (doc_.append(doc_.currentPage, record)) return true;
    host_.showMessage(kPageFullMessage, EditHost::MessageIcon::Exclamation);
    return false;
}

// ---- presses ----

void Editor::mouseDown(MouseButton button, int x, int y) {
    if (doc_.interactionState == kNoDocument) return;
    x = withinReach(x);
    y = withinReach(y);
    doc_.dataChanged = true;
    pasteBuffer_.clear(kWhite);

    const int mode = doc_.toolMode;
    const int st = doc_.interactionState;
    if (st == kReady && !(mode >= kModeRegionCopy && mode <= kModeClipPaste)) {
        bool pickedUp = false;
        pickUp(button, x, y, pickedUp);
        if (pickedUp) return;
    }
    if (st == kReady && button == MouseButton::Right && mode == kModeClipPaste) {
        host_.redraw();
        doc_.interactionState = kIdle;
        doc_.toolMode = 0;
        host_.setModeText("");
        return;
    }

    if (st == kReady) {
        if (button == MouseButton::Left) pressReady(x, y);
        return;
    }
    if (mode == kModeMoveCopyErase) return;  // only the release acts during a pick-up
    if (st == kFirstPoint) {
        if (button == MouseButton::Left) {
            if (isTwoClickEndX(mode) || isTwoClickOffset(mode) || mode == kStraightLine) {
                writeTwoClickRecord(x);
            } else if (isSlur(mode)) {
                // The straight guide gives way to the curve through the press point.
                slurBulgePreview((x / kColumnWidth) * kColumnWidth, (y / pitch()) * pitch());
                // The bulge is chosen next, starting 20 pixels off the middle of the chord.
                const int dy =
                    state_.slurP1.y / 2 - state_.slurP2.y / 2 + (mode == kSlur ? 20 : -20);
                host_.movePointerBy(-(state_.slurP2.x - state_.slurP1.x) / 2, dy);
                doc_.interactionState = kSecondPoint;
            } else if (isRegionTool(mode)) {
                selectRegionNow();
            }
        } else if (button == MouseButton::Right) {
            if (isGesture(mode)) {
                host_.redraw();
                doc_.interactionState = kReady;
            } else if (isRegionTool(mode)) {
                eraseXorRectangle();
                doc_.interactionState = kReady;
            }
        }
        return;
    }
    if (st == kSecondPoint) {
        if (button == MouseButton::Left) {
            if (isSlur(mode)) {
                writeSlur(x, y);
            } else if (mode == kModeRegionCopy || mode == kModeRegionMove) {
                drop();
            }
        } else if (button == MouseButton::Right) {
            if (isSlur(mode)) {
                host_.redraw();
                const Point snapped{(x / kColumnWidth) * kColumnWidth, (y / pitch()) * pitch()};
                view_.setPenColour(rgb(255, 0, 0));
                view_.moveTo(state_.slurP1);
                view_.lineTo(snapped);
                state_.slurP2 = snapped;
                doc_.interactionState = kFirstPoint;
            } else if (mode == kModeRegionCopy || mode == kModeRegionMove) {
                host_.redraw();
                doc_.interactionState = kReady;
            }
        }
    }
}

bool Editor::cancelGesture() {
    const int mode = doc_.toolMode;
    const int st = doc_.interactionState;
    if (mode == kModeClipPaste && st == kReady) {
        host_.redraw();
        doc_.interactionState = kIdle;
        doc_.toolMode = 0;
        host_.setModeText("");
        return true;
    }
    // A picked-up symbol is put down by its release, never left in the air.
    if ((st != kFirstPoint && st != kSecondPoint) || mode == kModeMoveCopyErase) return false;
    if (isRegionTool(mode) && st == kFirstPoint) eraseXorRectangle();
    host_.redraw();
    doc_.interactionState = kReady;
    return true;
}

void Editor::pickUp(MouseButton button, int x, int y, bool& pickedUp) {
    const int mode = doc_.toolMode;
    if (mode == kBraille) return;  // braille cells are never picked up
    const int page = doc_.currentPage;
    const int t = topMargin();
    const int p = pitch();
    for (int i = 0; i < doc_.symbolCount(page); ++i) {
        SymbolRecord& r = doc_.record(page, i);
        if (r.kind() != mode) continue;
        // 64-bit: a record may lie anywhere in the 32-bit range.
        const HotPosition hot = hotPosition(r, t, p);
        if (std::abs(hot.x - x) >= 6 || std::abs(hot.y - y) >= 6) continue;

        state_.pickedIndex = i;
        state_.pickedKind = r.kind();
        state_.removedRecord = r;
        state_.savedMode = mode;
        doc_.toolMode = kModeMoveCopyErase;
        host_.setModeText(modeText(kModeMoveCopyErase));
        doc_.interactionState = kFirstPoint;
        if (button == MouseButton::Left) {
            state_.dragging = true;
            r.setKind(kEmptyKind);  // shown only as the moving preview while dragged
        } else {
            doc_.remove(page, i);
            state_.lastEditKind = kRecordRemoved;
        }
        pickedUp = true;
        return;
    }
}

void Editor::pressReady(int x, int y) {
    const int mode = doc_.toolMode;
    const Placement placement = placementOf(mode);
    if (placement == Placement::OneClick || placement == Placement::OneClickPixelX) {
        const SymbolRecord r = placedRecord(
            mode, placement == Placement::OneClickPixelX ? x : x / kColumnWidth, rowOf(y));
        if (append(r)) state_.lastEditKind = kAppended;
        host_.redraw();
    } else if (isGesture(mode)) {
        firstPress(x, y);
        host_.redraw();
    } else if (mode == kBraille) {
        host_.openBrailleWindow((x / kColumnWidth) * kColumnWidth - 6, (y / pitch()) * pitch() - 9);
        host_.redraw();
    } else if (isRegionTool(mode)) {
        state_.regionCorner1 = state_.regionCorner2 = {x, y};
        doc_.interactionState = kFirstPoint;
        host_.redraw();
    } else if (mode == kModeClipPaste) {
        paste();
    } else {
        host_.redraw();
    }
}

void Editor::firstPress(int, int) {
    const int mode = doc_.toolMode;
    if (isTwoClickEndX(mode)) {
        state_.rubberDx = 18;
    } else if (mode == kStraightLine) {
        state_.rubberDx = 20;
        state_.rubberDy = 0;
        host_.movePointerBy(20, 0);
    } else if (isTwoClickOffset(mode)) {
        state_.rubberDx = 36;
        state_.rubberDy = 0;
    } else if (isSlur(mode)) {
        state_.slurP1 = state_.pointerPoint;
        state_.slurP2 = {state_.pointerPoint.x + 34, state_.pointerPoint.y};
        host_.movePointerBy(34, 0);
    }
    doc_.interactionState = kFirstPoint;
}

void Editor::writeTwoClickRecord(int x) {
    const int mode = doc_.toolMode;
    SymbolRecord r =
        placedRecord(mode, state_.pointerPoint.x / kColumnWidth, rowOf(state_.pointerPoint.y));
    if (isTwoClickEndX(mode)) {
        setExtent(r, x, 0);
    } else if (mode == kStraightLine) {
        setExtent(r, state_.rubberDx, state_.rubberDy);
    } else {
        setExtent(r, state_.rubberDx / kColumnWidth, state_.rubberDy / pitch());
    }
    if (append(r)) state_.lastEditKind = kAppended;
    host_.redraw();
    doc_.interactionState = kReady;
}

void Editor::writeSlur(int x, int y) {
    const SymbolRecord r =
        slurRecord(doc_.toolMode, {{state_.slurP1.x / kColumnWidth, rowOf(state_.slurP1.y)},
                                   {state_.slurP2.x / kColumnWidth, rowOf(state_.slurP2.y)},
                                   {x / kColumnWidth, rowOf(y)}});
    if (append(r)) state_.lastEditKind = kAppended;
    host_.redraw();
    doc_.interactionState = kReady;
}

// ---- regions and the clipboard ----

void Editor::selectRegionNow() {
    eraseXorRectangle();
    const int page = doc_.currentPage;
    const bool complete =
        selectRegion(doc_, page, state_.regionCorner1, state_.regionCorner2, state_.selection);
    if (state_.selection.count() == 0) {
        host_.showMessage(kNothingSelected, EditHost::MessageIcon::None);
        host_.redraw();
        doc_.interactionState = kReady;
        return;
    }
    if (!complete) host_.showMessage(kSelectionLimitMessage, EditHost::MessageIcon::Exclamation);

    const RegionSelection& s = state_.selection;
    const int p = pitch();
    switch (doc_.toolMode) {
        case kModeRegionCopy:
        case kModeRegionMove: {
            const Rect region{columnToX(s.left), p * s.top, columnToX(s.right), p * s.bottom};
            view_.copyRect(region, back_, region);
            state_.regionTarget = {s.left, s.top};
            doc_.interactionState = kSecondPoint;
            break;
        }
        case kModeRegionErase:
            removeSelected(doc_, page, s);
            state_.lastEditKind = kRegionRemoved;
            doc_.interactionState = kReady;
            host_.redraw();
            break;
        case kModeClipCopy: {
            const Status written = writeClipboard(programFolder_, s, view_, p);
            host_.redraw();
            if (!written.ok()) {
                host_.showMessage(written.failure().message, EditHost::MessageIcon::Exclamation);
            } else {
                host_.showMessage(kCopied, EditHost::MessageIcon::Information);
            }
            state_.lastEditKind = kAppended;
            finishClipboardTool();
            break;
        }
        case kModeClipCut: {
            // The picture is taken before the redraw, so it still shows what was cut.
            const Status written = writeClipboard(programFolder_, s, view_, p);
            if (!written.ok()) {
                // Nothing is removed when it could not be kept.
                host_.redraw();
                host_.showMessage(written.failure().message, EditHost::MessageIcon::Exclamation);
            } else {
                removeSelected(doc_, page, s);
                state_.lastEditKind = kRegionRemoved;
                host_.redraw();
                host_.showMessage(kCut, EditHost::MessageIcon::Information);
            }
            finishClipboardTool();
            break;
        }
        default:
            break;
    }
}

void Editor::finishClipboardTool() {
    doc_.toolMode = 0;
    host_.setModeText("");
    doc_.interactionState = kReady;
}

void Editor::drop() {
    const RegionSelection& s = state_.selection;
    const int dc = state_.regionTarget.x - s.left;
    const int dr = state_.regionTarget.y - s.top;
    const int page = doc_.currentPage;
    if (!applySelection(doc_, page, s, dc, dr)) {
        host_.showMessage(kPageFullMessage, EditHost::MessageIcon::Exclamation);
        host_.redraw();
        return;
    }
    state_.lastEditKind = kRegionAppended;
    if (doc_.toolMode == kModeRegionMove) {
        removeSelected(doc_, page, s);
        state_.lastEditKind = kRegionMoved;
        doc_.interactionState = kReady;
    }
    host_.redraw();
}

void Editor::paste() {
    const RegionSelection& s = state_.selection;
    if (applySelection(doc_, doc_.currentPage, s, state_.regionTarget.x - s.left,
                       state_.regionTarget.y - s.top)) {
        state_.lastEditKind = kRegionAppended;
    } else {
        host_.showMessage(kPageFullMessage, EditHost::MessageIcon::Exclamation);
    }
    host_.redraw();
    doc_.interactionState = kIdle;
    doc_.toolMode = 0;
    host_.setModeText("");
}

void Editor::clipPaste() {
    if (doc_.interactionState == kNoDocument) return;
    bool truncated = false;
    if (Status read = readClipboard(programFolder_, state_.selection, pasteBuffer_, truncated);
        !read.ok()) {
        host_.showMessage(read.failure().message, EditHost::MessageIcon::None);
        return;
    }
    if (truncated) host_.showMessage(kSelectionLimitMessage, EditHost::MessageIcon::Exclamation);
    host_.selectMode(kModeClipPaste);
    state_.regionTarget = {0, 0};
    doc_.interactionState = kReady;
}

// ---- release ----

void Editor::mouseUp(MouseButton, int x, int y) {
    if (doc_.toolMode != kModeMoveCopyErase || doc_.interactionState != kFirstPoint) return;
    x = withinReach(x);
    y = withinReach(y);
    if (state_.dragging) releaseDrag(x, y);
    state_.dragging = false;
    doc_.toolMode = state_.savedMode;
    host_.setModeText(modeTextAfterDrag(state_.savedMode));
    host_.redraw();
    doc_.interactionState = kReady;
    doc_.dataChanged = true;
}

void Editor::releaseDrag(int x, int y) {
    const int page = doc_.currentPage;
    if (state_.pickedIndex >= doc_.symbolCount(page)) return;
    if (x < 30 || x > pageWidth(doc_.header.orientation) - 30) {
        doc_.remove(page, state_.pickedIndex);
        state_.lastEditKind = kRecordRemoved;
        return;
    }
    SymbolRecord& r = doc_.record(page, state_.pickedIndex);
    r.setKind(state_.pickedKind);
    moveRecordTo(r, x, rowOf(y));
    state_.lastEditKind = kRecordMoved;
}

// ---- undo and arrow keys ----

void Editor::undo() {
    if (doc_.interactionState == kNoDocument) return;
    const int page = doc_.currentPage;
    const RegionSelection& s = state_.selection;
    switch (state_.lastEditKind) {
        case kAppended: {
            const int count = doc_.symbolCount(page);
            if (count > 0) {
                state_.removedRecord = doc_.record(page, count - 1);
                doc_.record(page, count - 1) = SymbolRecord{};
                doc_.settings(page).symbolCount = count - 1;
                host_.redraw();
            }
            break;
        }
        case kRegionRemoved:
            if (doc_.symbolCount(page) + s.count() > kMaxRecords) {
                host_.showMessage(kPageFullMessage, EditHost::MessageIcon::Exclamation);
                break;
            }
            for (const auto& e : s.entries) doc_.append(page, e.record);
            state_.lastEditKind = kAppended;
            host_.redraw();
            break;
        case kRegionAppended: {
            const int count = doc_.symbolCount(page);
            const int n = std::min(s.count(), count);
            for (int i = count - n; i < count; ++i) doc_.record(page, i) = SymbolRecord{};
            doc_.settings(page).symbolCount = count - n;
            state_.lastEditKind = kAppended;
            host_.redraw();
            break;
        }
        case kRegionMoved: {
            const int dc = state_.regionTarget.x - s.left;
            const int dr = state_.regionTarget.y - s.top;
            const int count = doc_.symbolCount(page);
            for (int i = std::max(0, count - s.count()); i < count; ++i)
                shiftByCells(doc_.record(page, i), -dc, -dr, pitch());
            state_.lastEditKind = kAppended;
            host_.redraw();
            break;
        }
        case kRecordRemoved:
            if (append(state_.removedRecord)) state_.lastEditKind = kAppended;
            host_.redraw();
            break;
        case kRecordMoved:
            if (state_.pickedIndex < doc_.symbolCount(page)) doc_.remove(page, state_.pickedIndex);
            doc_.append(page, state_.removedRecord);
            state_.lastEditKind = kAppended;
            host_.redraw();
            break;
        default:
            break;
    }
    doc_.dataChanged = true;
}

bool Editor::keyDown(EditKey key) {
    if (key == EditKey::Other) return false;
    if (doc_.interactionState == kNoDocument) return true;
    if (key == EditKey::BackSpace) {
        undo();
    } else {
        nudge(key);
    }
    return true;
}

void Editor::nudge(EditKey key) {
    const int last = state_.lastEditKind;
    if (last != kAppended && last != kRegionAppended && last != kRegionMoved) return;
    const int page = doc_.currentPage;
    const int count = doc_.symbolCount(page);
    const int n = std::min(count, last == kAppended ? 1 : state_.selection.count());
    const bool region = last != kAppended;
    const int p = pitch();
    for (int i = count - n; i < count; ++i) {
        SymbolRecord& r = doc_.record(page, i);
        const int dx = key == EditKey::Left ? -1 : key == EditKey::Right ? 1 : 0;
        const int dy = key == EditKey::Up ? -1 : key == EditKey::Down ? 1 : 0;
        if (region) {
            shiftByCells(r, dx, dy, p);
        } else {
            nudgeSingle(r, dx, dy, p);
        }
    }
    // A nudge is an edit: without this, one made after saving would be lost silently.
    doc_.dataChanged = true;
    host_.redraw();
}

}  // namespace noma
