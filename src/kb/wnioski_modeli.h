// The check, run at each model-base load, that a rule base and a model base loaded together
// use no name in two roles. On a clash it reports, forgets both bases and greys the
// inference items of the main menu; it never changes anything when there is no clash.
#pragma once

#include "kb/context.h"

namespace kb {

// Conclusion test (a relational model concludes what a rule concludes), then variable test
// (an argument or result of an arithmetic model is a logical name: a rule or relational-model
// conclusion, a rule condition or a model application condition). True when neither finds a
// clash, also when a list it needs is missing. On the first clash: lines in the auxiliary
// window, a note, both bases forgotten as units, items 10164 and 10165 greyed, false. A base
// name that is missing then is reported as missing in the lines and the note.
bool wnioski_modeli_a_wnioski_regul(Context& ctx);

}  // namespace kb
