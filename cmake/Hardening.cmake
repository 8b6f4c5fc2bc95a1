# Hardening and reproducibility of the Windows builds, shared by the MinGW-w64 toolchains
# (included from CMakeLists.txt for every target of a Windows build).
#
# - The stack protector (-fstack-protector-strong) and fortified string, memory and
#   formatting functions (-D_FORTIFY_SOURCE=2: MinGW-w64's headers check calls whose
#   destination has a size known at compile time, in C++ too). The support library,
#   libssp, comes with -fstack-protector-strong at link time and is linked statically
#   where the target links -static; its random guard is what imports ADVAPI32.
# - ASLR (dynamic base) and DEP (NX), the linker's defaults, stated so that they stay.
# - 32-bit images are marked as having no SEH handlers (--no-seh): the i686 MinGW
#   build unwinds with DWARF tables and registers none, and so passes Windows' SafeSEH
#   check. 64-bit images unwind through their own tables and are not marked.
# - Reproducible: no time stamp in the PE (--no-insert-timestamp), and no folder of the
#   source or the build in what is compiled (-ffile-prefix-map).
#
# ORVANE_HARDENING_FLAGS.txt in the build folder lists the flags (with the optimisation of
# a Release build, which fortification needs), for checks that build a test program
# outside CMake with the same ones.
set(ORVANE_HARDENING_COMPILE_FLAGS -fstack-protector-strong -D_FORTIFY_SOURCE=2)
set(ORVANE_HARDENING_LINK_FLAGS -fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat
    -Wl,--no-insert-timestamp)
set(ORVANE_HARDENING_LINK_FLAGS_32 -Wl,--no-seh)
set(_common_link ${ORVANE_HARDENING_LINK_FLAGS})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND ORVANE_HARDENING_LINK_FLAGS ${ORVANE_HARDENING_LINK_FLAGS_32})
endif()
set(ORVANE_REPRODUCIBLE_COMPILE_FLAGS -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
    -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)

# The resource compiler takes none of these.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${ORVANE_HARDENING_COMPILE_FLAGS};${ORVANE_REPRODUCIBLE_COMPILE_FLAGS}>")
add_link_options(${ORVANE_HARDENING_LINK_FLAGS})

list(JOIN ORVANE_HARDENING_COMPILE_FLAGS " " _compile)
list(JOIN _common_link " " _link)
list(JOIN ORVANE_HARDENING_LINK_FLAGS_32 " " _link32)
file(WRITE ${CMAKE_BINARY_DIR}/ORVANE_HARDENING_FLAGS.txt
     "optimize: ${CMAKE_CXX_FLAGS_RELEASE}\ncompile: ${_compile}\nlink: ${_link}\nlink-32-bit: ${_link32}\n")
unset(_common_link)
unset(_compile)
unset(_link)
unset(_link32)
