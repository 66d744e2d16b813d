#include "ui/EditorWindows.h"

#include "ui/TAllPageForm.h"
#include "ui/TBeepForm.h"
#include "ui/TForm1.h"
#include "ui/TGuitarForm.h"
#include "ui/THelpForm.h"
#include "ui/TIchouForm.h"
#include "ui/TKensakuForm.h"
#include "ui/TKigouForm.h"
#include "ui/TKigouKinyuuForm.h"
#include "ui/TMusicXmlForm.h"
#include "ui/TOptionForm.h"
#include "ui/TPageTuikaForm.h"
#include "ui/TPianoForm.h"
#include "ui/TPrint3DForm.h"
#include "ui/TPrint3DPreviewForm.h"
#include "ui/TRikodaForm.h"
#include "ui/TSinkiForm.h"
#include "ui/TTenjiForm.h"
#include "ui/TTenjiIchiranForm.h"
#include "ui/TVersionForm.h"

namespace noma {

EditorWindows::EditorWindows(Workspace& workspace, AuxiliaryWindows& windows)
    : windows_(windows), main_(std::make_unique<TForm1>(workspace, windows_)) {
    TForm1* main = main_.get();
    windows_.print3D = new TPrint3DForm(workspace, main);
    windows_.sinki = new TSinkiForm(main);
    windows_.pageTuika = new TPageTuikaForm(main);
    windows_.tenji = new TTenjiForm(workspace, main);
    windows_.help = new THelpForm(main);
    windows_.allPage = new TAllPageForm(workspace, main);
    windows_.beep = new TBeepForm(workspace, main);
    windows_.version = new TVersionForm(main);
    windows_.option = new TOptionForm(workspace, main);
    windows_.kigou = new TKigouForm(workspace, main);
    windows_.kigouKinyuu = new TKigouKinyuuForm(workspace, *main);
    windows_.piano = new TPianoForm(workspace, *main);
    windows_.rikoda = new TRikodaForm(workspace, *main);
    windows_.guitar = new TGuitarForm(workspace, *main);
    windows_.kensaku = new TKensakuForm(workspace, main);
    windows_.ichou = new TIchouForm(main);
    windows_.tenjiIchiran = new TTenjiIchiranForm(main);
    windows_.musicXml = new TMusicXmlForm(workspace, main);
    windows_.print3DPreview = new TPrint3DPreviewForm(workspace, *windows_.print3D, main);
    TPrint3DPreviewForm* preview = windows_.print3DPreview;
    TPrint3DForm* print3D = windows_.print3D;
    QObject::connect(print3D, &TPrint3DForm::strengthChanged, preview,
                     &TPrint3DPreviewForm::strengthChanged);
    QObject::connect(print3D, &TPrint3DForm::previewRequested, preview,
                     [preview, print3D] { preview->showPreview(print3D); });
    QObject::connect(windows_.allPage, &TAllPageForm::pageChosen, main, &TForm1::refresh);
    QObject::connect(windows_.beep, &TBeepForm::changed, main, &TForm1::refresh);
    QObject::connect(windows_.musicXml, &TMusicXmlForm::changed, main, &TForm1::refresh);
    QObject::connect(windows_.kensaku, &TKensakuForm::changed, main, &TForm1::refresh);
    QObject::connect(windows_.tenji, &TTenjiForm::changed, main, &TForm1::refresh);
}

EditorWindows::~EditorWindows() = default;

}  // namespace noma
