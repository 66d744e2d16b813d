#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "document/ScoreDocument.h"

namespace noma {

// One page as the history keeps it: its settings and the records in use.
struct PageSnapshot {
    PageSettings settings;
    std::vector<SymbolRecord> records;
    bool operator==(const PageSnapshot&) const = default;
};

// The multi-step history beside the classic one-step undo. It keeps a copy of the document as
// of the last step and, after each command, records what differs from it: for each changed
// page only the span of records that changed, and a page inserted or deleted as such, so that
// shifting the later pages costs nothing. Undo and redo write the document back exactly.
class EditHistory {
  public:
    static constexpr size_t kMaxSteps = 1000;
    static constexpr size_t kMaxBytes = size_t{64} << 20;

    explicit EditHistory(size_t maxSteps = kMaxSteps, size_t maxBytes = kMaxBytes);

    // Forgets every step; the document as it is now is where the history starts.
    void reset(const ScoreDocument& doc);

    // Records the changes since the last step as one step named `name`; false when nothing
    // changed. `pageBefore` is the page current when the command began, shown again on undo.
    // Steps of a `series` (the arrow keys) recorded one after another make one step.
    bool record(const ScoreDocument& doc, const std::string& name, int pageBefore,
                bool series = false);

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // The name of the step an undo or redo would act on ("" when none).
    std::string undoName() const;
    std::string redoName() const;

    // The document as before the last step (undo) or after the step last undone (redo), its
    // current page included; false, with nothing changed, when there is no such step.
    bool undo(ScoreDocument& doc);
    bool redo(ScoreDocument& doc);

    size_t stepCount() const { return steps_.size(); }
    // Memory held by the steps (the copy of the document not counted).
    size_t bytes() const { return bytes_; }
    size_t lastStepBytes() const { return steps_.empty() ? 0 : steps_.back().bytes; }

  private:
    struct PageDiff {
        int page = 0;
        PageSettings before;
        PageSettings after;
        int at = 0;                          // first record that differs
        std::vector<SymbolRecord> removed;   // before[at, at + removed.size())
        std::vector<SymbolRecord> inserted;  // after[at, at + inserted.size())
    };
    struct Meta {
        DocumentHeader header;
        int keyIndex = 0;
        int currentPage = 0;
    };
    enum class Shift { None, Inserted, Deleted };
    struct Step {
        std::string name;
        Meta before;
        Meta after;
        Shift shift = Shift::None;
        int shiftPage = 0;
        PageSnapshot shiftContent;  // the page inserted or deleted
        std::vector<PageDiff> pages;
        bool series = false;
        size_t bytes = 0;
    };

    Step diff(const ScoreDocument& doc) const;
    void forward(const Step& step);
    void backward(const Step& step);
    void writeBack(ScoreDocument& doc, int oldPageCount) const;
    void trim();

    size_t maxSteps_;
    size_t maxBytes_;
    std::vector<PageSnapshot> pages_;  // the document as of the last step
    Meta meta_;
    std::deque<Step> steps_;
    size_t position_ = 0;  // steps done; those after it can be redone
    size_t bytes_ = 0;
    bool seriesOpen_ = false;
};

// The page as the history keeps it.
PageSnapshot snapshotOf(const ScoreDocument& doc, int page);

}  // namespace noma
