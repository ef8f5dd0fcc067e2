// What a function of a name's text gives, worked out once per name and then found by the name's
// number: the passes over a large model base ask it of the same few names (CF values,
// operations, constants) once per model. One object per pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/names.h"

namespace kb {

template <class T>
class NameMemo {
public:
    // compute(std::string_view) gives the value for a name not met yet.
    template <class Compute>
    const T& of(facts::Name n, Compute&& compute)
    {
        Slot& s = slots_[n.id() % kSlots];
        if (s.number != n.id() + 1) s = {n.id() + 1, compute(n.view())};
        return s.value;
    }

private:
    // A name that meets another in its slot is worked out again.
    static constexpr std::size_t kSlots = 256;
    struct Slot {
        std::uint32_t number = 0;  // the name's number + 1; 0: empty
        T value{};
    };
    std::array<Slot, kSlots> slots_{};
};

}  // namespace kb
