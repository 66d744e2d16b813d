#include "document/PageOperations.h"

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/StaffConstruction.h"

namespace noma {

void createNewScore(ScoreDocument& doc, const NewScoreSetup& setup) {
    doc.header = {1, setup.verticalPitch, setup.orientation};
    PageSettings& page = doc.settings(0);
    page.scoreType = setup.scoreType;
    page.topMargin = setup.topMargin;
    page.staveInterval = setup.staveInterval;
    page.staveCapacity = staveCapacity(setup.orientation, setup.verticalPitch, setup.topMargin,
                                       setup.staveInterval, setup.scoreType);
    page.staveCount = setup.staveCount;
    doc.keyIndex = setup.keyIndex;
    doc.clearSymbols();
    constructStaves(doc, 0, setup.keyIndex, ConstructionOrder::NewScore);
    doc.currentPage = 0;
    doc.interactionState = kIdle;
    doc.dataChanged = false;
    doc.toolMode = 0;
}

PageSetup pageSetupDefaults(const ScoreDocument& doc, int target) {
    const PageSettings& from = doc.settings(target > 0 ? target - 1 : 0);
    PageSetup setup;
    setup.scoreType = from.scoreType;
    setup.keyIndex = doc.keyIndex;
    setup.topMargin = from.topMargin;
    setup.staveInterval = from.staveInterval;
    recomputeCapacity(doc.header.orientation, doc.header.verticalPitch, setup);
    return setup;
}

void recomputeCapacity(int orientation, int pitch, PageSetup& setup) {
    setup.staveCapacity =
        staveCapacity(orientation, pitch, setup.topMargin, setup.staveInterval, setup.scoreType);
    setup.staveCount = setup.staveCapacity;
}

bool insertPage(ScoreDocument& doc, int target, const PageSetup& setup) {
    const int count = doc.header.pageCount;
    if (count >= kMaxPages || target < 0 || target > count) return false;
    for (int k = count - 1; k >= target; --k) doc.copyPage(k, k + 1);
    doc.clearPage(target);
    doc.header.pageCount = count + 1;
    doc.currentPage = target;

    PageSettings& page = doc.settings(target);
    page.scoreType = setup.scoreType;
    page.topMargin = setup.topMargin;
    page.staveInterval = setup.staveInterval;
    page.staveCount = setup.staveCount;
    page.staveCapacity = setup.staveCapacity;
    doc.keyIndex = setup.keyIndex;
    constructStaves(doc, target, setup.keyIndex, ConstructionOrder::AddPage);
    return true;
}

void deletePage(ScoreDocument& doc, int page) {
    const int count = doc.header.pageCount;
    if (page < 0 || page >= count) return;
    doc.clearPage(page);
    if (count > 1) {
        for (int k = page; k <= count - 2; ++k) {
            doc.clearPage(k);
            doc.copyPage(k + 1, k);
        }
        doc.header.pageCount = count - 1;
    }
    if (page == doc.header.pageCount && page > 0) {
        doc.currentPage = page - 1;
    } else {
        doc.currentPage = page;
    }
}

}  // namespace noma
