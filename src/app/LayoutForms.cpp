#include "app/LayoutForms.h"

#include <algorithm>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"

namespace noma {

namespace {

// A combo box change with nothing selected selects item 0.
int itemOrFirst(int item) {
    return item < 0 ? 0 : item;
}

}  // namespace

void NewScoreForm::activate(int documentPitch) {
    orientation_ = 0;
    scoreTypeItem_ = 0;
    keyItem_ = 0;
    pitchItem_ = std::clamp(documentPitch, kMinPitch, kMaxPitch) - 6;
    topItem_ = 9;
    intervalItem_ = 4;
    recomputeCapacity();
}

void NewScoreForm::setOrientation(int orientation) {
    orientation_ = orientation == 1 ? 1 : 0;
    recomputeCapacity();
}

void NewScoreForm::setScoreTypeItem(int item) {
    scoreTypeItem_ = std::clamp(itemOrFirst(item), 0, 3);
    recomputeCapacity();
}

void NewScoreForm::setKeyItem(int item) {
    keyItem_ = std::clamp(itemOrFirst(item), 0, kKeyCount - 1);
}

void NewScoreForm::setPitchItem(int item) {
    pitchItem_ = std::clamp(item, 0, kMaxPitch - kMinPitch);
    recomputeCapacity();
}

void NewScoreForm::setTopItem(int item) {
    topItem_ = std::clamp(item, 0, kMaxTopMargin - kMinTopMargin);
    recomputeCapacity();
}

void NewScoreForm::setIntervalItem(int item) {
    intervalItem_ = std::clamp(item, 0, kMaxStaveInterval - kMinStaveInterval);
    recomputeCapacity();
}

void NewScoreForm::pickStaveItem(int item) {
    if (item < 0 || item >= capacity_) return;
    staveCount_ = correctStaveCount(item + 1, scoreTypeItem_ + 1, capacity_);
}

int NewScoreForm::pageWidth() const {
    return noma::pageWidth(orientation_);
}
int NewScoreForm::pageHeight() const {
    return noma::pageHeight(orientation_);
}

void NewScoreForm::recomputeCapacity() {
    capacity_ = staveCapacity(orientation_, pitchItem_ + 6, topItem_ + 3, intervalItem_ + 6,
                              scoreTypeItem_ + 1);
    staveCount_ = capacity_;
}

NewScoreSetup NewScoreForm::setup() const {
    return {orientation_, scoreTypeItem_ + 1, keyItem_,   pitchItem_ + 6,
            topItem_ + 3, intervalItem_ + 6,  staveCount_};
}

void PageForm::activate(const ScoreDocument& doc, int target, std::string caption) {
    caption_ = std::move(caption);
    target_ = target;
    orientation_ = doc.header.orientation;
    pitch_ = doc.header.verticalPitch;
    setup_ = pageSetupDefaults(doc, target);
}

void PageForm::setScoreTypeItem(int item) {
    setup_.scoreType = std::clamp(itemOrFirst(item), 0, 3) + 1;
    recomputeCapacity();
}

void PageForm::setKeyItem(int item) {
    setup_.keyIndex = std::clamp(itemOrFirst(item), 0, kKeyCount - 1);
}

void PageForm::setTopItem(int item) {
    setup_.topMargin = std::clamp(item, 0, kMaxTopMargin - kMinTopMargin) + 3;
    recomputeCapacity();
}

void PageForm::setIntervalItem(int item) {
    setup_.staveInterval = std::clamp(item, 0, kMaxStaveInterval - kMinStaveInterval) + 6;
    recomputeCapacity();
}

void PageForm::pickStaveItem(int item) {
    if (item < 0 || item >= setup_.staveCapacity) return;
    setup_.staveCount = correctStaveCount(item + 1, setup_.scoreType, setup_.staveCapacity);
}

void PageForm::recomputeCapacity() {
    noma::recomputeCapacity(orientation_, pitch_, setup_);
}

}  // namespace noma
