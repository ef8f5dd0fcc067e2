// The four model browse windows: basic, extended, linear and polynomial models, each choosing a
// model of its kind by number and showing its fields, with the counts of all four kinds. Only the
// basic window shows a CF text; texts are shown as the base writes them.
#include <array>
#include <string>
#include <vector>

#include "kb/listy.h"
#include "platform/toolkit.h"
#include "windows/okna_przegladu.h"

namespace windows {
namespace {

using platform::ControlId;
using K = BrowseKind;

constexpr double kLabelWidth = 0.25862;
constexpr double kNarrow = 0.069;
constexpr int kRowHeight = 20;
constexpr int kCountHeight = 18;
constexpr int kButtonHeight = 24;
constexpr std::array<double, 4> kCountRows = {0.03125, 0.09375, 0.15625, 0.21875};
constexpr ControlId kFirstCountLabel = 10181;
constexpr ControlId kNumberLabel = 10190;

// ---- Building the tables -----------------------------------------------------------------------

BrowseControl heading(const char* text, double x, double y, double w)
{
    return placed(10180, K::LabelCentred, text, x, y, w, kRowHeight);
}

BrowseControl formula(ControlId id, const char* text, double x, double w)
{
    return placed_below(id, K::LabelCentred, text, 10180, x, w, kRowHeight);
}

// The four count labels and the four count fields (basic, extended, linear, polynomial models).
void add_counts(std::vector<BrowseControl>& out, const char* first_label, const std::array<ControlId, 4>& fields)
{
    const std::array<const char*, 4> labels = {first_label, "Liczba modeli rozszerzonych", "Liczba modeli liniowych",
                                               "Liczba modeli wielomianowych"};
    for (std::size_t i = 0; i < 4; ++i)
        out.push_back(placed(kFirstCountLabel + static_cast<ControlId>(i), K::LabelRight, labels[i], 0.521,
                             kCountRows[i], 0.3552, kCountHeight));
    for (std::size_t i = 0; i < 4; ++i)
        out.push_back(placed(fields[i], K::ValueField, "", 0.88276, kCountRows[i], kNarrow, kCountHeight));
}

BrowseControl row_label(ControlId id, const char* text, double x, double y)
{
    return placed(id, K::LabelRight, text, x, y, kLabelWidth, kRowHeight);
}

BrowseControl field(ControlId id, double x, double y, double w)
{
    return placed(id, K::ValueField, "", x, y, w, kRowHeight);
}

BrowseControl number_list(double x, double y) { return placed(kNumberList, K::NumberList, "", x, y, kNarrow, kRowHeight); }

BrowseControl item_list(ControlId id, double x, double y, double w, double v)
{
    return list_placed(id, K::ItemList, x, y, w, v);
}

BrowseControl frame(ControlId id, const char* caption, const Enclosure& around)
{
    return frame_around(id, caption, around);
}

// The uncaptioned frame of the form: from the row labels' left edge and the first count row's top
// to the wide value fields' right edge and the display-flag row's bottom.
BrowseControl form_frame(ControlId id, ControlId wide_field, ControlId flag_field)
{
    return frame(id, "", Enclosure{kNumberLabel, kFirstCountLabel, wide_field, flag_field, platform::Rect{10, 20, 10, 10}});
}

void add_buttons(std::vector<BrowseControl>& out, double y, double close_x, double help_x, double w)
{
    out.push_back(placed(kCloseButton, K::CloseButton, "", close_x, y, w, kButtonHeight));
    out.push_back(placed(kHelpButton, K::HelpButton, "", help_x, y, w, kButtonHeight));
}

BrowseForm basic_form()
{
    constexpr double lx = 0.038, vx = 0.30345, wide = 0.6483;
    std::vector<BrowseControl> c = {heading("MODEL PODSTAWOWY", 0.1138, 0.08125, 0.2483)};
    add_counts(c, "Liczba modeli podstawowych", {10214, 10215, 10216, 10217});
    c.insert(c.end(), {row_label(kNumberLabel, "Nr modelu", lx, 0.23125), number_list(vx, 0.23125),
                       row_label(10191, "Warunek stosowania", lx, 0.3094), field(10208, vx, 0.3094, wide),
                       row_label(10192, "Wynik", lx, 0.3875), field(10211, vx, 0.3875, wide),
                       row_label(10204, "Argument 1", lx, 0.46875), field(10212, vx, 0.46875, wide),
                       row_label(10205, "Symbol operacji", lx, 0.55), field(10209, vx, 0.55, 0.1138),
                       row_label(10206, "Argument 2", lx, 0.63125), field(10213, vx, 0.63125, wide),
                       row_label(10207, "Semafor wyświetlania", lx, 0.7125), field(10210, vx, 0.7125, kNarrow),
                       row_label(10219, "Współczynnik pewności", 0.04, 0.76), field(10220, vx, 0.76, wide),
                       form_frame(10218, 10208, 10210)});
    add_buttons(c, 0.84375, 0.30345, 0.5483, 0.1569);
    return {DocumentWindow::PrzegladModeliElementarnych, c, {}};
}

// The extended, linear and polynomial windows share these columns.
constexpr double kLabelX = 0.0276, kValueX = 0.2931, kWide = 0.66;

BrowseForm extended_form()
{
    std::vector<BrowseControl> c = {heading("MODEL ROZWINIĘTY", 0.1138, 0.08125, 0.2483)};
    add_counts(c, "Liczba modeli elementarnych", {10221, 10222, 10223, 10224});
    c.insert(c.end(), {row_label(kNumberLabel, "Nr modelu", kLabelX, 0.21875), number_list(kValueX, 0.21875),
                       row_label(10191, "Warunek stosowania", kLabelX, 0.2875), field(10225, kValueX, 0.2875, kWide),
                       row_label(10227, "Wynik", kLabelX, 0.35625), field(10226, kValueX, 0.35625, kWide),
                       row_label(10229, "Symbol operacji", kLabelX, 0.425), field(10228, kValueX, 0.425, kNarrow),
                       item_list(10230, 0.05345, 0.540625, 0.87931, 0.1875),
                       frame(10232, " Lista zmiennych ", captioned_frame_around(10230)),
                       row_label(10207, "Semafor wyświetlania", kLabelX, 0.7625),
                       field(10231, kValueX, 0.7625, kNarrow), form_frame(10233, 10225, 10231)});
    add_buttons(c, 0.866, 0.2914, 0.55345, 0.1552);
    return {DocumentWindow::PrzegladModeliRozwinietych, c, {}};
}

BrowseForm linear_form()
{
    std::vector<BrowseControl> c = {heading("MODEL LINIOWY", 0.069, 0.034375, 0.2345),
                                    formula(10239, "y=a1*x1+a2*x2+...+an*xn", 0.069, 0.3)};
    add_counts(c, "Liczba modeli elementarnych", {10235, 10236, 10237, 10238});
    c.insert(c.end(), {row_label(kNumberLabel, "Nr modelu", kLabelX, 0.21875), number_list(kValueX, 0.21875),
                       row_label(10191, "Warunek stosowania", kLabelX, 0.2875), field(10240, kValueX, 0.2875, kWide),
                       row_label(10192, "Wartość formy lin.", kLabelX, 0.35625), field(10241, kValueX, 0.35625, kWide),
                       item_list(10244, 0.0483, 0.49375, 0.3862, 0.1719),
                       frame(10246, " Lista współczynników ", captioned_frame_around(10244)),
                       item_list(10245, 0.5121, 0.49375, 0.421, 0.1719),
                       frame(10247, " Lista wartości zmiennych ", captioned_frame_around(10245)),
                       row_label(10243, "Semafor wyświetlania", 0.031, 0.70625), field(10242, 0.29655, 0.70625, kNarrow),
                       form_frame(10009, 10240, 10242)});
    add_buttons(c, 0.822, 0.2862, 0.5431, 0.16);
    return {DocumentWindow::PrzegladModeliLiniowych, c, {}};
}

BrowseForm polynomial_form()
{
    std::vector<BrowseControl> c = {heading("MODEL WIELOMIANOWY", 0.081, 0.046875, 0.2931),
                                    formula(10189, "y=a0+a1*x+a2*x^2+...+an*x^n", 0.081, 0.3379)};
    add_counts(c, "Liczba modeli elementarnych", {10185, 10186, 10187, 10188});
    c.insert(c.end(), {row_label(kNumberLabel, "Nr modelu", kLabelX, 0.21875), number_list(kValueX, 0.21875),
                       row_label(10191, "Warunek stosowania", kLabelX, 0.2875), field(10193, kValueX, 0.2875, kWide),
                       row_label(10192, "Wartość wielomianu", kLabelX, 0.35625), field(10194, kValueX, 0.35625, kWide),
                       row_label(10199, "Wartość zmiennej", kLabelX, 0.425), field(10200, kValueX, 0.425, kWide),
                       item_list(10195, 0.05862, 0.5375, 0.4, 0.21875),
                       frame(10201, " Lista współczynników ", captioned_frame_around(10195)),
                       item_list(10196, 0.519, 0.5375, 0.4, 0.21875),
                       frame(10202, " Lista potęg ", captioned_frame_around(10196)),
                       row_label(10198, "Semafor wyświetlania", kLabelX, 0.7875), field(10197, kValueX, 0.7875, kNarrow),
                       form_frame(10203, 10193, 10197)});
    add_buttons(c, 0.875, 0.28276, 0.52931, 0.176);
    return {DocumentWindow::PrzegladModeliWielomianowych, c, {}};
}

// ---- Filling -------------------------------------------------------------------------------------

template <class Fact>
kb::IList numbers_of(const kb::FactList<Fact>& facts)
{
    kb::IList numbers;
    facts.each([&](const Fact& f) { numbers.push_back(f.numer); });
    return numbers;
}

template <class Fact>
std::optional<Fact> first_numbered(const kb::FactList<Fact>& facts, std::int32_t number)
{
    return facts.first([number](const Fact& f) { return f.numer == number; });
}

// What differs between the four windows when they are filled.
struct Kind {
    std::array<ControlId, 4> counts;  // basic, extended, linear, polynomial
    std::size_t own;                  // which of the four the window shows
    std::vector<ControlId> fields;    // the value fields of the model rows
    std::vector<ControlId> lists;     // the item lists
};

bool fill_models(kb::Context& ctx, platform::WindowId window, const Kind& kind)
{
    const kb::BazaModeli& db = ctx.db.baza_modeli;
    const std::array<kb::IList, 4> numbers = {numbers_of(db.model), numbers_of(db.model_r),
                                              numbers_of(db.model_liniowy), numbers_of(db.model_wielomianowy)};
    for (std::size_t i = 0; i < 4; ++i)
        ctx.ui.set_control_text(window, kind.counts[i], std::to_string(kb::dlugosc_listy1(numbers[i])));
    if (numbers[kind.own].empty()) return false;
    ctx.ui.clear_list(window, kNumberList);
    ctx.ui.add_list_items(window, kNumberList, kb::zmien_na_stringa(numbers[kind.own]));
    for (const ControlId f : kind.fields) ctx.ui.set_control_text(window, f, "");
    for (const ControlId l : kind.lists) ctx.ui.clear_list(window, l);
    return true;
}

void set_list(kb::Context& ctx, platform::WindowId window, ControlId id, const kb::SList& items)
{
    ctx.ui.clear_list(window, id);
    ctx.ui.add_list_items(window, id, items);
}

const Kind kBasic{{10214, 10215, 10216, 10217}, 0, {10208, 10211, 10212, 10209, 10213, 10210, 10220}, {}};
const Kind kExtended{{10221, 10222, 10223, 10224}, 1, {10225, 10226, 10228, 10231}, {10230}};
const Kind kLinear{{10235, 10236, 10237, 10238}, 2, {10240, 10241, 10242}, {10244, 10245}};
const Kind kPolynomial{{10185, 10186, 10187, 10188}, 3, {10193, 10194, 10200, 10197}, {10195, 10196}};

void show_basic(kb::Context& ctx, platform::WindowId window, std::int32_t number)
{
    const std::optional<kb::Model> m = first_numbered(ctx.db.baza_modeli.model, number);
    if (!m) return;
    ctx.ui.set_control_text(window, 10208, m->warunek_stosowania);
    ctx.ui.set_control_text(window, 10211, m->wynik);
    ctx.ui.set_control_text(window, 10212, m->argument1);
    ctx.ui.set_control_text(window, 10209, m->operacja);
    ctx.ui.set_control_text(window, 10213, m->argument2);
    ctx.ui.set_control_text(window, 10210, std::to_string(m->wyswietlanie));
    ctx.ui.set_control_text(window, 10220, m->cf);
}

void show_extended(kb::Context& ctx, platform::WindowId window, std::int32_t number)
{
    const std::optional<kb::ModelR> m = first_numbered(ctx.db.baza_modeli.model_r, number);
    if (!m) return;
    ctx.ui.set_control_text(window, 10225, m->warunek_stosowania);
    ctx.ui.set_control_text(window, 10226, m->wynik);
    ctx.ui.set_control_text(window, 10228, m->operacja);
    set_list(ctx, window, 10230, m->argumenty.strings());
    ctx.ui.set_control_text(window, 10231, std::to_string(m->wyswietlanie));
}

void show_linear(kb::Context& ctx, platform::WindowId window, std::int32_t number)
{
    const std::optional<kb::ModelLiniowy> m = first_numbered(ctx.db.baza_modeli.model_liniowy, number);
    if (!m) return;
    ctx.ui.set_control_text(window, 10240, m->warunek_stosowania);
    ctx.ui.set_control_text(window, 10241, m->wynik);
    set_list(ctx, window, 10244, m->wspolczynniki.strings());
    set_list(ctx, window, 10245, m->zmienne.strings());
    ctx.ui.set_control_text(window, 10242, std::to_string(m->wyswietlanie));
}

void show_polynomial(kb::Context& ctx, platform::WindowId window, std::int32_t number)
{
    const std::optional<kb::ModelWielomianowy> m = first_numbered(ctx.db.baza_modeli.model_wielomianowy, number);
    if (!m) return;
    ctx.ui.set_control_text(window, 10193, m->warunek_stosowania);
    ctx.ui.set_control_text(window, 10194, m->wynik);
    ctx.ui.set_control_text(window, 10200, m->zmienna);
    set_list(ctx, window, 10195, m->wspolczynniki.strings());
    set_list(ctx, window, 10196, kb::zmien_na_stringa(m->wykladniki));
    ctx.ui.set_control_text(window, 10197, std::to_string(m->wyswietlanie));
}

platform::WindowId open_model_window(kb::Context& ctx, platform::WindowId parent, DocumentWindow window,
                                     const Kind& kind, void (*show)(kb::Context&, platform::WindowId, std::int32_t))
{
    const auto fill = [&kind](kb::Context& c, platform::WindowId w) { return fill_models(c, w, kind); };
    return open_browse_window(ctx, BrowseWindow{model_browse_form(window), fill, show, {}}, parent);
}

}  // namespace

const BrowseForm& model_browse_form(DocumentWindow window)
{
    static const BrowseForm basic = basic_form();
    static const BrowseForm extended = extended_form();
    static const BrowseForm linear = linear_form();
    static const BrowseForm polynomial = polynomial_form();
    switch (window) {
    case DocumentWindow::PrzegladModeliElementarnych: return basic;
    case DocumentWindow::PrzegladModeliRozwinietych: return extended;
    case DocumentWindow::PrzegladModeliLiniowych: return linear;
    case DocumentWindow::PrzegladModeliWielomianowych: return polynomial;
    default: throw std::logic_error("no model browse window " + std::to_string(static_cast<int>(window)));
    }
}

platform::WindowId win_przeglad_modeli_elementarnych_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_model_window(ctx, parent, DocumentWindow::PrzegladModeliElementarnych, kBasic, show_basic);
}

platform::WindowId win_przeglad_modeli_rozwinietych_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_model_window(ctx, parent, DocumentWindow::PrzegladModeliRozwinietych, kExtended, show_extended);
}

platform::WindowId win_przeglad_modeli_liniowych_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_model_window(ctx, parent, DocumentWindow::PrzegladModeliLiniowych, kLinear, show_linear);
}

platform::WindowId win_przeglad_modeli_wielomianowych_Create(kb::Context& ctx, platform::WindowId parent)
{
    return open_model_window(ctx, parent, DocumentWindow::PrzegladModeliWielomianowych, kPolynomial, show_polynomial);
}

}  // namespace windows
