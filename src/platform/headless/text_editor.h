// The editor control of a headless text window: text, caret, selection, undo and redo.
// Positions count characters. Edits the program makes (set, append) start a fresh undo
// history; edits the user makes (typing, cut, paste, delete) can be undone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

class TextEditor {
public:
    const std::string& text() const { return text_; }
    void set_text(std::string_view text);
    void append(std::string_view text);

    std::size_t caret() const { return caret_; }
    void set_caret(std::size_t position);             // npos or beyond: the end
    void select(std::size_t from, std::size_t to);    // the caret ends at `to`
    std::string selected_text() const;

    // The user's edits: replace the selection (paste) or remove it (cut, delete).
    void replace_selection(std::string_view text);
    // Typing over the selection: each line break typed starts the new line with the blanks and
    // tabs that begin the line above, as the editor indents.
    void type(std::string_view text);
    void delete_selection() { replace_selection(""); }

    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    void undo();
    void redo();

    bool read_only = false;
    bool word_wrap = false;

private:
    struct Snapshot {
        std::string text;
        std::size_t caret;
    };
    std::size_t length() const;
    std::size_t selection_begin() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::size_t selection_end() const { return anchor_ < caret_ ? caret_ : anchor_; }

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;  // the other end of the selection; equal to caret_ when none
    std::vector<Snapshot> undo_;
    std::vector<Snapshot> redo_;
};

}  // namespace platform::headless
