// Computations in parts side by side: every part runs once whatever the count, a computation
// asked for inside a part or by two threads at once still ends, and exceptions are raised once
// all parts have ended.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/side_by_side.h"

namespace {

using platform::run_each;
using platform::run_side_by_side;

// How many times each part ran.
std::vector<int> runs_of(std::size_t parts)
{
    std::vector<std::atomic<int>> runs(parts);
    run_side_by_side(parts, [&](std::size_t i) { runs[i].fetch_add(1); });
    return std::vector<int>(runs.begin(), runs.end());
}

TEST(SideBySide, EveryPartRunsOnceWhateverTheirCount)
{
    for (int round = 0; round < 3; ++round)
        for (const std::size_t parts : {0u, 1u, 2u, 7u, 8u, 9u, 100u})
            EXPECT_EQ(runs_of(parts), std::vector<int>(parts, 1)) << parts << " parts, round " << round;
}

TEST(SideBySide, APartThatAsksForPartsOfItsOwnGetsThem)
{
    std::vector<std::vector<int>> inner(4);
    run_side_by_side(4, [&](std::size_t i) { inner[i] = runs_of(5); });
    for (const auto& runs : inner) EXPECT_EQ(runs, std::vector<int>(5, 1));
}

TEST(SideBySide, TwoThreadsAskingAtOnceBothGetTheirParts)
{
    std::vector<int> first, second;
    {
        std::jthread other([&] {
            for (int i = 0; i < 50; ++i) second = runs_of(6);
        });
        for (int i = 0; i < 50; ++i) first = runs_of(6);
    }
    EXPECT_EQ(first, std::vector<int>(6, 1));
    EXPECT_EQ(second, std::vector<int>(6, 1));
}

TEST(SideBySide, TheLowestFailingPartsExceptionIsRaisedOnceAllHaveRun)
{
    std::vector<std::atomic<int>> runs(9);
    try {
        run_side_by_side(9, [&](std::size_t i) {
            runs[i].fetch_add(1);
            if (i == 3 || i == 7) throw std::runtime_error("part " + std::to_string(i));
        });
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "part 3");
    }
    EXPECT_EQ(std::vector<int>(runs.begin(), runs.end()), std::vector<int>(9, 1));
    EXPECT_EQ(runs_of(9), std::vector<int>(9, 1));  // the threads serve the next computation
}

TEST(SideBySide, TasksRunOnceEachApartOrInTheirOrder)
{
    for (const bool apart : {false, true}) {
        std::vector<int> order(3, -1);
        std::atomic<int> step{0};
        run_each(apart, [&] { order[0] = step++; }, [&] { order[1] = step++; }, [&] { order[2] = step++; });
        EXPECT_EQ(step, 3);
        if (!apart) {
            EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
        }
        std::atomic<int> ran{0};
        EXPECT_THROW(run_each(
                         apart, [&] { ++ran; }, [&]() -> void { ++ran; throw std::invalid_argument("second"); },
                         [&]() -> void { ++ran; throw std::out_of_range("third"); }),
                     std::invalid_argument);
        EXPECT_EQ(ran, 3);
    }
}

}  // namespace
