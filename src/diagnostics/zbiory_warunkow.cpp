// Set operations on lists of condition lists. Pure: nothing here reads or changes a fact.
#include "diagnostics/zbiory_warunkow.h"

#include "kb/listy.h"

namespace diagnostics {

std::optional<facts::SList> iloczyn_mnogosciowy(const facts::ListaList& listy)
{
    if (listy.empty()) return std::nullopt;
    facts::SList wspolne = listy.front();
    for (std::size_t i = 1; i < listy.size(); ++i) wspolne = kb::iloczyn_zbiorow(wspolne, listy[i]);
    return wspolne;
}

}  // namespace diagnostics
