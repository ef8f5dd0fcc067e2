// The headless editor control: a UTF-8 text edited by character positions, with snapshot undo.
// Nothing here records or shows anything.
#include "platform/headless/text_editor.h"

#include <algorithm>

#include "platform/text.h"

namespace platform::headless {

std::size_t TextEditor::length() const { return text::length(text_); }

void TextEditor::set_text(std::string_view text)
{
    text_ = std::string(text);
    caret_ = anchor_ = 0;
    undo_.clear();
    redo_.clear();
}

void TextEditor::append(std::string_view text)
{
    text_ += text;
    caret_ = anchor_ = length();
    undo_.clear();
    redo_.clear();
}

void TextEditor::set_caret(std::size_t position)
{
    caret_ = anchor_ = std::min(position, length());
}

void TextEditor::select(std::size_t from, std::size_t to)
{
    anchor_ = std::min(from, length());
    caret_ = std::min(to, length());
}

std::string TextEditor::selected_text() const
{
    return text::substring(text_, selection_begin(), selection_end() - selection_begin());
}

void TextEditor::replace_selection(std::string_view text)
{
    const std::size_t begin = selection_begin();
    const std::size_t end = selection_end();
    if (begin == end && text.empty()) return;
    undo_.push_back(Snapshot{text_, caret_});
    redo_.clear();
    const std::size_t from = text::byte_offset(text_, begin);
    const std::size_t to = text::byte_offset(text_, end);
    text_.replace(from, to - from, text);
    caret_ = anchor_ = begin + text::length(text);
}

namespace {

// The blanks and tabs that begin a line.
std::string indentation(std::string_view line)
{
    return std::string(line.substr(0, std::min(line.find_first_not_of(" \t"), line.size())));
}

}  // namespace

void TextEditor::type(std::string_view text)
{
    const std::string before = text::substring(text_, 0, selection_begin());
    const std::size_t last_break = before.rfind('\n');
    std::string line = last_break == std::string::npos ? before : before.substr(last_break + 1);
    std::string typed;
    for (const char c : text) {
        if (c == '\n') {
            line = indentation(line);
            typed += '\n' + line;
        } else {
            line += c;
            typed += c;
        }
    }
    replace_selection(typed);
}

void TextEditor::undo()
{
    if (undo_.empty()) return;
    redo_.push_back(Snapshot{text_, caret_});
    text_ = std::move(undo_.back().text);
    caret_ = anchor_ = undo_.back().caret;
    undo_.pop_back();
}

void TextEditor::redo()
{
    if (redo_.empty()) return;
    undo_.push_back(Snapshot{text_, caret_});
    text_ = std::move(redo_.back().text);
    caret_ = anchor_ = redo_.back().caret;
    redo_.pop_back();
}

}  // namespace platform::headless
