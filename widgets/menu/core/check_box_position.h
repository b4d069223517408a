#pragma once

// Offset that centres a box within a span, rounded half up and never negative.
int CenteredBoxOffset(int span, int boxSize);
