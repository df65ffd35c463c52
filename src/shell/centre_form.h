#pragma once

#include "form.h"

namespace examdeck {

// Where centring puts a window's outer edge along one axis, in twips: half
// of what the screen has beyond the window, in single precision, less the
// offset. Nothing is clamped: a window larger than the screen goes negative.
float centred_position(float screen, float window, float offset);

// Puts the window in the middle of the screen, its outer size (frame
// included, as far as the window system tells it) taken into account.
// Reading the size of a window that is not loaded loads it first.
void centre_form(forms::form& window, float x_offset = 0, float y_offset = 0);

} // namespace examdeck
