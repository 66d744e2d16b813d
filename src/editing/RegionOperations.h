#pragma once

#include "editing/EditState.h"

namespace noma {

class ScoreDocument;

// Sets the selection's rectangle from two raw corners and selects every record of the page
// whose hot position lies inside, bounds included. Returns false when more than 500 records
// qualified (only the first 500 are kept).
bool selectRegion(const ScoreDocument& doc, int page, Point corner1, Point corner2,
                  RegionSelection& selection);

// Removes the selected records (by their stored indices) and compacts the page in one pass.
void removeSelected(ScoreDocument& doc, int page, const RegionSelection& selection);

// The copy of a selected record dropped `dc` columns and `dr` rows away; fields the kind does
// not use are 0.
SymbolRecord droppedCopy(const SymbolRecord& record, int dc, int dr, int pitch);

// Appends the dropped copies of every entry; nothing at all when they would not all fit.
bool applySelection(ScoreDocument& doc, int page, const RegionSelection& selection, int dc, int dr);

// The column and page row that put the region's middle under the pointer.
Point regionTargetAt(const RegionSelection& selection, int x, int y, int pitch);

}  // namespace noma
