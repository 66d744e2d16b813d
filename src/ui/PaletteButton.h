#pragma once

#include <QLabel>

namespace noma {

// One palette button: its normal picture, and a twin drawn 2 pixels up and to the left that is
// shown instead while the mode is selected, so the button looks pressed.
class PaletteButton : public QLabel {
    Q_OBJECT
  public:
    PaletteButton(int mode, QWidget* parent);

    void place(int x, int y);
    void setPressed(bool pressed);
    bool isPressed() const { return pressed_; }
    int mode() const { return mode_; }
    QLabel* pressedTwin() const { return twin_; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int mode_;
    bool pressed_ = false;
    QLabel* twin_;
};

}  // namespace noma
