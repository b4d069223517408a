#pragma once
#include <cstddef>
#include <string>

// The running executable's full path, read whole however long it is: the buffer, firstCapacity
// bytes at first, grows until the path fits. Empty when the system cannot tell.
std::string ExecutablePath(std::size_t firstCapacity = 512);
