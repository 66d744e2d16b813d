#pragma once

#include <QPixmap>

namespace noma {

// The program icon, 32 x 32.
QPixmap programIcon();

}  // namespace noma
