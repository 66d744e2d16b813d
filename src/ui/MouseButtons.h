#pragma once

#include <Qt>
#include <optional>

#include "editing/Editor.h"

namespace noma {

// The editor's button for a Qt button; the others (back, forward …) are not the editor's.
inline std::optional<MouseButton> buttonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace noma
