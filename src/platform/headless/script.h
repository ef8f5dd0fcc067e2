// The user's side of a headless run: a scenario script read into steps (menu commands, answers,
// file names, control values, buttons). It only parses and hands out steps in order; what a
// step means is decided by the headless toolkit when the program asks. Format: tests/scenarios/README.md.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

// A run that cannot go on: a script that does not parse, or a step that does not match what the
// program asks. No std::exception, so that no error trap of the program catches it.
class ScriptFailure {
public:
    explicit ScriptFailure(std::string message) : message_(std::move(message)) {}
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

struct Arg {
    std::string text;
    bool quoted = false;
    bool is_number() const;  // an unquoted integer
    int number() const;      // only when is_number()
    bool is_word(std::string_view word) const { return !quoted && text == word; }
};

struct Step {
    int line = 0;
    std::string verb;
    std::vector<Arg> args;      // the words and strings after the verb, before "->"
    std::optional<Arg> answer;  // after "->"
    std::string source;         // the line as written, comment and blanks around removed
};

class Script {
public:
    // Throws ScriptFailure naming the line for an unknown verb, a wrong number of arguments,
    // a missing or unexpected "->" answer, or an unterminated string.
    static Script parse(std::string_view text);

    // The folder given by the "base" directive, as written; none when absent.
    const std::optional<std::string>& base_folder() const { return base_folder_; }

    bool done() const { return next_ >= steps_.size(); }
    const Step& peek() const { return steps_.at(next_); }
    Step take() { return steps_.at(next_++); }
    std::size_t remaining() const { return steps_.size() - next_; }

private:
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::optional<std::string> base_folder_;
};

// The reference to a step in failure messages: "script line 12 `question -> Tak`".
std::string describe(const Step& step);

// A string as scripts and transcripts write it: in double quotes, with \" \\ \n \t \r and \xNN
// for other control characters.
std::string in_quotes(std::string_view text);

}  // namespace platform::headless
