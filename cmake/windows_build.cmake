# The Windows build beyond the services (cmake/windows.cmake): varnel-cli.exe's entry
# point, varnel.exe when its part of the tree is there, the tests under Wine and the
# installer. Included at the end of the root CMakeLists.txt.

# wmain: the arguments in UTF-16. timeBeginPeriod: the pace of short waits.
target_link_options(varnel-cli PRIVATE -municode)
target_link_libraries(varnel_cli_lib PUBLIC winmm)

# The Linux build (its varnel-cli and varnel_tests) that the tests under Wine compare with.
set(VARNEL_LINUX_BUILD "" CACHE PATH "The Linux build the Windows tests compare with")
if(VARNEL_TESTS)
  enable_testing()
endif()

option(VARNEL_WIN32_GUI "Build varnel.exe, the dialogs in native windows" ON)
if(VARNEL_WIN32_GUI AND EXISTS ${PROJECT_SOURCE_DIR}/cmake/windows_gui.cmake)
  include(${PROJECT_SOURCE_DIR}/cmake/windows_gui.cmake)
endif()

# `make windows`: the programs.
if(TARGET varnel)
  add_custom_target(windows_programs DEPENDS varnel-cli varnel)
else()
  add_custom_target(windows_programs DEPENDS varnel-cli)
endif()

# The installer, beside the programs: Varnel-Setup-VERSION.exe (`make windows-installer`
# copies it into dist/).
find_program(VARNEL_MAKENSIS makensis)
set(VARNEL_INSTALLER ${CMAKE_BINARY_DIR}/Varnel-Setup-${PROJECT_VERSION}.exe)
if(VARNEL_MAKENSIS)
  set(VARNEL_INSTALLER_PROGRAMS -DCLI_EXE=$<TARGET_FILE:varnel-cli>)
  set(VARNEL_INSTALLER_DEPENDS varnel-cli)
  if(TARGET varnel)
    list(APPEND VARNEL_INSTALLER_PROGRAMS -DGUI_EXE=$<TARGET_FILE:varnel>)
    list(APPEND VARNEL_INSTALLER_DEPENDS varnel)
  endif()
  add_custom_command(
    OUTPUT ${VARNEL_INSTALLER}
    COMMAND ${VARNEL_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
            -DOUTFILE=${VARNEL_INSTALLER}
            ${VARNEL_INSTALLER_PROGRAMS}
            ${PROJECT_SOURCE_DIR}/packaging/windows/varnel.nsi
    DEPENDS ${VARNEL_INSTALLER_DEPENDS} ${PROJECT_SOURCE_DIR}/packaging/windows/varnel.nsi
    COMMENT "Building the installer Varnel-Setup-${PROJECT_VERSION}.exe"
    VERBATIM)
  add_custom_target(windows_installer ALL DEPENDS ${VARNEL_INSTALLER})
else()
  message(STATUS "makensis not found: no installer (install the package nsis)")
endif()

if(VARNEL_TESTS)
  add_subdirectory(tests/windows)
endif()
