# GoogleTest built for the target from Debian's sources (package googletest), since Debian ships
# its libraries for the build machine only. Our warnings are not GoogleTest's to meet.
set(KVL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(NOT EXISTS ${KVL_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${KVL_GOOGLETEST_SOURCE}; run scripts/install-deps")
endif()

block()
  set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
  set(INSTALL_GTEST OFF)
  set(BUILD_GMOCK OFF)
  add_subdirectory(${KVL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endblock()
# It makes the GTest::gtest and GTest::gtest_main targets itself.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

# Discovering the tests needs the built programs run under the emulator; at test time, so that a
# build does not start Wine for every test program.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
