// Finding a topic of the context-help file by its number: headings only at the start of a line,
// the first topic of a number, blank lines around a topic's text dropped.
#include "platform/help_file.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(HelpFile, FindsTheTopicByItsNumber)
{
    const std::string file =
        "Wstęp bez numeru\n"
        "[1] Okna przeglądu\r\n"
        "\n"
        "Pierwszy wiersz.\n"
        "  [2] nie jest nagłówkiem\n"
        "\n"
        "[2]\n"
        "Bez tytułu.\n"
        "[x] też nie\n"
        "[3]   Ostatni   \n"
        "[1] Powtórzony\n"
        "Nie ten.\n";
    struct Case {
        int context;
        std::optional<HelpTopic> topic;
    };
    const Case cases[] = {
        {1, HelpTopic{1, "Okna przeglądu", "Pierwszy wiersz.\n  [2] nie jest nagłówkiem"}},
        {2, HelpTopic{2, "", "Bez tytułu.\n[x] też nie"}},
        {3, HelpTopic{3, "Ostatni", ""}},
        {4, std::nullopt},
        {0, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(help_topic(file, c.context), c.topic) << c.context;
    EXPECT_EQ(help_topic("", 1), std::nullopt);
}

}  // namespace
}  // namespace platform
