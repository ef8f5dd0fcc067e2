// The end question and the end itself. Ending goes through the toolkit's end_program, which
// unwinds to the event loop, so no window is destroyed under code that still runs in it.
#include "windows/zakonczenie.h"

#include "windows/editor_windows.h"
#include "platform/toolkit.h"

namespace windows {

bool czy_zakonczyc_program(kb::Context& ctx)
{
    const int answer = ctx.ui.message_box(kEndQuestionTitle, kEndQuestionText, platform::MessageIcon::Question,
                                          platform::MessageButtons::YesNo, platform::kAnswerYes);
    return answer == platform::kAnswerYes && ask_about_modified_editors(ctx);
}

bool zakoncz_program_na_zyczenie(kb::Context& ctx)
{
    if (czy_zakonczyc_program(ctx)) ctx.ui.end_program();
    return false;
}

}  // namespace windows
