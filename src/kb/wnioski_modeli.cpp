// The clash check of the names of a model base and a rule base loaded together. It reads the
// lists the loads recorded and decides; it writes to the auxiliary window only (never the
// report text) and removes the bases only through their forget-as-a-unit functions.
#include "kb/wnioski_modeli.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/dopytywalne_regul.h"
#include "kb/listy.h"
#include "kb/name_number_set.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// Every combination of the facts of the given lists, in store order with the list named last
// varied first, until `clash` finds names in one; those names, or nullopt when no combination
// gives any (also when some list has no fact at all). Several lists of one name stay after
// each rule-base load (the conclusions without and with "koniec"): each is tried. The facts
// are looked at in place, nested scans deep, and nothing changes them meanwhile.
using Chosen = std::vector<const NameList*>;

std::optional<NameList> first_clash(const std::vector<const facts::FactList<NameList>*>& lists,
                                    const std::function<NameList(const Chosen&)>& clash)
{
    Chosen chosen(lists.size());
    std::optional<NameList> found;
    std::function<bool(std::size_t)> walk = [&](std::size_t i) -> bool {
        if (i == lists.size()) {
            NameList names = clash(chosen);
            if (!names.empty()) found = std::move(names);
            return found.has_value();
        }
        lists[i]->scan([&](const NameList& l) {
            chosen[i] = &l;
            return walk(i + 1);
        });
        return found.has_value();
    };
    walk(0);
    return found;
}

struct Komunikat {
    std::vector<std::string> linie_przed_lista;  // after the two name lines
    std::string tytul;
    std::string druga_nazwa;                     // "i w bazie modeli" or "i/lub w bazie modeli"
    std::string opis;                            // the note's text between the names and the list
    std::string pierwsza_linia_po_liscie;
};

std::string name_or_missing(const std::optional<std::string>& name, const char* missing)
{
    return name ? *name : std::string(missing);
}

void write_line(Context& ctx, std::string_view line)
{
    ctx.ui.write(line);
    ctx.ui.write("\n");
}

// The report of a clash, then both bases forgotten and inference greyed.
void zglos_i_odrzuc(Context& ctx, const Komunikat& k, const SList& nazwy)
{
    // A missing base name is shown as missing rather than hushing the clash up.
    const std::string nr = name_or_missing(ctx.db.stan.nazwa_re.first(), "(brak nazwy bazy reguł)");
    const std::string nm = name_or_missing(ctx.db.stan.nazwa_mo.first(), "(brak nazwy bazy modeli)");

    write_line(ctx, "Błąd w bazie reguł   " + nr);
    write_line(ctx, k.druga_nazwa + " " + nm);
    write_line(ctx, "");
    for (const std::string& line : k.linie_przed_lista) write_line(ctx, line);
    write_line(ctx, "");
    pisz_liste(ctx, nazwy);
    write_line(ctx, "");
    write_line(ctx, k.pierwsza_linia_po_liscie);
    write_line(ctx, "wybierz opcję 'Edycja bazy modeli', ");
    write_line(ctx, "lub opcję 'Edycja bazy reguł', ");
    write_line(ctx, "wybierz błędną bazę i usuń błąd.");

    ctx.ui.note(k.tytul, "Błąd w bazie reguł\n   " + nr + "\n" + k.druga_nazwa + "\n   " + nm + "." + k.opis +
                             factfile::to_text(nazwy) +
                             ".\nWnioskowanie nie może być kontynuowane. \nPrzejdź do 'Bazy modeli niepewnej' lub "
                             "\ndo 'Bazy reguł niepewnej',"
                             "\nwybierz opcję 'Edycja bazy modeli', "
                             "\nlub opcję 'Edycja bazy reguł', "
                             "\nwybierz błędną bazę i usuń błąd.");

    // Only the model base goes: the rules stay loaded for editing and a reload, while inference
    // waits for the next rule-base load, as the note says.
    forget_model_base(ctx);
    ctx.report(MenuEvent::ConclusionClashFound);
}

const Komunikat kJednakoweWnioski{
    {"Reguły i modele relacyjne mają jednakowe wnioski.", "Wnioskami tymi są:"},
    "Błąd: jednakowe nazwy wniosków bazy reguł i bazy modeli",
    "i w bazie modeli",
    "\nReguły i modele relacyjne mają wnioski o \njednakowych nazwach.  \nWnioskami tymi są wnioski z listy:\n   ",
    "Przejdź do 'Bazy modeli niepewnej' lub do 'Bazy reguł niepewnej',"};

const Komunikat kJednakoweZmienne{
    {"Reguły i modele  mają warunki/wnioski", "o tych samych nazwach jak argumenty/wyniki.", "Są nimi:"},
    "Błąd: jednakowe nazwy zmiennych bazy reguł i/lub zmiennych bazy modeli",
    "i/lub w bazie modeli",
    "\nReguły i modele mają warunki/wnioski\no tych samych nazwach jak argumenty/wyniki. \nZawiera je lista:\n   ",
    "Przejdź do 'Bazy modeli niepewnej ' lub do 'Bazy reguł niepewnej',"};

// Rule conclusions that a relational model concludes too, in the order of the rule list
// (iloczyn_zbiorow of the two lists).
NameList jednakowe_wnioski(const Chosen& l)
{
    NameNumberSet wnioski_modeli(l[1]->size());
    for (const Name n : *l[1]) wnioski_modeli.insert(n);
    NameList out;
    for (const Name n : *l[0])
        if (wnioski_modeli.contains(n)) out.push_back(n);
    return out;
}

// Arguments and results of arithmetic models that are logical names: arguments that are no
// result first, then the results, each in its list's order. That is
// iloczyn_zbiorow(suma_zbiorow(a, y), suma_zbiorow(suma_zbiorow(suma_zbiorow(r, m), k), s)),
// computed with name sets instead of the joined lists.
NameList jednakowe_zmienne(const Chosen& l)
{
    const NameList& a = *l[4];
    const NameList& y = *l[5];
    std::size_t liczba_logicznych = 0;
    for (std::size_t i = 0; i < 4; ++i) liczba_logicznych += l[i]->size();
    NameNumberSet logiczne(liczba_logicznych);
    for (std::size_t i = 0; i < 4; ++i)
        for (const Name n : *l[i]) logiczne.insert(n);
    NameNumberSet wyniki(y.size());
    for (const Name n : y) wyniki.insert(n);
    NameList out;
    for (const Name n : a)
        if (!wyniki.contains(n) && logiczne.contains(n)) out.push_back(n);
    for (const Name n : y)
        if (logiczne.contains(n)) out.push_back(n);
    return out;
}

}  // namespace

bool wnioski_modeli_a_wnioski_regul(Context& ctx)
{
    const Stan& st = ctx.db.stan;
    if (auto nazwy = first_clash({&st.lista_wnioskow_regul, &st.lista_wnioskow_modeli}, jednakowe_wnioski)) {
        zglos_i_odrzuc(ctx, kJednakoweWnioski, nazwy->strings());
        return false;
    }
    if (auto nazwy = first_clash({&st.lista_wnioskow_regul, &st.lista_wnioskow_modeli, &st.lista_warunkow,
                                  &st.lista_warunkow_stosowania, &st.lista_argumentow_modeli,
                                  &st.lista_wynikow_modeli},
                                 jednakowe_zmienne)) {
        zglos_i_odrzuc(ctx, kJednakoweZmienne, nazwy->strings());
        return false;
    }
    return true;
}

}  // namespace kb
