// The scenario runner: runs the program's main window headless against a scenario script and
// prints the transcript. Usage: scenario_runner SCENARIO.scn [WORKDIR]. Without WORKDIR the
// scenario's base folder is copied into a fresh temporary folder, run there and removed.
// The program sees only the ODBC data sources of the working folder's odbc.ini.
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <sstream>
#include <string>

#include "app/start.h"
#include "kb/context.h"
#include "platform/headless/headless_toolkit.h"
#include "platform/odbc/odbc.h"

namespace fs = std::filesystem;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessToolkit;
using platform::headless::Script;
using platform::headless::ScriptFailure;

namespace {

constexpr int kOk = 0;
constexpr int kScriptFailed = 1;
constexpr int kCannotRun = 2;

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The folder whose files the scenario starts with: the "base" directive (relative to the
// scenario file), else NAME.d beside it, else none.
std::optional<fs::path> base_folder(const fs::path& scenario, const Script& script)
{
    if (script.base_folder()) return scenario.parent_path() / *script.base_folder();
    fs::path beside = scenario;
    beside.replace_extension(".d");
    if (fs::is_directory(beside)) return beside;
    return std::nullopt;
}

// A fresh folder under the system's temporary folder, removed when this goes.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "velk-scenario-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        path_ = fs::canonical(pattern);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;  // a folder left behind in /tmp harms nothing
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// ---- ODBC data sources of a scenario ------------------------------------------------------------

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// odbc.ini with every relative "Database = path" made absolute under the working folder (the
// drivers know nothing of the program's current directory).
void anchor_databases(const fs::path& ini, const fs::path& dir)
{
    std::istringstream in(read_file(ini));
    std::ostringstream out;
    for (std::string line; std::getline(in, line);) {
        const auto equals = line.find('=');
        std::string key = equals == std::string::npos ? "" : trimmed(line.substr(0, equals));
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
        const std::string value = equals == std::string::npos ? "" : trimmed(line.substr(equals + 1));
        if (key == "database" && !value.empty() && fs::path(value).is_relative())
            line = line.substr(0, equals + 1) + " " + (dir / value).string();
        out << line << "\n";
    }
    std::ofstream(ini, std::ios::binary) << out.str();
}

// Runs the statements of a DSN.sql file (each ends with ";" at the end of a line) against the
// data source DSN, so that a scenario brings its own tables.
void run_fixture(const fs::path& sql, const std::shared_ptr<odbc::DriverManager>& manager)
{
    auto environment = std::make_shared<odbc::Environment>(manager);
    auto connection = std::make_shared<odbc::Connection>(environment, sql.stem().string(), "", "");
    std::istringstream in(read_file(sql));
    std::string statement;
    for (std::string line; std::getline(in, line);) {
        const std::string text = trimmed(line);
        if (text.empty() || text.rfind("--", 0) == 0) continue;
        statement += text + "\n";
        if (text.back() != ';') continue;
        odbc::Statement(connection).execute(statement);
        statement.clear();
    }
}

// The working folder's odbc.ini and odbcinst.ini are the driver manager's only configuration
// (the machine's installed drivers are copied in when the folder has no odbcinst.ini), and
// every DSN.sql of the folder is run against its data source.
void prepare_odbc(const fs::path& dir)
{
    setenv("ODBCSYSINI", dir.c_str(), 1);
    setenv("ODBCINI", (dir / "odbc.ini").c_str(), 1);
    if (!fs::exists(dir / "odbc.ini")) return;
    anchor_databases(dir / "odbc.ini", dir);
    if (!fs::exists(dir / "odbcinst.ini") && fs::exists("/etc/odbcinst.ini"))
        fs::copy_file("/etc/odbcinst.ini", dir / "odbcinst.ini");
    std::shared_ptr<odbc::DriverManager> manager;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".sql") continue;
        if (!manager) manager = odbc::load_driver_manager();
        run_fixture(entry.path(), manager);
    }
}

int run(const fs::path& scenario, const fs::path& working_dir, Script script)
{
    prepare_odbc(fs::canonical(working_dir));
    HeadlessOptions options;
    options.working_dir = fs::canonical(working_dir).string();
    options.mirror = &std::cout;
    HeadlessToolkit ui(std::move(script), options);
    kb::Context ctx(ui, options.working_dir);
    try {
        app::start_programu(ctx);
        ui.check_script_finished();
    } catch (const ScriptFailure& failure) {
        std::cout << "SCRIPT FAILURE (" << scenario.filename().string() << "): " << failure.message() << "\n";
        return kScriptFailed;
    }
    return kOk;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: scenario_runner SCENARIO.scn [WORKDIR]\n";
        return kCannotRun;
    }
    const fs::path scenario = argv[1];
    try {
        Script script = Script::parse(read_file(scenario));
        if (argc == 3) return run(scenario, argv[2], std::move(script));
        TemporaryFolder folder;
        if (const auto base = base_folder(scenario, script))
            fs::copy(*base, folder.path(), fs::copy_options::recursive);
        return run(scenario, folder.path(), std::move(script));
    } catch (const ScriptFailure& failure) {
        std::cout << "SCRIPT FAILURE (" << scenario.filename().string() << "): " << failure.message() << "\n";
        return kScriptFailed;
    } catch (const std::exception& error) {
        std::cerr << "scenario_runner: " << error.what() << "\n";
        return kCannotRun;
    }
}
