// The CF arithmetic, each formula written in the order of its operations.
#include "inference/cf.h"

#include <algorithm>
#include <cmath>

namespace inference {

double zaokraglenie(double x)
{
    const double setki = x * 100.0;
    return std::floor(setki + 0.5) / 100.0;
}

namespace {

double polacz(double a, double b)
{
    if (a < 0.0 && b < 0.0) return (a * b) + (a + b);
    return (a + b) - (a * b);
}

}  // namespace

std::optional<double> sumuj(const std::vector<double>& czastkowe)
{
    if (czastkowe.empty()) return std::nullopt;
    double biezaca = czastkowe.front();
    std::size_t nastepna = 1;
    for (;;) {
        while (nastepna < czastkowe.size() && biezaca == -1.0) biezaca = czastkowe[nastepna++];
        if (nastepna == czastkowe.size()) return biezaca;
        biezaca = polacz(biezaca, czastkowe[nastepna++]);
    }
}

double wypadkowa_kumulatywna(double p, double n)
{
    if (p * n == -1.0) return 0.0;
    const double minus_n = 0.0 - n;
    const double m = minus_n < p ? minus_n : p;
    const double d = 1.0 - m;
    return zaokraglenie((p + n) / d);
}

bool oba_cf_ujemne(double cf_warunkow, double cf_reguly) { return cf_warunkow <= 0.0 && cf_reguly <= 0.0; }

bool wszystkie_dodatnie(const std::vector<double>& lista)
{
    return std::all_of(lista.begin(), lista.end(), [](double x) { return x > 0.0; });
}

bool wszystkie_ujemne(const std::vector<double>& lista)
{
    return std::all_of(lista.begin(), lista.end(), [](double x) { return x <= 0.0; });
}

}  // namespace inference
