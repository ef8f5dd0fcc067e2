// Backward inference comes with its own engine; until then its hand-over says so and fails.
// This file goes when the engine is built.
#include "inference/testowanie.h"
#include "platform/toolkit.h"

namespace inference {

bool testowanie_hipotezy(kb::Context& ctx)
{
    ctx.ui.note("Uwaga", "Wnioskowanie wstecz nie jest jeszcze dostępne w tej wersji programu.");
    return false;
}

}  // namespace inference
