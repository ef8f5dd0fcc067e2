// The creators of the document windows inside the main window: each window's title, rectangle,
// style and kind in one table, and one creator per window that opens it with a handler. What
// happens inside a window is its handler's business; creators never fill or read windows.
#pragma once

#include <functional>
#include <vector>

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

// The handler of a window or dialog of the program: true when it handled the event, false when
// it declines it and the toolkit's default applies.
using WindowHandler = std::function<bool(kb::Context&, const platform::Event&)>;

enum class DocumentWindow {
    Wstep,                         // the intro window
    Przeglad,                      // the viewer (read-only text)
    Edycja,                        // the editor (editable text)
    PrzegladRegul,
    PrzegladModeliElementarnych,
    PrzegladModeliRozwinietych,
    PrzegladModeliLiniowych,
    PrzegladModeliWielomianowych,
    PrzegWarArgDopyt,
    PrzegladOgraniczen,
    PrzegladOgraniczenNiepewnych,  // the twin of PrzegladOgraniczen over the uncertain constraints
    PrzegladGrafiki,
};

struct DocumentWindowForm {
    DocumentWindow which;
    platform::WindowKind kind;
    const char* title;
    platform::Rect rect;  // in the main window's client coordinates
    unsigned style;
    bool read_only;       // text windows only
};

// Every document window, one row each.
const std::vector<DocumentWindowForm>& document_window_forms();
const DocumentWindowForm& document_window_form(DocumentWindow which);

// Opens a document window of the table as a child of `parent` (kNoWindow: the main window) and
// returns at once; the window lives until it is closed. Text windows wrap lines as asked; the
// editor carries its own menu.
platform::WindowId create_document_window(kb::Context& ctx, DocumentWindow which, platform::WindowId parent,
                                          WindowHandler handler, bool word_wrap = false, platform::Menu menu = {});

// One creator per window, named after it. The viewer and editor creators take the wrapping
// their callers asked the user about.
platform::WindowId win_przeglad_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler,
                                       bool word_wrap);
platform::WindowId win_edycja_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler,
                                     bool word_wrap, platform::Menu menu);
platform::WindowId win_przeglad_regul_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::WindowId win_przeglad_modeli_elementarnych_Create(kb::Context& ctx, platform::WindowId parent,
                                                            WindowHandler handler);
platform::WindowId win_przeglad_modeli_rozwinietych_Create(kb::Context& ctx, platform::WindowId parent,
                                                           WindowHandler handler);
platform::WindowId win_przeglad_modeli_liniowych_Create(kb::Context& ctx, platform::WindowId parent,
                                                        WindowHandler handler);
platform::WindowId win_przeglad_modeli_wielomianowych_Create(kb::Context& ctx, platform::WindowId parent,
                                                             WindowHandler handler);
platform::WindowId win_przeg_war_arg_dopyt_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::WindowId win_przeglad_ograniczen_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);
platform::WindowId win_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler);

}  // namespace windows
