#pragma once

namespace noma {

class ScoreDocument;

// What the new-score dialog's OK hands over.
struct NewScoreSetup {
    int orientation = 0;
    int scoreType = 1;
    int keyIndex = 0;
    int verticalPitch = 8;
    int topMargin = 12;
    int staveInterval = 10;
    int staveCount = 0;  // already corrected against the capacity
};

// What the add-page dialog's OK hands over for the new page.
struct PageSetup {
    int scoreType = 1;
    int keyIndex = 0;
    int topMargin = 12;
    int staveInterval = 10;
    int staveCount = 0;
    int staveCapacity = 0;
};

// Replaces the document by a one-page score with its staves; the document is open,
// on page 0, unchanged, with no tool armed.
void createNewScore(ScoreDocument& doc, const NewScoreSetup& setup);

// The add-page dialog's values on activation for a new page at `target`: taken from the page
// before it (page 0 itself for target 0), the key from the document's keyIndex, the capacity
// recomputed and the stave count at the capacity.
PageSetup pageSetupDefaults(const ScoreDocument& doc, int target);

// Recomputes the setup's capacity after a change of type, top margin or interval; the stave
// count is reset to the capacity, as the stave-count box does.
void recomputeCapacity(int orientation, int pitch, PageSetup& setup);

// Inserts a new page at `target` (0..pageCount; pageCount appends), moving the later pages up,
// and constructs its staves in the add-page order; the new page becomes current.
// False, with nothing changed, when the document already has 100 pages.
bool insertPage(ScoreDocument& doc, int target, const PageSetup& setup);

// Deletes page `page`, moving the later pages down; a one-page document keeps its page, emptied.
// The current page becomes the page before when the last page was deleted.
void deletePage(ScoreDocument& doc, int page);

inline constexpr const char* kTooManyPagesMessage = "１００ページを超えるデータは作成できません。";

}  // namespace noma
