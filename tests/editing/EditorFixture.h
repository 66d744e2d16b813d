#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "document/ScoreDocument.h"
#include "editing/EditHost.h"
#include "editing/Editor.h"
#include "platform/Canvas.h"
#include "render/StaveTable.h"

namespace noma::test {

// Records what the editing code asks of the program.
class RecordingHost : public EditHost {
  public:
    explicit RecordingHost(ScoreDocument& doc) : doc_(doc) {}
    void redraw() override { ++redraws; }
    void showMessage(const std::string& text, MessageIcon) override { messages.push_back(text); }
    void setModeText(std::string_view text) override { modeText = std::string(text); }
    void movePointerBy(int dx, int dy) override { jumps.push_back({dx, dy}); }
    void selectMode(int mode) override {
        doc_.toolMode = mode;
        doc_.interactionState = kReady;
        selectedModes.push_back(mode);
    }
    void openBrailleWindow(int x, int y) override { cursor = {x, y}; }
    Point brailleCursor() const override { return cursor; }

    int redraws = 0;
    std::vector<std::string> messages;
    std::string modeText;
    std::vector<Point> jumps;
    std::vector<int> selectedModes;
    Point cursor{-1, -1};

  private:
    ScoreDocument& doc_;
};

// One open portrait page at pitch 8, top margin 10, no records, and an editor on it.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest()
        : host(doc),
          view(630, 940),
          back(630, 940),
          paste(900, 900),
          editor(doc, host, view, back, paste, staves, folder.path()) {
        doc.header = {2, 8, 0};
        doc.settings(0) = {3, 0, 10, 0, 10, 0};
        doc.settings(1) = {3, 0, 12, 0, 10, 0};
        doc.interactionState = kIdle;
    }

    void arm(int mode) {
        doc.toolMode = mode;
        doc.interactionState = kReady;
    }
    void click(int x, int y, MouseButton b = MouseButton::Left) {
        editor.mouseMove(x, y);
        editor.mouseDown(b, x, y);
        editor.mouseUp(b, x, y);
    }
    SymbolRecord& rec(int i) { return doc.record(doc.currentPage, i); }
    int count() const { return doc.symbolCount(doc.currentPage); }
    void place(int kind, int f1, int f2, int f3 = 0, int f4 = 0) {
        SymbolRecord r;
        r[0] = kind;
        r[1] = f1;
        r[2] = f2;
        r[3] = f3;
        r[4] = f4;
        doc.append(doc.currentPage, r);
    }

    TempFolder folder;
    ScoreDocument doc;
    RecordingHost host;
    Canvas view;
    Canvas back;
    Canvas paste;
    render::StaveTable staves;
    Editor editor;
};

}  // namespace noma::test
