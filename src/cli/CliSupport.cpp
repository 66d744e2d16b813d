#include "cli/CliSupport.h"

#include <charconv>

#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "platform/ProgramFolder.h"

namespace noma::cli {

int parseInt(std::string_view text, std::string_view what) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (!text.empty() && text[0] == '+') ++begin;
    const auto result = std::from_chars(begin, end, value);
    if (begin == end || result.ec != std::errc{} || result.ptr != end) {
        throw UsageError{std::string(what) + " needs a whole number, not '" + std::string(text) + "'"};
    }
    return value;
}

Args::Args(const Command& command, const std::vector<std::string>& words) : command_(command) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-') {
            files_.push_back(word);
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
        }
        const OptionSpec* known = nullptr;
        for (const auto& option : command_.options)
            if (option.name == name) known = &option;
        if (known == nullptr) throw UsageError{"unknown option " + name + " for " + std::string(command_.name)};
        if (values_.count(name)) throw UsageError{"option " + name + " given twice"};
        if (!known->takesValue) {
            if (inlineValue) throw UsageError{"option " + name + " takes no value"};
            values_[name] = "";
        } else if (inlineValue) {
            values_[name] = *inlineValue;
        } else {
            if (i + 1 >= words.size()) throw UsageError{"option " + name + " needs a value"};
            values_[name] = words[++i];
        }
    }
}

std::optional<std::string> Args::value(std::string_view name) const {
    const auto found = values_.find(std::string(name));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

int Args::intOption(std::string_view name, int lo, int hi, int fallback) const {
    const auto text = value(name);
    if (!text) return fallback;
    const int v = parseInt(*text, name);
    if (v < lo || v > hi) {
        throw UsageError{std::string(name) + " must be " + std::to_string(lo) + ".." +
                         std::to_string(hi) + ", not " + std::to_string(v)};
    }
    return v;
}

int Args::choiceOption(std::string_view name, const std::vector<std::string_view>& choices,
                       int fallback) const {
    const auto text = value(name);
    if (!text) return fallback;
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == *text) return static_cast<int>(i);
    std::string list;
    for (const auto& c : choices) {
        if (!list.empty()) list += '|';
        list += c;
    }
    throw UsageError{std::string(name) + " must be " + list + ", not '" + *text + "'"};
}

const std::string& Args::inputFile() const {
    if (files_.size() != 1) {
        throw UsageError{std::string(command_.name) + " needs exactly one input file"};
    }
    return files_[0];
}

std::string Args::outputFile() const {
    const auto out = value("-o");
    if (!out || out->empty()) throw UsageError{std::string(command_.name) + " needs -o OUT"};
    return *out;
}

std::string Args::folder() const {
    if (const auto dir = value("--folder")) return *dir;
    return defaultProgramFolder();
}

void loadScore(const std::string& path, ScoreDocument& doc) {
    if (auto failure = readScoreFile(path, doc)) throw Refused{*failure};
}

void saveScore(const ScoreDocument& doc, const std::string& path) {
    if (auto failure = writeScoreFile(doc, path)) throw Refused{*failure};
}

}  // namespace noma::cli
