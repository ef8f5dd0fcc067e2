// The check of the application conditions of relational models against the rules of the loaded
// rule base. It reads the rules themselves (not the run-state rule-number lists, which an
// inference run shortens) and, on a conflict, forgets only the model base: the rules are sound.
#include "load/warunki_stosowania.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "kb/baza_modeli.h"
#include "kb/listy.h"
#include "kb/name_memo.h"
#include "kb/pisz.h"
#include "kb/widoki_modeli.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;

// For each name, the first rule that has it as a condition, the rules taken conclusion by
// conclusion in the order of each conclusion's first rule, and each conclusion's rules in base
// order. Cumulative conclusions are all but "koniec" that are not declared disjunctive, and
// count only with two or more rules; disjunctive ones are the declared ones that have a rule.
// Built in one pass over the rules, so that each model is judged by a look-up. Its names view
// into the rules, which must stay unchanged while it is used.
struct Konflikty {
    std::unordered_map<std::string_view, std::int32_t> kumulatywne;
    std::unordered_map<std::string_view, std::int32_t> dysjunktywne;

    explicit Konflikty(const Context& ctx)
    {
        std::unordered_set<std::string_view> zadeklarowane;
        ctx.db.baza_regul.regula_dysjunktywna.scan([&](const std::string& w) { zadeklarowane.insert(w); });
        std::vector<std::string_view> wnioski;  // in the order of their first rule
        std::unordered_map<std::string_view, std::vector<const kb::Regula*>> reguly;
        ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) {
            auto [it, nowy] = reguly.try_emplace(r.wniosek);
            if (nowy) wnioski.push_back(r.wniosek);
            it->second.push_back(&r);
        });
        for (std::string_view w : wnioski) {
            const auto& rw = reguly[w];
            const bool dysjunktywny = zadeklarowane.contains(w);
            if (!dysjunktywny && (w == "koniec" || rw.size() < 2)) continue;
            auto& pierwsze = dysjunktywny ? dysjunktywne : kumulatywne;
            for (const kb::Regula* r : rw)
                for (facts::Name warunek : r->warunki) pierwsze.try_emplace(warunek, r->numer);
        }
    }

    // The first conflicting rule of a result: cumulative before disjunctive.
    struct Konflikt {
        bool dysjunktywny;
        std::int32_t regula;
    };
    std::optional<Konflikt> dla(std::string_view wynik) const
    {
        if (auto it = kumulatywne.find(wynik); it != kumulatywne.end()) return Konflikt{false, it->second};
        if (auto it = dysjunktywne.find(wynik); it != dysjunktywne.end()) return Konflikt{true, it->second};
        return std::nullopt;
    }
};

std::optional<std::int32_t> regula_w_konflikcie(const Context& ctx, bool dysjunktywne, std::string_view wynik)
{
    const Konflikty k(ctx);
    const auto& pierwsze = dysjunktywne ? k.dysjunktywne : k.kumulatywne;
    if (auto it = pierwsze.find(wynik); it != pierwsze.end()) return it->second;
    return std::nullopt;
}

void linia(Context& ctx, std::initializer_list<std::string_view> kawalki)
{
    for (std::string_view k : kawalki) kb::pisz_tuto(ctx, k);
    kb::piszcr(ctx);
}

void zglos(Context& ctx, bool dysjunktywne, std::int32_t numer, std::string_view wynik, std::int32_t regula)
{
    const std::string n = text::int_to_text(numer);
    const std::string k = text::int_to_text(regula);
    linia(ctx, {"Wniosek ", wynik, " modelu relacyjnego niepewnego ", n});
    if (!dysjunktywne) linia(ctx, {"jest warunkiem wielokrotnej reguły kumulatywnej ", k});
    linia(ctx, {"Dlatego warunkiem startowym modelu relacyjnego niepewnego ", n});
    linia(ctx, {"może być tylko 'bez warunku'."});
    linia(ctx, {"Przejdź do 'Bazy modeli', wybierz opcję 'Edycja modeli', wybierz błędną bazę i usuń błąd"});
    ctx.ui.note("Błąd", "Wniosek\n   " + std::string(wynik) + "\nmodelu relacyjnego niepewnego " + n +
                            (dysjunktywne ? "\njest warunkiem reguły dysjunktywnej " : "\njest warunkiem reguły kumulatywnej ") +
                            k + "." + "\nDlatego warunkiem startowym modelu relacyjnego niepewnego " + n +
                            "\nmoże być tylko 'bez warunku'." + "\nPrzejdź do 'Bazy modeli niepewnej', " +
                            "wybierz opcję 'Edycja modeli'," + "\nwybierz błędną bazę i usuń błąd.");
    kb::forget_model_base(ctx);
}

bool warunek(Context& ctx, bool dysjunktywne, std::int32_t numer, std::string_view wynik)
{
    const auto regula = regula_w_konflikcie(ctx, dysjunktywne, wynik);
    if (!regula) return true;
    zglos(ctx, dysjunktywne, numer, wynik, *regula);
    return false;
}

// The first model of a list, in base order, that has an application condition and concludes a
// condition of the conflicting rules.
struct Zgloszenie {
    std::int32_t numer;
    std::string wynik;
    Konflikty::Konflikt konflikt;
};

template <class M, class Relacyjny>
std::optional<Zgloszenie> pierwszy_w_konflikcie(const facts::FactList<M>& modele, const Konflikty& k,
                                                 Relacyjny relacyjny)
{
    std::optional<Zgloszenie> z;
    // A base names few operations and conditions: each is tested once.
    kb::NameMemo<bool> relacje;
    kb::NameMemo<bool> bez_warunku;
    modele.scan([&](const M& m) {
        if (!relacje.of(m.operacja, relacyjny) ||
            bez_warunku.of(m.warunek_stosowania, [](std::string_view w) { return w == "bez warunku"; }))
            return false;
        if (auto konflikt = k.dla(m.wynik)) z = Zgloszenie{m.numer, m.wynik, *konflikt};
        return z.has_value();
    });
    return z;
}

}  // namespace

bool warunek_dla_kumulatywnych(Context& ctx, std::int32_t numer, std::string_view wynik)
{
    return warunek(ctx, false, numer, wynik);
}

bool warunek_dla_dysjunktywnych(Context& ctx, std::int32_t numer, std::string_view wynik)
{
    return warunek(ctx, true, numer, wynik);
}

// A conflict forgets the model base, so there is one report at most.
void testuj_warunki_stosowania_modeli_relacyjnych(Context& ctx)
{
    if (ctx.db.stan.nazwa_mo.empty()) return;
    const Konflikty k(ctx);
    std::optional<Zgloszenie> z = pierwszy_w_konflikcie(ctx.db.baza_modeli.model, k, kb::jest_relacja);
    if (!z) z = pierwszy_w_konflikcie(ctx.db.baza_modeli.model_r, k, kb::jest_relacja_przedzialowa);
    if (z) zglos(ctx, z->konflikt.dysjunktywny, z->numer, z->wynik, z->konflikt.regula);
}

}  // namespace load
