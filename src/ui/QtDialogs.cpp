#include "ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace noma {

Dialogs::Answer QtDialogs::message(const std::string& text, const std::string& title,
                                   Buttons buttons, Icon icon) {
    // Centred on the window that asked, a palette or dialog as much as the main window.
    QMessageBox box(dialogParent());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::None:
            break;
    }
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    QAbstractButton* cancel = nullptr;
    if (buttons == Buttons::Ok) {
        box.addButton("OK", QMessageBox::AcceptRole);
    } else {
        yes = box.addButton("はい(&Y)", QMessageBox::YesRole);
        no = box.addButton("いいえ(&N)", QMessageBox::NoRole);
        if (buttons == Buttons::YesNoCancel)
            cancel = box.addButton("キャンセル", QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(yes));
        box.setEscapeButton(cancel ? cancel : no);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (clicked == yes) return Answer::Yes;
    if (clicked == no) return Answer::No;
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

QWidget* QtDialogs::dialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

QString QtDialogs::qtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int paren = description.indexOf(" (");
        if (paren >= 0) description.truncate(paren);
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(';')) {
            if (p == "*.*") {
                patterns << "*";
                continue;
            }
            patterns << p.toLower();
            if (p.toUpper() != p.toLower()) patterns << p.toUpper();
        }
        filters << description + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

std::optional<std::string> QtDialogs::saveFileName(const std::string& title,
                                                   const std::string& filter,
                                                   const std::string& initialPath) {
    // The program asks its own overwrite question after the extension is settled.
    const QString name = QFileDialog::getSaveFileName(
        dialogParent(), QString::fromStdString(title), QString::fromStdString(initialPath),
        qtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtDialogs::openFileName(const std::string& title,
                                                   const std::string& filter) {
    const QString name = QFileDialog::getOpenFileName(dialogParent(), QString::fromStdString(title),
                                                      QString(), qtFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

}  // namespace noma
