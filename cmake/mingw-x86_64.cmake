set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 64-bit Wine loader itself, not Debian's `wine` launcher, which always starts the 32-bit
# loader when that is installed and so fails on a kernel that cannot run 32-bit programs.
find_program(GLINT_WINE64_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(GLINT_WINE64_LOADER wine64)
set(CMAKE_CROSSCOMPILING_EMULATOR ${GLINT_WINE64_LOADER})
