// Keeping the last lines of the auxiliary window: finished lines in a queue, the line being
// written apart, the oldest dropped past the bound. Shows and records nothing.
#include "platform/headless/aux_lines.h"

namespace platform::headless {

void AuxLines::write(std::string_view text)
{
    for (const char c : text) {
        if (c == '\n') {
            finished_.push_back(std::move(current_));
            current_.clear();
        } else {
            current_ += c;
        }
        drop_oldest();
    }
}

void AuxLines::drop_oldest()
{
    while (finished_.size() + (current_.empty() ? 0 : 1) > max_) finished_.pop_front();
}

void AuxLines::clear()
{
    finished_.clear();
    current_.clear();
}

std::vector<std::string> AuxLines::lines() const
{
    std::vector<std::string> out(finished_.begin(), finished_.end());
    if (!current_.empty()) out.push_back(current_);
    return out;
}

}  // namespace platform::headless
