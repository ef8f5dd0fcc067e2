// The cached kinds of operation names answer as the predicates on their texts, also when many
// names pass through the cache and push each other out of it.
#include "kb/rodzaje_operacji.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kb/widoki_modeli.h"

namespace kb {
namespace {

TEST(RodzajeOperacji, AsThePredicatesOfTheTexts)
{
    std::vector<std::string> slowa = {"", "x", "+ ", "min", "<=,<"};
    slowa.insert(slowa.end(), operacje_dwuargumentowe.begin(), operacje_dwuargumentowe.end());
    slowa.insert(slowa.end(), operacje_jednoargumentowe.begin(), operacje_jednoargumentowe.end());
    slowa.insert(slowa.end(), operacje_listowe.begin(), operacje_listowe.end());
    slowa.insert(slowa.end(), relacje.begin(), relacje.end());
    slowa.insert(slowa.end(), relacje_przedzialowe.begin(), relacje_przedzialowe.end());
    for (int i = 0; i < 2000; ++i) slowa.push_back("operacja_" + std::to_string(i));

    RodzajeOperacji op;
    for (int przebieg = 0; przebieg < 2; ++przebieg)
        for (const std::string& s : slowa) {
            const facts::Name n(s);
            EXPECT_EQ(op.jest(n, RodzajOperacji::dwuargumentowa), jest_operacja_dwuargumentowa(s)) << s;
            EXPECT_EQ(op.jest(n, RodzajOperacji::jednoargumentowa), jest_operacja_jednoargumentowa(s)) << s;
            EXPECT_EQ(op.arytmetyczna(n), jest_operacja_arytmetyczna(s)) << s;
            EXPECT_EQ(op.jest(n, RodzajOperacji::listowa), jest_operacja_listowa(s)) << s;
            EXPECT_EQ(op.jest(n, RodzajOperacji::relacja), jest_relacja(s)) << s;
            EXPECT_EQ(op.jest(n, RodzajOperacji::relacja_przedzialowa), jest_relacja_przedzialowa(s)) << s;
        }
}

}  // namespace
}  // namespace kb
