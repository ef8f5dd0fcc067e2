// The context-help file of the program: plain text in which each topic opens with a heading line
// "[N] Title" (N its context number) and runs to the next heading; lines before the first
// heading are the file's own preface. Both toolkit back-ends find topics here; nothing here reads a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct HelpTopic {
    int context = 0;
    std::string title;  // the heading's rest, blanks around it dropped; may be empty
    std::string text;   // the lines under the heading, blank lines at both ends dropped
    bool operator==(const HelpTopic&) const = default;
};

// The first topic with that context number; nullopt when the text has none.
std::optional<HelpTopic> help_topic(std::string_view file_text, int context);

// The texts the help viewers of both back-ends show when a topic cannot be shown.
inline constexpr const char* kHelpBoxTitle = "Pomoc";
std::string help_file_missing_text(const std::string& path);
std::string help_topic_missing_text(const std::string& path, int context);

}  // namespace platform
