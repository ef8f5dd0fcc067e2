// The fact listings of an inference run: the facts established so far (at detail level "duża"),
// the given facts of the rule base and of the model base at the start of a run (each tested
// against the exact constraints first), and the known members of an uncertain constraint.
// Each writes its lines to the window and the report and shows them in the step dialog.
#pragma once

#include <string>
#include <vector>

#include "kb/context.h"
#include "platform/facts.h"

namespace inference {

// At "duża": "Dane są następujące fakty:" and every resultant but those of "bez warunku",
// "koniec" and names beginning with "n", then the step dialog when a line was listed.
void przedstawienie_faktow(kb::Context& ctx);

// The given facts of the rule base with their CF texts as written, each listed only when it
// agrees with the exact constraints; then the step dialog. Nothing without given facts. False
// when a conflict among given facts stands afterwards: inference is then impossible and the run
// ends.
bool przedstawienie_faktow_pierwotnych(kb::Context& ctx);
// The same for the given facts of the model base.
bool przedstawienie_m_faktow_pierwotnych(kb::Context& ctx);

// The members of an uncertain constraint that have a CF, under their heading, as window lines
// and dialog lines (the caller opens the dialog). False when either list is empty.
bool przedstaw_znane_niepewne(kb::Context& ctx, const facts::SList& nazwy, const std::vector<double>& cf);
// One line per pair in list order; false (after the pairs before the shorter list's end) when
// the lengths differ.
bool przedstaw_blizej(kb::Context& ctx, const facts::SList& nazwy, const std::vector<double>& cf);

}  // namespace inference
