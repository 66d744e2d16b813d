#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace noma {

class Workspace;

// The search window: marks every symbol of the target kind on the page. The target is the
// tool armed when the window is shown or re-targeted; the marking goes on after it closes.
class TKensakuForm : public QDialog {
    Q_OBJECT
  public:
    TKensakuForm(Workspace& workspace, QWidget* parent);

    // The menu item: shows the window where it was designed to stand.
    void showSearch();
    QLineEdit* modeE() const { return modeE_; }
    QPushButton* startStopButton() const { return button2_; }
    QPushButton* retargetButton() const { return button1_; }

  signals:
    void changed();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();

    Workspace& ws_;
    QLineEdit* modeE_;
    QPushButton* button1_;
    QPushButton* button2_;
};

}  // namespace noma
