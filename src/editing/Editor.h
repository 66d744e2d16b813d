#pragma once

#include <algorithm>
#include <string>

#include "editing/EditState.h"

namespace noma {

class Canvas;
class EditHost;
class UserSymbolStore;
class ScoreDocument;
namespace render {
struct StaveTable;
}

enum class MouseButton { Left, Right, Middle };

// Keys the main window's key handler acts on.
enum class EditKey { BackSpace, Left, Up, Right, Down, Other };

// Pointer gestures, region tools, the internal clipboard, undo and the arrow keys on the
// current page. The preview of pointer moves draws into the view image only and restores from
// the back image; everything else changes the document and asks the host to redraw.
class Editor {
  public:
    Editor(ScoreDocument& doc, EditHost& host, Canvas& view, Canvas& back, Canvas& pasteBuffer,
           const render::StaveTable& staves, std::string programFolder);

    void mouseDown(MouseButton button, int x, int y);
    void mouseMove(int x, int y);
    void mouseUp(MouseButton button, int x, int y);
    // Escape: the gesture begun (two- and three-click symbols, a region, a paste) ends with
    // nothing written, the tool still armed (the paste tool disarmed); false when none was.
    bool cancelGesture();

    // Pointer coordinates far beyond any page (a replay script may give any int) are held
    // where the editor's pixel arithmetic cannot overflow.
    static int withinReach(int v) { return std::clamp(v, -(1 << 20), 1 << 20); }

    void undo();
    // True when the key was one of the editing keys.
    bool keyDown(EditKey key);
    // "クリップボードから貼り付け": loads the clipboard and arms the paste.
    void clipPaste();

    // The user-drawn symbols' pictures, for their preview.
    void setUserSymbols(const UserSymbolStore* store) { userSymbols_ = store; }

    EditState& state() { return state_; }
    const EditState& state() const { return state_; }

  private:
    int pitch() const;
    int topMargin() const;
    int rowOf(int y) const;
    bool append(const SymbolRecord& record);
    void pickUp(MouseButton button, int x, int y, bool& pickedUp);
    void pressReady(int x, int y);
    void firstPress(int x, int y);
    void writeTwoClickRecord(int x);
    void writeSlur(int x, int y);
    void selectRegionNow();
    void drop();
    void paste();
    void finishClipboardTool();
    void releaseDrag(int x, int y);
    void nudge(EditKey key);

    // Preview (drawn on the view image only).
    void eraseXorRectangle();
    void drawXorRectangle(Point corner);
    void restoreColumns(int left, int right);
    void restoreRect(Rect box);
    void eraseStrip();
    void drawPreviewFigure(const SymbolRecord& record, int x, int y);
    void gesturePreview(int x, int y, int xs, int ys);
    bool inBulgeZone(int xs, int ys) const;
    void slurBulgePreview(int xs, int ys);

    ScoreDocument& doc_;
    EditHost& host_;
    Canvas& view_;
    Canvas& back_;
    Canvas& pasteBuffer_;
    const render::StaveTable& staves_;
    std::string programFolder_;
    EditState state_;
    const UserSymbolStore* userSymbols_ = nullptr;
    // The columns the last preview figure may occupy, restored before the next one.
    int stripLeft_ = 0;
    int stripRight_ = 0;
};

}  // namespace noma
