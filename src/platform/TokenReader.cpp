#include "platform/TokenReader.h"

namespace noma {

std::string_view TokenReader::nextWord() {
    skipSpace();
    const size_t start = pos_;
    while (pos_ < text_.size() && !isSpace(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

std::optional<char> TokenReader::nextChar() {
    if (pos_ >= text_.size()) return std::nullopt;
    return text_[pos_++];
}

std::optional<std::string_view> TokenReader::readUntil(char stop) {
    const size_t found = text_.find(stop, pos_);
    if (found == std::string_view::npos) {
        pos_ = text_.size();
        return std::nullopt;
    }
    const std::string_view part = text_.substr(pos_, found - pos_);
    pos_ = found + 1;
    return part;
}

bool TokenReader::atEnd() {
    skipSpace();
    return pos_ >= text_.size();
}

}  // namespace noma
