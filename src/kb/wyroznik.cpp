// The distinguishing mark of a base file name and the paths of media files built from it.
// Reads the mark and base names from the store and the disk's spelling of file names; changes
// nothing, and never joins a name that holds a path into a path.
#include "kb/wyroznik.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// One character of a UTF-8 text: its code point and how many bytes it takes.
struct Char {
    char32_t code_point = 0;
    std::size_t length = 0;
};

// A byte that starts no valid sequence is one character (text::code_points gives it as a lone
// surrogate), so every byte of the text belongs to exactly one character.
Char char_at(std::string_view s, std::size_t pos)
{
    const std::u32string decoded = text::code_points(s.substr(pos, 4));
    if (decoded.empty()) return {};
    const char32_t c = decoded.front();
    std::size_t length = 1;
    if (c >= 0xDC80 && c <= 0xDCFF) length = 1;
    else if (c >= 0x10000) length = 4;
    else if (c >= 0x800) length = 3;
    else if (c >= 0x80) length = 2;
    return {c, length};
}

bool is_blank(char c)
{
    return c == 9 || c == 32 || (c >= 10 && c <= 13) || c == 26;
}

bool is_digit(char32_t c) { return c >= '0' && c <= '9'; }
bool is_name_start(char32_t c) { return c == '_' || text::is_letter(c); }
bool is_name_char(char32_t c) { return is_name_start(c) || is_digit(c); }
bool is_digit_at(std::string_view s, std::size_t i) { return i < s.size() && is_digit(static_cast<unsigned char>(s[i])); }

// The length of the real literal at the start of s (which starts with a digit): digits, an
// optional "." with digits, and an exponent only when digits follow its "e" and sign.
std::size_t real_literal_length(std::string_view s)
{
    std::size_t i = 0;
    while (is_digit_at(s, i)) ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (is_digit_at(s, i)) ++i;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (is_digit_at(s, j)) {
            i = j;
            while (is_digit_at(s, i)) ++i;
        }
    }
    return i;
}

// After an integer: ".", "e" or "E" followed by a digit, or by "-" and a digit.
bool real_continues(std::string_view after)
{
    if (after.empty() || (after[0] != '.' && after[0] != 'e' && after[0] != 'E')) return false;
    return is_digit_at(after, 1) || (after.size() > 1 && after[1] == '-' && is_digit_at(after, 2));
}

std::string number_token(std::string_view s)
{
    const text::IntRead integer = text::read_fact_int(s);
    if (integer.status == text::NumberStatus::Ok && !real_continues(s.substr(integer.consumed)))
        return std::string(s.substr(0, integer.consumed));
    return std::string(s.substr(0, real_literal_length(s)));
}

std::string folder_name(Media kind)
{
    switch (kind) {
    case Media::rady: return "RADY";
    case Media::grafika: return "GRAFIKA";
    case Media::dzwieki: return "DŹWIĘKI";
    }
    return "";
}

// The path of a media file, with the spelling on disk when the file exists in another case.
std::string media_path(Context& ctx, Media kind, std::string_view mark, std::string_view name)
{
    const std::string relative = kartoteka_mediow(kind, mark) + std::string(name);
    std::string found = ctx.files.find_case_insensitive(relative);
    return found.empty() ? ctx.files.resolve(relative) : found;
}

// The mark media paths may be built from, and whether the name may be joined to it. Says so
// in a note when the name is refused.
std::optional<std::string> mark_for_media(Context& ctx, std::string_view name)
{
    std::optional<std::string> mark = czytaj_wyroznik(ctx);
    if (!mark || !wyroznik_poprawny(*mark)) return std::nullopt;
    if (!nazwa_medium_poprawna(name)) {
        ctx.ui.note("Uwaga!", nota_zla_nazwa_medium(name));
        return std::nullopt;
    }
    return mark;
}

// Picture and sound candidates: the name under each wyroznik, then with the extension added.
std::vector<std::string> media_candidates(Context& ctx, Media kind, std::string_view name,
                                          std::string_view extension)
{
    const std::optional<std::string> mark = mark_for_media(ctx, name);
    if (!mark) return {};
    std::vector<std::string> candidates;
    ctx.db.stan.wyroznik.each([&](const std::string& wyroznik) {
        if (wyroznik_poprawny(wyroznik)) candidates.push_back(media_path(ctx, kind, wyroznik, name));
    });
    candidates.push_back(media_path(ctx, kind, *mark, std::string(name) + std::string(extension)));
    return candidates;
}

}  // namespace

std::optional<std::string> pierwszy_token(std::string_view s)
{
    std::size_t start = 0;
    while (start < s.size() && is_blank(s[start])) ++start;
    if (start == s.size()) return std::nullopt;
    const std::string_view rest = s.substr(start);
    const Char first = char_at(rest, 0);
    if (is_digit(first.code_point)) return number_token(rest);
    if (!is_name_start(first.code_point)) return std::string(rest.substr(0, first.length));
    std::size_t end = first.length;
    for (Char c = char_at(rest, end); c.length != 0 && is_name_char(c.code_point); c = char_at(rest, end))
        end += c.length;
    return std::string(rest.substr(0, end));
}

std::optional<std::string> wyznacz_wyroznik(std::string_view file_name)
{
    const files::PathParts parts = files::split_path(file_name);
    const std::string name = parts.name + parts.extension;
    if (text::length(name) < 2) return std::nullopt;
    return pierwszy_token(text::substring(name, 2));
}

bool wyroznik_poprawny(std::string_view mark)
{
    if (mark.empty()) return false;
    for (std::size_t i = 0; i < mark.size();) {
        const Char c = char_at(mark, i);
        if (!is_name_char(c.code_point)) return false;
        i += c.length;
    }
    return true;
}

std::optional<std::string> czytaj_wyroznik(Context& ctx)
{
    if (std::optional<std::string> first = ctx.db.stan.wyroznik.first()) return first;
    std::optional<std::string> mark;
    ctx.db.stan.nazwa_ra.each([&](const std::string& name) {
        mark = wyznacz_wyroznik(name);
        return mark.has_value();
    });
    return mark;
}

std::string kartoteka_mediow(Media kind, std::string_view mark)
{
    return "../" + folder_name(kind) + "/" + std::string(mark) + "/";
}

bool nazwa_medium_poprawna(std::string_view name)
{
    return !name.empty() && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos && name.find("..") == std::string_view::npos;
}

std::string nota_zla_nazwa_medium(std::string_view name)
{
    return "Plik \"" + std::string(name) +
           "\" pominięto: nazwa pliku w bazie nie może zawierać ścieżki ani \"..\".";
}

std::optional<std::string> nazwa_pelna_rady(Context& ctx, std::string_view name)
{
    const std::optional<std::string> mark = mark_for_media(ctx, name);
    if (!mark) return std::nullopt;
    return media_path(ctx, Media::rady, *mark, name);
}

std::vector<std::string> nazwa_pelna_grafiki(Context& ctx, std::string_view name)
{
    return media_candidates(ctx, Media::grafika, name, ".bmp");
}

std::vector<std::string> nazwa_pelna_melodii(Context& ctx, std::string_view name)
{
    return media_candidates(ctx, Media::dzwieki, name, ".wav");
}

std::optional<std::string> pierwszy_istniejacy(Context& ctx, const std::vector<std::string>& candidates)
{
    for (const std::string& path : candidates)
        if (ctx.files.exists(path)) return path;
    return std::nullopt;
}

}  // namespace kb
