// A model being applied, marked for as long as its application lasts: a model met again on its
// own path (its condition or an argument leads back to its result) is a cycle of the base, told
// and given no answer on that path, instead of a recursion without end.
#pragma once

#include <cstdint>
#include <string>

#include "kb/context.h"

namespace inference {

class ModelWOcenie {
public:
    // Marks the model unless it is already marked; then the cycle is written with its path, kept
    // among the cycles of the test, and cykl() is true.
    ModelWOcenie(kb::Context& ctx, std::int32_t numer, const std::string& wynik);
    ~ModelWOcenie();
    ModelWOcenie(const ModelWOcenie&) = delete;
    ModelWOcenie& operator=(const ModelWOcenie&) = delete;

    bool cykl() const { return cykl_; }

private:
    kb::Context& ctx_;
    std::string model_;
    bool cykl_ = false;
};

}  // namespace inference
