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

TEST_F(OwnedHandles, GdiObjectsAndContextsAreDeletedWithTheirOwners) {
    HGDIOBJ bitmap = nullptr;
    HGDIOBJ memory = nullptr;
    {
        const OwnedScreenDc screen(::GetDC(nullptr));
        ASSERT_TRUE(screen);
        const OwnedMemoryDc dc(::CreateCompatibleDC(screen.Get()));
        const OwnedGdiObject<HBITMAP> owned(::CreateCompatibleBitmap(screen.Get(), 4, 4));
        ASSERT_TRUE(dc);
        ASSERT_TRUE(owned);
        memory = dc.Get();
        bitmap = owned.Get();
        EXPECT_EQ(::GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
        EXPECT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(::GetObjectType(memory), 0u);
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
}

} // namespace
