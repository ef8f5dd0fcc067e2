// Plays the user of a run on the Qt back-end from a scenario script, step by step as the headless
// toolkit takes them: each step when the program waits for one, done on the widgets it shows, so
// that one test holds both back-ends to the same rules. A step that does not fit what the program
// shows ends the run and is reported after it; it never guesses.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/headless/script.h"
#include "platform/qt/qt_toolkit.h"

namespace velk_test {

class QtUser {
public:
    // Starts watching at once: steps are taken from the next event loop the program runs.
    QtUser(platform::QtToolkit& ui, platform::headless::Script script, std::string working_dir);
    ~QtUser();
    QtUser(const QtUser&) = delete;
    QtUser& operator=(const QtUser&) = delete;

    // After the run: why a step did not fit, which ended the run; nullopt when none failed.
    std::optional<std::string> failure() const;
    // After the run: a ScriptFailure when the program ended before the script did.
    void check_finished() const;

private:
    class Player;
    std::unique_ptr<Player> player_;
};

}  // namespace velk_test
