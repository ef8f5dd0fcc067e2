// The scenario runner: runs the program's main window headless against a scenario script and
// prints the transcript. Usage: scenario_runner SCENARIO.scn [WORKDIR]. Without WORKDIR the
// scenario's base folder is copied into a fresh temporary folder, run there and removed.
#include <stdlib.h>

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

int run(const fs::path& scenario, const fs::path& working_dir, Script script)
{
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
