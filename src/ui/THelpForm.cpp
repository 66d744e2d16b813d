#include "ui/THelpForm.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

// The manual is compiled into the static ui library, whose resources must be registered by hand.
static void registerManual() {
    Q_INIT_RESOURCE(help);
}

namespace noma {

THelpForm::THelpForm(QWidget* parent) : QDialog(parent), text_(new QTextBrowser(this)) {
    setObjectName("THelpForm");
    setWindowTitle("　ヘルプ");
    resize(635, 446);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    text_->setObjectName("RichEdit1");
    text_->setAccessibleName("ヘルプの本文");
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setOpenExternalLinks(true);
    registerManual();
    QFile manual(":/help/manual.html");
    if (manual.open(QIODevice::ReadOnly)) text_->setHtml(QString::fromUtf8(manual.readAll()));
    // Room between the window's edge and the text.
    text_->document()->setDocumentMargin(16);
    text_->moveCursor(QTextCursor::Start);
}

}  // namespace noma
