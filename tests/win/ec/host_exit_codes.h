#pragma once

// Exit codes of ec_test_host.
inline constexpr int kWindowCreated = 42;
inline constexpr int kWindowFailed = 43;
inline constexpr int kBusReleased = 44;
inline constexpr int kBusAbandoned = 45;
// Released after other port traffic came between the holder's own accesses.
inline constexpr int kBusReleasedAfterInterleaving = 50;
// A start without port access, by its reason.
inline constexpr int kLibraryMissing = 46;
inline constexpr int kFunctionMissing = 47;
inline constexpr int kDriverNotUsable = 48;
inline constexpr int kLibraryNotLoadable = 49;
inline constexpr int kHostUsage = 99;
inline constexpr unsigned kHostTimeoutMs = 60000;
