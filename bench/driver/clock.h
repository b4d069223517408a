#pragma once

// Milliseconds on the performance counter: Wine takes it from the monotonic clock, so it is
// comparable across the processes of one machine.
double NowMs();
