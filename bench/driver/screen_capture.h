#pragma once
#include <windows.h>

#include <cstdint>

#include "tests/support/win/canvas.h"

// Pixels of a screen rectangle as 0x00RRGGBB, row by row from the top; empty on failure.
using Capture = wintest::Image;
using wintest::CaptureScreen;

// The share (0..1) of pixels that differ between two captures of the same size; 1 when the
// sizes differ.
double DifferingShare(const Capture& a, const Capture& b);

// The share of pixels that differ from one colour (0x00RRGGBB).
double ShareNotOfColour(const Capture& capture, std::uint32_t colour);
