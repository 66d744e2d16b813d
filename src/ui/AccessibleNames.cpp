#include "ui/AccessibleNames.h"

#include <QLabel>
#include <set>

namespace noma {

QString spokenLabel(const QString& text) {
    QString spoken = text.trimmed();
    while (!spoken.isEmpty() &&
           (spoken.back() == u'：' || spoken.back() == u':' || spoken.back().isSpace()))
        spoken.chop(1);
    return spoken;
}

void nameByLabel(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    field->setAccessibleName(spokenLabel(label->text()));
}

void nameRangeByLabel(QLabel* label, QWidget* first, QWidget* last) {
    label->setBuddy(first);
    const QString range = spokenLabel(label->text());
    first->setAccessibleName(range + "の最初のページ");
    last->setAccessibleName(range + "の最後のページ");
}

void installAccessibleFactory(QAccessible::InterfaceFactory factory) {
    static std::set<QAccessible::InterfaceFactory> installed;
    if (installed.insert(factory).second) QAccessible::installFactory(factory);
}

}  // namespace noma
