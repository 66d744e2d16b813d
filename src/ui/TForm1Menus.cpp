#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMenuBar>
#include <QUrl>

#include "app/Workspace.h"
#include "document/SymbolCatalogue.h"
#include "musicxml/ScoreWriter.h"
#include "platform/Dialogs.h"
#include "ui/AuxiliaryWindows.h"
#include "ui/PageView.h"
#include "ui/QtMidiPlayback.h"
#include "ui/TAllPageForm.h"
#include "ui/TBeepForm.h"
#include "ui/TForm1.h"
#include "ui/TGuitarForm.h"
#include "ui/THelpForm.h"
#include "ui/TKensakuForm.h"
#include "ui/TKigouForm.h"
#include "ui/TKigouKinyuuForm.h"
#include "ui/TMusicXmlForm.h"
#include "ui/TOptionForm.h"
#include "ui/TPianoForm.h"
#include "ui/TPrint3DPreviewForm.h"
#include "ui/TRikodaForm.h"
#include "ui/TTenjiIchiranForm.h"
#include "ui/TVersionForm.h"
#include "ui/WindowPlacement.h"

namespace noma {

namespace {

constexpr const char* kBrailleListPage = "https://ja.wikipedia.org/wiki/%E7%82%B9%E5%AD%97";

}  // namespace

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

void TForm1::openBrailleListPage() {
    const QUrl address(kBrailleListPage);
    if (urlOpener_(address)) return;
    // The address as people read it, so that it can be copied into a browser by hand.
    ws_.dialogs().message(
        "ブラウザを起動できませんでした。次のアドレスをブラウザで開いてください。\n" +
            address.toString().toStdString(),
        kConfirmTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
}

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    Workspace& ws = ws_;
    urlOpener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    QMenu* file = bar->addMenu("　ファイル(&F)");
    file->setObjectName("FileM");
    addItem(file, "SinkiM", "新規作成(&1)", false, [&ws] {
        ws.newScore();
    })->setShortcut(QKeySequence::New);
    addItem(file, "FileOpenM", "開く(&2)", false, [&ws] {
        ws.fileOpen();
    })->setShortcut(QKeySequence::Open);
    addItem(file, "ImportMusicXmlM", "MusicXMLの読み込み…", false, [&ws] { ws.importMusicXml(); });
    QMenu* recent = file->addMenu("履歴から開く(&3)");
    recent->setObjectName("N33");
    for (int n = 0; n < 8; ++n) {
        const std::string name = "Rireki" + std::to_string(n + 1);
        recentItems_[static_cast<size_t>(n)] =
            addItem(recent, name.c_str(), "", false, [&ws, n] { ws.openRecent(n); });
    }
    addItem(file, "FileCloseM", "閉じる(&4)", true, [&ws] { ws.fileClose(); });
    addItem(file, "SaveM", "名前を付けて保存(&5)", true, [&ws] {
        ws.saveAs();
    })->setShortcut(QKeySequence("Ctrl+Shift+S"));
    addItem(file, "UwaSaveM", "上書き保存(&6)", true, [&ws] {
        ws.overwriteSave();
    })->setShortcut(QKeySequence::Save);
    file->addSeparator();
    addItem(file, "TotuPrintM", "３D印刷(&7)", true, [&ws] {
        ws.printDialog(PrintMode::Tactile);
    })->setShortcut(QKeySequence::Print);
    addItem(file, "SumiPrintM", "墨字印刷(&8)", true, [&ws] { ws.printDialog(PrintMode::Ink); });
    addItem(file, "PreviewM", "３D印刷のプレビュー", true,
            [this] { windows_.print3DPreview->showPreview(this); });
    addItem(file, "MusicXmlM", kMusicXmlMenuItem, true,
            [this] { windows_.musicXml->showExport(); });
    file->addSeparator();
    addItem(file, "CloseM", "終了(&9)", false, [this] {
        if (ws_.exitCommand()) close();
    })->setShortcut(QKeySequence("Ctrl+Q"));

    QMenu* kigou = bar->addMenu("　特殊記号(&K)");
    kigou->setObjectName("KigouM");
    addItem(kigou, "PianoM", "ピアノ楽譜(&1)", false, [this] { windows_.piano->showPalette(); });
    addItem(kigou, "RikodaM", "リコーダーの運指図(&2)", false,
            [this] { windows_.rikoda->showPalette(); });
    addItem(kigou, "N32", "ギター譜(&3)", false, [this] { windows_.guitar->showPalette(); });
    addItem(kigou, "N23", "オリジナル記号(&4)", false,
            [this] { windows_.kigouKinyuu->showPalette(); });

    QMenu* page = bar->addMenu("　ページ(&P)");
    page->setObjectName("PageM");
    addItem(page, "PageTuikaM", "追加(&1)", false, [&ws] { ws.pageAdd(); });
    addItem(page, "PageSounyuuM", "挿入(&2)", false, [&ws] { ws.pageInsert(); });
    addItem(page, "PageSakujoM", "削除(&3)", false, [&ws] { ws.pageDelete(); });

    QMenu* edit = bar->addMenu("　編集(&E)");
    edit->setObjectName("EditM");
    addItem(edit, "N4", "取り消し（BackSpace）(&1)", false, [&ws] { ws.undo(); });
    historyUndoM_ = addItem(edit, "HistoryUndoM", "元に戻す", false, [&ws] { ws.historyUndo(); });
    // Shown in the menu; the key preview triggers them (see eventFilter).
    historyUndoM_->setShortcut(QKeySequence("Ctrl+Z"));
    historyUndoM_->setShortcutContext(Qt::WidgetShortcut);
    historyRedoM_ = addItem(edit, "HistoryRedoM", "やり直す", false, [&ws] { ws.historyRedo(); });
    historyRedoM_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    historyRedoM_->setShortcutContext(Qt::WidgetShortcut);
    edit->addSeparator();
    addItem(edit, "RyouikiMoveM", "領域を指定して移動(&2)", false,
            [&ws] { ws.selectMode(kModeRegionMove); });
    addItem(edit, "TyouikiCopyM", "領域を指定してコピー(&3)", false,
            [&ws] { ws.selectMode(kModeRegionCopy); });
    addItem(edit, "RyouikiDelM", "領域を指定して消去(&4)", false,
            [&ws] { ws.selectMode(kModeRegionErase); });
    edit->addSeparator();
    addItem(edit, "ClipCopyM", "クリップボードへのコピー(&5)", false,
            [&ws] { ws.selectMode(kModeClipCopy); });
    addItem(edit, "ClipCutM", "切り取ってクリップボードへコピー(&6)", false,
            [&ws] { ws.selectMode(kModeClipCut); });
    addItem(edit, "ClipPasteM", "クリップボードから貼り付け(&7)", false, [&ws] { ws.clipPaste(); });
    edit->addSeparator();
    addItem(edit, "N81", "検索(&8)", false, [this] { windows_.kensaku->showSearch(); });
    edit->addSeparator();
    addItem(edit, "N91", "移調(&9)", false, [&ws] { ws.transposition(); });

    QMenu* view = bar->addMenu("　表示(&H)");
    view->setObjectName("HyoujiM");
    addItem(view, "N12", "全ページのサムネイル表示(&1)", false,
            [this] { windows_.allPage->showThumbnails(); });
    view->addSeparator();
    QMenu* display = view->addMenu("墨訳/点字(&2)");
    display->setObjectName("N6");
    auto* displayGroup = new QActionGroup(this);
    const char* displayNames[3] = {"N7", "N8", "N9"};
    const char* displayTexts[3] = {"かな(&1)", "アルファベット(&2)", "点字(&3)"};
    for (int m = 0; m < 3; ++m) {
        displayItems_[static_cast<size_t>(m)] = addItem(display, displayNames[m], displayTexts[m],
                                                        false, [&ws, m] { ws.setDisplayMode(m); });
        displayItems_[static_cast<size_t>(m)]->setCheckable(true);
        displayGroup->addAction(displayItems_[static_cast<size_t>(m)]);
    }
    keisenM_ =
        addItem(view, "KeisenM", "罫線の表示／非表示(&3)", false, [&ws] { ws.toggleRules(); });
    keisenM_->setCheckable(true);
    hotPM_ = addItem(view, "HotPM", "ホットポジションの表示／非表示(&4)", false,
                     [&ws] { ws.toggleHotPositions(); });
    hotPM_->setCheckable(true);
    QMenu* grid = view->addMenu("グリッドの表示／非表示(&5)");
    grid->setObjectName("N5");
    auto* gridGroup = new QActionGroup(this);
    const char* gridNames[7] = {"N01", "N11", "N22", "N31", "N42", "N51", "N61"};
    const char* gridTexts[7] = {
        "非表示(&0)",   "間隔 １ (&1)", "間隔 ２ (&2)", "間隔 ３ （点字の幅）(&3)",
        "間隔 ４ (&4)", "間隔 ５ (&5)", "間隔 ６ (&6)"};
    for (int g = 0; g <= 6; ++g) {
        QAction* a =
            addItem(grid, gridNames[g], gridTexts[g], false, [&ws, g] { ws.setGridInterval(g); });
        a->setCheckable(true);
        gridGroup->addAction(a);
        gridItems_[static_cast<size_t>(g)] = a;
    }
    // The zoom enlarges the view only; the page image and its pixels stay as they are.
    view->addSeparator();
    addItem(view, "ZoomInM", "拡大表示(&6)", false, [this] {
        stepZoom(1);
    })->setShortcut(QKeySequence::ZoomIn);
    addItem(view, "ZoomOutM", "縮小表示(&7)", false, [this] {
        stepZoom(-1);
    })->setShortcut(QKeySequence::ZoomOut);

    QMenu* tools = bar->addMenu("　ツール(&T)");
    tools->setObjectName("ToolM");
    addItem(tools, "N13", "オリジナル記号の作成(&1)", false,
            [this] { windows_.kigou->showEditor(); });
    tools->addSeparator();
    addItem(tools, "PlayM", "ＭＩＤＩファイルへの変換、プレイ(&2)", true,
            [this] { windows_.beep->showMidi(); });
    // Proof-reading by ear: the stave the keyboard cursor is on; F5 again stops it.
    addItem(tools, "PlayStaveM", "カーソルの段を再生／停止(&3)", true, [this] {
        if (stavePlayback_->playing()) {
            stavePlayback_->requestStop();
            return;
        }
        // At the tempo and in the timbre the MIDI dialog shows.
        ws_.playStaveOrSelection(*stavePlayback_, windows_.beep->settings());
    })->setShortcut(Qt::Key_F5);

    QAction* option = bar->addAction("　オプション(&O)");
    option->setObjectName("OptionM");
    items_["OptionM"] = option;
    connect(option, &QAction::triggered, this, [this] { windows_.option->showOptions(); });

    // Alt+H belongs to the view menu; help has a key of its own.
    QMenu* help = bar->addMenu("　ヘルプ(&L)");
    help->setObjectName("HelpM");
    addItem(help, "TukaikataM", "ＮＯＭＡの使い方(&1)", false,
            [this] { showPlaced(*windows_.help); });
    help->addSeparator();
    addItem(help, "N24", "点字記号一覧(&2)", false, [this] { showPlaced(*windows_.tenjiIchiran); });
    addItem(help, "HP31", "点字一覧 HP (&3)", false, [this] { openBrailleListPage(); });
    help->addSeparator();
    addItem(help, "VersionM", "バージョン情報(&4)", false,
            [this] { showPlaced(*windows_.version); });

    // Whole menus that need an open document.
    for (QMenu* m : {kigou, page, edit, view}) documentItems_.push_back(m->menuAction());
}

}  // namespace noma
