#pragma once

#include <QImage>
#include <QWidget>

#include "platform/Canvas.h"

namespace noma {

// A palette's picture: shows a copy of a canvas 1:1 and reports presses, moves and releases
// in picture pixels.
class PaletteImage : public QWidget {
    Q_OBJECT
  public:
    explicit PaletteImage(QWidget* parent = nullptr);

    void showCanvas(const Canvas& canvas);
    const QImage& image() const { return image_; }

  signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void moved(int x, int y);
    void released(Qt::MouseButton button, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};

}  // namespace noma
