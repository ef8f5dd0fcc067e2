// The run-time errors of model arithmetic: an operation without a finite result (overflow,
// division by zero, an undefined result, a number out of the integer range). Such an error ends
// the inference run, never the program: the run's trap shows it with the model that raised it.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "kb/context.h"

namespace inference {

// What went wrong, in the program's words ("dzielenie przez zero").
class BladObliczen : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The same with the model named: what the user is shown.
class BladModelu : public std::runtime_error {
public:
    BladModelu(std::int32_t numer, const std::string& wynik, const std::string& przyczyna);
};

// Runs the computation of model `numer` (result `wynik`); a BladObliczen leaves it as a BladModelu.
template <class F>
auto w_modelu(std::int32_t numer, const std::string& wynik, F&& obliczenie) -> decltype(obliczenie())
{
    try {
        return obliczenie();
    } catch (const BladObliczen& e) {
        throw BladModelu(numer, wynik, e.what());
    }
}

// The trap of an inference run: runs it; a BladModelu ends it with the error written to the
// auxiliary window and the report text and shown in a note ("Uwaga błąd!"), and answers false.
bool pod_pulapka_obliczen(kb::Context& ctx, const std::function<bool()>& bieg);

}  // namespace inference
