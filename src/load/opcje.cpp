// The load option: one entry per kind number, each handing the call to its kind's load.
// Holds no logic of its own; every step of a load is in the kind's file and the frame.
#include "load/opcje.h"

#include "load/ladowanie.h"
#include "platform/toolkit.h"

namespace load {
namespace {

struct Rodzaj {
    int numer;
    WynikLadowania (*laduj)(kb::Context&);
};

constexpr Rodzaj kRodzaje[] = {
    {1, laduj_baze_regul},        {2, laduj_baze_modeli}, {3, laduj_baze_ograniczen},
    {4, laduj_baze_ograniczen_p}, {5, laduj_baze_rad},    {16, laduj_baze_grafiki},
    {17, laduj_baze_melodii},
};

}  // namespace

WynikLadowania opcja_z_menu_glownego(kb::Context& ctx, int rodzaj)
{
    for (const Rodzaj& r : kRodzaje)
        if (r.numer == rodzaj) return r.laduj(ctx);
    if (rodzaj == 10 || rodzaj == 11) {
        // Inference comes with its own subsystem; until then the command says so.
        ctx.ui.note("Uwaga", "Wnioskowanie nie jest jeszcze dostępne w tej wersji programu.");
    }
    return std::nullopt;
}

}  // namespace load
