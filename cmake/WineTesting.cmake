# Running the Windows test executables under Wine.
#
# The cross build sets CMAKE_CROSSCOMPILING_EMULATOR (see the toolchain file) to
# tests/wine/wine-run.sh, which runs a program in the private prefix of this build tree
# (<build>/wineprefix, a copy of the source tree's build/wineprefix made by scripts/setup.sh)
# with Wine's debug output off.
#
# The fixture "wine_env" starts, before the first test that needs it, a private Xvfb (its display
# recorded in <build>/wine-env) and a persistent wineserver for the prefix; its clean-up test
# stops both. Each Wine start then costs a fraction of a second instead of several.
#
# All programs of one prefix share one Windows session: Windows rules hold between tests that run
# at the same time (a file opened without sharing, a named mutex, the one desktop). Run the
# Windows tests one at a time (ctest -j1, as scripts/test.sh does) unless they share nothing.
get_filename_component(CLARIVUE_WINE_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/../tests/wine" ABSOLUTE)

# clarivue_add_wine_test(TARGET): one ctest entry that runs a whole test executable under Wine
# (one entry per executable: every Wine start costs).
function(clarivue_add_wine_test name)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_env
    LABELS wine
    TIMEOUT 900
    ENVIRONMENT "CLARIVUE_WINE_BUILD=${CMAKE_BINARY_DIR}")
endfunction()

# clarivue_add_wine_window_test(NAME SCRIPT ARGS...): a shell test built on tests/wine/harness.sh;
# it gets the build tree as first argument, then ARGS (generator expressions allowed). Window tests
# share the one virtual desktop, so they run one at a time.
function(clarivue_add_wine_window_test name script)
  add_test(NAME ${name} COMMAND bash ${script} ${CMAKE_BINARY_DIR} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_env
    RESOURCE_LOCK wine_desktop
    LABELS "wine;window"
    TIMEOUT 300)
endfunction()

if(WIN32)
  add_test(NAME wine_env_setup COMMAND bash ${CLARIVUE_WINE_SCRIPTS}/env-start.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_env_setup PROPERTIES FIXTURES_SETUP wine_env LABELS wine TIMEOUT 300)
  add_test(NAME wine_env_cleanup COMMAND bash ${CLARIVUE_WINE_SCRIPTS}/env-stop.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_env_cleanup PROPERTIES FIXTURES_CLEANUP wine_env LABELS wine TIMEOUT 120)

  # The window tests and their Windows helper.
  add_subdirectory(${CLARIVUE_WINE_SCRIPTS} ${CMAKE_BINARY_DIR}/tests/wine)
endif()
