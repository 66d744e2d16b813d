#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace noma {

// XML text written element by element, indented, with text and attribute values escaped.
class XmlText {
  public:
    using Attributes = std::initializer_list<std::pair<std::string_view, std::string_view>>;

    void reserve(size_t bytes) { text_.reserve(bytes); }
    void declaration();
    void raw(std::string_view text) { text_ += text; }
    void open(std::string_view name, Attributes attributes = {});
    void close(std::string_view name);
    // An element without content: <name a="v"/>.
    void empty(std::string_view name, Attributes attributes = {});
    // An element holding only text.
    void leaf(std::string_view name, std::string_view text);

    std::string take() { return std::move(text_); }

    static std::string number(long long value);

  private:
    void indent();
    void start(std::string_view name, Attributes attributes);
    void escaped(std::string_view text, bool attribute);

    std::string text_;
    int depth_ = 0;
};

}  // namespace noma
