// The steps the file commands of the main menu share: a file dialog given its one filter, the
// opening of the editor window on a chosen file, the creation of an empty file and the confirmed
// deletion of one. Each step answers what the command needs to go on; none shows more than its
// own box.
#pragma once

#include <string>

#include "kb/context.h"

namespace app {

// A dialog of a command: proposed name, its one filter (label, pattern) and title.
struct FileDialogForm {
    const char* initial_name;
    const char* filter_label;
    const char* filter_pattern;
    const char* title;
};

// The open or save dialog with the form; the chosen full name, "" when cancelled. The dialog
// opens in the program's current directory.
std::string open_dialog(kb::Context& ctx, const FileDialogForm& form);
std::string save_dialog(kb::Context& ctx, const FileDialogForm& form);

// `pamietana_nazwa` added, `dane_do_edycji` replaced by the file with the dialog's form, and the
// editor window opened on the file over the main window.
void edit_file(kb::Context& ctx, const std::string& file, const FileDialogForm& form);

// Makes the file empty: a new file, or an existing one emptied (the save dialog asked first).
void create_empty_file(kb::Context& ctx, const std::string& file);

// The Tak/Nie question before a deletion; true on "Tak".
bool confirm_deletion(kb::Context& ctx, const std::string& title, const std::string& text);

// The question, with "&TAK"/"&NIE", whether to edit a file just created; true on "&TAK".
bool edit_new_file(kb::Context& ctx, const std::string& title, const std::string& text);

// Whether two names name the same file.
bool same_file(const kb::Context& ctx, const std::string& a, const std::string& b);

}  // namespace app
