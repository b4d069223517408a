#include <gtest/gtest.h>

#include <string_view>

#include "ui/core/one_copy.h"

namespace {

// The end-to-end tests start the program beside a copy of this session and of another one.
TEST(OneCopy, ObjectsThatCannotBeMadeLeaveTheStartAsItWouldBeAlone) {
    using enum NamedObject;
    EXPECT_EQ(DecideOneCopyStart(Unavailable, Existing), OneCopyStart::BringRunningCopyForward);
    EXPECT_EQ(DecideOneCopyStart(Created, Unavailable), OneCopyStart::Run);
    EXPECT_EQ(DecideOneCopyStart(Unavailable, Created), OneCopyStart::Run);
    // Where both namespaces are one (Wine keeps a single session), the names must still differ.
    EXPECT_EQ(std::wstring_view(kOneCopyGuardName).substr(0, 7), L"Global\\");
    EXPECT_NE(std::wstring_view(kOneCopyGuardName).substr(7),
              std::wstring_view(kOneCopySessionMarkerName).substr(6));
}

} // namespace
