#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "printing/PrintForm.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace noma {

class QtPrinter;
class Workspace;

// The print dialog of both kinds of print ("３Ｄ印刷", "墨字印刷"). Its boxes edit the
// Workspace's PrintForm; the job goes to the printer chosen with "設定変更", a CUPS printer
// or a PDF file.
class TPrint3DForm : public QDialog {
    Q_OBJECT
  public:
    TPrint3DForm(Workspace& workspace, QWidget* parent);
    ~TPrint3DForm() override;

    // Shows the dialog modally for `form`, configured by the menu command; true when it printed.
    bool runFor(PrintForm& form);
    QtPrinter& printer() { return *printer_; }
    // Where a PDF print goes unless the user names another file.
    // What the last print did.
    const PrintJobResult& lastResult() const { return lastResult_; }

  signals:
    // A strength button was chosen.
    void strengthChanged(int strength);
    // "プレビュー": the relief preview of the tactile print, beside this dialog.
    void previewRequested();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void build();
    // Everything the form holds, into the boxes.
    void refresh();
    void printClicked();
    void forwardValue(QSpinBox* box, std::function<void(PrintForm&, int)> set);
    void setUpClicked();
    // For a PDF "printer": the file, asked for on every print with the proposal filled in, and
    // an existing file replaced only when the user says so; false when not to print.
    bool choosePdfFile();
    // The PDF file or the printer the job goes to, in OutputE.
    void showTarget();

    Workspace& ws_;
    PrintForm* form_ = nullptr;
    std::unique_ptr<QtPrinter> printer_;
    PrintJobResult lastResult_;
    bool printed_ = false;
    bool refreshing_ = false;
    bool printing_ = false;  // the job runs: the printer is not asked anything meanwhile

    QLineEdit* fileMeiE_;
    QSpinBox* busuUD_;
    QLineEdit* yousiSizeE_;
    QSpinBox* upDown1_;
    QSpinBox* upDown2_;
    QLabel* label11_;
    QLabel* label12_;
    std::array<QRadioButton*, 6> strength_{};  // "１" .. "６": V5RB .. V0RB
    QButtonGroup* strengthGroup_;
    QLabel* label3_;
    QSpinBox* bairituUD_;
    QLabel* label1_;
    QComboBox* sumiHyoujiCB_;
    QLabel* label4_;
    QComboBox* fontSizeCB_;
    QLineEdit* printerMeiE_;
    QLineEdit* yousiE_;
    QLineEdit* printMukiE_;
    QLineEdit* dpiE_;
    QPushButton* button1_;
    QPushButton* printB_;
    QPushButton* previewB_;
    QLineEdit* outputE_;
    std::string pdfTarget_;
};

}  // namespace noma
