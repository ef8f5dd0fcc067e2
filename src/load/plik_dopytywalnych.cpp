// The askables file: collecting the askable conditions and arguments of the loaded bases with
// the constraints that hold them, and writing the listing to a file chosen by the user. Reads
// the bases and askable lists; changes only its own working facts and the current output.
#include "load/plik_dopytywalnych.h"

#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace load {

namespace {

using facts::FactList;
using facts::SList;
using kb::Context;
using std::string;
using std::string_view;

bool jest_re(const Context& ctx) { return !ctx.db.stan.nazwa_re.empty(); }
bool jest_mo(const Context& ctx) { return !ctx.db.stan.nazwa_mo.empty(); }
bool jest_og(const Context& ctx) { return !ctx.db.baza_ograniczen.nazwa_og.empty(); }
bool jest_op(const Context& ctx) { return !ctx.db.baza_ograniczen_p.nazwa_op.empty(); }

// W: the askable conditions (less the relational conclusions when a model base is loaded).
SList warunki_dopytywalne(const Context& ctx)
{
    const auto& stan = ctx.db.stan;
    if (jest_mo(ctx)) return stan.lista_wszystkich_dopytywalnych_dla_wyswietlania.first().value_or(facts::NameList{}).strings();
    return stan.lista_warunkow_dopytywalnych.first().value_or(facts::NameList{}).strings();
}

// A: the askable model arguments.
SList argumenty_dopytywalne(const Context& ctx)
{
    return ctx.db.stan.lista_argumentow_dopytywalnych.first().value_or(facts::NameList{}).strings();
}

bool lezy_w(string_view nazwa, const SList& warunki)
{
    for (const string& w : warunki)
        if (w == nazwa) return true;
    return false;
}

bool testuj_ograniczenie(const FactList<kb::Ograniczenie>& ograniczenia, FactList<std::int32_t>& rekord,
                         string_view nazwa)
{
    const auto pierwsze =
        ograniczenia.first([&](const kb::Ograniczenie& o) { return lezy_w(nazwa, o.warunki); });
    if (!pierwsze) return true;
    rekord.add_last(pierwsze->numer);
    return false;
}

void dodaj_raz(FactList<string>& fakty, const string& x)
{
    if (!fakty.contains(x)) fakty.add_last(x);
}

void kasowanie_zbiorow(Context& ctx)
{
    auto& s = ctx.db.stan_ladowania;
    s.war_dopyt.remove_all();                                        // kasowanie_war_dopyt
    s.war_dopyt_bez_modeli.remove_all();                             // kasowanie_war_dopyt_bez_modeli
    ctx.db.baza_modeli.arg_dopyt.remove_all();                       // kasowanie_arg_dopyt
    ctx.db.baza_modeli.nazwa_pliku_war_arg.remove_all();             // kasowanie_nazwy_pliku_war_arg
    s.numer_ograniczenia_dokladnego_dla_bazy_regul.remove_all();
    s.numer_ograniczenia_niepewnego_dla_bazy_regul.remove_all();
    s.numer_ograniczenia_dokladnego_dla_bazy_modeli.remove_all();
    s.numer_ograniczenia_niepewnego_dla_bazy_modeli.remove_all();
}

// ---- Writing -------------------------------------------------------------------------------------

// Items 2 to 5: the header, then one line per recorded constraint (in base order), each member
// as three blanks, the name and "#". The header and the group lines end with the next line break.
void pisz_grupy(Context& ctx, string_view naglowek, const FactList<kb::Ograniczenie>& ograniczenia,
                FactList<std::int32_t>& rekord)
{
    string out(naglowek);
    ograniczenia.each([&](const kb::Ograniczenie& o) {
        if (!rekord.contains(o.numer)) return;
        rekord.remove_if([&](std::int32_t n) { return n == o.numer; });
        out += '\n';
        for (const string& w : o.warunki) out += "   " + w + "#";
    });
    ctx.ui.write(out);
}

void pisz_liste(Context& ctx, string_view naglowek, const std::vector<string>& nazwy)
{
    string out(naglowek);
    out += '\n';
    for (const string& x : nazwy) out += "   " + x + "\n";
    ctx.ui.write(out);
}

void pisz_plik(Context& ctx)
{
    const string r = ctx.db.stan.nazwa_re.first().value_or("");
    const string m = ctx.db.stan.nazwa_mo.first().value_or("");
    auto& s = ctx.db.stan_ladowania;
    const auto& og = ctx.db.baza_ograniczen.ograniczenie;
    const auto& op = ctx.db.baza_ograniczen_p.ograniczenie_n;

    // 1. The askable conditions that lie in no constraint: all of them without a constraint
    //    base; with one, those that none of its constraints holds (when there are any).
    const auto& bez_grup = jest_mo(ctx) ? s.war_dopyt : s.war_dopyt_bez_modeli;
    if (jest_re(ctx) && ((!jest_og(ctx) && !jest_op(ctx)) || !bez_grup.empty()))
        pisz_liste(ctx, "Warunki dopytywalne niewykluczające się bazy reguł " + r, bez_grup.all());
    // 2. to 5. The groups of each constraint base, for the rule base and for the model base.
    if (jest_re(ctx) && jest_og(ctx))
        pisz_grupy(ctx, "Warunki dopytywalne wzajemnie dokładnie wykluczające się bazy reguł " + r,
                   og, s.numer_ograniczenia_dokladnego_dla_bazy_regul);
    ctx.ui.write("\n");
    if (jest_re(ctx) && jest_op(ctx))
        pisz_grupy(ctx, "Warunki dopytywalne wzajemnie niepewnie wykluczające się bazy regul " + r,
                   op, s.numer_ograniczenia_niepewnego_dla_bazy_regul);
    ctx.ui.write("\n");
    if (jest_re(ctx) && jest_og(ctx) && jest_mo(ctx))
        pisz_grupy(ctx, "Warunki dopytywalne wzajemnie dokładnie wykluczające się bazy modeli " + m,
                   og, s.numer_ograniczenia_dokladnego_dla_bazy_modeli);
    ctx.ui.write("\n");
    if (jest_re(ctx) && jest_op(ctx) && jest_mo(ctx))
        pisz_grupy(ctx, "Warunki dopytywalne wzajemnie niepewnie wykluczające się bazy modeli " + m,
                   op, s.numer_ograniczenia_niepewnego_dla_bazy_modeli);
    // 6. One line break for each loaded constraint base and for a loaded model base.
    string konce;
    if (jest_og(ctx)) konce += '\n';
    if (jest_op(ctx)) konce += '\n';
    if (jest_mo(ctx)) konce += '\n';
    ctx.ui.write(konce);
    // 7. The askable arguments.
    if (jest_mo(ctx))
        pisz_liste(ctx, "Argumenty dopytywalne bazy modeli " + m, ctx.db.baza_modeli.arg_dopyt.all());
}

}  // namespace

bool testuj_ograniczenie_dokladne_dla_bazy_regul(Context& ctx, string_view nazwa)
{
    return testuj_ograniczenie(ctx.db.baza_ograniczen.ograniczenie,
                               ctx.db.stan_ladowania.numer_ograniczenia_dokladnego_dla_bazy_regul, nazwa);
}

bool testuj_ograniczenie_niepewne_dla_bazy_regul(Context& ctx, string_view nazwa)
{
    return testuj_ograniczenie(ctx.db.baza_ograniczen_p.ograniczenie_n,
                               ctx.db.stan_ladowania.numer_ograniczenia_niepewnego_dla_bazy_regul, nazwa);
}

bool testuj_ograniczenie_dokladne_dla_bazy_modeli(Context& ctx, string_view nazwa)
{
    return testuj_ograniczenie(ctx.db.baza_ograniczen.ograniczenie,
                               ctx.db.stan_ladowania.numer_ograniczenia_dokladnego_dla_bazy_modeli, nazwa);
}

bool testuj_ograniczenie_niepewne_dla_bazy_modeli(Context& ctx, string_view nazwa)
{
    return testuj_ograniczenie(ctx.db.baza_ograniczen_p.ograniczenie_n,
                               ctx.db.stan_ladowania.numer_ograniczenia_niepewnego_dla_bazy_modeli, nazwa);
}

void zbierz_dopytywalne(Context& ctx)
{
    kasowanie_zbiorow(ctx);
    if (!jest_re(ctx)) return;

    const SList w = warunki_dopytywalne(ctx);
    const SList a = argumenty_dopytywalne(ctx);
    auto& arg_dopyt = ctx.db.baza_modeli.arg_dopyt;

    // The conditions: recorded with the first constraint of each base that holds them; those
    // that no loaded constraint holds are listed on their own.
    std::vector<bool> w_zadnym(w.size(), true);
    if (jest_og(ctx))
        for (std::size_t i = 0; i < w.size(); ++i)
            if (!testuj_ograniczenie_dokladne_dla_bazy_regul(ctx, w[i])) w_zadnym[i] = false;
    if (jest_op(ctx))
        for (std::size_t i = 0; i < w.size(); ++i)
            if (!testuj_ograniczenie_niepewne_dla_bazy_regul(ctx, w[i])) w_zadnym[i] = false;

    // The arguments.
    if (jest_mo(ctx) && jest_og(ctx))
        for (const string& x : a)
            if (testuj_ograniczenie_dokladne_dla_bazy_modeli(ctx, x)) dodaj_raz(arg_dopyt, x);
    if (jest_mo(ctx) && jest_op(ctx))
        for (const string& x : a)
            if (testuj_ograniczenie_niepewne_dla_bazy_modeli(ctx, x)) dodaj_raz(arg_dopyt, x);
    if (jest_mo(ctx) && !jest_og(ctx))
        for (const string& x : a) dodaj_raz(arg_dopyt, x);

    auto& bez_grup = jest_mo(ctx) ? ctx.db.stan_ladowania.war_dopyt : ctx.db.stan_ladowania.war_dopyt_bez_modeli;
    for (std::size_t i = 0; i < w.size(); ++i)
        if (w_zadnym[i]) dodaj_raz(bez_grup, w[i]);
}

bool zachowaj(Context& ctx)
{
    zbierz_dopytywalne(ctx);
    return zachowaj_1(ctx);
}

bool zachowaj_1(Context& ctx)
{
    // The dialog opens in the parent folder; the current directory stays the base's folder.
    platform::FileDialogDesc desc;
    desc.title = "Podaj nazwę nowego pliku dopytywalnych";
    desc.initial_name = "*.txt";
    desc.filters = {{"Pliki dopytywalnych (*.txt)", "*.txt"}};
    desc.folder = ctx.files.resolve("..");
    const string plik = ctx.ui.save_file_dialog(desc);
    if (plik.empty()) return false;

    ctx.ui.open_output_file(plik);  // FileError: nothing recorded, the output unchanged
    ctx.db.baza_modeli.nazwa_pliku_war_arg.add_last(plik);
    pisz_plik(ctx);
    return true;
}

}  // namespace load
