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
    while (tokeniser.getNextToken(token))
    {
        tokens.emplace_back(token.getString());
    }
    return tokens;
}

} // namespace

TEST(StringTokeniser, CountsAndHandsOutTokens)
{
    CStringTokeniser numbers("1,2,3,4", ',');
    EXPECT_EQ(numbers.getNumberOfTokens(), 4);
    EXPECT_EQ(allTokens(numbers), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_FALSE(numbers.hasMoreTokens());
    EXPECT_EQ(numbers.getNextToken(), nullptr);

    CStringTokeniser spaces(CString("Arial 11 bold"), ' ');
    EXPECT_EQ(allTokens(spaces), (std::vector<std::string>{"Arial", "11", "bold"}));
}

TEST(StringTokeniser, CountingRules)
{
    EXPECT_EQ(CStringTokeniser("a,,b", ',').getNumberOfTokens(), 2);
    EXPECT_EQ(CStringTokeniser(",a,b,", ',').getNumberOfTokens(), 2);
    EXPECT_EQ(CStringTokeniser("_a,b", ',').getNumberOfTokens(), 1);
    EXPECT_EQ(CStringTokeniser("", ',').getNumberOfTokens(), 0);
    EXPECT_EQ(CStringTokeniser(",,,", ',').getNumberOfTokens(), 0);
}

TEST(StringTokeniser, EmptyTokensAreSkippedWhenReading)
{
    CStringTokeniser doubled("a,,b", ',');
    EXPECT_EQ(allTokens(doubled), (std::vector<std::string>{"a", "b"}));
    CStringTokeniser edges(",,x,y,", ',');
    EXPECT_EQ(allTokens(edges), (std::vector<std::string>{"x", "y"}));
}

TEST(StringTokeniser, OneArgumentFormsCountOnRequest)
{
    CStringTokeniser tokeniser("1;2");
    EXPECT_FALSE(tokeniser.hasMoreTokens());
    EXPECT_EQ(tokeniser.getNextToken(), nullptr);
    tokeniser.setTokenizationCharacter(';');
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 2);
    EXPECT_EQ(allTokens(tokeniser), (std::vector<std::string>{"1", "2"}));

    // A new text rewinds; with a stale count, reading still comes to an end.
    tokeniser.setStringToTokenize("7");
    const std::vector<std::string> stale = allTokens(tokeniser);
    ASSERT_EQ(stale.size(), 2u);
    EXPECT_EQ(stale[0], "7");
    tokeniser.setStringToTokenize(nullptr); // ignored
    // Recounting fewer tokens than were handed out ends the reading.
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 1);
    EXPECT_FALSE(tokeniser.hasMoreTokens());
    EXPECT_TRUE(allTokens(tokeniser).empty());
    tokeniser.setTokenizationCharacter(',');
    EXPECT_EQ(allTokens(tokeniser), (std::vector<std::string>{"7"}));
}

TEST(StringTokeniser, OverlongTextIsCutToTheBuffer)
{
    std::string text(3000, 'a');
    text[100] = ',';
    CStringTokeniser tokeniser(text.c_str(), ',');
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 2);
    const std::vector<std::string> tokens = allTokens(tokeniser);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].size(), 100u);
    EXPECT_EQ(tokens[1].size(), static_cast<std::size_t>(CStringTokeniser::CSTRINGTOKENISER_MAX_LENGTH - 101));

    tokeniser.setStringToTokenize(text.c_str());
    EXPECT_EQ(tokeniser.getNumberOfTokens(), 2);
}
