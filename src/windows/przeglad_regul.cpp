// The rule browse window: a rule's conclusion and conditions, chosen by its number. It shows
// neither the rule's CF text nor its display flag.
#include <string>

#include "kb/listy.h"
#include "platform/toolkit.h"
#include "windows/okna_przegladu.h"

namespace windows {
namespace {

using K = BrowseKind;

constexpr platform::ControlId kCount = 10250;
constexpr platform::ControlId kConclusion = 10252;
constexpr platform::ControlId kConditions = 10253;

}  // namespace

const BrowseForm& rule_browse_form()
{
    static const BrowseForm form{
        DocumentWindow::PrzegladRegul,
        {placed(10248, K::LabelRight, "Nr reguły", 0.0621, 0.03125, 0.12414, 24),
         placed(kNumberList, K::NumberList, "", 0.189655, 0.03125, 0.0879, 24),
         placed(10249, K::LabelRight, "Sumaryczna liczba reguł", 0.5207, 0.03125, 0.2948, 24),
         placed(kCount, K::ValueField, "", 0.8207, 0.03125, 0.0845, 24),
         placed(10251, K::LabelCentred, "Wniosek z reguły", 0.06, 0.1125, 0.21724, 24),
         placed(kConclusion, K::ValueField, "", 0.283, 0.1125, 0.6224, 24),
         list_placed(kConditions, K::ItemList, 0.09, 0.253125, 0.8, 0.5),
         frame_around(10254, " Lista warunków ", captioned_frame_around(kConditions)),
         placed(kCloseButton, K::CloseButton, "", 0.31, 0.8125, 0.17414, 24),
         placed(kHelpButton, K::HelpButton, "", 0.5155, 0.8125, 0.17414, 24)},
        {}};
    return form;
}

namespace {

bool fill_rules(kb::Context& ctx, platform::WindowId window)
{
    if (ctx.db.baza_regul.regula.empty()) return false;
    kb::IList numbers;
    ctx.db.baza_regul.regula.each([&](const kb::Regula& r) { numbers.push_back(r.numer); });
    ctx.ui.set_control_text(window, kCount, std::to_string(kb::dlugosc_listy1(numbers)));
    ctx.ui.clear_list(window, kNumberList);
    ctx.ui.add_list_items(window, kNumberList, kb::zmien_na_stringa(numbers));
    ctx.ui.set_control_text(window, kConclusion, "");
    ctx.ui.clear_list(window, kConditions);
    return true;
}

std::optional<kb::Regula> first_rule_numbered(kb::Context& ctx, std::int32_t number)
{
    return ctx.db.baza_regul.regula.first([number](const kb::Regula& r) { return r.numer == number; });
}

void show_rule(kb::Context& ctx, platform::WindowId window, std::int32_t number)
{
    const std::optional<kb::Regula> rule = first_rule_numbered(ctx, number);
    if (!rule) return;
    ctx.ui.set_control_text(window, kConclusion, rule->wniosek);
    ctx.ui.clear_list(window, kConditions);
    ctx.ui.add_list_items(window, kConditions, rule->warunki.strings());
}

}  // namespace

platform::WindowId win_przeglad_regul_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_browse_window(ctx, BrowseWindow{rule_browse_form(), fill_rules, show_rule, {}}, parent);
}

}  // namespace windows
