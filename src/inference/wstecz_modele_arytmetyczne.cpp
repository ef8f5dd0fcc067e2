// Backward inference over arithmetic models: a name that is the result of an arithmetic model is
// computed by the first suitable model with that result, kind by kind (basic, extended, linear,
// polynomial), and answers CF 1.0 with its value established. Records nothing but the value.
#include <optional>
#include <string>

#include "explain/listy_wartosci.h"
#include "inference/blad_obliczen.h"
#include "inference/model_w_ocenie.h"
#include "inference/oblicz.h"
#include "inference/sprawdz.h"
#include "inference/stan_przebiegu.h"
#include "inference/wartosc_modelu.h"
#include "inference/wstecz_modele_kroki.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

// One model with result `h`: nullopt when it is passed over. A result whose value is already
// established (given, asked, or computed earlier in this test) is read: it can serve any number
// of times in one test.
template <class M>
std::optional<double> zastosuj(kb::Context& ctx, const std::string& h, const M& m)
{
    if (!cf_arytmetyczny(m.cf)) return std::nullopt;
    if (kb::wartosc_ustalona(ctx, h)) return 1.0;
    if (ctx.db.stan_ladowania.model_stosowany.contains(m.numer)) return std::nullopt;
    const ModelWOcenie w_ocenie(ctx, m.numer, h);
    if (w_ocenie.cykl()) return std::nullopt;
    if (!sprawdz(ctx, m.warunek_stosowania)) return std::nullopt;
    const std::optional<double> v = w_modelu(m.numer, h, [&] { return wartosc_modelu(ctx, m); });
    // A stop reached while the condition or the inputs were sought ends the work here.
    if (!v || !zrob_koniec(ctx)) return std::nullopt;
    // Another model with the same result may have given it on the way: its value stands.
    if (kb::wartosc_ustalona(ctx, h)) return 1.0;
    explain::przedstawienie_zmiennych(ctx);
    if (!wyjasnij_model(ctx, m, h, *v)) return std::nullopt;
    kb::ustal_wartosc(ctx, h, *v);
    return 1.0;
}

// One alternative: the models of one kind whose result is `h` (letter for letter, a leading "n"
// is no negation here), in base order. A stop met on the way ends the search.
template <class M>
std::optional<double> alternatywa(kb::Context& ctx, const facts::FactList<M>& modele, const std::string& h)
{
    if (!zrob_koniec(ctx)) return std::nullopt;
    std::optional<double> cf;
    modele.each_matching([&](const M& m) { return m.wynik == h; }, [&](const M& m) {
        if (!zrob_koniec(ctx)) return true;
        cf = zastosuj(ctx, h, m);
        return cf.has_value();
    });
    return cf;
}

}  // namespace

std::optional<double> modele_arytmetyczne_wstecz(kb::Context& ctx, const std::string& h)
{
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    if (std::optional<double> cf = alternatywa(ctx, b.model, h)) return cf;
    if (std::optional<double> cf = alternatywa(ctx, b.model_r, h)) return cf;
    if (std::optional<double> cf = alternatywa(ctx, b.model_liniowy, h)) return cf;
    return alternatywa(ctx, b.model_wielomianowy, h);
}

}  // namespace inference
