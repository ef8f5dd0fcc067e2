// Finding a topic of a context-help file by its number. The file is read by the caller (the files
// layer gives its text in UTF-8 with "\n" line breaks); a heading is "[", digits, "]" at the start
// of a line, so a line that merely mentions a bracket elsewhere stays text.
#include "platform/help_file.h"

#include <charconv>
#include <vector>

namespace platform {
namespace {

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The context number and title of a heading line; nullopt for any other line.
std::optional<std::pair<int, std::string_view>> heading(std::string_view line)
{
    if (line.size() < 3 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos || close == 1) return std::nullopt;
    int number = 0;
    const char* first = line.data() + 1;
    const char* last = line.data() + close;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last) return std::nullopt;
    return std::make_pair(number, trimmed(line.substr(close + 1)));
}

std::vector<std::string_view> lines_of(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::optional<HelpTopic> help_topic(std::string_view file_text, int context)
{
    const std::vector<std::string_view> lines = lines_of(file_text);
    std::size_t at = 0;
    std::optional<HelpTopic> topic;
    for (; at < lines.size() && !topic; ++at)
        if (const auto h = heading(lines[at]); h && h->first == context) topic = HelpTopic{context, std::string(h->second), ""};
    if (!topic) return std::nullopt;
    std::size_t end = at;
    while (end < lines.size() && !heading(lines[end])) ++end;
    while (at < end && trimmed(lines[at]).empty()) ++at;
    while (end > at && trimmed(lines[end - 1]).empty()) --end;
    for (std::size_t i = at; i < end; ++i) {
        if (i > at) topic->text += '\n';
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        topic->text += line;
    }
    return topic;
}

std::string help_file_missing_text(const std::string& path)
{
    return "Nie można otworzyć pliku pomocy " + path;
}

std::string help_topic_missing_text(const std::string& path, int context)
{
    return "W pliku pomocy " + path + " nie ma tematu o numerze " + std::to_string(context) + ".";
}

}  // namespace platform
