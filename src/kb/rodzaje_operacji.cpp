#include "kb/rodzaje_operacji.h"

#include "kb/widoki_modeli.h"

namespace kb {

std::uint8_t RodzajeOperacji::rodzaje(std::string_view t)
{
    auto bit = [](bool tak, RodzajOperacji r) { return tak ? static_cast<std::uint8_t>(r) : std::uint8_t{0}; };
    return bit(jest_operacja_dwuargumentowa(t), RodzajOperacji::dwuargumentowa) |
           bit(jest_operacja_jednoargumentowa(t), RodzajOperacji::jednoargumentowa) |
           bit(jest_operacja_listowa(t), RodzajOperacji::listowa) | bit(jest_relacja(t), RodzajOperacji::relacja) |
           bit(jest_relacja_przedzialowa(t), RodzajOperacji::relacja_przedzialowa);
}

}  // namespace kb
