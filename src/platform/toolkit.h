// The toolkit layer: everything the program shows the user and everything it asks, as one
// interface. The core calls only this; the Qt back-end draws real windows, the headless one
// records a transcript and answers from a script. No toolkit library appears in this header.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/toolkit_types.h"

namespace platform {

// Thrown by end_program() and caught only by the event loop of run_task_window: it unwinds
// every modal dialog, question and handler frame on its way. It is deliberately no
// std::exception, so that no error trap mistakes it for an error.
class ProgramExit {};

// Rules every back-end keeps:
// - One thread, one event at a time. A handler runs to its end, modal calls included, before
//   the next event; a modal call (run_dialog, note, question, ...) returns when the user closes
//   it, and events of the dialog it opened are delivered inside it.
// - Every event reaches its handler under an error trap: a std::exception escaping a handler
//   is shown in an error box and ends that event only, with no default applied.
// - Declined events get the defaults of event_rules.h.
// - Menu events go to the window whose menu holds the item: main-menu items to the main window,
//   a document window's own menu items to that window.
// - No event reaches a window after its Destroy event.
// - While the program ends (after end_program, or once the main window is being destroyed) no
//   window opens: create_window answers kNoWindow, create_aux_window does nothing, and a modal
//   call (run_dialog, note, question, ...) throws ProgramExit instead of asking.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // ---- The main window and the event loop ----------------------------------------------

    // Creates the main window (create event, then size), runs the event loop until the main
    // window is destroyed, and returns. The program ends when this returns.
    virtual void run_task_window(const TaskWindowDesc& desc) = 0;
    virtual WindowId main_window() const = 0;
    // Ends the program from anywhere, inside any number of modal dialogs: unwinds every frame
    // to the event loop (throws ProgramExit), which then destroys every window. Destroying the
    // main window from a handler does the same.
    [[noreturn]] virtual void end_program() = 0;

    // ---- Windows ------------------------------------------------------------------------------

    // Creates a document window inside the main window and delivers its create, size and paint
    // events before it returns; the window lives until it is destroyed.
    virtual WindowId create_window(const WindowDesc& desc) = 0;
    // Delivers the Destroy event (to the window, then to its child windows) and removes it.
    virtual void destroy_window(WindowId window) = 0;
    virtual bool window_exists(WindowId window) const = 0;
    virtual WindowId parent_window(WindowId window) const = 0;
    virtual void set_window_title(WindowId window, std::string_view title) = 0;
    virtual std::string window_title(WindowId window) const = 0;
    virtual Rect client_rect(WindowId window) const = 0;
    // A change of state that changes the client area delivers a size event.
    virtual void set_window_state(WindowId window, WindowState state) = 0;
    // The window with the keyboard focus: the active document window, or the main window.
    virtual WindowId focused_window() const = 0;
    virtual void activate_window(WindowId window) = 0;
    // Delivers an event to a window's handler now and answers whether it was handled; no
    // default is applied. A window passes a menu command on to its parent this way.
    virtual bool send_event(WindowId window, const Event& event) = 0;
    virtual void set_window_font(WindowId window, Font font) = 0;

    // ---- Menus --------------------------------------------------------------------------------

    // Enables or greys an item of the window's menu (the main menu: the main window).
    virtual void enable_menu_item(WindowId window, int item, bool enabled) = 0;
    virtual void check_menu_item(WindowId window, int item, bool checked) = 0;

    // ---- Text windows (the editor control) ----------------------------------------------------
    // Texts are UTF-8 with "\n" line breaks; positions count characters from 0;
    // std::string::npos as a position means the end of the text. A line break the user types
    // into an editable text starts the new line with the blanks and tabs that begin the line
    // above, up to the caret.

    virtual std::string editor_text(WindowId window) const = 0;
    virtual void set_editor_text(WindowId window, std::string_view text) = 0;
    virtual void editor_append(WindowId window, std::string_view text) = 0;
    virtual std::size_t editor_caret(WindowId window) const = 0;
    virtual void set_editor_caret(WindowId window, std::size_t position) = 0;
    virtual void editor_select(WindowId window, std::size_t from, std::size_t to) = 0;
    virtual bool editor_can_undo(WindowId window) const = 0;
    virtual bool editor_can_redo(WindowId window) const = 0;
    virtual void editor_undo(WindowId window) = 0;
    virtual void editor_redo(WindowId window) = 0;
    virtual void editor_cut(WindowId window) = 0;
    virtual void editor_copy(WindowId window) = 0;
    virtual void editor_paste(WindowId window) = 0;
    virtual void editor_delete(WindowId window) = 0;  // the selection
    virtual void editor_set_read_only(WindowId window, bool read_only) = 0;
    virtual void editor_set_word_wrap(WindowId window, bool word_wrap) = 0;

    // ---- Controls of a window or dialog, found by id -----------------------------------------

    virtual void create_control(WindowId window, const ControlDesc& desc) = 0;
    virtual bool has_control(WindowId window, ControlId id) const = 0;
    virtual void set_control_text(WindowId window, ControlId id, std::string_view text) = 0;
    virtual std::string control_text(WindowId window, ControlId id) const = 0;
    virtual void clear_list(WindowId window, ControlId id) = 0;
    // Appends in order; a sorted list puts each item at its place in list order (list_order.h).
    virtual void add_list_items(WindowId window, ControlId id, const std::vector<std::string>& items) = 0;
    virtual std::vector<std::string> list_items(WindowId window, ControlId id) const = 0;
    // The selected position, -1 when none; setting -1 clears the selection.
    virtual int list_selection(WindowId window, ControlId id) const = 0;
    virtual void set_list_selection(WindowId window, ControlId id, int position) = 0;
    // Lists with multiple selection: the selected positions, ascending.
    virtual std::vector<int> list_selections(WindowId window, ControlId id) const = 0;
    virtual void set_list_selections(WindowId window, ControlId id, const std::vector<int>& positions) = 0;
    virtual void enable_control(WindowId window, ControlId id, bool enabled) = 0;
    virtual bool control_enabled(WindowId window, ControlId id) const = 0;
    virtual void set_checked(WindowId window, ControlId id, bool checked) = 0;
    virtual bool is_checked(WindowId window, ControlId id) const = 0;
    virtual void move_control(WindowId window, ControlId id, Rect rect) = 0;  // pixels
    virtual Rect control_rect(WindowId window, ControlId id) const = 0;

    // ---- Modal dialogs from templates ----------------------------------------------------------

    // Opens the dialog (create event, then move and paint), waits until it closes and answers
    // the closing button with the final control values.
    virtual DialogResult run_dialog(const DialogDesc& desc) = 0;
    // Closes a running dialog from its handler with the given answer and its control values.
    // (destroy_window on a dialog closes it with answer 2 and no values.)
    virtual void end_dialog(WindowId dialog, int button) = 0;

    // ---- Boxes ---------------------------------------------------------------------------------

    // Information icon, one OK button; returns when the user closes it.
    virtual void note(std::string_view title, std::string_view text) = 0;
    // Two or three buttons with the program's texts ("&Tak", "&Nie"); answers 0 for the first
    // button, 1 for the second, 2 for the third. Closing the box answers the last button.
    virtual int question(std::string_view title, std::string_view text,
                         const std::vector<std::string>& buttons) = 0;
    // The platform's standard buttons; answers the 1-based position of the pressed button
    // (YesNo: 1 Yes, 2 No). default_button is a 1-based position too.
    virtual int message_box(std::string_view title, std::string_view text, MessageIcon icon,
                            MessageButtons buttons, int default_button = 1) = 0;
    virtual void error_box(std::string_view title, std::string_view text) = 0;
    // A one-line text prompt; nullopt when cancelled.
    virtual std::optional<std::string> prompt(std::string_view title, std::string_view label,
                                              std::string_view initial) = 0;
    // The full path of the chosen file, "" when cancelled. The open dialog lets the user pick a
    // file; the save dialog adds no extension and asks before it lets an existing file be chosen.
    virtual std::string open_file_dialog(const FileDialogDesc& desc) = 0;
    virtual std::string save_file_dialog(const FileDialogDesc& desc) = 0;

    // ---- The auxiliary window and the current output -------------------------------------------

    // The auxiliary window "Okno pomocnicze": read-only, word-wrapping, inside the main window,
    // keeping the last max_lines lines. At most one: creating it while one exists keeps that one.
    virtual void create_aux_window(int max_lines) = 0;
    virtual void close_aux_window() = 0;  // nothing when there is none
    virtual void clear_aux_window() = 0;
    virtual bool has_aux_window() const = 0;
    virtual void fit_aux_window() = 0;    // to the main window's client area
    // Every plain write of the program: to the file open as output, else to the auxiliary
    // window (lost when there is none). "\n" starts a new line.
    virtual void write(std::string_view text) = 0;
    // Makes a file the current output: created (or emptied) now, written whole, in CP1250 with
    // CR LF line ends, when it is closed. Opening another first closes the one open.
    // Errors: files::FileError.
    virtual void open_output_file(const std::string& path) = 0;
    virtual void close_output_file() = 0;  // writes go to the auxiliary window again
    virtual bool output_is_file() const = 0;

    // ---- Pictures, sound, shell, help ------------------------------------------------------------

    // Loads a bitmap file; PictureError when it is missing or no bitmap.
    virtual Picture load_picture(const std::string& path) = 0;
    // Draws the whole picture stretched onto the rectangle of the window's client area.
    virtual void draw_picture(WindowId window, const Picture& picture, Rect target) = 0;
    // Plays a wave file and returns when it has ended; silence, never an error, when it
    // cannot be played (no file, no sound device, no wave file).
    virtual void play_sound(const std::string& path) = 0;
    // The shell's "open" of a document: a result of 32 or more is success, a smaller one is the
    // shell's failure code (2: file not found).
    virtual int shell_open(const std::string& path, bool maximised) = 0;
    // Shows the topic with the context number from a context-help file.
    virtual void show_help_topic(const std::string& help_file, int context) = 0;
    // The full file name of the running program.
    virtual std::string program_path() const = 0;
};

}  // namespace platform
