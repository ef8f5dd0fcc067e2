// The conflict search among given facts and its report, for the rule base and the model base.
#include "inference/sprzeczne_fakty.h"

#include <optional>

#include "kb/listy.h"
#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

struct Para {
    std::int32_t numer;
    std::string partner;
};

bool pewny(const std::string& cf)
{
    const std::optional<double> v = text::text_to_real(cf);
    return v && *v == 1.0;
}

// The first exact constraint (base order) holding the name with a partner given as certain
// too, the partner first in list order.
std::optional<Para> szukaj_pary(const kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty,
                                const std::string& nazwa, const std::string& cf)
{
    if (!pewny(cf)) return std::nullopt;
    auto dany_pewny = [&](const std::string& w) {
        return fakty.any([&](const kb::Fakt& f) { return f.warunek == w && pewny(f.cf); });
    };
    if (!dany_pewny(nazwa)) return std::nullopt;
    std::optional<Para> para;
    ctx.db.baza_ograniczen.ograniczenie.each([&](const kb::Ograniczenie& o) {
        if (!kb::element(nazwa, o.warunki)) return false;
        for (const std::string& b : o.warunki)
            if (b != nazwa && dany_pewny(b)) {
                para = Para{o.numer, b};
                return true;
            }
        return false;
    });
    return para;
}

void wiersz(kb::Context& ctx, const std::string& tekst)
{
    kb::pisz_tuto(ctx, tekst);
    ctx.ui.write("\n");  // the line ends reach the window only
}

struct Teksty {
    const char* blad;
    const char* zadeklarowane;
    const char* wnioskowanie;
    const char* opcja;
    const char* popraw;
    const char* tytul_noty;
    const char* nota_blad;
    const char* nota_ograniczenie;
    const char* nota_zadeklarowane;
    const char* nota_wnioskowanie;
};

const Teksty kRegul{"Błąd bazy reguł! Dwa warunki wykluczające się:",
                    " zostały zadeklarowane w bazie reguł jako fakty z CF=1.0.",
                    "Wnioskowanie nie jest możliwe! Aby poprawić bazę reguł przejdź do opcji:",
                    "      'Baza reguł niepewna/Edycja bazy reguł' ",
                    "i popraw błędną bazę reguł.",
                    "Błąd bazy reguł! ",
                    "Dwa warunki wykluczające się:",
                    "\nz ograniczenia dokładnego ",
                    "\nzostały zadeklarowane w bazie reguł jako fakty z CF=1.0.",
                    "\nWnioskowanie nie jest możliwe! Aby poprawić bazę reguł, przejdź do opcji:"};

const Teksty kModeli{"Błąd bazy modeli! Dwa warunki wykluczające się:",
                     " zostały zadeklarowane w bazie modeli jako m_fakty z CF=1.0.",
                     "Wnioskowanie nie jest możliwe! Aby poprawić bazę modeli, przejdź do opcji:",
                     "      'Baza modeli dokładna/Edycja bazy modeli' ",
                     "i popraw błędną bazę modeli.",
                     "Uwaga: błąd!",
                     "Błąd bazy modeli! Dwa warunki wykluczające się:",
                     "\nz ograniczenia ",
                     "\nzostały zadeklarowane w bazie modeli jako m_fakty z CF=1.0.",
                     "\nWnioskowanie nie jest możliwe! Aby poprawić bazę modeli, przejdź do opcji:"};

bool testuj(kb::Context& ctx, const facts::FactList<kb::Fakt>& fakty, const Teksty& t, bool usun_naglowki,
            const std::string& nazwa, const std::string& cf)
{
    const std::optional<Para> para = szukaj_pary(ctx, fakty, nazwa, cf);
    if (!para) return !jest_blad_wykluczajacych(ctx);
    ctx.db.stan_ladowania.blad_wykluczajacych.add_last("TAK");
    const std::string numer = text::int_to_text(para->numer);
    wiersz(ctx, t.blad);
    wiersz(ctx, "     " + nazwa);
    wiersz(ctx, "     " + para->partner);
    wiersz(ctx, "z ograniczenia dokładnego " + numer + t.zadeklarowane);
    wiersz(ctx, "");
    wiersz(ctx, t.wnioskowanie);
    wiersz(ctx, t.opcja);
    wiersz(ctx, t.popraw);
    if (usun_naglowki) ctx.db.dane.tytul.remove_all();
    ctx.ui.note(t.tytul_noty, std::string(t.nota_blad) + "\n    " + nazwa + "\n    " + para->partner +
                                  t.nota_ograniczenie + numer + t.nota_zadeklarowane + t.nota_wnioskowanie + "\n" +
                                  t.opcja + "\n" + t.popraw);
    return false;
}

}  // namespace

bool jest_blad_wykluczajacych(const kb::Context& ctx)
{
    return ctx.db.stan_ladowania.blad_wykluczajacych.contains("TAK");
}

bool testuj_wykluczajace(kb::Context& ctx, const std::string& nazwa, const std::string& cf)
{
    return testuj(ctx, ctx.db.baza_regul.fakt, kRegul, true, nazwa, cf);
}

bool testuj_m_wykluczajace(kb::Context& ctx, const std::string& nazwa, const std::string& cf)
{
    return testuj(ctx, ctx.db.baza_modeli.m_fakt, kModeli, false, nazwa, cf);
}

}  // namespace inference
