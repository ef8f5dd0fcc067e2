// The rules chosen for the start conditions of models with one result: for each condition the
// first rule that concludes it and can be flattened, recorded for the exclusivity test. A
// condition nothing produces is reported and the bases it came from are unloaded.
#include <array>
#include <string>
#include <string_view>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/wykluczalnosc.h"
#include "kb/baza_modeli.h"
#include "kb/baza_regul.h"
#include "kb/bazy_ograniczen.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

constexpr std::array<std::string_view, 7> kRelacje = {">", "==", "<", ">=", "<=", "><", "<>"};
constexpr std::array<std::string_view, 4> kRelacjePrzedzialowe = {"<,<", "<=,<", "<,<=", "<=,<="};

template <std::size_t N>
bool jedna_z(std::string_view op, const std::array<std::string_view, N>& symbole)
{
    for (std::string_view s : symbole)
        if (op == s) return true;
    return false;
}

bool z_modelu_relacyjnego(const kb::Context& ctx, const std::string& x)
{
    return ctx.db.baza_modeli.model.any([&](const kb::Model& m) { return m.wynik == x && jedna_z(m.operacja, kRelacje); }) ||
           ctx.db.baza_modeli.model_r.any(
               [&](const kb::ModelR& m) { return m.wynik == x && jedna_z(m.operacja, kRelacjePrzedzialowe); });
}

// The first rule concluding x with a flattened form, recorded with that form.
bool zapisz_regule(kb::Context& ctx, Flattener& flattener, Omissions& omissions, const std::string& x)
{
    bool zapisana = false;
    ctx.db.baza_regul.regula.each_matching([&](const kb::Regula& r) { return r.wniosek == x; },
                                           [&](const kb::Regula& r) {
                                               const Flattening& s = flattener.splaszcz(r.warunki);
                                               omissions.note(r.numer, r.wniosek, s);
                                               if (s.postacie.empty()) return false;
                                               const facts::SList& f = s.postacie.front().warunki;
                                               ctx.db.wyniki_diagnoz.regula_do_testowania.add_last({r.numer, x, f});
                                               ctx.db.wyniki_diagnoz.regula_do_generowania_prawdy.add_last(f);
                                               zapisana = true;
                                               return true;
                                           });
    return zapisana;
}

// The bases that cannot be analysed are unloaded, each as a whole; the user edits their files.
void raport_braku(kb::Context& ctx, const facts::SList& reszta)
{
    const std::string lista = factfile::to_text(reszta);
    ctx.ui.write("Brak reguł lub modeli relacyjnych dla następujących warunków startowych modeli o tym samym "
                 "wyniku:\n" +
                 lista +
                 "\n\nZaładowaną bazę modeli i bazę ograniczeń możesz tylko edytować, \n"
                 "lecz nie możesz korzystać z nich dla wnioskowania.\n"
                 "Przejdź do opcji edycji baz i popraw jedną lub wszystkie bazy.\n");
    ctx.ui.note("Uwaga!", "Brak reguł lub modeli relacyjnych dla następujących warunków startowych modeli o tym samym "
                          "wyniku:\n" +
                              lista +
                              "\nZaładowane bazy modeli i ograniczeń możesz tylko edytować, \nlecz nie możesz "
                              "korzystać z nich dla wnioskowania.\nPrzejdź do opcji edycji baz i popraw jedną lub "
                              "wszystkie.");
    kb::forget_rule_base(ctx);
    kb::forget_model_base(ctx);
    kb::kasowanie_bazy_ograniczen(ctx);
    ctx.db.wyniki_diagnoz.regula_do_testowania.remove_all();
    ctx.db.wyniki_diagnoz.regula_do_generowania_prawdy.remove_all();
}

}  // namespace

bool znajdz_reguly(kb::Context& ctx, const facts::SList& warunki)
{
    Flattener flattener(ctx);
    Omissions omissions;
    for (std::size_t i = 0; i < warunki.size(); ++i) {
        const std::string& s = warunki[i];
        const std::string x = !s.empty() && s.front() == 'n' ? s.substr(1) : s;
        if (zapisz_regule(ctx, flattener, omissions, x) || z_modelu_relacyjnego(ctx, x)) continue;
        omissions.tell(ctx);
        raport_braku(ctx, facts::SList(warunki.begin() + static_cast<std::ptrdiff_t>(i), warunki.end()));
        return false;
    }
    omissions.tell(ctx);
    return true;
}

}  // namespace diagnostics
