#pragma once
#include <cstddef>
#include <string>

// The running executable's full path in UTF-8, read whole however long it is: the buffer,
// firstCapacity characters at first, grows until the path fits. Empty when the system cannot
// tell.
std::string ExecutablePath(std::size_t firstCapacity = 512);
