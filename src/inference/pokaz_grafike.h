// The picture dialog 10019 over the main window, showing the picture whose path is the first
// `dane_graf`; it returns when the user has closed it. It lives in a file of its own so that the
// dialog's own handler plugs in here.
#pragma once

#include "kb/context.h"

namespace inference {

void pokaz_grafike(kb::Context& ctx);

}  // namespace inference
