#pragma once

#include <QImage>

#include "platform/Canvas.h"

namespace noma {

// A QImage over the canvas pixels, no copy: valid while the canvas lives and keeps its size.
inline QImage wrapCanvas(const Canvas& canvas) {
    return QImage(reinterpret_cast<const uchar*>(canvas.data()), canvas.width(), canvas.height(),
                  canvas.strideBytes(), QImage::Format_RGB32);
}

}  // namespace noma
