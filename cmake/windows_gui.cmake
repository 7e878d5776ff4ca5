# varnel.exe: the dialogs as native Windows dialogs (src/platform/win32/win32_*, the
# window back end, and src/gui_win32/, its entry point and resources). Included by
# cmake/windows_build.cmake when VARNEL_WIN32_GUI is on.

add_library(varnel_win32_gui STATIC
  src/platform/win32_gui/reader_voices.cpp
  src/platform/win32_gui/win32_accessibility.cpp
  src/platform/win32_gui/win32_clipboard.cpp
  src/platform/win32_gui/win32_dialog_build.cpp
  src/platform/win32_gui/win32_dialog_host.cpp
  src/platform/win32_gui/win32_dialog_input.cpp
  src/platform/win32_gui/win32_event_pump.cpp
  src/platform/win32_gui/win32_file_chooser.cpp
  src/platform/win32_gui/win32_icons.cpp
  src/platform/win32_gui/win32_jaws.cpp
  src/platform/win32_gui/win32_message_box.cpp
  src/platform/win32_gui/win32_multiline_edit.cpp
  src/platform/win32_gui/win32_nvda.cpp
  src/platform/win32_gui/win32_pc_talker.cpp
  src/platform/win32_gui/win32_picture.cpp
  src/platform/win32_gui/win32_reader_thread.cpp
  src/platform/win32_gui/win32_shell.cpp
  src/platform/win32_gui/win32_window_system.cpp)
# Common controls (the progress bar), the file dialog, COM for the accessibility
# annotations, the notifications' strings and JAWS's object, the shell.
target_link_libraries(varnel_win32_gui PUBLIC varnel_core comctl32 comdlg32 ole32 oleaut32 uuid
                      shell32)
varnel_strict(varnel_win32_gui)

# The icon of the executable and of the windows, from the same art as the dialogs' own
# pictures (src/res/icons.cpp).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VARNEL_ICON_FILE ${CMAKE_CURRENT_BINARY_DIR}/varnel.ico)
add_custom_command(
  OUTPUT ${VARNEL_ICON_FILE}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/src/gui_win32/make_icon.py
          ${PROJECT_SOURCE_DIR}/src/res/icons.cpp ${VARNEL_ICON_FILE}
  DEPENDS ${PROJECT_SOURCE_DIR}/src/gui_win32/make_icon.py ${PROJECT_SOURCE_DIR}/src/res/icons.cpp
  COMMENT "Drawing varnel.ico"
  VERBATIM)
set(VARNEL_MANIFEST_FILE ${CMAKE_CURRENT_BINARY_DIR}/varnel.exe.manifest)
configure_file(src/gui_win32/varnel.exe.manifest.in ${VARNEL_MANIFEST_FILE} @ONLY)
configure_file(src/gui_win32/varnel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/varnel.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/varnel.rc PROPERTIES
  OBJECT_DEPENDS "${VARNEL_ICON_FILE};${VARNEL_MANIFEST_FILE}")

enable_language(RC)
# clock_win32.cpp: the timer resolution that keeps the 2 ms pauses of a parallel port short.
add_executable(varnel WIN32 src/gui_win32/main.cpp src/app/window_program.cpp
                            src/platform/win32/clock.cpp
                            ${CMAKE_CURRENT_BINARY_DIR}/varnel.rc)
target_link_libraries(varnel PRIVATE varnel_win32_gui varnel_spoolers CLI11::CLI11 winmm)
# wWinMain: the command line in UTF-16.
target_link_options(varnel PRIVATE -municode)
varnel_strict(varnel)

if(VARNEL_TESTS)
  enable_testing()
  add_subdirectory(tests/windows_gui)
endif()
