#pragma once
// Menu templates of the Windows test program.
#define IDM_NESTED 1
#define IDM_TRUNCATED 20
#define IDM_NEVER_ENDS 21
