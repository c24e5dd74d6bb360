#include "basics/CStringTokeniser.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Corvane::Basics::CString;
using Corvane::Basics::CStringTokeniser;

namespace {

std::vector<std::string> allTokens(CStringTokeniser& tokeniser)
{
    std::vector<std::string> tokens;
    CString token;
    while (tokeniser.getNextToken(token)) {
        tokens.emplace_back(token.getString());
    }
    return tokens;
}

}  // namespace

using Tokens = std::vector<std::string>;

TEST(StringTokeniser, CountsAndHandsOutNonEmptyTokens)
{
    const struct {
        const char* text;
        char separator;
        long count;
        Tokens tokens;
    } cases[] = {
        {"1,2,3,4", ',', 4, {"1", "2", "3", "4"}},
        {"Arial 11 bold", ' ', 3, {"Arial", "11", "bold"}},
        {"a,,b", ',', 2, {"a", "b"}},
        {",,x,y,", ',', 2, {"x", "y"}},
        {"_a,b", ',', 1, {"_a"}},  // a leading underscore keeps the first token out of the count
        {"", ',', 0, {}},
        {",,,", ',', 0, {}},
    };
    for (const auto& c : cases) {
        CStringTokeniser tokeniser(CString(c.text), c.separator);
        EXPECT_EQ(tokeniser.getNumberOfTokens(), c.count) << c.text;
        EXPECT_EQ(allTokens(tokeniser), c.tokens) << c.text;
        EXPECT_FALSE(tokeniser.hasMoreTokens());
    }
}

TEST(StringTokeniser, OneArgumentFormsCountOnRequestAndOverlongTextIsCut)
{
    CStringTokeniser tokeniser("1;2");
    EXPECT_FALSE(tokeniser.hasMoreTokens());
    EXPECT_EQ(tokeniser.getNextToken(), nullptr);
    tokeniser.setTokenizationCharacter(';');
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 2);
    EXPECT_EQ(allTokens(tokeniser), (Tokens{"1", "2"}));

    // A new text rewinds; with a stale count, reading still comes to an end.
    tokeniser.setStringToTokenize("7");
    const Tokens stale = allTokens(tokeniser);
    ASSERT_EQ(stale.size(), 2u);
    EXPECT_EQ(stale[0], "7");
    tokeniser.setStringToTokenize(nullptr);  // ignored
    // Recounting fewer tokens than were handed out ends the reading.
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 1);
    EXPECT_FALSE(tokeniser.hasMoreTokens());
    EXPECT_TRUE(allTokens(tokeniser).empty());
    tokeniser.setTokenizationCharacter(',');
    EXPECT_EQ(allTokens(tokeniser), (Tokens{"7"}));

    // Overlong text is cut to the buffer.
    std::string text(3000, 'a');
    text[100] = ',';
    tokeniser.setStringToTokenize(text.c_str());
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 2);
    const Tokens tokens = allTokens(tokeniser);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].size(), 100u);
    EXPECT_EQ(tokens[1].size(), static_cast<std::size_t>(CStringTokeniser::CSTRINGTOKENISER_MAX_LENGTH - 101));
}
