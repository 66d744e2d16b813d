#pragma once

#include "music/Transposition.h"

namespace noma {

class Canvas;
class ScoreDocument;

// The boxes of the transposition dialog. The key and the shift keep their values between
// uses while the program runs; the page range returns to every page on each activation.
class TranspositionForm {
  public:
    void activate(const ScoreDocument& doc);

    // An empty key box (-1) selects item 0.
    void setKeyItem(int item);
    void setShiftItem(int item);
    // Held within 1..pageCount, as the up-down boxes hold them.
    void setFirstPage(int page);
    void setLastPage(int page);

    int keyItem() const { return keyItem_; }
    int shiftItem() const { return shiftItem_; }
    int firstPage() const { return firstPage_; }
    int lastPage() const { return lastPage_; }
    int pageCount() const { return pageCount_; }
    TranspositionSettings settings() const;

    // The new key signature beside both clefs, drawn into a 225 x 105 canvas.
    void drawPreview(Canvas& preview) const;

  private:
    int keyItem_ = 0;
    int shiftItem_ = kDefaultShiftItem;
    int firstPage_ = 1;
    int lastPage_ = 1;
    int pageCount_ = 1;
};

}  // namespace noma
