// The numbered actions, wrappers and read forms of the two constraint bases: one design for
// both, differing only in the facts, the review title and the reports (the table below).
// Starts the joint diagnostics but computes none of them; never loads a base.
#include "kb/bazy_ograniczen.h"

#include "diagnostics/diagnozy.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// What tells the two constraint bases apart.
struct ConstraintBase {
    const FactList<Ograniczenie>& ograniczenia;
    const FactList<std::string>& nazwa;
    const FactList<std::string>& nazwa_pelna;
    const char* title_prefix;
    void (*contradiction_report)(Context&);
    bool (*redundancy_report)(Context&);
};

ConstraintBase exact_base(Context& ctx)
{
    const BazaOgraniczen& db = ctx.db.baza_ograniczen;
    return {db.ograniczenie, db.nazwa_og, db.nazwa_og_pelna, "Przegląd bazy ograniczeń: ",
            diagnostics::pisz_sprzecznosc_2, diagnostics::pisz_nadmiar_2p};
}

ConstraintBase uncertain_base(Context& ctx)
{
    const BazaOgraniczenP& db = ctx.db.baza_ograniczen_p;
    return {db.ograniczenie_n, db.nazwa_op, db.nazwa_op_pelna, "Przegląd bazy ograniczeń niepewnych: ",
            diagnostics::pisz_sprzecznosc_2p, diagnostics::pisz_nadmiar_2pp};
}

std::optional<AkcjaWynik> review(Context& ctx, const ConstraintBase& base)
{
    if (!base.ograniczenia.empty() && !base.nazwa.empty() && !base.nazwa_pelna.empty()) {
        AkcjaWynik result;
        result.tekst = ctx.files.read_text(*base.nazwa_pelna.first()).text;
        ctx.ui.set_window_title(ctx.ui.main_window(), base.title_prefix + *base.nazwa.first());
        return result;
    }
    ctx.ui.write(" Brak bazy ograniczeń do przeglądania.\n");
    ctx.ui.note("Uwaga!", "Brak bazy ograniczeń do przeglądania!");
    return std::nullopt;
}

std::optional<AkcjaWynik> dzialanie(Context& ctx, int akcja, const ConstraintBase& base)
{
    const bool both_loaded = !ctx.db.stan.nazwa_re.empty() && !base.nazwa.empty();
    switch (akcja) {
    case 1: return review(ctx, base);
    case 5:
        if (!both_loaded) return std::nullopt;
        base.contradiction_report(ctx);
        return AkcjaWynik{};
    case 6:
        if (!both_loaded || !base.redundancy_report(ctx)) return std::nullopt;
        return AkcjaWynik{};
    default: return std::nullopt;
    }
}

std::vector<SList> conditions_of(const FactList<Ograniczenie>& facts, std::int32_t numer)
{
    std::vector<SList> lists;
    facts.each_matching([&](const Ograniczenie& o) { return o.numer == numer; },
                        [&](const Ograniczenie& o) { lists.push_back(o.warunki); });
    return lists;
}

}  // namespace

std::optional<AkcjaWynik> dzialanie_w_bazie_ograniczen(Context& ctx, int akcja)
{
    return dzialanie(ctx, akcja, exact_base(ctx));
}

std::optional<AkcjaWynik> dzialanie_w_bazie_ograniczen_p(Context& ctx, int akcja)
{
    return dzialanie(ctx, akcja, uncertain_base(ctx));
}

void kasowanie_dogranicz(Context& ctx) { ctx.db.baza_ograniczen.ograniczenie.remove_all(); }
void kasowanie_nazwy_og(Context& ctx) { ctx.db.baza_ograniczen.nazwa_og.remove_all(); }

void kasowanie_dogranicz_p(Context& ctx)
{
    BazaOgraniczenP& db = ctx.db.baza_ograniczen_p;
    db.ograniczenie_n.remove_all();
    db.rem_ograniczenie_n.remove_all();
    db._ograniczenie_n.remove_all();
}

void kasowanie_nazwy_op(Context& ctx) { ctx.db.baza_ograniczen_p.nazwa_op.remove_all(); }

void kasowanie_bazy_ograniczen(Context& ctx)
{
    kasowanie_dogranicz(ctx);
    kasowanie_nazwy_og(ctx);
}

void kasowanie_bazy_ograniczen_p(Context& ctx)
{
    kasowanie_dogranicz_p(ctx);
    kasowanie_nazwy_op(ctx);
}

std::vector<SList> warunki_ograniczenia(const Context& ctx, std::int32_t numer)
{
    return conditions_of(ctx.db.baza_ograniczen.ograniczenie, numer);
}

std::vector<SList> warunki_ograniczenia_n(const Context& ctx, std::int32_t numer)
{
    return conditions_of(ctx.db.baza_ograniczen_p.ograniczenie_n, numer);
}

IList numery_ograniczen_n(const Context& ctx, const SList& warunki)
{
    IList numbers;
    for (const Ograniczenie& o : ctx.db.baza_ograniczen_p.ograniczenie_n.collect(
             [&](const Ograniczenie& o) { return o.warunki == warunki; }))
        numbers.push_back(o.numer);
    return numbers;
}

}  // namespace kb
