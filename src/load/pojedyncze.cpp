// Items with a single condition: the rules with CF 1 and one condition, listed on request (the
// rule base is never changed), and constraints with fewer than two conditions, which unload
// their constraint base. Texts go to the window and the boxes only, never to the report text.
#include "load/pojedyncze.h"

#include <string>

#include "kb/bazy_ograniczen.h"
#include "load/kasowanie.h"
#include "platform/factfile.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {
namespace {

bool tak(kb::Context& ctx, std::string_view tytul, const std::string& tekst)
{
    return ctx.ui.message_box(tytul, tekst, platform::MessageIcon::Question,
                              platform::MessageButtons::YesNo, platform::kAnswerYes) ==
           platform::kAnswerYes;
}

// Records the rule's only condition; the caller ignores the answer.
bool testuj_liczbe_warunkow(kb::Context& ctx, std::int32_t numer, const std::string& wniosek,
                            const facts::SList& warunki)
{
    if (warunki.size() > 1) return true;
    if (warunki.size() == 1) ctx.db.stan.pojedynczy_warunek.add_last({numer, wniosek, warunki[0]});
    return false;
}

void zapowiedz(kb::Context& ctx, const std::string& n)
{
    ctx.ui.write("Baza reguł " + n + "\nma przynajmniej jedną regułę z CF=1 i z pojedynczym warunkiem.\n"
                 "Reguła taka może być tautologią, zastępującą\n"
                 "jedno określenie (warunek) innym określeniem (wniosek) i czyniąc\n"
                 "tym samym bazę reguł mniej przejrzystą i czytelną.\n\n");
}

std::string pytanie_o_liste(const std::string& n)
{
    return "Baza reguł rozwinięta niepewna\n   " + n +
           "\nma przynajmniej jedną regułę z CF=1 i z pojedynczym \nwarunkiem. \n\nReguła taka może "
           "być tautologią, zastępującą jedno \nokreślenie (warunek) innym określeniem (wniosek) "
           "\ni czyniąc tym samym bazę reguł mniej przejrzystą i \nczytelną.\n\nChcesz zobaczyć reguły "
           "z CF=1 i z pojedynczym warunkiem?";
}

// Shows one rule; false when the user wants no more.
bool pokaz(kb::Context& ctx, const std::string& n, const kb::PojedynczyWarunek& p)
{
    std::string numer = text::int_to_text(p.numer);
    ctx.ui.write("Reguła " + numer + " z wnioskiem '" + p.wniosek + "'\nz CF=1 i z pojedynczym warunkiem '" +
                 p.warunek + "'.\n\n");
    return tak(ctx, "Reguła z pojedynczym warunkiem",
               "W bazie reguł rozwiniętej niepewnej\n   " + n + "\njest reguła " + numer +
                   " z wnioskiem\n   " + p.wniosek + ",\nz CF=1 i z pojedynczym warunkiem\n   " +
                   p.warunek + ".\n\nChcesz zobaczyć następną regułę z CF=1 i z pojedynczym warunkiem?");
}

void zalecenie(kb::Context& ctx)
{
    ctx.ui.write("Jeżeli zauważysz regułę tautologiczną,\nto przejdź do 'Baza reguł',\n"
                 "wybierz opcję 'Edycja bazy reguł',\nwybierz błędną bazę i usuń tautologię.\n\n"
                 "Jeżeli nie, to przejdź do ładowania pozostałych baz.\n");
    ctx.ui.note("Zalecenie",
                "Jeżeli zauważysz regułę tautologiczną, to przejdź do 'Baza reguł niepewnej',\n"
                "wybierz opcję 'Edycja bazy reguł', wybierz błędną bazę i usuń tautologię.\n\n"
                "Jeżeli nie, to przejdź do ładowania pozostałych baz.");
}

// ---- Constraints ----

struct TekstyOgraniczen {
    const char* okno_baza;        // "Baza ograniczeń dokładna "
    const char* okno_lista;       // " z listą warunków dopytywalnych"
    const char* okno_przejdz;     // "Przejdź do 'Bazy ograniczeń dokładnych'"
    const char* nota_baza;        // "Baza ograniczeń rozwinięta dokładna\n   "
    const char* nota_lista;       // ".\nz listą warunków ... mniej niż dwa warunki:\n\n"
    const char* nota_przejdz;     // "\n\nPrzejdź do 'Bazy ograniczeń dokładnej', ..."
};

const TekstyOgraniczen kDokladne = {
    "Baza ograniczeń dokładna ", " z listą warunków dopytywalnych",
    "Przejdź do 'Bazy ograniczeń dokładnych'", "Baza ograniczeń rozwinięta dokładna\n   ",
    ".\nz listą warunków dopytywalnych wzajemnie wykluczających się,\nzawierającą mniej niż dwa warunki:\n\n",
    "\n\nPrzejdź do 'Bazy ograniczeń dokładnej', wybierz opcję 'Edycja bazy ograniczeń'\n"
    "następnie wybierz błędną bazę i usuń błąd."};

const TekstyOgraniczen kNiepewne = {
    "Baza ograniczeń niepewna ", " z listą warunków dopytywalnych niepewnie",
    "Przejdź do 'Bazy ograniczeń niepewnych'", "Baza ograniczeń rozwinięta niepewna\n   ",
    ".\nz listą warunków dopytywalnych  wzajemnie wykluczających się,\nzawierającą mniej niż dwa warunki:\n\n",
    "\n\nPrzejdź do 'Bazy ograniczeń niepewnej', wybierz opcję 'Edycja bazy ograniczeń'\n"
    "następnie wybierz błędną bazę i usuń błąd."};

void zglos_ograniczenie(kb::Context& ctx, const TekstyOgraniczen& t, const std::string& n,
                        const kb::Ograniczenie& o)
{
    std::string k = text::int_to_text(o.numer);
    std::string l = factfile::to_text(o.warunki);
    ctx.ui.write(std::string(t.okno_baza) + n + "\nma ograniczenie " + k + t.okno_lista +
                 "\nwzajemnie wykluczających się, zawierającą mniej niż dwa warunki: \n\n    " + l +
                 "\n\n" + t.okno_przejdz +
                 "\nwybierz opcję 'Edycja bazy ograniczeń',\nwybierz błędną bazę i usuń błąd.");
    ctx.ui.note("Uwaga błąd!", std::string(t.nota_baza) + n + "\nma ograniczenie " + k + t.nota_lista + l +
                                   t.nota_przejdz);
}

void wyladuj_dokladna(kb::Context& ctx)
{
    kb::kasowanie_dogranicz(ctx);
    kb::kasowanie_nazwy_og(ctx);
}

void wyladuj_niepewna(kb::Context& ctx)
{
    kb::kasowanie_dogranicz_p(ctx);
    kb::kasowanie_nazwy_op(ctx);
}

// A list of two or more conditions passes. A shorter one, while the base is loaded, is
// reported and the base unloaded (load marker, constraints, name; the full path stays), and
// the test passes too; with the base no longer loaded it fails. Its callers ignore the answer.
bool testuj_dlugosc_w_bazie(kb::Context& ctx, const TekstyOgraniczen& t,
                            const facts::FactList<std::string>& nazwa, void (*wyladuj)(kb::Context&),
                            const kb::Ograniczenie& o)
{
    if (o.warunki.size() >= 2) return true;
    std::optional<std::string> n = nazwa.first();
    if (!n) return false;
    zglos_ograniczenie(ctx, t, *n, o);
    kasowanie_jestem_tu(ctx);
    wyladuj(ctx);
    return true;
}

bool testuj_dlugosc(kb::Context& ctx, const kb::Ograniczenie& o)
{
    return testuj_dlugosc_w_bazie(ctx, kDokladne, ctx.db.baza_ograniczen.nazwa_og, wyladuj_dokladna, o);
}

bool testuj_dlugosc_p(kb::Context& ctx, const kb::Ograniczenie& o)
{
    return testuj_dlugosc_w_bazie(ctx, kNiepewne, ctx.db.baza_ograniczen_p.nazwa_op, wyladuj_niepewna, o);
}

}  // namespace

void wykrywanie_warunkow_pojedynczych(kb::Context& ctx)
{
    ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) {
        // Only a rule of one condition is recorded: the CF text of the others is never read.
        if (r.warunki.size() != 1) return;
        std::optional<double> cf = text::text_to_real(r.cf);
        if (cf && *cf == 1.0) testuj_liczbe_warunkow(ctx, r.numer, r.wniosek.str(), r.warunki.strings());
    });
    if (ctx.db.stan.pojedynczy_warunek.empty()) return;

    std::string n = ctx.db.stan.nazwa_re.first().value_or("");
    zapowiedz(ctx, n);
    if (!tak(ctx, "Wybierz:", pytanie_o_liste(n))) return;
    ctx.ui.write("W bazie reguł " + n + " jest:\n\n");
    for (const kb::PojedynczyWarunek& p : ctx.db.stan.pojedynczy_warunek.all())
        if (!pokaz(ctx, n, p)) return;
    zalecenie(ctx);
}

// The first constraint with fewer than two conditions unloads the base; the walk then finds
// no more constraints, so one report at most.
void wykrywanie_ograniczen_pojedynczych(kb::Context& ctx)
{
    ctx.db.baza_ograniczen.ograniczenie.each([&](const kb::Ograniczenie& o) { testuj_dlugosc(ctx, o); });
}

void wykrywanie_ograniczen_pojedynczych_p(kb::Context& ctx)
{
    ctx.db.baza_ograniczen_p.ograniczenie_n.each(
        [&](const kb::Ograniczenie& o) { testuj_dlugosc_p(ctx, o); });
}

}  // namespace load
