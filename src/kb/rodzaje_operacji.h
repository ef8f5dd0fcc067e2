// The kinds of operation names (the jest_* predicates of widoki_modeli.h) worked out once per
// name and then found by the name's number: a base of a hundred thousand models names a few
// dozen operations, and comparing each model's operation with every word of the lists was a
// good part of a pass over the models. One object per pass; it holds a few kilobytes.
#pragma once

#include <array>
#include <cstdint>

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
        Slot& s = slots_[op.id() % kSlots];
        if (s.numer != op.id() + 1) s = {op.id() + 1, rodzaje(op)};
        return (s.rodzaje & static_cast<std::uint8_t>(rodzaj)) != 0;
    }
    bool arytmetyczna(facts::Name op)
    {
        return jest(op, RodzajOperacji::dwuargumentowa) || jest(op, RodzajOperacji::jednoargumentowa);
    }

private:
    static std::uint8_t rodzaje(facts::Name op);

    // A cache of the names met, by number; a name that meets another in its slot is worked out again.
    static constexpr std::size_t kSlots = 512;
    struct Slot {
        std::uint32_t numer = 0;  // the name's number + 1; 0: empty
        std::uint8_t rodzaje = 0;
    };
    std::array<Slot, kSlots> slots_{};
};

}  // namespace kb
