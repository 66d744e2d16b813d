// MusicXML text or a compressed container, as the import reads it. Reading must either refuse
// with a reason or give a score whose every part it walked; laying that score out must either
// refuse with a reason or give 1..100 pages, none over its record limit.
#include <cstdlib>

#include "FuzzInput.h"
#include "document/ScoreDocument.h"
#include "interchange/MusicXmlImport.h"
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
    ScoreDocument doc;
    const Expected<interchange::ImportReport> laid =
        interchange::importScore(*score, interchange::ImportOptions{}, doc);
    if (!laid.ok()) {
        if (laid.failure().message.empty() || laid.failure().gloss.empty()) std::abort();
        return 0;
    }
    if (doc.header.pageCount < 1 || doc.header.pageCount > 100) std::abort();
    for (int page = 0; page < doc.header.pageCount; ++page) {
        if (doc.symbolCount(page) > kMaxRecords) std::abort();
    }
    return 0;
}
