// The dialog templates 10000 to 10046: each modal dialog's title, size and controls (ids,
// kinds, texts, positions in dialog units where the design fixes them). One table, read by
// whoever opens a dialog; the dialogs' behaviour lives with their handlers.
#pragma once

#include <vector>

#include "platform/toolkit_types.h"

namespace windows {

// Every template, in id order.
const std::vector<platform::DialogTemplate>& dialog_templates();

// The template with that id; std::out_of_range when there is none.
const platform::DialogTemplate& dialog_template(int id);

}  // namespace windows
