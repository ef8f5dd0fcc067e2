// The shared steps of the file commands. Files are written through the files layer (atomic,
// CP1250 with CR LF); the editor window does every other write of a base file.
#include "app/file_steps.h"

#include "platform/toolkit.h"
#include "windows/edycja.h"

namespace app {
namespace {

platform::FileDialogDesc describe(kb::Context& ctx, const FileDialogForm& form)
{
    platform::FileDialogDesc desc;
    desc.title = form.title;
    desc.initial_name = form.initial_name;
    desc.filters = {{form.filter_label, form.filter_pattern}};
    desc.folder = ctx.files.current_dir();
    return desc;
}

}  // namespace

std::string open_dialog(kb::Context& ctx, const FileDialogForm& form)
{
    return ctx.ui.open_file_dialog(describe(ctx, form));
}

std::string save_dialog(kb::Context& ctx, const FileDialogForm& form)
{
    return ctx.ui.save_file_dialog(describe(ctx, form));
}

void edit_file(kb::Context& ctx, const std::string& file, const FileDialogForm& form)
{
    ctx.db.dane.pamietana_nazwa.add_last(file);
    ctx.db.dane.dane_do_edycji.set(
        kb::DaneDoEdycji{file, form.initial_name, {form.filter_label, form.filter_pattern}, form.title});
    windows::win_edycja_Create(ctx, ctx.ui.main_window());
}

void create_empty_file(kb::Context& ctx, const std::string& file) { ctx.files.write_bytes(file, ""); }

bool confirm_deletion(kb::Context& ctx, const std::string& title, const std::string& text)
{
    return ctx.ui.question(title, text, {"Tak", "Nie"}) == 0;
}

bool edit_new_file(kb::Context& ctx, const std::string& title, const std::string& text)
{
    return ctx.ui.question(title, text, {"&TAK", "&NIE"}) == 0;
}

bool same_file(const kb::Context& ctx, const std::string& a, const std::string& b)
{
    return !a.empty() && !b.empty() && ctx.files.resolve(a) == ctx.files.resolve(b);
}

bool delete_chosen_file(kb::Context& ctx, const FileDeletion& d)
{
    const std::string file = open_dialog(ctx, d.form);
    if (file.empty()) return false;
    const std::string name = files::file_name(file);
    if (!confirm_deletion(ctx, d.question_title, d.question + name + " ?")) return false;
    ctx.files.remove(file);
    ctx.ui.note("Uwaga!", d.note + name + " został usunięty.");
    return true;
}

bool create_and_edit_file(kb::Context& ctx, const FileCreation& c)
{
    const std::string file = save_dialog(ctx, c.form);
    if (file.empty()) return false;
    create_empty_file(ctx, file);
    const std::string name = files::file_name(file);
    ctx.ui.note(c.title, c.note + name + " został utworzony.");
    if (!edit_new_file(ctx, c.title, c.question + name + " ?")) return false;
    edit_file(ctx, file, c.form);
    return true;
}

}  // namespace app
