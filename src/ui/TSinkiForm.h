#pragma once

#include "app/LayoutForms.h"
#include "ui/LayoutDialog.h"

class QRadioButton;

namespace noma {

// The new-score dialog. Its boxes edit a NewScoreForm; the document is untouched until OK.
class TSinkiForm : public LayoutDialog {
    Q_OBJECT
  public:
    explicit TSinkiForm(QWidget* parent);

    // Shows the dialog modally for `form`; true when closed with OK.
    bool runFor(NewScoreForm& form);

    QRadioButton* yokoRB() const { return yokoRB_; }
    NewScoreForm* form() const { return form_; }

  protected:
    bool hasForm() const override { return form_ != nullptr; }
    void refresh() override;

  private:
    NewScoreForm* form_ = nullptr;
    QRadioButton* tateRB_;
    QRadioButton* yokoRB_;
    QComboBox* toHeCB_;
    QComboBox* chouseiCB_;
    QComboBox* gridIntervalCB_;
    QComboBox* topMarjinCB_;
    QComboBox* gyousuCB_;
    QComboBox* gyoukanCB_;
};

}  // namespace noma
