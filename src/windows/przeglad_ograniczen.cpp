// The constraint browse window: the conditions of a constraint chosen by its number, with the
// number of constraints. One form serves the exact constraints ("Przegląd ograniczeń") and, in a
// twin window of its own title and caption, the uncertain ones.
#include <string>

#include "kb/listy.h"
#include "platform/toolkit.h"
#include "windows/okna_przegladu.h"

namespace windows {
namespace {

using K = BrowseKind;

constexpr platform::ControlId kCount = 10173;
constexpr platform::ControlId kConditions = 10174;

BrowseForm form_of(DocumentWindow window, const char* caption)
{
    return {window,
            {placed(10172, K::LabelRight, "Nr ograniczenia", 0.0759, 0.0375, 0.183, 24),
             placed(kNumberList, K::NumberList, "", 0.2638, 0.0375, 0.069, 24),
             placed(10175, K::LabelRight, "Sumaryczna liczba ograniczeń", 0.4621, 0.0375, 0.345, 24),
             placed(kCount, K::ValueFieldLeft, "", 0.8121, 0.0375, 0.069, 24),
             list_placed(kConditions, K::ItemList, 0.1, 0.20625, 0.76552, 0.5),
             frame_around(10176, caption, captioned_frame_around(kConditions)),
             placed(kCloseButton, K::CloseButton, "", 0.288, 0.803125, 0.17414, 24),
             placed(kHelpButton, K::HelpButton, "", 0.4948, 0.803125, 0.17414, 24)},
            {kCloseButton, kHelpButton, 10172, kCount, kConditions, 10175, 10176, kNumberList}};
}

const kb::FactList<kb::Ograniczenie>& constraints(kb::Context& ctx, bool uncertain)
{
    return uncertain ? ctx.db.baza_ograniczen_p.ograniczenie_n : ctx.db.baza_ograniczen.ograniczenie;
}

std::optional<kb::Ograniczenie> first_constraint_numbered(kb::Context& ctx, bool uncertain, std::int32_t number)
{
    return constraints(ctx, uncertain).first([number](const kb::Ograniczenie& o) { return o.numer == number; });
}

bool fill_constraints(kb::Context& ctx, platform::WindowId window, bool uncertain)
{
    const kb::FactList<kb::Ograniczenie>& facts = constraints(ctx, uncertain);
    if (facts.empty()) return false;
    kb::IList numbers;
    facts.each([&](const kb::Ograniczenie& o) { numbers.push_back(o.numer); });
    ctx.ui.clear_list(window, kNumberList);
    ctx.ui.add_list_items(window, kNumberList, kb::zmien_na_stringa(numbers));
    ctx.ui.set_control_text(window, kCount, std::to_string(kb::dlugosc_listy1(numbers)));
    ctx.ui.clear_list(window, kConditions);
    return true;
}

void show_constraint(kb::Context& ctx, platform::WindowId window, bool uncertain, std::int32_t number)
{
    const std::optional<kb::Ograniczenie> constraint = first_constraint_numbered(ctx, uncertain, number);
    if (!constraint) return;
    ctx.ui.clear_list(window, kConditions);
    ctx.ui.add_list_items(window, kConditions, constraint->warunki);
}

platform::WindowId open_constraints(kb::Context& ctx, platform::WindowId parent, bool uncertain)
{
    const auto fill = [uncertain](kb::Context& c, platform::WindowId w) { return fill_constraints(c, w, uncertain); };
    const auto show = [uncertain](kb::Context& c, platform::WindowId w, std::int32_t n) {
        show_constraint(c, w, uncertain, n);
    };
    return open_browse_window(ctx, BrowseWindow{constraint_browse_form(uncertain), fill, show, {}}, parent);
}

}  // namespace

// The uncertain constraints are no mutually exclusive conditions: at least one of them holds.
const BrowseForm& constraint_browse_form(bool uncertain)
{
    static const BrowseForm exact = form_of(DocumentWindow::PrzegladOgraniczen, " Warunki wzajemnie się wykluczające ");
    static const BrowseForm twin =
        form_of(DocumentWindow::PrzegladOgraniczenNiepewnych, " Warunki, z których co najmniej jeden jest spełniony ");
    return uncertain ? twin : exact;
}

platform::WindowId win_przeglad_ograniczen_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_constraints(ctx, parent, false);
}

platform::WindowId win_przeglad_ograniczen_niepewnych_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_constraints(ctx, parent, true);
}

}  // namespace windows
