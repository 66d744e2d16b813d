#pragma once

#include <QImage>
#include <QWidget>

class QKeyEvent;

namespace noma {

class Workspace;

// Shows the Workspace's view image 1:1 or zoomed (the canvas pixels wrapped, not copied) and
// forwards pointer events in page pixels.
class PageView : public QWidget {
    Q_OBJECT
  public:
    explicit PageView(Workspace& workspace, QWidget* parent = nullptr);

    // Re-wraps the view image (its size may have changed) and repaints.
    void refreshImage();
    // The main window's key handler; true when the key was used. The cursor's keys count only
    // while the page view has the focus.
    bool handleKey(QKeyEvent* event);
    // What the keyboard cursor stands on, and the reading of its stave, for a screen reader.
    QString cursorText() const;
    QString staveText() const;
    // "道具：４分音符", or that there is none.
    QString toolText() const;
    // The cursor's cell in widget pixels.
    QRect cursorRect() const;
    const QImage& image() const { return image_; }
    // Shows the page enlarged by `percent`; pointer positions are still given in page pixels.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

  signals:
    // After every forwarded event, so the main window refreshes its controls.
    void handled();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QPoint pagePoint(const QPointF& widgetPoint) const;
    bool handleCursorKey(const QKeyEvent& event);

    Workspace& ws_;
    QImage image_;
    int zoom_ = 100;
};

}  // namespace noma
