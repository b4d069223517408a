#include "ui/core/language.h"

namespace language {

namespace {

constexpr Language kLanguages[] = {
    {
        kEnglishUs,
        "\\skin_EN",
        L"01_Open Main UI",
        L"02_Exit",
        L"io.dll was not found beside glint.exe.\n\n"
        L"Glint Controls reaches the keyboard lighting through the port-I/O library "
        L"io.dll. Put io.dll into the folder of glint.exe and start it again.",
        L"The io.dll beside glint.exe lacks a function that Glint Controls needs "
        L"(Out32, Inp32, IsInpOutDriverOpen or IsXP64Bit).\n\n"
        L"Replace it with the complete port-I/O library io.dll.",
        L"The port driver of io.dll cannot be used.\n\n"
        L"Run Glint Controls as administrator (right-click glint.exe, "
        L"\"Run as administrator\").",
    },
    {
        kChineseSimplified,
        "\\skin_CN",
        L"01_打开主界面",
        L"02_退出",
        L"在 glint.exe 所在的文件夹中找不到 io.dll。\n\n"
        L"Glint Controls 通过端口读写库 io.dll 控制键盘灯光。"
        L"请把 io.dll 放到 glint.exe 所在的文件夹后重新启动。",
        L"glint.exe 旁边的 io.dll 缺少 Glint Controls 需要的函数"
        L"(Out32、Inp32、IsInpOutDriverOpen 或 IsXP64Bit)。\n\n"
        L"请换用完整的端口读写库 io.dll。",
        L"无法使用 io.dll 的端口驱动程序。\n\n"
        L"请以管理员身份运行 Glint Controls(右键单击 glint.exe,选择\"以管理员身份运行\")。",
    },
};

} // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

const Language& LanguageFor(std::uint16_t languageId) {
    for (const Language& row : kLanguages) {
        if (row.languageId == languageId) {
            return row;
        }
    }
    return kLanguages[0];
}

} // namespace language
