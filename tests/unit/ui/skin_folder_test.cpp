#include <gtest/gtest.h>

#include "framework/path_text.h"
#include "ui/core/skin_folder.h"

namespace {

TEST(SkinFolder, ChineseOnlyForSimplifiedChinese) {
    EXPECT_EQ(SkinFolderFor("C:\\A\\B", 2052), "C:\\A\\B\\skin_CN");
    EXPECT_EQ(SkinFolderFor("C:\\A\\B", 1033), "C:\\A\\B\\skin_EN");
    for (std::uint16_t other : {1031, 1028, 3076, 2057, 0, 0xFFFF}) {
        EXPECT_EQ(SkinFolderFor("C:\\A\\B", other), "C:\\A\\B\\skin_EN") << other;
    }
}

TEST(SkinFolder, AFilePathOfAProgramInCAB) {
    EXPECT_EQ(PathInFolder(SkinFolderFor("C:\\A\\B", 1033), "x.bmp"), "C:\\A\\B\\skin_EN\\x.bmp");
}

} // namespace
