# Cross-compiles for 64-bit Windows with mingw-w64 on Debian (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The -posix compiler variant has std::thread and std::mutex. Programs are linked
# statically, so that no mingw DLL has to lie beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNEL_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${VARNEL_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VARNEL_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Only the cross compiler's own headers and libraries: the build machine's (glibc's under
# /usr/include) would shadow mingw's.
set(CMAKE_FIND_ROOT_PATH /usr/${VARNEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here run under Wine (tests, test discovery).
find_program(VARNEL_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(VARNEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNEL_WINE})
endif()
