# Hardening and reproducibility of the Windows build (included from CMakeLists.txt for
# every target of it).
#
# - The stack protector (-fstack-protector-strong) and fortified string, memory and
#   formatting functions (-D_FORTIFY_SOURCE=2: MinGW-w64's headers check calls whose
#   destination has a size known at compile time, in C++ too). The support library,
#   libssp, comes with -fstack-protector-strong at link time and is linked statically
#   where the target links -static; its random guard is what imports ADVAPI32.
# - ASLR (dynamic base) and DEP (NX), the linker's defaults, stated so that they stay.
# - The images are marked as having no SEH handlers (--no-seh): the i686 MinGW build
#   unwinds with DWARF tables and registers none, and so passes Windows' SafeSEH check.
# - Reproducible: no time stamp in the PE (--no-insert-timestamp), and no folder of the
#   source or the build in what is compiled (-ffile-prefix-map).

set(ORVANE_HARDENING_COMPILE_FLAGS -fstack-protector-strong -D_FORTIFY_SOURCE=2)
set(ORVANE_HARDENING_LINK_FLAGS -fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat
    -Wl,--no-insert-timestamp -Wl,--no-seh)
set(ORVANE_REPRODUCIBLE_COMPILE_FLAGS -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
    -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)

# The resource compiler takes none of these.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${ORVANE_HARDENING_COMPILE_FLAGS};${ORVANE_REPRODUCIBLE_COMPILE_FLAGS}>")
add_link_options(${ORVANE_HARDENING_LINK_FLAGS})

