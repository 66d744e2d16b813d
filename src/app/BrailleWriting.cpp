#include "app/BrailleWriting.h"

#include "app/Workspace.h"
#include "braille/BrailleCell.h"
#include "braille/CodePageText.h"
#include "braille/HalfWidthKana.h"
#include "braille/TextToCells.h"
#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "editing/BrailleCommit.h"
#include "render/PageColours.h"

namespace noma {

namespace {

bool isArrow(int key) {
    return key >= BrailleWriting::kKeyLeft && key <= BrailleWriting::kKeyDown;
}

CursorKey cursorKey(int key) {
    switch (key) {
        case BrailleWriting::kKeyLeft:
            return CursorKey::Left;
        case BrailleWriting::kKeyUp:
            return CursorKey::Up;
        case BrailleWriting::kKeyRight:
            return CursorKey::Right;
        default:
            return CursorKey::Down;
    }
}

}  // namespace

BrailleWriting::BrailleWriting(Workspace& workspace)
    : ws_(workspace), chord_(workspace.settings().sixKeyMap) {}

void BrailleWriting::open() {
    if (!ws_.window().brailleWindowVisible) shown();
    clearFields();
    pending_.clear();
    ws_.window().brailleWindowVisible = true;
}

void BrailleWriting::shown() {
    autoCommit_.reset();
    pending_.clear();
    clearFields();
    chord_.setKeyMap(ws_.settings().sixKeyMap);
    chord_.reset();
    lineStep_ = brailleLineStep(ws_.document().header.verticalPitch);
}

void BrailleWriting::setEntryMode(int item) {
    entryMode_ = item < 0 || item > kSixKey ? kRomaji : item;
    clearFields();
}

void BrailleWriting::setDisplayMode(int item) {
    ws_.setDisplayMode(item < 0 ? 0 : item);
}

void BrailleWriting::clearFields() {
    fieldText_.clear();
    fieldSettled_ = 0;
    settled_.clear();
    settledCodePage_.clear();
    romaji_ = RomajiConverter();
}

// Only the first bytes are ever converted, so settled kana is kept converted as it comes:
// a long text typed key by key costs the same for every key.
void BrailleWriting::settle(std::string_view kana) {
    settled_ += kana;
    if (settledCodePage_.size() < kMaxInputBytes) {
        settledCodePage_ += toCodePage(toHalfWidthKana(kana));
        if (settledCodePage_.size() > kMaxInputBytes) settledCodePage_.resize(kMaxInputBytes);
    }
}

void BrailleWriting::showField() {
    fieldText_.resize(fieldSettled_);
    fieldText_.append(settled_, fieldSettled_);
    fieldText_ += romaji_.pending();
    fieldSettled_ = settled_.size();
}

void BrailleWriting::convertField() {
    pending_.replace(entryMode_ == kRomaji ? convertTextToCells(settledCodePage_)
                                           : convertEnteredText(fieldText_));
}

bool BrailleWriting::refuseUnwritable(std::string_view text) {
    const std::string missing = charactersWithoutCells(text);
    if (missing.empty()) return false;
    ws_.inform(kCharactersWithoutCellsMessage + missing, true);
    return true;
}

const std::string& BrailleWriting::typeRomaji(std::string_view typed) {
    const std::string kana = romaji_.type(typed);
    if (!kana.empty()) {
        settle(kana);
        convertField();
        autoCommit_.textChanged(true);
    }
    showField();
    return fieldText_;
}

void BrailleWriting::textChanged(std::string_view utf8) {
    if (entryMode_ == kSixKey) return;
    if (entryMode_ == kRomaji) {
        // Text that arrives whole (from an input method) counts as settled kana.
        clearFields();
        settle(utf8);
    }
    fieldText_ = std::string(utf8);
    fieldSettled_ = settled_.size();
    convertField();
    autoCommit_.textChanged(entryMode_ == kRomaji);
}

void BrailleWriting::tick() {
    if (entryMode_ != kRomaji || !autoCommit_.tick()) return;
    // Text from an input method may hold what braille cannot write: it stays to be corrected.
    if (refuseUnwritable(settled_)) return;
    convertField();
    const std::string unfinished = romaji_.pending();
    commit();
    // Romaji not yet making a kana stays in the field for the next keys.
    RomajiConverter rest;
    rest.type(unfinished);
    romaji_ = rest;
    fieldText_ = romaji_.pending();
}

void BrailleWriting::commit() {
    ScoreDocument& doc = ws_.document();
    BrailleCursor cursor{ws_.view().brailleCursor.x, ws_.view().brailleCursor.y};
    const CommitStop stop = commitBrailleCells(doc, cursor, pending_.cells());
    ws_.view().brailleCursor = {cursor.x, cursor.y};
    if (stop == CommitStop::RightEdge) ws_.inform(kBrailleBeyondEdgeMessage, true);
    if (stop == CommitStop::PageFull) ws_.inform(kPageFullMessage, true);
    ws_.editor().state().lastEditKind = kAppended;
    doc.dataChanged = true;
    ws_.noteEdit(std::string(modeText(kBraille)) + "の記入");
    pending_.clear();
    clearFields();
    ws_.redraw();
}

void BrailleWriting::drawPendingCell(size_t index) {
    Canvas& view = ws_.viewImage();
    const auto cursor = ws_.view().brailleCursor;
    const int x = cursor.x + kCellPitch * static_cast<int>(index) + 6;
    const int y = cursor.y + 9;
    view.setPenColour(render::kPreviewRed);
    view.setBrushColour(render::kPreviewRed);
    for (const Point& d : raisedDotCentres(pending_.cells()[index], displayDot1(x, y))) {
        view.ellipse(Rect::around(d, 2));
    }
}

void BrailleWriting::redrawWithPending() {
    ws_.redraw();
    for (size_t i = 0; i < pending_.count(); ++i) drawPendingCell(i);
}

bool BrailleWriting::keyDown(int key, bool shift) {
    if (key == kKeyEnter) {
        if (entryMode_ == kRomaji && !romaji_.pending().empty()) {
            // Enter confirms unfinished romaji, as an input method does.
            settle(romaji_.flush());
            convertField();
            showField();
        }
        if (refuseUnwritable(entryMode_ == kRomaji ? settled_ : fieldText_)) return true;
        if (!pending_.empty()) commit();
        return true;
    }
    if (key == kKeyBackSpace) {
        if (entryMode_ == kSixKey && !pending_.empty()) {
            pending_.removeLast();
            redrawWithPending();
            return true;
        }
        if (entryMode_ == kRomaji && romaji_.erasePending()) {
            showField();
            return true;
        }
        if (!pending_.empty()) return false;  // the text field edits its own text
        ScoreDocument& doc = ws_.document();
        const int page = doc.currentPage;
        if (ws_.editor().state().lastEditKind == kAppended && doc.symbolCount(page) > 0) {
            doc.remove(page, doc.symbolCount(page) - 1);
            ws_.view().brailleCursor.x -= kCellPitch;
            doc.dataChanged = true;
            ws_.noteEdit(Workspace::kBackSpaceStep);
            ws_.redraw();
        }
        return true;
    }
    if (isArrow(key)) {
        if (!pending_.empty()) return false;
        clearFields();
        BrailleCursor cursor{ws_.view().brailleCursor.x, ws_.view().brailleCursor.y};
        const int orientation = ws_.document().header.orientation;
        moveBrailleCursor(cursor, cursorKey(key), shift, lineStep_, pageWidth(orientation),
                          pageHeight(orientation));
        ws_.view().brailleCursor = {cursor.x, cursor.y};
        ws_.redraw();
        return true;
    }
    if (entryMode_ == kSixKey) {
        chord_.keyDown(key);
        return true;
    }
    return false;
}

void BrailleWriting::keyUp(int key) {
    if (entryMode_ != kSixKey) return;
    const ChordResult result = chord_.keyUp(key);
    if (!result.chordComplete) return;
    autoCommit_.reset();
    if (result.cell && pending_.append(*result.cell)) drawPendingCell(pending_.count() - 1);
    if (result.commitWithBlank) {
        pending_.append(kBlankCell);
        commit();
    }
}

void BrailleWriting::close() {
    ws_.window().brailleWindowVisible = false;
    ScoreDocument& doc = ws_.document();
    if (doc.interactionState == kNoDocument) return;
    doc.toolMode = 0;
    ws_.window().pressedMode = 0;
    ws_.window().modeText.clear();
    doc.interactionState = kIdle;
    ws_.redraw();
}

}  // namespace noma
