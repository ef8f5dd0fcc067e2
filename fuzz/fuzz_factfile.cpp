// Fuzz target of the fact-file reader: any bytes either load or raise a LoadError, never
// crash; decoding line by line loads what decoding the whole text loads. What loads must be
// written and read back to the same written form.
// Touches no file: bytes go straight to the decoding and the line reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "kb/bazy.h"
#include "platform/factfile.h"

namespace {

// A database with a fact of every field type, lista_list included (no knowledge base has one).
struct Listy {
    struct Wszystko {
        std::string s;
        std::int32_t i = 0;
        double r = 0;
        facts::SList sl;
        facts::IList il;
        facts::ListaList ll;
        FACT_FIELDS(Wszystko, s, i, r, sl, il, ll)
    };
    facts::FactList<Wszystko> wszystko;
    facts::FactList<facts::ListaList> listy;
    template <class V>
    void visit(V&& v) { v("wszystko", wszystko); v("listy", listy); }
    template <class V>
    void visit(V&& v) const { v("wszystko", wszystko); v("listy", listy); }
};

// The error of a load as text ("" when none), for comparing two loads.
template <class Db, class Load>
std::string load_error(Db& db, Load load)
{
    try {
        load(db);
    } catch (const factfile::LoadError& e) {
        if (e.number < 1031 || e.number > 1409) std::abort();
        return std::to_string(e.number) + " " + std::to_string(e.line_number) + " " +
               std::to_string(e.position) + " " + e.line;
    }
    return "";
}

template <class Db>
void check(std::string_view bytes)
{
    Db db;
    const std::string error = load_error(db, [&](Db& d) { factfile::load_bytes(d, bytes); });
    // The bytes are decoded line by line: the same as decoding the whole text first and
    // dropping its carriage returns, error and all.
    Db whole;
    const std::string whole_error = load_error(whole, [&](Db& d) {
        std::string text = text::decode(bytes, text::detect_encoding(bytes));
        std::erase(text, '\r');
        factfile::load_text(d, text);
    });
    if (error != whole_error || factfile::save_text(whole) != factfile::save_text(db)) std::abort();
    // Whatever loaded (before an error too) must read back from its written form unchanged.
    const std::string written = factfile::save_text(db);
    Db again;
    try {
        factfile::load_text(again, written);
    } catch (const factfile::LoadError& e) {
        // Known and accepted: a real within a 10-digit rounding of the largest double is
        // written as a text beyond it (1.797693135E+308), which reads back as out of range.
        if (e.number == factfile::number_out_of_range) return;
        throw;
    }
    if (factfile::save_text(again) != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check<kb::BazaModeli>(bytes);
    check<kb::BazaRegul>(bytes);
    check<Listy>(bytes);
    return 0;
}
