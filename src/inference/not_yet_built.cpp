// Inference comes with its own subsystem; until then its launch says so and fails. This file
// goes when the launch is built.
#include "inference/launch.h"
#include "platform/toolkit.h"

namespace inference {

bool launch(kb::Context& ctx, Direction)
{
    ctx.ui.note("Uwaga", "Wnioskowanie nie jest jeszcze dostępne w tej wersji programu.");
    return false;
}

}  // namespace inference
