#include "ui/TTenjiIchiranForm.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "braille/BrailleList.h"

namespace noma {

namespace {

// The half-width long vowel mark looks like a hyphen in most fonts: say which key it is.
QString keysText(const std::string& keys) {
    QString text = QString::fromStdString(keys);
    if (text.contains(QChar(0xFF70))) text += "　（ｰ は半角カナの長音記号）";
    return text;
}

}  // namespace

TTenjiIchiranForm::TTenjiIchiranForm(QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setObjectName("TTenjiIchiranForm");
    setWindowTitle("点字記号一覧");
    resize(546, 490);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    for (const BrailleListPage& page : brailleListPages()) {
        auto* table = new QTableWidget(static_cast<int>(page.rows.size()), 3);
        table->setHorizontalHeaderLabels({"入力キー（半角）", "点字", "記号名"});
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(22);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionMode(QAbstractItemView::NoSelection);
        // The pale yellow of tooltips, as the list has always looked.
        QPalette palette = table->palette();
        palette.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
        table->setPalette(palette);
        for (int r = 0; r < static_cast<int>(page.rows.size()); ++r) {
            const BrailleListRow& row = page.rows[static_cast<size_t>(r)];
            table->setItem(r, 0, new QTableWidgetItem(keysText(row.keys)));
            table->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.braille)));
            table->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(row.name)));
        }
        table->resizeColumnsToContents();
        table->horizontalHeader()->setStretchLastSection(true);
        table->setAccessibleName(QString::fromStdString(page.title));
        tabs_->addTab(table, table->accessibleName());
    }
}

}  // namespace noma
