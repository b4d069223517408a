#pragma once

#define kBaselineDialog 102
// The same id as glint.exe's Exit button, by which the driver recognises a main window.
#define kBaselineExit 1005
