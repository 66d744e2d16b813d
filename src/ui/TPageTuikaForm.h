#pragma once

#include "app/LayoutForms.h"
#include "ui/LayoutDialog.h"

class QLineEdit;

namespace noma {

// The add-page dialog, for adding and inserting a page.
class TPageTuikaForm : public LayoutDialog {
    Q_OBJECT
  public:
    explicit TPageTuikaForm(QWidget* parent);

    bool runFor(PageForm& form);

    QLineEdit* pageNumberBox() const { return edit1_; }
    PageForm* form() const { return form_; }

  protected:
    bool hasForm() const override { return form_ != nullptr; }
    void refresh() override;

  private:
    PageForm* form_ = nullptr;
    QLineEdit* edit1_;
    QComboBox* toHeCB_;
    QComboBox* chouseiCB_;
    QComboBox* topMarjinCB_;
    QComboBox* gyousuCB_;
    QComboBox* gyoukanCB_;
};

}  // namespace noma
