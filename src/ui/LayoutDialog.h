#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

#include "platform/Canvas.h"

class QComboBox;
class QLabel;

namespace noma {

// What the new-score and add-page dialogs share: boxes that edit a form, the OK button, the
// stave-count box that follows the capacity and the half-scale preview at (146, 12).
class LayoutDialog : public QDialog {
  public:
    QComboBox* box(const char* name) const;
    const QImage& previewImage() const { return previewImage_; }

  protected:
    LayoutDialog(QWidget* parent, const char* objectName);

    // The OK button at (10, y).
    void addOkButton(int y);
    // A pick in `box` edits the form through `set`, then everything is shown again.
    void onPick(QComboBox* box, std::function<void(int)> set);
    void edit(const std::function<void()>& change);
    void showStaveItems(QComboBox* box, int capacity, int item);
    void showPreview(int width, int height, const std::function<void(Canvas&)>& draw);

    virtual bool hasForm() const = 0;
    virtual void refresh() = 0;

    bool refreshing_ = false;

  private:
    QLabel* preview_;
    Canvas canvas_;
    QImage previewImage_;
};

}  // namespace noma
