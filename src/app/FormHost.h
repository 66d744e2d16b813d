#pragma once

namespace noma {

class NewScoreForm;
class PageForm;
class PrintForm;
class TranspositionForm;

// Shows the modal layout dialogs. The editor shows the real windows; tests and scripted
// sessions fill the forms themselves.
class FormHost {
  public:
    virtual ~FormHost() = default;
    // True when the dialog was closed with OK.
    virtual bool runNewScore(NewScoreForm& form) = 0;
    virtual bool runPageForm(PageForm& form) = 0;
    // True when the transposition dialog was closed with "実行".
    virtual bool runTransposition(TranspositionForm& form) = 0;
    // The print dialog; true when it printed.
    virtual bool runPrintForm(PrintForm& form) = 0;
};

}  // namespace noma
