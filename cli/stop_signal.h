#pragma once

namespace glintctl {

// SIGINT, SIGTERM and SIGHUP end a command between two transactions (`watch` at its next poll)
// instead of killing it in the middle of one.
void InstallStopHandlers();
bool StopRequested();

} // namespace glintctl
