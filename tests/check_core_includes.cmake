# Fails when a file of the core or the rules, or a header it includes from the source tree,
# names a toolkit or spooler header; when a file of the rules includes the dialog or its
# framework; and when a file of the platform layer includes the application (the platform
# layer stands where the operating system's framework stood: it knows nothing of
# embossers, documents, sentences or templates).
set(bad "")
file(GLOB_RECURSE headers "${ROOT}/src/app/*.h" "${ROOT}/src/speech/*.h" "${ROOT}/src/document/*.h"
     "${ROOT}/src/print/*.h" "${ROOT}/src/printers/*.h" "${ROOT}/src/res/*.h"
     "${ROOT}/src/preview/*.h")
file(GLOB platform_headers "${ROOT}/src/platform/*.h" "${ROOT}/src/platform/dialog/*.h"
     "${ROOT}/src/platform/text/*.h")
list(APPEND headers ${platform_headers})
file(READ "${SOURCES_FILE}" sources)
foreach(f ${sources} ${headers})
  if(NOT IS_ABSOLUTE "${f}")
    set(f "${ROOT}/${f}")
  endif()
  file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*<(wx|cups)/")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()

file(GLOB_RECURSE platform_files "${ROOT}/src/platform/*.h" "${ROOT}/src/platform/*.cpp")
foreach(f ${platform_files})
  file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*\"(res|app|print|printers|speech|document)/")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()

# The Windows API only in the Windows platform folder (src/platform/win32/, whose
# windows_api.h the Win32 dialogs include) and the Windows programs' own entry points
# (src/gui_win32/, src/cli/main_win32.cpp).
file(GLOB_RECURSE all_sources "${ROOT}/src/*.h" "${ROOT}/src/*.cpp")
foreach(f ${all_sources})
  if(f MATCHES "/src/platform/win32/|/src/gui_win32/|/src/cli/main_win32\\.cpp$")
    continue()
  endif()
  file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*<(windows|winspool|shlobj|commctrl|commdlg|shellapi)\\.h>")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()

# The rules know nothing of the dialog: no application, no dialog framework, no services.
file(READ "${RULES_FILE}" rules)
foreach(f ${rules})
  if(NOT IS_ABSOLUTE "${f}")
    set(f "${ROOT}/${f}")
  endif()
  file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*\"(app/|platform/dialog/|platform/headless/|platform/platform\\.h)")
  if(hits)
    list(APPEND bad "${f}: ${hits}")
  endif()
endforeach()

if(bad)
  message(FATAL_ERROR "files include what their layer may not:\n${bad}")
endif()
list(LENGTH sources n)
list(LENGTH platform_files p)
list(LENGTH rules r)
if(n LESS 10 OR p LESS 10 OR r LESS 10)
  message(FATAL_ERROR "the list of sources is missing (${n} core, ${p} platform, ${r} rules files)")
endif()
message(STATUS "${n} core sources, ${p} platform files and ${r} rules files checked")
