#include "app/ReplayScript.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

#include "app/Workspace.h"
#include "document/SymbolKind.h"

namespace noma {

namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A script word as a message may show it: control bytes (a NUL would end the message) as \xNN.
std::string shown(std::string_view word) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : word) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool toInt(std::string_view text, int& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc{} && ptr == end && begin != end;
}

std::optional<MouseButton> buttonNamed(std::string_view name) {
    if (name == "left") return MouseButton::Left;
    if (name == "right") return MouseButton::Right;
    if (name == "middle") return MouseButton::Middle;
    return std::nullopt;
}

std::optional<EditKey> keyNamed(std::string_view name) {
    if (name == "BackSpace") return EditKey::BackSpace;
    if (name == "Left") return EditKey::Left;
    if (name == "Up") return EditKey::Up;
    if (name == "Right") return EditKey::Right;
    if (name == "Down") return EditKey::Down;
    if (name == "Enter" || name == "Space" ||
        (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))) {
        return EditKey::Other;
    }
    return std::nullopt;
}

}  // namespace

Status ReplayScript::run(std::string_view script) {
    int number = 0;
    size_t pos = 0;
    while (pos <= script.size()) {
        const size_t end = std::min(script.find('\n', pos), script.size());
        ++number;
        const std::string problem = runLine(script.substr(pos, end - pos));
        if (!problem.empty()) {
            const std::string where = "line " + std::to_string(number) + ": " + problem;
            return Failure{"スクリプトに誤りがあります。\n" + where, "bad script: " + where};
        }
        if (end >= script.size()) break;
        pos = end + 1;
    }
    return {};
}

std::string ReplayScript::runLine(std::string_view line) {
    const auto w = words(line);
    if (w.empty() || w[0][0] == '#') return {};
    const std::string_view verb = w[0];
    int x = 0, y = 0;

    if (verb == "mode") {
        int mode = 0;
        if (w.size() != 2 || !toInt(w[1], mode)) return "mode needs a number";
        if (mode == kModeClipPaste) {
            ws_.clipPaste();
        } else if ((mode >= 1 && mode <= kMainModeLast && mode != kKeySharp && mode != kKeyFlat &&
                    mode != kModeMoveCopyErase)) {
            ws_.selectMode(mode);
        } else if (mode <= kMainModeLast || !ws_.palettes().armMode(mode)) {
            return "mode " + std::to_string(mode) + " cannot be armed";
        }
        return {};
    }
    if (verb == "press" || verb == "release") {
        const auto button = w.size() == 4 ? buttonNamed(w[1]) : std::nullopt;
        if (!button || !toInt(w[2], x) || !toInt(w[3], y))
            return shown(verb) + " needs left|right|middle X Y";
        if (verb == "press") {
            ws_.pageMouseDown(*button, x, y);
        } else {
            ws_.pageMouseUp(*button, x, y);
        }
        return {};
    }
    if (verb == "move" || verb == "click") {
        if (w.size() != 3 || !toInt(w[1], x) || !toInt(w[2], y)) return shown(verb) + " needs X Y";
        ws_.pageMouseMove(x, y);
        if (verb == "click") {
            ws_.pageMouseDown(MouseButton::Left, x, y);
            ws_.pageMouseUp(MouseButton::Left, x, y);
        }
        return {};
    }
    if (verb == "key") {
        const auto key = w.size() >= 2 ? keyNamed(w[1]) : std::nullopt;
        if (!key || w.size() > 3 || (w.size() == 3 && w[2] != "shift"))
            return "key needs a key name";
        ws_.keyDown(*key);
        return {};
    }
    if (verb == "answer") {
        if (w.size() != 2) return "answer needs ok|yes|no|cancel";
        if (w[1] == "ok") {
            dialogs_.queueAnswer(Dialogs::Answer::Ok);
        } else if (w[1] == "yes") {
            dialogs_.queueAnswer(Dialogs::Answer::Yes);
        } else if (w[1] == "no") {
            dialogs_.queueAnswer(Dialogs::Answer::No);
        } else if (w[1] == "cancel") {
            dialogs_.queueAnswer(Dialogs::Answer::Cancel);
        } else {
            return "answer needs ok|yes|no|cancel";
        }
        return {};
    }
    if (verb.starts_with("braille-")) return braille(verb, w, line);
    if (verb == "command") {
        if (w.size() < 2 || w.size() > 3) return "command needs a name";
        return command(w[1], w.size() == 3 ? w[2] : std::string_view{});
    }
    return "unknown line '" + shown(verb) + "'";
}

std::string ReplayScript::braille(std::string_view verb, const std::vector<std::string_view>& w,
                                  std::string_view line) {
    BrailleWriting& writing = ws_.braille();
    if (verb == "braille-mode") {
        if (w.size() != 2) return "braille-mode needs romaji|direct|sixkey";
        if (w[1] == "romaji") {
            writing.setEntryMode(BrailleWriting::kRomaji);
        } else if (w[1] == "direct") {
            writing.setEntryMode(BrailleWriting::kDirect);
        } else if (w[1] == "sixkey") {
            writing.setEntryMode(BrailleWriting::kSixKey);
        } else {
            return "braille-mode needs romaji|direct|sixkey";
        }
        return {};
    }
    if (verb == "braille-type") {
        // The text is everything after the verb and one blank, spaces included.
        const size_t at = line.find("braille-type") + std::string_view("braille-type").size();
        std::string_view text = at < line.size() ? line.substr(at + 1) : std::string_view{};
        while (!text.empty() && (text.back() == '\r')) text.remove_suffix(1);
        if (writing.entryMode() == BrailleWriting::kRomaji) {
            for (char c : text) writing.typeRomaji(std::string(1, c));
            // The timer commits the kana once it has ticked five times since the last change.
            for (int tick = 0; tick < 10 && writing.autoCommitArmed(); ++tick) writing.tick();
        } else if (writing.entryMode() == BrailleWriting::kDirect) {
            writing.textChanged(writing.fieldText() + std::string(text));
        }
        return {};
    }
    if (verb == "braille-key") {
        if (w.size() < 2 || w.size() > 4) return "braille-key needs a key name";
        bool shift = false;
        bool up = false;
        for (size_t i = 2; i < w.size(); ++i) {
            if (w[i] == "shift") {
                shift = true;
            } else if (w[i] == "up") {
                up = true;
            } else {
                return "braille-key takes shift and up after the key name";
            }
        }
        int key = -1;
        const std::string_view name = w[1];
        if (name == "BackSpace") key = BrailleWriting::kKeyBackSpace;
        if (name == "Enter") key = BrailleWriting::kKeyEnter;
        if (name == "Space") key = BrailleWriting::kKeySpace;
        if (name == "Left") key = BrailleWriting::kKeyLeft;
        if (name == "Up") key = BrailleWriting::kKeyUp;
        if (name == "Right") key = BrailleWriting::kKeyRight;
        if (name == "Down") key = BrailleWriting::kKeyDown;
        if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
            key = std::toupper(static_cast<unsigned char>(name[0]));
        }
        if (key < 0) return "unknown braille key '" + shown(name) + "'";
        if (up) {
            writing.keyUp(key);
            return {};
        }
        if (writing.keyDown(key, shift) || key >= BrailleWriting::kKeyEnter) return {};
        // A character typed into the text field.
        const char typed = key == BrailleWriting::kKeySpace
                               ? ' '
                               : static_cast<char>(shift ? key : std::tolower(key));
        if (writing.entryMode() == BrailleWriting::kRomaji) {
            writing.typeRomaji(std::string(1, typed));
        } else if (writing.entryMode() == BrailleWriting::kDirect) {
            writing.textChanged(writing.fieldText() + typed);
        }
        return {};
    }
    if (verb == "braille-close") {
        if (w.size() != 1) return "braille-close takes nothing";
        writing.close();
        return {};
    }
    return "unknown line '" + shown(verb) + "'";
}

std::string ReplayScript::command(std::string_view name, std::string_view argument) {
    const bool hasArgument = !argument.empty();
    auto noArgument = [&](auto action) -> std::string {
        if (hasArgument) return "command " + shown(name) + " takes no value";
        action();
        return {};
    };
    if (name == "undo") return noArgument([&] { ws_.undo(); });
    if (name == "history-undo") return noArgument([&] { ws_.historyUndo(); });
    if (name == "history-redo") return noArgument([&] { ws_.historyRedo(); });
    if (name == "region-move") return noArgument([&] { ws_.selectMode(kModeRegionMove); });
    if (name == "region-copy") return noArgument([&] { ws_.selectMode(kModeRegionCopy); });
    if (name == "region-erase") return noArgument([&] { ws_.selectMode(kModeRegionErase); });
    if (name == "clip-copy") return noArgument([&] { ws_.selectMode(kModeClipCopy); });
    if (name == "clip-cut") return noArgument([&] { ws_.selectMode(kModeClipCut); });
    if (name == "clip-paste") return noArgument([&] { ws_.clipPaste(); });
    if (name == "rules") return noArgument([&] { ws_.toggleRules(); });
    if (name == "hot") return noArgument([&] { ws_.toggleHotPositions(); });
    if (name == "next-page") return noArgument([&] { ws_.nextPage(); });
    if (name == "previous-page") return noArgument([&] { ws_.previousPage(); });
    int value = 0;
    if (name == "grid") {
        if (!toInt(argument, value) || value < 0 || value > 6) return "grid needs 0..6";
        ws_.setGridInterval(value);
        return {};
    }
    if (name == "display") {
        if (argument == "kana") {
            ws_.setDisplayMode(0);
        } else if (argument == "alphabet") {
            ws_.setDisplayMode(1);
        } else if (argument == "braille") {
            ws_.setDisplayMode(2);
        } else {
            return "display needs kana|alphabet|braille";
        }
        return {};
    }
    if (name == "page") {
        if (!toInt(argument, value) || value < 1 || value > ws_.document().header.pageCount) {
            return "page needs a page number of the score";
        }
        ws_.selectPage(value - 1);
        return {};
    }
    if (name == "top-margin") {
        if (!toInt(argument, value) || value < 3 || value > 30) return "top-margin needs 3..30";
        ws_.topMarginChanged(value - 3);
        return {};
    }
    return "unknown command '" + shown(name) + "'";
}

}  // namespace noma
