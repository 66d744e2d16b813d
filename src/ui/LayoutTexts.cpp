#include "ui/LayoutTexts.h"

#include <QComboBox>
#include <QLabel>

#include "document/NumberText.h"
#include "ui/AccessibleNames.h"

namespace noma {

QStringList scoreTypeItems() {
    return {"ト音　一段", "ト音+ヘ音 二段", "白紙", "ト音＋ト音＋ヘ音"};
}

QStringList keyItems() {
    return {"ハ長調・イ短調",     "ト長調・ホ短調",     "ヘ長調・ニ短調",     "ニ長調・ロ短調",
            "変ロ長調・ト短調",   "イ長調・嬰ヘ短調",   "変ホ長調・ハ短調",   "ホ長調・嬰ハ短調",
            "変イ長調・ヘ短調",   "ロ長調・嬰ト短調",   "変ニ長調・変ロ短調", "嬰へ長調・嬰ニ短調",
            "変ト長調・変ホ短調", "嬰ハ長調・嬰イ短調", "変ハ長調・変イ短調"};
}

QComboBox* labelledCombo(QWidget* parent, const char* name, const char* caption, int y,
                         const QStringList& items) {
    auto* l = new QLabel(caption, parent);
    l->move(10, y);
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(10, y + 16, 128, 22);
    box->addItems(items);
    nameByLabel(l, box);
    return box;
}

QStringList numberItems(int first, int last) {
    QStringList items;
    for (int v = first; v <= last; ++v) items << QString::fromStdString(fullWidthNumber(v));
    return items;
}

}  // namespace noma
