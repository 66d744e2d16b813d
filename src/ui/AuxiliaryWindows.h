#pragma once

namespace noma {

class TPrint3DForm;
class TPrint3DPreviewForm;
class TSinkiForm;
class TPageTuikaForm;
class TTenjiForm;
class TTenjiIchiranForm;
class THelpForm;
class TAllPageForm;
class TVersionForm;
class TOptionForm;
class TBeepForm;
class TMusicXmlForm;
class TKensakuForm;
class TIchouForm;
class TKigouForm;
class TKigouKinyuuForm;
class TPianoForm;
class TRikodaForm;
class TGuitarForm;

// The windows besides the main window, created once at start-up after it, in the program's
// order, and only shown and hidden afterwards.
struct AuxiliaryWindows {
    TPrint3DForm* print3D = nullptr;
    TSinkiForm* sinki = nullptr;
    TPageTuikaForm* pageTuika = nullptr;
    TTenjiForm* tenji = nullptr;
    THelpForm* help = nullptr;
    TAllPageForm* allPage = nullptr;
    TBeepForm* beep = nullptr;
    TVersionForm* version = nullptr;
    TOptionForm* option = nullptr;
    TKigouForm* kigou = nullptr;
    TKigouKinyuuForm* kigouKinyuu = nullptr;
    TPianoForm* piano = nullptr;
    TRikodaForm* rikoda = nullptr;
    TGuitarForm* guitar = nullptr;
    TKensakuForm* kensaku = nullptr;
    TIchouForm* ichou = nullptr;
    TTenjiIchiranForm* tenjiIchiran = nullptr;
    TMusicXmlForm* musicXml = nullptr;
    TPrint3DPreviewForm* print3DPreview = nullptr;
};

}  // namespace noma
