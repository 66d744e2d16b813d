#pragma once

#include <QMainWindow>
#include <array>
#include <map>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace noma {

class PageView;
class PaletteButton;
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
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
    void layoutForWindowSize();

    Workspace& ws_;
    AuxiliaryWindows& windows_;
    QWidget* client_ = nullptr;
    QLineEdit* modeE_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QPushButton* pageDownB_ = nullptr;
    QComboBox* pageCB_ = nullptr;
    QPushButton* pageUpB_ = nullptr;
    QLineEdit* fileNameE_ = nullptr;
    QLineEdit* pichE_ = nullptr;
    QComboBox* topMarjinCB_ = nullptr;
    QLineEdit* dansuE_ = nullptr;
    QLineEdit* dannKannkakuE_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    PageView* pageView_ = nullptr;
    std::map<int, PaletteButton*> palette_;
    std::map<QString, QAction*> items_;
    std::vector<QAction*> documentItems_;
    std::array<QAction*, 8> recentItems_{};
    QAction* keisenM_ = nullptr;
    bool firstActivation_ = true;
    bool refreshing_ = false;
};

}  // namespace noma
