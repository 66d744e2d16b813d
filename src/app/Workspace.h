#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BrailleWriting.h"
#include "app/MainWindowState.h"
#include "app/PageCursor.h"
#include "app/RecoveryStore.h"
#include "app/SpecialPalettes.h"
#include "app/TranspositionForm.h"
#include "document/ScoreDocument.h"
#include "document/Settings.h"
#include "editing/EditHistory.h"
#include "editing/EditHost.h"
#include "editing/Editor.h"
#include "music/MidiExport.h"
#include "platform/Canvas.h"
#include "platform/Failure.h"
#include "printing/PrintForm.h"
#include "printing/ReliefPreviewForm.h"
#include "render/StaveTable.h"
#include "render/Thumbnails.h"
#include "render/ViewState.h"

namespace noma {

class Dialogs;
class FormHost;
class MidiPlayback;

// The one running instance: the document and its run-time values, the page images, the view
// flags, the tool state, the settings and the program folder, and every command of the main
// window as one function. Windows call a command and then refresh from `window()`.
class Workspace : private EditHost {
  public:
    Workspace(Dialogs& dialogs, FormHost& forms, std::string programFolder);

    // Start-up: settings, default file name, the "NMK" folder, white portrait images. A score
    // named on the command line is opened by firstActivation().
    void startUp(std::optional<std::string> commandLineScore = std::nullopt);
    void firstActivation();

    // File menu.
    void newScore();
    void fileOpen();
    // ファイル → "MusicXMLの読み込み…": after the save question and the file dialog, the score laid
    // out as a new unsaved score; what it cannot show is said in a message box first.
    void importMusicXml();
    void openRecent(int n);
    void fileClose();
    enum class SaveOutcome { Saved, NothingToSave, Cancelled, Failed };
    SaveOutcome saveAs();
    SaveOutcome overwriteSave();
    // The exit command: true when the program may end.
    bool exitCommand();
    // Closing the main window by any means: true when it may close (settings are then written).
    bool closeWindow();
    // Opens a score file as the open command does after its dialog; false when it could not.
    bool openScore(const std::string& path);

    // Page menu and page navigation.
    void pageAdd();
    void pageInsert();
    void pageDelete();
    void selectPage(int page);
    void previousPage();
    void nextPage();
    void topMarginChanged(int item);

    // Tool modes and the view menu.
    void selectMode(int mode) override;
    void toggleRules();
    void toggleHotPositions();
    void setGridInterval(int interval);
    void setDisplayMode(int mode);

    // The page image and the main window's keys.
    void pageMouseDown(MouseButton button, int x, int y);
    void pageMouseMove(int x, int y);
    void pageMouseUp(MouseButton button, int x, int y);
    // True when the key was one of the main window's editing keys.
    bool keyDown(EditKey key);

    // The keyboard's page cursor (CursorCommands.cpp). A move carries a gesture along as the
    // pointer would; a press acts as that mouse button at the cursor. A left press that picks
    // a symbol up holds it until the next press puts it down at the cursor.
    void moveCursor(CursorMove move);
    void cursorPress(MouseButton button);
    // Escape: the gesture in progress ends with nothing written (a held symbol goes back where
    // it was); false when there was none.
    bool cancelGesture();
    const PageCursor& pageCursor() const { return cursor_; }
    // What stands at the cursor and where ("４分音符、ト音記号の段 1、ソ5、第3小節"), and the
    // reading of the stave it is on: its heading, then one line per measure.
    std::string cursorDescription();
    std::vector<std::string> cursorStaveReading();
    // F5: the region held by the region tools, or else the stave at the cursor, played through
    // `playback` at the tempo and timbre of `settings` (the MIDI dialog's).
    void playStaveOrSelection(MidiPlayback& playback, const MidiSettings& settings);

    // Edit menu.
    void undo();
    void clipPaste();

    // The edit history (HistoryCommands.cpp): 編集 → 元に戻す and やり直す, each a whole step.
    void historyUndo();
    void historyRedo();
    // The items' texts, "元に戻す：<step>" ("元に戻す" when there is nothing to undo).
    std::string undoItemText() const;
    std::string redoItemText() const;
    bool canHistoryUndo() const { return documentOpen() && history_.canUndo(); }
    bool canHistoryRedo() const { return documentOpen() && history_.canRedo(); }
    // What a command changed becomes one step named `name`; windows outside this class (the
    // braille window) call it after their own edits. `pageBefore` defaults to the current page.
    void noteEdit(const std::string& name, int pageBefore = -1, bool series = false);
    const EditHistory& history() const { return history_; }

    // Autosave and recovery (HistoryCommands.cpp). The editor keeps recovery copies from here
    // on; copies left by runs that did not end cleanly are offered at first activation.
    void startRecovery();
    // The autosave timer: a recovery copy when there are changes it does not hold yet.
    void autosave();
    const RecoveryStore* recovery() const { return recovery_ ? &*recovery_ : nullptr; }

    // Music (MusicCommands.cpp): the MIDI dialog's play and save (true when saved; the dialog
    // then closes), the transposition dialog, and the search window's show, re-target and
    // start/stop, whose state lives in view().
    void midiPlay(const MidiSettings& settings, MidiPlayback& playback);
    bool midiSave(const MidiSettings& settings);
    // File menu: the MusicXML export of the pages and staves chosen (true when written).
    bool musicXmlExport(const MidiSettings& settings);
    void transposition();
    void showSearchWindow();
    void retargetSearch();
    void toggleSearch();

    // File menu: the print dialog for tactile (３D印刷) or ink (墨字印刷) print.
    void printDialog(PrintMode mode);
    // File menu and the print dialog: "３D印刷のプレビュー", the relief preview of page `page`
    // (1-based; the current page when 0) as `printer` would emboss it with the dialog's
    // strength; false with no score open.
    bool openReliefPreview(Printer& printer, int page = 0);
    ReliefPreviewForm& reliefPreview() { return reliefPreview_; }

    // Thumbnails: every page reduced into `out`; the current page is drawn again afterwards.
    render::ThumbnailLayout drawThumbnails(Canvas& out);
    // A click on the thumbnail picture: true when it chose a page (which is now current).
    bool thumbnailClick(int x, int y);

    // Options: the six key boxes, each one letter, no two alike. Otherwise a message names the
    // fault, the keys stay as they were and the result is false.
    bool applyOptionKeys(const std::array<std::string, 6>& boxes);

    // Redraws the current page into the page images.
    void redraw() override;

    ScoreDocument& document() { return doc_; }
    const ScoreDocument& document() const { return doc_; }
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    const std::string& programFolder() const { return programFolder_; }
    render::ViewState& view() { return view_; }
    const render::ViewState& view() const { return view_; }
    MainWindowState& window() { return window_; }
    const MainWindowState& window() const { return window_; }
    Canvas& viewImage() { return viewImage_; }
    Canvas& backImage() { return backImage_; }
    Editor& editor() { return editor_; }
    SpecialPalettes& palettes() { return palettes_; }
    BrailleWriting& braille() { return braille_; }
    // A message box with an OK button (a warning icon when `warning`).
    void inform(const std::string& text, bool warning);
    Dialogs& dialogs() { return dialogs_; }
    const EditState& editState() const { return editor_.state(); }
    bool documentOpen() const { return doc_.interactionState != kNoDocument; }
    std::string defaultFileName() const;
    int renderCount() const { return renderCount_; }

    static constexpr const char* kScoreFilter = "ＮＭＧファイル (*.nmg)|*.NMG";
    static constexpr const char* kImportTitle = "MusicXMLファイルの読み込み";
    static constexpr const char* kMusicXmlFilter =
        "MusicXMLファイル (*.musicxml;*.xml;*.mxl)|*.musicxml;*.xml;*.mxl|すべてのファイル "
        "(*.*)|*.*";
    static constexpr const char* kSaveFilter =
        "ＮＭＧファイル (*.nmg)|*.NMG|すべてのファイル (*.*)|*.*";
    // The step BackSpace and 取り消し make in the edit history.
    static constexpr const char* kBackSpaceStep = "取り消し";
    static constexpr const char* kSaveQuestion =
        "データに変更がありました。現在の画面をＮＭＧファイルに保存しますか？";

  private:
    // What the editing code asks of the program.
    void showMessage(const std::string& text, EditHost::MessageIcon icon) override;
    void setModeText(std::string_view text) override;
    void movePointerBy(int dx, int dy) override;
    void openBrailleWindow(int cursorX, int cursorY) override;
    Point brailleCursor() const override { return view_.brailleCursor; }

    // Asks the save question when the document changed; false when the command must stop
    // because the user wanted to save and the save did not happen.
    bool saveFirst();
    bool writeTo(const std::string& path);
    void showFailure(const Failure& failure);
    void recreateImages();
    void disarmTool();
    void enableDocumentMenus(bool enabled);
    void showPageFields();
    void afterDocumentOpened();
    void runPageDialog(int target, const char* caption, const char* stepName);
    // The history's commands.
    bool gestureInProgress() const;
    void afterHistoryStep(int oldOrientation);
    void discardRecoveryCopy();
    void offerRecoveries();
    // The current page read with both clefs, kept until the page is drawn again.
    const std::vector<StaveReading>& pageReading();

    Dialogs& dialogs_;
    FormHost& forms_;
    std::string programFolder_;
    ScoreDocument doc_;
    Settings settings_;
    render::ViewState view_;
    MainWindowState window_;
    Canvas viewImage_;
    Canvas backImage_;
    Canvas scratch_;
    render::StaveTable staves_;
    Editor editor_;
    SpecialPalettes palettes_;
    BrailleWriting braille_;
    std::optional<std::string> pendingScore_;
    int renderCount_ = 0;
    TranspositionForm transposition_;
    PrintForm printForm_;
    ReliefPreviewForm reliefPreview_;
    EditHistory history_;
    std::optional<RecoveryStore> recovery_;
    std::vector<RecoveryCopy> orphans_;
    std::optional<Failure> pendingFailure_;  // shown at first activation
    int editGeneration_ = 0;                 // counts the recorded changes
    int copiedGeneration_ = -1;              // ...as of the last recovery copy, -1 for none
    PageCursor cursor_;
    bool keyboardPress_ = false;         // a press from the cursor is being handled
    std::optional<Point> heldFrom_;      // where a symbol held by the cursor was picked up
    std::vector<StaveReading> reading_;  // pageReading()'s copy...
    int readingRender_ = -1;             // ...as of this render
};

}  // namespace noma
