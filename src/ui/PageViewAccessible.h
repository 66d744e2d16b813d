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

// Tells a screen reader that the cursor moved or what is under it changed; `withTool` when the
// keys have just come to the page, so that the armed tool is said too, not with every move.
void announceCursor(PageView* view, bool withTool = false);

}  // namespace noma
