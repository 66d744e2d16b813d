#include "document/UserSymbolFile.h"

#include "platform/FileIo.h"
#include "platform/TokenReader.h"

namespace noma {

std::string userSymbolFolder(const std::string& programFolder) {
    return joinPath(programFolder, "NMK");
}

std::string userSymbolPath(const std::string& programFolder, int number) {
    return joinPath(userSymbolFolder(programFolder), "NMK" + std::to_string(number) + ".nmk");
}

std::string formatUserSymbol(const UserSymbolBits& bits) {
    std::string text = std::to_string(bits.width) + " " + std::to_string(bits.height) + "\r\n";
    text.reserve(text.size() +
                 static_cast<size_t>(bits.height) * (2 * static_cast<size_t>(bits.width) + 2));
    for (int y = 0; y < bits.height; ++y) {
        for (int x = 0; x < bits.width; ++x) text += bits.black(x, y) ? "1 " : "0 ";
        text += "\r\n";
    }
    return text;
}

std::optional<UserSymbolBits> parseUserSymbol(std::string_view text) {
    TokenReader reader(text);
    UserSymbolBits bits;
    int32_t w = 0;
    int32_t h = 0;
    if (reader.nextInt(w) != TokenReader::IntStatus::Ok ||
        reader.nextInt(h) != TokenReader::IntStatus::Ok) {
        return std::nullopt;
    }
    if (w < 1 || w > kUserSymbolGrid || h < 1 || h > kUserSymbolGrid) return std::nullopt;
    bits.width = w;
    bits.height = h;
    bits.cells.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (uint8_t& cell : bits.cells) {
        int32_t v = 0;
        if (reader.nextInt(v) != TokenReader::IntStatus::Ok || (v != 0 && v != 1))
            return std::nullopt;
        cell = static_cast<uint8_t>(v);
    }
    // More tokens than the size announces: the size cannot be trusted.
    if (!reader.atEnd()) return std::nullopt;
    return bits;
}

std::optional<UserSymbolBits> readUserSymbolFile(const std::string& path) {
    const Expected<std::string> text = readWholeFile(path);
    if (!text.ok()) return std::nullopt;
    return parseUserSymbol(*text);
}

Status writeUserSymbolFile(const std::string& path, const UserSymbolBits& bits) {
    return writeFileAtomically(path, formatUserSymbol(bits));
}

}  // namespace noma
