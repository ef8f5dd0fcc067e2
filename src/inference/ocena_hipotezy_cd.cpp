// The goal-driven evaluation of one name: its alternatives in order (a known resultant, a
// question, its rules, its models, the stop), the first that answers gives the CF. A name met
// again on its own path is a cycle of the base: it is told and gets no answer there, so no
// base can make the evaluation recurse without end; a chain of conclusions too long for the
// program's stack is told the same way instead of overflowing it.
#include "inference/ocena_hipotezy.h"

#include <cstdint>

#include "inference/stan_przebiegu.h"
#include "inference/wstecz.h"
#include "inference/wstecz_modele.h"
#include "inference/wstecz_reguly.h"
#include "inference/wykluczajace.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

// The stack one evaluation may take, counted from where the hypothesis's own evaluation began:
// half the 8 MB the platform gives the main thread, so that the dialogs opened at the deepest
// point and the frames of the event and the test below it have room.
constexpr std::uintptr_t kStosOceny = std::uintptr_t{4} << 20;

std::uintptr_t miejsce_na_stosie()
{
    volatile char znacznik = 0;
    return reinterpret_cast<std::uintptr_t>(&znacznik);
}

std::uintptr_t odleglosc(std::uintptr_t a, std::uintptr_t b) { return a > b ? a - b : b - a; }

bool dopytywalny(const kb::Context& ctx, const std::string& w)
{
    const std::optional<facts::SList> lista = ogolna_lista_dopytywalnych(ctx);
    return lista && kb::element(w, *lista);
}

// Alternatives 2 and 3: a name that begins with `n` is always read as a negation.
bool do_zapytania(const kb::Context& ctx, const std::string& nazwa)
{
    if (nazwa.starts_with('n')) return dopytywalny(ctx, nazwa.substr(1));
    return dopytywalny(ctx, nazwa);
}

// Once a stop rule has ended inference every evaluation unwinds without an answer. The message
// comes with the first call that meets the stop, which takes the tested hypothesis away; later
// calls find none and stay silent.
std::optional<double> stop(kb::Context& ctx)
{
    auto& hipotezy = ctx.db.stan_ladowania.hipoteza;
    if (!hipotezy.empty()) {
        hipotezy.remove_all();
        komunikat_stopu(ctx);
    }
    return std::nullopt;
}

// Marks the name as under evaluation for as long as this object lives, unwinding included.
class WOcenie {
public:
    WOcenie(kb::Context& ctx, const std::string& nazwa) : ctx_(ctx), nazwa_(nazwa)
    {
        ctx_.db.stan_ladowania.w_ocenie.add_last(nazwa_);
    }
    ~WOcenie() { ctx_.db.stan_ladowania.w_ocenie.remove_first_equal(nazwa_); }
    WOcenie(const WOcenie&) = delete;
    WOcenie& operator=(const WOcenie&) = delete;

private:
    kb::Context& ctx_;
    std::string nazwa_;
};

// The path of the cycle, from the name's own evaluation back to it: "a -> b -> a".
std::string droga_cyklu(const kb::Context& ctx, const std::string& nazwa)
{
    const facts::SList w_ocenie = ctx.db.stan_ladowania.w_ocenie.all();
    std::string droga;
    bool na_drodze = false;
    for (const std::string& w : w_ocenie) {
        na_drodze = na_drodze || w == nazwa;
        if (na_drodze) droga += w + " -> ";
    }
    return droga + nazwa;
}

void zglos_cykl(kb::Context& ctx, const std::string& nazwa)
{
    const std::string droga = droga_cyklu(ctx, nazwa);
    kb::pisz_tuto(ctx, "Cykl w bazie wiedzy: " + droga);
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, "Ocena " + nazwa + " prowadzi z powrotem do " + nazwa + ": ta droga nie daje odpowiedzi.");
    kb::piszcr(ctx);
    auto& cykle = ctx.db.stan_ladowania.cykle_oceny;
    if (!cykle.contains(droga)) cykle.add_last(droga);
}

void zglos_glebokosc(kb::Context& ctx, const std::string& nazwa)
{
    kb::pisz_tuto(ctx, "Łańcuch wniosków prowadzący do " + nazwa +
                           " jest zbyt długi, by go ocenić: ta droga nie daje odpowiedzi.");
    kb::piszcr(ctx);
    auto& glebokie = ctx.db.stan_ladowania.zbyt_glebokie_oceny;
    if (glebokie.empty()) glebokie.add_last(nazwa);
}

std::optional<double> alternatywy(kb::Context& ctx, const std::string& nazwa)
{
    if (std::optional<double> cf = kb::wypadkowa(ctx, nazwa)) return cf;
    if (do_zapytania(ctx, nazwa)) return pytaj_0(ctx, nazwa);
    // The rules of a name may still answer after a stop met on their way (the resultant of a
    // negated name is not guarded); the test run sees the stop record all the same.
    if (std::optional<double> cf = alternatywy_regul(ctx, nazwa)) return cf;
    if (zrob_koniec(ctx))
        if (std::optional<double> cf = alternatywy_modeli(ctx, nazwa)) return cf;
    return zrob_koniec(ctx) ? std::nullopt : stop(ctx);
}

}  // namespace

std::optional<double> ocena_hipotezy_cd(kb::Context& ctx, const std::string& nazwa)
{
    if (!zrob_koniec(ctx)) return stop(ctx);
    kb::StanLadowania& s = ctx.db.stan_ladowania;
    if (s.w_ocenie.contains(nazwa)) {
        zglos_cykl(ctx, nazwa);
        return std::nullopt;
    }
    const std::uintptr_t tutaj = miejsce_na_stosie();
    if (s.w_ocenie.empty()) {
        s.poczatek_stosu_oceny = tutaj;
    } else if (odleglosc(tutaj, s.poczatek_stosu_oceny) > kStosOceny) {
        zglos_glebokosc(ctx, nazwa);
        return std::nullopt;
    }
    WOcenie w_ocenie(ctx, nazwa);
    return alternatywy(ctx, nazwa);
}

}  // namespace inference
