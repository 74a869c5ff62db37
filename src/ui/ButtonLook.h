// Which of its three images a bitmap button shows. A latched button (a
// toggle that is on) shows its pressed image, and while it is being pressed
// again its normal image, so that the press is visible either way.
#pragma once

namespace vuv {

enum class ButtonState { Normal = 0, Pressed = 1, Hovered = 2 };
enum class ButtonImage { Normal = 0, Hovered = 1, Down = 2 };

ButtonImage ButtonImageFor(ButtonState state, bool latched);

}  // namespace vuv
