// The memo of a function of names answers as the function on the names' texts, also when many
// names pass through it and push each other out of their slots, and it works each name out once
// while the name keeps its slot.
#include "kb/name_memo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace kb {
namespace {

TEST(NameMemo, AsTheFunctionOfTheTextsWhateverTheNamesMet)
{
    std::vector<std::string> slowa = {"", "0", "1", "1.0", "-0", " 2.5", "bez warunku", "x"};
    for (int i = 0; i < 2000; ++i) slowa.push_back(i % 2 ? std::to_string(i) + ".5" : "zmienna_" + std::to_string(i));
    NameMemo<std::optional<double>> liczby;
    for (int przebieg = 0; przebieg < 2; ++przebieg)
        for (const std::string& s : slowa)
            EXPECT_EQ(liczby.of(facts::Name(s), text::text_to_real), text::text_to_real(s)) << s;
}

TEST(NameMemo, WorksANameOutOnceWhileItKeepsItsSlot)
{
    const facts::Name a("pamiec_a");
    int razy = 0;
    NameMemo<bool> memo;
    const auto licz = [&](std::string_view t) {
        ++razy;
        return t == "pamiec_a";
    };
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(memo.of(a, licz));
    EXPECT_EQ(razy, 1);
    EXPECT_FALSE(memo.of(facts::Name("pamiec_b"), licz));
}

}  // namespace
}  // namespace kb
