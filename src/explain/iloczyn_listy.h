// The product of a list of reals as the extended models and their explanations compute it:
// 1.0 times each element in list order. Pure.
#pragma once

#include <vector>

namespace explain {

double iloczyn_listy(const std::vector<double>& lista);

}  // namespace explain
