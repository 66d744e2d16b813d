#pragma once

#include <array>
#include <vector>

#include "document/ScoreDocument.h"
#include "platform/Geometry.h"

namespace noma {

constexpr int kMaxSelection = 500;

// The records found inside a region, with their indices at selection time; a paste fills it
// from the clipboard file instead (the indices are then meaningless).
struct RegionSelection {
    struct Entry {
        SymbolRecord record;
        int index = 0;
    };
    std::vector<Entry> entries;  // at most kMaxSelection
    int left = 0;                // L, grid columns
    int top = 0;                 // T, grid rows from the page's top edge
    int right = 0;               // R
    int bottom = 0;              // B
    int count() const { return static_cast<int>(entries.size()); }
};

// What the last edit did, for undo and the arrow keys.
enum LastEdit : int {
    kNothingToUndo = 0,   // after a step of the edit history: undo and the arrows do nothing
    kAppended = 1,        // records appended one by one
    kRegionRemoved = 2,   // the selection was removed
    kRegionAppended = 3,  // the selection was appended at the drop offset
    kRegionMoved = 4,     // appended at the drop offset and the sources removed
    kRecordRemoved = 5,   // one record removed; its copy is removedRecord
    kRecordMoved = 6,  // the record at pickedIndex moved in place; removedRecord is its old state
};

// The gesture variables of the pointer, the region tools and the one step of edit history.
struct EditState {
    Point pointerPoint;
    int rubberDx = 0;
    int rubberDy = 0;
    Point slurP1;
    Point slurP2;
    int pickedIndex = 0;
    int pickedKind = 0;
    int savedMode = 0;
    bool dragging = false;
    SymbolRecord removedRecord;
    int lastEditKind = kAppended;

    Point regionCorner1;
    Point regionCorner2;
    Point regionTarget;  // column and page row of the region's top-left corner
    RegionSelection selection;
};

}  // namespace noma
