// The search for joint contradictions of the rule base with a constraint base: a flattened
// rule that needs two conditions one constraint holds mutually exclusive. Records findings;
// tells only what flattening had to leave out.
#include "diagnostics/sprzecznosc_laczna.h"

#include <algorithm>
#include <set>
#include <unordered_set>
#include <utility>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/sprzecznosc_wewnetrzna.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "kb/listy.h"

namespace diagnostics {
namespace {

// The constraints that a form meets, in the order the form's conditions find them.
std::vector<std::int32_t> spotkane_ograniczenia(const facts::SList& forma, const std::vector<kb::Ograniczenie>& ogr)
{
    std::vector<std::int32_t> out;
    for (std::size_t i = 0; i < forma.size(); ++i)
        for (const kb::Ograniczenie& o : ogr) {
            if (!kb::element(forma[i], o.warunki)) continue;
            const bool partner = std::any_of(forma.begin() + static_cast<std::ptrdiff_t>(i) + 1, forma.end(),
                                             [&](const std::string& w) { return kb::element(w, o.warunki); });
            if (partner && std::find(out.begin(), out.end(), o.numer) == out.end()) out.push_back(o.numer);
        }
    return out;
}

}  // namespace

SprzecznoscLaczna sprzecznosc_dokladna(kb::Context& ctx)
{
    auto& w = ctx.db.wyniki_diagnoz;
    return {ctx.db.baza_ograniczen.ograniczenie, w.sprzecznosc_2, w.regula_splaszczona_s2p};
}

SprzecznoscLaczna sprzecznosc_niepewna(kb::Context& ctx)
{
    auto& w = ctx.db.wyniki_diagnoz;
    return {ctx.db.baza_ograniczen_p.ograniczenie_n, w.sprzecznosc_2p, w.regula_splaszczona_s2pp};
}

bool spotyka_ograniczenie(const facts::SList& splaszczone, const facts::SList& ograniczenie)
{
    return std::count_if(splaszczone.begin(), splaszczone.end(),
                         [&](const std::string& w) { return kb::element(w, ograniczenie); }) >= 2;
}

bool wyznacz_sprzecznosc_laczna(kb::Context& ctx, const SprzecznoscLaczna& kind)
{
    const std::vector<kb::Ograniczenie> ograniczenia = kind.ograniczenia.all();
    std::set<std::pair<std::int32_t, std::int32_t>> pary;
    kind.sprzecznosci.each([&](const kb::RegulaOgraniczenie& p) { pary.insert({p.regula, p.ograniczenie}); });
    std::unordered_set<std::string> zapisane;
    kind.splaszczone.each([&](const kb::RegulaSplaszczona& f) { zapisane.insert(flattened_rule_key(f)); });
    Flattener flattener(ctx);
    Omissions omissions;
    ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
        const Flattening& s = flattener.splaszcz(r.warunki);
        omissions.note(r.numer, r.wniosek, s);
        for (const FlatForm& form : s.postacie) {
            const std::vector<std::int32_t> spotkane = spotkane_ograniczenia(form.warunki, ograniczenia);
            if (spotkane.empty()) continue;
            for (std::int32_t k : spotkane)
                if (pary.insert({r.numer, k}).second) kind.sprzecznosci.add_last({r.numer, k});
            const kb::RegulaSplaszczona f{r.numer, r.wniosek.str(), form.warunki, uzyte_reguly(form)};
            if (zapisane.insert(flattened_rule_key(f)).second) kind.splaszczone.add_last(f);
        }
    });
    omissions.tell(ctx);
    return kind.sprzecznosci.empty();
}

bool wyznacz_sprzecznosc_2(kb::Context& ctx) { return wyznacz_sprzecznosc_laczna(ctx, sprzecznosc_dokladna(ctx)); }
bool wyznacz_sprzecznosc_2p(kb::Context& ctx) { return wyznacz_sprzecznosc_laczna(ctx, sprzecznosc_niepewna(ctx)); }

}  // namespace diagnostics
