// The loads of the advice, graphics and sound bases (the kinds' loads are declared in
// ladowanie.h) and the media-folder tests they run: a media base loads only when the media
// folder of the knowledge base's mark holds at least one file of its kind.
#pragma once

#include "kb/context.h"

namespace load {

// Each succeeds, writing nothing, when a file matches "../RADY/<mark>/*.HLP" (pictures
// "../GRAFIKA/<mark>/*.BMP", sounds "../DŹWIĘKI/<mark>/*.WAV"), case-insensitively, relative
// to the current directory. Otherwise it writes the missing folder to the auxiliary window,
// shows the note "Uwaga błąd!", unloads its base (facts and name; `nazwa_ra_pelna` stays)
// and fails.
bool sa_pliki_rad(kb::Context& ctx);
bool sa_pliki_grafiki(kb::Context& ctx);
bool sa_pliki_melodii(kb::Context& ctx);

}  // namespace load
