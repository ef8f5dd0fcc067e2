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

#include <cstddef>
#include <cstdint>
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
#include "platform/names.h"
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
// the slot its name picks. Only one line's decoded text exists at a time.
void load_lines(std::string_view bytes, text::Encoding encoding, const NameIndex& names,
                std::span<const Slot> slots);
// The same for the lines of a file, its encoding detected first as for its whole bytes.
void load_file(files::FileLines& file, const NameIndex& names, std::span<const Slot> slots);

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

template <class Db>
void load_encoded(Db& db, std::string_view bytes, text::Encoding encoding)
{
    load_lines(bytes, encoding, name_index<Db>(), slots_of(db));
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
    const text::Encoding encoding = text::detect_encoding(bytes);
    if (encoding == text::Encoding::Utf8) bytes = text::without_byte_order_mark(bytes);
    detail::load_encoded(db, bytes, encoding);
}

// Loads a fact file as load_bytes loads its bytes. The file is read line by line through a
// buffer of fixed size and each line decoded as it is read into the facts, so neither the file
// nor its decoded text is ever held whole. A file that cannot be read raises files::FileError.
template <class Db>
void load(Db& db, const files::Files& files, std::string_view path)
{
    files::FileLines lines(files, path);
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
