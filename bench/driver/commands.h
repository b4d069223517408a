#pragma once
#include <string>
#include <vector>

// The driver's commands; each prints its figures and returns the process exit code.
int RunStartup(const std::string& label, const std::string& exe);
int RunIdle(double seconds, double settleSeconds, const std::vector<std::string>& descriptions);
int RunClicks(int count, const std::string& exe);
int RunMemory(int clicks, int shows, const std::string& exe);
int RunHold();
int RunEcCost(int count);
int RunSoak(int clicks, int levels, unsigned seed, const std::vector<std::string>& descriptions);
