// The open editor windows: which file each one saves to, in what encoding it was read, and
// whether the user has changed its text since. Declarations only: the editor window keeps
// these facts (windows/edycja.h), and nothing else writes them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/facts.h"

namespace kb {

// The file an open editor window saves to (full name), and whether the file was read as
// UTF-8 (1) or in the 8-bit code page (0), so that it is saved back as it came.
struct DlaZapisu {
    std::int32_t okno = 0;
    std::string plik;
    std::int32_t utf8 = 0;
    FACT_FIELDS(DlaZapisu, okno, plik, utf8)
};

struct BazaEdycji {
    static constexpr const char* name = "baza_edycji";
    facts::FactList<DlaZapisu> dla_zapisu;
    // The editor windows whose text the user changed since it was read or saved.
    facts::FactList<std::int32_t> tekst_zmieniony;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("dla_zapisu", s.dla_zapisu);
        v("tekst_zmieniony", s.tekst_zmieniony);
    }
};

}  // namespace kb
