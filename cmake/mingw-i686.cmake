set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# Floating point on SSE2, as on x64: the pixel arithmetic (blends, grey values) is defined in
# double precision, and the x87 unit's extra precision would round some results one step off.
add_compile_options(-msse2 -mfpmath=sse)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 32-bit Wine loader itself, as the x64 build calls the 64-bit one.
find_program(GLINT_WINE32_LOADER wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(GLINT_WINE32_LOADER wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${GLINT_WINE32_LOADER})
