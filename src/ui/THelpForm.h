#pragma once

#include <QDialog>

class QTextBrowser;

namespace noma {

// The user manual, read-only.
class THelpForm : public QDialog {
    Q_OBJECT
  public:
    explicit THelpForm(QWidget* parent);
    QTextBrowser* text() const { return text_; }

  private:
    QTextBrowser* text_;
};

}  // namespace noma
