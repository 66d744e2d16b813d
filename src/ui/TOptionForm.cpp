#include "ui/TOptionForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Workspace.h"
#include "ui/WindowPlacement.h"

namespace noma {

TOptionForm::TOptionForm(Workspace& workspace, QWidget* parent) : QDialog(parent), ws_(workspace) {
    setObjectName("TOptionForm");
    setWindowTitle("　オプション設定");
    setFixedSize(330, 150);
    auto* caption = new QLabel("６点点字入力のキー設定 （半角小文字 a ～ z のみ）", this);
    caption->move(16, 14);
    const char* digits[6] = {"１", "２", "３", "４", "５", "６"};
    for (int dot = 0; dot < 6; ++dot) {
        const int x = 24 + 48 * dot;
        auto* l = new QLabel(digits[dot], this);
        l->move(x + 8, 44);
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("TN6%1E").arg(dot + 1));
        box->setGeometry(x, 64, 30, 24);
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setAccessibleName(QString("%1の点のキー").arg(digits[dot]));
        l->setBuddy(box);
        boxes_[static_cast<size_t>(dot)] = box;
    }
    auto* ok = new QPushButton("ＯＫ", this);
    ok->setObjectName("Button1");
    ok->setGeometry(125, 106, 80, 28);
    connect(ok, &QPushButton::clicked, this, &TOptionForm::accept);
}

void TOptionForm::showOptions() {
    for (int dot = 0; dot < 6; ++dot) {
        boxes_[static_cast<size_t>(dot)]->setText(
            QString(QChar(ws_.settings().sixKeyMap[static_cast<size_t>(dot)])));
    }
    showPlaced(*this);
}

void TOptionForm::accept() {
    std::array<std::string, 6> texts;
    for (int dot = 0; dot < 6; ++dot)
        texts[static_cast<size_t>(dot)] = boxes_[static_cast<size_t>(dot)]->text().toStdString();
    // A refused map keeps the dialog open so that the user can correct it.
    if (ws_.applyOptionKeys(texts)) QDialog::accept();
}

}  // namespace noma
