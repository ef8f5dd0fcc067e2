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

// A file command that deletes a chosen file once the user agrees: its dialog, the question's
// title, the question before the file's name (" ?" after it) and the note before the name
// (" został usunięty." after it). True once the file is gone.
struct FileDeletion {
    FileDialogForm form;
    const char* question_title;
    const char* question;
    const char* note;
};
bool delete_chosen_file(kb::Context& ctx, const FileDeletion& d);

// A file command that creates a new empty side file and offers to edit it: its save dialog, the
// title of both boxes, the note before the file's name (" został utworzony." after it) and the
// question before the name (" ?" after it). True when the editor opens on the file.
struct FileCreation {
    FileDialogForm form;
    const char* title;
    const char* note;
    const char* question;
};
bool create_and_edit_file(kb::Context& ctx, const FileCreation& c);

// Whether two names name the same file.
bool same_file(const kb::Context& ctx, const std::string& a, const std::string& b);

}  // namespace app
