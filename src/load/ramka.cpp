// The load frame's steps and outcomes, shared by every kind of base: what the user sees when a
// load stops, and the marker rule (no `jestem_tu`, no `blad` outlives its call).
// A kind's own texts come in through FrameDesc; nothing here names a kind's facts.
#include "load/ramka.h"

#include "platform/toolkit.h"

namespace load {

std::string nazwa_pliku(std::string_view sciezka)
{
    files::PathParts czesci = files::split_path(sciezka);
    return czesci.name + czesci.extension;
}

LoadCall::~LoadCall()
{
    kasowanie_jestem_tu(ctx_);
    kasowanie_blad(ctx_);
}

std::string LoadCall::choose_file()
{
    platform::FileDialogDesc desc;
    desc.title = std::string(desc_.dialog.title);
    desc.initial_name = std::string(desc_.dialog.mask);
    desc.filters.push_back({std::string(desc_.dialog.filter_label), std::string(desc_.dialog.filter_pattern)});
    desc.folder = ctx_.files.current_dir();
    return ctx_.ui.open_file_dialog(desc);
}

bool LoadCall::accept_file(const std::string& sciezka)
{
    ctx_.files.set_current_dir(files::split_path(sciezka).folder);
    ctx_.ui.clear_aux_window();
    if (is_rule_base()) return true;
    return korespondencja(ctx_, sciezka);
}

void LoadCall::add_marker() { ctx_.db.stan.jestem_tu.add_last(std::string(kJestemTu)); }

// A rule-base load that leaves no rule base loaded says so in the title.
void LoadCall::title_without_rule_base()
{
    if (is_rule_base() && ctx_.db.stan.nazwa_re.empty())
        ctx_.ui.set_window_title(ctx_.ui.main_window(), "velk");
}

LoadResult LoadCall::stop()
{
    kasowanie_jestem_tu(ctx_);
    title_without_rule_base();
    if (!is_rule_base() && ctx_.db.stan.nazwa_re.empty()) {
        ctx_.ui.note("Uwaga!", kRuleBaseRequest);
        return LoadResult::nothing_chosen();
    }
    if (desc_.problem_flag(ctx_)) return LoadResult::refused();
    return LoadResult::nothing_chosen();
}

LoadResult LoadCall::read_failed()
{
    const ReadErrorTexts& t = desc_.errors;
    switch (blad_) {
    case BladOdczytu::zgloszony:
        ctx_.ui.write("\n");
        ctx_.ui.write(t.e1_window);
        ctx_.ui.note(t.title, t.e1_note);
        break;
    case BladOdczytu::pusta_linia:
        ctx_.ui.write(t.e2_window);
        ctx_.ui.note(t.title, t.e2_note);
        break;
    case BladOdczytu::nieczytelny:
    case BladOdczytu::brak:
        break;
    }
    kasowanie_jestem_tu(ctx_);
    title_without_rule_base();
    return LoadResult::refused();
}

LoadResult LoadCall::fail()
{
    kasowanie_jestem_tu(ctx_);
    title_without_rule_base();
    return LoadResult::refused();
}

LoadResult LoadCall::finish(const std::string& sciezka)
{
    kasowanie_jestem_tu(ctx_);
    if (desc_.loaded(ctx_)) return LoadResult::loaded(sciezka);
    title_without_rule_base();
    return LoadResult::refused();
}

}  // namespace load
