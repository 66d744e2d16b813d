#include "app/ScriptedDialogs.h"

namespace noma {

Dialogs::Answer ScriptedDialogs::message(const std::string& text, const std::string& title,
                                         Buttons buttons, Icon icon) {
    messages_.push_back({text, title, buttons, icon});
    if (onMessage) onMessage(messages_.back());
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

std::optional<std::string> ScriptedDialogs::nextFileName(const std::string& title) {
    fileDialogTitles_.push_back(title);
    if (fileNames_.empty()) return std::nullopt;
    std::string name = fileNames_.front();
    fileNames_.pop_front();
    if (name == kCancelled) return std::nullopt;
    return name;
}

std::optional<std::string> ScriptedDialogs::saveFileName(const std::string& title,
                                                         const std::string&, const std::string&) {
    return nextFileName(title);
}

std::optional<std::string> ScriptedDialogs::openFileName(const std::string& title,
                                                         const std::string&) {
    return nextFileName(title);
}

std::vector<std::string> ScriptedDialogs::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages_) texts.push_back(m.text);
    return texts;
}

}  // namespace noma
