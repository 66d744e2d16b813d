#pragma once

#include <QDialog>

namespace noma {

class TVersionForm : public QDialog {
    Q_OBJECT
  public:
    explicit TVersionForm(QWidget* parent);
};

}  // namespace noma
