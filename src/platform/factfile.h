// Reading and writing fact files: one fact per line, `name(field,field,...)`, fields typed by
// the database's declaration. Loading checks every line and stops at the first bad one with a
// numbered LoadError; it never clears the database. Knows nothing of what any fact means.
//
// A database is any struct with visit(v) calling v(fact name, facts::FactList<T>&) for each of
// its fact names in declaration order (see kb/bazy.h). Field types: std::string, facts::Name
// (a string kept interned), std::int32_t, double, facts::SList, facts::NameList, facts::IList,
// facts::ListaList, and void* (an opaque handle: written as its address for messages, never
// read: a handle field raises 1401).
//
// Decisions of our own:
// - A line that ends inside a string raises 1409 with the whole line consumed, as any field
//   that the line end cuts short.
// - A real beyond the range of a double raises 1031 (out of range), position at the field.
// - A byte 0 ends the line's text for the reader, as a line feed would (strings never hold
//   one); the line text of an error still holds everything up to the line feed.
// - Where "(", ",", ")" or "]" is expected and the line ends, the position is the whole line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/facts.h"
#include "platform/files.h"
#include "platform/large_tables.h"
#include "platform/names.h"
#include "platform/side_by_side.h"
#include "platform/text.h"

namespace factfile {

// Error numbers of the line reader.
enum ErrorNumber : int {
    integer_without_digit = 1401,
    real_without_digit = 1402,
    string_without_quote = 1403,
    list_without_bracket = 1405,
    list_bad_separator = 1406,
    unknown_fact_name = 1407,
    name_without_parenthesis = 1408,
    field_bad_end = 1409,
    number_out_of_range = 1031,
};

// The first bad line of a load: its number, the line as read (UTF-8, no CR, no line end),
// the count of its characters consumed when the error was found, and its 1-based line number.
class LoadError : public std::runtime_error {
public:
    LoadError(int number, std::string line, std::size_t position, std::size_t line_number);
    int number;
    std::string line;
    std::size_t position;
    std::size_t line_number;
};

namespace detail {

// A cursor over one line; every read skips the blanks before its value. Reused for all the
// lines of a load so that its scratch buffers are allocated once.
class LineReader {
public:
    void start(std::string_view line, std::size_t line_number);

    std::string_view read_name();
    void open_fields();              // "(" or 1408
    void close_field(bool last);     // "," or ")" or 1409
    [[noreturn]] void fail(int number) const;

    void read_field(std::string& out);
    void read_field(facts::Name& out);
    void read_field(std::int32_t& out);
    void read_field(double& out);
    void read_field(facts::SList& out);
    void read_field(facts::NameList& out);
    void read_field(facts::IList& out);
    void read_field(facts::ListaList& out);
    void read_field(void*& out);

private:
    bool at_end() const { return pos_ >= line_.size() || line_[pos_] == '\0'; }
    void skip_blanks();
    char take();  // consumes one whole character, returns its first byte; '\0' at the end
    void open_list();
    bool empty_list();
    bool next_element();  // after an element: "," (true), "]" (false) or 1406
    template <class E, class Out>
    void read_list(std::vector<E>& scratch, Out& out);
    // A string's text: a view into the line, or into scratch_text_ when it holds escapes.
    std::string_view read_string();
    std::string_view read_escaped_tail(std::size_t start);

    std::string_view line_;
    std::size_t pos_ = 0;
    std::size_t line_number_ = 0;
    std::string scratch_text_;
    std::vector<std::string> scratch_strings_;
    std::vector<facts::Name> scratch_names_;
    std::vector<std::string_view> scratch_views_;
    std::vector<std::int32_t> scratch_ints_;
    std::vector<facts::SList> scratch_lists_;
};

using Adder = void (*)(void* list, LineReader& reader);
struct Slot {
    void* list;
    Adder add;
};
using NameIndex = std::unordered_map<std::string_view, std::size_t>;

// Splits the bytes into lines at each LF, decodes each line (dropping every CR) and hands it to
// the slot its name picks. Only one line's decoded text exists at a time. Returns the number of
// lines read; a LoadError counts lines from the first of these bytes.
std::size_t load_lines(std::string_view bytes, text::Encoding encoding, const NameIndex& names,
                       std::span<const Slot> slots);
// The same for the lines of a file, its encoding detected first as for its whole bytes.
void load_file(files::FileLines& file, const NameIndex& names, std::span<const Slot> slots);
// The same for lines of a known encoding, from where the file stands; returns the number of
// lines read, and a LoadError counts lines from there.
std::size_t load_lines_of(files::FileLines& file, text::Encoding encoding, const NameIndex& names,
                          std::span<const Slot> slots);
// Reads lines until one that is not ASCII, and tells whether it makes the file CP1250 (it is no
// UTF-8), as it does whatever follows. False also for a file of ASCII alone.
bool cp1250_by_first_other_line(files::FileLines& file);

template <class T>
void read_fields(LineReader& r, T& fact)
{
    r.open_fields();
    if constexpr (facts::MultiField<T>) {
        auto refs = fact.fields();
        constexpr std::size_t n = std::tuple_size_v<decltype(refs)>;
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            ((r.read_field(std::get<I>(refs)), r.close_field(I + 1 == n)), ...);
        }(std::make_index_sequence<n>{});
    } else {
        r.read_field(fact);
        r.close_field(true);
    }
}

template <class T>
void read_and_add(void* list, LineReader& r)
{
    T fact{};
    read_fields(r, fact);
    static_cast<facts::FactList<T>*>(list)->add_last(std::move(fact));
}

// The fact names of a database type, numbered in declaration order; built once per type.
template <class Db>
const NameIndex& name_index()
{
    static const NameIndex index = [] {
        NameIndex m;
        Db probe;
        std::size_t i = 0;
        probe.visit([&](std::string_view name, auto&) { m.emplace(name, i++); });
        return m;
    }();
    return index;
}

// The fact lists of a database with their readers, in declaration order.
template <class Db>
std::vector<Slot> slots_of(Db& db)
{
    std::vector<Slot> slots;
    db.visit([&](std::string_view, auto& list) {
        using T = typename std::remove_reference_t<decltype(list)>::value_type;
        slots.push_back(Slot{&list, &read_and_add<T>});
    });
    return slots;
}

// A name field of a fact read under a name table of its own takes its number in the table that
// table joined; the other fields hold no name. One overload per field type the reader reads.
inline void renumber_field(facts::Name& n, std::span<const std::uint32_t> numbers) { renumber(n, numbers); }
inline void renumber_field(facts::NameList& l, std::span<const std::uint32_t> numbers)
{
    for (facts::Name& n : l) renumber(n, numbers);
}
inline void renumber_field(std::string&, std::span<const std::uint32_t>) {}
inline void renumber_field(std::int32_t&, std::span<const std::uint32_t>) {}
inline void renumber_field(double&, std::span<const std::uint32_t>) {}
inline void renumber_field(facts::SList&, std::span<const std::uint32_t>) {}
inline void renumber_field(facts::IList&, std::span<const std::uint32_t>) {}
inline void renumber_field(facts::ListaList&, std::span<const std::uint32_t>) {}
inline void renumber_field(void*&, std::span<const std::uint32_t>) {}

template <class T>
void renumber_fact(T& fact, std::span<const std::uint32_t> numbers)
{
    if constexpr (facts::MultiField<T>)
        std::apply([&](auto&... field) { (renumber_field(field, numbers), ...); }, fact.fields());
    else
        renumber_field(fact, numbers);
}

// A fact file of a large base brings a new name for every hundred bytes or so (less when names
// repeat much): name tables are sized for a file's names up front. Rather a little short than
// much over: a table too large costs memory for the whole run, one too small grows once
// without reading a name.
inline constexpr std::size_t kBytesPerNewName = 96;

// A file large enough is read in parts side by side, one per processor and each at least this
// long: below it the threads cost more than they save.
inline constexpr std::size_t kSmallestPart = std::size_t{1} << 20;
// A part this long has a name table large enough to be worth huge pages.
inline constexpr std::size_t kHugeTablePart = std::size_t{1} << 20;
std::size_t parts_for(std::size_t bytes);
// The bytes cut into about `parts` parts of whole lines (each but the last ends in an LF).
std::vector<std::string_view> split_at_lines(std::string_view bytes, std::size_t parts);

// One part of a file read on its own thread: its facts in a database of its own, its names in a
// table of its own (the first part's in the table of the thread that loads: its names come
// first in the file anyway), how many lines it read and the error it stopped at.
template <class Db>
struct Part {
    explicit Part(bool first_part) : first(first_part) {}

    bool first;
    Db db;
    std::unique_ptr<facts::NameTable> names;  // none for the first part
    std::size_t lines = 0;
    std::optional<LoadError> error;

    // Its names to a table of its own (but for the first part), sized for its bytes, while the
    // result stands. Only the table of a part of many megabytes is worth huge pages.
    std::optional<facts::NameTableScope> own_names(std::size_t bytes)
    {
        if (first) return std::nullopt;
        names = std::make_unique<facts::NameTable>(bytes >= kHugeTablePart);
        names->reserve(bytes / kBytesPerNewName);
        return std::optional<facts::NameTableScope>(std::in_place, *names);
    }

    // Reads the lines of the bytes [from, to) of a file, through a reading of their own.
    void read(const files::Files& files, std::string_view path, std::size_t from, std::size_t to,
              text::Encoding encoding)
    {
        files::FileLines range(files, path, from, to);
        const auto scope = own_names(std::min(to, range.size()) - std::min(from, range.size()));
        try {
            lines = load_lines_of(range, encoding, name_index<Db>(), slots_of(db));
        } catch (const LoadError& e) {
            error = e;  // raised by the load once the parts before this one are in
        }
    }

    // Reads the bytes a megabyte at a time; `owned`: the bytes are a file's text read for this
    // load alone, and what is read goes back to the system at once, so that the text and the
    // facts built from it are not both held whole.
    void read(std::string_view bytes, text::Encoding encoding, bool owned)
    {
        const auto scope = own_names(bytes.size());
        const std::vector<Slot> slots = slots_of(db);
        for (std::string_view piece : split_at_lines(bytes, std::max<std::size_t>(bytes.size() / kSmallestPart, 1))) {
            try {
                lines += load_lines(piece, encoding, name_index<Db>(), slots);
            } catch (const LoadError& e) {
                // Raised by the load once the parts before this one are in.
                error = LoadError(e.number, e.line, e.position, e.line_number + lines);
                return;
            }
            if (owned) platform::release_pages(const_cast<char*>(piece.data()), piece.size());
        }
    }
};

// Loads the parts of the bytes side by side, then adds their facts in order as one reading of
// the whole would: the same facts, the same numbers of names, the same first bad line. Any
// other failure of a part (no memory) is raised with no fact added.
// read(i, part) reads part i on its thread.
template <class Db, class Read>
void load_in_parts(Db& db, std::size_t count, Read&& read)
{
    // Made here: nothing but the reading itself runs on the other threads.
    std::vector<std::unique_ptr<Part<Db>>> parts(count);
    for (std::size_t i = 0; i < count; ++i) parts[i] = std::make_unique<Part<Db>>(i == 0);
    platform::run_side_by_side(count, [&](std::size_t i) { read(i, *parts[i]); });  // part 0 on this thread
    // A part after a bad line counts for nothing, as a reading of the whole never reaches it.
    std::size_t used = 0;
    while (used < parts.size() && !parts[used++]->error) {}
    // The other parts' names join those of the first, and their facts take their numbers.
    const std::size_t others = used == 0 ? 0 : used - 1;
    std::vector<std::unique_ptr<facts::NameTable>> tables(others);
    std::vector<std::size_t> first(others + 1, 0);
    for (std::size_t i = 0; i < others; ++i) {
        first[i + 1] = first[i] + parts[i + 1]->names->size();
        tables[i] = std::move(parts[i + 1]->names);
    }
    const auto numbers = facts::name_table().join(tables);
    platform::run_side_by_side(others, [&](std::size_t i) {
        const std::span<const std::uint32_t> mine(numbers.data() + first[i], first[i + 1] - first[i]);
        parts[i + 1]->db.visit([&](std::string_view, auto& list) {
            list.change_all([&](auto& fact) { renumber_fact(fact, mine); });
        });
    });
    std::size_t lines_before = 0;
    for (std::size_t i = 0; i < used; ++i) {
        Part<Db>& part = *parts[i];
        const std::vector<Slot> sources = slots_of(part.db);
        std::size_t k = 0;
        db.visit([&](std::string_view, auto& list) {
            list.take_all(*static_cast<std::remove_reference_t<decltype(list)>*>(sources[k++].list));
        });
        if (part.error) {
            const LoadError& e = *part.error;
            throw LoadError(e.number, e.line, e.position, e.line_number + lines_before);
        }
        lines_before += part.lines;
        parts[i].reset();
    }
}

// Loads pieces of text, each on a thread of its own; `owned`: see Part::read.
template <class Db>
void load_pieces(Db& db, std::span<const std::string_view> pieces, text::Encoding encoding, bool owned)
{
    load_in_parts(db, pieces.size(), [&](std::size_t i, Part<Db>& part) { part.read(pieces[i], encoding, owned); });
}

// `owned`: see Part::read.
template <class Db>
void load_encoded(Db& db, std::string_view bytes, text::Encoding encoding, bool owned = false)
{
    const std::size_t parts = parts_for(bytes.size());
    if (parts < 2) {
        load_lines(bytes, encoding, name_index<Db>(), slots_of(db));
        return;
    }
    facts::name_table().reserve(bytes.size() / kBytesPerNewName);
    load_pieces(db, split_at_lines(bytes, parts), encoding, owned);
}

// Loads a CP1250 file of `parts` parts, each read from the file by its own thread.
template <class Db>
void load_file_in_parts(Db& db, const files::Files& files, std::string_view path, files::FileLines& file,
                        std::size_t parts)
{
    facts::name_table().reserve(file.size() / kBytesPerNewName);
    std::vector<std::size_t> starts = {0};
    for (std::size_t i = 1; i < parts; ++i)
        starts.push_back(std::max(starts.back(), file.line_start_from(file.size() / parts * i)));
    starts.push_back(std::string_view::npos);  // the last part reads whatever the file holds
    load_in_parts(db, parts, [&](std::size_t i, Part<Db>& part) {
        part.read(files, path, starts[i], starts[i + 1], text::Encoding::Cp1250);
    });
}

// Loads the bytes of a file as load_bytes does (see there).
template <class Db>
void load_file_bytes(Db& db, std::string_view bytes, bool owned)
{
    const text::Encoding encoding = text::detect_encoding(bytes);
    if (encoding == text::Encoding::Utf8) bytes = text::without_byte_order_mark(bytes);
    load_encoded(db, bytes, encoding, owned);
}

void write_value(std::string& out, std::string_view s);
void write_value(std::string& out, std::int32_t i);
void write_value(std::string& out, double r);
void write_value(std::string& out, const facts::SList& l);
void write_value(std::string& out, const facts::NameList& l);
void write_value(std::string& out, const facts::IList& l);
void write_value(std::string& out, const facts::ListaList& l);
void write_handle(std::string& out, const void* handle);

template <class F>
void append_field(std::string& out, const F& value)
{
    if constexpr (std::is_same_v<F, void*>)
        write_handle(out, value);
    else
        write_value(out, value);
}

template <class T>
void append_fact(std::string& out, std::string_view name, const T& fact)
{
    out += name;
    out += '(';
    if constexpr (facts::MultiField<T>) {
        std::apply(
            [&](const auto&... field) {
                bool first = true;
                ((out += first ? "" : ",", first = false, append_field(out, field)), ...);
            },
            fact.fields());
    } else {
        append_field(out, fact);
    }
    out += ')';
}

}  // namespace detail

// Loads UTF-8 text (CRs dropped): each fact is added last, in line order. Throws LoadError at
// the first bad line; the facts of the lines before it stay.
template <class Db>
void load_text(Db& db, std::string_view utf8)
{
    detail::load_encoded(db, utf8, text::Encoding::Utf8);
}

// Loads the bytes of a file: CP1250, or UTF-8 when they are valid UTF-8 with non-ASCII (a
// byte-order mark first is no text), as the files layer reads text files.
template <class Db>
void load_bytes(Db& db, std::string_view bytes)
{
    detail::load_file_bytes(db, bytes, false);
}

// Loads a fact file as load_bytes loads its bytes. A small file is read line by line through a
// buffer of fixed size and each line decoded as it is read into the facts, so neither the file
// nor its decoded text is ever held whole; a large one is read whole and its parts side by side.
// A file that cannot be read raises files::FileError.
template <class Db>
void load(Db& db, const files::Files& files, std::string_view path)
{
    files::FileLines lines(files, path);
    if (const std::size_t parts = detail::parts_for(lines.size()); parts >= 2) {
        // A CP1250 base, as they mostly are, is read by its parts themselves; any other file
        // is read whole first, then in parts.
        if (detail::cp1250_by_first_other_line(lines)) {
            detail::load_file_in_parts(db, files, path, lines, parts);
            return;
        }
        lines.rewind();
        const std::span<char> all = lines.rest();
        detail::load_file_bytes(db, std::string_view(all.data(), all.size()), true);
        return;
    }
    detail::load_file(lines, detail::name_index<Db>(), detail::slots_of(db));
}

// The written form of a whole database (UTF-8, each fact on a line ended by LF): fact names
// in declaration order, each name's facts in store order.
template <class Db>
std::string save_text(const Db& db)
{
    std::string out;
    db.visit([&](std::string_view name, const auto& list) {
        list.each([&](const auto& fact) {
            detail::append_fact(out, name, fact);
            out += '\n';
        });
    });
    return out;
}

// Writes a database to a fact file in CP1250 with CR LF line ends (replacing it atomically).
template <class Db>
void save(const Db& db, const files::Files& files, std::string_view path)
{
    files.write_text(path, save_text(db), text::Encoding::Cp1250);
}

// The written form of one field value: "tekst" with escapes, 12, 0.5, ["a","b"], [1,2], [["a"]].
template <class F>
std::string to_text(const F& value)
{
    std::string out;
    detail::append_field(out, value);
    return out;
}

// The written form of one fact: name(field,...).
template <class T>
std::string fact_text(std::string_view name, const T& fact)
{
    std::string out;
    detail::append_fact(out, name, fact);
    return out;
}

}  // namespace factfile
