#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "EditorWindowsFixture.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "ui/PageView.h"
#include "ui/PaletteButton.h"
#include "ui/PaletteImage.h"
#include "ui/QtMidiPlayback.h"
#include "ui/TPageTuikaForm.h"
#include "ui/TSinkiForm.h"

namespace noma {
namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// The inner parts of a spin box, combo box, table or tab bar are read through the control.
bool partOfAControl(const QWidget* w) {
    if (w == nullptr) return false;
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p) ||
            qobject_cast<QAbstractItemView*>(p) || qobject_cast<QTabBar*>(p) ||
            qobject_cast<QMenuBar*>(p))
            return true;
    return false;
}

bool interactive(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QSlider*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const PageView*>(w) ||
           qobject_cast<const PaletteButton*>(w) || qobject_cast<const PaletteImage*>(w);
}

QString path(const QWidget* w) {
    QString p = QString::fromLatin1(w->metaObject()->className()) + " " + w->objectName();
    for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (up->isWindow()) return up->objectName() + " / " + p;
    return p;
}

using AccessibilityTest = test::EditorWindowsTest;

// A screen reader can only say what has a name: every window, every control a user can reach
// and every menu command of the editor, with a score open so the page view is there; and each
// control has a role that says what it is.
TEST_F(AccessibilityTest, EveryWindowControlAndMenuCommandHasAName) {
    QTimer::singleShot(0, windows.sinki,
                       [this] { windows.sinki->findChild<QPushButton*>("Button1")->click(); });
    main().menuItem("SinkiM")->trigger();
    ASSERT_TRUE(ws.documentOpen());

    QStringList unnamed;
    int controls = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu*>(window) || partOfAControl(window)) continue;
        // The add-page dialog takes the title of the command that opens it.
        const bool titledWhenOpened = window == static_cast<QWidget*>(windows.pageTuika);
        if (accessibleName(window).isEmpty() && !titledWhenOpened)
            unnamed << "window " + path(window);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!interactive(w) || partOfAControl(w)) continue;
            ++controls;
            if (accessibleName(w).isEmpty()) unnamed << path(w);
            // A bare widget's role says nothing of what it does.
            const QAccessible::Role role = QAccessible::queryAccessibleInterface(w)->role();
            if (role == QAccessible::Client || role == QAccessible::NoRole)
                unnamed << "role of " + path(w);
        }
        for (QAction* a : window->findChildren<QAction*>())
            if (!a->isSeparator() && a->text().isEmpty() &&
                !partOfAControl(qobject_cast<QWidget*>(a->parent())))
                unnamed << "action " + a->objectName();
    }
    EXPECT_GT(controls, 100);  // the main palette alone has 54 buttons
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
}

// The palette without the mouse: Tab reaches it as one control, the arrows move over its gaps
// to the next button (past the page's nudge keys), Enter and Space arm; a screen reader's
// press action arms as well.
TEST_F(AccessibilityTest, ThePaletteArmsToolsFromTheKeyboardAndThroughItsPressAction) {
    QTimer::singleShot(0, windows.sinki,
                       [this] { windows.sinki->findChild<QPushButton*>("Button1")->click(); });
    main().menuItem("SinkiM")->trigger();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    auto* grid = main().findChild<QWidget*>("Palette");
    grid->setFocus();
    auto* modeBox = main().findChild<QLineEdit*>("ModeE");

    for (int row = 1; row < 6; ++row) QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(ws.document().toolMode, kQuarterNoteUp);
    EXPECT_EQ(modeBox->text(), "４分音符");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(ws.document().toolMode, kQuarterNoteDown);
    // At the edge the frame stays: four steps left from column 2 end in column 1.
    grid->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(ws.document().toolMode, kQuarterNoteUp);

    PaletteButton* eighth = main().paletteButton(kEighthNoteUp);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(eighth);
    ASSERT_NE(face->actionInterface(), nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ws.document().toolMode, kEighthNoteUp);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(eighth->pressedTwin())->state().checked);
}

// The place, the press and the check by ear without a mouse, and what a screen reader is told.
TEST_F(AccessibilityTest, TheScoreIsWrittenReadAndHeardFromTheKeyboard) {
    QTimer::singleShot(0, windows.sinki,
                       [this] { windows.sinki->findChild<QPushButton*>("Button1")->click(); });
    main().menuItem("SinkiM")->trigger();
    main().activateWindow();
    QApplication::setActiveWindow(&main());
    auto* grid = main().findChild<QWidget*>("Palette");
    grid->setFocus();
    for (int row = 1; row < 6; ++row) QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    // Arming a tool hands the keys to the score.
    PageView* page = main().pageView();
    ASSERT_TRUE(page->hasFocus()) << (QApplication::focusWidget()
                                          ? QApplication::focusWidget()->objectName().toStdString()
                                          : "none");

    for (int i = 0; i < 6; ++i) QTest::keyClick(page, Qt::Key_Down, Qt::ControlModifier);
    for (int i = 0; i < 22; ++i) QTest::keyClick(page, Qt::Key_Right, Qt::ControlModifier);
    const int before = ws.document().symbolCount(0);
    QTest::keyClick(page, Qt::Key_Return);
    ASSERT_EQ(ws.document().symbolCount(0), before + 1);
    // Plain arrows still nudge what was just placed.
    QTest::keyClick(page, Qt::Key_Right);
    EXPECT_EQ(cellOf(ws.document().record(0, before)).column, 31);

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(page);
    ASSERT_EQ(face->childCount(), 1);
    const QAccessible::Id cell = QAccessible::uniqueId(face->child(0));
    QTest::keyClick(page, Qt::Key_Right, Qt::ControlModifier);
    // Each move is a new object: a screen reader speaks a focus only when it lands on another.
    EXPECT_NE(QAccessible::uniqueId(face->child(0)), cell);
    EXPECT_EQ(face->child(0)->text(QAccessible::Name), "４分音符、ト音記号の段 1、ソ4、第1小節");
    EXPECT_EQ(face->focusChild(), face->child(0));
    // The tool is said with the first cell after it was armed, not with every move.
    EXPECT_EQ(face->child(0)->text(QAccessible::Description), "");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    // The cursor is told once the view's own focus has been.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !face->child(0)->text(QAccessible::Description).isEmpty(); }, 1000));
    EXPECT_EQ(face->child(0)->text(QAccessible::Description), "道具：２分音符");
    QAccessibleTextInterface* text = face->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()),
              "ト音記号の段 1、調号なし\n第1小節：ソ4 ４分音符\n");

    std::string played;
    main().stavePlayback()->setPlayer([&played](const std::string& path, auto&&) {
        played = path;
        return Status{};
    });
    QTest::keyClick(page, Qt::Key_F5);
    EXPECT_FALSE(played.empty());
}

}  // namespace
}  // namespace noma
