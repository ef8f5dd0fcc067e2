// Askable conditions of the rule base and the load-time check of its given facts. Computes
// from the rules and records the condition and conclusion lists; it never writes the report
// text, and it removes the rule base only through forget_rule_base.
#include "kb/dopytywalne_regul.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "kb/baza_regul.h"
#include "kb/listy.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

constexpr const char* kKoniec = "koniec";
constexpr const char* kBezWarunku = "bez warunku";

// The lists one computation records; `wnioski` keeps "koniec", `wnioski_bez_konca` does not.
struct ListyRegul {
    NameList warunki;
    NameList wnioski;
    NameList wnioski_bez_konca;
};

// The conditions (negations taken off) and conclusions of all the rules, reduced.
ListyRegul listy_regul(const Context& ctx)
{
    std::size_t liczba_warunkow = 0;
    ctx.db.baza_regul.regula.scan([&](const Regula& r) { liczba_warunkow += r.warunki.size(); });
    NameList warunki;
    NameList wnioski;
    warunki.reserve(liczba_warunkow);
    wnioski.reserve(ctx.db.baza_regul.regula.size());
    ctx.db.baza_regul.regula.scan([&](const Regula& r) {
        warunki.insert(warunki.end(), r.warunki.begin(), r.warunki.end());
        wnioski.push_back(r.wniosek);
    });
    ListyRegul l;
    l.warunki = redukuj(usun_negacje(warunki));
    l.wnioski = redukuj(wnioski);
    l.wnioski_bez_konca = usun(Name(kKoniec), l.wnioski);
    return l;
}

// A stop rule's conclusion used as a condition: the rule base cannot be run.
bool koniec_wnioskiem_i_warunkiem(const ListyRegul& l)
{
    return std::ranges::find(l.wnioski, kKoniec) != l.wnioski.end() &&
           std::ranges::find(l.warunki, kKoniec) != l.warunki.end();
}

void write_lines(Context& ctx, std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines) {
        ctx.ui.write(line);
        ctx.ui.write("\n");
    }
}

void odrzuc_fakty(Context& ctx, const SList& bledne)
{
    write_lines(ctx, {"Przejdź do 'Bazy reguł niepewnej',",
                      "wybierz opcję 'Edycja bazy reguł', wybierz błędną bazę ",
                      "i usuń fakty nie będące warunkami dopytywalnymi!", ""});
    kasowanie_fakt(ctx);
    ctx.ui.note("Błędne fakty bazy reguł!",
                "Następujące fakty nie są warunkami dopytywalnymi: \n   " + factfile::to_text(bledne) +
                    "\nPrzejdź do 'Bazy reguł niepewnej',"
                    "\nwybierz opcję 'Edycja bazy reguł', wybierz błędną bazę "
                    "\ni usuń fakty nie będące warunkami dopytywalnymi lub"
                    "\nwprowadź odpowiednie warunki dopytywalne do reguł.");
    forget_rule_base(ctx);
}

// Records the lists of one computation, replacing the previous one's (readers never meet an
// older base), and gives the askable conditions. The lists move into the store once the
// askables are taken from them: a large base has tens of thousands of names in each.
std::optional<NameList> pamietaj_listy_regul(Context& ctx, ListyRegul&& l)
{
    std::optional<NameList> dopytywalne;
    if (!koniec_wnioskiem_i_warunkiem(l)) {
        dopytywalne = roznica_zbiorow(l.warunki, l.wnioski_bez_konca);
        std::erase(*dopytywalne, Name(kBezWarunku));  // as usun: every occurrence, order kept
    }
    auto& stan = ctx.db.stan;
    stan.lista_warunkow.set(std::move(l.warunki));
    stan.lista_wnioskow_regul.remove_all();
    stan.lista_wnioskow_regul.add_last(std::move(l.wnioski_bez_konca));
    stan.lista_wnioskow_regul.add_last(std::move(l.wnioski));
    return dopytywalne;
}

}  // namespace

std::optional<NameList> wyznacz_warunki_dopytywalne(Context& ctx)
{
    return pamietaj_listy_regul(ctx, listy_regul(ctx));
}

bool testowanie_dopytywalnosci_faktow(Context& ctx)
{
    const std::optional<NameList> dopytywalne = wyznacz_warunki_dopytywalne(ctx);
    if (!dopytywalne) return true;
    return testowanie_dopytywalnosci_faktow(ctx, *dopytywalne);
}

bool testowanie_dopytywalnosci_faktow(Context& ctx, const NameList& dopytywalne)
{
    NameList fakty;
    ctx.db.baza_regul.fakt.scan([&](const Fakt& f) { fakty.push_back(f.warunek); });
    fakty = usun_negacje(fakty);

    const SList bledne = roznica_zbiorow(fakty, dopytywalne).strings();
    if (bledne.empty()) return true;
    odrzuc_fakty(ctx, bledne);
    return false;
}

void pisz_liste(Context& ctx, const SList& lista)
{
    for (const std::string& item : lista) {
        ctx.ui.write("   " + item);
        ctx.ui.write("\n");
    }
}

}  // namespace kb
