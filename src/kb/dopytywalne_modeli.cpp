// The askables of a loaded model base, computed once per load from the model views and the
// variable collectors, and the known-argument check. Each list is stored as the only fact of
// its name; the check reports through plain writes and a note, never into the report text.
#include "kb/dopytywalne_modeli.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kb/baza_modeli.h"
#include "kb/dopytywalne_regul.h"
#include "kb/listy.h"
#include "kb/listy_modeli.h"
#include "kb/widoki_modeli.h"
#include "kb/zmienne_modeli.h"
#include "platform/factfile.h"
#include "platform/files.h"
#include "platform/side_by_side.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// The list without every name whose first byte is the lower-case "n", as usun_zanegowane.
NameList bez_zanegowanych(NameList lista)
{
    std::erase_if(lista, [](Name n) { return !n.empty() && n.view().front() == 'n'; });
    return lista;
}

void zglos_argumenty_niedopytywalne(Context& ctx, const std::string& nazwa_mo, const SList& zle)
{
    ctx.ui.write("Błędne argumenty znane bazy modeli " + nazwa_mo + ".\n");
    ctx.ui.write("Następujące argumenty znane nie są argumentami dopytywalnymi: \n");
    pisz_liste(ctx, zle);
    ctx.ui.write("Przejdź do 'Bazy modeli niepewnej',\n");
    ctx.ui.write("wybierz opcję 'Edycja bazy modeli', wybierz błędną bazę \n");
    ctx.ui.write("i usuń argumenty znane nie będące argumentami dopytywalnymi!\n");
    const files::PathParts czesci = files::split_path(nazwa_mo);
    ctx.ui.note("Błędne argumenty znane bazy modeli " + czesci.name + czesci.extension,
                "Następujące argumenty znane \nnie są argumentami dopytywalnymi:\n   " + factfile::to_text(zle) +
                    "\nPrzejdź do 'Bazy modeli niepewnej'," +
                    "\nwybierz opcję 'Edycja bazy modeli', \nwybierz błędną bazę " +
                    "\ni usuń argumenty znane nie będące \nargumentami dopytywalnymi!");
}

// The four model lists, each without repeats (the last occurrence stays).
NameList argumenty_modeli(const Context& ctx) { return redukuj(model_argumenty_nazwy(ctx)); }
NameList warunki_stosowania_modeli(const Context& ctx) { return redukuj(model_wszelaki_nazwy(ctx)); }
NameList wnioski_modeli(const Context& ctx) { return redukuj(model_relacyjny_nazwy(ctx)); }
NameList wyniki_modeli(const Context& ctx) { return redukuj(model_arytmetyczny_nazwy(ctx)); }

}  // namespace

void wyznacz_i_pamietaj_argumenty_modeli(Context& ctx) { ctx.db.stan.lista_argumentow_modeli.set(argumenty_modeli(ctx)); }

void wyznacz_i_pamietaj_warunki_stosowania_modeli(Context& ctx)
{
    ctx.db.stan.lista_warunkow_stosowania.set(warunki_stosowania_modeli(ctx));
}

void wyznacz_i_pamietaj_wnioski_modeli(Context& ctx) { ctx.db.stan.lista_wnioskow_modeli.set(wnioski_modeli(ctx)); }

void wyznacz_i_pamietaj_wyniki_modeli(Context& ctx) { ctx.db.stan.lista_wynikow_modeli.set(wyniki_modeli(ctx)); }

void wyznacz_i_pamietaj_listy_modeli(Context& ctx)
{
    // Four reads of the same base, stored in the order of the four steps one by one. They only
    // read names (a model's coefficients are names from its reading on), side by side on a
    // large base.
    NameList argumenty, wnioski, warunki, wyniki;
    platform::run_each(
        platform::worth_threads(liczba_modeli(ctx.db.baza_modeli)), [&] { argumenty = argumenty_modeli(ctx); },
        [&] { wnioski = wnioski_modeli(ctx); }, [&] { warunki = warunki_stosowania_modeli(ctx); },
        [&] { wyniki = wyniki_modeli(ctx); });
    ctx.db.stan.lista_argumentow_modeli.set(std::move(argumenty));
    ctx.db.stan.lista_wnioskow_modeli.set(std::move(wnioski));
    ctx.db.stan.lista_warunkow_stosowania.set(std::move(warunki));
    ctx.db.stan.lista_wynikow_modeli.set(std::move(wyniki));
}

bool redukuj_warunki_dopytywalne(Context& ctx)
{
    const auto dopytywalne = ctx.db.stan.lista_warunkow_dopytywalnych.first();
    if (!dopytywalne) return false;
    const auto wnioski_modeli = ctx.db.stan.lista_wnioskow_modeli.first();
    ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.set(
        wnioski_modeli ? roznica_zbiorow(*dopytywalne, *wnioski_modeli) : *dopytywalne);
    return true;
}

bool wyznacz_dopytywalne_zmienne(Context& ctx)
{
    Stan& s = ctx.db.stan;
    if (!s.nazwa_re.first()) return false;
    s.zmienne.remove_all();
    s.wyniki.remove_all();
    s.wyniki_zredukowane.remove_all();
    // A failure below must not leave the askable arguments of an earlier load for readers.
    s.lista_argumentow_dopytywalnych.remove_all();

    // The four collectors only read the base and its names: side by side on a large base. Their
    // facts are stored in the collectors' order, and their lists joined as the stored facts read.
    const BazaModeli& baza = ctx.db.baza_modeli;
    const bool apart = platform::worth_threads(liczba_modeli(baza));
    std::array<std::optional<ZmienneIWyniki>, 4> zebrane;
    platform::run_each(
        apart, [&] { zebrane[0] = zmienne_modelu(baza); }, [&] { zebrane[1] = zmienne_modelu_r(baza); },
        [&] { zebrane[2] = zmienne_modelu_lin(baza); }, [&] { zebrane[3] = zmienne_modelu_wiel(baza); });
    NameList zmienne, wyniki;
    for (std::optional<ZmienneIWyniki>& z : zebrane) {
        if (!z) continue;
        zmienne.insert(zmienne.end(), z->zmienne.begin(), z->zmienne.end());
        wyniki.insert(wyniki.end(), z->wyniki.begin(), z->wyniki.end());
        s.zmienne.add_last(std::move(z->zmienne));
        s.wyniki.add_last(std::move(z->wyniki));
    }
    platform::run_each(apart, [&] { zmienne = redukuj(zmienne); }, [&] { wyniki = redukuj(wyniki); });
    // The rules' conclusions are read in place (the first list of its name), and the reduced
    // lists move into the store once the difference is taken: each holds every model name.
    const NameList* wnioski_regul = nullptr;
    s.lista_wnioskow_regul.scan([&](const NameList& l) {
        wnioski_regul = &l;
        return true;
    });
    const NameList bez_wynikow = wnioski_regul ? roznica_zbiorow(zmienne, wyniki) : NameList{};
    s.argumenty_zredukowane.set(std::move(zmienne));
    s.wyniki_zredukowane.set(std::move(wyniki));
    if (!wnioski_regul) return false;
    s.lista_argumentow_dopytywalnych.set(sortuj(bez_zanegowanych(roznica_zbiorow(bez_wynikow, *wnioski_regul))));
    return true;
}

bool wyznacz_warunki_i_argumenty_dopytywalne(Context& ctx)
{
    const auto argumenty = ctx.db.stan.lista_argumentow_dopytywalnych.first();
    const auto warunki = ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.first();
    if (!argumenty || !warunki) return false;
    NameList razem = *argumenty;
    razem.insert(razem.end(), warunki->begin(), warunki->end());
    ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.set(sortuj(redukuj(razem)));
    return true;
}

bool testowanie_dopytywalnosci_argumentow(Context& ctx)
{
    const auto nazwa_mo = ctx.db.stan.nazwa_mo.first();
    if (!nazwa_mo) return true;
    NameList znane;
    ctx.db.baza_modeli.argument_znany.scan([&](const NazwaWartosc& a) { znane.push_back(a.nazwa); });
    // Every stored list is tried in turn; the first that leaves a known argument over is reported.
    for (const NameList& dopytywalne : ctx.db.stan.lista_argumentow_dopytywalnych.all()) {
        const NameList zle = roznica_zbiorow(znane, dopytywalne);
        if (zle.empty()) continue;
        zglos_argumenty_niedopytywalne(ctx, *nazwa_mo, zle.strings());
        forget_model_base(ctx);
        return false;
    }
    return true;
}

}  // namespace kb
