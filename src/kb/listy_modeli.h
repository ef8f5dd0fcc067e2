// Joining name lists in both directions (`dolacz`) for the model components and the diagnostics,
// beside the list and set utilities of kb/listy.h. Pure functions on name lists; they read no
// fact and never change their inputs.
#pragma once

#include <vector>

#include "kb/listy.h"
#include "platform/facts.h"

namespace kb {

using facts::SList;

// The first list followed by the second.
SList dolacz(const SList& pierwsza, const SList& druga);

// `dolacz` with the second and the third list given: every list that, followed by `druga`,
// gives `trzecia`, in the order the alternatives produce them. None when `trzecia` does not
// end with `druga`; with `druga` empty the whole of `trzecia` comes out twice (once through
// the empty tail and once through the tail equal to it), as the join yields it on retrial.
std::vector<SList> dolacz_poczatki(const SList& druga, const SList& trzecia);

}  // namespace kb
