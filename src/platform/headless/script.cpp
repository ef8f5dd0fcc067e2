// Reading a scenario script: one step per line, words and quoted strings, "->" before an
// answer, "#" to the end of a line a comment. Checks the shape of each step against the verb
// table; it never looks at the program.
#include "platform/headless/script.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace platform::headless {
namespace {

enum class AnswerRule { None, Required };

struct VerbRule {
    const char* verb;
    std::size_t min_args;
    std::size_t max_args;
    AnswerRule answer;
};

// Every step a script may hold. Unbounded argument lists use a large maximum.
constexpr VerbRule kVerbs[] = {
    // the user's commands and actions on windows and controls
    {"menu", 1, 1, AnswerRule::None},
    {"close", 0, 1, AnswerRule::None},
    {"focus", 1, 1, AnswerRule::None},
    {"resize", 2, 2, AnswerRule::None},
    {"maximise", 0, 1, AnswerRule::None},
    {"restore", 0, 1, AnswerRule::None},
    {"minimise", 0, 1, AnswerRule::None},
    {"paint", 0, 1, AnswerRule::None},
    {"set", 2, 2, AnswerRule::None},
    {"select", 1, 1000, AnswerRule::None},
    {"check", 1, 1, AnswerRule::None},
    {"uncheck", 1, 1, AnswerRule::None},
    {"press", 1, 1, AnswerRule::None},
    {"dblclick", 0, 2, AnswerRule::None},
    {"type", 1, 1, AnswerRule::None},
    {"caret", 1, 1, AnswerRule::None},
    {"mark", 2, 2, AnswerRule::None},
    {"enter", 0, 0, AnswerRule::None},
    {"esc", 0, 0, AnswerRule::None},
    // answers to what the program asks
    {"dialog", 1, 2, AnswerRule::None},
    {"note", 0, 1, AnswerRule::None},
    {"error", 0, 1, AnswerRule::None},
    {"question", 0, 1, AnswerRule::Required},
    {"message", 0, 1, AnswerRule::Required},
    {"prompt", 0, 1, AnswerRule::Required},
    {"open", 0, 1, AnswerRule::Required},
    {"save", 0, 1, AnswerRule::Required},
    {"replace", 0, 0, AnswerRule::Required},
    {"mkdir", 1, 1, AnswerRule::None},
    {"rmdir", 1, 1, AnswerRule::None},
};

const VerbRule* find_rule(std::string_view verb)
{
    for (const VerbRule& rule : kVerbs)
        if (verb == rule.verb) return &rule;
    return nullptr;
}

[[noreturn]] void fail_at(int line, const std::string& what)
{
    throw ScriptFailure("script line " + std::to_string(line) + ": " + what);
}

struct Token {
    std::string text;
    bool quoted = false;
    bool arrow = false;
};

char escaped(char c, int line)
{
    switch (c) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    case '"': return '"';
    case '\\': return '\\';
    default: fail_at(line, std::string("unknown escape \\") + c);
    }
}

// Splits a line into tokens; stops at a "#" outside strings.
std::vector<Token> tokenise(std::string_view s, int line)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token t{"", true, false};
            ++i;
            for (;;) {
                if (i >= s.size()) fail_at(line, "unterminated string");
                if (s[i] == '"') break;
                if (s[i] == '\\') {
                    if (i + 1 >= s.size()) fail_at(line, "unterminated string");
                    if (s[i + 1] == 'x') {
                        unsigned value = 0;
                        const char* first = s.data() + i + 2;
                        const auto [last, error] =
                            std::from_chars(first, s.data() + std::min(s.size(), i + 4), value, 16);
                        if (error != std::errc() || last != first + 2) fail_at(line, "bad \\x escape");
                        t.text += static_cast<char>(value);
                        i += 4;
                        continue;
                    }
                    t.text += escaped(s[i + 1], line);
                    i += 2;
                } else {
                    t.text += s[i++];
                }
            }
            ++i;
            tokens.push_back(std::move(t));
        } else if (s.substr(i, 2) == "->") {
            tokens.push_back(Token{"->", false, true});
            i += 2;
        } else {
            std::size_t end = i;
            while (end < s.size() && s[end] != ' ' && s[end] != '\t' && s[end] != '\r' && s[end] != '"' &&
                   s[end] != '#' && s.substr(end, 2) != "->")
                ++end;
            tokens.push_back(Token{std::string(s.substr(i, end - i)), false, false});
            i = end;
        }
    }
    return tokens;
}

std::string trimmed_source(std::string_view s)
{
    // The comment ends the source unless the "#" is inside a string.
    bool in_string = false;
    std::size_t end = s.size();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && in_string) {
            ++i;
        } else if (s[i] == '"') {
            in_string = !in_string;
        } else if (s[i] == '#' && !in_string) {
            end = i;
            break;
        }
    }
    std::string_view v = s.substr(0, end);
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.remove_suffix(1);
    return std::string(v);
}

Step make_step(std::vector<Token> tokens, int line, std::string source)
{
    if (tokens.front().quoted || tokens.front().arrow) fail_at(line, "a step starts with a verb");
    Step step;
    step.line = line;
    step.verb = tokens.front().text;
    step.source = std::move(source);
    bool after_arrow = false;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        if (t.arrow) {
            if (after_arrow) fail_at(line, "two \"->\" in one step");
            after_arrow = true;
        } else if (after_arrow) {
            if (step.answer) fail_at(line, "one answer after \"->\"");
            step.answer = Arg{std::move(t.text), t.quoted};
        } else {
            step.args.push_back(Arg{std::move(t.text), t.quoted});
        }
    }
    if (after_arrow && !step.answer) fail_at(line, "an answer must follow \"->\"");
    return step;
}

// "2 arguments", "0 to 1 arguments", "1 or more arguments".
std::string arguments_wanted(const VerbRule& rule)
{
    if (rule.min_args == rule.max_args)
        return std::to_string(rule.min_args) + (rule.min_args == 1 ? " argument" : " arguments");
    if (rule.max_args > 100) return std::to_string(rule.min_args) + " or more arguments";
    return std::to_string(rule.min_args) + " to " + std::to_string(rule.max_args) + " arguments";
}

void check_shape(const Step& step)
{
    const VerbRule* rule = find_rule(step.verb);
    if (!rule) fail_at(step.line, "unknown step `" + step.verb + "`");
    if (step.args.size() < rule->min_args || step.args.size() > rule->max_args)
        fail_at(step.line, "`" + step.verb + "` takes " + arguments_wanted(*rule) + ", the line has " +
                               std::to_string(step.args.size()));
    if (rule->answer == AnswerRule::Required && !step.answer)
        fail_at(step.line, "`" + step.verb + "` needs an answer after \"->\"");
    if (rule->answer == AnswerRule::None && step.answer)
        fail_at(step.line, "`" + step.verb + "` takes no answer");
}

}  // namespace

bool Arg::is_number() const
{
    if (quoted || text.empty()) return false;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int Arg::number() const
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

Script Script::parse(std::string_view text)
{
    Script script;
    int line = 0;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view raw = text.substr(begin, end - begin);
        ++line;
        begin = end + 1;
        std::vector<Token> tokens = tokenise(raw, line);
        if (tokens.empty()) continue;
        Step step = make_step(std::move(tokens), line, trimmed_source(raw));
        if (step.verb == "base") {
            if (step.args.size() != 1 || step.answer) fail_at(line, "`base` takes one folder");
            if (script.base_folder_) fail_at(line, "one `base` per script");
            script.base_folder_ = step.args.front().text;
            continue;
        }
        check_shape(step);
        script.steps_.push_back(std::move(step));
    }
    return script;
}

std::string describe(const Step& step)
{
    return "script line " + std::to_string(step.line) + " `" + step.source + "`";
}

std::string in_quotes(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += hex;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

}  // namespace platform::headless
