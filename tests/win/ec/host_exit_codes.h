#pragma once

// Exit codes of ec_test_host; 0 is left to EcPort's quiet exit.
inline constexpr int kWindowCreated = 42;
inline constexpr int kWindowFailed = 43;
inline constexpr int kBusReleased = 44;
inline constexpr int kBusAbandoned = 45;
inline constexpr int kHostUsage = 99;
inline constexpr unsigned kHostTimeoutMs = 60000;
