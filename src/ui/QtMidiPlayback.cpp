#include "ui/QtMidiPlayback.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>
#include <thread>

namespace noma {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
            return true;
        default:
            return false;
    }
}

}  // namespace

QtMidiPlayback::QtMidiPlayback(QWidget* owner)
    : QObject(owner),
      owner_(owner),
      player_([](const std::string& path, const MidiPlayer::StopRequest& stop) {
          return MidiPlayer().play(path, stop);
      }) {}

Status QtMidiPlayback::play(const std::string& midiPath) {
    // A second play while the music sounds is the same request, not a failure.
    if (playing_) return {};
    stopRequested_ = false;
    playing_ = true;
    emit playingChanged(true);
    qApp->installEventFilter(this);

    Status status;
    QEventLoop loop;
    std::thread worker([this, &status, &loop, midiPath] {
        status = player_(midiPath, [this] { return stopRequested_.load(); });
        // Queued, so it reaches the loop even when the music ended before the loop began.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();

    qApp->removeEventFilter(this);
    playing_ = false;
    emit playingChanged(false);
    return status;
}

bool QtMidiPlayback::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!playing_ || widget == nullptr || widget->window() == owner_) {
        return QObject::eventFilter(watched, event);
    }
    // Closing another window (the main window above all) would pull the program out from
    // under the music; it stops the music instead. Popups and tips close as usual.
    const Qt::WindowType type = widget->windowType();
    if (event->type() == QEvent::Close && widget->isWindow() &&
        (type == Qt::Window || type == Qt::Dialog)) {
        requestStop();
        event->ignore();
        return true;
    }
    return isUserInput(event->type());
}

}  // namespace noma
