// Fuzz target of the fact-file reader: any bytes either load or raise a LoadError, never
// crash. What loads must be written and read back to the same written form.
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

template <class Db>
void check(std::string_view bytes)
{
    Db db;
    try {
        factfile::load_bytes(db, bytes);
    } catch (const factfile::LoadError& e) {
        if (e.number < 1031 || e.number > 1409) std::abort();
    }
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
