#pragma once

#include <QDialog>

#include "music/MidiExport.h"

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace noma {

class QtMidiPlayback;
class Workspace;

// The MIDI dialog: tempo, timbre, page range and staves; "プレイ" writes and plays the music
// and waits for its end, "停止" or Esc ending it early; "保存" writes it where the user chooses.
class TBeepForm : public QDialog {
    Q_OBJECT
  public:
    TBeepForm(Workspace& workspace, QWidget* parent);

    // The menu item: shows the dialog (the page range then returns to every page).
    void showMidi();
    MidiSettings settings() const;
    QtMidiPlayback& playback() { return *playback_; }

    void play();
    void save();
    // Esc: stops the music while it plays, otherwise closes the dialog.
    void reject() override;

  signals:
    void changed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void showPlaying(bool playing);

    Workspace& ws_;
    QSpinBox* temmpoE_;
    QComboBox* colorCB_;
    QSpinBox* edit1_;
    QSpinBox* edit2_;
    QRadioButton* toonRB_;
    QRadioButton* heonRB_;
    QRadioButton* toHeRB_;
    QPushButton* button1_;
    QPushButton* stopB_;
    QPushButton* button2_;
    QtMidiPlayback* playback_;
    bool closeAfterPlaying_ = false;
};

}  // namespace noma
