// The operation vocabularies of the models and the four views that hide the layouts of the
// four model facts: the arguments, the arithmetic results, the application conditions and the
// relational conclusions of all models. Read-only: nothing here changes the fact store.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "kb/context.h"

namespace kb {

// The vocabularies, compared byte for byte.
inline constexpr std::array<std::string_view, 12> operacje_dwuargumentowe{
    "+", "-", "*", "/", "div", "mod", "min", "max", "%", "=", "zaokrąglenie_do_N", "A^N"};
inline constexpr std::array<std::string_view, 11> operacje_jednoargumentowe{
    "sqrt", "sin", "cos", "tan", "arctan", "log", "ln", "exp", "round", "trunc", "abs"};
inline constexpr std::array<std::string_view, 4> operacje_listowe{"+", "*", "min_list", "max_list"};
inline constexpr std::array<std::string_view, 7> relacje{">", "==", "<", ">=", "<=", "><", "<>"};
inline constexpr std::array<std::string_view, 4> relacje_przedzialowe{"<,<", "<=,<", "<,<=", "<=,<="};

bool jest_operacja_dwuargumentowa(std::string_view op);
bool jest_operacja_jednoargumentowa(std::string_view op);
// The 23 arithmetic operations of a basic model: the two-argument and one-argument ones.
bool jest_operacja_arytmetyczna(std::string_view op);
// The list operations of an extended model.
bool jest_operacja_listowa(std::string_view op);
// The relations of a basic model.
bool jest_relacja(std::string_view op);
// The interval relations of an extended model.
bool jest_relacja_przedzialowa(std::string_view op);

// The views: everything each yields, in its order, repeats kept. An empty list is the view
// that yields nothing (fails).

// The names the models read: arguments of two-argument basic models (all first arguments,
// then all second ones), the first argument of one-argument basic models whose second
// argument is "0", the argument lists of extended models with a list operation, the
// coefficients then the variables of all linear models, the variables then the coefficients
// of all polynomial models.
SList model_argumenty(const Context& ctx);
// The results of the arithmetic models of the four kinds, kind after kind.
SList model_arytmetyczny(const Context& ctx);
// The application conditions of every model, kind after kind.
SList model_wszelaki(const Context& ctx);
// The conclusions of the relational models: basic models with a relation, then extended
// models with an interval relation.
SList model_relacyjny(const Context& ctx);

// The same four views as names, for the computations over whole model bases.
NameList model_argumenty_nazwy(const Context& ctx);
NameList model_arytmetyczny_nazwy(const Context& ctx);
NameList model_wszelaki_nazwy(const Context& ctx);
NameList model_relacyjny_nazwy(const Context& ctx);

// How many models of the four kinds the base holds.
std::size_t liczba_modeli(const BazaModeli& baza);

}  // namespace kb
