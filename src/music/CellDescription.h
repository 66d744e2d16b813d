#pragma once

#include <string>
#include <vector>

#include "music/PageDescription.h"

namespace noma {

class ScoreDocument;

// What the page cursor says at a cell of page `page` (0-based): the symbols standing there, then
// the stave whose rows hold it with the pitch of the row and the measure of the column, as
// "４分音符、ト音記号の段 1、ソ5、第3小節". `staves` is the page as readStavesAloud reads it with
// both clefs.
std::string describeCell(const ScoreDocument& doc, int page, int column, int row,
                         const std::vector<StaveReading>& staves);

// The reading of the stave holding `row` on the page, when there is one.
const StaveReading* staveAtRow(const ScoreDocument& doc, int page, int row,
                               const std::vector<StaveReading>& staves);

}  // namespace noma
