// The exact and the uncertain constraint base as their loads leave them (facts, then the names
// in front), for the tests of their wrappers, read forms and numbered actions. Test support only.
#pragma once

#include <string>

#include "bazy_run.h"
#include "platform/factfile.h"

namespace kb::test {

inline const char* const kExact = "ograniczenie(1,[\"ptak\",\"ssak\",\"ryba\"])\nograniczenie(2,[\"duży\",\"mały\"])\n";
inline const char* const kUncertain =
    "ograniczenie_n(1,[\"lata\",\"pływa\"])\nrem_ograniczenie_n(\"uwaga\")\n_ograniczenie_n(9,[\"x\"])\n"
    "ograniczenie_n(2,[\"lata\",\"pływa\"])\n";
inline const char* const kNoBase = "aux:  Brak bazy ograniczeń do przeglądania.\n"
                            "note \"Uwaga!\": \"Brak bazy ograniczeń do przeglądania!\"\n";

class ConstraintBases : public BazyRun {
protected:
    // What the loader does for an exact (OG) or uncertain (ON) base: facts, then names in front.
    void load_exact(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_ograniczen, text);
        ctx.db.baza_ograniczen.nazwa_og.add_first(file);
        ctx.db.baza_ograniczen.nazwa_og_pelna.add_first(path_of("bazy/" + file));
    }
    void load_uncertain(Context& ctx, const std::string& file, const std::string& text)
    {
        write_file("bazy/" + file, text);
        factfile::load_text(ctx.db.baza_ograniczen_p, text);
        ctx.db.baza_ograniczen_p.nazwa_op.add_first(file);
        ctx.db.baza_ograniczen_p.nazwa_op_pelna.add_first(path_of("bazy/" + file));
    }
};

}  // namespace kb::test
