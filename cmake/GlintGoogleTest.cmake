# GoogleTest for the tests. The Windows builds compile it from its sources with the project's own
# compiler (no prebuilt mingw GoogleTest exists); a native build may use an installed one instead.
# GLINT_GOOGLETEST_SOURCE_DIR names the sources; Debian's googletest package puts them in
# /usr/src/googletest, which is the default where it exists.
set(GLINT_GOOGLETEST_SOURCE_DIR "" CACHE PATH "GoogleTest's source tree, built with the project")
if(NOT GLINT_GOOGLETEST_SOURCE_DIR AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(GLINT_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
      "GoogleTest's source tree, built with the project" FORCE)
endif()

if(GLINT_GOOGLETEST_SOURCE_DIR)
  if(NOT EXISTS ${GLINT_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GLINT_GOOGLETEST_SOURCE_DIR=${GLINT_GOOGLETEST_SOURCE_DIR} holds no "
                        "GoogleTest sources (no CMakeLists.txt there)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GLINT_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
elseif(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest)
endif()

if(NOT TARGET GTest::gtest OR NOT TARGET GTest::gmock OR NOT TARGET GTest::gtest_main)
  message(FATAL_ERROR "GoogleTest was not found: set GLINT_GOOGLETEST_SOURCE_DIR to its sources "
                      "(Debian: apt-get install googletest), or configure with -DGLINT_TESTS=OFF")
endif()
