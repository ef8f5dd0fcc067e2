// The toolkit on Qt 6 Widgets: the program in real windows (a multiple-document main window,
// modal dialogs from the templates, boxes, file dialogs, pictures, sound). This header names no
// Qt type, so the start-up code can use the back-end without including Qt.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_rules.h"
#include "platform/toolkit.h"
#include "platform/window_life.h"

class QApplication;
class QTranslator;
class QDialog;
class QWidget;

namespace platform {

// The Qt application object of the process, with the C library's number format reset to the
// neutral one (Qt switches the process to the user's locale, which would change how the C
// library reads and writes decimal points), and Qt's own dialogs speaking Polish where Qt's
// translations are installed. Create it once, before any QtToolkit.
class QtApplication {
public:
    QtApplication(int& argc, char** argv);
    ~QtApplication();
    QtApplication(const QtApplication&) = delete;
    QtApplication& operator=(const QtApplication&) = delete;

private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<QTranslator> translator_;
};

struct QtOptions {
    // Relative file names (pictures, sounds, shell, help, output files) are taken from here;
    // "" is the process's working directory.
    std::string working_dir;
    // "" is the running executable's own path.
    std::string program_path;
};

// Needs a QApplication (QtApplication) for its whole life; one thread, the GUI thread. The
// windows' table and life are WindowLife's; this back-end draws each step with Qt widgets.
class QtToolkit final : public Toolkit, private WindowDrawing {
public:
    explicit QtToolkit(QtOptions options = {});
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    void run_task_window(const TaskWindowDesc& desc) override;
    WindowId main_window() const override;
    [[noreturn]] void end_program() override;

    // While the program ends (the main window is being destroyed) no window opens:
    // create_window answers kNoWindow and create_aux_window does nothing.
    WindowId create_window(const WindowDesc& desc) override;
    void destroy_window(WindowId window) override;
    bool window_exists(WindowId window) const override;
    WindowId parent_window(WindowId window) const override;
    void set_window_title(WindowId window, std::string_view title) override;
    std::string window_title(WindowId window) const override;
    Rect client_rect(WindowId window) const override;
    void set_window_state(WindowId window, WindowState state) override;
    WindowId focused_window() const override;
    void activate_window(WindowId window) override;
    bool send_event(WindowId window, const Event& event) override;
    void set_window_font(WindowId window, Font font) override;

    void enable_menu_item(WindowId window, int item, bool enabled) override;
    void check_menu_item(WindowId window, int item, bool checked) override;

    std::string editor_text(WindowId window) const override;
    void set_editor_text(WindowId window, std::string_view text) override;
    void editor_append(WindowId window, std::string_view text) override;
    std::size_t editor_caret(WindowId window) const override;
    void set_editor_caret(WindowId window, std::size_t position) override;
    void editor_select(WindowId window, std::size_t from, std::size_t to) override;
    bool editor_can_undo(WindowId window) const override;
    bool editor_can_redo(WindowId window) const override;
    void editor_undo(WindowId window) override;
    void editor_redo(WindowId window) override;
    void editor_cut(WindowId window) override;
    void editor_copy(WindowId window) override;
    void editor_paste(WindowId window) override;
    void editor_delete(WindowId window) override;
    void editor_set_read_only(WindowId window, bool read_only) override;
    void editor_set_word_wrap(WindowId window, bool word_wrap) override;

    void create_control(WindowId window, const ControlDesc& desc) override;
    bool has_control(WindowId window, ControlId id) const override;
    void set_control_text(WindowId window, ControlId id, std::string_view text) override;
    std::string control_text(WindowId window, ControlId id) const override;
    void clear_list(WindowId window, ControlId id) override;
    void add_list_items(WindowId window, ControlId id, const std::vector<std::string>& items) override;
    std::vector<std::string> list_items(WindowId window, ControlId id) const override;
    int list_selection(WindowId window, ControlId id) const override;
    void set_list_selection(WindowId window, ControlId id, int position) override;
    std::vector<int> list_selections(WindowId window, ControlId id) const override;
    void set_list_selections(WindowId window, ControlId id, const std::vector<int>& positions) override;
    void enable_control(WindowId window, ControlId id, bool enabled) override;
    bool control_enabled(WindowId window, ControlId id) const override;
    void set_checked(WindowId window, ControlId id, bool checked) override;
    bool is_checked(WindowId window, ControlId id) const override;
    void move_control(WindowId window, ControlId id, Rect rect) override;
    Rect control_rect(WindowId window, ControlId id) const override;

    DialogResult run_dialog(const DialogDesc& desc) override;
    void end_dialog(WindowId dialog, int button) override;

    void note(std::string_view title, std::string_view text) override;
    int question(std::string_view title, std::string_view text, const std::vector<std::string>& buttons) override;
    int message_box(std::string_view title, std::string_view text, MessageIcon icon, MessageButtons buttons,
                    int default_button = 1) override;
    void error_box(std::string_view title, std::string_view text) override;
    std::optional<std::string> prompt(std::string_view title, std::string_view label,
                                      std::string_view initial) override;
    std::string open_file_dialog(const FileDialogDesc& desc) override;
    std::string save_file_dialog(const FileDialogDesc& desc) override;

    void create_aux_window(int max_lines) override;
    void close_aux_window() override;
    void clear_aux_window() override;
    bool has_aux_window() const override;
    void fit_aux_window() override;
    void write(std::string_view text) override;
    void open_output_file(const std::string& path) override;
    void close_output_file() override;
    bool output_is_file() const override;

    Picture load_picture(const std::string& path) override;
    void draw_picture(WindowId window, const Picture& picture, Rect target) override;
    void play_sound(const std::string& path) override;
    // Hands the file to the desktop's opener: 42 when it took it, 2 when the file does not
    // exist, 31 (no application for it) otherwise.
    int shell_open(const std::string& path, bool maximised) override;
    // Shows the topic in the program's help viewer, a window beside the main window; a missing
    // file or topic is reported in an error box (platform/help_file.h).
    void show_help_topic(const std::string& help_file, int context) override;
    std::string program_path() const override;

    // The lines of the auxiliary window, oldest first; empty when there is none (for tests).
    std::vector<std::string> aux_lines() const;
    // False while a sound plays: the windows keep repainting, but nothing the user does is taken
    // until it has ended (for a test that plays the user).
    bool accepts_user_input() const;

    // Runs work that comes from outside the program's handlers (a timer, a test playing the user)
    // the way Qt's own events run: nothing thrown gets past it, and the program's end unwinds
    // every loop.
    void at_boundary(const std::function<void()>& work) noexcept;

private:
    struct Ctl;
    struct Win;
    struct State;
    class ProgramEdit;

    // ---- windows (qt_toolkit.cpp) ----
    Win* find(WindowId id) const;
    Win& alive_window(WindowId id) const;
    Win& text_window(WindowId id) const;
    void show_main_frame();

    // ---- drawing the windows' life (WindowDrawing; qt_toolkit.cpp, qt_dialogs.cpp) ----
    std::shared_ptr<WindowRecord> new_record() override;
    void open_main(WindowRecord& main, const TaskWindowDesc& desc) override;
    void show_main(WindowRecord& main) override;
    void run_event_loop() override;
    void main_gone(WindowRecord& main) override;
    void program_ended() override;
    void open_window(WindowRecord& window, const WindowDesc& desc) override;
    void show_window(WindowRecord& window, const WindowDesc& desc) override;
    bool paints_at_once(WindowRecord& window) override;
    void window_gone(WindowRecord& window) override;
    void open_dialog(WindowRecord& dialog, const DialogDesc& desc) override;
    void dialog_placed(WindowRecord& dialog) override;
    void dialog_shown(WindowRecord& dialog) override;
    void run_dialog_loop(WindowRecord& dialog) override;
    std::map<ControlId, ControlValue> dialog_values(const WindowRecord& dialog) const override;
    void dialog_finished(WindowRecord& dialog) override;
    void dialog_left(WindowRecord& dialog, Leaving how) override;
    void before_paint(WindowRecord& window) override;
    void after_paint(WindowRecord& window) override;
    void after_size(WindowRecord& window) override;
    void title_changed(WindowRecord& window, const std::string& old_title) override;
    void activate(WindowRecord& window) override;
    std::optional<WindowId> active_document() const override;
    void focus_moved(WindowId id) override;

    // ---- events (qt_events.cpp) ----
    void request_exit();
    void queue_paint(WindowId id);
    void queue_move(WindowId id);
    // Runs a modal widget's own event loop; the program's end closes it and is rethrown after.
    int exec_modal(QDialog& dialog);
    void throw_if_ending() const;
    // What a box or dialog is modal over: the innermost running dialog, else the main window,
    // which shows now if it has not yet (a box asked for while it is being created).
    QWidget* modal_parent();

    // ---- boxes (qt_boxes.cpp) ----
    // A box with the platform's buttons; `kind` names it ("note", "error", "message", "replace").
    int standard_box(const char* kind, std::string_view title, std::string_view text, MessageIcon icon,
                     MessageButtons buttons, int default_button);

    // ---- menus (qt_menus.cpp) ----
    void build_menu(Win& window, const Menu& menu);
    void drop_menu(Win& window);
    void show_window_menu(WindowId id);
    void refresh_menu_bar();

    // ---- controls (qt_controls.cpp) ----
    Ctl& control(WindowId window, ControlId id) const;
    void add_control(Win& window, const ControlDesc& desc, Rect pixels, bool auto_placed);
    void connect_control(Win& window, Ctl& control);
    ControlValue control_value(const Ctl& control) const;
    void apply_value(Win& window, Ctl& control, const ControlValue& value);

    // ---- dialogs (qt_dialogs.cpp) ----
    void lay_out_dialog(Win& dialog);
    void dialog_moved(WindowId id);
    ControlId focused_button(const Win& dialog) const;

    std::unique_ptr<State> s_;
};

}  // namespace platform
