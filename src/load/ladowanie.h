// The load of each kind of base, one function per kind, each in its own file: the kind's
// preconditions, clearing, names, texts and checks in their fixed order, run through the frame
// of ramka.h. The main menu reaches them through the table of load kinds (load_kinds.h).
#pragma once

#include "kb/context.h"
#include "load/load_kinds.h"

namespace load {

LoadResult laduj_baze_regul(kb::Context& ctx);         // kind 1, "RE*.BQZ"
LoadResult laduj_baze_modeli(kb::Context& ctx);        // kind 2, "MO*.BQZ"
LoadResult laduj_baze_ograniczen(kb::Context& ctx);    // kind 3, "OG*.BQZ" (exact)
LoadResult laduj_baze_ograniczen_p(kb::Context& ctx);  // kind 4, "ON*.BQZ" (uncertain)
LoadResult laduj_baze_rad(kb::Context& ctx);           // kind 5, "RA*.BQZ"
LoadResult laduj_baze_grafiki(kb::Context& ctx);       // kind 16, "GR*.BQZ"
LoadResult laduj_baze_melodii(kb::Context& ctx);       // kind 17, "DŹ*.BQZ"

}  // namespace load
