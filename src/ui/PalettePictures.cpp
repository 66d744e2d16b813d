#include "ui/PalettePictures.h"

#include "render/PalettePictures.h"
#include "ui/CanvasImage.h"

namespace noma {

QPixmap palettePicture(int mode, bool pressed) {
    const Canvas picture = render::palettePicture(mode, pressed);
    return QPixmap::fromImage(wrapCanvas(picture).copy());
}

}  // namespace noma
