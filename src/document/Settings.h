#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document/RecentFiles.h"
#include "platform/Status.h"

namespace noma {

inline constexpr const char* kSettingsFileName = "NOMA_218_Shokika.ini";

struct Settings {
    int printStrength = 3;                                        // 1..6
    int recorderLayout = 1;                                       // 0 or 1
    std::array<char, 6> sixKeyMap{'f', 'd', 's', 'j', 'k', 'l'};  // keys of dots 1..6
    RecentFiles recentFiles;

    // The upper-case twin of the key of dot n (0-based).
    char upperKey(int dot) const {
        return static_cast<char>(sixKeyMap[static_cast<size_t>(dot)] - 32);
    }
};

// Reads the one-line settings text. Whatever cannot be read keeps its default; the reader
// stops at the end of the text.
Settings parseSettings(std::string_view text);
std::string formatSettings(const Settings& settings);

// The settings of the program folder (defaults when the file is missing).
Settings readSettingsFile(const std::string& folder);
Status writeSettingsFile(const std::string& folder, const Settings& settings);

// A key letter accepted for six-key entry: a..z, an upper-case letter taken as its lower case.
std::optional<char> normalizeKeyLetter(char c);

}  // namespace noma
