// The expert's advice offered after a hypothesis test: the advice entries of the rules that
// conclude the hypothesis (display flag 1), or else of its relational model, one question each.
#pragma once

#include <string>

#include "kb/context.h"

namespace inference {

// Never fails: a missing advice file and one that cannot be read are told in a note, and the
// offer goes on with the next entry as after "No"; the test then goes on.
void udziel_rady_wstecz(kb::Context& ctx, const std::string& hipoteza);

}  // namespace inference
