# Cross-compiling the 64-bit twin of the product for the checks under wine64 where
# 32-bit Wine cannot run; it is never packaged.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
