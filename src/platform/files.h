// Files as the program sees them: whole-file text read and write, masks, paths, and the
// program's own current directory. No chdir: each Files object keeps its own directory, so
// several programs (tests) can run side by side in one process.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/large_tables.h"
#include "platform/text.h"

namespace files {

// A file that cannot be opened, read, written or renamed.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, std::string path)
        : std::runtime_error(message), path_(std::move(path)) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct PathParts {
    std::string folder;     // with its trailing "/", "" when none
    std::string name;       // without the extension
    std::string extension;  // with its ".", "" when none
};

// Splits a path (with "/" or "\" separators) into folder, name and extension.
PathParts split_path(std::string_view path);
// The file's name with its extension, without its folder ("C:\\BAZY\\REdom.BQZ" -> "REdom.BQZ").
std::string file_name(std::string_view path);
// "..\RADY\" -> "../RADY/": Windows separators become "/".
std::string to_slashes(std::string_view path);
// Case-insensitive (Polish letters too) match of a file name against a mask with * and ?.
bool matches_mask(std::string_view file_name, std::string_view mask);

struct TextFile {
    std::string text;                             // UTF-8, carriage returns dropped
    text::Encoding encoding = text::Encoding::Cp1250;  // what it was read as
};

class Files {
public:
    // Starts in the process's working directory, or in the one given.
    Files();
    explicit Files(std::string current_dir);

    const std::string& current_dir() const { return current_dir_; }
    // Relative paths are taken from the current directory; throws FileError if it is no directory.
    void set_current_dir(std::string_view dir);
    // An absolute, normalised path with "/" separators and no trailing "/" (except the root).
    std::string resolve(std::string_view path) const;

    bool exists(std::string_view path) const;           // a regular file
    bool directory_exists(std::string_view path) const;
    // Some file matches the mask in the last component ("../RADY/zoo/*.HLP"),
    // case-insensitively; the folder part is found case-insensitively as well.
    bool any_matching(std::string_view path_with_mask) const;
    // Full paths of the files matching the mask, sorted by name.
    std::vector<std::string> list_matching(std::string_view path_with_mask) const;
    // Finds a file by name case-insensitively (the name the base gives may differ in case
    // from the one on disk); the full path, or "" when there is none.
    std::string find_case_insensitive(std::string_view path) const;
    // Deletes a file; a missing file counts as deleted.
    void remove(std::string_view path) const;
    // Makes a folder (its parents too); one that exists already is fine.
    void create_directory(std::string_view path) const;
    // Deletes an empty folder; a missing one counts as deleted. A folder that still holds
    // files raises FileError and keeps them.
    void remove_directory(std::string_view path) const;

    // Whole-file reads and writes. Text files are decoded (CP1250, or UTF-8 when detected)
    // and carriage returns dropped; writing encodes, turns each LF into CR LF, and replaces
    // the target atomically through a temporary file in the same folder.
    TextFile read_text(std::string_view path) const;
    void write_text(std::string_view path, std::string_view utf8,
                    text::Encoding encoding = text::Encoding::Cp1250) const;
    std::string read_bytes(std::string_view path) const;
    void write_bytes(std::string_view path, std::string_view bytes) const;

private:
    std::string current_dir_;
};

// A file read line by line, front to back, through one buffer that a line longer than it only
// grows: reading a file of any size touches a megabyte of fresh memory, not the file's size.
// Lines are split at each LF and handed out as they are on disk (no decoding, CRs kept).
class FileLines {
public:
    // Opens the file; a file that cannot be opened raises FileError as Files::read_bytes does.
    FileLines(const Files& files, std::string_view path);
    // The lines of the bytes [from, to) of the file alone (to: npos for its end), for a part of
    // a large file read beside the others; from and to stand where lines begin.
    FileLines(const Files& files, std::string_view path, std::size_t from, std::size_t to);
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;
    ~FileLines();

    struct Line {
        std::string_view bytes;  // good until the next call
        bool ended;              // an LF ended it (the last line of a file may have none)
    };
    // The next line; nullopt after the last one. A read error raises FileError.
    std::optional<Line> next();
    // Back to the first line.
    void rewind();
    // Everything not yet handed out, up to the end of the file, read whole: the caller's to
    // read (and to give back, see platform::release_pages) until the next call. The lines
    // after it are none.
    std::span<char> rest();
    // The file's size in bytes when it was opened (a regular file; 0 for one that tells none).
    std::size_t size() const { return size_; }
    // Where the first line that begins at or after `offset` begins: just after the first LF
    // from there on, or the file's end. Reads aside, leaving the lines handed out as they are.
    std::size_t line_start_from(std::size_t offset) const;

private:
    void fill();  // more of the file after the part not yet handed out

    std::string path_;
    int fd_ = -1;
    std::vector<char, platform::LargeTableAllocator<char>> buffer_;
    std::size_t begin_ = 0;  // the part not yet handed out: [begin_, end_)
    std::size_t end_ = 0;
    bool at_eof_ = false;
    std::size_t size_ = 0;
    std::size_t from_ = 0;               // the bytes read: [from_, from_ + range_)
    std::size_t range_ = std::string_view::npos;
    std::size_t left_ = std::string_view::npos;  // of the range, not read yet
};

}  // namespace files
