// The keyboard's page cursor: moving it, pressing at it, and reading and playing what is there.
#include "app/MidiPlayback.h"
#include "app/Workspace.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/CellDescription.h"
#include "music/MidiExport.h"
#include "platform/Dialogs.h"

namespace noma {

const std::vector<StaveReading>& Workspace::pageReading() {
    if (readingRender_ != renderCount_) {
        reading_ = readStavesAloud(doc_, doc_.currentPage + 1, StaveSelection::Both);
        readingRender_ = renderCount_;
    }
    return reading_;
}

void Workspace::moveCursor(CursorMove move) {
    if (!documentOpen()) return;
    cursor_ = movedCursor(cursorWithinPage(cursor_, doc_, doc_.currentPage), move, doc_,
                          doc_.currentPage, pageReading());
    const Point at = cursorPoint(cursor_, doc_, doc_.currentPage);
    editor_.mouseMove(at.x, at.y);
}

void Workspace::cursorPress(MouseButton button) {
    if (!documentOpen()) return;
    // A held symbol the mouse or another command has put down is held no longer.
    if (!editState().dragging) heldFrom_.reset();
    cursor_ = cursorWithinPage(cursor_, doc_, doc_.currentPage);
    cursor_.shown = true;
    keyboardPress_ = true;
    Point at = cursorPoint(cursor_, doc_, doc_.currentPage);
    editor_.mouseMove(at.x, at.y);
    if (heldFrom_) {
        heldFrom_.reset();
        pageMouseUp(button, at.x, at.y);
    } else {
        pageMouseDown(button, at.x, at.y);
        if (editState().dragging) {
            heldFrom_ = at;
        } else {
            pageMouseUp(button, at.x, at.y);
        }
    }
    keyboardPress_ = false;
    // The press may have moved the cursor (a slur's end is proposed to the right): the preview
    // follows it there.
    at = cursorPoint(cursor_, doc_, doc_.currentPage);
    editor_.mouseMove(at.x, at.y);
}

bool Workspace::cancelGesture() {
    if (!documentOpen()) return false;
    if (!editState().dragging) heldFrom_.reset();
    if (heldFrom_) {
        const Point from = *heldFrom_;
        heldFrom_.reset();
        pageMouseUp(MouseButton::Left, from.x, from.y);
        return true;
    }
    return editor_.cancelGesture();
}

std::string Workspace::cursorDescription() {
    if (!documentOpen()) return {};
    cursor_ = cursorWithinPage(cursor_, doc_, doc_.currentPage);
    return describeCell(doc_, doc_.currentPage, cursor_.column, cursor_.row, pageReading());
}

std::vector<std::string> Workspace::cursorStaveReading() {
    if (!documentOpen()) return {};
    const StaveReading* stave = staveAtRow(doc_, doc_.currentPage, cursor_.row, pageReading());
    if (stave == nullptr) return {};
    std::vector<std::string> lines{stave->heading};
    lines.insert(lines.end(), stave->lines.begin(), stave->lines.end());
    return lines;
}

void Workspace::playStaveOrSelection(MidiPlayback& playback, const MidiSettings& settings) {
    if (!documentOpen()) return;
    const int mode = doc_.toolMode;
    const bool held = doc_.interactionState == kSecondPoint &&
                      (mode == kModeRegionCopy || mode == kModeRegionMove);
    const StaveReading* stave = staveAtRow(doc_, doc_.currentPage, cursor_.row, pageReading());
    if (!held && stave == nullptr) {
        inform(kNoStaveToPlayMessage, false);
        return;
    }
    const std::string path = playbackMidiPath(programFolder_);
    Status written;
    if (held) {
        std::vector<std::pair<int, int>> cells;
        for (const RegionSelection::Entry& e : editState().selection.entries)
            cells.emplace_back(cellOf(e.record).column, cellOf(e.record).row);
        written = writeCellsMidiFile(doc_, doc_.currentPage + 1, cells, settings, path);
    } else {
        written = writeStaveMidiFile(doc_, doc_.currentPage + 1, stave->stave, settings, path);
    }
    if (!written.ok()) {
        showFailure(written.failure());
        return;
    }
    if (Status played = playback.play(path); !played.ok()) showFailure(played.failure());
}

}  // namespace noma
