// Notes, questions, message boxes, the error box and the one-line prompt on QMessageBox and
// QInputDialog, modal over the innermost open dialog and wide enough for their titles. Texts are
// shown as plain text, never as markup; button labels are the program's own.
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "platform/qt/qt_state.h"

namespace platform {

using qt::q;
using qt::u;

namespace {

QMessageBox::Icon icon_of(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The width a box needs for its whole title: the window manager draws it in its own font, most
// often bold and a little larger than the application's, between the window's icon and its
// buttons.
int title_width(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * 1.15);
    constexpr int kIconAndButtons = 120;
    return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons;
}

// A message box sizes itself to its text and buttons: a row as wide as the title keeps the title
// whole. Added last, after the buttons, so that the box's own layout keeps it.
void widen_for_title(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(title_width(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

struct StandardButton {
    QMessageBox::StandardButton button;
    const char* label;
};

std::vector<StandardButton> standard_buttons(MessageButtons buttons)
{
    const StandardButton ok{QMessageBox::Ok, "OK"};
    const StandardButton cancel{QMessageBox::Cancel, "Anuluj"};
    const StandardButton yes{QMessageBox::Yes, "&Tak"};
    const StandardButton no{QMessageBox::No, "&Nie"};
    switch (buttons) {
    case MessageButtons::Ok: return {ok};
    case MessageButtons::OkCancel: return {ok, cancel};
    case MessageButtons::YesNo: return {yes, no};
    case MessageButtons::YesNoCancel: return {yes, no, cancel};
    }
    return {ok};
}

// `kind` names the box ("note", "question", ...), so that a test playing the user tells them apart.
void prepare(QMessageBox& box, const char* kind, std::string_view title, std::string_view text,
             QMessageBox::Icon icon)
{
    box.setObjectName(QString::fromLatin1(kind));
    box.setWindowTitle(q(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(q(text));
    box.setIcon(icon);
}

}  // namespace

void QtToolkit::note(std::string_view title, std::string_view text)
{
    standard_box("note", title, text, MessageIcon::Information, MessageButtons::Ok, 1);
}

void QtToolkit::error_box(std::string_view title, std::string_view text)
{
    standard_box("error", title, text, MessageIcon::Error, MessageButtons::Ok, 1);
}

// The buttons keep the program's order; closing the box answers the last one.
int QtToolkit::question(std::string_view title, std::string_view text, const std::vector<std::string>& buttons)
{
    if (buttons.empty()) throw ToolkitError("a question needs buttons");
    QMessageBox box(modal_parent());
    prepare(box, "question", title, text, QMessageBox::Question);
    std::vector<QAbstractButton*> added;
    for (const std::string& label : buttons) added.push_back(box.addButton(q(label), QMessageBox::AcceptRole));
    box.setDefaultButton(static_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
    widen_for_title(box);
    exec_modal(box);
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return static_cast<int>(i);
    return static_cast<int>(added.size()) - 1;
}

int QtToolkit::message_box(std::string_view title, std::string_view text, MessageIcon icon, MessageButtons buttons,
                           int default_button)
{
    return standard_box("message", title, text, icon, buttons, default_button);
}

// Closing the box answers its last button (No, or Cancel).
int QtToolkit::standard_box(const char* kind, std::string_view title, std::string_view text, MessageIcon icon,
                            MessageButtons buttons, int default_button)
{
    QMessageBox box(modal_parent());
    prepare(box, kind, title, text, icon_of(icon));
    const std::vector<StandardButton> standard = standard_buttons(buttons);
    std::vector<QAbstractButton*> added;
    for (const StandardButton& b : standard) {
        QPushButton* button = box.addButton(b.button);
        button->setText(q(b.label));
        added.push_back(button);
    }
    if (default_button >= 1 && default_button <= static_cast<int>(added.size()))
        box.setDefaultButton(static_cast<QPushButton*>(added[static_cast<std::size_t>(default_button - 1)]));
    box.setEscapeButton(added.back());
    widen_for_title(box);
    exec_modal(box);
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i]) return static_cast<int>(i) + 1;
    return static_cast<int>(added.size());
}

std::optional<std::string> QtToolkit::prompt(std::string_view title, std::string_view label, std::string_view initial)
{
    QInputDialog dialog(modal_parent());
    dialog.setObjectName(QStringLiteral("prompt"));
    dialog.setWindowTitle(q(title));
    dialog.setLabelText(q(label));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(q(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Anuluj"));
    // The dialog takes its size from its layout: the field makes room for the title.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        field->setMinimumWidth(title_width(dialog.windowTitle()) - margins.left() - margins.right());
    }
    if (exec_modal(dialog) != QDialog::Accepted) return std::nullopt;
    return u(dialog.textValue());
}

}  // namespace platform
