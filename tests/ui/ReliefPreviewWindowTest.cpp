// The relief preview window: from the File menu and from the print dialog, its look, zoom,
// paging, checks, and the dialog's strength followed.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "EditorWindowsFixture.h"
#include "ui/QtPrinter.h"
#include "ui/TPrint3DForm.h"
#include "ui/TPrint3DPreviewForm.h"

namespace noma {
namespace {

int countOf(const Canvas& c, Rgb colour) {
    return static_cast<int>(
        std::count(c.data(), c.data() + static_cast<size_t>(c.width()) * c.height(), colour));
}

class ReliefPreviewWindowTest : public test::EditorWindowsTest {
  protected:
    ReliefPreviewWindowTest() {
        openScore("score.nmg", test::kTwoPrintedPages);
        // A PDF "printer" at 600 dpi: the test machine need not have a printer.
        windows.print3D->printer().qprinter().setOutputFormat(QPrinter::PdfFormat);
        windows.print3D->printer().setOutputFile(folder.file("out.pdf"));
    }
    TPrint3DPreviewForm& preview() { return *windows.print3DPreview; }
    template <typename T>
    T* in(const char* name) {
        return preview().findChild<T*>(name);
    }
    QString status() { return in<QLabel>("StatusL")->text(); }
    // What the view shows after it is painted.
    QImage painted() {
        (void)in<QScrollArea>("ScrollBox1")->viewport()->grab();
        return preview().shownImage();
    }
};

TEST_F(ReliefPreviewWindowTest, MenuShowsThePageAsReliefOrFlatAtEveryZoomAndPage) {
    ws.settings().printStrength = 2;
    item("PreviewM")->trigger();
    ASSERT_TRUE(preview().isVisible());
    EXPECT_EQ(preview().windowTitle(), "３D印刷のプレビュー");
    EXPECT_EQ(status(), "ページ １／２　印刷強度 ２");
    EXPECT_TRUE(in<QRadioButton>("ReliefRB")->isChecked());
    EXPECT_FALSE(in<QPushButton>("PageDownB")->isEnabled());

    // Fit: the whole landscape sheet inside the view.
    const QSize view = in<QScrollArea>("ScrollBox1")->viewport()->size();
    const QSize fit = preview().shownSize();
    EXPECT_TRUE(fit.width() == view.width() || fit.height() == view.height());
    EXPECT_LE(fit.width(), view.width());
    EXPECT_GT(fit.width(), fit.height());

    const QImage relief = painted();
    ASSERT_FALSE(relief.isNull());
    in<QRadioButton>("FlatRB")->click();
    const QImage flat = painted();
    EXPECT_EQ(flat.size(), relief.size());
    EXPECT_NE(flat, relief);
    // Flat greys are the print's: paper white where nothing is printed.
    EXPECT_EQ(flat.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NE(relief.pixel(0, 0), qRgb(255, 255, 255));

    auto* zoom = in<QComboBox>("ZoomCB");
    ASSERT_EQ(zoom->count(), 3);
    EXPECT_EQ(zoom->itemText(0), "全体");
    // 100 %: one pixel per pixel of the printer's landscape sheet.
    const QSize sheet(windows.print3D->printer().pageWidth(),
                      windows.print3D->printer().pageHeight());
    EXPECT_GT(sheet.width(), 7000);
    zoom->setCurrentIndex(1);
    EXPECT_EQ(preview().shownSize(), sheet);
    zoom->setCurrentIndex(2);
    EXPECT_EQ(preview().shownSize(), sheet * 2);
    EXPECT_LE(painted().width(), view.width());  // only what is visible is shaded

    in<QPushButton>("PageUpB")->click();
    EXPECT_EQ(in<QSpinBox>("PageUD")->value(), 2);
    EXPECT_FALSE(in<QPushButton>("PageUpB")->isEnabled());
    EXPECT_EQ(status(), "ページ ２／２　印刷強度 ２");
    in<QSpinBox>("PageUD")->setValue(1);

    // The checks: the staff lines are no figures, so even an 8 mm limit pairs none of them.
    in<QCheckBox>("KensaCB")->click();
    EXPECT_EQ(status(), "ページ １／２　印刷強度 ２　近すぎる記号：0　点字の接触：0");
    in<QDoubleSpinBox>("KankakuUD")->setValue(8.0);
    EXPECT_EQ(ws.reliefPreview().minimumGap(), 8.0);
    EXPECT_EQ(status(), "ページ １／２　印刷強度 ２　近すぎる記号：0　点字の接触：0");
}

TEST_F(ReliefPreviewWindowTest, ComingBackAfterAnEditShowsTheScoreAsItIsNow) {
    item("PreviewM")->trigger();
    const int before = countOf(ws.reliefPreview().printPicture(), rgb(120, 120, 120));
    main().activateWindow();
    QApplication::processEvents();
    SymbolRecord line;
    line[0] = 46;
    line[1] = 10;
    line[2] = 20;
    line[4] = 100;
    ws.document().append(0, line);
    ws.redraw();
    preview().activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(preview().isActiveWindow());
    EXPECT_GT(countOf(ws.reliefPreview().printPicture(), rgb(120, 120, 120)), before);
    // Once the score is closed there is nothing to show.
    main().activateWindow();
    QApplication::processEvents();
    ws.fileClose();
    preview().activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(preview().isVisible());
}

TEST_F(ReliefPreviewWindowTest, PrintDialogOpensItAndItFollowsTheDialogsStrength) {
    ws.settings().printStrength = 2;
    bool ran = false;
    QTimer::singleShot(0, windows.print3D, [&] {
        ran = true;
        windows.print3D->findChild<QPushButton*>("PreviewB")->click();
        EXPECT_TRUE(preview().isVisible());
        EXPECT_EQ(countOf(ws.reliefPreview().printPicture(), rgb(180, 180, 180)), 0);
        windows.print3D->findChild<QRadioButton*>("V1RB")->click();  // strength 5
        EXPECT_EQ(status(), "ページ １／２　印刷強度 ５");
        EXPECT_GT(countOf(ws.reliefPreview().printPicture(), rgb(180, 180, 180)), 0);
        windows.print3D->reject();
    });
    item("TotuPrintM")->trigger();
    EXPECT_TRUE(ran);
    // Ink print has no preview of its own.
    QTimer::singleShot(0, windows.print3D, [&] {
        EXPECT_FALSE(windows.print3D->findChild<QPushButton*>("PreviewB")->isEnabled());
        windows.print3D->reject();
    });
    item("SumiPrintM")->trigger();
}

}  // namespace
}  // namespace noma
