#pragma once

#include <QString>

#include "platform/Dialogs.h"

class QWidget;

namespace noma {

// Message boxes and file dialogs of the editor, with Japanese button texts.
class QtDialogs : public Dialogs {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const std::string& text, const std::string& title, Buttons buttons,
                   Icon icon) override;
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override;

    // "説明 (*.nmg)|*.NMG|..." as a Qt filter; the patterns match either case.
    static QString qtFilter(const std::string& filter);

  private:
    // The window that asks: the active one, else the main window.
    QWidget* dialogParent() const;
    QWidget* parent_ = nullptr;
};

}  // namespace noma
