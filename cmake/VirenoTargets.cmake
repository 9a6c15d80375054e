# Shared helpers for the project's targets.

# Our own code builds with warnings on and must stay free of them: a warning fails the build. Third-
# party sources compiled into our targets (the VST3 SDK's) switch warnings off and errors with them.
option(VIRENO_WERROR "Warnings in our own code fail the build" ON)
function(vireno_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<IF:$<BOOL:${VIRENO_WERROR}>,-Werror,-Werror=return-type>)
endfunction()

# vireno_library(name SOURCES ... [LIBS ...]): a static library of one subsystem.
function(vireno_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  # An include names the folder it reaches from the top of the tree: "kro-core/plugin/KROParameter.h".
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
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

# vireno_plugin_module(target OUTPUT_NAME name SUFFIX suffix BUNDLE_DIR dir EXPORTS_MAP map
#                      ENTRY_POINTS ... SOURCES ... [LIBS ...])
# A plug-in module in <dir>/Contents/x86_64-linux/ that exports exactly its entry points (the
# version script lists them), pulled in even from static libraries that nothing else refers to.
function(vireno_plugin_module target)
  cmake_parse_arguments(ARG "" "OUTPUT_NAME;SUFFIX;BUNDLE_DIR;EXPORTS_MAP" "ENTRY_POINTS;SOURCES;LIBS" ${ARGN})
  add_library(${target} MODULE ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  vireno_warnings(${target})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${ARG_OUTPUT_NAME}
    SUFFIX ${ARG_SUFFIX}
    LIBRARY_OUTPUT_DIRECTORY "${ARG_BUNDLE_DIR}/Contents/x86_64-linux"
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS "${ARG_EXPORTS_MAP}")
  set(undefined_entry_points ${ARG_ENTRY_POINTS})
  list(TRANSFORM undefined_entry_points PREPEND "-Wl,--undefined=")
  target_link_options(${target} PRIVATE
    # A symbol missing at link time would otherwise surface only as a failed dlopen in a host.
    -Wl,--no-undefined
    # Hidden visibility alone still leaks weak template and libstdc++ symbols.
    "-Wl,--version-script=${ARG_EXPORTS_MAP}"
    ${undefined_entry_points})
endfunction()
