// The marks of models being applied, unwinding included, and the lines that tell a cycle with
// its path; the path is kept with the cycles of the test, which its end names.
#include "inference/model_w_ocenie.h"

#include "kb/pisz.h"

namespace inference {

namespace {

// From the model's own application back to it: "model 1 (y) -> model 2 (x) -> model 1 (y)".
std::string droga_cyklu(const kb::Context& ctx, const std::string& model)
{
    std::string droga;
    bool na_drodze = false;
    for (const std::string& m : ctx.db.stan_ladowania.modele_w_ocenie.all()) {
        na_drodze = na_drodze || m == model;
        if (na_drodze) droga += m + " -> ";
    }
    return droga + model;
}

}  // namespace

ModelWOcenie::ModelWOcenie(kb::Context& ctx, std::int32_t numer, const std::string& wynik)
    : ctx_(ctx), model_("model " + std::to_string(numer) + " (" + wynik + ")")
{
    auto& modele = ctx_.db.stan_ladowania.modele_w_ocenie;
    cykl_ = modele.contains(model_);
    if (!cykl_) {
        modele.add_last(model_);
        return;
    }
    const std::string droga = droga_cyklu(ctx_, model_);
    kb::pisz_tuto(ctx_, "Cykl w bazie wiedzy: " + droga);
    kb::piszcr(ctx_);
    kb::pisz_tuto(ctx_, "Model " + std::to_string(numer) + " prowadzi z powrotem do siebie: ta droga nie daje odpowiedzi.");
    kb::piszcr(ctx_);
    auto& cykle = ctx_.db.stan_ladowania.cykle_oceny;
    if (!cykle.contains(droga)) cykle.add_last(droga);
}

ModelWOcenie::~ModelWOcenie()
{
    if (!cykl_) ctx_.db.stan_ladowania.modele_w_ocenie.remove_first_equal(model_);
}

}  // namespace inference
