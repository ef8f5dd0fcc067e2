// What imports added to the knowledge base: given facts of the rule base and known argument
// values of the model base, one value per name. The record outlives the forgetting and the
// loading of those bases (they lay it over again) and goes only with a new rule base.
// Nothing here reads a data source or shows anything.
#pragma once

#include "kb/context.h"

namespace kb {

// Records the value and puts it into its base, in place of any value the name held there.
void dodaj_zaimportowany_fakt(Context& ctx, const Fakt& fakt);
void dodaj_zaimportowany_argument(Context& ctx, const NazwaWartosc& argument);

// Lays every recorded value over its base again (after the base was forgotten or read anew).
void przywroc_zaimportowane_fakty(Context& ctx);
void przywroc_zaimportowane_argumenty(Context& ctx);

}  // namespace kb
