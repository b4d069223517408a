#pragma once

// Exit codes of ecsim_sharing_host, the other process of the state-sharing tests.
inline constexpr int kMirrorDone = 50;
inline constexpr int kHammerDone = 51;
inline constexpr int kSharingHostFailed = 59;
inline constexpr unsigned kSharingTimeoutMs = 60000;
