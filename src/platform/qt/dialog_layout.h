// Where a dialog's controls go when its template leaves their place open, the size of a template
// that leaves its size open, and dialog units in pixels. Arithmetic on the template only: it
// creates no widget and reads no font.
#pragma once

#include <vector>

#include "platform/toolkit_types.h"

namespace platform::qt {

// Dialog units of a font: a quarter of its average character width across, an eighth of its
// height down.
struct DialogUnits {
    int base_x = 6;   // average character width, pixels
    int base_y = 13;  // character height, pixels

    int x_pixels(int units) const;
    int y_pixels(int units) const;
    int x_units(int pixels) const;
    int y_units(int pixels) const;
    Rect to_pixels(Rect units) const;
};

// The template's size in dialog units (0, 0, width, height); taller when the controls it leaves
// unplaced need more room; one that fits its controls when it leaves its size open.
Rect dialog_size(const DialogTemplate& form);

// Every control's rectangle in dialog units, in template order, for a dialog of that size: its
// own when the template gives one; otherwise in rows from the top, each label right above the
// field or list it names, lists and text areas sharing the height that is left, and the push
// buttons side by side, centred, at the bottom.
std::vector<Rect> place_controls(const DialogTemplate& form, int width, int height);

}  // namespace platform::qt
