# What both MinGW-w64 cross builds share; a toolchain file sets
# TS_MINGW_PROCESSOR (i686 or x86_64) and the Wine loader, then includes this.
# The win32 thread model: its runtime needs nothing newer than Windows 2000
# (the posix one imports GetTickCount64 through winpthread).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TS_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${TS_MINGW_PROCESSOR}-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER ${TS_MINGW_PROCESSOR}-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER ${TS_MINGW_PROCESSOR}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TS_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
