// The three forms of the CF question and the order in which `pytaj` tries them.
#include "inference/pytaj.h"

#include "explain/ramka.h"
#include "inference/pytanie_cf.h"
#include "inference/wykluczajace.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

void wiersz(kb::Context& ctx, const std::string& tekst)
{
    kb::pisz_tuto(ctx, tekst);
    kb::piszcr(ctx);
}

std::optional<Odpowiedz> pytanie_dokladne(kb::Context& ctx, const std::string& w)
{
    wiersz(ctx, "Warunek: ");
    wiersz(ctx, "   " + w);
    wiersz(ctx, "jest w bazie ograniczeń dokładnej.");
    wiersz(ctx, "Określ CF warunku równe -1.0 lub 1.0.");
    ctx.ui.note("Uwaga!", "Warunek\n   " + w + "\n jest w bazie ograniczeń dokładnej.\n Określ CF warunku równe -1.0  lub  1.0.");
    return zapytaj_o_cf(ctx, w, TestCf::jeden);
}

std::optional<Odpowiedz> pytanie_niepewne(kb::Context& ctx, const std::string& w)
{
    wiersz(ctx, "Warunek: ");
    wiersz(ctx, "   " + w);
    wiersz(ctx, "jest w bazie ograniczeń niepewnej.");
    wiersz(ctx, "Określ CF warunku  z przedziału [-1,1].");
    ctx.ui.note("Uwaga!", "Warunek\n   " + w + "\n jest w bazie ograniczeń niepewnej.\n Określ CF warunku z przedziału [-1,1]");
    return zapytaj_o_cf(ctx, w, TestCf::zakres);
}

std::optional<Odpowiedz> pytanie_wolne(kb::Context& ctx, const std::string& w)
{
    wiersz(ctx, "Zadeklaruj CF warunku ");
    wiersz(ctx, "   " + w);
    wiersz(ctx, "z przedziału [-1, 1]");
    explain::dodaj_naglowek(ctx, "Zadeklaruj CF warunku " + w + " z przedziału [-1, 1]");
    return zapytaj_o_cf(ctx, w, TestCf::zakres);
}

// The acceptance line, then the answer recorded.
std::optional<double> przyjmij(kb::Context& ctx, const std::string& w, const Odpowiedz& odp)
{
    kb::pisz_tuto(ctx, "   ");
    kb::pisz_tuto(ctx, "CF(" + w + ") = " + odp.tekst);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
    if (!pamietaj(ctx, w, odp.cf)) return std::nullopt;
    return odp.cf;
}

// One exact or uncertain question per occurrence of the name in the lists, until an answer is
// accepted; `bylo` tells whether the name occurs at all.
template <class Pytanie>
std::optional<Odpowiedz> po_wystapieniach(kb::Context& ctx, const std::string& w,
                                          const std::vector<facts::SList>& listy, Pytanie pytanie, bool& bylo)
{
    for (const facts::SList& l : listy)
        for (const std::string& x : l) {
            if (x != w) continue;
            bylo = true;
            if (std::optional<Odpowiedz> odp = pytanie(ctx, w)) return odp;
        }
    return std::nullopt;
}

bool w_ograniczeniu(const kb::Context& ctx, const std::string& w)
{
    return !warunek_w_bazie_ograniczen(ctx, w).empty() || !warunek_w_bazie_ograniczen_p(ctx, w).empty();
}

}  // namespace

std::optional<double> pytaj(kb::Context& ctx, const std::string& w)
{
    if (std::optional<double> cf = kb::wypadkowa(ctx, w)) return cf;
    const std::string p = kb::negacja(w);
    // A settled condition is settled under its negated name too.
    if (std::optional<double> cf = kb::wypadkowa(ctx, p)) {
        const double v = 0.0 - *cf;
        kb::dodaj_wypadkowa(ctx, w, v);
        return v;
    }
    // A negated member of a constraint is asked in its constraint's form, under its positive name.
    if (!w.empty() && w.front() == 'n' && !w_ograniczeniu(ctx, w) && w_ograniczeniu(ctx, p)) {
        if (!pytaj(ctx, p)) return std::nullopt;
        return kb::wypadkowa(ctx, w);
    }
    bool w_dokladnej = false;
    if (auto odp = po_wystapieniach(ctx, w, warunek_w_bazie_ograniczen(ctx, w), pytanie_dokladne, w_dokladnej))
        return przyjmij(ctx, w, *odp);
    // A member of an exact constraint takes no other answer than its constraint allows.
    if (w_dokladnej) return std::nullopt;
    bool w_niepewnej = false;
    if (auto odp = po_wystapieniach(ctx, w, warunek_w_bazie_ograniczen_p(ctx, w), pytanie_niepewne, w_niepewnej))
        return przyjmij(ctx, w, *odp);
    if (std::optional<Odpowiedz> odp = pytanie_wolne(ctx, w)) return przyjmij(ctx, w, *odp);
    return std::nullopt;
}

}  // namespace inference
