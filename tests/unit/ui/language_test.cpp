#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "ui/core/language.h"

namespace {

// The skin sets the build copies and packages: the folders under skins/, separated by commas.
std::set<std::string> BuiltSkinSets() {
    std::set<std::string> sets;
    std::istringstream list(GLINT_SKIN_SETS);
    for (std::string name; std::getline(list, name, ',');) {
        sets.insert(name);
    }
    return sets;
}

TEST(Languages, EachLanguageHasItsOwnIdAndSkinAndEveryText) {
    std::set<std::uint16_t> ids;
    std::set<std::string> folders;
    for (const language::Language& row : language::Languages()) {
        SCOPED_TRACE(row.skinFolder);
        EXPECT_TRUE(ids.insert(row.languageId).second);
        EXPECT_TRUE(folders.insert(row.skinFolder).second);
        // The start failure's texts are held to their causes in start_failure_texts_test.
        for (const wchar_t* text : {row.trayOpenMainUi, row.trayExit, row.startFailure.heading,
                                    row.runsInAnotherSession}) {
            ASSERT_NE(text, nullptr);
            EXPECT_NE(std::wstring(text), L"");
        }
        EXPECT_EQ(&language::LanguageFor(row.languageId), &row);
    }
}

// A skin set without a row would ship unused; a row without a set would start with no artwork.
TEST(Languages, TheSkinFoldersAreExactlyTheShippedSkinSets) {
    std::set<std::string> folders;
    for (const language::Language& row : language::Languages()) {
        const std::string folder = row.skinFolder;
        ASSERT_EQ(folder.rfind('\\', 0), 0u) << folder;
        folders.insert(folder.substr(1));
    }
    EXPECT_EQ(folders, BuiltSkinSets());
}

} // namespace
