// exit N: ends with code N. wait: runs until it is ended. print TEXT: writes TEXT to its standard
// output. box CAPTION TEXT: shows a message box and ends with the button that closed it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "exit" && argc > 2) {
        return std::atoi(argv[2]);
    }
    if (command == "wait") {
        ::Sleep(INFINITE);
    }
    if (command == "print" && argc > 2) {
        std::fputs(argv[2], stdout);
        return 0;
    }
    if (command == "box" && argc > 3) {
        return ::MessageBoxA(nullptr, argv[3], argv[2], MB_OK);
    }
    return 100;
}
