// The list and text helpers of the diagnoses. Only the two list writers have an effect: they
// write through the report writers; everything else computes a value from its arguments.
#include "diagnostics/listy_diagnoz.h"

#include <algorithm>
#include <unordered_set>

#include "kb/listy.h"
#include "kb/pisz.h"

namespace diagnostics {
namespace {

std::string joined_by_commas(const facts::SList& teksty)
{
    std::string out;
    for (std::size_t i = 0; i < teksty.size(); ++i) {
        if (i) out += ',';
        out += teksty[i];
    }
    return out;
}

}  // namespace

bool nie_jest_elementem(const std::string& x, const facts::SList& lista) { return !kb::element(x, lista); }

bool podzbior(const facts::SList& a, const facts::SList& b)
{
    if (a.size() <= 4 || b.size() <= 4)  // short lists: a scan costs less than a set
        return std::all_of(a.begin(), a.end(), [&](const std::string& x) { return kb::element(x, b); });
    const std::unordered_set<std::string> in_b(b.begin(), b.end());
    return std::all_of(a.begin(), a.end(), [&](const std::string& x) { return in_b.contains(x); });
}

bool podzbior_ogolny(const facts::SList& a, const facts::SList& b) { return podzbior(a, b) || podzbior(b, a); }

facts::SList lista_str_int(const facts::IList& numery)
{
    facts::SList out;
    out.reserve(numery.size());
    for (std::int32_t n : numery) out.push_back(std::to_string(n));
    return out;
}

facts::SList zmien_na_stringa1(const facts::IList& numery)
{
    facts::SList out = lista_str_int(numery);
    for (std::string& s : out) s += "==>";
    return out;
}

std::string tworz_string(const facts::SList& teksty)
{
    std::string out;
    for (const std::string& t : teksty) out += t;
    return out;
}

std::string tworz_string1(const facts::SList& teksty)
{
    std::string out;
    for (const std::string& t : teksty) out += t + ", ";
    return out;
}

void pisz_liste_dla_raportu_i(kb::Context& ctx, const facts::SList& teksty)
{
    if (!teksty.empty()) kb::pisz_tuto(ctx, joined_by_commas(teksty));
    kb::piszcr(ctx);
}

void pisz_liste_dla_raportu_s(kb::Context& ctx, const facts::SList& teksty)
{
    kb::pisz_tuto(ctx, joined_by_commas(teksty) + "]");
}

}  // namespace diagnostics
