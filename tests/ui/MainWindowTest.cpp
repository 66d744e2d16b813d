#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <QTextBrowser>
#include "EditorWindowsFixture.h"
#include "TempFolder.h"
#include "app/ScriptedDialogs.h"
#include "app/Workspace.h"
#include "document/SymbolKind.h"
#include "ui/EditorWindows.h"
#include "ui/PageView.h"
#include "ui/PaletteButton.h"
#include "ui/QtFormHost.h"
#include "ui/TAllPageForm.h"
#include "ui/TForm1.h"
#include "ui/THelpForm.h"
#include "ui/TOptionForm.h"
#include "ui/TPageTuikaForm.h"
#include "ui/TSinkiForm.h"
#include "ui/TTenjiForm.h"
#include "ui/TTenjiIchiranForm.h"
#include "ui/TVersionForm.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include "document/SymbolCatalogue.h"
#include "ui/QtDialogs.h"
#include "ui/WindowPlacement.h"

namespace noma {
namespace {

class MainWindowTest : public test::EditorWindowsTest {
  protected:
    template <typename T>
    T* child(const char* name) {
        return main().findChild<T*>(name);
    }

    // Runs `fill` on the modal dialog once it is shown, then presses its OK button.
    template <typename Dialog>
    void whenShown(Dialog* dialog, std::function<void(Dialog*)> fill) {
        QTimer::singleShot(0, dialog, [dialog, fill] {
            if (fill) fill(dialog);
            dialog->template findChild<QPushButton*>("Button1")->click();
        });
    }
    void newScoreThroughTheDialog(std::function<void(TSinkiForm*)> fill = nullptr) {
        whenShown<TSinkiForm>(windows.sinki, fill);
        item("SinkiM")->trigger();
    }
};

QStringList entries(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
}

QMenu* topMenu(QMenuBar* bar, const QString& text) {
    for (QAction* a : bar->actions())
        if (a->text() == text) return a->menu();
    return nullptr;
}

TEST_F(MainWindowTest, LayoutCaptionAndControls) {
    EXPECT_EQ(main().windowTitle(), "  NOMA    ver.2.20 ");
    EXPECT_EQ(child<QPushButton>("PageDownB")->toolTip(), "前のページへ");
    EXPECT_EQ(child<QPushButton>("PageUpB")->toolTip(), "次のページへ");
    EXPECT_EQ(child<QComboBox>("TopMarjinCB")->count(), 28);
    EXPECT_EQ(child<QComboBox>("TopMarjinCB")->itemText(0), "　３");
    EXPECT_EQ(child<QComboBox>("TopMarjinCB")->itemText(27), "３０");
    int buttons = 0;
    for (int mode = 1; mode < 64; ++mode) buttons += main().paletteButton(mode) != nullptr;
    EXPECT_EQ(buttons, 54);
    PaletteButton* quarter = main().paletteButton(kQuarterNoteUp);
    ASSERT_NE(quarter, nullptr);
    EXPECT_EQ(quarter->pos() - main().paletteButton(7)->pos(), QPoint(0, 30 * 5));
    EXPECT_EQ(main().paletteButton(4)->pos() - main().paletteButton(7)->pos(), QPoint(66, 0));
    EXPECT_EQ(quarter->toolTip(), "４分音符");
    EXPECT_EQ(quarter->pressedTwin()->pos(), quarter->pos() - QPoint(2, 2));
    EXPECT_EQ(main().paletteButton(kCrescendo)->toolTip(), "クレセンド");
}

TEST_F(MainWindowTest, MenuTreeTextsOrderAndSeparators) {
    QMenuBar* bar = main().menuBar();
    QStringList tops;
    for (QAction* a : bar->actions()) tops << a->text();
    EXPECT_EQ(tops,
              (QStringList{"　ファイル(&F)", "　特殊記号(&K)", "　ページ(&P)", "　編集(&E)",
                           "　表示(&H)", "　ツール(&T)", "　オプション(&O)", "　ヘルプ(&L)"}));
    EXPECT_EQ(entries(topMenu(bar, "　ファイル(&F)")),
              (QStringList{"新規作成(&1)", "開く(&2)", "MusicXMLの読み込み…", "履歴から開く(&3)",
                           "閉じる(&4)", "名前を付けて保存(&5)", "上書き保存(&6)", "-",
                           "３D印刷(&7)", "墨字印刷(&8)", "３D印刷のプレビュー",
                           "MusicXMLへの書き出し…", "-", "終了(&9)"}));
    EXPECT_EQ(
        entries(topMenu(bar, "　編集(&E)")),
        (QStringList{"取り消し（BackSpace）(&1)", "元に戻す", "やり直す", "-",
                     "領域を指定して移動(&2)", "領域を指定してコピー(&3)", "領域を指定して消去(&4)",
                     "-", "クリップボードへのコピー(&5)", "切り取ってクリップボードへコピー(&6)",
                     "クリップボードから貼り付け(&7)", "-", "検索(&8)", "-", "移調(&9)"}));
    EXPECT_EQ(entries(topMenu(bar, "　表示(&H)")),
              (QStringList{"全ページのサムネイル表示(&1)", "-", "墨訳/点字(&2)",
                           "罫線の表示／非表示(&3)", "ホットポジションの表示／非表示(&4)",
                           "グリッドの表示／非表示(&5)", "-", "拡大表示(&6)", "縮小表示(&7)"}));
    EXPECT_EQ(entries(topMenu(bar, "　ツール(&T)")),
              (QStringList{"オリジナル記号の作成(&1)", "-", "ＭＩＤＩファイルへの変換、プレイ(&2)",
                           "カーソルの段を再生／停止(&3)"}));
    EXPECT_EQ(entries(topMenu(bar, "　ヘルプ(&L)")),
              (QStringList{"ＮＯＭＡの使い方(&1)", "-", "点字記号一覧(&2)", "点字一覧 HP (&3)", "-",
                           "バージョン情報(&4)"}));
    EXPECT_EQ(entries(topMenu(bar, "　特殊記号(&K)")),
              (QStringList{"ピアノ楽譜(&1)", "リコーダーの運指図(&2)", "ギター譜(&3)",
                           "オリジナル記号(&4)"}));
    EXPECT_EQ(entries(topMenu(bar, "　ページ(&P)")),
              (QStringList{"追加(&1)", "挿入(&2)", "削除(&3)"}));
    EXPECT_EQ(item("N31")->text(), "間隔 ３ （点字の幅）(&3)");
    EXPECT_EQ(item("Rireki8")->text(), "(&8)--");
}

TEST_F(MainWindowTest, DocumentMenusFollowTheOpenDocument) {
    for (const char* name :
         {"FileCloseM", "SaveM", "UwaSaveM", "TotuPrintM", "SumiPrintM", "PreviewM", "MusicXmlM",
          "KigouM", "PageM", "EditM", "HyoujiM", "PlayM", "KeisenM"}) {
        ASSERT_NE(item(name), nullptr) << name;
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(item("SinkiM")->isEnabled());
    EXPECT_TRUE(item("N13")->isEnabled());
    newScoreThroughTheDialog();
    for (const char* name :
         {"FileCloseM", "SaveM", "UwaSaveM", "TotuPrintM", "SumiPrintM", "PreviewM", "MusicXmlM",
          "KigouM", "PageM", "EditM", "HyoujiM", "PlayM"}) {
        EXPECT_TRUE(item(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(item("KeisenM")->isEnabled());
    item("FileCloseM")->trigger();
    EXPECT_FALSE(item("SaveM")->isEnabled());
}

TEST_F(MainWindowTest, NewScoreDialogLandscapeGrandStaff) {
    newScoreThroughTheDialog([](TSinkiForm* d) {
        d->yokoRB()->click();
        QComboBox* type = d->box("ToHeCB");
        type->setCurrentIndex(1);
        emit type->activated(1);
        EXPECT_EQ(d->size(), QSize(646, 378));
        EXPECT_EQ(d->previewImage().size(), QSize(470, 315));
        EXPECT_EQ(d->box("GyousuCB")->count(), 2);
        // The preview shows the first staff line at half scale: y = (0 + 24) * 8 / 2.
        EXPECT_EQ(d->previewImage().pixel(100, 96), qRgb(0, 0, 0));
    });
    EXPECT_EQ(ws.document().header.orientation, 1);
    EXPECT_EQ(ws.document().settings(0).scoreType, 2);
    EXPECT_EQ(child<QLineEdit>("DansuE")->text(), "　２");
    EXPECT_EQ(child<QLineEdit>("PichE")->text(), "　８");
    EXPECT_EQ(main().pageView()->image().size(), QSize(940, 630));
}

TEST_F(MainWindowTest, PaletteArmsAndShowsThePressedTwin) {
    newScoreThroughTheDialog();
    PaletteButton* quarter = main().paletteButton(kQuarterNoteUp);
    QTest::mouseClick(quarter, Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>("ModeE")->text(), "４分音符");
    EXPECT_FALSE(quarter->isVisible());
    EXPECT_TRUE(quarter->pressedTwin()->isVisible());
    QTest::mouseClick(main().paletteButton(kDot), Qt::LeftButton);
    EXPECT_TRUE(quarter->isVisible());
    EXPECT_EQ(child<QLineEdit>("ModeE")->text(), "付点");
    QTest::mouseClick(main().paletteButton(kDot)->pressedTwin(), Qt::LeftButton);  // re-arms
    EXPECT_EQ(ws.document().toolMode, kDot);
    item("ClipPasteM")->trigger();  // no clipboard: a message, nothing armed
    ASSERT_FALSE(dialogs.messageTexts().empty());
    EXPECT_EQ(dialogs.messageTexts().back(), "クリップボードにデータがありません。");
    EXPECT_EQ(ws.document().toolMode, kDot);
}

TEST_F(MainWindowTest, PressOnThePageAndBackSpaceFromAnyControl) {
    newScoreThroughTheDialog();
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    QTest::mouseMove(main().pageView(), QPoint(100, 250));
    QTest::mouseClick(main().pageView(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 250));
    EXPECT_EQ(ws.document().symbolCount(0), 25);
    main().activateWindow();
    QApplication::setActiveWindow(&main());
    QTest::keyClick(child<QComboBox>("TopMarjinCB"), Qt::Key_Backspace);
    EXPECT_EQ(ws.document().symbolCount(0), 24);
}

TEST_F(MainWindowTest, HistoryItemsNameTheStepAndTheirKeysReachPastTheKeySink) {
    newScoreThroughTheDialog();
    EXPECT_FALSE(item("HistoryUndoM")->isEnabled());
    EXPECT_EQ(item("HistoryUndoM")->text(), "元に戻す");
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    QTest::mouseMove(main().pageView(), QPoint(100, 250));
    QTest::mouseClick(main().pageView(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 250));
    EXPECT_EQ(item("HistoryUndoM")->text(), "元に戻す：４分音符の記入");
    EXPECT_TRUE(item("HistoryUndoM")->isEnabled());
    EXPECT_FALSE(item("HistoryRedoM")->isEnabled());
    main().activateWindow();
    QApplication::setActiveWindow(&main());
    // The history's keys reach the key handler from the key sink, the page view.
    QWidget* sink = main().pageView();
    QTest::keyClick(sink, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ws.document().symbolCount(0), 24);
    EXPECT_EQ(item("HistoryRedoM")->text(), "やり直す：４分音符の記入");
    QTest::keyClick(sink, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ws.document().symbolCount(0), 25);
    QTest::keyClick(sink, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(sink, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ws.document().symbolCount(0), 25);
    EXPECT_FALSE(item("HistoryRedoM")->isEnabled());
}

TEST_F(MainWindowTest, ViewTogglesDoNotMarkTheDocument) {
    newScoreThroughTheDialog();
    item("HotPM")->trigger();
    item("N42")->trigger();
    EXPECT_EQ(ws.view().hotPositionsVisible, 1);
    EXPECT_EQ(ws.view().gridInterval, 4);
    EXPECT_FALSE(ws.document().dataChanged);
}

TEST_F(MainWindowTest, PageMenuAndNavigation) {
    newScoreThroughTheDialog();
    whenShown<TPageTuikaForm>(windows.pageTuika, [](TPageTuikaForm* d) {
        EXPECT_EQ(d->windowTitle(), "　ページの追加");
        EXPECT_EQ(d->pageNumberBox()->text(), "2");
        QComboBox* type = d->box("ToHeCB");
        type->setCurrentIndex(2);
        emit type->activated(2);
    });
    item("PageTuikaM")->trigger();
    auto* pages = child<QComboBox>("PageCB");
    EXPECT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(item("KeisenM")->isEnabled());
    child<QPushButton>("PageDownB")->click();
    EXPECT_EQ(ws.document().currentPage, 0);
    EXPECT_FALSE(item("KeisenM")->isEnabled());
    dialogs.queueAnswer(Dialogs::Answer::Yes);
    item("PageSakujoM")->trigger();
    EXPECT_EQ(pages->count(), 1);
    EXPECT_EQ(ws.document().settings(0).scoreType, 3);
}

TEST_F(MainWindowTest, RecentMenuShowsSavedFiles) {
    newScoreThroughTheDialog();
    dialogs.queueFileName(folder.file("tune"));
    item("SaveM")->trigger();
    EXPECT_EQ(item("Rireki1")->text().toStdString(), "(&1)--" + folder.file("tune.nmg"));
    EXPECT_TRUE(item("Rireki1")->isEnabled());
    EXPECT_FALSE(item("Rireki2")->isEnabled());
    EXPECT_EQ(child<QLineEdit>("FileNameE")->text().toStdString(), folder.file("tune.nmg"));
    item("FileCloseM")->trigger();
    item("Rireki1")->trigger();
    EXPECT_TRUE(ws.documentOpen());
}

TEST_F(MainWindowTest, ThumbnailClickOpensThePage) {
    newScoreThroughTheDialog();
    whenShown<TPageTuikaForm>(windows.pageTuika, nullptr);
    item("PageTuikaM")->trigger();
    child<QPushButton>("PageDownB")->click();
    item("N12")->trigger();
    ASSERT_TRUE(windows.allPage->isVisible());
    EXPECT_EQ(windows.allPage->image().size(), QSize(650, 210));
    windows.allPage->clickAt(130 + 60, 100);
    EXPECT_FALSE(windows.allPage->isVisible());
    EXPECT_EQ(child<QComboBox>("PageCB")->currentIndex(), 1);
}

TEST_F(MainWindowTest, OptionDialogStaysOpenOnABrokenKeyMap) {
    item("OptionM")->trigger();
    ASSERT_TRUE(windows.option->isVisible());
    EXPECT_EQ(windows.option->keyBox(0)->text(), "f");
    auto* ok = windows.option->findChild<QPushButton*>("Button1");
    windows.option->keyBox(0)->setText("d");
    ok->click();
    EXPECT_TRUE(windows.option->isVisible());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find("点１と点２"), std::string::npos);
    EXPECT_EQ(ws.settings().sixKeyMap[0], 'f');
    windows.option->keyBox(0)->setText("Q");
    ok->click();
    EXPECT_EQ(ws.settings().sixKeyMap[0], 'q');
    EXPECT_FALSE(windows.option->isVisible());
}

TEST_F(MainWindowTest, BrailleWindowRomajiAndSixKeys) {
    newScoreThroughTheDialog();
    QTest::mouseClick(main().paletteButton(kBraille), Qt::LeftButton);
    QTest::mouseMove(main().pageView(), QPoint(100, 250));
    QTest::mouseClick(main().pageView(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 250));
    TTenjiForm* tenji = windows.tenji;
    ASSERT_TRUE(tenji->isVisible());
    EXPECT_EQ(tenji->windowTitle(), "点字書き込み");
    EXPECT_EQ(tenji->height(), 106);
    const int before = ws.document().symbolCount(0);
    QTest::keyClicks(tenji->textField(), "kyo");
    QElapsedTimer clock;
    clock.start();
    while (ws.document().symbolCount(0) == before && clock.elapsed() < 2000) QTest::qWait(5);
    ASSERT_EQ(ws.document().symbolCount(0), before + 2);
    EXPECT_EQ(ws.document().record(0, before)[3], 8);
    EXPECT_EQ(ws.document().record(0, before + 1)[3], 42);
    EXPECT_EQ(tenji->textField()->text(), "");

    QComboBox* mode = tenji->entryModeBox();
    mode->setCurrentIndex(2);
    emit mode->activated(2);
    EXPECT_EQ(tenji->height(), 72);
    QLineEdit* keys = tenji->sixKeyField();
    QTest::keyPress(keys, Qt::Key_F);
    QTest::keyPress(keys, Qt::Key_D);
    QTest::keyRelease(keys, Qt::Key_F);
    QTest::keyRelease(keys, Qt::Key_D);
    QTest::keyClick(keys, Qt::Key_Return);
    ASSERT_EQ(ws.document().symbolCount(0), before + 3);
    EXPECT_EQ(ws.document().record(0, before + 2)[3], 3);

    // The display menu and the window's selector show one value.
    item("N7")->trigger();
    EXPECT_EQ(tenji->displayModeBox()->currentIndex(), 0);
    // Escape closes it as the close button does: it stays closed when the main window
    // refreshes.
    QTest::keyClick(keys, Qt::Key_Escape);
    main().refresh();
    EXPECT_FALSE(tenji->isVisible());
    EXPECT_EQ(ws.document().toolMode, 0);
    EXPECT_EQ(child<QLineEdit>("ModeE")->text(), "");
}

TEST_F(MainWindowTest, HelpAndVersionWindows) {
    item("TukaikataM")->trigger();
    ASSERT_TRUE(windows.help->isVisible());
    EXPECT_EQ(windows.help->windowTitle(), "　ヘルプ");
    const QString manual = windows.help->text()->toPlainText();
    EXPECT_GT(manual.size(), 3000);
    for (const char* words : {"ＮＯＭＡ", "ＮＭＧファイル", "新規作成", "点字", "移調", "ＭＩＤＩ",
                              "３D印刷", "オリジナル記号"}) {
        EXPECT_TRUE(manual.contains(QString::fromUtf8(words))) << words;
    }
    EXPECT_EQ(windows.help->text()->textCursor().position(), 0);
    EXPECT_GE(windows.help->text()->document()->documentMargin(), 12);
    item("VersionM")->trigger();
    ASSERT_TRUE(windows.version->isVisible());
    EXPECT_EQ(windows.version->windowTitle(), "  バージョン情報");
    EXPECT_EQ(windows.version->size(), QSize(350, 143));
    EXPECT_EQ(windows.version->findChild<QLabel*>("ProductName")->text(), "ＮＯＭＡ 　Ver. 2.20");
    EXPECT_EQ(windows.version->findChild<QLabel*>("ReleaseDate")->text(), "２０２０．７．１０");
    windows.version->findChild<QPushButton*>("OKButton")->click();
    EXPECT_FALSE(windows.version->isVisible());
}

TEST_F(MainWindowTest, BrailleSymbolListHasItsFourPages) {
    item("N24")->trigger();
    QTabWidget* tabs = windows.tenjiIchiran->tabs();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "一般記号");
    EXPECT_EQ(tabs->tabText(3), "関係符号他");
    auto* general = static_cast<QTableWidget*>(tabs->widget(0));
    EXPECT_EQ(general->rowCount(), 19);
    EXPECT_EQ(general->item(0, 2)->text(), "句点　。　（日本文）");
    EXPECT_EQ(general->horizontalHeaderItem(0)->text(), "入力キー（半角）");
    // The half-width long vowel, easily read as a hyphen, is named where it is a key.
    auto* relations = static_cast<QTableWidget*>(tabs->widget(3));
    EXPECT_EQ(relations->item(2, 2)->text(), "棒線　――");
    EXPECT_EQ(relations->item(2, 0)->text(), "ｰｰ　（ｰ は半角カナの長音記号）");
}

// Every label and the mode box at the desktop's font and at one half larger.
TEST_F(MainWindowTest, EveryLabelAndModeNameShowsWhole) {
    auto expectWhole = [](TForm1& window, const char* font) {
        for (QLabel* l : window.centralWidget()->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->pixmap().isNull() == false) continue;
            EXPECT_GE(l->width(), l->sizeHint().width()) << font << " " << l->text().toStdString();
            EXPECT_GE(l->height(), l->sizeHint().height())
                << font << " " << l->text().toStdString();
        }
        auto* mode = window.findChild<QLineEdit*>("ModeE");
        for (int m = 0; m < kModeTableSize; ++m) {
            const QString text =
                QString::fromUtf8(modeText(m).data(), static_cast<int>(modeText(m).size()));
            EXPECT_LE(mode->fontMetrics().horizontalAdvance(text), mode->contentsRect().width() - 8)
                << font << " " << text.toStdString();
        }
    };
    expectWhole(main(), "normal");
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.5);
    QApplication::setFont(large);
    {
        AuxiliaryWindows otherWindows;
        QtFormHost otherForms(otherWindows);
        Workspace other(dialogs, otherForms, folder.path());
        other.startUp();
        EditorWindows big(other, otherWindows);
        big.main().show();
        expectWhole(big.main(), "large");
    }
    QApplication::setFont(normal);
}

// The offscreen screen is lower than the window the page asks for.
TEST_F(MainWindowTest, WindowFitsTheScreenAndThePaletteScrolls) {
    newScoreThroughTheDialog();
    const QRect area = main().screen()->availableGeometry();
    EXPECT_TRUE(area.contains(main().frameGeometry()))
        << area.height() << " " << main().frameGeometry().height();
    auto* palette = child<QScrollArea>("PaletteScroll");
    palette->verticalScrollBar()->setValue(palette->verticalScrollBar()->maximum());
    QWidget* last = main().paletteButton(62);
    const QPoint bottom = last->mapTo(palette->viewport(), QPoint(0, last->height()));
    EXPECT_LE(bottom.y(), palette->viewport()->height());
    EXPECT_GE(bottom.y(), 0);
}

TEST_F(MainWindowTest, ZoomEnlargesTheViewAndKeepsPagePixels) {
    newScoreThroughTheDialog();
    PageView* view = main().pageView();
    const QSize page = view->image().size();
    item("ZoomInM")->trigger();
    item("ZoomInM")->trigger();
    EXPECT_EQ(main().zoom(), 200);
    EXPECT_EQ(view->size(), page * 2);
    EXPECT_EQ(view->image().size(), page);
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    const int before = ws.document().symbolCount(0);
    QTest::mouseMove(view, QPoint(200, 500));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(200, 500));
    ASSERT_EQ(ws.document().symbolCount(0), before + 1);
    const SymbolRecord zoomed = ws.document().record(0, before);
    item("N4")->trigger();
    item("ZoomOutM")->trigger();
    item("ZoomOutM")->trigger();
    EXPECT_EQ(view->size(), page);
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    QTest::mouseMove(view, QPoint(100, 250));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 250));
    ASSERT_EQ(ws.document().symbolCount(0), before + 1);
    EXPECT_EQ(ws.document().record(0, before), zoomed);
}

TEST_F(MainWindowTest, MenusHaveTheirOwnKeysAndShowTheViewState) {
    QStringList mnemonics;
    for (QAction* a : main().menuBar()->actions()) mnemonics << a->text().section('&', 1).left(1);
    mnemonics.removeDuplicates();
    EXPECT_EQ(mnemonics.size(), main().menuBar()->actions().size());
    EXPECT_EQ(item("SinkiM")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(item("FileOpenM")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(item("UwaSaveM")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(item("SaveM")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(item("TotuPrintM")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(item("CloseM")->shortcut(), QKeySequence("Ctrl+Q"));
    newScoreThroughTheDialog();
    EXPECT_TRUE(item("N9")->isChecked());
    EXPECT_TRUE(item("N01")->isChecked());
    EXPECT_FALSE(item("HotPM")->isChecked());
    item("N7")->trigger();
    item("N22")->trigger();
    item("HotPM")->trigger();
    EXPECT_TRUE(item("N7")->isChecked());
    EXPECT_FALSE(item("N9")->isChecked());
    EXPECT_TRUE(item("N22")->isChecked());
    EXPECT_FALSE(item("N01")->isChecked());
    EXPECT_TRUE(item("HotPM")->isChecked());
    EXPECT_EQ(ws.view().gridInterval, 2);
    item("HotPM")->trigger();
    EXPECT_FALSE(item("HotPM")->isChecked());
    // The state changed elsewhere shows too.
    ws.setDisplayMode(1);
    main().refresh();
    EXPECT_TRUE(item("N8")->isChecked());
}

TEST_F(MainWindowTest, BrailleListPageGivesItsAddressWhenNoBrowserStarts) {
    QUrl asked;
    main().setUrlOpener([&asked](const QUrl& url) {
        asked = url;
        return false;
    });
    item("HP31")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find(asked.toString().toStdString()), std::string::npos);
    EXPECT_TRUE(asked.toString().startsWith("https://"));
}

TEST_F(MainWindowTest, NoScoreShowsAHintInsteadOfABlankPage) {
    EXPECT_TRUE(child<QLabel>("EmptyHint")->isVisible());
    EXPECT_FALSE(child<QScrollArea>("ScrollBox1")->isVisible());
    newScoreThroughTheDialog();
    EXPECT_FALSE(child<QLabel>("EmptyHint")->isVisible());
    EXPECT_TRUE(child<QScrollArea>("ScrollBox1")->isVisible());
    item("FileCloseM")->trigger();
    EXPECT_TRUE(child<QLabel>("EmptyHint")->isVisible());
}

TEST_F(MainWindowTest, MessageBoxesBelongToTheWindowThatAsks) {
    QtDialogs qtDialogs;
    qtDialogs.setParent(&main());
    item("OptionM")->trigger();
    QApplication::setActiveWindow(windows.option);
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&owner] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        owner = box->parentWidget();
        box->done(0);
    });
    qtDialogs.message("キーが重なっています。", "確認", Dialogs::Buttons::Ok,
                      Dialogs::Icon::Exclamation);
    EXPECT_EQ(owner, windows.option);
}

// A 1280 x 800 screen with the main window in its middle, as the editor starts.
TEST(WindowPlacement, WindowsOpenClearOfOneAnotherAndOnTheScreen) {
    const QRect area(0, 0, 1280, 800);
    std::vector<QRect> taken{QRect(245, 30, 790, 740)};
    const QSize palette(230, 300);
    for (int n = 0; n < 4; ++n) {
        const QRect placed(freePosition(palette, area, taken, taken[0].topRight() + QPoint(1, 0)),
                           palette);
        EXPECT_TRUE(area.contains(placed)) << n;
        for (const QRect& other : taken) EXPECT_FALSE(placed.intersects(other)) << n;
        taken.push_back(placed);
    }
    // With no free room left, the window still lands wholly on the screen.
    const QRect big(freePosition(QSize(700, 500), area, taken, QPoint(1200, 700)), QSize(700, 500));
    EXPECT_TRUE(area.contains(big));
}

}  // namespace
}  // namespace noma
