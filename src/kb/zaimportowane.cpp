// The record of imported values and its laying over the rule and model bases. One value per
// name in both the record and the base; never touches anything but these two fact names.
#include "kb/zaimportowane.h"

namespace kb {
namespace {

void zastap_fakt(FactList<Fakt>& fakty, const Fakt& fakt)
{
    fakty.remove_if([&](const Fakt& f) { return f.warunek == fakt.warunek; });
    fakty.add_last(fakt);
}

void zastap_argument(FactList<NazwaWartosc>& argumenty, const NazwaWartosc& argument)
{
    argumenty.remove_if([&](const NazwaWartosc& a) { return a.nazwa == argument.nazwa; });
    argumenty.add_last(argument);
}

}  // namespace

void dodaj_zaimportowany_fakt(Context& ctx, const Fakt& fakt)
{
    zastap_fakt(ctx.db.zaimportowane.fakt, fakt);
    zastap_fakt(ctx.db.baza_regul.fakt, fakt);
}

void dodaj_zaimportowany_argument(Context& ctx, const NazwaWartosc& argument)
{
    zastap_argument(ctx.db.zaimportowane.argument_znany, argument);
    zastap_argument(ctx.db.baza_modeli.argument_znany, argument);
}

void przywroc_zaimportowane_fakty(Context& ctx)
{
    for (const Fakt& f : ctx.db.zaimportowane.fakt.all()) zastap_fakt(ctx.db.baza_regul.fakt, f);
}

void przywroc_zaimportowane_argumenty(Context& ctx)
{
    for (const NazwaWartosc& a : ctx.db.zaimportowane.argument_znany.all())
        zastap_argument(ctx.db.baza_modeli.argument_znany, a);
}

}  // namespace kb
