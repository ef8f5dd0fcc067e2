// The search for internal contradictions over the flattened forms of every rule. Records the
// contradictory flattened rules, the findings and the flag; it tells the user nothing.
#include "diagnostics/sprzecznosc_wewnetrzna.h"

#include <string>
#include <string_view>
#include <unordered_set>


namespace diagnostics {
namespace {

// How many findings a flattened list gives: one for each pair of a condition and its negation,
// in whichever order they stand. Each such pair holds one name that is the other with "n" in
// front, and the lists hold no repeats, so each pair is counted once, by its longer name.
std::size_t pary_sprzeczne(const facts::SList& warunki)
{
    std::unordered_set<std::string_view> names(warunki.begin(), warunki.end());
    std::size_t pary = 0;
    for (const std::string& c : warunki)
        if (!c.empty() && c.front() == 'n' && names.contains(std::string_view(c).substr(1))) ++pary;
    return pary;
}

}  // namespace

std::string flattened_rule_key(const kb::RegulaSplaszczona& r)
{
    std::string k = std::to_string(r.numer) + '\x1f' + r.wniosek + '\x1f';
    for (const std::string& c : r.warunki) k += c + '\x1e';
    k += '\x1f';
    for (std::int32_t n : r.uzyte_reguly) k += std::to_string(n) + ',';
    return k;
}

Omissions wyznacz_sprzecznosc_1w(kb::Context& ctx, FlatteningLimits limits)
{
    auto& w = ctx.db.wyniki_diagnoz;
    Omissions omissions;
    Flattener flattener(ctx, limits);
    std::unordered_set<std::string> recorded;
    w.regula_splaszczona_1w.each([&](const kb::RegulaSplaszczona& r) { recorded.insert(flattened_rule_key(r)); });
    ctx.db.baza_regul.regula.each([&](const kb::Regula& rule) {
        const Flattening& s = flattener.splaszcz(rule.warunki);
        omissions.note(rule.numer, rule.wniosek, s);
        for (const FlatForm& form : s.postacie) {
            const std::size_t pary = pary_sprzeczne(form.warunki);
            if (pary == 0) continue;
            kb::RegulaSplaszczona r{rule.numer, rule.wniosek.str(), form.warunki, uzyte_reguly(form)};
            if (!recorded.insert(flattened_rule_key(r)).second) continue;
            w.regula_splaszczona_1w.add_last(r);
            for (std::size_t i = 0; i < pary; ++i) w.sprzecznosc_1w.add_last(r);
        }
    });
    if (!w.sprzecznosc_1w.empty() && !w.sprzecznosc_1_w.contains("TAK")) w.sprzecznosc_1_w.add_last("TAK");
    return omissions;
}

}  // namespace diagnostics
