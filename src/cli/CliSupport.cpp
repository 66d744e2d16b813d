#include "cli/CliSupport.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileIo.h"
#include "platform/ProgramFolder.h"

namespace noma::cli {

int parseInt(std::string_view text, std::string_view what) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (!text.empty() && text[0] == '+') ++begin;
    const auto result = std::from_chars(begin, end, value);
    if (begin == end || result.ec != std::errc{} || result.ptr != end) {
        throw UsageError{std::string(what) + " needs a whole number, not '" + std::string(text) +
                         "'"};
    }
    return value;
}

void requireExtension(const std::string& path, std::string_view extension,
                      std::string_view option) {
    const auto lower = [](std::string_view text) {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return out;
    };
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() <= extension.size() ||
        lower(name.substr(name.size() - extension.size())) != lower(extension)) {
        throw UsageError{std::string(option) + " must name a " + std::string(extension) +
                         " file, not '" + path + "'"};
    }
}

void checkOutputs(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs,
                  const std::string& editedInput) {
    for (size_t i = 0; i < outputs.size(); ++i) {
        const std::string& out = outputs[i];
        if (Status allowed = outputAllowed(out); !allowed.ok()) {
            throw Refused{saveFailure(out, allowed.failure())};
        }
        for (const std::string& in : inputs) {
            if (in == editedInput || !(in == out || sameFile(in, out))) continue;
            throw Refused{{"入力ファイルには書き込めません。\n" + out,
                           "the output " + out + " is the input " + in}};
        }
        for (size_t j = 0; j < i; ++j) {
            if (outputs[j] == out || sameFile(outputs[j], out)) {
                throw Refused{{"二つの出力先が同じファイルです。\n" + out,
                               "two outputs name the same file " + out}};
            }
        }
    }
}

void writeOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    checkStandardOutput();
}

void checkStandardOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        const int error = errno;
        throw Refused{
            {"標準出力に書き込めませんでした。",
             std::string("cannot write to standard output") +
                 (error != 0 ? std::string(": ") + std::strerror(error) : std::string())}};
    }
}

Args::Args(const Command& command, const std::vector<std::string>& words) : command_(command) {
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
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
        if (known == nullptr)
            throw UsageError{"unknown option " + name + " for " + std::string(command_.name)};
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
    if (const auto dir = value("--folder"); dir && dir->empty())
        throw UsageError{"--folder needs a folder name"};
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

std::string Args::outputFile(std::string_view extension) const {
    const auto out = value("-o");
    if (!out || out->empty())
        throw UsageError{std::string(command_.name) + " needs -o OUT" + std::string(extension)};
    requireExtension(*out, extension, "-o");
    return *out;
}

std::string Args::folder() const {
    if (const auto dir = value("--folder")) return *dir;
    Expected<std::string> folder = defaultProgramFolder();
    if (!folder.ok()) {
        throw Refused{{folder.failure().message, folder.failure().gloss + ", or give --folder"}};
    }
    return std::move(folder).value();
}

PageRange pageRange(const Args& args, int pageCount, const Failure& nothing) {
    const auto text = args.value("--pages");
    if (!text) return {1, pageCount};
    const auto dash = text->find('-');
    const int first = parseInt(text->substr(0, dash), "--pages");
    const int last =
        dash == std::string::npos ? first : parseInt(text->substr(dash + 1), "--pages");
    for (int page : {first, last}) {
        if (page < 1 || page > pageCount) {
            throw UsageError{"--pages must lie within 1.." + std::to_string(pageCount) + ", not " +
                             std::to_string(page)};
        }
    }
    if (first > last) throw Refused{nothing};
    return {first, last};
}

void refuseUnlessOk(const Status& status) {
    if (!status.ok()) throw Refused{status.failure()};
}

void loadScore(const std::string& path, ScoreDocument& doc) {
    refuseUnlessOk(readScoreFile(path, doc));
}

void saveScore(const ScoreDocument& doc, const std::string& path) {
    refuseUnlessOk(writeScoreFile(doc, path));
}

}  // namespace noma::cli
