// The error trap and the defaults of declined events, shared by every back-end.
// It decides; the back-end carries out. No state, no drawing, no recording.
#include "platform/event_rules.h"

#include <exception>

namespace platform {

Delivery deliver_trapped(const Handler& handler, const Event& event, Toolkit& ui)
{
    if (!handler) return Delivery::Declined;
    try {
        return handler(event) ? Delivery::Handled : Delivery::Declined;
    } catch (const std::exception& error) {
        ui.error_box("Błąd", error.what());
        return Delivery::Failed;
    }
}

DefaultAction default_for_declined(const Event& event, bool in_dialog)
{
    switch (event.kind) {
    case EventKind::CloseRequest:
        return in_dialog ? DefaultAction::EndDialog : DefaultAction::CloseWindow;
    case EventKind::Control:
        if (in_dialog && event.notification == Notification::Clicked &&
            (event.id == kButtonOk || event.id == kButtonCancel))
            return DefaultAction::EndDialog;
        return DefaultAction::Nothing;
    default:
        return DefaultAction::Nothing;
    }
}

int default_answer(const Event& event)
{
    return event.kind == EventKind::Control ? event.id : kButtonCancel;
}

Event enter_key_event(WindowId dialog, ControlId focused_button)
{
    return Event{EventKind::Control, dialog, focused_button != 0 ? focused_button : kButtonOk, Notification::Clicked,
                 {}};
}

Event esc_key_event(WindowId dialog)
{
    return Event{EventKind::Control, dialog, kButtonCancel, Notification::Clicked, {}};
}

}  // namespace platform

namespace platform {

ControlId initial_focus(const DialogTemplate& form, const std::function<bool(ControlId)>& enabled)
{
    for (const ControlDesc& c : form.controls)
        if ((c.flags & control_flag::tab_stop) && enabled(c.id)) return c.id;
    return 0;
}

}  // namespace platform
