// The askables file: a plain-text listing, for the knowledge engineer, of everything the loaded
// bases may ask the user, grouped by constraint. Written on request and never read back; it
// changes no base and never moves the program's current directory.
#pragma once

#include <string_view>

#include "kb/context.h"

namespace load {

// Collects what is to be listed (zbierz_dopytywalne), then writes it (zachowaj_1).
bool zachowaj(kb::Context& ctx);

// The collection alone: the working facts of the listing, cleared first.
void zbierz_dopytywalne(kb::Context& ctx);

// Asks for the file in a save dialog opened in the parent of the current directory, records
// its full path (`nazwa_pliku_war_arg`), opens it as the current output and writes the listing
// of what was collected into it. The file stays open as the current output: the caller closes
// it (which writes it in CP1250 with CR LF) and reports it.
// False, writing nothing and recording no name, when the dialog is cancelled. A file that
// cannot be created raises files::FileError with the output left as it was.
bool zachowaj_1(kb::Context& ctx);

// The four constraint tests: the first constraint, in base order, that lists the name byte for
// byte has its number recorded for its section, and the test fails (false); true, recording
// nothing, when no constraint lists it.
bool testuj_ograniczenie_dokladne_dla_bazy_regul(kb::Context& ctx, std::string_view nazwa);
bool testuj_ograniczenie_niepewne_dla_bazy_regul(kb::Context& ctx, std::string_view nazwa);
bool testuj_ograniczenie_dokladne_dla_bazy_modeli(kb::Context& ctx, std::string_view nazwa);
bool testuj_ograniczenie_niepewne_dla_bazy_modeli(kb::Context& ctx, std::string_view nazwa);

}  // namespace load
