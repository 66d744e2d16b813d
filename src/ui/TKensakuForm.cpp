#include "ui/TKensakuForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "app/Workspace.h"
#include "music/SymbolSearch.h"
#include "ui/WindowPlacement.h"

namespace noma {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

TKensakuForm::TKensakuForm(Workspace& workspace, QWidget* parent)
    : QDialog(parent), ws_(workspace) {
    setObjectName("TKensakuForm");
    setWindowTitle(kSearchCaption);
    setFixedSize(232, 118);
    modeE_ = new QLineEdit(this);
    modeE_->setObjectName("ModeE");
    modeE_->setReadOnly(true);
    modeE_->setGeometry(12, 12, 208, 24);
    modeE_->setFocusPolicy(Qt::NoFocus);
    modeE_->setAccessibleName("検索する記号");
    button1_ = new QPushButton(kSearchRetargetCaption, this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(12, 44, 208, 28);
    button1_->setAutoDefault(false);
    button2_ = new QPushButton(kSearchStartCaption, this);
    button2_->setObjectName("Button2");
    button2_->setGeometry(12, 78, 208, 28);
    button2_->setAutoDefault(false);

    connect(button1_, &QPushButton::clicked, this, [this] {
        ws_.retargetSearch();
        refresh();
        emit changed();
    });
    connect(button2_, &QPushButton::clicked, this, [this] {
        ws_.toggleSearch();
        refresh();
        emit changed();
    });
}

void TKensakuForm::showSearch() {
    // Its usual place, where the screen has room for it and no other window is there.
    showPlaced(*this, QPoint(kSearchWindowX, kSearchWindowY));
}

void TKensakuForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ws_.showSearchWindow();
    refresh();
    emit changed();
}

void TKensakuForm::refresh() {
    const render::ViewState& view = ws_.view();
    modeE_->setText(text(searchTargetName(view.searchTarget)));
    button2_->setText(text(searchButtonCaption({view.searchTarget, view.searchActive})));
}

}  // namespace noma
