#pragma once

#include <QDialog>

#include "platform/Canvas.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace noma {

class TranspositionForm;

// The transposition dialog: the new key with a preview of its signature, the shift in staff
// steps and the page range. Its boxes edit a TranspositionForm; "実行" closes it with OK.
class TIchouForm : public QDialog {
    Q_OBJECT
  public:
    explicit TIchouForm(QWidget* parent);

    // Shows the dialog modally for `form`; true when closed with "実行".
    bool runFor(TranspositionForm& form);

    QComboBox* chouseiCB() const { return chouseiCB_; }
    QComboBox* ichouCB() const { return ichouCB_; }
    QSpinBox* edit2() const { return edit2_; }
    const QImage& previewImage() const { return previewImage_; }
    TranspositionForm* form() const { return form_; }

  private:
    void refresh();
    void changed(const std::function<void()>& edit);
    void showPreview(const TranspositionForm& form);

    TranspositionForm* form_ = nullptr;
    QComboBox* chouseiCB_;
    QComboBox* ichouCB_;
    QSpinBox* edit1_;
    QSpinBox* edit2_;
    QLabel* preImage_;
    Canvas canvas_;
    QImage previewImage_;
    bool refreshing_ = false;
};

}  // namespace noma
