#pragma once

#include <functional>

#include "app/FormHost.h"
#include "app/LayoutForms.h"
#include "app/TranspositionForm.h"
#include "printing/PrintForm.h"

namespace noma {

// Fills the layout dialogs from code, for tests and scripted sessions: each dialog is filled
// by the given function (the defaults stay when none is set) and closed with OK unless told
// otherwise.
class ScriptedFormHost : public FormHost {
  public:
    std::function<void(NewScoreForm&)> fillNewScore;
    std::function<void(PageForm&)> fillPageForm;
    std::function<void(TranspositionForm&)> fillTransposition;
    // The print dialog: what the user does in it; true when it printed.
    std::function<bool(PrintForm&)> usePrintForm;
    int printFormShown = 0;
    bool pressOk = true;
    int newScoreShown = 0;
    int pageFormShown = 0;
    int transpositionShown = 0;
    std::string lastPageCaption;
    std::string lastPageNumber;

    bool runNewScore(NewScoreForm& form) override {
        ++newScoreShown;
        if (fillNewScore) fillNewScore(form);
        return pressOk;
    }
    bool runPageForm(PageForm& form) override {
        ++pageFormShown;
        lastPageCaption = form.caption();
        lastPageNumber = form.pageNumberText();
        if (fillPageForm) fillPageForm(form);
        return pressOk;
    }
    bool runTransposition(TranspositionForm& form) override {
        ++transpositionShown;
        if (fillTransposition) fillTransposition(form);
        return pressOk;
    }
    bool runPrintForm(PrintForm& form) override {
        ++printFormShown;
        return usePrintForm ? usePrintForm(form) : false;
    }
};

}  // namespace noma
