#pragma once

#include "app/FormHost.h"
#include "ui/AuxiliaryWindows.h"

namespace noma {

// Runs the layout dialogs as the real modal windows.
class QtFormHost : public FormHost {
  public:
    explicit QtFormHost(AuxiliaryWindows& windows) : windows_(windows) {}
    bool runNewScore(NewScoreForm& form) override;
    bool runPageForm(PageForm& form) override;
    bool runTransposition(TranspositionForm& form) override;
    bool runPrintForm(PrintForm& form) override;

  private:
    AuxiliaryWindows& windows_;
};

}  // namespace noma
