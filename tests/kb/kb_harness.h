// A program for the tests of the knowledge-base predicates: a headless toolkit answering from
// a script, a context in a fresh temporary folder, and a way to run a body inside the main
// window (for predicates that set its title or grey its menu items). Test support only.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/menu_states.h"
#include "kb/context.h"
#include "platform/factfile.h"
#include "platform/headless/headless_toolkit.h"

namespace kb::testing {

class KbHarness : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velk-kb-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = std::filesystem::canonical(pattern);
        start("");
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    // A fresh program whose user answers with the script (tests/scenarios/README.md).
    void start(const std::string& script)
    {
        ctx_.reset();
        platform::headless::HeadlessOptions options;
        options.working_dir = dir_.string();
        ui_ = std::make_unique<platform::headless::HeadlessToolkit>(platform::headless::Script::parse(script),
                                                                    options);
        ctx_ = std::make_unique<Context>(*ui_, dir_.string());
        menu_states_ = std::make_unique<app::MenuStates>(*ui_);
        ctx_->events = menu_states_.get();
    }

    // Runs body from the main window's create event (main menu 10062, all greyed), then ends.
    void in_main_window(const std::function<void()>& body)
    {
        platform::TaskWindowDesc desc;
        desc.class_name = "velk_ep_win";
        desc.title = "velk";
        desc.menu = app::main_menu();
        desc.handler = [&](const platform::Event& e) {
            if (e.kind != platform::EventKind::Create) return false;
            body();
            ui_->end_program();
        };
        ui_->run_task_window(desc);
    }

    Context& ctx() { return *ctx_; }
    platform::headless::HeadlessToolkit& ui() { return *ui_; }
    std::string transcript() const { return ui_->transcript(); }

    // The transcript lines that start with the prefix, the prefix and one blank taken off.
    std::vector<std::string> lines_after(const std::string& prefix) const
    {
        std::vector<std::string> out;
        std::istringstream in(ui_->transcript());
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(prefix, 0) != 0) continue;
            std::string rest = line.substr(prefix.size());
            if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
            out.push_back(rest);
        }
        return out;
    }
    // What plain writes sent while there was no auxiliary window, line by line. A line not yet
    // ended shows only after end_aux_line().
    void end_aux_line() { ui_->write("\n"); }
    std::vector<std::string> aux() const { return lines_after("aux (no window):"); }

    template <class Db>
    void load(Db& db, const std::string& text)
    {
        factfile::load_text(db, text);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write_file(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string read_file(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
    std::unique_ptr<platform::headless::HeadlessToolkit> ui_;
    std::unique_ptr<Context> ctx_;
    std::unique_ptr<app::MenuStates> menu_states_;  // the main menu hears the program's events
};

}  // namespace kb::testing
