#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTimer;

namespace noma {

class Workspace;
class BrailleTextField;
class SixKeyField;

// The braille writing window: entry mode and display mode selectors, the text field for romaji
// and direct entry and the six-key field. Its logic is the Workspace's BrailleWriting.
class TTenjiForm : public QDialog {
    Q_OBJECT
  public:
    TTenjiForm(Workspace& workspace, QWidget* parent);

    // Shows the window at the main window's bottom-right corner.
    void showAt(const QRect& mainFrame);
    // Shows the state: selectors, field text, height.
    void refresh();

    QComboBox* entryModeBox() const { return modeCB_; }
    QComboBox* displayModeBox() const { return displayCB_; }
    QLineEdit* textField() const;
    QLineEdit* sixKeyField() const;

  signals:
    // The page or the main window's state may have changed.
    void changed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as its close button does; a dialog would only hide it.
    void reject() override { close(); }

  private:
    void focusField();

    Workspace& ws_;
    QComboBox* modeCB_;
    QComboBox* displayCB_;
    BrailleTextField* text_;
    SixKeyField* sixKey_;
    QTimer* timer_;
};

}  // namespace noma
