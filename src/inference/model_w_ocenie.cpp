// The marks of models being applied, unwinding included, and the line that tells a cycle.
#include "inference/model_w_ocenie.h"

#include "kb/pisz.h"

namespace inference {

ModelWOcenie::ModelWOcenie(kb::Context& ctx, std::int32_t numer, const std::string& wynik) : ctx_(ctx), numer_(numer)
{
    cykl_ = ctx_.db.stan_ladowania.modele_w_ocenie.contains(numer_);
    if (!cykl_) {
        ctx_.db.stan_ladowania.modele_w_ocenie.add_last(numer_);
        return;
    }
    kb::pisz_tuto(ctx_, "Wykryto cykl w bazie wiedzy: model " + std::to_string(numer_) + " z wynikiem " + wynik +
                            " prowadzi z powrotem do siebie, ta droga nie daje odpowiedzi.");
    kb::piszcr(ctx_);
}

ModelWOcenie::~ModelWOcenie()
{
    if (!cykl_) ctx_.db.stan_ladowania.modele_w_ocenie.remove_first_equal(numer_);
}

}  // namespace inference
