#include "ui/TKigouForm.h"

#include "ui/AccessibleNames.h"
#include "ui/MouseButtons.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Workspace.h"
#include "document/SymbolKind.h"
#include "document/UserSymbolFile.h"
#include "palettes/UserSymbolList.h"
#include "ui/PaletteCellPicture.h"

namespace noma {

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* text, int x, int y) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    b->setGeometry(x, y, 90, 26);
    return b;
}

}  // namespace

TKigouForm::TKigouForm(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), ws_(workspace) {
    setObjectName("TKigouForm");
    setWindowTitle("　オリジナル記号の作成");
    resize(950, 553);
    // The drawing grid keeps its pixels; on a small or scaled screen the window shrinks and
    // its content scrolls.
    auto* content = new QWidget;
    content->setFixedSize(950, 553);
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);

    QPushButton* clearB = button(content, "ClearB", "クリア(&C)", 10, 8);
    upDown1_ = new QSpinBox(content);
    upDown1_->setObjectName("UpDown1");
    upDown1_->setRange(1, kUserSymbolCount);
    upDown1_->setValue(1);
    upDown1_->setGeometry(120, 8, 56, 26);
    auto* label = new QLabel("番目の記号として", content);
    label->setGeometry(182, 8, 110, 26);
    nameByLabel(label, upDown1_);
    QPushButton* hozonB = button(content, "HozonB", "保存する(&S)", 294, 8);
    QPushButton* openB = button(content, "OpenB", "開く(&O)", 519, 8);
    QPushButton* closeB = button(content, "CloseB", "終了(&E)", 850, 8);

    // Both pictures work by keyboard too: the arrows move a frame, Space paints (or opens a
    // listed symbol), Delete clears a cell.
    image1_ = new PaletteCellPicture(content);
    image1_->setObjectName("Image1");
    image1_->move(10, 42);
    image1_->setAccessibleName("記号を描く升目");
    image1_->setErasable(true);
    auto* box = new QScrollArea(content);
    box->setObjectName("ScrollBox1");
    box->setGeometry(519, 41, 421, 502);
    box->setWidgetResizable(false);
    image2_ = new PaletteCellPicture;
    image2_->setObjectName("Image2");
    image2_->setAccessibleName("保存した記号の一覧");
    box->setWidget(image2_);

    SymbolEditor& editor = ws_.palettes().symbolEditor();
    connect(clearB, &QPushButton::clicked, this, [this, &editor] {
        editor.clearGrid();
        showGrid();
    });
    connect(hozonB, &QPushButton::clicked, this, [this, &editor] {
        editor.save(upDown1_->value());
        showList();
        // A symbol already placed on the page shows its new drawing.
        ws_.redraw();
    });
    connect(openB, &QPushButton::clicked, this, [this, &editor] {
        editor.open();
        showGrid();
    });
    connect(closeB, &QPushButton::clicked, this, &QWidget::close);
    connect(image1_, &PaletteImage::pressed, this,
            [this, &editor](Qt::MouseButton b, int x, int y) {
                if (const auto pressed = buttonOf(b)) editor.gridMouseDown(*pressed, x, y);
                showGrid();
            });
    connect(image1_, &PaletteImage::moved, this, [this, &editor](int x, int y) {
        if (editor.paintMode() == SymbolEditor::kNotPainting) return;
        editor.gridMouseMove(x, y);
        showGrid();
    });
    connect(image1_, &PaletteImage::released, this,
            [&editor](Qt::MouseButton, int, int) { editor.gridMouseUp(); });
    connect(image2_, &PaletteImage::pressed, this, [this, &editor](Qt::MouseButton, int x, int y) {
        editor.listMouseDown(x, y);
        showList();
    });
    showGrid();
}

void TKigouForm::showEditor() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    ws_.palettes().symbolEditor().activate();
    showGrid();
    showList();
    showPlaced(*this);
    // Drawing is what the window is for: the keys go to the grid.
    image1_->setFocus();
}

void TKigouForm::closeEvent(QCloseEvent* event) {
    if (ws_.palettes().symbolEditor().confirmDiscard()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TKigouForm::showGrid() {
    const SymbolEditor& editor = ws_.palettes().symbolEditor();
    image1_->showCanvas(editor.grid());
    image1_->setCells(drawingCells(editor), 0);
}
void TKigouForm::showList() {
    const SymbolEditor& editor = ws_.palettes().symbolEditor();
    image2_->showCanvas(editor.list());
    image2_->setCells(userSymbolCells(ws_.palettes().userSymbols()),
                      kUserSymbolFirst + editor.selectedSlot());
}

}  // namespace noma
