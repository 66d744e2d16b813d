#pragma once

// An editor on one page, set up as the Workspace sets it up, for the pointer benchmarks.
#include <benchmark/benchmark.h>

#include <string>

#include "document/SymbolKind.h"
#include "editing/EditHost.h"
#include "editing/Editor.h"
#include "platform/Canvas.h"
#include "render/PageRenderer.h"

namespace noma::bench {

// Renders as the Workspace does and counts the renders.
class CountingHost : public EditHost {
  public:
    CountingHost(ScoreDocument& doc, Canvas& view, Canvas& back, render::StaveTable& staves)
        : doc_(doc), view_(view), back_(back), staves_(staves) {}
    void redraw() override {
        render::renderPage(doc_, doc_.currentPage, state_, view_, back_, staves_);
        ++renders;
    }
    void showMessage(const std::string&, MessageIcon) override {}
    void setModeText(std::string_view) override {}
    void movePointerBy(int, int) override {}
    void selectMode(int mode) override {
        doc_.toolMode = mode;
        doc_.interactionState = kReady;
    }
    void openBrailleWindow(int, int) override {}
    Point brailleCursor() const override { return {1, 0}; }
    int renders = 0;

  private:
    ScoreDocument& doc_;
    Canvas& view_;
    Canvas& back_;
    render::StaveTable& staves_;
    render::ViewState state_;
};

struct EditingSession {
    ScoreDocument doc;
    Canvas view{630, 940};
    Canvas back{630, 940};
    Canvas paste{900, 900};
    render::StaveTable staves;
    CountingHost host{doc, view, back, staves};
    Editor editor{doc, host, view, back, paste, staves, "/tmp"};

    explicit EditingSession(const ScoreDocument& page) : doc(page) {
        doc.interactionState = kIdle;
        host.redraw();
        host.renders = 0;
    }

    void armQuarterNote() {
        doc.toolMode = kQuarterNoteUp;
        doc.interactionState = kReady;
    }

    // Move number `step` of a sweep over the page, so every move erases a different strip.
    void sweepMove(int step) { editor.mouseMove(40 + (step * 7) % 540, 80 + (step * 13) % 780); }

    // Arms the kind of the page's last record and returns the record's hot position.
    Point armLastRecord() {
        const SymbolRecord target = doc.record(0, doc.symbolCount(0) - 1);
        doc.toolMode = target.kind();
        doc.interactionState = kReady;
        const int pitch = doc.header.verticalPitch;
        const int x = target.kind() == kDot ? target[1] : 6 * target[1];
        return {x, (target[2] + 2 * doc.settings(0).topMargin) * pitch};
    }

    // Picks the symbol up at its hot position, drags it ten pixels and drops it back.
    void pickUpDragAndRelease(Point hot) {
        editor.mouseMove(hot.x, hot.y);
        editor.mouseDown(MouseButton::Left, hot.x, hot.y);
        for (int step = 1; step <= 10; ++step) editor.mouseMove(hot.x + step, hot.y);
        editor.mouseUp(MouseButton::Left, hot.x, hot.y);
    }
};

// Pointer moves with the quarter-note tool armed over page 0 of `page`.
inline void measurePointerMoves(benchmark::State& state, const ScoreDocument& page) {
    EditingSession s(page);
    s.armQuarterNote();
    int i = 0;
    for (auto _ : state) {
        s.sweepMove(i++);
        benchmark::DoNotOptimize(s.view.data());
    }
    state.counters["renders"] = s.host.renders;
}

// Picking up the page's last record, dragging it and dropping it back.
inline void measurePickUpDragAndRelease(benchmark::State& state, const ScoreDocument& page) {
    EditingSession s(page);
    const Point hot = s.armLastRecord();
    for (auto _ : state) s.pickUpDragAndRelease(hot);
    state.counters["renders_per_gesture"] =
        benchmark::Counter(s.host.renders, benchmark::Counter::kAvgIterations);
}

}  // namespace noma::bench
