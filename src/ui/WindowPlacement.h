#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace noma {

// Where a window of `size` goes inside `area`: the place nearest `preferred` that covers none
// of the `taken` rectangles, or, where every place covers one, the place that covers least.
// The window stays inside the area wherever it fits.
QPoint freePosition(const QSize& size, const QRect& area, const std::vector<QRect>& taken,
                    const QPoint& preferred);

// Moves `window` onto the main window's screen, clear of NOMA's other visible windows, nearest
// the right of the main window.
void placeBesideOpenWindows(QWidget& window);

// Shows a non-modal window: placed as above when it was hidden, then raised and activated.
void showPlaced(QWidget& window);

// The main window's own size and place: no larger than the screen's available area and wholly
// on it, menu bar included.
void fitOnScreen(QWidget& mainWindow);

}  // namespace noma
