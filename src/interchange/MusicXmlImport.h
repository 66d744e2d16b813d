#pragma once

#include <string>
#include <vector>

#include "document/ScoreDocument.h"
#include "interchange/StaffMusic.h"
#include "musicxml/Score.h"
#include "platform/Status.h"

namespace noma::interchange {

struct ImportOptions {
    std::vector<int> parts;  // 1-based, in score order; empty for every part
    int pitch = 8;
    int orientation = 0;
    int topMargin = 12;
    int interval = 10;
    bool intervalGiven = false;  // otherwise widened (up to 20) until every note is read
};

// What the user is told beside the imported score.
struct ImportReport {
    NotShown notShown;
    std::vector<std::string> warnings;  // English lines for standard error
};

// Lays the score out as tactile pages and replaces the document by them (only when the whole
// import succeeds); the document is open on page 0, unchanged since it was made.
Expected<ImportReport> importScore(const musicxml::Score& score, const ImportOptions& options,
                                   ScoreDocument& doc);

// "not shown: 2 × trill, 1 × turn", most frequent first; "" when everything was shown.
std::string notShownText(const NotShown& notShown);

}  // namespace noma::interchange
