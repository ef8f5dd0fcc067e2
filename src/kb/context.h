// What every predicate of the program works with: the fact store, the files layer with the
// program's current directory, the toolkit through which it speaks to the user, and the
// listener of the events that change the main menu. One Context is one running program; tests
// make as many as they like.
#pragma once

#include "kb/events.h"
#include "kb/store.h"
#include "platform/files.h"

namespace platform {
class Toolkit;
}

namespace kb {

struct Context {
    explicit Context(platform::Toolkit& toolkit) : ui(toolkit) {}
    Context(platform::Toolkit& toolkit, std::string current_dir)
        : files(std::move(current_dir)), ui(toolkit) {}

    Store db;             // every fact database of the program
    files::Files files;   // file access and the current directory
    platform::Toolkit& ui;
    // The main window listens while it runs (app::start_programu); with no listener an event
    // changes nothing, as in the tests of a single predicate.
    EventSink* events = nullptr;

    // Tells the listener what happened.
    void report(MenuEvent event)
    {
        if (events) events->report(event);
    }
};

}  // namespace kb
