#pragma once

#include <QDialog>
#include <array>

class QLineEdit;

namespace noma {

class Workspace;

// The options dialog: the keys of the six braille dots.
class TOptionForm : public QDialog {
    Q_OBJECT
  public:
    TOptionForm(Workspace& workspace, QWidget* parent);

    // Shows the dialog with the current keys.
    void showOptions();
    QLineEdit* keyBox(int dot) const { return boxes_[static_cast<size_t>(dot)]; }
    void accept() override;

  private:
    Workspace& ws_;
    std::array<QLineEdit*, 6> boxes_{};
};

}  // namespace noma
