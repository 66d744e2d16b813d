// braille: text to cells as the braille writing window converts it.
#include "cli/BrailleCommands.h"

#include <iostream>
#include <iterator>
#include <string>

#include "braille/BrailleCell.h"
#include "braille/CodePageText.h"
#include "braille/HalfWidthKana.h"
#include "braille/RomajiConverter.h"
#include "braille/TextToCells.h"
#include "platform/Utf8.h"

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
    // Nothing is silently dropped: text the cells cannot say is refused, naming what it is.
    if (!isWellFormedUtf8(text)) {
        throw Refused{{"文字コードがＵＴＦ－８ではありません。", "the text is not UTF-8"}};
    }
    if (const std::string missing = charactersWithoutCells(text); !missing.empty()) {
        throw Refused{{kCharactersWithoutCellsMessage + missing,
                       "characters that cannot be written in braille: " + missing}};
    }
    writeOut(args.has("--kana-only") ? keepCodePageCharacters(toHalfWidthKana(text)) + "\n"
                                     : dotNumbers(convertEnteredText(text)) + "\n");
    return kExitOk;
}

}  // namespace noma::cli
