// A small rule base as the rule-base load leaves it (rules, a disjunctive conclusion, a given
// fact, the askable conditions), for the tests of what reads and forgets a loaded rule base.
// Test support only.
#pragma once

#include <string>

#include "kb/dopytywalne.h"
#include "kb/dopytywalne_regul.h"
#include "kb_harness.h"
#include "platform/factfile.h"

namespace kb::testing {

inline const std::string kBaseFile =
    "reguła(1,\"ryzyko\",[\"gorączka\",\"nkaszel\"],1,\"0.8\")\n"
    "reguła(2,\"koniec\",[\"ryzyko\"],0,\"1\")\n"
    "reguła_dysjunktywna(\"ryzyko\")\n"
    "fakt(\"gorączka\",\"1\")\n";

class BazaRegulTest : public KbHarness {
protected:
    // What the rule-base load leaves behind for this file.
    void load_base(const std::string& text = kBaseFile)
    {
        write_file("REzoo.BQZ", text);
        factfile::load(ctx().db.baza_regul, ctx().files, path("REzoo.BQZ"));
        ctx().db.stan.nazwa_re_pelna.add_last(path("REzoo.BQZ"));
        ctx().db.stan.nazwa_re.add_first("REzoo.BQZ");
        const SList askable = wyznacz_warunki_dopytywalne(ctx()).value().strings();
        pamietaj_liste_dopytywalnych(ctx(), askable);
        pamietaj_warunki_dopytywalne(ctx(), askable);
    }
    Stan& stan() { return ctx().db.stan; }
    std::string title() { return ui().window_title(ui().main_window()); }
};

}  // namespace kb::testing
