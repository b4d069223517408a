#include "framework/owned_handle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Stands in for a release function: records which handles were released.
std::vector<int*> released;
void Release(int* handle) {
    released.push_back(handle);
}
using OwnedInt = OwnedHandle<int*, &Release>;

class OwnedHandles : public testing::Test {
protected:
    OwnedHandles() { released.clear(); }
    int first = 1;
    int second = 2;
};

TEST_F(OwnedHandles, ReleaseOnceWhenReplacedOrEndedAndNeverWhenEmpty) {
    {
        OwnedInt empty;
        OwnedInt owner(&first);
        owner.Reset(&second);
        EXPECT_EQ(released, std::vector<int*>{&first});
        EXPECT_EQ(owner.Get(), &second);
    }
    EXPECT_EQ(released, (std::vector<int*>{&first, &second}));
}

TEST_F(OwnedHandles, MovingHandsOverOwnershipWithoutReleasing) {
    {
        OwnedInt from(&first);
        OwnedInt to(std::move(from));
        EXPECT_FALSE(from);
        EXPECT_EQ(to.Get(), &first);
        OwnedInt other(&second);
        other = std::move(to);
        // The handle the target held goes; the moved one stays owned, once.
        EXPECT_EQ(released, std::vector<int*>{&second});
        EXPECT_EQ(other.Get(), &first);
        EXPECT_EQ(other.Release(), &first);
        EXPECT_FALSE(other);
    }
    EXPECT_EQ(released, std::vector<int*>{&second});
}

TEST_F(OwnedHandles, AKernelHandleIsClosedWithItsOwner) {
    HANDLE raw = nullptr;
    {
        const OwnedKernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        ASSERT_TRUE(event);
        raw = event.Get();
        DWORD flags = 0;
        EXPECT_TRUE(::GetHandleInformation(raw, &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(::GetHandleInformation(raw, &flags));
}

} // namespace
