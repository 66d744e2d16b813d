#pragma once

#include <QDialog>

#include "platform/Canvas.h"

class QLabel;
class QScrollArea;

namespace noma {

class Workspace;

// Reduced pictures of every page in rows of five; a click opens that page.
class TAllPageForm : public QDialog {
    Q_OBJECT
  public:
    TAllPageForm(Workspace& workspace, QWidget* parent);

    // Draws the pictures afresh and shows the window.
    void showThumbnails();
    // A click on the picture at image pixel (x, y).
    void clickAt(int x, int y);
    const QImage& image() const { return image_; }

  signals:
    void pageChosen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Workspace& ws_;
    QScrollArea* scrollBox1_;
    QLabel* image1_;
    Canvas canvas_;
    QImage image_;
};

}  // namespace noma
