#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QScrollArea;
class QStackedWidget;
class QUrl;

namespace noma {

class PageView;
class QtMidiPlayback;
class PaletteButton;
class PaletteGrid;
class Workspace;
class AuxiliaryWindows;

// The main window: page view, palette, page fields and the menu tree. It forwards every
// event to the Workspace and refreshes its widgets from the Workspace afterwards.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(Workspace& workspace, AuxiliaryWindows& windows);

    // Shows the Workspace state in every widget.
    void refresh();
    QAction* menuItem(const QString& name) const;
    PaletteButton* paletteButton(int mode) const;
    PageView* pageView() const { return pageView_; }
    // What F5 plays the cursor's stave through.
    QtMidiPlayback* stavePlayback() const { return stavePlayback_; }
    // The page view's zoom in percent (100, 150, 200); the page image is never scaled.
    void setZoom(int percent);
    int zoom() const;
    // How "点字一覧 HP" opens its address; false when no browser could be started.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildPalette();
    void buildMenus();
    QAction* addItem(QMenu* menu, const char* name, const QString& text, bool needsDocument,
                     std::function<void()> handler);
    // Runs a command and refreshes; an exception is shown in a message box.
    void run(const std::function<void()>& command);
    void stepZoom(int steps);
    QSize wantedSize() const;
    void openBrailleListPage();

    Workspace& ws_;
    AuxiliaryWindows& windows_;
    QWidget* client_ = nullptr;
    QLineEdit* modeE_ = nullptr;
    QPushButton* pageDownB_ = nullptr;
    QComboBox* pageCB_ = nullptr;
    QPushButton* pageUpB_ = nullptr;
    QLineEdit* fileNameE_ = nullptr;
    QLineEdit* pichE_ = nullptr;
    QComboBox* topMarjinCB_ = nullptr;
    QLineEdit* dansuE_ = nullptr;
    QLineEdit* dannKannkakuE_ = nullptr;
    QComboBox* zoomCB_ = nullptr;
    PaletteGrid* paletteArea_ = nullptr;
    QScrollArea* paletteScroll_ = nullptr;
    QStackedWidget* pageStack_ = nullptr;
    QLabel* emptyHint_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    PageView* pageView_ = nullptr;
    std::map<int, PaletteButton*> palette_;
    std::map<QString, QAction*> items_;
    std::vector<QAction*> documentItems_;
    std::array<QAction*, 8> recentItems_{};
    QAction* keisenM_ = nullptr;
    QAction* hotPM_ = nullptr;
    QAction* historyUndoM_ = nullptr;
    QAction* historyRedoM_ = nullptr;
    QTimer* autosaveTimer_ = nullptr;
    QtMidiPlayback* stavePlayback_ = nullptr;
    std::array<QAction*, 3> displayItems_{};
    std::array<QAction*, 7> gridItems_{};
    std::function<bool(const QUrl&)> urlOpener_;
    int wantedWidth_ = 0;
    bool firstActivation_ = true;
    bool refreshing_ = false;
};

}  // namespace noma
