#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QWidget;

namespace noma {

// Where a window of `size` goes inside `area`: the place nearest `preferred` that covers none
// of the `taken` rectangles, or, where every place covers one, the place that covers least.
// The window stays inside the area wherever it fits.
QPoint freePosition(const QSize& size, const QRect& area, const std::vector<QRect>& taken,
                    const QPoint& preferred);

// A property of a main window's child: other windows avoid covering it even more than the
// rest of the main window.
inline constexpr const char* kKeepClear = "nomaKeepClear";

// Moves `window` onto the main window's screen, clear of NOMA's other visible windows, nearest
// `preferred` (a screen position) or else the right of the main window.
void placeBesideOpenWindows(QWidget& window, std::optional<QPoint> preferred = std::nullopt);

// Shows a non-modal window: placed as above when it was hidden, then raised and activated.
void showPlaced(QWidget& window, std::optional<QPoint> preferred = std::nullopt);

// The main window's own size and place: no larger than the screen's available area and wholly
// on it, menu bar included.
void fitOnScreen(QWidget& mainWindow);

}  // namespace noma
