#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "image.h"

// A popup menu of string entries opened by this test process at a screen point and captured as
// it shows, then dismissed: what a program's menu with those texts must look like there.
e2e::Image ReferenceMenu(const std::vector<std::wstring>& entries, POINT at);
