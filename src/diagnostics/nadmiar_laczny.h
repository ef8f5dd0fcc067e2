// The joint redundancy of the rule base with a constraint base: a group of rules with one
// conclusion whose flattened conditions, once the conditions all of them share are set aside,
// hold one condition of their own each, these together making up one constraint. The search;
// its load-time entries are testy_ladowania_ograniczen.h's, its reports diagnozy.h's.
#pragma once

#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

// The facts of one kind of joint redundancy, and how its groups are compared.
struct NadmiarLaczny {
    facts::FactList<kb::Ograniczenie>& ograniczenia;
    facts::FactList<kb::RegulyNadmiaroweOgraniczenia>& nadmiary;  // the findings
    facts::FactList<kb::RegulaSplaszczona>& splaszczone;         // their flattened rules, each once
    facts::FactList<kb::ZbadanyWniosek>& zbadane;                // (conclusion, constraint) examined
    // Exact constraints: of the group's lists with the same conditions only one counts. Uncertain
    // ones: each counts, and a one-condition list standing twice for one condition is no finding.
    bool dokladne;
};

NadmiarLaczny nadmiar_dokladny(kb::Context& ctx);
NadmiarLaczny nadmiar_niepewny(kb::Context& ctx);

// The search: for each constraint in stored order and each conclusion (in the order of its
// first rule; disjunctive conclusions never), the group of the conclusion's rules whose
// flattened forms share a condition with the constraint is examined once, whatever the order
// of the rules. A finding names the group's rules in stored order, one entry for each distinct
// flattened form. Keeps what was recorded before; rules it could not flatten in full are told.
// True when no finding of the kind is recorded afterwards.
bool wyznacz_nadmiar_laczny(kb::Context& ctx, const NadmiarLaczny& kind);

}  // namespace diagnostics
