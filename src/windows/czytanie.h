// The two reading dialogs: the description dialog 10030 "Czytanie opisu", which shows the
// description file of the loaded knowledge base, and the advice viewer 10020 "Czytanie rady",
// which shows one advice text. Both lay out their three controls in proportion to their size.
#pragma once

#include <string>
#include <string_view>

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

inline constexpr const char* kDescriptionHeading = "Czytanie opisu bazy: ";
inline constexpr const char* kAdviceHeading = "Rada eksperta:";

// Where the heading 10021, the text 10022 and the button 1 of both dialogs go in a client area.
struct ReaderLayout {
    platform::Rect heading;
    platform::Rect text;
    platform::Rect button;
};
ReaderLayout reader_layout(platform::Rect client);

// The heading of a description file: "Czytanie opisu bazy: " + its name without folder and
// extension, in capitals ("../OPISY/dom.OPI" -> "Czytanie opisu bazy: DOM").
std::string description_heading(std::string_view path);

// 10030: reads the file named by the first `opis` when it opens (no `opis`: the fields stay
// empty; a file that cannot be read: the error ends the event and the fields stay empty).
bool dlg_czytanie_opisu_eh(kb::Context& ctx, const platform::Event& event);
// 10020: shows the first `dane_rada` under "Rada eksperta:"; removes every `dane_rada` when it
// closes, so that the next opener starts from an empty slot.
bool dlg_czytanie_rady_eh(kb::Context& ctx, const platform::Event& event);

// Opens the description dialog over the main window and returns when it closes.
void show_description(kb::Context& ctx);

// Opens the advice viewer over the main window on this text (added after any `dane_rada` the
// slot holds) and returns when it closes.
void show_advice_text(kb::Context& ctx, const std::string& text);

// The advice file of an advice name ("../RADY/" + mark + "/" + name) read and shown in the
// advice viewer, the `dane_rada` slot replaced; false, with nothing shown, when there is no mark
// or no such file. A file that exists but cannot be read raises files::FileError.
bool show_advice(kb::Context& ctx, std::string_view name);

}  // namespace windows
