# Compile options for the project's own targets (third-party code keeps its own).
function(glint_target_options target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
  if(WIN32)
    # Narrow (ANSI) Win32 entry points are the program's own choice; no UNICODE macros.
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
  if(WIN32 AND GLINT_PROGRAM_CODE)
    # glint.exe runs on one thread and throws nothing (a throw in its code no longer compiles):
    # no exception landing pads, no locks around the first use of a function's statics, and on
    # x86 no unwind tables, which serve exceptions only there.
    target_compile_options(${target} PRIVATE -fno-exceptions -fno-threadsafe-statics)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
    endif()
  endif()
endfunction()

# One GoogleTest program, run by CTest (under Wine for the Windows builds).
function(glint_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  glint_target_options(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
