#include "ui/QtFormHost.h"

#include "ui/TIchouForm.h"
#include "ui/TPageTuikaForm.h"
#include "ui/TPrint3DForm.h"
#include "ui/TSinkiForm.h"

namespace noma {

bool QtFormHost::runNewScore(NewScoreForm& form) {
    return windows_.sinki->runFor(form);
}

bool QtFormHost::runPageForm(PageForm& form) {
    return windows_.pageTuika->runFor(form);
}

bool QtFormHost::runTransposition(TranspositionForm& form) {
    return windows_.ichou->runFor(form);
}

bool QtFormHost::runPrintForm(PrintForm& form) {
    return windows_.print3D->runFor(form);
}

}  // namespace noma
