#pragma once

#include <string>

#include "document/PageOperations.h"

namespace noma {

class ScoreDocument;

// The boxes of the new-score dialog, held apart from the document until OK.
// Box values are item indices, as the combo boxes hold them.
class NewScoreForm {
  public:
    // Values on activation; the pitch box starts on the document's pitch.
    void activate(int documentPitch);

    void setOrientation(int orientation);
    void setScoreTypeItem(int item);
    void setKeyItem(int item);
    void setPitchItem(int item);
    void setTopItem(int item);
    void setIntervalItem(int item);
    // The user picks stave-count item `item`; the pick is corrected for pairs and triples.
    void pickStaveItem(int item);

    int orientation() const { return orientation_; }
    int scoreTypeItem() const { return scoreTypeItem_; }
    int keyItem() const { return keyItem_; }
    int pitchItem() const { return pitchItem_; }
    int topItem() const { return topItem_; }
    int intervalItem() const { return intervalItem_; }
    // Items of the stave-count box: "　１" .. capacity; -1 selected when empty.
    int capacity() const { return capacity_; }
    int staveItem() const { return staveCount_ - 1; }
    int staveCount() const { return staveCount_; }
    int pageWidth() const;
    int pageHeight() const;
    int dialogWidth() const { return orientation_ == 1 ? 646 : 490; }
    int dialogHeight() const { return orientation_ == 1 ? 378 : 532; }

    NewScoreSetup setup() const;

  private:
    void recomputeCapacity();

    int orientation_ = 0;
    int scoreTypeItem_ = 0;
    int keyItem_ = 0;
    int pitchItem_ = 2;
    int topItem_ = 9;
    int intervalItem_ = 4;
    int capacity_ = 0;
    int staveCount_ = 0;
};

// The boxes of the add-page dialog for a new page at `target`.
class PageForm {
  public:
    void activate(const ScoreDocument& doc, int target, std::string caption);

    void setScoreTypeItem(int item);
    void setKeyItem(int item);
    void setTopItem(int item);
    void setIntervalItem(int item);
    void pickStaveItem(int item);

    const std::string& caption() const { return caption_; }
    int target() const { return target_; }
    // The read-only box: the number of the new page.
    std::string pageNumberText() const { return std::to_string(target_ + 1); }
    int scoreTypeItem() const { return setup_.scoreType - 1; }
    int keyItem() const { return setup_.keyIndex; }
    int topItem() const { return setup_.topMargin - 3; }
    int intervalItem() const { return setup_.staveInterval - 6; }
    int capacity() const { return setup_.staveCapacity; }
    int staveItem() const { return setup_.staveCount - 1; }
    int orientation() const { return orientation_; }
    int pitch() const { return pitch_; }
    int dialogWidth() const { return orientation_ == 1 ? 646 : 490; }
    int dialogHeight() const { return orientation_ == 1 ? 378 : 532; }

    const PageSetup& setup() const { return setup_; }

  private:
    void recomputeCapacity();

    std::string caption_;
    int target_ = 0;
    int orientation_ = 0;
    int pitch_ = 8;
    PageSetup setup_;
};

}  // namespace noma
