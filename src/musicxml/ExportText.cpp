#include "musicxml/ExportText.h"

#include <charconv>

namespace noma {

void XmlText::declaration() {
    text_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
}

void XmlText::indent() {
    text_.append(static_cast<size_t>(2 * depth_), ' ');
}

void XmlText::start(std::string_view name, Attributes attributes) {
    indent();
    text_ += '<';
    text_ += name;
    for (const auto& [key, value] : attributes) {
        text_ += ' ';
        text_ += key;
        text_ += "=\"";
        escaped(value, true);
        text_ += '"';
    }
}

void XmlText::open(std::string_view name, Attributes attributes) {
    start(name, attributes);
    text_ += ">\n";
    ++depth_;
}

void XmlText::close(std::string_view name) {
    --depth_;
    indent();
    text_ += "</";
    text_ += name;
    text_ += ">\n";
}

void XmlText::empty(std::string_view name, Attributes attributes) {
    start(name, attributes);
    text_ += "/>\n";
}

void XmlText::leaf(std::string_view name, std::string_view text) {
    start(name, {});
    text_ += '>';
    escaped(text, false);
    text_ += "</";
    text_ += name;
    text_ += ">\n";
}

void XmlText::escaped(std::string_view text, bool attribute) {
    // Numbers and names mostly: nothing to escape.
    if (text.find_first_of("&<>\"") == std::string_view::npos) {
        text_ += text;
        return;
    }
    for (const char c : text) {
        switch (c) {
            case '&':
                text_ += "&amp;";
                break;
            case '<':
                text_ += "&lt;";
                break;
            case '>':
                text_ += "&gt;";
                break;
            case '"':
                if (attribute) {
                    text_ += "&quot;";
                    break;
                }
                text_ += c;
                break;
            default:
                text_ += c;
                break;
        }
    }
}

std::string XmlText::number(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace noma
