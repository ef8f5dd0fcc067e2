// The check, at the load of an exact constraint base, that models sharing a result can never
// apply together: their conditions are a condition and its negation, stand in one exact
// constraint, or are concluded by rules that cannot fire together. A group that fails unloads
// the bases the user has to correct; every write here is a plain write, never the report text.
#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "diagnostics/modele_wynikow.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "diagnostics/wykluczalnosc.h"
#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/bazy_ograniczen.h"
#include "kb/listy.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

using kb::Context;
using std::string;
using Warunki = std::vector<string>;

// The conditions of the models of one result.
struct Grupa {
    string wynik;
    Warunki warunki;
};


// Results shared within one kind, in the order of their first model.
std::vector<Grupa> wyniki_wielokrotne(const std::vector<ModelWyniku>& modele)
{
    const ModeleWedlugWyniku wedlug_wyniku(modele);
    std::unordered_set<string> zebrane;
    std::vector<Grupa> grupy;
    for (const ModelWyniku& m : modele) {
        if (!zebrane.insert(m.wynik).second) continue;
        Warunki w = wedlug_wyniku.warunki(m.wynik);
        if (w.size() >= 2) grupy.push_back({m.wynik, std::move(w)});
    }
    return grupy;
}

// Results shared by two kinds: the first kind's conditions, then the second's.
std::vector<Grupa> wyniki_wielokrotne_mieszane(const std::vector<ModelWyniku>& as, const std::vector<ModelWyniku>& bs)
{
    const ModeleWedlugWyniku wedlug_a(as), wedlug_b(bs);
    std::unordered_set<string> zebrane;
    std::vector<Grupa> grupy;
    for (const ModelWyniku& a : as) {
        if (!zebrane.insert(a.wynik).second) continue;
        Warunki w2 = wedlug_b.warunki(a.wynik);
        if (!w2.empty()) grupy.push_back({a.wynik, kb::dolaczenie(wedlug_a.warunki(a.wynik), w2)});
    }
    return grupy;
}

// The user corrects the bases in the editor: each goes as a whole, whatever the others do.
void usun_bazy(Context& ctx, bool z_regulami)
{
    if (z_regulami) kb::forget_rule_base(ctx);
    kb::forget_model_base(ctx);
    kb::kasowanie_bazy_ograniczen(ctx);
    ctx.db.wyniki_diagnoz.regula_do_testowania.remove_all();
    ctx.db.wyniki_diagnoz.regula_do_generowania_prawdy.remove_all();
}

// Two models of one result and one condition always apply together: no constraint or rule
// can separate them.
bool pisz_ten_sam_warunek(Context& ctx, const Grupa& g)
{
    string powtorzony;
    for (std::size_t i = 0; i < g.warunki.size() && powtorzony.empty(); ++i)
        for (std::size_t j = i + 1; j < g.warunki.size(); ++j)
            if (g.warunki[i] == g.warunki[j]) powtorzony = g.warunki[i];
    ctx.ui.write("\nModele o tym samym wyniku " + g.wynik + " mają ten sam warunek stosowania " + powtorzony +
                 ",\nwięc zawsze stosują się razem.\n"
                 "Załadowane bazy modeli i ograniczeń możesz tylko edytować,\n"
                 "lecz nie możesz korzystać z nich dla wnioskowania.\n"
                 "Przejdź do opcji edycji baz i popraw jedną lub wszystkie bazy.\n");
    ctx.ui.note("Uwaga!", "Modele o tym samym wyniku/wniosku\n   " + g.wynik + "\nmają ten sam warunek stosowania\n   " +
                              powtorzony + "\nwięc zawsze stosują się razem." +
                              "\nZaładowane bazy modeli i ograniczeń możesz tylko edytować, " +
                              "\nlecz nie możesz korzystać z nich dla wnioskowania." +
                              "\nPrzejdź do opcji edycji baz i popraw jedną lub wszystkie bazy.");
    usun_bazy(ctx, false);
    return false;
}

class Sprawdzenie {
public:
    explicit Sprawdzenie(Context& ctx) : ctx_(ctx) {}

    // Every group of the test: accepted, or analysed through the rules of its conditions.
    bool testuj(const std::vector<Grupa>& grupy)
    {
        for (const Grupa& g : grupy) {
            if (ma_powtorzenie(g.warunki)) return pisz_ten_sam_warunek(ctx_, g);
            if (testuj_liste_warunkow_stosowania(ctx_, g.warunki)) continue;
            if (std::find(przeanalizowane_.begin(), przeanalizowane_.end(), g.warunki) != przeanalizowane_.end()) continue;
            if (!testuj_reguly_warunkow(g.warunki)) return false;
            przeanalizowane_.push_back(g.warunki);
        }
        return true;
    }

private:
    // The rules concluding the conditions must not fire together.
    bool testuj_reguly_warunkow(const Warunki& warunki)
    {
        kb::WynikiDiagnoz& w = ctx_.db.wyniki_diagnoz;
        w.regula_do_generowania_prawdy.remove_all();
        w.regula_do_testowania.remove_all();
        w.wykluczenie.remove_all();
        if (!znajdz_reguly(ctx_, warunki)) return false;
        diagnostics::testuj(ctx_, wyznacz_reguly_wszystkie(ctx_));
        return pisz_wnioski_dla_testu_modeli(ctx_);
    }

    Context& ctx_;
    std::vector<Warunki> przeanalizowane_;  // groups whose rules were found exclusive
};

}  // namespace

bool testuj_liste_warunkow_stosowania(const Context& ctx, const facts::SList& warunki)
{
    if (ma_powtorzenie(warunki)) return false;
    if (warunki.size() == 2 && kb::negacja(warunki[0], warunki[1])) return true;
    return ctx.db.baza_ograniczen.ograniczenie.any(
        [&](const kb::Ograniczenie& o) { return kb::iloczyn_zbiorow(warunki, o.warunki) == warunki; });
}

bool pisz_wnioski_dla_testu_modeli(Context& ctx)
{
    if (!ctx.db.wyniki_diagnoz.wykluczenie.contains("NIE")) return true;
    ctx.ui.write("\nWnioski następujących reguł, bedące warunkami startowymi \n"
                 "modeli o tym samym wyniku,  nie wykluczają się wzajemnie: \n\n");
    ctx.ui.note("Uwaga!", "\nWnioski następujących reguł, bedące warunkami startowymi modeli o tych samych "
                          "wynikach/wnioskach, nie wykluczają się wzajemnie: ");
    for (const kb::RegulaDoTestowania& r : ctx.db.wyniki_diagnoz.regula_do_testowania.all()) {
        const string linia = "Numer reguły:  " + std::to_string(r.numer) + "    Wniosek:  " + r.wniosek;
        ctx.ui.write(linia + "\n");
        ctx.ui.note("Wnioski następujących reguł nie wykluczają się wzajemnie:", linia);
    }
    ctx.ui.write("\nZaładowane bazy reguł, modeli i ograniczeń możesz tylko\n"
                 "edytować, lecz nie możesz korzystać z nich dla wnioskowania.\n"
                 "Przejdź do opcji edycji baz i popraw jedną lub wszystkie bazy.\n");
    ctx.ui.note("Uwaga!", "Załadowane bazy modeli i ograniczeń możesz tylko edytować, "
                          "\nlecz nie możesz korzystać z nich dla wnioskowania."
                          "\nPrzejdź do opcji edycji baz i popraw jedną lub wszystkie bazy.");
    usun_bazy(ctx, true);
    return false;
}

bool testuj_wyniki_wszystkich_modeli_z_og(Context& ctx)
{
    if (ctx.db.baza_ograniczen.nazwa_og.empty()) return false;
    if (ctx.db.stan.nazwa_mo.empty()) return true;
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    w.opcja.add_last(3);
    std::vector<std::vector<ModelWyniku>> rodzaje;
    for (RodzajModelu r : kRodzajeModeli) rodzaje.push_back(modele_rodzaju(ctx, r));
    Sprawdzenie s(ctx);
    bool ok = true;
    for (std::size_t a = 0; a < rodzaje.size() && ok; ++a)
        for (std::size_t b = a + 1; b < rodzaje.size() && ok; ++b)
            ok = s.testuj(wyniki_wielokrotne_mieszane(rodzaje[a], rodzaje[b]));
    for (std::size_t a = 0; a < rodzaje.size() && ok; ++a) ok = s.testuj(wyniki_wielokrotne(rodzaje[a]));
    w.opcja.remove_if([](std::int32_t o) { return o == 3; });
    return ok;
}

}  // namespace diagnostics
