// The number checks of the rule, model, constraint and advice bases: the first number that
// occurs twice is reported (window lines and a note) and the base's duplicate-number flag set.
// They read their base and never change it.
#include "load/numery.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "load/kasowanie.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {
namespace {

// The texts of one base's duplicate report. Window: line 1 is w1 + Name + w1_po, line 2 is
// w2 + N + ".", then w3, w4, w5, an empty line, w7, w8, an empty line. Note: nota + Name +
// nota_srodek + N + nota_koniec.
struct TekstyRaportu {
    const char* w1;
    const char* w1_po;
    const char* w2;
    const char* w3;
    const char* w4;
    const char* w5;
    const char* w7;
    const char* w8;
    const char* tytul;
    const char* nota;
    const char* nota_srodek;
    const char* nota_koniec;
};

struct OpisBazy {
    BazaNumerowana baza;
    const char* etykieta;
    TekstyRaportu teksty;
};

const OpisBazy kBazy[] = {
    {BazaNumerowana::regul, "baza reguł",
     {"W bazie reguł ", " występuje ", "conajmniej dwukrotnie reguła o numerze ",
      "Może to zakłócić przebieg wnioskowania.", "Dlatego nie można wnioskować z bazami reguł,",
      "których reguły mają powtarzające się numery.",
      "Przejdź do opcji 'Baza reguł/Edycja bazy reguł'", "i popraw numerację reguł w bazie.",
      "Błąd bazy reguł", "W bazie reguł rozwiniętej niepewnej\n   ",
      "\nwystępuje conajmniej dwukrotnie \nreguła o numerze ",
      ".\nMoże to zakłócić przebieg wnioskowania.\nDlatego nie można wnioskować z bazami reguł,"
      "\nktórych reguły mają powtarzające się numery.\nPrzejdź do opcji\n   'Baza reguł niepewna"
      "\n   Edycja bazy reguł'\ni popraw numerację reguł w bazie."}},
    {BazaNumerowana::modeli, "baza modeli",
     {"W bazie modeli ", " występuje ", "conajmniej dwukrotnie model o numerze ",
      "Może to zakłócić przebieg wnioskowania.", "Dlatego nie moľna wnioskować z bazami modeli,",
      "których modele mają powtarzające się numery.",
      "Przejdź do opcji 'Baza modeli/Edycja bazy modeli'", "i popraw numerację modeli w bazie.",
      "Błąd bazy modeli", "W bazie modeli rozwiniętej niepewnej\n   ",
      "\nwystępuje conajmniej dwukrotnie \nmodel o numerze ",
      ".\nMoże to zakłócić przebieg wnioskowania.\nDlatego nie można wnioskować z bazami modeli,"
      "\nktórych modele mają powtarzające się numery.\nPrzejdź do opcji 'Baza modeli/Edycja bazy "
      "modeli'\ni popraw numerację modeli w bazie."}},
    {BazaNumerowana::ograniczen, "baza ograniczeń dokładnych",
     {"W bazie ograniczeń dokładnych ", " występuje ",
      "conajmniej dwukrotnie ograniczenie o numerze ", "Może to zakłócić przebieg wnioskowania.",
      "Dlatego nie można wnioskować z bazami ograniczeń,",
      "których ograniczenia mają powtarzające sią numery.",
      "Przejdź do opcji 'Baza ograniczeń dokładnych/Edycja bazy ograniczeń'",
      "i popraw numerację ograniczeń w bazie.", "Błąd bazy ograniczeń",
      "W bazie ograniczeń rozwiniętych dokładnych",
      " występuje \nconajmniej dwukrotnie ograniczenie o numerze ",
      ".\nMoże to zakłócić przebieg wnioskowania.\nDlatego nie można wnioskować z bazami "
      "ograniczeń,\nktórych ograniczenia mają powtarzające się numery.\nPrzejdź do opcji\n   "
      "'Baza ograniczeń dokładna\n   Edycja bazy ograniczeń'\ni popraw numerację ograniczeń w "
      "bazie."}},
    {BazaNumerowana::ograniczen_p, "baza ograniczeń niepewnych",
     {"W bazie ograniczeń niepewnych", " występuje ",
      "conajmniej dwukrotnie ograniczenie o numerze ", "Może to zakłócić przebieg wnioskowania.",
      "Dlatego nie można wnioskować z bazami ograniczeń,",
      "których ograniczenia mają powtarzające się numery.",
      "Przejdż do opcji 'Baza ograniczeń niepewna/Edycja bazy ograniczeń'",
      "i popraw numerację ograniczeń w bazie.", "Błąd bazy ograniczeń",
      "W bazie ograniczeń rozwiniętej niepewnej\n   ",
      "\nwystępuje conajmniej dwukrotnie \nograniczenie o numerze ",
      ".\nMoże to zakłócić przebieg wnioskowania.\nDlatego nie można wnioskować z bazami "
      "ograniczeń,\nktórych ograniczenia mają powtarzające się numery.\nPrzejdź do opcji\n"
      "'Baza ograniczeń niepewna\n   Edycja bazy ograniczeń'\ni popraw numerację ograniczeń w "
      "bazie."}},
    {BazaNumerowana::rad, "baza rad",
     {"W bazie rad ", " występuje ", "conajmniej dwukrotnie rada o numerze ",
      "Może to zakłócić przebieg udzielania rad.", "Dlatego nie można wnioskować z bazami rad,",
      "których rady mają powtarzające się numery.", "Przejdź do opcji 'Baza  rad/dEycja bazy  rad'",
      "i popraw numerację rad w bazie.", "Błąd bazy rad", "W bazie radrozwiniętej niepewnej\n   ",
      "\nwystępuje conajmniej dwukrotnie \nrada o numerze ",
      ".\nMoże to zakłócić przebieg udzielania rad.\nDlatego nie można wnioskować z bazami rad,"
      "\nktórych rady mają powtarzające się numery.\nPrzejdź do opcji\n   'Baza rad niepewna"
      "\n   Edycja bazy rad'\ni popraw numerację rad w bazie."}},
};

const OpisBazy& opis(BazaNumerowana baza)
{
    for (const OpisBazy& o : kBazy)
        if (o.baza == baza) return o;
    return kBazy[0];
}

// The file name of the loaded base of that kind (its first name fact).
std::optional<std::string> nazwa_bazy(const kb::Context& ctx, BazaNumerowana baza)
{
    switch (baza) {
    case BazaNumerowana::regul: return ctx.db.stan.nazwa_re.first();
    case BazaNumerowana::modeli: return ctx.db.stan.nazwa_mo.first();
    case BazaNumerowana::ograniczen: return ctx.db.baza_ograniczen.nazwa_og.first();
    case BazaNumerowana::ograniczen_p: return ctx.db.baza_ograniczen_p.nazwa_op.first();
    case BazaNumerowana::rad: return ctx.db.stan.nazwa_ra.first();
    }
    return std::nullopt;
}

// The report of the base whose label holds; none without a label or a name.
void raport_powtorzenia(kb::Context& ctx, std::int32_t numer)
{
    std::optional<std::string> biezaca = ctx.db.stan_ladowania.testowanie.first();
    if (!biezaca) return;
    for (const OpisBazy& o : kBazy) {
        if (*biezaca != o.etykieta) continue;
        std::optional<std::string> nazwa = nazwa_bazy(ctx, o.baza);
        if (!nazwa) return;
        const TekstyRaportu& t = o.teksty;
        std::string n = text::int_to_text(numer);
        ctx.ui.write(std::string(t.w1) + *nazwa + t.w1_po + "\n" + t.w2 + n + ".\n" + t.w3 + "\n" +
                     t.w4 + "\n" + t.w5 + "\n\n" + t.w7 + "\n" + t.w8 + "\n\n");
        ctx.ui.note(t.tytul, std::string(t.nota) + *nazwa + t.nota_srodek + n + t.nota_koniec);
        kasowanie_testowania_numerow(ctx);
        return;
    }
}

template <class T>
facts::IList numery(const facts::FactList<T>& lista)
{
    facts::IList out;
    out.reserve(lista.size());
    lista.scan([&](const T& fakt) { out.push_back(fakt.numer); });
    return out;
}

// The duplicate finder: true when no number occurs twice in the list; otherwise the report of
// the first duplicated number, made for the base whose label holds, and false.
bool wszystkie_rozne(kb::Context& ctx, const facts::IList& lista)
{
    std::optional<std::int32_t> powtorzony = pierwszy_powtorzony(lista);
    if (!powtorzony) return true;
    raport_powtorzenia(ctx, *powtorzony);
    return false;
}

// One check: exactly the base's label holds while the finder runs; a duplicate flags the base.
bool sprawdz(kb::Context& ctx, BazaNumerowana baza, const facts::IList& lista)
{
    ctx.db.stan_ladowania.testowanie.add_last(opis(baza).etykieta);
    if (wszystkie_rozne(ctx, lista)) return true;
    ctx.db.stan_ladowania.rozne_numery.add_last(opis(baza).etykieta);
    return false;
}

// The collector of one model kind (numery_modeli_elementarnych, _rozwinietych, _liniowych,
// _wielomianowych): one `numery_modeli` fact with its numbers, when the kind has models.
template <class T>
void numery_modeli(kb::Context& ctx, const facts::FactList<T>& modele)
{
    if (!modele.empty()) ctx.db.stan_ladowania.numery_modeli.add_last(numery(modele));
}

}  // namespace

std::string_view etykieta(BazaNumerowana baza) { return opis(baza).etykieta; }

namespace {

// Numbers within a range not much wider than the list, as a base numbers its entries, are
// counted in one array by value instead of sorted. False when the range is too wide; otherwise
// `wynik` is the answer of pierwszy_powtorzony.
bool pierwszy_powtorzony_w_zakresie(const facts::IList& lista, std::optional<std::int32_t>& wynik)
{
    wynik.reset();
    const auto [najmniejszy, najwiekszy] = std::minmax_element(lista.begin(), lista.end());
    if (najmniejszy == lista.end()) return true;
    const std::int64_t od = *najmniejszy;
    const auto zakres = static_cast<std::uint64_t>(std::int64_t{*najwiekszy} - od) + 1;
    if (zakres > 4 * static_cast<std::uint64_t>(lista.size()) + 1024) return false;
    std::vector<std::uint8_t> ile(zakres, 0);
    const auto miejsce = [od](std::int32_t n) { return static_cast<std::size_t>(std::int64_t{n} - od); };
    for (const std::int32_t n : lista)
        if (ile[miejsce(n)] < 2) ++ile[miejsce(n)];
    for (const std::int32_t n : lista)
        if (ile[miejsce(n)] == 2) {
            wynik = n;
            break;
        }
    return true;
}

}  // namespace

std::optional<std::int32_t> pierwszy_powtorzony(const facts::IList& lista)
{
    // Numbers written in rising order, as a base mostly has them, repeat none: no sort needed.
    if (std::adjacent_find(lista.begin(), lista.end(), std::greater_equal<>()) == lista.end()) return std::nullopt;
    // The first occurrence of a repeated value is the first element with a later twin.
    if (std::optional<std::int32_t> w; pierwszy_powtorzony_w_zakresie(lista, w)) return w;
    // The numbers sorted once tell which values repeat; a base mostly has none.
    facts::IList posortowane = lista;
    std::sort(posortowane.begin(), posortowane.end());
    facts::IList powtorzone;
    for (auto it = std::adjacent_find(posortowane.begin(), posortowane.end()); it != posortowane.end();
         it = std::adjacent_find(std::upper_bound(it, posortowane.end(), *it), posortowane.end()))
        powtorzone.push_back(*it);
    for (std::int32_t n : lista)
        if (std::binary_search(powtorzone.begin(), powtorzone.end(), n)) return n;
    return std::nullopt;
}

bool testuj_numery_regul(kb::Context& ctx)
{
    kasowanie_testowania_numerow(ctx);
    return sprawdz(ctx, BazaNumerowana::regul, numery(ctx.db.baza_regul.regula));
}

bool testuj_numery_modeli(kb::Context& ctx)
{
    kasowanie_testowania_numerow(ctx);
    kasowanie_numery_modeli(ctx);  // lists of an earlier load would add false duplicates
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    numery_modeli(ctx, b.model);
    numery_modeli(ctx, b.model_r);
    numery_modeli(ctx, b.model_liniowy);
    numery_modeli(ctx, b.model_wielomianowy);
    facts::IList wszystkie;
    ctx.db.stan_ladowania.numery_modeli.scan(
        [&](const facts::IList& l) { wszystkie.insert(wszystkie.end(), l.begin(), l.end()); });
    return sprawdz(ctx, BazaNumerowana::modeli, wszystkie);
}

bool testuj_numery_ograniczen_dokladnych(kb::Context& ctx)
{
    kasowanie_testowania_numerow(ctx);
    return sprawdz(ctx, BazaNumerowana::ograniczen, numery(ctx.db.baza_ograniczen.ograniczenie));
}

bool testuj_numery_ograniczen_niepewnych(kb::Context& ctx)
{
    kasowanie_testowania_numerow(ctx);
    return sprawdz(ctx, BazaNumerowana::ograniczen_p, numery(ctx.db.baza_ograniczen_p.ograniczenie_n));
}

bool testuj_numery_rad(kb::Context& ctx)
{
    kasowanie_testowania_numerow(ctx);
    return sprawdz(ctx, BazaNumerowana::rad, numery(ctx.db.baza_rad.rada));
}

bool rozne_numery(const kb::Context& ctx, BazaNumerowana baza)
{
    return nazwa_bazy(ctx, baza).has_value() &&
           ctx.db.stan_ladowania.rozne_numery.contains(std::string(etykieta(baza)));
}

bool rozne_numery(const kb::Context& ctx)
{
    for (const OpisBazy& o : kBazy)
        if (rozne_numery(ctx, o.baza)) return true;
    return false;
}

void kasowanie_rozne_numery(kb::Context& ctx, BazaNumerowana baza)
{
    std::string e(etykieta(baza));
    ctx.db.stan_ladowania.rozne_numery.remove_if([&](const std::string& f) { return f == e; });
}

}  // namespace load
