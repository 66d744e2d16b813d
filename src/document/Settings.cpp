#include "document/Settings.h"

#include "platform/FileIo.h"
#include "platform/TokenReader.h"

namespace noma {

std::optional<char> normalizeKeyLetter(char c) {
    if (c >= 'a' && c <= 'z') return c;
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
    return std::nullopt;
}

Settings parseSettings(std::string_view text) {
    Settings s;
    TokenReader reader(text);
    int32_t strength = 0;
    int32_t layout = 0;
    if (reader.nextInt(strength) != TokenReader::IntStatus::Ok) return s;
    if (strength >= 1 && strength <= 6) s.printStrength = strength;
    if (reader.nextInt(layout) != TokenReader::IntStatus::Ok) return s;
    if (layout == 0 || layout == 1) s.recorderLayout = layout;

    for (char& key : s.sixKeyMap) {
        const std::string_view word = reader.nextWord();
        if (word.empty()) return s;
        if (auto letter = normalizeKeyLetter(word[0])) key = *letter;
    }
    reader.nextChar();  // the blank after the sixth key
    for (int n = 0; n < RecentFiles::kCount; ++n) {
        const auto entry = reader.readUntil(';');
        if (!entry) break;
        s.recentFiles.setEntry(n, std::string(*entry));
    }
    return s;
}

std::string formatSettings(const Settings& s) {
    std::string out =
        std::to_string(s.printStrength) + " " + std::to_string(s.recorderLayout) + " ";
    for (char key : s.sixKeyMap) {
        out += key;
        out += ' ';
    }
    for (int n = 0; n < RecentFiles::kCount; ++n) {
        out += s.recentFiles.entry(n);
        out += ';';
    }
    out += "\r\n";
    return out;
}

Settings readSettingsFile(const std::string& folder) {
    const Expected<std::string> text = readWholeFile(joinPath(folder, kSettingsFileName));
    return text.ok() ? parseSettings(*text) : Settings{};
}

Status writeSettingsFile(const std::string& folder, const Settings& settings) {
    const std::string path = joinPath(folder, kSettingsFileName);
    Status written = writeFileAtomically(path, formatSettings(settings));
    if (written.ok()) return written;
    return Failure{"設定ファイルを保存できませんでした。\n" + path, written.failure().gloss};
}

}  // namespace noma
