#include <gtest/gtest.h>

#include "ui/core/skin_folder.h"

namespace {

TEST(SkinFolder, ChineseOnlyForSimplifiedChinese) {
    EXPECT_EQ(SkinFolderFor("C:\\A\\B", 2052), "C:\\A\\B\\skin_CN");
    EXPECT_EQ(SkinFolderFor("C:\\A\\B", 1033), "C:\\A\\B\\skin_EN");
    for (std::uint16_t other : {1031, 1028, 3076, 2057, 0, 0xFFFF}) {
        EXPECT_EQ(SkinFolderFor("C:\\A\\B", other), "C:\\A\\B\\skin_EN") << other;
    }
}

TEST(SkinFolder, BackgroundPathOfAProgramInCAB) {
    EXPECT_EQ(SkinFolderFor("C:\\A\\B", 1033) + kSkinBackgroundFile, "C:\\A\\B\\skin_EN\\0_BG.bmp");
}

} // namespace
