#pragma once

#include <QDialog>

class QTabWidget;

namespace noma {

// The braille symbol list: four tab pages of keys, cells and names, computed from the text-to-
// cell conversion.
class TTenjiIchiranForm : public QDialog {
    Q_OBJECT
  public:
    explicit TTenjiIchiranForm(QWidget* parent);
    QTabWidget* tabs() const { return tabs_; }

  private:
    QTabWidget* tabs_;
};

}  // namespace noma
