# GoogleTest from Debian's sources, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# korvane7_add_suite(NAME SOURCES a.cpp ... LIBS lib ... [DIR folder])
# One test executable, run by CTest through Wine. It lands in the test folder
# beside the scripted engine unless DIR names another folder.
function(korvane7_add_suite name)
  cmake_parse_arguments(S "" "DIR" "SOURCES;LIBS" ${ARGN})
  if(NOT S_DIR)
    set(S_DIR ${KORVANE7_TEST_DIR})
  endif()
  add_executable(${name} ${S_SOURCES})
  target_link_libraries(${name} PRIVATE testsupport GTest::gtest_main GTest::gmock ${S_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${S_DIR})
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${S_DIR})
endfunction()
