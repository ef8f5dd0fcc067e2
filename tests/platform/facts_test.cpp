// The enumeration rule of the fact store: what a walk hands out while its body adds and
// removes facts of the very name it walks. Pure in-memory tests of facts::FactList.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/facts.h"

namespace {

using facts::FactList;

FactList<int> list_of(std::initializer_list<int> values)
{
    FactList<int> list;
    for (int v : values) list.add_last(v);
    return list;
}

// Walks the list; after handing out `at` the body runs once. Returns what the walk handed out.
std::vector<int> walk(FactList<int>& list, int at, const std::function<void(FactList<int>&)>& body)
{
    std::vector<int> seen;
    list.each([&](int v) {
        seen.push_back(v);
        if (v == at) body(list);
    });
    return seen;
}

struct WalkCase {
    const char* what;
    std::vector<int> start;
    int at;
    std::function<void(FactList<int>&)> body;
    std::vector<int> handed_out;
    std::vector<int> after;
};

TEST(FactListWalk, ChangesDuringAWalkFollowTheRule)
{
    const std::vector<WalkCase> cases = {
        {"add last while the handed-out fact is not last: handed out later", {1, 2, 3}, 1,
         [](auto& l) { l.add_last(4); }, {1, 2, 3, 4}, {1, 2, 3, 4}},
        {"add last while the handed-out fact is last: the walk ends without it", {1, 2, 3}, 3,
         [](auto& l) { l.add_last(4); }, {1, 2, 3}, {1, 2, 3, 4}},
        {"add last after removing the rest: the handed-out fact was not last", {1, 2, 3}, 1,
         [](auto& l) { l.remove_first_equal(2); l.remove_first_equal(3); l.add_last(4); },
         {1, 4}, {1, 4}},
        {"add first is never handed out", {1, 2, 3}, 2,
         [](auto& l) { l.add_first(0); }, {1, 2, 3}, {0, 1, 2, 3}},
        {"add first at the very first fact", {1}, 1,
         [](auto& l) { l.add_first(0); }, {1}, {0, 1}},
        {"a removed fact not yet reached is skipped", {1, 2, 3, 4}, 1,
         [](auto& l) { l.remove_first_equal(3); }, {1, 2, 4}, {1, 2, 4}},
        {"removing the fact just handed out does not disturb the walk", {1, 2, 3}, 2,
         [](auto& l) { l.remove_first_equal(2); }, {1, 2, 3}, {1, 3}},
        {"removing the current and the next fact goes on after them", {1, 2, 3, 4}, 2,
         [](auto& l) { l.remove_first_equal(2); l.remove_first_equal(3); }, {1, 2, 4}, {1, 4}},
        {"remove all ends the walk", {1, 2, 3}, 1,
         [](auto& l) { l.remove_all(); }, {1}, {}},
        {"set (remove all, add last) on a single fact ends the walk", {1}, 1,
         [](auto& l) { l.set(9); }, {1}, {9}},
    };
    for (const auto& c : cases) {
        FactList<int> list;
        for (int v : c.start) list.add_last(v);
        EXPECT_EQ(walk(list, c.at, c.body), c.handed_out) << c.what;
        EXPECT_EQ(list.all(), c.after) << c.what;
    }
}

TEST(FactListWalk, EachAddedFactIsHandedOutWhileTheWalkHasNotReachedTheLast)
{
    // Each hand-out adds one fact while the list is shorter than 6: the walk keeps up.
    FactList<int> list = list_of({1, 2});
    std::vector<int> seen;
    list.each([&](int v) {
        seen.push_back(v);
        if (list.size() < 6) list.add_last(static_cast<int>(list.size()) + 1);
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST(FactListWalk, ManyRemovalsCompactTombstonesWithoutDisturbingTheWalk)
{
    FactList<int> list;
    for (int i = 0; i < 300; ++i) list.add_last(i);
    list.add_first(-1);
    std::vector<int> seen;
    list.each([&](int v) {
        seen.push_back(v);
        if (v == 10) {
            // Enough removals to compact (far more dead than live), then changes at both ends.
            list.remove_if([](int x) { return x > 10 && x < 290; });
            list.remove_first_equal(10);
            list.add_first(-2);
            list.add_last(300);
        }
        if (v == 295) list.remove_first_equal(296);
    });
    std::vector<int> expected = {-1};
    for (int i = 0; i <= 10; ++i) expected.push_back(i);
    for (int i : {290, 291, 292, 293, 294, 295, 297, 298, 299, 300}) expected.push_back(i);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(list.size(), 22u);
    EXPECT_EQ(list.first(), -2);
}

TEST(FactListWalk, RemovingOneFactAtATimeCompactsMidWalkWithoutSkippingOrRepeating)
{
    // Far more than the tombstone threshold, so remove_first compacts while the walk runs.
    constexpr int n = 300;
    struct Case {
        const char* what;
        std::function<void(FactList<int>&, int)> body;  // after handing out v
        std::vector<int> handed_out;
        std::vector<int> after;
    };
    std::vector<int> all, every_third, last_hundred;
    for (int i = 0; i < n; ++i) {
        all.push_back(i);
        if (i % 3 == 0) every_third.push_back(i);
        if (i >= n - 100) last_hundred.push_back(i);
    }
    const std::vector<Case> cases = {
        {"the fact just handed out", [](auto& l, int v) { l.remove_first_equal(v); }, all, {}},
        {"the two facts after it",
         [](auto& l, int v) {
             l.remove_first_equal(v + 1);
             l.remove_first_equal(v + 2);
         },
         every_third, every_third},
        {"the fact just handed out, adding one last for each of the first ten",
         [](auto& l, int v) {
             l.remove_first_equal(v);
             if (v < 10) l.add_last(n + v);
         },
         [&] {
             std::vector<int> seen = all;
             for (int v = 0; v < 10; ++v) seen.push_back(n + v);
             return seen;
         }(),
         {}},
        {"the first fact, a hundred behind the walk",
         [](auto& l, int v) {
             if (v >= 100) l.remove_first([](int) { return true; });
         },
         all, last_hundred},
    };
    for (const auto& c : cases) {
        FactList<int> list;
        for (int v : all) list.add_last(v);
        std::vector<int> seen;
        list.each([&](int v) {
            seen.push_back(v);
            c.body(list, v);
        });
        EXPECT_EQ(seen, c.handed_out) << c.what;
        EXPECT_EQ(list.all(), c.after) << c.what;
    }
}

TEST(FactListWalk, TwoInterleavedReadersEachFollowTheRule)
{
    FactList<int> list = list_of({1, 2, 3});
    auto outer = list.reader();
    EXPECT_EQ(outer.next(), 1);
    auto inner = list.reader();
    EXPECT_EQ(inner.next(), 1);
    EXPECT_EQ(inner.next(), 2);
    EXPECT_EQ(inner.next(), 3);  // last when handed out: inner ends here
    list.add_last(4);
    EXPECT_EQ(inner.next(), std::nullopt);
    EXPECT_EQ(outer.next(), 2);
    EXPECT_EQ(outer.next(), 3);
    EXPECT_EQ(outer.next(), 4);
    EXPECT_EQ(outer.next(), std::nullopt);
}

TEST(FactListWalk, BodyReturningTrueStopsTheWalk)
{
    FactList<int> list = list_of({1, 2, 3});
    std::vector<int> seen;
    list.each([&](int v) {
        seen.push_back(v);
        return v == 2;
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST(FactListScan, SeesEveryLiveFactInOrderAndStopsOnTrue)
{
    FactList<int> list = list_of({1, 2, 3, 4});
    list.remove_first_equal(2);
    list.add_first(0);
    std::vector<int> seen;
    list.scan([&](const int& v) { seen.push_back(v); });
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 3, 4}));
    seen.clear();
    list.scan([&](const int& v) {
        seen.push_back(v);
        return v == 1;
    });
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
}

TEST(FactListScan, ABodyThatChangesTheScannedListIsStopped)
{
    // A scan hands out facts in place: a change would move them under it, so it throws instead.
    const std::vector<std::pair<const char*, std::function<void(FactList<int>&)>>> changes = {
        {"add last", [](auto& l) { l.add_last(9); }},
        {"add first", [](auto& l) { l.add_first(9); }},
        {"remove", [](auto& l) { l.remove_first_equal(3); }},
        {"remove all", [](auto& l) { l.remove_all(); }},
    };
    for (const auto& [what, change] : changes) {
        FactList<int> list = list_of({1, 2, 3});
        EXPECT_THROW(list.scan([&](const int&) { change(list); }), std::logic_error) << what;
    }
    // Other lists are free to change.
    FactList<int> list = list_of({1, 2});
    FactList<int> other;
    list.scan([&](const int& v) { other.add_last(v); });
    EXPECT_EQ(other.all(), (std::vector<int>{1, 2}));
}

TEST(FactListScan, SharesTogetherSeeWhatOneScanSees)
{
    // Lists of a few facts and of many blocks, with facts added at the front and removed.
    for (const int count : {0, 1, 7, 100, 40000}) {
        FactList<int> list;
        for (int i = 0; i < count; ++i) list.add_last(i);
        for (int i = 1; i <= count / 10; ++i) list.add_first(-i);
        list.remove_if([](int x) { return x % 7 == 3; });
        for (const std::size_t shares : {1u, 2u, 3u, 8u, 500u}) {
            std::vector<int> seen;
            for (std::size_t s = 0; s < shares; ++s) list.scan_share(s, shares, [&](const int& v) { seen.push_back(v); });
            EXPECT_EQ(seen, list.all()) << count << " facts in " << shares << " shares";
        }
    }
}

TEST(FactList, ReadsOfANameWithoutFactsFail)
{
    FactList<std::string> list;
    EXPECT_EQ(list.first(), std::nullopt);
    EXPECT_FALSE(list.contains("TAK"));
    EXPECT_FALSE(list.remove_first_equal("TAK"));
    list.remove_all();  // succeeds on nothing
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.reader().next(), std::nullopt);
    int calls = 0;
    list.each([&](const std::string&) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST(FactList, StringsDifferingInCaseOrTrailingBlankAreDifferentValues)
{
    FactList<std::string> list;
    list.add_last("TAK");
    EXPECT_TRUE(list.contains("TAK"));
    EXPECT_FALSE(list.contains("Tak"));
    EXPECT_FALSE(list.contains("TAK "));
}

TEST(FactList, RemoveFirstMatchKeepsTheOrderOfTheOthers)
{
    FactList<int> list = list_of({1, 2, 1, 3});
    EXPECT_TRUE(list.remove_first_equal(1));
    EXPECT_EQ(list.all(), (std::vector<int>{2, 1, 3}));
    list.add_first(0);
    EXPECT_EQ(list.collect([](int v) { return v != 2; }), (std::vector<int>{0, 1, 3}));
}

// The rule as the plainest code says it: every fact ever added keeps its key and a flag, a walk
// looks for the first live fact with a key above the one it handed out last.
class ReferenceList {
public:
    void add_last(int v) { facts_.push_back({next_back_++, true, v}); }
    void add_first(int v) { facts_.insert(facts_.begin(), {next_front_--, true, v}); }
    void remove_first_equal(int v)
    {
        for (Fact& f : facts_)
            if (f.alive && f.value == v) {
                f.alive = false;
                return;
            }
    }
    void remove_if_divisible(int k)
    {
        for (Fact& f : facts_)
            if (f.value % k == 0) f.alive = false;
    }
    std::vector<int> all() const
    {
        std::vector<int> out;
        for (const Fact& f : facts_)
            if (f.alive) out.push_back(f.value);
        return out;
    }
    // The fact after `key` (the first with started false), and whether it was the last live one.
    const int* next(std::int64_t key, bool started, bool* last) const
    {
        auto it = std::find_if(facts_.begin(), facts_.end(),
                               [&](const Fact& f) { return f.alive && (!started || f.key > key); });
        if (it == facts_.end()) return nullptr;
        *last = std::none_of(it + 1, facts_.end(), [](const Fact& f) { return f.alive; });
        last_key_ = it->key;
        return &it->value;
    }
    mutable std::int64_t last_key_ = 0;

private:
    struct Fact {
        std::int64_t key;
        bool alive;
        int value;
    };
    std::vector<Fact> facts_;
    std::int64_t next_back_ = 0;
    std::int64_t next_front_ = -1;
};

// Thousands of facts over many blocks, added at both ends, removed one by one and in bulk (which
// compacts), walked while the walk's body changes the list: the list hands out and holds
// exactly what the plain rule says.
TEST(FactListWalk, ManyFactsOverManyBlocksFollowTheRuleAsThePlainestCodeDoes)
{
    std::mt19937 random(12345);
    FactList<int> list;
    ReferenceList reference;
    int value = 0;
    const auto change = [&](FactList<int>& l) {
        switch (random() % 6) {
        case 0:
        case 1: l.add_last(value), reference.add_last(value), ++value; break;
        case 2: l.add_first(value), reference.add_first(value), ++value; break;
        case 3: {
            const int v = static_cast<int>(random() % static_cast<unsigned>(value + 1));
            l.remove_first_equal(v);
            reference.remove_first_equal(v);
            break;
        }
        case 4:
            if (random() % 50 == 0) {
                const int k = 2 + static_cast<int>(random() % 3);
                l.remove_if([&](int x) { return x % k == 0; });
                reference.remove_if_divisible(k);
            }
            break;
        default: break;
        }
    };
    for (int i = 0; i < 8000; ++i) change(list);
    ASSERT_EQ(list.all(), reference.all());
    ASSERT_GT(list.size(), 800u);  // some ten blocks
    for (int round = 0; round < 3; ++round) {
        std::vector<int> seen;
        std::vector<int> expected;
        bool started = false;
        bool ended = false;
        std::int64_t key = 0;
        list.each([&](int v) {
            seen.push_back(v);
            bool last = false;
            const int* e = ended ? nullptr : reference.next(key, started, &last);
            if (e) {
                expected.push_back(*e);
                key = reference.last_key_;
                started = true;
                ended = last;
            }
            for (int k = 0; k < 3; ++k) change(list);
        });
        bool last = false;
        if (!ended && reference.next(key, started, &last)) ADD_FAILURE() << "the walk ended early";
        ASSERT_EQ(seen, expected) << "round " << round;
        ASSERT_EQ(list.all(), reference.all()) << "round " << round;
    }
    const FactList<int> copy = list;
    EXPECT_EQ(copy.all(), list.all());
}

// Taking over another list's facts: they come after this list's, in their order, as added last
// (a walk under way that has not reached the last fact goes on into them), and the other list
// is left empty and usable.
TEST(FactList, TakingAllOfAnotherListAddsItsFactsLastInTheirOrder)
{
    FactList<int> list;
    for (int i = 0; i < 5000; ++i) list.add_last(i);
    FactList<int> other;
    for (int i = 1; i <= 3000; ++i) other.add_first(-i);
    other.remove_if([](int x) { return x % 2 != 0; });
    std::vector<int> expected = list.all();
    const std::vector<int> taken = other.all();
    expected.insert(expected.end(), taken.begin(), taken.end());

    auto reader = list.reader();
    ASSERT_EQ(reader.next(), 0);
    list.take_all(other);
    EXPECT_EQ(list.all(), expected);
    EXPECT_EQ(list.size(), expected.size());
    EXPECT_TRUE(other.empty());
    std::vector<int> rest = {0};
    while (auto v = reader.next()) rest.push_back(*v);
    EXPECT_EQ(rest, expected);

    other.add_last(7);
    list.add_last(8);
    EXPECT_EQ(other.all(), std::vector<int>{7});
    EXPECT_EQ(list.all().back(), 8);
    EXPECT_EQ(list.size(), expected.size() + 1);
}

}  // namespace
