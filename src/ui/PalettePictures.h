#pragma once

#include <QPixmap>

namespace noma {

QPixmap palettePicture(int mode, bool pressed);

}  // namespace noma
