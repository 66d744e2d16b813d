#pragma once

#include <optional>
#include <string>

namespace noma {

// The questions the program asks the user. The editor shows real message boxes and file
// dialogs; tests and noma-cli answer from a script.
class Dialogs {
  public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Information, Question, Exclamation, Error };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;

    virtual Answer message(const std::string& text, const std::string& title, Buttons buttons,
                           Icon icon) = 0;
    // A file name chosen in a save dialog, or nothing when cancelled. `filter` is written as
    // "説明 (*.ext)|*.EXT|..." pairs.
    virtual std::optional<std::string> saveFileName(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& initialPath) = 0;
    virtual std::optional<std::string> openFileName(const std::string& title,
                                                    const std::string& filter) = 0;
};

inline constexpr const char* kConfirmTitle = "確認";

}  // namespace noma
