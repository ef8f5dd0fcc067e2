// The wrappers and read forms of the two constraint bases: one design for both, differing only
// in the facts. Never loads a base and shows nothing.
#include "kb/bazy_ograniczen.h"

namespace kb {

namespace {

std::vector<SList> conditions_of(const FactList<Ograniczenie>& facts, std::int32_t numer)
{
    std::vector<SList> lists;
    facts.each_matching([&](const Ograniczenie& o) { return o.numer == numer; },
                        [&](const Ograniczenie& o) { lists.push_back(o.warunki); });
    return lists;
}

}  // namespace

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
    WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    w.sprzecznosc_2.remove_all();
    w.regula_splaszczona_s2p.remove_all();
    w.reguly_nadmiarowe_n2p.remove_all();
    w.regula_splaszczona_n2p.remove_all();
    w.zbadany_wniosek_p.remove_all();
}

void kasowanie_bazy_ograniczen_p(Context& ctx)
{
    kasowanie_dogranicz_p(ctx);
    kasowanie_nazwy_op(ctx);
    WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    w.sprzecznosc_2p.remove_all();
    w.regula_splaszczona_s2pp.remove_all();
    w.reguly_nadmiarowe_n2pp.remove_all();
    w.regula_splaszczona_n2pp.remove_all();
    w.zbadany_wniosek_pp.remove_all();
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
