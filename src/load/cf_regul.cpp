// The CF-text checks of rules and given facts: the first text that is no real in [-1, 1] is
// reported (window and report text, then a note) and its whole base unloaded; the checks
// always succeed and never touch another base.
#include "load/cf_regul.h"

#include <cstdint>
#include <functional>
#include <string>

#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/pisz.h"
#include "platform/name_table.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {
namespace {

constexpr const char* kMusiBycLiczba = "CF musi być liczbą rzeczywistą z przedziału [-1,1].";
constexpr const char* kWybierzBaze = "wybierz błędną bazę i usuń błąd.";

// Lines 1 to 4 each end with a line break in the window only; line 5 ends with none.
void pisz_raport(kb::Context& ctx, const std::function<void()>& linia1, const char* linia3,
                 const char* linia4)
{
    linia1();
    ctx.ui.write("\n");
    kb::pisz_tuto(ctx, kMusiBycLiczba);
    ctx.ui.write("\n");
    kb::pisz_tuto(ctx, linia3);
    ctx.ui.write("\n");
    kb::pisz_tuto(ctx, linia4);
    ctx.ui.write("\n");
    kb::pisz_tuto(ctx, kWybierzBaze);
}

std::string reszta_noty(const char* baza, const char* edycja)
{
    return std::string("\n") + kMusiBycLiczba + "\nPrzejdź do '" + baza + "'\nwybierz opcję '" +
           edycja + "', \n" + kWybierzBaze;
}

void testuj_cf(kb::Context& ctx, std::int32_t numer, const std::string& cf)
{
    if (poprawny_cf(cf)) return;
    pisz_raport(
        ctx,
        [&] {
            kb::pisz_tuto(ctx, "Błędna wartość CF dla reguły ");
            kb::pisz_tuto_int(ctx, numer);
            kb::pisz_tuto(ctx, ".");
        },
        "Przejdź do 'Działania w bazie reguł'", "wybierz opcję 'Edycja bazy reguł', ");
    ctx.ui.note("Błędna wartość CF dla reguły!",
                "Błędna wartość CF dla reguły " + text::int_to_text(numer) + "." +
                    reszta_noty("Bazy reguł", "Edycja bazy reguł"));
    kb::forget_rule_base(ctx);
}

// What differs between the given facts of the rule base and those of the model base. The
// report names the condition in apostrophes, the note without them.
struct RodzajFaktu {
    const char* raport;      // report line 1 up to the condition
    const char* przejdz;     // report line 3
    const char* edycja;      // report line 4
    const char* tytul;       // of the note
    const char* nota;        // the note up to the condition
    const char* baza_nota;   // the base and the option the note sends the user to
    const char* edycja_nota;
    void (*wyladuj)(kb::Context&);
};

const RodzajFaktu kFakt = {"Błędna wartość CF dla faktu '", "Przejdź do 'Bazy reguł,'",
                           "wybierz opcję 'Edycja bazy reguł', ", "Błędna wartość CF dla faktu!",
                           "Błędna wartość CF dla faktu ", "Bazy reguł", "Edycja bazy reguł",
                           kb::forget_rule_base};
const RodzajFaktu kMFakt = {"Błędna wartość CF dla m_faktu '", "Przejdź do 'Bazy modeli,'",
                            "wybierz opcję 'Edycja bazy modeli', ", "Błędna wartość CF dla m_faktu!",
                            "Błędna wartość CF dla m_faktu ", "Bazy modeli", "Edycja bazy modeli",
                            kb::forget_model_base};

void testuj_fakt_rodzaju(kb::Context& ctx, const RodzajFaktu& r, const std::string& warunek,
                         const std::string& cf)
{
    if (poprawny_cf(cf)) return;
    pisz_raport(ctx, [&] { kb::pisz_tuto(ctx, r.raport + warunek + "'."); }, r.przejdz, r.edycja);
    ctx.ui.note(r.tytul, r.nota + warunek + "." + reszta_noty(r.baza_nota, r.edycja_nota));
    r.wyladuj(ctx);
}

void testuj_fakt(kb::Context& ctx, const std::string& warunek, const std::string& cf)
{
    testuj_fakt_rodzaju(ctx, kFakt, warunek, cf);
}

void testuj_m_fakt(kb::Context& ctx, const std::string& warunek, const std::string& cf)
{
    testuj_fakt_rodzaju(ctx, kMFakt, warunek, cf);
}

}  // namespace

bool poprawny_cf(std::string_view tekst)
{
    std::optional<double> r = text::text_to_real(tekst);
    return r && *r >= -1.0 && *r <= 1.0;  // NaN fails both comparisons
}

// Only the first wrong CF is reported: its report unloads the whole base, the facts checked
// included, so no other is left to report.
void testuj_cf_regul(kb::Context& ctx)
{
    // A base holds a handful of CF texts over all its rules: each is read as a number once.
    // The texts remembered view into the rules, which the search leaves alone.
    platform::NameSet poprawne;
    auto bledny = [&](const kb::Regula& r) {
        if (poprawne.contains(r.cf)) return false;
        if (!poprawny_cf(r.cf)) return true;
        poprawne.insert(r.cf);
        return false;
    };
    if (auto r = ctx.db.baza_regul.regula.first(bledny)) testuj_cf(ctx, r->numer, r->cf.str());
}

void testuj_cf_faktow(kb::Context& ctx)
{
    if (auto f = ctx.db.baza_regul.fakt.first([](const kb::Fakt& f) { return !poprawny_cf(f.cf); }))
        testuj_fakt(ctx, f->warunek, f->cf);
}

void testuj_cf_m_faktow(kb::Context& ctx)
{
    if (auto f = ctx.db.baza_modeli.m_fakt.first([](const kb::Fakt& f) { return !poprawny_cf(f.cf); }))
        testuj_m_fakt(ctx, f->warunek, f->cf);
}

}  // namespace load
