// The toolkit in memory: windows, controls and menus kept as data, every thing shown written to
// a transcript, every answer of the user taken from a script. What tests and the scenario
// runner use; it never opens a real window and never waits for a person.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/event_rules.h"
#include "platform/files.h"
#include "platform/headless/aux_lines.h"
#include "platform/headless/script.h"
#include "platform/headless/text_editor.h"
#include "platform/headless/transcript.h"
#include "platform/output_file.h"
#include "platform/toolkit.h"
#include "platform/window_life.h"

namespace platform::headless {

struct HeadlessOptions {
    // The scenario's folder: file names in the script are taken from it, and paths under it are
    // written relative to it in the transcript ("<dir>" stands for it inside texts).
    std::string working_dir;
    std::ostream* mirror = nullptr;  // gets every transcript line as it is written
    std::string program_path = "/usr/local/bin/velk_qz";
    Rect main_client{0, 0, 1024, 700};  // the main window's client area, in pixels
};

// The windows' table and life are WindowLife's; this back-end draws each step as transcript
// lines and keeps the controls, texts and menus as data.
class HeadlessToolkit final : public Toolkit, private WindowDrawing {
public:
    HeadlessToolkit(Script script, HeadlessOptions options);
    ~HeadlessToolkit() override;

    // ---- Toolkit ----
    void run_task_window(const TaskWindowDesc& desc) override;
    WindowId main_window() const override { return life_.main(); }
    [[noreturn]] void end_program() override;

    // While the program ends no window opens (the rule in toolkit.h): create_window answers
    // kNoWindow, create_aux_window does nothing, a modal call throws ProgramExit.
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
    // A position outside the list leaves no item selected, as list controls do.
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
    bool has_aux_window() const override { return aux_.has_value(); }
    void fit_aux_window() override {}
    void write(std::string_view text) override;
    void open_output_file(const std::string& path) override;
    void close_output_file() override;
    bool output_is_file() const override { return output_.is_open(); }

    Picture load_picture(const std::string& path) override;
    void draw_picture(WindowId window, const Picture& picture, Rect target) override;
    void play_sound(const std::string& path) override;
    int shell_open(const std::string& path, bool maximised) override;
    void show_help_topic(const std::string& help_file, int context) override;
    std::string program_path() const override { return options_.program_path; }

    // ---- Inspection, for tests and the runner ----
    const std::string& transcript() const { return transcript_.text(); }
    const std::string& working_dir() const { return files_.current_dir(); }
    // The lines of the auxiliary window; empty when there is none.
    std::vector<std::string> aux_lines() const;
    bool menu_item_enabled(int item) const;  // an item of the main menu
    // After the run: a ScriptFailure when the program ended before the script did.
    void check_script_finished() const;

private:
    struct Control;
    struct Window;

    // ---- windows ----
    Window* find(WindowId id) const;
    Window& alive_window(WindowId id) const;
    Window& text_window(WindowId id) const;
    Control& control(WindowId window, ControlId id) const;
    std::vector<Window*> open_windows() const;

    // ---- drawing the windows' life (WindowDrawing) ----
    std::shared_ptr<WindowRecord> new_record() override;
    void open_main(WindowRecord& main, const TaskWindowDesc& desc) override;
    void run_event_loop() override;
    void main_gone(WindowRecord& main) override;
    void program_ended() override;
    void open_window(WindowRecord& window, const WindowDesc& desc) override;
    void window_opened(WindowRecord& window) override;
    void window_gone(WindowRecord& window) override;
    void dialog_asked(const DialogTemplate& form, const std::string& title) override;
    void open_dialog(WindowRecord& dialog, const DialogDesc& desc) override;
    void dialog_shown(WindowRecord& dialog) override;
    void run_dialog_loop(WindowRecord& dialog) override;
    std::map<ControlId, ControlValue> dialog_values(const WindowRecord& dialog) const override;
    void dialog_left(WindowRecord& dialog, Leaving how) override;
    void title_changed(WindowRecord& window, const std::string& old_title) override;

    // ---- script ----
    Step take_step(const std::string& shown, std::initializer_list<std::string_view> verbs);
    Step take_user_step(const std::string& waiting);
    void check_title(const Step& step, std::string_view actual, const std::string& shown) const;
    void perform_user_step(const Step& step, WindowId dialog);
    void perform_control_step(const Step& step, WindowId target);
    void perform_menu_step(const Step& step);
    void perform_state_step(const Step& step, WindowId dialog);
    ControlId focused_button(WindowId dialog) const;
    WindowId titled_window(const Step& step) const;
    void echo(const Step& step);
    std::string file_dialog_text(std::string_view verb, const FileDialogDesc& desc) const;
    std::string answer_file_dialog(std::string_view verb, const FileDialogDesc& desc);
    std::size_t answer_index(const Step& step, const std::vector<std::string>& buttons, const std::string& shown) const;

    // ---- transcript ----
    void report_changes();
    std::string relative(const std::string& path) const;
    std::string scrub(std::string_view text) const;
    std::string q(std::string_view text) const { return in_quotes(scrub(text)); }
    std::string describe_window(const Window& window) const;

    Script script_;
    HeadlessOptions options_;
    files::Files files_;
    Transcript transcript_;
    WindowLife life_{*this, *this};
    std::optional<AuxLines> aux_;
    OutputFile output_;
    std::string clipboard_;
};

}  // namespace platform::headless
