#include "dialog_units.h"

#include <cstring>
#include <vector>

namespace {

void PutText(std::vector<WORD>& words, const wchar_t* text) {
    for (; *text != L'\0'; ++text) {
        words.push_back(static_cast<WORD>(*text));
    }
    words.push_back(0);
}

void PutDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

SIZE DialogUnitsToPixels(short cx, short cy) {
    std::vector<WORD> words;
    words.push_back(1);      // extended template version
    words.push_back(0xFFFF); // signature
    PutDword(words, 0);      // help id
    PutDword(words, 0);      // extended style
    PutDword(words, WS_POPUP | DS_SETFONT | DS_FIXEDSYS);
    words.push_back(0); // no controls
    words.push_back(0); // x
    words.push_back(0); // y
    words.push_back(static_cast<WORD>(cx));
    words.push_back(static_cast<WORD>(cy));
    words.push_back(0); // no menu
    words.push_back(0); // default class
    words.push_back(0); // no title
    words.push_back(8); // point size
    words.push_back(FW_NORMAL);
    words.push_back(0x0100); // not italic, charset 1 (default)
    PutText(words, L"MS Shell Dlg");

    // The template must start DWORD-aligned.
    std::vector<DWORD> aligned((words.size() + 1) / 2);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    const HWND dialog = ::CreateDialogIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(aligned.data()), nullptr,
        &PlainDialog, 0);
    SIZE size{};
    if (dialog != nullptr) {
        RECT client{};
        ::GetClientRect(dialog, &client);
        size = {client.right - client.left, client.bottom - client.top};
        ::DestroyWindow(dialog);
    }
    return size;
}
