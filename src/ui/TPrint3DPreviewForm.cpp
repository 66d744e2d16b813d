#include "ui/TPrint3DPreviewForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Workspace.h"
#include "ui/AccessibleNames.h"
#include "ui/CanvasImage.h"
#include "ui/QtPrinter.h"
#include "ui/TPrint3DForm.h"
#include "ui/WindowPlacement.h"

namespace noma {

namespace {

QLabel* caption(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

TPrint3DPreviewForm::TPrint3DPreviewForm(Workspace& workspace, TPrint3DForm& printDialog,
                                         QWidget* parent)
    : QDialog(parent), ws_(workspace), printDialog_(printDialog), form_(workspace.reliefPreview()) {
    setObjectName("TPrint3DPreviewForm");
    setWindowTitle("３D印刷のプレビュー");
    build();
    resize(720, 760);
}

void TPrint3DPreviewForm::build() {
    auto* top = new QHBoxLayout;
    top->addWidget(caption("表示 ：", this));
    reliefRB_ = new QRadioButton("立体", this);
    reliefRB_->setObjectName("ReliefRB");
    reliefRB_->setToolTip("濃さを高さとして、左上から光を当てた立体で表示します");
    flatRB_ = new QRadioButton("濃淡", this);
    flatRB_->setObjectName("FlatRB");
    flatRB_->setToolTip("プリンタに送る灰色の濃淡で表示します");
    top->addWidget(reliefRB_);
    top->addWidget(flatRB_);
    top->addSpacing(16);
    QLabel* zoomL = caption("倍率 ：", this);
    top->addWidget(zoomL);
    zoomCB_ = new QComboBox(this);
    zoomCB_->setObjectName("ZoomCB");
    zoomCB_->addItems({"全体", "100%", "200%"});
    zoomCB_->setToolTip("100% は印刷の１ドットを画面の１ドットで表示します");
    top->addWidget(zoomCB_);
    nameByLabel(zoomL, zoomCB_);
    top->addSpacing(16);
    QLabel* pageL = caption("ページ ：", this);
    top->addWidget(pageL);
    pageDownB_ = new QPushButton("◀", this);
    pageDownB_->setObjectName("PageDownB");
    pageDownB_->setToolTip("前のページへ");
    pageDownB_->setFixedWidth(30);
    pageDownB_->setAccessibleName("前のページ");
    pageUD_ = new QSpinBox(this);
    pageUD_->setObjectName("PageUD");
    nameByLabel(pageL, pageUD_);
    pageUpB_ = new QPushButton("▶", this);
    pageUpB_->setObjectName("PageUpB");
    pageUpB_->setToolTip("次のページへ");
    pageUpB_->setFixedWidth(30);
    pageUpB_->setAccessibleName("次のページ");
    top->addWidget(pageDownB_);
    top->addWidget(pageUD_);
    top->addWidget(pageUpB_);
    top->addStretch();

    auto* checks = new QHBoxLayout;
    kensaCB_ = new QCheckBox("問題箇所を表示", this);
    kensaCB_->setObjectName("KensaCB");
    kensaCB_->setToolTip("近すぎて指で区別しにくい記号と、記号に触れている点字を示します");
    checks->addWidget(kensaCB_);
    checks->addSpacing(16);
    QLabel* spacingL = caption("記号の間隔の下限 ：", this);
    checks->addWidget(spacingL);
    kankakuUD_ = new QDoubleSpinBox(this);
    kankakuUD_->setObjectName("KankakuUD");
    kankakuUD_->setRange(0.5, 10.0);
    kankakuUD_->setSingleStep(0.5);
    kankakuUD_->setDecimals(1);
    kankakuUD_->setSuffix(" mm");
    nameByLabel(spacingL, kankakuUD_);
    checks->addWidget(kankakuUD_);
    checks->addSpacing(16);
    checks->addWidget(caption("赤：近すぎる記号　青：記号に触れる点字", this));
    checks->addStretch();

    scrollBox1_ = new QScrollArea(this);
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setAlignment(Qt::AlignCenter);
    image1_ = new QWidget;
    image1_->setObjectName("Image1");
    image1_->setAttribute(Qt::WA_OpaquePaintEvent);
    image1_->setAccessibleName("印刷のプレビュー");
    image1_->setAccessibleDescription("印刷したときの凹凸の画像");
    scrollBox1_->setWidget(image1_);
    image1_->installEventFilter(this);
    scrollBox1_->viewport()->installEventFilter(this);

    statusL_ = new QLabel(this);
    statusL_->setObjectName("StatusL");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(checks);
    layout->addWidget(scrollBox1_, 1);
    layout->addWidget(statusL_);

    connect(reliefRB_, &QRadioButton::toggled, this, [this](bool on) {
        if (refreshing_) return;
        form_.setLook(on ? ReliefLook::Relief : ReliefLook::Flat);
        refresh();
    });
    connect(zoomCB_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) {
        if (refreshing_) return;
        static constexpr ReliefPreviewForm::Zoom kZooms[3] = {ReliefPreviewForm::Zoom::Fit,
                                                              ReliefPreviewForm::Zoom::Actual,
                                                              ReliefPreviewForm::Zoom::Double};
        form_.setZoom(kZooms[std::clamp(i, 0, 2)]);
        refresh();
    });
    connect(pageDownB_, &QPushButton::clicked, this, [this] {
        form_.previousPage();
        refresh();
    });
    connect(pageUpB_, &QPushButton::clicked, this, [this] {
        form_.nextPage();
        refresh();
    });
    connect(pageUD_, qOverload<int>(&QSpinBox::valueChanged), this, [this](int page) {
        if (refreshing_) return;
        form_.setPage(page);
        refresh();
    });
    connect(kensaCB_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_) return;
        form_.setShowIssues(on);
        refresh();
    });
    connect(kankakuUD_, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this](double mm) {
        if (refreshing_) return;
        form_.setMinimumGap(mm);
        refresh();
    });
}

void TPrint3DPreviewForm::showPreview(QWidget* owner) {
    if (!ws_.openReliefPreview(printDialog_.printer())) return;
    drawnAt_ = ws_.renderCount();
    // A window of a modal dialog's own takes input while the dialog is open.
    QWidget* parent = owner != nullptr ? owner : parentWidget();
    if (parent != parentWidget()) {
        const bool wasVisible = isVisible();
        setParent(parent, windowFlags());
        if (wasVisible) show();
    }
    refresh();
    showPlaced(*this);
}

void TPrint3DPreviewForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // A closed score has nothing to preview.
    if (!ws_.documentOpen()) {
        hide();
        return;
    }
    if (ws_.renderCount() == drawnAt_) return;
    drawnAt_ = ws_.renderCount();
    if (!ws_.openReliefPreview(printDialog_.printer(), form_.page())) {
        hide();
        return;
    }
    refresh();
}

void TPrint3DPreviewForm::strengthChanged(int strength) {
    form_.setStrength(strength);
    if (isVisible()) refresh();
}

QSize TPrint3DPreviewForm::shownSize() const {
    const QSize view = scrollBox1_->viewport()->size();
    const Point size = form_.shownSize(view.width(), view.height());
    return {size.x, size.y};
}

void TPrint3DPreviewForm::refresh() {
    refreshing_ = true;
    reliefRB_->setChecked(form_.look() == ReliefLook::Relief);
    flatRB_->setChecked(form_.look() == ReliefLook::Flat);
    zoomCB_->setCurrentIndex(static_cast<int>(form_.zoom()));
    pageUD_->setRange(1, form_.pageCount());
    pageUD_->setValue(form_.page());
    pageDownB_->setEnabled(form_.page() > 1);
    pageUpB_->setEnabled(form_.page() < form_.pageCount());
    kensaCB_->setChecked(form_.showIssues());
    kankakuUD_->setValue(form_.minimumGap());
    refreshing_ = false;
    image1_->resize(shownSize());
    image1_->update();
    statusL_->setText(QString::fromStdString(form_.statusText()));
}

void TPrint3DPreviewForm::paintView(const QRect& area) {
    const QRect part = area.intersected(image1_->rect());
    if (part.isEmpty() || !form_.isOpen()) return;
    const QSize size = image1_->size();
    const Canvas pixels =
        form_.shownPart({part.left(), part.top(), part.right() + 1, part.bottom() + 1},
                        {size.width(), size.height()});
    shown_ = wrapCanvas(pixels).copy();
    QPainter painter(image1_);
    painter.drawImage(part.topLeft(), shown_);
}

bool TPrint3DPreviewForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::Paint) {
        paintView(static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    // The whole page follows the window's size.
    if (watched == scrollBox1_->viewport() && event->type() == QEvent::Resize &&
        form_.zoom() == ReliefPreviewForm::Zoom::Fit && form_.isOpen()) {
        image1_->resize(shownSize());
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace noma
