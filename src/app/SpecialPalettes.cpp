#include "app/SpecialPalettes.h"

#include "app/Workspace.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "palettes/GuitarPalette.h"
#include "palettes/PaletteCanvas.h"
#include "palettes/PianoPalette.h"
#include "palettes/RecorderPalette.h"
#include "palettes/UserSymbolList.h"

namespace noma {

namespace {

constexpr const char* kPianoText = "ピアノ記号";
constexpr const char* kRecorderText = "リコーダー記号";
constexpr const char* kGuitarText = "ギター譜";
constexpr const char* kUserSymbolText = "オリジナル記号";

}  // namespace

SpecialPalettes::SpecialPalettes(Workspace& workspace, Dialogs& dialogs,
                                 const std::string& programFolder)
    : ws_(workspace), editor_(store_, dialogs, programFolder) {}

bool SpecialPalettes::arm(int mode, std::string_view text) {
    if (!ws_.documentOpen()) return false;
    MainWindowState& w = ws_.window();
    if (w.pressedMode >= 1 && w.pressedMode <= kMainModeLast) w.pressedMode = 0;
    ScoreDocument& doc = ws_.document();
    doc.toolMode = mode;
    w.modeText = std::string(text);
    doc.interactionState = kReady;
    ++repaints_;
    return true;
}

bool SpecialPalettes::pianoMouseDown(int x, int y) {
    const auto cell = pianoCellAt(x, y);
    if (!cell) return false;
    pianoSelection_ = isPianoMode(cell->mode) ? fingeringOf(cell->mode).fingers : cell->mode;
    return arm(cell->mode, kPianoText);
}

bool SpecialPalettes::recorderMouseDown(int x, int y) {
    const auto cell = recorderCellAt(x, y);
    if (!cell) return false;
    recorderCell_ = *cell;
    return arm(recorderMode(*cell, recorderLayout()), kRecorderText);
}

bool SpecialPalettes::guitarMouseDown(int x, int y) {
    const auto cell = guitarCellAt(x, y);
    if (!cell) return false;
    return arm(cell->mode, kGuitarText);
}

bool SpecialPalettes::userSymbolMouseDown(int x, int y) {
    const auto slot = userSymbolSlotAt(store_, x, y);
    if (!slot) return false;
    return arm(kUserSymbolFirst + *slot, kUserSymbolText);
}

void SpecialPalettes::pianoClosed() {
    // With no document open there is no tool to disarm, and the state must stay "no document".
    if (!ws_.documentOpen()) return;
    ScoreDocument& doc = ws_.document();
    MainWindowState& w = ws_.window();
    doc.toolMode = 0;
    w.pressedMode = 0;
    w.modeText.clear();
    doc.interactionState = kIdle;
    ws_.redraw();
    ++repaints_;
}

int SpecialPalettes::recorderLayout() const {
    return ws_.settings().recorderLayout == 0 ? 0 : 1;
}

void SpecialPalettes::setRecorderLayout(int layout) {
    if (layout != 0 && layout != 1) return;
    ws_.settings().recorderLayout = layout;
}

bool SpecialPalettes::armMode(int mode) {
    if (isPianoPaletteMode(mode)) {
        pianoSelection_ = isPianoMode(mode) ? fingeringOf(mode).fingers : mode;
        return arm(mode, kPianoText);
    }
    if (mode >= kGuitarFirst && mode <= kGuitarLast) return arm(mode, kGuitarText);
    if (mode >= kRecorderBelowFirst && mode <= kRecorderAboveLast) {
        recorderCell_ = (mode - kRecorderBelowFirst) % 30;
        return arm(mode, kRecorderText);
    }
    if (mode >= kUserSymbolFirst && mode <= kUserSymbolLast) {
        // Only a symbol whose file is there has a cell to click.
        store_.rebuild(ws_.programFolder());
        if (!store_.slot(mode - kUserSymbolFirst).exists) return false;
        return arm(mode, kUserSymbolText);
    }
    return false;
}

void SpecialPalettes::drawPiano(Canvas& c) const {
    drawPianoPalette(c, ws_.document().toolMode);
}

void SpecialPalettes::drawRecorder(Canvas& c) const {
    drawRecorderPalette(c, ws_.document().toolMode, recorderLayout());
}

void SpecialPalettes::drawGuitar(Canvas& c) const {
    drawGuitarPalette(c, ws_.document().toolMode);
}

void SpecialPalettes::drawUserSymbols(Canvas& c) {
    store_.rebuild(ws_.programFolder());
    drawUserSymbolList(c, store_, kBlack);
    const int mode = ws_.document().toolMode;
    if (mode >= kUserSymbolFirst && mode <= kUserSymbolLast) {
        const Rect b = userSymbolCell(mode - kUserSymbolFirst);
        recolourCell(c, b.x1, b.y1, b.x2, b.y2, kWhite, kPaletteYellow);
    }
}

}  // namespace noma
