// The value listings of an inference run: the values established so far (at detail level
// "duża"), the known arguments of the model base at the start of a run, and the condition
// entries of a rule explanation. They write and show; they never record or fail.
#pragma once

#include "kb/context.h"
#include "platform/facts.h"

namespace explain {

// At "duża": the header "Dane są wartości następujących argumentów:", one line per established
// value in the order recorded (a value whose name reads as that very number left out), and the
// step dialog when a line was listed; otherwise (and at "duża" with nothing listed) one line end.
void przedstawienie_zmiennych(kb::Context& ctx);
// The known arguments of the model base under "W bazie modeli są wartości następujących
// argumentów:", an empty line, and always the step dialog.
void przedstawienie_zmiennych_pierwotnych(kb::Context& ctx);
// For each condition with a resultant, in list order, the entry "    " + name + "(" + CF + ")":
// written on one line (no line end) and appended as a trace line of its own.
void pokazanie_listy_warunkow(kb::Context& ctx, const facts::SList& warunki);
// One entry: the condition's first resultant written after four blanks, and the trace line
// `wpis` + "(" + CF + ")"; nothing when it has no resultant.
void jest_ustalone(kb::Context& ctx, const std::string& warunek, const std::string& wpis);

}  // namespace explain
