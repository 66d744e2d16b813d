#pragma once

#include <QDialog>
#include <QImage>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace noma {

class ReliefPreviewForm;
class TPrint3DForm;
class Workspace;

// "３D印刷のプレビュー": the page as the embosser will raise it, as relief or flat greys, at a
// zoom, page by page, with the spacing and braille checks on request. Its state is the
// Workspace's ReliefPreviewForm; the printer is the print dialog's.
class TPrint3DPreviewForm : public QDialog {
    Q_OBJECT
  public:
    TPrint3DPreviewForm(Workspace& workspace, TPrint3DForm& printDialog, QWidget* parent);

    // From the File menu or the print dialog's "プレビュー": the current page drawn afresh and
    // the window shown beside `owner`, which stays usable.
    void showPreview(QWidget* owner);
    // The print dialog's strength changed.
    void strengthChanged(int strength);

    // What the view shows now, for tests.
    const QImage& shownImage() const { return shown_; }
    QSize shownSize() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Coming back to the window after the score changed shows the score as it is now.
    void changeEvent(QEvent* event) override;

  private:
    void build();
    // The controls from the form, the view's size, and a repaint.
    void refresh();
    void paintView(const QRect& area);

    Workspace& ws_;
    TPrint3DForm& printDialog_;
    ReliefPreviewForm& form_;
    bool refreshing_ = false;
    int drawnAt_ = -1;  // the Workspace's render count when the page was drawn
    QImage shown_;      // the last painted part of the page

    QRadioButton* reliefRB_;
    QRadioButton* flatRB_;
    QComboBox* zoomCB_;
    QPushButton* pageDownB_;
    QSpinBox* pageUD_;
    QPushButton* pageUpB_;
    QCheckBox* kensaCB_;
    QDoubleSpinBox* kankakuUD_;
    QScrollArea* scrollBox1_;
    QWidget* image1_;
    QLabel* statusL_;
};

}  // namespace noma
