#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace noma {

namespace {

constexpr int kKeepClearWeight = 8;

long long covered(const QRect& r, const std::vector<QRect>& taken) {
    long long sum = 0;
    for (const QRect& t : taken) {
        const QRect common = r.intersected(t);
        if (!common.isEmpty()) sum += static_cast<long long>(common.width()) * common.height();
    }
    return sum;
}

int clampInto(int value, int low, int length, int size) {
    return std::max(low, std::min(value, low + length - size));
}

QRect areaOf(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

QWidget* mainWindowOf(QWidget& window) {
    QWidget* parent = window.parentWidget();
    return parent ? parent->window() : nullptr;
}

}  // namespace

QPoint freePosition(const QSize& size, const QRect& area, const std::vector<QRect>& taken,
                    const QPoint& preferred) {
    // Candidates: the preferred place and every place flush against an edge of a taken
    // rectangle or of the area.
    std::vector<int> xs{preferred.x(), area.left(), area.right() + 1 - size.width()};
    std::vector<int> ys{preferred.y(), area.top(), area.bottom() + 1 - size.height()};
    for (const QRect& t : taken) {
        xs.insert(xs.end(), {t.left(), t.right() + 1, t.left() - size.width()});
        ys.insert(ys.end(), {t.top(), t.bottom() + 1, t.top() - size.height()});
    }
    QPoint best = preferred;
    long long bestCover = std::numeric_limits<long long>::max();
    int bestDistance = std::numeric_limits<int>::max();
    for (int x : xs) {
        for (int y : ys) {
            const QPoint p(clampInto(x, area.left(), area.width(), size.width()),
                           clampInto(y, area.top(), area.height(), size.height()));
            const long long cover = covered(QRect(p, size), taken);
            const int distance = (p - preferred).manhattanLength();
            if (cover < bestCover || (cover == bestCover && distance < bestDistance)) {
                best = p;
                bestCover = cover;
                bestDistance = distance;
            }
        }
    }
    return best;
}

void placeBesideOpenWindows(QWidget& window, std::optional<QPoint> preferred) {
    QWidget* main = mainWindowOf(window);
    const QRect area = areaOf(main ? *main : window);
    std::vector<QRect> taken;
    for (QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &window || !other->isVisible() || !other->isWindow()) continue;
        const Qt::WindowType type = other->windowType();
        if (type != Qt::Window && type != Qt::Dialog) continue;
        taken.push_back(other->frameGeometry());
        // Counted many times over: covering them costs far more than covering the page or
        // another window.
        for (QWidget* part : other->findChildren<QWidget*>()) {
            if (!part->property(kKeepClear).toBool() || !part->isVisible()) continue;
            for (int n = 0; n < kKeepClearWeight; ++n)
                taken.push_back(QRect(part->mapToGlobal(QPoint(0, 0)), part->size()));
        }
    }
    // The frame adds the same margins it has on the main window.
    const QSize frame = main && !window.isVisible()
                            ? main->frameGeometry().size() - main->geometry().size()
                            : window.frameGeometry().size() - window.geometry().size();
    // A window that can shrink does so to fit the screen; its content then scrolls.
    if (window.minimumSize() != window.maximumSize()) {
        const QSize fitting =
            window.size().boundedTo(area.size() - frame).expandedTo(window.minimumSize());
        if (fitting != window.size()) window.resize(fitting);
    }
    const QSize size = window.size() + frame;
    if (!preferred) {
        preferred = main ? QPoint(main->frameGeometry().right() + 1, main->frameGeometry().top())
                         : area.topLeft();
    }
    const QPoint frameTopLeft = freePosition(size, area, taken, *preferred);
    window.move(frameTopLeft);
}

void showPlaced(QWidget& window, std::optional<QPoint> preferred) {
    if (!window.isVisible()) placeBesideOpenWindows(window, preferred);
    window.show();
    window.raise();
    window.activateWindow();
}

void fitOnScreen(QWidget& mainWindow) {
    const QRect area = areaOf(mainWindow);
    const QSize frame = mainWindow.frameGeometry().size() - mainWindow.geometry().size();
    const QSize room = area.size() - frame;
    const QSize size = mainWindow.size().boundedTo(room);
    if (size != mainWindow.size()) mainWindow.resize(size);
    const QSize outer = size + frame;
    QPoint topLeft = mainWindow.frameGeometry().topLeft();
    topLeft.setX(clampInto(topLeft.x(), area.left(), area.width(), outer.width()));
    topLeft.setY(clampInto(topLeft.y(), area.top(), area.height(), outer.height()));
    mainWindow.move(topLeft);
}

}  // namespace noma
