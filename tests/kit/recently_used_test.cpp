#include "kit/recently_used.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const auto any = [](const std::string&) { return true; };

TEST(RecentlyUsed, TheLeastRecentlyUsedGoOnceTheWeightsPassTheBudget)
{
    RecentlyUsed<std::string> kept(10);
    kept.add(1, "a", 4);
    kept.add(2, "b", 4);
    ASSERT_NE(kept.find(1, any), nullptr); // a is now used more lately than b
    kept.add(3, "c", 4);
    EXPECT_EQ(kept.find(2, any), nullptr);
    ASSERT_NE(kept.find(1, any), nullptr);
    EXPECT_EQ(*kept.find(1, any), "a");
    EXPECT_EQ(*kept.find(3, any), "c");
    EXPECT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept.weight(), 8u);
}

TEST(RecentlyUsed, AValueHeavierThanTheBudgetIsKeptAlone)
{
    RecentlyUsed<std::string> kept(10);
    kept.add(1, "a", 4);
    kept.add(2, "heavy", 25);
    EXPECT_EQ(kept.find(1, any), nullptr);
    ASSERT_NE(kept.find(2, any), nullptr);
    EXPECT_EQ(kept.weight(), 25u);
    kept.add(3, "b", 1);
    EXPECT_EQ(kept.find(2, any), nullptr);
    EXPECT_EQ(kept.weight(), 1u);
}

TEST(RecentlyUsed, AValueAddedUnderAKeptKeyTakesItsPlaceAndWeight)
{
    RecentlyUsed<std::string> kept(10);
    kept.add(1, "a", 6);
    kept.add(2, "b", 3);
    kept.add(1, "a again", 2);
    EXPECT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept.weight(), 5u);
    EXPECT_EQ(*kept.find(1, any), "a again");
    // A value found under its key but not the one asked for is not found.
    EXPECT_EQ(kept.find(1, [](const std::string& value) { return value == "a"; }), nullptr);
}

} // namespace
