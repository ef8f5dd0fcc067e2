// Calls of the platform shell that turn a failed call into a numbered run-time error, so that
// callers never test a result code themselves. Only the shell's "open" is needed; nothing here
// decides what is opened or when.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {
class Toolkit;
}

namespace app {

// A failed platform call: the number is the shell's own failure code (below 32) for the
// shell's "open". Raised like any run-time error: the event's error trap reports it.
class NumberedRunTimeError : public std::runtime_error {
public:
    NumberedRunTimeError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// The shell's result: 32 or more is success; a smaller one raises the run-time error with that
// number. The file names what was being opened, for the error's text.
void check_hinstance(long long result, const std::string& file);

// Has the shell "open" the document (maximised or not) and checks the result.
void api_ShellExecute(platform::Toolkit& ui, const std::string& file, bool maximised);

}  // namespace app
