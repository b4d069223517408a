#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ui/core/start_failure_texts.h"

namespace {

using Failure = PortAccessFailure;

bool Says(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

// The message of a start where io.dll failed for ioDll and PawnIO for pawnIo.
std::wstring Message(Failure ioDll, Failure pawnIo, std::uint16_t languageId = 1033,
                     int bits = 64) {
    const std::vector<PortWayFailure> failed{{PortWay::IoDll, ioDll}, {PortWay::PawnIo, pawnIo}};
    const StartFailureMessage message = StartFailureMessageFor(failed, languageId, bits);
    EXPECT_EQ(std::wstring(message.caption), L"Glint Controls");
    return message.text;
}

constexpr Failure kIoDllFailures[] = {Failure::LibraryMissing, Failure::LibraryNotLoadable,
                                      Failure::FunctionMissing, Failure::DriverNotUsable};
constexpr Failure kPawnIoFailures[] = {Failure::LibraryMissing,  Failure::LibraryNotLoadable,
                                       Failure::FunctionMissing, Failure::DriverNotUsable,
                                       Failure::NotElevated,     Failure::ModuleMissing,
                                       Failure::ModuleRefused};

TEST(StartFailureTexts, EachCauseOfEachWayHasItsOwnLineInEachLanguage) {
    for (std::uint16_t languageId : {1033, 2052}) {
        for (int bits : {64, 32}) {
            std::set<std::wstring> messages;
            for (Failure ioDll : kIoDllFailures) {
                for (Failure pawnIo : kPawnIoFailures) {
                    const std::wstring text = Message(ioDll, pawnIo, languageId, bits);
                    EXPECT_TRUE(Says(text, L"io.dll") && Says(text, L"PawnIO")) << languageId;
                    EXPECT_FALSE(Says(text, L"{bits}"));
                    messages.insert(text);
                }
            }
            EXPECT_EQ(messages.size(), std::size(kIoDllFailures) * std::size(kPawnIoFailures))
                << languageId << " " << bits;
        }
    }
    EXPECT_TRUE(StartFailureMessageFor({}, 1033, 64).text.empty());
}

TEST(StartFailureTexts, TheTextNamesTheCausesAndTheRemedies) {
    const std::wstring nothing = Message(Failure::LibraryMissing, Failure::LibraryMissing);
    EXPECT_TRUE(Says(nothing, L"io.dll was not found beside glint.exe")) << nothing;
    EXPECT_TRUE(Says(nothing, L"64-bit port-I/O library io.dll"));
    EXPECT_TRUE(Says(nothing, L"PawnIO is not installed"));
    EXPECT_TRUE(Says(nothing, L"winget install namazso.PawnIO"));
    EXPECT_LT(nothing.find(L"io.dll was not found"), nothing.find(L"PawnIO is not installed"))
        << "in the order the ways are tried";

    // The 32-bit library beside the 64-bit program is not "not found".
    EXPECT_TRUE(Says(Message(Failure::LibraryNotLoadable, Failure::NotElevated),
                     L"glint.exe is 64-bit and needs the 64-bit io.dll"));
    EXPECT_TRUE(Says(Message(Failure::LibraryNotLoadable, Failure::NotElevated, 1033, 32),
                     L"glint.exe is 32-bit and needs the 32-bit io.dll"));
    EXPECT_TRUE(Says(Message(Failure::LibraryMissing, Failure::LibraryNotLoadable, 1033, 32),
                     L"use the win64 build"));
    for (const wchar_t* function : {L"Out32", L"Inp32", L"IsInpOutDriverOpen", L"IsXP64Bit"}) {
        EXPECT_TRUE(Says(Message(Failure::FunctionMissing, Failure::LibraryMissing), function));
        EXPECT_TRUE(
            Says(Message(Failure::FunctionMissing, Failure::LibraryMissing, 2052), function));
    }
    const std::wstring notElevated = Message(Failure::DriverNotUsable, Failure::NotElevated);
    EXPECT_TRUE(Says(notElevated, L"Run Glint Controls as administrator"));
    EXPECT_TRUE(Says(notElevated, L"PawnIO refused access: run Glint Controls as administrator"));
    EXPECT_TRUE(Says(Message(Failure::DriverNotUsable, Failure::NotElevated, 2052),
                     L"\u7BA1\u7406\u5458")); // 管理员
    EXPECT_TRUE(Says(Message(Failure::LibraryMissing, Failure::ModuleMissing),
                     L"LpcIO.bin is not beside glint.exe"));
    EXPECT_TRUE(Says(Message(Failure::LibraryMissing, Failure::ModuleRefused),
                     L"PawnIO refused LpcIO.bin"));
}

TEST(StartFailureTexts, EnglishForEveryLanguageButSimplifiedChinese) {
    for (std::uint16_t languageId : {1031, 1028, 0}) {
        EXPECT_EQ(Message(Failure::LibraryMissing, Failure::ModuleMissing, languageId),
                  Message(Failure::LibraryMissing, Failure::ModuleMissing));
    }
    EXPECT_NE(Message(Failure::LibraryMissing, Failure::ModuleMissing, 2052),
              Message(Failure::LibraryMissing, Failure::ModuleMissing));
}

} // namespace
