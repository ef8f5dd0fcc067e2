// The check of the application conditions of relational models against the rules of the loaded
// rule base. It reads the rules themselves (not the run-state rule-number lists, which an
// inference run shortens) and, on a conflict, forgets only the model base: the rules are sound.
#include "load/warunki_stosowania.h"

#include <optional>
#include <string>
#include <vector>

#include "kb/baza_modeli.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/widoki_modeli.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;

bool jest_dysjunktywny(const Context& ctx, const std::string& wniosek)
{
    return ctx.db.baza_regul.regula_dysjunktywna.contains(wniosek);
}

// The conclusions of one kind in the order their first rule comes in the base: cumulative are
// all conclusions but "koniec" that are not declared disjunctive; disjunctive are the declared
// ones that have a rule.
std::vector<std::string> wnioski(const Context& ctx, bool dysjunktywne)
{
    std::vector<std::string> out;
    for (const kb::Regula& r : ctx.db.baza_regul.regula.all()) {
        const bool pasuje = dysjunktywne ? jest_dysjunktywny(ctx, r.wniosek)
                                         : r.wniosek != "koniec" && !jest_dysjunktywny(ctx, r.wniosek);
        if (pasuje && !kb::element(r.wniosek, out)) out.push_back(r.wniosek);
    }
    return out;
}

std::vector<kb::Regula> reguly_wniosku(const Context& ctx, const std::string& wniosek)
{
    return ctx.db.baza_regul.regula.collect([&](const kb::Regula& r) { return r.wniosek == wniosek; });
}

// The first rule of the conclusions whose condition list holds the result; for the cumulative
// conclusions only those with two or more rules count.
std::optional<std::int32_t> regula_w_konflikcie(const Context& ctx, bool dysjunktywne, std::string_view wynik)
{
    for (const std::string& w : wnioski(ctx, dysjunktywne)) {
        const auto reguly = reguly_wniosku(ctx, w);
        if (!dysjunktywne && reguly.size() < 2) continue;
        for (const kb::Regula& r : reguly)
            if (kb::element(wynik, r.warunki)) return r.numer;
    }
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

void badaj(Context& ctx, std::int32_t numer, const std::string& warunek_stosowania, const std::string& wynik)
{
    if (warunek_stosowania == "bez warunku") return;
    if (warunek_dla_kumulatywnych(ctx, numer, wynik)) warunek_dla_dysjunktywnych(ctx, numer, wynik);
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

void testuj_warunki_stosowania_modeli_relacyjnych(Context& ctx)
{
    if (!ctx.db.stan.nazwa_mo.empty())
        ctx.db.baza_modeli.model.each([&](const kb::Model& m) {
            if (kb::jest_relacja(m.operacja)) badaj(ctx, m.numer, m.warunek_stosowania, m.wynik);
        });
    if (!ctx.db.stan.nazwa_mo.empty())
        ctx.db.baza_modeli.model_r.each([&](const kb::ModelR& m) {
            if (kb::jest_relacja_przedzialowa(m.operacja)) badaj(ctx, m.numer, m.warunek_stosowania, m.wynik);
        });
}

}  // namespace load
