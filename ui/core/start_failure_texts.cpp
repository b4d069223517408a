#include "ui/core/start_failure_texts.h"

#include "ui/core/language.h"

namespace {

constexpr wchar_t kCaption[] = L"Glint Controls";

const wchar_t* EnglishText(PortAccessFailure failure) {
    switch (failure) {
    case PortAccessFailure::None:
        return nullptr;
    case PortAccessFailure::LibraryMissing:
        return L"io.dll was not found beside glint.exe.\n\n"
               L"Glint Controls reaches the keyboard lighting through the port-I/O library "
               L"io.dll. Put io.dll into the folder of glint.exe and start it again.";
    case PortAccessFailure::FunctionMissing:
        return L"The io.dll beside glint.exe lacks a function that Glint Controls needs "
               L"(Out32, Inp32, IsInpOutDriverOpen or IsXP64Bit).\n\n"
               L"Replace it with the complete port-I/O library io.dll.";
    case PortAccessFailure::DriverNotUsable:
        return L"The port driver of io.dll cannot be used.\n\n"
               L"Run Glint Controls as administrator (right-click glint.exe, "
               L"\"Run as administrator\").";
    }
    return nullptr;
}

const wchar_t* ChineseText(PortAccessFailure failure) {
    switch (failure) {
    case PortAccessFailure::None:
        return nullptr;
    case PortAccessFailure::LibraryMissing:
        return L"在 glint.exe 所在的文件夹中找不到 io.dll。\n\n"
               L"Glint Controls 通过端口读写库 io.dll 控制键盘灯光。"
               L"请把 io.dll 放到 glint.exe 所在的文件夹后重新启动。";
    case PortAccessFailure::FunctionMissing:
        return L"glint.exe 旁边的 io.dll 缺少 Glint Controls 需要的函数"
               L"(Out32、Inp32、IsInpOutDriverOpen 或 IsXP64Bit)。\n\n"
               L"请换用完整的端口读写库 io.dll。";
    case PortAccessFailure::DriverNotUsable:
        return L"无法使用 io.dll 的端口驱动程序。\n\n"
               L"请以管理员身份运行 Glint Controls(右键单击 glint.exe,选择\"以管理员身份运行\")。";
    }
    return nullptr;
}

} // namespace

StartFailureMessage StartFailureMessageFor(PortAccessFailure failure, std::uint16_t languageId) {
    return {kCaption,
            language::UsesChinese(languageId) ? ChineseText(failure) : EnglishText(failure)};
}
