# Warnings on for every target of ours. They are errors in the builds that check the
# project (the sanitizer test build, the fuzz build, the Windows build its tests run: see
# the Makefile); a Release or package build reports a newer compiler's new warnings
# without failing on them.
if(VARNEL_SANITIZE OR VARNEL_LIBFUZZER)
  set(VARNEL_WERROR_DEFAULT ON)
else()
  set(VARNEL_WERROR_DEFAULT OFF)
endif()
option(VARNEL_WERROR "Treat compiler warnings as errors" ${VARNEL_WERROR_DEFAULT})

function(varnel_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough)
  if(VARNEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
