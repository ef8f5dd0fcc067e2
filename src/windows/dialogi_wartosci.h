// The two value dialogs of inference: 10003 "Określ wartość CF" and 10023 "Określ wartość
// argumentu". Each shows the name its caller posted in the dialog data channel and hands back the
// text the user typed, exactly as typed; testing that text is the caller's business.
#pragma once

#include "kb/context.h"
#include "platform/toolkit_types.h"

namespace windows {

// 10003. Create: the first `dane_cf_nazwa` into field 10007. "&OK": every `dane_cf_wartość`
// removed and the text of 10005 added. "Zakończ": asks; Yes ends the program, No closes the
// dialog without an answer.
bool dlg_okresl_wartosc_cf_eh(kb::Context& ctx, const platform::Event& event);
// 10023. Create: the first `dane_arg_nazwa` into the read-only field 10024 (none: declined).
// "&OK": every `dane_arg_wartość` removed, the text of 10022 added, every `dane_arg_nazwa`
// removed. "Zakończ" as in 10003; then `dane_arg_nazwa` stays.
bool dlg_okresl_wartosc_argumentu_eh(kb::Context& ctx, const platform::Event& event);

// Open them over the main window and wait until they close.
void okresl_wartosc_cf(kb::Context& ctx);
void okresl_wartosc_argumentu(kb::Context& ctx);

}  // namespace windows
