#pragma once

#include <QWidget>

class QPushButton;
class QSpinBox;

namespace noma {

class PaletteCellPicture;
class Workspace;

// The user-drawn symbol editor: the drawing grid, saving under a number, and the list of
// saved symbols to open one again.
class TKigouForm : public QWidget {
    Q_OBJECT
  public:
    TKigouForm(Workspace& workspace, QWidget* parent);

    // The menu command: a cleared grid and the list as the files are now (a window already
    // open keeps its drawing and is only raised).
    void showEditor();
    PaletteCellPicture* grid() const { return image1_; }
    PaletteCellPicture* list() const { return image2_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showGrid();
    void showList();

    Workspace& ws_;
    PaletteCellPicture* image1_ = nullptr;
    PaletteCellPicture* image2_ = nullptr;
    QSpinBox* upDown1_ = nullptr;
};

}  // namespace noma
