// The two copies of an explanation's text, gathered before they go out: the written lines (to
// the auxiliary window and the report text) and the trace lines (for the step dialog). Each
// explanation says its own texts; this only carries them, so the two copies stay in order and a
// failing formula leaves exactly the lines it produced.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kb/context.h"
#include "platform/facts.h"

namespace explain {

// One written line: its text and, behind it, names shown in the auxiliary window only (each on
// a line of its own after three blanks), before the line end. An empty text is an empty line.
struct WierszPisany {
    std::string tekst;
    facts::SList tylko_w_oknie;
};

class Tekst {
public:
    // The same text in both copies.
    void oba(std::string wiersz);
    // A written line and its differing trace line.
    void rozne(std::string pisany, std::string slad);
    // A line of one copy only.
    void pisany(std::string wiersz, facts::SList tylko_w_oknie = {});
    void slad(std::string linia);

    // Writes every written line, then appends every trace line; the collection empties.
    void wypisz(kb::Context& ctx);
    // Writes the written lines only and forgets the trace lines: an explanation that fails
    // half-way leaves its lines written and nothing pending for the step dialog.
    void wypisz_pisane(kb::Context& ctx);

private:
    std::vector<WierszPisany> pisane_;
    std::vector<std::string> slad_;
};

// Puts out what an explanation gathered, then shows the step dialog under its heading. A heading
// still pending (an earlier question's) is replaced, so the dialog heads the explanation with
// its own; pending trace lines stay before its lines.
void pokaz_wyjasnienie(kb::Context& ctx, Tekst& tekst, std::string_view naglowek);

// The end of the explanation of a model given by a formula (linear, polynomial), once the
// formula's lines are gathered: what follows from it, then the step dialog under its heading.
// A formula that could not be written (lists of different lengths) leaves the lines so far
// written and refuses the model: false.
bool wynik_wzoru(kb::Context& ctx, Tekst& t, bool wzor, const std::string& wynik, double wartosc,
                 std::string_view naglowek);

// The text reads as exactly x by the conversion that reads CF texts (blanks around one number;
// -0 reads as 0); a text that is no number reads as nothing.
bool czyta_sie_jako(std::string_view tekst, double x);

// A model number as decimal text.
std::string numer_tekstem(std::int32_t numer);

}  // namespace explain
