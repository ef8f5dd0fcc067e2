// The frame every explanation and step listing writes in: its lines go twice, to the auxiliary
// window with the report text (kb/pisz.h) and, as trace lines under a heading, to the step
// dialog 10026 once the step is complete. These are the trace operations and the number text
// they share; what a step says is its own file's business.
#pragma once

#include <string>
#include <string_view>

#include "kb/context.h"

namespace explain {

// Removes every pending trace line.
void wyczysc_slad(kb::Context& ctx);
// Appends a trace line after the pending ones.
void dodaj_linie_sladu(kb::Context& ctx, std::string_view linia);
// Replaces every pending heading by this one.
void ustaw_naglowek(kb::Context& ctx, std::string_view naglowek);
// Adds a heading behind the pending ones (the dialog shows the first).
void dodaj_naglowek(kb::Context& ctx, std::string_view naglowek);
// Shows the pending heading and lines in the step dialog over the main window; returns when it
// has been closed. The dialog takes them out of the channel.
void pokaz_slad(kb::Context& ctx);

// A real as every explanation writes it: the general form with up to 10 significant digits, the
// same text the report writer gives.
std::string sprv(double wartosc);

// The detail level is "duża" (a fact with exactly that text); anything else counts as "mała".
bool duza_szczegolowosc(const kb::Context& ctx);

}  // namespace explain
