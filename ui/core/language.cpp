#include "ui/core/language.h"

namespace language {

namespace {

constexpr Language kLanguages[] = {
    {
        kEnglishUs,
        "\\skin_EN",
        L"01_Open Main UI",
        L"02_Exit",
        {
            L"Glint Controls cannot reach the keyboard lighting. It needs one of two ways to "
            L"the ports:",
            {
                L"io.dll was not found beside glint.exe: put the {bits}-bit port-I/O library "
                L"io.dll there.",
                L"The io.dll beside glint.exe cannot be loaded: glint.exe is {bits}-bit and needs "
                L"the {bits}-bit io.dll.",
                nullptr,
                L"The io.dll beside glint.exe lacks a function that Glint Controls needs (Out32, "
                L"Inp32, IsInpOutDriverOpen or IsXP64Bit): replace it with the complete library.",
                L"The port driver of io.dll cannot be used. Run Glint Controls as administrator "
                L"(right-click glint.exe, \"Run as administrator\"). Windows 11 and anti-cheat "
                L"software often block this driver: then use PawnIO.",
                nullptr,
                nullptr,
                nullptr,
            },
            {
                L"PawnIO is not installed: install it from pawnio.eu or with \"winget install "
                L"namazso.PawnIO\", and put LpcIO.bin beside glint.exe.",
                L"PawnIO's library cannot be loaded: reinstall PawnIO.",
                L"PawnIO has no 32-bit library: on 64-bit Windows use the win64 build of Glint "
                L"Controls.",
                L"PawnIO's library lacks a function that Glint Controls needs: install the current "
                L"PawnIO.",
                L"PawnIO's driver cannot be reached: reinstall PawnIO and restart Windows.",
                L"PawnIO refused access: run Glint Controls as administrator (right-click "
                L"glint.exe, \"Run as administrator\").",
                L"LpcIO.bin is not beside glint.exe: put PawnIO's LpcIO module (LpcIO.bin) there.",
                L"PawnIO refused LpcIO.bin: put the official, signed LpcIO.bin from PawnIO's "
                L"modules beside glint.exe.",
            },
        },
        L"Glint Controls is already running in another session on this computer. Only one "
        L"copy can run at a time.",
    },
    {
        kChineseSimplified,
        "\\skin_CN",
        L"01_打开主界面",
        L"02_退出",
        {
            L"Glint Controls 无法访问键盘灯光。它需要以下两种端口访问方式之一:",
            {
                L"在 glint.exe 所在的文件夹中找不到 io.dll:请把 {bits} 位的端口读写库 io.dll "
                L"放到该文件夹中。",
                L"glint.exe 旁边的 io.dll 无法加载:glint.exe 是 {bits} 位程序,需要 {bits} 位的 "
                L"io.dll。",
                nullptr,
                L"glint.exe 旁边的 io.dll 缺少 Glint Controls 需要的函数(Out32、Inp32、"
                L"IsInpOutDriverOpen 或 IsXP64Bit):请换用完整的端口读写库。",
                L"无法使用 io.dll 的端口驱动程序。请以管理员身份运行 Glint Controls(右键单击 "
                L"glint.exe,选择\"以管理员身份运行\")。Windows 11 和反作弊软件常会阻止此驱动程序,"
                L"此时请使用 PawnIO。",
                nullptr,
                nullptr,
                nullptr,
            },
            {
                L"未安装 PawnIO:请从 pawnio.eu 或用 \"winget install namazso.PawnIO\" 安装,"
                L"并把 LpcIO.bin 放到 glint.exe 所在的文件夹中。",
                L"无法加载 PawnIO 的库:请重新安装 PawnIO。",
                L"PawnIO 没有 32 位的库:在 64 位 Windows 上请使用 Glint Controls 的 win64 版本。",
                L"PawnIO 的库缺少 Glint Controls 需要的函数:请安装最新版本的 PawnIO。",
                L"无法访问 PawnIO 的驱动程序:请重新安装 PawnIO 并重新启动 Windows。",
                L"PawnIO 拒绝访问:请以管理员身份运行 Glint Controls(右键单击 glint.exe,"
                L"选择\"以管理员身份运行\")。",
                L"glint.exe 所在的文件夹中没有 LpcIO.bin:请把 PawnIO 的 LpcIO 模块(LpcIO.bin)"
                L"放到该文件夹中。",
                L"PawnIO 拒绝了 LpcIO.bin:请把 PawnIO 官方模块中已签名的 LpcIO.bin 放到 glint.exe "
                L"所在的文件夹中。",
            },
        },
        L"Glint Controls 已在这台计算机的另一个会话中运行。同一时间只能运行一个副本。",
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
