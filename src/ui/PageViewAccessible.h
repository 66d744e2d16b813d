#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace noma {

class PageView;

// The page view as a screen reader meets it: its text is the reading of the stave at the
// keyboard cursor, and its one child is the cursor's cell, named by what stands there. The
// factory is installed once by the first page view.
QAccessibleInterface* pageViewAccessible(const QString& className, QObject* object);

// Tells a screen reader that the cursor moved or what is under it changed.
void announceCursor(PageView* view);

}  // namespace noma
