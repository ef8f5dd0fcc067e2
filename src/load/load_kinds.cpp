// The table of load kinds. Holds no logic of its own; every step of a load is in the kind's file
// and the frame (ramka.h).
#include "load/load_kinds.h"

#include <stdexcept>

#include "load/ladowanie.h"

namespace load {

std::ostream& operator<<(std::ostream& out, const LoadResult& result)
{
    switch (result.state) {
    case LoadResult::State::loaded: return out << "loaded " << result.path;
    case LoadResult::State::refused: return out << "refused";
    case LoadResult::State::nothing_chosen: return out << "nothing chosen";
    }
    return out;
}

const std::vector<LoadKindRow>& load_kinds()
{
    using E = kb::MenuEvent;
    static const std::vector<LoadKindRow> table = {
        {LoadKind::rules, 1, 10064, E::RuleBaseLoaded, laduj_baze_regul},
        {LoadKind::models, 2, 10077, E::ModelBaseLoaded, laduj_baze_modeli},
        {LoadKind::exact_constraints, 3, 10093, E::ExactConstraintBaseLoaded, laduj_baze_ograniczen},
        {LoadKind::uncertain_constraints, 4, 10103, E::UncertainConstraintBaseLoaded, laduj_baze_ograniczen_p},
        {LoadKind::advice, 5, 10113, E::AdviceBaseLoaded, laduj_baze_rad},
        {LoadKind::graphics, 16, 10124, E::GraphicsBaseLoaded, laduj_baze_grafiki},
        {LoadKind::sounds, 17, 10134, E::SoundBaseLoaded, laduj_baze_melodii},
    };
    return table;
}

const LoadKindRow& load_kind(LoadKind kind)
{
    for (const LoadKindRow& row : load_kinds())
        if (row.kind == kind) return row;
    throw std::logic_error("no load kind " + std::to_string(static_cast<int>(kind)));
}

std::optional<LoadKind> load_kind_numbered(int number)
{
    for (const LoadKindRow& row : load_kinds())
        if (row.number == number) return row.kind;
    return std::nullopt;
}

}  // namespace load
