// The relation tests, their opposites and the halves of interval relations, as tables.
#include "explain/relacje.h"

namespace explain {

bool relacja(std::string_view rel, double v1, double v2)
{
    if (rel == ">") return v1 > v2;
    if (rel == "<") return v1 < v2;
    if (rel == ">=") return v1 >= v2;
    if (rel == "<=") return v1 <= v2;
    if (rel == "><" || rel == "<>") return v1 != v2;
    if (rel == "==") return v1 == v2;
    return false;
}

std::optional<std::pair<std::string, std::string>> wyznacz_parametry_relacji(std::string_view rel)
{
    if (rel == "<,<") return std::pair<std::string, std::string>{"<", "<"};
    if (rel == "<=,<") return std::pair<std::string, std::string>{"<=", "<"};
    if (rel == "<,<=") return std::pair<std::string, std::string>{"<", "<="};
    if (rel == "<=,<=") return std::pair<std::string, std::string>{"<=", "<="};
    return std::nullopt;
}

bool relacja_r(std::string_view rel, double v1, double v2, double v3)
{
    const auto polowy = wyznacz_parametry_relacji(rel);
    return polowy && relacja(polowy->first, v1, v2) && relacja(polowy->second, v2, v3);
}

std::optional<std::string> relacja_przeciwna(std::string_view rel)
{
    if (rel == ">") return "<=";
    if (rel == "<") return ">=";
    if (rel == ">=") return "<";
    if (rel == "<=") return ">";
    if (rel == "==") return "><";
    if (rel == "><" || rel == "<>") return "==";
    return std::nullopt;
}

bool jest_relacja_modelu(std::string_view tekst)
{
    return relacja_przeciwna(tekst).has_value() || wyznacz_parametry_relacji(tekst).has_value();
}

std::vector<PrzeciwnaPolowa> relacja_przeciwna_r(std::string_view rel, double v1, const std::string& n1, double v2,
                                                 const std::string& n2, double v3, const std::string& n3)
{
    std::vector<PrzeciwnaPolowa> out;
    const auto polowy = wyznacz_parametry_relacji(rel);
    if (!polowy) return out;
    // A "<" half fails when the first value is not less than the second; a "<=" half when the
    // first is greater.
    auto zawodzi = [](const std::string& pol, double a, double b) { return pol == "<" ? !(a < b) : a > b; };
    if (zawodzi(polowy->first, v1, v2)) out.push_back({v1, *relacja_przeciwna(polowy->first), v2, n1, n2});
    if (zawodzi(polowy->second, v2, v3)) out.push_back({v2, *relacja_przeciwna(polowy->second), v3, n2, n3});
    return out;
}

}  // namespace explain
