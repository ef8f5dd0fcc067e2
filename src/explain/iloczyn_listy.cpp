// The product of a list, element by element in list order (the order fixes the last bits).
#include "explain/iloczyn_listy.h"

namespace explain {

double iloczyn_listy(const std::vector<double>& lista)
{
    double iloczyn = 1.0;
    for (double x : lista) iloczyn = iloczyn * x;
    return iloczyn;
}

}  // namespace explain
