// What a diagnosis had to leave out, gathered while it runs and told to the user at its end:
// rules whose conditions depend on themselves (no flattened form at all), rules whose
// flattening was cut short, and a search stopped before its end. It only collects and tells;
// it decides nothing about the findings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/splaszczanie.h"
#include "kb/context.h"

namespace diagnostics {

class Omissions {
public:
    // Remembers the rule unless its flattening was complete; a rule is remembered once.
    void note(std::int32_t numer, std::string_view wniosek, const Flattening& splaszczenie);
    // The search itself stopped at its limit of work: what it found is all it found.
    void stop_search() { search_stopped_ = true; }
    bool search_stopped() const { return search_stopped_; }
    bool empty() const { return self_dependent_.empty() && cut_.empty() && !search_stopped_; }

    // Lines in the auxiliary window (plain writes, not the report text) and one note for each
    // kind of omission; nothing when there is none.
    void tell(kb::Context& ctx) const;

    struct Rule {
        std::int32_t numer = 0;
        std::string wniosek;
        bool operator==(const Rule&) const = default;
    };
    const std::vector<Rule>& self_dependent() const { return self_dependent_; }
    const std::vector<Rule>& cut() const { return cut_; }

private:
    std::vector<Rule> self_dependent_;
    std::vector<Rule> cut_;
    bool search_stopped_ = false;
};

}  // namespace diagnostics
