// The writers through which every component speaks: each write goes to the current output
// (the auxiliary window, or a file while one is open) and is appended to the report text.
// Plain window writes that must not reach the report use ctx.ui.write directly.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "kb/context.h"

namespace kb {

// The writers never fail: with no report text (before the first reset, or after viewing a
// report file that held none) they start a new empty one and append to it.

// The writes themselves: conversion, window, then append to the report text.
void pisz(Context& ctx, std::string_view text);
void piszint(Context& ctx, std::int64_t value);
void piszreal(Context& ctx, double value);

// What components call; they add nothing to the plain writes.
void pisz_tuto(Context& ctx, std::string_view text);
void pisz_tuto_int(Context& ctx, std::int64_t value);
void pisz_tuto_real(Context& ctx, double value);
// A new line in the window, one line feed in the report text.
void piszcr(Context& ctx);

// Removes every report text and starts one empty text.
void kasowanie_tekst_raportu(Context& ctx);
// Appends the pieces, in order, to the report text (starting one when there is none).
void lista_dla_raportu(Context& ctx, std::initializer_list<std::string_view> pieces);

// Offers to save the report text as a report file. False when the user cancels the file dialog;
// true when the user declines or after saving. A failing save raises files::FileError.
bool raport(Context& ctx);

}  // namespace kb
