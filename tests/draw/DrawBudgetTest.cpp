#include "DrawBudget.h"

#include <gtest/gtest.h>

#include <climits>

using namespace veridi;

namespace {

TEST(DrawBudget, EstimatesOnlyWhatLiesOnThePage) {
    const DrawBudget budget(QSize(100, 50));
    struct Case {
        const char* name;
        qint64 cost;
        qint64 expected;
    };
    const Case cases[] = {
        {"thin line", budget.lineCost({0, 0}, {10, 0}, 1), 32 + 11},
        {"thin line, pen 0", budget.lineCost({0, 0}, {0, 10}, 0), 32 + 11},
        {"line beyond both edges", budget.lineCost({-1000000000, 0}, {1000000000, 0}, 1), 32 + 101},
        {"line over the whole 32-bit range", budget.lineCost({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 1),
         32 + 101},
        {"wide pen with its round ends", budget.lineCost({0, 0}, {99, 0}, 10), 32 + (100 * 10 + 10 * 10) / 4},
        {"pen wider than the page", budget.lineCost({0, 0}, {99, 0}, INT_MAX), 32 + 100 * 50 / 4},
        {"text", budget.textCost(10, 20), 32 + 10 * (8 + 20 * 20 / 4)},
        {"letters higher than the page", budget.textCost(2, -100000), 32 + 2 * (8 + 100 * 50 / 4)},
        {"picture partly off the page", budget.pictureCost({150, -20}, {-50, 20}), 32 + 100 * 20 / 4},
        {"picture off the page", budget.pictureCost({INT_MIN, INT_MIN}, {-1, -1}), 32},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.cost, c.expected) << c.name;
}

TEST(DrawBudget, RefusesWorkBeyondThirtyTwoPagesOfPixels) {
    DrawBudget small(QSize(10, 10)); // a small page still gets a million pixels' worth
    EXPECT_TRUE(small.spend(32'000'000));
    EXPECT_FALSE(small.exhausted());
    EXPECT_FALSE(small.spend(1));
    EXPECT_TRUE(small.exhausted());

    DrawBudget large(QSize(2000, 1000));
    EXPECT_FALSE(large.spend(64'000'001));
    EXPECT_TRUE(large.spend(64'000'000)); // a refused spend takes nothing
}

} // namespace
