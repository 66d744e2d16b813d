#pragma once

#include <QDialog>

#include "music/MidiExport.h"

class QRadioButton;
class QSpinBox;

namespace noma {

class Workspace;

// "MusicXMLへの書き出し": the MIDI dialog's page range and staves; "書き出し" asks for the file
// and writes it, closing the dialog once written.
class TMusicXmlForm : public QDialog {
    Q_OBJECT
  public:
    TMusicXmlForm(Workspace& workspace, QWidget* parent);

    // The menu item: shows the dialog with the page range at every page.
    void showExport();
    MidiSettings settings() const;
    void exportScore();

  signals:
    void changed();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Workspace& ws_;
    QSpinBox* edit1_;
    QSpinBox* edit2_;
    QRadioButton* toonRB_;
    QRadioButton* heonRB_;
    QRadioButton* toHeRB_;
};

}  // namespace noma
