#include <gtest/gtest.h>

#include <vector>

#include "platform/unique_resource.h"

namespace realsuffix {
namespace {

std::vector<int> released;

struct CountingPolicy {
    using Handle = int;
    static Handle invalid() { return -1; }
    static void release(Handle handle) { released.push_back(handle); }
};
using Owned = UniqueResource<CountingPolicy>;

class UniqueResourceTest : public ::testing::Test {
protected:
    void SetUp() override { released.clear(); }
};

TEST_F(UniqueResourceTest, ReleasesOnceAtScopeEnd) {
    { Owned owned(7); EXPECT_TRUE(owned); }
    EXPECT_EQ(released, std::vector<int>{7});
}

TEST_F(UniqueResourceTest, EmptyReleasesNothing) {
    { Owned owned; EXPECT_FALSE(owned); }
    EXPECT_TRUE(released.empty());
}

TEST_F(UniqueResourceTest, MoveTransfersOwnership) {
    {
        Owned first(3);
        Owned second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 3);
        Owned third(4);
        third = std::move(second);  // releases 4, takes 3
        EXPECT_EQ(released, std::vector<int>{4});
    }
    EXPECT_EQ(released, (std::vector<int>{4, 3}));
}

TEST_F(UniqueResourceTest, ReleaseGivesUpWithoutClosing) {
    Owned owned(5);
    EXPECT_EQ(owned.release(), 5);
    EXPECT_FALSE(owned);
    EXPECT_TRUE(released.empty());
}

TEST_F(UniqueResourceTest, PutAndResetReleaseFirst) {
    Owned owned(1);
    *owned.put() = 2;
    EXPECT_EQ(released, std::vector<int>{1});
    owned.reset(9);
    EXPECT_EQ(released, (std::vector<int>{1, 2}));
    EXPECT_EQ(owned.get(), 9);
}

}  // namespace
}  // namespace realsuffix
