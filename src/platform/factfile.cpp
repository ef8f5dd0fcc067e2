// The line reader and the value writers of fact files. The reader decodes one line at a time
// into a buffer it reuses and builds each field in place, so a load allocates only what it keeps.
// No locale, no regex, no streams: this runs once per line of bases of 100,000 rules.
#include "platform/factfile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>

namespace factfile {

LoadError::LoadError(int number_, std::string line_, std::size_t position_, std::size_t line_number_)
    : std::runtime_error("Błąd " + std::to_string(number_) + " w wierszu " + std::to_string(line_number_) +
                         " pliku faktów, pozycja " + std::to_string(position_) + "."),
      number(number_),
      line(std::move(line_)),
      position(position_),
      line_number(line_number_)
{
}

namespace detail {

namespace {

bool is_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Builds a vector of exactly the scratch's size, moving the elements over.
template <class E>
std::vector<E> exact_copy(std::vector<E>& scratch)
{
    return std::vector<E>(std::make_move_iterator(scratch.begin()),
                          std::make_move_iterator(scratch.end()));
}

}  // namespace

void LineReader::start(std::string_view line, std::size_t line_number)
{
    line_ = line;
    pos_ = 0;
    line_number_ = line_number;
}

void LineReader::fail(int number) const
{
    throw LoadError(number, std::string(line_), text::char_count(line_, pos_), line_number_);
}

void LineReader::skip_blanks()
{
    while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
}

char LineReader::take()
{
    if (at_end()) return '\0';
    char c = line_[pos_++];
    while (pos_ < line_.size() && is_continuation(line_[pos_])) ++pos_;
    return c;
}

std::string_view LineReader::read_name()
{
    skip_blanks();
    std::size_t from = pos_;
    while (pos_ < line_.size()) {
        char c = line_[pos_];
        if (c == '(' || c == ',' || c == ')' || c == ']' || c == '\0') break;
        ++pos_;
    }
    return line_.substr(from, pos_ - from);
}

void LineReader::open_fields()
{
    skip_blanks();
    if (take() != '(') fail(name_without_parenthesis);
}

void LineReader::close_field(bool last)
{
    skip_blanks();
    if (take() != (last ? ')' : ',')) fail(field_bad_end);
}

void LineReader::read_field(std::string& out)
{
    out.assign(read_string());
}

void LineReader::read_field(facts::Name& out)
{
    out = facts::Name(read_string());
}

std::string_view LineReader::read_string()
{
    skip_blanks();
    if (take() != '"') fail(string_without_quote);
    const std::size_t from = pos_;
    // Most strings hold no escape: the closing quote is found and the text taken straight from
    // the line, unless a backslash or a byte 0 stands before it.
    const char* text = line_.data() + from;
    const std::size_t rest = line_.size() - from;
    const auto* quote = static_cast<const char*>(std::memchr(text, '"', rest));
    std::size_t length = quote ? static_cast<std::size_t>(quote - text) : rest;
    if (const void* backslash = std::memchr(text, '\\', length))
        length = static_cast<std::size_t>(static_cast<const char*>(backslash) - text);
    if (const void* zero = std::memchr(text, '\0', length))
        length = static_cast<std::size_t>(static_cast<const char*>(zero) - text);
    pos_ = from + length;
    if (quote && text + length == quote) {
        ++pos_;
        return {text, length};
    }
    return read_escaped_tail(from);
}

// The rest of a string from its first backslash on (or the line end inside the string).
std::string_view LineReader::read_escaped_tail(std::size_t from)
{
    scratch_text_.assign(line_.substr(from, pos_ - from));
    while (!at_end()) {
        char c = line_[pos_++];
        if (c == '"') return scratch_text_;
        if (c != '\\') {
            scratch_text_ += c;
            continue;
        }
        // A backslash before anything but n, r, \ or " stays, and that character is read normally.
        char next = at_end() ? '\0' : line_[pos_];
        switch (next) {
        case 'n': scratch_text_ += '\n'; ++pos_; break;
        case 'r': scratch_text_ += '\r'; ++pos_; break;
        case '\\': scratch_text_ += '\\'; ++pos_; break;
        case '"': scratch_text_ += '"'; ++pos_; break;
        default: scratch_text_ += '\\'; break;
        }
    }
    fail(field_bad_end);  // the line ended inside the string
}

void LineReader::read_field(std::int32_t& out)
{
    skip_blanks();
    text::IntRead r = text::read_fact_int(line_.substr(pos_));
    if (r.status == text::NumberStatus::NoDigit) fail(integer_without_digit);
    if (r.status == text::NumberStatus::OutOfRange) fail(number_out_of_range);
    out = r.value;
    pos_ += r.consumed;
}

void LineReader::read_field(double& out)
{
    skip_blanks();
    text::RealRead r = text::read_fact_real(line_.substr(pos_));
    if (r.status == text::NumberStatus::NoDigit) fail(real_without_digit);
    if (r.status == text::NumberStatus::OutOfRange) fail(number_out_of_range);
    out = r.value;
    pos_ += r.consumed;
}

void LineReader::read_field(void*&)
{
    skip_blanks();
    fail(integer_without_digit);
}

void LineReader::open_list()
{
    skip_blanks();
    if (take() != '[') fail(list_without_bracket);
}

bool LineReader::empty_list()
{
    skip_blanks();
    if (pos_ < line_.size() && line_[pos_] == ']') {
        ++pos_;
        return true;
    }
    return false;
}

bool LineReader::next_element()
{
    skip_blanks();
    char c = take();
    if (c == ',') return true;
    if (c == ']') return false;
    fail(list_bad_separator);
}

// The elements are read into a scratch vector reused by every line, then copied out at their
// exact size: a base holds many short lists.
template <class E, class Out>
void LineReader::read_list(std::vector<E>& scratch, Out& out)
{
    open_list();
    out.clear();
    if (empty_list()) return;
    scratch.clear();
    do {
        scratch.emplace_back();
        read_field(scratch.back());
    } while (next_element());
    out = exact_copy(scratch);
}

void LineReader::read_field(facts::SList& out) { read_list(scratch_strings_, out); }
// The texts of a list of names are read first and interned together (see facts::intern_all),
// in their order; a text with escapes lives in scratch_text_ until the next string, so it is
// interned at once, after the texts before it.
void LineReader::read_field(facts::NameList& out)
{
    open_list();
    out.clear();
    if (empty_list()) return;
    scratch_names_.clear();
    scratch_views_.clear();
    do {
        const std::string_view text = read_string();
        if (text.data() != scratch_text_.data()) {
            scratch_views_.push_back(text);
            continue;
        }
        facts::intern_all(scratch_views_, scratch_names_);
        scratch_views_.clear();
        scratch_names_.emplace_back(text);
    } while (next_element());
    facts::intern_all(scratch_views_, scratch_names_);
    out = exact_copy(scratch_names_);
}
void LineReader::read_field(facts::IList& out) { read_list(scratch_ints_, out); }
// Each element is read through scratch_strings_, which is free again once it returns.
void LineReader::read_field(facts::ListaList& out) { read_list(scratch_lists_, out); }

namespace {

// One line's text for the reader: CP1250 decoded into `buffer`, UTF-8 viewed in place; without
// its carriage returns either way (they are dropped wherever they stand).
std::string_view line_text(std::string_view bytes, text::Encoding encoding, std::string& buffer)
{
    // A line of a CR LF file ends in its only CR: cut off before decoding, never searched for.
    if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
    const bool has_cr = std::memchr(bytes.data(), '\r', bytes.size()) != nullptr;
    if (encoding == text::Encoding::Cp1250) {
        text::cp1250_to_utf8(bytes, buffer);
    } else if (has_cr) {
        buffer.assign(bytes);
    } else {
        return bytes;
    }
    if (has_cr) std::erase(buffer, '\r');
    return buffer;
}

// Takes the lines of one load in order, each as it stands on disk without its LF.
class LineLoader {
public:
    LineLoader(text::Encoding encoding, const NameIndex& names, std::span<const Slot> slots)
        : encoding_(encoding), names_(names), slots_(slots)
    {
    }

    void set_encoding(text::Encoding encoding) { encoding_ = encoding; }
    std::size_t lines() const { return line_number_; }

    // `ended`: an LF ended the line. Text of nothing but carriage returns after the last line
    // feed is no line.
    void load(std::string_view bytes, bool ended)
    {
        const std::string_view line = line_text(bytes, encoding_, buffer_);
        if (!ended && line.empty()) return;
        reader_.start(line, ++line_number_);
        const std::string_view name = reader_.read_name();
        const auto found = names_.find(name);
        if (found == names_.end()) reader_.fail(unknown_fact_name);
        const Slot& slot = slots_[found->second];
        slot.add(slot.list, reader_);
    }

private:
    text::Encoding encoding_;
    const NameIndex& names_;
    std::span<const Slot> slots_;
    LineReader reader_;
    std::string buffer_;
    std::size_t line_number_ = 0;
};

}  // namespace

std::size_t parts_for(std::size_t bytes)
{
    return std::min(platform::hardware_threads(), bytes / kSmallestPart);
}

std::vector<std::string_view> split_at_lines(std::string_view bytes, std::size_t parts)
{
    std::vector<std::string_view> out;
    const std::size_t step = bytes.size() / std::max<std::size_t>(parts, 1);
    std::size_t from = 0;
    while (from < bytes.size()) {
        std::size_t to = bytes.size();
        if (out.size() + 1 < parts) {
            const std::size_t aim = std::max(from, step * (out.size() + 1));
            const std::size_t lf = bytes.find('\n', aim);
            if (lf != std::string_view::npos) to = lf + 1;
        }
        out.push_back(bytes.substr(from, to - from));
        from = to;
    }
    return out;
}

std::size_t load_lines(std::string_view bytes, text::Encoding encoding, const NameIndex& names,
                       std::span<const Slot> slots)
{
    LineLoader loader(encoding, names, slots);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const char* lf = static_cast<const char*>(std::memchr(bytes.data() + pos, '\n', bytes.size() - pos));
        const std::size_t end = lf ? static_cast<std::size_t>(lf - bytes.data()) : bytes.size();
        loader.load(bytes.substr(pos, end - pos), lf != nullptr);
        pos = end + 1;
    }
    return loader.lines();
}

std::size_t load_lines_of(files::FileLines& file, text::Encoding encoding, const NameIndex& names,
                          std::span<const Slot> slots)
{
    LineLoader loader(encoding, names, slots);
    while (auto line = file.next()) loader.load(line->bytes, line->ended);
    return loader.lines();
}

bool cp1250_by_first_other_line(files::FileLines& file)
{
    while (auto line = file.next()) {
        const text::Utf8Form form = text::utf8_form(line->bytes);
        if (form != text::Utf8Form::ascii) return form == text::Utf8Form::invalid;
    }
    return false;
}

// The encoding is decided as for the whole file, in one reading of it as a rule. No valid
// UTF-8 sequence holds a line feed, so the lines are judged one by one, and lines of ASCII read
// the same in either encoding: they are loaded as they come while the encoding is open. The
// first other line decides it when it is no UTF-8 (mostly early on in a CP1250 base). A UTF-8
// line leaves the decision to the rest of the file: it is looked through, and read again from
// the first line not yet loaded.
void load_file(files::FileLines& file, const NameIndex& names, std::span<const Slot> slots)
{
    facts::name_table().reserve(file.size() / kBytesPerNewName);
    LineLoader loader(text::Encoding::Utf8, names, slots);  // ASCII is viewed in place
    std::size_t loaded = 0;
    std::optional<files::FileLines::Line> line;
    text::Utf8Form form = text::Utf8Form::ascii;
    while ((line = file.next())) {
        form = text::utf8_form(line->bytes);
        if (form != text::Utf8Form::ascii) break;
        loader.load(line->bytes, line->ended);
        ++loaded;
    }
    if (!line) return;
    if (form == text::Utf8Form::utf8) {
        while (auto rest = file.next())
            if (text::utf8_form(rest->bytes) == text::Utf8Form::invalid) {
                form = text::Utf8Form::invalid;
                break;
            }
        file.rewind();
        for (std::size_t i = 0; i <= loaded; ++i) line = file.next();
    }
    const text::Encoding encoding = form == text::Utf8Form::utf8 ? text::Encoding::Utf8 : text::Encoding::Cp1250;
    loader.set_encoding(encoding);
    std::string_view bytes = line->bytes;
    if (loaded == 0 && encoding == text::Encoding::Utf8) bytes = text::without_byte_order_mark(bytes);
    loader.load(bytes, line->ended);
    while ((line = file.next())) loader.load(line->bytes, line->ended);
}

// ---- Writing ---------------------------------------------------------------------------------

void write_value(std::string& out, std::string_view s)
{
    out += '"';
    std::size_t from = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char* escape = nullptr;
        switch (s[i]) {
        case '\n': escape = "\\n"; break;
        case '\r': escape = "\\r"; break;
        case '"': escape = "\\\""; break;
        case '\\': escape = "\\\\"; break;
        default: continue;
        }
        out.append(s, from, i - from);
        out += escape;
        from = i + 1;
    }
    out.append(s, from, s.size() - from);
    out += '"';
}

void write_value(std::string& out, std::int32_t i)
{
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, i);
    out.append(buf, r.ptr);
}

void write_value(std::string& out, double r) { out += text::real_to_text(r); }

namespace {

template <class E>
void write_list(std::string& out, const std::vector<E>& list)
{
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i) out += ',';
        write_value(out, list[i]);
    }
    out += ']';
}

}  // namespace

void write_value(std::string& out, const facts::SList& l) { write_list(out, l); }
void write_value(std::string& out, const facts::NameList& l) { write_list(out, l); }
void write_value(std::string& out, const facts::IList& l) { write_list(out, l); }
void write_value(std::string& out, const facts::ListaList& l) { write_list(out, l); }

void write_handle(std::string& out, const void* handle)
{
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, reinterpret_cast<std::uintptr_t>(handle));
    out.append(buf, r.ptr);
}

}  // namespace detail

}  // namespace factfile
