#include "ui/TAllPageForm.h"

#include "ui/WindowPlacement.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>

#include "app/Workspace.h"
#include "render/Thumbnails.h"
#include "ui/CanvasImage.h"

namespace noma {

TAllPageForm::TAllPageForm(Workspace& workspace, QWidget* parent)
    : QDialog(parent), ws_(workspace), scrollBox1_(new QScrollArea(this)), image1_(new QLabel) {
    setObjectName("TAllPageForm");
    setWindowTitle("　全ページのサムネイル表示");
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->move(16, 16);
    image1_->setObjectName("Image1");
    scrollBox1_->setWidget(image1_);
    image1_->installEventFilter(this);
}

void TAllPageForm::showThumbnails() {
    const render::ThumbnailLayout layout = ws_.drawThumbnails(canvas_);
    image_ = wrapCanvas(canvas_);
    image1_->setPixmap(QPixmap::fromImage(image_));
    image1_->resize(layout.imageWidth, layout.imageHeight);
    scrollBox1_->resize(layout.scrollWidth, layout.scrollHeight);
    setFixedSize(layout.windowWidth, layout.windowHeight);
    showPlaced(*this);
}

void TAllPageForm::clickAt(int x, int y) {
    if (ws_.thumbnailClick(x, y)) {
        hide();
        emit pageChosen();
    }
}

bool TAllPageForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        clickAt(p.x(), p.y());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace noma
