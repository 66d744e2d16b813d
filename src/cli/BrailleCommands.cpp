// braille: text to cells as the braille writing window converts it.
#include "cli/BrailleCommands.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "braille/BrailleCell.h"
#include "braille/CodePageText.h"
#include "braille/HalfWidthKana.h"
#include "braille/RomajiConverter.h"
#include "braille/TextToCells.h"

namespace noma::cli {

namespace {

// The whole of standard input, less the line end a shell or an editor leaves at its end.
std::string readStandardInput() {
    std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

}  // namespace

int runBraille(Args& args) {
    if (!args.files().empty()) throw UsageError{"braille takes no file; give the text with --text"};
    if (args.has("--text") && args.has("--romaji"))
        throw UsageError{"give either --text or --romaji, not both"};
    std::string text;
    if (const auto romaji = args.value("--romaji")) {
        text = romajiToKana(*romaji);
    } else if (const auto given = args.value("--text")) {
        text = *given;
    } else {
        text = readStandardInput();
    }
    const std::string out = args.has("--kana-only")
                                ? keepCodePageCharacters(toHalfWidthKana(text)) + "\n"
                                : dotNumbers(convertEnteredText(text)) + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

}  // namespace noma::cli
