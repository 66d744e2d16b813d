#include "ui/ProgramIcon.h"

#include "render/PalettePictures.h"
#include "ui/CanvasImage.h"

namespace noma {

QPixmap programIcon() {
    const Canvas icon = render::programIconPicture(32);
    return QPixmap::fromImage(wrapCanvas(icon).copy());
}

}  // namespace noma
