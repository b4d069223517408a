#include "template_builder.h"
#include "widgets/menu/core/menu_template.h"

#include <gtest/gtest.h>

namespace {

// Bar: File (Open, separator, nested Recent (One, Two), Exit) and Help (About).
TemplateBuilder NestedTemplate() {
    TemplateBuilder t;
    t.Popup(u"&File")
        .Item(100, u"&Open\tCtrl+O")
        .Separator()
        .Popup(u"&Recent")
        .Item(201, u"One")
        .Item(202, u"Two", true)
        .Item(101, u"E&xit", true)
        .Popup(u"&Help", true)
        .Item(300, u"&About", true);
    return t;
}

TEST(MenuTemplate, WalksNestedLevelsAndReportsWhereEachEnds) {
    const auto items = ParseMenuTemplate(NestedTemplate().Bytes());
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 9u);
    const auto& v = *items;

    EXPECT_TRUE(v[0].IsPopup());
    EXPECT_EQ(v[0].id, 0);
    EXPECT_EQ(v[0].text, u"&File");
    EXPECT_EQ(v[1].id, 100);
    EXPECT_EQ(v[1].text, u"&Open\tCtrl+O");
    EXPECT_EQ(v[2].id, 0);
    EXPECT_EQ(v[2].text, u"");
    EXPECT_TRUE(v[3].IsPopup());
    EXPECT_EQ(v[5].levelsClosed, 1); // Two ends Recent only
    EXPECT_EQ(v[6].text, u"E&xit");
    EXPECT_EQ(v[6].levelsClosed, 1); // Exit ends File, the bar goes on
    EXPECT_TRUE(v[7].IsPopup());
    EXPECT_EQ(v[7].levelsClosed, 0);
    EXPECT_EQ(v[8].levelsClosed, 2); // About ends Help and, through Help's end mark, the bar
    EXPECT_EQ(v[7].Flags(), 0x10);   // the end mark is not an item flag
    EXPECT_EQ(v[8].option & 0x80, 0x80);
}

TEST(MenuTemplate, KeepsItemFlagsAndHonoursHeaderOffset) {
    TemplateBuilder t(6);
    t.Item(7, u"Gray", false, 0x1 | 0x8).Item(8, u"Last", true);
    const auto items = ParseMenuTemplate(t.Bytes());
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0].Flags(), 0x9);
    EXPECT_EQ((*items)[0].id, 7);
    EXPECT_EQ((*items)[1].levelsClosed, 1);
}

TEST(MenuTemplate, StopsAtTheOutermostEndAndIgnoresTrailingBytes) {
    auto bytes = NestedTemplate().Bytes();
    const auto full = ParseMenuTemplate(bytes);
    bytes.resize(bytes.size() + 64, std::byte{0x41});
    const auto padded = ParseMenuTemplate(bytes);
    ASSERT_TRUE(full.has_value());
    ASSERT_TRUE(padded.has_value());
    EXPECT_EQ(padded->size(), full->size());
}

TEST(MenuTemplate, EveryTruncationFailsCleanly) {
    const auto bytes = NestedTemplate().Bytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<std::byte> cut(bytes.begin(), bytes.begin() + size);
        EXPECT_FALSE(ParseMenuTemplate(cut).has_value()) << "size " << size;
    }
}

TEST(MenuTemplate, LevelsThatNeverCloseFail) {
    TemplateBuilder noEnd;
    noEnd.Item(1, u"A").Item(2, u"B");
    EXPECT_FALSE(ParseMenuTemplate(noEnd.Bytes()).has_value());

    // The pop-up's own level ends, the bar's never does.
    TemplateBuilder openBar;
    openBar.Popup(u"P").Item(1, u"A", true);
    EXPECT_FALSE(ParseMenuTemplate(openBar.Bytes()).has_value());

    // A pop-up whose own items never end, even though the bar is marked to end after it.
    TemplateBuilder openPopup;
    openPopup.Popup(u"P", true).Item(1, u"A").Popup(u"Q", true);
    EXPECT_FALSE(ParseMenuTemplate(openPopup.Bytes()).has_value());
}

TEST(MenuTemplate, RejectsHeaderOffsetPastTheEnd) {
    TemplateBuilder t;
    t.Item(1, u"A", true);
    auto bytes = t.Bytes();
    bytes[2] = std::byte{0xFF}; // offset 255 skips past every item
    EXPECT_FALSE(ParseMenuTemplate(bytes).has_value());
}

} // namespace
