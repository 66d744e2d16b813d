#include "ui/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>
#include <utility>

#include "app/Workspace.h"
#include "document/NumberText.h"
#include "document/SymbolCatalogue.h"
#include "ui/AccessibleNames.h"
#include "ui/AuxiliaryWindows.h"
#include "ui/PageView.h"
#include "ui/PaletteButton.h"
#include "ui/PaletteGrid.h"
#include "ui/PaletteWindows.h"
#include "ui/QtMidiPlayback.h"
#include "ui/TTenjiForm.h"
#include "ui/WindowPlacement.h"

namespace noma {

namespace {

// The window's outer size exceeds its client area by the frame, caption and menu.
constexpr int kFrameWidth = 14;
constexpr int kFrameHeight = 59;
// Palette buttons: 33 pixels apart across, 30 down; the pressed twin sits 2 pixels up and left.
constexpr int kPaletteStepX = 33;
constexpr int kPaletteStepY = 30;
constexpr int kPaletteInset = 2;

constexpr int kZoomSteps[3] = {100, 150, 200};

QLabel* label(const char* name, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text));
    l->setObjectName(name);
    return l;
}

QLineEdit* readOnlyBox(const char* name, const QString& widest) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    // Wide enough for the longest value it shows, in whatever font the desktop uses.
    const int margins = 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 10;
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(widest) + margins);
    return e;
}

QString longestModeText() {
    QString longest;
    for (int mode = 0; mode < kModeTableSize; ++mode) {
        const std::string_view t = modeText(mode);
        const QString text = QString::fromUtf8(t.data(), static_cast<int>(t.size()));
        if (text.size() > longest.size()) longest = text;
    }
    return longest;
}

}  // namespace

namespace {

// Milliseconds between recovery copies: a minute, or NOMA_AUTOSAVE_SECONDS where a test needs
// it sooner.
int autosaveInterval() {
    const QByteArray given = qgetenv("NOMA_AUTOSAVE_SECONDS");
    bool ok = false;
    const int seconds = given.toInt(&ok);
    return ok && seconds > 0 && seconds <= 3600 ? seconds * 1000 : 60 * 1000;
}

}  // namespace

TForm1::TForm1(Workspace& workspace, AuxiliaryWindows& windows)
    : ws_(workspace), windows_(windows) {
    setObjectName("TForm1");
    setWindowTitle("  NOMA    ver.2.20 ");
    stavePlayback_ = new QtMidiPlayback(this);
    buildControls();
    buildPalette();
    buildMenus();
    qApp->installEventFilter(this);
    autosaveTimer_ = new QTimer(this);
    autosaveTimer_->setObjectName("AutosaveTimer");
    connect(autosaveTimer_, &QTimer::timeout, this, [this] { ws_.autosave(); });
    autosaveTimer_->start(autosaveInterval());
    resize(wantedSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    fitOnScreen(*this);
    refresh();
}

void TForm1::buildControls() {
    client_ = new QWidget(this);
    setCentralWidget(client_);
    auto* whole = new QVBoxLayout(client_);
    whole->setContentsMargins(8, 6, 8, 6);
    whole->setSpacing(6);

    // Top row: mode, page selection, file name, zoom.
    auto* topRow = new QWidget;
    topRow->setObjectName("TopRow");
    auto* top = new QHBoxLayout(topRow);
    top->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(topRow);
    QLabel* modeL = label("Label5", "モード");
    top->addWidget(modeL);
    modeE_ = readOnlyBox("ModeE", longestModeText());
    nameByLabel(modeL, modeE_);
    top->addWidget(modeE_);
    top->addSpacing(8);
    QLabel* pageL = label("Label2", "ページ");
    top->addWidget(pageL);
    pageDownB_ = new QPushButton("◀");
    pageDownB_->setObjectName("PageDownB");
    pageDownB_->setToolTip("前のページへ");
    pageDownB_->setFocusPolicy(Qt::NoFocus);
    pageDownB_->setAccessibleName("前のページ");
    pageCB_ = new QComboBox;
    pageCB_->setObjectName("PageCB");
    pageCB_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pageCB_->setMinimumContentsLength(3);
    nameByLabel(pageL, pageCB_);
    pageUpB_ = new QPushButton("▶");
    pageUpB_->setObjectName("PageUpB");
    pageUpB_->setToolTip("次のページへ");
    pageUpB_->setFocusPolicy(Qt::NoFocus);
    pageUpB_->setAccessibleName("次のページ");
    for (QPushButton* b : {pageDownB_, pageUpB_})
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance("◀") + 24);
    top->addWidget(pageDownB_);
    top->addWidget(pageCB_);
    top->addWidget(pageUpB_);
    fileNameE_ = readOnlyBox("FileNameE", "");
    fileNameE_->setMinimumWidth(50);
    fileNameE_->setMaximumWidth(QWIDGETSIZE_MAX);
    fileNameE_->setAccessibleName("ファイル名");
    top->addWidget(fileNameE_, 1);
    zoomCB_ = new QComboBox;
    zoomCB_->setObjectName("ZoomCB");
    zoomCB_->setToolTip("表示倍率（Ctrl + / Ctrl －）");
    zoomCB_->setFocusPolicy(Qt::NoFocus);
    for (int z : kZoomSteps) zoomCB_->addItem(QString("%1 %").arg(z));
    // A screen reader on Linux names a combo box by its value and says what it is by its label.
    QLabel* zoomL = label("ZoomL", "表示倍率");
    nameByLabel(zoomL, zoomCB_);
    top->addWidget(zoomL);
    top->addWidget(zoomCB_);

    // Left: the page fields and the palette, scrolling when the window is low.
    auto* body = new QHBoxLayout;
    whole->addLayout(body, 1);
    auto* left = new QWidget;
    left->setObjectName("LeftPanel");
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    auto* fields = new QGridLayout;
    leftColumn->addLayout(fields);
    pichE_ = readOnlyBox("PichE", "１０");
    topMarjinCB_ = new QComboBox;
    topMarjinCB_->setObjectName("TopMarjinCB");
    for (int v = 3; v <= 30; ++v) topMarjinCB_->addItem(QString::fromStdString(fullWidthNumber(v)));
    dansuE_ = readOnlyBox("DansuE", "１０");
    dannKannkakuE_ = readOnlyBox("DannKannkakuE", "１０");
    const std::pair<QLabel*, QWidget*> rows[] = {{label("Label1", "縦ピッチ"), pichE_},
                                                 {label("Label3", "トップ"), topMarjinCB_},
                                                 {label("Label4", "段数"), dansuE_},
                                                 {label("Label6", "段間隔"), dannKannkakuE_}};
    for (int row = 0; row < 4; ++row) {
        fields->addWidget(rows[row].first, row, 0);
        fields->addWidget(rows[row].second, row, 1);
        nameByLabel(rows[row].first, rows[row].second);
    }
    paletteArea_ = new PaletteGrid;
    paletteArea_->setObjectName("Palette");
    paletteArea_->setAccessibleName("パレット");
    paletteArea_->setFixedSize(kPaletteInset + 2 * kPaletteStepX + 25 + 2,
                               kPaletteInset + 17 * kPaletteStepY + 25 + 2);
    leftColumn->addWidget(paletteArea_, 0, Qt::AlignLeft);
    leftColumn->addStretch(1);
    paletteScroll_ = new QScrollArea;
    paletteScroll_->setObjectName("PaletteScroll");
    paletteScroll_->setFrameShape(QFrame::NoFrame);
    paletteScroll_->setWidget(left);
    paletteScroll_->setWidgetResizable(true);
    paletteScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    paletteScroll_->setFixedWidth(left->sizeHint().width() +
                                  paletteScroll_->verticalScrollBar()->sizeHint().width());
    body->addWidget(paletteScroll_);
    // Other windows open elsewhere if they can: these are what the user works with most.
    for (QWidget* w :
         {static_cast<QWidget*>(menuBar()), topRow, static_cast<QWidget*>(paletteScroll_)})
        w->setProperty(kKeepClear, true);

    // Right: the page, or a hint while no score is open.
    pageStack_ = new QStackedWidget;
    pageStack_->setObjectName("PageStack");
    emptyHint_ = new QLabel(
        "楽譜が開かれていません。\n"
        "ファイル → 新規作成（Ctrl+N）または 開く（Ctrl+O）で始めてください。");
    emptyHint_->setObjectName("EmptyHint");
    emptyHint_->setAlignment(Qt::AlignCenter);
    emptyHint_->setAutoFillBackground(true);
    QPalette grey = emptyHint_->palette();
    grey.setColor(QPalette::Window, QColor(160, 160, 160));
    grey.setColor(QPalette::WindowText, Qt::black);
    emptyHint_->setPalette(grey);
    pageStack_->addWidget(emptyHint_);
    scrollBox1_ = new QScrollArea;
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setWidgetResizable(false);
    scrollBox1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pageView_ = new PageView(ws_);
    scrollBox1_->setWidget(pageView_);
    pageStack_->addWidget(scrollBox1_);
    body->addWidget(pageStack_, 1);
    connect(pageView_, &PageView::handled, this, [this] { refresh(); });

    connect(pageDownB_, &QPushButton::clicked, this,
            [this] { run([this] { ws_.previousPage(); }); });
    connect(pageUpB_, &QPushButton::clicked, this, [this] { run([this] { ws_.nextPage(); }); });
    connect(pageCB_, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { run([this, item] { ws_.selectPage(item); }); });
    connect(topMarjinCB_, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { run([this, item] { ws_.topMarginChanged(item); }); });
    connect(zoomCB_, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { setZoom(kZoomSteps[item]); });
}

void TForm1::buildPalette() {
    for (int mode = 1; mode < kModeTableSize; ++mode) {
        const ModeInfo& info = modeInfo(mode);
        if (info.paletteColumn == 0) continue;
        auto* button = new PaletteButton(mode, paletteArea_);
        button->place(kPaletteInset + kPaletteStepX * (info.paletteColumn - 1),
                      kPaletteInset + kPaletteStepY * (info.paletteRow - 1));
        connect(button, &PaletteButton::clicked, this,
                [this, mode] { run([this, mode] { ws_.selectMode(mode); }); });
        paletteArea_->addButton(button, info.paletteColumn, info.paletteRow);
        palette_[mode] = button;
    }
}

QSize TForm1::wantedSize() const {
    // The window's own size, or more where the desktop's font makes the controls larger: the
    // whole palette and the page's width without scrolling.
    const MainWindowState& w = ws_.window();
    const QMargins m = client_->layout()->contentsMargins();
    const int spacing = client_->layout()->spacing();
    const int scrollBar = scrollBox1_->verticalScrollBar()->sizeHint().width();
    const int frame = 2 * scrollBox1_->frameWidth();
    const int width = m.left() + paletteScroll_->width() + spacing + pageView_->image().width() +
                      frame + scrollBar + m.right();
    const int topRow = client_->layout()->itemAt(0)->sizeHint().height();
    const int height =
        m.top() + topRow + spacing + paletteScroll_->widget()->sizeHint().height() + m.bottom();
    return {std::max(w.windowWidth - kFrameWidth, width),
            std::max(w.windowHeight - kFrameHeight, height) + menuBar()->sizeHint().height()};
}

void TForm1::setZoom(int percent) {
    pageView_->setZoom(percent);
    for (int i = 0; i < 3; ++i)
        if (kZoomSteps[i] == percent) zoomCB_->setCurrentIndex(i);
}

void TForm1::stepZoom(int steps) {
    const int now = zoomCB_->currentIndex();
    setZoom(kZoomSteps[std::clamp(now + steps, 0, 2)]);
}

int TForm1::zoom() const {
    return pageView_->zoom();
}

QAction* TForm1::menuItem(const QString& name) const {
    const auto found = items_.find(name);
    if (found != items_.end()) return found->second;
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        if (m->objectName() == name) return m->menuAction();
    return nullptr;
}

PaletteButton* TForm1::paletteButton(int mode) const {
    const auto found = palette_.find(mode);
    return found == palette_.end() ? nullptr : found->second;
}

void TForm1::run(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, "NOMA", QString::fromUtf8(e.what()));
    }
    refresh();
}

void TForm1::refresh() {
    refreshing_ = true;
    MainWindowState& w = ws_.window();
    modeE_->setText(QString::fromStdString(w.modeText));
    modeE_->setCursorPosition(0);  // a name too long for the box shows its beginning
    for (auto& [mode, button] : palette_) button->setPressed(mode == w.pressedMode);
    for (QAction* a : documentItems_) a->setEnabled(w.documentMenus);
    keisenM_->setEnabled(w.documentMenus && w.rulesMenu);
    historyUndoM_->setText(QString::fromStdString(ws_.undoItemText()));
    historyUndoM_->setEnabled(ws_.canHistoryUndo());
    historyRedoM_->setText(QString::fromStdString(ws_.redoItemText()));
    historyRedoM_->setEnabled(ws_.canHistoryRedo());
    const render::ViewState& view = ws_.view();
    keisenM_->setChecked(view.rulesVisible == 1);
    hotPM_->setChecked(view.hotPositionsVisible == 1);
    for (int m = 0; m < 3; ++m)
        displayItems_[static_cast<size_t>(m)]->setChecked(view.displayMode == m);
    for (int g = 0; g <= 6; ++g)
        gridItems_[static_cast<size_t>(g)]->setChecked(view.gridInterval == g);
    fileNameE_->setText(QString::fromStdString(w.fileName));
    fileNameE_->setCursorPosition(0);
    pichE_->setText(QString::fromStdString(w.pitchText));
    topMarjinCB_->setCurrentIndex(w.topMarginItem);
    dansuE_->setText(QString::fromStdString(w.stavesText));
    dannKannkakuE_->setText(QString::fromStdString(w.intervalText));
    if (pageCB_->count() != w.pageItems) {
        pageCB_->clear();
        for (int i = 1; i <= w.pageItems; ++i) pageCB_->addItem(QString::number(i));
    }
    pageCB_->setCurrentIndex(w.pageItem);
    for (int n = 0; n < 8; ++n) {
        QAction* item = recentItems_[static_cast<size_t>(n)];
        item->setText(QString::fromStdString(ws_.settings().recentFiles.caption(n)));
        item->setEnabled(!ws_.settings().recentFiles.isEmpty(n));
    }
    pageStack_->setCurrentWidget(ws_.documentOpen() ? static_cast<QWidget*>(scrollBox1_)
                                                    : emptyHint_);
    pageView_->refreshImage();
    // The window takes the width the page asks for, as far as the screen allows.
    if (w.windowWidth != wantedWidth_) {
        wantedWidth_ = w.windowWidth;
        resize(wantedSize().width(), height());
        fitOnScreen(*this);
    }
    if (TTenjiForm* tenji = windows_.tenji) {
        if (w.brailleWindowVisible && !tenji->isVisible()) tenji->showAt(frameGeometry());
        if (!w.brailleWindowVisible && tenji->isVisible()) tenji->hide();
        if (tenji->isVisible()) tenji->refresh();
    }
    if (w.scrollToTop) {
        scrollBox1_->verticalScrollBar()->setValue(0);
        w.scrollToTop = false;
    }
    if (w.focusKeySink) {
        // The page view is the key sink: the keys reach the key handler and a screen reader
        // sits on the score.
        pageView_->setFocus();
        w.focusKeySink = false;
    }
    if (ws_.documentOpen() && pageView_->hasFocus() && ws_.pageCursor().shown) {
        const QRect cell = pageView_->cursorRect();
        scrollBox1_->ensureVisible(cell.center().x(), cell.center().y(), 40, 40);
    }
    refreshPaletteWindows(windows_);
    refreshing_ = false;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstActivation_) {
        firstActivation_ = false;
        fitOnScreen(*this);
        // Once the window is on the screen: the recovery question belongs in front of it.
        QTimer::singleShot(0, this, [this] { run([this] { ws_.firstActivation(); }); });
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool mayClose = true;
    run([this, &mayClose] { mayClose = ws_.closeWindow(); });
    if (mayClose) {
        event->accept();
        qApp->quit();
    } else {
        event->ignore();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: the main window's key handler sees its keys first, whichever control has
    // the focus.
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this) {
            // A line edit with an undo of its own must not take the history's keys.
            const QKeySequence pressed(key->keyCombination());
            for (QAction* item : {historyUndoM_, historyRedoM_}) {
                if (!item->shortcuts().contains(pressed)) continue;
                if (item->isEnabled()) item->trigger();
                return true;
            }
            // F6 goes between the two panes a keyboard user works in, the palette and the page.
            if (key->key() == Qt::Key_F6 && key->modifiers() == Qt::NoModifier) {
                if (paletteArea_->hasFocus() && ws_.documentOpen()) {
                    pageView_->setFocus(Qt::ShortcutFocusReason);
                } else {
                    paletteArea_->setFocus(Qt::ShortcutFocusReason);
                }
                return true;
            }
            if (widget == paletteArea_ && PaletteGrid::usesKey(*key)) return false;
            if (key->key() == Qt::Key_Escape && stavePlayback_->playing()) {
                stavePlayback_->requestStop();
                return true;
            }
            if (pageView_->handleKey(key)) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace noma
