#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

#include "EditorWindowsFixture.h"
#include "TempFolder.h"
#include "app/ScriptedDialogs.h"
#include "app/TranspositionForm.h"
#include "app/Workspace.h"
#include "document/SymbolKind.h"
#include "platform/FileIo.h"
#include "ui/EditorWindows.h"
#include "ui/PageView.h"
#include "ui/PaletteButton.h"
#include "ui/QtFormHost.h"
#include "ui/QtMidiPlayback.h"
#include "ui/TBeepForm.h"
#include "ui/TForm1.h"
#include "ui/TIchouForm.h"
#include "ui/TKensakuForm.h"
#include "ui/TMusicXmlForm.h"

namespace noma {
namespace {

// Two pages at pitch 8: a treble stave with B4 and D5 quarters and a staccato above the B4;
// the second page holds one quarter note.
constexpr const char* kScore =
    "2 8 0\r\n"
    "1 9 12 1 10 4\r\n"
    "46 6 0 552 0 0 0 0 0 0 \r\n"
    "46 6 2 552 0 0 0 0 0 0 \r\n"
    "46 6 4 552 0 0 0 0 0 0 \r\n"
    "46 6 6 552 0 0 0 0 0 0 \r\n"
    "46 6 8 552 0 0 0 0 0 0 \r\n"
    "41 9 4 0 0 0 0 0 0 0 \r\n"
    "6 20 4 0 0 0 0 0 0 0 \r\n"
    "27 20 -3 0 0 0 0 0 0 0 \r\n"
    "6 26 2 0 0 0 0 0 0 0 \r\n"
    "1 1 12 1 10 4\r\n"
    "6 20 10 0 0 0 0 0 0 0 \r\n";

constexpr QRgb kAqua = 0xFF00FFFF;

// A synthesizer stand-in: sounds until stopped, or for at most `seconds`.
struct FakeSynth {
    double seconds = 10;
    Status answer;
    int plays = 0;
    bool stopped = false;
    std::string heard;

    QtMidiPlayback::Player player() {
        return [this](const std::string& path, const MidiPlayer::StopRequest& stop) {
            ++plays;
            heard = readWholeFile(path).value_or("");
            const auto end = std::chrono::steady_clock::now() +
                             std::chrono::milliseconds(static_cast<int>(seconds * 1000));
            while (std::chrono::steady_clock::now() < end) {
                if (stop()) {
                    stopped = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            return answer;
        };
    }
};

class MusicWindowsTest : public test::EditorWindowsTest {
  protected:
    MusicWindowsTest() {
        openScore("s.nmg", kScore);
        windows.beep->playback().setPlayer(synth.player());
    }

    template <typename T>
    T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(name);
    }
    int aquaOnPage(int left, int top, int right, int bottom) {
        const QImage& image = main().pageView()->image();
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += image.pixel(x, y) == kAqua;
        return n;
    }
    // Runs `during` once playback has begun, from inside the wait.
    void whilePlaying(std::function<void()> during) {
        QTimer::singleShot(80, windows.beep, std::move(during));
        in<QPushButton>(windows.beep, "Button1")->click();
    }

    FakeSynth synth;
};

TEST_F(MusicWindowsTest, MidiDialogShowsItsControlsAndResetsThePageRange) {
    ASSERT_TRUE(item("PlayM")->isEnabled());
    item("PlayM")->trigger();
    TBeepForm* beep = windows.beep;
    ASSERT_TRUE(beep->isVisible());
    EXPECT_EQ(beep->windowTitle(), "ＭＩＤＩファイルへの変換");
    auto* tempo = in<QSpinBox>(beep, "TemmpoE");
    EXPECT_EQ(tempo->value(), 120);
    EXPECT_EQ(tempo->minimum(), 10);
    EXPECT_EQ(tempo->maximum(), 300);
    auto* timbre = in<QComboBox>(beep, "ColorCB");
    ASSERT_EQ(timbre->count(), 12);
    EXPECT_EQ(timbre->itemText(3), "アコースティックギター(steel)");
    EXPECT_EQ(timbre->itemText(11), "オカリナ");
    EXPECT_EQ(timbre->currentIndex(), 0);
    EXPECT_TRUE(in<QRadioButton>(beep, "ToonRB")->isChecked());
    EXPECT_EQ(in<QRadioButton>(beep, "ToHeRB")->text(), "ト音記号の段 ＋ ヘ音記号の段");
    auto* first = in<QSpinBox>(beep, "Edit1");
    auto* last = in<QSpinBox>(beep, "Edit2");
    EXPECT_EQ(first->value(), 1);
    EXPECT_EQ(last->value(), 2);
    EXPECT_EQ(last->maximum(), 2);
    EXPECT_FALSE(in<QPushButton>(beep, "StopB")->isEnabled());

    first->setValue(2);
    tempo->setValue(400);  // held at the limit
    timbre->setCurrentIndex(10);
    in<QRadioButton>(beep, "HeonRB")->click();
    const MidiSettings s = beep->settings();
    EXPECT_EQ(s.tempo, 300);
    EXPECT_EQ(s.timbreItem, 10);
    EXPECT_EQ(s.staves, StaveSelection::Bass);
    EXPECT_EQ(s.firstPage, 2);
    beep->hide();
    item("PlayM")->trigger();
    // Shown again: only the page range returns to every page.
    EXPECT_EQ(first->value(), 1);
    EXPECT_EQ(tempo->value(), 300);
    EXPECT_EQ(timbre->currentIndex(), 10);
    EXPECT_TRUE(in<QRadioButton>(beep, "HeonRB")->isChecked());
}

TEST_F(MusicWindowsTest, PlayWaitsForTheEndWithOnlyTheStopButtonAlive) {
    item("PlayM")->trigger();
    TBeepForm* beep = windows.beep;
    bool sawPlaying = false;
    whilePlaying([&] {
        sawPlaying = beep->playback().playing();
        EXPECT_TRUE(in<QPushButton>(beep, "StopB")->isEnabled());
        EXPECT_FALSE(in<QPushButton>(beep, "Button1")->isEnabled());
        EXPECT_FALSE(in<QPushButton>(beep, "Button2")->isEnabled());
        EXPECT_FALSE(in<QSpinBox>(beep, "TemmpoE")->isEnabled());
        // The rest of the program waits: a palette click does not arm its tool.
        QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
        EXPECT_EQ(ws.document().toolMode, 0);
        in<QPushButton>(beep, "StopB")->click();
    });
    EXPECT_TRUE(sawPlaying);
    EXPECT_EQ(synth.plays, 1);
    EXPECT_TRUE(synth.stopped);
    EXPECT_EQ(synth.heard.substr(0, 4), "MThd");
    EXPECT_EQ(readWholeFile(folder.file("NOMAtoMIDI.mid")).value_or(""), synth.heard);
    // The dialog stays open and usable; the main window takes clicks again.
    EXPECT_TRUE(beep->isVisible());
    EXPECT_FALSE(beep->playback().playing());
    EXPECT_TRUE(in<QPushButton>(beep, "Button1")->isEnabled());
    EXPECT_FALSE(in<QPushButton>(beep, "StopB")->isEnabled());
    EXPECT_TRUE(dialogs.messages().empty());
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    EXPECT_EQ(ws.document().toolMode, kQuarterNoteUp);
}

TEST_F(MusicWindowsTest, MusicThatEndsByItselfNeedsNoStop) {
    synth.seconds = 0.05;
    item("PlayM")->trigger();
    in<QPushButton>(windows.beep, "Button1")->click();
    EXPECT_EQ(synth.plays, 1);
    EXPECT_FALSE(synth.stopped);
    EXPECT_TRUE(windows.beep->isVisible());
}

TEST_F(MusicWindowsTest, EscapeStopsTheMusicAndThenClosesTheDialog) {
    item("PlayM")->trigger();
    TBeepForm* beep = windows.beep;
    whilePlaying([&] { QTest::keyClick(beep, Qt::Key_Escape); });
    EXPECT_TRUE(synth.stopped);
    EXPECT_TRUE(beep->isVisible());
    QTest::keyClick(beep, Qt::Key_Escape);
    EXPECT_FALSE(beep->isVisible());
}

TEST_F(MusicWindowsTest, ClosingWindowsWhilePlayingStopsTheMusicFirst) {
    item("PlayM")->trigger();
    TBeepForm* beep = windows.beep;
    bool mainClosed = true;
    whilePlaying([&] { mainClosed = main().close(); });
    EXPECT_FALSE(mainClosed);
    EXPECT_TRUE(synth.stopped);
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(beep->isVisible());

    synth.stopped = false;
    whilePlaying([&] { beep->close(); });
    EXPECT_TRUE(synth.stopped);
    EXPECT_FALSE(beep->isVisible());
}

TEST_F(MusicWindowsTest, PlaybackTroubleIsShownAndTheDialogRecovers) {
    synth.seconds = 0;
    synth.answer = Failure{"音声を出力する装置を開けません。", "no device"};
    item("PlayM")->trigger();
    in<QPushButton>(windows.beep, "Button1")->click();
    ASSERT_EQ(dialogs.messageTexts(), std::vector<std::string>{"音声を出力する装置を開けません。"});
    EXPECT_TRUE(in<QPushButton>(windows.beep, "Button1")->isEnabled());
}

TEST_F(MusicWindowsTest, SaveWritesTheFileAndClosesTheDialog) {
    item("PlayM")->trigger();
    dialogs.queueFileName(folder.file("tune"));
    in<QPushButton>(windows.beep, "Button2")->click();
    EXPECT_EQ(readWholeFile(folder.file("tune.mid")).value_or("").substr(0, 4), "MThd");
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"ＭＩＤＩファイルを保存しました。"});
    EXPECT_FALSE(windows.beep->isVisible());
    EXPECT_EQ(synth.plays, 0);

    item("PlayM")->trigger();
    dialogs.queueCancelledFileDialog();
    in<QPushButton>(windows.beep, "Button2")->click();
    EXPECT_TRUE(windows.beep->isVisible());
}

TEST_F(MusicWindowsTest, MusicXmlExportWritesTheChosenStavesAndClosesTheDialog) {
    item("MusicXmlM")->trigger();
    TMusicXmlForm* form = windows.musicXml;
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(in<QSpinBox>(form, "Edit2")->value(), int(ws.document().header.pageCount));
    in<QRadioButton>(form, "ToHeRB")->click();
    dialogs.queueFileName(folder.file("tune"));
    in<QPushButton>(form, "ExportB")->click();
    const std::string xml = readWholeFile(folder.file("tune.musicxml")).value_or("");
    EXPECT_NE(xml.find("<part id=\"P2\">"), std::string::npos);  // treble and bass parts
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>{"MusicXMLファイルを書き出しました。"});
    EXPECT_FALSE(form->isVisible());
}

// Black pixels of the preview inside a box.
int inkIn(const QImage& image, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += image.pixel(x, y) == 0xFF000000;
    return n;
}

TEST_F(MusicWindowsTest, TranspositionDialogPreviewsTheKeyAndExecutes) {
    TIchouForm* ichou = windows.ichou;
    int sharpInkBefore = -1;
    int sharpInkAfter = -1;
    QTimer::singleShot(0, ichou, [&] {
        EXPECT_TRUE(ichou->isModal());
        EXPECT_EQ(ichou->windowTitle(), "　移調");
        EXPECT_EQ(ichou->chouseiCB()->count(), 15);
        EXPECT_EQ(ichou->chouseiCB()->itemText(14), "変ハ長調・変イ短調");
        EXPECT_EQ(ichou->ichouCB()->count(), 15);
        EXPECT_EQ(ichou->ichouCB()->currentText(), "　　０");
        EXPECT_EQ(ichou->edit2()->value(), 2);
        const QImage& preview = ichou->previewImage();
        EXPECT_EQ(preview.size(), QSize(225, 105));
        EXPECT_GT(inkIn(preview, 20, 20, 46, 98), 100);   // treble clef
        EXPECT_GT(inkIn(preview, 120, 32, 146, 72), 50);  // bass clef
        EXPECT_EQ(inkIn(preview, 0, 42, 225, 43), 225);   // a staff line across
        sharpInkBefore = inkIn(preview, 52, 31, 62, 39);  // first sharp's place, between lines
        ichou->chouseiCB()->setCurrentIndex(1);           // G major: F sharp
        sharpInkAfter = inkIn(ichou->previewImage(), 52, 31, 62, 39);
        ichou->ichouCB()->setCurrentIndex(5);  // two steps up
        ichou->edit2()->setValue(1);
        ichou->findChild<QPushButton*>("Button1")->click();
    });
    item("N91")->trigger();
    EXPECT_EQ(sharpInkBefore, 0);
    EXPECT_GT(sharpInkAfter, 10);
    const ScoreDocument& doc = ws.document();
    EXPECT_EQ(doc.record(0, 6)[2], 2);  // B4 up to D5
    EXPECT_EQ(doc.record(0, 7)[2], -5);
    EXPECT_EQ(doc.record(0, doc.symbolCount(0) - 1).kind(), kKeySharp);
    EXPECT_EQ(doc.record(1, 0)[2], 10);  // page 2 left alone
    EXPECT_TRUE(doc.dataChanged);
}

TEST_F(MusicWindowsTest, TranspositionCancelMovesNothing) {
    QTimer::singleShot(0, windows.ichou, [&] {
        windows.ichou->ichouCB()->setCurrentIndex(0);
        windows.ichou->findChild<QPushButton*>("Button2")->click();
    });
    item("N91")->trigger();
    EXPECT_EQ(ws.document().record(0, 6)[2], 4);
    EXPECT_EQ(ws.document().symbolCount(0), 9);
    EXPECT_TRUE(ws.document().dataChanged);
}

TEST_F(MusicWindowsTest, SearchWindowMarksAndKeepsMarkingAfterClosing) {
    QTest::mouseClick(main().paletteButton(kStaccatoMark), Qt::LeftButton);
    item("N81")->trigger();
    TKensakuForm* search = windows.kensaku;
    ASSERT_TRUE(search->isVisible());
    EXPECT_EQ(search->windowTitle(), " 検索");
    // Its usual place (1040, 714) is off this small screen: it opens wholly on it.
    EXPECT_TRUE(search->screen()->availableGeometry().contains(search->frameGeometry()));
    EXPECT_EQ(search->modeE()->text(), "スタッカート");
    EXPECT_EQ(search->startStopButton()->text(), "検索開始");
    EXPECT_EQ(search->retargetButton()->text(), "対象モード再設定");
    EXPECT_EQ(aquaOnPage(0, 0, 630, 940), 0);

    search->startStopButton()->click();
    EXPECT_EQ(search->startStopButton()->text(), "検索解除");
    // The staccato at (120, 168): its disc is on the page the main window shows.
    EXPECT_GT(aquaOnPage(100, 148, 140, 188), 600);
    EXPECT_EQ(aquaOnPage(0, 0, 630, 940), aquaOnPage(100, 148, 140, 188));

    // Arming another tool leaves the target until it is re-targeted.
    QTest::mouseClick(main().paletteButton(kQuarterNoteUp), Qt::LeftButton);
    EXPECT_EQ(search->modeE()->text(), "スタッカート");
    search->retargetButton()->click();
    EXPECT_EQ(search->modeE()->text(), "４分音符");
    EXPECT_EQ(aquaOnPage(100, 148, 140, 188), 0);
    EXPECT_GT(aquaOnPage(100, 204, 140, 244), 600);

    // Closed, the marks stay on this and other pages; reopened, it says the search is on.
    search->close();
    main().findChild<QPushButton*>("PageUpB")->click();
    EXPECT_EQ(ws.document().currentPage, 1);
    EXPECT_GT(aquaOnPage(100, 252, 140, 292), 600);  // the quarter at (120, 272)
    item("N81")->trigger();
    EXPECT_EQ(search->startStopButton()->text(), "検索解除");
    search->startStopButton()->click();
    EXPECT_EQ(aquaOnPage(0, 0, 630, 940), 0);
}

}  // namespace
}  // namespace noma
