// Writing the transcript: indentation, whole auxiliary-window lines, joined menu changes.
// Knows nothing about windows; the headless toolkit decides what each line says.
#include "platform/headless/transcript.h"

namespace platform::headless {

void Transcript::emit(std::string_view text)
{
    std::string out(static_cast<std::size_t>(indent_), ' ');
    out += text;
    while (!out.empty() && out.back() == ' ' && out.find_first_not_of(' ') == std::string::npos) out.pop_back();
    out += '\n';
    text_ += out;
    if (mirror_) {
        *mirror_ << out;
        mirror_->flush();
    }
}

void Transcript::line(std::string_view text)
{
    flush();
    emit(text);
}

void Transcript::flush()
{
    flush_aux();
    flush_menu();
}

void Transcript::aux_restart()
{
    flush_aux();
    aux_continues_ = false;
}

void Transcript::flush_aux()
{
    if (aux_pending_.empty()) return;
    const char* prefix = !aux_pending_window_ ? "aux (no window): " : aux_continues_ ? "aux+ " : "aux: ";
    emit(std::string(prefix) + aux_pending_);
    aux_pending_.clear();
    aux_continues_ = true;
}

void Transcript::flush_menu()
{
    if (menu_items_.empty()) return;
    std::string out = menu_label_ + (menu_enabled_ ? " enabled:" : " greyed:");
    for (int item : menu_items_) out += " " + std::to_string(item);
    menu_items_.clear();
    emit(out);
}

void Transcript::aux(std::string_view text, bool window)
{
    flush_menu();
    if (window != aux_pending_window_) {
        flush_aux();
        aux_pending_window_ = window;
        aux_continues_ = false;
    }
    for (const char c : text) {
        if (c != '\n') {
            aux_pending_ += c;
            continue;
        }
        if (!aux_pending_.empty() || !aux_continues_) {
            const char* prefix = !window ? "aux (no window):" : aux_continues_ ? "aux+" : "aux:";
            emit(aux_pending_.empty() ? std::string(prefix) : std::string(prefix) + " " + aux_pending_);
        }
        aux_pending_.clear();
        aux_continues_ = false;
    }
}

void Transcript::menu_change(std::string_view menu_label, int item, bool enabled)
{
    flush_aux();
    if (!menu_items_.empty() && (menu_label != menu_label_ || enabled != menu_enabled_)) flush_menu();
    menu_label_ = std::string(menu_label);
    menu_enabled_ = enabled;
    menu_items_.push_back(item);
}

}  // namespace platform::headless
