# Cross toolchain: MinGW-w64 i686. SD_MINGW_THREADS picks the thread model: "win32" for the
# shipped exe (its runtime imports nothing Windows 95/98 lack), "posix" for the in-process
# Wine tests (GoogleTest needs std::mutex).
set(SD_MINGW_THREADS "win32" CACHE STRING "MinGW thread model: win32 or posix")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${SD_MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${SD_MINGW_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
