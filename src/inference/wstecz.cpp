// The question loop, the premise evaluation and the hypothesis message of backward inference.
#include "inference/wstecz.h"

#include <algorithm>

#include "inference/ocena_hipotezy.h"
#include "inference/pytaj.h"
#include "kb/listy.h"
#include "kb/pisz.h"
#include "platform/toolkit.h"

namespace inference {

double pytaj_0(kb::Context& ctx, const std::string& warunek)
{
    for (;;) {
        ctx.ui.note("Określenie CF dla warunku ", "Podaj CF dla warunku\n   " + warunek);
        if (std::optional<double> cf = pytaj(ctx, warunek)) return *cf;
    }
}

std::optional<double> testowanie_listy_warunkow(kb::Context& ctx, const facts::SList& warunki)
{
    std::optional<double> najmniejszy;
    for (const std::string& w : warunki) {
        const std::optional<double> cf = ocena_hipotezy_cd(ctx, w);
        if (!cf) return std::nullopt;
        najmniejszy = najmniejszy ? std::min(*najmniejszy, *cf) : *cf;
    }
    return najmniejszy;
}

bool komunikat(kb::Context& ctx, const std::string& nazwa)
{
    const auto& hipotezy = ctx.db.stan_ladowania.hipoteza;
    if (hipotezy.empty()) return false;
    const bool glowna = hipotezy.contains(nazwa);
    if (glowna) {
        kb::pisz_tuto(ctx, "Hipoteza główna  " + nazwa + " jest testowana.");
        kb::piszcr(ctx);
        ctx.ui.note("Hipoteza główna", "Hipoteza główna \n    " + nazwa + "\njest testowana.");
    } else {
        kb::pisz_tuto(ctx, "Hipoteza pomocnicza " + nazwa + " jest testowana.");
        kb::piszcr(ctx);
        ctx.ui.note("Hipoteza pomocnicza", "Hipoteza pomocnicza \n     " + nazwa + "\njest testowana.");
    }
    return true;
}

}  // namespace inference
