// Open and save dialogs on Qt's own file dialog. The listing is filtered by the program's masks
// through the files layer's matching (letter case ignored, Polish letters too), not by Qt's
// filter syntax; the save dialog asks before an existing file is chosen and adds no extension.
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;
using qt::u;

namespace {

bool is_mask(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

// Folders always; files when they match one of the masks of the chosen filter.
class MaskFilter : public QSortFilterProxyModel {
public:
    void set_masks(std::vector<std::string> masks)
    {
        masks_ = std::move(masks);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files) return true;
        const QModelIndex index = files->index(row, 0, parent);
        if (files->isDir(index)) return true;
        const std::string name = u(files->fileName(index));
        return std::any_of(masks_.begin(), masks_.end(),
                           [&](const std::string& mask) { return files::matches_mask(name, mask); });
    }

private:
    std::vector<std::string> masks_;
};

// "*.BQZ;*.TXT" -> its masks; "" -> none (folders only).
std::vector<std::string> masks_of(const std::string& pattern)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from <= pattern.size()) {
        const std::size_t end = std::min(pattern.find(';', from), pattern.size());
        const std::string mask = pattern.substr(from, end - from);
        if (!mask.empty()) out.push_back(mask);
        from = end + 1;
    }
    return out;
}

// The filters offered: the proposed name first when it is a mask, then the program's list.
std::vector<FileFilter> offered_filters(const FileDialogDesc& desc)
{
    std::vector<FileFilter> filters;
    if (is_mask(desc.initial_name)) filters.push_back(FileFilter{desc.initial_name, desc.initial_name});
    filters.insert(filters.end(), desc.filters.begin(), desc.filters.end());
    if (filters.empty()) filters.push_back(FileFilter{"*.*", "*"});
    return filters;
}

// Sets the dialog up: folder, proposed name, and the filters with the masks they let through.
void prepare(QFileDialog& dialog, const FileDialogDesc& desc, const std::string& folder, const std::string& name)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setWindowTitle(q(desc.title));
    dialog.setDirectory(q(folder));
    const std::vector<FileFilter> filters = offered_filters(desc);
    // Qt's own filter lets everything through ("(*)", hidden); the proxy does the matching.
    QStringList labels;
    for (const FileFilter& f : filters) labels << q(f.label) + QStringLiteral(" (*)");
    dialog.setNameFilters(labels);
    auto* proxy = new MaskFilter;  // the dialog takes it
    proxy->set_masks(masks_of(filters.front().pattern));
    dialog.setProxyModel(proxy);
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, [proxy, filters, labels](const QString& chosen) {
        const qsizetype at = labels.indexOf(chosen);
        if (at >= 0 && at < static_cast<qsizetype>(filters.size()))
            proxy->set_masks(masks_of(filters[static_cast<std::size_t>(at)].pattern));
    });
    if (!name.empty() && !is_mask(name)) dialog.selectFile(q(name));
}

std::string chosen_file(const QFileDialog& dialog)
{
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : u(chosen.front());
}

}  // namespace

std::string QtToolkit::open_file_dialog(const FileDialogDesc& desc)
{
    const std::string folder = desc.folder.empty() ? s_->files.current_dir() : desc.folder;
    QFileDialog dialog(modal_parent());
    prepare(dialog, desc, folder, desc.initial_name);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (exec_modal(dialog) != QDialog::Accepted) return "";
    return chosen_file(dialog);
}

// A chosen file that exists must be confirmed; "Nie" goes back to the dialog.
std::string QtToolkit::save_file_dialog(const FileDialogDesc& desc)
{
    std::string folder = desc.folder.empty() ? s_->files.current_dir() : desc.folder;
    std::string name = desc.initial_name;
    for (;;) {
        QFileDialog dialog(modal_parent());
        prepare(dialog, desc, folder, name);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (exec_modal(dialog) != QDialog::Accepted) return "";
        const std::string path = chosen_file(dialog);
        if (path.empty()) return "";
        if (!s_->files.exists(path)) return path;
        const files::PathParts parts = files::split_path(path);
        const int answer = standard_box("replace", desc.title, "Plik " + path + " już istnieje.\nCzy chcesz go zastąpić?",
                                        MessageIcon::Warning, MessageButtons::YesNo, 2);
        if (answer == kAnswerYes) return path;
        folder = parts.folder.empty() ? folder : parts.folder;
        name = parts.name + parts.extension;
    }
}

}  // namespace platform
