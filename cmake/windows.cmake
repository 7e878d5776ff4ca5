# The Windows services of the platform layer (src/platform/win32/), chosen by the root
# CMakeLists.txt when it builds for Windows (cmake/mingw-w64.cmake).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "the Windows build is made with mingw-w64 g++ (cmake/mingw-w64.cmake)")
endif()

# GCC 12 at -O3 warns of overlapping copies inside std::string that cannot happen (GCC bug
# 105329), and warnings are errors: a Release build is made at -O2, and stripped.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
add_link_options($<$<CONFIG:Release>:-s>)

# Windows 10 and later: the API level the headers offer; the wide-character API; no min and
# max macros from windows.h.
add_compile_definitions(WINVER=0x0A00 _WIN32_WINNT=0x0A00 UNICODE _UNICODE NOMINMAX)

set(VARNEL_TEXT_OS_SOURCES
  src/platform/win32/cp932.cpp
  src/platform/win32/utf16.cpp)
set(VARNEL_OS_SOURCES
  src/platform/win32/environment.cpp
  src/platform/win32/file_io.cpp
  src/platform/win32/files.cpp)
# SHGetKnownFolderPath, CoTaskMemFree.
set(VARNEL_OS_LIBRARIES shell32 ole32)
set(VARNEL_SPOOL_OS_SOURCES src/platform/win32/spool_os.cpp)
set(VARNEL_CLI_OS_SOURCES
  src/cli/signals_win32.cpp
  src/platform/win32/clock.cpp
  src/platform/win32/console.cpp)
set(VARNEL_CLI_MAIN src/cli/main_win32.cpp)

# The Windows print spooler.
add_library(varnel_win32_spooler STATIC
  src/platform/win32/job_follow.cpp
  src/platform/win32/spooler.cpp)
target_link_libraries(varnel_win32_spooler PUBLIC varnel_core winspool)
varnel_strict(varnel_win32_spooler)

# CLI11 is header-only and builds for Windows as it is. Only its own folder goes on the
# include path: the build machine's /usr/include would shadow mingw's C library headers.
find_path(VARNEL_CLI11_ROOT CLI/CLI.hpp PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT VARNEL_CLI11_ROOT)
  message(FATAL_ERROR "CLI11 not found: install libcli11-dev")
endif()
set(VARNEL_CLI11_INCLUDE ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${VARNEL_CLI11_INCLUDE})
if(NOT EXISTS ${VARNEL_CLI11_INCLUDE}/CLI)
  file(CREATE_LINK ${VARNEL_CLI11_ROOT}/CLI ${VARNEL_CLI11_INCLUDE}/CLI SYMBOLIC)
endif()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${VARNEL_CLI11_INCLUDE})
