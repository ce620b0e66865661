# A 64-bit build of the same sources, for checking only, never shipped: on a
# Linux kernel without 32-bit support Wine cannot start the 32-bit programs,
# but wine64 runs these (scripts/test-wine64.sh).
set(TS_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
