// Pointer moves with a tool armed over the dense page, and a pick-up, drag and release.
#include <benchmark/benchmark.h>

#include <string>

#include "DensePage.h"
#include "editing/EditHost.h"
#include "editing/Editor.h"
#include "platform/Canvas.h"
#include "render/PageRenderer.h"

namespace {

using namespace noma;

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
    PixelPoint brailleCursor() const override { return {1, 0}; }
    int renders = 0;

private:
    ScoreDocument& doc_;
    Canvas& view_;
    Canvas& back_;
    render::StaveTable& staves_;
    render::ViewState state_;
};

struct Session {
    ScoreDocument doc = bench::densePage();
    Canvas view{630, 940};
    Canvas back{630, 940};
    Canvas paste{900, 900};
    render::StaveTable staves;
    CountingHost host{doc, view, back, staves};
    Editor editor{doc, host, view, back, paste, staves, "/tmp"};
    Session() {
        doc.interactionState = kIdle;
        host.redraw();
        host.renders = 0;
    }
};

void BM_PointerMoveWithQuarterNote(benchmark::State& state) {
    Session s;
    s.doc.toolMode = k4bunonpu;
    s.doc.interactionState = kReady;
    int i = 0;
    for (auto _ : state) {
        // Sweep the page so every move erases a different strip.
        const int x = 40 + (i * 7) % 540;
        const int y = 80 + (i * 13) % 780;
        s.editor.mouseMove(x, y);
        ++i;
        benchmark::DoNotOptimize(s.view.data());
    }
    state.counters["renders"] = s.host.renders;
}
BENCHMARK(BM_PointerMoveWithQuarterNote)->Unit(benchmark::kMicrosecond);

void BM_PickUpDragAndRelease(benchmark::State& state) {
    Session s;
    const SymbolRecord target = s.doc.record(0, s.doc.symbolCount(0) - 1);
    s.doc.toolMode = target.kind();
    s.doc.interactionState = kReady;
    const int hotX = 6 * target[1];
    const int hotY = (target[2] + 2 * s.doc.settings(0).topMargin) * s.doc.header.verticalPitch;
    for (auto _ : state) {
        s.editor.mouseMove(hotX, hotY);
        s.editor.mouseDown(MouseButton::Left, hotX, hotY);
        for (int step = 1; step <= 10; ++step) s.editor.mouseMove(hotX + step, hotY);
        s.editor.mouseUp(MouseButton::Left, hotX, hotY);
    }
    state.counters["renders_per_gesture"] =
        benchmark::Counter(s.host.renders, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PickUpDragAndRelease)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
