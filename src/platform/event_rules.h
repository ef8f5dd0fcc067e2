// What a back-end does with an event: the error trap around every handler, the default of a
// declined event, and the events the Enter and Esc keys become in a dialog. One place, so
// that the Qt and headless back-ends behave alike; nothing here draws or records anything.
#pragma once

#include <functional>

#include "platform/toolkit.h"

namespace platform {

enum class Delivery {
    Handled,   // the handler answered handled
    Declined,  // the handler declined: the default applies
    Failed,    // the handler threw: the error was shown, the event ends with no default
};

// Calls the handler under the error trap: a std::exception escaping it is shown in an error
// box ("Błąd", the error's text) and the event ends. ProgramExit passes through untouched.
// A window without a handler declines everything.
Delivery deliver_trapped(const Handler& handler, const Event& event, Toolkit& ui);

enum class DefaultAction {
    Nothing,
    CloseWindow,  // destroy the window (the main window: the program ends)
    EndDialog,    // close the dialog with the answer default_answer() gives, values kept
};

// The toolkit's default for a declined event: a close request closes the window (a dialog with
// answer 2); a press of button 1 or 2 of a dialog closes it with that answer; anything else
// does nothing.
DefaultAction default_for_declined(const Event& event, bool in_dialog);
int default_answer(const Event& event);

// The keys of a dialog: Enter presses the push button that has the keyboard focus (its id, else 0)
// and button 1 (the OK button) when none has it; Esc presses button 2 (the cancel button); both
// whether or not the template has such a button.
Event enter_key_event(WindowId dialog, ControlId focused_button);
Event esc_key_event(WindowId dialog);

// The control a dialog's keyboard focus starts on once it shows: the first of its template that
// the Tab key stops at and that is enabled; 0 when there is none.
ControlId initial_focus(const DialogTemplate& form, const std::function<bool(ControlId)>& enabled);

// Counts the handlers running, so that destroying the main window from one ends the program
// by unwinding instead of pulling windows from under running code.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace platform
