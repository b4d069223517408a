#include "menu_test_support.h"
#include "widgets/menu/menu_class_state.h"

#include "framework/owned_handle.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const char kThemeKey[] = "Software\\Microsoft\\Plus!\\Themes\\Current";

// Sets (or removes) the current-theme value for one test and puts back what was there.
class ThemeValue : public ::testing::Test {
protected:
    ThemeValue() {
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
            const OwnedRegistryKey key(opened);
            char value[512];
            DWORD size = sizeof(value);
            if (::RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS) {
                saved_ = std::string(value, ::strnlen(value, size));
            }
        }
        saved_osClass_ = MenuClass().osClass;
        saved_cache_ = MenuClass().themeCache;
    }
    ~ThemeValue() override {
        if (saved_) {
            Set(*saved_);
        } else {
            Remove();
        }
        MenuClass().osClass = saved_osClass_;
        MenuClass().themeCache = saved_cache_;
    }

    static void Set(const std::string& value) {
        HKEY created = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &created, nullptr),
                  ERROR_SUCCESS);
        const OwnedRegistryKey key(created);
        ::RegSetValueExA(key.Get(), nullptr, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }
    static void Remove() { ::RegDeleteKeyA(HKEY_CURRENT_USER, kThemeKey); }
    // As at program start: nothing read yet.
    static void Forget() { MenuClass().themeCache = {}; }

    std::optional<std::string> saved_;
    int saved_osClass_;
    MenuClassState::ThemeCache saved_cache_;
};

TEST_F(ThemeValue, ClassicInAnyLetterCaseIsReadOnce) {
    Set("C:\\WINDOWS\\Resources\\Themes\\wInDoWs ClAsSiC.tHeMe");
    Forget();
    EXPECT_TRUE(ClassicThemeSelected());
    Set("C:\\WINDOWS\\Resources\\Themes\\Luna.theme");
    EXPECT_TRUE(ClassicThemeSelected());

    MenuClass().osClass = 7;
    EXPECT_FALSE(XpLook());
}

TEST_F(ThemeValue, OtherThemesAreNotClassic) {
    Set("C:\\WINDOWS\\Resources\\Themes\\Luna.theme");
    Forget();
    EXPECT_FALSE(ClassicThemeSelected());
    MenuClass().osClass = 7;
    EXPECT_TRUE(XpLook());
    MenuClass().osClass = 1;
    EXPECT_FALSE(XpLook());
}

TEST_F(ThemeValue, AMissingKeyIsNoClassicThemeForGood) {
    Remove();
    Forget();
    EXPECT_FALSE(ClassicThemeSelected());
    Set("Windows Classic.theme");
    EXPECT_FALSE(ClassicThemeSelected());
}

TEST_F(ThemeValue, AValueTooLongForTheBufferIsNotClassic) {
    Set(std::string(300, 'x') + "Windows Classic.theme");
    Forget();
    EXPECT_FALSE(ClassicThemeSelected());
}

} // namespace
