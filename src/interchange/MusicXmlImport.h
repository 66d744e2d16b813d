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

// A measure or note the layout could not set as it should, told in both languages: English
// on the command line's standard error, Japanese in the editor.
struct ImportWarning {
    std::string english;
    std::string japanese;
};

// What the user is told beside the imported score.
struct ImportReport {
    NotShown notShown;
    std::vector<ImportWarning> warnings;
};

// Lays the score out as tactile pages and replaces the document by them (only when the whole
// import succeeds); the document is open on page 0, unchanged since it was made.
Expected<ImportReport> importScore(const musicxml::Score& score, const ImportOptions& options,
                                   ScoreDocument& doc);

}  // namespace noma::interchange
