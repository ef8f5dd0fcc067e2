// Tests of the files layer: paths, masks, case-insensitive lookups, text reads and atomic writes.
// Each test works in a fresh temporary folder of its own and removes it afterwards.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"

namespace {

namespace fs = std::filesystem;
using files::FileError;
using files::Files;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                ("velk_files_" + std::to_string(::getpid()) + "_" + std::to_string(++counter) + "_" + info->name());
        fs::create_directories(root_);
        dir_ = root_.generic_string();
    }
    void TearDown() override { fs::remove_all(root_); }

    void put(const std::string& relative, const std::string& bytes) {
        const fs::path path = root_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string on_disk(const std::string& relative) {
        std::ifstream in(root_ / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> entries() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(root_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path root_;
    std::string dir_;
};

// ---- Paths and masks ----

TEST(Paths, SplitIntoFolderNameAndExtension) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"..\\RADY\\REzoo.BQZ", "../RADY/", "REzoo", ".BQZ"},
        {"/home/u/raport.rpt", "/home/u/", "raport", ".rpt"},
        {"archive.tar.gz", "", "archive.tar", ".gz"},
        {"README", "", "README", ""},
        {"RADY/", "RADY/", "", ""},
        {"", "", "", ""},
        {"dir.d/file", "dir.d/", "file", ""},
    };
    for (const Case& c : cases) {
        const files::PathParts parts = files::split_path(c.path);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
    EXPECT_EQ(files::to_slashes("..\\RADY\\"), "../RADY/");
}

TEST(Paths, MatchMasksIgnoringCase) {
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"dźzoo.bqz", "DŹ*.BQZ", true},
        {"DŹZOO.BQZ", "dź*.bqz", true},
        {"dzzoo.bqz", "DŹ*.BQZ", false},
        {"REzoo.BQZ", "re*.bqz", true},
        {"MOzoo.BQZ", "RE*.BQZ", false},
        {"REzoo.BQZ.bak", "RE*.BQZ", false},
        {"ŻABA.RPT", "żaba.rpt", true},
        {"a.txt", "?.TXT", true},
        {"ą.txt", "?.txt", true},  // one character, two bytes
        {"ab.txt", "?.txt", false},
        {"abcbc", "a*bc", true},
        {"abcbd", "a*bc", false},
        {"aXbXc", "*x*x*", true},
        {"anything", "*", true},
        {"", "*", true},
        {"x", "", false},
        {"README", "*.*", true},
        {"notes.txt", "*.*", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files::matches_mask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
    }
}

// ---- Current directory ----

TEST_F(FilesTest, ResolvesAgainstItsOwnCurrentDirectory) {
    const std::string process_dir = fs::current_path().generic_string();
    Files f(dir_);
    EXPECT_EQ(f.current_dir(), dir_);
    EXPECT_EQ(f.resolve("sub\\a.txt"), dir_ + "/sub/a.txt");
    EXPECT_EQ(f.resolve("sub/./x/../a.txt"), dir_ + "/sub/a.txt");
    EXPECT_EQ(f.resolve("RADY/"), dir_ + "/RADY");
    EXPECT_EQ(f.resolve(""), dir_);
    EXPECT_EQ(f.resolve("/a/b/../c"), "/a/c");
    EXPECT_EQ(f.resolve(".."), root_.parent_path().generic_string());

    fs::create_directories(root_ / "RADY");
    f.set_current_dir("RADY\\");
    EXPECT_EQ(f.current_dir(), dir_ + "/RADY");
    EXPECT_EQ(f.resolve("..\\x.bqz"), dir_ + "/x.bqz");
    EXPECT_THROW(f.set_current_dir("missing"), FileError);
    EXPECT_EQ(f.current_dir(), dir_ + "/RADY");
    EXPECT_EQ(fs::current_path().generic_string(), process_dir);  // never chdir
}

// ---- Lookups ----

TEST_F(FilesTest, ListsMatchingFilesWithTheFolderFoundIgnoringCase) {
    put("REzoo.BQZ", "");
    put("REabc.bqz", "");
    put("MOzoo.BQZ", "");
    put("Rady/Zoo/lew.HLP", "");
    fs::create_directories(root_ / "REdir.BQZ");  // a folder never matches
    Files f(dir_);

    EXPECT_EQ(f.list_matching("re*.bqz"),
              (std::vector<std::string>{dir_ + "/REabc.bqz", dir_ + "/REzoo.BQZ"}));
    EXPECT_EQ(f.list_matching("RADY\\zoo\\*.hlp"), (std::vector<std::string>{dir_ + "/Rady/Zoo/lew.HLP"}));
    EXPECT_TRUE(f.any_matching("rady/ZOO/*.HLP"));
    EXPECT_TRUE(f.any_matching(dir_ + "/MO*.BQZ"));
    EXPECT_FALSE(f.any_matching("OG*.BQZ"));
    EXPECT_FALSE(f.any_matching("nowhere/*.HLP"));
    EXPECT_FALSE(f.any_matching("rady/"));
}

TEST_F(FilesTest, FindsFilesIgnoringCase) {
    put("Rady/Zoo/Lew.hlp", "x");
    put("exact.txt", "x");
    Files f(dir_);
    EXPECT_EQ(f.find_case_insensitive("RADY/ZOO/LEW.HLP"), dir_ + "/Rady/Zoo/Lew.hlp");
    EXPECT_EQ(f.find_case_insensitive("exact.txt"), dir_ + "/exact.txt");
    EXPECT_EQ(f.find_case_insensitive("rady/zoo/tygrys.hlp"), "");
    EXPECT_EQ(f.find_case_insensitive("rady/zoo"), "");  // a folder is no file
    EXPECT_EQ(f.find_case_insensitive("missing/lew.hlp"), "");
    EXPECT_TRUE(f.exists("exact.txt"));
    EXPECT_FALSE(f.exists("EXACT.TXT"));
    EXPECT_FALSE(f.exists("Rady"));
    EXPECT_TRUE(f.directory_exists("Rady/Zoo"));
    EXPECT_FALSE(f.directory_exists("exact.txt"));
}

TEST_F(FilesTest, RemoveTreatsAMissingFileAsRemoved) {
    put("old.rpt", "x");
    put("folder/inside.txt", "x");
    Files f(dir_);
    f.remove("old.rpt");
    EXPECT_FALSE(fs::exists(root_ / "old.rpt"));
    EXPECT_NO_THROW(f.remove("old.rpt"));
    EXPECT_NO_THROW(f.remove("nowhere/old.rpt"));
    EXPECT_THROW(f.remove("folder"), FileError);
    EXPECT_TRUE(fs::exists(root_ / "folder/inside.txt"));
}

// ---- Reading ----

TEST_F(FilesTest, ReadsCp1250AndUtf8FilesToTheSameText) {
    put("cp1250.bqz", "re(\"\xBF\xF3\xB3w\")\r\nx\ry\r\n");
    put("utf8.bqz", "re(\"żółw\")\r\nx\ry\n");
    Files f(dir_);
    const files::TextFile cp1250 = f.read_text("cp1250.bqz");
    const files::TextFile utf8 = f.read_text("utf8.bqz");
    EXPECT_EQ(cp1250.text, "re(\"żółw\")\nxy\n");
    EXPECT_EQ(cp1250.encoding, text::Encoding::Cp1250);
    EXPECT_EQ(utf8.text, "re(\"żółw\")\nxy\n");
    EXPECT_EQ(utf8.encoding, text::Encoding::Utf8);
}

TEST_F(FilesTest, ReadingAMissingFileThrowsWithItsPathAndAPolishReason) {
    Files f(dir_);
    fs::create_directories(root_ / "folder");
    struct Case {
        const char* name;
        const char* message;  // after the path
    };
    for (const Case& c : {Case{"missing.bqz", " (nie ma takiego pliku ani katalogu)"},
                          Case{"folder", " (to jest katalog)"}}) {
        try {
            f.read_text(c.name);
            ADD_FAILURE() << c.name << " was read";
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), dir_ + "/" + c.name);
            EXPECT_EQ(error.what(), "Nie można otworzyć pliku " + error.path() + c.message);
        }
    }
}

TEST_F(FilesTest, ReadsAFileWhoseSizeTheSystemDoesNotKnow) {
    // A file of the proc file system says it is empty and is not.
    const std::string status = Files(dir_).read_bytes("/proc/self/status");
    EXPECT_NE(status.find("Name:"), std::string::npos);
}

// The lines of a file as FileLines gives them: text and whether an LF ended each.
std::vector<std::string> lines_of(files::FileLines& lines) {
    std::vector<std::string> out;
    while (auto line = lines.next()) out.push_back(std::string(line->bytes) + (line->ended ? "|LF" : "|end"));
    return out;
}

TEST_F(FilesTest, ReadsLinesAsTheyAreOnDiskAndAgainAfterRewinding) {
    const std::string long_line(3 << 20, 'x');  // longer than the reading buffer
    struct Lines {
        std::string bytes;
        std::vector<std::string> lines;
    } many_lines;
    for (int i = 0; i < 30000; ++i) {
        const std::string line = "wiersz " + std::to_string(i);
        many_lines.bytes += line + "\n";
        many_lines.lines.push_back(line + "|LF");
    }
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"empty", "", {}},
        {"CR LF kept as CR", "a\r\nb", {"a\r|LF", "b|end"}},
        {"empty lines", "\n\nc\n", {"|LF", "|LF", "c|LF"}},
        {"long line", "a\n" + long_line + "\nb\n", {"a|LF", long_line + "|LF", "b|LF"}},
        {"long last line", long_line, {long_line + "|end"}},
        // A file below a huge page is read through a buffer of its own size, at most 64 KB.
        {"line longer than a small file's buffer", "a\n" + std::string(100000, 'y') + "\nb",
         {"a|LF", std::string(100000, 'y') + "|LF", "b|end"}},
        {"file of the smallest buffer's size", std::string(4095, 'z') + "\n", {std::string(4095, 'z') + "|LF"}},
        {"file one byte more", std::string(4096, 'z') + "\n", {std::string(4096, 'z') + "|LF"}},
        {"lines across refills", many_lines.bytes, many_lines.lines},
    };
    for (const Case& c : cases) {
        put("lines.txt", c.bytes);
        files::FileLines lines(Files(dir_), "lines.txt");
        EXPECT_EQ(lines_of(lines), c.lines) << c.what;
        lines.rewind();
        EXPECT_EQ(lines_of(lines), c.lines) << c.what << ", rewound";
    }
}

TEST_F(FilesTest, TheRestOfAFileComesWholeAfterTheLinesHandedOut) {
    std::string big;
    for (int i = 0; i < 200000; ++i) big += "wiersz " + std::to_string(i) + "\r\n";  // beyond the buffer
    for (const std::string& bytes : {std::string(), std::string("a\nb"), std::string("a\n"), big}) {
        put("rest.txt", bytes);
        files::FileLines lines(Files(dir_), "rest.txt");
        const auto first = lines.next();
        const std::size_t taken = first ? first->bytes.size() + (first->ended ? 1 : 0) : 0;
        const std::span<char> rest = lines.rest();
        EXPECT_EQ(std::string(rest.data(), rest.size()), bytes.substr(taken)) << bytes.size();
        EXPECT_FALSE(lines.next()) << bytes.size();
    }
}

TEST_F(FilesTest, APartOfAFileGivesTheLinesOfItsBytesAlone) {
    std::string big;
    for (int i = 0; i < 40000; ++i) big += "wiersz " + std::to_string(i) + "\r\n";  // beyond a part's buffer
    put("part.txt", big);
    files::FileLines whole(Files(dir_), "part.txt");
    EXPECT_EQ(whole.line_start_from(0), 10u);  // after "wiersz 0\r\n"
    EXPECT_EQ(whole.line_start_from(10), 20u);
    EXPECT_EQ(whole.line_start_from(big.size() - 1), big.size());
    EXPECT_EQ(whole.line_start_from(big.size()), big.size());
    const std::size_t middle = whole.line_start_from(big.size() / 2);
    struct Case {
        std::size_t from;
        std::size_t to;
    };
    for (const Case& c : {Case{0, middle}, Case{middle, std::string_view::npos}, Case{middle, middle}, Case{0, 10},
                          Case{big.size(), std::string_view::npos}}) {
        files::FileLines part(Files(dir_), "part.txt", c.from, c.to);
        std::string joined;
        for (const std::string& line : lines_of(part)) joined += line.substr(0, line.size() - 3) + "\n";
        EXPECT_EQ(joined, big.substr(c.from, c.to == std::string_view::npos ? c.to : c.to - c.from)) << c.from;
        part.rewind();
        EXPECT_EQ(lines_of(part).size(), std::count(joined.begin(), joined.end(), '\n')) << c.from;
    }
}

TEST_F(FilesTest, OpeningLinesFailsAsReadingBytesDoes) {
    fs::create_directories(root_ / "folder");
    for (const char* name : {"missing.bqz", "folder"}) {
        std::string bytes_error, lines_error;
        try {
            Files(dir_).read_bytes(name);
        } catch (const FileError& e) {
            bytes_error = e.what();
        }
        try {
            files::FileLines lines(Files(dir_), name);
        } catch (const FileError& e) {
            lines_error = e.what();
        }
        EXPECT_FALSE(lines_error.empty()) << name;
        EXPECT_EQ(lines_error, bytes_error) << name;
    }
}

// ---- Writing ----

TEST_F(FilesTest, WritesCp1250WithCrLfAndLeavesNoTemporaryFile) {
    Files f(dir_);
    f.write_text("raport.rpt", "tekst_raportu(\"żółw\")\nkoniec\n");
    EXPECT_EQ(on_disk("raport.rpt"), "tekst_raportu(\"\xBF\xF3\xB3w\")\r\nkoniec\r\n");
    f.write_text("utf8.txt", "żółw\n", text::Encoding::Utf8);
    EXPECT_EQ(on_disk("utf8.txt"), "żółw\r\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"raport.rpt", "utf8.txt"}));

    const files::TextFile back = f.read_text("raport.rpt");
    EXPECT_EQ(back.text, "tekst_raportu(\"żółw\")\nkoniec\n");
}

TEST_F(FilesTest, RewritingReplacesTheWholeFileAndKeepsItsPermissions) {
    put("base.bqz", std::string(1000, 'x'));
    ::chmod((root_ / "base.bqz").c_str(), 0640);
    Files f(dir_);
    f.write_text("base.bqz", "short");
    EXPECT_EQ(on_disk("base.bqz"), "short");
    struct stat info {};
    ASSERT_EQ(::stat((root_ / "base.bqz").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), (std::vector<std::string>{"base.bqz"}));
}

TEST_F(FilesTest, AFailedWriteThrowsAndLeavesNothingBehind) {
    fs::create_directories(root_ / "taken.rpt");  // a folder stands where the file should go
    Files f(dir_);
    EXPECT_THROW(f.write_text("taken.rpt", "x\n"), FileError);
    EXPECT_THROW(f.write_text("no/such/folder/x.rpt", "x\n"), FileError);
    EXPECT_EQ(entries(), (std::vector<std::string>{"taken.rpt"}));
    EXPECT_TRUE(fs::is_empty(root_ / "taken.rpt"));
}

TEST_F(FilesTest, BytesGoThroughUnchanged) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    Files f(dir_);
    f.write_bytes("all.bin", bytes);
    EXPECT_EQ(on_disk("all.bin"), bytes);
    EXPECT_EQ(f.read_bytes("all.bin"), bytes);
    f.write_bytes("empty.bin", "");
    EXPECT_EQ(f.read_bytes("empty.bin"), "");
}

TEST_F(FilesTest, TextOfAll256BytesSurvivesAReadAndAWrite) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r') bytes += static_cast<char>(b);
    }
    put("all.bqz", bytes);
    Files f(dir_);
    const files::TextFile read = f.read_text("all.bqz");
    EXPECT_EQ(read.encoding, text::Encoding::Cp1250);
    f.write_text("copy.bqz", read.text, read.encoding);
    std::string expected;
    for (char c : bytes) {
        if (c == '\n') expected += '\r';
        expected += c;
    }
    EXPECT_EQ(on_disk("copy.bqz"), expected);
}

}  // namespace
