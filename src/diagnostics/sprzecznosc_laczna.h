// What the joint contradiction search and its reports share: which facts belong to the exact
// and which to the uncertain constraint base, and the test of a flattened rule against one
// constraint. The search itself is wyznacz_sprzecznosc_2 / _2p (testy_ladowania_ograniczen.h).
#pragma once

#include "kb/context.h"
#include "platform/facts.h"

namespace diagnostics {

// The facts of one kind of joint contradiction.
struct SprzecznoscLaczna {
    facts::FactList<kb::Ograniczenie>& ograniczenia;
    facts::FactList<kb::RegulaOgraniczenie>& sprzecznosci;   // (rule, constraint), each pair once
    facts::FactList<kb::RegulaSplaszczona>& splaszczone;     // the flattened rules that meet one
};

SprzecznoscLaczna sprzecznosc_dokladna(kb::Context& ctx);
SprzecznoscLaczna sprzecznosc_niepewna(kb::Context& ctx);

// A flattened rule meets a constraint when two of its conditions are conditions of the
// constraint (the flattened conditions never repeat; one condition alone never does).
bool spotyka_ograniczenie(const facts::SList& splaszczone, const facts::SList& ograniczenie);

// The search: every flattened form of every rule against every constraint. Records each
// (rule, constraint) pair once, in the order met (form by form, the form's conditions from the
// first, constraints in stored order), and each distinct flattened rule that meets a constraint
// once. Keeps what was recorded before. Rules it could not flatten in full are told (plain
// writes and a note); nothing else is written. True when no pair is recorded afterwards.
bool wyznacz_sprzecznosc_laczna(kb::Context& ctx, const SprzecznoscLaczna& kind);

}  // namespace diagnostics
