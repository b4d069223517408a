#pragma once

namespace glintctl {

// SIGINT and SIGTERM end `watch` at its next poll instead of killing it mid-transaction.
void InstallStopHandlers();
bool StopRequested();

} // namespace glintctl
