#pragma once

#include <QObject>
#include <atomic>
#include <functional>

#include "app/MidiPlayback.h"
#include "platform/MidiPlayer.h"

class QWidget;

namespace noma {

// Plays through the synthesizer in a worker thread while a local event loop keeps the
// windows painting, so the MIDI dialog's stop button and Esc still work. Playback blocks the
// rest of the program: meanwhile, input to every window but `owner` is held back and closing
// the main window only stops the music.
class QtMidiPlayback : public QObject, public MidiPlayback {
    Q_OBJECT
  public:
    // What plays the file on the worker thread: the synthesizer unless a test replaces it.
    using Player = std::function<Status(const std::string&, const MidiPlayer::StopRequest&)>;

    explicit QtMidiPlayback(QWidget* owner);

    Status play(const std::string& midiPath) override;
    void requestStop() { stopRequested_ = true; }
    bool playing() const { return playing_; }
    void setPlayer(Player player) { player_ = std::move(player); }

  signals:
    void playingChanged(bool playing);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* owner_;
    Player player_;
    std::atomic<bool> stopRequested_{false};
    bool playing_ = false;
};

}  // namespace noma
