#pragma once

// One copy of the program on the whole machine: two, even in two users' sessions, would both
// poll, both show the popup and both write the EC. Every running copy keeps two named objects:
// the guard, machine-wide, and a marker in its own session. Window-free, so that the rule is
// tested natively.

inline constexpr wchar_t kOneCopyGuardName[] = L"Global\\Glint_Controls.OneCopy";
inline constexpr wchar_t kOneCopySessionMarkerName[] = L"Local\\Glint_Controls.OneCopyInSession";

// What creating a named object found: it was not there, it was (also when it refuses us, as one
// made by a copy run as administrator refuses a copy run without), or neither could be told.
enum class NamedObject { Created, Existing, Unavailable };

enum class OneCopyStart {
    Run,
    // A copy runs in this session (or is starting): its window comes forward.
    BringRunningCopyForward,
    // A copy runs in another session: its window cannot be reached, so the user is told.
    RunsInAnotherSession,
};

// The marker is created first, so a start that finds it existing knows the running copy is in
// its own session. What keeps an object from being made otherwise leaves the program to run as
// it would alone.
OneCopyStart DecideOneCopyStart(NamedObject sessionMarker, NamedObject guard);
