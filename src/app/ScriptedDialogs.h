#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace noma {

// Answers questions from queues, for tests and scripted sessions. A message box with no queued
// answer gets its default button: OK, or No where there is no OK. A file dialog with no queued
// name is cancelled.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        std::string text;
        std::string title;
        Buttons buttons;
        Icon icon;
    };

    // Called with every message box as it is shown.
    std::function<void(const Shown&)> onMessage;

    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    void queueFileName(std::string path) { fileNames_.push_back(std::move(path)); }
    void queueCancelledFileDialog() { fileNames_.push_back(kCancelled); }

    Answer message(const std::string& text, const std::string& title, Buttons buttons,
                   Icon icon) override;
    std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
    std::optional<std::string> openFileName(const std::string& title,
                                            const std::string& filter) override;

    // Everything shown so far, in order.
    const std::vector<Shown>& messages() const { return messages_; }
    const std::vector<std::string>& fileDialogTitles() const { return fileDialogTitles_; }
    std::vector<std::string> messageTexts() const;

  private:
    static constexpr const char* kCancelled =
        "\x01"
        "cancelled";
    std::optional<std::string> nextFileName(const std::string& title);

    std::deque<Answer> answers_;
    std::deque<std::string> fileNames_;
    std::vector<Shown> messages_;
    std::vector<std::string> fileDialogTitles_;
};

}  // namespace noma
