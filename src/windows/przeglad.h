// The viewer window "Przegląd": one read-only text (a base file, a report, a description, a list a
// command produced) in a document window. Whoever opens it puts the text into the dialog data
// channel first; the window only shows it and never changes a fact.
#pragma once

#include <string>

#include "kb/context.h"
#include "platform/toolkit_types.h"
#include "windows/okna.h"

namespace windows {

inline constexpr const char* kViewerClosedTitle = "velk_QZ";

// The viewer's handler: shows the first `dane_str` at creation; its close request destroys it and
// renews the auxiliary window; its destruction sets the main window's title to "velk_QZ".
bool win_przeglad_eh(kb::Context& ctx, const platform::Event& event);

// Asks "Czy zawijać tekst?" and opens a viewer on the first `dane_str`, wrapping long lines when
// the answer was "&Tak". Returns at once; the window lives until it is closed.
platform::WindowId win_przeglad_Create(kb::Context& ctx, platform::WindowId parent);

// The opener's steps in one: `dane_str` replaced by the text, then the viewer opened over the main window.
platform::WindowId show_text(kb::Context& ctx, const std::string& text);

}  // namespace windows
