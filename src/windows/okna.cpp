// The table of document windows and their creators. The intro window's creator lives with its
// handler (app/wstep.h), the main window's own; every other creator is one line over the table.
#include "windows/okna.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace windows {
namespace {

using platform::Rect;
using platform::WindowKind;
namespace style = platform::style;

constexpr unsigned kTextFrame = style::sizing_border | style::title_bar | style::close_box | style::minimise_box |
                                style::maximise_box | style::hscroll | style::vscroll;
constexpr unsigned kBrowseFrame = style::sizing_border | style::title_bar | style::maximised;

}  // namespace

const std::vector<DocumentWindowForm>& document_window_forms()
{
    using D = DocumentWindow;
    static const std::vector<DocumentWindowForm> table = {
        {D::Wstep, WindowKind::Plain, "Witamy w ", Rect{100, 80, 494, 407}, style::title_bar | style::close_box, false},
        {D::Przeglad, WindowKind::Text, "Przegląd", Rect{100, 80, 699, 420}, kTextFrame, true},
        {D::Edycja, WindowKind::Text, "velk_QZ", Rect{100, 80, 699, 420},
         kTextFrame | style::clip_siblings | style::clip_children, false},
        {D::PrzegladRegul, WindowKind::Plain, "Przegląd reguł", Rect{100, 80, 625, 382}, kBrowseFrame, false},
        {D::PrzegladModeliElementarnych, WindowKind::Plain, "Przegląd modeli podstawowych", Rect{100, 80, 689, 396},
         style::sizing_border | style::title_bar | style::maximise_box, false},
        {D::PrzegladModeliRozwinietych, WindowKind::Plain, "Przegląd modeli rozwiniętych", Rect{100, 80, 684, 400},
         kBrowseFrame, false},
        {D::PrzegladModeliLiniowych, WindowKind::Plain, "Przegląd modeli liniowych", Rect{100, 80, 686, 396},
         kBrowseFrame, false},
        {D::PrzegladModeliWielomianowych, WindowKind::Plain, "Przegląd modeli wielomianowych",
         Rect{100, 80, 683, 404}, kBrowseFrame, false},
        {D::PrzegWarArgDopyt, WindowKind::Plain, "Przeg_war_arg_dopyt", Rect{100, 80, 631, 363}, kBrowseFrame, false},
        {D::PrzegladOgraniczen, WindowKind::Plain, "Przegląd ograniczeń", Rect{100, 80, 609, 378}, kBrowseFrame,
         false},
        {D::PrzegladOgraniczenNiepewnych, WindowKind::Plain, "Przegląd ograniczeń niepewnych", Rect{100, 80, 609, 378},
         kBrowseFrame, false},
        {D::PrzegladGrafiki, WindowKind::Plain, "Przegląd grafiki", Rect{100, 80, 440, 240},
         style::sizing_border | style::close_box | style::maximised | style::clip_siblings, false},
    };
    return table;
}

const DocumentWindowForm& document_window_form(DocumentWindow which)
{
    for (const DocumentWindowForm& form : document_window_forms())
        if (form.which == which) return form;
    throw std::logic_error("no document window " + std::to_string(static_cast<int>(which)));
}

platform::WindowId create_document_window(kb::Context& ctx, DocumentWindow which, platform::WindowId parent,
                                          WindowHandler handler, bool word_wrap, platform::Menu menu)
{
    const DocumentWindowForm& form = document_window_form(which);
    platform::WindowDesc desc;
    desc.kind = form.kind;
    desc.parent = parent;
    desc.rect = form.rect;
    desc.title = form.title;
    desc.style = form.style;
    desc.menu = std::move(menu);
    desc.text = platform::TextOptions{form.read_only, word_wrap};
    if (handler) desc.handler = [&ctx, handler](const platform::Event& event) { return handler(ctx, event); };
    return ctx.ui.create_window(desc);
}

platform::WindowId win_przeglad_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler,
                                       bool word_wrap)
{
    return create_document_window(ctx, DocumentWindow::Przeglad, parent, std::move(handler), word_wrap);
}

platform::WindowId win_edycja_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler,
                                     bool word_wrap, platform::Menu menu)
{
    return create_document_window(ctx, DocumentWindow::Edycja, parent, std::move(handler), word_wrap,
                                  std::move(menu));
}

platform::WindowId win_przeglad_regul_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladRegul, parent, std::move(handler));
}

platform::WindowId win_przeglad_modeli_elementarnych_Create(kb::Context& ctx, platform::WindowId parent,
                                                            WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladModeliElementarnych, parent, std::move(handler));
}

platform::WindowId win_przeglad_modeli_rozwinietych_Create(kb::Context& ctx, platform::WindowId parent,
                                                           WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladModeliRozwinietych, parent, std::move(handler));
}

platform::WindowId win_przeglad_modeli_liniowych_Create(kb::Context& ctx, platform::WindowId parent,
                                                        WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladModeliLiniowych, parent, std::move(handler));
}

platform::WindowId win_przeglad_modeli_wielomianowych_Create(kb::Context& ctx, platform::WindowId parent,
                                                             WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladModeliWielomianowych, parent, std::move(handler));
}

platform::WindowId win_przeg_war_arg_dopyt_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegWarArgDopyt, parent, std::move(handler));
}

platform::WindowId win_przeglad_ograniczen_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladOgraniczen, parent, std::move(handler));
}

platform::WindowId win_przeglad_grafiki_Create(kb::Context& ctx, platform::WindowId parent, WindowHandler handler)
{
    return create_document_window(ctx, DocumentWindow::PrzegladGrafiki, parent, std::move(handler));
}

}  // namespace windows
