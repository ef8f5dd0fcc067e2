// The summary file of an inference run, offered at its end: the labels of the run, the names it
// settled as certainly false or with a CF of 0 or more, and the argument values it established.
// A plain text file in CP1250 with CR LF line ends; it reads the run state and changes none.
#pragma once

#include "kb/context.h"

namespace inference {

// Asks whether to keep the summary and writes it on request. Never fails: a declined offer, a
// cancelled file dialog or a file that cannot be written (told in a note) all let the run go on.
void podsumowanie(kb::Context& ctx);

// Asks for the file name and writes the file; false when the file dialog was cancelled (the
// facts and values then went to the auxiliary window). A file that cannot be written raises
// files::FileError.
bool podsumowanie_1(kb::Context& ctx);

}  // namespace inference
