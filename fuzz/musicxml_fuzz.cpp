// MusicXML text or a compressed container, as the import reads it. Reading must either refuse
// with a reason or give a score whose every part it walked.
#include <cstdlib>

#include "FuzzInput.h"
#include "musicxml/MxlContainer.h"
#include "musicxml/ScoreReader.h"

using namespace noma;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto bytes = fuzz::asText(data, size);
    Expected<musicxml::Score> score = [&]() -> Expected<musicxml::Score> {
        if (!musicxml::looksLikeZip(bytes)) return musicxml::readScoreText(bytes);
        Expected<std::string> text = musicxml::extractRootFile(bytes);
        if (!text.ok()) return text.failure();
        return musicxml::readScoreText(*text);
    }();
    if (!score.ok()) {
        if (score.failure().message.empty() || score.failure().gloss.empty()) std::abort();
        return 0;
    }
    if (score->parts.empty()) std::abort();
    return 0;
}
