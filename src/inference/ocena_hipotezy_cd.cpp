// The goal-driven evaluation of one name: its alternatives in order (a known resultant, a
// question, its rules, its models, the stop), the first that answers gives the CF.
#include "inference/ocena_hipotezy.h"

#include "inference/stan_przebiegu.h"
#include "inference/wstecz.h"
#include "inference/wstecz_modele.h"
#include "inference/wstecz_reguly.h"
#include "inference/wykluczajace.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "kb/stan_wnioskowania.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

constexpr const char* kStop = "Reguła z wnioskiem 'koniec' kończy wnioskowanie.";

bool dopytywalny(const kb::Context& ctx, const std::string& w)
{
    const std::optional<facts::SList> lista = ogolna_lista_dopytywalnych(ctx);
    return lista && kb::element(w, *lista);
}

// Alternatives 2 and 3: a name that begins with `n` is always read as a negation.
bool do_zapytania(const kb::Context& ctx, const std::string& nazwa)
{
    if (nazwa.starts_with('n')) return dopytywalny(ctx, nazwa.substr(1));
    return dopytywalny(ctx, nazwa);
}

bool jest_rekord_stopu(const kb::Context& ctx)
{
    return ctx.db.stan_ladowania.prbd.any([](const kb::Prbd& p) { return p.wniosek == "koniec"; });
}

// The last alternative: any stop record ends the test, with the message every time it is met.
std::optional<double> stop(kb::Context& ctx)
{
    if (!jest_rekord_stopu(ctx)) return std::nullopt;
    ctx.db.stan_ladowania.hipoteza.remove_all();
    ctx.ui.write(kStop);
    ctx.ui.note("Uwaga - koniec!", kStop);
    return 0.0;
}

// Marks the name as under evaluation for as long as this object lives, unwinding included.
class WOcenie {
public:
    WOcenie(kb::Context& ctx, const std::string& nazwa) : ctx_(ctx), nazwa_(nazwa)
    {
        ctx_.db.stan_ladowania.w_ocenie.add_last(nazwa_);
    }
    ~WOcenie() { ctx_.db.stan_ladowania.w_ocenie.remove_first_equal(nazwa_); }
    WOcenie(const WOcenie&) = delete;
    WOcenie& operator=(const WOcenie&) = delete;

private:
    kb::Context& ctx_;
    std::string nazwa_;
};

void zglos_cykl(kb::Context& ctx, const std::string& nazwa)
{
    kb::pisz_tuto(ctx, "Wykryto cykl w bazie wiedzy: ocena " + nazwa + " prowadzi z powrotem do " + nazwa +
                           ", ta droga nie daje odpowiedzi.");
    kb::piszcr(ctx);
}

std::optional<double> alternatywy(kb::Context& ctx, const std::string& nazwa)
{
    if (zrob_koniec(ctx)) {
        if (std::optional<double> cf = kb::wypadkowa(ctx, nazwa)) return cf;
        if (do_zapytania(ctx, nazwa)) return pytaj_0(ctx, nazwa);
    }
    if (std::optional<double> cf = alternatywy_regul(ctx, nazwa)) return cf;
    if (std::optional<double> cf = alternatywy_modeli(ctx, nazwa)) return cf;
    return stop(ctx);
}

}  // namespace

std::optional<double> ocena_hipotezy_cd(kb::Context& ctx, const std::string& nazwa)
{
    if (ctx.db.stan_ladowania.w_ocenie.contains(nazwa)) {
        zglos_cykl(ctx, nazwa);
        return std::nullopt;
    }
    WOcenie w_ocenie(ctx, nazwa);
    return alternatywy(ctx, nazwa);
}

}  // namespace inference
