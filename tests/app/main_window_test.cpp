// The main window's own behaviour below the scenarios: the full menu-state vector after each
// event, the dispatch table against the menu, writes and the line bound of the auxiliary window,
// the help file and the shell's numbered errors.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/main_menu.h"
#include "app/menu_commands.h"
#include "app/menu_states.h"
#include "app/shell_calls.h"
#include "app/start.h"
#include "app/task_win.h"
#include "kb/context.h"
#include "platform/headless/headless_toolkit.h"

namespace {

namespace fs = std::filesystem;
using kb::MenuEvent;
using platform::Event;
using platform::EventKind;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessToolkit;
using platform::headless::Script;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<int> main_menu_items()
{
    std::vector<int> items;
    for (const platform::MenuItem& m : app::main_menu().items)
        if (m.id != 0) items.push_back(m.id);
    return items;
}

// A program in a fresh temporary folder whose main window runs `handler` (by default the
// program's own) with the main menu, the user doing what `script` says.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "velk-main-window-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = fs::canonical(pattern);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    void run(const std::string& script, const std::function<bool(kb::Context&, const Event&)>& handler)
    {
        HeadlessOptions options;
        options.working_dir = dir_.string();
        ui_ = std::make_unique<HeadlessToolkit>(Script::parse(script), options);
        ctx_ = std::make_unique<kb::Context>(*ui_, dir_.string());
        app::MenuStates menu_states(*ui_);
        ctx_->events = &menu_states;
        platform::TaskWindowDesc desc;
        desc.class_name = app::kMainWindowClass;
        desc.title = app::kMainWindowTitle;
        desc.menu = app::main_menu();
        desc.handler = [this, handler](const Event& e) { return handler(*ctx_, e); };
        ui_->run_task_window(desc);
        ctx_->events = nullptr;
        ui_->check_script_finished();
    }

    std::set<int> enabled_items() const
    {
        std::set<int> out;
        for (int item : main_menu_items())
            if (ui_->menu_item_enabled(item)) out.insert(item);
        return out;
    }

    fs::path dir_;
    std::unique_ptr<HeadlessToolkit> ui_;
    std::unique_ptr<kb::Context> ctx_;
};

// ---- Menu states ----------------------------------------------------------------------------

const std::set<int> kIntroItems = {10064, 10070, 10071, 10072, 10087, 10088, 10089, 10097, 10098, 10099, 10107,
                                   10108, 10109, 10115, 10116, 10117, 10120, 10121, 10126, 10127, 10128, 10131,
                                   10132, 10136, 10137, 10138, 10141, 10142, 10151, 10152, 10153, 10154, 10155,
                                   10156, 10157, 10158, 10161, 10162, 10167, 10168, 10169, 10170};

TEST_F(MainWindowTest, FullMenuStateAfterEachEvent)
{
    // Each step: the event, the items it newly enables, the items it greys.
    struct Step {
        MenuEvent event;
        std::set<int> enabled;
        std::set<int> greyed;
    };
    const std::vector<Step> steps = {
        {MenuEvent::IntroClosed, kIntroItems, {}},
        {MenuEvent::RuleBaseLoadStarted, {}, {}},  // 10065 was greyed already
        {MenuEvent::RuleBaseLoaded,
         {10065, 10067, 10068, 10069, 10145, 10146, 10077, 10093, 10103, 10113, 10124, 10134, 10164, 10165, 10160},
         {}},
        {MenuEvent::ExactConstraintBaseLoaded, {10096, 10095, 10147, 10148, 10149, 10100, 10101}, {}},
        {MenuEvent::RedundantRulesFound, {10075}, {10100, 10101}},
        {MenuEvent::ConclusionClashFound, {}, {10164, 10165}},
        {MenuEvent::EditorCloseRequested, {}, {10067, 10068, 10069, 10095, 10096}},
        {MenuEvent::ImportReviewConfirmed, {}, {10065}},
        {MenuEvent::RuleBaseLoadStarted, {}, {}},
        {MenuEvent::RuleBaseLoaded, {10065, 10067, 10068, 10069, 10164, 10165}, {}},
        {MenuEvent::ExactConstraintBaseLoaded, {10095, 10096, 10100, 10101}, {}},
        {MenuEvent::ModelBaseLoaded, {10080, 10081, 10082, 10083, 10084, 10085, 10086}, {}},
        {MenuEvent::UncertainConstraintBaseLoaded, {10105, 10106, 10110, 10111}, {}},
        {MenuEvent::AdviceBaseLoaded, {10114, 10118, 10119, 10122}, {}},
        {MenuEvent::GraphicsBaseLoaded, {10125, 10129, 10130}, {}},
        {MenuEvent::SoundBaseLoaded, {10135, 10139, 10140}, {}},
        {MenuEvent::RuleBaseLoadStarted, {}, {10065}},
        {MenuEvent::ExternalContradictionFound, {10073}, {}},
        {MenuEvent::InternalContradictionFound, {10074}, {}},
        {MenuEvent::ModelContradictionFound, {10090}, {}},
        {MenuEvent::ModelRuleContradictionFound, {10091}, {}},
        {MenuEvent::UncertainJointContradictionFound, {}, {}},
        {MenuEvent::UncertainJointRedundancyFound, {}, {}},
        {MenuEvent::ExactJointContradictionFound, {}, {}},
        {MenuEvent::ExactJointRedundancyFound, {}, {}},
        {MenuEvent::RuleBaseLoaded, {10065}, {}},
    };
    std::vector<std::set<int>> seen;
    run("close\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        seen.push_back(enabled_items());
        for (const Step& step : steps) {
            app::apply_menu_event(ctx.ui, step.event);
            seen.push_back(enabled_items());
        }
        return true;
    });
    ASSERT_EQ(seen.size(), steps.size() + 1);
    EXPECT_TRUE(seen[0].empty()) << "every item starts greyed";
    std::set<int> expected;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (int item : steps[i].greyed) ASSERT_EQ(expected.erase(item), 1u) << "step " << i << " greys " << item;
        for (int item : steps[i].enabled) ASSERT_TRUE(expected.insert(item).second) << "step " << i << " " << item;
        EXPECT_EQ(seen[i + 1], expected) << "after step " << i;
    }
    // Every command of the menu can be reached by some course of events.
    EXPECT_EQ(expected.size(), main_menu_items().size());
}

TEST_F(MainWindowTest, RedundancyFindingGreysTheJointItemsBetweenItsEnablings)
{
    run("close\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        app::apply_menu_event(ctx.ui, MenuEvent::ExactConstraintBaseLoaded);
        app::apply_menu_event(ctx.ui, MenuEvent::RedundantRulesFound);
        return true;
    });
    // Successive enablings share a transcript line.
    EXPECT_TRUE(contains(ui_->transcript(), "menu enabled: 10096 10095 10147 10148 10149 10100 10101 10075\n"
                                            "menu greyed: 10101 10100\n"
                                            "menu enabled: 10067 10068 10069 10077 10093 10113 10124\n"));
}

TEST_F(MainWindowTest, ItemsTheMenuDoesNotHaveAreIgnored)
{
    run("close\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        app::set_menu_items(ctx.ui, {10143, 10064, 99999}, true);
        EXPECT_EQ(enabled_items(), std::set<int>{10064});
        return true;
    });
}

TEST(MenuStateTableTest, EveryRowNamesItemsOfTheMenuAndEveryEventHasOneRow)
{
    const std::vector<int> items = main_menu_items();
    std::set<MenuEvent> events;
    for (const app::MenuStateRow& row : app::menu_state_table()) {
        EXPECT_TRUE(events.insert(row.event).second) << "two rows for event " << static_cast<int>(row.event);
        EXPECT_FALSE(row.changes.empty());
        for (const app::MenuChange& change : row.changes)
            EXPECT_NE(std::find(items.begin(), items.end(), change.item), items.end())
                << "item " << change.item << " is not on the menu";
    }
    EXPECT_EQ(events.size(), static_cast<std::size_t>(MenuEvent::ImportReviewConfirmed) + 1);
    EXPECT_EQ(app::menu_state_row(MenuEvent::IntroClosed).changes.size(), 42u);
}

// ---- Dispatch ------------------------------------------------------------------------------------

TEST(MenuDispatchTest, EveryMenuItemHasExactlyOneCommand)
{
    std::vector<int> commands = app::menu_command_items();
    std::vector<int> items = main_menu_items();
    std::sort(commands.begin(), commands.end());
    std::sort(items.begin(), items.end());
    EXPECT_EQ(std::adjacent_find(commands.begin(), commands.end()), commands.end()) << "an item with two commands";
    EXPECT_EQ(commands, items);
}

TEST_F(MainWindowTest, UnknownKindOfTheLoadOptionFailsSilently)
{
    run("close\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        const std::string before = ui_->transcript();
        EXPECT_FALSE(app::opcja_z_menu_glownego(ctx, 6));
        EXPECT_EQ(ui_->transcript(), before);
        return true;
    });
}

// ---- The auxiliary window --------------------------------------------------------------------------

TEST_F(MainWindowTest, AuxWindowOpensWithTheIntrosCloseAndKeepsTheLast100Lines)
{
    std::vector<std::string> before_intro_closed;
    std::vector<std::string> lines;
    std::vector<std::string> after_renewal;
    run("note \"Uwaga\"\n"  // no intro picture in the folder
        "close \"Witamy w \"\nmenu 10168\nnote\nmenu 10167\nclose\nmessage -> Tak\n",
        [&](kb::Context& ctx, const Event& e) {
            if (e.kind == EventKind::Create) {
                const bool handled = app::task_win_eh(ctx, e);
                ctx.ui.write("przed oknem\n");  // no auxiliary window yet: lost
                before_intro_closed = ui_->aux_lines();
                return handled;
            }
            if (e.kind == EventKind::Menu && e.id == 10168) {
                for (int i = 1; i <= 150; ++i) ctx.ui.write("linia " + std::to_string(i) + "\n");
                ctx.ui.write("niedokończona");
                lines = ui_->aux_lines();
            }
            const bool handled = app::task_win_eh(ctx, e);
            if (e.kind == EventKind::Menu && e.id == 10167) after_renewal = ui_->aux_lines();
            return handled;
        });
    EXPECT_TRUE(before_intro_closed.empty());
    EXPECT_TRUE(contains(ui_->transcript(), "aux (no window): przed oknem\n"));
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front(), "linia 52");  // 99 finished lines and the unfinished one
    EXPECT_EQ(lines.back(), "niedokończona");
    EXPECT_TRUE(after_renewal.empty()) << "10167 replaces the window by an empty one";
}

// ---- Shell calls ---------------------------------------------------------------------------------

TEST(ShellCallsTest, ResultsBelow32RaiseTheErrorOfThatNumber)
{
    struct Case {
        long long result;
        int number;  // -1: success
    };
    for (const Case c : {Case{0, 0}, Case{2, 2}, Case{31, 31}, Case{32, -1}, Case{42, -1}, Case{-5, 0}}) {
        if (c.number < 0) {
            EXPECT_NO_THROW(app::check_hinstance(c.result, "velk_QZ.chm")) << c.result;
            continue;
        }
        try {
            app::check_hinstance(c.result, "velk_QZ.chm");
            ADD_FAILURE() << c.result << " raised nothing";
        } catch (const app::NumberedRunTimeError& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_TRUE(contains(error.what(), "velk_QZ.chm"));
        }
    }
}

// The help file is looked for in the program's current directory, the one every load moves to
// the folder of its base, whatever the case of its name on disk.
TEST_F(MainWindowTest, HelpLooksForItsFileInTheCurrentDirectory)
{
    fs::create_directory(dir_ / "BAZY");
    std::ofstream(dir_ / "BAZY" / "VELK_qz.CHM") << "pomoc\n";
    std::vector<bool> results;
    run("note \"Pomoc\"\nclose\n", [&](kb::Context& ctx, const Event& e) {
        if (e.kind != EventKind::Create) return false;
        results.push_back(app::polecenie_menu(ctx, 10169));  // the start folder holds no help file
        ctx.files.set_current_dir((dir_ / "BAZY").string());
        results.push_back(app::polecenie_menu(ctx, 10169));
        return true;
    });
    EXPECT_EQ(results, (std::vector<bool>{false, true}));
    EXPECT_TRUE(contains(ui_->transcript(), "note \"Pomoc\": \"Brak pliku pomocy velk_QZ.chm w katalogu <dir>.\"\n"));
    EXPECT_TRUE(contains(ui_->transcript(), "shell open \"BAZY/VELK_qz.CHM\" maximised -> 42\n"));
}

}  // namespace
