// The current output file: created at open, written whole through the files layer at close.
// Never leaves the output half-open: close ends it before it writes.
#include "platform/output_file.h"

#include <stdexcept>
#include <utility>

namespace platform {

void OutputFile::open(const std::string& path)
{
    if (is_open()) throw std::logic_error("output file already open");
    const std::string full = files_.resolve(path);
    files_.write_text(full, "");
    path_ = full;
    text_.clear();
}

OutputFile::Written OutputFile::close()
{
    if (!is_open()) throw std::logic_error("no output file open");
    Written written{std::move(*path_), std::move(text_)};
    path_.reset();
    text_.clear();
    files_.write_text(written.path, written.text);
    return written;
}

}  // namespace platform
