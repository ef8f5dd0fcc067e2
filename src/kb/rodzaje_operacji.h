// The kinds of operation names (the jest_* predicates of widoki_modeli.h) worked out once per
// name and then found by the name's number: a base of a hundred thousand models names a few
// dozen operations, and comparing each model's operation with every word of the lists was a
// good part of a pass over the models. One object per pass; it holds a few kilobytes.
#pragma once

#include <cstdint>
#include <string_view>

#include "kb/name_memo.h"
#include "platform/names.h"

namespace kb {

enum class RodzajOperacji : std::uint8_t {
    dwuargumentowa = 1,
    jednoargumentowa = 2,
    listowa = 4,
    relacja = 8,
    relacja_przedzialowa = 16,
};

class RodzajeOperacji {
public:
    bool jest(facts::Name op, RodzajOperacji rodzaj)
    {
        return (rodzaje_.of(op, rodzaje) & static_cast<std::uint8_t>(rodzaj)) != 0;
    }
    bool arytmetyczna(facts::Name op)
    {
        return jest(op, RodzajOperacji::dwuargumentowa) || jest(op, RodzajOperacji::jednoargumentowa);
    }

private:
    static std::uint8_t rodzaje(std::string_view op);

    NameMemo<std::uint8_t> rodzaje_;
};

}  // namespace kb
