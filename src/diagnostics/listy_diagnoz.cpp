// List helpers of the diagnoses that other subsystems call too.
#include "diagnostics/diagnozy.h"

namespace diagnostics {

facts::SList usun_wszystkie(std::string_view name, const facts::SList& list)
{
    facts::SList out;
    for (const auto& s : list)
        if (s != name) out.push_back(s);
    return out;
}

}  // namespace diagnostics
