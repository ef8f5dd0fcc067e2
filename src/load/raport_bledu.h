// The two services of the load frame that speak about the chosen file: the report of an error
// met while reading a base file (the line with a caret under the place where reading stopped)
// and the correspondence test of a base's mark with the rule base's. They only report and
// record the marker; what the load does next is the frame's.
#pragma once

#include <string>
#include <string_view>

#include "kb/context.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace load {

// What a read error turned out to be, for the frame's choice of instructions.
enum class BladOdczytu {
    brak,         // no error
    zgloszony,    // reported with the line and the caret (a syntax error, a number out of
                  // range, an over-long line): `blad` recorded, E1's instructions follow
    pusta_linia,  // an empty line: nothing reported, E2's instructions ("puste linie") follow
    nieczytelny,  // the file could not be opened or read: reported, nothing follows
};

// The message for an error number of the fact-file reader.
std::string tekst_bledu(int numer);

// Reports a LoadError of the file at the full path: the syntax report in the auxiliary window
// (full path, the line, the caret, the message) and the note "Obsługa błędu" (file name only,
// no caret), with the marker `blad`; an empty line is left to the frame.
BladOdczytu obsluga_bledu_konsultacji(kb::Context& ctx, std::string_view sciezka,
                                      const factfile::LoadError& blad);

// Reports a file that cannot be opened or read (window lines and a note "Uwaga błąd!").
BladOdczytu obsluga_pliku_nieczytelnego(kb::Context& ctx, std::string_view sciezka,
                                        const files::FileError& blad);

// True when the chosen file (a name or a full path) carries the rule base's mark, or when no
// rule base is loaded; otherwise writes the mismatch report, shows the note "Uwaga błąd!" and
// answers false. Only the marks are compared, byte for byte: not the prefix, not the extension.
bool korespondencja(kb::Context& ctx, std::string_view plik);

}  // namespace load
