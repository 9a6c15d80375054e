# Shared helpers for the project's targets.

# Our own code builds with warnings on and must stay free of them.
function(vireno_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror=return-type)
endfunction()

# vireno_library(name SOURCES ... [LIBS ...]): a static library of one subsystem.
function(vireno_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  vireno_warnings(${name})
endfunction()

# vireno_test(name SOURCES ... [LIBS ...] [PROPERTIES name value ...]): a GoogleTest binary registered
# with CTest, its tests given the CTest properties named (a RESOURCE_LOCK, an ENVIRONMENT).
function(vireno_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  vireno_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 ${ARG_PROPERTIES})
endfunction()
