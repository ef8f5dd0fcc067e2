// The transcript of a headless run: one line per thing the program shows or the user does,
// indented while dialogs are open. It joins the auxiliary window's writes into whole lines and
// successive menu changes into one line. Formats nothing itself beyond that.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

class Transcript {
public:
    // Every line also goes to `mirror` as it is written (the runner passes stdout, so a crash
    // leaves the lines before it).
    explicit Transcript(std::ostream* mirror = nullptr) : mirror_(mirror) {}

    void line(std::string_view text);
    // Text written to the auxiliary window (window false: written while there was none).
    // Lines are recorded when "\n" ends them, or when another line must follow: then the part
    // so far stands as "aux: ..." and its continuation as "aux+ ...".
    void aux(std::string_view text, bool window);
    // An item's state changed; changes in one direction of one menu join into one line.
    void menu_change(std::string_view menu_label, int item, bool enabled);
    void indent() { indent_ += 2; }
    void dedent() { indent_ -= 2; }
    // Writes out a pending auxiliary-window line or menu change.
    void flush();
    // The auxiliary window was cleared, closed or opened: what it receives next starts a line.
    void aux_restart();

    const std::string& text() const { return text_; }

private:
    void emit(std::string_view text);
    void flush_aux();
    void flush_menu();

    std::ostream* mirror_;
    std::string text_;
    int indent_ = 0;

    std::string aux_pending_;
    bool aux_pending_window_ = true;
    bool aux_continues_ = false;  // part of the current line is already out

    std::string menu_label_;
    bool menu_enabled_ = false;
    std::vector<int> menu_items_;
};

}  // namespace platform::headless
