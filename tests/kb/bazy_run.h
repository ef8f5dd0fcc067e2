// A test run of base predicates inside the headless main window: a temporary folder tree with
// a "bazy" folder (the current directory) beside the media folders, a context, the auxiliary
// window, and the part of the transcript written while the predicate ran. For the tests of the constraint and media bases.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/menu_states.h"
#include "kb/context.h"
#include "platform/headless/headless_toolkit.h"

namespace kb::test {

namespace fs = std::filesystem;

class BazyRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-bazy-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = fs::canonical(pattern);
        fs::create_directories(root_ / "bazy");
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // A file under the root ("bazy/OGlas.BQZ", "GRAFIKA/las/sowa.bmp"), folders made as needed.
    std::string write_file(const std::string& relative, const std::string& bytes = "x") const
    {
        const fs::path path = root_ / fs::u8path(relative);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string path_of(const std::string& relative) const { return (root_ / fs::u8path(relative)).string(); }

    // Makes a fresh program whose user does `user_steps` (notes to confirm, ...) while `body`
    // runs as the handler of one menu command; `body` may set up the store first. Returns the
    // transcript lines written while `body` ran.
    std::string run(const std::string& user_steps, const std::function<void(Context&)>& body)
    {
        platform::headless::HeadlessOptions options;
        options.working_dir = root_.string();
        ui_ = std::make_unique<platform::headless::HeadlessToolkit>(
            platform::headless::Script::parse("menu 100\n" + user_steps + "\nclose\n"), options);
        ctx_ = std::make_unique<Context>(*ui_, (root_ / "bazy").string());
        menu_states_ = std::make_unique<app::MenuStates>(*ui_);
        ctx_->events = menu_states_.get();
        platform::TaskWindowDesc desc;
        desc.class_name = "test";
        desc.title = "velk_QZ";
        desc.menu.resource_id = 99;
        desc.menu.items = {{100, {"&Test"}, "&Uruchom", true}};
        desc.handler = [&](const platform::Event& e) {
            if (e.kind == platform::EventKind::Create) ui_->create_aux_window(500);
            if (e.kind != platform::EventKind::Menu) return false;
            body(*ctx_);
            return true;
        };
        ui_->run_task_window(desc);
        ui_->check_script_finished();
        const std::string& all = ui_->transcript();
        const std::string start = "> menu 100 \"&Uruchom\"\n";
        const std::size_t from = all.find(start);
        const std::size_t to = all.rfind("> close");
        if (from == std::string::npos || to == std::string::npos) return all;
        return all.substr(from + start.size(), to - from - start.size());
    }

    fs::path root_;
    std::unique_ptr<platform::headless::HeadlessToolkit> ui_;
    std::unique_ptr<Context> ctx_;
    std::unique_ptr<app::MenuStates> menu_states_;  // the main menu hears the program's events
};

}  // namespace kb::test
