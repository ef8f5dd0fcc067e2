// The icon resources of the Qt back-end: the pictures behind the icon ids the program names.
// Drawn here at any size; nothing else of the back-end draws icons.
#pragma once

#include <QIcon>

namespace platform::qt {

// The icon with that resource id; a null icon for an id the program does not have.
QIcon resource_icon(int id);

}  // namespace platform::qt
