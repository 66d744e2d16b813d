#pragma once

#include "ui/PaletteWindow.h"

class QRadioButton;

namespace noma {

// The recorder palette: 30 fingering charts, hanging or standing as the radio buttons choose.
class TRikodaForm : public PaletteWindow {
    Q_OBJECT
  public:
    TRikodaForm(Workspace& workspace, TForm1& main);

    QRadioButton* radioButton1() const { return radio1_; }
    QRadioButton* radioButton2() const { return radio2_; }

  protected:
    void drawPicture(Canvas& canvas) override;
    std::vector<PaletteCell> cells() const override;
    void choose(int x, int y) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRadioButton* radio1_ = nullptr;
    QRadioButton* radio2_ = nullptr;
};

}  // namespace noma
