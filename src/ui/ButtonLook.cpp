#include "ui/ButtonLook.h"

namespace vuv {

ButtonImage ButtonImageFor(ButtonState state, bool latched)
{
    if (latched)
        return state == ButtonState::Pressed ? ButtonImage::Normal : ButtonImage::Down;
    switch (state) {
    case ButtonState::Hovered:
        return ButtonImage::Hovered;
    case ButtonState::Pressed:
        return ButtonImage::Down;
    default:
        return ButtonImage::Normal;
    }
}

}  // namespace vuv
