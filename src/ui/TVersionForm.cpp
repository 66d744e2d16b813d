#include "ui/TVersionForm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Version.h"
#include "ui/ProgramIcon.h"

namespace noma {

TVersionForm::TVersionForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TVersionForm");
    setWindowTitle("  バージョン情報");
    setFixedSize(350, 143);

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon());
    icon->setGeometry(15, 15, 32, 32);

    // The number is the build's own, so the window never disagrees with --version.
    auto* name = new QLabel(QString("ＮＯＭＡ 　Ver. ") + kVersion, this);
    name->setObjectName("ProductName");
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPixelSize(19);
    name->setFont(bold);
    name->move(64, 14);

    auto* date = new QLabel("２０２０．７．１０", this);
    date->setObjectName("ReleaseDate");
    bold.setPixelSize(15);
    date->setFont(bold);
    date->move(64, 44);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(10, 78, 330, 4);

    auto* ok = new QPushButton("ＯＫ", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(135, 98, 80, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace noma
