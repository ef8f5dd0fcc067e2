// The menu commands on files: loading aside, the edit, create and delete commands of every kind
// of base; the description, report, summary and askables-file commands; the media file and media
// folder commands of the advice, graphics and sound bases. Each takes its menu
// item and answers true when it completed, false when a step failed or was cancelled.
#pragma once

#include "kb/context.h"

namespace app {

// 10070-10072, 10087-10089, 10097-10099, 10107-10109, 10115-10117, 10126-10128, 10136-10138.
bool base_file_command(kb::Context& ctx, int item);
// 10151-10158, 10160-10162.
bool side_file_command(kb::Context& ctx, int item);
// 10119-10122, 10130-10132, 10140-10142 (the names and choosers of the media bases are
// app/browse_commands.h).
bool media_command(kb::Context& ctx, int item);

}  // namespace app
