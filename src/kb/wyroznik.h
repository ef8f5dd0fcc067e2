// The distinguishing mark of a knowledge base and the paths of its media files: the mark names
// the media folders ("../RADY/<mark>/", "../GRAFIKA/<mark>/", "../DŹWIĘKI/<mark>/") beside the
// folder of the base files. Computes names and paths only; never reads or changes a base.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kb/context.h"

namespace kb {

// ---- The mark of a file name (pure) -----------------------------------------------------------

// The first token of a text. Leading blanks (tab, space, line feed, vertical tab, form feed,
// carriage return, byte 26) are skipped; then
// - a letter or "_" starts a name, which runs over letters, digits and "_" (a letter is any
//   letter of code page 1250: ASCII and every Polish letter, "ż", "ś", "ą" ... included);
// - a digit starts a number: the integer literal of the fact files there, or the real literal
//   when the integer is followed by ".", "e" or "E" and a digit (or by one of them, "-" and a
//   digit) or is out of range;
// - any other character is a token by itself.
// nullopt when nothing but blanks is left.
std::optional<std::string> pierwszy_token(std::string_view text);

// THE distinguishing mark of a base file name; every place that needs the mark of a file (the
// rule-base load, the check that another base belongs to the same knowledge base, the advice
// base's name when no rule base is loaded) calls this one function.
// The file name (a full path or a bare name, "/" or "\" separators) loses its folder and its
// first two characters (the kind prefix: "RE", "RA", "DŹ" ...), and the first token of the
// rest is the mark: "REżaby.BQZ" -> "żaby", "REzoo-2.BQZ" -> "zoo", "RA_las2.BQZ" -> "_las2",
// "RA12.BQZ" -> "12", "RA1.5x.BQZ" -> "1.5", "RA.BQZ" -> ".". nullopt when the name has fewer
// than two characters or nothing but blanks after them ("RA").
// The result may be no fit name for a folder ("1.5", "."): see wyroznik_poprawny.
std::optional<std::string> wyznacz_wyroznik(std::string_view file_name);

// Whether a mark may name a media folder: not empty, and only letters (as in pierwszy_token),
// ASCII digits and "_". The loader refuses a base whose mark fails this test; the media paths
// below are never built from such a mark.
bool wyroznik_poprawny(std::string_view mark);

// ---- The mark of the loaded knowledge base ------------------------------------------------

// The first `wyroznik` fact; without one, the mark of the first advice-base name (`nazwa_ra`)
// that gives one. nullopt when neither gives a mark. Looked up anew at every call.
std::optional<std::string> czytaj_wyroznik(Context& ctx);

// ---- Media folders and media file paths ------------------------------------------------------

enum class Media { rady, grafika, dzwieki };

// The media folder of a kind for a mark, relative to the current directory, with "/" and a
// trailing "/": "../RADY/las/", "../GRAFIKA/las/", "../DŹWIĘKI/las/". The loader's media
// checks match their masks inside it ("../RADY/las/*.HLP").
std::string kartoteka_mediow(Media kind, std::string_view mark);

// A media name from a base file is a bare file name inside its media folder: not empty, no
// "/" or "\", no "..". Names that fail are never joined into a path.
bool nazwa_medium_poprawna(std::string_view name);

// The note shown when a base names a media file by a path; the name is put into it.
std::string nota_zla_nazwa_medium(std::string_view name);

// Media paths are absolute, resolved against the context's current directory; a file that
// exists under another letter case is given with its spelling on disk.
//
// The advice file's path: "../RADY/" + mark + "/" + name, nothing appended. nullopt without a
// fit mark; nullopt after the note titled "Uwaga!" (nota_zla_nazwa_medium) when the name is
// not a bare file name.
std::optional<std::string> nazwa_pelna_rady(Context& ctx, std::string_view name);

// The candidate paths of a picture, in order: for each `wyroznik` fact "../GRAFIKA/" +
// wyroznik + "/" + name, then once "../GRAFIKA/" + mark + "/" + name + ".bmp" (mark as
// czytaj_wyroznik gives it). Empty without a fit mark, or (after the note) for a bad name.
// Nothing here tests that a file exists: see pierwszy_istniejacy.
std::vector<std::string> nazwa_pelna_grafiki(Context& ctx, std::string_view name);
// The same for a sound: "../DŹWIĘKI/" and ".wav".
std::vector<std::string> nazwa_pelna_melodii(Context& ctx, std::string_view name);

// The first candidate whose file exists; nullopt when none does.
std::optional<std::string> pierwszy_istniejacy(Context& ctx, const std::vector<std::string>& candidates);

}  // namespace kb
