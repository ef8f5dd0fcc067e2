// The search for joint redundancy of the rule base with a constraint base. Records findings,
// their flattened rules and the examined groups; tells only what flattening left out.
#include "diagnostics/nadmiar_laczny.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/sprzecznosc_wewnetrzna.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "diagnostics/zbiory_warunkow.h"
#include "kb/listy.h"

namespace diagnostics {
namespace {

// A rule with its distinct flattened forms (the first of equal condition lists kept).
struct SplaszczonaRegula {
    kb::Regula regula;
    std::vector<FlatForm> postacie;
};

std::vector<SplaszczonaRegula> splaszcz_reguly(kb::Context& ctx, Omissions& omissions)
{
    Flattener flattener(ctx);
    std::vector<SplaszczonaRegula> out;
    ctx.db.baza_regul.regula.each([&](const kb::Regula& r) {
        if (ctx.db.baza_regul.regula_dysjunktywna.contains(r.wniosek.str())) return;
        const Flattening& s = flattener.splaszcz(r.warunki);
        omissions.note(r.numer, r.wniosek, s);
        SplaszczonaRegula sr{r, {}};
        for (const FlatForm& f : s.postacie)
            if (std::none_of(sr.postacie.begin(), sr.postacie.end(),
                             [&](const FlatForm& g) { return g.warunki == f.warunki; }))
                sr.postacie.push_back(f);
        out.push_back(std::move(sr));
    });
    return out;
}

// The conclusions in the order of their first rule.
facts::SList wnioski(const std::vector<SplaszczonaRegula>& reguly)
{
    facts::SList out;
    for (const SplaszczonaRegula& r : reguly)
        if (!kb::element(r.regula.wniosek, out)) out.push_back(r.regula.wniosek.str());
    return out;
}

struct Grupa {
    facts::IList numery;
    facts::ListaList listy;
    std::vector<facts::IList> uzyte;
};

Grupa zbierz(const std::vector<SplaszczonaRegula>& reguly, const std::string& wniosek, const facts::SList& warunki)
{
    Grupa g;
    for (const SplaszczonaRegula& r : reguly) {
        if (r.regula.wniosek != wniosek) continue;
        for (const FlatForm& f : r.postacie) {
            const bool wspolny = std::any_of(f.warunki.begin(), f.warunki.end(),
                                             [&](const std::string& w) { return kb::element(w, warunki); });
            if (!wspolny) continue;
            g.numery.push_back(r.regula.numer);
            g.listy.push_back(f.warunki);
            g.uzyte.push_back(uzyte_reguly(f));
        }
    }
    return g;
}

bool nadmiarowa(const Grupa& g, const facts::SList& warunki, bool dokladne)
{
    std::optional<facts::ListaList> zredukowane = usun_wspolne_2(g.listy);
    if (!zredukowane) return false;
    if (dokladne) zredukowane = redukuj_lista(*zredukowane);
    return nietrywialna(*zredukowane) && przeciwne_w_dowolnym_porzadku(*zredukowane, warunki, !dokladne);
}

void zapisz(const NadmiarLaczny& kind, const Grupa& g, const std::string& wniosek, std::int32_t k,
            std::unordered_set<std::string>& zapisane)
{
    kind.nadmiary.add_last({g.numery, k, g.listy});
    for (std::size_t i = 0; i < g.numery.size(); ++i) {
        const kb::RegulaSplaszczona f{g.numery[i], wniosek, g.listy[i], g.uzyte[i]};
        if (zapisane.insert(flattened_rule_key(f)).second) kind.splaszczone.add_last(f);
    }
}

}  // namespace

NadmiarLaczny nadmiar_dokladny(kb::Context& ctx)
{
    auto& w = ctx.db.wyniki_diagnoz;
    return {ctx.db.baza_ograniczen.ograniczenie, w.reguly_nadmiarowe_n2p, w.regula_splaszczona_n2p,
            w.zbadany_wniosek_p, true};
}

NadmiarLaczny nadmiar_niepewny(kb::Context& ctx)
{
    auto& w = ctx.db.wyniki_diagnoz;
    return {ctx.db.baza_ograniczen_p.ograniczenie_n, w.reguly_nadmiarowe_n2pp, w.regula_splaszczona_n2pp,
            w.zbadany_wniosek_pp, false};
}

bool wyznacz_nadmiar_laczny(kb::Context& ctx, const NadmiarLaczny& kind)
{
    Omissions omissions;
    const std::vector<SplaszczonaRegula> reguly = splaszcz_reguly(ctx, omissions);
    const facts::SList kolejne_wnioski = wnioski(reguly);
    std::unordered_set<std::string> zapisane;
    kind.splaszczone.each([&](const kb::RegulaSplaszczona& f) { zapisane.insert(flattened_rule_key(f)); });
    for (const kb::Ograniczenie& o : kind.ograniczenia.all())
        for (const std::string& wniosek : kolejne_wnioski) {
            if (kind.zbadane.contains({wniosek, o.numer})) continue;
            const Grupa g = zbierz(reguly, wniosek, o.warunki);
            if (g.numery.empty()) continue;
            kind.zbadane.add_last({wniosek, o.numer});
            if (!nadmiarowa(g, o.warunki, kind.dokladne)) continue;
            if (!kind.nadmiary.contains({g.numery, o.numer, g.listy})) zapisz(kind, g, wniosek, o.numer, zapisane);
        }
    omissions.tell(ctx);
    return kind.nadmiary.empty();
}

bool wyznacz_nadmiar_2p(kb::Context& ctx) { return wyznacz_nadmiar_laczny(ctx, nadmiar_dokladny(ctx)); }
bool wyznacz_nadmiar_2pp(kb::Context& ctx) { return wyznacz_nadmiar_laczny(ctx, nadmiar_niepewny(ctx)); }

}  // namespace diagnostics
