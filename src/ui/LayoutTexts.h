#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

namespace noma {

// Item texts of the layout boxes.
QStringList scoreTypeItems();
QStringList keyItems();
// A caption and below it a combo box of `items`, 128 pixels wide, at the left of a dialog.
QComboBox* labelledCombo(QWidget* parent, const char* name, const char* caption, int y,
                         const QStringList& items);
// Full-width number items "　first" .. "last".
QStringList numberItems(int first, int last);

}  // namespace noma
