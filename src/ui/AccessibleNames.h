#pragma once

#include <QAccessible>
#include <QString>

class QLabel;
class QWidget;

namespace noma {

// What a screen reader says for a label's text: without the colon and spaces that end it on
// screen ("範囲 ：" → "範囲").
QString spokenLabel(const QString& text);

// Links `field` to the label in front of it, so that the label's mnemonic focuses it and a
// screen reader names the field by the label.
void nameByLabel(QLabel* label, QWidget* field);

// The two boxes of a range "範囲 ： [first] ～ [last]": the label names both, each by its end.
void nameRangeByLabel(QLabel* label, QWidget* first, QWidget* last);

// Installs a factory of screen reader faces once, however many widgets ask for it.
void installAccessibleFactory(QAccessible::InterfaceFactory factory);

}  // namespace noma
