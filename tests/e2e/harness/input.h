#pragma once
#include <windows.h>

namespace e2e {

// Real input through SendInput: Wine delivers it to whatever window is under the cursor or has
// the keyboard focus, as a user's would be.
void MoveMouseTo(POINT screen);
void Click(POINT screen);
void RightClick(POINT screen);
// Presses the left button at from, moves in steps to to, releases there.
void Drag(POINT from, POINT to);
void PressKey(WORD virtualKey);
void PressKeyWithAlt(WORD virtualKey);

} // namespace e2e
