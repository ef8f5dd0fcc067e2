// The files layer: paths and masks, case-insensitive lookups, whole-file reads and atomic
// whole-file writes, all relative to a current directory this object keeps.
// Never calls chdir and never leaves half a file behind; failures are FileError.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace files {
namespace {

namespace fs = std::filesystem;

// The reason shown to the user, in the program's language whatever the machine's; the rare
// ones by number.
std::string reason(int error_number) {
    struct Reason {
        int number;
        const char* text;
    };
    static constexpr Reason kReasons[] = {
        {ENOENT, "nie ma takiego pliku ani katalogu"},
        {EACCES, "brak uprawnień"},
        {EPERM, "brak uprawnień"},
        {EROFS, "system plików tylko do odczytu"},
        {ENOSPC, "brak miejsca na dysku"},
        {EDQUOT, "przekroczony przydział miejsca na dysku"},
        {EISDIR, "to jest katalog"},
        {ENOTDIR, "część ścieżki nie jest katalogiem"},
        {ENAMETOOLONG, "za długa nazwa"},
        {EIO, "błąd wejścia-wyjścia"},
        {EMFILE, "za dużo otwartych plików"},
        {ENFILE, "za dużo otwartych plików"},
    };
    for (const Reason& r : kReasons)
        if (r.number == error_number) return r.text;
    return "błąd systemu nr " + std::to_string(error_number);
}

// `what` is a literal and `path` an existing string, so evaluating the arguments leaves errno alone.
[[noreturn]] void fail(const char* what, const std::string& path, int error_number) {
    throw FileError(std::string(what) + " " + path + " (" + reason(error_number) + ")", path);
}

std::string normalised(const std::string& absolute) {
    std::string out = fs::path(absolute).lexically_normal().generic_string();
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

std::string join(const std::string& folder, std::string_view name) {
    return folder.ends_with('/') ? folder + std::string(name) : folder + "/" + std::string(name);
}

bool is_regular_file(const std::string& path) {
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

bool is_directory(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

// Names of the entries of a folder that pass `keep`, in CP1250 order; none when it cannot be read.
template <typename Keep>
std::vector<std::string> entry_names(const std::string& folder, Keep keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (keep(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), text::cp1250_less);
    return names;
}

// The entry of `folder` named `name` up to letter case, the exact name preferred.
std::optional<std::string> find_entry(const std::string& folder, std::string_view name,
                                      bool (*is_kind)(const std::string&)) {
    const std::string exact = join(folder, name);
    if (is_kind(exact)) return exact;
    const auto names = entry_names(folder, [&](const std::string& entry) {
        return text::equal_ignoring_case(entry, name) && is_kind(join(folder, entry));
    });
    if (names.empty()) return std::nullopt;
    return join(folder, names.front());
}

// An absolute, normalised folder path found component by component, each up to letter case.
std::optional<std::string> find_folder(const std::string& absolute) {
    std::string found = "/";
    std::size_t begin = 1;
    while (begin < absolute.size()) {
        std::size_t end = absolute.find('/', begin);
        if (end == std::string::npos) end = absolute.size();
        const auto next = find_entry(found, std::string_view(absolute).substr(begin, end - begin), is_directory);
        if (!next) return std::nullopt;
        found = *next;
        begin = end + 1;
    }
    return found;
}

// Wildcard match over case-folded characters: * any run, ? exactly one character.
bool matches_folded(const std::u32string& name, const std::u32string& mask) {
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t star = std::u32string::npos;  // mask position after the last '*'
    std::size_t star_name = 0;                // name position that '*' has swallowed up to
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == U'*') {
            star = ++m;
            star_name = n;
        } else if (star != std::u32string::npos) {
            m = star;
            n = ++star_name;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*') ++m;
    return m == mask.size();
}

// Characters of a name in lower case, for matching.
std::u32string folded(std::string_view utf8) { return text::code_points(text::to_lower(utf8)); }

std::string with_crlf(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    for (char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string without_cr(std::string text) {
    std::erase(text, '\r');
    return text;
}

// A name for the temporary file beside the target that no other writer in this or any
// other process picks.
std::string temporary_name(const std::string& target) {
    static std::atomic<unsigned long> counter{0};
    const fs::path path(target);
    return join(path.parent_path().string(), "." + path.filename().string() + ".tmp" +
                                                 std::to_string(::getpid()) + "-" + std::to_string(++counter));
}

void write_all(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) fail("Nie można zapisać pliku", path, errno);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Closes the descriptor on every path out of the writer.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Hands the descriptor over to the caller.
    int release() { return std::exchange(fd_, -1); }
    // Closes now, reporting the error close may return (a delayed write failure).
    int close() { return ::close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

// Writes the temporary file completely, flushed to disk, then renames it over the target.
// The target keeps its permissions.
void replace_atomically(const std::string& target, std::string_view bytes) {
    const std::string temporary = temporary_name(target);
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) fail("Nie można utworzyć pliku", target, errno);
    try {
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd.get(), old.st_mode & 07777);
        write_all(fd.get(), bytes, target);
        if (::fsync(fd.get()) != 0) fail("Nie można zapisać pliku", target, errno);
        if (fd.close() != 0) fail("Nie można zapisać pliku", target, errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0) fail("Nie można zastąpić pliku", target, errno);
    } catch (const FileError&) {
        ::unlink(temporary.c_str());
        throw;
    }
}

// Reads into `bytes` from `filled` on until the end of the file or of the buffer; the count read.
std::size_t read_into(int fd, std::string& bytes, std::size_t filled, const std::string& path) {
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("Nie można odczytać pliku", path, errno);
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

// One allocation of the file's size and reads straight into it; a file that grows meanwhile, or
// one whose size the system does not know (a pipe), is read on in growing steps.
std::string read_all(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) fail("Nie można otworzyć pliku", path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) fail("Nie można odczytać pliku", path, errno);
    if (S_ISDIR(info.st_mode)) fail("Nie można otworzyć pliku", path, EISDIR);
    std::string bytes;
    const std::size_t expected = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0;
    bytes.resize(expected + 1);  // one byte more shows the end without another read
    std::size_t filled = read_into(fd.get(), bytes, 0, path);
    while (filled == bytes.size()) {
        bytes.resize(bytes.size() * 2 + 65536);
        filled = read_into(fd.get(), bytes, filled, path);
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace

// ---- Paths and masks ----

std::string to_slashes(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

PathParts split_path(std::string_view path) {
    const std::string slashed = to_slashes(path);
    const std::size_t slash = slashed.rfind('/');
    const std::size_t name_begin = slash == std::string::npos ? 0 : slash + 1;
    const std::string file_name = slashed.substr(name_begin);
    const std::size_t dot = file_name.rfind('.');
    PathParts parts;
    parts.folder = slashed.substr(0, name_begin);
    parts.name = file_name.substr(0, dot);
    parts.extension = dot == std::string::npos ? "" : file_name.substr(dot);
    return parts;
}

std::string file_name(std::string_view path) {
    const PathParts parts = split_path(path);
    return parts.name + parts.extension;
}

bool matches_mask(std::string_view file_name, std::string_view mask) {
    if (mask == "*.*") return true;  // "all files", also those without an extension
    return matches_folded(folded(file_name), folded(mask));
}

// ---- Files ----

Files::Files() : current_dir_(normalised(fs::current_path().generic_string())) {}

Files::Files(std::string current_dir) : Files() {
    current_dir_ = resolve(current_dir);
}

void Files::set_current_dir(std::string_view dir) {
    const std::string resolved = resolve(dir);
    if (!is_directory(resolved)) throw FileError("Nie ma katalogu " + resolved, resolved);
    current_dir_ = resolved;
}

std::string Files::resolve(std::string_view path) const {
    const std::string slashed = to_slashes(path);
    if (slashed.starts_with('/')) return normalised(slashed);
    return normalised(join(current_dir_, slashed));
}

bool Files::exists(std::string_view path) const { return is_regular_file(resolve(path)); }

bool Files::directory_exists(std::string_view path) const { return is_directory(resolve(path)); }

bool Files::any_matching(std::string_view path_with_mask) const {
    return !list_matching(path_with_mask).empty();
}

std::vector<std::string> Files::list_matching(std::string_view path_with_mask) const {
    const PathParts parts = split_path(path_with_mask);
    const std::string mask = parts.name + parts.extension;
    const auto folder = find_folder(resolve(parts.folder));
    if (!folder || mask.empty()) return {};
    auto names = entry_names(*folder, [&](const std::string& name) {
        return matches_mask(name, mask) && is_regular_file(join(*folder, name));
    });
    for (auto& name : names) name = join(*folder, name);
    return names;
}

std::string Files::find_case_insensitive(std::string_view path) const {
    const std::string resolved = resolve(path);
    if (is_regular_file(resolved)) return resolved;
    const PathParts parts = split_path(resolved);
    const auto folder = find_folder(resolve(parts.folder));
    if (!folder) return "";
    return find_entry(*folder, parts.name + parts.extension, is_regular_file).value_or("");
}

void Files::remove(std::string_view path) const {
    const std::string resolved = resolve(path);
    if (::unlink(resolved.c_str()) != 0 && errno != ENOENT) fail("Nie można usunąć pliku", resolved, errno);
}

void Files::create_directory(std::string_view path) const {
    const std::string resolved = resolve(path);
    std::error_code error;
    fs::create_directories(resolved, error);
    if (error || !is_directory(resolved))
        fail("Nie można utworzyć katalogu", resolved, error ? error.value() : ENOTDIR);
}

void Files::remove_directory(std::string_view path) const {
    const std::string resolved = resolve(path);
    if (::rmdir(resolved.c_str()) != 0 && errno != ENOENT) fail("Nie można usunąć katalogu", resolved, errno);
}

TextFile Files::read_text(std::string_view path) const {
    const std::string bytes = read_bytes(path);
    TextFile file;
    file.encoding = text::detect_encoding(bytes);
    file.text = without_cr(text::decode(bytes, file.encoding));
    return file;
}

void Files::write_text(std::string_view path, std::string_view utf8, text::Encoding encoding) const {
    write_bytes(path, with_crlf(text::encode(utf8, encoding)));
}

std::string Files::read_bytes(std::string_view path) const { return read_all(resolve(path)); }

// ---- Reading line by line ----

namespace {

// A file's lines are read through one buffer that stays in the processor's cache, no larger
// than the file. A large file is mostly read in parts, each through a buffer of its own, or whole
// (FileLines::rest): its first buffer serves to tell its encoding, and a huge page for it cost
// its whole 2 MB at the first touch. A line longer than the buffer doubles it.
constexpr std::size_t kSmallFileBuffer = 64 << 10;
constexpr std::size_t kSmallestBuffer = 4096;
constexpr std::size_t kRangeBuffer = 256 << 10;
constexpr std::size_t kLargeFileBuffer = kRangeBuffer;

std::size_t line_buffer_size(std::size_t file_size) {
    if (file_size >= kLargeFileBuffer) return kLargeFileBuffer;
    // One byte beyond the file, so that its end is met without growing the buffer.
    return std::clamp(file_size + 1, kSmallestBuffer, kSmallFileBuffer);
}

// Opens for reading as read_all does, with the same errors.
int open_for_reading(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) fail("Nie można otworzyć pliku", path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) fail("Nie można odczytać pliku", path, errno);
    if (S_ISDIR(info.st_mode)) fail("Nie można otworzyć pliku", path, EISDIR);
    return fd.release();
}

}  // namespace

FileLines::FileLines(const Files& files, std::string_view path)
    : FileLines(files, path, 0, std::string_view::npos) {}

FileLines::FileLines(const Files& files, std::string_view path, std::size_t from, std::size_t to)
    : path_(files.resolve(path)), fd_(open_for_reading(path_)), from_(from) {
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) size_ = static_cast<std::size_t>(info.st_size);
    range_ = left_ = to == std::string_view::npos ? to : to - std::min(from, to);
    if (from == 0 && to == std::string_view::npos) {
        buffer_.resize(line_buffer_size(size_));
        return;
    }
    // Parts of a file are read side by side: each through a buffer that stays in the cache.
    const std::size_t bytes = std::min(size_ - std::min(from, size_), range_);
    buffer_.resize(std::min(line_buffer_size(bytes), kRangeBuffer));
    rewind();
}

std::size_t FileLines::line_start_from(std::size_t offset) const {
    char window[4096];  // lines are short: a page of the file nearly always holds an LF
    for (;;) {
        const ssize_t got = ::pread(fd_, window, sizeof window, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("Nie można odczytać pliku", path_, errno);
        if (got == 0) return offset;
        if (const void* lf = std::memchr(window, '\n', static_cast<std::size_t>(got)))
            return offset + static_cast<std::size_t>(static_cast<const char*>(lf) - window) + 1;
        offset += static_cast<std::size_t>(got);
    }
}

FileLines::~FileLines() { ::close(fd_); }

void FileLines::fill() {
    // The part not yet handed out moves to the front; a line longer than the buffer doubles it.
    std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_), buffer_.begin() + static_cast<std::ptrdiff_t>(end_),
              buffer_.begin());
    end_ -= begin_;
    begin_ = 0;
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    while (end_ < buffer_.size()) {
        if (left_ == 0) {
            at_eof_ = true;
            return;
        }
        const ssize_t got = ::read(fd_, buffer_.data() + end_, std::min(buffer_.size() - end_, left_));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("Nie można odczytać pliku", path_, errno);
        if (got == 0) {
            at_eof_ = true;
            return;
        }
        end_ += static_cast<std::size_t>(got);
        if (left_ != std::string_view::npos) left_ -= static_cast<std::size_t>(got);
    }
}

std::optional<FileLines::Line> FileLines::next() {
    for (;;) {
        const char* from = buffer_.data() + begin_;
        if (const void* lf = std::memchr(from, '\n', end_ - begin_)) {
            const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - from);
            begin_ += length + 1;
            return Line{std::string_view(from, length), true};
        }
        if (at_eof_) {
            if (begin_ == end_) return std::nullopt;
            const std::string_view rest(from, end_ - begin_);
            begin_ = end_;
            return Line{rest, false};
        }
        fill();
    }
}

std::span<char> FileLines::rest() {
    // The buffer takes the whole rest at once when the file tells its size: growing it by
    // doubling would move the text read so far at every step.
    const off_t at = ::lseek(fd_, 0, SEEK_CUR);
    if (!at_eof_ && at >= 0 && size_ > static_cast<std::size_t>(at)) {
        const std::size_t unread = std::min(size_ - static_cast<std::size_t>(at), left_);
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_), buffer_.begin() + static_cast<std::ptrdiff_t>(end_),
                  buffer_.begin());
        end_ -= begin_;
        begin_ = 0;
        if (buffer_.size() < end_ + unread + 1) buffer_.resize(end_ + unread + 1);
    }
    while (!at_eof_) fill();
    const std::span<char> all(buffer_.data() + begin_, end_ - begin_);
    begin_ = end_;
    return all;
}

void FileLines::rewind() {
    if (::lseek(fd_, static_cast<off_t>(from_), SEEK_SET) != static_cast<off_t>(from_))
        fail("Nie można odczytać pliku", path_, errno);
    begin_ = end_ = 0;
    at_eof_ = false;
    left_ = range_;
}

void Files::write_bytes(std::string_view path, std::string_view bytes) const {
    replace_atomically(resolve(path), bytes);
}

}  // namespace files
