// The model error's text and the trap that ends a run on it.
#include "inference/blad_obliczen.h"

#include "kb/pisz.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

BladModelu::BladModelu(std::int32_t numer, const std::string& wynik, const std::string& przyczyna)
    : std::runtime_error("Błąd obliczeń w modelu " + text::int_to_text(numer) + " (wynik " + wynik + "): " +
                         przyczyna + ".\nWnioskowanie zostało przerwane.")
{
}

bool pod_pulapka_obliczen(kb::Context& ctx, const std::function<bool()>& bieg)
{
    try {
        return bieg();
    } catch (const BladModelu& e) {
        kb::piszcr(ctx);
        kb::pisz_tuto(ctx, e.what());
        kb::piszcr(ctx);
        ctx.ui.note("Uwaga błąd!", e.what());
        return false;
    }
}

}  // namespace inference
