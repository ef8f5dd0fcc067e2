// A text file opened as the program's current output: the plain writes collect here and the
// file is written whole, in CP1250 with CR LF line ends, when it is closed. Used by the
// toolkit back-ends; it shows nothing and decides nothing about where writes go.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

class OutputFile {
public:
    // Relative paths are taken from the folder of `files`.
    explicit OutputFile(const files::Files& files) : files_(files) {}

    bool is_open() const { return path_.has_value(); }
    const std::string& path() const { return *path_; }  // the full path; only while open

    // Creates or empties the file at once, so that a path that cannot be written fails here
    // (files::FileError) and not at the end. Must not be open already.
    void open(const std::string& path);
    void append(std::string_view text) { text_ += text; }

    struct Written {
        std::string path;
        std::string text;
    };
    // Writes the collected text over the file and ends the output; the output is closed even
    // when the write fails (files::FileError).
    Written close();

private:
    const files::Files& files_;
    std::optional<std::string> path_;
    std::string text_;
};

}  // namespace platform
