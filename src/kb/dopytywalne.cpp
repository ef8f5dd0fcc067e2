// Recording and forgetting the askable conditions of the rule base. Stores what it is given;
// it computes nothing and checks nothing.
#include "kb/dopytywalne.h"

#include "kb/listy.h"

namespace kb {

void pamietaj_liste_dopytywalnych(Context& ctx, const facts::NameList& lista)
{
    ctx.db.stan.lista_warunkow_dopytywalnych.remove_all();
    ctx.db.stan.lista_warunkow_dopytywalnych.add_first(sortuj(lista));
}

void pamietaj_warunki_dopytywalne(Context& ctx, const facts::NameList& lista)
{
    ctx.db.stan.dopytywalny.remove_all();
    for (facts::Name warunek : lista) ctx.db.stan.dopytywalny.add_last(warunek);
}

void kasowanie_dopytywalny(Context& ctx)
{
    ctx.db.stan.dopytywalny.remove_all();
    ctx.db.stan.lista_warunkow_dopytywalnych.remove_all();
}

}  // namespace kb
