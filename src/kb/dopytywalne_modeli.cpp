// The askables of a loaded model base, computed once per load from the model views and the
// variable collectors, and the known-argument check. Each list is stored as the only fact of
// its name; the check reports through plain writes and a note, never into the report text.
#include "kb/dopytywalne_modeli.h"

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
#include "platform/toolkit.h"

namespace kb {

namespace {

// All facts of a list name joined in store order, as views into them: good while that list
// stays unchanged.
std::vector<std::string_view> polaczone(const facts::FactList<SList>& listy)
{
    std::vector<std::string_view> out;
    listy.scan([&](const SList& l) { out.insert(out.end(), l.begin(), l.end()); });
    return out;
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

}  // namespace

void wyznacz_i_pamietaj_argumenty_modeli(Context& ctx)
{
    ctx.db.stan.lista_argumentow_modeli.set(redukuj(model_argumenty_widoki(ctx)));
}

void wyznacz_i_pamietaj_warunki_stosowania_modeli(Context& ctx)
{
    ctx.db.stan.lista_warunkow_stosowania.set(redukuj(model_wszelaki_widoki(ctx)));
}

void wyznacz_i_pamietaj_wnioski_modeli(Context& ctx)
{
    ctx.db.stan.lista_wnioskow_modeli.set(redukuj(model_relacyjny_widoki(ctx)));
}

void wyznacz_i_pamietaj_wyniki_modeli(Context& ctx)
{
    ctx.db.stan.lista_wynikow_modeli.set(redukuj(model_arytmetyczny_widoki(ctx)));
}

bool redukuj_warunki_dopytywalne(Context& ctx)
{
    const auto dopytywalne = ctx.db.stan.lista_warunkow_dopytywalnych.first();
    if (!dopytywalne) return false;
    const auto wnioski_modeli = ctx.db.stan.lista_wnioskow_modeli.first();
    ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.set(
        wnioski_modeli ? roznica_zbiorow(dopytywalne->strings(), *wnioski_modeli) : dopytywalne->strings());
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

    zmienne_z_modelu(ctx);
    zmienne_z_modelu_r(ctx);
    zmienne_z_modelu_lin(ctx);
    zmienne_z_modelu_wiel(ctx);

    SList zmienne = redukuj(polaczone(s.zmienne));
    SList wyniki = redukuj(polaczone(s.wyniki));
    // The rules' conclusions are read in place (the first list of its name), and the reduced
    // lists move into the store once the difference is taken: each holds every model name.
    const NameList* wnioski_regul = nullptr;
    s.lista_wnioskow_regul.scan([&](const NameList& l) {
        wnioski_regul = &l;
        return true;
    });
    const SList bez_wynikow = wnioski_regul ? roznica_zbiorow(zmienne, wyniki) : SList{};
    s.argumenty_zredukowane.set(std::move(zmienne));
    s.wyniki_zredukowane.set(std::move(wyniki));
    if (!wnioski_regul) return false;
    s.lista_argumentow_dopytywalnych.set(sortuj(usun_zanegowane(roznica_zbiorow(bez_wynikow, wnioski_regul->strings()))));
    return true;
}

bool wyznacz_warunki_i_argumenty_dopytywalne(Context& ctx)
{
    const auto argumenty = ctx.db.stan.lista_argumentow_dopytywalnych.first();
    const auto warunki = ctx.db.stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.first();
    if (!argumenty || !warunki) return false;
    ctx.db.stan.lista_warunkow_i_argumentow_dopytywalnych.set(sortuj(redukuj(dolacz(*argumenty, *warunki))));
    return true;
}

bool testowanie_dopytywalnosci_argumentow(Context& ctx)
{
    const auto nazwa_mo = ctx.db.stan.nazwa_mo.first();
    if (!nazwa_mo) return true;
    SList znane;
    for (const NazwaWartosc& a : ctx.db.baza_modeli.argument_znany.all()) znane.push_back(a.nazwa);
    // Every stored list is tried in turn; the first that leaves a known argument over is reported.
    for (const SList& dopytywalne : ctx.db.stan.lista_argumentow_dopytywalnych.all()) {
        const SList zle = roznica_zbiorow(znane, dopytywalne);
        if (zle.empty()) continue;
        zglos_argumenty_niedopytywalne(ctx, *nazwa_mo, zle);
        forget_model_base(ctx);
        return false;
    }
    return true;
}

}  // namespace kb
