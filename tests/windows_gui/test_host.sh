#!/bin/bash
# The window back end's own tests (win32_host_test.cpp), which need a display.
# shellcheck source=wine_gui_lib.sh
source "$GUI_LIB"
LANG=ja_JP.UTF-8 "$WINE" "${HOST_TESTS:?}" --gtest_brief=1
