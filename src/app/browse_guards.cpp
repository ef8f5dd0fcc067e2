// One guard design: an empty list gives the guard's note, anything else its window. The model
// guards title their note "Uwaga!", all others "Uwaga błąd!".
#include "app/browse_guards.h"

#include "platform/toolkit.h"
#include "windows/okna_przegladu.h"
#include "windows/przeglad.h"

namespace app {
namespace {

constexpr const char* kError = "Uwaga błąd!";
constexpr const char* kWarning = "Uwaga!";

using Opener = platform::WindowId (*)(kb::Context&, platform::WindowId);

void guard(kb::Context& ctx, bool nothing, const char* title, const char* text, Opener open)
{
    if (nothing) {
        ctx.ui.note(title, text);
        return;
    }
    open(ctx, ctx.ui.main_window());
}

platform::WindowId viewer(kb::Context& ctx, platform::WindowId parent) { return windows::win_przeglad_Create(ctx, parent); }

}  // namespace

void sprawdz_istnienie_regul(kb::Context& ctx, const IList& reguly)
{
    guard(ctx, reguly.empty(), kError, "Baza reguł nie zawiera reguł !", windows::win_przeglad_regul_Create);
}

void sprawdz_istnienie_regul1(kb::Context& ctx, const IList& reguly)
{
    guard(ctx, reguly.empty(), kError, "Baza reguł nie zawiera reguł !", viewer);
}

void sprawdz_istnienie_modeli_liniowych(kb::Context& ctx, const IList& modele)
{
    guard(ctx, modele.empty(), kWarning, "Baza modeli nie zawiera modeli liniowych !",
          windows::win_przeglad_modeli_liniowych_Create);
}

void sprawdz_istnienie_modeli_elementarnych(kb::Context& ctx, const IList& modele)
{
    guard(ctx, modele.empty(), kWarning, "Baza modeli nie zawiera modeli podstawowych !",
          windows::win_przeglad_modeli_elementarnych_Create);
}

void sprawdz_istnienie_modeli_rozwinietych(kb::Context& ctx, const IList& modele)
{
    guard(ctx, modele.empty(), kWarning, "Baza modeli nie zawiera modeli rozszerzonych !",
          windows::win_przeglad_modeli_rozwinietych_Create);
}

void sprawdz_istnienie_modeli_wielomianowych(kb::Context& ctx, const IList& modele)
{
    guard(ctx, modele.empty(), kWarning, "Baza modeli nie zawiera modeli wielomianowych !",
          windows::win_przeglad_modeli_wielomianowych_Create);
}

void sprawdz_istnienie_modeli(kb::Context& ctx, const IList& podstawowe, const IList& rozszerzone,
                              const IList& liniowe, const IList& wielomianowe)
{
    const bool none = podstawowe.empty() && rozszerzone.empty() && liniowe.empty() && wielomianowe.empty();
    guard(ctx, none, kWarning, "Baza modeli nie zawiera żadnych modeli !", viewer);
}

void sprawdz_istnienie_ograniczen1(kb::Context& ctx, const IList& ograniczenia, bool niepewne)
{
    const Opener exact = windows::win_przeglad_ograniczen_Create;
    const Opener uncertain = windows::win_przeglad_ograniczen_niepewnych_Create;
    guard(ctx, ograniczenia.empty(), kError, "Brak bazy ograniczeń!", niepewne ? uncertain : exact);
}

void sprawdz_istnienie_ograniczen(kb::Context& ctx, const IList& ograniczenia)
{
    guard(ctx, ograniczenia.empty(), kError, "Brak bazy ograniczeń!", viewer);
}

void sprawdz_istnienie_rad(kb::Context& ctx, const IList& rady)
{
    guard(ctx, rady.empty(), kError, "Baza rad nie zawiera nazw rad !", viewer);
}

void sprawdz_istnienie_grafiki(kb::Context& ctx, const IList& grafiki)
{
    guard(ctx, grafiki.empty(), kError, "Baza grafiki nie zawiera nazw grafik !", viewer);
}

void sprawdz_istnienie_melodii(kb::Context& ctx, const IList& melodie)
{
    guard(ctx, melodie.empty(), kError, "Baza melodii nie zawiera nazw plików melodii !", viewer);
}

}  // namespace app
