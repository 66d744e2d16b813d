#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace noma {

// Reads a text file's bytes as whitespace-separated tokens, the way the program's text files
// (score, settings, clipboard, user symbols) are read back.
class TokenReader {
  public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    enum class IntStatus { Ok, End, NotInteger, OutOfRange };

    // The next token as a signed 32-bit decimal integer (optional sign).
    IntStatus nextInt(int32_t& value);
    // The next whitespace-separated word; empty at the end.
    std::string_view nextWord();
    // The next byte, or nullopt at the end.
    std::optional<char> nextChar();
    // Bytes up to (not including) `stop`, consuming the stop byte; nullopt when the text
    // ends before it (what was read is consumed).
    std::optional<std::string_view> readUntil(char stop);
    // True when only whitespace remains.
    bool atEnd();

    size_t position() const { return pos_; }

    static bool isSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }

  private:
    void skipSpace() {
        while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    size_t pos_ = 0;
};

// Inline and hand-rolled: loading a large score is mostly this.
inline TokenReader::IntStatus TokenReader::nextInt(int32_t& value) {
    const char* const data = text_.data();
    const char* p = data + pos_;
    const char* const end = data + text_.size();
    while (p < end && isSpace(*p)) ++p;
    if (p == end) {
        pos_ = text_.size();
        return IntStatus::End;
    }
    const bool negative = *p == '-';
    if (negative || *p == '+') ++p;
    const char* const digits = p;
    uint64_t magnitude = 0;
    while (p < end && static_cast<unsigned char>(*p - '0') < 10) {
        if (magnitude <= (uint64_t{1} << 32))
            magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
        ++p;
    }
    if (p == digits || (p < end && !isSpace(*p))) {
        while (p < end && !isSpace(*p)) ++p;
        pos_ = static_cast<size_t>(p - data);
        return IntStatus::NotInteger;
    }
    pos_ = static_cast<size_t>(p - data);
    if (magnitude > (negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1))
        return IntStatus::OutOfRange;
    value = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                     : static_cast<int32_t>(magnitude);
    return IntStatus::Ok;
}

}  // namespace noma
