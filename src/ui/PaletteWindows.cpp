#include "ui/PaletteWindows.h"

#include "ui/AuxiliaryWindows.h"
#include "ui/TGuitarForm.h"
#include "ui/TKigouKinyuuForm.h"
#include "ui/TPianoForm.h"
#include "ui/TRikodaForm.h"

namespace noma {

void refreshPaletteWindows(AuxiliaryWindows& windows) {
    if (windows.kigouKinyuu) windows.kigouKinyuu->refreshPicture();
    if (windows.piano) windows.piano->refreshPicture();
    if (windows.rikoda) windows.rikoda->refreshPicture();
    if (windows.guitar) windows.guitar->refreshPicture();
}

}  // namespace noma
