// The shell wrappers: one call of the toolkit's shell "open", one check of its result. The
// error text names the number and the file; the shell's codes below 32 are not translated.
#include "app/shell_calls.h"

#include "platform/toolkit.h"

namespace app {

void check_hinstance(long long result, const std::string& file)
{
    if (result >= 32) return;
    const int number = result < 0 ? 0 : static_cast<int>(result);
    throw NumberedRunTimeError(number, "Błąd wykonania nr " + std::to_string(number) +
                                           ": system nie otworzył pliku " + file + ".");
}

void api_ShellExecute(platform::Toolkit& ui, const std::string& file, bool maximised)
{
    check_hinstance(ui.shell_open(file, maximised), file);
}

}  // namespace app
