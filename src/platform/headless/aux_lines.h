// The text of a headless auxiliary window: the last max_lines lines written to it. A line ends
// at "\n"; the line being written counts once it holds a character. Word wrapping is how the
// window shows a long line, so it does not change the count.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

class AuxLines {
public:
    explicit AuxLines(int max_lines) : max_(max_lines < 1 ? 1 : static_cast<std::size_t>(max_lines)) {}

    void write(std::string_view text);
    void clear();
    // The lines shown, oldest first; the unfinished line last when it holds anything.
    std::vector<std::string> lines() const;
    std::size_t max_lines() const { return max_; }

private:
    void drop_oldest();

    std::size_t max_;
    std::deque<std::string> finished_;
    std::string current_;
};

}  // namespace platform::headless
