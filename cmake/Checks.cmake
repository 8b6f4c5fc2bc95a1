# Every check beyond the unit tests, as CTest tests of the native tree: the builds they
# need (fixtures), the checks of the DLL as a file, the runs under Wine, the sanitizer
# run and the fuzzers, the Ghostscript checks and the package. ctest -N lists them,
# ctest -L LABEL runs a part (layers, pe, wine, display, sanitize, fuzz, ghostscript,
# inspect, package). A check that cannot run on this machine ends with 77: skipped.
set(ORVANE_BUILD_ROOT "${CMAKE_BINARY_DIR}/.." CACHE PATH "The folder of the build trees (native, win32, asan)")
get_filename_component(CHECKS_ROOT "${ORVANE_BUILD_ROOT}" ABSOLUTE)
set(CHECKS ${CMAKE_SOURCE_DIR}/scripts/tests.d)

# CTest starts the costliest first (COST, 100 unless given). The runs under Wine, one
# after the other, are the longest chain: the Windows build and the Wine prefix start it
# at once (1000), the sanitizer build follows (900), and the runs under Wine go before
# the rest (500). The package's second build keeps both cores busy while those runs
# wait on their dialogs (450), then come the fuzzers (400); the checks of seconds (the
# inspector's among them) go before the unit tests.
# orvane_check(NAME COMMAND ... LABELS ... [NEEDS fixture...] [MAKES fixture...]
#              [LOCKS resource...] [TIMEOUT seconds] [COST n] [ENV VAR=value...])
function(orvane_check name)
  cmake_parse_arguments(C "" "TIMEOUT;COST" "COMMAND;LABELS;NEEDS;MAKES;LOCKS;ENV" ${ARGN})
  if(NOT C_TIMEOUT)
    set(C_TIMEOUT 300)
  endif()
  if(NOT C_COST)
    set(C_COST 100)
  endif()
  add_test(NAME ${name} COMMAND ${C_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS "${C_LABELS}" TIMEOUT ${C_TIMEOUT} SKIP_RETURN_CODE 77
    COST ${C_COST} ENVIRONMENT "ORVANE_BUILD=${CHECKS_ROOT};${C_ENV}")
  if(C_NEEDS)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${C_NEEDS}")
  endif()
  if(C_MAKES)
    set_tests_properties(${name} PROPERTIES FIXTURES_SETUP "${C_MAKES}")
  endif()
  if(C_LOCKS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${C_LOCKS}")
  endif()
endfunction()

orvane_check(layers COMMAND bash ${CHECKS}/05-layers.sh LABELS layers TIMEOUT 60)

# The Windows build: the DLL as a file, its resources read back by the native tests
# (which must run, not skip), and the package.
orvane_check(build.win32 COMMAND bash ${CHECKS}/00-build.sh win32 LABELS pe wine package MAKES win32
  TIMEOUT 900 COST 1000)
orvane_check(pe.exports COMMAND bash ${CHECKS}/10-dll-exports.sh LABELS pe NEEDS win32 TIMEOUT 60)
orvane_check(pe.hardening COMMAND bash ${CHECKS}/12-dll-hardening.sh LABELS pe NEEDS win32 TIMEOUT 60)
orvane_check(pe.resources COMMAND unit_tests --gtest_filter=ResourceTest.*:VersionResource.*:DialogResources.*
  LABELS pe NEEDS win32 TIMEOUT 60 ENV ORVANE_DLL=${CHECKS_ROOT}/win32/OrvaneTrp.dll)
set_tests_properties(pe.resources PROPERTIES PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 5 tests\\."
  FAIL_REGULAR_EXPRESSION "SKIPPED|FAILED")
# scripts/package builds the DLL in the win32 tree (nothing when it is up to date): one at a time.
orvane_check(package.reproducible COMMAND bash ${CHECKS}/95-package.sh LABELS package NEEDS win32 LOCKS win32
  TIMEOUT 900 COST 450)
orvane_check(package.signed COMMAND bash ${CHECKS}/96-package-signed.sh LABELS package NEEDS win32 LOCKS win32
  TIMEOUT 300 COST 450)

# The 32-bit DLL under 32-bit Wine (through qemu-i386 where this kernel runs no 32-bit
# programs), all in one prefix, one at a time, each on a virtual display of its own.
orvane_check(wine.prefix COMMAND ${CMAKE_SOURCE_DIR}/scripts/provision --wine-prefix ${CHECKS_ROOT}/wine-prefix
  LABELS wine MAKES wineprefix LOCKS wineprefix TIMEOUT 600 COST 1000)
orvane_check(wine.overflow COMMAND bash ${CHECKS}/13-overflow.sh LABELS wine pe NEEDS win32 wineprefix LOCKS wineprefix
  COST 500)
foreach(check lifecycle:20-wine-lifecycle print:60-wine-print hostsim-runs:70-hostsim-runs dialogs:80-wine-dialogs
        demo-dialogs:90-demo-dialogs)
  string(REPLACE ":" ";" pair ${check})
  list(GET pair 0 name)
  list(GET pair 1 script)
  orvane_check(wine.${name} COMMAND bash ${CHECKS}/${script}.sh LABELS wine display NEEDS win32 wineprefix
    LOCKS wineprefix TIMEOUT 600 COST 500)
endforeach()

# The unit tests and the fuzzers, built with clang and the sanitizers in a tree of their own.
orvane_check(build.asan COMMAND bash ${CHECKS}/00-build.sh asan LABELS sanitize fuzz MAKES asan TIMEOUT 1800 COST 900)
orvane_check(sanitize.unit_tests COMMAND bash ${CHECKS}/30-sanitizers.sh LABELS sanitize NEEDS asan TIMEOUT 900)
file(GLOB FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(src ${FUZZ_TARGETS})
  get_filename_component(target ${src} NAME_WE)
  orvane_check(fuzz.${target} COMMAND bash ${CHECKS}/40-fuzz.sh ${target} LABELS fuzz NEEDS asan TIMEOUT 300 COST 400)
endforeach()

orvane_check(ghostscript.jobs COMMAND bash ${CHECKS}/50-ghostscript.sh LABELS ghostscript TIMEOUT 300)
