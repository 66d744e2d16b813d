#include "ui/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrl>
#include <exception>

#include "app/Workspace.h"
#include "document/NumberText.h"
#include "document/SymbolCatalogue.h"
#include "ui/AuxiliaryWindows.h"
#include "ui/PageView.h"
#include "ui/PaletteButton.h"
#include "ui/PaletteWindows.h"
#include "ui/PaletteWindow.h"
#include "ui/TKigouForm.h"
#include "ui/TGuitarForm.h"
#include "ui/TKigouKinyuuForm.h"
#include "ui/TPianoForm.h"
#include "ui/TRikodaForm.h"
#include "ui/TAllPageForm.h"
#include "ui/TBeepForm.h"
#include "ui/THelpForm.h"
#include "ui/TKensakuForm.h"
#include "ui/TOptionForm.h"
#include "ui/TTenjiForm.h"
#include "ui/TTenjiIchiranForm.h"
#include "ui/TVersionForm.h"

namespace noma {

namespace {

constexpr int kClientWidth = 774;
constexpr int kClientHeight = 681;
// The window's outer size exceeds its client area by the frame, caption and menu.
constexpr int kFrameWidth = 14;
constexpr int kFrameHeight = 59;

constexpr const char* kBrailleListPage = "https://ja.wikipedia.org/wiki/%E7%82%B9%E5%AD%97";

QLabel* label(QWidget* parent, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->move(x, y);
    return l;
}

QLineEdit* readOnlyBox(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setGeometry(x, y, w, h);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

}  // namespace

TForm1::TForm1(Workspace& workspace, AuxiliaryWindows& windows)
    : ws_(workspace), windows_(windows) {
    setObjectName("TForm1");
    setWindowTitle("  NOMA    ver.2.20 ");
    buildControls();
    buildPalette();
    buildMenus();
    qApp->installEventFilter(this);
    resize(ws_.window().windowWidth - kFrameWidth, ws_.window().windowHeight - kFrameHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    refresh();
}

void TForm1::buildControls() {
    client_ = new QWidget(this);
    client_->setMinimumSize(0, 0);
    setCentralWidget(client_);

    label(client_, "モード", 8, 11);
    edit1_ = new QLineEdit(client_);
    edit1_->setObjectName("Edit1");
    edit1_->setGeometry(66, 8, 23, 21);
    modeE_ = readOnlyBox(client_, "ModeE", 52, 8, 118, 21);
    edit1_->lower();  // the key sink sits behind the mode box

    label(client_, "ページ", 184, 11);
    pageDownB_ = new QPushButton("◀", client_);
    pageDownB_->setObjectName("PageDownB");
    pageDownB_->setGeometry(220, 8, 30, 21);
    pageDownB_->setToolTip("前のページへ");
    pageDownB_->setFocusPolicy(Qt::NoFocus);
    pageCB_ = new QComboBox(client_);
    pageCB_->setObjectName("PageCB");
    pageCB_->setGeometry(251, 8, 49, 21);
    pageUpB_ = new QPushButton("▶", client_);
    pageUpB_->setObjectName("PageUpB");
    pageUpB_->setGeometry(301, 8, 30, 21);
    pageUpB_->setToolTip("次のページへ");
    pageUpB_->setFocusPolicy(Qt::NoFocus);
    fileNameE_ = readOnlyBox(client_, "FileNameE", 337, 8, 425, 21);

    label(client_, "縦ピッチ", 8, 37);
    pichE_ = readOnlyBox(client_, "PichE", 52, 34, 49, 21);
    label(client_, "トップ", 8, 62);
    topMarjinCB_ = new QComboBox(client_);
    topMarjinCB_->setObjectName("TopMarjinCB");
    topMarjinCB_->setGeometry(52, 59, 49, 21);
    for (int v = 3; v <= 30; ++v) topMarjinCB_->addItem(QString::fromStdString(fullWidthNumber(v)));
    label(client_, "段数", 8, 87);
    dansuE_ = readOnlyBox(client_, "DansuE", 52, 84, 49, 21);
    label(client_, "段間隔", 8, 112);
    dannKannkakuE_ = readOnlyBox(client_, "DannKannkakuE", 52, 109, 49, 21);

    scrollBox1_ = new QScrollArea(client_);
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setGeometry(109, 38, 655, 624);
    scrollBox1_->setWidgetResizable(false);
    scrollBox1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pageView_ = new PageView(ws_);
    scrollBox1_->setWidget(pageView_);
    connect(pageView_, &PageView::handled, this, [this] { refresh(); });

    connect(pageDownB_, &QPushButton::clicked, this, [this] { run([this] { ws_.previousPage(); }); });
    connect(pageUpB_, &QPushButton::clicked, this, [this] { run([this] { ws_.nextPage(); }); });
    connect(pageCB_, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { run([this, item] { ws_.selectPage(item); }); });
    connect(topMarjinCB_, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { run([this, item] { ws_.topMarginChanged(item); }); });
}

void TForm1::buildPalette() {
    for (int mode = 1; mode < kModeTableSize; ++mode) {
        const ModeInfo& info = modeInfo(mode);
        if (info.paletteColumn == 0) continue;
        const int x = 10 + 33 * (info.paletteColumn - 1);
        const int y = 137 + 30 * (info.paletteRow - 1);
        auto* button = new PaletteButton(mode, client_);
        button->place(x, y);
        connect(button, &PaletteButton::clicked, this, [this, mode] { run([this, mode] { ws_.selectMode(mode); }); });
        palette_[mode] = button;
    }
}

QAction* TForm1::addItem(QMenu* menu, const char* name, const QString& text, bool needsDocument,
                         std::function<void()> handler) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (handler) {
        connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    }
    if (needsDocument) documentItems_.push_back(action);
    items_[name] = action;
    return action;
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    Workspace& ws = ws_;

    QMenu* file = bar->addMenu("　ファイル(&F)");
    file->setObjectName("FileM");
    addItem(file, "SinkiM", "新規作成(&1)", false, [&ws] { ws.newScore(); });
    addItem(file, "FileOpenM", "開く(&2)", false, [&ws] { ws.fileOpen(); });
    QMenu* recent = file->addMenu("履歴から開く(&3)");
    recent->setObjectName("N33");
    for (int n = 0; n < 8; ++n) {
        const std::string name = "Rireki" + std::to_string(n + 1);
        recentItems_[static_cast<size_t>(n)] =
            addItem(recent, name.c_str(), "", false, [&ws, n] { ws.openRecent(n); });
    }
    addItem(file, "FileCloseM", "閉じる(&4)", true, [&ws] { ws.fileClose(); });
    addItem(file, "SaveM", "名前を付けて保存(&5)", true, [&ws] { ws.saveAs(); });
    addItem(file, "UwaSaveM", "上書き保存(&6)", true, [&ws] { ws.overwriteSave(); });
    file->addSeparator();
    addItem(file, "TotuPrintM", "３D印刷(&7)", true,
            [&ws] { ws.printDialog(PrintMode::Tactile); });
    addItem(file, "SumiPrintM", "墨字印刷(&8)", true, [&ws] { ws.printDialog(PrintMode::Ink); });
    file->addSeparator();
    addItem(file, "CloseM", "終了(&9)", false, [this] {
        if (ws_.exitCommand()) close();
    });

    QMenu* kigou = bar->addMenu("　特殊記号(&K)");
    kigou->setObjectName("KigouM");
    addItem(kigou, "PianoM", "ピアノ楽譜(&1)", false, [this] { windows_.piano->showPalette(); });
    addItem(kigou, "RikodaM", "リコーダーの運指図(&2)", false, [this] { windows_.rikoda->showPalette(); });
    addItem(kigou, "N32", "ギター譜(&3)", false, [this] { windows_.guitar->showPalette(); });
    addItem(kigou, "N23", "オリジナル記号(&4)", false, [this] { windows_.kigouKinyuu->showPalette(); });

    QMenu* page = bar->addMenu("　ページ(&P)");
    page->setObjectName("PageM");
    addItem(page, "PageTuikaM", "追加(&1)", false, [&ws] { ws.pageAdd(); });
    addItem(page, "PageSounyuuM", "挿入(&2)", false, [&ws] { ws.pageInsert(); });
    addItem(page, "PageSakujoM", "削除(&3)", false, [&ws] { ws.pageDelete(); });

    QMenu* edit = bar->addMenu("　編集(&E)");
    edit->setObjectName("EditM");
    addItem(edit, "N4", "取り消し（BackSpace）(&1)", false, [&ws] { ws.undo(); });
    edit->addSeparator();
    addItem(edit, "RyouikiMoveM", "領域を指定して移動(&2)", false, [&ws] { ws.selectMode(kModeRegionMove); });
    addItem(edit, "TyouikiCopyM", "領域を指定してコピー(&3)", false, [&ws] { ws.selectMode(kModeRegionCopy); });
    addItem(edit, "RyouikiDelM", "領域を指定して消去(&4)", false, [&ws] { ws.selectMode(kModeRegionErase); });
    edit->addSeparator();
    addItem(edit, "ClipCopyM", "クリップボードへのコピー(&5)", false, [&ws] { ws.selectMode(kModeClipCopy); });
    addItem(edit, "ClipCutM", "切り取ってクリップボードへコピー(&6)", false, [&ws] { ws.selectMode(kModeClipCut); });
    addItem(edit, "ClipPasteM", "クリップボードから貼り付け(&7)", false, [&ws] { ws.clipPaste(); });
    edit->addSeparator();
    addItem(edit, "N81", "検索(&8)", false, [this] { windows_.kensaku->showSearch(); });
    edit->addSeparator();
    addItem(edit, "N91", "移調(&9)", false, [&ws] { ws.transposition(); });

    QMenu* view = bar->addMenu("　表示(&H)");
    view->setObjectName("HyoujiM");
    addItem(view, "N12", "全ページのサムネイル表示(&1)", false, [this] { windows_.allPage->showThumbnails(); });
    view->addSeparator();
    QMenu* display = view->addMenu("墨訳/点字(&2)");
    display->setObjectName("N6");
    addItem(display, "N7", "かな(&1)", false, [&ws] { ws.setDisplayMode(0); });
    addItem(display, "N8", "アルファベット(&2)", false, [&ws] { ws.setDisplayMode(1); });
    addItem(display, "N9", "点字(&3)", false, [&ws] { ws.setDisplayMode(2); });
    keisenM_ = addItem(view, "KeisenM", "罫線の表示／非表示(&3)", false, [&ws] { ws.toggleRules(); });
    addItem(view, "HotPM", "ホットポジションの表示／非表示(&4)", false, [&ws] { ws.toggleHotPositions(); });
    QMenu* grid = view->addMenu("グリッドの表示／非表示(&5)");
    grid->setObjectName("N5");
    const char* gridNames[7] = {"N01", "N11", "N22", "N31", "N42", "N51", "N61"};
    const char* gridTexts[7] = {"非表示(&0)", "間隔 １ (&1)", "間隔 ２ (&2)", "間隔 ３ （点字の幅）(&3)",
                                "間隔 ４ (&4)", "間隔 ５ (&5)", "間隔 ６ (&6)"};
    for (int g = 0; g <= 6; ++g) addItem(grid, gridNames[g], gridTexts[g], false, [&ws, g] { ws.setGridInterval(g); });

    QMenu* tools = bar->addMenu("　ツール(&T)");
    tools->setObjectName("ToolM");
    addItem(tools, "N13", "オリジナル記号の作成(&1)", false, [this] { windows_.kigou->showEditor(); });
    tools->addSeparator();
    addItem(tools, "PlayM", "ＭＩＤＩファイルへの変換、プレイ(&2)", true,
            [this] { windows_.beep->showMidi(); });

    QAction* option = bar->addAction("　オプション(&O)");
    option->setObjectName("OptionM");
    items_["OptionM"] = option;
    connect(option, &QAction::triggered, this, [this] { windows_.option->showOptions(); });

    QMenu* help = bar->addMenu("　ヘルプ(&H)");
    help->setObjectName("HelpM");
    addItem(help, "TukaikataM", "ＮＯＭＡの使い方(&1)", false, [this] { windows_.help->show(); windows_.help->raise(); });
    help->addSeparator();
    addItem(help, "N24", "点字記号一覧(&2)", false, [this] {
        windows_.tenjiIchiran->show();
        windows_.tenjiIchiran->raise();
    });
    addItem(help, "HP31", "点字一覧 HP (&3)", false, [] { QDesktopServices::openUrl(QUrl(kBrailleListPage)); });
    help->addSeparator();
    addItem(help, "VersionM", "バージョン情報(&4)", false, [this] { windows_.version->show(); windows_.version->raise(); });

    // Whole menus that need an open document.
    for (QMenu* m : {kigou, page, edit, view}) documentItems_.push_back(m->menuAction());
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
    for (auto& [mode, button] : palette_) button->setPressed(mode == w.pressedMode);
    for (QAction* a : documentItems_) a->setEnabled(w.documentMenus);
    keisenM_->setEnabled(w.documentMenus && w.rulesMenu);
    fileNameE_->setText(QString::fromStdString(w.fileName));
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
    const int clientWidth = w.windowWidth - kFrameWidth;
    if (width() != clientWidth) resize(clientWidth, height());
    pageView_->refreshImage();
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
        edit1_->setFocus();
        w.focusKeySink = false;
    }
    refreshPaletteWindows(windows_);
    refreshing_ = false;
}

void TForm1::layoutForWindowSize() {
    const int outerWidth = width() + kFrameWidth;
    const int outerHeight = height() - menuBar()->height() + kFrameHeight;
    QRect box = scrollBox1_->geometry();
    if (outerHeight > 600) box.setHeight(outerHeight - 105);
    if (outerWidth > 600) box.setWidth(outerWidth - 135);
    scrollBox1_->setGeometry(box);
    fileNameE_->resize(std::max(50, outerWidth - 365), fileNameE_->height());
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutForWindowSize();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstActivation_) {
        firstActivation_ = false;
        run([this] { ws_.firstActivation(); });
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
            if (pageView_->handleKey(key)) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace noma
